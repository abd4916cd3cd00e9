#include "foundation/Geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(Geometry, PointsFromMouseParametersAreSigned) {
  const zPoint p = zPoint::fromLParam(0x0001FFFFu);
  EXPECT_EQ(p.x(), -1);
  EXPECT_EQ(p.y(), 1);
  const zPoint q = zPoint::fromLParam(0x80007FFFu);
  EXPECT_EQ(q.x(), 32767);
  EXPECT_EQ(q.y(), -32768);

  zPoint r;
  EXPECT_EQ(r, zPoint(0, 0));
  r.set(3, 4).x() += 1;
  EXPECT_EQ(r, zPoint(4, 4));
  zDimension d(5, 6);
  d.cx() = 7;
  EXPECT_EQ(d.width(), 7);
  EXPECT_EQ(d.height(), 6);
}

TEST(Geometry, RectanglesIncludeTheirRightAndBottomEdges) {
  const zRect r(0, 0, 10, 20);
  EXPECT_TRUE(r.contains(zPoint(10, 20)));
  EXPECT_TRUE(r.contains(zPoint(0, 0)));
  EXPECT_FALSE(r.contains(zPoint(11, 5)));
  EXPECT_FALSE(r.contains(zPoint(5, -1)));
  EXPECT_EQ(r.width(), 10);
  EXPECT_EQ(r.height(), 20);
  zRect s;
  s.bottomRight().set(3, 4);
  s.left() = -1;
  EXPECT_EQ(s, zRect(-1, 0, 3, 4));
#ifdef _WIN32
  RECT native = {1, 2, 3, 4};
  zRect t;
  EXPECT_EQ(t.assign(native), zRect(1, 2, 3, 4));
  const RECT back = t.toRECT();
  EXPECT_EQ(back.right, 3);
#endif
}

TEST(Geometry, ColoursAndTheirNativeValues) {
  EXPECT_EQ(zColor(5, 1, 0, zColor::paletteIndex).colorRef(), 0x01000105u);
  EXPECT_EQ(zColor(0x11, 0x22, 0x33).colorRef(), 0x00332211u);
  EXPECT_EQ(zColor(0x11, 0x22, 0x33, zColor::paletteRgb).colorRef(), 0x02332211u);
  EXPECT_EQ(zColor(0x11, 0x22, 0x33, 7).colorRef(), 0x02332211u);

  const zColor c = zColor::fromColorRef(0x00336699u);
  EXPECT_EQ(c, zColor(0x99, 0x66, 0x33, zColor::rgb));
  for (uint32_t value : {0x00336699u, 0x01000105u, 0x02AABBCCu})
    EXPECT_EQ(zColor::fromColorRef(value).colorRef(), value) << std::hex << value;
}

}  // namespace
