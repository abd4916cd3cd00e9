// Compare Choices and Clear Comparisons from the program's main window, started in
// this process as the program starts it: the warning with the number of scores, the
// selector, scoring a whole model by the keyboard alone to its ranking (the same
// ranking as the same scores set through the library), Clear Comparisons dropping the
// pairs, the scores and the ranking made of them, and the scoring window reopening
// where the last one stood.
#include "FramesTestSupport.h"
#include "GuiTestSupport.h"
#include "OneCriterionModel.h"
#include "ScoringTestSupport.h"
#include "app/program/ProgramMain.h"
#include "app/program/WMain.h"
#include "app/program/res/program_ids.h"
#include "app/windows/scoring/DCompareChoices.h"
#include "app/windows/scoring/DPairedPrefScoring.h"
#include "app/windows/scoring/PairedPrefScoringPane.h"
#include "app/windows/scoring/res/scoring_ids.h"
#include "app/windows/solution/TableChartWindow.h"
#include "framework/grid/zTable.h"
#include "framework/grid/zTableModel.h"
#include "factory/DemoModel.h"
#include "factory/Factory.h"
#include "math/MathServer.h"
#include "math/RandomPairSet.h"
#include "model/RankSolutionData.h"
#include "xml/PalvermontineAppOptsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using PV::App::WMain;
using PV::GUI::TableChartWindow;

class ScoringCommands : public ModelDialogTest {
 protected:
  void SetUp() override {
    ModelDialogTest::SetUp();
    guard_ = new UnansweredBoxGuard();
    // The program reads its command line: none here.
    delete app_;
    static char none[] = "";
    app_ = new zProgram(GetModuleHandleA(nullptr), nullptr, none, SW_SHOWNORMAL);
    zTheProgram = app_;
    beforeStart();
    PV::XML::PalvermontineAppOptsFile::destroy();
    auto& app = PV::XML::PalvermontineAppOptsFile::instance()->options();
    app.get_defaultValuesAppOpts().set_autoSave(false);
    app.get_rptAppOpts().set_displayReport(false);
    app.get_calcAppOpts().set_generateReportFile(false);
    program_ = new PV::App::ProgramMain(app_);
    ASSERT_TRUE(program_->start());
    main_ = program_->window();
    pump();
  }
  void TearDown() override {
    cancelScheduled();
    delete program_;
    program_ = nullptr;
    pump();
    takeQuit();
    delete guard_;
    guard_ = nullptr;
    ModelDialogTest::TearDown();
  }

  // What a test prepares before the program starts.
  virtual void beforeStart() {}

  void command(uint32_t id) {
    SendMessageA(main_->handle(), WM_COMMAND, id, 0);
    pump();
  }
  UINT menuState(uint32_t id) { return GetMenuState(GetMenu(main_->handle()), id, MF_BYCOMMAND); }
  static PV::Math::MathServer* server() { return PV::Data::Factory::instance()->getMathServer(0); }
  static PV::Data::DecisionModel* model() { return PV::Data::Factory::instance()->currDataModel(0); }

  // Gives the program's model n choices, one criterion and one decision maker.
  void smallModel(int nch) {
    PV::Data::ModelParameters params = model()->get_params();
    params.set_cfl(99.0);
    params.set_cfi(1.0);
    ASSERT_TRUE(server()->setParams(params));
    const OneCriterionModel m = oneCriterionModel(nch, "Ch");
    ASSERT_TRUE(server()->setDecisionMakers(m.decisionMakers));
    ASSERT_TRUE(server()->setCriteria(m.criteria));
    ASSERT_TRUE(server()->setChoices(m.choices));
    server()->update();
  }

  // Compare Choices, the warning answered Yes; its text.
  std::string compare() {
    std::string warning;
    answerBox("Palvermontine: Compare Choices Warning", IDYES, &warning);
    command(CM_COMPARE);
    return warning;
  }

  PV::App::ProgramMain* program_ = nullptr;
  WMain* main_ = nullptr;
  UnansweredBoxGuard* guard_ = nullptr;
};

// The score the test gives pair i of (criterion, decision maker) on a scale of sil.
int scoreFor(uint32_t cr, uint32_t dm, uint32_t i, int sil) {
  return static_cast<int>((dm * 7 + cr * 3 + i * 5) % static_cast<uint32_t>(2 * sil + 1)) - sil;
}

