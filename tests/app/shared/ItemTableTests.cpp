// The item tables under Wine: a weighted table of 56 rows (and a plain one of 254)
// in a test frame, driven by the commands, keys and characters a user sends, with
// the clipboard of the test's own desktop. Message boxes the table shows are
// answered from inside the process.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "FramesTestSupport.h"
#include "GuiTestSupport.h"
#include "app/shared/ItemTable.h"
#include "framework/grid/zTableAttr.h"
#include "framework/grid/zTableCell.h"
#include "framework/grid/zTableDrawAttr.h"
#include "framework/grid/zTableModel.h"
#include "framework/layout/zSizer.h"

using PV::GUI::ItemTable;
using PV::GUI::WtItemTable;

namespace {

constexpr int32_t kGrid = 109;
constexpr int32_t kLine = 114;

std::string textOf(HWND w) {
  char buffer[400] = {};
  GetWindowTextA(w, buffer, sizeof buffer);
  return buffer;
}

std::string clipboard(HWND owner) {
  std::string text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// Holds the modifier keys down for the keys sent while it lives.
class Modifiers {
 public:
  explicit Modifiers(const std::vector<int>& keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    memcpy(state, saved_, sizeof state);
    for (int k : keys) state[k] = 0x80;
    SetKeyboardState(state);
  }
  ~Modifiers() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256];
};

class ItemTables : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    frame = std::make_unique<LoggingFrame>("Item table frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    MoveWindow(frame->handle(), 10, 10, 720, 520, TRUE);
  }
  void TearDown() override {
    cancelScheduled();
    frame.reset();
    model.reset();
    FrameworkTest::TearDown();
  }
  // The grid a template would make, taken over by the item table.
  template <class Table>
  Table* make(uint32_t columns, uint32_t rows) {
    new zTable(frame.get(), new zSizer(zPoint(0, 40), zDimension(680, 420), nullptr), WS_CHILD | WS_VISIBLE, 0, kGrid);
    model = std::make_unique<zTableSmallModel>(columns, rows);
    Table* t = new Table(frame.get(), kGrid, model.get());
    MoveWindow(t->handle(), 0, 40, 680, 420, TRUE);
    t->calcLayout();
    t->createEditLine(kLine);
    pump();
    return t;
  }
  std::string cell(uint32_t column, uint32_t row) {
    const zTableCell* c = model->cell(zTableCellPos(column, row));
    return c ? c->text() : "";
  }
  void set(uint32_t column, uint32_t row, const char* text) {
    delete model->setCellText(zTableCellPos(column, row), text);
  }
  static void type(HWND w, const std::string& s) {
    for (char c : s) SendMessageA(w, WM_CHAR, static_cast<unsigned char>(c), 0);
  }
  static void key(HWND w, WPARAM k) {
    SendMessageA(w, WM_KEYDOWN, k, 0);
    SendMessageA(w, WM_KEYUP, k, 0);
  }
  bool readOnly(uint32_t column, uint32_t row) {
    ziTableEnv env(model.get());
    env.collect(zTableCellPos(column, row));
    return env.readOnly();
  }
  zColor background(uint32_t column, uint32_t row) {
    ziTableEnv env(model.get());
    env.collect(zTableCellPos(column, row));
    auto* attr = static_cast<zTableBackColorAttr*>(env.slot(zTableAttrBackColor));
    return attr ? attr->color() : zColor(255, 255, 255);
  }

  std::unique_ptr<LoggingFrame> frame;
  std::unique_ptr<zTableSmallModel> model;
};

