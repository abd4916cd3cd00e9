// The controls over the system classes "static" and "button": static text (a text or an
// icon), push buttons, default push buttons, check boxes bound to an integer, radio
// buttons and group boxes. Each has a creating constructor (parent, sizer, style, text,
// identifier), which creates the native control at once, and a takeover constructor
// (parent, identifier) for a dialog-template item.
#pragma once

#include "framework/controls/zControl.h"

class zStaticText : public zControl {
 public:
  // An SS_ICON style takes the text as the icon's resource name; the icon is a copy of the
  // resource module's, so it lives on when that module is unloaded again.
  zStaticText(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zStaticText(zWindow* parent, int32_t id);
  ~zStaticText() override;

  // Paints the icon at (0, 0) for an icon static; the class's procedure otherwise.
  LRESULT defProc(zEvent* event) override;
  HICON icon() const { return icon_; }

 private:
  HICON icon_;
};

class zButton : public zControl {
 public:
  zButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zButton(zWindow* parent, int32_t id);

  // A handler of BN_CLICKED on the parent's command list.
  void setHandler(const zEventHandler& handler) { addCtrlNotify(handler, BN_CLICKED); }
  template <class T, class C>
  void setHandler(T* object, int (C::*member)(zEvent*)) {
    setHandler(zEventHandler(object, member));
  }
  bool removeHandler(const zEventHandler& handler) { return removeCtrlNotify(handler, BN_CLICKED); }
  template <class T, class C>
  bool removeHandler(T* object, int (C::*member)(zEvent*)) {
    return removeHandler(zEventHandler(object, member));
  }
};

class zPushButton : public zButton {
 public:
  zPushButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zPushButton(zWindow* parent, int32_t id);
};

class zDefPushButton : public zButton {
 public:
  zDefPushButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zDefPushButton(zWindow* parent, int32_t id);
};

class zCheckBox : public zButton {
 public:
  zCheckBox(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zCheckBox(zWindow* parent, int32_t id);
  // Takes over and binds: the control shows the integer's state at once.
  zCheckBox(zWindow* parent, int32_t id, int* bound);

  int checked() const;
  void setCheck(int state);
  void bind(int* bound);
  // Bound: the check state into the integer, 1. Unbound: 0.
  int storeData() override;
  // Unbound: 0. Bound: the integer's state onto the control, 1.
  int loadData() override;

 private:
  int* bound_;
  int32_t bindKind_;
};

class zRadioButton : public zButton {
 public:
  // BS_RADIOBUTTON unless the style already names a radio kind (bit 4, 1 or 8 set).
  zRadioButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zRadioButton(zWindow* parent, int32_t id);

  int checked() const;
  void setCheck(int state);
};

class zGroupBox : public zButton {
 public:
  zGroupBox(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zGroupBox(zWindow* parent, int32_t id);
};
