#include "engine/gbk_text_operations.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/literal_model/literal_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace uescape;
  const std::string input(reinterpret_cast<const char*>(bytes), size);
  FuzzedDataProvider data(bytes, size);
  const std::optional<int> start = fuzzing::MaybePosition(data);
  const std::optional<int> limit = fuzzing::MaybePosition(data);
  const std::optional<bool> caseSensitive = fuzzing::MaybeFlag(data);
  const bool replacementGiven = data.ConsumeBool();
  const std::string subtext = data.ConsumeRandomLengthString(4);
  const std::string replacement = data.ConsumeRandomLengthString(4);
  const std::string text = data.ConsumeRemainingBytesAsString();
  const Text program =
      caseSensitive ? ReplaceSubtext(text, subtext, replacement, start, limit, *caseSensitive)
      : replacementGiven ? ReplaceSubtext(text, subtext, replacement, start, limit)
                         : ReplaceSubtext(text, subtext);
  const std::string model =
      caseSensitive || replacementGiven
          ? literal::ReplaceSubtext(text, subtext, replacement, start, limit, caseSensitive,
                                    literal::kEuroStandsAlone)
          : literal::ReplaceSubtext(text, subtext, std::nullopt, std::nullopt, std::nullopt,
                                    std::nullopt, literal::kEuroStandsAlone);
  fuzzing::ExpectSame(fuzzing::Str(program), model, "ReplaceSubtext", input);
  return 0;
}
