#include "app/startup.h"

#include <memory>
#include <string>

#include "app/main_window.h"
#include "app/startup_faults.h"
#include "common/event_lock.h"
#include "common/fatal_error_box_win32.h"
#include "common/fatal_error_report.h"

namespace uescape {
namespace {

// The descriptions the program carries; nullptr when they cannot be read.
const WindowDescription* ReadMainWindowDescription(bool& readable) {
  readable = !startup_faults::DescriptionsUnreadable();
  if (!readable) return nullptr;
  return LookUpWindowDescription(startup_faults::DescriptionIdToAskFor(kMainWindowDescriptionId));
}

[[noreturn]] void ReportWindowNotBuilt(const WindowDescription* description) {
  FatalError error;
  error.message = "载入启动窗口失败";
  error.windowId = kMainWindowDescriptionId;
  if (description != nullptr) {
    const UnitDescription* window = description->Window();
    const std::string tag = window != nullptr ? std::string(window->tag) : std::string();
    error.extraDetailLines = {"\"" + tag + "\"", "\"" + tag + "\""};
  } else {
    error.extraDetailLines = {"未找到所指定的窗口"};
  }
  ReportFatalError(error);
}

}  // namespace

void EnterExecutableFolder() {
  // The Unicode path needs no care for two-byte characters whose second
  // byte looks like a backslash.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.rfind(L'\\');
  if (slash == std::wstring::npos) return;
  path.resize(slash);
  SetCurrentDirectoryW(path.c_str());  // failing is not an error: start-up goes on
}

int RunProgram(HINSTANCE instance) {
  InstallFatalErrorBox();
  EnterExecutableFolder();

  HoldEventLock();  // no event procedure runs while the window is built
  bool readable = false;
  const WindowDescription* description = ReadMainWindowDescription(readable);
  if (!readable) ReportFatalError({"载入窗口模板数据段出错!", 0, 0, {}});
  if (description == nullptr) ReportWindowNotBuilt(nullptr);
  std::unique_ptr<MainWindow> window =
      startup_faults::WindowNotBuilt() ? nullptr : MainWindow::Build(*description, instance);
  if (window == nullptr) ReportWindowNotBuilt(description);
  ReleaseEventLock();
  window->Show();

  MSG message = {};
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (window->PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  HoldEventLock();  // the end has begun
  return static_cast<int>(message.wParam);
}

}  // namespace uescape
