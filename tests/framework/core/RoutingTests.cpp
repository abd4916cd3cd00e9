#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "framework/controls/zControl.h"
#include "framework/core/zMenu.h"
#include "framework/core/zPopupMenu.h"
#include "framework/core/zScrollInfo.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zTaskDev.h"
#include "framework/core/ziWindowMap.h"

namespace {

using Routing = FrameworkTest;
using Log = std::vector<std::string>;

TEST_F(Routing, HandlerBeforeSlotBeforeDefaultProcessing) {
  LoggingFrame keeper;  // the main frame
  LoggingFrame frame;
  frame.logged = WM_CLOSE;
  frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering0, WM_CLOSE);
  frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering0, WM_CLOSE);
  frame.closeAnswer = 1;
  EXPECT_EQ(SendMessageA(frame.handle(), WM_CLOSE, 0, 0), 1);
  EXPECT_EQ(frame.log, (Log{"handler0", "handler0", "slot"}));
  EXPECT_TRUE(IsWindow(frame.handle()));
  // A handler answering 1 ends the routing there.
  frame.log.clear();
  frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering1, WM_CLOSE);
  EXPECT_EQ(SendMessageA(frame.handle(), WM_CLOSE, 0, 0), 1);
  EXPECT_EQ(frame.log, (Log{"handler0", "handler0", "handler1"}));
  // Handlers and slot answering 0: the default procedure closes the window.
  frame.removeMessageHandler(&frame, &LoggingFrame::handlerAnswering1, WM_CLOSE);
  frame.closeAnswer = 0;
  frame.log.clear();
  const HWND handle = frame.handle();
  SendMessageA(handle, WM_CLOSE, 0, 0);
  EXPECT_EQ(frame.log, (Log{"handler0", "handler0", "slot", "default"}));
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_TRUE(frame.flags() & zWinGone);
  EXPECT_EQ(app_->windowMap()->find(handle), nullptr);
  EXPECT_FALSE(takeQuit()) << "a second frame's WM_DESTROY must not end the loop";
}

TEST_F(Routing, CommandGoesToPopupMenuThenMenuThenCommandListThenGeneralListThenSlot) {
  struct Listener {
    Log* log;
    int popup(zEvent*) {
      log->push_back("popup");
      return 0;
    }
    int menu(zEvent*) {
      log->push_back("menu");
      return 0;
    }
    int command(zEvent*) {
      log->push_back("command");
      return 0;
    }
    int general(zEvent*) {
      log->push_back("general");
      return 0;
    }
    int take(zEvent*) {
      log->push_back("take");
      return 1;
    }
  };
  LoggingFrame frame;
  frame.logged = WM_COMMAND;
  Listener l{&frame.log};
  zMenu* menu = new zMenu(&frame);
  frame.setMenu(menu);
  menu->addNotifyNode(&frame, new zNotifyNode(40, zEventHandler(&l, &Listener::menu), WM_COMMAND));
  frame.appendCommandNode(new zNotifyNode(30, 50, zEventHandler(&l, &Listener::command), WM_COMMAND));
  frame.addNotifyHandler(&l, &Listener::general, WM_COMMAND);
  zPopupMenu popup(&frame);
  popup.addNotifyNode(nullptr, new zNotifyNode(40, zEventHandler(&l, &Listener::popup), WM_COMMAND));
  ziTrackedPopupMenu = &popup;
  SendMessageA(frame.handle(), WM_COMMAND, 40, 0);
  EXPECT_EQ(frame.log, (Log{"popup", "menu", "command", "general", "slot", "default"}));
  // A tracked popup menu that takes the command keeps it from everything else.
  popup.addNotifyNode(nullptr, new zNotifyNode(40, zEventHandler(&l, &Listener::take), WM_COMMAND));
  frame.log.clear();
  EXPECT_EQ(SendMessageA(frame.handle(), WM_COMMAND, 40, 0), 1);
  EXPECT_EQ(frame.log, (Log{"popup", "take"}));
  ziTrackedPopupMenu = nullptr;
  // Outside the command list's range the general list still hears it.
  frame.log.clear();
  SendMessageA(frame.handle(), WM_COMMAND, 60, 0);
  EXPECT_EQ(frame.log, (Log{"general", "slot", "default"}));
  // WM_INITMENU: the menus, then the general list; no slot.
  frame.logged = WM_INITMENU;
  frame.log.clear();
  SendMessageA(frame.handle(), WM_INITMENU, reinterpret_cast<WPARAM>(menu->handle()), 0);
  EXPECT_EQ(frame.log, (Log{"default"}));
}

