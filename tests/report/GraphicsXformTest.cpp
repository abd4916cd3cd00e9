#include "report/GraphicsXform.h"

#include <gtest/gtest.h>

namespace PV {
namespace Report {
namespace {

TNT::Vector<double> point(double x, double y) {
  TNT::Vector<double> v(3);
  v[0] = x;
  v[1] = y;
  v[2] = 1.0;
  return v;
}

TEST(GraphicsXformTest, DefaultWindowsMapTheBody) {
  const GraphicsXform xform;
  const TNT::Vector<double> a = xform.toDevice(point(0, 0));
  EXPECT_DOUBLE_EQ(a[0], 72.0);
  EXPECT_DOUBLE_EQ(a[1], 72.0);
  const TNT::Vector<double> b = xform.toDevice(point(468, 648));
  EXPECT_DOUBLE_EQ(b[0], 540.0);
  EXPECT_DOUBLE_EQ(b[1], 720.0);
}

TEST(GraphicsXformTest, NegativeWorldMinimumMapsOntoTheDeviceMinimum) {
  const GraphicsXform xform(100, 300, 50, 250, -20, 80, -10, 90, 0, 0);
  const TNT::Vector<double> lo = xform.toDevice(point(-20, -10));
  EXPECT_NEAR(lo[0], 100.0, 1e-9);
  EXPECT_NEAR(lo[1], 50.0, 1e-9);
  const TNT::Vector<double> origin = xform.toDevice(point(0, 0));
  EXPECT_NEAR(origin[0], 140.0, 1e-9);
  EXPECT_NEAR(origin[1], 70.0, 1e-9);
}

TEST(GraphicsXformTest, PushInverseMapsDeviceBackToWorldAndPops) {
  GraphicsXform xform;
  EXPECT_FALSE(xform.pop());
  ASSERT_TRUE(xform.push(GraphicsXform::PUSH_INVERSE));
  EXPECT_FALSE(xform.push(GraphicsXform::PUSH_COPY));
  const TNT::Vector<double> w = xform.toDeviceInverse(point(306, 396));
  EXPECT_NEAR(w[0], 234.0, 1e-9);
  EXPECT_NEAR(w[1], 324.0, 1e-9);
  EXPECT_TRUE(xform.pop());
  EXPECT_TRUE(xform.isNormalState());
  EXPECT_NEAR(xform.toDevice(point(234, 324))[0], 306.0, 1e-9);
}

TEST(GraphicsXformTest, InverseOfAQuarterTurnNeedsAnExchangeOfRows) {
  GraphicsXform xform;
  TNT::Matrix<double> r(3, 3, 0.0);
  r[0][1] = -1.0;
  r[1][0] = 1.0;
  r[2][2] = 1.0;
  const TNT::Matrix<double> inv = GraphicsXform::inverse(r);
  const TNT::Matrix<double> product = r * inv;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(product[i][j], i == j ? 1.0 : 0.0, 1e-12);
  }
}

TEST(GraphicsXformDeathTest, RefusesPointsOutsideTheWorldWindow) {
  const GraphicsXform xform;
  EXPECT_DEATH(xform.toDevice(point(1000, 0)), "vectorNDC\\[i\\] >= -IDENTITY");
  EXPECT_DEATH(GraphicsXform(10, 10, 0, 1, 0, 1, 0, 1, 0, 0), "xMinDevice < xMaxDevice");
  EXPECT_DEATH(xform.toDeviceInverse(point(0, 0)), "! ?xformWCtoDC");
}

}  // namespace
}  // namespace Report
}  // namespace PV
