// Every control a model window binds by identifier is there in its template: a window
// that names an identifier its template lacks reports a control fault while it is
// built and holds an object without a window. The list editors, the compare-choices
// selector, the scoring window and its pane; one row per template. (The model dialogs'
// templates are checked in their own suite.) And every family's window meets the main
// window alike: registered with the host behind its parent while it is open.
#include "DialogsTestSupport.h"
#include "ScoringTestSupport.h"
#include "app/windows/editors/ModelEditors.h"
#include "app/windows/scoring/DCompareChoices.h"
#include "app/windows/scoring/DPairedPrefScoring.h"
#include "app/windows/scoring/PairedPrefScoringPane.h"
#include "app/windows/scoring/res/scoring_ids.h"
#include "app/windows/solution/TableChartWindow.h"
#include "framework/controls/zControlReport.h"
#include "framework/core/zWindow.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class ModelWindowBindings : public ScoringTest {};

struct WindowRow {
  const char* name;
  uint32_t templateId;
  std::function<zWindow*(ScoringHostFrame* frame)> open;
  int leastBound;  // the template's controls with an identifier of their own
  bool close;      // closed after its row; the scoring window stays for its pane's row
};

TEST_F(ModelWindowBindings, EveryControlAModelWindowBindsIsInItsTemplate) {
  makeScoringModel(2, 2, 3);
  using PV::GUI::DChoices;
  using PV::GUI::DCriteria;
  using PV::GUI::DDecisionMakers;
  const WindowRow rows[] = {
      {"choices editor", DChoices::kTemplate, [](ScoringHostFrame* f) { return DChoices::open(f); }, 4, true},
      {"criteria editor", DCriteria::kTemplate, [](ScoringHostFrame* f) { return DCriteria::open(f); }, 4, true},
      {"decision makers editor", DDecisionMakers::kTemplate,
       [](ScoringHostFrame* f) { return DDecisionMakers::open(f); }, 4, true},
      {"compare choices", IDD_COMPARE_CHOICES, [](ScoringHostFrame* f) { return DCompareChoices::open(f); }, 6, true},
      {"scoring window", IDD_SCORING_WINDOW, [](ScoringHostFrame* f) { return DPairedPrefScoring::open(f); }, 1, false},
      // Made with the scoring window, whose row counted its faults.
      {"scoring pane", IDD_SCORING_PANE,
       [](ScoringHostFrame*) -> zWindow* { return DPairedPrefScoring::instance()->pane(); }, 20, false},
  };
  for (const WindowRow& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_NE(FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(row.templateId), RT_DIALOG), nullptr)
        << "the template is linked in";
    const uint32_t faults = zControlFaultCount();
    zWindow* window = row.open(frame_);
    pump();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(zControlFaultCount(), faults) << zLastControlFault();
    EXPECT_GE(expectBoundControlsInTemplate(*window), row.leastBound);
    if (row.close) {
      SendMessageA(window->handle(), WM_CLOSE, 0, 0);
      pump();
    }
  }
}

// Each family's window registers with the host behind its parent when it is made (the
// solution windows numbered) and is forgotten when the user closes it.
TEST_F(ModelWindowBindings, EveryModelWindowIsRegisteredWithItsHostWhileOpen) {
  makeScoringModel(2, 2, 3);
  using PV::GUI::TableChartWindow;
  const struct {
    const char* name;
    std::function<zWindow*(ScoringHostFrame* frame)> open;
    int32_t number;
  } rows[] = {
      {"choices editor", [](ScoringHostFrame* f) { return PV::GUI::DChoices::open(f); }, 0},
      {"criteria editor", [](ScoringHostFrame* f) { return PV::GUI::DCriteria::open(f); }, 0},
      {"decision makers editor", [](ScoringHostFrame* f) { return PV::GUI::DDecisionMakers::open(f); }, 0},
      {"compare choices", [](ScoringHostFrame* f) { return DCompareChoices::open(f); }, 0},
      {"scoring window", [](ScoringHostFrame* f) { return DPairedPrefScoring::open(f); }, 0},
      {"solution window",
       [](ScoringHostFrame* f) -> zWindow* {
         PV::Data::RankSolutionData ranking;
         auto* w = new TableChartWindow(f, nullptr, WS_OVERLAPPEDWINDOW, "#1 Solution", TableChartWindow::Portrait,
                                        ranking, 0);
         w->show(SW_SHOWNORMAL);
         return w;
       },
       1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    zWindow* window = row.open(frame_);
    pump();
    auto* modelWindow = dynamic_cast<PV::App::ModelWindow*>(window);
    ASSERT_NE(modelWindow, nullptr);
    EXPECT_TRUE(frame_->windows.contains(modelWindow));
    EXPECT_EQ(frame_->windows.numberOf(modelWindow), row.number);
    SendMessageA(window->handle(), WM_CLOSE, 0, 0);
    pump();
    EXPECT_FALSE(frame_->windows.contains(modelWindow));
  }
  EXPECT_TRUE(frame_->windows.windows().empty());
}

}  // namespace
