#include "report/Color.h"
#include "report/FontAttributes.h"
#include "report/NumberText.h"

#include <gtest/gtest.h>

namespace PV {
namespace Report {
namespace {

struct HsvCase {
  float h, s, v;
  double r, g, b;
};

TEST(ColorTest, HsvToRgb) {
  const HsvCase cases[] = {
      {0, 0, 0, 0, 0, 0},   {0, 0, 1, 1, 1, 1},   {0, 0, 0.5f, 0.5, 0.5, 0.5}, {240, 0.62f, 1, 0.38, 0.38, 1},
      {0, 1, 1, 1, 0, 0},   {120, 1, 1, 0, 1, 0}, {360, 1, 1, 1, 0, 0},        {60, 0.5f, 1, 1, 1, 0.5},
      {300, 1, 1, 1, 0, 1},
  };
  for (const HsvCase& c : cases) {
    const Color color(COLOR_MODEL_HSV, c.h, c.s, c.v);
    EXPECT_NEAR(color.getRed(0, 1), c.r, 1e-6) << c.h << " " << c.s << " " << c.v;
    EXPECT_NEAR(color.getGreen(0, 1), c.g, 1e-6) << c.h << " " << c.s << " " << c.v;
    EXPECT_NEAR(color.getBlue(0, 1), c.b, 1e-6) << c.h << " " << c.s << " " << c.v;
  }
}

TEST(ColorTest, SetAfterUseGivesTheNewColourAndRangesScale) {
  Color color(COLOR_MODEL_HSV, 0, 1, 1);
  EXPECT_EQ(color.getRed(0, 1), 1.0);
  color.set(COLOR_MODEL_HSV, 120, 1, 1);
  EXPECT_EQ(color.getRed(0, 1), 0.0);
  EXPECT_EQ(color.getGreen(0, 1), 1.0);
  EXPECT_EQ(color.getGreen(0, 255), 255.0);
  const Color rgb(COLOR_MODEL_RGB, 0.25f, 0.5f, 0.75f);
  EXPECT_EQ(rgb.getBlue(0, 1), 0.75);
  EXPECT_EQ(rgb.getRed(10, 20), 12.5);
}

TEST(ColorDeathTest, RefusesComponentsOutsideTheModel) {
  EXPECT_DEATH(Color(COLOR_MODEL_RGB, 1.5f, 0, 0), "red >= 0.0 && red <= 1.0");
  EXPECT_DEATH(Color(COLOR_MODEL_HSV, 361, 0, 0), "hue >= 0.0 && hue <= 360.0");
  EXPECT_DEATH(Color().getRed(0, 1), "invalid colorModelUser_");
}

TEST(FontAttributesTest, DefaultsAndInstanceNumbers) {
  const FontAttributes a;
  EXPECT_EQ(a.getStyleIndex(), BOOKMAN_LIGHT);
  EXPECT_EQ(a.getEncoding(), FontEncoding("WinAnsiEncoding"));
  EXPECT_EQ(a.getMetrics().getTextPts(), 10.0f);
  const FontAttributes b(a);
  FontAttributes c;
  c = a;
  EXPECT_EQ(b.getInstanceNumber(), a.getInstanceNumber() + 1);
  EXPECT_EQ(c.getInstanceNumber(), b.getInstanceNumber() + 1);
  EXPECT_STREQ(fontStyleName(BOOKMAN_LIGHT), "Bookman-Light");
  EXPECT_STREQ(fontStyleName(SYMBOL), "Symbol");
  EXPECT_STREQ(fontStyleName(41), "ZapfDingbats");
}

TEST(FontAttributesDeathTest, MetricsCheckTheirLimits) {
  FontMetrics m;
  EXPECT_DEATH(m.setTextPts(0.0f), "textPts > 0.0");
  EXPECT_DEATH(m.setJustifyHorizPage(4), "JUSTIFY_NONE == justifyHorizPage");
}

TEST(NumberTextTest, FormatsLikeTheFixedFormats) {
  EXPECT_EQ(fixedText(100.0, 1, 5), "100.0");
  EXPECT_EQ(fixedText(45.25, 1, 5), " 45.2");  // exact binary value rounds to even digit
  EXPECT_EQ(fixedText(9.96, 1, 5), " 10.0");
  EXPECT_EQ(fixedText(100.0, 2, 6), "100.00");
  EXPECT_EQ(fixedText(2.0 / 3.0 * 100.0, 2, 6), " 66.67");
  EXPECT_EQ(fixedText(95.0, 1), "95.0");
  EXPECT_EQ(decimalText(-3), "-3");
}

}  // namespace
}  // namespace Report
}  // namespace PV
