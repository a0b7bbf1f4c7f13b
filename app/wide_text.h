// Between the program's byte texts and the UTF-16 that the window system
// works in. The boxes and captions go through the Unicode calls with an
// explicit code page, so the program behaves the same whatever the
// system's ANSI code page is.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace uescape {

constexpr UINT kGbkCodePage = 936;

std::wstring ToWide(std::string_view bytes, UINT codePage);
std::string FromWide(std::wstring_view wide, UINT codePage);

}  // namespace uescape
