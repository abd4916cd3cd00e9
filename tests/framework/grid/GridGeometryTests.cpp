#include <gtest/gtest.h>

#include "framework/grid/zTableHeaderTexts.h"
#include "framework/grid/zTableSizeTable.h"

namespace {

TEST(GridSizeTable, SparsePagesAndDefaults) {
  zTableSizeTable widths(64);
  EXPECT_EQ(widths.size(0), 64u);
  EXPECT_EQ(widths.size(100000), 64u);
  EXPECT_EQ(widths.highestSized(), -1);

  ASSERT_TRUE(widths.setSize(300, 40));
  EXPECT_EQ(widths.pageCount(), 1u);
  EXPECT_TRUE(widths.hasPage(1));
  EXPECT_FALSE(widths.hasPage(0));
  EXPECT_EQ(widths.size(0), 64u);
  EXPECT_EQ(widths.size(255), 64u);
  EXPECT_EQ(widths.size(300), 40u);
  EXPECT_EQ(widths.size(301), 64u);
  EXPECT_EQ(widths.highestSized(), 300);

  // 0xFFFF and any value from 0x8000 up read as the default; the highest stays.
  widths.setSize(300, 0xFFFF);
  EXPECT_EQ(widths.size(300), 64u);
  widths.setSize(300, 40000);
  EXPECT_EQ(widths.size(300), 64u);
  widths.setSize(12, 0);
  EXPECT_EQ(widths.size(12), 0u);
  EXPECT_EQ(widths.highestSized(), 300);

  widths.setDefaultSize(70);
  EXPECT_EQ(widths.size(299), 70u);
}

TEST(GridSizeTable, RangesInEitherOrder) {
  zTableSizeTable heights(20);
  heights.setSizes(5, 2, 33);
  for (uint32_t i = 2; i <= 5; ++i) EXPECT_EQ(heights.size(i), 33u) << i;
  EXPECT_EQ(heights.size(1), 20u);
  EXPECT_EQ(heights.size(6), 20u);
  EXPECT_EQ(heights.highestSized(), 5);
}

TEST(GridHeaderTexts, FollowRowInsertAndRemoval) {
  zTableHeaderTexts rows;
  rows.setText(1, "a");
  rows.setText(2, "b");
  rows.setText(3, "c");
  rows.removeLine(2);
  EXPECT_STREQ(rows.text(1), "a");
  EXPECT_STREQ(rows.text(2), "c");
  EXPECT_STREQ(rows.text(3), "");
  rows.addLine(2);
  EXPECT_STREQ(rows.text(1), "a");
  EXPECT_STREQ(rows.text(2), "");
  EXPECT_STREQ(rows.text(3), "c");
  rows.setText(3, nullptr);
  EXPECT_STREQ(rows.text(3), "");
  rows.removeLine(500);  // beyond the texts: nothing
  rows.addLine(500);
  EXPECT_STREQ(rows.text(1), "a");
}

}  // namespace

#include "framework/grid/zTableLayout.h"

