// Converts the same mixed text with the program's conversion and with the
// literal procedure (a fresh table copy and a full-table walk per unit),
// and prints both throughputs and their ratio.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "tests/support/sample_texts.h"
#include "engine/convert_text.h"
#include "tests/literal_model/literal_model.h"
#include "tests/support/plain_text_box.h"

namespace uescape::bench {
namespace {

constexpr std::size_t kTextBytes = 1 << 20;
constexpr std::size_t kLiteralSampleBytes = 1 << 10;

const std::string& Text1MB() {
  static const std::string text = testing::MixedGbkText(kTextBytes);
  return text;
}

const std::string& Text10MB() {
  static const std::string text = testing::MixedGbkText(10 * kTextBytes, 10);
  return text;
}

void Production(benchmark::State& state) {
  const std::string& text = state.range(0) == 10 ? Text10MB() : Text1MB();
  for (auto _ : state) {
    testing::PlainTextBox input(text), output;
    ConvertText(input, output);
    benchmark::DoNotOptimize(output.text().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void Literal(benchmark::State& state) {
  const std::string sample = Text1MB().substr(0, kLiteralSampleBytes);
  for (auto _ : state) {
    testing::PlainTextBox input(sample), output;
    literal::ConvertText(input, output, literal::kEuroStandsAlone);
    benchmark::DoNotOptimize(output.text().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * sample.size()));
}

BENCHMARK(Production)->Name("ConvertText/1MiB mixed GBK")->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(Production)->Name("ConvertText/10MiB mixed GBK")->Arg(10)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(Literal)->Name("LiteralConvertText/1KiB sample")->Unit(benchmark::kMillisecond)->Iterations(2);

// Keeps each run's throughput so the ratio can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const auto found = run.counters.find("bytes_per_second");
      if (found != run.counters.end()) throughput_[run.benchmark_name()] = found->second.value;
    }
  }
  void PrintRatio() const {
    const double production = throughput_.at("ConvertText/1MiB mixed GBK/1/min_time:1.000");
    const double tenfold = throughput_.at("ConvertText/10MiB mixed GBK/10/min_time:2.000");
    const double literal = throughput_.at("LiteralConvertText/1KiB sample/iterations:2");
    std::printf("\nproduction: %.1f MB/s of input (1 MiB), %.1f MB/s (10 MiB)\n", production / 1e6,
                tenfold / 1e6);
    std::printf("literal:    %.4f MB/s of input (%.0f bytes/s)\n", literal / 1e6, literal);
    std::printf("ratio:      %.0f times\n", production / literal);
  }

 private:
  std::map<std::string, double> throughput_;
};

}  // namespace
}  // namespace uescape::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  uescape::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio();
  benchmark::Shutdown();
  return 0;
}
