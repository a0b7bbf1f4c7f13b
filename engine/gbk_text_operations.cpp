#include "engine/gbk_text_operations.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "engine/character_starts.h"
#include "engine/character_walk.h"

namespace uescape {
namespace {

const unsigned char* Bytes(std::string_view s) {
  return reinterpret_cast<const unsigned char*>(s.data());
}

bool MatchesAt(const unsigned char* text, std::size_t at, std::string_view subtext,
               bool foldCase) {
  const unsigned char* sub = Bytes(subtext);
  if (!foldCase) return std::memcmp(text + at, sub, subtext.size()) == 0;
  for (std::size_t i = 0; i < subtext.size(); ++i) {
    if (FoldAsciiCase(text[at + i]) != FoldAsciiCase(sub[i])) return false;
  }
  return true;
}

// Walks bytes [walkBegin, stretchEnd) and returns the 0-based position of the
// first (or last) candidate whose subtext.size() bytes lie inside the
// stretch and match, or npos.
std::size_t WalkSearch(std::string_view text, std::string_view subtext,
                       std::size_t walkBegin, std::size_t stretchEnd, bool foldCase,
                       bool wantLast) {
  const unsigned char* bytes = Bytes(text);
  const std::size_t size = subtext.size();
  std::size_t found = std::string_view::npos;
  for (std::size_t q = walkBegin; q < stretchEnd && stretchEnd - q >= size;
       q += IsLeadByte(bytes[q]) ? 2 : 1) {
    if (MatchesAt(bytes, q, subtext, foldCase)) {
      found = q;
      if (!wantLast) break;
    }
  }
  return found;
}

Position ToPosition(std::size_t zeroBased) {
  return zeroBased == std::string_view::npos ? kNotFound
                                             : static_cast<Position>(zeroBased + 1);
}

// The general scan: any subtext, either case rule.
Text ReplaceByWalk(std::string_view text, std::string_view subtext,
                   std::string_view replacement, std::size_t begin,
                   std::int64_t maxReplacements, bool foldCase) {
  const unsigned char* bytes = Bytes(text);
  const std::size_t length = text.size();
  Text out;
  out.reserve(length);
  out.append(text.data(), begin);
  std::size_t q = begin;
  std::int64_t made = 0;
  while (length - q >= subtext.size()) {
    if (MatchesAt(bytes, q, subtext, foldCase)) {
      out.append(replacement.data(), replacement.size());
      q += subtext.size();
      if (++made == maxReplacements) break;
    } else if (IsLeadByte(bytes[q]) && q + 1 == length) {
      ++q;  // a lone lead byte at the very end is not copied
      break;
    } else if (IsLeadByte(bytes[q])) {
      out.append(text.data() + q, 2);
      q += 2;
    } else {
      out.push_back(text[q]);
      ++q;
    }
  }
  out.append(text.data() + q, length - q);
  return out;
}

// The scan the conversion uses for every digit: one byte that can never be
// the first byte of a two-byte character, compared exactly. Matches are the
// bytes equal to it that start a character, found a block at a time, so the
// cost is close to a copy of the text. Same result as ReplaceByWalk.
Text ReplaceSingleByte(std::string_view text, unsigned char wanted,
                       std::string_view replacement, std::size_t begin,
                       std::int64_t maxReplacements) {
  const unsigned char* bytes = Bytes(text);
  const std::size_t length = text.size();
  Text out;
  out.reserve(length + length / 32 * replacement.size() + kBlockBytes);
  out.append(text.data(), begin);

  std::size_t copied = begin;
  std::int64_t made = 0;
  bool lastByteStarts = false;
  bool opensOnSecondByte = false;
  TailBuffer tail;
  for (std::size_t offset = begin; offset < length; offset += kBlockBytes) {
    const TextBlock block(bytes + offset, length - offset, tail);
    const bool lastBlock = length - offset <= kBlockBytes;
    std::uint64_t leads = 0;
    std::uint64_t candidates = 0;
    block.LeadBytesAndBytesEqualTo(wanted, leads, candidates);
    if (candidates == 0 && !lastBlock) {
      // Most blocks hold no occurrence: only the walk's carry is needed.
      opensOnSecondByte = NextOpensOnSecondByte(leads, opensOnSecondByte);
      continue;
    }
    const BlockStarts walk = CharacterStarts(leads, block.valid(), opensOnSecondByte);
    opensOnSecondByte = walk.nextOpensOnSecondByte;
    for (std::uint64_t matches = candidates & walk.starts; matches != 0; matches &= matches - 1) {
      const std::size_t at = offset + static_cast<std::size_t>(std::countr_zero(matches));
      out.append(text.data() + copied, at - copied);
      out.append(replacement.data(), replacement.size());
      copied = at + 1;
      if (++made == maxReplacements) break;
    }
    if (made == maxReplacements) break;
    if (lastBlock) lastByteStarts = ((walk.starts >> (length - 1 - offset)) & 1) != 0;
  }
  // Unless the limit stopped it, the scan reaches the end and drops a lone
  // lead byte that it finds there.
  const bool dropLastByte = made != maxReplacements && lastByteStarts &&
                            copied < length && IsLeadByte(bytes[length - 1]);
  out.append(text.data() + copied, length - copied - (dropLastByte ? 1 : 0));
  return out;
}

}  // namespace

Text LowerCaseText(std::string_view text) {
  text = AsText(text);
  Text out(text);
  auto* bytes = reinterpret_cast<unsigned char*>(out.data());
  ForEachBlock(bytes, 0, out.size(), [&](const TextBlock& block, std::size_t offset,
                                         std::uint64_t starts) {
    for (std::uint64_t capitals = block.BytesBetween('A', 'Z') & starts; capitals != 0;
         capitals &= capitals - 1) {
      bytes[offset + static_cast<std::size_t>(std::countr_zero(capitals))] += 0x20;
    }
    return true;
  });
  return out;
}

Text ReplaceSubtext(std::string_view text, std::string_view subtext,
                    std::string_view replacement, std::optional<Position> start,
                    std::optional<Position> limit, bool caseSensitive) {
  text = AsText(text);
  subtext = AsText(subtext);
  replacement = AsText(replacement);
  const std::size_t begin = start && *start > 1 ? static_cast<std::size_t>(*start) - 1 : 0;
  if (text.empty() || subtext.empty() || begin >= text.size() || (limit && *limit == 0)) {
    return Text(text);
  }
  const std::int64_t maxReplacements = limit && *limit > 0 ? *limit : -1;
  const unsigned char first = static_cast<unsigned char>(subtext[0]);
  const bool foldCase = !caseSensitive;
  const bool matchesOneByteValue = !foldCase || !IsAsciiLetter(first);
  if (subtext.size() == 1 && !IsLeadByte(first) && matchesOneByteValue) {
    return ReplaceSingleByte(text, first, replacement, begin, maxReplacements);
  }
  return ReplaceByWalk(text, subtext, replacement, begin, maxReplacements, foldCase);
}

Position FindSubtext(std::string_view text, std::string_view subtext,
                     std::optional<Position> start, bool ignoreCase) {
  text = AsText(text);
  subtext = AsText(subtext);
  const std::size_t begin = start && *start > 1 ? static_cast<std::size_t>(*start) - 1 : 0;
  if (begin >= text.size()) return kNotFound;
  if (subtext.empty()) return 1;
  return ToPosition(WalkSearch(text, subtext, begin, text.size(), ignoreCase, false));
}

Position FindSubtextLast(std::string_view text, std::string_view subtext,
                         std::optional<Position> start, bool ignoreCase) {
  text = AsText(text);
  subtext = AsText(subtext);
  std::size_t end = text.size();
  if (start) {
    end = *start <= 1 ? 0 : std::min<std::size_t>(end, static_cast<std::size_t>(*start) - 1);
  }
  if (end == 0) return kNotFound;
  if (subtext.empty()) return 1;
  return ToPosition(WalkSearch(text, subtext, 0, end, ignoreCase, true));
}

Text TextMid(std::string_view text, Position start, Position count) {
  text = AsText(text);
  if (start < 1 || static_cast<std::size_t>(start) > text.size() || count <= 0) return Text();
  return Text(text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(count)));
}

ByteSet TextToBytes(std::string_view text) { return ByteSet(AsText(text)); }

Position BytesLength(std::string_view bytes) {
  return static_cast<Position>(std::min<std::size_t>(bytes.size(), INT32_MAX));
}

ByteSet BytesMid(std::string_view bytes, Position start, Position count) {
  const std::size_t length = static_cast<std::size_t>(BytesLength(bytes));
  const std::size_t first =
      start < 1 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(start) - 1, length);
  const std::size_t take = count < 0 ? 0 : static_cast<std::size_t>(count);
  return ByteSet(bytes.substr(first, take));
}

Text BytesToText(std::string_view bytes) { return Text(AsText(bytes)); }

}  // namespace uescape
