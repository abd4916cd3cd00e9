// Cells drawn onto a bitmap display under Wine: attributes applied and restored, the fill,
// the selection inversion, the current-cell frame and the clipping of right-aligned text.
#include <gtest/gtest.h>

#include <memory>

#include "../draw/TestDisplays.h"
#include "framework/grid/zTableDrawAttr.h"
#include "framework/grid/zTableModel.h"

namespace {

const uint32_t kWhite = 0xFFFFFF, kBlack = 0, kRed = 0x0000FF, kCyan = 0xFFFF00;

struct DrawFixture : ::testing::Test {
  void SetUp() override {
    zTableInstallCellPainter();
    canvas.reset(newCanvas(200, 100));
  }
  uint32_t at(int x, int y) { return GetPixel(canvas->hdc(), x, y); }
  void draw(zTableCell* cell, const zRect& r, ziTableEnv& env) {
    env.collect(cell->position());
    cell->draw(r, canvas.get(), &env);
  }
  std::unique_ptr<zBitmapDisplay> canvas;
  zTableSmallModel model{3, 3};
};

TEST_F(DrawFixture, CurrentCellGetsABlackFrameInside) {
  auto* cell = new zTableTextCell(&model, "", {1, 1});
  ziTableEnv env(&model);
  env.current = 1;
  zRect r(10, 10, 60, 30);
  draw(cell, r, env);
  EXPECT_EQ(at(10, 20), kBlack);  // the fill's outline, black for the current cell
  EXPECT_EQ(at(11, 20), kBlack);  // the frame
  EXPECT_EQ(at(58, 20), kBlack);
  EXPECT_EQ(at(30, 11), kBlack);
  EXPECT_EQ(at(30, 28), kBlack);
  EXPECT_EQ(at(30, 20), kWhite);
  EXPECT_EQ(at(12, 20), kWhite);
}

TEST_F(DrawFixture, BackColourFillsAndSelectionInverts) {
  model.addAttribute(new zTableBackColorAttr(zColor(255, 0, 0), zTableCellRange(1, 1, 1, 1)));
  auto* cell = new zTableTextCell(&model, "", {1, 1});
  auto* plain = new zTableTextCell(&model, "", {2, 1});
  ziTableEnv env(&model);
  zBrush* before = canvas->currentBrush();
  draw(cell, zRect(10, 10, 60, 30), env);
  EXPECT_EQ(at(30, 20), kRed);
  EXPECT_EQ(canvas->currentBrush(), before);  // restored
  env.selected = 1;
  draw(cell, zRect(70, 10, 120, 30), env);
  EXPECT_EQ(at(90, 20), kCyan);
  draw(plain, zRect(130, 10, 180, 30), env);
  EXPECT_EQ(at(150, 20), kBlack);  // white inverted
}

TEST_F(DrawFixture, TextColourAppliesOnlyWhenItDiffers) {
  zTableTextColorAttr same(zColor(0, 0, 0), zTableCellRange(1, 1, 1, 1));
  canvas->textColor(zColor(0, 0, 0));
  same.apply(canvas.get());
  same.restore(canvas.get());
  EXPECT_EQ(canvas->currentTextColor(), zColor(0, 0, 0));

  zTableTextColorAttr red(zColor(255, 0, 0), zTableCellRange(1, 1, 1, 1));
  red.apply(canvas.get());
  EXPECT_EQ(canvas->currentTextColor(), zColor(255, 0, 0));
  red.restore(canvas.get());
  EXPECT_EQ(canvas->currentTextColor(), zColor(0, 0, 0));

  // Drawn through a cell: the text is red and the display's colour is back afterwards.
  model.addAttribute(new zTableTextColorAttr(zColor(255, 0, 0), zTableCellRange(1, 1, 1, 1)));
  auto* cell = new zTableTextCell(&model, "WWWW", {1, 1});
  ziTableEnv env(&model);
  draw(cell, zRect(10, 10, 110, 40), env);
  int red_pixels = 0;
  for (int x = 10; x < 110; ++x)
    for (int y = 10; y < 40; ++y) red_pixels += at(x, y) == kRed;
  EXPECT_GT(red_pixels, 0);
  EXPECT_EQ(canvas->currentTextColor(), zColor(0, 0, 0));
}

TEST_F(DrawFixture, RightAlignedLongTextIsClippedAtTheMargin) {
  model.addAttribute(new zTableTextAlignmentAttr(zTableAlignRight, zTableCellRange(1, 1, 1, 1)));
  auto* cell = new zTableTextCell(&model, "WWWWWWWWWWWWWWWWWWWW", {1, 1});
  ziTableEnv env(&model);
  zRect r(50, 10, 90, 40);
  draw(cell, r, env);
  int inked_inside = 0, inked_left = 0;
  for (int y = 14; y < 38; ++y) {
    for (int x = 0; x < 53; ++x) inked_left += at(x, y) != kWhite;
    for (int x = 53; x < 88; ++x) inked_inside += at(x, y) != kWhite;
  }
  EXPECT_EQ(inked_left, 24);  // only the cell's own left edge (x = 50) on those rows
  EXPECT_GT(inked_inside, 0);
  // The clip is gone: a later drawing left of the cell is not cut off.
  canvas->textOut(0, 50, "W", 1);
  int later = 0;
  for (int x = 0; x < 20; ++x)
    for (int y = 50; y < 70; ++y) later += at(x, y) != kWhite;
  EXPECT_GT(later, 0);
}

// A left-aligned or centred text wider than its cell is cut at the cell's right edge: in
// the last column nothing would paint over what it spills.
TEST_F(DrawFixture, LongTextStaysInsideItsCell) {
  for (const uint32_t align : {uint32_t(zTableAlignLeft), uint32_t(zTableAlignCentre)}) {
    zTableSmallModel m(1, 1);
    m.addAttribute(new zTableTextAlignmentAttr(align, zTableCellRange(1, 1, 1, 1)));
    auto* cell = new zTableTextCell(&m, "WWWWWWWWWWWWWWWWWWWW", {1, 1});
    canvas.reset(newCanvas(300, 100));
    ziTableEnv env(&m);
    env.collect({1, 1});
    const zRect r(50, 10, 90, 40);
    cell->draw(r, canvas.get(), &env);
    int inked_right = 0, inked_inside = 0;
    for (int y = 14; y < 38; ++y) {
      for (int x = 53; x < 88; ++x) inked_inside += at(x, y) != kWhite;
      for (int x = 90; x < 300; ++x) inked_right += at(x, y) != kWhite;
    }
    EXPECT_GT(inked_inside, 0) << align;
    EXPECT_EQ(inked_right, 0) << align;
  }
}

TEST_F(DrawFixture, CentredAndRightAlignedPlacement) {
  struct Case {
    uint32_t align;
    int minX, maxX;  // where the ink of a short text may start
  };
  const Case cases[] = {{zTableAlignLeft, 10 + 3, 10 + 6},
                        {3, 10 + 3, 10 + 6},  // an unknown value draws as left
                        {zTableAlignRight, 60, 107}};
  for (const Case& c : cases) {
    zTableSmallModel m(1, 1);
    m.addAttribute(new zTableTextAlignmentAttr(c.align, zTableCellRange(1, 1, 1, 1)));
    auto* cell = new zTableTextCell(&m, "I", {1, 1});
    canvas.reset(newCanvas(200, 100));
    ziTableEnv env(&m);
    env.collect({1, 1});
    cell->draw(zRect(10, 10, 110, 40), canvas.get(), &env);
    int first = -1;
    for (int x = 11; x < 109 && first < 0; ++x)
      for (int y = 12; y < 38; ++y)
        if (at(x, y) != kWhite) {
          first = x;
          break;
        }
    EXPECT_GE(first, c.minX) << c.align;
    EXPECT_LE(first, c.maxX) << c.align;
  }
}

}  // namespace
