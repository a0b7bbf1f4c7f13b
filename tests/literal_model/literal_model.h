// The conversion written out step by step, exactly as its rules read, with
// no shortcut: every lookup makes a fresh copy of the escape table and walks
// all of it. Far too slow for the program; it is the reference that the
// fast engine is checked against.
//
// The walk rule is a parameter. The rule as first written let 0x80 start a
// two-byte character; the program treats 0x80 (the euro sign) as a
// character of its own. Running the model both ways shows which results the
// difference touches.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/text_box.h"

namespace uescape::literal {

struct WalkRule {
  unsigned char firstLeadByte;
};
inline constexpr WalkRule kEuroLeadsPair{0x80};
inline constexpr WalkRule kEuroStandsAlone{0x81};

using Text = std::string;
using Position = int;

Text LowerCaseText(const Text& text, WalkRule rule);
Text ReplaceSubtext(const Text& text, const Text& subtext,
                    std::optional<Text> replacement, std::optional<Position> start,
                    std::optional<Position> limit, std::optional<bool> caseSensitive,
                    WalkRule rule);
Position FindSubtext(const Text& text, const Text& subtext, std::optional<Position> start,
                     std::optional<bool> ignoreCase, WalkRule rule);
Position FindSubtextLast(const Text& text, const Text& subtext,
                         std::optional<Position> start, std::optional<bool> ignoreCase,
                         WalkRule rule);
Text TextMid(const Text& text, Position start, Position count);
std::string TextToBytes(const Text& text);
Position BytesLength(const std::string& bytes);
std::string BytesMid(const std::string& bytes, Position start, Position count);
Text BytesToText(const std::string& bytes);

Position SplitUnits(const Text& text, std::vector<Text>& units);

// Steps 1 to 5 of one unit's lookup: the escape window, or "".
Text EscapeOfUnit(const Text& unit, WalkRule rule);

// The whole procedure, one lookup and one append per unit. `lookup`, when
// given, stands in for EscapeOfUnit (a fuzzer remembers its answers, which
// cost a walk of the whole table each).
using UnitLookup = Text (*)(const Text& unit, WalkRule rule);
void ConvertText(TextBox& input, TextBox& output, WalkRule rule, UnitLookup lookup = nullptr);

}  // namespace uescape::literal
