// The line converter over a generated 100,000-line L204.TXT, in fields per
// second: the text conversion alone, and ConvertLines through LineFile from
// one file to another (the command's work without fsync and rename).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "bench/l204_lines.h"
#include "engine/line_converter.h"
#include "engine/line_file.h"
#include "engine/quantity_catalogue.h"

namespace siconv {
namespace {

constexpr int kLines = 100000;
constexpr int kCriticalPressure = 2;

const std::vector<std::string>& Lines() {
  static const std::vector<std::string> lines = L204Lines(kLines);
  return lines;
}

void CountFields(benchmark::State& state) {
  state.counters["fields/s"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * kLines * kL204Fields, benchmark::Counter::kIsRate);
}

// As ConvertLines does it: one converter for the file, one output text reused.
void BM_ConvertLineText(benchmark::State& state) {
  const Quantity& q = Quantities()[kCriticalPressure];
  const LineConverter converter(kToSi, SeparatorMode::Commas, q.recordTable, q.recordFactor);
  const std::vector<std::string>& lines = Lines();
  std::string out;
  for (auto _ : state) {
    for (const std::string& line : lines) {
      out.clear();
      converter.Convert(line, out);
      benchmark::DoNotOptimize(out.data());
    }
  }
  CountFields(state);
}
BENCHMARK(BM_ConvertLineText)->Unit(benchmark::kMillisecond)->MinTime(3);

// A scratch folder holding the generated file, removed at the end.
class ScratchFile {
 public:
  ScratchFile() {
    char pattern[] = "/tmp/siconv-bench-XXXXXX";
    if (!::mkdtemp(pattern)) throw std::runtime_error("cannot make a scratch folder");
    folder_ = pattern;
    std::ofstream out(Input(), std::ios::binary);
    for (const std::string& line : Lines()) out << line << "\r\n";
  }
  ~ScratchFile() { std::filesystem::remove_all(folder_); }
  std::string Input() const { return folder_ + "/L204.TXT"; }
  std::string Output() const { return folder_ + "/KELDRAN.$$$"; }

 private:
  std::string folder_;
};

void BM_ConvertLinesFile(benchmark::State& state) {
  const ScratchFile files;
  const Quantity& q = Quantities()[kCriticalPressure];
  for (auto _ : state) {
    LineFile in;
    LineFile out;
    in.Bind(files.Input());
    out.Bind(files.Output());
    if (in.OpenRead() != 0 || out.OpenWrite() != 0) {
      state.SkipWithError("cannot open the scratch files");
      break;
    }
    ConvertLines(in, out, kToSi, SeparatorMode::Commas, q.recordTable, -1, q.recordFactor);
    in.Close();
    out.Close();
  }
  CountFields(state);
}
BENCHMARK(BM_ConvertLinesFile)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace
}  // namespace siconv
