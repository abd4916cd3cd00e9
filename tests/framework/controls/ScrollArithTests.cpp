// The scrollers' decisions without windows: keys, line and page moves, ranges, origins.
#include <gtest/gtest.h>

#include "framework/core/zScrollArith.h"

namespace {

zScrollState bar(int32_t low, int32_t high, int32_t pos, int32_t prev = 0, int32_t page = 10, int32_t line = 1) {
  zScrollState s;
  s.low = low;
  s.high = high;
  s.pos = pos;
  s.prevPos = prev;
  s.pageStep = page;
  s.lineStep = line;
  return s;
}

TEST(ScrollKeys, VerticalKeysByTable) {
  struct Case {
    uint32_t key;
    bool ctrl;
    int32_t pos;
    zKeyScrollAction action;
    int32_t newPos;
    const char* what;
  };
  const Case cases[] = {
      {zKeyPageDown, false, 40, zKeyScrollVertPage, 50, "a page down"},
      {zKeyPageDown, false, 91, zKeyScrollVertBottom, 100, "high - page + 1 goes to the bottom"},
      {zKeyPageDown, false, 90, zKeyScrollVertPage, 100, "exactly one page before the end"},
      {zKeyPageDown, false, 100, zKeyScrollNone, 0, "at the high end"},
      {zKeyPageUp, false, 40, zKeyScrollVertPage, 30, "a page up"},
      {zKeyPageUp, false, 9, zKeyScrollVertTop, 0, "less than a page from the top"},
      {zKeyPageUp, false, 0, zKeyScrollNone, 0, "at the low end"},
      {zKeyEnd, true, 40, zKeyScrollVertBottom, 100, "Ctrl+End"},
      {zKeyHome, true, 40, zKeyScrollVertTop, 0, "Ctrl+Home"},
      {zKeyEnd, false, 40, zKeyScrollNone, 0, "End without Ctrl does nothing"},
      {zKeyHome, false, 40, zKeyScrollNone, 0, "Home without Ctrl does nothing"},
      {zKeyHome, true, 0, zKeyScrollNone, 0, "Ctrl+Home at the top"},
      {0x41, false, 40, zKeyScrollNone, 0, "another key"},
  };
  for (const Case& c : cases) {
    const zScrollState v = bar(0, 100, c.pos);
    const zKeyScroll k = zDecideKeyScroll(c.key, c.ctrl, &v, nullptr);
    EXPECT_EQ(k.action, c.action) << c.what;
    if (c.action != zKeyScrollNone) {
      EXPECT_EQ(k.newPos, c.newPos) << c.what;
    }
  }
}

TEST(ScrollKeys, CtrlPageKeysScrollHorizontallyWhateverTheVerticalRange) {
  const zScrollState emptyVert = bar(0, 0, 0);
  const zScrollState h = bar(0, 50, 20);
  zKeyScroll k = zDecideKeyScroll(zKeyPageDown, true, &emptyVert, &h);
  EXPECT_EQ(k.action, zKeyScrollHorzPage);
  EXPECT_EQ(k.newPos, 30);
  k = zDecideKeyScroll(zKeyPageUp, true, &emptyVert, &h);
  EXPECT_EQ(k.action, zKeyScrollHorzPage);
  EXPECT_EQ(k.newPos, 10);
  // The empty vertical range still stops the vertical keys.
  EXPECT_EQ(zDecideKeyScroll(zKeyPageDown, false, &emptyVert, &h).action, zKeyScrollNone);
  // Near the ends: left and right.
  const zScrollState nearLeft = bar(0, 50, 5);
  EXPECT_EQ(zDecideKeyScroll(zKeyPageUp, true, nullptr, &nearLeft).action, zKeyScrollHorzLeft);
  const zScrollState nearRight = bar(0, 50, 45);
  const zKeyScroll right = zDecideKeyScroll(zKeyPageDown, true, nullptr, &nearRight);
  EXPECT_EQ(right.action, zKeyScrollHorzRight);
  EXPECT_EQ(right.newPos, 50);
  // No bar, or an empty horizontal range: nothing.
  EXPECT_EQ(zDecideKeyScroll(zKeyPageDown, true, &h, nullptr).action, zKeyScrollNone);
  const zScrollState emptyHorz = bar(0, 0, 0);
  EXPECT_EQ(zDecideKeyScroll(zKeyPageDown, true, &h, &emptyHorz).action, zKeyScrollNone);
}

TEST(ScrollMoves, LineAndPageMovesByTable) {
  struct Case {
    bool page;
    int32_t pos, prev, pageStep;
    zScrollMoveKind kind;
    int32_t pixels;
    const char* what;
  };
  const Case cases[] = {
      {false, 1, 0, 10, zScrollMoveBy, -16, "line down from 0 to 1: minus one line size"},
      {false, 0, 1, 10, zScrollMoveBy, 16, "line up from 1 to 0: plus one line size"},
      {false, 15, 15, 10, zScrollMoveNone, 0, "nothing moved"},
      {false, 15, 14, 10, zScrollMoveBy, -16, "the last line down"},
      {false, 0, 0, 10, zScrollMoveNone, 0, "nothing moved at the start"},
      {true, 10, 0, 10, zScrollMoveBy, -40, "a whole page down"},
      {true, 0, 10, 10, zScrollMoveBy, 40, "a whole page up"},
      {true, 15, 8, 10, zScrollMoveToHigh, 0, "a page cut short by the end goes to the bottom"},
      {true, 0, 4, 10, zScrollMoveToLow, 0, "a page cut short by the start goes to the top"},
  };
  for (const Case& c : cases) {
    const zScrollState s = bar(0, 15, c.pos, c.prev, c.pageStep);
    const zScrollMove m = c.page ? zPageMove(s, 40) : zLineMove(s, 16);
    EXPECT_EQ(m.kind, c.kind) << c.what;
    EXPECT_EQ(m.pixels, c.pixels) << c.what;
  }
  // A line scroll that ran past the range goes to the end.
  EXPECT_EQ(zLineMove(bar(0, 15, 16, 15), 16).kind, zScrollMoveToHigh);
  EXPECT_EQ(zLineMove(bar(2, 15, 1, 3), 16).kind, zScrollMoveToLow);
}

TEST(ScrollMoves, EndsAndThumb) {
  const zScrollState s = bar(0, 15, 7, 3);
  EXPECT_EQ(zToLowPixels(s, 10), 30);
  EXPECT_EQ(zToHighPixels(s, 10), -120);
  EXPECT_EQ(zThumbPixels(s, 10), -40);
}

TEST(ScrollRanges, RangeOriginAndPageSizeWithZeroStepsGuarded) {
  EXPECT_EQ(zRangeHighFor(250, 100, 10), 15);
  EXPECT_EQ(zRangeHighFor(251, 100, 10), 16);  // a part of a line still needs a step
  EXPECT_EQ(zRangeHighFor(100, 100, 10), 0);   // contents that fit
  EXPECT_EQ(zRangeHighFor(80, 100, 10), 0);
  EXPECT_EQ(zRangeHighFor(250, 100, 0), 150);  // a line size of 0 counts as 1
  EXPECT_EQ(zOriginOfPos(7, 1, 16), 112);
  EXPECT_EQ(zOriginOfPos(7, 2, 16), 48);
  EXPECT_EQ(zOriginOfPos(7, 0, 16), 112);  // a bar line step of 0 counts as 1
  EXPECT_EQ(zOriginOfPos(7, 1, 0), 7);
  EXPECT_EQ(zDefaultPageSize(true, 10, 1, 16), 160);
  EXPECT_EQ(zDefaultPageSize(true, 10, 0, 16), 10);
  EXPECT_EQ(zDefaultPageSize(false, 10, 1, 16), 10);
  EXPECT_EQ(zScaledPos(10, 0, 20, 40), 20);
  EXPECT_EQ(zScaledPos(10, 0, 20, 4), 2);
  EXPECT_EQ(zScaledPos(10, 3, 20, 4), 3);  // clamped to the low end
  EXPECT_EQ(zScaledPos(10, 0, 0, 4), 4);   // no old range: clamped
}

}  // namespace
