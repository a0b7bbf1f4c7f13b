// Running out of memory while making a text ends in the fatal error report,
// naming the number of bytes asked for. The test binary replaces the
// no-throw allocation function (which the engine's texts allocate through)
// so that it can refuse large requests on demand, and installs a report
// sink that throws instead of ending the process.
#include <gtest/gtest.h>

#include <cstddef>
#include <new>
#include <string>

#include "common/event_lock.h"
#include "common/fatal_error_report.h"
#include "engine/character_units.h"
#include "engine/convert_text.h"
#include "engine/gbk_text_operations.h"
#include "engine/text.h"
#include "tests/support/memory_text_box.h"

namespace {
std::size_t g_refuseFrom = 0;  // 0: refuse nothing
std::size_t g_refused = 0;
}  // namespace

void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept {
  if (g_refuseFrom != 0 && bytes >= g_refuseFrom) {
    g_refused = bytes;
    return nullptr;
  }
  try {
    return ::operator new(bytes);
  } catch (...) {
    return nullptr;
  }
}

namespace uescape {
namespace {

struct ReportShown {
  FatalError error;
};

// The byte count named by "分配 %d 字节内存失败!", or -1 when the message
// has another form.
long long AllocationMessageCount(const std::string& message) {
  const std::string prefix = "分配 ";
  const std::string suffix = " 字节内存失败!";
  if (message.rfind(prefix, 0) != 0 || message.size() <= prefix.size() + suffix.size() ||
      message.compare(message.size() - suffix.size(), suffix.size(), suffix) != 0) {
    return -1;
  }
  const std::string digits =
      message.substr(prefix.size(), message.size() - prefix.size() - suffix.size());
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return -1;
  return std::stoll(digits);
}

void ThrowReport(const FatalError& error) { throw ReportShown{error}; }

class AllocationFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    ReleaseRecycledTextMemory();  // so that large requests reach the allocator
    previous_ = SetFatalErrorSink(&ThrowReport);
  }
  void TearDown() override {
    g_refuseFrom = 0;
    SetFatalErrorSink(previous_);
    while (EventLockHeld()) ReleaseEventLock();
  }

  template <class Operation>
  FatalError ExpectReport(std::size_t refuseFrom, Operation operation) {
    g_refuseFrom = refuseFrom;
    g_refused = 0;
    try {
      operation();
    } catch (const ReportShown& shown) {
      g_refuseFrom = 0;
      return shown.error;
    }
    g_refuseFrom = 0;
    ADD_FAILURE() << "no report";
    return {};
  }

 private:
  FatalErrorSink previous_ = nullptr;
};

TEST_F(AllocationFailure, ReportsTheByteCountOfTheRefusedRequest) {
  const std::string big(1 << 20, 'A');
  const std::vector<std::pair<const char*, std::function<void()>>> operations = {
      {"LowerCaseText", [&] { LowerCaseText(big); }},
      {"ReplaceSubtext", [&] { ReplaceSubtext(big, "A", "bb"); }},
      {"TextMid", [&] { TextMid(big, 1, 1 << 20); }},
      {"BytesToText", [&] { BytesToText(big); }},
  };
  for (const auto& [name, operation] : operations) {
    const FatalError error = ExpectReport(1 << 20, operation);
    // The count is what the text asked for: at least its length, and no
    // more than the block the allocator was asked for.
    const long long count = AllocationMessageCount(error.message);
    EXPECT_GE(count, 1 << 20) << name << ": " << error.message;
    EXPECT_LE(count, static_cast<long long>(g_refused)) << name << ": " << error.message;
    EXPECT_EQ(error.windowId, 0) << name;
    EXPECT_EQ(error.unitId, 0) << name;
    EXPECT_TRUE(EventLockHeld()) << name;
    ReleaseEventLock();
  }
}

TEST_F(AllocationFailure, DuringAConversionAndWhileTheUnitListGrows) {
  testing::MemoryTextBox input(std::string(200000, 'x')), output;
  FatalError error = ExpectReport(1 << 20, [&] { ConvertText(input, output); });
  EXPECT_GT(AllocationMessageCount(error.message), 0) << error.message;
  EXPECT_EQ(output.text(), "") << "nothing half-made reaches the output box";

  UnitList units;
  error = ExpectReport(100000, [&] { SplitUnits(std::string(50000, 'x'), units); });
  EXPECT_GT(AllocationMessageCount(error.message), 0) << error.message;
}

TEST_F(AllocationFailure, TheReportTextHasTheAllocationMessageAndNoUnit) {
  const FatalError error = ExpectReport(1000, [] { LowerCaseText(std::string(5000, 'a')); });
  const std::string text = FatalErrorReportText(error);
  const long long count = AllocationMessageCount(error.message);
  EXPECT_EQ(text, "运行时出错!\r\n\r\n错误信息：分配 " + std::to_string(count) +
                      " 字节内存失败!\r\n\r\n0, 0\r\n");
  EXPECT_GE(count, 5000);
}

}  // namespace
}  // namespace uescape
