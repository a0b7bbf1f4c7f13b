#include "engine/gbk_text_operations.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "tests/literal_model/literal_model.h"
#include "tests/support/byte_strings.h"

namespace uescape {
namespace {

using testing::Hex;
using testing::ToHex;
using std::nullopt;

std::string Str(const Text& text) { return std::string(text.data(), text.size()); }

struct TextCase {
  const char* name;
  std::function<Text()> run;
  std::string expected;
};

void ExpectAll(const std::vector<TextCase>& cases) {
  for (const TextCase& c : cases) {
    EXPECT_EQ(ToHex(Str(c.run())), ToHex(c.expected)) << c.name;
  }
}

struct SearchCase {
  const char* name;
  std::function<Position()> run;
  Position expected;
};

void ExpectAll(const std::vector<SearchCase>& cases) {
  for (const SearchCase& c : cases) EXPECT_EQ(c.run(), c.expected) << c.name;
}

TEST(LowerCaseText, LowersOnlyOneByteCapitals) {
  ExpectAll({
      {"Q then a last lead byte", [] { return LowerCaseText(Hex("51 81")); }, Hex("71 81")},
      {"second bytes of pairs stay, 0x80 stands alone",
       [] { return LowerCaseText(Hex("41 B0 A1 5A 80 41")); }, Hex("61 B0 A1 7A 80 61")},
      {"second byte in A-Z after a lead", [] { return LowerCaseText(Hex("81 41 41")); },
       Hex("81 41 61")},
      {"empty", [] { return LowerCaseText(""); }, ""},
      {"digits, punctuation, control bytes pass",
       [] { return LowerCaseText("Hello, World 09\r\n@[`{"); }, "hello, world 09\r\n@[`{"},
      {"text ends at its first zero byte",
       [] { return LowerCaseText(std::string_view("AB\0CD", 5)); }, "ab"},
  });
}

TEST(ReplaceSubtext, FollowsTheCharacterWalk) {
  const std::string yi = Hex("D2 BB");
  ExpectAll({
      {"digit by numeral",
       [&] { return ReplaceSubtext("a1b1", "1", yi, nullopt, nullopt, true); },
       "a" + yi + "b" + yi},
      {"lone last lead byte is dropped",
       [] { return ReplaceSubtext(Hex("61 31 81"), "1", "X"); }, "aX"},
      {"two-byte subtext stops before the last byte",
       [] { return ReplaceSubtext(Hex("61 31 81"), "12", "X"); }, Hex("61 31 81")},
      {"second byte of a pair is not a candidate",
       [] { return ReplaceSubtext(Hex("78 B0 A1"), Hex("A1"), "X"); }, Hex("78 B0 A1")},
      {"start on a second byte walks from there",
       [] { return ReplaceSubtext(Hex("B0 A1 A1"), Hex("A1"), "X", 2); }, Hex("B0 58 58")},
      {"0x80 alone at the end is kept",
       [] { return ReplaceSubtext(Hex("78 80"), "0", Hex("C1 E3"), nullopt, nullopt, true); },
       Hex("78 80")},
      {"capital after 0x80 is a candidate",
       [] { return ReplaceSubtext(Hex("80 31"), "1", "X", nullopt, nullopt, true); },
       Hex("80 58")},
      {"overlapping occurrences resume after the match",
       [] { return ReplaceSubtext("aaa", "aa", "X"); }, "Xa"},
      {"replacement is never scanned again", [] { return ReplaceSubtext("aa", "a", "aa"); },
       "aaaa"},
  });
}

TEST(ReplaceSubtext, OptionalArgumentsAndLimits) {
  ExpectAll({
      {"replacement omitted", [] { return ReplaceSubtext("aaa", "a"); }, ""},
      {"start 2", [] { return ReplaceSubtext("aaa", "a", "X", 2); }, "aXX"},
      {"start 4", [] { return ReplaceSubtext("aaa", "a", "X", 4); }, "aaa"},
      {"start 0", [] { return ReplaceSubtext("aaa", "a", "X", 0); }, "XXX"},
      {"start -5", [] { return ReplaceSubtext("aaa", "a", "X", -5); }, "XXX"},
      {"limit 0", [] { return ReplaceSubtext("aaa", "a", "X", nullopt, 0); }, "aaa"},
      {"limit -3", [] { return ReplaceSubtext("aaa", "a", "X", nullopt, -3); }, "XXX"},
      {"limit 1", [] { return ReplaceSubtext("aaa", "a", "X", nullopt, 1); }, "Xaa"},
      {"limit reached keeps a last lead byte",
       [] { return ReplaceSubtext(Hex("31 31 81"), "1", "X", nullopt, 2, true); },
       Hex("58 58 81")},
      {"case-sensitive", [] { return ReplaceSubtext("aAa", "a", "X", nullopt, nullopt, true); },
       "XAX"},
      {"case ignored by default, limit 2",
       [] { return ReplaceSubtext("aAa", "a", "X", nullopt, 2); }, "XXa"},
      {"case ignored, capital subtext", [] { return ReplaceSubtext("aAa", "A", "X"); }, "XXX"},
      {"folding does not follow the walk in the compare",
       [] { return ReplaceSubtext(Hex("61 81 41"), Hex("81 61"), "X"); }, "aX"},
      {"empty subtext", [] { return ReplaceSubtext("abc", "", "X"); }, "abc"},
      {"empty text", [] { return ReplaceSubtext("", "a", "X"); }, ""},
  });
}

TEST(FindSubtext, StartPositionsAndResults) {
  ExpectAll({
      {"last abc", [] { return FindSubtextLast("abcabc", "abc"); }, 4},
      {"last abc before 7", [] { return FindSubtextLast("abcabc", "abc", 7); }, 4},
      {"last abc before 6", [] { return FindSubtextLast("abcabc", "abc", 6); }, 1},
      {"last abc before 1", [] { return FindSubtextLast("abcabc", "abc", 1); }, -1},
      {"first abc from 2, counted from the start",
       [] { return FindSubtext("abcabc", "abc", 2); }, 4},
      {"c from 3", [] { return FindSubtext("abc", "c", 3); }, 3},
      {"c from 4", [] { return FindSubtext("abc", "c", 4); }, -1},
      {"last c before 3", [] { return FindSubtextLast("abc", "c", 3); }, -1},
      {"last c before 4", [] { return FindSubtextLast("abc", "c", 4); }, 3},
      {"last c before 99", [] { return FindSubtextLast("abc", "c", 99); }, 3},
      {"c from 0", [] { return FindSubtext("abc", "c", 0); }, 3},
      {"last c before 0", [] { return FindSubtextLast("abc", "c", 0); }, -1},
      {"empty subtext", [] { return FindSubtext("abc", ""); }, 1},
      {"empty subtext from 3", [] { return FindSubtext("abc", "", 3); }, 1},
      {"empty subtext from 4", [] { return FindSubtext("abc", "", 4); }, -1},
      {"last, empty subtext", [] { return FindSubtextLast("abc", ""); }, 1},
      {"empty subtext in empty text", [] { return FindSubtext("", ""); }, -1},
      {"last, empty subtext in empty text", [] { return FindSubtextLast("", ""); }, -1},
      {"not found", [] { return FindSubtext("abc", "d"); }, -1},
      {"subtext longer than text", [] { return FindSubtextLast("ab", "abc"); }, -1},
  });
}

TEST(FindSubtext, CharacterWalkAndCase) {
  ExpectAll({
      {"across a pair boundary", [] { return FindSubtext(Hex("B0 A1 61"), Hex("A1 61")); }, -1},
      {"last across a pair boundary",
       [] { return FindSubtextLast(Hex("B0 A1 61"), Hex("A1 61")); }, -1},
      {"lead byte", [] { return FindSubtext(Hex("B0 A1 61"), Hex("B0")); }, 1},
      {"from the second byte of a pair", [] { return FindSubtext(Hex("B0 A1 61"), "a", 2); },
       -1},
      {"ignore case", [] { return FindSubtext("aBc", "b", nullopt, true); }, 2},
      {"exact case", [] { return FindSubtext("aBc", "b", nullopt, false); }, -1},
      {"case omitted is exact", [] { return FindSubtext("aBc", "b"); }, -1},
      {"last lead byte", [] { return FindSubtext(Hex("78 81"), Hex("81")); }, 2},
      {"last, last lead byte", [] { return FindSubtextLast(Hex("78 81"), Hex("81")); }, 2},
      {"CR LF after 0x80", [] { return FindSubtext(Hex("80 0D 0A 61"), Hex("0D 0A")); }, 2},
      {"last CR LF after 0x80",
       [] { return FindSubtextLast(Hex("80 0D 0A 61"), Hex("0D 0A")); }, 2},
      {"LF after 0x80", [] { return FindSubtext(Hex("80 0D 0A 61"), Hex("0A")); }, 3},
      {"a after 0x80", [] { return FindSubtextLast(Hex("80 0D 0A 61"), "a"); }, 4},
      {"overlap, last", [] { return FindSubtextLast("aaa", "aa"); }, 2},
      {"overlap, first", [] { return FindSubtext("aaa", "aa"); }, 1},
      {"match may end inside a pair", [] { return FindSubtext(Hex("61 B0 A1"), Hex("61 B0")); },
       1},
  });
}

TEST(TextMidAndByteSets, RangesAndEmptyResults) {
  ExpectAll({
      {"TextMid 0,2", [] { return TextMid("abc", 0, 2); }, ""},
      {"TextMid 1,2", [] { return TextMid("abc", 1, 2); }, "ab"},
      {"TextMid 3,5", [] { return TextMid("abc", 3, 5); }, "c"},
      {"TextMid 4,1", [] { return TextMid("abc", 4, 1); }, ""},
      {"TextMid 1,0", [] { return TextMid("abc", 1, 0); }, ""},
      {"TextMid 1,-1", [] { return TextMid("abc", 1, -1); }, ""},
      {"TextMid inside a pair", [] { return TextMid(Hex("B0 A1 B0 A1"), 2, 2); }, Hex("A1 B0")},
      {"TextMid near the int limit", [] { return TextMid("abc", 2, INT32_MAX); }, "bc"},
      {"BytesMid 0,2", [] { return BytesMid(Hex("61 62 63"), 0, 2); }, "ab"},
      {"BytesMid -7,2", [] { return BytesMid(Hex("61 62 63"), -7, 2); }, "ab"},
      {"BytesMid 4,1", [] { return BytesMid(Hex("61 62 63"), 4, 1); }, ""},
      {"BytesMid 5,1", [] { return BytesMid(Hex("61 62 63"), 5, 1); }, ""},
      {"BytesMid 3,5", [] { return BytesMid(Hex("61 62 63"), 3, 5); }, "c"},
      {"BytesMid 1,-1", [] { return BytesMid(Hex("61 62 63"), 1, -1); }, ""},
      {"BytesMid keeps zero bytes", [] { return BytesMid(Hex("00 61 00"), 1, 3); },
       Hex("00 61 00")},
      {"BytesMid at the int limits", [] { return BytesMid("abc", INT32_MIN, INT32_MAX); },
       "abc"},
      {"BytesToText stops at zero", [] { return BytesToText(Hex("61 62 00 63")); }, "ab"},
      {"BytesToText leading zero", [] { return BytesToText(Hex("00 61")); }, ""},
      {"BytesToText lone lead byte", [] { return BytesToText(Hex("B0")); }, Hex("B0")},
      {"TextToBytes empty", [] { return TextToBytes(""); }, ""},
  });
  EXPECT_EQ(BytesLength(Str(TextToBytes(""))), 0);
  EXPECT_EQ(BytesLength(Hex("00 61 00")), 3);
}

// The one-byte fast scan must agree with the model on every kind of
// neighbourhood, so the model is run over random texts made of the bytes
// that matter to the walk, with every argument combination.
TEST(GbkTextOperations, AgreeWithTheLiteralModelOnRandomTexts) {
  const std::string alphabet = Hex("41 5A 61 7A 30 31 39 80 81 B0 A1 FE FF 0D 0A 5C 75 20");
  const literal::WalkRule rule = literal::kEuroStandsAlone;
  std::mt19937 random(20261211);
  auto pick = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
  auto text = [&](int maxLength) {
    std::string t(static_cast<std::size_t>(pick(maxLength + 1)), ' ');
    for (char& c : t) c = alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))];
    return t;
  };
  auto maybe = [&](int lo, int hi) -> std::optional<int> {
    if (pick(4) == 0) return nullopt;
    return lo + pick(hi - lo + 1);
  };
  for (int round = 0; round < 20000; ++round) {
    const std::string t = text(12);
    const std::string sub = text(pick(3) == 0 ? 3 : 1);
    const std::string repl = text(2);
    const int length = static_cast<int>(t.size());
    const std::optional<int> start = maybe(-2, length + 2);
    const std::optional<int> limit = maybe(-2, 3);
    const std::optional<bool> flag = pick(3) == 0 ? std::nullopt : std::optional<bool>(pick(2) == 1);
    const std::string where = "text " + ToHex(t) + " sub " + ToHex(sub) + " start " +
                              (start ? std::to_string(*start) : "-") + " limit " +
                              (limit ? std::to_string(*limit) : "-") + " flag " +
                              (flag ? std::to_string(*flag) : "-");

    ASSERT_EQ(ToHex(Str(LowerCaseText(t))), ToHex(literal::LowerCaseText(t, rule))) << where;
    const Text replaced = flag ? ReplaceSubtext(t, sub, repl, start, limit, *flag)
                               : ReplaceSubtext(t, sub, repl, start, limit);
    ASSERT_EQ(ToHex(Str(replaced)),
              ToHex(literal::ReplaceSubtext(t, sub, repl, start, limit, flag, rule)))
        << where;
    const bool ignore = flag.value_or(false);
    ASSERT_EQ(FindSubtext(t, sub, start, ignore),
              literal::FindSubtext(t, sub, start, flag, rule))
        << where;
    ASSERT_EQ(FindSubtextLast(t, sub, start, ignore),
              literal::FindSubtextLast(t, sub, start, flag, rule))
        << where;
    const int s = start.value_or(1);
    const int count = limit.value_or(2);
    ASSERT_EQ(Str(TextMid(t, s, count)), literal::TextMid(t, s, count)) << where;
    ASSERT_EQ(Str(BytesMid(t, s, count)), literal::BytesMid(t, s, count)) << where;
  }
}

