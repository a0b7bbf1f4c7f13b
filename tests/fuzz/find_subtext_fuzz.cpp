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
  fuzzing::ExpectSame(FindSubtext(text, subtext, start, fold),
                      literal::FindSubtext(text, subtext, start, ignoreCase, rule), "FindSubtext",
                      input);
  return 0;
}
