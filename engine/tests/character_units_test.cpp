#include "engine/character_units.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/literal_model/literal_model.h"
#include "tests/support/byte_strings.h"

namespace uescape {
namespace {

using testing::Hex;
using testing::ToHex;

std::vector<std::string> Split(const std::string& text) {
  UnitList units;
  units.emplace_back("left over from before");
  const Position count = SplitUnits(text, units);
  EXPECT_EQ(count, static_cast<Position>(units.size()));
  std::vector<std::string> spelled;
  for (const Text& unit : units) spelled.push_back(ToHex(std::string(unit.data(), unit.size())));
  return spelled;
}

TEST(SplitUnits, SplitsByLeadBytesAndLineBreaks) {
  using Units = std::vector<std::string>;
  const std::vector<std::pair<std::string, Units>> cases = {
      {"", {}},
      {"61 62", {"61", "62"}},
      {"B0 A1 61", {"B0 A1", "61"}},
      {"61 62 B0", {"61", "62", "B0"}},  // a lone lead byte at the end
      {"81 41 FF 0D", {"81 41", "FF 0D"}},  // any second byte
      {"0D 0A", {"0D 0A"}},
      {"0D 61", {"0D", "61"}},
      {"0A 0D", {"0A", "0D"}},
      {"0D 0D 0A", {"0D", "0D 0A"}},
      {"61 0D", {"61", "0D"}},
      {"80 41", {"80", "41"}},  // 0x80 is always one unit
      {"80 80", {"80", "80"}},
      {"81 0D 0A", {"81 0D", "0A"}},
      {"61 00 62", {"61"}},  // a text ends at its first zero byte
  };
  for (const auto& [text, units] : cases) EXPECT_EQ(Split(Hex(text)), units) << text;
}

TEST(SplitUnits, AgreesWithTheLiteralModel) {
  const std::string alphabet = Hex("61 0D 0A 80 81 B0 A1 FF 41");
  std::mt19937 random(7);
  for (int round = 0; round < 5000; ++round) {
    std::string text(random() % 10, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    std::vector<std::string> expected;
    literal::SplitUnits(text, expected);
    for (std::string& unit : expected) unit = ToHex(unit);
    ASSERT_EQ(Split(text), expected) << ToHex(text);
  }
}

}  // namespace
}  // namespace uescape
