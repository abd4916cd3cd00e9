#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "FramesTestSupport.h"
#include "GuiTestSupport.h"
#include "MDITestSupport.h"
#include "frames_test_resources.h"
#include "framework/core/zResId.h"
#include "framework/frames/zDialogFrame.h"
#include "framework/frames/zDialogUnit.h"
#include "framework/frames/zFormDialog.h"
#include "framework/frames/zMDIDialogFrame.h"
#include "framework/frames/ziDialogReader.h"
#include "framework/core/ziWindowMap.h"

namespace {

class Dialogs : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    registerTestControlTypes();
  }
  void TearDown() override {
    cancelScheduled();
    FrameworkTest::TearDown();
  }
};

// A form that counts its deletions and logs its commands.
class CountingForm : public zFormDialog {
 public:
  CountingForm(zWindow* parent, uint32_t templateId) : zFormDialog(parent, zResId(templateId)) {}
  ~CountingForm() override { ++deleted; }
  int onCommand(zEvent* e) override {
    if (LOWORD(e->wParam_) <= IDCANCEL) commands.push_back(LOWORD(e->wParam_));
    return 0;
  }
  std::vector<int> commands;
  static int deleted;
};
int CountingForm::deleted = 0;

// The dialog-unit formulas, worked out here on a screen context with the dialog's font.
struct UnitsOf {
  explicit UnitsOf(HFONT font) {
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE s;
    GetTextExtentPointA(dc, "ABCDEFGHIJLKMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &s);
    average = s.cx / 52 + (s.cx % 52 >= 26 ? 1 : 0);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    height = tm.tmHeight + tm.tmExternalLeading;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
  }
  int x(int units) const { return average * units / 4 + ((average * units) % 4 >= 2 ? 1 : 0); }
  int y(int units) const { return height * units / 8 + ((height * units) % 8 >= 4 ? 1 : 0); }
  int average;
  int height;
};

TEST_F(Dialogs, TemplateItemsArePlacedByTheDialogUnitsOfTheTemplateFont) {
  LoggingFrame owner;
  zFormDialog form(&owner, zResId(kFormTemplate));
  ASSERT_TRUE(form.font().isValid());
  EXPECT_TRUE(form.templateError().empty());
  const UnitsOf units(form.font().hfont());
  struct Item {
    int id, x, y, cx, cy;
  };
  const Item items[] = {
      {kEditId, 40, 7, 100, 12},   {kListId, 40, 42, 100, 30},  {kPaneId, 150, 42, 20, 20},
      {kDefaultId, 7, 98, 40, 14}, {IDCANCEL, 136, 98, 40, 14},
  };
  for (const Item& item : items) {
    zWindow* child = form.childById(item.id);
    ASSERT_NE(child, nullptr) << item.id;
    const RECT r = placeOf(child->handle());
    EXPECT_EQ(r.left, units.x(item.x)) << item.id;
    EXPECT_EQ(r.top, units.y(item.y)) << item.id;
    EXPECT_EQ(r.right - r.left, units.x(item.cx)) << item.id;
  }
  // The template's pane is the framework's pane control, which wants arrows and characters.
  EXPECT_EQ(SendMessageA(form.childById(kPaneId)->handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
  // The combo box keeps its list height to itself; its place still follows the formula.
  const RECT combo = placeOf(form.childById(kComboId)->handle());
  EXPECT_EQ(combo.left, units.x(40));
  EXPECT_EQ(combo.top, units.y(24));
  // The caption and the frame's client: the template's extent, plus nothing of its own.
  char caption[64];
  GetWindowTextA(form.handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Form Dialog");
  RECT client;
  GetClientRect(form.handle(), &client);
  EXPECT_EQ(client.right, units.x(180));
  EXPECT_EQ(client.bottom, units.y(120));
  // Every control got the dialog's font.
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(form.childById(kEditId)->handle(), WM_GETFONT, 0, 0)),
            form.font().hfont());
}

TEST_F(Dialogs, WithoutADialogFontTheSystemBaseUnitsApply) {
  zDialogFrame frame(nullptr, zResId(kPlainTemplate));
  const LONG base = GetDialogBaseUnits();
  const RECT edit = placeOf(frame.childById(kEditId)->handle());
  EXPECT_EQ(edit.left, LOWORD(base) * 5 / 4);
  EXPECT_EQ(edit.right - edit.left, LOWORD(base) * 100 / 4);
  EXPECT_EQ(edit.bottom - edit.top, HIWORD(base) * 12 / 8);
  // Without a template's extent a frame's client is 200 x 150.
  zDialogFrame bare(nullptr, nullptr, WS_POPUP, "bare");
  RECT client;
  GetClientRect(bare.handle(), &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 150);
  EXPECT_EQ(zDialogUnit(8, 16, static_cast<zDisplay*>(nullptr)).x(), LOWORD(base) * 8 / 4);
}

TEST_F(Dialogs, TheFirstPlainDefaultPushButtonIsTheDefault) {
  zFormDialog form(nullptr, zResId(kFormTemplate));
  EXPECT_EQ(form.defaultId(), static_cast<uint32_t>(kDefaultId));
  EXPECT_EQ(SendMessageA(form.handle(), DM_GETDEFID, 0, 0), 0x534B0000 | kDefaultId);
  EXPECT_EQ(SendMessageA(form.handle(), DM_SETDEFID, IDOK, 0), 1);
  EXPECT_EQ(SendMessageA(form.handle(), DM_GETDEFID, 0, 0), 0x534B0000 | IDOK);
  // A default push button with further style bits in the low word does not count.
  zDialogFrame plain(nullptr, zResId(kPlainTemplate));
  EXPECT_EQ(plain.defaultId(), zNoDefaultId);
  EXPECT_EQ(SendMessageA(plain.handle(), DM_GETDEFID, 0, 0), 0);
}

TEST_F(Dialogs, TabAndShiftTabWrapInTemplateOrder) {
  zFormDialog form(nullptr, zResId(kFormTemplate));
  form.show(SW_SHOWNORMAL);
  pump();
  const HWND edit = form.childById(kEditId)->handle();
  const HWND cancel = form.childById(IDCANCEL)->handle();
  SetFocus(cancel);
  // Real Tab keys through the message loop and the current dialog.
  PostMessageA(cancel, WM_KEYDOWN, VK_TAB, 0);
  PostQuitMessage(0);
  runLoopWithDeadline(5000);
  EXPECT_EQ(GetFocus(), edit) << "Tab on the last tab stop goes to the first";
  SendMessageA(form.handle(), WM_NEXTDLGCTL, 1, 0);
  EXPECT_EQ(GetFocus(), cancel) << "Shift+Tab on the first goes to the last";
  SendMessageA(form.handle(), WM_NEXTDLGCTL, 0, 0);
  EXPECT_EQ(GetFocus(), edit);
  SendMessageA(form.handle(), WM_NEXTDLGCTL, 0, 0);
  EXPECT_EQ(GetFocus(), form.childById(kComboId)->handle());
}

TEST_F(Dialogs, EnterSendsTheDefaultIdOrIdok) {
  CountingForm form(nullptr, kFormTemplate);
  form.show(SW_SHOWNORMAL);
  const HWND button = form.childById(kDefaultId)->handle();
  int seenId = 0;
  LPARAM seenHandle = 0;
  struct Spy {
    int* id;
    LPARAM* handle;
    int on(zEvent* e) {
      *id = LOWORD(e->wParam_);
      *handle = e->lParam_;
      return 1;
    }
  } spy{&seenId, &seenHandle};
  form.addNotifyHandler(&spy, &Spy::on, WM_COMMAND);
  SendMessageA(form.handle(), zMsgEditEnter, 0x1000, 0x1000);
  EXPECT_EQ(seenId, kDefaultId);
  EXPECT_EQ(seenHandle, reinterpret_cast<LPARAM>(button));
  // Enter in an edit through the loop: the dialog manager asks for the default id.
  seenId = 0;
  SetFocus(form.childById(kEditId)->handle());
  PostMessageA(form.childById(kEditId)->handle(), WM_KEYDOWN, VK_RETURN, 0);
  PostQuitMessage(0);
  runLoopWithDeadline(5000);
  EXPECT_EQ(seenId, kDefaultId);
  // Without a default button: IDOK.
  zDialogFrame plain(nullptr, zResId(kPlainTemplate));
  plain.addNotifyHandler(&spy, &Spy::on, WM_COMMAND);
  SendMessageA(plain.handle(), zMsgEditEnter, 0x1000, 0x1000);
  EXPECT_EQ(seenId, IDOK);
  EXPECT_EQ(seenHandle, 0);
}

TEST_F(Dialogs, ModalRunEndsByACommandAndReEnablesItsOwners) {
  LoggingFrame main("main");
  LoggingFrame owner("owner");
  CountingForm form(&owner, kFormTemplate);
  form.show(SW_SHOWNORMAL);
  bool disabledDuringRun = false;
  runAfter(50, [&] {
    disabledDuringRun =
        !IsWindowEnabled(owner.handle()) && !IsWindowEnabled(main.handle()) && form.isModal() && app_->modalLoop() == 1;
    PostMessageA(form.handle(), WM_COMMAND, IDOK, 0);
  });
  Deadline deadline(5000);
  form.runModal();
  EXPECT_FALSE(deadline.hit());
  EXPECT_TRUE(disabledDuringRun);
  EXPECT_TRUE(IsWindowEnabled(owner.handle()));
  EXPECT_TRUE(IsWindowEnabled(main.handle()));
  EXPECT_FALSE(IsWindowVisible(form.handle()));
  EXPECT_EQ(form.completed(), 1);
  EXPECT_EQ(form.isModal(), 0);
  EXPECT_EQ(app_->modalLoop(), 0);
  EXPECT_EQ(zDialogFrame::modalDepth(), 0u);
}

TEST_F(Dialogs, NestedModalDialogsEnableEachOtherInTurn) {
  LoggingFrame main("main");
  CountingForm outer(&main, kFormTemplate);
  CountingForm inner(&main, kPlainTemplate);
  outer.show(SW_SHOWNORMAL);
  inner.show(SW_SHOWNORMAL);
  bool outerDisabled = false;
  bool outerEnabledAfterInner = false;
  bool mainStillDisabled = false;
  runAfter(30, [&] {
    runAfter(30, [&] {
      outerDisabled = !IsWindowEnabled(outer.handle());
      PostMessageA(inner.handle(), WM_COMMAND, IDOK, 0);
    });
    inner.runModal();
    outerEnabledAfterInner = IsWindowEnabled(outer.handle()) != FALSE;
    mainStillDisabled = !IsWindowEnabled(main.handle());
    PostMessageA(outer.handle(), WM_COMMAND, IDCANCEL, 0);
  });
  Deadline deadline(8000);
  outer.runModal();
  EXPECT_FALSE(deadline.hit());
  EXPECT_TRUE(outerDisabled);
  EXPECT_TRUE(outerEnabledAfterInner);
  EXPECT_TRUE(mainStillDisabled) << "the owner stays disabled until the outer dialog ends";
  EXPECT_TRUE(IsWindowEnabled(main.handle()));
  EXPECT_EQ(outer.completed(), 0);
  EXPECT_EQ(inner.completed(), 1);
}

TEST_F(Dialogs, SelfDeletingModalDialogIsDeletedOnlyAfterItsRun) {
  LoggingFrame main("main");
  CountingForm::deleted = 0;
  // Ended by its Cancel button.
  CountingForm* form = new CountingForm(&main, kFormTemplate);
  form->setSelfDeleting();
  form->show(SW_SHOWNORMAL);
  runAfter(30, [&] { PostMessageA(form->handle(), WM_COMMAND, IDCANCEL, 0); });
  {
    Deadline deadline(5000);
    form->runModal();
    EXPECT_FALSE(deadline.hit());
  }
  EXPECT_EQ(CountingForm::deleted, 0) << "runModal must still be able to use the object";
  pump();
  EXPECT_EQ(CountingForm::deleted, 1);
  EXPECT_TRUE(IsWindowEnabled(main.handle()));
  // Closed by the system's close: its window goes during the run.
  form = new CountingForm(&main, kFormTemplate);
  form->setSelfDeleting();
  form->show(SW_SHOWNORMAL);
  const HWND handle = form->handle();
  runAfter(30, [&] { PostMessageA(handle, WM_CLOSE, 0, 0); });
  {
    Deadline deadline(5000);
    form->runModal();
    EXPECT_FALSE(deadline.hit());
  }
  pump();
  EXPECT_EQ(CountingForm::deleted, 2);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(zDialogFrame::modalDepth(), 0u);
}

// The program's quit reaches every modal run, however deeply nested: each ends as if
// cancelled, its owners enabled again, and the quit, with its exit code, is left for the
// loop around them all (the program's own loop, which ends the program).
TEST_F(Dialogs, AQuitEndsEveryModalRunAndIsPassedOn) {
  LoggingFrame main("main");
  CountingForm outer(&main, kFormTemplate);
  CountingForm inner(&main, kPlainTemplate);
  outer.show(SW_SHOWNORMAL);
  inner.show(SW_SHOWNORMAL);
  bool innerReturned = false;
  runAfter(30, [&] {
    runAfter(30, [] { PostQuitMessage(7); });
    inner.runModal();
    innerReturned = true;
  });
  Deadline deadline(5000);
  outer.runModal();
  EXPECT_FALSE(deadline.hit());
  EXPECT_TRUE(innerReturned);
  for (CountingForm* form : {&outer, &inner}) {
    EXPECT_FALSE(IsWindowVisible(form->handle()));
    EXPECT_EQ(form->isModal(), 0);
    EXPECT_EQ(form->completed(), 0);
  }
  EXPECT_TRUE(IsWindowEnabled(main.handle()));
  EXPECT_EQ(zDialogFrame::modalDepth(), 0u);
  EXPECT_EQ(app_->modalLoop(), 0);
  int code = 0;
  EXPECT_TRUE(takeQuit(&code)) << "the quit must reach the program's own loop";
  EXPECT_EQ(code, 7);
}

// A run ends only by its own dialog's end: an outer dialog ended while an inner one runs
// leaves the inner one running for its user, and ends its own run once the inner one
// has ended; a box open over a dialog that ends stays up until it is answered. Neither
// leaves a quit behind, which would end the program.
TEST_F(Dialogs, EndingADialogEndsItsOwnRunAndNoOther) {
  LoggingFrame main("main");
  CountingForm outer(&main, kFormTemplate);
  CountingForm inner(&main, kPlainTemplate);
  outer.show(SW_SHOWNORMAL);
  inner.show(SW_SHOWNORMAL);
  bool innerRanOn = false;
  runAfter(30, [&] {
    runAfter(30, [&] {
      PostMessageA(outer.handle(), WM_COMMAND, IDCANCEL, 0);
      runAfter(60, [&] {
        innerRanOn = inner.isModal() && IsWindowVisible(inner.handle()) && !IsWindowVisible(outer.handle());
        PostMessageA(inner.handle(), WM_COMMAND, IDOK, 0);
      });
    });
    inner.runModal();
  });
  {
    Deadline deadline(5000);
    outer.runModal();
    EXPECT_FALSE(deadline.hit()) << "the outer run must end once the inner one has";
  }
  EXPECT_TRUE(innerRanOn);
  EXPECT_EQ(outer.completed(), 0);
  EXPECT_EQ(inner.completed(), 1);
  EXPECT_TRUE(IsWindowEnabled(main.handle()));
  EXPECT_EQ(zDialogFrame::modalDepth(), 0u);
  EXPECT_FALSE(takeQuit());

  // A box over the dialog; the dialog is cancelled while the box waits for its answer.
  CountingForm form(&main, kFormTemplate);
  form.show(SW_SHOWNORMAL);
  int answer = -1;
  bool boxStayed = false;
  runAfter(30, [&] {
    runAfter(30, [&] {
      PostMessageA(form.handle(), WM_COMMAND, IDCANCEL, 0);
      runAfter(60, [&] {
        const HWND box = findThreadDialogBox("Box over a dialog");
        boxStayed = box && !IsWindowVisible(form.handle());
        if (box) PostMessageA(box, WM_COMMAND, IDNO, 0);
      });
    });
    answer = MessageBoxA(form.handle(), "Keep it?", "Box over a dialog", MB_YESNO);
  });
  {
    Deadline deadline(5000);
    form.runModal();
    EXPECT_FALSE(deadline.hit());
  }
  EXPECT_TRUE(boxStayed) << "the box must wait for its answer";
  EXPECT_EQ(answer, IDNO);
  EXPECT_TRUE(IsWindowEnabled(main.handle()));
  EXPECT_FALSE(takeQuit());
}

// A dialog that ends as its run gives it the keyboard (its activation) ends the run at
// once, and leaves its owners enabled.
TEST_F(Dialogs, AnEndAsTheRunStartsEndsItAtOnce) {
  class EndsWhenActivated : public CountingForm {
   public:
    using CountingForm::CountingForm;
    int onActivate(zEvent* e) override {
      if (LOWORD(e->wParam_) != WA_INACTIVE && isModal()) endDialog();
      return CountingForm::onActivate(e);
    }
  };
  LoggingFrame main("main");
  main.show(SW_SHOWNORMAL);
  SetFocus(main.handle());
  EndsWhenActivated form(&main, kFormTemplate);
  form.show(SW_SHOWNOACTIVATE);
  Deadline deadline(5000);
  form.runModal();
  EXPECT_FALSE(deadline.hit());
  EXPECT_FALSE(IsWindowVisible(form.handle()));
  EXPECT_TRUE(IsWindowEnabled(main.handle()));
  EXPECT_EQ(zDialogFrame::modalDepth(), 0u);
  EXPECT_FALSE(takeQuit());
}

TEST_F(Dialogs, InvalidInputKeepsTheFormOpenWithTheFocusOnIt) {
  LoggingFrame main("main");
  CountingForm form(&main, kRequiredTemplate);
  form.show(SW_SHOWNORMAL);
  RequiredEdit* first = static_cast<RequiredEdit*>(form.childById(kFirstRequiredId));
  RequiredEdit* second = static_cast<RequiredEdit*>(form.childById(kSecondRequiredId));
  ASSERT_NE(first, nullptr) << "the reader finds \"ZTESTEDIT\" ignoring case";
  ASSERT_NE(second, nullptr);
  std::string a;
  std::string b;
  first->bound = &a;
  second->bound = &b;
  SetWindowTextA(first->handle(), "alpha");
  RequiredEdit::storeCount = 0;
  for (int press = 0; press < 2; ++press) {
    SendMessageA(form.handle(), WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindowVisible(form.handle()));
    EXPECT_EQ(GetFocus(), second->handle());
    EXPECT_EQ(form.completed(), 0);
  }
  EXPECT_EQ(RequiredEdit::storeCount, 0) << "nothing is stored while one input is invalid";
  EXPECT_EQ(a, "");
  // A disabled invalid input is skipped.
  SetWindowTextA(first->handle(), "");
  EnableWindow(first->handle(), FALSE);
  SetWindowTextA(second->handle(), "beta");
  SendMessageA(form.handle(), WM_COMMAND, IDOK, 0);
  EXPECT_EQ(form.completed(), 1);
  EXPECT_FALSE(IsWindowVisible(form.handle()));
  EXPECT_EQ(b, "beta");
  EXPECT_EQ(a, "");
  // OK and Cancel answer 0: the dialog's own command handler still sees them.
  EXPECT_EQ(form.commands, (std::vector<int>{IDOK, IDOK, IDOK}));
}

TEST_F(Dialogs, ExtendedAndMissingTemplatesAreRefusedClearly) {
  zDialogFrame extended(nullptr, zResId(kExtendedTemplate));
  EXPECT_NE(extended.templateError().find("extended form"), std::string::npos);
  EXPECT_EQ(extended.childById(IDOK), nullptr);
  zDialogFrame missing(nullptr, zResId(kMissingTemplate));
  EXPECT_TRUE(missing.templateError().empty());
  EXPECT_EQ(missing.style(), 0u);
  EXPECT_EQ(missing.children().count(), 0u);
}

// A template in memory, as the resource compiler lays it out.
class TemplateBuilder {
 public:
  void word(uint16_t w) {
    bytes_.push_back(w & 0xFF);
    bytes_.push_back(w >> 8);
  }
  void dword(uint32_t d) {
    word(d & 0xFFFF);
    word(d >> 16);
  }
  void text(const char* s) {
    for (; *s; ++s) word(static_cast<uint8_t>(*s));
    word(0);
  }
  void align() {
    while (bytes_.size() % 4) bytes_.push_back(0);
  }
  void header(uint16_t count) {
    dword(WS_POPUP | WS_CAPTION);
    dword(0);
    word(count);
    word(0);
    word(0);
    word(100);
    word(60);
    word(0);  // no menu
    word(0);  // default class
    text("Memory");
  }
  void item(uint16_t id, uint16_t atom, uint16_t x, const char* title, std::vector<uint8_t> data = {}) {
    align();
    dword(WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    dword(0);
    word(x);
    word(4);
    word(30);
    word(12);
    word(id);
    word(0xFFFF);
    word(atom);
    text(title);
    if (data.empty()) {
      word(0);
    } else {
      word(static_cast<uint16_t>(data.size() + 2));
      bytes_.insert(bytes_.end(), data.begin(), data.end());
    }
  }
  std::vector<uint8_t>& bytes() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

TEST_F(Dialogs, CreationDataIsSteppedOverAndShortTemplatesAreRefused) {
  zDialogFrame frame(nullptr, nullptr, WS_POPUP, "host");
  TemplateBuilder t;
  t.header(3);
  t.item(201, 0x80, 4, "First", {1, 2, 3, 4, 5, 6});
  t.item(202, 0x81, 40, "x");  // title of one character: the item ends mid-DWORD
  t.item(203, 0x80, 70, "Third");
  {
    ziDialogReader reader(&frame, t.bytes().data(), t.bytes().size());
    EXPECT_TRUE(reader.createControls());
    EXPECT_TRUE(reader.error().empty());
  }
  for (int id : {201, 202, 203}) ASSERT_NE(frame.childById(id), nullptr) << id;
  const LONG base = GetDialogBaseUnits();
  EXPECT_EQ(placeOf(frame.childById(203)->handle()).left, LOWORD(base) * 70 / 4);
  EXPECT_EQ(frame.childById(202)->text(), FLCString("x"));
  // Cut short inside the third item: the first two are made, the reader says why.
  zDialogFrame second(nullptr, nullptr, WS_POPUP, "host 2");
  std::vector<uint8_t> shortened(t.bytes().begin(), t.bytes().end() - 8);
  ziDialogReader reader(&second, shortened.data(), shortened.size());
  EXPECT_FALSE(reader.createControls());
  EXPECT_NE(reader.error().find("ends before"), std::string::npos);
  EXPECT_NE(second.childById(202), nullptr);
  EXPECT_EQ(second.childById(203), nullptr);
}

TEST_F(Dialogs, ActivatingMDIDialogsMovesTheCurrentDialog) {
  zMDIAppFrame* frame = makeTestMDIFrame();
  frame->show(SW_SHOWNORMAL);
  zMDIFormDialog* one = new zMDIFormDialog(frame, zResId(kMDIFormTemplate));
  zMDIFormDialog* two = new zMDIFormDialog(frame, zResId(kMDIFormTemplate));
  one->show(SW_SHOWNORMAL);
  pump();
  EXPECT_EQ(ziCurrentModelessDialog, one->handle());
  two->show(SW_SHOWNORMAL);
  pump();
  EXPECT_EQ(ziCurrentModelessDialog, two->handle());
  one->activate();
  pump();
  EXPECT_EQ(ziCurrentModelessDialog, one->handle());
  EXPECT_EQ(one->defaultId(), static_cast<uint32_t>(IDOK));
  // OK on a form without inputs that can fail: stored, completed, hidden.
  SendMessageA(one->handle(), WM_COMMAND, IDOK, 0);
  EXPECT_EQ(one->completed(), 1);
  EXPECT_FALSE(IsWindowVisible(one->handle()));
  // Deleted while an activation notice naming it is still queued.
  PostMessageA(frame->handle(), zMsgMergeMenu, 1, reinterpret_cast<LPARAM>(two));
  delete two;
  pump();
  delete frame;
}

TEST_F(Dialogs, ATemplatesMenuLeavesTheClientTheTemplatesExtentInBothKinds) {
  zMDIAppFrame* frame = makeTestMDIFrame();
  frame->show(SW_SHOWNORMAL);
  zFormDialog top(frame, zResId(kMenuTemplate));
  zMDIFormDialog* child = new zMDIFormDialog(frame, zResId(kMenuTemplate));
  top.show(SW_SHOWNORMAL);
  child->show(SW_SHOWNORMAL);
  pump();
  EXPECT_NE(GetMenu(top.handle()), nullptr) << "the top-level dialog shows the template's menu";
  for (zWindow* dialog : {static_cast<zWindow*>(&top), static_cast<zWindow*>(child)}) {
    const UnitsOf units(dialog->font().hfont());
    RECT client;
    GetClientRect(dialog->handle(), &client);
    EXPECT_EQ(client.right, units.x(160)) << (dialog == child ? "MDI" : "top-level");
    EXPECT_EQ(client.bottom, units.y(70)) << (dialog == child ? "MDI" : "top-level");
  }
  delete child;
  delete frame;
}

TEST_F(Dialogs, SelfDeletingMDIDialogGoesAfterItsWindow) {
  zMDIAppFrame* frame = makeTestMDIFrame();
  frame->show(SW_SHOWNORMAL);
  zMDIFormDialog* form = new zMDIFormDialog(frame, zResId(kMDIFormTemplate));
  form->setSelfDeleting();
  form->show(SW_SHOWNORMAL);
  pump();
  const HWND handle = form->handle();
  SendMessageA(handle, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_NE(ziCurrentModelessDialog, handle);
  pump();  // the frame deletes the object on 0x903
  EXPECT_EQ(app_->windowMap()->find(handle), nullptr);
  delete frame;
}

// Counts what reaches a dialog of either kind: the show hook, the mouse, the end of its
// window.
template <class Frame>
class DialogProbe : public Frame {
 public:
  template <class... Args>
  explicit DialogProbe(Args&&... args) : Frame(std::forward<Args>(args)...) {
    this->addMessageHandler(this, &DialogProbe::onDestroyNotice, WM_DESTROY);
  }
  void beforeShow() override { ++shows; }
  int onMouseMove(zEvent*) override {
    ++moves;
    return 0;
  }
  int onMouseButtonUp(zEvent*) override {
    ++releases;
    return 0;
  }
  int onDestroyNotice(zEvent*) {
    ++destroyNotices;
    return 0;
  }
  int shows = 0;
  int moves = 0;
  int releases = 0;
  int destroyNotices = 0;
};

template <class Probe>
void expectTheAnswersOfEveryDialog(Probe* probe) {
  probe->show(SW_SHOWNORMAL);
  probe->show(SW_SHOWNORMAL);
  pump();
  EXPECT_EQ(probe->shows, 1);
  // The frame's own focus goes on to its first tab stop.
  SetFocus(probe->handle());
  ASSERT_NE(probe->childById(kEditId), nullptr);
  EXPECT_EQ(GetFocus(), probe->childById(kEditId)->handle());
  // The pointer may move over the window meanwhile: the sent messages are counted alone.
  const int moves = probe->moves;
  const int releases = probe->releases;
  SendMessageA(probe->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(probe->handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageA(probe->handle(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(probe->moves, moves + 1);
  EXPECT_EQ(probe->releases, releases + 2);
  // A change of the system colours gives the dialog the face colour of now.
  probe->setBackgroundColor(zColor::fromColorRef(RGB(1, 2, 3)));
  SendMessageA(probe->handle(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(probe->backColor(), ziDialogBackground());
  DestroyWindow(probe->handle());
  EXPECT_EQ(probe->destroyNotices, 1);
}

TEST_F(Dialogs, TopLevelAndMDIDialogsAnswerAlike) {
  zMDIAppFrame* frame = makeTestMDIFrame();
  frame->show(SW_SHOWNORMAL);
  {
    SCOPED_TRACE("top-level dialog");
    auto* top = new DialogProbe<zDialogFrame>(frame, zResId(kMDIFormTemplate));
    expectTheAnswersOfEveryDialog(top);
    delete top;
  }
  {
    SCOPED_TRACE("MDI dialog");
    auto* child = new DialogProbe<zMDIDialogFrame>(frame, zResId(kMDIFormTemplate));
    expectTheAnswersOfEveryDialog(child);
    delete child;
  }
  pump();
  delete frame;
}

}  // namespace
