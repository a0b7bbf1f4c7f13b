#include "app/wide_text.h"

#include <climits>

namespace uescape {

std::wstring ToWide(std::string_view bytes, UINT codePage) {
  if (bytes.empty() || bytes.size() > INT_MAX) return std::wstring();
  const int size = static_cast<int>(bytes.size());
  const int needed = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), needed);
  return wide;
}

std::string FromWide(std::wstring_view wide, UINT codePage) {
  if (wide.empty() || wide.size() > INT_MAX) return std::string();
  const int size = static_cast<int>(wide.size());
  const int needed =
      WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), needed, nullptr, nullptr);
  return bytes;
}

}  // namespace uescape
