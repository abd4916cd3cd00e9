// The list editors under Wine, opened by the real main window's commands: rows typed as
// characters, Update, the caption's marker, the model's lists after Update, saving and
// opening again; the table's refusals ("Table Entry Error"), the lock, the main window's
// Edit commands, Auto Update, the placement memory, and the save and close paths.
// Message boxes are answered from inside the process with a deadline. With
// PV_EDITORS_SCREENSHOTS set, the editors are saved there as pictures.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "DialogsTestSupport.h"
#include "WindowImage.h"
#include "app/program/ProgramMain.h"
#include "app/program/WMain.h"
#include "app/program/res/program_ids.h"
#include "app/windows/editors/ModelEditors.h"
#include "app/windows/solution/TableChartWindow.h"
#include "factory/DemoModel.h"
#include "math/MathServer.h"
#include "framework/grid/zTable.h"
#include "model/RankSolutionData.h"
#include "factory/Factory.h"
#include "framework/grid/zTableCell.h"
#include "framework/grid/zTableModel.h"
#include "model/AppOptions.h"
#include "model/DecisionModel.h"
#include "xml/PalvermontineAppOptsFile.h"

namespace {

namespace fs = std::filesystem;
using PV::App::WMain;
using namespace PV::GUI;

constexpr unsigned kBoxDeadlineMs = 5000;

// A box nobody expected (no answerBox waits for it) is reported and closed after a
// deadline, so that no test waits for a person.
class UnexpectedBoxes {
 public:
  UnexpectedBoxes() {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 250, &UnexpectedBoxes::tick);
  }
  ~UnexpectedBoxes() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  std::vector<std::string> seen;

 private:
  static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!current_) return;
    HWND box = findThreadDialogBox();
    if (!box) {
      current_->since_ = 0;
      return;
    }
    if (current_->since_ == 0) current_->since_ = GetTickCount();
    if (GetTickCount() - current_->since_ < 3000) return;
    current_->seen.push_back(textOf(box) + ": " + textOf(GetDlgItem(box, 0xFFFF)));
    current_->since_ = 0;
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
  static inline UnexpectedBoxes* current_ = nullptr;
  UINT_PTR timer_;
  DWORD since_ = 0;
};

class Editors : public ModelDialogTest {
 protected:
  void SetUp() override {
    ModelDialogTest::SetUp();
    workDir_ = configDir_ + "\\work";
    fs::create_directories(workDir_);
    SetEnvironmentVariableA("PALVERMONTINE_DOCUMENTS_DIR", workDir_.c_str());
    _putenv_s("PALVERMONTINE_DOCUMENTS_DIR", workDir_.c_str());
    auto& app = PV::XML::PalvermontineAppOptsFile::instance()->options();
    app.get_defaultValuesAppOpts().set_autoSave(false);
    AppOptions::instance()->set_cellInputAdvance(0);
    // The program starts as it does with no command line: on a new default model.
    delete app_;
    static char noCommandLine[] = "";
    app_ = new zProgram(GetModuleHandleA(nullptr), nullptr, noCommandLine, SW_SHOWNORMAL);
    zTheProgram = app_;
    program_ = new PV::App::ProgramMain(app_);
    ASSERT_TRUE(program_->start());
    w = program_->window();
    ASSERT_NE(w, nullptr);
    pump();
  }
  void TearDown() override {
    cancelScheduled();
    for (const std::string& box : boxes_.seen) ADD_FAILURE() << "unexpected box: " << box;
    delete program_;
    program_ = nullptr;
    pump();
    ModelDialogTest::TearDown();
  }

