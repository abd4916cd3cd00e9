// How a printed grid falls into pages: order down or across, headers on the first pages
// of each band or on every page, scaling to the printer, cells larger than a page, and
// print ranges clamped to the table.
#include <gtest/gtest.h>

#include <vector>

#include "framework/grid/zTablePages.h"

namespace {

// Columns 100 wide and rows 20 high on the screen, headers 50 by 20.
struct Sizes {
  Sizes() : widths(100), heights(20) {}
  zTableSizeTable widths;
  zTableSizeTable heights;
};

zTablePageSetup setup(uint32_t columns, uint32_t rows, int32_t pageWidth, int32_t pageHeight, bool downFirst) {
  zTablePageSetup s;
  s.printRange = zTableCellRange(1, 1, columns, rows);
  s.downFirst = downFirst;
  s.headerSize = zDimension(50, 20);
  s.pageWidth = pageWidth;
  s.pageHeight = pageHeight;
  return s;
}

std::vector<zTableCellRange> allPages(const zTablePages& pages) {
  std::vector<zTableCellRange> out;
  for (uint32_t n = 1; n <= pages.pageCount(); ++n) out.push_back(pages.page(n).range);
  return out;
}

TEST(GridPages, OrderDownAndAcross) {
  Sizes sz;
  using R = zTableCellRange;
  struct Case {
    const char* what;
    int32_t width;
    bool down;
    std::vector<R> pages;
  };
  // Without headers 4 rows of 20 fit in 80 pixels; 300 pixels hold 3 columns, 250 two.
  const Case cases[] = {
      {"all columns, down", 300, true, {R(1, 1, 3, 4), R(1, 5, 3, 8), R(1, 9, 3, 10)}},
      {"all columns, across", 300, false, {R(1, 1, 3, 4), R(1, 5, 3, 8), R(1, 9, 3, 10)}},
      {"two columns, down",
       250,
       true,
       {R(1, 1, 2, 4), R(1, 5, 2, 8), R(1, 9, 2, 10), R(3, 1, 3, 4), R(3, 5, 3, 8), R(3, 9, 3, 10)}},
      {"two columns, across",
       250,
       false,
       {R(1, 1, 2, 4), R(3, 1, 3, 4), R(1, 5, 2, 8), R(3, 5, 3, 8), R(1, 9, 2, 10), R(3, 9, 3, 10)}},
  };
  for (const Case& c : cases) {
    zTablePageSetup s = setup(3, 10, c.width, 80, c.down);
    s.rowHeaders = s.columnHeaders = false;
    zTablePages pages(sz.widths, sz.heights, s);
    EXPECT_EQ(allPages(pages), c.pages) << c.what;
    EXPECT_EQ(pages.page(99).range, c.pages.back()) << c.what;
  }
}

TEST(GridPages, HeadersOnTheFirstPagesOfEachBandOrOnEvery) {
  Sizes sz;
  struct Case {
    bool repeatRows, repeatColumns;
    std::vector<int> rowHeaders, columnHeaders;  // per page
  };
  // Down first, two columns and four or five rows a page: pages 1-3 start at column 1,
  // pages 1 and 4 at row 1.
  const Case cases[] = {
      {false, false, {1, 1, 1, 0, 0, 0}, {1, 0, 0, 1, 0, 0}},
      {true, true, {1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    zTablePageSetup s = setup(3, 10, 250 + 50, 100, true);
    s.repeatRowHeaders = c.repeatRows;
    s.repeatColumnHeaders = c.repeatColumns;
    zTablePages pages(sz.widths, sz.heights, s);
    std::vector<int> rows, columns;
    for (uint32_t n = 1; n <= pages.pageCount(); ++n) {
      zTablePage p = pages.page(n);
      rows.push_back(p.rowHeaders);
      columns.push_back(p.columnHeaders);
      EXPECT_EQ(p.columnX.front(), p.rowHeaders ? 50 : 0);
      EXPECT_EQ(p.rowY.front(), p.columnHeaders ? 20 : 0);
    }
    EXPECT_EQ(rows, c.rowHeaders) << c.repeatRows;
    EXPECT_EQ(columns, c.columnHeaders) << c.repeatColumns;
  }
}

TEST(GridPages, ScaledToThePrinterAndWideCellsGetAPage) {
  Sizes sz;
  sz.widths.setSize(2, 1000);
  zTablePageSetup s = setup(3, 2, 1200, 1000, false);
  s.horzScale = s.vertScale = 300.0 / 96.0;
  zTablePages pages(sz.widths, sz.heights, s);
  // 156 + 312 fits 1200, column 2's 3125 pixels do not: it gets a page of its own.
  ASSERT_EQ(pages.pageCount(), 3u);
  zTablePage first = pages.page(1);
  EXPECT_EQ(first.range, zTableCellRange(1, 1, 1, 2));
  EXPECT_EQ(first.columnX, (std::vector<int32_t>{156, 468}));
  EXPECT_EQ(first.rowY, (std::vector<int32_t>{62, 124, 186}));
  EXPECT_EQ(first.cellRect({1, 2}), zRect(156, 124, 468, 186));
  EXPECT_EQ(pages.page(2).range, zTableCellRange(2, 1, 2, 2));
  EXPECT_EQ(pages.page(2).columnX, (std::vector<int32_t>{0, 3125}));
  EXPECT_EQ(pages.page(3).range, zTableCellRange(3, 1, 3, 2));
}

TEST(GridPages, PrintRangesAreClampedToTheTable) {
  struct Case {
    zTableCellRange asked, clamped;
  };
  const Case cases[] = {
      {{2, 3, 50, 60}, {2, 3, 3, 10}},
      {{5, 9, 2, 4}, {2, 4, 2, 4}},  // inverted: collapses to its end
      {{1, 1, 3, 10}, {1, 1, 3, 10}},
  };
  for (const Case& c : cases) EXPECT_EQ(zTablePages::clampRange(c.asked, 3, 10), c.clamped);
  Sizes sz;
  zTablePageSetup s = setup(3, 0, 300, 80, true);
  s.printRange = zTablePages::clampRange(s.printRange, 3, 0);
  EXPECT_EQ(zTablePages(sz.widths, sz.heights, s).pageCount(), 0u);
}

}  // namespace
