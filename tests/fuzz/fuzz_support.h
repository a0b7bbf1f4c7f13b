// What the fuzz targets share: decoding the optional arguments of the text
// operations from the fuzzer's bytes, and stopping loudly on a difference.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "engine/text.h"
#include "tests/support/byte_strings.h"

namespace uescape::fuzzing {

// A position or count: mostly near the text (where the edge cases are),
// sometimes anywhere in the 32-bit range.
inline int Position(FuzzedDataProvider& data) {
  return data.ConsumeBool() ? data.ConsumeIntegralInRange<int>(-3, 70)
                            : data.ConsumeIntegral<int>();
}

inline std::optional<int> MaybePosition(FuzzedDataProvider& data) {
  if (data.ConsumeBool()) return std::nullopt;
  return Position(data);
}

inline std::optional<bool> MaybeFlag(FuzzedDataProvider& data) {
  if (data.ConsumeBool()) return std::nullopt;
  return data.ConsumeBool();
}

inline std::string Str(const Text& text) { return std::string(text.data(), text.size()); }

template <class T>
void ExpectSame(const T& program, const T& model, const char* what, const std::string& input) {
  if (program == model) return;
  std::fprintf(stderr, "%s differs from the literal model for input %s\n", what,
               testing::ToHex(input).c_str());
  std::abort();
}

inline void ExpectSame(const std::string& program, const std::string& model, const char* what,
                       const std::string& input) {
  if (program == model) return;
  std::fprintf(stderr, "%s differs from the literal model for input %s:\n  program %s\n  model   %s\n",
               what, testing::ToHex(input).c_str(), testing::ToHex(program).c_str(),
               testing::ToHex(model).c_str());
  std::abort();
}

}  // namespace uescape::fuzzing
