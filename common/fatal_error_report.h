// The one way UEscape reports a failure it cannot go on from: a modal
// error box, after which the process ends with exit code -1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace uescape {

struct FatalError {
  std::string message;  // UTF-8
  std::int32_t windowId = 0;
  std::int32_t unitId = 0;
  // Lines that follow the identifiers line, each on a line of its own.
  std::vector<std::string> extraDetailLines;
};

// The whole text of the report (UTF-8, CR LF line breaks).
std::string FatalErrorReportText(const FatalError& error);

// Where a report goes. A sink shows the report and ends the process; it
// must not return. The default writes the text to stderr and exits with -1.
// A test installs a sink that throws, to see the report without dying.
using FatalErrorSink = void (*)(const FatalError& error);
FatalErrorSink SetFatalErrorSink(FatalErrorSink sink);

// Raises the event lock for good, then hands the report to the sink.
[[noreturn]] void ReportFatalError(const FatalError& error);

}  // namespace uescape
