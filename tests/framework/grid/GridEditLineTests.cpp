// The grid's edit lines under Wine: an edit line beside the grid that edits its current
// cell and hands the finishing keys to the grid, the lock that read-only cells set, and
// the grid's own in-place line that opens exactly over the current cell.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../core/GuiTestSupport.h"
#include "GridTestSupport.h"
#include "framework/format/zIntlContext.h"
#include "framework/format/zNumFormatter.h"
#include "framework/grid/zTable.h"
#include "framework/grid/zTableCell.h"
#include "framework/grid/zTableEditLine.h"

namespace {

class GridEditLine : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    frame = std::make_unique<LoggingFrame>("Grid edit line frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    MoveWindow(frame->handle(), 10, 10, 640, 480, TRUE);
  }
  void TearDown() override {
    frame.reset();
    FrameworkTest::TearDown();
  }
  zTable* makeTable(zTableModel* model) {
    auto* t =
        new zTable(frame.get(), new zSizer(zPoint(0, 40), zDimension(400, 300), nullptr), WS_VISIBLE | WS_CHILD, model);
    MoveWindow(t->handle(), 0, 40, 400, 300, TRUE);
    t->calcLayout();
    pump();
    return t;
  }
  zTableEditLine* makeLine() {
    return new zTableEditLine(frame.get(), new zSizer(zPoint(0, 0), zDimension(200, 24), nullptr), WS_TABSTOP);
  }
  static std::string text(HWND w) {
    char buffer[300] = {};
    GetWindowTextA(w, buffer, sizeof buffer);
    return buffer;
  }
  static std::string cellText(zTableModel& m, zTableCellPos p) {
    const zTableCell* c = m.cell(p);
    return c ? c->text() : "";
  }
  static void type(HWND w, const char* s) {
    for (; *s; ++s) SendMessageA(w, WM_CHAR, static_cast<unsigned char>(*s), 0);
  }
  std::unique_ptr<LoggingFrame> frame;
};

constexpr LPARAM kExtended = LPARAM(1) << 24;

