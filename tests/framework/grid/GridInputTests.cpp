// The grid's scroll bars, mouse and selection under Wine: thumbs, line and page steps of
// large tables, resizing a column or row by dragging its header border (the XOR line, the
// confined cursor, the new size), selecting cells and header lines by mouse, keys and
// program, a grid made by a dialog template and a grid taking another's place.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../core/GuiTestSupport.h"
#include "framework/core/zControlType.h"
#include "framework/frames/zFormDialog.h"
#include "framework/grid/zTable.h"
#include "framework/grid/zTableCell.h"
#include "framework/grid/zTableDrawAttr.h"
#include "grid_test_resources.h"

namespace {

class GridInput : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    frame = std::make_unique<LoggingFrame>("Grid input frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    MoveWindow(frame->handle(), 10, 10, 640, 480, TRUE);
  }
  void TearDown() override {
    ClipCursor(nullptr);
    frame.reset();
    FrameworkTest::TearDown();
  }
  zTable* makeTable(zTableModel* model, int w = 400, int h = 300) {
    auto* t =
        new zTable(frame.get(), new zSizer(zPoint(0, 0), zDimension(w, h), nullptr), WS_VISIBLE | WS_CHILD, model);
    MoveWindow(t->handle(), 0, 0, w, h, TRUE);
    t->calcLayout();
    pump();
    return t;
  }
  static void send(zTable* t, UINT msg, WPARAM wp, int x, int y) {
    SendMessageA(t->handle(), msg, wp, MAKELPARAM(static_cast<uint16_t>(x), static_cast<uint16_t>(y)));
  }
  static void drag(zTable* t, int x0, int y0, int x1, int y1) {
    send(t, WM_LBUTTONDOWN, MK_LBUTTON, x0, y0);
    send(t, WM_MOUSEMOVE, MK_LBUTTON, x1, y1);
    send(t, WM_LBUTTONUP, 0, x1, y1);
  }
  // A pixel of the table's window as the screen shows it.
  static uint32_t screenPixel(zTable* t, int x, int y) {
    HDC dc = GetDC(t->handle());
    uint32_t c = GetPixel(dc, x, y) & 0xFFFFFF;
    ReleaseDC(t->handle(), dc);
    return c;
  }
  static void setShift(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
  }
  std::unique_ptr<LoggingFrame> frame;
};

void countHook(void* data, zTable*) { ++*static_cast<int*>(data); }

