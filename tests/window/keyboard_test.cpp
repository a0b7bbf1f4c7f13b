// Focus and keys, typed through the system's input queue.
#include <gtest/gtest.h>

#include "tests/window/running_program.h"

namespace uescape::window_testing {
namespace {

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = RunningProgram::Start();
    ASSERT_TRUE(program_);
    program_->Activate();
    ASSERT_TRUE(WaitFor([&] { return program_->Focus() == input(); }));
  }

  HWND input() const { return program_->control(kInputBoxId); }
  HWND button() const { return program_->control(kButtonId); }
  HWND output() const { return program_->control(kOutputBoxId); }

  bool FocusBecomes(HWND control) {
    return WaitFor([&] { return program_->Focus() == control; }, std::chrono::milliseconds(3000));
  }

  std::unique_ptr<RunningProgram> program_;
};

TEST_F(Keyboard, FirstFocusIsTheInputBoxWithTheCaretAtItsStart) {
  DWORD start = 1, end = 1;
  SendMessageW(input(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
}

TEST_F(Keyboard, TabAndShiftTabCycleInputButtonOutput) {
  const HWND forward[] = {button(), output(), input(), button()};
  for (HWND next : forward) {
    PressKeys({VK_TAB});
    EXPECT_TRUE(FocusBecomes(next));
  }
  const HWND backward[] = {input(), output(), button()};
  for (HWND next : backward) {
    PressKeys({VK_SHIFT, VK_TAB});
    EXPECT_TRUE(FocusBecomes(next));
  }
  EXPECT_EQ(program_->Text(kInputBoxId), "") << "Tab types nothing";
  EXPECT_EQ(program_->Text(kOutputBoxId), "");
}

TEST_F(Keyboard, EnterTypesALineBreakInABoxAndNothingOnTheButton) {
  PressKeys({'A', VK_RETURN, 'B'});
  ASSERT_TRUE(WaitFor([&] { return program_->Text(kInputBoxId).size() == 4; }));
  EXPECT_EQ(program_->Text(kInputBoxId), "a\r\nb");

  PressKeys({VK_TAB});
  ASSERT_TRUE(FocusBecomes(button()));
  PressKeys({VK_RETURN});
  // A key that the program handles after the Enter shows that it was seen.
  PressKeys({VK_TAB});
  ASSERT_TRUE(FocusBecomes(output()));
  EXPECT_EQ(program_->Text(kOutputBoxId), "") << "Enter did not click the button";
  EXPECT_EQ(program_->Text(kInputBoxId), "a\r\nb");
}

TEST_F(Keyboard, SpaceOnTheButtonConverts) {
  program_->SetText(kInputBoxId, "A1");
  PressKeys({VK_TAB});
  ASSERT_TRUE(FocusBecomes(button()));
  PressKeys({VK_SPACE});
  ASSERT_TRUE(WaitFor([&] { return !program_->Text(kOutputBoxId).empty(); }));
  EXPECT_EQ(program_->Text(kOutputBoxId), "\\u00E2\\u4E00");
}

TEST_F(Keyboard, FocusComesBackAfterSwitchingAway) {
  PressKeys({VK_TAB, VK_TAB});
  ASSERT_TRUE(FocusBecomes(output()));
  auto other = RunningProgram::Start();
  ASSERT_TRUE(other);
  other->Activate();
  ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == other->window(); }));
  program_->Activate();
  EXPECT_TRUE(FocusBecomes(output()));
}

class EscapeFrom : public Keyboard, public ::testing::WithParamInterface<int> {};

TEST_P(EscapeFrom, AnyControlClosesTheWindowWithExitCodeZero) {
  program_->SetText(kInputBoxId, "whatever is typed");
  for (int tabs = 0; tabs < GetParam(); ++tabs) PressKeys({VK_TAB});
  const HWND expected[] = {input(), button(), output()};
  ASSERT_TRUE(FocusBecomes(expected[GetParam()]));
  PressKeys({VK_ESCAPE});
  EXPECT_EQ(program_->WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(InputButtonOutput, EscapeFrom, ::testing::Values(0, 1, 2));

}  // namespace
}  // namespace uescape::window_testing
