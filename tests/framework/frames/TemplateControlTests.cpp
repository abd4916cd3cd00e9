// The typed controls that templates make for the predefined classes, and panes that take
// over a template's item or wrap a native window.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "FramesTestSupport.h"
#include "GuiTestSupport.h"
#include "frames_test_resources.h"
#include "framework/controls/zButton.h"
#include "framework/controls/zEdit.h"
#include "framework/frames/zPaneScroller.h"
#include "framework/core/zResId.h"
#include "framework/core/zScrollInfo.h"
#include "framework/core/ziWindowMap.h"
#include "framework/core/zProgram.h"
#include "framework/core/zWinDisplay.h"
#include "framework/frames/zDialogFrame.h"
#include "framework/frames/zPane.h"

namespace {

using TemplateControls = FrameworkTest;

uint32_t nativeStyle(zWindow* window) { return static_cast<uint32_t>(GetWindowLongPtrA(window->handle(), GWL_STYLE)); }

TEST_F(TemplateControls, EachItemIsItsTypedControlWithExactlyTheTemplatesStyle) {
  zDialogFrame frame(nullptr, zResId(kTypedTemplate));
  ASSERT_TRUE(frame.templateError().empty());
  struct Case {
    int id;
    unsigned typeBit;
    const char* windowsClass;
    uint32_t lowStyle;  // the item's own low word, as the template has it
  };
  const Case cases[] = {
      {kCheckId, zTypeCheckBox, "button", BS_CHECKBOX},  // not made automatic
      {kAutoCheckId, zTypeCheckBox, "button", BS_AUTOCHECKBOX},
      {kRadioId, zTypeRadioButton, "button", BS_RADIOBUTTON},
      {kAutoRadioId, zTypeRadioButton, "button", BS_AUTORADIOBUTTON},
      {kGroupId, zTypeButton, "button", BS_GROUPBOX},
      {kStateId, zTypeButton, "button", BS_AUTO3STATE},
      {kPushId, zTypePushButton, "button", BS_PUSHBUTTON},
      {IDOK, zTypeDefPushButton, "button", BS_DEFPUSHBUTTON},
      {kEditId, zTypeEditBase, "edit", ES_NUMBER | ES_AUTOHSCROLL},
      {kLabelId, zTypeStaticText, "static", SS_LEFT},
      {kListId, zTypeListBoxBase, "listbox", LBS_NOSEL | LBS_NOTIFY},
      {kDropId, zTypeComboBoxBase, "combobox", CBS_DROPDOWN | CBS_AUTOHSCROLL},
      {kScrollId, zTypeScrollBarBase, "scrollbar", SBS_VERT},
  };
  for (const Case& c : cases) {
    zWindow* child = frame.childById(c.id);
    ASSERT_NE(child, nullptr) << c.id;
    ASSERT_NE(child->handle(), nullptr) << c.id;
    EXPECT_TRUE(child->hasTypeBit(c.typeBit)) << c.id;
    char cls[32] = "";
    GetClassNameA(child->handle(), cls, sizeof cls);
    EXPECT_STRCASEEQ(cls, c.windowsClass) << c.id;
    EXPECT_EQ(nativeStyle(child) & 0xFFFFu, c.lowStyle) << c.id;
    EXPECT_NE(nativeStyle(child) & WS_VISIBLE, 0u) << c.id;
  }
  // The bits above the low word stay the template's too: no border added to the combo box
  // or the edit that asked for none, the push button's tab stop kept.
  EXPECT_EQ(nativeStyle(frame.childById(kDropId)) & WS_BORDER, 0u);
  EXPECT_EQ(nativeStyle(frame.childById(kEditId)) & WS_BORDER, 0u);
  EXPECT_NE(nativeStyle(frame.childById(kPushId)) & WS_TABSTOP, 0u);
  // A check box that the template left manual does not check itself when clicked.
  zCheckBox* check = static_cast<zCheckBox*>(frame.childById(kCheckId));
  SendMessageA(check->handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(check->checked(), 0);
  zCheckBox* autoCheck = static_cast<zCheckBox*>(frame.childById(kAutoCheckId));
  SendMessageA(autoCheck->handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(autoCheck->checked(), 1);
  // A control made outside a template completes its style as before.
  zCheckBox plain(&frame, new zSizer(zPoint(0, 0), zDimension(40, 10), frame.sizer()), WS_TABSTOP, "x", 900);
  EXPECT_EQ(nativeStyle(&plain) & 0xFu, static_cast<uint32_t>(BS_AUTOCHECKBOX));
}

TEST_F(TemplateControls, ControlsTakeOverTypedTemplateItemsAndKeepTheirPlace) {
  zDialogFrame frame(nullptr, zResId(kTypedTemplate));
  const HWND native = frame.childById(kEditId)->handle();
  zWindow* before = frame.childById(kEditId)->prevSibling();
  FLCString bound("typed");
  zEditLine* edit = new zEditLine(&frame, kEditId, &bound);
  EXPECT_EQ(frame.childById(kEditId), edit);
  EXPECT_EQ(edit->handle(), native);
  EXPECT_EQ(edit->prevSibling(), before) << "the tab order stays";
  char text[16] = "";
  GetWindowTextA(native, text, sizeof text);
  EXPECT_STREQ(text, "typed");
}

class CountingPane : public zPaneControl {
 public:
  CountingPane(zWindow* parent, int32_t id) : zPaneControl(parent, zPaneFromId(id)) {}
  int draw(zEvent*) override {
    ++draws;
    return 1;
  }
  int draws = 0;
};

TEST_F(TemplateControls, APaneTakesOverATemplateItemInItsPlace) {
  zDialogFrame frame(nullptr, zResId(kTypedTemplate));
  zWindow* placeholder = frame.childById(kPlaceholderId);
  ASSERT_NE(placeholder, nullptr);
  const HWND native = placeholder->handle();
  RECT place;
  GetWindowRect(native, &place);
  const uint32_t style = nativeStyle(placeholder);
  const int childCount = static_cast<int>(frame.children().count());

  CountingPane* pane = new CountingPane(&frame, kPlaceholderId);
  EXPECT_EQ(pane->sibling(), placeholder);
  EXPECT_EQ(placeholder->handle(), nullptr) << "the placeholder is left empty";
  EXPECT_EQ(pane->handle(), native);
  EXPECT_EQ(pane->id(), kPlaceholderId);
  EXPECT_EQ(pane->style(), style);
  EXPECT_EQ(frame.childById(kPlaceholderId), pane);
  EXPECT_EQ(static_cast<int>(frame.children().count()), childCount) << "one child in place of the other";
  EXPECT_EQ(zWindowDlist::findWindowById(&frame, kPlaceholderId)->item_, pane);
  EXPECT_EQ(zTheProgram->windowMap()->find(native), pane);
  // Its window now paints and answers as the pane.
  frame.show(SW_SHOWNORMAL);
  InvalidateRect(native, nullptr, TRUE);
  UpdateWindow(native);
  EXPECT_GE(pane->draws, 1);
  EXPECT_EQ(SendMessageA(native, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
  // Layouts place the pane where the item was; the placeholder no longer takes part.
  RECT now;
  GetWindowRect(native, &now);
  EXPECT_EQ(now.left, place.left);
  EXPECT_EQ(now.bottom - now.top, place.bottom - place.top);
  // Deleting the pane destroys the window once and takes the placeholder with it.
  delete pane;
  EXPECT_FALSE(IsWindow(native));
  EXPECT_EQ(frame.childById(kPlaceholderId), nullptr);
  // With no such item the pane stays without a window.
  CountingPane none(&frame, 4242);
  EXPECT_EQ(none.handle(), nullptr);
  EXPECT_EQ(none.sibling(), nullptr);
  // A sibling found later stays the parent's: remembered, never deleted by the pane, and
  // free to go before it.
  zWindow* label = frame.childById(kLabelId);
  zWindow* push = frame.childById(kPushId);
  {
    zPane finder(&frame);
    EXPECT_EQ(finder.findSibling(kLabelId), label);
    EXPECT_EQ(finder.findSibling(kPushId), label) << "the first one found is remembered";
  }
  EXPECT_EQ(frame.childById(kLabelId), label);
  EXPECT_TRUE(IsWindow(label->handle()));
  {
    zPane finder(&frame);
    EXPECT_EQ(finder.findSibling(kPushId), push);
    delete push;
  }
  EXPECT_EQ(frame.childById(kPushId), nullptr);
}

TEST_F(TemplateControls, APaneTakesOverAnotherPaneWithItsDisplaysAndScrollState) {
  zDialogFrame frame(nullptr, new zSizer(zPoint(0, 0), zDimension(200, 150), nullptr), WS_POPUP, "panes");
  zPane* first = new zPane(&frame, new zSizer(zPoint(5, 5), zDimension(80, 60), frame.sizer()), WS_VSCROLL, 77);
  first->create();
  first->setVertScroll(new zScrollInfoVert(first));
  first->vertScroll()->setPos(30);
  first->setCaret(new zCaret(first, zDimension(2, 12)));
  zWinDisplay* display = first->windowDisplay();
  const HWND native = first->handle();
  zPane second(&frame, zPaneFromId(77));
  EXPECT_EQ(second.handle(), native);
  EXPECT_EQ(second.windowDisplay(), display);
  EXPECT_EQ(display->window(), &second);
  ASSERT_NE(second.vertScroll(), nullptr);
  EXPECT_EQ(second.vertScroll()->pos(), 30);
  ASSERT_NE(second.caret(), nullptr);
  EXPECT_EQ(first->caret(), nullptr);
  EXPECT_EQ(first->vertScroll(), nullptr);
}

TEST_F(TemplateControls, APaneWrapsANativeWindowAndLeavesTheRestToItsClass) {
  zDialogFrame frame(nullptr, new zSizer(zPoint(0, 0), zDimension(200, 150), nullptr), WS_POPUP, "wrap");
  const HWND edit =
      CreateWindowExA(0, "edit", "native", WS_CHILD | WS_VISIBLE, 5, 5, 80, 20, frame.handle(),
                      reinterpret_cast<HMENU>(static_cast<uintptr_t>(55)), GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(edit, nullptr);
  {
    zPane pane(&frame, zPaneSubclass{edit});
    EXPECT_EQ(pane.handle(), edit);
    EXPECT_EQ(pane.id(), 55);
    EXPECT_EQ(zTheProgram->windowMap()->find(edit), &pane);
    // The edit's own procedure still keeps its text.
    SetWindowTextA(edit, "changed");
    char text[16] = "";
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "changed");
  }
  EXPECT_FALSE(IsWindow(edit)) << "the pane took the window and destroyed it";
}

TEST_F(TemplateControls, TheCaretExistsOnlyWhileThePaneHasTheFocus) {
  zDialogFrame frame(nullptr, new zSizer(zPoint(0, 0), zDimension(200, 150), nullptr), WS_POPUP | WS_VISIBLE, "caret");
  zPane* pane = new zPane(&frame, new zSizer(zPoint(5, 5), zDimension(80, 60), frame.sizer()), WS_TABSTOP, 3);
  pane->create();
  zStaticText* other =
      new zStaticText(&frame, new zSizer(zPoint(100, 5), zDimension(40, 20), frame.sizer()), WS_TABSTOP, "x", 4);
  frame.show(SW_SHOWNORMAL);
  zCaret* caret = new zCaret(pane, zDimension(2, 10));
  caret->setPos(zPoint(7, 9));
  caret->show();
  caret->setBlinkTime(333);
  pane->setCaret(caret);
  const UINT systemBlink = GetCaretBlinkTime();
  SetFocus(pane->handle());
  EXPECT_TRUE(caret->hasFocus());
  POINT p = {0, 0};
  EXPECT_TRUE(GetCaretPos(&p));
  EXPECT_EQ(p.x, 7);
  EXPECT_EQ(p.y, 9);
  EXPECT_EQ(GetCaretBlinkTime(), 333u);
  caret->setPos(zPoint(11, 2));
  GetCaretPos(&p);
  EXPECT_EQ(p.x, 11);
  SetFocus(other->handle());
  EXPECT_FALSE(caret->hasFocus());
  EXPECT_EQ(GetCaretBlinkTime(), systemBlink) << "the system's blink time comes back";
  // Hides and shows are counted.
  caret->hide();
  caret->hide();
  EXPECT_EQ(caret->showCount(), 0);
  caret->show();
  EXPECT_EQ(caret->showCount(), 1);
}

// A pane that records how its contents are moved.
class MovingPane : public zPane {
 public:
  MovingPane(zWindow* parent)
      : zPane(parent, new zSizer(zPoint(0, 0), zDimension(100, 80), parent->sizer()), WS_VSCROLL | WS_VISIBLE, 9) {
    create();
  }
  void scroll(int32_t dx, int32_t dy, const RECT* area) override {
    moves.push_back({dx, dy});
    zPane::scroll(dx, dy, area);
  }
  std::vector<std::pair<int32_t, int32_t>> moves;
};

TEST_F(TemplateControls, PanesMoveTheirContentsThroughTheirOwnScroll) {
  zDialogFrame frame(nullptr, new zSizer(zPoint(0, 0), zDimension(200, 150), nullptr), WS_POPUP, "scroll");
  MovingPane* pane = new MovingPane(&frame);
  pane->setVertScroll(new zScrollInfoVert(pane));
  pane->vertScroll()->setRange(0, 50);
  // Without a scroller, thumb tracking moves nothing until the scrolling ends.
  SendMessageA(pane->handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 20), 0);
  EXPECT_TRUE(pane->moves.empty());
  SendMessageA(pane->handle(), WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
  ASSERT_EQ(pane->moves.size(), 1u);
  EXPECT_EQ(pane->moves.back(), std::make_pair(0, -20));
  // A scroller moves the pixels through the same operation.
  pane->moves.clear();
  zPaneScroller* scroller = new zPaneScroller(pane);
  pane->setScroller(scroller);
  scroller->setVert(nullptr, 10, 0);
  scroller->recalc();
  pane->vertScroll()->setPos(0);
  pane->vertScroll()->setPrevPos(0);
  SendMessageA(pane->handle(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  ASSERT_FALSE(pane->moves.empty());
  EXPECT_EQ(pane->moves.back(), std::make_pair(0, -10));
  pane->setScroller(nullptr);
  delete scroller;
}

TEST_F(TemplateControls, PointsMapBetweenWindowsThroughTheScreen) {
  zDialogFrame frame(nullptr, new zSizer(zPoint(40, 30), zDimension(200, 150), nullptr), WS_POPUP, "map");
  zPane* pane = new zPane(&frame, new zSizer(zPoint(10, 20), zDimension(80, 60), frame.sizer()), 0, 3);
  pane->create();
  POINT origin = {0, 0};
  ClientToScreen(pane->handle(), &origin);
  struct Case {
    zWindow* from;
    zWindow* to;
    zPoint in, out;
  };
  const Case cases[] = {
      {pane, &frame, zPoint(1, 2), zPoint(11, 22)},
      {&frame, pane, zPoint(11, 22), zPoint(1, 2)},
      {pane, pane, zPoint(5, 6), zPoint(5, 6)},
      {pane, nullptr, zPoint(0, 0), zPoint(origin.x, origin.y)},
      {nullptr, pane, zPoint(origin.x + 3, origin.y), zPoint(3, 0)},
  };
  for (const Case& c : cases) {
    zPoint p = c.in;
    mapPoint(p, c.from, c.to);
    EXPECT_EQ(p, c.out) << c.in.x() << "," << c.in.y();
  }
}

}  // namespace