TEST_F(GridEditLine, ABoundLineEditsTheCurrentCellAndHandsItsKeysToTheGrid) {
  zTableSmallModel model(4, 4);
  delete model.setCellText({1, 2}, "old");
  zTable* t = makeTable(&model);
  zTableEditLine* line = makeLine();
  HWND e = line->handle();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(SendMessageA(e, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);

  t->setCurrentCell({1, 2});
  t->attachEditLine(line);
  EXPECT_EQ(line->grid(), t);
  EXPECT_EQ(text(e), "old");  // loaded at once
  t->setCurrentCell({2, 2});
  EXPECT_EQ(text(e), "");  // and again whenever the current cell moves

  // Each key starts at (2, 2) with "ab" typed into the line.
  struct Case {
    WPARAM key;
    LPARAM flags;
    char follow;  // the character message that follows the key, 0 for none
    const char* stored;
    zTableCellPos after;
    const char* lineAfter;
  };
  const Case cases[] = {
      {VK_RETURN, 0, '\r', "ab", {2, 3}, ""},   // stores, advances down
      {VK_ESCAPE, 0, 27, "", {2, 2}, ""},       // the cell's text comes back
      {VK_UP, kExtended, 0, "ab", {2, 1}, ""},  // stores, one row up
      {VK_UP, 0, 0, "", {2, 2}, "ab"},          // the keypad's 8: a caret key
      {VK_TAB, 0, '\t', "ab", {2, 2}, "ab"},    // stores, stays
  };
  for (const Case& c : cases) {
    t->cancelEdit();  // drops what the case before left typed
    delete model.setCellText({2, 2}, "");
    t->setCurrentCell({2, 2});
    SetFocus(e);
    type(e, "ab");
    SendMessageA(e, WM_KEYDOWN, c.key, c.flags);
    if (c.follow) SendMessageA(e, WM_CHAR, static_cast<unsigned char>(c.follow), 0);
    pump();
    EXPECT_EQ(cellText(model, {2, 2}), c.stored) << c.key;
    EXPECT_EQ(t->currentCell(), c.after) << c.key;
    EXPECT_EQ(text(e), c.lineAfter) << c.key;  // no newline, tab or Esc typed into it
  }

  // Typing into the grid starts an edit in the bound line.
  t->setCurrentCell({3, 3});
  SetFocus(t->handle());
  SendMessageA(t->handle(), WM_CHAR, 'x', 0);
  EXPECT_EQ(GetFocus(), e);
  EXPECT_EQ(text(e), "x");
  SendMessageA(e, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(cellText(model, {3, 3}), "x");

  // A cell the model changes behind the line's back is not overwritten by the text the
  // line loaded before, when the grid stores before a scroll.
  t->setCurrentCell({1, 2});
  delete model.setCellText({1, 2}, "new");
  t->scrollTo(2, 1);
  EXPECT_EQ(cellText(model, {1, 2}), "new");
  // Told of the change, a line not being typed into shows the new text.
  SetFocus(t->handle());
  model.notifyViews();
  EXPECT_EQ(text(e), "new");

  // A line that goes first leaves the grid without one.
  delete line;
  EXPECT_EQ(t->editLine(), nullptr);
  t->setCurrentCell({1, 1});
  delete t;
}

TEST_F(GridEditLine, ReadOnlyCellsLockTheLine) {
  zTableSmallModel model(4, 4);
  model.addAttribute(new zTableReadOnlyAttr(zTableCellRange(4, 1, 4, 4)));
  zTable* t = makeTable(&model);
  zTableEditLine* line = makeLine();
  t->attachEditLine(line);
  struct Case {
    zTableCellPos at;
    bool locked;
  };
  const Case cases[] = {{{4, 2}, true}, {{3, 2}, false}, {{4, 4}, true}, {{1, 1}, false}};
  for (const Case& c : cases) {
    t->setCurrentCell(c.at);
    EXPECT_EQ(line->locked(), c.locked) << c.at.column << "," << c.at.row;
    EXPECT_EQ(IsWindowEnabled(line->handle()) != 0, !c.locked) << c.at.column << "," << c.at.row;
  }
  // Nothing typed reaches a read-only cell, and the lock can be set directly as well.
  t->setCurrentCell({4, 1});
  SetWindowTextA(line->handle(), "typed");
  t->commitAndAdvance();
  EXPECT_EQ(model.cell({4, 1}), nullptr);
  line->setLocked(0);
  EXPECT_TRUE(IsWindowEnabled(line->handle()));
  line->setLocked(1);
  EXPECT_FALSE(IsWindowEnabled(line->handle()));
  delete t;  // the line is let go, then deleted with the frame
}

TEST_F(GridEditLine, TheInplaceLineOpensExactlyOverTheCurrentCell) {
  zTableSmallModel model(30, 30);
  zTable* t = makeTable(&model);
  t->setColumnWidth(3, 90);
  t->setRowHeight(4, 31);
  auto rectIn = [t](HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, t->handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  struct Case {
    zTableCellPos at;
    uint32_t firstColumn, firstRow;
  };
  const Case cases[] = {{{2, 2}, 1, 1}, {{3, 4}, 1, 1}, {{3, 4}, 2, 3}, {{7, 9}, 5, 6}};
  for (const Case& c : cases) {
    t->scrollTo(c.firstColumn, c.firstRow);
    t->setCurrentCell(c.at);
    SendMessageA(t->handle(), WM_CHAR, 'q', 0);
    HWND e = t->editHandle();
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(IsWindowVisible(e));
    const zRect cell = t->cellRect(c.at);
    const RECT r = rectIn(e);
    EXPECT_EQ(r.left, cell.left()) << c.at.column << "," << c.at.row;
    EXPECT_EQ(r.top, cell.top()) << c.at.column << "," << c.at.row;
    EXPECT_EQ(r.right - 1, cell.right()) << c.at.column << "," << c.at.row;
    EXPECT_EQ(r.bottom - 1, cell.bottom()) << c.at.column << "," << c.at.row;
    SendMessageA(e, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindowVisible(e));
  }

  // Moving to the same cell keeps the open line; moving away closes it, keeping the text.
  t->setCurrentCell({2, 2});
  SendMessageA(t->handle(), WM_CHAR, 'm', 0);
  HWND e = t->editHandle();
  ASSERT_NE(e, nullptr);
  t->setCurrent({2, 2}, false);
  EXPECT_TRUE(IsWindowVisible(e));
  t->setCurrent({2, 3}, false);
  EXPECT_FALSE(IsWindowVisible(e));
  EXPECT_EQ(cellText(model, {2, 2}), "m");

  // Focus going elsewhere closes the line and keeps what was typed.
  SendMessageA(t->handle(), WM_CHAR, 'f', 0);
  ASSERT_EQ(t->editHandle(), e);
  SetFocus(frame->handle());
  EXPECT_FALSE(IsWindowVisible(e));
  EXPECT_EQ(cellText(model, {2, 3}), "f");

  // A key reaching the closed line opens it; Enter and Esc only open it.
  auto* inplace = static_cast<zTableInplaceEditLine*>(t->editLine());
  SendMessageA(e, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(inplace->shown());
  EXPECT_EQ(t->currentCell(), zTableCellPos(2, 3));
  SendMessageA(e, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(inplace->shown());
  delete t;
}

TEST_F(GridEditLine, AValidatedCellIsEditedThroughItsAttributesFormatter) {
  zTableSmallModel model(4, 4);
  zNumFormatter numbers(0x2c0002, "####", new zIntlContext(zIntlSettings()));
  model.addAttribute(new zTableNumFormatterAttr(zTableCellRange(1, 1, 4, 4), &numbers));
  new zTableValidatedFmtNumCell(&model, "12", {1, 1});
  delete model.setCellText({2, 1}, "plain");
  zTable* t = makeTable(&model);
  zTableEditLine* line = makeLine();
  t->attachEditLine(line);
  t->setCurrentCell({1, 1});
  EXPECT_EQ(line->formatter(), &numbers);
  EXPECT_EQ(text(line->handle()), "##12");  // shown through the formatter
  t->setCurrentCell({2, 1});
  EXPECT_EQ(line->formatter(), nullptr);  // a plain cell: plain text
  EXPECT_EQ(text(line->handle()), "plain");

  // Typed digits go through the formatter and are stored plain; a letter is refused.
  t->setCurrentCell({1, 1});
  SetFocus(t->handle());
  SendMessageA(t->handle(), WM_CHAR, '3', 0);
  type(line->handle(), "x4");
  SendMessageA(line->handle(), WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_NE(model.cell({1, 1}), nullptr);
  EXPECT_STREQ(model.cell({1, 1})->text(), "34");

  // The formatter stays the attribute's: deleting the line leaves it alone.
  t->setCurrentCell({1, 1});
  delete line;
  EXPECT_EQ(numbers.flags(), 0x2c0002u);
  delete t;
}

}  // namespace
