// Typing into a formatted edit under Wine: characters, keys, cut, copy and paste through
// the clipboard, with the key states set on the test's own thread.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "../core/GuiTestSupport.h"
#include "framework/format/zFormattedEdit.h"
#include "framework/format/zIntlContext.h"
#include "framework/format/zNumFormatter.h"
#include "framework/format/zPictStrEl.h"

inline void PrintTo(const zRange& r, std::ostream* os) { *os << r.low() << ".." << r.high(); }

namespace {

class FormattedEditGui : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    frame_ = new CommandFrame;
    frame_->show(SW_SHOWNORMAL);
    setKeys(false, false);
  }
  void TearDown() override {
    setKeys(false, false);
    delete frame_;
    FrameworkTest::TearDown();
  }

  struct CommandFrame : LoggingFrame {
    int onCommand(zEvent* e) override {
      if (LOWORD(e->wParam_) == IDCANCEL) ++cancels;
      return 0;
    }
    int cancels = 0;
  };

  // The weight column's formatter: four digit positions shown as "#" until filled.
  zFormattedEdit* weightsEdit(uint32_t style = WS_BORDER) {
    zIntlContext* locale = new zIntlContext(zIntlSettings());
    return new zFormattedEdit(frame_, new zSizer(zPoint(5, 5), zDimension(120, 24), nullptr), style, nullptr, 11,
                              new zNumFormatter(0x2c0002, "####", locale));
  }

  static void setKeys(bool ctrl, bool shift) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
  }
  static std::string text(zFormattedEdit* e) {
    char buffer[128] = {};
    GetWindowTextA(e->handle(), buffer, sizeof buffer);
    return buffer;
  }
  static zRange sel(zFormattedEdit* e) {
    DWORD a = 0, b = 0;
    SendMessageA(e->handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
    return zRange(static_cast<int32_t>(a), static_cast<int32_t>(b));
  }
  static void select(zFormattedEdit* e, int a, int b) { SendMessageA(e->handle(), EM_SETSEL, a, b); }
  static void type(zFormattedEdit* e, char c) { SendMessageA(e->handle(), WM_CHAR, static_cast<unsigned char>(c), 1); }
  static void key(zFormattedEdit* e, WPARAM vk) { SendMessageA(e->handle(), WM_KEYDOWN, vk, 1); }
  void setClipboard(const char* s) {
    ASSERT_TRUE(OpenClipboard(frame_->handle()));
    EmptyClipboard();
    if (s) {
      HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, strlen(s) + 1);
      memcpy(GlobalLock(mem), s, strlen(s) + 1);
      GlobalUnlock(mem);
      SetClipboardData(CF_TEXT, mem);
    }
    CloseClipboard();
  }
  std::string clipboard() {
    std::string out;
    if (!OpenClipboard(frame_->handle())) return "<closed>";
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
      out = static_cast<const char*>(GlobalLock(h));
      GlobalUnlock(h);
    } else {
      out = "<none>";
    }
    CloseClipboard();
    return out;
  }

  CommandFrame* frame_ = nullptr;
};