  void command(uint32_t id) {
    SendMessageA(w->handle(), WM_COMMAND, id, 0);
    pump();
  }
  static void click(zWindow* dialog, int id) {
    SendMessageA(dialog->handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog->handle(), id)));
    pump();
  }
  // Types the texts one cell after the other, each ended by Enter, as a user does.
  static void typeCells(ModelDefViewerBase* editor, const std::vector<std::string>& texts) {
    ItemTable* table = editor->itemTable();
    for (const std::string& text : texts) {
      SetFocus(table->handle());
      HWND line = table->editLine()->handle();
      if (!text.empty()) {
        SendMessageA(table->handle(), WM_CHAR, static_cast<unsigned char>(text[0]), 0);
        typeInto(line, text.substr(1));
      }
      SetFocus(line);
      SendMessageA(line, WM_KEYDOWN, VK_RETURN, 0);
      SendMessageA(line, WM_CHAR, '\r', 0);
      pump();
    }
  }
  static std::string cell(ModelDefViewerBase* editor, uint32_t column, uint32_t row) {
    const zTableCell* c = editor->tableModel()->cell(zTableCellPos(column, row));
    return c ? c->text() : "";
  }
  static void setCell(ModelDefViewerBase* editor, uint32_t column, uint32_t row, const char* text) {
    delete editor->tableModel()->setCellText(zTableCellPos(column, row), text);
    editor->tableModel()->notifyViews();
  }
  static std::string title(zWindow* window) { return textOf(window->handle()); }
  static PV::Data::DecisionModel* model() { return PV::Data::Factory::instance()->currDataModel(0); }
  // A model file of the current model, loaded through the main window so that Save
  // writes it.
  std::string saveAndLoad(const char* name) {
    const std::string path = workDir_ + "\\" + name;
    EXPECT_TRUE(PV::Data::Factory::instance()->save(path.c_str()));
    EXPECT_TRUE(w->loadModel(path));
    return path;
  }
  // Runs the step while a box of the caption is expected: answered with the button,
  // its text returned.
  std::string withBox(const char* caption, int button, const std::function<void()>& step) {
    std::string text;
    answerBox(caption, button, &text);
    Deadline deadline(kBoxDeadlineMs);
    step();
    pump();
    EXPECT_FALSE(deadline.hit()) << caption;
    cancelScheduled();
    return text;
  }
  void picture(zWindow* window, const char* name) {
    const char* folder = std::getenv("PV_EDITORS_SCREENSHOTS");
    if (!folder) return;
    RedrawWindow(window->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pump();
    saveWindowImage(window->handle(), (std::string(folder) + "\\" + name).c_str());
  }

  UnexpectedBoxes boxes_;
  PV::App::ProgramMain* program_ = nullptr;
  WMain* w = nullptr;
  std::string workDir_;
};

// The main road: a new model gets its choices by typing, Update puts them into the
// model (row numbers and ids from the rows), Save writes them, and the file opened
// again shows them, "é" included.
TEST_F(Editors, ChoicesTypedUpdatedSavedAndOpenedAgain) {
  const std::string path = saveAndLoad("choices.xpv");
  EXPECT_EQ(GetMenuState(GetMenu(w->handle()), CM_CHOICES, MF_BYCOMMAND) & MF_GRAYED, 0u);
  command(CM_CHOICES);
  DChoices* editor = DChoices::instance();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(title(editor), "  Choices");
  EXPECT_EQ(textOf(GetDlgItem(editor->handle(), kEditorCaption)), "Create, Edit, or Delete Model Choices");
  EXPECT_EQ(GetDlgItem(editor->handle(), kEditorAutoRecalc), nullptr);  // the choices have no Auto Recalc
  EXPECT_EQ(editor->itemTable()->getNumRows(), 254u);
  picture(editor, "editor_choices_empty.bmp");

  // "Flow LRD": name, notes, then the next row's name.
  typeCells(editor, {"Alpha", "first"});
  EXPECT_EQ(editor->itemTable()->currentCell(), zTableCellPos(1, 2));
  EXPECT_EQ(title(editor), "* Choices");
  typeCells(editor, {"Beta", "caf\xE9", "Gamma"});
  EXPECT_EQ(cell(editor, 1, 1), "Alpha");
  EXPECT_EQ(cell(editor, 2, 2), "caf\xE9");
  EXPECT_EQ(cell(editor, 1, 3), "Gamma");
  picture(editor, "editor_choices_filled.bmp");

  click(editor, kEditorUpdate);
  EXPECT_EQ(title(editor), "  Choices");
  const auto& chs = model()->get_chs();
  ASSERT_EQ(chs.size(), 3u);
  for (uint32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(chs[i].get_row(), i + 1);
    EXPECT_EQ(chs[i].get_uid(), i + 1);
  }
  EXPECT_EQ(chs[1].get_nm(), "Beta");
  EXPECT_EQ(chs[1].get_note(), "caf\xC3\xA9");  // UTF-8 in the model
  EXPECT_NE(w->statusTexts().summary.find("Ch:3"), std::string::npos);

  EXPECT_TRUE(w->save());
  EXPECT_TRUE(w->isSaved());
  const std::string box =
      withBox("Palvermontine: The Same Model File is Currently Loaded", IDYES, [&] { w->loadModel(path); });
  EXPECT_NE(box.find("already loaded"), std::string::npos);
  EXPECT_EQ(DChoices::instance(), nullptr);  // the model's windows went with it
  ASSERT_EQ(model()->get_chs().size(), 3u);
  command(CM_CHOICES);
  editor = DChoices::instance();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(cell(editor, 1, 1), "Alpha");
  EXPECT_EQ(cell(editor, 2, 1), "first");
  EXPECT_EQ(cell(editor, 2, 2), "caf\xE9");
  EXPECT_EQ(cell(editor, 1, 3), "Gamma");
  EXPECT_EQ(title(editor), "  Choices");
  // One window of a kind: the command brings it back instead of making another.
  command(CM_CHOICES);
  EXPECT_EQ(DChoices::instance(), editor);
}

