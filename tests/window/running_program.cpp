#include "tests/window/running_program.h"

#include <winternl.h>

#include "app/wide_text.h"

#include <fstream>
#include <thread>
#include <vector>

namespace uescape::window_testing {

std::wstring DriverFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.rfind(L'\\'));
}

std::wstring ProgramPath() {
  wchar_t chosen[MAX_PATH];
  if (GetEnvironmentVariableW(L"UESCAPE_PROGRAM", chosen, MAX_PATH) > 0) return chosen;
  return DriverFolder() + L"\\uescape_testable.exe";
}

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

namespace {

std::wstring EnvironmentBlock(const std::map<std::wstring, std::wstring>& additions) {
  std::map<std::wstring, std::wstring> variables;
  wchar_t* block = GetEnvironmentStringsW();
  for (const wchar_t* entry = block; *entry != L'\0'; entry += lstrlenW(entry) + 1) {
    const std::wstring text(entry);
    const std::size_t equals = text.find(L'=', 1);
    if (equals != std::wstring::npos) variables[text.substr(0, equals)] = text.substr(equals + 1);
  }
  FreeEnvironmentStringsW(block);
  for (const auto& [name, value] : additions) variables[name] = value;
  std::wstring result;
  for (const auto& [name, value] : variables) result += name + L"=" + value + L'\0';
  result += L'\0';
  return result;
}

}  // namespace

std::vector<HWND> TopWindows(DWORD processId, const wchar_t* className) {
  struct Search {
    DWORD processId;
    const wchar_t* className;
    std::vector<HWND> found;
  } search = {processId, className, {}};
  EnumWindows(
      [](HWND window, LPARAM lParam) -> BOOL {
        auto* search = reinterpret_cast<Search*>(lParam);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64];
        if (owner == search->processId && GetClassNameW(window, name, 64) &&
            lstrcmpW(name, search->className) == 0 && IsWindowVisible(window)) {
          search->found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindTopWindow(DWORD processId, const wchar_t* className) {
  const std::vector<HWND> windows = TopWindows(processId, className);
  return windows.empty() ? nullptr : windows.front();
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring MessageBoxText(HWND box) {
  // A message box shows its text in the static control 0xFFFF.
  return WindowText(GetDlgItem(box, 0xFFFF));
}

std::unique_ptr<RunningProgram> RunningProgram::Start(const Options& options) {
  std::unique_ptr<RunningProgram> program(new RunningProgram);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + ProgramPath() + L"\"";
  std::wstring environment = EnvironmentBlock(options.environment);
  if (!CreateProcessW(ProgramPath().c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_UNICODE_ENVIRONMENT, environment.data(),
                      options.workingFolder.empty() ? nullptr : options.workingFolder.c_str(),
                      &startup, &program->process_)) {
    return nullptr;
  }
  program->processId_ = program->process_.dwProcessId;
  if (options.waitForWindow) {
    WaitForInputIdle(program->process_.hProcess, 10000);
    const bool shown = WaitFor([&] {
      program->window_ = FindTopWindow(program->processId_, L"UEscapeMainWindow");
      return program->window_ != nullptr;
    });
    if (!shown) return nullptr;
  }
  return program;
}

RunningProgram::~RunningProgram() {
  if (process_.hProcess != nullptr) {
    if (Running()) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
}

std::string RunningProgram::Text(int id) const {
  const HWND box = control(id);
  const LRESULT length = SendMessageW(box, WM_GETTEXTLENGTH, 0, 0);
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(box, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
  wide.resize(static_cast<std::size_t>(copied));
  return ToGbk(wide);
}

void RunningProgram::SetText(int id, const std::string& gbk) const {
  const std::wstring wide = FromGbk(gbk);
  SendMessageW(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void RunningProgram::Click() const { SendMessageW(control(kButtonId), BM_CLICK, 0, 0); }

HWND RunningProgram::Focus() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(threadId(), &info)) return nullptr;
  return info.hwndFocus;
}

void RunningProgram::Activate() const {
  SetForegroundWindow(window_);
  WaitFor([&] { return GetForegroundWindow() == window_; }, std::chrono::milliseconds(3000));
}

DWORD RunningProgram::WaitForExit(std::chrono::milliseconds timeout) {
  WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count()));
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

bool RunningProgram::Running() const {
  return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::wstring RunningProgram::CurrentDirectory() const {
  using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic = {};
  if (query == nullptr ||
      query(process_.hProcess, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
    return L"";
  }
  // PEB.ProcessParameters, then its CurrentDirectory.DosPath (x64 layout).
  PVOID parameters = nullptr;
  const auto* peb = static_cast<const char*>(static_cast<const void*>(basic.PebBaseAddress));
  if (!ReadProcessMemory(process_.hProcess, peb + 0x20, &parameters, sizeof parameters, nullptr)) {
    return L"";
  }
  UNICODE_STRING path = {};
  if (!ReadProcessMemory(process_.hProcess, static_cast<const char*>(parameters) + 0x38, &path,
                         sizeof path, nullptr)) {
    return L"";
  }
  std::wstring text(path.Length / sizeof(wchar_t), L'\0');
  ReadProcessMemory(process_.hProcess, path.Buffer, text.data(), path.Length, nullptr);
  return text;
}

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  std::vector<WORD> held;
  auto key = [&](WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (WORD vk : keys) {
    const bool modifier = vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU;
    key(vk, false);
    if (modifier) {
      held.push_back(vk);
    } else {
      key(vk, true);
    }
  }
  for (auto vk = held.rbegin(); vk != held.rend(); ++vk) key(*vk, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool SaveScreenshot(HWND window, const char* path) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(300);
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* pixels = nullptr;
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + rowBytes * static_cast<DWORD>(height);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(pixels), rowBytes * static_cast<DWORD>(height));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return out.good();
}

std::string ToGbk(const std::wstring& wide) { return FromWide(wide, kGbkCodePage); }

std::wstring FromGbk(const std::string& gbk) { return ToWide(gbk, kGbkCodePage); }

std::string ToUtf8(const std::wstring& wide) { return FromWide(wide, CP_UTF8); }

}  // namespace uescape::window_testing
