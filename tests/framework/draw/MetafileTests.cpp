#include "TestDisplays.h"
#include "framework/draw/zMetafileDisplay.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Records a red square over the top-left quarter of a 100 x 100 frame.
void recordQuarter(zMetafileDisplay& m) {
  m.lock();
  m.pushBrush(new zBrush(zColor(255, 0, 0)));
  m.pushPen(new zPen(zColor(255, 0, 0), PS_SOLID, 1));
  m.rectangle(0, 0, 50, 50);
  m.unlock();
}

// Back to plain pixel coordinates on the target.
void resetMapping(zDisplay& d) {
  d.mapMode(MM_TEXT);
  d.setOrigin(0, 0);
  d.viewportOrigin(0, 0);
}

TEST(MetafileDisplay, BoundsGiveTheRecordingFrame) {
  ziInfoDisplay screen;
  zMetafileDisplay m(&screen);
  EXPECT_EQ(m.kind(), 4);
  EXPECT_EQ(m.pixelsPerInchX(), screen.pixelsPerInchX());
  zRect r;
  m.size(r);
  EXPECT_EQ(r, zRect(0, 0, 0, 0)) << "the information display has no size of its own";
  m.setBounds(zRect(0, 0, 100, 100));
  m.size(r);
  EXPECT_EQ(r, zRect(0, 0, 100, 100));
  m.updateRect(r);
  EXPECT_EQ(r, zRect(0, 0, 100, 100));
  EXPECT_EQ(m.metafile(), nullptr);
  recordQuarter(m);
  ASSERT_NE(m.metafile(), nullptr);

  METAFILEPICT pict;
  m.fillMetafilePict(pict);
  EXPECT_EQ(pict.mm, MM_ANISOTROPIC);
  EXPECT_EQ(pict.xExt, 100);
  EXPECT_EQ(pict.yExt, 100);
  EXPECT_EQ(pict.hMF, m.metafile());

  // Without a reference the frame is the display's own resolution (0 here).
  zMetafileDisplay alone(nullptr);
  alone.size(r);
  EXPECT_EQ(r, zRect(0, 0, 0, 0));
}

TEST(MetafileDisplay, PlaysIntoARectangleOfABitmapDisplay) {
  zMetafileDisplay m(nullptr);
  m.setBounds(zRect(0, 0, 100, 100));
  recordQuarter(m);
  recordQuarter(m);  // a second recording replaces the first
  // The target is in MM_TEXT; playing scales the 100 x 100 frame into 10 x 10.
  std::unique_ptr<zBitmapDisplay> target(newCanvas(30, 30));
  m.play(*target, 10, 10, 10, 10);
  resetMapping(*target);
  EXPECT_EQ(rgb(target->getPixel(12, 12)), RGB(255, 0, 0));
  EXPECT_EQ(rgb(target->getPixel(17, 17)), RGB(255, 255, 255));
  EXPECT_EQ(rgb(target->getPixel(5, 5)), RGB(255, 255, 255));
}

TEST(MetafileDisplay, MeasuresOnItsReference) {
  ziInfoDisplay screen;
  zMetafileDisplay m(&screen);
  screen.lock();
  const zDimension expected = screen.textExtent("Measure me");
  screen.unlock();
  EXPECT_GT(expected.width(), 0);
  EXPECT_EQ(m.textExtent("Measure me"), expected);
  EXPECT_FALSE(screen.isLocked());
}

}  // namespace