// The mark of the first edit redraws the editor's caption alone: the table and the
// buttons are not painted again for it.
TEST_F(Editors, TheEditMarkRedrawsTheCaptionAlone) {
  command(CM_CHOICES);
  DChoices* editor = DChoices::instance();
  ASSERT_NE(editor, nullptr);
  pump();
  PV::GUI::ItemTable* table = editor->itemTable();
  table->setCurrentCell(zTableCellPos(1, 1));
  SetFocus(table->handle());
  SendMessageA(table->handle(), WM_CHAR, 'a', 0);
  SendMessageA(table->editLine()->handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(title(editor), "* Choices");
  for (int32_t id : {kEditorOk, kEditorUpdate}) {
    EXPECT_FALSE(GetUpdateRect(GetDlgItem(editor->handle(), id), nullptr, FALSE)) << id;
  }
  editor->discard();
  pump();
}

// Each editor's table has more rows than it shows: its vertical bar is drawn once as the
// editor opens and not again when the queue runs (each drawing of a bar through Wine's
// theme is slow).
TEST_F(Editors, TheTablesBarIsDrawnOnceWhenTheEditorOpens) {
  auto opens = [this](auto* kind, uint32_t id, const char* name) {
    using Editor = std::remove_pointer_t<decltype(kind)>;
    FramePaintCounter paints("zTableCL");
    command(id);
    Editor* editor = Editor::instance();
    ASSERT_NE(editor, nullptr) << name;
    pump();
    const HWND table = editor->itemTable()->handle();
    EXPECT_NE(GetWindowLongA(table, GWL_STYLE) & WS_VSCROLL, 0) << name;
    EXPECT_EQ(paints.count(table), 1) << name;
    editor->discard();
    pump();
  };
  opens(static_cast<DChoices*>(nullptr), CM_CHOICES, "choices");
  opens(static_cast<DCriteria*>(nullptr), CM_CRITERIA, "criteria");
  opens(static_cast<DDecisionMakers*>(nullptr), CM_DECISION_MAKERS, "decision makers");
}

// Weights: an empty weight takes the list's default (0 for criteria, 100 for decision
// makers), any spelling of a number is its number, and text that is none is refused.
TEST_F(Editors, WeightsTakeDefaultsAndNormalisedNumbers) {
  struct Case {
    uint32_t command;
    const char* weight;
    uint16_t stored;
  } cases[] = {
      {CM_CRITERIA, "", 0},
      {CM_CRITERIA, "00", 0},
      {CM_CRITERIA, "0000", 0},
      {CM_CRITERIA, "0007", 7},
      {CM_DECISION_MAKERS, "", 100},
      {CM_DECISION_MAKERS, " ", 100},
      {CM_DECISION_MAKERS, "####", 100},
      {CM_DECISION_MAKERS, "9999", 9999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.weight) + (c.command == CM_CRITERIA ? " criteria" : " decision makers"));
    command(c.command);
    ModelDefViewerBase* editor = c.command == CM_CRITERIA ? static_cast<ModelDefViewerBase*>(DCriteria::instance())
                                                          : DDecisionMakers::instance();
    ASSERT_NE(editor, nullptr);
    setCell(editor, 1, 1, "Price");
    setCell(editor, 2, 1, c.weight);
    click(editor, kEditorUpdate);
    if (c.command == CM_CRITERIA) {
      ASSERT_EQ(model()->get_crs().size(), 1u);
      EXPECT_EQ(model()->get_crs()[0].get_wt(), c.stored);
    } else {
      ASSERT_EQ(model()->get_dms().size(), 1u);
      EXPECT_EQ(model()->get_dms()[0].get_wt(), c.stored);
    }
  }
  // A weight that is no number is refused with the table's message; the model keeps
  // the last good one.
  command(CM_CRITERIA);
  DCriteria* criteria = DCriteria::instance();
  setCell(criteria, 2, 1, "12345");
  const std::string text = withBox(kTableEntryError, IDOK, [&] { click(criteria, kEditorUpdate); });
  EXPECT_NE(text.find("Row #1"), std::string::npos) << text;
  EXPECT_EQ(model()->get_crs()[0].get_wt(), 7u);
}

// A row without a name, or with a name of blanks, is refused with the exact text; the
// model and the marker stay as they were.
TEST_F(Editors, AnIncompleteRowIsRefusedWithTheTableEntryError) {
  command(CM_CRITERIA);
  DCriteria* editor = DCriteria::instance();
  ASSERT_NE(editor, nullptr);
  struct Case {
    uint32_t column;
    const char* text;
    const char* message;
  } cases[] = {
      {3, "a note", "Incomplete Row #3 : A Description In Column \"Criteria\" Is Required!"},
      {1, "   ", "Incomplete Row #3 : A Description In Column \"Criteria\" Is Required!; Description is all spaces"},
      {3, "  ", "Incomplete Row #3 : A Description In Column \"Criteria\" Is Required!; Description is all spaces"},
  };
  setCell(editor, 1, 1, "Price");
  for (const Case& c : cases) {
    setCell(editor, 1, 3, "");
    setCell(editor, 3, 3, "");
    setCell(editor, c.column, 3, c.text);
    EXPECT_EQ(title(editor), "* Criteria");
    const std::string text = withBox(kTableEntryError, IDOK, [&] { click(editor, kEditorUpdate); });
    EXPECT_EQ(text, c.message);
    EXPECT_TRUE(model()->get_crs().empty());
    EXPECT_EQ(title(editor), "* Criteria");
  }
  // The window stays open when closed with the row still incomplete.
  withBox(kTableEntryError, IDOK, [&] { SendMessageA(editor->handle(), WM_CLOSE, 0, 0); });
  EXPECT_EQ(DCriteria::instance(), editor);
}

