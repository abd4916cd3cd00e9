// The progress bar as a window and as a status field: the fill of a 101-pixel bar, frames,
// clamped percentages, the caption, the fonts and brushes it is given, and its control type.
#include "BarsTestSupport.h"
#include "framework/bars/zProgressBar.h"
#include "framework/core/zControlType.h"
#include "framework/draw/zDrawObj.h"
#include "framework/draw/zFont.h"

namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kWhite = 0xFFFFFF;

class Progress : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    frame_ = new MenuFrame();
    frame_->show(SW_SHOWNORMAL);
    pump();
  }
  void TearDown() override {
    delete frame_;
    FrameworkTest::TearDown();
  }
  // A bar whose inner area is 101 pixels wide: the frame's columns at 0 and 102.
  zProgressBar* bar(uint32_t style, const char* caption = nullptr) {
    zProgressBar* b = new zProgressBar(frame_, new zSizer(zPoint(10, 10), zDimension(103, 21), nullptr),
                                       style | WS_CHILD | WS_VISIBLE, caption, 90);
    UpdateWindow(b->handle());
    return b;
  }
  MenuFrame* frame_ = nullptr;
};

TEST_F(Progress, HalfOfA101PixelBarFills50Pixels) {
  zProgressBar* b = bar(zbars::fillFromLeft | zbars::framePlain);
  b->setPercent(50);
  const HWND h = b->handle();
  EXPECT_EQ(pixel(h, 1, 10), kRed);
  EXPECT_EQ(pixel(h, 50, 10), kRed);
  EXPECT_EQ(pixel(h, 51, 10), kWhite);
  EXPECT_EQ(pixel(h, 101, 10), kWhite);
  EXPECT_EQ(pixel(h, 0, 10), 0x000000u);
  EXPECT_EQ(pixel(h, 102, 10), 0x000000u);
  b->setPercent(0);
  EXPECT_EQ(pixel(h, 1, 10), kWhite);
  // Out of range: held to the ends of the bar, never drawn past the frame.
  b->setPercent(250);
  EXPECT_EQ(b->info().percent(), 100.f);
  EXPECT_EQ(pixel(h, 101, 10), kRed);
  EXPECT_EQ(pixel(h, 102, 10), 0x000000u);
  b->setPercent(-30);
  EXPECT_EQ(b->info().percent(), 0.f);
  EXPECT_EQ(pixel(h, 1, 10), kWhite);
  delete b;
}

TEST_F(Progress, FramesAndFillDirections) {
  struct Case {
    uint32_t style;
    int x, y;
    COLORREF expected;
  } cases[] = {
      {zbars::fillFromLeft | zbars::frameSunken, 0, 10, 0xC0C0C0},  // left edge light grey
      {zbars::fillFromLeft | zbars::frameSunken, 50, 0, 0xC0C0C0},  // top edge light grey
      {zbars::fillFromLeft | zbars::frameSunken, 102, 10, kWhite},  // right edge white
      {zbars::fillFromLeft | zbars::frameSunken, 50, 20, kWhite},   // bottom edge white
      {zbars::fillFromRight | zbars::framePlain, 101, 10, kRed},    // 50 % from the right
      {zbars::fillFromRight | zbars::framePlain, 51, 10, kWhite},
      {zbars::fillFromBottom | zbars::framePlain, 50, 19, kRed},
      {zbars::fillFromBottom | zbars::framePlain, 50, 2, kWhite},
      {zbars::fillFromTop | zbars::framePlain, 50, 1, kRed},
  };
  for (const Case& c : cases) {
    zProgressBar* b = bar(c.style);
    b->setPercent(50);
    EXPECT_EQ(pixel(b->handle(), c.x, c.y), c.expected)
        << std::hex << c.style << std::dec << " at " << c.x << "," << c.y;
    delete b;
  }
  // No frame: the bar's edge pixels are its background, never a line.
  zProgressBar* none = bar(zbars::fillFromLeft | zbars::frameNone);
  none->setBackgroundColor(zColor(0, 255, 0));
  UpdateWindow(none->handle());
  EXPECT_EQ(pixel(none->handle(), 50, 10), 0x00FF00u);
  EXPECT_NE(pixel(none->handle(), 50, 0), 0x000000u);
  delete none;
}

