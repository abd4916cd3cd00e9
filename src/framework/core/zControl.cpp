#include "framework/core/zControl.h"

HBRUSH ziControlBackgroundBrush = nullptr;

zControl::zControl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title,
                   int32_t id, const char* windowsClass)
    : zChildWin(parent, sizer, style != 0 ? style : WS_TABSTOP, id),
      textColor_(zColor::fromColorRef(GetSysColor(COLOR_WINDOWTEXT))), brush_(nullptr) {
  setTypeBit(zTypeControl);
  text_ = title ? title : "";
  if (windowsClass) className_ = windowsClass;
}

zControl::~zControl() {
  if (brush_) DeleteObject(brush_);
}

WNDCLASSA* zControl::classInfo() { return nullptr; }

void zControl::create() {
  createNative(parent_ ? parent_->handle() : nullptr,
               reinterpret_cast<HMENU>(static_cast<uintptr_t>(static_cast<uint16_t>(id_))), text_);
  if (font_.isValid())
    setFont(font_, 0);
  else
    inheritParentFont();
}

uint32_t zControl::setBackgroundColor(const zColor& color) {
  const uint32_t value = zChildWin::setBackgroundColor(color);
  if (brush_) DeleteObject(brush_);
  brush_ = CreateSolidBrush(value);
  return value;
}
