#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "framework/core/zDevice.h"
#include "framework/core/zMenu.h"
#include "framework/core/zNotifyNode.h"

namespace {

struct Listener {
  std::vector<std::string> calls;
  int answerA = 0;
  int a(zEvent*) {
    calls.push_back("a");
    return answerA;
  }
  int b(zEvent*) {
    calls.push_back("b");
    return 1;
  }
};

HWND fakeWindow(uintptr_t v) { return reinterpret_cast<HWND>(v); }
// The event lives until the end of the full expression that uses it.
const zEvent* at(const zEvent& e) { return &e; }

TEST(NotifyNode, IdRangeAndWindowFilter) {
  Listener l;
  const zNotifyNode range(100, 199, zEventHandler(&l, &Listener::a), WM_COMMAND);
  EXPECT_TRUE(range.matches(at({0, 150, WM_COMMAND, fakeWindow(0x10)})));
  EXPECT_TRUE(range.matches(at({0, 100, WM_COMMAND, nullptr})));
  EXPECT_TRUE(range.matches(at({0, 199, WM_COMMAND, nullptr})));
  EXPECT_FALSE(range.matches(at({0, 200, WM_COMMAND, nullptr})));
  EXPECT_FALSE(range.matches(at({0, 99, WM_COMMAND, nullptr})));
  EXPECT_FALSE(range.matches(at({0, 150, WM_SYSCOMMAND, nullptr})));
  // The id of a command is its low word: accelerators and controls fill the high word.
  EXPECT_TRUE(range.matches(at({0, MAKEWPARAM(150, 1), WM_COMMAND, nullptr})));
  EXPECT_TRUE(range.matches(at({0, MAKEWPARAM(150, BN_CLICKED + 5), WM_COMMAND, nullptr})));
  EXPECT_FALSE(range.matches(at({0, MAKEWPARAM(200, 1), WM_COMMAND, nullptr})));

  const zNotifyNode onWindow(zEventHandler(&l, &Listener::a), WM_USER, fakeWindow(0x20));
  EXPECT_EQ(onWindow.lowId(), 0u);
  EXPECT_EQ(onWindow.highId(), 65535u);
  EXPECT_TRUE(onWindow.matches(at({0, 65535, WM_USER, fakeWindow(0x20)})));
  // Any id means any wParam: a window handle or flags in the high word included.
  EXPECT_TRUE(onWindow.matches(at({0, 0x00020048, WM_USER, fakeWindow(0x20)})));
  EXPECT_FALSE(onWindow.matches(at({0, 1, WM_USER, fakeWindow(0x21)})));
  const zNotifyNode anyWindow(zEventHandler(&l, &Listener::a), WM_USER, nullptr);
  EXPECT_TRUE(anyWindow.matches(at({0, 1, WM_USER, fakeWindow(0x21)})));

  const zNotifyNode single(7, zEventHandler(&l, &Listener::a), WM_COMMAND);
  EXPECT_TRUE(single.matches(at({0, 7, WM_COMMAND, nullptr})));
  EXPECT_FALSE(single.matches(at({0, 8, WM_COMMAND, nullptr})));
  EXPECT_TRUE(single.equals(zNotifyNode(7, zEventHandler(&l, &Listener::a), WM_COMMAND)));
  EXPECT_FALSE(single.equals(zNotifyNode(7, zEventHandler(&l, &Listener::b), WM_COMMAND)));
}

TEST(NotifyNode, ControlNodeAnswersOnlyItsControlAndCode) {
  Listener l;
  const HWND control = fakeWindow(0x20048);
  const zCtrlNotifyNode node(1001, control, BN_CLICKED, zEventHandler(&l, &Listener::a));
  const LPARAM fromControl = reinterpret_cast<LPARAM>(control);
  EXPECT_TRUE(node.matches(at({fromControl, MAKEWPARAM(1001, BN_CLICKED), WM_COMMAND, nullptr})));
  // Another notification code, another control, another id, another message.
  EXPECT_FALSE(node.matches(at({fromControl, MAKEWPARAM(1001, BN_DBLCLK), WM_COMMAND, nullptr})));
  EXPECT_FALSE(node.matches(at({0x30048, MAKEWPARAM(1001, BN_CLICKED), WM_COMMAND, nullptr})));
  EXPECT_FALSE(node.matches(at({fromControl, MAKEWPARAM(1002, BN_CLICKED), WM_COMMAND, nullptr})));
  EXPECT_FALSE(node.matches(at({fromControl, MAKEWPARAM(1001, BN_CLICKED), WM_NOTIFY, nullptr})));
  // A code in the high word still matches the control's id in the low word.
  const zCtrlNotifyNode change(1001, control, EN_CHANGE, zEventHandler(&l, &Listener::a));
  EXPECT_TRUE(change.matches(at({fromControl, MAKEWPARAM(1001, EN_CHANGE), WM_COMMAND, nullptr})));
}

TEST(NotifyNodeList, FirstNonzeroAnswerEndsTheWalkInRegistrationOrder) {
  Listener l;
  zNotifyNodeDlist list;
  list.append(new zNotifyNode(5, zEventHandler(&l, &Listener::a), WM_COMMAND));
  list.append(new zNotifyNode(5, zEventHandler(&l, &Listener::b), WM_COMMAND));
  list.append(new zNotifyNode(5, zEventHandler(&l, &Listener::a), WM_COMMAND));
  zEvent e(0, 5, WM_COMMAND, nullptr);
  EXPECT_EQ(list.dispatch(&e), 1);
  EXPECT_EQ(l.calls, (std::vector<std::string>{"a", "b"}));
  l.calls.clear();
  l.answerA = 1;
  EXPECT_EQ(list.dispatch(&e), 1);
  EXPECT_EQ(l.calls, (std::vector<std::string>{"a"}));
  l.calls.clear();
  zEvent other(0, 6, WM_COMMAND, nullptr);
  EXPECT_EQ(list.dispatch(&other), 0);
  EXPECT_TRUE(l.calls.empty());
}

TEST(Device, DispatchAndRemoveEveryNodeOfAHandler) {
  Listener l;
  zDevice device;
  EXPECT_EQ(device.hasTypeBit(zTypeDevice), 1);
  zEvent e(0, 9, WM_COMMAND, nullptr);
  EXPECT_EQ(device.dispatch(&e), 0);  // no handlers
  device.addNotifyNode(nullptr, new zNotifyNode(9, zEventHandler(&l, &Listener::a), WM_COMMAND));
  device.addNotifyNode(nullptr, new zNotifyNode(9, zEventHandler(&l, &Listener::a), WM_COMMAND));
  device.addNotifyNode(nullptr, new zNotifyNode(9, zEventHandler(&l, &Listener::b), WM_COMMAND));
  EXPECT_EQ(device.dispatch(&e), 1);
  EXPECT_EQ(l.calls, (std::vector<std::string>{"a", "a", "b"}));
  device.removeCommand(zEventHandler(&l, &Listener::a), WM_COMMAND);
  l.calls.clear();
  EXPECT_EQ(device.dispatch(&e), 1);
  EXPECT_EQ(l.calls, (std::vector<std::string>{"b"}));
}

using WindowHandlers = FrameworkTest;

TEST_F(WindowHandlers, WindowListFirstThenTheApplicationsList) {
  Listener appListener;
  LoggingFrame frame;
  app_->addNotifyHandler(&appListener, &Listener::b, WM_USER + 7);
  // Nothing on the window: the application's list answers.
  EXPECT_EQ(SendMessageA(frame.handle(), WM_USER + 7, 0, 0), 1);
  EXPECT_EQ(appListener.calls, (std::vector<std::string>{"b"}));
  // A window handler that answers 1 keeps the event from the application.
  frame.addNotifyHandler(&frame, &LoggingFrame::handlerAnswering1, WM_USER + 7);
  EXPECT_EQ(SendMessageA(frame.handle(), WM_USER + 7, 0, 0), 1);
  EXPECT_EQ(appListener.calls.size(), 1u);
  EXPECT_EQ(frame.log, (std::vector<std::string>{"handler1"}));
  // One that answers 0 passes it on.
  frame.removeNotifyHandler(&frame, &LoggingFrame::handlerAnswering1, WM_USER + 7);
  frame.addNotifyHandler(&frame, &LoggingFrame::handlerAnswering0, WM_USER + 7);
  EXPECT_EQ(SendMessageA(frame.handle(), WM_USER + 7, 0, 0), 1);
  EXPECT_EQ(appListener.calls.size(), 2u);
  app_->removeNotifyHandler(&appListener, &Listener::b, WM_USER + 7);
  frame.log.clear();
  frame.logged = WM_USER + 7;
  // Nobody answers: default processing (0 for a user message).
  EXPECT_EQ(SendMessageA(frame.handle(), WM_USER + 7, 0, 0), 0);
  EXPECT_EQ(frame.log, (std::vector<std::string>{"handler0", "default"}));
}

TEST_F(WindowHandlers, MessageHandlerFlagBits) {
  struct Case {
    UINT message;
    uint32_t bit;
  };
  const Case cases[] = {
      {WM_LBUTTONUP, 0x10},    {WM_MOUSEMOVE, 0x20}, {WM_ACTIVATE, 0x40},  {WM_CLOSE, 0x80},
      {WM_LBUTTONDOWN, 0x100}, {WM_SETFOCUS, 0x200}, {WM_SETCURSOR, 0x02}, {WM_NCHITTEST, 0x04},
      {WM_RBUTTONDOWN, 0},     {WM_KILLFOCUS, 0},    {WM_RBUTTONUP, 0},    {WM_SIZE, 0},
  };
  for (const Case& c : cases) {
    LoggingFrame frame;
    frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering0, c.message);
    EXPECT_EQ(frame.handlerFlags(), c.bit) << c.message;
    // Removal leaves the bits.
    frame.removeMessageHandler(&frame, &LoggingFrame::handlerAnswering0, c.message);
    EXPECT_EQ(frame.handlerFlags(), c.bit) << c.message;
  }
}

