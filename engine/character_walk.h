// How UEscape steps through code page 936 text.
//
// A byte from 0x81 up starts a two-byte character and takes the byte after
// it, whatever that byte is. Every other byte, 0x80 (the euro sign)
// included, is a character of its own. The walk never checks that a pair is
// valid GBK and never resynchronises: started on a second byte, it takes
// that byte as the first byte of a character.
#pragma once

#include <cstddef>

namespace uescape {

constexpr unsigned char kFirstLeadByte = 0x81;

constexpr bool IsLeadByte(unsigned char byte) { return byte >= kFirstLeadByte; }

constexpr bool IsAsciiCapital(unsigned char byte) { return byte >= 'A' && byte <= 'Z'; }
constexpr bool IsAsciiLetter(unsigned char byte) {
  return IsAsciiCapital(byte) || (byte >= 'a' && byte <= 'z');
}
constexpr unsigned char FoldAsciiCase(unsigned char byte) {
  return IsAsciiCapital(byte) ? static_cast<unsigned char>(byte + 0x20) : byte;
}

}  // namespace uescape
