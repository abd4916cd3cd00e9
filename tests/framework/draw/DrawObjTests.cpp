#include "framework/draw/zBitmap.h"
#include "framework/draw/zDrawObj.h"

#include <gtest/gtest.h>

namespace {

LOGBRUSH brushOf(const zBrush& b) {
  LOGBRUSH lb{};
  GetObjectA(b.handle(), sizeof lb, &lb);
  return lb;
}

TEST(DrawObj, StockObjectsAreBorrowedAndShared) {
  HGDIOBJ stockPen = GetStockObject(BLACK_PEN);
  {
    zPenStock pen(BLACK_PEN);
    EXPECT_EQ(pen.handle(), stockPen);
    EXPECT_TRUE(pen.isBorrowed());
    zPen copy(pen);
    EXPECT_EQ(copy.handle(), stockPen);
    zBrushStock brush(WHITE_BRUSH);
    zBrush brushCopy(brush);
    EXPECT_EQ(brushCopy.handle(), GetStockObject(WHITE_BRUSH));
  }
  EXPECT_EQ(GetObjectType(stockPen), static_cast<DWORD>(OBJ_PEN));
}

// A copy of an owned pen must not share the native pen: each owner deletes its own.
TEST(DrawObj, CopiedPenOutlivesTheOriginal) {
  auto* original = new zPen(zColor(255, 0, 0), PS_SOLID, 3);
  zPen copy(*original);
  EXPECT_NE(copy.handle(), original->handle());
  HGDIOBJ originalHandle = original->handle();
  delete original;
  EXPECT_EQ(GetObjectType(originalHandle), 0u);
  ASSERT_EQ(GetObjectType(copy.handle()), static_cast<DWORD>(OBJ_PEN));
  LOGPEN lp{};
  GetObjectA(copy.handle(), sizeof lp, &lp);
  EXPECT_EQ(lp.lopnColor, RGB(255, 0, 0));
  EXPECT_EQ(lp.lopnWidth.x, 3);
}

TEST(DrawObj, CopiedBrushesKeepTheirKind) {
  zBrush solid(zColor(0x33, 0x66, 0x99));
  zBrush solidCopy(solid);
  EXPECT_NE(solidCopy.handle(), solid.handle());
  EXPECT_EQ(brushOf(solidCopy).lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(brushOf(solidCopy).lbColor, RGB(0x33, 0x66, 0x99));

  // Hatch style 2 shares its number with the pattern kind; a copy stays a hatch.
  zBrushHatch hatch(zColor(0, 0, 255), HS_FDIAGONAL);
  zBrush hatchCopy(hatch);
  EXPECT_EQ(hatchCopy.kind(), HS_FDIAGONAL);
  EXPECT_FALSE(hatchCopy.isPattern());
  EXPECT_EQ(brushOf(hatchCopy).lbStyle, static_cast<UINT>(BS_HATCHED));
  EXPECT_EQ(brushOf(hatchCopy).lbHatch, static_cast<ULONG_PTR>(HS_FDIAGONAL));

  zBitmap bits(8, 8, 1, 1);
  zBrushPattern pattern(&bits);
  zBrush patternCopy(pattern);
  EXPECT_TRUE(patternCopy.isPattern());
  EXPECT_NE(patternCopy.handle(), pattern.handle());
  EXPECT_EQ(brushOf(patternCopy).lbStyle, static_cast<UINT>(BS_PATTERN));
}

TEST(DrawObj, EmptyObjectsHaveNoHandle) {
  zPen pen;
  zBrush brush;
  zBrush brushCopy(brush);
  EXPECT_EQ(pen.handle(), nullptr);
  EXPECT_EQ(brushCopy.handle(), nullptr);
  EXPECT_EQ(pen.color(), zColor(0, 0, 0));
}

}  // namespace
