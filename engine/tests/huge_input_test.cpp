// A ten-megabyte input converts completely and correctly.
#include <gtest/gtest.h>

#include <random>

#include "tests/support/sample_texts.h"
#include "engine/character_units.h"
#include "engine/convert_text.h"
#include "engine/escape_lookup.h"
#include "tests/literal_model/literal_model.h"
#include "tests/support/byte_strings.h"
#include "tests/support/plain_text_box.h"

namespace uescape {
namespace {

TEST(HugeInput, TenMegabytesConvertCompletelyAndCorrectly) {
  const std::string input = testing::MixedGbkText(10 << 20, 10);
  testing::PlainTextBox in(input), out("kept ");
  ConvertText(in, out);
  const std::string_view normalised = View(in.text());
  ASSERT_GT(normalised.size(), input.size()) << "digits became two-byte numerals";

  // Every unit's escape, in order, where the output says it is; a sample
  // of them against the literal lookup over the whole table.
  const std::string_view output = View(out.text()).substr(5);
  ASSERT_EQ(View(out.text()).substr(0, 5), "kept ");
  std::mt19937 random(11);
  std::size_t at = 0;
  std::size_t units = 0;
  int sampled = 0;
  ForEachUnit(normalised, [&](std::string_view unit) {
    const std::string_view escape = EscapeOfUnit(unit);
    ASSERT_EQ(output.substr(at, escape.size()), escape) << "unit " << units;
    if (random() % 20000 == 0) {
      ASSERT_EQ(std::string(escape), literal::EscapeOfUnit(std::string(unit),
                                                            literal::kEuroStandsAlone))
          << testing::ToHex(unit);
      ++sampled;
    }
    at += escape.size();
    ++units;
  });
  EXPECT_EQ(at, output.size()) << "nothing more and nothing less";
  EXPECT_GT(units, 5'000'000u);
  EXPECT_GT(sampled, 100);
}

}  // namespace
}  // namespace uescape
