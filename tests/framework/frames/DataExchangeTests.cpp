#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "FramesTestSupport.h"
#include "GuiTestSupport.h"
#include "framework/layout/zSizer.h"
#include "framework/draw/zFont.h"
#include "framework/frames/zChildFrame.h"
#include "framework/frames/zDialogFrame.h"

namespace {

using DataExchange = FrameworkTest;

class CountingFont : public zFont {
 public:
  CountingFont() : zFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), false) {}
  ~CountingFont() override { ++deleted; }
  static int deleted;
};
int CountingFont::deleted = 0;

// A container that logs what it is told of focus moves inside it.
class FocusFrame : public zDialogFrame {
 public:
  FocusFrame() : zDialogFrame(nullptr, nullptr, WS_POPUP, "focus") {}
  void childFocusChanged(zWindow* previous, zWindow* current) override { moves.emplace_back(previous, current); }
  std::vector<std::pair<zWindow*, zWindow*>> moves;
};

zControl* makeEdit(zWindow* parent, int id, int y) {
  zControl* edit = new zControl(parent, new zSizer(zPoint(5, y), zDimension(100, 20), parent->sizer()),
                                WS_TABSTOP | WS_BORDER, "", id, "edit");
  edit->create();
  edit->show(SW_SHOW);
  return edit;
}

TEST_F(DataExchange, OneFontObjectIsOwnedByTheFrameAndDeletedOnce) {
  zDialogFrame frame(nullptr, nullptr, WS_POPUP, "fonts");
  zControl* a = makeEdit(&frame, 10, 5);
  zControl* b = makeEdit(&frame, 11, 30);
  CountingFont::deleted = 0;
  CountingFont* first = new CountingFont;
  frame.setFont(first, 0);
  EXPECT_EQ(a->fontObject(), first);
  EXPECT_EQ(b->fontObject(), first);
  EXPECT_TRUE(frame.flags() & zWinOwnsFontObject);
  EXPECT_FALSE(a->flags() & zWinOwnsFontObject);
  frame.setFont(new CountingFont, 0);
  EXPECT_EQ(CountingFont::deleted, 1);
  frame.setFont(static_cast<zFont*>(nullptr), 0);
  EXPECT_EQ(CountingFont::deleted, 2);
  EXPECT_EQ(a->fontObject(), nullptr);
  EXPECT_EQ(b->fontObject(), nullptr);
}

TEST_F(DataExchange, ControlCommandHandlersGoIntoTheParentsList) {
  zDialogFrame frame(nullptr, nullptr, WS_POPUP, "notify");
  zControl* edit = makeEdit(&frame, 12, 5);
  struct Counter {
    int calls = 0;
    int changes = 0;
    int on(zEvent*) {
      ++calls;
      return 0;
    }
    int changed(zEvent*) {
      ++changes;
      return 1;
    }
  } counter;
  edit->addCommandNotify(&counter, &Counter::on);
  edit->addCommandNotify(&counter, &Counter::on);
  EXPECT_EQ(edit->notifyList(), nullptr);
  ASSERT_NE(frame.notifyList(), nullptr);
  SendMessageA(frame.handle(), WM_COMMAND, 12, reinterpret_cast<LPARAM>(edit->handle()));
  EXPECT_EQ(counter.calls, 2);
  edit->removeCommandNotifyFor(&counter, &Counter::on);
  SendMessageA(frame.handle(), WM_COMMAND, 12, 0);
  EXPECT_EQ(counter.calls, 3) << "one removal removes one registration";
  // One notification code of the control.
  edit->addCtrlNotify(zEventHandler(&counter, &Counter::changed), EN_CHANGE);
  SetWindowTextA(edit->handle(), "typed");
  EXPECT_EQ(counter.changes, 1);
  edit->removeCtrlNotify(zEventHandler(&counter, &Counter::changed), EN_CHANGE);
  SetWindowTextA(edit->handle(), "again");
  EXPECT_EQ(counter.changes, 1);
}

TEST_F(DataExchange, FocusMovesAreToldToEveryAncestor) {
  FocusFrame frame;
  frame.show(SW_SHOWNORMAL);
  zChildFrame* a = new zChildFrame(&frame, new zSizer(zPoint(5, 5), zDimension(50, 20), nullptr), WS_TABSTOP, "a");
  zChildFrame* b = new zChildFrame(&frame, new zSizer(zPoint(5, 30), zDimension(50, 20), nullptr), WS_TABSTOP, "b");
  a->show(SW_SHOW);
  b->show(SW_SHOW);
  SetFocus(a->handle());
  frame.moves.clear();
  SetFocus(b->handle());
  ASSERT_FALSE(frame.moves.empty());
  EXPECT_EQ(frame.moves.back().first, a);
  EXPECT_EQ(frame.moves.back().second, b);
  EXPECT_EQ(zWindow::lastFocused(), b);
}

TEST_F(DataExchange, CentringKeepsTheWindowOnTheScreen) {
  zDialogFrame big(nullptr, new zSizer(zPoint(0, 0), zDimension(5000, 4000), nullptr), WS_POPUP, "big");
  big.center(0);
  RECT r;
  GetWindowRect(big.handle(), &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  zDialogFrame small(nullptr, new zSizer(zPoint(0, 0), zDimension(100, 80), nullptr), WS_POPUP, "small");
  small.center(0);
  GetWindowRect(small.handle(), &r);
  const int w = r.right - r.left;
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - w) / 2);
  small.fixMinimumSize();
  EXPECT_EQ(small.minimumSize().width(), w);
  MINMAXINFO info = {};
  SendMessageA(small.handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, w);
}

}  // namespace