TEST_F(ScoringCommands, CompareChoicesWarnsWithTheNumberOfScoresAndOpensTheSelector) {
  // An empty model cannot be scored.
  std::string refused;
  answerBox("Palvermontine", IDOK, &refused);
  command(CM_COMPARE);
  EXPECT_NE(refused.find("The Model Is Not Scorable!"), std::string::npos) << refused;
  EXPECT_EQ(DCompareChoices::instance(), nullptr);

  smallModel(3);
  EXPECT_TRUE(menuState(CM_CLEAR_COMPARISONS) & MF_GRAYED);
  // No: nothing drawn, nothing opened.
  std::string warning;
  answerBox("Palvermontine: Compare Choices Warning", IDNO, &warning);
  command(CM_COMPARE);
  EXPECT_NE(warning.find("the total number of pairs that will be generated is 3 pairs."), std::string::npos) << warning;
  EXPECT_EQ(DCompareChoices::instance(), nullptr);
  EXPECT_FALSE(server()->hasAlgorithm());

  warning = compare();
  EXPECT_NE(warning.find("is 3 pairs."), std::string::npos) << warning;
  DCompareChoices* selector = DCompareChoices::instance();
  ASSERT_NE(selector, nullptr);
  EXPECT_EQ(windowTextOf(GetDlgItem(selector->handle(), IDC_CC_RATIO)), "0/3 = 0%");
  EXPECT_FALSE(menuState(CM_CLEAR_COMPARISONS) & MF_GRAYED) << "the lists are locked";
  EXPECT_NE(main_->statusTexts().summary.find("Pairs:3"), std::string::npos) << main_->statusTexts().summary;
  // Pairs exist now: a second Compare Choices asks nothing and brings the selector forward.
  command(CM_COMPARE);
  EXPECT_EQ(DCompareChoices::instance(), selector);
}

// A whole model scored from nothing with the keyboard alone (Left and Right to the
// score, Enter to the next pair, Alt+U to store) solves, at the last store, to the
// ranking the same scores give through the library, and shows it only in a solution
// window that is already open.
// The demonstration model in a file, written before the program starts.
class ScoringDemo : public ScoringCommands {
 protected:
  void beforeStart() override {
    PV::Data::RankSolutionData ranking;
    auto algorithm = PV::Test::makeDataModel(ranking, false, false);
    ASSERT_TRUE(PV::Data::Factory::instance()->save(configPath("demo.xpv").c_str()));
    algorithm.reset();
    PV::Data::Factory::destroy();
  }
};

