#include "TestDisplays.h"
#include "framework/draw/zRegion.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const zColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), black(0, 0, 0), white(255, 255, 255);

// A display that counts how often it acquires and releases a context.
class CountingDisplay : public zDisplay {
 public:
  int acquired = 0, released = 0;

 protected:
  void acquireDC() override {
    ++acquired;
    hdc_ = CreateCompatibleDC(nullptr);
  }
  void releaseDC() override {
    ++released;
    SelectObject(hdc_, GetStockObject(BLACK_PEN));
    SelectObject(hdc_, GetStockObject(WHITE_BRUSH));
    SelectObject(hdc_, GetStockObject(SYSTEM_FONT));
    DeleteDC(hdc_);
  }
};

TEST(Display, FreshStateAndUnlockedSetters) {
  zDisplay d;
  EXPECT_EQ(d.hdc(), nullptr);
  EXPECT_EQ(d.kind(), 0);
  EXPECT_EQ(d.getBackColor(), white);
  EXPECT_EQ(d.currentTextColor(), black);
  EXPECT_EQ(d.currentPen()->handle(), GetStockObject(BLACK_PEN));
  EXPECT_EQ(d.currentBrush()->handle(), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(d.font().handle(), GetStockObject(DEVICE_DEFAULT_FONT));
  EXPECT_EQ(d.currentFont(), d.font().font());
  EXPECT_EQ(d.mapMode(MM_LOENGLISH), MM_TEXT);  // nothing stored yet
  EXPECT_EQ(d.mapMode(MM_TEXT), MM_LOENGLISH);
  EXPECT_EQ(d.setOrigin(-2, 3), static_cast<int32_t>(0x0003FFFEu));
  EXPECT_EQ(d.originRef(), zPoint(-2, 3));
  EXPECT_EQ(d.rop2(R2_XORPEN), R2_COPYPEN);
  EXPECT_EQ(d.backColor(red), white);
  EXPECT_EQ(d.textExtent("abc"), zDimension(0, 0));
  zRect r(1, 2, 3, 4);
  d.size(r);
  EXPECT_EQ(r, zRect(0, 0, 0, 0));
}

TEST(Display, NestedLocksAcquireOnceAndApplyState) {
  CountingDisplay d;
  zPen* pen = new zPen(red, PS_SOLID, 1);
  d.pushPen(pen);  // stored while unlocked, selected at the first lock
  d.textColor(green);
  d.backMode(TRANSPARENT);
  d.lock();
  d.lock();
  EXPECT_EQ(d.acquired, 1);
  EXPECT_EQ(d.lockCount(), 2);
  HDC dc = d.hdc();
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen->handle());
  EXPECT_EQ(GetTextColor(dc), green.colorRef());
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  d.rop2(R2_NOT);  // applied at once while locked
  EXPECT_EQ(GetROP2(dc), R2_NOT);
  EXPECT_EQ(d.mapMode(MM_LOMETRIC), MM_TEXT);
  EXPECT_EQ(GetMapMode(dc), MM_LOMETRIC);
  d.unlock();
  EXPECT_EQ(d.released, 0);
  EXPECT_EQ(d.hdc(), dc);
  d.unlock();
  EXPECT_EQ(d.released, 1);
  EXPECT_EQ(d.hdc(), nullptr);
  // The stored state is applied again at the next first lock.
  d.lock();
  EXPECT_EQ(GetMapMode(d.hdc()), MM_LOMETRIC);
  EXPECT_EQ(GetROP2(d.hdc()), R2_NOT);
  EXPECT_EQ(GetCurrentObject(d.hdc(), OBJ_PEN), pen->handle());
  delete d.popPen();
  EXPECT_EQ(GetCurrentObject(d.hdc(), OBJ_PEN), GetStockObject(BLACK_PEN));
  d.unlock();
}