// The scans look at 64 bytes at a time and carry the walk from block to
// block; long texts with runs of lead bytes across the block edges show
// that the carry is right.
TEST(GbkTextOperations, AgreeWithTheLiteralModelAcrossBlockEdges) {
  const std::string alphabet = Hex("41 61 31 35 80 81 B0 A1 FF 0D 0A");
  const literal::WalkRule rule = literal::kEuroStandsAlone;
  std::mt19937 random(64);
  for (int round = 0; round < 3000; ++round) {
    std::string t(static_cast<std::size_t>(random() % 300), ' ');
    // Long runs of one byte make long runs of lead bytes.
    const std::size_t runLength = 1 + random() % 80;
    for (std::size_t i = 0; i < t.size(); ++i) {
      t[i] = (i / runLength) % 2 ? Hex("B0")[0] : alphabet[random() % alphabet.size()];
    }
    const std::optional<int> start =
        round % 3 == 0 ? std::nullopt : std::optional<int>(static_cast<int>(random() % 100));
    const std::optional<int> limit =
        round % 4 == 0 ? std::optional<int>(static_cast<int>(random() % 5)) : std::nullopt;
    const std::string where = ToHex(t);
    ASSERT_EQ(ToHex(Str(LowerCaseText(t))), ToHex(literal::LowerCaseText(t, rule))) << where;
    for (const char* digit : {"1", "5", "A"}) {
      ASSERT_EQ(ToHex(Str(ReplaceSubtext(t, digit, Hex("D2BB"), start, limit, true))),
                ToHex(literal::ReplaceSubtext(t, digit, Hex("D2BB"), start, limit, true, rule)))
          << where << " digit " << digit;
    }
  }
}

}  // namespace
}  // namespace uescape
