#include "engine/convert_text.h"

#include "engine/escape_lookup.h"
#include "engine/gbk_text_operations.h"

namespace uescape {

void ConvertText(TextBox& input, TextBox& output) {
  input.SetText(LowerCaseText(input.GetText()));
  for (const NumeralPair& pair : kNumeralPairs) {
    input.SetText(ReplaceSubtext(input.GetText(), pair.digit, pair.numeral, std::nullopt,
                                 std::nullopt, /*caseSensitive=*/true));
  }
  // All escapes go to the box in one append: the box ends up with exactly
  // the text, caret and scroll position that one append per escape would
  // leave, without re-laying its text once per escape.
  const Text escapes = EscapesOfUnits(input.GetText());
  if (!escapes.empty()) output.AppendText(escapes);
}

}  // namespace uescape
