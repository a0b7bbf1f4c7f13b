// Conversions by clicking "转换" in the real window.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/sample_texts.h"
#include "tests/window/running_program.h"

namespace uescape::window_testing {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

struct ClickCase {
  const char* name;
  std::string input;          // code page 936
  std::string inputAfter;     // what the input box shows after the click
  std::string outputAppended;
};

class Conversion : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { program_ = RunningProgram::Start().release(); }
  static void TearDownTestSuite() { delete program_; }
  void SetUp() override { ASSERT_NE(program_, nullptr); }
  static RunningProgram* program_;
};
RunningProgram* Conversion::program_ = nullptr;

TEST_F(Conversion, ClickNormalisesTheInputAndAppendsEscapes) {
  const std::string zhongWen = Bytes({0xD6, 0xD0, 0xCE, 0xC4});  // 中文
  const std::string numerals = Bytes({0xC1, 0xE3, 0xD2, 0xBB, 0xB6, 0xFE, 0xC8, 0xFD, 0xCB, 0xC4,
                                      0xCE, 0xE5, 0xC1, 0xF9, 0xC6, 0xDF, 0xB0, 0xCB, 0xBE, 0xC5});
  const ClickCase cases[] = {
      {"empty", "", "", ""},
      {"digits", "0123456789", numerals,
       "\\u96F6\\u4E00\\u4E8C\\u4E09\\u56DB\\u4E94\\u516D\\u4E03\\u516B\\u4E5D"},
      {"capitals", "Hello", "hello", "\\u0068\\u00F0\\u006C\\u006C\\u00BA"},
      {"line breaks", "a\r\nb", "a\r\nb", "\\u00E2\\uFFFF\\u0062"},
      {"Chinese with fullwidth punctuation",
       zhongWen + Bytes({0xA3, 0xAC, 0xB2, 0xE2, 0xCA, 0xD4, 0xA1, 0xA3}),
       zhongWen + Bytes({0xA3, 0xAC, 0xB2, 0xE2, 0xCA, 0xD4, 0xA1, 0xA3}),
       "\\u4E2D\\u6587\\u6D4B\\u8BD5\\u3002"},
      {"euro sign at the end", Bytes({0x78, 0x80}), Bytes({0x78, 0x80}), "\\u0078\\u20AC"},
      {"euro sign then a capital", Bytes({0x80, 0x41}), Bytes({0x80, 0x61}), "\\u20AC\\u00E2"},
  };
  for (const ClickCase& c : cases) {
    program_->SetText(kOutputBoxId, "");
    program_->SetText(kInputBoxId, c.input);
    program_->Click();
    EXPECT_EQ(program_->Text(kInputBoxId), c.inputAfter) << c.name;
    EXPECT_EQ(program_->Text(kOutputBoxId), c.outputAppended) << c.name;
  }
}

TEST_F(Conversion, SecondClickAppendsTheSameEscapesAgain) {
  program_->SetText(kOutputBoxId, "");
  program_->SetText(kInputBoxId, "Ab1");
  program_->Click();
  program_->Click();
  EXPECT_EQ(program_->Text(kInputBoxId), "ab" + Bytes({0xD2, 0xBB}));
  EXPECT_EQ(program_->Text(kOutputBoxId), "\\u00E2\\u0062\\u4E00\\u00E2\\u0062\\u4E00");
}

TEST_F(Conversion, AppendGoesToTheEndWhereverTheCaretOrSelectionIs) {
  const HWND output = program_->control(kOutputBoxId);
  program_->SetText(kOutputBoxId, "typed by hand");
  SendMessageW(output, EM_SETSEL, 2, 6);  // a selection in the middle
  program_->SetText(kInputBoxId, "b");
  program_->Click();
  const std::string expected = "typed by hand\\u0062";
  EXPECT_EQ(program_->Text(kOutputBoxId), expected);
  DWORD start = 0, end = 0;
  SendMessageW(output, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, expected.size()) << "the caret stands after the added text";
  EXPECT_EQ(end, expected.size());

  SendMessageW(output, EM_SETSEL, 3, 3);  // the caret in the middle
  program_->Click();
  EXPECT_EQ(program_->Text(kOutputBoxId), expected + "\\u0062");
}

