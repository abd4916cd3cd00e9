#include "framework/controls/zControl.h"

#include "framework/core/zProgram.h"
#include "framework/core/zWindowProc.h"
#include "framework/core/ziWindowMap.h"

HBRUSH ziControlBackgroundBrush = nullptr;

LRESULT CALLBACK ziControlProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  zWindow* window = zTheProgram && zTheProgram->windowMap() ? zTheProgram->windowMap()->find(handle) : nullptr;
  if (!window || !window->hasTypeBit(zTypeControl))
    return DefWindowProcA(handle, message, wParam, lParam);
  zControl* control = static_cast<zControl*>(window);
  const WNDPROC classProc = control->classProcedure();
  if (message != WM_NCDESTROY) return CallWindowProcA(classProc, handle, message, wParam, lParam);
  SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc));
  const LRESULT result = CallWindowProcA(classProc, handle, message, wParam, lParam);
  ziNcDestroy(control);
  return result;
}

zControl::zControl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title,
                   int32_t id, const char* windowsClass)
    : zChildWin(parent, sizer, style != 0 ? style : WS_TABSTOP, id),
      textColor_(zColor::fromColorRef(GetSysColor(COLOR_WINDOWTEXT))), brush_(nullptr),
      classProc_(nullptr) {
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
  if (handle_) {
    classProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ziControlProc)));
  }
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
