#include "engine/escape_table.h"

namespace uescape {
namespace {

// A plain initializer list rather than a string literal: string literals
// this long exceed some compilers' limits.
const unsigned char kEscapeTableBytes[] = {
#include "engine/escape_table_data.inc"
};

static_assert(sizeof(kEscapeTableBytes) == kEscapeTableLength,
              "escape table data has the wrong length");

}  // namespace

std::string_view EscapeTable() {
  return {reinterpret_cast<const char*>(kEscapeTableBytes), sizeof(kEscapeTableBytes)};
}

}  // namespace uescape
