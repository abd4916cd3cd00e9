// The solution window's arithmetic, in both builds: the palette against the colours the
// chart must show, the value axis's step, the colour groups of equal ranks (with more
// groups than colours), where the cells and bars lie, the split bar's limits and the
// rank text.
#include "app/windows/solution/ChartArith.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace PV::GUI::ChartArith;

TEST(ChartPalette, TenColoursFromHueSaturationAndLightness) {
  const Rgb expected[kPaletteSize] = {
      {255, 0, 0},   {0, 101, 255},   {50, 255, 0},    {203, 0, 255},   {231, 255, 63},
      {0, 254, 255}, {229, 127, 255}, {229, 255, 127}, {127, 255, 191}, {254, 127, 85},
  };
  for (int32_t i = 0; i < kPaletteSize; ++i) {
    const Rgb c = paletteColour(i);
    EXPECT_EQ(c, expected[i]) << "entry " << i << ": " << int(c.red) << "," << int(c.green) << "," << int(c.blue);
  }
  // No saturation: grey of the lightness.
  EXPECT_EQ(hlsToRgb(80, 0, 120), (Rgb{127, 127, 127}));
  EXPECT_EQ(hlsToRgb(0, 0, 240), (Rgb{255, 255, 255}));
}

// More distinct ranks than colours: the groups go on counting and the palette starts
// again, so that every bar has a colour.
TEST(ChartPalette, GroupsBeyondTheTenthStartThePaletteAgain) {
  const struct { int32_t group, index; } cases[] = {{0, 0}, {9, 9}, {10, 0}, {11, 1}, {23, 3}, {-1, 9}};
  for (const auto& c : cases) EXPECT_EQ(paletteIndex(c.group), c.index) << c.group;
  std::vector<float> twelve;
  for (int i = 0; i < 12; ++i) twelve.push_back(100.0f - 5.0f * static_cast<float>(i));
  const std::vector<int32_t> groups = colourGroups(twelve);
  EXPECT_EQ(groups.back(), 11);
  EXPECT_EQ(paletteColour(groups.back()), paletteColour(1));
}

TEST(ChartGroups, EqualNeighboursShareAGroupAndATopBelow100StartsAtOne) {
  const struct {
    std::vector<float> values;
    std::vector<int32_t> groups;
  } cases[] = {
      {{100.0f, 100.0f, 80.0f}, {0, 0, 1}}, {{90.0f, 80.0f, 80.0f, 10.0f}, {1, 2, 2, 3}}, {{100.0f}, {0}},
      {{50.0f, 50.0f, 50.0f}, {1, 1, 1}},   {{100.0f, 80.0f, 100.0f}, {0, 1, 2}},         {{}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(colourGroups(c.values), c.groups);
}

TEST(ChartAxis, StepIsTheFirstTableEntryNotBelowASixthOfTheMaximum) {
  const struct {
    int32_t max, step;
  } cases[] = {{100, 20}, {7, 2},   {0, 1},    {6, 1},    {12, 2},       {13, 5},       {30, 5},
               {31, 10},  {61, 20}, {120, 20}, {121, 50}, {30000, 5000}, {30001, 5000}, {99999, 5000}};
  for (const auto& c : cases) EXPECT_EQ(axisStep(c.max), c.step) << c.max;
}

TEST(ChartLayout, CellsFillTheClientAreaAndNeverShrinkBelowTheTextNeeds) {
  // Client larger than the needs: the cells share it.
  ChartGeometry g = chartGeometry(4, 7, 8, 16, 600, 400);
  EXPECT_EQ(g.width, 600);
  EXPECT_EQ(g.height, 400);
  EXPECT_EQ(g.cellWidth, (600 - 80) / 4);
  EXPECT_EQ(g.cellHeight, (400 - 48) / 7);
  EXPECT_EQ(g.originX, 60);
  EXPECT_EQ(g.originY, g.cellHeight * 7 + 24);
  // A tiny client: the drawing keeps the size its labels need.
  g = chartGeometry(11, 7, 8, 16, 50, 20);
  EXPECT_EQ(g.width, (5 * 11 + 10) * 8);
  EXPECT_EQ(g.height, 10 * 16);
  EXPECT_EQ(g.cellWidth, 5 * 8);
  EXPECT_EQ(g.cellHeight, 16);

  // Bars: two thirds of a cell wide, a sixth in from the slot, as high as the value's
  // share of the step.
  g = chartGeometry(4, 7, 8, 16, 600, 400);
  const BarFace full = barFace(g, 0, 100, 20);
  EXPECT_EQ(full.bottom, g.originY);
  EXPECT_EQ(full.top, g.originY - 5 * g.cellHeight);
  EXPECT_EQ(full.left, g.originX + g.cellWidth / 6);
  EXPECT_EQ(full.right, full.left + 2 * g.cellWidth / 3 + 1);
  const BarFace third = barFace(g, 2, 80, 20);
  EXPECT_EQ(third.left, full.left + 2 * g.cellWidth);
  EXPECT_EQ(third.top, g.originY - (g.cellHeight * 80) / 20);
  EXPECT_EQ(barFace(g, 1, 0, 20).top, g.originY);
}

TEST(SplitBar, StaysInsideTheExtent) {
  const struct {
    int32_t split, extent;
    bool stacked;
    int32_t result;
  } cases[] = {
      {100, 400, false, 100},  // room enough
      {398, 400, false, 395},  // stops 5 before the far edge
      {3, 4, false, 0},        // smaller than the bar: at the near edge
      {-20, 400, false, 0},    // dragged beyond the near edge
      {3, 4, true, 128},       // a stacked bar that ends at 0 comes back at 128
      {200, 300, true, 200},  {300, 300, true, 295},
  };
  for (const auto& c : cases)
    EXPECT_EQ(clampSplit(c.split, c.extent, c.stacked), c.result) << c.split << " " << c.extent;
}

TEST(RankText, OneDecimalAndATrailingBlank) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{100.0, "100.0 "}, {0.0, "0.0 "},  {66.666666, "66.7 "},
               {99.96, "100.0 "}, {7.25, "7.2 "}, {12.0, "12.0 "}};
  for (const auto& c : cases) EXPECT_EQ(rankText(c.value), c.text) << c.value;
}

}  // namespace
