// Tool tips on real tool buttons with an injected clock: the 600 ms delay, the 5.5 s limit
// and the expired tool, the jump from tool to tool, the hide timer that goes with the tip,
// another program's active window, and the popup's place at the screen's right edge.
#include "BarsTestSupport.h"
#include "framework/bars/zToolTip.h"
#include "framework/bars/zToolbar.h"
#include "framework/layout/zTiler.h"
#include "framework/visual/zBitmapButton.h"

namespace {

const zStatusMessage kTips[] = {
    {static_cast<int32_t>(kOpenCmd), "Open a model"},
    {static_cast<int32_t>(kSaveCmd), "Save the model"},
    {0, nullptr},
};

// What the timing asks of the system, answered by the test.
class TestTip : public zToolTipCtrl {
 public:
  using zToolTipCtrl::zToolTipCtrl;
  void toolText(zWindow*, FLCString& text) override { text = fallback; }
  HWND under = nullptr;
  int active = 1;
  const char* fallback = "";

 protected:
  HWND windowUnderCursor() override { return under; }
  int applicationActive() override { return active; }
};

struct OwnedCount {
  HWND owner;
  int n;
};

BOOL CALLBACK countOwned(HWND window, LPARAM data) {
  auto* count = reinterpret_cast<OwnedCount*>(data);
  if (GetWindow(window, GW_OWNER) == count->owner) ++count->n;
  return TRUE;
}

class ToolTips : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    frame_ = new MenuFrame();
    strip_ = makeToolStrip(3);
    bar_ = new zToolbar(frame_, new zGravSizer(gravTop, 30, frame_->sizer()), 0x201, WS_CHILD | WS_VISIBLE);
    for (int i = 0; i < 3; ++i)
      buttons_[i] = new zToolButton(bar_, new zSlotSizer(i + 1, 24, 24, bar_->sizer()), WS_CHILD | WS_VISIBLE,
                                    static_cast<int32_t>(kOpenCmd) + i, strip_, zRect(16 * i, 0, 16 * i + 16, 16));
    frame_->show(SW_SHOWNORMAL);
    bar_->show(SW_SHOW);
    frame_->sizer()->update();
    pump();
    useTestClock();
    tip_ = new TestTip(bar_, zToolTipCtrl::watchNearestFrame);
    tip_->setMessageTable(kTips);
    for (zToolButton* b : buttons_) tip_->addTool(b);
  }
  void TearDown() override {
    delete tip_;
    dropTestClock();
    delete frame_;
    delete strip_;
    FrameworkTest::TearDown();
  }
  void moveOver(int i, int x = 5, int y = 6) {
    tip_->under = buttons_[i]->handle();
    SendMessageA(buttons_[i]->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  }
  // Asked without making the popup.
  bool popupVisible() { return tip_->isShown() != 0; }
  // The windows the frame owns: the popup, once made.
  int ownedWindows() {
    OwnedCount count = {frame_->handle(), 0};
    EnumThreadWindows(GetCurrentThreadId(), &countOwned, reinterpret_cast<LPARAM>(&count));
    return count.n;
  }

  MenuFrame* frame_ = nullptr;
  zBitmap* strip_ = nullptr;
  zToolbar* bar_ = nullptr;
  zToolButton* buttons_[3] = {};
  TestTip* tip_ = nullptr;
};

TEST_F(ToolTips, ATipShowsAfterTheDelayAndGoesAfterFiveAndAHalfSeconds) {
  EXPECT_EQ(tip_->watchedWindow(), frame_);
  // The popup is made for the first tip, not with the frame.
  EXPECT_EQ(ownedWindows(), 0);
  moveOver(0);
  EXPECT_TRUE(tip_->delayPending());
  advanceClock(550);
  EXPECT_FALSE(popupVisible());
  EXPECT_EQ(ownedWindows(), 0);
  advanceClock(100);
  ASSERT_TRUE(popupVisible());
  EXPECT_EQ(ownedWindows(), 1);
  EXPECT_STREQ(tip_->popup()->text(), "Open a model");
  // Below and right of the pointer, sized to the text.
  RECT button, popup;
  GetWindowRect(buttons_[0]->handle(), &button);
  GetWindowRect(tip_->popup()->handle(), &popup);
  EXPECT_EQ(popup.left, button.left + 5 + 3);
  EXPECT_EQ(popup.top, button.top + 6 + 16);
  EXPECT_GT(popup.right - popup.left, 8);
  advanceClock(4800);
  EXPECT_TRUE(popupVisible());
  advanceClock(800);
  EXPECT_FALSE(popupVisible());
  EXPECT_EQ(tip_->expiredTool(), buttons_[0]);
  // Resting on the expired tool shows nothing, even for a repeated move message at the
  // same place, until the pointer moves.
  SendMessageA(buttons_[0]->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));
  advanceClock(1000);
  EXPECT_FALSE(popupVisible());
  moveOver(0, 7, 6);
  EXPECT_EQ(tip_->expiredTool(), nullptr);
  advanceClock(650);
  EXPECT_TRUE(popupVisible());
}

