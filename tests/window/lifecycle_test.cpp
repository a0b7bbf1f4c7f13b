// Start-up, the ways the program ends, and their exit codes.
#include <gtest/gtest.h>

#include <string>

#include "tests/window/running_program.h"

namespace uescape::window_testing {
namespace {

// Each run says which ANSI code page it means to give the program, so that
// the run on a non-Chinese desktop really is one.
TEST(Locale, AnsiCodePageIsTheOneThisRunIsFor) {
  wchar_t expected[16] = {};
  if (GetEnvironmentVariableW(L"UESCAPE_EXPECT_ANSI_CODE_PAGE", expected, 16) == 0) {
    GTEST_SKIP() << "no code page asked for";
  }
  const std::wstring wanted(expected);
  if (wanted[0] == L'!') {
    EXPECT_NE(GetACP(), static_cast<UINT>(std::stoul(wanted.substr(1))));
  } else {
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::stoul(wanted)));
  }
}

TEST(Lifecycle, ClosingEndsTheProcessWithExitCodeZero) {
  auto closeButton = RunningProgram::Start();
  ASSERT_TRUE(closeButton);
  PostMessageW(closeButton->window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(closeButton->WaitForExit(), 0u);

  auto altF4 = RunningProgram::Start();
  ASSERT_TRUE(altF4);
  altF4->Activate();
  PressKeys({VK_MENU, VK_F4});
  EXPECT_EQ(altF4->WaitForExit(), 0u);
}

TEST(Lifecycle, AgreesToEndTheSession) {
  auto program = RunningProgram::Start();
  ASSERT_TRUE(program);
  EXPECT_EQ(SendMessageW(program->window(), WM_QUERYENDSESSION, 0, 0), TRUE);
}

TEST(Lifecycle, TwoStartsGiveTwoIndependentWindows) {
  auto first = RunningProgram::Start();
  auto second = RunningProgram::Start();
  ASSERT_TRUE(first);
  ASSERT_TRUE(second);
  EXPECT_NE(first->window(), second->window());
  first->SetText(kInputBoxId, "A");
  first->Click();
  EXPECT_EQ(first->Text(kOutputBoxId), "\\u00E2");
  EXPECT_EQ(second->Text(kOutputBoxId), "");
  PostMessageW(first->window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(first->WaitForExit(), 0u);
  EXPECT_TRUE(second->Running());
  second->SetText(kInputBoxId, "b");
  second->Click();
  EXPECT_EQ(second->Text(kOutputBoxId), "\\u0062");
}

TEST(Lifecycle, RunsInTheExecutablesFolderWhereverItWasStartedFrom) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  RunningProgram::Options options;
  options.workingFolder = temp;
  auto program = RunningProgram::Start(options);
  ASSERT_TRUE(program);
  std::wstring folder = program->CurrentDirectory();
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  EXPECT_EQ(lstrcmpiW(folder.c_str(), DriverFolder().c_str()), 0)
      << ToUtf8(folder) << " vs " << ToUtf8(DriverFolder());
}

// Running out of memory during a conversion: the report names the bytes
// asked for, a click while it shows starts nothing, and closing it ends the
// process with -1.
TEST(MemoryExhaustion, ReportsTheAllocationAndEndsWithMinusOne) {
  RunningProgram::Options options;
  options.environment[L"UESCAPE_TEST_REFUSE_ALLOCATIONS_FROM"] = L"100000";
  auto program = RunningProgram::Start(options);
  ASSERT_TRUE(program);
  // Short lines: the box lays out 150,000 bytes of short lines quickly.
  std::string input;
  while (input.size() < 150000) input += std::string(78, 'A') + "\r\n";
  program->SetText(kInputBoxId, input);
  // Posted, not sent: the click does not return while the report shows.
  PostMessageW(program->control(kButtonId), BM_CLICK, 0, 0);
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = FindTopWindow(program->processId(), L"#32770")) != nullptr; }));
  EXPECT_EQ(WindowText(box), L"错误");
  const std::string report = ToUtf8(MessageBoxText(box));
  const std::string head = "运行时出错!\r\n\r\n错误信息：分配 ";
  const std::string tail = " 字节内存失败!\r\n\r\n0, 0\r\n";
  ASSERT_EQ(report.rfind(head, 0), 0u) << report;
  ASSERT_GT(report.size(), head.size() + tail.size()) << report;
  EXPECT_EQ(report.substr(report.size() - tail.size()), tail) << report;
  const std::string count = report.substr(head.size(), report.size() - head.size() - tail.size());
  EXPECT_GE(std::stoll(count), 150000) << report;

  // The main window stays enabled behind the box, but its button runs
  // nothing: no second report, and the boxes keep their texts.
  PostMessageW(program->control(kButtonId), BM_CLICK, 0, 0);
  Sleep(500);
  EXPECT_EQ(TopWindows(program->processId(), L"#32770").size(), 1u);
  EXPECT_EQ(program->Text(kInputBoxId), input);
  EXPECT_EQ(program->Text(kOutputBoxId), "");

  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(program->WaitForExit(), 0xFFFFFFFFu);
}

struct StartupFault {
  const wchar_t* fault;
  const char* report;  // UTF-8
};

class StartupFailure : public ::testing::TestWithParam<StartupFault> {};

TEST_P(StartupFailure, ShowsTheReportAndEndsWithMinusOne) {
  RunningProgram::Options options;
  options.environment[L"UESCAPE_TEST_STARTUP_FAULT"] = GetParam().fault;
  options.waitForWindow = false;
  auto program = RunningProgram::Start(options);
  ASSERT_TRUE(program);
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = FindTopWindow(program->processId(), L"#32770")) != nullptr; }));
  EXPECT_EQ(WindowText(box), L"错误");
  EXPECT_EQ(ToUtf8(MessageBoxText(box)), GetParam().report);
  EXPECT_EQ(FindTopWindow(program->processId(), L"UEscapeMainWindow"), nullptr);
  EXPECT_TRUE(program->Running()) << "the process waits for the box to be closed";
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(program->WaitForExit(), 0xFFFFFFFFu);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, StartupFailure,
    ::testing::Values(
        StartupFault{L"unreadable-description",
                     "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n\r\n0, 0\r\n"},
        StartupFault{L"unknown-description",
                     "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n1375797249, 0\r\n"
                     "未找到所指定的窗口\r\n"},
        StartupFault{L"window-not-built",
                     "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n1375797249, 0\r\n"
                     "\"\"\r\n\"\"\r\n"}));

}  // namespace
}  // namespace uescape::window_testing