TEST_F(GridInput, ScrollBarsMoveTheFirstCellOfLargeTables) {
  zTableLargeModel model(40000, 40000);
  zTable* t = makeTable(&model);
  const zTableLayout& L = t->layout();
  EXPECT_EQ(t->horzScrollShift(), 1u);
  EXPECT_EQ(t->vertScrollShift(), 1u);
  int low = 0, high = 0;
  GetScrollRange(t->handle(), SB_HORZ, &low, &high);
  EXPECT_EQ(low, 1);
  EXPECT_EQ(static_cast<uint32_t>(high), zTableLayout::scrollRangeMax(40000, L.trailingColumnsFit()));
  EXPECT_LE(high, 32767);

  // The thumb dragged to 10 shows row 19 first (positions count two rows each).
  SendMessageA(t->handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 10), 0);
  EXPECT_EQ(L.firstRow(), 19u);
  // The wheel turned towards the user shows the next row first.
  SendMessageA(t->handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(L.firstRow(), 20u);
  SendMessageA(t->handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(L.firstRow(), 19u);
  // Lines and pages in cells.
  struct Step {
    UINT msg;
    int code;
    uint32_t column, row;
  };
  const uint32_t pageOn = L.visibleRange().end.column;
  const Step steps[] = {
      {WM_HSCROLL, SB_LINEDOWN, 2, 19}, {WM_HSCROLL, SB_LINEDOWN, 3, 19},
      {WM_HSCROLL, SB_LINEUP, 2, 19},   {WM_VSCROLL, SB_LINEUP, 2, 18},
      {WM_HSCROLL, SB_PAGEDOWN, 0, 18}, {WM_HSCROLL, SB_PAGEUP, 2, 18},
      {WM_HSCROLL, SB_TOP, 1, 18},      {WM_VSCROLL, SB_BOTTOM, 1, 40000 - L.trailingRowsFit()},
  };
  for (const Step& s : steps) {
    SendMessageA(t->handle(), s.msg, MAKEWPARAM(s.code, 0), 0);
    uint32_t column = s.column ? s.column : pageOn + 1;  // a page on from column 2
    EXPECT_EQ(L.firstColumn(), column) << s.msg << "/" << s.code;
    EXPECT_EQ(L.firstRow(), s.row) << s.msg << "/" << s.code;
    EXPECT_EQ(GetScrollPos(t->handle(), SB_HORZ), zTableLayout::thumbFromFirst(L.firstColumn(), 1));
  }
  delete t;
}

// The vertical bar's middle column of pixels, top to bottom, as the screen shows it.
std::vector<COLORREF> verticalBarPixels(zTable* t) {
  RECT window{}, client{};
  GetWindowRect(t->handle(), &window);
  GetClientRect(t->handle(), &client);
  std::vector<COLORREF> pixels;
  HDC dc = GetWindowDC(t->handle());
  const int x = client.right + GetSystemMetrics(SM_CXVSCROLL) / 2;
  for (int y = 0; y < client.bottom; ++y) pixels.push_back(GetPixel(dc, x, y));
  ReleaseDC(t->handle(), dc);
  return pixels;
}

// Moves that scroll paint their cells at once and leave the bar to be drawn when the
// queue runs next, once for them all: the bar then shows its thumb where one drawn
// afresh does.
TEST_F(GridInput, AThumbMovedByTheCurrentCellIsDrawnWhereItBelongs) {
  zTableSmallModel model(3, 200);
  zTable* t = makeTable(&model);
  ASSERT_TRUE(GetWindowLongA(t->handle(), GWL_STYLE) & WS_VSCROLL);
  const std::vector<COLORREF> atTop = verticalBarPixels(t);
  for (uint32_t row = 2; row <= 120; ++row) t->setCurrentCell({1, row});
  ASSERT_GT(t->layout().firstRow(), 100u);
  EXPECT_EQ(GetScrollPos(t->handle(), SB_VERT),
            zTableLayout::thumbFromFirst(t->layout().firstRow(), t->vertScrollShift()));
  pump();
  const std::vector<COLORREF> drawn = verticalBarPixels(t);
  EXPECT_NE(drawn, atTop) << "the thumb moved down";
  RedrawWindow(t->handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(drawn, verticalBarPixels(t));
  delete t;
}

// The thumb's top and bottom in its bar, in pixels.
std::pair<int, int> thumbPixels(zTable* t) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(t->handle(), OBJID_VSCROLL, &info);
  return {info.xyThumbTop, info.xyThumbBottom};
}

// In a long table many lines share the thumb's pixels: a scroll that leaves the thumb
// where it is draws no bar; one that moves it draws the bar once when the queue runs,
// as a bar drawn afresh shows it.
TEST_F(GridInput, ABarIsDrawnOnlyWhenItsThumbsPixelsMove) {
  zTableSmallModel model(3, 3000);
  zTable* t = makeTable(&model);
  ASSERT_TRUE(GetWindowLongA(t->handle(), GWL_STYLE) & WS_VSCROLL);
  FramePaintCounter paints("zTableCL");
  struct Step {
    uint32_t firstRow;
    bool thumbMoves;
  } steps[] = {{2, false}, {3, false}, {1500, true}, {1501, false}, {20, true}};
  for (const Step& s : steps) {
    const std::pair<int, int> before = thumbPixels(t);
    paints.reset();
    t->scrollTo(1, s.firstRow);
    ASSERT_EQ(t->layout().firstRow(), s.firstRow);
    ASSERT_EQ(thumbPixels(t) != before, s.thumbMoves) << "row " << s.firstRow;
    pump();
    EXPECT_EQ(paints.count(t->handle()), s.thumbMoves ? 1 : 0) << "row " << s.firstRow;
    const std::vector<COLORREF> shown = verticalBarPixels(t);
    RedrawWindow(t->handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(shown, verticalBarPixels(t)) << "row " << s.firstRow;
  }
  delete t;
}

// Texts set into one window, counted from the calls to its procedure.
HWND textsCountedFor = nullptr;
int textsSet = 0;
LRESULT CALLBACK countTexts(int code, WPARAM wParam, LPARAM lParam) {
  const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && m->hwnd == textsCountedFor && m->message == WM_SETTEXT) ++textsSet;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A hook that turns a move into the last column on to the row's first cell, as an
// editor's entry turns at a row's end.
void turnAtRowEnd(void* data, zTable* t) {
  ++*static_cast<int*>(data);
  const zTableCellPos at = t->currentCell();
  if (at.column == 3) t->setCurrent({1, at.row}, false);
}

// The edit is stored in the cell it was typed for, and the move loads the edit line once,
// with the cell the move ends at, also when the cell's hook moves the current cell on.
TEST_F(GridInput, AMoveTheHookTurnsLoadsTheEditLineOnce) {
  struct Case {
    zTableCellPos to, endsAt;
    const char* shown;
  } cases[] = {
      {{3, 3}, {1, 3}, "name 3"},
      {{2, 3}, {2, 3}, "weight 3"},
  };
  for (const Case& c : cases) {
    zTableSmallModel model(3, 10);
    new zTableTextCell(&model, "name 3", {1, 3});
    new zTableTextCell(&model, "weight 3", {2, 3});
    new zTableTextCell(&model, "note 3", {3, 3});
    zTable* t = makeTable(&model);
    t->setCurrentCell({2, 2});
    SendMessageA(t->handle(), WM_CHAR, '7', 0);
    textsCountedFor = t->editHandle();
    ASSERT_NE(textsCountedFor, nullptr);
    int moves = 0;
    t->setCellChangeHook(&turnAtRowEnd, &moves);
    textsSet = 0;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &countTexts, nullptr, GetCurrentThreadId());
    t->setCurrent(c.to, false);
    UnhookWindowsHookEx(hook);
    const std::string at = std::to_string(c.to.column) + "," + std::to_string(c.to.row);
    ASSERT_NE(model.cell({2, 2}), nullptr) << at;
    EXPECT_STREQ(model.cell({2, 2})->text(), "7") << at;
    EXPECT_EQ(t->currentCell(), c.endsAt) << at;
    EXPECT_EQ(moves, c.endsAt == c.to ? 1 : 2) << at;
    // The stored cell shown anew in the (closed) line, then the cell the move ends at.
    EXPECT_EQ(textsSet, 2) << at;
    char shown[32] = {};
    GetWindowTextA(textsCountedFor, shown, sizeof shown);
    EXPECT_STREQ(shown, c.shown) << at;
    t->setCellChangeHook(nullptr, nullptr);
    delete t;
  }
}

// A key typed on the table replaces the edit line's whole text: a line that shows the
// current cell as loaded is not set again first; one typed over since is.
TEST_F(GridInput, AnEditBegunOnALoadedLineSetsNoTextFirst) {
  struct Case {
    const char* typedOver;  // into the line before the key, or none
    int texts;
  } cases[] = {{nullptr, 0}, {"other", 1}};
  for (const Case& c : cases) {
    zTableSmallModel model(3, 10);
    new zTableTextCell(&model, "name 3", {1, 3});
    zTable* t = makeTable(&model);
    t->setCurrentCell({2, 2});
    SendMessageA(t->handle(), WM_CHAR, '7', 0);
    textsCountedFor = t->editHandle();
    ASSERT_NE(textsCountedFor, nullptr);
    t->setCurrentCell({1, 3});
    if (c.typedOver) SetWindowTextA(textsCountedFor, c.typedOver);
    textsSet = 0;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &countTexts, nullptr, GetCurrentThreadId());
    SendMessageA(t->handle(), WM_CHAR, 'x', 0);
    UnhookWindowsHookEx(hook);
    const std::string name = c.typedOver ? c.typedOver : "loaded";
    EXPECT_EQ(textsSet, c.texts) << name;
    char shown[32] = {};
    GetWindowTextA(textsCountedFor, shown, sizeof shown);
    EXPECT_STREQ(shown, "x") << name;
    t->storeEdit();
    ASSERT_NE(model.cell({1, 3}), nullptr) << name;
    EXPECT_STREQ(model.cell({1, 3})->text(), "x") << name;
    EXPECT_STREQ(model.cell({2, 2})->text(), "7") << name;
    delete t;
  }
}

