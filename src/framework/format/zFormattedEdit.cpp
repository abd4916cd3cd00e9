#include "framework/format/zFormattedEdit.h"

#include <cstring>
#include <string>

namespace {
bool keyDown(int key) { return GetKeyState(key) < 0; }

// The clipboard's text; false when it holds none.
bool clipboardText(HWND owner, std::string& out) {
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner)) return false;
  bool found = false;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* text = static_cast<const char*>(GlobalLock(data))) {
      out = text;
      found = true;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return found;
}
}  // namespace

zFormattedEdit::zFormattedEdit(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id,
                               zFormatter* formatter, uint32_t value)
    : zEditLine(parent, sizer, style, "", id), keyHandled_(0), value_(value), formatter_(formatter) {
  attach(text ? text : "");
}

zFormattedEdit::zFormattedEdit(zWindow* parent, int32_t id, zFormatter* formatter, uint32_t value)
    : zEditLine(parent, id), keyHandled_(0), value_(value), formatter_(formatter) {
  // The template's text is the initial text.
  const FLCString initial = windowText();
  attach(initial);
}

void zFormattedEdit::attach(const char* initial) {
  addNotifyHandler(this, &zFormattedEdit::onKeyDown, WM_KEYDOWN);
  addNotifyHandler(this, &zFormattedEdit::onCut, WM_CUT);
  addNotifyHandler(this, &zFormattedEdit::onPaste, WM_PASTE);
  if (formatter_) {
    FLCString shown("");
    zRange sel(0, 0);
    formatter_->edit(shown, initial, static_cast<int>(std::strlen(initial)), sel);
    apply(shown, sel);
  } else {
    if (handle_) SetWindowTextA(handle_, initial);
    apply(windowText(), zRange(0, 0));
  }
}

zFormattedEdit::~zFormattedEdit() {
  removeNotifyHandler(this, &zFormattedEdit::onKeyDown, WM_KEYDOWN);
  removeNotifyHandler(this, &zFormattedEdit::onCut, WM_CUT);
  removeNotifyHandler(this, &zFormattedEdit::onPaste, WM_PASTE);
  delete formatter_;
  formatter_ = nullptr;
}

void zFormattedEdit::setFormatter(zFormatter* formatter) {
  if (formatter == formatter_) return;
  delete formatter_;
  formatter_ = formatter;
}

zFormatter* zFormattedEdit::releaseFormatter() {
  zFormatter* formatter = formatter_;
  formatter_ = nullptr;
  return formatter;
}

FLCString zFormattedEdit::windowText() const {
  if (!handle_) return FLCString("");
  const int len = GetWindowTextLengthA(handle_);
  std::string buffer(static_cast<size_t>(len) + 1, '\0');
  const int got = GetWindowTextA(handle_, &buffer[0], len + 1);
  return FLCString(buffer.data(), static_cast<uint32_t>(got > 0 ? got : 0));
}

zRange zFormattedEdit::selection() const {
  DWORD start = 0, end = 0;
  if (handle_) SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return zRange(static_cast<int32_t>(start), static_cast<int32_t>(end));
}

void zFormattedEdit::apply(const FLCString& text, const zRange& sel) {
  if (!handle_) return;
  SetWindowTextA(handle_, text);
  SendMessageA(handle_, EM_SETSEL, static_cast<WPARAM>(sel.low()), static_cast<LPARAM>(sel.high()));
}

FLCString zFormattedEdit::unformattedText() {
  FLCString text = windowText();
  if (formatter_) formatter_->unformat(text);
  return text;
}

int zFormattedEdit::insertText(const char* text) {
  if (!text) text = "";
  if (!formatter_) {
    if (handle_) SetWindowTextA(handle_, text);
    return 1;
  }
  FLCString shown = windowText();
  zRange sel = selection();
  if (formatter_->edit(shown, text, static_cast<int>(std::strlen(text)), sel) != zEditReplaced) return 0;
  apply(shown, sel);
  return 1;
}

int zFormattedEdit::validate() {
  if (!formatter_) return 1;
  zRange sel(0, 0x7FFF);
  if (formatter_->validate(windowText(), sel)) return 1;
  if (handle_) SendMessageA(handle_, EM_SETSEL, static_cast<WPARAM>(sel.low()), static_cast<LPARAM>(sel.high()));
  return 0;
}

// ---------------------------------------------------------------- messages

int zFormattedEdit::onChar(zEvent* event) {
  const bool altContext = (static_cast<uint32_t>(event->lParam_) & (1u << 29)) != 0;
  const bool readOnly = ((style_ | static_cast<uint32_t>(GetWindowLongA(handle_, GWL_STYLE))) & ES_READONLY) != 0;
  if (!formatter_ || altContext || readOnly) return zEditLine::onChar(event);
  if (keyHandled_) {
    keyHandled_ = 0;
    return 1;
  }
  char c = static_cast<char>(event->wParam_);
  if (c == '\r') return 1;
  if (c == 27) {
    if (parent_ && parent_->handle()) PostMessageA(parent_->handle(), WM_COMMAND, IDCANCEL, 0);
    return 1;
  }
  FLCString text = windowText();
  zRange sel = selection();
  char input[2] = {c, 0};
  const int result =
      (c == '\b' && !sel.isEmpty()) ? formatter_->edit(text, "\b", 2, sel) : formatter_->edit(text, input, 1, sel);
  switch (result) {
    case zEditReplaced:
      apply(text, sel);
      return 1;
    case zEditRefused:
      return 1;
    case zEditPassOn:
      event->wParam_ = static_cast<unsigned char>(input[0]);
      return zEditLine::onChar(event);
    default:
      return 0;
  }
}

void zFormattedEdit::copyToClipboard() {
  // Straight to the edit's own class: the copy leaves the text alone.
  if (handle_ && savedProc_) CallWindowProcA(savedProc_, handle_, WM_COPY, 0, 0);
}

int zFormattedEdit::deleteKey(bool copyFirst) {
  FLCString text = windowText();
  zRange sel = selection();
  if (sel.low() >= static_cast<int32_t>(text.length())) return 1;
  if (formatter_->edit(text, "\b", 2, sel) == zEditReplaced) {
    if (copyFirst) copyToClipboard();
    apply(text, sel);
  }
  return 1;
}

// Only keys that are followed by a character message (Ctrl with X, C or V) set the
// key-handled flag: Delete and Insert produce none, and a flag left set would swallow
// the next character the user types.
int zFormattedEdit::onKeyDown(zEvent* event) {
  if (!formatter_) return 0;
  keyHandled_ = 0;
  const WPARAM key = event->wParam_;
  const bool ctrl = keyDown(VK_CONTROL);
  const bool shift = keyDown(VK_SHIFT);
  if (ctrl && key == 'X') {
    deleteKey(true);
    keyHandled_ = 1;
    return 1;
  }
  if (key == VK_INSERT) {
    if (shift) return onPaste(event);
    if (ctrl) {
      copyToClipboard();
      return 1;
    }
    return 0;
  }
  if (key == VK_DELETE) return deleteKey(shift);
  if (ctrl && key == 'C') {
    copyToClipboard();
    keyHandled_ = 1;
    return 1;
  }
  if (ctrl && key == 'V') {
    onPaste(event);
    keyHandled_ = 1;
    return 1;
  }
  return 0;
}

int zFormattedEdit::onCut(zEvent*) {
  if (!formatter_) return 0;
  return deleteKey(true);
}

int zFormattedEdit::onPaste(zEvent*) {
  if (!formatter_) return 0;
  std::string text;
  if (!clipboardText(handle_, text)) return 1;
  insertText(text.c_str());
  return 1;
}
