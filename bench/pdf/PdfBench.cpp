// Writing a 50-page document of text, rules and filled boxes: the size of the largest
// report (score tables of 48 rows per page), compressed, built in memory.
#include "pdf/cpdf.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kPages = 50;
constexpr int kRows = 48;

int32_t writeDocument() {
  CpdfDocument* doc = cpdf_open(0, nullptr);
  cpdf_enableCompression(doc, 1);
  cpdf_init(doc);
  cpdf_infoTitle(doc, "Benchmark report");
  for (int page = 1; page <= kPages; ++page) {
    cpdf_pageInit(doc, page, 0, "0 0 612 792", "0 0 612 792");
    cpdf_setrgbcolorfill(doc, 0.85f, 0.85f, 0.85f);
    cpdf_rawRect(doc, 72, 700, 468, 16);
    cpdf_fill(doc);
    cpdf_setrgbcolorStroke(doc, 0, 0, 0);
    cpdf_lineWidthW(doc, 0.5f);
    for (int row = 0; row < kRows; ++row) {
      float y = 690.0f - 12.5f * static_cast<float>(row);
      if (row % 2 == 0) {
        cpdf_setrgbcolorfill(doc, 0.93f, 0.95f, 1.0f);
        cpdf_rawRect(doc, 72, y - 3, 468, 12.5f);
        cpdf_fill(doc);
      }
      cpdf_rawMoveto(doc, 72, y - 3);
      cpdf_rawLineto(doc, 540, y - 3);
      cpdf_stroke(doc);
      cpdf_beginText(doc);
      cpdf_setFont(doc, "Bookman-Light", nullptr, 10);
      cpdf_setrgbcolorfill(doc, 0, 0, 0);
      std::string label = "Row " + std::to_string(row + 1) + " Choice A versus Choice B";
      cpdf_rawText(doc, 76, y, 0, label.c_str());
      float w = cpdf_stringWidth(doc, "3");
      cpdf_rawText(doc, 400 - w / 2, y, 0, "3");
      cpdf_setFont(doc, "Symbol", nullptr, 10);
      cpdf_rawText(doc, 420, y, 0, "\xDC");
      cpdf_endText(doc);
    }
    cpdf_finalizePage(doc, page);
  }
  cpdf_finalizeAll(doc);
  const char* buffer = nullptr;
  int32_t length = 0;
  cpdf_documentBuffer(doc, &buffer, &length);
  cpdf_close(doc);
  return length;
}

void BM_FiftyPageReport(benchmark::State& state) {
  int32_t bytes = 0;
  for (auto _ : state) {
    bytes = writeDocument();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["pages/s"] =
      benchmark::Counter(static_cast<double>(kPages) * state.iterations(), benchmark::Counter::kIsRate);
  state.counters["bytes/page"] = static_cast<double>(bytes) / kPages;
}
BENCHMARK(BM_FiftyPageReport)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
