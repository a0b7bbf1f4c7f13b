// Opens the program, converts a sample text in its window, prints the two
// boxes' texts and saves a picture of the screen: what the README's open
// command shows where there is no display to use the window on.
//   show_sample.exe PROGRAM.exe SCREENSHOT.bmp
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/window/running_program.h"

using namespace uescape::window_testing;

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: show_sample PROGRAM.exe SCREENSHOT.bmp\n");
    return 2;
  }
  SetEnvironmentVariableW(L"UESCAPE_PROGRAM", argv[1]);
  auto program = RunningProgram::Start();
  if (!program) {
    std::fprintf(stderr, "the program's window did not appear\n");
    return 1;
  }
  // 你好，世界！UEscape 2026 / 转换成 Unicode 转义
  const std::wstring sample =
      L"\u4F60\u597D\uFF0C\u4E16\u754C\uFF01UEscape 2026\r\n\u8F6C\u6362\u6210 Unicode \u8F6C\u4E49";
  program->SetText(kInputBoxId, ToGbk(sample));
  program->Click();
  std::printf("input box before:  %s\n", ToUtf8(sample).c_str());
  std::printf("input box after:   %s\n", ToUtf8(FromGbk(program->Text(kInputBoxId))).c_str());
  std::printf("output box:        %s\n", program->Text(kOutputBoxId).c_str());
  const std::string path = ToUtf8(argv[2]);
  const bool saved = SaveScreenshot(program->window(), path.c_str());
  PostMessageW(program->window(), WM_CLOSE, 0, 0);
  std::printf("exit code: %lu\n", program->WaitForExit());
  return saved ? 0 : 1;
}
