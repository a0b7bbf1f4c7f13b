#include "engine/character_units.h"

namespace uescape {

Position SplitUnits(std::string_view text, UnitList& units) {
  units.clear();
  ForEachUnit(AsText(text), [&](std::string_view unit) { units.emplace_back(unit); });
  return static_cast<Position>(units.size());
}

}  // namespace uescape
