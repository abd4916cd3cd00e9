// The grid window in a test frame under Wine: measuring, drawing of headers, cells and the
// space beyond the table (pixel probes on a bitmap display the table paints into), the
// current cell moved by keys and the mouse, and ownership of the model.
#include <gtest/gtest.h>

#include <memory>

#include "../core/GuiTestSupport.h"
#include "../draw/TestDisplays.h"
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
    auto* t = new zTable(frame.get(), new zSizer(zPoint(0, 0), zDimension(w, h), nullptr),
                         WS_VISIBLE | WS_CHILD, model);
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
  // A click on a header leaves the current cell.
  SendMessageA(t->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left() + 4, 3));
  EXPECT_EQ(t->currentCell(), zTableCellPos(4, 3));
  delete t;
}

}  // namespace
