// What a click of the convert button does.
#pragma once

#include <array>
#include <string_view>

#include "engine/text.h"
#include "engine/text_box.h"

namespace uescape {

struct NumeralPair {
  std::string_view digit;
  std::string_view numeral;  // code page 936
};

// Applied in this order, "0" first.
inline constexpr std::array<NumeralPair, 10> kNumeralPairs = {{
    {"0", "\xC1\xE3"},  // 零
    {"1", "\xD2\xBB"},  // 一
    {"2", "\xB6\xFE"},  // 二
    {"3", "\xC8\xFD"},  // 三
    {"4", "\xCB\xC4"},  // 四
    {"5", "\xCE\xE5"},  // 五
    {"6", "\xC1\xF9"},  // 六
    {"7", "\xC6\xDF"},  // 七
    {"8", "\xB0\xCB"},  // 八
    {"9", "\xBE\xC5"},  // 九
}};

// Normalises the input box in place (capitals lowered, then each digit
// replaced by its numeral, writing the box back after every step and
// reading it afresh before the next), then appends to the output box the
// escape of every character unit of the normalised text. The output box is
// never read or cleared.
void ConvertText(TextBox& input, TextBox& output);

}  // namespace uescape
