// Throughput of the number text rules on field texts and values typical of
// survey record files.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "engine/format_text.h"
#include "engine/parse_number_text.h"

namespace {

using siconv::Extended;

constexpr std::array<std::string_view, 8> kFields = {"    147.099747", "1.5",       "  0.000012",
                                                     "98.0665",        "   -12.50", "1234567",
                                                     "0.0078125",      "  2.5E-3"};

constexpr std::array<float, 8> kValues = {147.09975f, 1.5f,      0.000012f,  98.0665f,
                                          -12.5f,     1234567.f, 0.0078125f, 0.0025f};

void BM_ParseNumberText(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(siconv::ParseNumberText(kFields[i++ % kFields.size()]));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseNumberText);

void BM_FormatNumberText(benchmark::State& state, const char* format) {
  std::size_t i = 0;
  for (auto _ : state) {
    const Extended v = kValues[i++ % kValues.size()];
    benchmark::DoNotOptimize(siconv::FormatNumberText(format, v));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_FormatNumberText, f13_6, "%13.6f");
BENCHMARK_CAPTURE(BM_FormatNumberText, g13_6, "%13.6g");

// One scaled field as the line converter treats it.
void BM_ParseScaleFormat(benchmark::State& state) {
  const double factor = 98.0665;
  std::size_t i = 0;
  for (auto _ : state) {
    const auto field = static_cast<float>(siconv::ParseNumberText(kFields[i++ % kFields.size()]));
    const auto scaled = static_cast<float>(static_cast<Extended>(field) * factor);
    benchmark::DoNotOptimize(siconv::FormatNumberText("%13.6f", static_cast<Extended>(scaled)));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseScaleFormat);

}  // namespace
