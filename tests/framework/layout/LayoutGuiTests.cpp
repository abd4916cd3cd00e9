// A real frame whose children are laid out by sizers, resized under Wine.
#include <gtest/gtest.h>

#include "../core/GuiTestSupport.h"
#include "framework/core/zChildWin.h"
#include "framework/core/zProgramFrame.h"
#include "framework/layout/zGravSizer.h"

namespace {

using LayoutGui = FrameworkTest;

class Pane : public zChildWin {
 public:
  Pane(zWindow* parent, zSizer* sizer) : zChildWin(parent, sizer, WS_VISIBLE, 0) {
    className_ = "LayoutPaneCL";
    create();
  }
  WNDCLASSA* classInfo() override {
    WNDCLASSA* wc = zChildWin::classInfo();
    wc->lpfnWndProc = zProgramFrameProc;
    return wc;
  }
};

// The child's rectangle in its parent's client coordinates.
RECT placeOf(const zWindow& child) {
  RECT r;
  GetWindowRect(child.handle(), &r);
  MapWindowPoints(nullptr, GetParent(child.handle()), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void expectPlace(const zWindow& child, int l, int t, int r, int b) {
  const RECT got = placeOf(child);
  EXPECT_EQ(got.left, l);
  EXPECT_EQ(got.top, t);
  EXPECT_EQ(got.right, r);
  EXPECT_EQ(got.bottom, b);
}

TEST_F(LayoutGui, ResizingAFrameDocksItsChildrenBySizer) {
  LoggingFrame frame("Layout", WS_OVERLAPPEDWINDOW);
  frame.show(SW_SHOWNORMAL);
  Pane bar(&frame, new zGravSizer(gravTop, 30, frame.sizer()));
  Pane status(&frame, new zGravSizer(gravBottom, 20, frame.sizer()));
  Pane client(&frame, new zGravSizer(gravClient, 0, frame.sizer()));
  bar.show(SW_SHOWNORMAL);
  status.show(SW_SHOWNORMAL);
  client.show(SW_SHOWNORMAL);

  for (const SIZE& outer : {SIZE{400, 300}, SIZE{520, 260}, SIZE{300, 420}}) {
    SetWindowPos(frame.handle(), nullptr, 10, 10, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    pump();
    RECT c;
    GetClientRect(frame.handle(), &c);
    SCOPED_TRACE(c.right);
    expectPlace(bar, 0, 0, c.right, 30);
    expectPlace(status, 0, c.bottom - 20, c.right, c.bottom);
    expectPlace(client, 0, 30, c.right, c.bottom - 20);
    EXPECT_EQ(frame.sizer()->extent(), zDimension(c.right, c.bottom));
  }

  // Minimising stores the reported size but moves nothing.
  const RECT before = placeOf(client);
  ShowWindow(frame.handle(), SW_MINIMIZE);
  pump();
  const RECT after = placeOf(client);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
  ShowWindow(frame.handle(), SW_RESTORE);
  pump();
}

TEST_F(LayoutGui, WindowMovesAreWrittenIntoTheSizer) {
  LoggingFrame frame("Moves", WS_OVERLAPPEDWINDOW);
  frame.show(SW_SHOWNORMAL);
  Pane free(&frame, new zSizer(zPoint(7, 8), zDimension(50, 40), frame.sizer()));
  free.show(SW_SHOWNORMAL);
  expectPlace(free, 7, 8, 57, 48);
  // A gravNone window keeps the geometry the program gives it.
  MoveWindow(free.handle(), 20, 25, 60, 45, TRUE);
  pump();
  EXPECT_EQ(free.sizer()->origin(), zPoint(20, 25));
  EXPECT_EQ(free.sizer()->extent(), zDimension(60, 45));
  SetWindowPos(frame.handle(), nullptr, 0, 0, 500, 400, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  pump();
  expectPlace(free, 20, 25, 80, 70);
}

}  // namespace
