#include "engine/character_units.h"
#include "engine/convert_text.h"
#include "engine/escape_lookup.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/literal_model/literal_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace uescape;
  const std::string text(reinterpret_cast<const char*>(bytes), size);
  UnitList units;
  SplitUnits(text, units);
  std::vector<std::string> program;
  for (const Text& unit : units) program.push_back(fuzzing::Str(unit));
  std::vector<std::string> model;
  literal::SplitUnits(text, model);
  fuzzing::ExpectSame(program, model, "SplitUnits", text);
  // The whole-text lookup, which walks 64 bytes at a time, against the
  // units taken one by one.
  std::string oneByOne;
  for (const std::string& unit : model) oneByOne += std::string(EscapeOfUnit(unit));
  fuzzing::ExpectSame(fuzzing::Str(EscapesOfUnits(text)), oneByOne, "EscapesOfUnits", text);
  return 0;
}
