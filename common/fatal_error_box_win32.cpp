#include "common/fatal_error_box_win32.h"

#include <windows.h>

#include <string>

#include "common/fatal_error_report.h"

namespace uescape {
namespace {

std::wstring Utf8ToWide(const std::string& text) {
  const int size = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), needed);
  return wide;
}

void ShowBoxAndExit(const FatalError& error) {
  // The Unicode call, so that the Chinese text reads right on any locale.
  MessageBoxW(nullptr, Utf8ToWide(FatalErrorReportText(error)).c_str(), L"错误",
              MB_OK | MB_ICONERROR);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace

void InstallFatalErrorBox() { SetFatalErrorSink(&ShowBoxAndExit); }

}  // namespace uescape
