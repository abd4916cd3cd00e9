#include "TestDisplays.h"
#include "framework/draw/zAspect.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(Aspect, InterningReturnsTheFirstEqualAspect) {
  auto* first = new ziPenAspect(zColor(1, 2, 3), 2);
  auto* same = new ziPenAspect(zColor(1, 2, 3), 2);
  auto* wider = new ziPenAspect(zColor(1, 2, 3), 3);
  EXPECT_EQ(first->intern(), first);
  EXPECT_EQ(first->intern(), first);  // once only in the list
  EXPECT_EQ(same->intern(), first);
  delete same;
  EXPECT_EQ(wider->intern(), wider);

  auto* brush = new ziBrushAspect(zColor(9, 9, 9));
  ziBrushAspect other(zColor(9, 9, 9));
  EXPECT_EQ(brush->intern(), brush);
  EXPECT_EQ(other.intern(), brush);

  zRCFont font("Arial", zDimension(0, 12));
  auto* fontAspect = new ziFontAspect(font);
  ziFontAspect sameFont(font);
  ziFontAspect otherFont(zRCFont("Arial", zDimension(0, 12)));
  EXPECT_EQ(fontAspect->intern(), fontAspect);
  EXPECT_EQ(sameFont.intern(), fontAspect);
  EXPECT_EQ(otherFont.intern(), &otherFont);
  ziFontAspect::list().remove(&otherFont);

  ziTextBackcolorAspect back(zColor(1, 1, 1));
  EXPECT_EQ(back.intern(), &back);
}

TEST(Aspect, ApplyingDrawsWithTheCachedObjects) {
  std::unique_ptr<zBitmapDisplay> d(newCanvas(20, 20));
  auto* pen = static_cast<ziPenAspect*>((new ziPenAspect(zColor(255, 0, 0), 1))->intern());
  auto* brush = static_cast<ziBrushAspect*>((new ziBrushAspect(zColor(0, 0, 255)))->intern());
  pen->apply(*d);
  brush->apply(*d);
  zPen* cached = d->currentPen();
  EXPECT_EQ(cached, pen->pen());
  pen->apply(*d);  // already current: nothing changes
  EXPECT_EQ(d->currentPen(), cached);
  d->rectangle(2, 2, 12, 12);
  EXPECT_EQ(rgb(d->getPixel(2, 2)), RGB(255, 0, 0));
  EXPECT_EQ(rgb(d->getPixel(6, 6)), RGB(0, 0, 255));

  // Another aspect's pen replaces this one without deleting it.
  auto* green = static_cast<ziPenAspect*>((new ziPenAspect(zColor(0, 255, 0), 1))->intern());
  green->apply(*d);
  EXPECT_EQ(GetObjectType(pen->pen()->handle()), static_cast<DWORD>(OBJ_PEN));

  ziTextBackcolorAspect back(zColor(10, 20, 30));
  back.apply(*d);
  EXPECT_EQ(d->getBackColor(), zColor(10, 20, 30));

  zRCFont font("Arial", zDimension(0, 14));
  ziFontAspect fontAspect(font);
  fontAspect.apply(*d);
  EXPECT_TRUE(d->font() == font);
  EXPECT_EQ(GetCurrentObject(d->hdc(), OBJ_FONT), font.handle());

  // The cached objects go back to the aspects before the display is destroyed.
  EXPECT_EQ(d->popPen(), green->pen());
  EXPECT_EQ(d->popBrush(), brush->brush());
  d.reset();
  releasePenAspects();
  releaseBrushAspects();
  releaseFontAspects();
  EXPECT_EQ(pen->pen(), nullptr);
  EXPECT_EQ(brush->brush(), nullptr);
}

}  // namespace
