// Scrollers on a routed pane: automatic ranges, line, page, end and thumb scrolls with the
// origin that follows them, the keyboard, and the reset when the scroller goes.
#include <gtest/gtest.h>

#include <vector>

#include "ControlTestSupport.h"
#include "framework/frames/zPaneScroller.h"
#include "framework/core/zScrollInfo.h"

namespace {

using Scrollers = FrameworkTest;

struct Moved {
  int32_t dx, dy;
  bool operator==(const Moved& o) const { return dx == o.dx && dy == o.dy; }
};

class RecordingScroller : public zPaneScrollerAuto {
 public:
  explicit RecordingScroller(zWindow* pane) : zPaneScrollerAuto(pane) {}
  int vertBottom() override {
    ++bottoms;
    return zPaneScrollerAuto::vertBottom();
  }
  int vertPage() override {
    ++pages;
    return zPaneScrollerAuto::vertPage();
  }
  int beforeScroll() override {
    ++befores;
    return 0;
  }
  std::vector<Moved> moves;
  int bottoms = 0;
  int pages = 0;
  int befores = 0;

 protected:
  void scrollPane(int32_t dx, int32_t dy, const zRect& rect) override {
    moves.push_back(Moved{dx, dy});
    zPaneScrollerAuto::scrollPane(dx, dy, rect);
  }
};

void send(zWindow* pane, UINT message, WORD code, WORD thumb = 0) {
  SendMessageA(pane->handle(), message, MAKEWPARAM(code, thumb), 0);
}

TEST_F(Scrollers, AutoRangesLinePageEndAndThumbScrolls) {
  LoggingFrame frame;
  RoutedChild* pane = new RoutedChild(&frame, 1, zRect(0, 0, 200, 100), WS_VISIBLE | WS_VSCROLL);
  pane->setVertScroll(new zScrollInfoVert(pane));
  RECT client;
  GetClientRect(pane->handle(), &client);
  RECT wr;
  GetWindowRect(pane->handle(), &wr);
  ASSERT_EQ(client.bottom, 100) << wr.left << "," << wr.top << "," << wr.right << "," << wr.bottom << " style "
                                << std::hex << nativeStyle(pane->handle());
  pane->contents = zDimension(50, 250);
  pane->hasContents = true;
  RecordingScroller* scroller = new RecordingScroller(pane);
  pane->setScroller(scroller);
  scroller->setVert(nullptr, 10, 0);
  scroller->recalc();
  zScrollInfo* v = pane->vertScroll();
  EXPECT_EQ(v->low(), 0);
  EXPECT_EQ(v->high(), 15);  // 250 in 100 by lines of 10
  EXPECT_EQ(scroller->vertPageSize(), 100);

  send(pane, WM_VSCROLL, SB_LINEDOWN);
  ASSERT_EQ(scroller->moves.size(), 1u);
  EXPECT_EQ(scroller->moves.back(), (Moved{0, -10}));
  EXPECT_EQ(scroller->origin(), zPoint(0, 10));
  EXPECT_EQ(v->prevPos(), 1);
  send(pane, WM_VSCROLL, SB_LINEUP);
  EXPECT_EQ(scroller->moves.back(), (Moved{0, 10}));
  EXPECT_EQ(scroller->origin(), zPoint(0, 0));

  // Page down near the end: the range cuts the page short, so it goes to the bottom.
  v->setPos(12);
  v->setPrevPos(12);
  send(pane, WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(scroller->bottoms, 1);
  EXPECT_EQ(v->pos(), 15);
  EXPECT_EQ(scroller->moves.back(), (Moved{0, -30}));
  EXPECT_EQ(scroller->origin(), zPoint(0, 150));

  // Nothing moved: handled, no scroll. The end of a scroll runs no hook.
  const size_t moves = scroller->moves.size();
  const int befores = scroller->befores;
  send(pane, WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(scroller->moves.size(), moves);
  send(pane, WM_VSCROLL, SB_ENDSCROLL);
  EXPECT_EQ(scroller->befores, befores + 1);

  // Home and End scroll only with Ctrl.
  SendMessageA(pane->handle(), WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(v->pos(), 15);
  {
    CtrlHeld ctrl;
    SendMessageA(pane->handle(), WM_KEYDOWN, VK_HOME, 0);
  }
  EXPECT_EQ(v->pos(), 0);
  EXPECT_EQ(scroller->moves.back(), (Moved{0, 150}));
  EXPECT_EQ(scroller->origin(), zPoint(0, 0));
  SendMessageA(pane->handle(), WM_KEYDOWN, VK_NEXT, 0);  // Page Down without Ctrl
  EXPECT_EQ(v->pos(), 10);
  EXPECT_EQ(scroller->pages, 2);  // the page cut short above went through vertPage too
  EXPECT_EQ(scroller->moves.back(), (Moved{0, -100}));
  EXPECT_EQ(scroller->origin(), zPoint(0, 100));

  // A thumb drop at 7 with lines of 16 pixels puts the origin at 112.
  scroller->setVertLine(16);
  send(pane, WM_VSCROLL, SB_THUMBPOSITION, 7);
  EXPECT_EQ(scroller->moves.back(), (Moved{0, 48}));
  EXPECT_EQ(scroller->origin(), zPoint(0, 112));
  // A bar line step and a line size of 0 divide nothing by zero.
  v->setLineStep(0);
  scroller->setVertLine(0);
  send(pane, WM_VSCROLL, SB_THUMBPOSITION, 3);
  EXPECT_EQ(scroller->origin(), zPoint(0, 3));

  // Contents that fit: range 0-0, position and origin 0.
  pane->contents = zDimension(50, 80);
  scroller->recalc();
  EXPECT_EQ(v->high(), 0);
  EXPECT_EQ(v->pos(), 0);
  EXPECT_EQ(scroller->origin(), zPoint(0, 0));
  pane->setScroller(nullptr);
  delete scroller;
}

TEST_F(Scrollers, CtrlPageKeysScrollHorizontallyWithAnEmptyVerticalRange) {
  LoggingFrame frame;
  RoutedChild* pane = new RoutedChild(&frame, 1, zRect(0, 0, 200, 150), WS_VISIBLE | WS_VSCROLL | WS_HSCROLL);
  pane->setVertScroll(new zScrollInfoVert(pane));
  pane->setHorzScroll(new zScrollInfoHoriz(pane));
  pane->contents = zDimension(1000, 20);  // wide, and as low as the client
  pane->hasContents = true;
  RecordingScroller* scroller = new RecordingScroller(pane);
  pane->setScroller(scroller);
  EXPECT_EQ(pane->vertScroll()->high(), 0);
  ASSERT_GT(pane->horzScroll()->high(), 20);
  {
    CtrlHeld ctrl;
    SendMessageA(pane->handle(), WM_KEYDOWN, VK_NEXT, 0);
  }
  EXPECT_EQ(pane->horzScroll()->pos(), 10);
  ASSERT_FALSE(scroller->moves.empty());
  EXPECT_EQ(scroller->moves.back(), (Moved{-10, 0}));
  EXPECT_EQ(scroller->origin(), zPoint(10, 0));
  // Without Ctrl, Page Down is vertical, and the vertical range is empty.
  const size_t moves = scroller->moves.size();
  SendMessageA(pane->handle(), WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(scroller->moves.size(), moves);
  // The scroller leaves the pane at the start when it goes.
  pane->setScroller(nullptr);
  delete scroller;
  EXPECT_EQ(pane->horzScroll()->pos(), 0);
  EXPECT_EQ(pane->horzScroll()->high(), 0);
  // Its key handler went with it.
  SendMessageA(pane->handle(), WM_KEYDOWN, VK_NEXT, 0);
}

TEST_F(Scrollers, AControlScrollerDispatchesEveryCode) {
  struct Counting : zControlScroller {
    explicit Counting(zWindow* w) : zControlScroller(w) {}
    int vertLine() override { return ++lines; }
    int horzRight() override { return ++rights; }
    int lines = 0;
    int rights = 0;
  };
  LoggingFrame frame;
  Counting scroller(&frame);
  zEvent down(0, SB_LINEDOWN, WM_VSCROLL, frame.handle());
  EXPECT_EQ(scroller.scroll(&down), 1);
  zEvent right(0, SB_RIGHT, WM_HSCROLL, frame.handle());
  EXPECT_EQ(scroller.scroll(&right), 1);
  zEvent other(0, 0, WM_KEYDOWN, frame.handle());
  EXPECT_EQ(scroller.scroll(&other), 0);
  EXPECT_EQ(scroller.lines, 1);
  EXPECT_EQ(scroller.rights, 1);
}

}  // namespace