// More rows than a model holds are refused at Update with the limit named; the table's
// own rows stay (so the user can delete some).
TEST_F(Editors, MoreRowsThanAModelHoldsAreRefusedNamingTheLimit) {
  struct Case {
    uint32_t command;
    uint32_t rows;
    const char* limit;
  } cases[] = {{CM_CHOICES, 11, "at most 10"}, {CM_CRITERIA, 8, "at most 7"}, {CM_DECISION_MAKERS, 6, "at most 5"}};
  for (const Case& c : cases) {
    command(c.command);
    ModelDefViewerBase* editor = c.command == CM_CHOICES    ? static_cast<ModelDefViewerBase*>(DChoices::instance())
                                 : c.command == CM_CRITERIA ? static_cast<ModelDefViewerBase*>(DCriteria::instance())
                                                            : DDecisionMakers::instance();
    ASSERT_NE(editor, nullptr);
    for (uint32_t r = 1; r <= c.rows; ++r) setCell(editor, 1, r, ("n" + std::to_string(r)).c_str());
    const std::string text = withBox(kTableEntryError, IDOK, [&] { click(editor, kEditorUpdate); });
    EXPECT_NE(text.find(c.limit), std::string::npos) << text;
    const size_t stored = c.command == CM_CHOICES    ? model()->get_chs().size()
                          : c.command == CM_CRITERIA ? model()->get_crs().size()
                                                     : model()->get_dms().size();
    EXPECT_EQ(stored, 0u);
    // One row fewer is a model.
    setCell(editor, 1, c.rows, "");
    click(editor, kEditorUpdate);
    EXPECT_EQ(title(editor).substr(0, 2), "  ");
  }
  EXPECT_EQ(model()->get_chs().size(), 10u);
  EXPECT_EQ(model()->get_crs().size(), 7u);
  EXPECT_EQ(model()->get_dms().size(), 5u);
}

// The edit lock from the main window: names and notes grey and read-only, weights open,
// the caption says so; an editor opened under the lock starts locked.
TEST_F(Editors, TheLockGreysNamesButNotWeights) {
  command(CM_CRITERIA);
  DCriteria* criteria = DCriteria::instance();
  setCell(criteria, 1, 1, "Price");
  setCell(criteria, 2, 1, "10");
  click(criteria, kEditorUpdate);
  picture(criteria, "editor_criteria_filled.bmp");
  w->setModelDefEditLock(true);
  EXPECT_TRUE(criteria->itemTable()->isLocked());
  EXPECT_EQ(textOf(GetDlgItem(criteria->handle(), kEditorCaption)), "Criteria Edit Lock (Weights Excluded)");
  command(CM_DECISION_MAKERS);
  DDecisionMakers* dms = DDecisionMakers::instance();
  ASSERT_NE(dms, nullptr);
  EXPECT_TRUE(dms->itemTable()->isLocked());
  EXPECT_EQ(textOf(GetDlgItem(dms->handle(), kEditorCaption)), "Decision Makers Edit Lock (Weights Excluded)");
  EXPECT_EQ(title(dms), "  DecisionMakers");  // the lock is no edit
  picture(dms, "editor_dms_locked.bmp");

  // A weight changes under the lock; a name does not.
  command(CM_CRITERIA);
  ItemTable* table = criteria->itemTable();
  table->setCurrentCell(zTableCellPos(2, 1));
  typeCells(criteria, {"25"});
  table->setCurrentCell(zTableCellPos(1, 1));
  SetFocus(table->handle());
  SendMessageA(table->handle(), WM_CHAR, 'X', 0);
  EXPECT_NE(GetFocus(), table->editLine()->handle());  // no edit starts on a locked cell
  click(criteria, kEditorUpdate);
  EXPECT_EQ(model()->get_crs()[0].get_wt(), 25u);
  EXPECT_EQ(model()->get_crs()[0].get_nm(), "Price");
  picture(criteria, "editor_criteria_locked.bmp");

  w->setModelDefEditLock(false);
  EXPECT_FALSE(dms->itemTable()->isLocked());
  EXPECT_EQ(textOf(GetDlgItem(dms->handle(), kEditorCaption)), "Create, Edit, or Delete Model Decision Makers");
}

