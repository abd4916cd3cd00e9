// The system's trackbar ("msctls_trackbar32") and up-down control ("msctls_updown32") as
// framework controls: the windows are the system's own, subclassed by the control procedure,
// and what the framework does not handle goes to their own procedure. Their scroll
// messages reach handlers on the parent through zCommonCtrlNotifyNode, which accepts a
// message only when it comes from its own control (the control's window in lParam), so two
// trackbars of one parent never run each other's handlers.
//
// Every up-down operation on a control whose window does not exist (never created, or
// destroyed) sends nothing and answers 0, or the range 0 to 0.
#pragma once

#include <windows.h>

// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdint>

#include "framework/controls/zControl.h"
#include "framework/core/zRange.h"

class zCommonCtrlNotifyNode : public zNotifyNode {
 public:
  zCommonCtrlNotifyNode(HWND control, const zEventHandler& handler, UINT message);
  // The message, from this node's control: nothing else decides.
  bool matches(const zEvent* event) const override;
  HWND control() const { return control_; }

 private:
  HWND control_;
};

class ziCommonCtrlBase : public zControl {
 public:
  ziCommonCtrlBase(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  ziCommonCtrlBase(zWindow* parent, int32_t id);
  void create() override;

 protected:
  // A node of this control for the message on the parent's general list, and its removal.
  void addHandlerNode(const zEventHandler& handler, UINT message);
  void removeHandlerNode(const zEventHandler& handler, UINT message);
};

class zScaleCtrl : public ziCommonCtrlBase {
 public:
  zScaleCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zScaleCtrl(zWindow* parent, int32_t id);
  void create() override;

  void setPos(int32_t pos);
  int32_t pos() const;
  void setRange(int32_t min, int32_t max);
  void setRangeMax(int32_t max);
  void setRangeMin(int32_t min);
  int32_t rangeMax() const;
  int32_t rangeMin() const;
  void setPageSize(int32_t n);
  int32_t pageSize() const;
  void setTicFreq(int32_t n);
  void setLineSize(int32_t n);
  int32_t lineSize() const;

  // WM_HSCROLL and WM_VSCROLL of this trackbar, on the parent.
  void addScrollHandler(const zEventHandler& handler);
  void removeScrollHandler(const zEventHandler& handler);
  template <class T, class C>
  void addScrollHandler(T* object, int (C::*member)(zEvent*)) {
    addScrollHandler(zEventHandler(object, member));
  }
  template <class T, class C>
  void removeScrollHandler(T* object, int (C::*member)(zEvent*)) {
    removeScrollHandler(zEventHandler(object, member));
  }

 private:
  LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) const;
};

class zSpinCtrl : public ziCommonCtrlBase {
 public:
  // The control always carries UDS_NOTHOUSANDS.
  zSpinCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zSpinCtrl(zWindow* parent, int32_t id);
  void create() override;

  LRESULT setAccel(uint32_t count, UDACCEL* accels);
  LRESULT accel(uint32_t count, UDACCEL* accels) const;
  LRESULT setBase(int32_t base);
  int32_t base() const;
  // The previous buddy's framework window, or null.
  zWindow* setBuddy(zWindow* buddy);
  HWND buddyHandle() const;
  zWindow* buddy() const;
  // The previous position.
  int32_t setPos(int32_t pos);
  // 0 when the control reports an error.
  int32_t pos() const;
  void setRange(const zRange& range) { setRange(range.low(), range.high()); }
  void setRange(int32_t low, int32_t high);
  zRange range() const;
  int range(short* low, short* high) const;
  void setRange32(const zRange& range) { setRange32(range.low(), range.high()); }
  void setRange32(int32_t low, int32_t high);
  zRange range32() const;
  int range32(int* low, int* high) const;

  // WM_NOTIFY of this control's id on the parent; WM_VSCROLL or WM_HSCROLL of this control.
  void addNotifyHandler(const zEventHandler& handler);
  void removeNotifyHandler(const zEventHandler& handler);
  void addVScrollHandler(const zEventHandler& handler) { addHandlerNode(handler, WM_VSCROLL); }
  void removeVScrollHandler(const zEventHandler& handler) { removeHandlerNode(handler, WM_VSCROLL); }
  void addHScrollHandler(const zEventHandler& handler) { addHandlerNode(handler, WM_HSCROLL); }
  void removeHScrollHandler(const zEventHandler& handler) { removeHandlerNode(handler, WM_HSCROLL); }

 private:
  bool live() const { return handle_ && IsWindow(handle_); }
  LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) const;
};

zWindow* zCreateSpinCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
zWindow* zCreateScaleCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
