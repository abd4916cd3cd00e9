#include "TestDisplays.h"
#include "framework/core/zChildWin.h"
#include "framework/core/zProgram.h"
#include "framework/core/zProgramFrame.h"
#include "framework/core/zResId.h"
#include "framework/draw/zRegion.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zWinDisplay.h"

#include <gtest/gtest.h>

namespace {

// An application object for each test, as the window classes expect one.
class WinDisplays : public ::testing::Test {
 protected:
  void SetUp() override {
    static char commandLine[] = "-test";
    app_ = new zProgram(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL);
    zTheProgram = app_;
  }
  void TearDown() override {
    delete app_;
    zTheProgram = nullptr;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  zProgram* app_ = nullptr;
};

class Child : public zChildWin {
 public:
  explicit Child(zWindow* parent)
      : zChildWin(parent, new zSizer(zPoint(5, 6), zDimension(40, 30), nullptr), WS_VISIBLE, 7) {
    className_ = "DrawTestChildCL";
  }
  WNDCLASSA* classInfo() override {
    WNDCLASSA* wc = zChildWin::classInfo();
    wc->lpfnWndProc = zProgramFrameProc;
    return wc;
  }
};

TEST_F(WinDisplays, TakeMetricsColoursAndFontFromTheWindow) {
  zProgramFrame frame(nullptr, nullptr, WS_OVERLAPPEDWINDOW, "Draw test");
  ASSERT_TRUE(IsWindow(frame.handle()));
  const zRCFont font("Arial", zDimension(0, 15));
  frame.setFont(font);
  zWinDisplay d(&frame);
  EXPECT_EQ(d.kind(), 1);
  EXPECT_GT(d.pixelsPerInchY(), 0);
  EXPECT_GT(d.horzRes(), 0);
  EXPECT_EQ(d.getBackColor(), zColor::fromColorRef(GetSysColor(COLOR_WINDOW)));
  EXPECT_EQ(d.currentTextColor(), zColor::fromColorRef(GetSysColor(COLOR_WINDOWTEXT)));
  EXPECT_FALSE(d.currentBrush()->isBorrowed()) << "a solid brush of the window colour";
  EXPECT_EQ(d.currentBrush()->color(), d.getBackColor());
  EXPECT_TRUE(d.font() == font);

  zRect client;
  d.size(client);
  RECT rc;
  GetClientRect(frame.handle(), &rc);
  EXPECT_EQ(client, zRect(rc));

  // A window not yet created measures on its parent and takes the parent's font.
  Child child(&frame);
  ASSERT_EQ(child.handle(), nullptr);
  zWinDisplay childDisplay(&child);
  EXPECT_EQ(childDisplay.pixelsPerInchY(), d.pixelsPerInchY());
  EXPECT_TRUE(childDisplay.font() == font);

  // Without a window and without a parent the metrics stay 0.
  zWindow orphan;
  zWinDisplay none(&orphan);
  EXPECT_EQ(none.pixelsPerInchX(), 0);
  EXPECT_EQ(none.vertRes(), 0);
  EXPECT_EQ(none.font().handle(), GetStockObject(DEVICE_DEFAULT_FONT));
}

TEST_F(WinDisplays, DrawsThroughTheWindowsContext) {
  zProgramFrame frame(nullptr, nullptr, WS_POPUP | WS_VISIBLE, "Draw test");
  SetWindowPos(frame.handle(), HWND_TOP, 20, 20, 120, 80, SWP_SHOWWINDOW);
  UpdateWindow(frame.handle());
  zWinDisplay d(&frame);
  d.lock();
  ASSERT_NE(d.hdc(), nullptr);
  d.pushBrush(new zBrush(zColor(255, 0, 0)));
  d.pushPen(new zPen(zColor(255, 0, 0), PS_SOLID, 1));
  d.rectangle(0, 0, 30, 30);
  GdiFlush();
  EXPECT_EQ(rgb(d.getPixel(10, 10)), RGB(255, 0, 0));
  d.unlock();
  EXPECT_EQ(d.hdc(), nullptr);
}

TEST_F(WinDisplays, PaintingTakesTheUpdateRectangle) {
  zProgramFrame frame(nullptr, nullptr, WS_POPUP | WS_VISIBLE, "Paint test");
  SetWindowPos(frame.handle(), HWND_TOP, 20, 20, 120, 80, SWP_SHOWWINDOW);
  ValidateRect(frame.handle(), nullptr);
  zWinDisplay d(&frame);
  zRect r(1, 1, 1, 1);
  d.updateRect(r);
  EXPECT_EQ(r, zRect(0, 0, 0, 0)) << "not painting";

  const RECT dirty{10, 12, 30, 40};
  d.invalidateRect(&dirty, false);
  RECT pending;
  ASSERT_TRUE(GetUpdateRect(frame.handle(), &pending, FALSE));
  d.setOrigin(5, 5);
  d.setPainting(true);
  d.lock();
  d.updateRect(r);
  EXPECT_EQ(r, zRect(15, 17, 35, 45)) << "the paint rectangle in logical coordinates";
  d.unlock();
  d.setPainting(false);
  EXPECT_FALSE(GetUpdateRect(frame.handle(), &pending, FALSE)) << "EndPaint validated it";

  zRectRegion region(0, 0, 8, 8);
  d.invalidateRegion(region, false);
  ASSERT_TRUE(GetUpdateRect(frame.handle(), &pending, FALSE));
  EXPECT_EQ(zRect(pending), zRect(0, 0, 8, 8));
  ValidateRect(frame.handle(), nullptr);
}

TEST_F(WinDisplays, ResourceBitmapsAndScreenMeasures) {
  zBitmap fromProgram{zResId(101)};
  ASSERT_NE(fromProgram.handle(), nullptr);
  EXPECT_EQ(fromProgram.size(), zDimension(3, 2));
  zBitmapDisplay d(new zBitmap(zResId(101)));
  EXPECT_EQ(rgb(d.getPixel(0, 0)), RGB(255, 0, 0));
  EXPECT_EQ(rgb(d.getPixel(2, 1)), RGB(0x33, 0x66, 0x99));
  // A module that cannot be loaded: the program's own resources.
  zBitmap fallback{zResId(101, "no-such-module.dll")};
  EXPECT_EQ(fallback.size(), zDimension(3, 2));
  zBitmap missing{zResId(999)};
  EXPECT_EQ(missing.handle(), nullptr);

  // Without a display the measures take the screen as the application read it.
  EXPECT_GT(ziPixelsPerInchY, 0);
  EXPECT_EQ(zPrPoint(0, 720).y(), (720 * ziPixelsPerInchY / 72 + 5) / 10);
  EXPECT_EQ(zLoMetric(0, 1000).y(), (1000 * ziScreenHeight / ziScreenHeightMm + 5) / 10);
}

}  // namespace
