#include "framework/controls/zButton.h"

#include "framework/core/zResId.h"
#include "framework/layout/zSizer.h"

namespace {

// The parent's colour for a new static or button; special values stay with the control's
// default (the parent answers WM_CTLCOLOR from them).
void takeParentColor(zControl* control, zWindow* parent) {
  if (!parent) return;
  const uint32_t color = parent->backColor();
  if (color == zBackDefault || color == zBackParent) return;
  control->setBackgroundColor(zColor::fromColorRef(color));
}

void loadIconCopy(HMODULE module, LPCSTR name, void* out) {
  const HICON shared = LoadIconA(module, name);
  // The module may be unloaded right after: the control keeps an icon of its own.
  *static_cast<HICON*>(out) = shared ? CopyIcon(shared) : nullptr;
}

}  // namespace

// ---------------------------------------------------------------- static text

zStaticText::zStaticText(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zControl(parent, sizer, style, text, id, "static"), icon_(nullptr) {
  setTypeBit(zTypeStaticText);
  kind_ = zKindStatic;
  style_ = (style_ & ~static_cast<uint32_t>(WS_TABSTOP)) | WS_CHILD | WS_VISIBLE;
  if ((style & 0xFFu) == SS_ICON) {
    if (text) zLoadFromResourceModule(zResId(text), &loadIconCopy, &icon_);
    if (sizer_) sizer_->setExtent(zDimension(32, 32));
  }
  takeParentColor(this, parent);
  create();
}

zStaticText::zStaticText(zWindow* parent, int32_t id) : zControl(parent, id), icon_(nullptr) {
  setTypeBit(zTypeStaticText);
  if (!isEmpty()) kind_ = zKindStatic;
}

zStaticText::~zStaticText() {
  if (icon_) DestroyIcon(icon_);
}

LRESULT zStaticText::defProc(zEvent* event) {
  if (event && icon_ && event->message_ == WM_PAINT) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(event->window_, &ps);
    DrawIcon(dc, 0, 0, icon_);
    EndPaint(event->window_, &ps);
    return 1;
  }
  return zControl::defProc(event);
}

// ---------------------------------------------------------------- buttons

zButton::zButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zControl(parent, sizer, style, text, id, "button") {
  setTypeBit(zTypeButton);
  kind_ = zKindButton;
  style_ |= WS_CHILD | WS_VISIBLE;
  takeParentColor(this, parent);
}

zButton::zButton(zWindow* parent, int32_t id) : zControl(parent, id) {
  setTypeBit(zTypeButton);
  if (!isEmpty()) kind_ = zKindButton;
}

zPushButton::zPushButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zButton(parent, sizer, style, text, id) {
  setTypeBit(zTypePushButton);
  style_ |= BS_PUSHBUTTON;
  create();
}

zPushButton::zPushButton(zWindow* parent, int32_t id) : zButton(parent, id) { setTypeBit(zTypePushButton); }

zDefPushButton::zDefPushButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zButton(parent, sizer, style, text, id) {
  setTypeBit(zTypeDefPushButton);
  style_ |= BS_DEFPUSHBUTTON;
  create();
}

zDefPushButton::zDefPushButton(zWindow* parent, int32_t id) : zButton(parent, id) { setTypeBit(zTypeDefPushButton); }

// ---------------------------------------------------------------- check box

zCheckBox::zCheckBox(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zButton(parent, sizer, style, text, id), bound_(nullptr), bindKind_(0) {
  setTypeBit(zTypeCheckBox);
  style_ |= BS_AUTOCHECKBOX;
  create();
}

zCheckBox::zCheckBox(zWindow* parent, int32_t id) : zButton(parent, id), bound_(nullptr), bindKind_(0) {
  setTypeBit(zTypeCheckBox);
}

zCheckBox::zCheckBox(zWindow* parent, int32_t id, int* bound) : zCheckBox(parent, id) {
  bind(bound);
  loadData();
}

int zCheckBox::checked() const { return handle_ ? static_cast<int>(SendMessageA(handle_, BM_GETCHECK, 0, 0)) : 0; }

void zCheckBox::setCheck(int state) {
  if (handle_) SendMessageA(handle_, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void zCheckBox::bind(int* bound) {
  bound_ = bound;
  bindKind_ = 1;
}

int zCheckBox::storeData() {
  // An empty control (no native window) has nothing to store: the bound value stays.
  if (bindKind_ != 1 || !bound_ || isEmpty()) return 0;
  *bound_ = checked();
  return 1;
}

int zCheckBox::loadData() {
  if (!bound_) return 0;
  if (bindKind_ != 1) return 1;
  setCheck(*bound_);
  return 1;
}

// ---------------------------------------------------------------- radio button, group box

zRadioButton::zRadioButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zButton(parent, sizer, style, text, id) {
  setTypeBit(zTypeRadioButton);
  if ((style & (0x4u | 0x1u | 0x8u)) == 0) style_ |= BS_RADIOBUTTON;
  create();
}

zRadioButton::zRadioButton(zWindow* parent, int32_t id) : zButton(parent, id) { setTypeBit(zTypeRadioButton); }

int zRadioButton::checked() const { return handle_ ? static_cast<int>(SendMessageA(handle_, BM_GETCHECK, 0, 0)) : 0; }

void zRadioButton::setCheck(int state) {
  if (handle_) SendMessageA(handle_, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

zGroupBox::zGroupBox(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zButton(parent, sizer, style, text, id) {
  setTypeBit(zTypeGroupBox);
  style_ = (style_ & ~static_cast<uint32_t>(WS_CLIPSIBLINGS)) | BS_GROUPBOX;
  backColor_ = zBackParent;
  create();
}

zGroupBox::zGroupBox(zWindow* parent, int32_t id) : zButton(parent, id) { setTypeBit(zTypeGroupBox); }
