// Times a click of "转换" in the real window on long Chinese inputs against
// the floor that the output box itself sets: putting the same final output
// text into the box directly. Both in the same run, on fresh windows.
//   window_click_bench.exe [CHARACTERS...]   (default 1000 4000 10000)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/convert_text.h"
#include "tests/support/plain_text_box.h"
#include "tests/support/sample_texts.h"
#include "tests/window/running_program.h"

using namespace uescape::window_testing;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::duration elapsed) { return std::chrono::duration<double>(elapsed).count(); }

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes = {1000, 4000, 10000};
  if (argc > 1) {
    sizes.clear();
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  }
  std::printf("%10s %12s %10s %10s %8s  %s\n", "characters", "output bytes", "click s", "floor s",
              "ratio", "same text");
  int failures = 0;
  for (int characters : sizes) {
    const std::string input =
        uescape::testing::ChineseText(static_cast<std::size_t>(characters), static_cast<unsigned>(characters));
    uescape::testing::PlainTextBox expectedIn(input), expectedOut;
    uescape::ConvertText(expectedIn, expectedOut);

    auto program = RunningProgram::Start();
    if (!program) return 1;
    const auto inputStart = Clock::now();
    program->SetText(kInputBoxId, input);
    const double inputWrite = Seconds(Clock::now() - inputStart);
    const auto clickStart = Clock::now();
    program->Click();  // returns when the conversion is done
    const double click = Seconds(Clock::now() - clickStart);
    const std::string output = program->Text(kOutputBoxId);

    program->SetText(kOutputBoxId, "");
    const std::wstring wide = FromGbk(output);
    const auto floorStart = Clock::now();
    SendMessageW(program->control(kOutputBoxId), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(wide.c_str()));
    const double floor = Seconds(Clock::now() - floorStart);

    const bool same = output == uescape::View(expectedOut.text());
    failures += same ? 0 : 1;
    std::printf("%10d %12zu %10.3f %10.3f %8.2f  %s   (one write of the input box: %.3f s)\n",
                characters, output.size(), click, floor, click / floor, same ? "yes" : "NO",
                inputWrite);
    std::fflush(stdout);
  }
  return failures == 0 ? 0 : 1;
}
