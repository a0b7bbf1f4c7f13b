#include "engine/escape_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "tests/support/byte_strings.h"

namespace uescape {
namespace {

using testing::Hex;
using testing::ToHex;

struct Line {
  std::string escape;
  std::string body;
};

// Splits the table at its CR LF line ends (no body holds a CR).
std::vector<Line> Lines() {
  const std::string_view table = EscapeTable();
  std::vector<Line> lines;
  std::size_t at = 0;
  while (at < table.size()) {
    const std::size_t end = table.find("\r\n", at);
    if (end == std::string_view::npos) break;
    lines.push_back({std::string(table.substr(at, 6)), std::string(table.substr(at + 6, end - at - 6))});
    at = end + 2;
  }
  return lines;
}

const std::vector<Line>& TableLines() {
  static const std::vector<Line> lines = Lines();
  return lines;
}

const std::string& BodyOf(int codePoint) {
  return TableLines().at(static_cast<std::size_t>(codePoint - 1)).body;
}

std::string EscapeText(int codePoint) {
  char text[8];
  std::snprintf(text, sizeof text, "\\u%04X", codePoint);
  return text;
}

TEST(EscapeTable, LengthAndLineStructure) {
  const std::string_view table = EscapeTable();
  ASSERT_EQ(table.size(), 585023u);
  EXPECT_EQ(table.find('\0'), std::string_view::npos);
  EXPECT_EQ(table.substr(0, 6), "\\u0001");
  EXPECT_EQ(table.substr(table.size() - 8), "\\uFFFF\r\n");

  const auto& lines = TableLines();
  ASSERT_EQ(lines.size(), 65535u);
  std::size_t total = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    ASSERT_EQ(lines[i].escape, EscapeText(static_cast<int>(i + 1))) << "line " << i + 1;
    total += 6 + lines[i].body.size() + 2;
  }
  EXPECT_EQ(total, table.size());
}

TEST(EscapeTable, ByteCounts) {
  const std::string_view table = EscapeTable();
  EXPECT_EQ(std::count(table.begin(), table.end(), '\r'), 65535);
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 65537);
  std::size_t marks = 0;
  for (std::size_t at = table.find("\\u"); at != std::string_view::npos; at = table.find("\\u", at + 1)) {
    ++marks;
  }
  EXPECT_EQ(marks, 65535u);

  std::map<std::size_t, int> bodyLengths;
  for (const Line& line : TableLines()) ++bodyLengths[line.body.size()];
  const std::map<std::size_t, int> expected = {{0, 25614}, {1, 19113}, {2, 20803}, {4, 3}, {6, 2}};
  EXPECT_EQ(bodyLengths, expected);
}

TEST(EscapeTable, QuestionMarksAndRanges) {
  const auto& lines = TableLines();
  int questionBodies = 0;
  int lastQuestion = 0;
  int lastNonEmpty = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int codePoint = static_cast<int>(i + 1);
    if (lines[i].body == "?") {
      ++questionBodies;
      lastQuestion = codePoint;
    }
    if (!lines[i].body.empty()) lastNonEmpty = codePoint;
  }
  EXPECT_EQ(questionBodies - 1, 18969) << "besides the line of U+003F itself";
  EXPECT_EQ(lastQuestion, 0x4DFF);
  EXPECT_EQ(lastNonEmpty, 0x9C34);
  EXPECT_EQ(ToHex(BodyOf(0x9C34)), "F6 99");
  for (int codePoint = 0x9C35; codePoint <= 0xFFFF; ++codePoint) {
    ASSERT_TRUE(BodyOf(codePoint).empty()) << std::hex << codePoint;
  }
  for (int codePoint = 0x4E00; codePoint <= 0x9C34; ++codePoint) {
    if (codePoint >= 0x692B && codePoint <= 0x6940) continue;  // irregular
    if (codePoint >= 0x7C14 && codePoint <= 0x7C30) continue;  // irregular
    ASSERT_EQ(BodyOf(codePoint).size(), 2u) << std::hex << codePoint;
  }
}

