#include "framework/controls/zEdit.h"

#include <utility>
#include <vector>

namespace {

FLCString windowText(HWND handle) {
  if (!handle) return FLCString();
  const int length = static_cast<int>(SendMessageA(handle, WM_GETTEXTLENGTH, 0, 0));
  std::vector<char> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  GetWindowTextA(handle, buffer.data(), length + 1);
  return FLCString(buffer.data());
}

}  // namespace

zEditBase::zEditBase(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zControl(parent, sizer, style, text, id, "edit"), bound_(nullptr), editFlags_(0) {
  setTypeBit(zTypeEditBase);
  kind_ = zKindEdit;
  cursor_.setHandle(LoadCursor(nullptr, IDC_IBEAM));
  if ((style_ & WS_BORDER) && LOBYTE(LOWORD(GetVersion())) > 3) exStyle_ = WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE;
}

zEditBase::zEditBase(zWindow* parent, int32_t id, FLCString* bound, uint32_t flags)
    : zControl(parent, id), bound_(bound), editFlags_(flags) {
  setTypeBit(zTypeEditBase);
  if (isEmpty()) return;
  kind_ = zKindEdit;
  cursor_.setHandle(LoadCursor(nullptr, IDC_IBEAM));
  if (bound_ && bound_->length() > 0) loadData();
}

LRESULT zEditBase::defProc(zEvent* event) {
  if (!event) return 0;
  if (event->message_ == WM_KEYDOWN && event->wParam_ == VK_RETURN && !(style_ & ES_WANTRETURN) &&
      GetKeyState(VK_CONTROL) >= 0 && parent_ && parent_->handle())
    SendMessageA(parent_->handle(), zMsgEditEnter, 4096, 4096);
  return zControl::defProc(event);
}

int zEditBase::validate() {
  // An edit bound to no variable holds nothing the program requires (a template's edit
  // that no dialog took over); an empty control without a window still fails.
  if (handle_ && !bound_) return 1;
  if (handle_ && SendMessageA(handle_, WM_GETTEXTLENGTH, 0, 0) != 0) return 1;
  return (editFlags_ & zEditEmptyValid) ? 1 : 0;
}

int zEditBase::storeData() {
  // An empty control (no native window) has nothing to store: the bound value stays.
  if (!bound_ || isEmpty()) return 0;
  *bound_ = windowText(handle_);
  return 1;
}

int zEditBase::loadData() {
  if (!bound_) return 0;
  setText(*bound_);
  return 1;
}

void zEditBase::limitText(int32_t limit) {
  if (handle_) SendMessageA(handle_, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
}

void zEditBase::replaceSelection(const char* text) {
  if (handle_) SendMessageA(handle_, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text ? text : ""));
}

void zEditBase::select(int32_t start, int32_t end) {
  if (handle_) SendMessageA(handle_, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

zPair zEditBase::selectionRange() const {
  if (!handle_) return zPair();
  const DWORD packed = static_cast<DWORD>(SendMessageA(handle_, EM_GETSEL, 0, 0));
  int32_t start = LOWORD(packed);
  int32_t end = HIWORD(packed);
  if (end < start) std::swap(start, end);
  return zPair(start, end);
}

FLCString zEditBase::selection() const {
  const zPair range = selectionRange();
  const FLCString all = windowText(handle_);
  const int32_t length = static_cast<int32_t>(all.length());
  const int32_t start = range.first_ < length ? range.first_ : length;
  const int32_t end = range.second_ < length ? range.second_ : length;
  return FLCString(static_cast<const char*>(all) + start, static_cast<uint32_t>(end - start));
}

void zEditBase::cut() {
  if (handle_) SendMessageA(handle_, WM_CUT, 0, 0);
}

void zEditBase::copy() {
  if (handle_) SendMessageA(handle_, WM_COPY, 0, 0);
}

void zEditBase::paste() {
  if (handle_) SendMessageA(handle_, WM_PASTE, 0, 0);
}

void zEditBase::setText(const char* text) {
  text_ = text ? text : "";
  if (!handle_) return;
  const bool disabled = (style_ & WS_DISABLED) != 0 || !IsWindowEnabled(handle_);
  if (disabled) EnableWindow(handle_, TRUE);
  SetWindowTextA(handle_, text_);
  if (disabled) EnableWindow(handle_, FALSE);
}

zEditLine::zEditLine(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zEditBase(parent, sizer, style | WS_VISIBLE | WS_BORDER, text, id) {
  setTypeBit(zTypeEditLine);
  create();
  if (handle_) {
    SetWindowTextA(handle_, text_);
    if (style_ & WS_DISABLED) {
      EnableWindow(handle_, TRUE);
      EnableWindow(handle_, FALSE);
    }
  }
}

zEditLine::zEditLine(zWindow* parent, int32_t id, FLCString* bound, uint32_t flags)
    : zEditBase(parent, id, bound, flags) {
  setTypeBit(zTypeEditLine);
}

zEditBox::zEditBox(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zEditBase(parent, sizer, style | WS_VISIBLE | WS_BORDER | ES_MULTILINE, text, id) {
  setTypeBit(zTypeEditBox);
  create();
  if (handle_) {
    SetWindowTextA(handle_, text_);
    if (style_ & WS_DISABLED) {
      EnableWindow(handle_, TRUE);
      EnableWindow(handle_, FALSE);
    }
  }
}

zEditBox::zEditBox(zWindow* parent, int32_t id, FLCString* bound, uint32_t flags)
    : zEditBase(parent, id, bound, flags) {
  setTypeBit(zTypeEditBox);
}