TEST_F(ToolTips, APointerThatLeavesBeforeTheDelayGetsNoTip) {
  moveOver(0);
  advanceClock(300);
  tip_->under = frame_->handle();
  advanceClock(400);
  EXPECT_FALSE(popupVisible());
  EXPECT_EQ(tip_->currentTool(), nullptr);
  EXPECT_FALSE(tip_->delayPending());
}

TEST_F(ToolTips, MovingToAnotherToolWhileATipIsUpShowsItsTipAtOnce) {
  moveOver(0);
  advanceClock(650);
  ASSERT_TRUE(popupVisible());
  moveOver(1);
  EXPECT_TRUE(popupVisible());
  EXPECT_FALSE(tip_->delayPending());
  EXPECT_STREQ(tip_->popup()->text(), "Save the model");
  // Leaving the tools: the next check takes the tip down.
  tip_->under = frame_->handle();
  advanceClock(300);
  EXPECT_FALSE(popupVisible());
}

TEST_F(ToolTips, TheShowTimeLimitOfATipThatWasTakenDownDoesNotCutTheNextOneShort) {
  moveOver(0);
  advanceClock(650);
  ASSERT_TRUE(popupVisible());
  advanceClock(4000);
  tip_->under = frame_->handle();  // the pointer leaves: the poll hides the tip
  advanceClock(300);
  ASSERT_FALSE(popupVisible());
  EXPECT_FALSE(tip_->hideTimerRunning());
  moveOver(1);
  advanceClock(650);
  ASSERT_TRUE(popupVisible());
  // 5.5 s after the first tip appeared the second is still up.
  advanceClock(2000);
  EXPECT_TRUE(popupVisible());
  EXPECT_EQ(tip_->currentTool(), buttons_[1]);
  EXPECT_EQ(tip_->expiredTool(), nullptr);
}

TEST_F(ToolTips, NoTipWhileAnotherProgramIsActiveAndTheTipGoesOnClicksAndDeactivation) {
  tip_->active = 0;
  moveOver(0);
  advanceClock(700);
  EXPECT_FALSE(popupVisible());
  tip_->active = 1;
  moveOver(1);
  advanceClock(650);
  ASSERT_TRUE(popupVisible());
  SendMessageA(buttons_[1]->handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 6));
  SendMessageA(buttons_[1]->handle(), WM_RBUTTONUP, 0, MAKELPARAM(5, 6));
  EXPECT_FALSE(popupVisible());
  moveOver(0, 9, 9);
  advanceClock(650);
  ASSERT_TRUE(popupVisible());
  SendMessageA(frame_->handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_FALSE(popupVisible());
  // Disabled: no tips at all.
  tip_->setEnabled(0);
  moveOver(1, 3, 3);
  advanceClock(650);
  EXPECT_FALSE(popupVisible());
}

TEST_F(ToolTips, AToolWithoutATextShowsAnEmptyFrameAndARemovedToolIsNoLongerWatched) {
  moveOver(2);  // 580 has no entry in the table and toolText leaves it empty
  advanceClock(650);
  ASSERT_TRUE(popupVisible());
  EXPECT_STREQ(tip_->popup()->text(), "");
  RECT r;
  GetClientRect(tip_->popup()->handle(), &r);
  EXPECT_EQ(r.right, 8);
  tip_->removeTool(buttons_[2]);
  EXPECT_FALSE(popupVisible());
  moveOver(2, 4, 4);
  EXPECT_FALSE(tip_->delayPending());
  tip_->fallback = "From the program";
  tip_->addTool(buttons_[2]);
  moveOver(2, 6, 4);
  advanceClock(650);
  EXPECT_STREQ(tip_->popup()->text(), "From the program");
}

TEST_F(ToolTips, ATipOutlivingItsToolsAndFrameLeavesThemAlone) {
  moveOver(0);
  advanceClock(650);
  ASSERT_TRUE(popupVisible());
  delete frame_;  // the tools, the watched frame and the popup go first
  frame_ = nullptr;
  EXPECT_EQ(tip_->popup(), nullptr);
  advanceClock(6000);  // the timers still run and find nothing to touch
  delete tip_;
  tip_ = nullptr;
}

TEST_F(ToolTips, NearTheRightEdgeThePopupOpensToTheLeft) {
  ziToolHelper* popup = tip_->popup();
  popup->setText("A tip near the right edge of the screen");
  const int screen = GetSystemMetrics(SM_CXSCREEN);
  popup->place(screen - 20, 100);
  RECT r;
  GetWindowRect(popup->handle(), &r);
  EXPECT_LT(r.left, screen - 20 - 20);  // the text is wider than 17 pixels
  EXPECT_LE(r.right, screen);
  popup->place(100, 100);
  GetWindowRect(popup->handle(), &r);
  EXPECT_EQ(r.left, 100);
}

}  // namespace