TEST(EscapeTable, AsciiControlAndChosenCodePage936Bodies) {
  for (int codePoint = 1; codePoint < 0x80; ++codePoint) {
    if (codePoint == 0x0D || codePoint == 0x5C) continue;  // irregular
    ASSERT_EQ(BodyOf(codePoint), std::string(1, static_cast<char>(codePoint))) << codePoint;
  }
  const std::vector<std::pair<int, std::string>> chosen = {
      {0x00B7, "A1 A4"}, {0x2014, "A1 AA"}, {0x2015, "A8 44"}, {0x2016, "A1 AC"},
      {0x2225, "A1 CE"}, {0x2026, "A1 AD"}, {0x2010, "A9 5C"}, {0x20AC, "80"},
      {0x0080, "3F"},    {0x30FB, "3F"},    {0x301C, "3F"},    {0x22EF, "3F"},
      {0x01F9, "3F"},    {0x2E81, "3F"},    {0x2FF0, "3F"},    {0x2FFB, "3F"},
      {0x303E, "3F"},    {0x3447, "3F"},    {0x4C9F, "3F"},    {0x4CA3, "3F"},
      {0x4D13, "3F"},    {0x4D19, "3F"},    {0x4DAE, "3F"},    {0x4E2D, "D6 D0"},
      {0x3002, "A1 A3"}, {0x00E0, "A8 A4"},
  };
  for (const auto& [codePoint, body] : chosen) {
    EXPECT_EQ(ToHex(BodyOf(codePoint)), body) << std::hex << codePoint;
  }
}

TEST(EscapeTable, BestFitBodies) {
  const std::vector<std::pair<int, std::string>> single = {
      {0x00A6, "|"}, {0x00AA, "a"}, {0x00AD, "-"}, {0x00B2, "2"}, {0x00B3, "3"},
      {0x00B9, "1"}, {0x00BA, "o"}, {0x00D0, "D"}, {0x00DD, "Y"}, {0x00DE, "T"},
      {0x00E2, "a"}, {0x00F0, "e"}, {0x00FD, "y"}, {0x00FE, "t"},
  };
  const std::vector<std::pair<int, std::string>> twoByte = {
      {0x00A2, "A1 E9"}, {0x00A3, "A1 EA"}, {0x00A5, "A3 A4"}, {0x00AF, "A1 A5"},
      {0x00B4, "A1 E4"}, {0x00B5, "A6 CC"}, {0x01C1, "A1 CE"}, {0x203E, "A3 FE"},
      {0x2218, "A1 E3"}, {0x223C, "A1 AB"}, {0x00C0, "A8 A4"}, {0x00C1, "A8 A2"},
      {0x00C8, "A8 A8"}, {0x00C9, "A8 A6"}, {0x00CA, "A8 BA"}, {0x00CC, "A8 AC"},
      {0x00CD, "A8 AA"}, {0x00D2, "A8 B0"}, {0x00D3, "A8 AE"}, {0x00D9, "A8 B4"},
      {0x00DA, "A8 B2"}, {0x00DC, "A8 B9"}, {0x0100, "A8 A1"}, {0x0112, "A8 A5"},
      {0x011A, "A8 A7"}, {0x012A, "A8 A9"}, {0x014C, "A8 AD"}, {0x016A, "A8 B1"},
      {0x01CD, "A8 A3"}, {0x01CF, "A8 AB"}, {0x01D1, "A8 AF"}, {0x01D3, "A8 B3"},
      {0x01D5, "A8 B5"}, {0x01D7, "A8 B6"}, {0x01D9, "A8 B7"}, {0x01DB, "A8 B8"},
  };
  // Runs of enclosed ideographs: the n-th code point takes the n-th ideograph.
  const std::vector<std::pair<int, std::string>> runs = {
      {0x3192, "D2 BB B6 FE C8 FD CB C4 C9 CF D6 D0 CF C2 BC D7 D2 D2 B1 FB B6 A1 CC EC B5 D8 C8 CB"},
      {0x322A, "D4 C2 BB F0 CB AE C4 BE BD F0 CD C1 C8 D5"},
      {0x3232, "D3 D0 C9 E7 C3 FB CC D8 B2 C6 D7 A3 C0 CD B4 FA BA F4 D1 A7 BC E0 C6 F3 D7 CA D0 "
                "AD BC C0 D0 DD D7 D4 D6 C1"},
      {0x3280, "D2 BB B6 FE C8 FD CB C4 CE E5 C1 F9 C6 DF B0 CB BE C5 CA AE D4 C2 BB F0 CB AE C4 "
                "BE BD F0 CD C1 C8 D5 D6 EA D3 D0 C9 E7 C3 FB CC D8 B2 C6 D7 A3 C0 CD C3 D8 C4 D0 "
                "C5 AE CA CA D3 C5"},
      {0x329F, "D7 A2 CF EE D0 DD D0 B4"},
      {0x32A9, "D2 BD D7 DA D1 A7 BC E0 C6 F3 D7 CA D0 AD D2 B9"},
  };
  int listed = 0;
  for (const auto& [codePoint, body] : single) {
    EXPECT_EQ(BodyOf(codePoint), body) << std::hex << codePoint;
    ++listed;
  }
  for (const auto& [codePoint, body] : twoByte) {
    EXPECT_EQ(ToHex(BodyOf(codePoint)), body) << std::hex << codePoint;
    ++listed;
  }
  for (const auto& [first, ideographs] : runs) {
    const std::string bytes = Hex(ideographs);
    for (std::size_t n = 0; n < bytes.size() / 2; ++n) {
      EXPECT_EQ(ToHex(BodyOf(first + static_cast<int>(n))), ToHex(bytes.substr(2 * n, 2)))
          << std::hex << first + static_cast<int>(n);
      ++listed;
    }
  }
  EXPECT_EQ(listed, 131);
}

