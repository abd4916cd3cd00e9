// A child window of a standard Windows control class, made from the five values of a
// dialog-template control (parent, sizer, style, title, identifier). This is the least the
// window procedures need: the control's text colour and background brush for WM_CTLCOLOR,
// its identifier as the window's, and the scroll information of scroll-bar controls. The
// controls library derives the real controls from it.
#pragma once

#include "foundation/zGeometry.h"
#include "framework/core/zChildWin.h"

class zScrollInfo;

// The background brush that the control window procedure keeps for painting controls;
// the application deletes the last one at exit.
extern HBRUSH ziControlBackgroundBrush;

class zControl : public zChildWin {
 public:
  // windowsClass: the Windows class of the native control ("button", "static", ...).
  // A style of 0 means WS_TABSTOP alone; a null title gives an empty title.
  zControl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id,
           const char* windowsClass);
  ~zControl() override;

  // No class to register: the Windows class exists.
  WNDCLASSA* classInfo() override;
  // CreateWindowEx of the control's class with the title and the identifier, the window's
  // font, and the window-map entry.
  void create() override;

  const zColor& textColor() const { return textColor_; }
  void setTextColor(const zColor& color) { textColor_ = color; }
  // The control's own background brush; null when it has none.
  HBRUSH backgroundBrush() const { return brush_; }
  // Replaces the control's brush with a solid one of the colour.
  uint32_t setBackgroundColor(const zColor& color) override;
  // The scroll information of a scroll-bar control; null for other controls.
  virtual zScrollInfo* scrollInfo() { return nullptr; }
  // The window procedure of the control's class, which the control procedure calls.
  WNDPROC classProcedure() const { return classProc_; }

 private:
  zColor textColor_;
  HBRUSH brush_;
  WNDPROC classProc_;
};

// The procedure that controls are subclassed with: the control's class does the work; the
// framework follows the window's end (WM_NCDESTROY) as for its own windows.
LRESULT CALLBACK ziControlProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