TEST(Display, PenAndBrushStacks) {
  zDisplay d;
  zPen* first = d.currentPen();
  auto* a = new zPen(red, PS_SOLID, 1);
  auto* b = new zPen(blue, PS_SOLID, 1);
  d.pushPen(a);
  d.pushPen(b);
  EXPECT_EQ(d.currentPen(), b);
  auto* c = new zPen(green, PS_SOLID, 1);
  EXPECT_EQ(d.replacePen(c), b);
  delete b;
  EXPECT_EQ(d.currentPen(), c);
  EXPECT_EQ(d.popPen(), c);
  delete c;
  EXPECT_EQ(d.currentPen(), a);
  EXPECT_EQ(d.popPen(), a);
  delete a;
  EXPECT_EQ(d.currentPen(), first);

  auto* brush = new zBrush(blue);
  zBrush* stock = d.replaceBrush(brush);
  EXPECT_EQ(stock->handle(), GetStockObject(WHITE_BRUSH));
  delete stock;
  EXPECT_EQ(d.currentBrush(), brush);
  d.pushPen(new zPen(red, PS_SOLID, 2));  // left for the display to delete
}

TEST(Display, FontStacks) {
  fontsDeleted = 0;
  {
    CountingDisplay d;
    zRCFont stock = d.font();
    auto* pushed = new CountedFont(20);
    d.pushFont(pushed);
    EXPECT_EQ(d.currentFont(), pushed);

    zRCFont shared(new ziRCFontImp(new CountedFont(12)));
    d.setDefaultFont(shared);
    EXPECT_EQ(d.currentFont(), pushed) << "a pushed font covers the default fonts";
    EXPECT_TRUE(d.font() == shared);

    d.lock();
    EXPECT_EQ(GetCurrentObject(d.hdc(), OBJ_FONT), pushed->handle());
    EXPECT_EQ(d.popFont(), pushed);  // the stack runs empty: the default font's font
    EXPECT_EQ(d.currentFont(), shared.font());
    EXPECT_EQ(GetCurrentObject(d.hdc(), OBJ_FONT), shared.handle());
    delete pushed;
    EXPECT_EQ(fontsDeleted, 1);

    zRCFont popped = d.popRCFont();
    EXPECT_TRUE(popped == shared);
    EXPECT_TRUE(d.font() == stock);
    EXPECT_EQ(GetCurrentObject(d.hdc(), OBJ_FONT), stock.handle());
    d.unlock();
    d.pushFont(new CountedFont(9));  // left for the display to delete
  }
  EXPECT_EQ(fontsDeleted, 3) << "the shared font with its last holder, the pushed one with the display";
}

TEST(Display, ReplacedDefaultFontIsDeletedExactlyOnce) {
  fontsDeleted = 0;
  {
    CountingDisplay d;
    d.setDefaultFont(zRCFont(new ziRCFontImp(new CountedFont(12))));
    d.lock();
    {
      zRCFont old = d.replaceDefaultFont(zRCFont(new ziRCFontImp(new CountedFont(30))));
      EXPECT_EQ(fontsDeleted, 0) << "the caller still holds the replaced font";
      EXPECT_NE(GetCurrentObject(d.hdc(), OBJ_FONT), old.handle());
      EXPECT_EQ(GetCurrentObject(d.hdc(), OBJ_FONT), d.font().handle());
    }
    EXPECT_EQ(fontsDeleted, 1);
    d.unlock();
  }
  EXPECT_EQ(fontsDeleted, 2) << "the display released its own default font once";
}

