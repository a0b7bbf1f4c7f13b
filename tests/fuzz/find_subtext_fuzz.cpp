// FindSubtext, or FindSubtextLast where UESCAPE_FUZZ_LAST is defined: the
// two searches share their arguments and differ in stretch and result.
#include "engine/gbk_text_operations.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/literal_model/literal_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace uescape;
  const std::string input(reinterpret_cast<const char*>(bytes), size);
  FuzzedDataProvider data(bytes, size);
  const std::optional<int> start = fuzzing::MaybePosition(data);
  const std::optional<bool> ignoreCase = fuzzing::MaybeFlag(data);
  const std::string subtext = data.ConsumeRandomLengthString(4);
  const std::string text = data.ConsumeRemainingBytesAsString();
  const literal::WalkRule rule = literal::kEuroStandsAlone;
  const bool fold = ignoreCase.value_or(false);
#ifdef UESCAPE_FUZZ_LAST
  fuzzing::ExpectSame(FindSubtextLast(text, subtext, start, fold),
                      literal::FindSubtextLast(text, subtext, start, ignoreCase, rule),
                      "FindSubtextLast", input);
#else
  fuzzing::ExpectSame(FindSubtext(text, subtext, start, fold),
                      literal::FindSubtext(text, subtext, start, ignoreCase, rule), "FindSubtext",
                      input);
#endif
  return 0;
}