TEST_F(Progress, TheCaptionIsDrawnInBlackOverTheMiddleOfTheBar) {
  zProgressBar* b = bar(zbars::fillFromLeft | zbars::framePlain, "Scoring");
  b->setPercent(0);
  int black = 0, outside = 0;
  for (int x = 1; x < 102; ++x)
    for (int y = 1; y < 20; ++y)
      if (pixel(b->handle(), x, y) == 0) (x > 20 && x < 82 ? black : outside)++;
  EXPECT_GT(black, 10);
  EXPECT_EQ(outside, 0);
  delete b;
}

TEST_F(Progress, FontsAndBrushesGivenToTheBarAreOwnedOnceAndGivingTheSameAgainIsHarmless) {
  zProgressBar* b = bar(zbars::fillFromLeft | zbars::framePlain, "50 %");
  zFont* font = new zFont(CreateFontA(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial"), true);
  b->setFont(font);
  b->setFont(font);  // the same object again: kept, not deleted
  EXPECT_EQ(b->info().fontObject(), font);
  LOGFONTA lf;
  EXPECT_EQ(GetObjectA(font->hfont(), sizeof lf, &lf), static_cast<int>(sizeof lf));
  zBrush* green = new zBrush(zColor(0, 128, 0));
  b->info().setBarBrush(green);
  b->info().setBarBrush(green);
  b->setPercent(50);
  EXPECT_EQ(pixel(b->handle(), 2, 3), 0x008000u);
  b->info().setBarBrush(nullptr);  // back to the red bar; the green brush is freed
  b->setPercent(50);
  EXPECT_EQ(pixel(b->handle(), 2, 3), kRed);
  b->info().setFontObject(nullptr);
  EXPECT_EQ(b->info().fontObject(), nullptr);
  delete b;
}

TEST_F(Progress, AStatusFieldShowsItsLabelAndThenTheBar) {
  zStatusLine* line =
      new zStatusLine(frame_, new zGravSizer(gravBottom, 0, frame_->sizer()), 0, WS_CHILD | WS_VISIBLE, zRCFont());
  zStatusItemProgBar* field =
      new zStatusItemProgBar(line, gravLeft, "Scoring", 103, 4, zbars::fillFromLeft | zbars::framePlain);
  field->addGap();
  line->show(SW_SHOW);
  frame_->sizer()->update();
  pump();
  field->setPercent(50);
  UpdateWindow(line->handle());
  const zRect barRect = field->info().rect();
  EXPECT_GT(barRect.left(), field->rect().left() + 10);  // after the label
  EXPECT_EQ(barRect.right(), field->rect().right() - 2);
  const int y = (barRect.top() + barRect.bottom()) / 2;
  const int inner = barRect.right() - barRect.left() - 1;
  EXPECT_EQ(pixel(line->handle(), barRect.left() + 1, y), kRed);
  EXPECT_EQ(pixel(line->handle(), barRect.left() + inner / 2 - 1, y), kRed);
  EXPECT_EQ(pixel(line->handle(), barRect.left() + inner / 2 + 2, y), kWhite);
  field->setPercent(1000);
  EXPECT_EQ(field->info().percent(), 100.f);
}

TEST_F(Progress, TemplatesNameTheBarByItsClassName) {
  zRegisterBarsControlTypes();
  zRegisterBarsControlTypes();  // once only
  zControlType* type = zControlType::find("ZPROGRESSBAR");
  ASSERT_NE(type, nullptr);
  zWindow* made =
      type->creator()(frame_, new zSizer(zPoint(5, 5), zDimension(60, 16), nullptr), WS_VISIBLE, "Loading", 91);
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->hasTypeBit(zTypeProgressBar));
  char name[32] = "";
  GetClassNameA(made->handle(), name, sizeof name);
  EXPECT_STREQ(name, "zProgressBar");
  EXPECT_EQ(GetDlgCtrlID(made->handle()), 91);
  EXPECT_EQ(static_cast<zProgressBar*>(made)->info().caption(), FLCString("Loading"));
  // The dialog's code finds the bar by its identifier; other items are no bars.
  EXPECT_EQ(zProgressBar::find(frame_, 91), made);
  EXPECT_EQ(zProgressBar::find(frame_, 4711), nullptr);
  zStatusLine* line = new zStatusLine(frame_, new zGravSizer(gravBottom, 0, frame_->sizer()), 0, WS_CHILD | WS_VISIBLE,
                                      zRCFont(), zStatusLine::frameIsParent);
  SetWindowLongPtrA(line->handle(), GWLP_ID, 92);
  line->setId(92);
  EXPECT_EQ(zProgressBar::find(frame_, 92), nullptr);
  delete made;
}

}  // namespace
