// Reproducible code page 936 texts for long inputs in tests and for
// measuring: header-only, so the Windows test driver and the benchmarks
// use the very same texts as the engine's tests.
#pragma once

#include <cstddef>
#include <random>
#include <string>

namespace uescape::testing {

// GB2312 ideographs (first bytes B0 to D7), no line breaks: one unbroken
// line of output.
inline std::string ChineseText(std::size_t characters, unsigned seed = 936) {
  std::mt19937 random(seed);
  std::string text;
  text.reserve(2 * characters);
  for (std::size_t i = 0; i < characters; ++i) {
    text.push_back(static_cast<char>(0xB0 + random() % 0x28));
    text.push_back(static_cast<char>(0xA1 + random() % 0x5E));
  }
  return text;
}

// Chinese characters, Chinese and ASCII punctuation, letters of both
// cases, digits, spaces and CR LF line breaks, in proportions like those
// of ordinary Chinese prose with some Latin and numbers in it.
inline std::string MixedGbkText(std::size_t bytes, unsigned seed = 936) {
  static const char* const kPunctuation[] = {"\xA3\xAC", "\xA1\xA3", "\xA3\xA1", "\xA1\xA2",
                                             "\xA1\xB0", "\xA1\xB1", "\xA3\xBA", "\xA3\xBF"};
  std::mt19937 random(seed);
  std::string text;
  text.reserve(bytes + 8);
  while (text.size() < bytes) {
    const unsigned kind = random() % 100;
    if (kind < 70) {  // a GB2312 level-1 or level-2 ideograph
      text.push_back(static_cast<char>(0xB0 + random() % 0x28));
      text.push_back(static_cast<char>(0xA1 + random() % 0x5E));
    } else if (kind < 78) {
      text += kPunctuation[random() % 8];
    } else if (kind < 86) {
      text.push_back(static_cast<char>((random() % 2 ? 'a' : 'A') + random() % 26));
    } else if (kind < 93) {
      text.push_back(static_cast<char>('0' + random() % 10));
    } else if (kind < 97) {
      text.push_back(random() % 3 ? ' ' : ',');
    } else {
      text += "\r\n";
    }
  }
  text.resize(bytes);
  return text;
}

}  // namespace uescape::testing