TEST_F(ItemTables, AWeightedTableHasItsColumnsAndAValidatedNumberCellInEveryWeightsRow) {
  WtItemTable* t = make<WtItemTable>(3, 56);
  t->setColumnHeader(1, "Criteria");
  t->setColumnHeader(2, "Weights");
  EXPECT_EQ(t->getNumCols(), 4u);
  EXPECT_EQ(t->getNumRows(), 56u);
  EXPECT_EQ(t->weightsColumn(), 2u);
  EXPECT_EQ(t->notesColumn(), 3u);
  EXPECT_EQ(t->columnHeader(0), "ID");
  EXPECT_EQ(t->columnHeader(3), "Notes");
  for (uint32_t row : {1u, 28u, 56u}) {
    const zTableCell* weight = model->cell(zTableCellPos(2, row));
    ASSERT_NE(weight, nullptr) << row;
    EXPECT_TRUE(weight->hasKind(zTableCellValidated) && weight->hasKind(zTableCellNumber)) << row;
  }
  // Weights are centred and dark red.
  ziTableEnv env(model.get());
  env.collect(zTableCellPos(2, 5));
  EXPECT_EQ(env.alignment(), static_cast<uint32_t>(zTableAlignCentre));
  auto* colour = static_cast<zTableTextColorAttr*>(env.slot(zTableAttrTextColor));
  ASSERT_NE(colour, nullptr);
  EXPECT_EQ(colour->color(), PV::GUI::kWeightColour);
  delete t;
}

