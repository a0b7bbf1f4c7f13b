// Byte-level operations on code page 936 texts and byte sets.
//
// Positions are 1-based byte positions, counts are byte counts, and every
// operation returns a new value. None of them reports an error for its
// arguments: positions outside the text, counts of 0 or below and subtexts
// that do not occur give an empty result, a shortened range or -1.
//
// Arguments taken as texts end at their first zero byte. Optional
// arguments are std::optional so that "omitted" and "given" stay apart:
// an omitted start position does not always mean the same as a given 1.
#pragma once

#include <optional>
#include <string_view>

#include "engine/text.h"

namespace uescape {

// Lowers A to Z in every one-byte character; both bytes of a two-byte
// character pass unchanged.
Text LowerCaseText(std::string_view text);

// Replaces occurrences of `subtext` that begin on a character, scanning
// from `start` (omitted: 1). `limit` caps the number of replacements
// (omitted or negative: no cap; 0: nothing replaced). Case is ignored for
// A to Z unless `caseSensitive`. A lone lead byte that ends the text is
// dropped when the scan reaches it.
Text ReplaceSubtext(std::string_view text, std::string_view subtext,
                    std::string_view replacement = {},
                    std::optional<Position> start = std::nullopt,
                    std::optional<Position> limit = std::nullopt,
                    bool caseSensitive = false);

// First occurrence at or after `start` (omitted: the whole text); the walk
// begins at `start` itself. Result counts from the first byte of the text.
Position FindSubtext(std::string_view text, std::string_view subtext,
                     std::optional<Position> start = std::nullopt,
                     bool ignoreCase = false);

// Last occurrence that ends before `start` (omitted: the whole text),
// always walking from the first byte.
Position FindSubtextLast(std::string_view text, std::string_view subtext,
                         std::optional<Position> start = std::nullopt,
                         bool ignoreCase = false);

// `count` bytes from `start`, cut at the end; empty when `start` is outside
// the text or `count` is 0 or below. Plain bytes, no character walk.
Text TextMid(std::string_view text, Position start, Position count);

ByteSet TextToBytes(std::string_view text);
Position BytesLength(std::string_view bytes);

// Like TextMid on a byte set, except that a start below 1 counts as 1.
ByteSet BytesMid(std::string_view bytes, Position start, Position count);

// The bytes before the first zero byte.
Text BytesToText(std::string_view bytes);

}  // namespace uescape
