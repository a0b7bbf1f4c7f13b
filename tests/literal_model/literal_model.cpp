#include "tests/literal_model/literal_model.h"

#include "engine/escape_table.h"

namespace uescape::literal {
namespace {

// A text is what comes before its first zero byte.
Text AsText(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

int Byte(const Text& text, Position oneBased) {
  return static_cast<unsigned char>(text[static_cast<std::size_t>(oneBased - 1)]);
}

int Fold(int byte) { return byte >= 0x41 && byte <= 0x5A ? byte + 0x20 : byte; }

bool Compare(const Text& text, Position q, const Text& subtext, bool fold) {
  const Position s = static_cast<Position>(subtext.size());
  for (Position i = 1; i <= s; ++i) {
    int a = Byte(text, q + i - 1);
    int b = Byte(subtext, i);
    if (fold) {
      a = Fold(a);
      b = Fold(b);
    }
    if (a != b) return false;
  }
  return true;
}

// The shared search: stretch [first, last] (1-based, inclusive), walked from
// `first`.
Position Search(const Text& text, const Text& subtext, Position first, Position last,
                bool fold, bool wantLast, WalkRule rule) {
  const Position s = static_cast<Position>(subtext.size());
  const bool stretchHasBytes = last >= first;
  if (s == 0) return stretchHasBytes ? 1 : -1;
  Position result = -1;
  Position q = first;
  // In 64 bits: a start position near the top of the 32-bit range must not
  // wrap around.
  while (static_cast<long long>(q) + s - 1 <= last) {
    if (Compare(text, q, subtext, fold)) {
      result = q;
      if (!wantLast) return result;
    }
    q += Byte(text, q) >= rule.firstLeadByte ? 2 : 1;
  }
  return result;
}

}  // namespace

Text LowerCaseText(const Text& input, WalkRule rule) {
  Text copy = AsText(input);
  const Position length = static_cast<Position>(copy.size());
  Position q = 1;
  while (q <= length) {
    const int byte = Byte(copy, q);
    if (byte >= rule.firstLeadByte) {
      if (q == length) break;
      q += 2;
    } else {
      if (byte >= 0x41 && byte <= 0x5A) copy[static_cast<std::size_t>(q - 1)] = static_cast<char>(byte + 0x20);
      q += 1;
    }
  }
  return copy;
}

Text ReplaceSubtext(const Text& input, const Text& subtextIn,
                    std::optional<Text> replacementIn, std::optional<Position> start,
                    std::optional<Position> limit, std::optional<bool> caseSensitive,
                    WalkRule rule) {
  const Text text = AsText(input);
  const Text subtext = AsText(subtextIn);
  const Text replacement = AsText(replacementIn.value_or(Text()));
  const Position L = static_cast<Position>(text.size());
  const Position S = static_cast<Position>(subtext.size());
  Position b = 0;
  if (start) b = *start < 1 ? 0 : *start - 1;
  if (L == 0 || S == 0 || b >= L || (limit && *limit == 0)) return text;
  const bool fold = !caseSensitive.value_or(false);
  Text output = text.substr(0, static_cast<std::size_t>(b));
  Position q = b;  // bytes consumed so far; the byte at q is Byte(text, q + 1)
  Position r = L - b;
  int made = 0;
  while (r >= S) {
    if (Compare(text, q + 1, subtext, fold)) {
      output += replacement;
      q += S;
      r -= S;
      ++made;
      if (limit && *limit > 0 && made == *limit) break;
      continue;
    }
    const int byte = Byte(text, q + 1);
    if (byte >= rule.firstLeadByte && q + 1 == L) {
      q += 1;
      r -= 1;
      break;
    }
    if (byte >= rule.firstLeadByte) {
      output += text.substr(static_cast<std::size_t>(q), 2);
      q += 2;
      r -= 2;
    } else {
      output += text.substr(static_cast<std::size_t>(q), 1);
      q += 1;
      r -= 1;
    }
  }
  output += text.substr(static_cast<std::size_t>(q));
  return output;
}

Position FindSubtext(const Text& input, const Text& subtextIn, std::optional<Position> start,
                     std::optional<bool> ignoreCase, WalkRule rule) {
  const Text text = AsText(input);
  const Position L = static_cast<Position>(text.size());
  Position first = 1;
  if (start && *start >= 1) first = *start;  // above L: empty stretch
  return Search(text, AsText(subtextIn), first, L, ignoreCase.value_or(false), false, rule);
}

Position FindSubtextLast(const Text& input, const Text& subtextIn,
                         std::optional<Position> start, std::optional<bool> ignoreCase,
                         WalkRule rule) {
  const Text text = AsText(input);
  const Position L = static_cast<Position>(text.size());
  Position last = L;
  if (start) {
    if (*start <= 1) last = 0;
    else if (*start <= L + 1) last = *start - 1;
  }
  return Search(text, AsText(subtextIn), 1, last, ignoreCase.value_or(false), true, rule);
}

Text TextMid(const Text& input, Position start, Position count) {
  const Text text = AsText(input);
  const Position L = static_cast<Position>(text.size());
  if (start < 1 || start > L || count <= 0) return Text();
  return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

std::string TextToBytes(const Text& text) { return AsText(text); }

Position BytesLength(const std::string& bytes) { return static_cast<Position>(bytes.size()); }

std::string BytesMid(const std::string& bytes, Position start, Position count) {
  const Position length = BytesLength(bytes);
  if (start < 1) start = 1;
  if (start > length) start = length + 1;
  if (count < 0) count = 0;
  if (static_cast<long long>(start) + count - 1 > length) count = length - start + 1;
  if (count == 0) return std::string();
  return bytes.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

Text BytesToText(const std::string& bytes) { return AsText(bytes); }

Position SplitUnits(const Text& text, std::vector<Text>& units) {
  units.clear();
  const std::string B = TextToBytes(text);
  const Position n = BytesLength(B);
  Position e = 1;
  while (e <= n) {
    Position d = 1;
    if (e < n) {
      const int byte = Byte(B, e);
      if (byte >= 0x81) d = 2;
      else if (byte == 0x0D && Byte(B, e + 1) == 0x0A) d = 2;
    }
    units.push_back(BytesToText(BytesMid(B, e, d)));
    e += d;
  }
  return static_cast<Position>(units.size());
}

Text EscapeOfUnit(const Text& unit, WalkRule rule) {
  const Text T = BytesToText(std::string(EscapeTable()));
  const Position P = FindSubtextLast(T, unit, std::nullopt, false, rule);
  if (P == -1) return Text();
  const Text W = TextMid(T, P - 6, 6);
  if (FindSubtext(W, "\\u", std::nullopt, false, rule) == -1) return Text();
  return W;
}

void ConvertText(TextBox& input, TextBox& output, WalkRule rule, UnitLookup lookup) {
  if (lookup == nullptr) lookup = &EscapeOfUnit;
  static const char* const kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
  static const char* const kNumerals[] = {"\xC1\xE3", "\xD2\xBB", "\xB6\xFE", "\xC8\xFD",
                                          "\xCB\xC4", "\xCE\xE5", "\xC1\xF9", "\xC6\xDF",
                                          "\xB0\xCB", "\xBE\xC5"};
  std::vector<Text> units;
  auto read = [&input] {
    const auto text = input.GetText();
    return Text(text.data(), text.size());
  };
  auto write = [&input](const Text& text) { input.SetText(uescape::Text(text.data(), text.size())); };
  write(LowerCaseText(read(), rule));
  for (int i = 0; i < 10; ++i) {
    write(ReplaceSubtext(read(), kDigits[i], Text(kNumerals[i]), std::nullopt, std::nullopt,
                         true, rule));
  }
  const Position count = SplitUnits(read(), units);
  for (Position i = 1; i <= count; ++i) {
    const Text W = lookup(units[static_cast<std::size_t>(i - 1)], rule);
    if (!W.empty()) output.AppendText(W);
  }
}

}  // namespace uescape::literal
