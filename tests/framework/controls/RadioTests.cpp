// Radio controllers and radio groups over the radio buttons of a windres template.
#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "framework/controls/zRadio.h"
#include "test_resources.h"

namespace {

using Radios = FrameworkTest;

struct Listener {
  int calls = 0;
  int heard(zEvent*) {
    ++calls;
    return 0;
  }
};

void click(DialogHost& dialog, int id) {
  SendMessageA(dialog.handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog.handle(), id)));
}

bool tabStop(zRadioButton* b) { return (nativeStyle(b->handle()) & WS_TABSTOP) != 0; }

TEST_F(Radios, AControllerMovesTheCheckAndTheTabStopAndStoresTheId) {
  LoggingFrame frame;
  DialogHost dialog(&frame, kTakeoverDialog);
  ASSERT_TRUE(IsWindow(dialog.handle()));
  zRadioButton* one = new zRadioButton(&dialog, kRadioFirst);
  zRadioButton* two = new zRadioButton(&dialog, kRadioSecond);
  zRadioButton* three = new zRadioButton(&dialog, kRadioThird);
  // The range reaches one id past the buttons: an id without a child is skipped.
  zRadioController controller(&dialog, kRadioFirst, kRadioThird + 1);
  EXPECT_EQ(controller.current(), nullptr);
  EXPECT_EQ(controller.validate(), 0);   // nothing checked yet
  EXPECT_EQ(controller.storeData(), 1);  // unbound
  int32_t value = 0;
  controller.bind(&value);
  EXPECT_EQ(controller.storeData(), 0);  // bound, but nothing to store
  Listener listener;
  controller.setNotify(zEventHandler(&listener, &Listener::heard));
  click(dialog, kRadioSecond);
  EXPECT_EQ(two->checked(), 1);
  EXPECT_EQ(one->checked(), 0);
  EXPECT_TRUE(tabStop(two));
  EXPECT_FALSE(tabStop(one));
  EXPECT_FALSE(tabStop(three));
  EXPECT_EQ(value, kRadioSecond);
  EXPECT_EQ(controller.validate(), 1);
  // The checked button clicked again stays checked and calls the handler again.
  click(dialog, kRadioSecond);
  EXPECT_EQ(two->checked(), 1);
  EXPECT_EQ(listener.calls, 2);
  // No child with the id: nothing moves, nothing breaks.
  click(dialog, kRadioThird + 1);
  EXPECT_EQ(controller.current(), two);
  EXPECT_EQ(two->checked(), 1);
  // Other notification codes are no clicks.
  SendMessageA(dialog.handle(), WM_COMMAND, MAKEWPARAM(kRadioThird, BN_SETFOCUS), 0);
  EXPECT_EQ(controller.current(), two);
  // Loading: outside the range counts as loaded and changes nothing.
  value = 500;
  EXPECT_EQ(controller.update(), 1);
  EXPECT_EQ(two->checked(), 1);
  // A disabled button stays disabled when it takes the check.
  EnableWindow(three->handle(), FALSE);
  value = kRadioThird;
  EXPECT_EQ(controller.update(), 1);
  EXPECT_EQ(three->checked(), 1);
  EXPECT_EQ(two->checked(), 0);
  EXPECT_TRUE(tabStop(three));
  EXPECT_FALSE(tabStop(two));
  EXPECT_FALSE(IsWindowEnabled(three->handle()));
  controller.setEnabled(1);
  EXPECT_TRUE(IsWindowEnabled(three->handle()));
}

TEST_F(Radios, AControllerStartsAtTheCheckedButtonAndRemovesOnlyItsOwnNode) {
  LoggingFrame frame;
  DialogHost dialog(&frame, kTakeoverDialog);
  ASSERT_TRUE(IsWindow(dialog.handle()));
  new zRadioButton(&dialog, kRadioFirst);
  zRadioButton* two = new zRadioButton(&dialog, kRadioSecond);
  new zRadioButton(&dialog, kRadioThird);
  two->setCheck(1);
  Listener any;
  Listener wide;
  dialog.appendCommandNode(new zNotifyNode(zEventHandler(&any, &Listener::heard), WM_COMMAND, nullptr));
  dialog.appendCommandNode(new zNotifyNode(100, 200, zEventHandler(&wide, &Listener::heard), WM_COMMAND));
  zRadioController* controller = new zRadioController(&dialog, kRadioFirst, kRadioThird);
  EXPECT_EQ(controller->current(), two);
  delete controller;
  EXPECT_EQ(dialog.commandList()->count(), 2u);
  click(dialog, kRadioFirst);
  EXPECT_EQ(any.calls, 1);
  EXPECT_EQ(wide.calls, 1);
  EXPECT_EQ(two->checked(), 1);  // no controller moved it
}

TEST_F(Radios, ARadioGroupIsItsFirstButtonAndLeavesNoNodeBehind) {
  LoggingFrame frame;
  DialogHost dialog(&frame, kTakeoverDialog);
  ASSERT_TRUE(IsWindow(dialog.handle()));
  zRadioButton* two = new zRadioButton(&dialog, kRadioSecond);
  zRadioButton* three = new zRadioButton(&dialog, kRadioThird);
  zRadioGroup* group = new zRadioGroup(&dialog, kRadioFirst, kRadioThird);
  EXPECT_EQ(group->id(), kRadioFirst);
  EXPECT_EQ(group->checked(), 1);
  EXPECT_EQ(group->current(), group);
  click(dialog, kRadioThird);
  EXPECT_EQ(three->checked(), 1);
  EXPECT_EQ(group->checked(), 0);
  EXPECT_EQ(group->storeData(), 1);  // unbound
  int32_t value = kRadioSecond;
  group->bind(&value);
  EXPECT_EQ(group->loadData(), 1);
  EXPECT_EQ(two->checked(), 1);
  EXPECT_EQ(three->checked(), 0);
  click(dialog, kRadioFirst);
  EXPECT_EQ(group->storeData(), 1);
  EXPECT_EQ(value, kRadioFirst);
  delete group;
  EXPECT_EQ(dialog.commandList()->count(), 0u);
  click(dialog, kRadioSecond);  // no node of the deleted group is left to run
  EXPECT_EQ(two->checked(), 0);
}

TEST_F(Radios, ABoundGroupChecksTheBoundButton) {
  LoggingFrame frame;
  DialogHost dialog(&frame, kTakeoverDialog);
  ASSERT_TRUE(IsWindow(dialog.handle()));
  zRadioButton* three = new zRadioButton(&dialog, kRadioThird);
  int32_t value = kRadioThird;
  zRadioGroup* group = new zRadioGroup(&dialog, kRadioFirst, kRadioThird, &value);
  EXPECT_EQ(three->checked(), 1);
  EXPECT_EQ(group->checked(), 0);
  EXPECT_EQ(group->current(), three);
}

}  // namespace
