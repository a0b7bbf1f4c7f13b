// Long outputs and many clicks through the real window.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "tests/window/running_program.h"

namespace uescape::window_testing {
namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(HugeInput, AThousandClicksLeaveAThousandCopies) {
  auto program = RunningProgram::Start();
  ASSERT_TRUE(program);
  program->SetText(kInputBoxId, "A1\xD6\xD0");  // A1中
  const auto start = std::chrono::steady_clock::now();
  for (int click = 0; click < 1000; ++click) program->Click();
  std::printf("1000 clicks: %.2f s\n", SecondsSince(start));
  const std::string output = program->Text(kOutputBoxId);
  const std::string escapes = "\\u00E2\\u4E00\\u4E2D";
  ASSERT_EQ(output.size(), 1000 * escapes.size());
  for (std::size_t at = 0; at < output.size(); at += escapes.size()) {
    ASSERT_EQ(output.compare(at, escapes.size(), escapes), 0) << "at byte " << at;
  }
  EXPECT_EQ(program->Text(kInputBoxId), "a\xD2\xBB\xD6\xD0");
}

TEST(HugeInput, OutputPastSixtyFourKilobytesIsNotCutOff) {
  auto program = RunningProgram::Start();
  ASSERT_TRUE(program);
  std::string input;
  for (int i = 0; i < 11000; ++i) input += "\xD2\xBB";  // 一
  program->SetText(kInputBoxId, input);
  const auto start = std::chrono::steady_clock::now();
  program->Click();
  std::printf("one click on 11,000 characters: %.2f s\n", SecondsSince(start));
  const std::string output = program->Text(kOutputBoxId);
  ASSERT_EQ(output.size(), 66000u);
  for (std::size_t at = 0; at < output.size(); at += 6) {
    ASSERT_EQ(output.compare(at, 6, "\\u4E00"), 0) << "at byte " << at;
  }
}

}  // namespace
}  // namespace uescape::window_testing
