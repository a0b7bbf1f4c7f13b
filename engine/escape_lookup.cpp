#include "engine/escape_lookup.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/character_starts.h"
#include "engine/character_units.h"
#include "engine/character_walk.h"
#include "engine/escape_table.h"
#include "engine/gbk_text_operations.h"

namespace uescape {
namespace {

constexpr char kEscapeMark[] = "\\u";

// What a unit yields, held inline: eight bytes, so that the conversion's
// inner loop copies an escape with one load and one store instead of
// chasing an offset into the 585,023-byte table.
struct EscapeEntry {
  char escape[kEscapeLength];
  unsigned char length;  // kEscapeLength, or 0 when the unit yields nothing
  char unused;
};
static_assert(sizeof(EscapeEntry) == 8);

// One entry for every possible unit: one-byte units, two-byte units with a
// lead byte, and CR LF, in one flat array. Every first byte has a row: a
// lead byte's row holds its 256 pairs, the CR's row holds CR LF at LF and
// the lone CR everywhere else, and any other byte's row is the byte's own
// entry. So the entry of the unit at a byte followed by another is
// RowStart[first] + (second & RowMask[first]), with no branch on the kind
// of unit: a text mixing Chinese and Latin would mispredict at almost every
// unit.
class EscapeIndex {
 public:
  static constexpr std::size_t kPairBase = 256;
  static constexpr std::size_t kCarriageReturnRow = kPairBase + (256 - kFirstLeadByte) * 256;
  static constexpr std::size_t kEntryCount = kCarriageReturnRow + 256;

  EscapeIndex() {
    const std::string_view table = EscapeTable();
    const auto* bytes = reinterpret_cast<const unsigned char*>(table.data());
    const std::size_t length = table.size();
    // The 1-based position of each unit's last occurrence at a candidate of
    // the walk from the table's first byte: later candidates overwrite
    // earlier ones. Then the escape window in front of it.
    std::vector<std::uint32_t> lastMatch(kEntryCount, 0);
    const std::size_t lineBreak = kCarriageReturnRow + kLineFeed;
    for (std::size_t at = 0; at < length; at += IsLeadByte(bytes[at]) ? 2 : 1) {
      const auto position = static_cast<std::uint32_t>(at + 1);
      lastMatch[bytes[at]] = position;
      if (at + 1 < length) {
        if (IsLeadByte(bytes[at])) lastMatch[PairIndex(bytes[at], bytes[at + 1])] = position;
        if (bytes[at] == kCarriageReturn && bytes[at + 1] == kLineFeed) lastMatch[lineBreak] = position;
      }
    }
    for (std::size_t i = 0; i < kCarriageReturnRow; ++i) entries_[i] = WindowOf(table, lastMatch[i]);
    for (std::size_t second = 0; second < 256; ++second) {
      entries_[kCarriageReturnRow + second] = entries_[kCarriageReturn];
    }
    entries_[lineBreak] = WindowOf(table, lastMatch[lineBreak]);

    for (std::size_t first = 0; first < 256; ++first) {
      if (IsLeadByte(static_cast<unsigned char>(first))) {
        rowStart_[first] = static_cast<std::uint32_t>(PairIndex(static_cast<unsigned char>(first), 0));
        rowMask_[first] = 0xFF;
      } else if (first == kCarriageReturn) {
        rowStart_[first] = static_cast<std::uint32_t>(kCarriageReturnRow);
        rowMask_[first] = 0xFF;
      } else {
        rowStart_[first] = static_cast<std::uint32_t>(first);
        rowMask_[first] = 0;
      }
    }
  }

  static std::size_t PairIndex(unsigned char lead, unsigned char trail) {
    return kPairBase + static_cast<std::size_t>(lead - kFirstLeadByte) * 256 + trail;
  }

