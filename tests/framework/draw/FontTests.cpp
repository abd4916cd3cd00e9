#include "TestDisplays.h"
#include "framework/draw/zRCFont.h"

#include <gtest/gtest.h>

namespace {

zRCFont countedFont() { return zRCFont(new ziRCFontImp(new CountedFont)); }

TEST(Font, SpecFromArguments) {
  zFont f("Arial", zDimension(7, 16), FW_BOLD, FIXED_PITCH, FF_MODERN, zFont::italic | zFont::strikeOut);
  const LOGFONTA& lf = f.spec().logFont();
  EXPECT_EQ(lf.lfHeight, -16);
  EXPECT_EQ(lf.lfWidth, 7);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(lf.lfPitchAndFamily, FIXED_PITCH | FF_MODERN);
  EXPECT_NE(lf.lfItalic, 0);
  EXPECT_EQ(lf.lfUnderline, 0);
  EXPECT_NE(lf.lfStrikeOut, 0);
  EXPECT_STREQ(lf.lfFaceName, "Arial");
  EXPECT_NE(f.handle(), nullptr);

  zFont negative("Arial", zDimension(0, -20));
  EXPECT_EQ(negative.spec().logFont().lfHeight, -20);

  // A face name longer than the field is cut, terminated.
  zFont longName("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnop", zDimension(0, 10));
  EXPECT_EQ(std::string(longName.spec().logFont().lfFaceName).size(), LF_FACESIZE - 1u);

  MetricsDisplay screen(96);
  zFont points("Arial", zPrPoint(0, 120, &screen));
  EXPECT_EQ(points.spec().logFont().lfHeight, -16);
}

TEST(Font, SpecWithPointSizeOnADisplay) {
  MetricsDisplay screen(96);
  zFontSpec spec;
  spec.logFont().lfHeight = -30;
  spec.logFont().lfWidth = 5;
  zFont own(spec, &screen);  // no point size: the LOGFONT's own height
  EXPECT_EQ(own.spec().logFont().lfHeight, -30);
  EXPECT_EQ(own.spec().logFont().lfWidth, 5);

  spec.pointSize() = 120;
  zFont sized(spec, &screen);
  EXPECT_EQ(sized.spec().logFont().lfHeight, -16);
  EXPECT_EQ(sized.spec().logFont().lfWidth, 0);
  EXPECT_EQ(sized.spec().pointSize(), 120);
}

TEST(Font, StockAndWrappedFontsAreBorrowed) {
  HGDIOBJ stock = GetStockObject(ANSI_VAR_FONT);
  {
    zRCFont f(ANSI_VAR_FONT);
    EXPECT_EQ(f.handle(), stock);
  }
  EXPECT_EQ(GetObjectType(stock), static_cast<DWORD>(OBJ_FONT));
  LOGFONTA lf{};
  lf.lfHeight = -11;
  HFONT mine = CreateFontIndirectA(&lf);
  {
    zRCFont wrapped(mine);
    EXPECT_TRUE(wrapped.font()->isBorrowed());
  }
  EXPECT_EQ(GetObjectType(mine), static_cast<DWORD>(OBJ_FONT));
  {
    zRCFont taken(mine, true);
    zRCFont copy(taken);
    EXPECT_EQ(copy.handle(), mine);
  }
  EXPECT_EQ(GetObjectType(mine), 0u) << "an owned font goes with its last reference";
}

TEST(SharedFont, CopiesShareOneFontDeletedOnce) {
  fontsDeleted = 0;
  {
    zRCFont a = countedFont();
    HFONT native = a.hfont();
    zRCFont b(a);
    zRCFont c;
    EXPECT_TRUE(c.isNull());
    EXPECT_FALSE(c.isValid());
    c = b;
    EXPECT_TRUE(c == a);
    EXPECT_EQ(c.hfont(), native);
    const zRCFont& self = c;
    c = self;  // self-assignment keeps the font
    EXPECT_EQ(c.hfont(), native);
    a = zRCFont();
    b = zRCFont();
    EXPECT_EQ(fontsDeleted, 0);
    EXPECT_EQ(GetObjectType(native), static_cast<DWORD>(OBJ_FONT));
  }
  EXPECT_EQ(fontsDeleted, 1);
}

TEST(SharedFont, EmptySpec) {
  zRCFont empty;
  EXPECT_EQ(empty.hfont(), nullptr);
  EXPECT_EQ(empty.spec().pointSize(), 0);
  EXPECT_TRUE(empty != zRCFont());
}

}  // namespace
