// The whole conversion with boxes in memory, against the literal procedure.
// The literal lookup walks the whole table for every unit; its answers are
// remembered here, so that the fuzzer spends its time on new texts.
#include <map>

#include "engine/convert_text.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/literal_model/literal_model.h"
#include "tests/support/memory_text_box.h"

namespace {

uescape::literal::Text RememberedLookup(const uescape::literal::Text& unit,
                                        uescape::literal::WalkRule rule) {
  static std::map<std::string, std::string> answers;
  const auto found = answers.find(unit);
  if (found != answers.end()) return found->second;
  return answers[unit] = uescape::literal::EscapeOfUnit(unit, rule);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace uescape;
  if (size > 256) return 0;
  const std::string text(reinterpret_cast<const char*>(bytes), size);
  testing::MemoryTextBox programIn(text), programOut("before");
  ConvertText(programIn, programOut);
  testing::MemoryTextBox modelIn(text), modelOut("before");
  literal::ConvertText(modelIn, modelOut, literal::kEuroStandsAlone, &RememberedLookup);
  fuzzing::ExpectSame(programIn.text(), modelIn.text(), "the input box", text);
  fuzzing::ExpectSame(programOut.text(), modelOut.text(), "the output box", text);
  fuzzing::ExpectSame(programIn.TextsOf(testing::MemoryTextBox::Call::kSet),
                      modelIn.TextsOf(testing::MemoryTextBox::Call::kSet),
                      "the writes of the input box", text);
  return 0;
}