// The edit line: yellow while it has the focus; Esc and Ctrl+U bring the cell's text
// back; Enter stores; Tab and Shift+Tab walk the row and wrap to the next one.
TEST_F(ItemTables, TheEditLineShowsItsFocusRevertsAndWalksTheRows) {
  ItemTable* t = make<ItemTable>(2, 254);
  HWND line = t->editLine()->handle();
  set(1, 1, "Alpha");
  t->setCurrentCell(zTableCellPos(1, 1));
  t->resetEditLine();
  SetFocus(line);
  EXPECT_EQ(t->editLine()->background(), PV::GUI::kEditFocusColour);
  SetFocus(t->handle());
  EXPECT_EQ(t->editLine()->background(), zColor(255, 255, 255));
  EXPECT_EQ(t->editLine()->lastFocusLoss(), PV::GUI::ItemTableEditLine::kLineLostFocus);

  SetFocus(line);
  type(line, "xx");
  SendMessageA(line, WM_CHAR, 27, 0);
  EXPECT_EQ(textOf(line), "Alpha");
  EXPECT_EQ(cell(1, 1), "Alpha");

  SetWindowTextA(line, "Beta");
  SendMessageA(line, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(line, WM_CHAR, '\r', 0);
  pump();
  EXPECT_EQ(cell(1, 1), "Beta");

  struct Case {
    zTableCellPos from;
    bool back;
    zTableCellPos to;
  } cases[] = {
      {{1, 3}, false, {2, 3}},                              // along the row
      {{2, 3}, false, {1, 4}},                              // from the notes to the next row's name
      {{2, 254}, false, {2, 254}},                          // the last row's notes: nowhere to go
      {{2, 3}, true, {1, 3}},      {{1, 3}, true, {2, 2}},  // from a name back to the row above's notes
      {{1, 1}, true, {1, 1}},
  };
  for (const Case& c : cases) {
    t->setCurrentCell(c.from);
    SetFocus(line);
    {
      Modifiers held(c.back ? std::vector<int>{VK_SHIFT} : std::vector<int>{});
      SendMessageA(line, WM_KEYDOWN, VK_TAB, 0);
    }
    EXPECT_EQ(t->currentCell(), c.to) << c.from.column << "," << c.from.row << (c.back ? " back" : "");
  }
  delete t;
}

// A weight shows in the edit line as its number alone, and typed digits store as typed:
// no '#' of the column's picture stands in the line before them.
TEST_F(ItemTables, TheEditLineShowsAWeightAsItsDigits) {
  WtItemTable* t = make<WtItemTable>(3, 56);
  HWND line = t->editLine()->handle();
  struct Case {
    const char* stored;
    const char* shown;
  } cases[] = {{"50", "50"}, {"7", "7"}, {"9999", "9999"}, {"0", "0"}};
  for (const Case& c : cases) {
    set(2, 2, c.stored);
    t->setCurrentCell(zTableCellPos(2, 2));
    t->resetEditLine();
    EXPECT_EQ(textOf(line), c.shown) << c.stored;
  }
  // Typed into an empty weight.
  set(2, 3, "");
  t->setCurrentCell(zTableCellPos(2, 3));
  t->resetEditLine();
  SetFocus(line);
  type(line, "42");
  EXPECT_EQ(textOf(line), "42");
  SendMessageA(line, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(line, WM_CHAR, '\r', 0);
  pump();
  EXPECT_EQ(cell(2, 3), "42");
  delete t;
}

// Right of the last column and below the last row the table shows the colour of its
// cells, not the dark workspace grey.
TEST_F(ItemTables, BeyondItsColumnsTheTableIsTheColourOfItsCells) {
  ItemTable* t = make<ItemTable>(2, 3);
  RECT client{};
  GetClientRect(t->handle(), &client);
  const zRect last = t->cellRect(zTableCellPos(t->getNumCols() - 1, 1));
  ASSERT_LT(last.right() + 20, client.right) << "room right of the columns";
  ASSERT_LT(t->cellRect(zTableCellPos(1, 3)).bottom() + 20, client.bottom) << "room below the rows";
  InvalidateRect(t->handle(), nullptr, TRUE);
  UpdateWindow(t->handle());
  HDC dc = GetDC(t->handle());
  const COLORREF right = GetPixel(dc, last.right() + 10, (last.top() + last.bottom()) / 2);
  const COLORREF below = GetPixel(dc, 10, t->cellRect(zTableCellPos(1, 3)).bottom() + 10);
  ReleaseDC(t->handle(), dc);
  EXPECT_EQ(right, GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(below, GetSysColor(COLOR_WINDOW));
  delete t;
}

// Pasted weights are whole numbers of at most four digits, without blanks or leading
// zeros; anything else is refused and leaves the cell alone.
TEST_F(ItemTables, PastedWeightsAreNormalisedOrRefused) {
  WtItemTable* t = make<WtItemTable>(3, 56);
  struct Case {
    const char* clip;
    bool taken;
    const char* stored;
  } cases[] = {
      {" 007 ", true, "7"}, {"0000", true, "0"}, {"9999", true, "9999"}, {"12345", false, "5"},
      {"1a", false, "5"},   {"   ", false, "5"}, {"-3", false, "5"},
  };
  for (const Case& c : cases) {
    set(2, 4, "5");
    t->setCurrentCell(zTableCellPos(2, 4));
    t->resetEditLine();
    SetFocus(t->handle());
    ASSERT_TRUE(putOnClipboard(c.clip, frame->handle()));
    EXPECT_EQ(t->paste(), c.taken) << c.clip;
    EXPECT_EQ(cell(2, 4), c.stored) << '"' << c.clip << '"';
  }
  // Copy gives the cell's text; Cut empties the cell.
  set(1, 2, "Price");
  t->setCurrentCell(zTableCellPos(1, 2));
  t->resetEditLine();
  SetFocus(t->handle());
  EXPECT_TRUE(t->copy());
  EXPECT_EQ(clipboard(frame->handle()), "Price");
  EXPECT_TRUE(t->cut());
  EXPECT_EQ(cell(1, 2), "");
  EXPECT_EQ(clipboard(frame->handle()), "Price");
  // Pasted into a name, it stands alone in the cell.
  set(1, 3, "old");
  t->setCurrentCell(zTableCellPos(1, 3));
  t->resetEditLine();
  SetFocus(t->handle());
  EXPECT_TRUE(t->paste());
  EXPECT_EQ(cell(1, 3), "Price");
  // An empty weights cell shows "####": nothing to cut or copy.
  set(2, 6, "");
  t->setCurrentCell(zTableCellPos(2, 6));
  t->resetEditLine();
  SetFocus(t->handle());
  EXPECT_FALSE(t->copy());
  EXPECT_FALSE(t->commandAvailable(PV::GUI::kCmCut));
  delete t;
}

// Insert Row and Delete Row move the rows below and keep the table's own capacity: the
// last row falls off at an insertion, an empty one comes in at a deletion.
TEST_F(ItemTables, RowCommandsKeepEveryRowWithinTheTablesCapacity) {
  struct Case {
    uint32_t columns, rows, at;
  } cases[] = {{3, 56, 3}, {3, 54, 10}, {2, 254, 100}, {2, 254, 254}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rows);
    ItemTable* t = c.columns == 3 ? make<WtItemTable>(c.columns, c.rows) : make<ItemTable>(c.columns, c.rows);
    for (uint32_t r = 1; r <= c.rows; ++r) set(1, r, ("r" + std::to_string(r)).c_str());
    t->setCurrentCell(zTableCellPos(1, c.at));
    EXPECT_TRUE(t->insertRow());
    EXPECT_EQ(model->rowCount(), c.rows);
    EXPECT_EQ(cell(1, c.at), "");
    if (c.at < c.rows) {
      EXPECT_EQ(cell(1, c.at + 1), "r" + std::to_string(c.at));
      EXPECT_EQ(cell(1, c.rows), "r" + std::to_string(c.rows - 1));
    }
    EXPECT_EQ(cell(1, c.at - 1), "r" + std::to_string(c.at - 1));
    if (c.columns == 3) {
      const zTableCell* weight = model->cell(zTableCellPos(2, c.at));
      ASSERT_NE(weight, nullptr);
      EXPECT_TRUE(weight->hasKind(zTableCellValidated));
    }
    t->setCurrentCell(zTableCellPos(1, c.at));
    EXPECT_TRUE(t->deleteRow());
    EXPECT_EQ(model->rowCount(), c.rows);
    EXPECT_EQ(cell(1, c.at), c.at < c.rows ? "r" + std::to_string(c.at) : "");
    EXPECT_EQ(cell(1, c.rows), "");
    if (c.columns == 3) {
      EXPECT_NE(model->cell(zTableCellPos(2, c.rows)), nullptr);
    }
    delete t;
    frame.reset();
    frame = std::make_unique<LoggingFrame>("Item table frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    model.reset();
  }
}

// The lock: names and notes read-only and grey, weights open; Clear leaves the locked
// cells alone and the row commands are refused; unlocking gives all back.
TEST_F(ItemTables, TheLockGreysNamesAndNotesAndKeepsTheListsAsTheyAre) {
  WtItemTable* t = make<WtItemTable>(3, 56);
  for (uint32_t r = 1; r <= 2; ++r) {
    set(1, r, "name");
    set(2, r, "40");
    set(3, r, "note");
  }
  t->lock();
  EXPECT_TRUE(t->isLocked());
  EXPECT_TRUE(readOnly(1, 1));
  EXPECT_TRUE(readOnly(3, 56));
  EXPECT_FALSE(readOnly(2, 1));
  EXPECT_EQ(background(1, 2), PV::GUI::kLockedCellColour);
  EXPECT_EQ(background(3, 2), PV::GUI::kLockedCellColour);
  EXPECT_NE(background(2, 2), PV::GUI::kLockedCellColour);

  t->selectRange(zTableCellRange(1, 1, 3, 2));
  EXPECT_TRUE(t->clear());
  EXPECT_EQ(cell(1, 1), "name");
  EXPECT_EQ(cell(3, 2), "note");
  EXPECT_EQ(cell(2, 1), "");
  EXPECT_EQ(cell(2, 2), "");
  t->setCurrentCell(zTableCellPos(2, 1));
  EXPECT_FALSE(t->insertRow());
  EXPECT_FALSE(t->deleteRow());
  EXPECT_FALSE(t->commandAvailable(PV::GUI::kCmInsertRow));
  EXPECT_EQ(cell(1, 2), "name");

  // Weights still take typing and pasting.
  t->resetEditLine();
  HWND line = t->editLine()->handle();
  SetFocus(line);
  type(line, "75");
  SendMessageA(line, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(cell(2, 1), "75");
  ASSERT_TRUE(putOnClipboard("0012", frame->handle()));
  t->setCurrentCell(zTableCellPos(2, 2));
  SetFocus(t->handle());
  EXPECT_TRUE(t->paste());
  EXPECT_EQ(cell(2, 2), "12");
  t->setCurrentCell(zTableCellPos(1, 2));
  EXPECT_FALSE(t->paste());
  EXPECT_EQ(cell(1, 2), "name");

  t->unlock();
  EXPECT_FALSE(readOnly(1, 1));
  EXPECT_NE(background(1, 2), PV::GUI::kLockedCellColour);
  t->setCurrentCell(zTableCellPos(1, 1));
  EXPECT_TRUE(t->insertRow());
  delete t;
}

// The pop-up menu greys what does not apply where the current cell is.
TEST_F(ItemTables, ThePopupMenuGreysWhatDoesNotApply) {
  using namespace PV::GUI;
  WtItemTable* t = make<WtItemTable>(3, 56);
  set(1, 1, "name");
  set(2, 1, "40");
  struct Case {
    const char* what;
    zTableCellPos at;
    bool locked;
    bool clip;
    bool cut, copy, paste, clear, clearClip, insert, font, gridline;
  } cases[] = {
      {"a name", {1, 1}, false, true, true, true, true, true, true, true, true, true},
      {"an empty name", {1, 5}, false, false, false, false, false, false, false, true, true, true},
      {"an empty weight", {2, 5}, false, true, false, false, true, false, true, true, true, true},
      {"a locked name", {1, 1}, true, true, false, true, false, false, true, false, false, false},
      {"a weight under the lock", {2, 1}, true, true, true, true, true, true, true, false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.locked != t->isLocked()) c.locked ? t->lock() : t->unlock();
    if (c.clip)
      ASSERT_TRUE(putOnClipboard("3", frame->handle()));
    else
      t->clearClipboard();
    t->setCurrentCell(c.at);
    t->resetEditLine();
    EXPECT_EQ(t->commandAvailable(kCmCut), c.cut);
    EXPECT_EQ(t->commandAvailable(kCmCopy), c.copy);
    EXPECT_EQ(t->commandAvailable(kCmPaste), c.paste);
    EXPECT_EQ(t->commandAvailable(kCmClear), c.clear);
    EXPECT_EQ(t->commandAvailable(kCmClearClipboard), c.clearClip);
    EXPECT_EQ(t->commandAvailable(kCmInsertRow), c.insert);
    EXPECT_EQ(t->commandAvailable(kCmDeleteRow), c.insert);
    EXPECT_EQ(t->commandAvailable(kCmFont), c.font);
    EXPECT_EQ(t->commandAvailable(kCmGridline), c.gridline);
    EXPECT_TRUE(t->commandAvailable(kCmRestoreDefaults));
  }
  // The menu resource holds the commands in its pop-up.
  HMENU bar = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kItemTableMenu));
  ASSERT_NE(bar, nullptr);
  char text[64] = {};
  GetMenuStringA(bar, kCmClearClipboard, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "Clear Clip&board");
  GetMenuStringA(bar, kCmFont, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&Font...");
  DestroyMenu(bar);
  delete t;
}

// Text the model cannot hold is refused where it is entered, with a message, and the
// cell keeps its text: too many bytes of the model's text, or a control character.
TEST_F(ItemTables, EntryTheModelCannotHoldIsRefusedWithAMessage) {
  ItemTable* t = make<ItemTable>(2, 254);
  HWND line = t->editLine()->handle();
  struct Case {
    uint32_t column;
    std::string text;
    const char* why;
  } cases[] = {
      {1, std::string(30, 'a') + std::string(6, '\xE9'), "too long"},  // 42 bytes of UTF-8
      {1, "a\x01z", "cannot store"},
      {2, std::string(121, '\xE9'), "too long"},  // 242 bytes
  };
  for (const Case& c : cases) {
    set(c.column, 7, "kept");
    t->setCurrentCell(zTableCellPos(c.column, 7));
    t->resetEditLine();
    SetFocus(line);
    SetWindowTextA(line, c.text.c_str());
    std::string seen;
    runAfter(50, [&] {
      if (HWND box = findThreadDialogBox("Table Entry Error")) {
        char text[400] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        seen = text;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }
    });
    Deadline deadline(4000);
    EXPECT_FALSE(t->commitEdit());
    EXPECT_FALSE(deadline.hit());
    EXPECT_NE(seen.find(c.why), std::string::npos) << seen;
    EXPECT_EQ(cell(c.column, 7), "kept");
    EXPECT_EQ(t->lineText(), c.text);    // still there to be corrected
    SendMessageA(line, WM_CHAR, 27, 0);  // Esc gives the cell's text back
    EXPECT_EQ(t->lineText(), "kept");
  }
  // "é" itself is text a model holds.
  t->setCurrentCell(zTableCellPos(1, 8));
  SetFocus(line);
  type(line, "caf\xE9");
  EXPECT_TRUE(t->commitEdit());
  EXPECT_EQ(cell(1, 8), "caf\xE9");
  delete t;
}

}  // namespace