TEST_F(GridInput, AScrollStoresTheEditAndMovesThePixels) {
  zTableSmallModel model(20, 20);
  model.addAttribute(new zTableBackColorAttr(zColor(255, 0, 0), zTableCellRange(3, 1, 3, 20)));
  zTable* t = makeTable(&model);
  t->setCurrentCell({2, 2});
  SendMessageA(t->handle(), WM_CHAR, '7', 0);
  ASSERT_NE(t->editHandle(), nullptr);
  const zTableLayout& L = t->layout();
  const int32_t redLeft = L.columnLeft(3), firstWidth = static_cast<int32_t>(L.columnWidth(1));
  UpdateWindow(t->handle());
  SendMessageA(t->handle(), WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  EXPECT_EQ(t->editHandle(), nullptr);
  ASSERT_NE(model.cell({2, 2}), nullptr);
  EXPECT_STREQ(model.cell({2, 2})->text(), "7");
  UpdateWindow(t->handle());
  // Column 3 now starts where column 2 did: the red cells moved left by column 1's width.
  EXPECT_EQ(L.columnLeft(3), redLeft - firstWidth);
  EXPECT_EQ(screenPixel(t, redLeft - firstWidth + 4, L.rowTop(5) + 4), 0x0000FFu);
  EXPECT_NE(screenPixel(t, redLeft + static_cast<int32_t>(L.columnWidth(3)) - firstWidth + 4, L.rowTop(5) + 4),
            0x0000FFu);
  // Only the strip a scroll uncovers waits for a paint.
  UpdateWindow(t->handle());
  const int32_t secondWidth = static_cast<int32_t>(L.columnWidth(2));
  SendMessageA(t->handle(), WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  RECT dirty{};
  GetUpdateRect(t->handle(), &dirty, FALSE);
  EXPECT_EQ(dirty.right - dirty.left, secondWidth);
  delete t;
}

TEST_F(GridInput, DraggingAHeaderBorderResizesThroughTheXorLine) {
  zTableSmallModel model(6, 6);
  zTable* t = makeTable(&model);
  UpdateWindow(t->handle());
  const zTableLayout& L = t->layout();
  const int32_t left2 = L.columnLeft(2), right2 = left2 + static_cast<int32_t>(L.columnWidth(2));
  const int32_t probeY = L.rowTop(4) + 3;

  // Over the border zone the cursor changes; a press starts the resize.
  send(t, WM_MOUSEMOVE, 0, right2 - 1, 4);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZEWE));
  const uint32_t before = screenPixel(t, right2 - 1, probeY), beyond = screenPixel(t, right2 + 29, probeY);
  send(t, WM_LBUTTONDOWN, MK_LBUTTON, right2 - 1, 4);
  EXPECT_EQ(t->dragMode(), 1);
  EXPECT_EQ(screenPixel(t, right2 - 1, probeY), ~before & 0xFFFFFF);  // the line inverts what it crosses
  RECT clip{}, strip{left2, 0, L.clientWidth(), L.originY()};
  GetClipCursor(&clip);
  MapWindowPoints(t->handle(), nullptr, reinterpret_cast<POINT*>(&strip), 2);
  EXPECT_EQ(clip.left, strip.left);
  EXPECT_EQ(clip.bottom, strip.bottom);
  // The line follows the pointer and leaves nothing behind.
  send(t, WM_MOUSEMOVE, MK_LBUTTON, right2 + 29, 4);
  EXPECT_EQ(screenPixel(t, right2 - 1, probeY), before);
  EXPECT_EQ(screenPixel(t, right2 + 29, probeY), ~beyond & 0xFFFFFF);
  send(t, WM_LBUTTONUP, 0, right2 + 29, 4);
  EXPECT_EQ(t->dragMode(), 0);
  EXPECT_EQ(L.columnWidth(2), static_cast<uint32_t>(right2 + 29 - left2));
  GetClipCursor(&clip);
  EXPECT_GT(clip.right - clip.left, strip.right - strip.left);  // the cursor is free again

  // Released exactly at the column's left edge: width 0; left of it: dropped.
  const int32_t right3 = L.columnLeft(3) + static_cast<int32_t>(L.columnWidth(3));
  drag(t, right3 - 1, 4, L.columnLeft(3), 4);
  EXPECT_EQ(L.columnWidth(3), 0u);
  const uint32_t width1 = L.columnWidth(1);
  const int32_t right1 = L.columnLeft(1) + static_cast<int32_t>(width1);
  drag(t, right1 - 1, 4, L.columnLeft(1) - 3, 4);
  EXPECT_EQ(L.columnWidth(1), width1);

  // Rows alike; with rows not resizable the border zone selects the row instead.
  const int32_t bottom2 = L.rowTop(2) + static_cast<int32_t>(L.rowHeight(2));
  drag(t, 5, bottom2 - 1, 5, bottom2 + 20);
  EXPECT_EQ(L.rowHeight(2), static_cast<uint32_t>(bottom2 + 20 - L.rowTop(2)));
  t->setRowsResizable(false);
  const uint32_t height3 = L.rowHeight(3);
  const int32_t bottom3 = L.rowTop(3) + static_cast<int32_t>(height3);
  drag(t, 5, bottom3 - 1, 5, bottom3 - 1);
  EXPECT_EQ(L.rowHeight(3), height3);
  EXPECT_EQ(t->selectionRange(), zTableCellRange(1, 3, 6, 3));

  // Another window taking the mouse ends a resize: the cursor is freed, no size is set.
  const uint32_t width4 = L.columnWidth(4);
  const int32_t right4 = L.columnLeft(4) + static_cast<int32_t>(width4);
  send(t, WM_LBUTTONDOWN, MK_LBUTTON, right4 - 1, 4);
  ASSERT_EQ(t->dragMode(), 1);
  SetCapture(frame->handle());
  EXPECT_EQ(t->dragMode(), 0);
  GetClipCursor(&clip);
  EXPECT_GT(clip.right - clip.left, strip.right - strip.left);
  ReleaseCapture();
  send(t, WM_LBUTTONUP, 0, right4 + 30, 4);
  EXPECT_EQ(L.columnWidth(4), width4);
  delete t;
}