// The keyboard alone reaches every control of an editor: Tab past the table's last cell
// and Ctrl+Tab leave the table; under the lock Tab walks the weights, and Enter on a
// locked cell moves on instead of answering the editor with OK.
TEST_F(Editors, TheKeyboardLeavesTheTableAndWalksTheWeightsUnderTheLock) {
  command(CM_CRITERIA);
  DCriteria* criteria = DCriteria::instance();
  ASSERT_NE(criteria, nullptr);
  ItemTable* table = criteria->itemTable();
  const HWND line = table->editLine()->handle();
  const auto held = [](std::initializer_list<int> keys) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    for (int k : {VK_SHIFT, VK_CONTROL}) state[k] = 0;
    for (int k : keys) state[k] = 0x80;
    SetKeyboardState(state);
  };
  const auto press = [](HWND window, WPARAM key) {
    SendMessageA(window, WM_KEYDOWN, key, 0);
    SendMessageA(window, WM_KEYUP, key, 0);
    pump();
  };
  const auto outside = [&] {
    const HWND focus = GetFocus();
    return focus && focus != table->handle() && focus != line && IsChild(criteria->handle(), focus);
  };
  setCell(criteria, 1, 1, "Price");
  setCell(criteria, 2, 1, "10");
  setCell(criteria, 1, 2, "Speed");
  setCell(criteria, 2, 2, "20");
  click(criteria, kEditorUpdate);

  // Unlocked: Ctrl+Tab leaves at once, Tab after the last cell too.
  table->setCurrentCell(zTableCellPos(1, 1));
  SetFocus(table->handle());
  held({VK_CONTROL});
  press(table->handle(), VK_TAB);
  held({});
  EXPECT_TRUE(outside()) << "Ctrl+Tab from the table";
  table->setCurrentCell(zTableCellPos(table->notesColumn(), table->getNumRows()));
  SetFocus(table->handle());
  press(table->handle(), VK_TAB);
  EXPECT_TRUE(outside()) << "Tab from the last cell";

  w->setModelDefEditLock(true);
  struct Case {
    zTableCellPos from;
    bool back;
    zTableCellPos to;  // column 0: out of the table
  } cases[] = {
      {{1, 1}, false, {2, 1}}, {{2, 1}, false, {2, 2}}, {{3, 1}, false, {2, 2}},
      {{2, 2}, true, {2, 1}},  {{2, 1}, true, {0, 0}},
  };
  for (const Case& c : cases) {
    table->setCurrentCell(c.from);
    SetFocus(table->handle());
    held(c.back ? std::initializer_list<int>{VK_SHIFT} : std::initializer_list<int>{});
    press(table->handle(), VK_TAB);
    held({});
    if (c.to.column == 0) {
      EXPECT_TRUE(outside()) << "Shift+Tab from the first weight";
    } else {
      EXPECT_EQ(table->currentCell(), c.to) << c.from.column << "," << c.from.row << (c.back ? " back" : "");
    }
  }
  // Enter in the edit line of a locked notes cell.
  table->setCurrentCell(zTableCellPos(3, 1));
  table->resetEditLine();
  SetFocus(line);
  SendMessageA(line, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(line, WM_CHAR, '\r', 0);
  pump();
  ASSERT_EQ(DCriteria::instance(), criteria) << "the editor stays open";
  EXPECT_TRUE(IsWindow(criteria->handle()));
  EXPECT_EQ(table->currentCell(), zTableCellPos(2, 2));
  w->setModelDefEditLock(false);
}

// Cut, Copy and Paste of the main window reach the active editor's table; pasted
// weights are normalised.
TEST_F(Editors, TheMainWindowsEditCommandsReachTheActiveTable) {
  command(CM_CRITERIA);
  DCriteria* editor = DCriteria::instance();
  ItemTable* table = editor->itemTable();
  setCell(editor, 1, 1, "Quality");
  table->setCurrentCell(zTableCellPos(1, 1));
  SetFocus(table->handle());
  command(CM_COPY);
  ASSERT_TRUE(OpenClipboard(w->handle()));
  std::string copied = static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT)));
  CloseClipboard();
  EXPECT_EQ(copied, "Quality");

  ASSERT_TRUE(OpenClipboard(w->handle()));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 6);
  memcpy(GlobalLock(memory), " 007 ", 6);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
  table->setCurrentCell(zTableCellPos(2, 1));
  SetFocus(table->handle());
  // The Edit menu, as it opens, offers Paste.
  HMENU edit = GetSubMenu(GetMenu(w->handle()), 1);
  SendMessageA(w->handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 1);
  EXPECT_EQ(GetMenuState(GetMenu(w->handle()), CM_PASTE, MF_BYCOMMAND) & MF_GRAYED, 0u);
  command(CM_PASTE);
  EXPECT_EQ(cell(editor, 2, 1), "7");

  table->setCurrentCell(zTableCellPos(1, 1));
  SetFocus(table->handle());
  command(CM_CUT);
  EXPECT_EQ(cell(editor, 1, 1), "");
}

