// The grid window in a test frame under Wine: measuring, drawing of headers, cells and the
// space beyond the table (pixel probes on a bitmap display the table paints into), the
// current cell moved by keys and the mouse, and ownership of the model.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "../core/GuiTestSupport.h"
#include "../draw/TestDisplays.h"
#include "GridTestSupport.h"
#include "framework/grid/zTable.h"
#include "framework/grid/zTableDrawAttr.h"

namespace {

class GridView : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    frame = std::make_unique<LoggingFrame>("Grid test frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    MoveWindow(frame->handle(), 10, 10, 640, 480, TRUE);
  }
  void TearDown() override {
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
  // Paints the whole table into a fresh canvas of its size.
  zBitmapDisplay* paint(zTable* t) {
    zBitmapDisplay* c = newCanvas(t->layout().clientWidth(), t->layout().clientHeight());
    c->setDefaultFont(zRCFont(SYSTEM_FONT));
    c->lock();
    t->draw(c, zRect(0, 0, t->layout().clientWidth(), t->layout().clientHeight()));
    c->unlock();
    return c;
  }
  std::unique_ptr<LoggingFrame> frame;
};

uint32_t sys(int index) { return GetSysColor(index) & 0xFFFFFF; }

TEST_F(GridView, MeasuresCellsAndHeadersFromTheFont) {
  zTable* t = makeTable(nullptr);
  HDC dc = GetDC(t->handle());
  HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
  SIZE ext{};
  GetTextExtentPoint32A(dc, "MMM MMM M", 9, &ext);
  SelectObject(dc, old);
  ReleaseDC(t->handle(), dc);
  EXPECT_EQ(t->layout().defaultCellSize(), zDimension(ext.cx + 5, ext.cy + 5));
  EXPECT_EQ(t->layout().headerSize(), zDimension(ext.cx - 5, ext.cy + 10));
  EXPECT_EQ(t->model()->columnCount(), 100u);
  EXPECT_EQ(t->model()->rowCount(), 100u);
  EXPECT_EQ(SendMessageA(t->handle(), WM_GETDLGCODE, 0, 0), 129);
  delete t;
}

// A table that nobody lays out (as one a template places) is laid out at its first paint:
// that paint already shows the bars its rows and columns need, before any scroll.
TEST_F(GridView, TheFirstPaintShowsTheBarsTheTableNeeds) {
  struct Case {
    uint32_t columns, rows;
    bool vertical, horizontal;
  } cases[] = {
      {2, 100, true, false},
      {40, 3, false, true},
      {2, 3, false, false},
  };
  for (const Case& c : cases) {
    zTableSmallModel model(c.columns, c.rows);
    auto* t =
        new zTable(frame.get(), new zSizer(zPoint(0, 0), zDimension(400, 300), nullptr), WS_VISIBLE | WS_CHILD, &model);
    MoveWindow(t->handle(), 0, 0, 400, 300, TRUE);
    UpdateWindow(t->handle());
    const LONG style = GetWindowLongA(t->handle(), GWL_STYLE);
    const std::string name = std::to_string(c.columns) + " x " + std::to_string(c.rows);
    EXPECT_TRUE(t->layout().ready()) << name;
    EXPECT_EQ((style & WS_VSCROLL) != 0, c.vertical) << name;
    EXPECT_EQ((style & WS_HSCROLL) != 0, c.horizontal) << name;
    // Nothing is left for the queue to draw over the paint: the window has no update region.
    EXPECT_FALSE(GetUpdateRect(t->handle(), nullptr, FALSE)) << name;
    delete t;
    pump();
  }
}

// The style each window of the thread is created with, while a test watches.
std::vector<LONG> createdStyles;
LRESULT CALLBACK recordCreatedStyle(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) createdStyles.push_back(reinterpret_cast<CBT_CREATEWND*>(lParam)->lpcs->style);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Every way of making a table makes its window without scroll bars: its first layout shows
// those its lines need, where bars made with the window would be taken away again, each a
// change of the window's frame.
TEST_F(GridView, ATableIsMadeWithoutScrollBarsWhicheverWayItIsMade) {
  constexpr int32_t kId = 4711;
  const std::function<zTable*()> makers[] = {
      [&] {
        return new zTable(frame.get(), new zSizer(zPoint(0, 0), zDimension(400, 300), nullptr), WS_VISIBLE | WS_CHILD,
                          nullptr);
      },
      [&] {
        return new zTable(frame.get(), new zSizer(zPoint(0, 0), zDimension(400, 300), nullptr), WS_VISIBLE | WS_CHILD,
                          0, kId);
      },
      // In the place of the table above, as a table made by a template is replaced.
      [&] { return new zTable(frame.get(), kId, nullptr); },
  };
  for (size_t i = 0; i < std::size(makers); ++i) {
    createdStyles.clear();
    HHOOK hook = SetWindowsHookExA(WH_CBT, &recordCreatedStyle, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    zTable* t = makers[i]();
    UnhookWindowsHookEx(hook);
    // The table's own window comes first.
    ASSERT_FALSE(createdStyles.empty()) << "maker " << i;
    EXPECT_EQ(createdStyles.front() & (WS_HSCROLL | WS_VSCROLL), 0) << "maker " << i;
    if (i != 1) delete t;  // the second stays for the third to replace
  }
  pump();
}

// Drawing a scroll bar is slow under Wine's theme: a table laid out while it (or the
// window it sits in) is hidden, then shown before the queue runs, draws its bars once,
// at the show, and not again when the queue runs; a thumb that moves later is drawn again.
TEST_F(GridView, AHiddenTableDrawsItsBarsOnceWhenItShows) {
  struct Case {
    uint32_t columns, rows;
    bool hiddenParent;
  } cases[] = {
      {40, 3, false},
      {2, 100, false},
      {40, 100, false},
      {40, 100, true},
  };
  FramePaintCounter paints("zTableCL");
  for (const Case& c : cases) {
    const std::string name = std::to_string(c.columns) + " x " + std::to_string(c.rows) +
                             (c.hiddenParent ? " in a hidden window" : " hidden itself");
    std::unique_ptr<LoggingFrame> hidden;
    zWindow* parent = frame.get();
    if (c.hiddenParent) {
      hidden = std::make_unique<LoggingFrame>("Hidden frame", WS_OVERLAPPEDWINDOW);
      MoveWindow(hidden->handle(), 20, 20, 500, 400, FALSE);
      parent = hidden.get();
    }
    zTableSmallModel model(c.columns, c.rows);
    auto* t = new zTable(parent, new zSizer(zPoint(0, 0), zDimension(400, 300), nullptr),
                         c.hiddenParent ? WS_CHILD | WS_VISIBLE : WS_CHILD, &model);
    MoveWindow(t->handle(), 0, 0, 400, 300, FALSE);
    t->calcLayout();
    paints.reset();
    if (c.hiddenParent)
      ShowWindow(hidden->handle(), SW_SHOW);
    else
      ShowWindow(t->handle(), SW_SHOW);
    pump();
    EXPECT_EQ(paints.count(t->handle()), 1) << name;
    // A thumb moved by a scroll is drawn again.
    t->scrollTo(c.columns > 2 ? 5 : 1, c.rows > 3 ? 20 : 1);
    pump();
    EXPECT_EQ(paints.count(t->handle()), 2) << name;
    delete t;
    hidden.reset();
    pump();
  }
}

TEST_F(GridView, AGivenModelOutlivesTheTable) {
  zTableSmallModel model(3, 4);
  zTable* t = makeTable(&model);
  EXPECT_EQ(t->layout().columnCount(), 3u);
  delete t;
  model.setSize(5, 5);  // no view left to notify
  EXPECT_EQ(model.columnCount(), 5u);
}

TEST_F(GridView, RaisedHeadersCurrentFrameAndCells) {
  zTableSmallModel model(3, 3);
  model.addAttribute(new zTableBackColorAttr(zColor(255, 0, 0), zTableCellRange(2, 2, 2, 2)));
  new zTableTextCell(&model, "", {3, 3});
  zTable* t = makeTable(&model);
  std::unique_ptr<zBitmapDisplay> c(paint(t));
  HDC dc = c->hdc();
  c->lock();
  const zTableLayout& L = t->layout();
  const int hw = L.headerSize().width(), hh = L.headerSize().height();
  zRect col1 = L.cellRect({1, 1});
  // Column header 1: face colour inside, a shadow line along its bottom.
  EXPECT_EQ(GetPixel(dc, col1.left() + 3, 3) & 0xFFFFFF, sys(COLOR_BTNFACE));
  EXPECT_EQ(GetPixel(dc, col1.left() + 3, hh - 1) & 0xFFFFFF, sys(COLOR_BTNSHADOW));
  // The corner's highlight line along its top.
  EXPECT_EQ(GetPixel(dc, hw / 2, 1) & 0xFFFFFF, sys(COLOR_BTNHIGHLIGHT));
  // The current cell (1, 1): black inner frame, white inside.
  EXPECT_EQ(GetPixel(dc, col1.left() + 1, col1.top() + 5) & 0xFFFFFF, 0u);
  EXPECT_EQ(GetPixel(dc, col1.left() + 6, col1.top() + 3) & 0xFFFFFF, 0xFFFFFFu);
  // The red cell, and the space beyond the third column in the background colour.
  zRect red = L.cellRect({2, 2});
  EXPECT_EQ(GetPixel(dc, red.left() + 6, red.top() + 4) & 0xFFFFFF, 0x0000FFu);
  zRect last = L.cellRect({3, 3});
  EXPECT_EQ(GetPixel(dc, last.right() + 5, last.top() + 4) & 0xFFFFFF, sys(COLOR_APPWORKSPACE));
  EXPECT_EQ(GetPixel(dc, last.left() + 5, last.bottom() + 5) & 0xFFFFFF, sys(COLOR_APPWORKSPACE));
  c->unlock();
  delete t;
}

TEST_F(GridView, NoRowsShowsColumnHeadersAndBackground) {
  zTableSmallModel model(2, 0);
  zTable* t = makeTable(&model);
  std::unique_ptr<zBitmapDisplay> c(paint(t));
  c->lock();
  const zTableLayout& L = t->layout();
  int32_t x = L.columnLeft(1) + 5;
  EXPECT_EQ(GetPixel(c->hdc(), x, 3) & 0xFFFFFF, sys(COLOR_BTNFACE));
  EXPECT_EQ(GetPixel(c->hdc(), x, L.headerSize().height() + 10) & 0xFFFFFF, sys(COLOR_APPWORKSPACE));
  c->unlock();
  delete t;
}

TEST_F(GridView, KeysAndClicksMoveTheCurrentCell) {
  zTableSmallModel model(5, 5);
  zTable* t = makeTable(&model);
  SendMessageA(t->handle(), WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageA(t->handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(t->currentCell(), zTableCellPos(2, 2));
  SendMessageA(t->handle(), WM_KEYDOWN, VK_LEFT, 0);
  SendMessageA(t->handle(), WM_KEYDOWN, VK_LEFT, 0);  // at column 1: nothing
  EXPECT_EQ(t->currentCell(), zTableCellPos(1, 2));
  zRect r = t->layout().cellRect({4, 3});
  SendMessageA(t->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left() + 4, r.top() + 4));
  EXPECT_EQ(t->currentCell(), zTableCellPos(4, 3));
  // A right press only takes the focus.
  SetFocus(frame->handle());
  SendMessageA(t->handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
  EXPECT_EQ(t->currentCell(), zTableCellPos(4, 3));
  EXPECT_EQ(GetFocus(), t->handle());
  // Home and End: the first and the last visible cell.
  SendMessageA(t->handle(), WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(t->currentCell(), zTableCellPos(5, 5));
  SendMessageA(t->handle(), WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(t->currentCell(), t->layout().visibleRange().start);
  delete t;
}

TEST_F(GridView, TypingEditsInPlaceEnterCommitsEscRestores) {
  zTableSmallModel model(4, 4);
  model.addAttribute(new zTableReadOnlyAttr(zTableCellRange(4, 1, 4, 4)));
  zTable* t = makeTable(&model);
  SendMessageA(t->handle(), WM_CHAR, '4', 0);
  HWND edit = t->editHandle();
  ASSERT_NE(edit, nullptr);
  SendMessageA(edit, WM_CHAR, '2', 0);
  SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
  pump();
  EXPECT_EQ(t->editHandle(), nullptr);
  EXPECT_FALSE(IsWindowVisible(edit));
  ASSERT_NE(model.cell({1, 1}), nullptr);
  EXPECT_STREQ(model.cell({1, 1})->text(), "42");
  EXPECT_EQ(model.cell({1, 1})->kind(), 14u);        // a number cell from the factory
  EXPECT_EQ(t->currentCell(), zTableCellPos(1, 2));  // advanced down

  // Esc leaves the cell as it was.
  t->setCurrentCell({1, 1});
  SendMessageA(t->handle(), WM_CHAR, 'x', 0);
  ASSERT_NE(t->editHandle(), nullptr);
  SendMessageA(t->editHandle(), WM_KEYDOWN, VK_ESCAPE, 0);
  pump();
  EXPECT_EQ(t->editHandle(), nullptr);
  EXPECT_STREQ(model.cell({1, 1})->text(), "42");
  EXPECT_EQ(t->currentCell(), zTableCellPos(1, 1));

  // Advance direction right; none stays.
  t->setDirection(ZTDIR_GORIGHT);
  SendMessageA(t->handle(), WM_CHAR, 'a', 0);
  SendMessageA(t->editHandle(), WM_KEYDOWN, VK_RETURN, 0);
  pump();
  EXPECT_EQ(t->currentCell(), zTableCellPos(2, 1));
  t->setDirection(ZTDIR_NONE);
  SendMessageA(t->handle(), WM_CHAR, 'b', 0);
  SendMessageA(t->editHandle(), WM_KEYDOWN, VK_RETURN, 0);
  pump();
  EXPECT_EQ(t->currentCell(), zTableCellPos(2, 1));
  EXPECT_STREQ(model.cell({2, 1})->text(), "b");

  // A read-only cell opens no edit line.
  t->setCurrentCell({4, 2});
  SendMessageA(t->handle(), WM_CHAR, 'z', 0);
  EXPECT_EQ(t->editHandle(), nullptr);

  // The edit line's text is bounded.
  t->setCurrentCell({3, 3});
  std::string longText(400, 'q');
  t->beginEdit(longText.c_str());
  ASSERT_NE(t->editHandle(), nullptr);
  EXPECT_EQ(GetWindowTextLengthA(t->editHandle()), zTable::kEditLimit);
  for (int i = 0; i < 10; ++i) SendMessageA(t->editHandle(), WM_CHAR, 'w', 0);
  EXPECT_EQ(GetWindowTextLengthA(t->editHandle()), zTable::kEditLimit);
  SendMessageA(t->editHandle(), WM_KEYDOWN, VK_RETURN, 0);
  pump();
  EXPECT_EQ(std::string(model.cell({3, 3})->text()), std::string(zTable::kEditLimit, 'q'));

  // A commit of the text the cell holds tells no view; a changed text tells each once.
  RecordingView view;
  model.attachView(&view, &RecordingView::handler);
  struct Case {
    const char* typed;
    size_t calls;
  };
  const Case cases[] = {{"a", 0}, {"a2", 1}, {"", 1}};  // (1, 1) holds "a"
  for (const Case& c : cases) {
    view.calls.clear();
    t->setCurrentCell({1, 1});
    t->beginEdit(c.typed);
    SendMessageA(t->editHandle(), WM_KEYDOWN, VK_RETURN, 0);
    pump();
    EXPECT_EQ(view.calls.size(), c.calls) << c.typed;
  }
  model.detachView(&view, &RecordingView::handler);
  delete t;
}

// The scene of docs/grid-view.png: a selection, a pressed column header and an edit in
// progress. PV_GRID_SHOW_MS keeps it on screen that long for a screenshot.
TEST_F(GridView, SelectionPressedHeaderAndEditScene) {
  zTableSmallModel model(5, 30);  // more rows than the window shows: a vertical scroll bar
  const char* names[] = {"Price", "Range", "Comfort", "Safety", "Space", "Looks", "Service", "Resale"};
  for (uint32_t r = 1; r <= 8; ++r) new zTableTextCell(&model, names[r - 1], {1, r});
  for (uint32_t r = 1; r <= 8; ++r) new zTableFmtNumCell(&model, std::to_string(r * 12).c_str(), {2, r});
  model.addAttribute(new zTableTextAlignmentAttr(zTableAlignRight, zTableCellRange(2, 1, 2, 30)));
  model.addAttribute(new zTableTextColorAttr(zColor(160, 0, 0), zTableCellRange(2, 1, 2, 30)));
  zTable* t = makeTable(&model, 600, 400);
  t->setHeaderTextMode(zTableHeaderColumns, zTableHeaderLetters);
  t->selectRange(zTableCellRange(2, 6, 3, 3));
  EXPECT_EQ(t->selectionRange(), zTableCellRange(2, 3, 3, 6));
  t->setHighlight(2, 3, zTableHeaderColumns);
  InvalidateRect(t->handle(), nullptr, FALSE);
  pump();
  // Typing at the current cell opens the edit line there; the selection stays.
  SendMessageA(t->handle(), WM_CHAR, 'N', 0);
  ASSERT_NE(t->editHandle(), nullptr);
  SendMessageA(t->editHandle(), WM_CHAR, 'e', 0);
  SendMessageA(t->editHandle(), WM_CHAR, 'w', 0);
  EXPECT_EQ(t->selectionRange(), zTableCellRange(2, 3, 3, 6));
  pump();
  if (const char* ms = getenv("PV_GRID_SHOW_MS")) {
    DWORD until = GetTickCount() + static_cast<DWORD>(atoi(ms));
    while (GetTickCount() < until) {
      pump();
      Sleep(20);
    }
  }
  t->cancelEdit();
  delete t;
}

}  // namespace

#include "framework/core/zControlType.h"

namespace {

TEST_F(GridView, TheGridJoinsTheControlTypes) {
  const uint32_t types = zControlType::count();
  zRegisterGridControlTypes();  // already there: once only
  EXPECT_EQ(zControlType::count(), types);
  zControlType* type = zControlType::find("ZTABLE");
  ASSERT_NE(type, nullptr);
  zWindow* w =
      type->creator()(frame.get(), new zSizer(zPoint(0, 0), zDimension(200, 100), nullptr), WS_VISIBLE, "", 77);
  auto* t = dynamic_cast<zTable*>(w);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->id(), 77);
  EXPECT_EQ(t->model()->rowCount(), 100u);
  delete t;
}

}  // namespace
