#include <gtest/gtest.h>

#include <string>

#include "FramesTestSupport.h"
#include "GuiTestSupport.h"
#include "frames_test_resources.h"
#include "framework/core/zResources.h"
#include "framework/core/zScrollInfo.h"
#include "framework/layout/zSizer.h"
#include "framework/draw/zDisplay.h"
#include "framework/core/zWinDisplay.h"
#include "framework/frames/zDialogFrame.h"
#include "framework/frames/zPane.h"

namespace {

using Resources = FrameworkTest;
using Panes = FrameworkTest;

TEST_F(Resources, StringsComeFromTheTableOrStayEmpty) {
  EXPECT_EQ(zString::fromResource(zResId(kGreetingString)), "Hello from the string table");
  EXPECT_EQ(zString(zResId(kGreetingString), 6), "Hello");
  EXPECT_EQ(zString::fromResource(zResId(kMissingString)), "");
  // A module that cannot be loaded: the program's own table still serves.
  EXPECT_EQ(zString::fromResource(zResId(kGreetingString, "no-such-module.dll")), "Hello from the string table");
  zString s('a');
  s += static_cast<const char*>(nullptr);
  s += '\0';
  s += "bc";
  EXPECT_EQ(s, "abc");
}

TEST_F(Resources, StringBlocksStepAndRewind) {
  zResStrBlock block(zResId(kChoicesBlock));
  ASSERT_NE(block.data(), nullptr);
  EXPECT_STREQ(block.nextString(), "first");
  EXPECT_STREQ(block.nextString(), "second");
  EXPECT_EQ(block.nextString(), nullptr);
  block.rewind();
  EXPECT_STREQ(block.nextString(), "first");
  zResStrBlock open(zResId(kOpenBlock));
  EXPECT_STREQ(open.nextString(), "only");
  EXPECT_EQ(open.nextString(), nullptr) << "no read past the resource";
  zResStrBlock missing(zResId(kMissingString));
  EXPECT_EQ(missing.data(), nullptr);
  EXPECT_EQ(missing.nextString(), nullptr);
}

TEST_F(Resources, IconsAndCursors) {
  zIcon system(static_cast<uint16_t>(32512));  // IDI_APPLICATION
  EXPECT_NE(system.handle(), nullptr);
  EXPECT_FALSE(system.owned());
  zIcon copy(system);
  EXPECT_NE(copy.handle(), nullptr);
  zIcon none("C:\\windows\\win.ini");
  EXPECT_EQ(none.handle(), nullptr);
  zIcon fromMissingModule(zResId(1, "no-such-module.dll"));
  EXPECT_EQ(fromMissingModule.handle(), nullptr);
  EXPECT_EQ(zLoadCursor(zResId(1, "no-such-module.dll")), nullptr);
  zResId named("named");
  zResId* copied = new zResId(named);
  delete copied;
  EXPECT_STREQ(named.resourceName(), "named") << "a copy owns a name of its own";
}

class DrawingPane : public zPane {
 public:
  DrawingPane(zWindow* parent)
      : zPane(parent, new zSizer(zPoint(0, 0), zDimension(80, 60), parent->sizer()), WS_VSCROLL | WS_HSCROLL, 7) {
    create();
  }
  int draw(zEvent*) override {
    ++draws;
    insidePaint = display() && display()->isPainting() && display()->hdc() != nullptr;
    return 1;
  }
  int draws = 0;
  bool insidePaint = false;
};

TEST_F(Panes, DrawRunsInsideBeginPaintOnTheWindowDisplay) {
  zDialogFrame frame(nullptr, new zSizer(zPoint(0, 0), zDimension(200, 150), nullptr), WS_POPUP, "panes");
  frame.show(SW_SHOWNORMAL);
  DrawingPane pane(&frame);
  pane.show(SW_SHOW);
  char cls[32];
  GetClassNameA(pane.handle(), cls, sizeof cls);
  EXPECT_STREQ(cls, "PaneWindowCL");
  // A printer display on top: painting still goes to the window, which it leaves current.
  ziInfoDisplay other;
  pane.pushDisplay(&other);
  pane.draws = 0;
  InvalidateRect(pane.handle(), nullptr, TRUE);
  UpdateWindow(pane.handle());
  EXPECT_EQ(pane.draws, 1);
  EXPECT_TRUE(pane.insidePaint);
  EXPECT_EQ(pane.display(), &other);
  EXPECT_EQ(pane.popDisplay(), static_cast<zDisplay*>(pane.windowDisplay()));
}

TEST_F(Panes, ScrollRangesArriveInOrderAndEqualBoundsHideTheBar) {
  zDialogFrame frame(nullptr, new zSizer(zPoint(0, 0), zDimension(200, 150), nullptr), WS_POPUP, "ranges");
  frame.show(SW_SHOWNORMAL);
  DrawingPane pane(&frame);
  pane.show(SW_SHOW);
  zScrollInfo* info = new zScrollInfoVert(&pane);
  pane.setVertScroll(info);
  info->setRange(0, 500);
  info->setPos(400);  // the posted range must reach the bar before this position
  EXPECT_EQ(GetScrollPos(pane.handle(), SB_VERT), 400);
  int low = -1, high = -1;
  GetScrollRange(pane.handle(), SB_VERT, &low, &high);
  EXPECT_EQ(high, 500);
  const zRange r{10, 20};
  info->set(&r, 50, 2, -1, -1);
  EXPECT_EQ(info->pos(), 20);
  EXPECT_EQ(info->lineStep(), 2);
  EXPECT_EQ(info->pageStep(), 10);
  info->setRange(0, 0);
  pump();
  GetScrollRange(pane.handle(), SB_VERT, &low, &high);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 0);
  EXPECT_FALSE(GetWindowLongA(pane.handle(), GWL_STYLE) & WS_VSCROLL) << "equal bounds hide it";
}

TEST_F(Panes, PaneControlsWantArrowsAndCharactersAndNotifyTheirParent) {
  zDialogFrame frame(nullptr, new zSizer(zPoint(0, 0), zDimension(200, 150), nullptr), WS_POPUP, "pane control");
  zPaneControl control(&frame, new zSizer(zPoint(5, 5), zDimension(50, 50), frame.sizer()), WS_TABSTOP, nullptr, 42);
  EXPECT_EQ(SendMessageA(control.handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
  int code = -1;
  struct Spy {
    int* code;
    int on(zEvent* e) {
      *code = HIWORD(e->wParam_);
      return 1;
    }
  } spy{&code};
  control.addCommandNotify(&spy, &Spy::on);
  control.sendNotify(7);
  EXPECT_EQ(code, 7);
}

}  // namespace

namespace {

TEST_F(Resources, WindowsTakeIconsCursorsAndStyles) {
  zDialogFrame frame(nullptr, nullptr, WS_POPUP, "icons");
  zIcon* icon = new zIcon(static_cast<uint16_t>(32516));  // IDI_INFORMATION
  const HICON handle = icon->handle();
  frame.setIcon(icon);
  EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(frame.handle(), GCLP_HICON)), handle);
  frame.setCursor(zCursor(LoadCursor(nullptr, IDC_CROSS)));
  EXPECT_EQ(frame.cursor().handle(), LoadCursor(nullptr, IDC_CROSS));
  frame.setStyleBits(WS_BORDER);
  frame.updateStyle();
  EXPECT_TRUE(GetWindowLongA(frame.handle(), GWL_STYLE) & WS_BORDER);
}

}  // namespace