TEST_F(Routing, ACloseHandlerMayDeleteItsWindow) {
  LoggingFrame keeper;
  struct Closer {
    LoggingFrame* frame;
    int calls = 0;
    int close(zEvent*) {
      ++calls;
      delete frame;
      return 1;
    }
  };
  LoggingFrame* frame = new LoggingFrame;
  Closer closer{frame};
  frame->addMessageHandler(&closer, &Closer::close, WM_CLOSE);
  frame->addMessageHandler(&closer, &Closer::close, WM_CLOSE);
  const HWND handle = frame->handle();
  EXPECT_EQ(SendMessageA(handle, WM_CLOSE, 0, 0), 1);
  EXPECT_EQ(closer.calls, 1);
  EXPECT_EQ(LoggingFrame::destroyed, 1);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(app_->windowMap()->find(handle), nullptr);
}

TEST_F(Routing, MessagesDuringCreationGetDefaultProcessing) {
  struct Counter {
    int creates = 0;
    int later = 0;
    int onCreate(zEvent*) {
      ++creates;
      return 0;
    }
    int onLater(zEvent*) {
      ++later;
      return 0;
    }
  } counter;
  app_->addNotifyHandler(&counter, &Counter::onCreate, WM_CREATE);
  app_->addNotifyHandler(&counter, &Counter::onCreate, WM_NCCREATE);
  app_->addNotifyHandler(&counter, &Counter::onLater, WM_USER + 1);
  LoggingFrame frame;
  EXPECT_EQ(counter.creates, 0);
  SendMessageA(frame.handle(), WM_USER + 1, 0, 0);
  EXPECT_EQ(counter.later, 1);
}

TEST_F(Routing, SelfDeletingWindowIsDeletedAtNcDestroy) {
  LoggingFrame keeper;
  LoggingFrame* frame = new LoggingFrame;
  frame->setSelfDeleting();
  const HWND handle = frame->handle();
  DestroyWindow(handle);
  EXPECT_EQ(LoggingFrame::destroyed, 1);
  EXPECT_EQ(app_->windowMap()->find(handle), nullptr);
  // Later messages for the handle find no object.
  EXPECT_EQ(SendMessageA(handle, WM_USER, 0, 0), 0);
  // A window that does not delete itself stays, marked gone.
  LoggingFrame stays;
  DestroyWindow(stays.handle());
  EXPECT_EQ(LoggingFrame::destroyed, 1);
  EXPECT_TRUE(stays.flags() & zWinGone);
}

