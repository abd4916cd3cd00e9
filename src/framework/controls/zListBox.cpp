#include "framework/controls/zListBox.h"

#include <vector>

#include "foundation/PointerLists.h"
#include "framework/core/zResources.h"

namespace {

LRESULT send(HWND handle, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return handle ? SendMessageA(handle, message, wParam, lParam) : -1;
}

LPARAM textParam(const char* text) { return reinterpret_cast<LPARAM>(text ? text : ""); }

// Redrawing is off while a batch of items goes in; the control is repainted once after.
// The strings of a container as a null-terminated array for the one fill of each class.
using Strings = std::vector<const char*>;

Strings arrayOf(FLTPtrSlist<FLCString>& list) {
  Strings out;
  FLTPtrSlistIterator<FLCString> it(list);
  while (FLCString* s = it()) out.push_back(*s);
  out.push_back(nullptr);
  return out;
}

Strings arrayOf(FLTPtrDlist<FLCString>& list) {
  Strings out;
  FLTPtrDlistIterator<FLCString> it(list);
  while (FLCString* s = it()) out.push_back(*s);
  out.push_back(nullptr);
  return out;
}

template <class Text>
Strings arrayOf(const zSlist& list) {
  Strings out;
  zSlistIter it(list);
  while (void* item = it.next()) out.push_back(*static_cast<Text*>(item));
  out.push_back(nullptr);
  return out;
}

Strings arrayOf(zResStrBlock& block) {
  Strings out;
  block.rewind();
  while (const char* s = block.nextString()) out.push_back(s);
  block.rewind();
  out.push_back(nullptr);
  return out;
}

void beginBatch(HWND handle) {
  if (handle) SendMessageA(handle, WM_SETREDRAW, 0, 0);
}

void endBatch(HWND handle) {
  if (!handle) return;
  SendMessageA(handle, WM_SETREDRAW, 1, 0);
  InvalidateRect(handle, nullptr, TRUE);
  UpdateWindow(handle);
}

}  // namespace

void zListBinding::bindIndex(int32_t* index, uint32_t bindFlags) {
  value = index;
  kind = byIndex;
  flags = bindFlags;
}

void zListBinding::bindString(FLCString* text, uint32_t bindFlags) {
  value = text;
  kind = byText;
  flags = bindFlags;
}

BOOL CALLBACK zInvalidateWindowCallback(HWND window, LPARAM) {
  InvalidateRect(window, nullptr, TRUE);
  return TRUE;
}

// ---------------------------------------------------------------- list boxes

zListBoxBase::zListBoxBase(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zControl(parent, sizer, style, text, id, "listbox"), widest_(0) {
  setTypeBit(zTypeListBoxBase);
  kind_ = zKindListBox;
  style_ |= WS_CHILD | WS_VISIBLE;
}

zListBoxBase::zListBoxBase(zWindow* parent, int32_t id) : zControl(parent, id), widest_(0) {
  setTypeBit(zTypeListBoxBase);
  if (!isEmpty()) kind_ = zKindListBox;
}

zListBoxBase::~zListBoxBase() = default;

bool zListBoxBase::keepsExtent() const {
  return handle_ && (style_ & WS_HSCROLL) && !(style_ & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
}

int32_t zListBoxBase::itemWidth(const char* text) const {
  if (!handle_ || !text) return 0;
  const HDC dc = GetDC(handle_);
  // The control's font, as the items are drawn in it.
  const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(handle_, WM_GETFONT, 0, 0));
  const HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  if (old) SelectObject(dc, old);
  ReleaseDC(handle_, dc);
  return static_cast<int32_t>(lstrlenA(text)) * tm.tmAveCharWidth;
}

void zListBoxBase::widenFor(const char* text) {
  if (!keepsExtent()) return;
  const int32_t width = itemWidth(text) + GetSystemMetrics(SM_CXVSCROLL);
  if (width <= widest_) return;
  widest_ = width;
  SendMessageA(handle_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest_), 0);
}

int32_t zListBoxBase::add(const char* text) {
  widenFor(text);
  return static_cast<int32_t>(send(handle_, LB_ADDSTRING, 0, textParam(text)));
}

int32_t zListBoxBase::insert(const char* text, int32_t index) {
  widenFor(text);
  return static_cast<int32_t>(send(handle_, LB_INSERTSTRING, static_cast<WPARAM>(index), textParam(text)));
}

int32_t zListBoxBase::remove(int32_t index) {
  const int32_t left = static_cast<int32_t>(send(handle_, LB_DELETESTRING, static_cast<WPARAM>(index)));
  if (left != LB_ERR && keepsExtent()) {
    widest_ = 0;
    for (int32_t i = 0; i < left; ++i) {
      const int32_t width = itemWidth(itemText(i));
      if (width > widest_) widest_ = width;
    }
    SendMessageA(handle_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest_), 0);
  }
  return left;
}

void zListBoxBase::resetContent() {
  if (keepsExtent()) {
    widest_ = 0;
    SendMessageA(handle_, LB_SETHORIZONTALEXTENT, 0, 0);
  }
  send(handle_, LB_RESETCONTENT);
}