TEST(EscapeTable, IrregularLines) {
  struct Irregular {
    int first;
    int last;
    std::string body;
  };
  const std::vector<Irregular> irregular = {
      {0x000D, 0x000D, Hex("0A")},
      {0x005C, 0x005C, ""},
      {0x12C9, 0x12C9, " "},
      {0x12CA, 0x12D9, ""},
      {0x12DA, 0x12DA, "?"},  // between the two runs: the rule's body
      {0x12DB, 0x12DF, ""},
      {0x12E0, 0x12E0, "u12E"},
      {0x309B, 0x309B, "*--*" + Hex("A9 61")},
      {0x309C, 0x309C, "*--*" + Hex("A9 62")},
      {0x692B, 0x692B, " "},
      {0x692C, 0x693E, ""},
      {0x693F, 0x693F, Hex("97 DA")},
      {0x6940, 0x6940, "u694"},
      {0x7C14, 0x7C14, " "},
      {0x7C15, 0x7C2E, ""},
      {0x7C2F, 0x7C2F, Hex("BA 86")},
      {0x7C30, 0x7C30, "u7C3"},
  };
  for (const Irregular& lines : irregular) {
    for (int codePoint = lines.first; codePoint <= lines.last; ++codePoint) {
      EXPECT_EQ(ToHex(BodyOf(codePoint)), ToHex(lines.body)) << std::hex << codePoint;
    }
  }
  // The neighbours keep the rule.
  EXPECT_EQ(ToHex(BodyOf(0x692A)), "97 D5");
  EXPECT_EQ(ToHex(BodyOf(0x6941)), "97 E6");
  EXPECT_EQ(ToHex(BodyOf(0x7C13)), "BA 79");
  EXPECT_EQ(ToHex(BodyOf(0x7C31)), "BA 93");
}

}  // namespace
}  // namespace uescape
