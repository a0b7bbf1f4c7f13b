#include "tests/support/byte_strings.h"

#include <cctype>
#include <stdexcept>

namespace uescape::testing {
namespace {
int Nibble(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  throw std::invalid_argument("not a hexadecimal digit");
}
}  // namespace

std::string Hex(std::string_view spelled) {
  std::string bytes;
  int pending = -1;
  for (char c : spelled) {
    if (std::isspace(static_cast<unsigned char>(c))) continue;
    if (pending < 0) {
      pending = Nibble(c);
    } else {
      bytes.push_back(static_cast<char>(pending * 16 + Nibble(c)));
      pending = -1;
    }
  }
  if (pending >= 0) throw std::invalid_argument("odd number of hexadecimal digits");
  return bytes;
}

std::string ToHex(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string spelled;
  for (unsigned char b : bytes) {
    if (!spelled.empty()) spelled.push_back(' ');
    spelled.push_back(kDigits[b >> 4]);
    spelled.push_back(kDigits[b & 15]);
  }
  return spelled;
}

}  // namespace uescape::testing
