// Texts and byte sets: the values every text operation takes and returns.
//
// A text is a code page 936 byte string that never holds a zero byte; a
// byte set may hold any byte. Both are owned strings whose memory comes
// through ReportingAllocator, so running out of memory while making one
// ends in the fatal error report with the byte count, never in a
// half-made value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace uescape {

// Memory for a text, or the fatal error report naming the byte count.
void* AllocateOrReport(std::size_t bytes);
// `bytes` is what was asked for when the block was allocated.
void ReleaseAllocation(void* memory, std::size_t bytes) noexcept;
// Large blocks released by texts are kept for the next texts; this gives
// them back to the system.
void ReleaseRecycledTextMemory();

template <class T>
struct ReportingAllocator {
  using value_type = T;

  ReportingAllocator() noexcept = default;
  template <class U>
  ReportingAllocator(const ReportingAllocator<U>&) noexcept {}

  T* allocate(std::size_t count) {
    const std::size_t bytes =
        count > std::numeric_limits<std::size_t>::max() / sizeof(T)
            ? std::numeric_limits<std::size_t>::max()
            : count * sizeof(T);
    return static_cast<T*>(AllocateOrReport(bytes));
  }
  void deallocate(T* memory, std::size_t count) noexcept {
    ReleaseAllocation(memory, count * sizeof(T));
  }

  template <class U>
  bool operator==(const ReportingAllocator<U>&) const noexcept { return true; }
};

using Text = std::basic_string<char, std::char_traits<char>, ReportingAllocator<char>>;
// Same storage as a text, but zero bytes are ordinary members.
using ByteSet = Text;

// Positions, counts and search results are 32-bit signed; -1 is "not found".
using Position = std::int32_t;
constexpr Position kNotFound = -1;

// A text is what comes before its first zero byte; texts longer than a
// 32-bit position can address are taken up to that length.
inline std::string_view AsText(std::string_view bytes) {
  const std::size_t end = bytes.find('\0');
  std::string_view text = end == std::string_view::npos ? bytes : bytes.substr(0, end);
  constexpr std::size_t kMaxTextLength = std::numeric_limits<Position>::max();
  return text.size() > kMaxTextLength ? text.substr(0, kMaxTextLength) : text;
}

inline std::string_view View(const Text& text) { return {text.data(), text.size()}; }

}  // namespace uescape