TEST_F(WindowHandlers, RemovingATwiceRegisteredHandlerRemovesOneNode) {
  LoggingFrame frame;
  frame.logged = WM_LBUTTONDOWN;
  // Removing what was never registered (no list yet, then a list) changes nothing.
  frame.removeMessageHandler(&frame, &LoggingFrame::handlerAnswering0, WM_LBUTTONDOWN);
  frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering0, WM_LBUTTONDOWN);
  frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering0, WM_LBUTTONDOWN);
  frame.removeMessageHandler(&frame, &LoggingFrame::handlerAnswering1, WM_LBUTTONDOWN);
  ASSERT_EQ(frame.notifyList()->count(), 2u);
  frame.removeMessageHandler(&frame, &LoggingFrame::handlerAnswering0, WM_LBUTTONDOWN);
  EXPECT_EQ(frame.notifyList()->count(), 1u);
  SendMessageA(frame.handle(), WM_LBUTTONDOWN, 0, 0);
  EXPECT_EQ(frame.log, (std::vector<std::string>{"handler0", "slot", "default"}));
  // With the last one gone the empty list handles nothing: the slot runs as before.
  frame.removeMessageHandler(&frame, &LoggingFrame::handlerAnswering0, WM_LBUTTONDOWN);
  frame.log.clear();
  SendMessageA(frame.handle(), WM_LBUTTONDOWN, 0, 0);
  EXPECT_EQ(frame.log, (std::vector<std::string>{"slot", "default"}));
}

