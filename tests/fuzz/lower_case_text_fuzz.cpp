#include "engine/gbk_text_operations.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/literal_model/literal_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace uescape;
  const std::string text(reinterpret_cast<const char*>(bytes), size);
  fuzzing::ExpectSame(fuzzing::Str(LowerCaseText(text)),
                      literal::LowerCaseText(text, literal::kEuroStandsAlone), "LowerCaseText",
                      text);
  return 0;
}