// With Auto Update ticked, leaving the editor for another window writes its table.
TEST_F(Editors, AutoUpdateWritesTheTableWhenTheEditorIsLeft) {
  command(CM_CHOICES);
  DChoices* editor = DChoices::instance();
  editor->setAutoUpdate(true);
  setCell(editor, 1, 1, "Alpha");
  setCell(editor, 1, 2, "Beta");
  EXPECT_TRUE(model()->get_chs().empty());
  command(CM_CRITERIA);  // another editor becomes the active window
  pump();
  ASSERT_EQ(model()->get_chs().size(), 2u);
  EXPECT_EQ(title(editor), "  Choices");
}

// Each kind reopens where its last window was closed; other kinds are not moved.
TEST_F(Editors, AMovedEditorReopensWhereItWas) {
  command(CM_CRITERIA);
  DCriteria* criteria = DCriteria::instance();
  MoveWindow(criteria->handle(), 37, 53, 600, 380, TRUE);
  SendMessageA(criteria->handle(), WM_CLOSE, 0, 0);
  pump();
  EXPECT_EQ(DCriteria::instance(), nullptr);
  command(CM_CRITERIA);
  criteria = DCriteria::instance();
  ASSERT_NE(criteria, nullptr);
  RECT r;
  GetWindowRect(criteria->handle(), &r);
  MapWindowPoints(nullptr, GetParent(criteria->handle()), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 37);
  EXPECT_EQ(r.top, 53);
  EXPECT_EQ(r.right - r.left, 600);
  command(CM_CHOICES);
  GetWindowRect(DChoices::instance()->handle(), &r);
  MapWindowPoints(nullptr, GetParent(criteria->handle()), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_NE(r.left, 37);
}

// An editor that refuses its table stops the save: the file is not written and the
// model stays unsaved.
TEST_F(Editors, AnEditorThatRefusesItsTableStopsTheSave) {
  const std::string path = saveAndLoad("refused.xpv");
  const auto before = fs::last_write_time(path);
  std::ifstream in(path, std::ios::binary);
  std::stringstream original;
  original << in.rdbuf();
  in.close();
  command(CM_CRITERIA);
  DCriteria* editor = DCriteria::instance();
  setCell(editor, 3, 2, "notes without a name");
  bool saved = true;
  withBox(kTableEntryError, IDOK, [&] { saved = w->save(); });
  EXPECT_FALSE(saved);
  EXPECT_FALSE(w->isSaved());
  std::ifstream again(path, std::ios::binary);
  std::stringstream now;
  now << again.rdbuf();
  EXPECT_EQ(now.str(), original.str());
  EXPECT_EQ(fs::last_write_time(path), before);
}

// A model that goes (another one opened) takes its editors with it, without writing
// their tables into it and without any table message.
TEST_F(Editors, EditorsOfAReplacedModelCloseWithoutWriting) {
  const std::string other = workDir_ + "\\other.xpv";
  ASSERT_TRUE(PV::Data::Factory::instance()->save(other.c_str()));
  command(CM_CRITERIA);
  DCriteria* editor = DCriteria::instance();
  setCell(editor, 3, 2, "notes without a name");  // would be refused if written
  const std::string text =
      withBox("Palvermontine", IDNO, [&] { EXPECT_TRUE(w->loadModel(other)); });  // "Save changes to ..."
  EXPECT_NE(text.find("Save changes"), std::string::npos) << text;
  pump();
  EXPECT_EQ(DCriteria::instance(), nullptr);
  EXPECT_EQ(findThreadDialogBox(kTableEntryError), nullptr);
  EXPECT_TRUE(model()->get_crs().empty());
}

// Escape after a paste into a cell brings the cell's text back into the edit line, as
// it does after typing, and leaves the editor open with its rows; the keys go through
// the program's own message loop, where a dialog's Escape presses Cancel. Cancel itself
// asks before it drops rows not yet in the model.
TEST_F(Editors, EscapeAfterAPasteKeepsTheEditorAndCancelAsksBeforeDroppingRows) {
  for (uint32_t kind : {CM_CHOICES, CM_CRITERIA}) {
    SCOPED_TRACE(kind == CM_CHOICES ? "choices" : "criteria");
    command(kind);
    ModelDefViewerBase* editor =
        kind == CM_CHOICES ? static_cast<ModelDefViewerBase*>(DChoices::instance()) : DCriteria::instance();
    ASSERT_NE(editor, nullptr);
    typeCells(editor, {"Alpha"});
    ASSERT_EQ(cell(editor, 1, 1), "Alpha");
    putOnClipboard("Pasted");
    ItemTable* table = editor->itemTable();
    table->setCurrentCell(zTableCellPos(1, 2));
    SetFocus(table->handle());
    command(CM_PASTE);
    ASSERT_EQ(cell(editor, 1, 2), "Pasted");

    HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(focus, WM_CHAR, 27, 1);
    PostQuitMessage(0);
    app_->runMessageLoop();
    pump();
    const bool stillOpen = kind == CM_CHOICES ? DChoices::instance() == editor : DCriteria::instance() == editor;
    ASSERT_TRUE(stillOpen) << "Escape closed the editor with its rows";
    EXPECT_EQ(title(editor)[0], '*');
    EXPECT_EQ(textOf(table->editLine()->handle()), "Pasted");
    EXPECT_EQ(cell(editor, 1, 1), "Alpha");

    // Cancel, answered No, keeps the window and its rows; Yes drops them.
    const std::string question = withBox("Cancel Changes", IDNO, [&] { click(editor, kEditorCancel); });
    EXPECT_NE(question.find("not yet in the model"), std::string::npos) << question;
    EXPECT_EQ(cell(editor, 1, 2), "Pasted");
    withBox("Cancel Changes", IDYES, [&] { click(editor, kEditorCancel); });
    pump();
    EXPECT_EQ(kind == CM_CHOICES ? static_cast<void*>(DChoices::instance()) : DCriteria::instance(), nullptr);
    EXPECT_TRUE(model()->get_chs().empty());
    EXPECT_TRUE(model()->get_crs().empty());
  }
}

// A paste longer than a cell holds keeps what the model holds (a name 40 bytes, notes
// 240) and says that it was cut.
TEST_F(Editors, APasteLongerThanACellHoldsIsCutWithAWord) {
  command(CM_CHOICES);
  DChoices* editor = DChoices::instance();
  ASSERT_NE(editor, nullptr);
  ItemTable* table = editor->itemTable();
  struct Case {
    uint32_t column;
    size_t kept;
  } cases[] = {{1, 40}, {2, 240}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.column);
    putOnClipboard(std::string(300, 'q'));
    table->setCurrentCell(zTableCellPos(c.column, 1));
    SetFocus(table->handle());
    const std::string said = withBox("Pasted Text Cut", IDOK, [&] { command(CM_PASTE); });
    EXPECT_EQ(cell(editor, c.column, 1), std::string(c.kept, 'q'));
    EXPECT_NE(said.find("cut to " + std::to_string(c.kept) + " of its 300"), std::string::npos) << said;
  }
}

