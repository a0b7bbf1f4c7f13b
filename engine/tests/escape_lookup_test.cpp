#include "engine/escape_lookup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "tests/literal_model/literal_model.h"
#include "tests/support/byte_strings.h"

namespace uescape {
namespace {

using testing::Hex;
using testing::ToHex;

std::string Yield(const std::string& unit) { return std::string(EscapeOfUnit(unit)); }

std::string OwnEscape(int codePoint) {
  char text[8];
  std::snprintf(text, sizeof text, "\\u%04X", codePoint);
  return text;
}

const std::string kLastHexDigitWindow = Hex("0A 5C 75 46 46 46");

TEST(EscapeOfUnit, SingleByteUnits) {
  const std::vector<std::pair<std::string, std::string>> exceptions = {
      {Hex("0A"), ""},           {Hex("0D"), "\\uFFFF"},   {" ", "\\u7C14"},
      {"*", ""},                 {"-", ""},                {"?", "\\u4DFF"},
      {"\\", ""},                {"a", "\\u00E2"},         {"e", "\\u00F0"},
      {"o", "\\u00BA"},          {"t", "\\u00FE"},         {"u", ""},
      {"y", "\\u00FD"},          {"|", "\\u00A6"},         {"T", "\\u00DE"},
      {"Y", "\\u00DD"},          {Hex("80"), "\\u20AC"},   {Hex("81"), "\\u4FA2"},
      {Hex("D2"), "\\u996E"},    {Hex("F6"), "\\u9C34"},
  };
  for (const auto& [unit, yield] : exceptions) {
    EXPECT_EQ(Yield(unit), yield) << ToHex(unit);
  }
  for (int byte = 0x01; byte <= 0x7F; ++byte) {
    const std::string unit(1, static_cast<char>(byte));
    bool listed = false;
    for (const auto& exception : exceptions) listed = listed || exception.first == unit;
    if (listed) continue;
    const bool hexDigit = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'F');
    EXPECT_EQ(Yield(unit), hexDigit ? kLastHexDigitWindow : OwnEscape(byte)) << ToHex(unit);
  }
  for (int byte = 0xF8; byte <= 0xFF; ++byte) {
    EXPECT_EQ(Yield(std::string(1, static_cast<char>(byte))), "") << byte;
  }
}

TEST(EscapeOfUnit, TwoByteUnits) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"D6 D0", "\\u4E2D"},  // 中
      {"A1 A3", "\\u3002"},  // 。
      {"A1 B0", "\\u201C"},  // “
      {"A1 A4", "\\u00B7"},  // ·
      {"A1 AA", "\\u2014"},  // —
      {"D2 BB", "\\u4E00"},  // 一, also a best-fit body of two earlier lines
      {"B2 C6", "\\u8D22"},  // 财
      {"A8 A4", "\\u00E0"},  // à
      {"A1 E3", "\\u2218"},  // ° through a later best-fit line
      {"97 DA", "\\u693F"},  // 椱
      {"BA 86", "\\u7C2F"},  // 簡
      {"A1 AB", "\\u223C"},  // ～
      {"A1 E9", "\\u00A2"},  // ￠
      {"A1 EA", "\\u00A3"},  // ￡
      {"A3 FE", "\\u203E"},  // ￣
      {"A3 A4", "\\u00A5"},  // ￥
      {"C1 E3", "\\u96F6"},  // 零
      {"BE C5", "\\u4E5D"},  // 九
      {"F6 99", "\\u9C34"},  // the last code point with bytes
      {"0D 0A", "\\uFFFF"},  // a line break
      {"D3 E3", ""},         // 鱼, past U+9C34
      {"F6 9A", ""},         // U+9C35
      {"A3 AC", ""},         // ，
      {"A3 A1", ""},         // ！
      {"A3 C1", ""},         // Ａ
      {"A3 B1", ""},         // １
      {"A9 61", ""},         // ゛
      {"A9 62", ""},         // ゜
      {"97 D6", ""},         // U+692B
      {"BA 7A", ""},         // U+7C14
      {"81 7F", ""},         // no GBK character
      {"FF FF", ""},
  };
  for (const auto& [unit, yield] : cases) EXPECT_EQ(Yield(Hex(unit)), yield) << unit;
}

