// The character walk, 64 bytes at a time.
//
// Walking byte by byte makes every step wait for the byte before it. But
// where characters start follows from masks: a byte after a non-lead byte
// always starts a character, so each run of lead bytes pairs up from its
// first byte, and one carry between blocks says whether a block opens on a
// second byte. With the starts known as bits, the operations below look
// only at the bytes they care about.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define UESCAPE_HAVE_SSE2 1
#endif

#include "engine/character_walk.h"

namespace uescape {

constexpr std::size_t kBlockBytes = 64;

// Room for the last, short block of a text, padded with zero bytes. One
// per scan, outside its loop, so that a block is only a pointer and a mask.
struct TailBuffer {
  unsigned char bytes[kBlockBytes];
};

// One 64-byte block of a text.
class TextBlock {
 public:
  // `bytes` holds `available` readable bytes (any number); fewer than 64
  // are copied into `tail`.
  TextBlock(const unsigned char* bytes, std::size_t available, TailBuffer& tail) {
    if (available >= kBlockBytes) {
      data_ = bytes;
      valid_ = ~std::uint64_t{0};
    } else {
      std::memset(tail.bytes, 0, sizeof tail.bytes);
      std::memcpy(tail.bytes, bytes, available);
      data_ = tail.bytes;
      valid_ = (std::uint64_t{1} << available) - 1;
    }
  }

  // Bits of the bytes that belong to the text.
  std::uint64_t valid() const { return valid_; }

  std::uint64_t LeadBytes() const { return Mask(kLead, 0, 0); }
  // The lead bytes and the bytes equal to `value`, in one look at the block.
  void LeadBytesAndBytesEqualTo(unsigned char value, std::uint64_t& leads,
                                std::uint64_t& equal) const {
#ifdef UESCAPE_HAVE_SSE2
    leads = 0;
    equal = 0;
    const __m128i one = _mm_set1_epi8(1);
    const __m128i wanted = _mm_set1_epi8(static_cast<char>(value));
    for (int part = 0; part < 4; ++part) {
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data_ + 16 * part));
      const auto lead = static_cast<unsigned>(
          _mm_movemask_epi8(_mm_and_si128(x, _mm_sub_epi8(x, one))));
      const auto same = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, wanted)));
      leads |= static_cast<std::uint64_t>(lead) << (16 * part);
      equal |= static_cast<std::uint64_t>(same) << (16 * part);
    }
    leads &= valid_;
    equal &= valid_;
#else
    leads = LeadBytes();
    equal = BytesEqualTo(value);
#endif
  }
  std::uint64_t BytesEqualTo(unsigned char value) const { return Mask(kEqual, value, 0); }
  std::uint64_t BytesBetween(unsigned char low, unsigned char high) const {
    return Mask(kBetween, low, high);
  }

 private:
  enum Test { kLead, kEqual, kBetween };

  std::uint64_t Mask(Test test, unsigned char a, unsigned char b) const {
    std::uint64_t mask = 0;
#ifdef UESCAPE_HAVE_SSE2
    for (int part = 0; part < 4; ++part) {
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data_ + 16 * part));
      int bits = 0;
      if (test == kLead) {
        // x & (x - 1) has its top bit set exactly for 0x81 to 0xFF.
        bits = _mm_movemask_epi8(_mm_and_si128(x, _mm_sub_epi8(x, _mm_set1_epi8(1))));
      } else if (test == kEqual) {
        bits = _mm_movemask_epi8(_mm_cmpeq_epi8(x, _mm_set1_epi8(static_cast<char>(a))));
      } else {
        // Unsigned range test through a bias to signed bytes.
        const __m128i bias = _mm_set1_epi8(static_cast<char>(0x80));
        const __m128i y = _mm_xor_si128(x, bias);
        const __m128i below = _mm_cmplt_epi8(y, _mm_set1_epi8(static_cast<char>(a ^ 0x80)));
        const __m128i above = _mm_cmpgt_epi8(y, _mm_set1_epi8(static_cast<char>(b ^ 0x80)));
        bits = ~_mm_movemask_epi8(_mm_or_si128(below, above)) & 0xFFFF;
      }
      mask |= static_cast<std::uint64_t>(static_cast<unsigned>(bits)) << (16 * part);
    }
#else
    for (std::size_t i = 0; i < kBlockBytes; ++i) {
      const unsigned char byte = data_[i];
      const bool hit = test == kLead ? IsLeadByte(byte)
                       : test == kEqual ? byte == a
                                        : byte >= a && byte <= b;
      mask |= static_cast<std::uint64_t>(hit) << i;
    }
#endif
    return mask & valid_;
  }

  const unsigned char* data_;
  std::uint64_t valid_;
};

// Where characters start in a block, and whether the next block opens on a
// second byte.
struct BlockStarts {
  std::uint64_t starts;
  bool nextOpensOnSecondByte;
};

// The text operations' walk: a lead byte takes the byte after it. From the
// block's lead bytes and the bits of the bytes that belong to the text.
inline BlockStarts CharacterStarts(std::uint64_t leadBytes, std::uint64_t valid,
                                   bool opensOnSecondByte) {
  constexpr std::uint64_t kEven = 0x5555555555555555ull;
  constexpr std::uint64_t kOdd = ~kEven;
  const std::uint64_t carry = opensOnSecondByte ? 1 : 0;
  const std::uint64_t leads = leadBytes & ~carry;
  const std::uint64_t runStarts = leads & ~(leads << 1);
  // Adding a run's first bit clears the run: what was cleared is the run.
  const std::uint64_t evenRuns = leads & ~(leads + (runStarts & kEven));
  const std::uint64_t leadStarts = (evenRuns & kEven) | (leads & ~evenRuns & kOdd);
  const std::uint64_t secondBytes = (leadStarts << 1) | carry;
  return {~secondBytes & valid, (leadStarts >> 63) != 0};
}

inline BlockStarts CharacterStarts(const TextBlock& block, bool opensOnSecondByte) {
  return CharacterStarts(block.LeadBytes(), block.valid(), opensOnSecondByte);
}

// Whether the block after this one opens on a second byte, from the lead
// bytes alone: only the run of lead bytes that ends the block matters, and
// it pairs up from its first byte.
inline bool NextOpensOnSecondByte(std::uint64_t leadBytes, bool opensOnSecondByte) {
  const std::uint64_t leads = leadBytes & ~std::uint64_t{opensOnSecondByte ? 1u : 0u};
  return (std::countl_one(leads) & 1) != 0;
}

// Calls visit(block, offset, starts) for each block of bytes[begin, end),
// walking from `begin`; `offset` is the block's first byte in `bytes`.
template <class Visit>
void ForEachBlock(const unsigned char* bytes, std::size_t begin, std::size_t end, Visit&& visit) {
  bool opensOnSecondByte = false;
  TailBuffer tail;
  for (std::size_t offset = begin; offset < end; offset += kBlockBytes) {
    const TextBlock block(bytes + offset, end - offset, tail);
    const BlockStarts starts = CharacterStarts(block, opensOnSecondByte);
    opensOnSecondByte = starts.nextOpensOnSecondByte;
    if (!visit(block, offset, starts.starts)) return;
  }
}

}  // namespace uescape