TEST_F(Routing, MainFrameDestroyEndsTheLoopAndASecondFramesDoesNot) {
  LoggingFrame* main = new LoggingFrame;
  LoggingFrame* second = new LoggingFrame;
  ASSERT_EQ(app_->mainFrame(), main);
  PostMessageA(second->handle(), WM_CLOSE, 0, 0);
  struct Check {
    LoggingFrame* second;
    bool secondGone = false;
    int afterSecond(zEvent*) {
      secondGone = !IsWindow(second->handle());
      return 1;
    }
  } check{second};
  main->addNotifyHandler(&check, &Check::afterSecond, WM_USER + 2);
  PostMessageA(main->handle(), WM_USER + 2, 0, 0);
  PostMessageA(main->handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(runLoopWithDeadline(), 0);
  EXPECT_TRUE(check.secondGone);
  EXPECT_FALSE(IsWindow(main->handle()));
  EXPECT_FALSE(app_->taskDev()->isEnabled());
  delete second;
  delete main;
}

TEST_F(Routing, ScrollMessagesMoveTheWindowsScrollInformation) {
  LoggingFrame frame;
  frame.logged = WM_HSCROLL;
  frame.setVertScroll(new zScrollInfoVert(&frame));
  frame.setHorzScroll(new zScrollInfoHoriz(&frame));
  zScrollInfo* v = frame.vertScroll();
  zScrollInfo* h = frame.horzScroll();
  struct Case {
    UINT message;
    WPARAM wParam;
    int32_t vert;
    int32_t horz;
  };
  const Case cases[] = {
      {WM_VSCROLL, SB_LINEDOWN, 1, 0},
      {WM_VSCROLL, SB_PAGEDOWN, 11, 0},
      {WM_VSCROLL, SB_LINEUP, 10, 0},
      {WM_VSCROLL, SB_PAGEUP, 0, 0},
      {WM_VSCROLL, SB_BOTTOM, 100, 0},
      {WM_VSCROLL, SB_TOP, 0, 0},
      {WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40), 40, 0},
      {WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 500), 100, 0},
      {WM_VSCROLL, SB_ENDSCROLL, 100, 0},
      {WM_HSCROLL, SB_LINEDOWN, 100, 1},
      {WM_HSCROLL, SB_PAGEUP, 100, 0},
  };
  for (const Case& c : cases) {
    SendMessageA(frame.handle(), c.message, c.wParam, 0);
    EXPECT_EQ(v->pos(), c.vert) << c.message << " " << c.wParam;
    EXPECT_EQ(h->pos(), c.horz) << c.message << " " << c.wParam;
  }
  EXPECT_EQ(frame.log, (Log{"scroll", "default", "scroll", "default"}));
}

TEST_F(Routing, MouseWheelScrollsVerticallyByWholeNotches) {
  LoggingFrame frame;
  frame.setVertScroll(new zScrollInfoVert(&frame));
  frame.setHorzScroll(new zScrollInfoHoriz(&frame));
  frame.vertScroll()->setPos(50);
  frame.horzScroll()->setPos(50);
  frame.vertScroll()->setLineStep(3);
  struct Case {
    int16_t delta;
    WORD keys;
    int32_t vert;
  };
  const Case cases[] = {
      {-120, 0, 53},        // one notch towards the user: down one line step
      {120, 0, 50},         // away: up
      {-360, 0, 59},        // three notches
      {240, MK_SHIFT, 53},  // keys held do not change the direction or the amount
      {60, 0, 53},          // less than a notch: nothing
  };
  const LPARAM position = MAKELPARAM(10, 10);
  for (const Case& c : cases) {
    SendMessageA(frame.handle(), WM_MOUSEWHEEL, MAKEWPARAM(c.keys, static_cast<WORD>(c.delta)), position);
    EXPECT_EQ(frame.vertScroll()->pos(), c.vert) << c.delta;
    EXPECT_EQ(frame.horzScroll()->pos(), 50) << c.delta;
  }
}