// One append of all escapes must leave the boxes exactly as one append per
// escape would: same text, same caret, same first visible line, also once
// the output has scrolled past the box's height.
TEST(ConversionAppends, LeaveTheSameTextCaretAndScrollAsOneAppendPerEscape) {
  const std::string input = uescape::testing::ChineseText(1500);
  auto program = RunningProgram::Start();
  auto reference = RunningProgram::Start();
  ASSERT_TRUE(program);
  ASSERT_TRUE(reference);
  const std::string before = "typed by hand\r\n";
  program->SetText(kOutputBoxId, before);
  program->SetText(kInputBoxId, input);
  program->Click();
  const std::string output = program->Text(kOutputBoxId);
  ASSERT_GT(output.size(), before.size() + 6 * 1000u);

  // The reference box gets the same escapes one at a time, each appended
  // the plain way: find the end, select it, scroll to it, replace.
  reference->SetText(kOutputBoxId, before);
  reference->SetText(kInputBoxId, program->Text(kInputBoxId));
  const HWND box = reference->control(kOutputBoxId);
  for (std::size_t at = before.size(); at < output.size(); at += 6) {
    const std::wstring escape = FromGbk(output.substr(at, 6));
    const LRESULT end = SendMessageW(box, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(escape.c_str()));
  }
  EXPECT_EQ(reference->Text(kOutputBoxId), output);
  for (int id : {kInputBoxId, kOutputBoxId}) {
    DWORD start = 0, end = 0, referenceStart = 1, referenceEnd = 1;
    SendMessageW(program->control(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    SendMessageW(reference->control(id), EM_GETSEL, reinterpret_cast<WPARAM>(&referenceStart),
                 reinterpret_cast<LPARAM>(&referenceEnd));
    EXPECT_EQ(start, referenceStart) << id;
    EXPECT_EQ(end, referenceEnd) << id;
    // Where the caret's line stands in the view. (The line numbers
    // themselves are not compared: Wine re-wraps an unbroken line that grew
    // by many small replacements at other places than one laid out whole.)
    auto caretRowInView = [id](const RunningProgram& p) {
      const HWND box = p.control(id);
      return SendMessageW(box, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0) -
             SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0);
    };
    EXPECT_EQ(caretRowInView(*program), caretRowInView(*reference)) << id;
  }
  EXPECT_GT(SendMessageW(program->control(kOutputBoxId), EM_GETFIRSTVISIBLELINE, 0, 0), 0)
      << "the output scrolled";
}

// Puts a picture of the window, converted Chinese text in it, where the
// environment variable UESCAPE_SCREENSHOT says (a .bmp file).
TEST_F(Conversion, ChineseTextOnScreen) {
  const std::string chinese = Bytes({0xC4, 0xE3, 0xBA, 0xC3, 0xA3, 0xAC, 0xCA, 0xC0, 0xBD, 0xE7,
                                     0xA3, 0xA1, 0x32, 0x30, 0x32, 0x36});  // 你好，世界！2026
  program_->SetText(kOutputBoxId, "");
  program_->SetText(kInputBoxId, chinese);
  program_->Click();
  EXPECT_EQ(program_->Text(kOutputBoxId),
            "\\u4F60\\u597D\\u4E16\\u754C\\u4E8C\\u96F6\\u4E8C\\u516D");
  const char* path = std::getenv("UESCAPE_SCREENSHOT");
  if (path == nullptr) return;
  EXPECT_TRUE(SaveScreenshot(program_->window(), path));
}

}  // namespace
}  // namespace uescape::window_testing