  // The entry of the unit that starts with `first` where `second` follows.
  std::size_t IndexOf(unsigned char first, unsigned char second) const {
    return rowStart_[first] + (second & rowMask_[first]);
  }

  const EscapeEntry& Entry(std::size_t index) const { return entries_[index]; }

 private:
  // The escape window in front of a match at 1-based `position` (0: no
  // match), which yields only when it holds the escape mark.
  static EscapeEntry WindowOf(std::string_view table, std::size_t position) {
    EscapeEntry entry{};
    if (position <= kEscapeLength) return entry;
    const std::string_view window = table.substr(position - 1 - kEscapeLength, kEscapeLength);
    if (FindSubtext(window, kEscapeMark) == kNotFound) return entry;
    std::memcpy(entry.escape, window.data(), kEscapeLength);
    entry.length = kEscapeLength;
    return entry;
  }

  std::array<EscapeEntry, kEntryCount> entries_{};
  std::array<std::uint32_t, 256> rowStart_{};
  std::array<unsigned char, 256> rowMask_{};
};

const EscapeIndex& Index() {
  static const EscapeIndex index;
  return index;
}

}  // namespace

std::string_view EscapeOfUnit(std::string_view unit) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(unit.data());
  // Two bytes make a unit only as the splitting would make them.
  const bool pairs = unit.size() == 2 && UnitLengthAt(bytes, 0, 2) == 2;
  if (unit.size() != 1 && !pairs) return {};
  const EscapeEntry& entry = Index().Entry(pairs ? Index().IndexOf(bytes[0], bytes[1]) : bytes[0]);
  return std::string_view(entry.escape, entry.length);
}

Text EscapesOfUnits(std::string_view text) {
  text = AsText(text);
  const EscapeIndex& index = Index();
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t length = text.size();

  // The walk's unit starts, block by block, counted first so that the
  // result is sized once, with room for an escape for each unit, and the
  // inner loop writes through a plain pointer.
  std::vector<std::uint64_t, ReportingAllocator<std::uint64_t>> blockStarts;
  blockStarts.reserve(length / kBlockBytes + 1);
  std::size_t units = 0;
  ForEachBlockOfUnits(text, [&](std::size_t, std::uint64_t starts) {
    blockStarts.push_back(starts);
    units += static_cast<std::size_t>(std::popcount(starts));
  });
  Text escapes(units * kEscapeLength + sizeof(EscapeEntry), '\0');
  char* out = escapes.data();
  std::uint32_t entries[kBlockBytes];
  for (std::size_t block = 0; block < blockStarts.size(); ++block) {
    const std::size_t offset = block * kBlockBytes;
    std::uint64_t starts = blockStarts[block];
    // First which entry each unit of the block takes, then the copies: two
    // short loops with no dependence between their steps keep the
    // processor busier than one loop doing both.
    std::size_t count = 0;
    if (offset + kBlockBytes < length) {
      for (; starts != 0; starts &= starts - 1) {
        const std::size_t at = offset + static_cast<std::size_t>(std::countr_zero(starts));
        entries[count++] = static_cast<std::uint32_t>(index.IndexOf(bytes[at], bytes[at + 1]));
      }
    } else {
      for (; starts != 0; starts &= starts - 1) {
        const std::size_t at = offset + static_cast<std::size_t>(std::countr_zero(starts));
        entries[count++] = static_cast<std::uint32_t>(
            at + 1 < length ? index.IndexOf(bytes[at], bytes[at + 1]) : bytes[at]);
      }
    }
    for (std::size_t i = 0; i < count; ++i) {
      const EscapeEntry& entry = index.Entry(entries[i]);
      // The whole entry is stored whether or not the unit yields; only its
      // length moves the end on, and the bytes past it are overwritten.
      std::memcpy(out, &entry, sizeof entry);
      out += entry.length;
    }
  }
  escapes.resize(static_cast<std::size_t>(out - escapes.data()));
  return escapes;
}

}  // namespace uescape
