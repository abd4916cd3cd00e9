// Opens, fills and paints a solution window and closes it again, 200 times, for the
// demonstration model's ranking and for one at the model file's limits, side by side
// with a plain MDI child of the same size that paints nothing; prints the time per
// window, its ratio to the plain child's, and the process's handle and GDI counts
// before and after each series. A timed program, not a test: run it under Wine by hand,
//   wine64 solution_window_bench.exe [--rounds N]
#include "BenchCounts.h"
#include "GuiTestSupport.h"
#include "SolutionTestSupport.h"
#include "app/windows/solution/TableChartWindow.h"
#include "factory/DemoModel.h"
#include "factory/Factory.h"
#include "framework/core/zProgram.h"
#include "framework/frames/zMDIAppFrame.h"
#include "framework/grid/zTable.h"
#include "framework/layout/zSizer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

using PV::GUI::TableChartWindow;

zSizer* place() { return new zSizer(zPoint(10, 10), zDimension(760, 560), nullptr); }

// Shows the window and paints it and all its children once, then deletes it.
void paintAndClose(zMDIChildFrame* window) {
  window->show(SW_SHOWNORMAL);
  RedrawWindow(window->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  delete window;
  pump();
}

struct Series {
  const char* name;
  std::function<zMDIChildFrame*()> make;
  double ms = 0;
};

double run(Series& s, int rounds) {
  for (int i = 0; i < 5; ++i) paintAndClose(s.make());  // warm-up: classes, fonts, caches
  const BenchCounts before = benchCounts();
  const double t0 = benchSeconds();
  for (int i = 0; i < rounds; ++i) paintAndClose(s.make());
  const double t1 = benchSeconds();
  const BenchCounts after = benchCounts();
  s.ms = 1000.0 * (t1 - t0) / rounds;
  std::printf("%s: %.3f ms per window\n", s.name, s.ms);
  printBenchCounts(before, after);
  return s.ms;
}

}  // namespace

int main(int argc, char** argv) {
  static char commandLine[] = "";
  zProgram* app = new zProgram(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL);
  zTheProgram = app;
  const int rounds = argc == 3 && std::strcmp(argv[1], "--rounds") == 0 ? std::atoi(argv[2]) : 200;
  zMDIAppFrame* frame =
      new zMDIAppFrame(nullptr, new zSizer(zPoint(0, 0), zDimension(1000, 700), nullptr), 0, "bench", nullptr, 1000);
  frame->show(SW_SHOWNORMAL);

  PV::Data::RankSolutionData demo;
  auto algorithm = PV::Test::makeDataModel(demo, false, false);
  const PV::Data::RankSolutionData limits = limitsRanking();
  Series series[] = {
      {"plain MDI child", [&] { return new zMDIChildFrame(frame, place(), WS_OVERLAPPEDWINDOW, "plain"); }},
      {"solution window, demonstration model (10 choices)",
       [&] { return new TableChartWindow(frame, place(), WS_OVERLAPPEDWINDOW, "#1 Solution", 1, demo, 292); }},
      {"solution window, model at the file limits",
       [&] { return new TableChartWindow(frame, place(), WS_OVERLAPPEDWINDOW, "#1 Solution", 1, limits, 292); }},
  };
  std::printf("rounds: %d\n", rounds);
  for (Series& s : series) run(s, rounds);
  for (int i = 1; i < 3; ++i)
    std::printf("%s: %.2f times the plain child\n", series[i].name, series[i].ms / series[0].ms);
  algorithm.reset();
  PV::Data::Factory::destroy();
  delete frame;
  delete app;
  return 0;
}
