// Spelling byte strings in tests as hexadecimal, the way the rules for
// GBK text are easiest to read.
#pragma once

#include <string>
#include <string_view>

namespace uescape::testing {

// "41 B0 A1" -> the three bytes. Spaces are optional between bytes.
std::string Hex(std::string_view spelled);
// The bytes spelled back as "41 B0 A1", for failure messages.
std::string ToHex(std::string_view bytes);

}  // namespace uescape::testing