namespace {

// Ten columns and rows measured from a 60 x 13 text extent, in a 300 x 100 client area:
// cells of 65 x 18 behind headers of 55 x 23.
void layOut(zTableLayout& l) {
  l.measure(60, 13);
  l.setClientSize(300, 100);
  l.relayout();
}

TEST(GridLayout, MeasureSetsDefaultAndHeaderSize) {
  zTableLayout l(10, 10);
  EXPECT_FALSE(l.ready());
  l.measure(60, 13);
  EXPECT_TRUE(l.ready());
  EXPECT_EQ(l.defaultCellSize(), zDimension(65, 18));
  EXPECT_EQ(l.headerSize(), zDimension(55, 23));
  EXPECT_EQ(l.columnWidth(7), 65u);
  // A header size given before measuring is kept.
  zTableLayout given(2, 2);
  given.setHeaderSize(zDimension(30, 20));
  given.measure(60, 13);
  EXPECT_EQ(given.headerSize(), zDimension(30, 20));
}

TEST(GridLayout, PositionsRectsAndVisibleRange) {
  zTableLayout l(10, 10);
  layOut(l);
  EXPECT_EQ(l.visibleColumns(), 4u);  // the fourth one partly shown
  EXPECT_EQ(l.visibleRows(), 5u);
  EXPECT_EQ(l.visibleRange(), zTableCellRange(1, 1, 4, 5));
  zRect r = l.cellRect({2, 3});
  EXPECT_EQ(r.left(), 120);
  EXPECT_EQ(r.top(), 59);
  EXPECT_EQ(r.right(), 185);
  EXPECT_EQ(r.bottom(), 77);
  EXPECT_EQ(l.columnLeft(50), 0);
  EXPECT_EQ(l.cellRangeAt(zRect(130, 45, 190, 60)), zTableCellRange(2, 2, 3, 3));

  l.columnWidths().setSize(1, 100);
  l.relayout();
  EXPECT_EQ(l.columnLeft(2), 155);

  l.setHeadersShown(false);
  l.relayout();
  EXPECT_EQ(l.cellRect({1, 1}).left(), 0);
  EXPECT_EQ(l.cellRect({1, 1}).top(), 0);
}

TEST(GridLayout, HeaderHitsAndResizeZone) {
  zTableLayout l(10, 10);
  layOut(l);
  struct Case {
    int x, y;
    int hit;
    uint32_t index, area;
  };
  const Case cases[] = {
      {10, 10, zTableHitHeader, 0, zTableHeaderCorner},
      {10, 30, zTableHitHeader, 1, zTableHeaderRows},
      {10, 38, zTableHitResize, 1, zTableHeaderRows},  // 41 - 4 + 1 = 38: the zone
      {10, 41, zTableHitHeader, 2, zTableHeaderRows},  // the next row's top
      {130, 5, zTableHitHeader, 2, zTableHeaderColumns},
      {183, 5, zTableHitResize, 2, zTableHeaderColumns},
      {130, 30, zTableHitNone, 0, 0},
  };
  for (const Case& c : cases) {
    uint32_t index = 0, area = 0;
    EXPECT_EQ(l.headerHit(zPoint(c.x, c.y), index, area), c.hit) << c.x << "," << c.y;
    if (c.hit != zTableHitNone) {
      EXPECT_EQ(index, c.index) << c.x << "," << c.y;
      EXPECT_EQ(area, c.area) << c.x << "," << c.y;
    }
  }
  l.setHeadersShown(false);
  uint32_t index = 0, area = 0;
  EXPECT_EQ(l.headerHit(zPoint(10, 10), index, area), zTableHitNone);
}

TEST(GridLayout, FirstColumnNeverLeavesEmptySpace) {
  zTableLayout l(10, 10);
  layOut(l);
  // 245 pixels beside the headers hold three whole columns of 65: fit = 2.
  EXPECT_EQ(l.trailingColumnsFit(), 2u);
  l.setFirst(9, 1);
  EXPECT_TRUE(l.relayout());
  EXPECT_EQ(l.firstColumn(), 8u);
  l.setFirst(3, 2);
  EXPECT_FALSE(l.relayout());
  EXPECT_EQ(l.visibleRange().start, zTableCellPos(3, 2));
}

TEST(GridLayout, PagesBackAndOn) {
  // 245 pixels beside the headers across, 77 down; columns 65 wide, rows 18 high.
  zTableLayout l(10, 10);
  layOut(l);
  EXPECT_EQ(l.pageOnColumn(), 4u);  // the partly shown fourth column comes first
  EXPECT_EQ(l.pageBackColumn(), 1u);
  EXPECT_EQ(l.pageOnRow(), 5u);
  l.setFirst(5, 6);
  l.relayout();
  EXPECT_EQ(l.visibleRange().start, zTableCellPos(5, 6));
  EXPECT_EQ(l.pageOnColumn(), 8u);
  EXPECT_EQ(l.pageBackColumn(), 2u);  // 5, 4, 3 and 2 fill the 245 pixels
  EXPECT_EQ(l.pageBackRow(), 2u);     // rows 6 to 2 fill the 77 pixels
  // A column wider than the view: paging either way moves exactly one column.
  l.columnWidths().setSize(6, 300);
  l.setFirst(6, 1);
  l.relayout();
  EXPECT_EQ(l.visibleRange().end.column, 6u);
  EXPECT_EQ(l.pageBackColumn(), 5u);
  EXPECT_EQ(l.pageOnColumn(), 7u);
}

TEST(GridLayout, ThumbPositionsOfShiftedTables) {
  struct Case {
    int32_t pos;
    uint32_t shift, first;
  };
  const Case cases[] = {{1, 0, 1}, {37, 0, 37}, {10, 1, 19}, {1, 1, 1}, {2, 2, 5}, {32766, 1, 65531}};
  for (const Case& c : cases) {
    EXPECT_EQ(zTableLayout::firstFromThumb(c.pos, c.shift), c.first) << c.pos << ">>" << c.shift;
    EXPECT_EQ(zTableLayout::thumbFromFirst(c.first, c.shift), c.pos) << c.first << ">>" << c.shift;
  }
  EXPECT_EQ(zTableLayout::firstFromThumb(0, 1), 1u);
  EXPECT_EQ(zTableLayout::thumbFromFirst(20, 1), 10);  // a line between two thumb steps
}

TEST(GridLayout, ScrollShiftForLargeTables) {
  struct Case {
    uint32_t count, fit, shift, max;
  };
  const Case cases[] = {
      {5, 10, 0, 1},        {100, 10, 0, 90},          {32767, 0, 0, 32767},
      {32768, 0, 1, 16384}, {40000, 10, 1, 19995 + 5}, {100000, 10, 2, 24997 + 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(zTableLayout::scrollShift(c.count), c.shift) << c.count;
    EXPECT_EQ(zTableLayout::scrollRangeMax(c.count, c.fit), c.max) << c.count;
  }
}

}  // namespace

namespace {

TEST(GridHeaderLabels, ModesAndLetters) {
  zTableHeaderTexts columns;
  columns.setText(0, "corner");
  columns.setText(4, "Weight");
  struct Case {
    uint32_t mode, index;
    const char* label;
  };
  const Case cases[] = {
      {zTableHeaderNumber, 7, "7"},      {zTableHeaderNumber, 4294967295u, "4294967295"},
      {zTableHeaderNone, 7, ""},         {zTableHeaderStored, 4, "Weight"},
      {zTableHeaderStored, 0, "corner"}, {zTableHeaderStored, 5, ""},
      {zTableHeaderLetters, 1, "A"},     {zTableHeaderLetters, 26, "Z"},
      {zTableHeaderLetters, 27, "BA"},   {zTableHeaderLetters, 28, "BB"},
      {zTableHeaderLetters, 52, "BZ"},   {4, 3, ""},
  };
  for (const Case& c : cases)
    EXPECT_STREQ(zTableHeaderLabel(c.mode, c.index, &columns), c.label) << c.mode << "/" << c.index;
  EXPECT_STREQ(zTableHeaderLabel(zTableHeaderStored, 4, nullptr), "");
}

}  // namespace
