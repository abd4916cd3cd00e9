// Bitmap and tool buttons with synthetic bitmaps whose frames are distinct solid colours,
// so the pixel at the image's centre names the frame shown.
#include <gtest/gtest.h>

#include "VisualTestSupport.h"
#include "framework/draw/zBitmap.h"
#include "framework/core/zWinDisplay.h"
#include "framework/visual/zBitmapButton.h"
#include "framework/visual/zImageStrip.h"

namespace {

using BitmapButtons = FrameworkTest;

const COLORREF kFrames[6] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00};
constexpr COLORREF kLightGrey = 0xC0C0C0;

zBitmap* frames(int n, int w, int h, const COLORREF* colors) { return solidFrames(n, w, h, colors); }

TEST_F(BitmapButtons, AFlatToggleWithImageSet20ShowsFrames2403AcrossTwoClicks) {
  RecordingFrame frame;
  zBitmapButton* button =
      new zBitmapButton(&frame, at(10, 10, 40, 40), WS_CHILD | WS_VISIBLE | 0x7220, "", 70, frames(6, 16, 16, kFrames));
  const HWND h = button->handle();
  EXPECT_EQ(pixel(h, 21, 21), kFrames[0]);
  mouse(h, WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
  EXPECT_EQ(pixel(h, 21, 21), kFrames[2]);
  EXPECT_EQ(button->check(), 2);
  mouse(h, WM_LBUTTONUP, 20, 20);
  EXPECT_EQ(pixel(h, 21, 21), kFrames[4]);
  EXPECT_EQ(button->check(), 1);
  mouse(h, WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
  EXPECT_EQ(pixel(h, 21, 21), kFrames[3]);
  mouse(h, WM_LBUTTONUP, 20, 20);
  EXPECT_EQ(pixel(h, 21, 21), kFrames[0]);
  EXPECT_EQ(frame.count(WM_COMMAND, MAKEWPARAM(70, BN_CLICKED)), 2);
  // Disabled: the up image's disabled frame.
  EnableWindow(h, FALSE);
  InvalidateRect(h, nullptr, FALSE);
  EXPECT_EQ(pixel(h, 21, 21), kFrames[1]);
  delete button;
}

TEST_F(BitmapButtons, SizeToBitmapFitsTheFramePlusMarginsAndANullBitmapKeepsTheSize) {
  RecordingFrame frame;
  zBitmapButton* button = new zBitmapButton(&frame, at(10, 10, 60, 30), WS_CHILD | WS_VISIBLE, "", 71, nullptr);
  zBitmap* old = button->sizeToBitmap(frames(6, 16, 16, kFrames), 1, 0, 0);
  EXPECT_EQ(old, nullptr);
  RECT r;
  GetClientRect(button->handle(), &r);
  EXPECT_EQ(r.right, 23);
  EXPECT_EQ(r.bottom, 23);
  // No bitmap, size mode 1: nothing to measure, so the size stays and nothing breaks.
  zBitmap* taken = button->sizeToBitmap(nullptr, 1, 0, 0);
  ASSERT_NE(taken, nullptr);
  delete taken;
  GetClientRect(button->handle(), &r);
  EXPECT_EQ(r.right, 23);
  pixel(button->handle(), 1, 1);  // draws without an image
  delete button;
}

TEST_F(BitmapButtons, ADisabledToolButtonShowsACheckerboardMadeFromItsCurrentImage) {
  RecordingFrame frame;
  const COLORREF red[1] = {0x0000FF};
  const COLORREF blue[1] = {0xFF0000};
  zToolButton* tool = new zToolButton(&frame, at(10, 10, 30, 30), WS_CHILD | WS_VISIBLE, 72, frames(1, 16, 16, red));
  const HWND h = tool->handle();
  pixel(h, 0, 0);
  const zPoint o = tool->face()->imageOrigin();
  EXPECT_EQ(pixel(h, o.x() + 1, o.y()), red[0]);
  EnableWindow(h, FALSE);
  InvalidateRect(h, nullptr, FALSE);
  EXPECT_EQ(pixel(h, o.x(), o.y()), kLightGrey);  // first row starts at column 0
  EXPECT_EQ(pixel(h, o.x() + 1, o.y()), red[0]);
  EXPECT_EQ(pixel(h, o.x(), o.y() + 1), red[0]);
  EXPECT_EQ(pixel(h, o.x() + 1, o.y() + 1), kLightGrey);
  // A new image replaces the greyed picture too.
  delete tool->sizeToBitmap(frames(1, 16, 16, blue), 0, 0, 0);
  EXPECT_FALSE(tool->face()->hasDisabledImage());
  InvalidateRect(h, nullptr, FALSE);
  EXPECT_EQ(pixel(h, o.x() + 1, o.y()), blue[0]);
  EXPECT_EQ(pixel(h, o.x(), o.y()), kLightGrey);
  delete tool;
}

TEST_F(BitmapButtons, AnImageStripDrawsTheCellOfAnIndexAndRefusesImagesBeyondItsCapacity) {
  RecordingFrame frame;
  zWinDisplay display(&frame);
  zImageStrip strip(&display, zDimension(8, 8), 3);
  int32_t index = -2;
  for (int i = 0; i < 3; ++i) {
    zBitmap* b = frames(1, 8, 8, &kFrames[i]);
    strip.add(b, &index);
    EXPECT_EQ(index, i);
    delete b;
  }
  zBitmap* extra = frames(1, 8, 8, &kFrames[3]);
  strip.add(extra, &index);
  EXPECT_EQ(index, -1);
  delete extra;
  strip.draw(&display, 5, 5, 1);
  strip.draw(&display, zPoint(20, 5), 2);
  HDC dc = GetDC(frame.handle());
  EXPECT_EQ(GetPixel(dc, 9, 9), kFrames[1]);
  EXPECT_EQ(GetPixel(dc, 27, 12), kFrames[2]);
  ReleaseDC(frame.handle(), dc);
}

}  // namespace
