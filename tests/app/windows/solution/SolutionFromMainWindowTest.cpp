// The solution window as the program opens it: the real main window started in this
// process as the program starts it (option files in a folder of the test's own under
// the build folder), Best Choice sent as a menu command. Message boxes are answered
// from inside the process by caption, with a deadline.
#include "DialogsTestSupport.h"
#include "ProgramRun.h"
#include "SolutionTestSupport.h"
#include "app/program/ProgramMain.h"
#include "app/program/WMain.h"
#include "app/program/res/program_ids.h"
#include "factory/DemoModel.h"
#include "factory/Factory.h"
#include "framework/core/zMenu.h"
#include "framework/core/zProgram.h"
#include "xml/PalvermontineAppOptsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using PV::App::WMain;
using PV::GUI::TableChartWindow;

constexpr const char* kTitleStart = " Solution - Snapshot Result Calculated @ Time: ";

void setEnvironment(const char* name, const std::string& value) {
  _putenv_s(name, value.c_str());
  SetEnvironmentVariableA(name, value.c_str());
}

std::string captionOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

class SolutionFromMainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = testFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(fs::path(dir_) / "config");
    setEnvironment("PALVERMONTINE_CONFIG_DIR", (fs::path(dir_) / "config").string());
    setEnvironment("PALVERMONTINE_DOCUMENTS_DIR", dir_);
    PV::XML::setOptionsHome({(fs::path(dir_) / "config").string(), "tester"});
  }
  void TearDown() override { stop(); }

  // The options of a predictable run, with the solution window's orientation.
  void options(const char* orientation = "portrait", bool display = true) {
    auto& app = PV::XML::PalvermontineAppOptsFile::instance()->options();
    app.get_defaultValuesAppOpts().set_autoSave(false);
    app.get_rptAppOpts().set_appendTimestamp(false);
    app.get_rptAppOpts().set_displayReport(false);
    app.get_calcAppOpts().set_generateReportFile(false);
    app.get_calcAppOpts().set_displaySolutionWindow(display);
    app.get_calcAppOpts().set_solutionWindowOrientation(orientation);
  }

  WMain* start(const std::string& commandLine) { return run_.start(commandLine); }
  void stop() {
    std::vector<HWND> open;
    if (run_.program() && run_.program()->window()) {
      for (TableChartWindow* s : run_.program()->window()->solutionWindows()) open.push_back(s->handle());
    }
    run_.stop();
    cancelScheduled();
    for (HWND h : open) EXPECT_FALSE(IsWindow(h)) << "the program's end closes every solution window";
  }
  void command(WMain* w, uint32_t id) {
    SendMessageA(w->handle(), WM_COMMAND, id, 0);
    pump();
  }

  std::string dir_;
  ProgramRun run_;
  UnansweredBoxGuard guard_;
};

