#include "common/fatal_error_report.h"

#include <gtest/gtest.h>

#include "common/event_lock.h"

namespace uescape {
namespace {

TEST(FatalErrorReportText, LaysOutMessageAndDetails) {
  struct Case {
    FatalError error;
    std::string text;
  };
  const std::vector<Case> cases = {
      {{"分配 12 字节内存失败!", 0, 0, {}},
       "运行时出错!\r\n\r\n错误信息：分配 12 字节内存失败!\r\n\r\n0, 0\r\n"},
      {{"载入启动窗口失败", 1375797249, 0, {"\"\"", "\"\""}},
       "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n1375797249, 0\r\n\"\"\r\n\"\"\r\n"},
      {{"载入启动窗口失败", 1375797249, 0, {"未找到所指定的窗口"}},
       "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n1375797249, 0\r\n"
       "未找到所指定的窗口\r\n"},
      {{"x", -5, 120, {}}, "运行时出错!\r\n\r\n错误信息：x\r\n\r\n-5, 120\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(FatalErrorReportText(c.error), c.text);
}

struct Reported {
  std::string message;
};
void ThrowIt(const FatalError& error) { throw Reported{error.message}; }

TEST(ReportFatalError, RaisesTheEventLockAndHandsTheReportToTheSink) {
  const FatalErrorSink previous = SetFatalErrorSink(&ThrowIt);
  EXPECT_FALSE(EventLockHeld());
  try {
    ReportFatalError({"boom", 0, 0, {}});
    ADD_FAILURE() << "the sink was not called";
  } catch (const Reported& reported) {
    EXPECT_EQ(reported.message, "boom");
  }
  EXPECT_TRUE(EventLockHeld());
  ReleaseEventLock();
  SetFatalErrorSink(previous);
}

TEST(ReportFatalError, DefaultSinkPrintsTheReportAndExitsWithMinusOne) {
  EXPECT_EXIT(ReportFatalError({"boom", 7, 8, {}}), ::testing::ExitedWithCode(255),
              "错误信息：boom");
}

}  // namespace
}  // namespace uescape
