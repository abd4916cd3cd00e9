// Opens, fills and paints a solution window and closes it again, 200 times, for the
// demonstration model's ranking and for one at the model file's limits, side by side
// with the framework's plain MDI child of the same size that paints nothing and with the
// anchor, the same steps on an MDI child in plain Win32 calls (bench/windows). Beside
// each ranking it runs, too, a plain Win32 window of the solution window's structure
// showing the same ranking (the same child windows and scroll bars, the same texts and
// bars drawn with the same calls): what the window system alone costs for what the
// solution window shows. The series take turns round by round (interleaved, so that a
// change of the machine's speed touches all alike); prints the time per window, its
// ratio to the anchor's and to the plain window of the same structure, and the
// process's handle and GDI counts before and after. Each round runs the window's queue
// after its paint and before its close, as a person's program does. A timed program, not a test: run it
// under Wine by hand,
//   wine solution_window_bench.exe [--rounds N]
#include "BenchCounts.h"
#include "GuiTestSupport.h"
#include "RawWin32Anchors.h"
#include "SolutionTestSupport.h"
#include "app/windows/solution/ChartArith.h"
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
#include <string>
#include <vector>

namespace {

using PV::GUI::TableChartWindow;

zSizer* place() { return new zSizer(zPoint(10, 10), zDimension(760, 560), nullptr); }

// Shows the window and paints it and all its children once, runs its queue (what the
// window left for the queue, such as its scroll bars drawn again, is part of its cost,
// as a person's program runs the queue before anything closes the window), then
// deletes it.
void paintAndClose(zMDIChildFrame* window) {
  window->show(SW_SHOWNORMAL);
  RedrawWindow(window->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  pump();
  delete window;
  pump();
}

// The ranking's texts as the plain window of the same structure shows them.
struct PlainContent {
  explicit PlainContent(const PV::Data::RankSolutionData& data) {
    for (const auto& row : data.rows) {
      strings.push_back(PV::GUI::ChartArith::rankText(row.pctRank));
      strings.push_back(std::to_string(row.row));
      strings.push_back(" " + row.name);
      strings.push_back(" " + row.note);
    }
    for (const std::string& text : strings) texts.push_back(text.c_str());
    content.rows = static_cast<int>(data.rows.size());
    content.texts = texts.data();
  }
  std::vector<std::string> strings;
  std::vector<const char*> texts;
  RawAnchor::TableChartContent content{};
};

struct Series {
  const char* name;
  std::function<void()> round;
  double seconds = 0;
};

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
  const PlainContent plainDemo(demo), plainLimits(limits);
  Series series[] = {
      {"raw Win32 MDI child (the anchor)",
       [] {
         HWND child = RawAnchor::mdiChildOpen(ziMDIClientWindow, 760, 560);
         RawAnchor::mdiChildPaint(child);
         pump();
         RawAnchor::mdiChildClose(ziMDIClientWindow, child);
       }},
      {"plain MDI child", [&] { paintAndClose(new zMDIChildFrame(frame, place(), WS_OVERLAPPEDWINDOW, "plain")); }},
      {"solution window, demonstration model (10 choices)",
       [&] { paintAndClose(new TableChartWindow(frame, place(), WS_OVERLAPPEDWINDOW, "#1 Solution", 1, demo, 292)); }},
      {"solution window, model at the file limits",
       [&] {
         paintAndClose(new TableChartWindow(frame, place(), WS_OVERLAPPEDWINDOW, "#1 Solution", 1, limits, 292));
       }},
      {"plain Win32 window of the same structure, demonstration model",
       [&] { RawAnchor::tableChartChildRound(ziMDIClientWindow, 760, 560, plainDemo.content, true); }},
      {"plain Win32 window of the same structure, model at the file limits",
       [&] { RawAnchor::tableChartChildRound(ziMDIClientWindow, 760, 560, plainLimits.content, true); }},
  };
  std::printf("rounds: %d (each window's queue is run after its paint, before its close)\n", rounds);
  for (int i = 0; i < 5; ++i) {  // warm-up: classes, fonts, caches
    for (Series& s : series) s.round();
  }
  const BenchCounts before = benchCounts();
  for (int i = 0; i < rounds; ++i) {
    for (Series& s : series) {
      const double t0 = benchSeconds();
      s.round();
      s.seconds += benchSeconds() - t0;
    }
  }
  const BenchCounts after = benchCounts();
  const double anchorMs = 1000.0 * series[0].seconds / rounds;
  std::printf("%s: %.3f ms per window\n", series[0].name, anchorMs);
  auto ms = [&](int i) { return 1000.0 * series[i].seconds / rounds; };
  for (int i = 1; i < 4; ++i) RawAnchor::printRatio(series[i].name, ms(i), "raw Win32 child", anchorMs);
  for (int i = 4; i < 6; ++i) RawAnchor::printRatio(series[i].name, ms(i), "raw Win32 child", anchorMs);
  std::printf("beside the plain Win32 window of the same structure:\n");
  for (int i = 2; i < 4; ++i) RawAnchor::printRatio(series[i].name, ms(i), "the same structure", ms(i + 2));
  std::printf("all series together:\n");
  printBenchCounts(before, after);
  algorithm.reset();
  PV::Data::Factory::destroy();
  delete frame;
  delete app;
  return 0;
}