int32_t zListBoxBase::addDirectory(uint32_t attributes, const char* spec) {
  int32_t result = LB_ERR;
  if (handle_) result = static_cast<int32_t>(SendMessageA(handle_, LB_DIR, attributes, textParam(spec)));
  widenFor(spec);
  return result;
}

int32_t zListBoxBase::count() const { return static_cast<int32_t>(send(handle_, LB_GETCOUNT)); }

FLCString zListBoxBase::itemText(int32_t index) const {
  const LRESULT length = send(handle_, LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length <= 0) return FLCString();
  std::vector<char> buffer(static_cast<size_t>(length) + 2, '\0');
  SendMessageA(handle_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return FLCString(buffer.data());
}

int32_t zListBoxBase::selection() const {
  return handle_ ? static_cast<int32_t>(SendMessageA(handle_, LB_GETCURSEL, 0, 0)) : -1;
}

void zListBoxBase::setSelection(int32_t index) { send(handle_, LB_SETCURSEL, static_cast<WPARAM>(index)); }

void zListBoxBase::clearSelection() { send(handle_, LB_SETSEL, 0, -1); }

int32_t zListBoxBase::selectString(const char* text) {
  return static_cast<int32_t>(send(handle_, LB_SELECTSTRING, static_cast<WPARAM>(-1), textParam(text)));
}

int zListBoxBase::selectedText(FLCString* text, int32_t index) const {
  if (index == -1) index = selection();
  if (index == -1 || index == -2 || !text) return 0;
  // An index without item has no text to give: the string stays as it was.
  const LRESULT length = send(handle_, LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return 0;
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(handle_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  *text = buffer.data();
  return 1;
}

int zListBoxBase::addStrings(const char* const* strings) {
  if (!strings) return 0;
  beginBatch(handle_);
  const bool extent = keepsExtent();
  for (const char* const* s = strings; *s; ++s) {
    send(handle_, LB_ADDSTRING, 0, textParam(*s));
    if (extent) {
      const int32_t width = itemWidth(*s);
      if (width > widest_) widest_ = width;
    }
  }
  if (extent) SendMessageA(handle_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest_), 0);
  endBatch(handle_);
  return 0;
}

int zListBoxBase::addStrings(FLTPtrSlist<FLCString>& strings) { return addStrings(arrayOf(strings).data()); }
int zListBoxBase::addStrings(FLTPtrDlist<FLCString>& strings) { return addStrings(arrayOf(strings).data()); }
int zListBoxBase::addStrings(const zSlist& strings) { return addStrings(arrayOf<FLCString>(strings).data()); }
int zListBoxBase::addTextObjects(const zSlist& texts) { return addStrings(arrayOf<zString>(texts).data()); }
int zListBoxBase::addStrings(zResStrBlock& block) { return addStrings(arrayOf(block).data()); }

int zListBoxBase::validate() {
  if (!binding_.bound()) return 1;
  return (selection() >= 0 || (binding_.flags & zBindEmptyValid)) ? 1 : 0;
}

int zListBoxBase::storeData() {
  // An empty control (no native window) has nothing to store: the bound value stays.
  if (!binding_.bound() || isEmpty()) return 0;
  if (int32_t* index = binding_.index()) *index = selection();
  if (FLCString* text = binding_.text()) selectedText(text);
  return 1;
}

int zListBoxBase::loadData() { return binding_.load(*this); }

zListBox::zListBox(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zListKindOf(parent, sizer, style != 0 ? style : LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER, text, id) {
  create();
}

zListBoxUnsorted::zListBoxUnsorted(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zListKindOf(parent, sizer, (style != 0 ? style : WS_BORDER) | WS_VSCROLL | LBS_NOTIFY, text, id) {
  create();
}

// ---------------------------------------------------------------- combo boxes

zComboBoxBase::zComboBoxBase(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zControl(parent, sizer, style, text, id, "combobox"), childColor_(zBackDefault) {
  setTypeBit(zTypeComboBoxBase);
  kind_ = zKindComboBox;
  style_ |= WS_CHILD | WS_VISIBLE | WS_BORDER;
}

zComboBoxBase::zComboBoxBase(zWindow* parent, int32_t id) : zControl(parent, id), childColor_(zBackDefault) {
  setTypeBit(zTypeComboBoxBase);
  if (!isEmpty()) kind_ = zKindComboBox;
}

void zComboBoxBase::createCombo() {
  // The list of a combo box drops over its siblings: the parent must not clip it away.
  if (parent_) {
    const uint32_t parentStyle = parent_->style() & ~static_cast<uint32_t>(WS_CLIPCHILDREN);
    parent_->clearStyleBits(WS_CLIPCHILDREN);
    if (IsWindow(parent_->handle()))
      SetWindowLongPtrA(parent_->handle(), GWL_STYLE, static_cast<LONG_PTR>(parentStyle));
  }
  create();
}

int zComboBoxBase::onEraseBackground(zEvent* event) {
  zControl::onEraseBackground(event);
  return 0;
}

int32_t zComboBoxBase::add(const char* text) {
  return static_cast<int32_t>(send(handle_, CB_ADDSTRING, 0, textParam(text)));
}

int32_t zComboBoxBase::insert(const char* text, int32_t index) {
  return static_cast<int32_t>(send(handle_, CB_INSERTSTRING, static_cast<WPARAM>(index), textParam(text)));
}

int32_t zComboBoxBase::remove(int32_t index) {
  return static_cast<int32_t>(send(handle_, CB_DELETESTRING, static_cast<WPARAM>(index)));
}

int32_t zComboBoxBase::count() const { return static_cast<int32_t>(send(handle_, CB_GETCOUNT)); }

void zComboBoxBase::resetContent() { send(handle_, CB_RESETCONTENT); }

int32_t zComboBoxBase::addDirectory(uint32_t attributes, const char* spec) {
  return handle_ ? static_cast<int32_t>(SendMessageA(handle_, CB_DIR, attributes, textParam(spec))) : CB_ERR;
}

FLCString zComboBoxBase::itemText(int32_t index) const {
  const LRESULT length = send(handle_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return FLCString();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(handle_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return FLCString(buffer.data());
}

void zComboBoxBase::showDropDown() { send(handle_, CB_SHOWDROPDOWN, 1); }
void zComboBoxBase::hideDropDown() { send(handle_, CB_SHOWDROPDOWN, 0); }

int32_t zComboBoxBase::selection() const {
  return handle_ ? static_cast<int32_t>(SendMessageA(handle_, CB_GETCURSEL, 0, 0)) : -1;
}

void zComboBoxBase::setSelection(int32_t index) { send(handle_, CB_SETCURSEL, static_cast<WPARAM>(index)); }

int32_t zComboBoxBase::selectString(const char* text) {
  return static_cast<int32_t>(send(handle_, CB_SELECTSTRING, static_cast<WPARAM>(-1), textParam(text)));
}

int zComboBoxBase::selectedText(FLCString* text, int32_t index) const {
  if (index == -1) index = selection();
  if (index == -1 || index == -2 || !text) return 0;
  const LRESULT length = send(handle_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return 0;
  *text = itemText(index);
  return 1;
}

void zComboBoxBase::editText(FLCString* text) const {
  if (!text) return;
  char buffer[200] = "";
  if (handle_) GetWindowTextA(handle_, buffer, sizeof buffer);
  *text = buffer;
}

int zComboBoxBase::addStrings(const char* const* strings) {
  if (!strings) return 0;
  beginBatch(handle_);
  for (const char* const* s = strings; *s; ++s) send(handle_, CB_ADDSTRING, 0, textParam(*s));
  endBatch(handle_);
  return 0;
}

int zComboBoxBase::addStrings(FLTPtrSlist<FLCString>& strings) { return addStrings(arrayOf(strings).data()); }
int zComboBoxBase::addStrings(FLTPtrDlist<FLCString>& strings) { return addStrings(arrayOf(strings).data()); }
int zComboBoxBase::addStrings(const zSlist& strings) { return addStrings(arrayOf<FLCString>(strings).data()); }
int zComboBoxBase::addTextObjects(const zSlist& texts) { return addStrings(arrayOf<zString>(texts).data()); }
int zComboBoxBase::addStrings(zResStrBlock& block) { return addStrings(arrayOf(block).data()); }

int zComboBoxBase::validate() {
  if (!binding_.bound()) return 1;
  if (binding_.flags & zBindEmptyValid) return 1;
  if (isDropDownList()) return selection() >= 0 ? 1 : 0;
  return (handle_ && SendMessageA(handle_, WM_GETTEXTLENGTH, 0, 0) != 0) ? 1 : 0;
}

int zComboBoxBase::storeData() {
  if (!binding_.bound() || isEmpty()) return 0;
  if (int32_t* index = binding_.index()) *index = selection();
  if (FLCString* target = binding_.text()) {
    if (isDropDownList()) {
      selectedText(target);
    } else {
      const LRESULT length = send(handle_, WM_GETTEXTLENGTH);
      std::vector<char> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
      if (handle_) GetWindowTextA(handle_, buffer.data(), static_cast<int>(buffer.size()));
      *target = buffer.data();
    }
  }
  return 1;
}

int zComboBoxBase::loadData() { return binding_.load(*this); }

zComboBox::zComboBox(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zListKindOf(parent, sizer, style != 0 ? (style | CBS_SIMPLE) : (CBS_SIMPLE | CBS_SORT), text, id) {
  createCombo();
}

zComboBoxFull::zComboBoxFull(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zListKindOf(parent, sizer, style != 0 ? (style | CBS_DROPDOWN) : (CBS_DROPDOWN | CBS_SORT), text, id) {
  createCombo();
}

zComboBoxStatic::zComboBoxStatic(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zListKindOf(parent, sizer, style != 0 ? (style | CBS_DROPDOWNLIST) : (CBS_DROPDOWNLIST | CBS_SORT), text, id) {
  createCombo();
}