TEST_F(ScoringDemo, AModelScoredByTheKeyboardRanksAsTheSameScoresThroughTheLibrary) {
  ASSERT_TRUE(main_->loadModel(configPath("demo.xpv")));
  // The demonstration comes scored: its comparisons go first.
  answerBox("Palvermontine: Clear Comparisons Warning", IDYES);
  command(CM_CLEAR_COMPARISONS);
  ASSERT_TRUE(model()->get_ss().empty());
  ASSERT_TRUE(model()->get_slns().empty());
  const PV::Data::DecisionModel unscored = *model();

  const std::string warning = compare();
  const uint32_t needed = server()->getModelState().numpairs_ * static_cast<uint32_t>(model()->get_dms().size()) *
                          static_cast<uint32_t>(model()->get_crs().size());
  EXPECT_NE(warning.find("is " + std::to_string(needed) + " pairs."), std::string::npos) << warning;
  DCompareChoices* selector = DCompareChoices::instance();
  ASSERT_NE(selector, nullptr);
  const int sil = model()->get_params().get_sil();
  const uint32_t ndm = static_cast<uint32_t>(model()->get_dms().size());
  const uint32_t ncr = static_cast<uint32_t>(model()->get_crs().size());
  for (uint32_t dm = 0; dm < ndm; ++dm) {
    selector->selectDecisionMaker(static_cast<int32_t>(dm));
    for (uint32_t cr = 0; cr < ncr; ++cr) {
      selector->selectCriterion(static_cast<int32_t>(cr));
      clickButton(selector->handle(), IDC_CC_SCORE_PAIRS);
      DPairedPrefScoring* scoring = DCompareChoices::scoringDialog();
      ASSERT_NE(scoring, nullptr);
      PairedPrefScoringPane* pane = scoring->pane();
      const uint32_t n = pane->state().count();
      for (uint32_t i = 0; i < n; ++i) {
        const int v = scoreFor(cr, dm, i, sil);
        for (int k = 0; k < (v < 0 ? -v : v); ++k)
          SendMessageA(pane->handle(), WM_KEYDOWN, v < 0 ? VK_LEFT : VK_RIGHT, 1);
        SendMessageA(pane->handle(), WM_KEYUP, VK_RETURN, 0xC0000001);
      }
      keyUp(pane, 'U', true);
      EXPECT_EQ(windowTextOf(scoring->handle())[0], ' ');
    }
    EXPECT_EQ(static_cast<unsigned char>(selector->entries()[dm].text[0]), 0xFBu) << "decision maker " << dm;
  }
  EXPECT_EQ(windowTextOf(GetDlgItem(selector->handle(), IDC_CC_RATIO)),
            std::to_string(needed) + "/" + std::to_string(needed) + " = 100%");
  ASSERT_TRUE(server()->isComplete());
  // The last store solved the model; with no solution window open it showed nothing.
  EXPECT_EQ(main_->solutionWindowCount(), 0u) << "the store runs no Best Choice";
  EXPECT_EQ(main_->solutionWindows().size(), 0u) << "the store opens no solution window";
  const PV::Data::SolutionsVec byGui = model()->get_slns();
  ASSERT_EQ(byGui.size(), model()->get_chs().size());

  // The same scores through the library, on the same lists.
  PV::Data::DecisionModel library = unscored;
  PV::Math::MathServer direct(&library, false);
  ASSERT_TRUE(direct.createAlgorithm());
  for (uint32_t cr = 0; cr < ncr; ++cr) {
    for (uint32_t dm = 0; dm < ndm; ++dm) {
      PV::Math::RandomPairSet* rps = direct.acquireRps(cr, dm);
      for (uint32_t i = 0; i < rps->getNumPairs(); ++i) rps->setScore(i, scoreFor(cr, dm, i, sil), true);
      rps->saveScores();
      direct.releaseRps(rps);
    }
  }
  direct.transferScores();
  direct.refresh();
  ASSERT_TRUE(direct.isComplete());
  PV::Data::RankSolutionData ranking;
  ASSERT_EQ(direct.solve(&ranking), static_cast<uint32_t>(MODEL_COMPLETED));
  EXPECT_EQ(library.get_ss(), model()->get_ss()) << "the same score blocks";
  ASSERT_EQ(library.get_slns().size(), byGui.size());
  for (size_t k = 0; k < byGui.size(); ++k) {
    EXPECT_EQ(library.get_slns()[k].get_ch(), byGui[k].get_ch()) << k;
    EXPECT_DOUBLE_EQ(library.get_slns()[k].get_pctrank(), byGui[k].get_pctrank()) << k;
  }

  // With solution windows open, storing scores of the complete model again refills the
  // newest one in place, whose title takes the time of the new solve, and opens none.
  command(CM_BEST_CHOICE);
  command(CM_BEST_CHOICE);
  ASSERT_EQ(main_->solutionWindows().size(), 2u);
  TableChartWindow* older = main_->solutionWindows()[0];
  TableChartWindow* newest = main_->solutionWindow();
  PV::Data::RankSolutionData stale;
  stale.rows.push_back({1, "stale", 50.0, ""});
  stale.numSolutions = 1;
  for (TableChartWindow* w : {older, newest}) {
    w->fillTable(1, stale);
    SetWindowTextA(w->handle(), "stale");
  }
  keyUp(DCompareChoices::scoringDialog()->pane(), 'U', true);
  EXPECT_EQ(main_->solutionWindows().size(), 2u) << "no window opened";
  EXPECT_EQ(main_->solutionWindowCount(), 2u);
  EXPECT_EQ(newest->table()->model()->rowCount(), byGui.size());
  EXPECT_EQ(windowTextOf(newest->handle()), main_->solutionTitle(newest->id()));
  EXPECT_NE(windowTextOf(newest->handle()).find(model()->get_slns().get_timestamp()), std::string::npos);
  EXPECT_EQ(older->table()->model()->rowCount(), 1u) << "only the newest is refilled";
  EXPECT_EQ(windowTextOf(older->handle()), "stale");
}