TEST_F(GridInput, MouseSelectsCellsAndHeaderLines) {
  zTableSmallModel model(5, 8);
  zTable* t = makeTable(&model, 600, 300);  // every column shown: the points stay put
  int selections = 0;
  t->setSelectionHook(&countHook, &selections);
  const zTableLayout& L = t->layout();
  auto mid = [&](uint32_t c, uint32_t r) {
    zRect rc = L.cellRect({c, r});
    return zPoint(rc.left() + 5, rc.top() + 5);
  };
  const int hh = L.originY() / 2, hw = L.originX() / 2;

  // A drag over the cells: the anchor follows the pointer; one selection call at the end.
  zPoint a = mid(1, 1), b = mid(3, 2);
  send(t, WM_LBUTTONDOWN, MK_LBUTTON, a.x(), a.y());
  selections = 0;
  send(t, WM_MOUSEMOVE, MK_LBUTTON, b.x(), b.y());
  EXPECT_EQ(selections, 0);
  send(t, WM_LBUTTONUP, 0, b.x(), b.y());
  EXPECT_EQ(selections, 1);
  EXPECT_EQ(t->selectionRange(), zTableCellRange(1, 1, 3, 2));
  EXPECT_EQ(t->currentCell(), zTableCellPos(1, 1));

  struct Case {
    const char* what;
    zPoint from, to;
    zTableCellRange range;
  };
  const Case cases[] = {
      {"column header", zPoint(mid(2, 1).x(), hh), zPoint(mid(2, 1).x(), hh), zTableCellRange(2, 1, 2, 8)},
      {"column headers dragged", zPoint(mid(2, 1).x(), hh), zPoint(mid(4, 1).x(), hh), zTableCellRange(2, 1, 4, 8)},
      {"row headers dragged back", zPoint(hw, mid(1, 4).y()), zPoint(hw, mid(1, 2).y()), zTableCellRange(1, 2, 5, 4)},
      {"corner", zPoint(hw, hh), zPoint(hw, hh), zTableCellRange(1, 1, 5, 8)},
      {"a cell clears", mid(5, 5), mid(5, 5), zTableCellRange(5, 5, 5, 5)},
  };
  for (const Case& c : cases) {
    drag(t, c.from.x(), c.from.y(), c.to.x(), c.to.y());
    EXPECT_EQ(t->selectionRange(), c.range) << c.what;
  }
  // Header highlight while columns are selected; a click on a cell clears it.
  drag(t, mid(2, 1).x(), hh, mid(3, 1).x(), hh);
  EXPECT_TRUE(t->headersHighlighted());
  drag(t, a.x(), a.y(), a.x(), a.y());
  EXPECT_FALSE(t->headersHighlighted());

  // Header selection off: a header click changes nothing. Multi-cell selection off: a
  // drag moves the current cell.
  t->setHeaderSelection(false);
  drag(t, mid(4, 1).x(), hh, mid(4, 1).x(), hh);
  EXPECT_EQ(t->selectionRange(), zTableCellRange(1, 1, 1, 1));
  t->setMultiCellSelection(false);
  drag(t, a.x(), a.y(), b.x(), b.y());
  EXPECT_EQ(t->selectionRange(), zTableCellRange(3, 2, 3, 2));
  delete t;
}

