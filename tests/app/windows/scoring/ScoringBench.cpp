// Times the scoring pane under Wine and prints the figures; run by hand:
//   wine64 app_scoring_bench.exe
// A key that scores a pair and moves to the next (a digit, then Enter), measured from
// the key to the pane painted again; a pair set of 45 pairs (ten choices, the file's
// limit for one criterion at this confidence) loaded into the pane, against opening
// the model-properties dialog in the same run; and the process's window-manager and
// GDI tables over 100 loads (a probe that stays put means the table did not grow).
#include "BenchCounts.h"
#include "OneCriterionModel.h"
#include "app/dialogs/DModelProperties.h"
#include "app/windows/scoring/DCompareChoices.h"
#include "app/windows/scoring/DPairedPrefScoring.h"
#include "app/windows/scoring/PairedPrefScoringPane.h"
#include "app/shared/ModelWindowHost.h"
#include "factory/Factory.h"
#include "framework/controls/zListBox.h"
#include "framework/core/zProgram.h"
#include "framework/frames/zMDIAppFrame.h"
#include "framework/layout/zSizer.h"
#include "math/MathServer.h"
#include "xml/XmlOptsFile.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

class BenchFrame : public zMDIAppFrame, public PV::App::ModelWindowHost {
 public:
  BenchFrame()
      : zMDIAppFrame(nullptr, new zSizer(zPoint(0, 0), zDimension(1000, 720), nullptr), WS_OVERLAPPEDWINDOW,
                     "Scoring bench", nullptr, 1000) {}
  PV::App::ModelDocument& document() override { return document_; }
  int32_t addModelWindow(PV::App::ModelWindow*) override { return 0; }
  void removeModelWindow(PV::App::ModelWindow*) override {}
  PV::App::ModelDocument document_;
};

void pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void paintNow(PairedPrefScoringPane* pane) {
  RedrawWindow(pane->handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void makeModel() {
  PV::Data::ModelParameters params;
  params.set_cfl(99.0);
  params.set_cfi(1.0);
  params.set_sil(5);
  PV::Data::Factory::instance()->newModel(params, false)->set_nm("Bench");
  auto* ms = PV::Data::Factory::instance()->getMathServer(0);
  const OneCriterionModel m = oneCriterionModel(10, "Choice number ");
  ms->setDecisionMakers(m.decisionMakers);
  ms->setCriteria(m.criteria);
  ms->setChoices(m.choices);
  ms->update();
}

}  // namespace

int main() {
  const std::string home = std::string("Z:") + PV_SCORING_TEST_OUT + "/bench-config";
  std::filesystem::create_directories(home);
  PV::XML::setOptionsHome({home, "bench"});
  static char commandLine[] = "";
  zProgram* app = new zProgram(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL);
  zTheProgram = app;
  BenchFrame* frame = new BenchFrame();
  frame->show(SW_SHOWNORMAL);
  makeModel();
  DCompareChoices* selector = DCompareChoices::open(frame);
  pump();
  SendMessageA(selector->handle(), WM_COMMAND, MAKEWPARAM(129, BN_CLICKED), 0);
  pump();
  DPairedPrefScoring* scoring = DPairedPrefScoring::instance();
  PairedPrefScoringPane* pane = scoring->pane();
  const std::vector<PV::Scoring::PairNames> names = pane->names();
  const std::vector<int> scores = pane->scores();
  std::printf("pairs in the set: %u\n", static_cast<unsigned>(scores.size()));

  // Loads: each a fresh pair set into the shown pane, painted; the tables are probed
  // once the first loads have made what stays.
  for (int i = 0; i < 5; ++i) {
    scoring->loadPairSet(0, 0, names, scores, "DM1", "", "Cr1", "", 1, 1);
    paintNow(pane);
    pump();
  }
  const auto before = benchCounts();
  double loadTime = 0;
  for (int i = 0; i < 100; ++i) {
    const double t0 = benchSeconds();
    scoring->loadPairSet(0, 0, names, scores, "DM1", "", "Cr1", "", 1, 1);
    paintNow(pane);
    loadTime += benchSeconds() - t0;
    pump();
  }
  const auto after = benchCounts();
  // A slot of the GDI table is not always the lowest free one under Wine: a probe
  // that moved is checked over ten times as many loads, where a leak would climb.
  for (int i = 0; i < 1000; ++i) {
    scoring->loadPairSet(0, 0, names, scores, "DM1", "", "Cr1", "", 1, 1);
    paintNow(pane);
    pump();
  }
  const auto longRun = benchCounts();

  // Keys: a digit scores the pair, Enter moves on; the pane painted after each.
  double keyTime = 0;
  double worst = 0;
  const int keys = 200;
  for (int i = 0; i < keys; ++i) {
    if (i % 44 == 0) {
      SendMessageA(pane->handle(), WM_KEYDOWN, VK_HOME, 1);
      paintNow(pane);
    }
    const double t0 = benchSeconds();
    SendMessageA(pane->handle(), WM_CHAR, '1' + (i % 5), 1);
    SendMessageA(pane->handle(), WM_KEYUP, VK_RETURN, 0xC0000001);
    paintNow(pane);
    const double t = benchSeconds() - t0;
    keyTime += t;
    if (t > worst) worst = t;
  }

  // The model-properties dialog, opened and closed as the command does.
  double dialogTime = 0;
  for (int i = 0; i < 20; ++i) {
    const double t0 = benchSeconds();
    {
      DModelProperties dialog(frame);
      RedrawWindow(dialog.handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    dialogTime += benchSeconds() - t0;
    pump();
  }

  std::printf("score and advance: %.3f ms per key (worst %.3f ms), goal under 16 ms\n", 1000 * keyTime / keys,
              1000 * worst);
  std::printf("load of %u pairs: %.3f ms per load; model properties opened: %.3f ms\n",
              static_cast<unsigned>(scores.size()), 1000 * loadTime / 100, 1000 * dialogTime / 20);
  std::printf("window-manager probe %s (%#llx -> %#llx), GDI probe %s (%#llx -> %#llx) over 100 loads\n",
              before.userProbe == after.userProbe ? "steady" : "MOVED",
              static_cast<unsigned long long>(before.userProbe), static_cast<unsigned long long>(after.userProbe),
              before.gdiProbe == after.gdiProbe ? "steady" : "MOVED", static_cast<unsigned long long>(before.gdiProbe),
              static_cast<unsigned long long>(after.gdiProbe));
  std::printf("after 1000 more loads: window-manager probe %#llx, GDI probe %#llx\n",
              static_cast<unsigned long long>(longRun.userProbe), static_cast<unsigned long long>(longRun.gdiProbe));
  scoring->discard();
  SendMessageA(selector->handle(), WM_CLOSE, 0, 0);
  pump();
  delete frame;
  pump();
  delete app;
  return 0;
}