// Best Choice on the demonstration model: a window "#1 Solution - ..." with the ten
// choices in rank order, the first at "100.0 " in red and the others by the colouring
// rule, the IDs centred, names and notes with their leading blank and the widths of
// the width rule; in portrait by default, listed in the window menu and active.
TEST_F(SolutionFromMainWindow, BestChoiceShowsTheDemonstrationRanking) {
  options();
  WMain* w = start("-mkdm");
  ASSERT_NE(w, nullptr);
  command(w, CM_BEST_CHOICE);
  ASSERT_EQ(w->solutionWindows().size(), 1u);
  TableChartWindow* s = w->solutionWindow();
  ASSERT_NE(s, nullptr);
  const auto* model = PV::Data::Factory::instance()->currDataModel(0);
  EXPECT_EQ(captionOf(s->handle()), "#1" + std::string(kTitleStart) + model->get_slns().get_timestamp());
  EXPECT_EQ(w->lastSolutionTitle(), captionOf(s->handle()));
  EXPECT_EQ(s->orientation(), TableChartWindow::Portrait);
  EXPECT_EQ(w->activeChild(), s);
  bool listed = false;
  const HMENU windows = w->windowMenu()->handle();
  for (int i = 0, n = GetMenuItemCount(windows); i < n; ++i) {
    char text[512] = {};
    GetMenuStringA(windows, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    listed = listed || std::string(text).find("#1 Solution") != std::string::npos;
  }
  EXPECT_TRUE(listed) << "the window menu lists it";

  zTable* t = s->table();
  ASSERT_EQ(t->model()->rowCount(), 10u);
  ASSERT_EQ(model->get_chs().size(), 10u);
  EXPECT_EQ(cellLook(t, 1, 1).text, "100.0 ");
  uint32_t lastHundred = 1;
  double previous = 101.0;
  for (uint32_t r = 1; r <= 10; ++r) {
    const std::string rank = cellLook(t, 1, r).text;
    ASSERT_EQ(rank.back(), ' ');
    const double value = std::stod(rank);
    EXPECT_LE(value, previous) << "rank order at row " << r;
    previous = value;
    if (rank == "100.0 ") lastHundred = r;
    const CellLook id = cellLook(t, 2, r);
    EXPECT_EQ(id.alignment, zTableAlignCentre);
    const unsigned long choice = std::stoul(id.text);
    const auto& chs = model->get_chs();
    const auto it =
        std::find_if(chs.begin(), chs.end(), [&](const PV::Data::Choice& c) { return c.get_row() == choice; });
    ASSERT_NE(it, chs.end()) << "ID " << choice;
    EXPECT_EQ(cellLook(t, 3, r).text, " " + it->get_nm());
    EXPECT_EQ(cellLook(t, 4, r).text, " " + it->get_note());
    EXPECT_EQ(cellLook(t, 1, r).alignment, zTableAlignRight);
  }
  for (uint32_t r = 1; r <= 10; ++r) {
    EXPECT_EQ(cellLook(t, 1, r).colour, r <= lastHundred ? RGB(255, 0, 0) : RGB(0, 0, 255)) << "row " << r;
  }
  int32_t widestName = 0;
  for (const auto& c : model->get_chs()) widestName = std::max(widestName, tableTextWidth(t, c.get_nm().c_str()));
  const int32_t n2 = 2 * tableTextWidth(t, "N");
  EXPECT_EQ(t->layout().columnWidth(1), static_cast<uint32_t>(tableTextWidth(t, "% Rank") + n2));
  EXPECT_EQ(t->layout().columnWidth(2), static_cast<uint32_t>(tableTextWidth(t, "ID") + n2));
  EXPECT_EQ(t->layout().columnWidth(3), static_cast<uint32_t>(std::max(widestName, tableTextWidth(t, "Choices")) + n2));
  // The picture of the documentation.
  MoveWindow(w->handle(), 0, 0, 1000, 760, TRUE);
  s->maximize(1);
  pump();
  saveShot(w->handle(), "solution-portrait");
}

// The orientation: the command line's when it gives one (landscape prevails when both
// are given), else the application option's; "-solve" takes the same road as the
// menu command.
TEST_F(SolutionFromMainWindow, OrientationFromTheCommandLineElseTheOptions) {
  const struct {
    const char* commandLine;
    const char* option;
    int32_t orientation;
  } cases[] = {
      {"-mkdm -solve -tc_landscape", "portrait", TableChartWindow::Landscape},
      {"-mkdm -solve -tc_portrait", "landscape", TableChartWindow::Portrait},
      {"-mkdm -solve -tc_portrait -tc_landscape", "portrait", TableChartWindow::Landscape},
      {"-mkdm -solve", "landscape", TableChartWindow::Landscape},
      {"-mkdm -solve", "portrait", TableChartWindow::Portrait},
  };
  for (const auto& c : cases) {
    options(c.option);
    WMain* w = start(c.commandLine);
    ASSERT_EQ(w->solutionWindows().size(), 1u) << c.commandLine;
    TableChartWindow* s = w->solutionWindow();
    EXPECT_EQ(s->orientation(), c.orientation) << c.commandLine << " / " << c.option;
    EXPECT_EQ(captionOf(s->handle()).rfind("#1" + std::string(kTitleStart), 0), 0u);
    if (c.orientation == TableChartWindow::Landscape && std::string(c.option) == "portrait") {
      MoveWindow(w->handle(), 0, 0, 1000, 600, TRUE);
      s->maximize(1);
      pump();
      saveShot(w->handle(), "solution-landscape");
    }
    stop();
    EXPECT_EQ(w->solutionWindows().size(), 0u);
  }
}

// Numbers: a new window is numbered the count of open windows plus one; closing one of
// two leaves the other as the one the main window refreshes.
TEST_F(SolutionFromMainWindow, NumberingAndClosingOneOfTwo) {
  options();
  WMain* w = start("-mkdm");
  command(w, CM_BEST_CHOICE);
  command(w, CM_BEST_CHOICE);
  ASSERT_EQ(w->solutionWindows().size(), 2u);
  TableChartWindow* first = w->solutionWindows()[0];
  TableChartWindow* second = w->solutionWindows()[1];
  EXPECT_EQ(captionOf(second->handle()).rfind("#2 Solution", 0), 0u);
  command(w, CM_BEST_CHOICE);
  EXPECT_EQ(captionOf(w->solutionWindow()->handle()).rfind("#3 Solution", 0), 0u);
  SendMessageA(w->solutionWindow()->handle(), WM_CLOSE, 0, 0);
  SendMessageA(second->handle(), WM_CLOSE, 0, 0);
  pump();
  EXPECT_EQ(w->solutionWindows().size(), 1u);
  EXPECT_EQ(w->solutionWindow(), first);
  command(w, CM_BEST_CHOICE);
  EXPECT_EQ(captionOf(w->solutionWindow()->handle()).rfind("#2 Solution", 0), 0u);
  EXPECT_EQ(w->solutionWindowCount(), 4u) << "the count of Best Choice runs only grows";
}

// The option that asks for no window: Best Choice solves and shows nothing.
TEST_F(SolutionFromMainWindow, NoWindowWhenTheOptionsSaySo) {
  options("portrait", false);
  WMain* w = start("-mkdm");
  command(w, CM_BEST_CHOICE);
  EXPECT_EQ(w->solutionWindows().size(), 0u);
  EXPECT_EQ(w->statusTexts().state, "SLV");
}

// A solve that does not end in a ranking shows why and opens no window: a model not
// completely scored, and a model changed in place since its pairs were drawn (out of
// step with its pair sets).
TEST_F(SolutionFromMainWindow, ASolveWithoutARankingOpensNoWindow) {
  options();
  WMain* w = start("");
  std::string text;
  answerBox("Palvermontine", IDOK, &text);
  command(w, CM_BEST_CHOICE);
  EXPECT_EQ(text.rfind("The Model Is Not Solvable!", 0), 0u) << text;
  EXPECT_EQ(w->solutionWindows().size(), 0u);
  stop();

  // The window of a first solve stays as it was through the refused ones.
  options();
  w = start("-mkdm");
  command(w, CM_BEST_CHOICE);
  ASSERT_EQ(w->solutionWindows().size(), 1u);
  TableChartWindow* open = w->solutionWindow();
  open->fillTable(2, makeRanking({100.0, 50.0}));
  auto* model = PV::Data::Factory::instance()->currDataModel(0);
  auto& criterion = model->get_crs()[0];
  criterion.set_wt(static_cast<uint16_t>(criterion.get_wt() + 7));
  text.clear();
  answerBox("Palvermontine", IDOK, &text);
  command(w, CM_BEST_CHOICE);
  EXPECT_EQ(text.rfind("The Model Could Not Be Solved!", 0), 0u) << text;
  EXPECT_EQ(w->solutionWindows().size(), 1u);
  text.clear();
  answerBox("Palvermontine", IDOK, &text);
  EXPECT_FALSE(w->refreshSolutionWindow());
  pump();
  EXPECT_EQ(text.rfind("The Model Could Not Be Solved!", 0), 0u) << text;
  EXPECT_EQ(w->solutionWindow(), open);
  EXPECT_EQ(open->table()->model()->rowCount(), 2u);
}

// A re-solve refills the newest open window in place, its title with the new time; with
// none open it opens none.
TEST_F(SolutionFromMainWindow, AResolveRefillsTheOpenWindow) {
  options();
  WMain* w = start("-mkdm");
  EXPECT_FALSE(w->refreshSolutionWindow());
  EXPECT_EQ(w->solutionWindows().size(), 0u);
  command(w, CM_BEST_CHOICE);
  TableChartWindow* s = w->solutionWindow();
  const std::string top = cellLook(s->table(), 3, 1).text;
  s->fillTable(2, makeRanking({40.0, 20.0}, {"stale", "stale"}));
  SetWindowTextA(s->handle(), "#1 Solution - Snapshot Result Calculated @ Time: stale");
  EXPECT_TRUE(w->refreshSolutionWindow());
  pump();
  EXPECT_EQ(w->solutionWindows().size(), 1u);
  EXPECT_EQ(w->solutionWindow(), s);
  EXPECT_EQ(s->table()->model()->rowCount(), 10u);
  EXPECT_EQ(cellLook(s->table(), 1, 1).text, "100.0 ");
  EXPECT_EQ(cellLook(s->table(), 3, 1).text, top);
  // The title keeps the window's number and takes the time of the new solve.
  const auto* model = PV::Data::Factory::instance()->currDataModel(0);
  EXPECT_EQ(captionOf(s->handle()), "#1" + std::string(kTitleStart) + model->get_slns().get_timestamp());
}

// Best Choice on a model at the file's limits: the ranking's names and notes need the
// table's horizontal bar, which is drawn once as the window first shows and not again
// when the queue runs (each drawing of a bar through Wine's theme is slow); a thumb
// moved later draws it again.
TEST_F(SolutionFromMainWindow, TheTablesBarIsDrawnOnceWhenTheWindowOpens) {
  options();
  WMain* w = start("-mkdm");
  ASSERT_NE(w, nullptr);
  const PV::Data::RankSolutionData limits = limitsRanking();
  auto& chs = PV::Data::Factory::instance()->currDataModel(0)->get_chs();
  ASSERT_EQ(chs.size(), limits.rows.size());
  size_t i = 0;
  for (auto& c : chs) {
    c.set_nm(limits.rows[i].name);
    c.set_note(limits.rows[i].note);
    ++i;
  }
  FramePaintCounter paints("zTableCL");
  command(w, CM_BEST_CHOICE);
  TableChartWindow* s = w->solutionWindow();
  ASSERT_NE(s, nullptr);
  zTable* t = s->table();
  ASSERT_EQ(cellLook(t, 4, 1).text.size(), 241u) << "the notes at their longest";
  EXPECT_NE(GetWindowLongA(t->handle(), GWL_STYLE) & WS_HSCROLL, 0);
  EXPECT_EQ(paints.count(t->handle()), 1);
  t->scrollTo(3, 1);
  pump();
  EXPECT_EQ(paints.count(t->handle()), 2);
}

// Replacing the model closes every solution window.
TEST_F(SolutionFromMainWindow, ReplacingTheModelClosesThemAll) {
  const fs::path file = fs::path(dir_) / "demo.xpv";
  const fs::path other = fs::path(dir_) / "other.xpv";
  {
    PV::Data::RankSolutionData ranking;
    auto algorithm = PV::Test::makeDataModel(ranking, false, false);
    ASSERT_TRUE(PV::Data::Factory::instance()->save(file.string().c_str()));
    ASSERT_TRUE(PV::Data::Factory::instance()->save(other.string().c_str()));
    algorithm.reset();
    PV::Data::Factory::destroy();
  }
  options();
  WMain* w = start("-input \"" + file.string() + "\"");
  command(w, CM_BEST_CHOICE);
  command(w, CM_BEST_CHOICE);
  ASSERT_EQ(w->solutionWindows().size(), 2u);
  if (!PV::Data::Factory::instance()->isUnmodified()) answerBox("Palvermontine", IDNO);
  EXPECT_TRUE(w->loadModel(other.string()));
  pump();
  EXPECT_EQ(w->solutionWindows().size(), 0u);
}

}  // namespace
