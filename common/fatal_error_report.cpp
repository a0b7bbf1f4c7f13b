#include "common/fatal_error_report.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/event_lock.h"

namespace uescape {
namespace {

void WriteToStderrAndExit(const FatalError& error) {
  const std::string text = FatalErrorReportText(error);
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
  std::_Exit(-1);
}

FatalErrorSink g_sink = &WriteToStderrAndExit;

}  // namespace

std::string FatalErrorReportText(const FatalError& error) {
  std::string text = "运行时出错!\r\n";
  text += "\r\n错误信息：";
  text += error.message;
  text += "\r\n";
  text += "\r\n";
  text += std::to_string(error.windowId);
  text += ", ";
  text += std::to_string(error.unitId);
  for (const std::string& line : error.extraDetailLines) {
    text += "\r\n";
    text += line;
  }
  text += "\r\n";
  return text;
}

FatalErrorSink SetFatalErrorSink(FatalErrorSink sink) {
  FatalErrorSink previous = g_sink;
  g_sink = sink ? sink : &WriteToStderrAndExit;
  return previous;
}

void ReportFatalError(const FatalError& error) {
  HoldEventLock();
  g_sink(error);
  // A sink that returns breaks its contract; the program still must not go on.
  std::abort();
}

}  // namespace uescape