TEST_F(Routing, ScrollFromAControlThatIsNoScrollBarGoesToTheHandlerLists) {
  LoggingFrame frame;
  frame.logged = WM_HSCROLL;
  frame.setHorzScroll(new zScrollInfoHoriz(&frame));
  zControl* label =
      new zControl(&frame, new zSizer(zPoint(0, 0), zDimension(50, 20), nullptr), WS_VISIBLE, "label", 101, "static");
  label->create();
  ASSERT_TRUE(IsWindow(label->handle()));
  frame.addNotifyHandler(&frame, &LoggingFrame::handlerAnswering0, WM_HSCROLL);
  SendMessageA(frame.handle(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(label->handle()));
  EXPECT_EQ(frame.horzScroll()->pos(), 0);
  EXPECT_EQ(frame.log, (Log{"handler0", "default"}));
}

TEST_F(Routing, CursorAndHitTestHandlersAnswerOnceRegistered) {
  LoggingFrame frame;
  frame.logged = WM_SETCURSOR;
  const LPARAM inClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
  SendMessageA(frame.handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(frame.handle()), inClient);
  EXPECT_EQ(frame.log, (Log{"default"}));
  frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering1, WM_SETCURSOR);
  frame.log.clear();
  EXPECT_EQ(SendMessageA(frame.handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(frame.handle()), inClient), 1);
  EXPECT_EQ(frame.log, (Log{"handler1"}));
  frame.logged = WM_NCHITTEST;
  frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering1, WM_NCHITTEST);
  frame.log.clear();
  EXPECT_EQ(SendMessageA(frame.handle(), WM_NCHITTEST, 0, 0), 1);
  EXPECT_EQ(frame.log, (Log{"handler1"}));
}

TEST_F(Routing, FocusAndActivationHandlersHearWindowHandlesAndFlags) {
  LoggingFrame frame;
  LoggingFrame other;
  frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering1, WM_SETFOCUS);
  frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering1, WM_KILLFOCUS);
  frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering1, WM_ACTIVATE);
  const WPARAM otherWindow = reinterpret_cast<WPARAM>(other.handle());
  ASSERT_GT(otherWindow, 0xFFFFu);
  EXPECT_EQ(SendMessageA(frame.handle(), WM_SETFOCUS, otherWindow, 0), 1);
  EXPECT_EQ(SendMessageA(frame.handle(), WM_KILLFOCUS, otherWindow, 0), 1);
  EXPECT_EQ(SendMessageA(frame.handle(), WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 1), 0), 1);
  EXPECT_EQ(frame.log, (Log{"handler1", "handler1", "handler1"}));
}

TEST_F(Routing, ControlsFollowTheEndOfTheirWindows) {
  LoggingFrame frame;
  auto makeLabel = [&frame](int id) {
    zControl* c =
        new zControl(&frame, new zSizer(zPoint(0, 0), zDimension(60, 20), nullptr), WS_VISIBLE, "label", id, "static");
    c->create();
    return c;
  };
  zControl* stays = makeLabel(301);
  char text[16] = {};
  GetWindowTextA(stays->handle(), text, sizeof text);
  EXPECT_STREQ(text, "label");  // the class's own procedure still does the work
  EXPECT_EQ(GetDlgCtrlID(stays->handle()), 301);
  const HWND staysHandle = stays->handle();
  DestroyWindow(staysHandle);
  EXPECT_TRUE(stays->flags() & zWinGone);
  EXPECT_EQ(app_->windowMap()->find(staysHandle), nullptr);
  EXPECT_EQ(frame.children().count(), 1u);

  zControl* goes = makeLabel(302);
  goes->setSelfDeleting();
  const HWND goesHandle = goes->handle();
  DestroyWindow(goesHandle);
  EXPECT_EQ(frame.children().count(), 1u);  // deleted, and out of its parent's list
  EXPECT_EQ(app_->windowMap()->find(goesHandle), nullptr);
}

TEST_F(Routing, ScrollFromAWindowWithoutObjectStillReachesTheSlot) {
  LoggingFrame frame;
  frame.logged = WM_VSCROLL;
  frame.setVertScroll(new zScrollInfoVert(&frame));
  const HWND bare =
      CreateWindowExA(0, "static", "bare", WS_CHILD, 0, 0, 10, 10, frame.handle(), nullptr, app_->instance(), nullptr);
  ASSERT_TRUE(bare);
  SendMessageA(frame.handle(), WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bare));
  EXPECT_EQ(frame.vertScroll()->pos(), 0);
  EXPECT_EQ(frame.log, (Log{"scroll", "default"}));
  DestroyWindow(bare);
}

