// Buttons, check boxes, radio-button styles, the icon static, and edit controls: handlers,
// bindings, validation, Enter, and text of a disabled edit.
#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "framework/controls/zButton.h"
#include "framework/controls/zEdit.h"
#include "framework/layout/zSizer.h"

namespace {

using ButtonsAndEdits = FrameworkTest;

struct Clicks {
  int count = 0;
  int clicked(zEvent*) {
    ++count;
    return 1;
  }
};

TEST_F(ButtonsAndEdits, AClickRunsTheButtonsHandlerOnceUntilItIsRemoved) {
  LoggingFrame frame;
  zPushButton* button = new zPushButton(&frame, at(0, 0, 60, 20), 0, "Push", 5);
  zPushButton* other = new zPushButton(&frame, at(0, 30, 60, 20), 0, "Other", 6);
  Clicks clicks;
  button->setHandler(&clicks, &Clicks::clicked);
  SendMessageA(button->handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks.count, 1);
  SendMessageA(other->handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks.count, 1);  // another button's click is not this handler's
  // A notification code other than BN_CLICKED from the same button is not a click.
  SendMessageA(frame.handle(), WM_COMMAND, MAKEWPARAM(5, BN_SETFOCUS), reinterpret_cast<LPARAM>(button->handle()));
  EXPECT_EQ(clicks.count, 1);
  EXPECT_TRUE(button->removeHandler(&clicks, &Clicks::clicked));
  SendMessageA(button->handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks.count, 1);
  EXPECT_FALSE(button->removeHandler(&clicks, &Clicks::clicked));
}

TEST_F(ButtonsAndEdits, RadioButtonStyleAndCheckBoxBinding) {
  LoggingFrame frame;
  zRadioButton* automatic = new zRadioButton(&frame, at(0, 0, 60, 20), BS_AUTORADIOBUTTON, "a", 1);
  zRadioButton* plain = new zRadioButton(&frame, at(0, 20, 60, 20), 0, "p", 2);
  EXPECT_EQ(nativeStyle(automatic->handle()) & 0xF, static_cast<uint32_t>(BS_AUTORADIOBUTTON));
  EXPECT_EQ(nativeStyle(plain->handle()) & 0xF, static_cast<uint32_t>(BS_RADIOBUTTON));
  plain->setCheck(1);
  EXPECT_EQ(plain->checked(), 1);

  zCheckBox* check = new zCheckBox(&frame, at(0, 40, 60, 20), 0, "c", 3);
  EXPECT_EQ(nativeStyle(check->handle()) & 0xF, static_cast<uint32_t>(BS_AUTOCHECKBOX));
  EXPECT_EQ(check->storeData(), 0);  // unbound
  EXPECT_EQ(check->loadData(), 0);
  int value = 1;
  check->bind(&value);
  EXPECT_EQ(check->loadData(), 1);
  EXPECT_EQ(check->checked(), 1);
  SendMessageA(check->handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(check->storeData(), 1);
  EXPECT_EQ(value, 0);
}

TEST_F(ButtonsAndEdits, AnIconStaticKeepsItsIconAfterTheResourceModuleIsUnloaded) {
  LoggingFrame frame;
  frame.show(SW_SHOWNORMAL);
  app_->setResourceModule("controls_test_icons.dll");
  ASSERT_NE(app_->resourceModule(), nullptr) << "the test's resource module is missing";
  zStaticText* icon = new zStaticText(&frame, at(10, 10, 0, 0), SS_ICON, "RED", 1);
  ASSERT_NE(icon->icon(), nullptr);
  EXPECT_EQ(icon->sizer()->extent(), zDimension(32, 32));
  app_->setResourceModule(nullptr);  // the module goes
  EXPECT_EQ(GetModuleHandleA("controls_test_icons.dll"), nullptr);
  ICONINFO info;
  ASSERT_TRUE(GetIconInfo(icon->icon(), &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  icon->show(SW_SHOW);
  MoveWindow(icon->handle(), 10, 10, 32, 32, TRUE);
  RedrawWindow(icon->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const HDC dc = GetDC(icon->handle());
  EXPECT_EQ(GetPixel(dc, 16, 16), RGB(255, 0, 0));
  ReleaseDC(icon->handle(), dc);
  // A static whose resource module cannot be loaded shows no icon.
  app_->setResourceModule("no_such_module_here.dll");
  zStaticText* none = new zStaticText(&frame, at(50, 10, 0, 0), SS_ICON, "RED", 2);
  EXPECT_EQ(none->icon(), nullptr);
  app_->setResourceModule(nullptr);
}

struct EnterCounter {
  int count = 0;
  int entered(zEvent* e) {
    if (e->wParam_ == 4096 && e->lParam_ == 4096) ++count;
    return 0;
  }
};

TEST_F(ButtonsAndEdits, EnterInAnEditTellsTheParentUnlessCtrlOrWantReturn) {
  LoggingFrame frame;
  EnterCounter counter;
  frame.addNotifyHandler(&counter, &EnterCounter::entered, zMsgEditEnter);
  zEditLine* line = new zEditLine(&frame, at(0, 0, 100, 20), 0, "", 1);
  SendMessageA(line->handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(counter.count, 1);
  {
    CtrlHeld ctrl;
    SendMessageA(line->handle(), WM_KEYDOWN, VK_RETURN, 0);
  }
  EXPECT_EQ(counter.count, 1);
  zEditBox* box = new zEditBox(&frame, at(0, 30, 100, 60), ES_WANTRETURN, "", 2);
  SendMessageA(box->handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(counter.count, 1);
  // Other keys say nothing; the edit still gets its characters.
  SendMessageA(line->handle(), WM_KEYDOWN, 'A', 0);
  SendMessageA(line->handle(), WM_CHAR, 'A', 0);
  EXPECT_EQ(counter.count, 1);
  EXPECT_STREQ(line->text(), "A");
}

TEST_F(ButtonsAndEdits, EditBindingSelectionAndValidation) {
  LoggingFrame frame;
  zEditLine* edit = new zEditLine(&frame, at(0, 0, 100, 20), 0, "", 1);
  EXPECT_EQ(edit->storeData(), 0);  // unbound
  EXPECT_EQ(edit->loadData(), 0);
  EXPECT_EQ(edit->validate(), 1);  // empty, but bound to nothing: nothing is required
  FLCString bound = "hello world";
  edit->bind(&bound);
  EXPECT_EQ(edit->loadData(), 1);
  EXPECT_STREQ(edit->text(), "hello world");
  EXPECT_EQ(edit->validate(), 1);
  edit->select(6, 11);
  EXPECT_EQ(edit->selectionRange(), zPair(6, 11));
  EXPECT_STREQ(edit->selection(), "world");
  edit->replaceSelection("there");
  EXPECT_EQ(edit->storeData(), 1);
  EXPECT_STREQ(bound, "hello there");
  edit->limitText(3);
  edit->setText("");
  EXPECT_EQ(edit->validate(), 0);  // bound and empty
  SendMessageA(edit->handle(), WM_CHAR, 'a', 0);
  SendMessageA(edit->handle(), WM_CHAR, 'b', 0);
  SendMessageA(edit->handle(), WM_CHAR, 'c', 0);
  SendMessageA(edit->handle(), WM_CHAR, 'd', 0);
  EXPECT_STREQ(edit->text(), "abc");
  // Empty text allowed by the flags.
  DialogHost dialog(&frame, 300);
  ASSERT_TRUE(IsWindow(dialog.handle()));
  zEditLine* optional = new zEditLine(&dialog, 102, nullptr, zEditEmptyValid);
  EXPECT_EQ(optional->validate(), 1);
}

TEST_F(ButtonsAndEdits, ADisabledEditTakesNewTextAndStaysDisabled) {
  LoggingFrame frame;
  zEditLine* edit = new zEditLine(&frame, at(0, 0, 100, 20), WS_DISABLED, "before", 1);
  EXPECT_FALSE(IsWindowEnabled(edit->handle()));
  EXPECT_STREQ(edit->text(), "before");
  edit->setText("after");
  EXPECT_STREQ(edit->text(), "after");
  EXPECT_FALSE(IsWindowEnabled(edit->handle()));
}

}  // namespace