TEST_F(GridInput, ShiftArrowsAndTheProgramSelect) {
  zTableSmallModel model(5, 5);
  zTable* t = makeTable(&model);
  int moves = 0, selections = 0;
  t->setCellChangeHook(&countHook, &moves);
  t->setSelectionHook(&countHook, &selections);
  t->setCurrentCell({2, 2});
  EXPECT_EQ(moves, 1);
  t->setCurrent({2, 2}, false);  // no move without force: no call
  EXPECT_EQ(moves, 1);
  selections = 0;
  setShift(true);
  SendMessageA(t->handle(), WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageA(t->handle(), WM_KEYDOWN, VK_DOWN, 0);
  SendMessageA(t->handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(t->selectionRange(), zTableCellRange(2, 2, 3, 4));
  EXPECT_EQ(selections, 3);         // one per step
  EXPECT_EQ(moves, 1);              // the current cell stayed
  t->setMultiCellSelection(false);  // Shift then moves like the arrow alone
  SendMessageA(t->handle(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(t->selectionRange(), zTableCellRange(3, 2, 3, 2));
  setShift(false);
  t->setMultiCellSelection(true);

  struct Case {
    const char* what;
    zTableCellRange asked, selected;
    zTableCellPos current;
  };
  const Case ranges[] = {
      {"a block", {2, 2, 4, 5}, {2, 2, 4, 5}, {2, 2}},
      {"backwards", {4, 4, 1, 2}, {1, 2, 4, 4}, {4, 4}},
      {"beyond the table", {3, 3, 9, 9}, {3, 3, 5, 5}, {3, 3}},
      {"one cell", {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1}},
  };
  for (const Case& c : ranges) {
    t->selectRange(c.asked);
    EXPECT_EQ(t->selectionRange(), c.selected) << c.what;
    EXPECT_EQ(t->currentCell(), c.current) << c.what;
  }
  const Case lines[] = {
      {"rows 2-3", {0, 2, 3, 0}, {1, 2, 5, 3}, {1, 2}},
      {"columns 4-5", {1, 4, 5, 0}, {4, 1, 5, 5}, {4, 1}},
      {"whole table", {2, 0, 0, 0}, {1, 1, 5, 5}, {1, 1}},
      {"rows beyond the count", {0, 4, 6, 0}, {1, 1, 5, 5}, {1, 1}},
  };
  for (const Case& c : lines) {
    t->selectHeaderLines(c.asked.start.column, c.asked.start.row, c.asked.end.column);
    EXPECT_EQ(t->selectionRange(), c.selected) << c.what;
    EXPECT_EQ(t->currentCell(), c.current) << c.what;
  }
  // A step that would leave the table is not taken.
  t->setCurrentCell({5, 5});
  t->extendSelection(1, 0, false);
  EXPECT_EQ(t->anchor(), zTableCellPos(0, 0));
  t->extendSelection(-1, -1, false);
  EXPECT_EQ(t->selectionRange(), zTableCellRange(4, 4, 5, 5));
  t->setHeaderSelection(false);
  t->selectHeaderLine(0, 1);
  EXPECT_EQ(t->selectionRange(), zTableCellRange(4, 4, 5, 5));
  // A model that shrinks under the selection takes the current cell and anchor along.
  model.setSize(3, 2);
  EXPECT_EQ(t->selectionRange(), zTableCellRange(3, 2, 3, 2));
  delete t;
}

TEST_F(GridInput, ATemplateMakesTheGridAndAnotherTakesItsPlace) {
  // The application object registers the grid's control type at start-up.
  ASSERT_NE(zControlType::find("zTable"), nullptr);
  zFormDialog form(frame.get(), zResId(kGridTemplate));
  auto* old = dynamic_cast<zTable*>(form.childById(kGridId));
  ASSERT_NE(old, nullptr);
  old->calcLayout();
  old->setHeaderStyle(zTableHeaderFramed);
  old->setColumnWidth(3, 50);
  old->columnTexts().setText(2, "Cost");
  old->setCurrentCell({2, 4});
  zTableModel* oldModel = old->model();
  new zTableTextCell(oldModel, "kept", {1, 1});
  // Tab and Shift+Tab on the grid move the focus through the form's controls.
  form.show(SW_SHOWNA);
  HWND ok = form.childById(IDOK)->handle();
  SetFocus(old->handle());
  SendMessageA(old->handle(), WM_CHAR, '\t', 0);
  EXPECT_EQ(GetFocus(), ok);
  SetFocus(old->handle());
  setShift(true);
  SendMessageA(old->handle(), WM_CHAR, '\t', 0);
  setShift(false);
  EXPECT_EQ(GetFocus(), ok);  // two controls: the previous is the OK button as well
  // On a dialog a scroll repaints the whole grid.
  UpdateWindow(old->handle());
  SendMessageA(old->handle(), WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  RECT dirty{}, client{};
  GetUpdateRect(old->handle(), &dirty, FALSE);
  GetClientRect(old->handle(), &client);
  EXPECT_EQ(old->layout().firstColumn(), 2u);
  EXPECT_EQ(dirty.right - dirty.left, client.right);
  SendMessageA(old->handle(), WM_HSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
  RECT oldPlace{};
  GetWindowRect(old->handle(), &oldPlace);
  HWND oldHandle = old->handle();

  // With no model given, the new grid takes the old one's model.
  auto* t = new zTable(&form, kGridId, nullptr);
  EXPECT_FALSE(IsWindow(oldHandle));
  EXPECT_EQ(form.childById(kGridId), t);
  EXPECT_EQ(t->model(), oldModel);
  EXPECT_STREQ(t->model()->cell({1, 1})->text(), "kept");
  EXPECT_EQ(t->headerStyle(), static_cast<uint32_t>(zTableHeaderFramed));
  EXPECT_EQ(t->layout().columnWidth(3), 50u);
  EXPECT_STREQ(t->columnTexts().text(2), "Cost");
  EXPECT_EQ(t->currentCell(), zTableCellPos(2, 4));
  RECT place{};
  GetWindowRect(t->handle(), &place);
  EXPECT_EQ(place.left, oldPlace.left);
  EXPECT_EQ(place.right, oldPlace.right);
  // The model's changes reach the new grid (and no dead one).

  oldModel->setSize(3, 3);
  EXPECT_EQ(t->layout().rowCount(), 3u);

  // With a model given, the grid views it.
  zTableSmallModel given(2, 2);
  auto* u = new zTable(&form, kGridId, &given);
  EXPECT_EQ(u->model(), &given);
  EXPECT_EQ(u->layout().columnWidth(3), 50u);
  delete u;
  EXPECT_EQ(given.columnCount(), 2u);
}

}  // namespace
