// The weight column's formatter (pattern "####", flags 0x2c0002) formats 100,000 weights
// as a grid does when it fills a column (the value pasted into an empty cell) and turns
// each displayed text back into a plain number; a grouped pattern with a fraction is
// measured beside it. Items per second are values formatted and unformatted.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/format/zIntlContext.h"
#include "framework/format/zNumFormatter.h"

namespace {

constexpr int kValues = 100000;

std::vector<std::string> weights(bool fraction) {
  std::vector<std::string> out;
  out.reserve(kValues);
  uint32_t x = 12345;
  for (int i = 0; i < kValues; ++i) {
    x = x * 1103515245u + 12345u;
    char buffer[32];
    if (fraction)
      std::snprintf(buffer, sizeof buffer, "%u.%02u", (x >> 8) % 10000u, (x >> 4) % 100u);
    else
      std::snprintf(buffer, sizeof buffer, "%u", (x >> 8) % 10000u);
    out.push_back(buffer);
  }
  return out;
}

void run(benchmark::State& state, uint32_t flags, const char* pattern, bool fraction) {
  const std::vector<std::string> values = weights(fraction);
  zNumFormatter formatter(flags, pattern, new zIntlContext(zIntlSettings()));
  size_t checksum = 0;
  for (auto _ : state) {
    for (const std::string& v : values) {
      FLCString text("");
      zRange sel(0, 0);
      formatter.edit(text, v.c_str(), static_cast<int>(v.size()), sel);
      formatter.unformat(text);
      checksum += text.length();
    }
  }
  benchmark::DoNotOptimize(checksum);
  state.SetItemsProcessed(state.iterations() * kValues);
}

void BM_WeightsColumn(benchmark::State& state) { run(state, 0x2c0002, "####", false); }
void BM_GroupedAmounts(benchmark::State& state) { run(state, 0, "-#,###.##", true); }

}  // namespace

BENCHMARK(BM_WeightsColumn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupedAmounts)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
