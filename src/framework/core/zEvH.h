// The base of every object that receives events, and the record in which a window
// procedure hands one message to the handlers.
#pragma once

#include <cstdint>

#include "foundation/Geometry.h"

// One message exactly as the window procedure received it. Built on the procedure's stack
// and passed by pointer: handlers must not keep it after they return.
class zEvent {
 public:
  zEvent() : lParam_(0), wParam_(0), message_(0), window_(nullptr) {}
  zEvent(LPARAM lParam, WPARAM wParam, UINT message, HWND window)
      : lParam_(lParam), wParam_(wParam), message_(message), window_(window) {}

  LPARAM lParam() const { return lParam_; }
  WPARAM wParam() const { return wParam_; }
  UINT message() const { return message_; }
  UINT msg() const { return message_; }
  HWND windowHandle() const { return window_; }

  // x from the low, y from the high word of lParam, each taken as unsigned 16 bits.
  zPoint point() const;
  // WM_SIZE: width from the low, height from the high word of lParam (unsigned).
  zDimension size() const;
  // n 1 left, 2 right, 3 middle: the key-state bit of that button in wParam; other n: 0.
  int isButtonDown(int n) const;
  // n 1 left, 2 right, 3 middle: whether the message is a down, up or double-click of it.
  bool isMouseButton(int n) const;
  bool isDoubleClick() const;

  LPARAM lParam_;
  WPARAM wParam_;
  UINT message_;
  HWND window_;
};

// Readings of one event for the handlers of one message family. Each copies the event, so
// a handler writes `zCommandEvt(*event).cmd()` whatever record it was given.
class zCommandEvt : public zEvent {
 public:
  explicit zCommandEvt(const zEvent& event) : zEvent(event) {}
  // The command identifier: the low word of wParam.
  uint16_t cmd() const { return static_cast<uint16_t>(wParam_ & 0xFFFF); }
};

class zFocusEvt : public zEvent {
 public:
  explicit zFocusEvt(const zEvent& event) : zEvent(event) {}
  // WM_SETFOCUS gains the focus; WM_KILLFOCUS (or anything else) loses it.
  bool gainFocus() const { return message_ == WM_SETFOCUS; }
};

class zActivateEvt : public zEvent {
 public:
  explicit zActivateEvt(const zEvent& event) : zEvent(event) {}
  // WM_MDIACTIVATE names the child being activated in lParam: active when that is this
  // event's window. Other activation messages carry the state in wParam's low word.
  bool isActive() const {
    if (message_ == WM_MDIACTIVATE) return reinterpret_cast<HWND>(lParam_) == window_;
    return (wParam_ & 0xFFFF) != 0;
  }
};

// Type bits of the framework's classes: each constructor sets its own after its base's,
// so an object carries the bits of its whole class chain and code can ask what an object
// is without run-time type information.
enum zTypeBit : unsigned {
  zTypeEvH = 1,
  zTypeWindow = 2,
  zTypeFrameWin = 3,
  zTypeChildWin = 4,
  zTypeProgramFrame = 5,
  zTypeDialogFrame = 6,
  zTypeFormDialog = 7,
  zTypePane = 8,
  zTypePopupFrame = 9,
  zTypeControl = 10,
  zTypeTextPane = 11,
  zTypeDevice = 12,
  zTypeMenu = 13,
  zTypePopupMenu = 15,
  zTypeStaticText = 16,
  zTypeButton = 17,
  zTypePushButton = 18,
  zTypeDefPushButton = 19,
  zTypeCheckBox = 20,
  zTypeRadioButton = 21,
  zTypeGroupBox = 22,
  zTypeEditBase = 23,
  zTypeEditLine = 24,
  zTypeEditBox = 25,
  zTypeListBoxBase = 26,
  zTypeListBox = 27,
  zTypeListBoxUnsorted = 28,
  zTypeComboBoxBase = 29,
  zTypeComboBox = 30,
  zTypeComboBoxFull = 31,
  zTypeComboBoxStatic = 32,
  zTypeScrollBarBase = 33,
  zTypeScrollBarVert = 34,
  zTypeScrollBarHorz = 35,
  zTypeScrollBarCtrl = 36,
  zTypeMDIAppFrame = 37,
  zTypeMDIChildFrame = 38,
  zTypeMDIMarginFrame = 39,
  zTypeMDIDialogFrame = 40,
  zTypeMDIFormDialog = 41,
  zTypeCommonCtrl = 42,
  zTypeChildFrame = 43,
  zTypeSpinCtrl = 45,
  zTypeScaleCtrl = 46,
};

class zEvH {
 public:
  static constexpr unsigned typeBitCount = 80;

  // Only bit 1 is set.
  zEvH();
  virtual ~zEvH();
  // DefWindowProc of the event's window with its message; 0 for no event.
  virtual LRESULT defProc(zEvent* event);

  void setTypeBit(unsigned n);
  // Nonzero when bit n is set; bits beyond the set read as clear.
  int hasTypeBit(unsigned n) const;

 private:
  uint8_t typeBits_[typeBitCount / 8];
};
