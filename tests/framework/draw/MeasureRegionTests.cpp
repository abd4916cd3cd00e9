#include "TestDisplays.h"
#include "framework/draw/zMeasure.h"
#include "framework/draw/zRegion.h"

#include <gtest/gtest.h>

namespace {

TEST(Measure, PrinterPointsOnDisplays) {
  MetricsDisplay printer(300);
  MetricsDisplay screen(96);
  EXPECT_EQ(zPrPoint(0, 100, &printer).y(), 42);  // (30000/72 = 416 + 5) / 10
  EXPECT_EQ(zPrPoint(0, 120, &screen).y(), 16);   // a 12-point font on a 96-dpi screen
  EXPECT_EQ(zPrPoint(0, 120, &screen).logicalY(), 120);
  // Negative lengths: the offset is added, not mirrored, then truncated toward zero.
  EXPECT_EQ(zPrPoint(-100, 0, &printer).x(), -41);  // (-416 + 5) / 10
}

TEST(Measure, UnitFormulas) {
  MetricsDisplay d(120, 1200, 300);  // 120 dpi, 1200 pixels over 300 mm
  struct Case {
    const char* name;
    int32_t got, expected;
  } cases[] = {
      {"LoMetric 255", zLoMetric(255, 0, &d).x(), 102},      // (255*1200/300 = 1020 + 5) / 10
      {"HiMetric 2549", zHiMetric(2549, 0, &d).x(), 102},    // (10196 + 50) / 100
      {"LoEnglish 150", zLoEnglish(150, 0, &d).x(), 180},    // (18000 + 50) / 100
      {"HiEnglish 1004", zHiEnglish(1004, 0, &d).x(), 120},  // (120480 + 500) / 1000
      {"Pica 1", zPica(1, 0, &d).x(), 20},                   // (120 + 3) / 6
      {"Pica -1", zPica(-1, 0, &d).x(), -19},                // (-120 + 3) / 6
      {"LoMetric down", zLoMetric(0, 100, &d).y(), 40},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.expected) << c.name;

  MetricsDisplay noSize(96);
  EXPECT_EQ(zLoMetric(100, 0, &noSize).x(), 0) << "a display without a size in millimetres";
}

TEST(Measure, RecomputeAndDeviceValues) {
  MetricsDisplay printer(300), screen(96);
  zPrPoint p(720, 720, &printer);
  EXPECT_EQ(p.x(), 300);
  p.recompute(&screen);
  EXPECT_EQ(p.x(), 96);
  EXPECT_EQ(p.y(), 96);
  p.setDeviceX(7);
  EXPECT_EQ(p.x(), 7);
  EXPECT_EQ(p.logicalX(), 720);
  zPrPoint none;
  EXPECT_EQ(none.x(), 0);
  // Without a display the screen's own values are used.
  const int dpi = ziDeviceMetrics::screen().pixelsPerInchY;
  EXPECT_GT(dpi, 0);
  EXPECT_EQ(zPrPoint(0, 720).y(), (720 * dpi / 72 + 5) / 10);
}

TEST(Region, Operations) {
  zRectRegion a(0, 0, 10, 10);
  zRectRegion b(5, 5, 15, 15);
  EXPECT_TRUE(a.contains(zPoint(2, 2)));
  EXPECT_FALSE(a.contains(zPoint(12, 12)));

  zRectRegion u(0, 0, 10, 10);
  u |= b;
  EXPECT_TRUE(u.contains(zPoint(12, 12)));
  zRect box;
  u.boundingBox(box);
  EXPECT_EQ(box, zRect(0, 0, 15, 15));

  zRectRegion i(0, 0, 10, 10);
  i &= b;
  i.boundingBox(box);
  EXPECT_EQ(box, zRect(5, 5, 10, 10));
  EXPECT_TRUE(i == zRectRegion(zRect(5, 5, 10, 10)));

  zRectRegion d(0, 0, 10, 10);
  d -= b;
  EXPECT_FALSE(d.contains(zPoint(7, 7)));
  EXPECT_TRUE(d.contains(zPoint(2, 7)));

  zRectRegion m(0, 0, 10, 10);
  m += zPoint(100, 50);
  m.boundingBox(box);
  EXPECT_EQ(box, zRect(100, 50, 110, 60));
  m -= zPoint(100, 50);
  EXPECT_TRUE(m == a);
  EXPECT_TRUE(a.contains(zRect(1, 1, 3, 3)));
}

TEST(Region, XorWithItselfIsEmpty) {
  zEllipticRegion e(0, 0, 20, 10);
  e ^= e;
  zRect box(1, 1, 1, 1);
  e.boundingBox(box);
  EXPECT_EQ(box, zRect(0, 0, 0, 0));
  EXPECT_TRUE(e == zRegion());
}

TEST(Region, Shapes) {
  const POINT triangle[3] = {{0, 0}, {20, 0}, {0, 20}};
  zPolygonRegion poly(triangle, 3, ALTERNATE);
  EXPECT_TRUE(poly.contains(zPoint(2, 2)));
  EXPECT_FALSE(poly.contains(zPoint(18, 18)));
  zRoundRectRegion round(zRect(0, 0, 20, 20), zDimension(10, 10));
  EXPECT_TRUE(round.contains(zPoint(10, 10)));
  EXPECT_FALSE(round.contains(zPoint(0, 0)));
  zRegion adopted(CreateRectRgn(0, 0, 4, 4));
  EXPECT_TRUE(adopted.contains(zPoint(1, 1)));
}

}  // namespace
