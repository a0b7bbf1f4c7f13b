// Character units: what the conversion looks up one at a time. Two bytes
// when the first is a lead byte (0x81 or above) and a byte follows it, a
// CR LF pair, or otherwise one byte. 0x80 is always a unit of its own.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "engine/character_starts.h"
#include "engine/text.h"

namespace uescape {

using UnitList = std::vector<Text, ReportingAllocator<Text>>;

constexpr unsigned char kCarriageReturn = 0x0D;
constexpr unsigned char kLineFeed = 0x0A;

// Length (1 or 2) of the unit that starts at bytes[at] in a text of
// `length` bytes; `at` must be below `length`.
constexpr std::size_t UnitLengthAt(const unsigned char* bytes, std::size_t at,
                                   std::size_t length) {
  if (at + 1 >= length) return 1;
  if (bytes[at] >= 0x81) return 2;
  return bytes[at] == kCarriageReturn && bytes[at + 1] == kLineFeed ? 2 : 1;
}

// Calls visit(unit) for each unit of `text` from left to right, without
// copying anything.
template <class Visit>
void ForEachUnit(std::string_view text, Visit&& visit) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = UnitLengthAt(bytes, at, text.size());
    visit(text.substr(at, length));
    at += length;
  }
}

// The same units, 64 bytes at a time: calls visit(offset, starts) for each
// block of `text`, with a bit set in `starts` for every byte of the block
// at `offset` that starts a unit. The character walk gives the starts, and a
// CR that starts a unit takes the LF after it, here or in the next block.
template <class Visit>
void ForEachBlockOfUnits(std::string_view text, Visit&& visit) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t length = text.size();
  bool opensOnSecondByte = false;
  TailBuffer tail;
  for (std::size_t offset = 0; offset < length; offset += kBlockBytes) {
    const TextBlock block(bytes + offset, length - offset, tail);
    BlockStarts walk = CharacterStarts(block, opensOnSecondByte);
    const std::uint64_t lineBreaks = block.BytesEqualTo(kCarriageReturn) & walk.starts;
    bool lineBreakCrossesBlock = false;
    if (lineBreaks != 0) {
      lineBreakCrossesBlock = (lineBreaks >> 63) != 0 && offset + kBlockBytes < length &&
                              bytes[offset + kBlockBytes] == kLineFeed;
      walk.starts &= ~((lineBreaks << 1) & block.BytesEqualTo(kLineFeed));
    }
    opensOnSecondByte = walk.nextOpensOnSecondByte || lineBreakCrossesBlock;
    visit(offset, walk.starts);
  }
}

// Empties `units`, fills it with a copy of each unit of `text` and returns
// how many there are (0 for the empty text).
Position SplitUnits(std::string_view text, UnitList& units);

}  // namespace uescape