TEST(Display, TextMetricsOfTheSelectedFont) {
  ziInfoDisplay info;
  EXPECT_GT(info.pixelsPerInchY(), 0);
  EXPECT_GT(info.horzRes(), 0);
  EXPECT_EQ(info.getBackColor(), zColor::fromColorRef(GetSysColor(COLOR_WINDOW)));
  info.setDefaultFont(zRCFont("Arial", zDimension(0, 40)));
  TEXTMETRICA small{}, large{};
  info.textMetrics(large);
  info.popRCFont();
  info.setDefaultFont(zRCFont("Arial", zDimension(0, 10)));
  info.textMetrics(small);
  EXPECT_GT(large.tmHeight, small.tmHeight);
  EXPECT_FALSE(info.isLocked());
  info.lock();
  const zDimension extent = info.textExtent("Palvermontine", 4);
  EXPECT_GT(extent.width(), 0);
  EXPECT_LT(extent.width(), info.textExtent("Palvermontine").width());
  info.unlock();
}

TEST(Display, DrawingWithPushedAndPoppedPens) {
  std::unique_ptr<zBitmapDisplay> d(newCanvas(40, 30));
  EXPECT_EQ(d->kind(), 2);
  EXPECT_TRUE(d->isLocked());
  zRect r;
  d->size(r);
  EXPECT_EQ(r, zRect(0, 0, 40, 30));

  d->pushPen(new zPen(red, PS_SOLID, 1));
  d->moveTo(0, 5);
  d->lineTo(40, 5);
  delete d->popPen();
  d->moveTo(0, 10);
  d->lineTo(40, 10);
  EXPECT_EQ(rgb(d->getPixel(20, 5)), rgb(red));
  EXPECT_EQ(rgb(d->getPixel(20, 10)), rgb(black));
  EXPECT_EQ(rgb(d->getPixel(20, 7)), rgb(white));

  // A filled rectangle: the pen draws the border, the brush fills the inside.
  d->pushBrush(new zBrush(blue));
  d->pushPen(new zPen(green, PS_SOLID, 1));
  d->rectangle(10, 15, 20, 25);
  EXPECT_EQ(rgb(d->getPixel(10, 15)), rgb(green));
  EXPECT_EQ(rgb(d->getPixel(15, 20)), rgb(blue));
  d->frameRect(zRect(25, 15, 35, 25));
  EXPECT_EQ(rgb(d->getPixel(35, 25)), rgb(green));
  EXPECT_EQ(rgb(d->getPixel(30, 20)), rgb(white));

  d->setPixel(1, 1, zColor(0x33, 0x66, 0x99));
  EXPECT_EQ(rgb(d->getPixel(1, 1)), 0x00996633u);

  // The window origin moves the drawing.
  d->setOrigin(-2, -2);
  d->setPixel(0, 0, red);
  d->setOrigin(0, 0);
  EXPECT_EQ(rgb(d->getPixel(2, 2)), rgb(red));
}

TEST(Display, ClipRegionLimitsDrawing) {
  std::unique_ptr<zBitmapDisplay> d(newCanvas(20, 20));
  zRectRegion clip(0, 0, 10, 20);
  d->selectClipRegion(&clip);
  d->pushBrush(new zBrush(red));
  d->pushPen(new zPen(red, PS_SOLID, 1));
  d->rectangle(0, 0, 20, 20);
  EXPECT_EQ(rgb(d->getPixel(5, 5)), rgb(red));
  EXPECT_EQ(rgb(d->getPixel(15, 5)), rgb(white));
  d->selectClipRegion(nullptr);
  d->setPixel(15, 5, blue);
  EXPECT_EQ(rgb(d->getPixel(15, 5)), rgb(blue));
}

TEST(Display, LineDDAVisitsEveryPoint) {
  zDisplay d;
  std::vector<POINT> points;
  auto record = [](void* data, int x, int y) { static_cast<std::vector<POINT>*>(data)->push_back(POINT{x, y}); };
  EXPECT_EQ(d.lineDDA(zPoint(0, 0), zPoint(5, 0), record, &points), 1);
  ASSERT_EQ(points.size(), 5u);  // the end point is not drawn
  EXPECT_EQ(points[4].x, 4);
  EXPECT_EQ(d.lineDDA(zPoint(0, 0), zPoint(3, 3), nullptr, nullptr), 1);
}

}  // namespace
