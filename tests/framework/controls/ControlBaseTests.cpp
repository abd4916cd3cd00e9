// The control base: creation and styles, subclassing and routing, the framework messages,
// colours of a combo box's children, the end of the window, and the takeover of template
// items (a raw dialog from the suite's windres template).
#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "framework/controls/zButton.h"
#include "framework/controls/zControlReport.h"
#include "framework/controls/zEdit.h"
#include "framework/controls/zListBox.h"
#include "framework/controls/zScrollBar.h"
#include "framework/core/zScrollInfo.h"
#include "framework/layout/zSizer.h"
#include "framework/core/ziWindowMap.h"
#include "test_resources.h"

namespace {

using ControlBase = FrameworkTest;

TEST_F(ControlBase, StylesOfNewControls) {
  LoggingFrame frame;
  struct Case {
    uint32_t given;
    uint32_t present;
    uint32_t absent;
    const char* what;
  };
  const uint32_t clip = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  const Case cases[] = {
      {0, WS_TABSTOP | WS_CHILD, clip, "style 0 gets WS_TABSTOP and nothing else"},
      {WS_VISIBLE, WS_VISIBLE | WS_CHILD, WS_TABSTOP | clip, "a nonzero style gets no extra bit"},
      {WS_VISIBLE | WS_CLIPSIBLINGS, WS_VISIBLE, WS_CLIPSIBLINGS, "WS_CLIPSIBLINGS is removed"},
      {WS_VISIBLE | WS_CLIPCHILDREN, WS_CLIPCHILDREN, WS_CLIPSIBLINGS, "other bits as given"},
  };
  int id = 10;
  for (const Case& c : cases) {
    zControl* control = new zControl(&frame, at(0, 0, 40, 20), c.given, "x", ++id, "static");
    control->create();
    ASSERT_TRUE(IsWindow(control->handle())) << c.what;
    const uint32_t style = nativeStyle(control->handle());
    EXPECT_EQ(style & c.present, c.present) << c.what;
    EXPECT_EQ(style & c.absent, 0u) << c.what;
    // Subclassed, and found in the map.
    EXPECT_EQ(GetWindowLongPtrA(control->handle(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&zControlProc));
    EXPECT_EQ(app_->windowMap()->find(control->handle()), control);
    EXPECT_EQ(GetDlgCtrlID(control->handle()), id);
  }
}

TEST_F(ControlBase, ConcreteControlsHaveTheirClassBitsAndKinds) {
  LoggingFrame frame;
  struct Case {
    zControl* control;
    const char* windowsClass;
    unsigned bit;
    int32_t kind;
  };
  const Case cases[] = {
      {new zStaticText(&frame, at(0, 0, 50, 20), 0, "text", 1), "static", zTypeStaticText, zKindStatic},
      {new zPushButton(&frame, at(0, 0, 50, 20), 0, "push", 2), "button", zTypePushButton, zKindButton},
      {new zDefPushButton(&frame, at(0, 0, 50, 20), 0, "def", 3), "button", zTypeDefPushButton, zKindButton},
      {new zCheckBox(&frame, at(0, 0, 50, 20), 0, "check", 4), "button", zTypeCheckBox, zKindButton},
      {new zGroupBox(&frame, at(0, 0, 50, 20), 0, "group", 5), "button", zTypeGroupBox, zKindButton},
      {new zEditLine(&frame, at(0, 0, 50, 20), 0, "edit", 6), "edit", zTypeEditLine, zKindEdit},
      {new zEditBox(&frame, at(0, 0, 50, 20), 0, "box", 7), "edit", zTypeEditBox, zKindEdit},
      {new zListBox(&frame, at(0, 0, 50, 50), 0, nullptr, 8), "listbox", zTypeListBox, zKindListBox},
      {new zComboBoxStatic(&frame, at(0, 0, 50, 80), 0, nullptr, 9), "combobox", zTypeComboBoxStatic, zKindComboBox},
      {new zScrollBarVert(&frame, at(0, 0, 16, 80), 0, nullptr, 10), "scrollbar", zTypeScrollBarVert, zKindScrollBar},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(IsWindow(c.control->handle())) << c.windowsClass;
    char name[32] = "";
    GetClassNameA(c.control->handle(), name, sizeof name);
    EXPECT_STRCASEEQ(name, c.windowsClass);
    EXPECT_TRUE(c.control->hasTypeBit(zTypeControl));
    EXPECT_TRUE(c.control->hasTypeBit(c.bit)) << c.windowsClass;
    EXPECT_EQ(c.control->kind(), c.kind) << c.windowsClass;
  }
  // The group box takes the parent's colour at WM_CTLCOLOR time.
  EXPECT_EQ(cases[4].control->backColor(), zBackParent);
  // An edit with a border gets the edge styles and the I-beam.
  EXPECT_EQ(cases[5].control->exStyle() & (WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE),
            static_cast<uint32_t>(WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE));
  EXPECT_EQ(cases[5].control->cursor().handle(), LoadCursor(nullptr, IDC_IBEAM));
  EXPECT_TRUE(nativeStyle(cases[6].control->handle()) & ES_MULTILINE);
  // A vertical scroll bar made with style 0 has SBS_VERT and addresses bar 1.
  EXPECT_TRUE(nativeStyle(cases[9].control->handle()) & SBS_VERT);
  EXPECT_EQ(cases[9].control->scrollInfo()->bar(), SB_VERT);
  // A static text has no tab stop.
  EXPECT_FALSE(nativeStyle(cases[0].control->handle()) & WS_TABSTOP);
}

TEST_F(ControlBase, AFailedCreateIsReportedAndLeavesAHarmlessEmptyControl) {
  LoggingFrame frame;
  const uint32_t before = zControlFaultCount();
  zControl* control = new zControl(&frame, at(0, 0, 40, 20), 0, "x", 5, "NoSuchWindowClassHere");
  control->create();
  EXPECT_EQ(control->handle(), nullptr);
  EXPECT_TRUE(control->isEmpty());
  EXPECT_EQ(zControlFaultCount(), before + 1);
  EXPECT_NE(std::string(zLastControlFault()).find("NoSuchWindowClassHere"), std::string::npos);
  // Everything else answers without a window.
  control->setText("still here");
  EXPECT_STREQ(control->text(), "still here");
  control->notifyParent(BN_CLICKED);
  control->show(SW_SHOW);
  pump();
}

TEST_F(ControlBase, ScrollRangeMessageOnScrollBarsOnly) {
  LoggingFrame frame;
  zScrollBarCtrl* bar = new zScrollBarCtrl(&frame, at(0, 0, 100, 16), 0, nullptr, 1);
  ASSERT_TRUE(IsWindow(bar->handle()));
  EXPECT_EQ(bar->scrollInfo()->bar(), SB_CTL);
  int low = -1, high = -1;
  EXPECT_EQ(SendMessageA(bar->handle(), zMsgScrollRange, SB_CTL, MAKELPARAM(2, 40)), 1);
  GetScrollRange(bar->handle(), SB_CTL, &low, &high);
  EXPECT_EQ(low, 2);
  EXPECT_EQ(high, 40);
  EXPECT_EQ(SendMessageA(bar->handle(), zMsgScrollRange, SB_CTL, MAKELPARAM(5, 5)), 1);
  GetScrollRange(bar->handle(), SB_CTL, &low, &high);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 0);
  // The scroll information posts the message itself when its range is set.
  bar->scrollInfo()->setRange(3, 30);
  pump();
  GetScrollRange(bar->handle(), SB_CTL, &low, &high);
  EXPECT_EQ(low, 3);
  EXPECT_EQ(high, 30);
  // Another control passes it to its class's procedure.
  zStaticText* text = new zStaticText(&frame, at(0, 20, 50, 20), 0, "t", 2);
  EXPECT_EQ(SendMessageA(text->handle(), zMsgScrollRange, SB_CTL, MAKELPARAM(2, 40)), 0);
}

TEST_F(ControlBase, AListBoxSizedWithNothingSeesItsOwnClientSize) {
  struct SizeRecorder : zListBox {
    SizeRecorder(zWindow* parent) : zListBox(parent, at(0, 0, 120, 90), WS_BORDER, nullptr, 1) {}
    int onSize(zEvent* e) override {
      seen = e->size();
      return zListBox::onSize(e);
    }
    zDimension seen{-1, -1};
  };
  LoggingFrame frame;
  SizeRecorder* list = new SizeRecorder(&frame);
  RECT client;
  GetClientRect(list->handle(), &client);
  SendMessageA(list->handle(), WM_SIZE, 0, 0);
  EXPECT_EQ(list->seen, zDimension(client.right, client.bottom));
  SendMessageA(list->handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(33, 44));
  EXPECT_EQ(list->seen, zDimension(33, 44));
}

TEST_F(ControlBase, ASelfDeletingControlGoesWithItsWindow) {
  struct Counted : zPushButton {
    Counted(zWindow* parent, int* deleted) : zPushButton(parent, at(0, 0, 50, 20), 0, "p", 7), deleted_(deleted) {}
    ~Counted() override { ++*deleted_; }
    int* deleted_;
  };
  LoggingFrame frame;
  int deleted = 0;
  Counted* button = new Counted(&frame, &deleted);
  button->setSelfDeleting();
  const HWND handle = button->handle();
  DestroyWindow(handle);
  EXPECT_EQ(deleted, 1);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(app_->windowMap()->find(handle), nullptr);
  EXPECT_EQ(frame.children().count(), 0u);
}

TEST_F(ControlBase, SystemColourChangeResetsButtonsAndStaticsOnly) {
  LoggingFrame frame;
  zPushButton* button = new zPushButton(&frame, at(0, 0, 50, 20), 0, "p", 1);
  zEditLine* edit = new zEditLine(&frame, at(0, 30, 50, 20), 0, "e", 2);
  button->setBackgroundColor(zColor(1, 2, 3));
  edit->setBackgroundColor(zColor(1, 2, 3));
  SendMessageA(button->handle(), WM_SYSCOLORCHANGE, 0, 0);
  SendMessageA(edit->handle(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(button->backColor(), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(edit->backColor(), RGB(1, 2, 3));
}

TEST_F(ControlBase, ComboChildrenTakeTheParentsColourOrTheirFirstBackground) {
  LoggingFrame frame;
  frame.setBackgroundColor(zColor(0x11, 0x22, 0x33));
  zComboBoxFull* combo = new zComboBoxFull(&frame, at(0, 0, 80, 100), 0, nullptr, 1);
  combo->setTextColor(zColor(0xA0, 0x10, 0x20));
  const HDC dc = CreateCompatibleDC(nullptr);
  combo->setChildColor(zBackParent);
  const LRESULT brush = SendMessageA(combo->handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_NE(brush, 0);
  EXPECT_EQ(GetBkColor(dc), RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(GetTextColor(dc), RGB(0xA0, 0x10, 0x20));
  // -2: the device context's background becomes the control's own at the first message.
  combo->setChildColor(zBackDefault);
  SetBkColor(dc, RGB(7, 8, 9));
  EXPECT_EQ(combo->backgroundBrush(), nullptr);
  const LRESULT own = SendMessageA(combo->handle(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(own, reinterpret_cast<LRESULT>(combo->backgroundBrush()));
  EXPECT_EQ(combo->backColor(), RGB(7, 8, 9));
  DeleteDC(dc);
}

TEST_F(ControlBase, TemplateItemsAreTakenOverWithTheirState) {
  LoggingFrame frame;
  DialogHost dialog(&frame, kTakeoverDialog);
  ASSERT_TRUE(IsWindow(dialog.handle()));
  const HWND checkHandle = GetDlgItem(dialog.handle(), kCheckId);
  int flag = 1;
  zCheckBox* check = new zCheckBox(&dialog, kCheckId, &flag);
  EXPECT_EQ(check->handle(), checkHandle);
  EXPECT_EQ(SendMessageA(checkHandle, BM_GETCHECK, 0, 0), BST_CHECKED);  // shown at once
  EXPECT_EQ(app_->windowMap()->find(checkHandle), check);
  EXPECT_STREQ(check->text(), "Check");
  // Clicks go through the control procedure to the class's own.
  SendMessageA(checkHandle, BM_CLICK, 0, 0);
  EXPECT_EQ(check->storeData(), 1);
  EXPECT_EQ(flag, 0);
  // An edit bound to a string that is not empty shows it.
  FLCString name = "bound text";
  zEditLine* edit = new zEditLine(&dialog, kEditId, &name);
  EXPECT_STREQ(edit->text(), "bound text");
  SetWindowTextA(edit->handle(), "typed");
  EXPECT_EQ(edit->storeData(), 1);
  EXPECT_STREQ(name, "typed");
  // A scroll bar item addresses its own bar.
  zScrollBarCtrl* bar = new zScrollBarCtrl(&dialog, kScrollId);
  EXPECT_FALSE(bar->isEmpty());
  EXPECT_EQ(bar->scrollInfo()->bar(), SB_CTL);
  EXPECT_EQ(dialog.children().count(), 3u);
}

TEST_F(ControlBase, ATakeoverWithAWrongIdGivesAnEmptyControlAndAReport) {
  LoggingFrame frame;
  DialogHost dialog(&frame, kTakeoverDialog);
  ASSERT_TRUE(IsWindow(dialog.handle()));
  const uint32_t before = zControlFaultCount();
  int flag = 1;
  zCheckBox* check = new zCheckBox(&dialog, 999, &flag);
  EXPECT_TRUE(check->isEmpty());
  EXPECT_EQ(zControlFaultCount(), before + 1);
  EXPECT_NE(std::string(zLastControlFault()).find("999"), std::string::npos);
  EXPECT_EQ(check->checked(), 0);
  // An empty control has nothing to store: the bound value stays.
  EXPECT_EQ(check->storeData(), 0);
  EXPECT_EQ(flag, 1);
  zEditLine* edit = new zEditLine(&dialog, 998);
  EXPECT_TRUE(edit->isEmpty());
  EXPECT_EQ(edit->validate(), 0);
}

TEST_F(ControlBase, APlaceholderIsReplacedInItsPlace) {
  LoggingFrame frame;
  zControl* first = new zControl(&frame, at(0, 0, 60, 20), WS_VISIBLE, "first", 1, "static");
  first->create();
  zControl* placeholder = new zControl(&frame, at(5, 25, 60, 20), WS_VISIBLE | BS_AUTOCHECKBOX, "box", 2, "button");
  placeholder->create();
  zControl* last = new zControl(&frame, at(0, 50, 60, 20), WS_VISIBLE, "last", 3, "static");
  last->create();
  const HWND handle = placeholder->handle();
  zCheckBox* check = new zCheckBox(&frame, 2);
  EXPECT_EQ(check->handle(), handle);
  EXPECT_EQ(app_->windowMap()->find(handle), check);
  EXPECT_EQ(check->sizer()->origin(), zPoint(5, 25));
  EXPECT_EQ(check->sizer()->extent(), zDimension(60, 20));
  zWindowDlistIter it(&frame.children());
  EXPECT_EQ(it.next(), first);
  EXPECT_EQ(it.next(), check);
  EXPECT_EQ(it.next(), last);
  EXPECT_EQ(it.next(), nullptr);
  SendMessageA(handle, BM_CLICK, 0, 0);
  EXPECT_EQ(check->checked(), BST_CHECKED);
  // A placeholder that no control may take over stays.
  struct Fixed : zControl {
    Fixed(zWindow* parent) : zControl(parent, at(0, 80, 60, 20), WS_VISIBLE, "fixed", 4, "static") {
      kind_ = zKindNoTakeover;
      create();
    }
  };
  Fixed* fixed = new Fixed(&frame);
  zStaticText* text = new zStaticText(&frame, 4);
  EXPECT_TRUE(text->isEmpty());
  EXPECT_EQ(app_->windowMap()->find(fixed->handle()), fixed);
}

// The program's procedure for a superclass, which hears the class's own procedure first.
WNDPROC genericClassProc = nullptr;
int genericMessages = 0;
LRESULT CALLBACK genericSuperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!window) {
    genericClassProc = reinterpret_cast<WNDPROC>(lParam);
    return 0;
  }
  ++genericMessages;
  return CallWindowProcA(genericClassProc, window, message, wParam, lParam);
}

TEST_F(ControlBase, GenericControlsOfRegisteredSuperclassesOnly) {
  LoggingFrame frame;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ControlsTestGeneric";
  wc.style = CS_GLOBALCLASS;  // the superclass record finds global classes only
  RegisterClassA(&wc);
  app_->registerSuperClass("ControlsTestGeneric", &genericSuperProc, nullptr);
  EXPECT_EQ(genericClassProc, &DefWindowProcA);
  zGenericControl* generic =
      new zGenericControl(&frame, at(0, 0, 50, 20), WS_VISIBLE, "generic", 1, "ControlsTestGeneric");
  ASSERT_TRUE(IsWindow(generic->handle()));
  EXPECT_EQ(generic->kind(), zKindGeneric);
  EXPECT_EQ(app_->windowMap()->find(generic->handle()), generic);
  genericMessages = 0;
  SendMessageA(generic->handle(), WM_USER, 0, 0);
  EXPECT_EQ(genericMessages, 1);
  const uint32_t before = zControlFaultCount();
  zGenericControl* unknown = new zGenericControl(&frame, at(0, 0, 50, 20), 0, "x", 2, "NoSuperclassHere");
  EXPECT_TRUE(unknown->isEmpty());
  EXPECT_EQ(zControlFaultCount(), before + 1);
  delete generic;
  UnregisterClassA("ControlsTestGeneric", GetModuleHandleA(nullptr));
}

}  // namespace
