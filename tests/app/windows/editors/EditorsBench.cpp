// Times the list editors in the real main window, run under Wine by hand:
//   wine64 app_editors_bench.exe [keys]
// A model at the file's limits (10 choices, 7 criteria, 5 decision makers); each round
// opens an editor (its table has all its rows: 254, 56 or 54), fills it from the model,
// writes it back (Update) and closes it. Beside it, in the same run, the model
// properties dialog is opened and closed as often. Then the time from a keystroke in a
// cell to the cell painted, and the same with the queue run after each key ("keys" runs
// these alone). Printed: milliseconds per round, and the handle a new
// kernel, window-manager and GDI object gets before and after (a table that grew would
// hand out a higher one).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchCounts.h"
#include "RawWin32Anchors.h"
#include "app/dialogs/DModelProperties.h"
#include "app/program/ProgramMain.h"
#include "app/program/WMain.h"
#include "app/windows/editors/ModelEditors.h"
#include "factory/Factory.h"
#include "framework/core/zProgram.h"
#include "math/MathServer.h"
#include "model/DecisionModel.h"

namespace {

constexpr int kRounds = 100;

void pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void fillToLimits() {
  auto* server = PV::Data::Factory::instance()->getMathServer(0);
  std::vector<PV::Data::Choice> chs(10);
  std::vector<PV::Data::Criterion> crs(7);
  std::vector<PV::Data::DecisionMaker> dms(5);
  for (uint32_t i = 0; i < 10; ++i) {
    chs[i].set_nm("Choice " + std::to_string(i + 1));
    chs[i].set_note("A note of the choice");
    chs[i].set_row(static_cast<uint8_t>(i + 1));
    chs[i].set_uid(i + 1);
  }
  for (uint32_t i = 0; i < 7; ++i) {
    crs[i].set_nm("Criterion " + std::to_string(i + 1));
    crs[i].set_wt(static_cast<uint16_t>(10 + i));
    crs[i].set_row(static_cast<uint8_t>(i + 1));
    crs[i].set_uid(i + 1);
  }
  for (uint32_t i = 0; i < 5; ++i) {
    dms[i].set_nm("Decision maker " + std::to_string(i + 1));
    dms[i].set_wt(100);
    dms[i].set_row(static_cast<uint8_t>(i + 1));
    dms[i].set_uid(i + 1);
  }
  server->setChoices(chs);
  server->setCriteria(crs);
  server->setDecisionMakers(dms);
}

template <class Editor>
double editorRounds(PV::App::WMain* w, const char* name) {
  const BenchCounts before = benchCounts();
  const double start = benchSeconds();
  for (int i = 0; i < kRounds; ++i) {
    Editor* editor = Editor::open(w);
    pump();
    editor->updateAndRecalc();
    SendMessageA(editor->handle(), WM_CLOSE, 0, 0);
    pump();
  }
  const double perRound = (benchSeconds() - start) * 1000.0 / kRounds;
  const BenchCounts after = benchCounts();
  std::printf("%-16s %7.2f ms a round   probes kernel %#lx -> %#lx, user %#lx -> %#lx, gdi %#lx -> %#lx\n", name,
              perRound, static_cast<unsigned long>(before.kernelProbe), static_cast<unsigned long>(after.kernelProbe),
              static_cast<unsigned long>(before.userProbe), static_cast<unsigned long>(after.userProbe),
              static_cast<unsigned long>(before.gdiProbe), static_cast<unsigned long>(after.gdiProbe));
  return perRound;
}

double dialogRounds(PV::App::WMain* w) {
  const BenchCounts before = benchCounts();
  const double start = benchSeconds();
  for (int i = 0; i < kRounds; ++i) {
    auto* dialog = new DModelProperties(w);
    pump();
    delete dialog;
    pump();
  }
  const double perRound = (benchSeconds() - start) * 1000.0 / kRounds;
  const BenchCounts after = benchCounts();
  std::printf("%-16s %7.2f ms a round   probes kernel %#lx -> %#lx, user %#lx -> %#lx, gdi %#lx -> %#lx\n",
              "properties", perRound, static_cast<unsigned long>(before.kernelProbe),
              static_cast<unsigned long>(after.kernelProbe), static_cast<unsigned long>(before.userProbe),
              static_cast<unsigned long>(after.userProbe), static_cast<unsigned long>(before.gdiProbe),
              static_cast<unsigned long>(after.gdiProbe));
  return perRound;
}

// 200 keys, each typed into a cell of the notes column and entered (the table moves on
// to the next row's name, scrolling a line while the rows run on), timed to the painted
// cell; with runQueue each key's queue runs before the time is taken, as a person's
// program runs it before the next key: the bar's moved thumb is drawn then.
void keyRun(PV::GUI::ItemTable* table, bool runQueue, const char* what) {
  const HWND grid = table->handle();
  const HWND line = table->editLine()->handle();
  constexpr int kKeys = 200;
  double worst = 0.0;
  std::vector<double> took(kKeys);
  const double start = benchSeconds();
  for (int i = 0; i < kKeys; ++i) {
    const double t0 = benchSeconds();
    table->setCurrentCell(zTableCellPos(3, 10 + i % 40));
    SetFocus(grid);
    SendMessageA(grid, WM_CHAR, 'a' + i % 26, 0);
    SendMessageA(line, WM_KEYDOWN, VK_RETURN, 0);
    UpdateWindow(grid);
    if (runQueue) pump();
    took[i] = benchSeconds() - t0;
    worst = std::max(worst, took[i]);
  }
  std::printf("%s: %.2f ms on average, %.2f ms at worst (%d keys)\n", what,
              (benchSeconds() - start) * 1000.0 / kKeys, worst * 1000.0, kKeys);
  // Which keys were the worst: the first one (something made at the first edit) or keys
  // anywhere (the machine's load).
  std::vector<int> order(kKeys);
  for (int i = 0; i < kKeys; ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&took](int a, int b) { return took[a] > took[b]; });
  std::printf("the worst keys:");
  for (int i = 0; i < 5; ++i)
    std::printf(" key %d %.2f ms%s", order[i] + 1, took[order[i]] * 1000.0, i < 4 ? "," : "\n");
}

