// Tilers, the slot layout and the expand layout, without windows.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "FakeWindow.h"
#include "framework/layout/zExpandSizer.h"
#include "framework/layout/zGravSizer.h"
#include "framework/layout/zTiler.h"

namespace {

// A child that reports fixed minimum and preferred sizes.
zFillerSizer* tile(zSizer* parent, zDimension min, zDimension pref) {
  zFillerSizer* f = new zFillerSizer(parent);
  zSizeInfo info;
  info.minSize = min;
  info.prefSize = info.maxSize = pref;
  info.gravity = gravLeft;
  f->setStored(info);
  return f;
}

// ---------------------------------------------------------------- tilers

struct TileCase {
  const char* what;
  int32_t orientation;
  int32_t room;
  std::vector<zRect> expected;
};

TEST(Tiler, ShrinksTowardMinimumWithoutWrapping) {
  const TileCase cases[] = {
      {"room for the preferred widths",
       zTiler::leftToRight,
       400,
       {zRect(0, 0, 100, 20), zRect(100, 0, 200, 20), zRect(200, 0, 300, 20)}},
      {"f = (240 - 150) / 150 = 0.6: each 80 wide",
       zTiler::leftToRight,
       240,
       {zRect(0, 0, 80, 20), zRect(80, 0, 160, 20), zRect(160, 0, 240, 20)}},
      {"too narrow even for the minimum: each at its minimum, overflowing",
       zTiler::leftToRight,
       120,
       {zRect(0, 0, 50, 10), zRect(50, 0, 100, 10), zRect(100, 0, 150, 10)}},
      {"a column is placed the same way down",
       zTiler::topToBottom,
       400,
       {zRect(0, 0, 100, 20), zRect(0, 20, 100, 40), zRect(0, 40, 100, 60)}},
  };
  for (const TileCase& c : cases) {
    SCOPED_TRACE(c.what);
    zSizer row(nullptr);
    std::vector<std::unique_ptr<zSizer>> kids;
    for (int i = 0; i < 3; ++i) kids.emplace_back(tile(&row, zDimension(50, 10), zDimension(100, 20)));
    zTiler tiler(c.orientation);
    zRect area = c.orientation == zTiler::leftToRight ? zRect(0, 0, c.room, 30) : zRect(0, 0, 30, c.room);
    const zRect before = area;
    tiler.arrange(area, row.children(), 3);
    EXPECT_EQ(area, before);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(kids[i]->rect(), c.expected[i]) << i;
  }
}

TEST(Tiler, FlatChildGetsTheTallestHeightAndMeasureSums) {
  zSizer row(nullptr);
  std::unique_ptr<zSizer> a(tile(&row, zDimension(10, 5), zDimension(30, 0)));
  std::unique_ptr<zSizer> b(tile(&row, zDimension(10, 7), zDimension(30, 25)));
  zLRtiler tiler;
  zRect area(0, 0, 100, 100);
  tiler.arrange(area, row.children(), 2);
  EXPECT_EQ(a->rect(), zRect(0, 0, 30, 25));
  zSizeInfo info;
  tiler.measure(info, row.children(), 2);
  EXPECT_EQ(info.prefSize, zDimension(60, 25));
  EXPECT_EQ(info.minSize, zDimension(20, 7));
  zTBtiler column;
  column.measure(info, row.children(), 2);
  EXPECT_EQ(info.prefSize, zDimension(30, 25));
}

// ---------------------------------------------------------------- slot layout

TEST(SlotLayout, RowWithAGapSlotAndAFillingSlot) {
  zSizer bar(nullptr);
  zSlotLayout slots;
  slots.setMargin(zDimension(4, 1));
  slots.setGap(zDimension(8, 8));
  zSlotSizer first(1, 20, 10, &bar);
  zSlotSizer third(3, 0, 0, &bar);  // fills to the right limit, full inner height
  zRect area(0, 0, 200, 30);
  slots.arrange(area, bar.children(), 2);
  EXPECT_EQ(first.rect(), zRect(4, 10, 24, 20));  // centred: (29 - 11) / 2 = 9 down
  EXPECT_EQ(third.rect(), zRect(32, 1, 196, 29));
  EXPECT_EQ(area, zRect(0, 0, 20 + 8 + 164, 0));
}

TEST(SlotLayout, ColumnCentresAcrossAndReturnsItsHeight) {
  zSizer bar(nullptr);
  zSlotLayout slots;
  slots.setOrientation(0);
  slots.setGap(zDimension(3, 6));
  zSlotSizer one(1, 20, 10, &bar);
  zSlotSizer two(2, &bar);  // size -1: the gap
  zRect area(0, 0, 100, 300);
  slots.arrange(area, bar.children(), 2);
  EXPECT_EQ(one.rect(), zRect(40, 0, 60, 10));
  EXPECT_EQ(two.rect(), zRect(48, 10, 51, 16));
  EXPECT_EQ(area, zRect(0, 0, 0, 16));
}

TEST(SlotLayout, ComboSlotKeepsItsTopAndFreeChildrenSitAtTheirOrigin) {
  zSizer bar(nullptr);
  zSlotLayout slots;
  zSlotSizerForComboBox combo(1, zPoint(0, 3), 60, 12, &bar);
  zSizer free(zPoint(150, 2), zDimension(sizerUnset, 5), &bar);
  zRect area(0, 0, 200, 40);
  slots.arrange(area, bar.children(), 2);
  EXPECT_EQ(combo.rect(), zRect(0, 3, 60, 12));
  EXPECT_EQ(free.rect(), zRect(150, 2, 200, 7));
  EXPECT_EQ(combo.asKind(zKindSlot), &combo);
  EXPECT_EQ(combo.asKind(zKindSlotCombo), &combo);
}

TEST(SlotLayout, SlotsThatNeverComeUpGetAnEmptyRectangle) {
  zSizer bar(nullptr);
  zSlotLayout slots;
  slots.setMargin(zDimension(2, 2));
  zSlotSizer zero(0, 10, 10, &bar);
  zSlotSizer negative(-3, 10, 10, &bar);
  zSlotSizer one(1, 10, 10, &bar);
  zSlotSizer again(1, 10, 10, &bar);
  zRect area(0, 0, 100, 14);
  slots.arrange(area, bar.children(), 4);
  EXPECT_EQ(one.rect(), zRect(2, 2, 12, 12));
  for (zSlotSizer* s : {&zero, &negative, &again}) EXPECT_EQ(s->rect(), zRect(2, 2, 2, 2));
}

TEST(SlotLayout, MeasureCountsOnlyFreeChildren) {
  zSizer bar(nullptr);
  zSlotLayout slots;
  zSlotSizer slot(1, 500, 500, &bar);
  zSizer free(zPoint(10, 5), zDimension(40, 20), &bar);
  zSizeInfo info;
  slots.measure(info, bar.children(), 2);
  EXPECT_EQ(info.prefSize, zDimension(50, 25));
}

// ---------------------------------------------------------------- expand layout

struct ExpandCase {
  const char* what;
  uint32_t flags;
  zRect start;  // in a parent 200 x 100
  zDimension grown;
  zRect expected;
};

TEST(ExpandLayout, RescalesExactlyTheFlaggedParts) {
  const ExpandCase cases[] = {
      {"width only", expandWidth, zRect(10, 5, 110, 25), zDimension(300, 100), zRect(10, 5, 210, 25)},
      {"both margins: x share 0.1", expandLeft | expandRight, zRect(10, 5, 110, 25), zDimension(300, 100),
       zRect(20, 5, 120, 25)},
      {"no flag keeps the rectangle", 0, zRect(10, 5, 110, 25), zDimension(300, 200), zRect(10, 5, 110, 25)},
      {"height and bottom margin", expandHeight | expandBottom, zRect(0, 10, 50, 40), zDimension(200, 190),
       zRect(0, 10, 50, 70)},
      {"a width stretched below 1 stays 1 wide", expandWidth, zRect(10, 0, 20, 10), zDimension(5, 100),
       zRect(10, 0, 11, 10)},
  };
  for (const ExpandCase& c : cases) {
    SCOPED_TRACE(c.what);
    zSizer parent(nullptr);
    zExpandSizer child(c.start, c.flags, &parent);
    zExpandLayout layout(zDimension(200, 100));
    zRect area(0, 0, c.grown.width(), c.grown.height());
    layout.arrange(area, parent.children(), 1);
    EXPECT_EQ(child.rect(), c.expected);
    EXPECT_EQ(layout.reference(), c.grown);
  }
}

TEST(ExpandLayout, SharesComeFromTheFirstGeometryAndRepeatOnEveryResize) {
  zSizer parent(nullptr);
  zExpandSizer child(10, 5, 100, 20, expandWidth, &parent);
  zExpandLayout layout(zDimension(200, 100));
  zRect area(0, 0, 300, 100);
  layout.arrange(area, parent.children(), 1);
  EXPECT_EQ(child.fixedWidth(), 100);
  EXPECT_FLOAT_EQ(child.widthShare(), 1.0f);
  area = zRect(0, 0, 200, 100);
  layout.arrange(area, parent.children(), 1);
  EXPECT_EQ(child.rect(), zRect(10, 5, 110, 25));
}

TEST(ExpandLayout, ComboBoxHeightNeverStretches) {
  FakeWindow combo;
  combo.combo_ = true;
  zSizer parent(nullptr);
  zExpandSizer child(0, 0, 50, 20, expandHeight, &parent);
  child.setWindow(&combo);
  zExpandLayout layout(zDimension(100, 100));
  zRect area(0, 0, 100, 200);
  layout.arrange(area, parent.children(), 1);
  EXPECT_EQ(child.rect(), zRect(0, 0, 50, 20));
}

TEST(ExpandLayout, OtherChildrenDockAtTopOrBottomAndReferenceIsLearnt) {
  zSizer parent(nullptr);
  zGravSizer top(gravTop, 0, 15, &parent);
  zGravSizer bottom(gravBottom, 0, 12, &parent);
  zExpandLayout layout(nullptr);
  zRect area(0, 0, 150, 80);
  layout.arrange(area, parent.children(), 2);
  EXPECT_EQ(top.rect(), zRect(0, 0, 150, 15));
  EXPECT_EQ(bottom.rect(), zRect(0, 68, 150, 80));
  EXPECT_EQ(layout.reference(), zDimension(150, 80));
}

TEST(ExpandLayout, MeasureGivesTheLeastSizeThatKeepsEveryPart) {
  zSizer parent(nullptr);
  zExpandSizer child(10, 20, 100, 30, expandLeft | expandWidth | expandRight | expandHeight, &parent);
  zExpandLayout layout(zDimension(200, 100));
  zSizeInfo info;
  layout.measure(info, parent.children(), 1);
  // Horizontal: the smallest flagged part is x = 10, three parts: 200 - 30.
  EXPECT_EQ(info.minSize, zDimension(170, 70));
  EXPECT_EQ(info.prefSize, zDimension(200, 100));
}

}  // namespace
