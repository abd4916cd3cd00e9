// The report of a model at the file limits (10 choices, 5 decision makers, 7 criteria,
// every pair scored, a full ranking): time per report and the file's size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>

#include "DemoShapedModel.h"
#include "ReportTestSupport.h"
#include "report/PdfReport.h"
#include "report/ReportDevice.h"

namespace {

void BM_ReportAtFileLimits(benchmark::State& state) {
  using namespace PV::Report;
  const PV::Data::DecisionModel model = Support::limitModel();
  PdfData data(model, Support::fixedAboutTexts());
  data.setClock(Support::fixedClock);
  const std::string path = "report_bench.pdf";
  const PdfReportOptions options(true, false, path);
  for (auto _ : state) {
    const int status = createPdfReport(data, options, nullptr);
    if (status != REPORT_WRITTEN) state.SkipWithError("report not written");
  }
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  state.counters["file_bytes"] = static_cast<double>(file.tellg());
  std::remove(path.c_str());
}
BENCHMARK(BM_ReportAtFileLimits)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