void keystrokes(PV::App::WMain* w) {
  PV::GUI::DCriteria* editor = PV::GUI::DCriteria::open(w);
  pump();
  PV::GUI::ItemTable* table = editor->itemTable();
  const HWND grid = table->handle();
  keyRun(table, false, "keystroke to painted cell");
  pump();
  keyRun(table, true, "keystroke to painted cell, the queue run");
  // What drawing a scroll bar costs by itself under this system: a table that scrolls
  // draws its bar after the key's cells, when the queue runs.
  RECT area{};
  GetClientRect(grid, &area);
  std::printf("a thumb moved in a plain Win32 window's own bar of the table's size: %.2f ms\n",
              RawAnchor::scrollThumbMoveMs(editor->handle(), area.right, area.bottom, 50));
  // The notes typed have no names: the editor goes without writing them.
  editor->discard();
  pump();
}

}  // namespace

// With the argument "keys" only the keystrokes are timed.
int main(int argc, char** argv) {
  const bool keysOnly = argc > 1 && std::string(argv[1]) == "keys";
  static char noCommandLine[] = "";
  zProgram app(GetModuleHandleA(nullptr), nullptr, noCommandLine, SW_SHOWNORMAL);
  zTheProgram = &app;
  {
    PV::App::ProgramMain program(&app);
    if (!program.start()) return 1;
    PV::App::WMain* w = program.window();
    fillToLimits();
    pump();
    if (!keysOnly) {
      const double properties = dialogRounds(w);
      const double choices = editorRounds<PV::GUI::DChoices>(w, "choices (254)");
      const double criteria = editorRounds<PV::GUI::DCriteria>(w, "criteria (56)");
      const double dms = editorRounds<PV::GUI::DDecisionMakers>(w, "dms (54)");
      std::printf("editor round over dialog round: choices %.2f, criteria %.2f, decision makers %.2f\n",
                  choices / properties, criteria / properties, dms / properties);
    }
    keystrokes(w);
  }
  zTheProgram = nullptr;
  return 0;
}