// Clear Comparisons: No keeps everything; Yes closes the scoring windows without
// storing, drops the pairs, every score block and the ranking made of them, and
// unlocks the lists, and closes the solution windows showing the dropped ranking; a
// Best Choice afterwards finds nothing to show.
TEST_F(ScoringCommands, ClearComparisonsDropsPairsScoresAndTheirRankingAndUnlocks) {
  smallModel(3);
  compare();
  DCompareChoices* selector = DCompareChoices::instance();
  ASSERT_NE(selector, nullptr);
  clickButton(selector->handle(), IDC_CC_SCORE_PAIRS);
  PairedPrefScoringPane* pane = DCompareChoices::scoringDialog()->pane();
  for (int i = 0; i < 3; ++i) {
    keyDown(pane, VK_RIGHT);
    keyUp(pane, VK_RETURN);
  }
  keyUp(pane, 'U', true);
  ASSERT_FALSE(model()->get_slns().empty()) << "solved at the last store";
  command(CM_BEST_CHOICE);
  ASSERT_EQ(main_->solutionWindows().size(), 1u) << "showing the ranking";
  keyDown(pane, VK_LEFT);  // unsaved, to be dropped

  std::string asked;
  answerBox("Palvermontine: Clear Comparisons Warning", IDNO, &asked);
  command(CM_CLEAR_COMPARISONS);
  EXPECT_NE(asked.find("This operation will clear out the list of pairs"), std::string::npos) << asked;
  EXPECT_TRUE(server()->hasAlgorithm());
  EXPECT_NE(DCompareChoices::instance(), nullptr);
  EXPECT_EQ(main_->solutionWindows().size(), 1u);

  answerBox("Palvermontine: Clear Comparisons Warning", IDYES);
  command(CM_CLEAR_COMPARISONS);
  pump();
  EXPECT_EQ(main_->solutionWindows().size(), 0u) << "no window shows the dropped ranking";
  EXPECT_EQ(main_->solutionWindow(), nullptr);
  EXPECT_EQ(DCompareChoices::instance(), nullptr);
  EXPECT_EQ(DCompareChoices::scoringDialog(), nullptr);
  EXPECT_FALSE(server()->hasAlgorithm());
  EXPECT_TRUE(model()->get_ss().empty());
  EXPECT_TRUE(model()->get_slns().empty()) << "no ranking of scores that no longer exist";
  EXPECT_TRUE(menuState(CM_CLEAR_COMPARISONS) & MF_GRAYED);
  EXPECT_NE(main_->statusTexts().summary.find("Pairs:0"), std::string::npos) << main_->statusTexts().summary;
  // The lists can change again: a fourth choice is taken.
  auto chs = model()->get_chs();
  PV::Data::Choice fourth = chs.back();
  fourth.set_nm("Ch4");
  fourth.set_row(4);
  fourth.set_uid(304);
  chs.push_back(fourth);
  EXPECT_TRUE(server()->setChoices(chs));
  std::string told;
  answerBox("Palvermontine", IDOK, &told);
  command(CM_BEST_CHOICE);
  EXPECT_NE(told.find("The Model Is Not Solvable!"), std::string::npos) << told;
  EXPECT_TRUE(model()->get_slns().empty());
}

// An editor with edits not yet in the model, as the main window sees one: an MDI
// child whose caption carries the unsaved marker before its kind.
class DirtyEditor : public zMDIChildFrame, public PV::App::ModelWindow {
 public:
  DirtyEditor(zMDIAppFrame* frame, const char* caption) : zMDIChildFrame(frame, nullptr, WS_OVERLAPPEDWINDOW, caption) {
    show(SW_SHOWNORMAL);
  }
  bool commitToModel() override { return true; }
  bool isDirty() const override { return true; }
  void discard() override {}
};

// Both commands stop at editors holding edits not yet stored, and name them.
TEST_F(ScoringCommands, CompareAndClearStopWhileEditorsHoldUnstoredEdits) {
  smallModel(3);
  DirtyEditor* choices = new DirtyEditor(main_, "* Choices");
  DirtyEditor* criteria = new DirtyEditor(main_, "* Criteria");
  main_->addModelWindow(choices);
  main_->addModelWindow(criteria);
  for (uint32_t id : {CM_COMPARE, CM_CLEAR_COMPARISONS}) {
    std::string told;
    answerBox("Palvermontine: Warning - Model Definition Dialogs Incomplete", IDOK, &told);
    command(id);
    EXPECT_EQ(told,
              "Model Definition Dialog(s) are Incomplete, see (Choices Criteria ) and click Update|Okay before "
              "scoring model")
        << id;
  }
  EXPECT_EQ(DCompareChoices::instance(), nullptr);
  EXPECT_FALSE(server()->hasAlgorithm());
  main_->removeModelWindow(choices);
  main_->removeModelWindow(criteria);
  delete choices;
  delete criteria;
  pump();
}

// The second scoring window of the run opens where the first one was when it went;
// the first selector of the run stays where the frame puts it.
TEST_F(ScoringCommands, TheNextScoringWindowOpensWhereTheLastOneStood) {
  smallModel(3);
  compare();
  DCompareChoices* selector = DCompareChoices::instance();
  clickButton(selector->handle(), IDC_CC_SCORE_PAIRS);
  DPairedPrefScoring* first = DCompareChoices::scoringDialog();
  ASSERT_NE(first, nullptr);
  SetWindowPos(first->handle(), nullptr, 37, 23, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  RECT moved = {};
  GetWindowRect(first->handle(), &moved);
  keyUp(first->pane(), 'K', true);  // Alt+K: OK
  pump();
  ASSERT_EQ(DCompareChoices::scoringDialog(), nullptr);
  clickButton(selector->handle(), IDC_CC_SCORE_PAIRS);
  DPairedPrefScoring* second = DCompareChoices::scoringDialog();
  ASSERT_NE(second, nullptr);
  RECT now = {};
  GetWindowRect(second->handle(), &now);
  EXPECT_EQ(now.left, moved.left);
  EXPECT_EQ(now.top, moved.top);
}

}  // namespace
