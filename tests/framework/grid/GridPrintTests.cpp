// The printable grid on a printer display whose paper is a bitmap (no printer, no
// spooler): pages counted and ordered at the printer's scale, a job's page loop bounded by
// the count, a printed page's cells and header frames, and the printer fonts of a job.
#include <gtest/gtest.h>

#include <memory>

#include "../core/GuiTestSupport.h"
#include "framework/grid/zTableDrawAttr.h"
#include "framework/grid/zTablePrintable.h"
#include "framework/periphery/zPrinter.h"

namespace {

zPrinterSpec& noPrinter() {
  static zPrinterSpec spec("");
  return spec;
}

int screenPerInch() {
  HDC dc = GetDC(nullptr);
  int n = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(nullptr, dc);
  return n;
}

// A printer display of twice the screen's resolution that prints on a white bitmap.
class PaperPrinter : public zPrinterDisplay {
 public:
  PaperPrinter(int width, int height) : zPrinterDisplay(&noPrinter()) {
    const int perInch = 2 * screenPerInch();
    setMetrics(width, height, perInch, perInch, 0, 0);
    setPageRect();
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    paper_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(paper_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = SelectObject(paper_, bitmap_);
    PatBlt(paper_, 0, 0, width, height, WHITENESS);
  }
  ~PaperPrinter() override {
    while (lockCount_ > 0) unlock();
    SelectObject(paper_, old_);
    DeleteObject(bitmap_);
    DeleteDC(paper_);
  }
  uint32_t pixel(int x, int y) const { return GetPixel(paper_, x, y) & 0xFFFFFF; }

 protected:
  void acquireDC() override { hdc_ = paper_; }
  void releaseDC() override { hdc_ = nullptr; }

 private:
  HDC paper_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

class GridPrint : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    frame = std::make_unique<LoggingFrame>("Grid print frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    MoveWindow(frame->handle(), 10, 10, 640, 480, TRUE);
  }
  void TearDown() override {
    frame.reset();
    FrameworkTest::TearDown();
  }
  // Columns 100 and rows 20 pixels on the screen: 200 and 40 on the paper.
  zTablePrintable* makeTable(zTableModel* model) {
    auto* t = new zTablePrintable(frame.get(), new zSizer(zPoint(0, 0), zDimension(400, 300), nullptr),
                                  WS_VISIBLE | WS_CHILD, model);
    MoveWindow(t->handle(), 0, 0, 400, 300, TRUE);
    t->calcLayout();
    t->setColumnWidths(1, model->columnCount(), 100);
    t->setRowHeights(1, model->rowCount(), 20);
    pump();
    return t;
  }
  std::unique_ptr<LoggingFrame> frame;
};

TEST_F(GridPrint, PagesFallDownOrAcrossAtThePrintersScale) {
  zTableSmallModel model(3, 10);
  zTablePrintable* t = makeTable(&model);
  t->setPrintRowHeaders(false);
  t->setPrintColumnHeaders(false);
  using R = zTableCellRange;
  struct Case {
    int width;
    bool down;
    std::vector<R> pages;
  };
  // 160 pixels of paper hold four rows; 600 all three columns, 400 two.
  const Case cases[] = {
      {600, true, {R(1, 1, 3, 4), R(1, 5, 3, 8), R(1, 9, 3, 10)}},
      {600, false, {R(1, 1, 3, 4), R(1, 5, 3, 8), R(1, 9, 3, 10)}},
      {400, true, {R(1, 1, 2, 4), R(1, 5, 2, 8), R(1, 9, 2, 10), R(3, 1, 3, 4), R(3, 5, 3, 8), R(3, 9, 3, 10)}},
  };
  for (const Case& c : cases) {
    PaperPrinter paper(c.width, 160);
    c.down ? t->setDownFirst() : t->setAcrossFirst();
    for (size_t n = 1; n <= c.pages.size(); ++n) {
      R range;
      ASSERT_TRUE(t->pageRange(&paper, range, static_cast<uint32_t>(n)));
      EXPECT_EQ(range, c.pages[n - 1]) << c.width << " page " << n;
    }
    // A job that asks for every page prints exactly the table's pages.
    ASSERT_EQ(t->beginPrint(&paper, nullptr), 1);
    EXPECT_EQ(t->pageCount(), c.pages.size());
    size_t printed = 0;
    do {
      zRect area;
      printed += t->printPage(&paper, area);
      if (t->nextPage())
        paper.setPage(paper.page() + 1);
      else
        break;
    } while (printed < 100);
    t->endPrint(&paper, nullptr);
    EXPECT_EQ(printed, c.pages.size()) << c.width;
    EXPECT_FALSE(t->printing());
  }
  // A print range beyond the table is clamped to it; an empty table prints nothing.
  t->setPrintRange(R(2, 3, 40, 90));
  EXPECT_EQ(t->printRange(), R(2, 3, 3, 10));
  zTableSmallModel none(3, 0);
  zTablePrintable* empty = makeTable(&none);
  PaperPrinter paper(600, 160);
  EXPECT_EQ(empty->beginPrint(&paper, nullptr), 0);
  empty->endPrint(&paper, nullptr);
  delete empty;
  delete t;
}

TEST_F(GridPrint, APrintedPageShowsCellsHeadersAndPrinterFonts) {
  zTableSmallModel model(3, 4);
  model.addAttribute(new zTableBackColorAttr(zColor(255, 0, 0), zTableCellRange(2, 2, 2, 2)));
  zRCFont screen("Arial", zDimension(0, 16));
  auto* f1 = static_cast<zTableFontAttr*>(model.addAttribute(new zTableFontAttr(screen, zTableCellRange(1, 1, 1, 4))));
  auto* f2 = static_cast<zTableFontAttr*>(model.addAttribute(new zTableFontAttr(screen, zTableCellRange(3, 1, 3, 4))));
  new zTableTextCell(&model, "Price", {1, 1});
  zTablePrintable* t = makeTable(&model);
  t->layout().setHeaderSize(zDimension(50, 20));
  PaperPrinter paper(1000, 800);
  ASSERT_EQ(t->beginPrint(&paper, nullptr), 1);
  EXPECT_EQ(t->pageCount(), 1u);
  // One printer font for the one screen font, twice its height.
  ASSERT_TRUE(f1->printerFont().isValid());
  EXPECT_EQ(f1->printerFont(), f2->printerFont());
  LOGFONTA lf{};
  GetObjectA(f1->printerFont().hfont(), sizeof lf, &lf);
  EXPECT_EQ(lf.lfHeight, -32);  // a character height, as the screen font's
  zRect area;
  EXPECT_EQ(t->printPage(&paper, area), 1);
  // Headers 100 by 40 on paper, then cells of 200 by 40: cell (2, 2) is red.
  EXPECT_EQ(paper.pixel(100 + 200 + 100, 40 + 40 + 20), 0x0000FFu);
  EXPECT_EQ(paper.pixel(100 + 100, 40 + 40 + 20), 0xFFFFFFu);
  // The header frames are drawn black with a wide pen; nothing beyond the table.
  EXPECT_EQ(paper.pixel(1, 60), 0u);
  EXPECT_EQ(paper.pixel(150, 1), 0u);
  EXPECT_EQ(paper.pixel(900, 700), 0xFFFFFFu);
  t->endPrint(&paper, nullptr);
  EXPECT_FALSE(f1->printerFont().isValid());
  delete t;
}

}  // namespace