// A file whose entries carry unordered, repeated or out-of-range row numbers opens in
// its editor with every entry shown.
TEST_F(Editors, EntriesWithUnorderedRowNumbersAreAllShown) {
  auto& chs = model()->get_chs();
  const uint8_t rows[] = {3, 1, 3, 255};
  for (size_t i = 0; i < 4; ++i) {
    PV::Data::Choice c;
    c.set_nm("c" + std::to_string(i));
    c.set_row(rows[i]);
    c.set_uid(static_cast<uint32_t>(i + 1));
    chs.push_back(c);
  }
  command(CM_CHOICES);
  DChoices* editor = DChoices::instance();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(cell(editor, 1, 3), "c0");
  EXPECT_EQ(cell(editor, 1, 1), "c1");
  EXPECT_EQ(cell(editor, 1, 2), "c2");
  EXPECT_EQ(cell(editor, 1, 4), "c3");
  click(editor, kEditorUpdate);
  ASSERT_EQ(model()->get_chs().size(), 4u);
  EXPECT_EQ(model()->get_chs()[0].get_nm(), "c1");
  EXPECT_EQ(model()->get_chs()[3].get_uid(), 4u);
}

// Names and notes in letters the screen's code page lacks show as '?': Update keeps the
// texts the table still shows unchanged, and takes a cell the user changed as typed.
TEST_F(Editors, UpdateKeepsLettersTheScreenCannotShow) {
  if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
  const std::string alpha = "\xce\x91\xce\xbb\xcf\x86\xce\xb1";
  const std::string omega = "\xce\xa9 \xce\xbc\xce\xad\xce\xb3\xce\xb1";
  const std::string names[] = {alpha, omega, "plain"};
  auto& chs = model()->get_chs();
  for (uint8_t i = 0; i < 3; ++i) {
    PV::Data::Choice c;
    c.set_nm(names[i]);
    c.set_note(alpha);
    c.set_row(static_cast<uint8_t>(i + 1));
    c.set_uid(i + 1u);
    chs.push_back(c);
  }
  command(CM_CHOICES);
  DChoices* editor = DChoices::instance();
  ASSERT_NE(editor, nullptr);
  setCell(editor, 1, 3, "Renamed");
  click(editor, kEditorUpdate);
  const auto& stored = model()->get_chs();
  ASSERT_EQ(stored.size(), 3u);
  EXPECT_EQ(stored[0].get_nm(), alpha);
  EXPECT_EQ(stored[1].get_nm(), omega);
  EXPECT_EQ(stored[2].get_nm(), "Renamed");
  for (const auto& c : stored) EXPECT_EQ(c.get_note(), alpha);
}

}  // namespace

