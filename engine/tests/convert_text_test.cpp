#include "engine/convert_text.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/literal_model/literal_model.h"
#include "tests/support/byte_strings.h"
#include "tests/support/memory_text_box.h"

namespace uescape {
namespace {

using testing::Hex;
using testing::MemoryTextBox;
using testing::ToHex;
using Call = MemoryTextBox::Call;

struct Click {
  std::string input;
  std::string output;
};

Click ClickOnce(const std::string& inputText, const std::string& outputText = "") {
  MemoryTextBox input(inputText);
  MemoryTextBox output(outputText);
  ConvertText(input, output);
  return {input.text(), output.text()};
}

TEST(ConvertText, ReadsAndWritesTheInputBoxInTwelveReadsAndElevenWrites) {
  MemoryTextBox input("A1b2");
  MemoryTextBox output("earlier");
  ConvertText(input, output);

  std::vector<Call> order;
  for (const auto& record : input.calls()) order.push_back(record.call);
  std::vector<Call> expected = {Call::kGet, Call::kSet};
  for (int digit = 0; digit < 10; ++digit) {
    expected.push_back(Call::kGet);
    expected.push_back(Call::kSet);
  }
  expected.push_back(Call::kGet);
  EXPECT_EQ(order, expected);

  const std::string yi = Hex("D2 BB"), er = Hex("B6 FE");
  const std::vector<std::string> writes = input.TextsOf(Call::kSet);
  ASSERT_EQ(writes.size(), 11u);
  EXPECT_EQ(writes[0], "a1b2");               // lowered
  EXPECT_EQ(writes[1], "a1b2");               // no 0: written all the same
  EXPECT_EQ(writes[2], "a" + yi + "b2");      // 1 replaced
  EXPECT_EQ(writes[3], "a" + yi + "b" + er);  // 2 replaced
  for (std::size_t i = 4; i < 11; ++i) EXPECT_EQ(writes[i], writes[3]);

  // The output box is only ever appended to.
  for (const auto& record : output.calls()) EXPECT_EQ(record.call, Call::kAppend);
  EXPECT_EQ(output.text(), "earlier\\u00E2\\u4E00\\u0062\\u4E8C");
}

// A box that changes what it is given (here: adds a capital A to every
// write) shows that each step starts from what the box holds, not from the
// conversion's own copy.
class BoxThatAddsToEachWrite : public MemoryTextBox {
 public:
  using MemoryTextBox::MemoryTextBox;
  void SetText(Text text) override { MemoryTextBox::SetText(text + "A"); }
};

TEST(ConvertText, EachStepWorksOnWhatTheBoxHolds) {
  BoxThatAddsToEachWrite input("x");
  MemoryTextBox output;
  ConvertText(input, output);
  const std::vector<std::string> reads = input.TextsOf(Call::kGet);
  ASSERT_EQ(reads.size(), 12u);
  std::string expectedRead = "x";
  for (const std::string& read : reads) {
    EXPECT_EQ(read, expectedRead);
    expectedRead += 'A';
  }
  // The capitals arrived after the lowering step, so they reach the lookup.
  std::string expected = "\\u0078";
  for (int i = 0; i < 11; ++i) expected += Hex("0A 5C 75 46 46 46");
  EXPECT_EQ(output.text(), expected);
}

TEST(ConvertText, NormalisesAndAppendsEscapes) {
  const std::vector<std::pair<std::string, Click>> cases = {
      {"", {"", ""}},
      {"0123456789",
       {Hex("C1E3 D2BB B6FE C8FD CBC4 CEE5 C1F9 C6DF B0CB BEC5"),
        "\\u96F6\\u4E00\\u4E8C\\u4E09\\u56DB\\u4E94\\u516D\\u4E03\\u516B\\u4E5D"}},
      {"A", {"a", "\\u00E2"}},
      {"Hello", {"hello", "\\u0068\\u00F0\\u006C\\u006C\\u00BA"}},
      {"a\r\nb", {"a\r\nb", "\\u00E2\\uFFFF\\u0062"}},
      {"\r", {"\r", "\\uFFFF"}},
      {"\n", {"\n", ""}},
      {"x\ry\nz", {"x\ry\nz", "\\u0078\\uFFFF\\u00FD\\u007A"}},
      {Hex("D6D0 CEC4 A3AC B2E2 CAD4 A1A3"),  // 中文，测试。
       {Hex("D6D0 CEC4 A3AC B2E2 CAD4 A1A3"), "\\u4E2D\\u6587\\u6D4B\\u8BD5\\u3002"}},
      {" ", {" ", "\\u7C14"}},
      {"u\\", {"u\\", ""}},
      {Hex("61 62 B0"), {"ab", "\\u00E2\\u0062"}},  // a lone lead byte at the end is dropped
      {Hex("78 80"), {Hex("78 80"), "\\u0078\\u20AC"}},  // the euro sign stays
      {Hex("80 41"), {Hex("80 61"), "\\u20AC\\u00E2"}},  // and what follows it is normalised
      {Hex("80 35"), {Hex("80 CEE5"), "\\u20AC\\u4E94"}},
  };
  for (const auto& [text, click] : cases) {
    const Click got = ClickOnce(text);
    EXPECT_EQ(ToHex(got.input), ToHex(click.input)) << ToHex(text);
    EXPECT_EQ(got.output, click.output) << ToHex(text);
  }
}

TEST(ConvertText, SecondClickAppendsTheSameEscapesAgain) {
  MemoryTextBox input("Ab1");
  MemoryTextBox output("typed by hand ");
  ConvertText(input, output);
  ConvertText(input, output);
  EXPECT_EQ(input.text(), "ab" + Hex("D2BB"));
  EXPECT_EQ(output.text(), "typed by hand \\u00E2\\u0062\\u4E00\\u00E2\\u0062\\u4E00");
}

TEST(ConvertText, TheEuroSignNeitherVanishesNorSwallowsTheNextCharacter) {
  // The program against the model under both walk rules: it matches the
  // rule where 0x80 stands alone, and these inputs are exactly where the
  // other rule lost the euro sign or emitted junk.
  const std::vector<std::string> texts = {Hex("78 80"), Hex("80 41"), Hex("80 37")};
  for (const std::string& text : texts) {
    const Click program = ClickOnce(text);
    MemoryTextBox mendedIn(text), mendedOut, originalIn(text), originalOut;
    literal::ConvertText(mendedIn, mendedOut, literal::kEuroStandsAlone);
    literal::ConvertText(originalIn, originalOut, literal::kEuroLeadsPair);
    EXPECT_EQ(ToHex(program.input), ToHex(mendedIn.text())) << ToHex(text);
    EXPECT_EQ(program.output, mendedOut.text()) << ToHex(text);
    EXPECT_NE(program.input + program.output, originalIn.text() + originalOut.text())
        << ToHex(text);
  }
  MemoryTextBox originalIn(Hex("80 41")), originalOut;
  literal::ConvertText(originalIn, originalOut, literal::kEuroLeadsPair);
  EXPECT_EQ(ToHex(originalOut.text()), ToHex("\\u20AC" + Hex("0A 5C 75 46 46 46")));
}

TEST(ConvertText, MatchesTheLiteralProcedureOnRandomTexts) {
  const std::vector<std::string> pieces = {
      "a", "Z", "0", "7", "9", " ", "\r", "\n", "\r\n", "u", "\\", "*", "?",
      Hex("80"), Hex("81"), Hex("D6D0"), Hex("A3AC"), Hex("A1E3"), Hex("97DA"), Hex("B0"),
      Hex("F6 9A"), Hex("81 41"), Hex("A9 61"), Hex("FF")};
  std::mt19937 random(99);
  for (int round = 0; round < 150; ++round) {
    std::string text;
    for (int n = static_cast<int>(random() % 9); n > 0; --n) text += pieces[random() % pieces.size()];
    MemoryTextBox programIn(text), programOut("before");
    ConvertText(programIn, programOut);
    MemoryTextBox modelIn(text), modelOut("before");
    literal::ConvertText(modelIn, modelOut, literal::kEuroStandsAlone);
    ASSERT_EQ(ToHex(programIn.text()), ToHex(modelIn.text())) << ToHex(text);
    ASSERT_EQ(ToHex(programOut.text()), ToHex(modelOut.text())) << ToHex(text);
    ASSERT_EQ(programIn.TextsOf(Call::kSet), modelIn.TextsOf(Call::kSet)) << ToHex(text);
  }
}

}  // namespace
}  // namespace uescape