TEST_F(WindowHandlers, GroupHandlersAreReachedOnlyOnceTheGroupBitIsSet) {
  LoggingFrame frame;
  frame.logged = WM_RBUTTONDOWN;
  frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering1, WM_RBUTTONDOWN);
  SendMessageA(frame.handle(), WM_RBUTTONDOWN, 0, 0);
  EXPECT_EQ(frame.log, (std::vector<std::string>{"slot", "default"}));
  frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering0, WM_LBUTTONDOWN);
  frame.log.clear();
  EXPECT_EQ(SendMessageA(frame.handle(), WM_RBUTTONDOWN, 0, 0), 1);
  EXPECT_EQ(frame.log, (std::vector<std::string>{"handler1"}));
}

TEST_F(WindowHandlers, HandlerForAMessageRoutedStraightToASlotIsNeverCalled) {
  LoggingFrame frame;
  frame.addMessageHandler(&frame, &LoggingFrame::handlerAnswering1, WM_SIZE);
  SendMessageA(frame.handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
  EXPECT_TRUE(frame.log.empty());
}

TEST_F(WindowHandlers, MenuHandlerBitFollowsTheOwner) {
  Listener l;
  LoggingFrame frame;
  zMenu menu;
  menu.addNotifyNode(nullptr, new zNotifyNode(3, zEventHandler(&l, &Listener::b), WM_COMMAND));
  EXPECT_EQ(frame.handlerFlags(), 0u);
  menu.addNotifyNode(&frame, new zNotifyNode(3, zEventHandler(&l, &Listener::b), WM_COMMAND));
  EXPECT_EQ(frame.handlerFlags(), zMenuHandlerBit);
  LoggingFrame other;
  zDevice plain;
  plain.addNotifyNode(&other, new zNotifyNode(3, zEventHandler(&l, &Listener::b), WM_COMMAND));
  EXPECT_EQ(other.handlerFlags(), 0u);  // a plain device has no bits to give
  plain.addNotifyNode(nullptr, new zNotifyNode(4, zEventHandler(&l, &Listener::b), WM_COMMAND));
  EXPECT_EQ(other.handlerFlags(), 0u);
}

}  // namespace