// A weight changed on a scored model whose ids are not its row numbers (the
// demonstration's are random) keeps every score; Update with Auto Recalc then computes
// the ranking again and refills the newest solution window in place, and without Auto
// Recalc the ranking stays as it was.
TEST_F(Editors, UpdateWithAutoRecalcRefillsTheNewestSolutionWindow) {
  {
    PV::Data::RankSolutionData ranking;
    auto algorithm = PV::Test::makeDataModel(ranking, false, false);
    ASSERT_TRUE(PV::Data::Factory::instance()->save((workDir_ + "\\demo.xpv").c_str()));
  }
  ASSERT_TRUE(w->loadModel(workDir_ + "\\demo.xpv"));
  command(CM_BEST_CHOICE);
  PV::GUI::TableChartWindow* solution = w->solutionWindow();
  ASSERT_NE(solution, nullptr);
  const auto ranks = [] {
    std::vector<double> out;
    for (const auto& s : model()->get_slns()) out.push_back(s.get_pctrank());
    return out;
  };
  const auto shown = [solution] {
    std::vector<std::string> out;
    zTableModel* table = solution->table()->model();
    for (uint32_t row = 1; row <= table->rowCount(); ++row) {
      for (uint32_t column = 1; column <= table->columnCount(); ++column) {
        const zTableCell* c = table->cell(zTableCellPos(column, row));
        out.push_back(c ? c->text() : "");
      }
    }
    return out;
  };
  std::vector<uint32_t> ids;
  for (const auto& c : model()->get_crs()) ids.push_back(c.get_uid());
  const std::vector<double> before = ranks();
  const std::vector<std::string> shownBefore = shown();

  command(CM_CRITERIA);
  DCriteria* criteria = DCriteria::instance();
  ASSERT_NE(criteria, nullptr);
  ASSERT_TRUE(criteria->itemTable()->isLocked()) << "a scored model locks its lists, not its weights";
  const uint32_t weight = model()->get_crs()[0].get_wt();
  setCell(criteria, 2, 1, weight > 5000 ? "1" : "9999");
  click(criteria, kEditorUpdate);
  EXPECT_NE(model()->get_crs()[0].get_wt(), weight);
  // The entries keep their ids, which the pairs' scores name: the model stays scored.
  std::vector<uint32_t> idsAfter;
  for (const auto& c : model()->get_crs()) idsAfter.push_back(c.get_uid());
  EXPECT_EQ(idsAfter, ids);
  EXPECT_TRUE(PV::Data::Factory::instance()->getMathServer(0)->isComplete()) << "a weight keeps every score";
  EXPECT_EQ(shown(), shownBefore) << "no recalculation without Auto Recalc";

  criteria->setAutoRecalc(true);
  setCell(criteria, 2, 1, weight > 5000 ? "2" : "9000");
  click(criteria, kEditorUpdate);
  EXPECT_EQ(w->solutionWindow(), solution) << "refilled in place, no new window";
  EXPECT_NE(ranks(), before) << "the ranking was computed again";
  EXPECT_NE(shown(), shownBefore) << "and the window shows it";
}

// With three hundred solution windows open (Best Choice opens a new one each time), the
// program still answers the keys of the editors at once: round after round of F3 (the
// Choices editor, open or brought back) and Esc (taken by its table as the program's
// message loop hands it over) each end well within half a second, and the editor stays.
TEST_F(Editors, KeysAreAnsweredWithThreeHundredSolutionWindowsOpen) {
  {
    PV::Data::RankSolutionData ranking;
    auto algorithm = PV::Test::makeDataModel(ranking, false, false);
    ASSERT_TRUE(PV::Data::Factory::instance()->save((workDir_ + "\\demo.xpv").c_str()));
  }
  ASSERT_TRUE(w->loadModel(workDir_ + "\\demo.xpv"));
  for (int i = 0; i < 300; ++i) SendMessageA(w->handle(), WM_COMMAND, CM_BEST_CHOICE, 0);
  pump();
  ASSERT_EQ(w->solutionWindows().size(), 300u);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  double slowest = 0;
  for (int round = 0; round < 20; ++round) {
    LARGE_INTEGER before, after;
    QueryPerformanceCounter(&before);
    command(CM_CHOICES);
    DChoices* editor = DChoices::instance();
    ASSERT_NE(editor, nullptr);
    HWND table = editor->itemTable()->handle();
    SetFocus(table);
    MSG escape = {table, WM_KEYDOWN, VK_ESCAPE, 1, 0, {0, 0}};
    if (!IsDialogMessageA(editor->handle(), &escape)) DispatchMessageA(&escape);
    pump();
    QueryPerformanceCounter(&after);
    slowest = std::max(slowest, double(after.QuadPart - before.QuadPart) / double(frequency.QuadPart));
    ASSERT_EQ(DChoices::instance(), editor) << "round " << round;
  }
  EXPECT_LT(slowest, 0.5) << "the slowest round took " << slowest << " s";
}
