// Geometry of static captions, value-set cells and tree rows, in both builds.
#include <gtest/gtest.h>

#include "framework/bars/zPaneCtrlArith.h"

namespace {

TEST(StaticTextPlacement, AlignmentsPlaceTheCaptionAndAlignmentThreeIsLeft) {
  struct Case {
    uint32_t alignment;
    int32_t width, text, x;
  } cases[] = {
      {0, 98, 40, 1},   {1, 98, 40, 29},    {2, 98, 40, 58}, {3, 98, 40, 1}, {1, 98, 41, 29},  // halves toward zero
      {1, 20, 40, -10},                      // wider than the control: clipped by the window
      {2, 20, 40, -20}, {0x1C3, 98, 40, 1},  // only the low two bits count
  };
  for (const Case& c : cases) EXPECT_EQ(zStaticTextX(c.alignment, c.width, c.text), c.x) << c.alignment;
}

TEST(ValueSetGeometry, CellsPitchAndHitsOnlyOnImages) {
  zValueSetGeometry g;
  g.image = zDimension(16, 16);
  g.hasStrip = true;
  EXPECT_EQ(g.pitch(), zDimension(23, 23));
  EXPECT_EQ(g.cellRect(0, 0), zRect(0, 0, 20, 20));
  EXPECT_EQ(g.cellRect(2, 1), zRect(46, 23, 66, 43));
  EXPECT_EQ(g.preferredSize(zDimension(3, 2)), zDimension(66, 43));
  const zDimension grid(3, 2);
  struct Case {
    int x, y;
    bool hit;
    int column, row;
  } cases[] = {
      {2, 2, true, 0, 0},   {18, 18, true, 0, 0}, {1, 5, false, 0, 0},  // the frame
      {19, 5, false, 0, 0}, {21, 5, false, 0, 0},                       // frame and gap
      {25, 30, true, 1, 1}, {70, 5, false, 0, 0},                       // column 3 is outside
      {5, 50, false, 0, 0}, {-3, 4, false, 0, 0},
  };
  for (const Case& c : cases) {
    zPoint cell(-1, -1);
    EXPECT_EQ(g.hitTest(zPoint(c.x, c.y), grid, &cell), c.hit) << c.x << "," << c.y;
    if (c.hit) {
      EXPECT_EQ(cell, zPoint(c.column, c.row)) << c.x << "," << c.y;
    }
  }
  g.hasStrip = false;  // cells laid out, but nothing to click on
  EXPECT_FALSE(g.hitTest(zPoint(5, 5), grid, nullptr));
}

TEST(TreeRowGeometry, ButtonsOfNestedRowsAreHitWhereTheyAreDrawn) {
  struct Case {
    const char* what;
    int32_t level;
    bool reserve, children, image;
    int32_t x;
    zTreeHit hit;
  } cases[] = {
      {"root button", 0, false, true, false, 4, zTreeHitButton},
      {"root text after the button column", 0, false, true, false, 20, zTreeHitText},
      {"level 2 button under its indent", 2, false, true, false, 2 * 12 + 3 + 5, zTreeHitButton},
      {"level 2 left of the button", 2, false, true, false, 10, zTreeHitText},
      {"level 1 image after the button", 1, false, true, true, 12 + 3 + 16 + 4, zTreeHitImage},
      {"leaf image", 1, false, false, true, 12 + 3 + 2, zTreeHitImage},
      {"reserved columns, leaf without image", 1, true, false, false, 12 + 3 + 16 + 5 + 16 + 1, zTreeHitText},
      {"reserved columns, button after the image column", 1, true, true, false, 12 + 3 + 16 + 5 + 2, zTreeHitButton},
  };
  for (const Case& c : cases) {
    zTreeRowShape s;
    s.indent = 12;
    s.level = c.level;
    s.reserveColumns = c.reserve;
    s.hasChildren = c.children;
    s.hasImage = c.image;
    s.hasStrip = true;
    s.imageWidth = 16;
    EXPECT_EQ(zTreeRowHitTest(s, c.x), c.hit) << c.what;
  }
}

TEST(TreeRowGeometry, LeadWidthCountsTheButtonColumn) {
  zTreeRowShape s;
  s.indent = 10;
  s.level = 2;
  EXPECT_EQ(zTreeRowLeadWidth(s), 23);
  s.hasChildren = true;
  EXPECT_EQ(zTreeRowLeadWidth(s), 39);
  s.hasImage = true;
  s.imageWidth = 16;
  EXPECT_EQ(zTreeRowLeadWidth(s), 60);
  s.buttons = false;
  EXPECT_EQ(zTreeRowLeadWidth(s), 44);
}

}  // namespace