// The whole-text lookup walks 64 bytes at a time; it must give exactly the
// escapes of the units one by one, also where a pair or a CR LF straddles
// two blocks.
TEST(EscapesOfUnits, EqualsTheEscapesOfEachUnitInTurn) {
  const std::string alphabet = Hex("61 41 31 0D 0A 80 81 B0 A1 D6 D0 FF 20 5C 75");
  std::mt19937 random(3);
  for (int round = 0; round < 3000; ++round) {
    std::string text(static_cast<std::size_t>(random() % 400), ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    std::vector<std::string> units;
    literal::SplitUnits(text, units);
    std::string expected;
    for (const std::string& unit : units) expected += Yield(unit);
    const Text got = EscapesOfUnits(text);
    ASSERT_EQ(std::string(got.data(), got.size()), expected) << ToHex(text);
  }
}

// Every unit the splitting can produce, against the model's full-table
// lookup, under both walk rules: the euro sign's rule changes no unit's
// escape. Each shard covers a range of lead bytes so that they run side by
// side. UESCAPE_ORACLE_STRIDE=N checks every N-th second byte only (the
// sanitizer build, where the model is many times slower).
struct OracleShard {
  literal::WalkRule rule;
  int firstLead;
  int lastLead;
};

class ExhaustiveOracle : public ::testing::TestWithParam<OracleShard> {};

int Stride() {
  const char* stride = std::getenv("UESCAPE_ORACLE_STRIDE");
  return stride && std::atoi(stride) > 0 ? std::atoi(stride) : 1;
}

TEST_P(ExhaustiveOracle, EveryUnitMatchesTheLiteralLookup) {
  const OracleShard shard = GetParam();
  const int stride = Stride();
  if (shard.firstLead == 0) {
    for (int byte = 0x01; byte <= 0xFF; ++byte) {
      const std::string unit(1, static_cast<char>(byte));
      ASSERT_EQ(ToHex(Yield(unit)), ToHex(literal::EscapeOfUnit(unit, shard.rule))) << ToHex(unit);
    }
    ASSERT_EQ(Yield("\r\n"), literal::EscapeOfUnit("\r\n", shard.rule));
    return;
  }
  for (int lead = shard.firstLead; lead <= shard.lastLead; ++lead) {
    for (int trail = 0x01 + (lead % stride); trail <= 0xFF; trail += stride) {
      const std::string unit = {static_cast<char>(lead), static_cast<char>(trail)};
      ASSERT_EQ(ToHex(Yield(unit)), ToHex(literal::EscapeOfUnit(unit, shard.rule))) << ToHex(unit);
    }
  }
}

std::vector<OracleShard> Shards() {
  std::vector<OracleShard> shards;
  for (literal::WalkRule rule : {literal::kEuroStandsAlone, literal::kEuroLeadsPair}) {
    shards.push_back({rule, 0, 0});  // the one-byte units and CR LF
    for (int lead = 0x81; lead <= 0xFF; lead += 8) shards.push_back({rule, lead, std::min(lead + 7, 0xFF)});
  }
  return shards;
}

std::string ShardName(const ::testing::TestParamInfo<OracleShard>& info) {
  const std::string rule = info.param.rule.firstLeadByte == 0x80 ? "EuroLeadsPair" : "EuroStandsAlone";
  if (info.param.firstLead == 0) return rule + "_SingleBytesAndLineBreak";
  char range[16];
  std::snprintf(range, sizeof range, "_%02X_%02X", info.param.firstLead, info.param.lastLead);
  return rule + range;
}

INSTANTIATE_TEST_SUITE_P(AllUnits, ExhaustiveOracle, ::testing::ValuesIn(Shards()), ShardName);

}  // namespace
}  // namespace uescape