TEST_F(Routing, MoveAndSizeReachTheSizer) {
  LoggingFrame frame;
  SendMessageA(frame.handle(), WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(-20), 30));
  EXPECT_EQ(frame.sizer()->origin(), zPoint(-20, 30));
  SendMessageA(frame.handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(321, 123));
  EXPECT_EQ(frame.sizer()->extent(), zDimension(321, 123));
  SendMessageA(frame.handle(), WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0, 0));
  EXPECT_EQ(frame.sizer()->extent(), zDimension(0, 0));
}

// Colours of a control whose handle's high word is not 0 (under Wine the first controls'
// handles have high words 2, 3, ...): WM_CTLCOLOR* answers the control's brush and sets its
// colours, whatever the handle's high word.
TEST_F(Routing, ControlColoursWhateverTheHandlesHighWord) {
  LoggingFrame frame;
  frame.setBackgroundColor(zColor(0x11, 0x22, 0x33));
  std::vector<zControl*> controls;
  auto makeControl = [&frame](int i) {
    zControl* c = new zControl(&frame, new zSizer(zPoint(0, i * 20), zDimension(50, 20), nullptr), WS_VISIBLE, "text",
                               200 + i, "static");
    c->create();
    return c;
  };
  for (int i = 0; i < 3; ++i) {
    controls.push_back(makeControl(i));
    ASSERT_TRUE(IsWindow(controls.back()->handle()));
  }
  // Window handles carry a reuse count in their high word: a slot freed and taken again
  // gives the next count. Slots used more often are kept busy (the controls stay with the
  // frame) until a fresh one turns up; freeing that one gives the count 2 at the next take.
  zControl* highWord2 = nullptr;
  for (int attempt = 0; attempt < 4000 && !highWord2; ++attempt) {
    zControl* c = makeControl(3);
    const unsigned count = HIWORD(reinterpret_cast<uintptr_t>(c->handle()));
    if (count == 2)
      highWord2 = c;
    else if (count < 2)
      delete c;
  }
  ASSERT_NE(highWord2, nullptr);
  controls.push_back(highWord2);
  const HDC dc = CreateCompatibleDC(nullptr);
  for (zControl* c : controls) {
    c->setTextColor(zColor(0xA0, 0x10, 0x20));
    c->setBackgroundColor(zColor(0x30, 0xB0, 0x40));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    const LRESULT brush = SendMessageA(frame.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(c->handle()));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(c->backgroundBrush())) << c->handle();
    EXPECT_NE(brush, 1);
    EXPECT_EQ(GetTextColor(dc), RGB(0xA0, 0x10, 0x20));
    EXPECT_EQ(GetBkColor(dc), RGB(0x30, 0xB0, 0x40));
  }
  // -3: the receiving window's colour.
  zControl* last = controls.back();
  last->setBackColor(zBackParent);
  SendMessageA(frame.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(last->handle()));
  EXPECT_EQ(GetBkColor(dc), RGB(0x11, 0x22, 0x33));
  // -2 with a brush of its own: the text colour and the brush, the background untouched.
  last->setBackColor(zBackDefault);
  SetBkColor(dc, RGB(1, 2, 3));
  EXPECT_EQ(SendMessageA(frame.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(last->handle())),
            reinterpret_cast<LRESULT>(last->backgroundBrush()));
  EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
  // Message boxes and windows that are no child get default processing.
  EXPECT_EQ(SendMessageA(frame.handle(), WM_CTLCOLORMSGBOX, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(last->handle())),
            DefWindowProcA(frame.handle(), WM_CTLCOLORMSGBOX, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(last->handle())));
  LoggingFrame stranger;
  const LRESULT other = SendMessageA(frame.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(stranger.handle()));
  EXPECT_EQ(other, DefWindowProcA(frame.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                  reinterpret_cast<LPARAM>(stranger.handle())));
  DeleteDC(dc);
}

}  // namespace
