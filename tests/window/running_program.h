// Starts the real executable and reaches into its window from outside, the
// way a user (or an accessibility tool) would: window messages across
// processes, synthesized input, the process's exit code.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace uescape::window_testing {

// The program's own controls, by the identifiers they were created with.
constexpr int kInputBoxId = 100;
constexpr int kButtonId = 110;
constexpr int kOutputBoxId = 120;

// The executable under test: beside the test driver.
std::wstring ProgramPath();
std::wstring DriverFolder();

// Polls `done` until it holds or `timeout` passes; true when it held.
bool WaitFor(const std::function<bool()>& done,
             std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));

class RunningProgram {
 public:
  struct Options {
    std::wstring workingFolder;                   // empty: the driver's
    std::map<std::wstring, std::wstring> environment;  // added to the driver's
    bool waitForWindow = true;
  };

  static std::unique_ptr<RunningProgram> Start(const Options& options);
  static std::unique_ptr<RunningProgram> Start() { return Start(Options{}); }
  ~RunningProgram();

  HWND window() const { return window_; }
  HWND control(int id) const { return GetDlgItem(window_, id); }
  DWORD processId() const { return processId_; }
  DWORD threadId() const { return GetWindowThreadProcessId(window_, nullptr); }

  // Box texts as code page 936 bytes.
  std::string Text(int id) const;
  void SetText(int id, const std::string& gbk) const;
  // A click on the button, through the button itself.
  void Click() const;
  // The control that has the keyboard focus in the program's thread.
  HWND Focus() const;
  // Brings the window to the front so that typed keys reach it.
  void Activate() const;
  // Waits for the process to end; returns its exit code, or STILL_ACTIVE.
  DWORD WaitForExit(std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));
  bool Running() const;
  // The process's current directory, read from its process parameters.
  std::wstring CurrentDirectory() const;

 private:
  PROCESS_INFORMATION process_ = {};
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

// The visible top-level windows of `processId` with the given class name.
std::vector<HWND> TopWindows(DWORD processId, const wchar_t* className);
// The first of them, or nullptr.
HWND FindTopWindow(DWORD processId, const wchar_t* className);

// A message box's caption and text.
std::wstring WindowText(HWND window);
std::wstring MessageBoxText(HWND box);

// Types keys through the system's input queue (virtual-key codes; a
// modifier is held while the keys after it are pressed).
void PressKeys(std::initializer_list<WORD> keys);

// Saves the whole screen as a 24-bit .bmp file after `window` has
// repainted; true when written.
bool SaveScreenshot(HWND window, const char* path);

std::string ToGbk(const std::wstring& wide);
std::wstring FromGbk(const std::string& gbk);
std::string ToUtf8(const std::wstring& wide);

}  // namespace uescape::window_testing
