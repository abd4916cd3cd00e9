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