TEST_F(FormattedEditGui, ADialogsEditTakenOverIsFormattedFromItsOwnText) {
  const HWND native =
      CreateWindowExA(0, "edit", "7", WS_CHILD | WS_VISIBLE | WS_BORDER, 5, 40, 120, 24, frame_->handle(),
                      reinterpret_cast<HMENU>(static_cast<uintptr_t>(21)), GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(native, nullptr);
  zIntlContext* locale = new zIntlContext(zIntlSettings());
  zFormattedEdit* e = new zFormattedEdit(frame_, 21, new zNumFormatter(0x2c0002, "####", locale));
  EXPECT_EQ(e->handle(), native);
  EXPECT_TRUE(e->hasTypeBit(zTypeEditLine));
  EXPECT_EQ(text(e), "###7") << "the item's text is the initial text";
  select(e, 4, 4);
  type(e, '3');
  EXPECT_EQ(text(e), "##73");
  type(e, 'x');
  EXPECT_EQ(text(e), "##73");
  EXPECT_STREQ(e->unformattedText().data(), "73");
  // Without a formatter it is a plain edit over the same window.
  zFormattedEdit* plain = new zFormattedEdit(frame_, 11, nullptr);
  EXPECT_EQ(plain->handle(), nullptr) << "no edit 11 in the frame: nothing taken over";
  delete plain;
  delete e;
  EXPECT_FALSE(IsWindow(native));
}

TEST_F(FormattedEditGui, TypedDigitsAreFormattedWithTheCaretAfterThem) {
  zFormattedEdit* e = weightsEdit();
  EXPECT_EQ(text(e), "####");
  select(e, 4, 4);
  type(e, '1');
  type(e, '2');
  EXPECT_EQ(text(e), "##12");
  EXPECT_EQ(sel(e), zRange(4, 4));
  type(e, 'x');  // formatted again, nothing added
  EXPECT_EQ(text(e), "##12");
  type(e, '\r');  // Enter changes nothing
  EXPECT_EQ(text(e), "##12");
  type(e, '\b');
  EXPECT_EQ(text(e), "###1");
  EXPECT_STREQ(e->unformattedText().data(), "1");
  EXPECT_EQ(e->validate(), 0);  // not every position filled: the caret goes to the end
  EXPECT_EQ(sel(e), zRange(4, 4));
  e->insertText("234");
  EXPECT_EQ(text(e), "1234");
  EXPECT_EQ(e->validate(), 1);
}

TEST_F(FormattedEditGui, DeleteAtTheEndChangesNothingAndShiftDeleteCopiesFirst) {
  zFormattedEdit* e = weightsEdit();
  e->insertText("1234");
  setClipboard("zz");
  select(e, 4, 4);
  key(e, VK_DELETE);
  EXPECT_EQ(text(e), "1234");
  select(e, 1, 3);
  key(e, VK_DELETE);  // Delete alone does not copy
  EXPECT_EQ(text(e), "##14");
  EXPECT_EQ(clipboard(), "zz");
  e->insertText("");
  SetWindowTextA(e->handle(), "1234");
  select(e, 1, 3);
  setKeys(false, true);
  key(e, VK_DELETE);
  setKeys(false, false);
  EXPECT_EQ(clipboard(), "23");
  EXPECT_EQ(text(e), "##14");
  // Shift+Delete has no character message: the next typed character is not swallowed.
  select(e, 0, 0);
  type(e, '5');
  EXPECT_EQ(text(e), "#514");
}

TEST_F(FormattedEditGui, PasteGoesThroughTheFormatterAndAnEmptyClipboardChangesNothing) {
  zFormattedEdit* e = weightsEdit();
  setClipboard(nullptr);
  SendMessageA(e->handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(text(e), "####");
  setClipboard("42");
  select(e, 4, 4);
  SendMessageA(e->handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(text(e), "##42");
  // Ctrl+V pastes; its character message (0x16) is swallowed.
  setKeys(true, false);
  key(e, 'V');
  setKeys(false, false);
  type(e, 0x16);
  EXPECT_EQ(text(e), "4242");
  // Shift+Insert pastes too.
  setClipboard("9");
  select(e, 0, 0);
  setKeys(false, true);
  key(e, VK_INSERT);
  setKeys(false, false);
  EXPECT_EQ(text(e), "9424");
}

TEST_F(FormattedEditGui, CtrlLettersAreTestedAsLettersNotFunctionKeys) {
  zFormattedEdit* e = weightsEdit();
  e->insertText("1234");
  setClipboard("77");
  select(e, 0, 2);
  setKeys(true, false);
  key(e, VK_F9);       // 0x78: not Ctrl+X
  key(e, VK_F7);       // 0x76: not Ctrl+V
  key(e, VK_NUMPAD3);  // 0x63: not Ctrl+C
  setKeys(false, false);
  EXPECT_EQ(text(e), "1234");
  EXPECT_EQ(clipboard(), "77");
  // Ctrl+X cuts, and the Ctrl+X character that follows never reaches the formatter.
  setKeys(true, false);
  key(e, 'X');
  setKeys(false, false);
  type(e, 0x18);
  EXPECT_EQ(clipboard(), "12");
  EXPECT_EQ(text(e), "##34");
  // Ctrl+C copies and changes nothing.
  select(e, 2, 4);
  setKeys(true, false);
  key(e, 'C');
  setKeys(false, false);
  type(e, 0x03);
  EXPECT_EQ(clipboard(), "34");
  EXPECT_EQ(text(e), "##34");
  // WM_CUT cuts.
  select(e, 2, 3);
  SendMessageA(e->handle(), WM_CUT, 0, 0);
  EXPECT_EQ(clipboard(), "3");
  EXPECT_EQ(text(e), "###4");
}

TEST_F(FormattedEditGui, EscapeClosesThroughIdCancel) {
  zFormattedEdit* e = weightsEdit();
  type(e, 27);
  pump();
  EXPECT_EQ(frame_->cancels, 1);
  EXPECT_EQ(text(e), "####");
}

// A formatter that refuses everything and counts its destruction.
struct Refuser : zFormatter {
  Refuser() : zFormatter(0) {}
  ~Refuser() override { ++deleted; }
  int edit(FLCString&, const char* input, int, zRange&) override {
    ++edits;
    return input && input[0] == 'p' ? zEditPassOn : zEditRefused;
  }
  int validate(const FLCString&, zRange&) override { return 1; }
  static int deleted;
  static int edits;
};
int Refuser::deleted = 0;
int Refuser::edits = 0;

TEST_F(FormattedEditGui, ARefusedPasteChangesNothingAndReportsFailure) {
  zFormattedEdit* e = new zFormattedEdit(frame_, new zSizer(zPoint(5, 40), zDimension(120, 24), nullptr), WS_BORDER,
                                         nullptr, 12, new Refuser);
  SetWindowTextA(e->handle(), "abc");
  select(e, 1, 2);
  EXPECT_EQ(e->insertText("zz"), 0);
  EXPECT_EQ(text(e), "abc");
  EXPECT_EQ(sel(e), zRange(1, 2));
  type(e, 'q');  // refused
  EXPECT_EQ(text(e), "abc");
  type(e, 'p');  // passed on to the control as typed
  EXPECT_EQ(text(e), "apc");
}

TEST_F(FormattedEditGui, AFormatterIsDeletedExactlyOnce) {
  Refuser::deleted = 0;
  zFormattedEdit* e = new zFormattedEdit(frame_, new zSizer(zPoint(5, 70), zDimension(120, 24), nullptr), WS_BORDER,
                                         "x", 13, new Refuser);
  Refuser* second = new Refuser;
  e->setFormatter(second);
  EXPECT_EQ(Refuser::deleted, 1);
  e->setFormatter(second);  // the one in use again: kept
  EXPECT_EQ(Refuser::deleted, 1);
  delete e;
  EXPECT_EQ(Refuser::deleted, 2);
  zFormattedEdit* f = new zFormattedEdit(frame_, new zSizer(zPoint(5, 70), zDimension(120, 24), nullptr), WS_BORDER,
                                         "x", 14, new Refuser);
  zFormatter* kept = f->releaseFormatter();
  delete f;
  EXPECT_EQ(Refuser::deleted, 2);
  delete kept;
}

TEST_F(FormattedEditGui, AReadOnlyEditPassesCharactersOnUnformatted) {
  Refuser::edits = 0;
  zFormattedEdit* e = new zFormattedEdit(frame_, new zSizer(zPoint(5, 100), zDimension(120, 24), nullptr),
                                         WS_BORDER | ES_READONLY, nullptr, 15, new Refuser);
  const int before = Refuser::edits;
  type(e, '7');
  EXPECT_EQ(Refuser::edits, before);
}

// The window-free formatters know only ASCII and default settings; a running program
// gives them the system's: the code page's letters and cases, the profile's numbers.
TEST_F(FormattedEditGui, AStartedProgramFormatsWithTheSystemsConventions) {
  struct Case {
    char c;
    bool alpha, lower;
    char upper, lowerCase;
  } cases[] = {
      {'\xE9', true, true, '\xC9', '\xE9'},   // e acute in the ANSI code page
      {'\xC9', true, false, '\xC9', '\xE9'},  // E acute
      {'q', true, true, 'Q', 'q'},
      {'7', false, false, '7', '7'},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(zCharIsAlpha(c.c), c.alpha) << int(static_cast<unsigned char>(c.c));
    EXPECT_EQ(zCharIsAlphaNumeric(c.c), c.alpha || (c.c >= '0' && c.c <= '9')) << int(static_cast<unsigned char>(c.c));
    EXPECT_EQ(zCharIsLower(c.c), c.lower) << int(static_cast<unsigned char>(c.c));
    EXPECT_EQ(zCharToUpper(c.c), c.upper) << int(static_cast<unsigned char>(c.c));
    EXPECT_EQ(zCharToLower(c.c), c.lowerCase) << int(static_cast<unsigned char>(c.c));
  }
  char decimal[2] = {0};
  char currency[10] = {0};
  GetProfileStringA("intl", "sDecimal", ".", decimal, sizeof decimal);
  GetProfileStringA("intl", "sCurrency", "$", currency, sizeof currency);
  zIntlContext user;
  EXPECT_EQ(user.decimal(), decimal[0]);
  EXPECT_STREQ(user.currency(), currency);
}

}  // namespace
