// What one character unit yields: the 6 bytes in front of the unit's last
// occurrence in the escape table, when they hold "\u", or nothing.
//
// The answer depends on the unit alone, so it is worked out for every
// possible unit in one walk over the table the first time it is asked, and
// each lookup afterwards is a table read.
#pragma once

#include <string_view>

#include "engine/text.h"

namespace uescape {

constexpr std::size_t kEscapeLength = 6;

// `unit` is 1 or 2 bytes as ForEachUnit gives them. Returns a view into the
// escape table (6 bytes) or an empty view.
std::string_view EscapeOfUnit(std::string_view unit);

// The escapes of every unit of `text`, one after another.
Text EscapesOfUnits(std::string_view text);

}  // namespace uescape
