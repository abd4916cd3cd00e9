// Drawn controls with a 3-D look. ziCtrlBase is the base of every one: a VisualCtrl pane
// whose face is a control compound holding a control visual (frame, bevel or button face)
// and a text visual (the caption), answering the standard window messages so that dialogs
// treat it like a native control. ziVCBCtrlButton adds what every pressable drawn control
// shares: the button messages, clicks by mouse, space and mnemonic, focus drawing and the
// registration of click handlers. The group box and panel are passive; the check box and
// radio button draw 13 x 13 pixel marks.
#pragma once

#include <cstdint>

#include "foundation/FLCString.h"
#include "framework/visual/ziVisButton.h"
#include "framework/visual/ziVisText.h"
#include "framework/visual/zVisualArith.h"
#include "framework/visual/zVisualCtrl.h"

class ziCtrlBase : public ziVisualCtrlPane {
 public:
  ziCtrlBase(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  ziCtrlBase(zWindow* parent, int32_t id);
  ~ziCtrlBase() override;

  LRESULT defProc(zEvent* event) override;
  int onFocus(zEvent* event) override;

  virtual void setCtrlFont(HFONT font, BOOL redraw);
  virtual HFONT ctrlFont() { return ctrlFont_; }
  virtual void enableCtrl(BOOL disabled);
  virtual void setCtrlStyle(uint32_t style, BOOL redraw);
  virtual void setCtrlText(const char* text);
  virtual FLCString ctrlText() { return text_; }

  void attachCompound(ziCompound* root, ziControlCompound* compound, uint32_t style);
  // WM_COMMAND (id, code, this window) to the parent, sent or posted.
  void notifyParent(int code);
  void postNotifyParent(int code);
  uint32_t ctrlStyle() const { return ctrlStyle_; }
  ziControlCompound* compound() const { return compound_; }
  ziVisText3d* textVisual() const;
  ziVisControl* controlVisual() const;
  int32_t notifyId() const { return notifyId_; }

 protected:
  // The construction every drawn control follows: a compound filling the window under the
  // root, then its control visual and its text visual (drawn over the face), each filling
  // the compound.
  ziControlCompound* beginFace(uint32_t style);
  void endFace(ziVisControl* control, ziVisText3d* text);
  void redrawCompound();

  int32_t notifyId_;
  HFONT ctrlFont_;
  ziControlCompound* compound_;
  uint32_t ctrlStyle_;
};

class ziVCBCtrlButton : public ziCtrlBase {
 public:
  ziVCBCtrlButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  ziVCBCtrlButton(zWindow* parent, int32_t id);
  ~ziVCBCtrlButton() override;

  LRESULT defProc(zEvent* event) override;
  int onMouseButtonUp(zEvent* event) override;
  int onMouseButtonDown(zEvent* event) override;
  int onFocus(zEvent* event) override;

  virtual int keyDown(int virtualKey);
  virtual int keyUp();
  virtual void applyButtonStyle(uint32_t style) = 0;

  // BN_CLICKED and BN_DOUBLECLICKED handlers on the parent's command list.
  template <class T, class C>
  void setNotify(T* object, int (C::*member)(zEvent*)) {
    addCtrlNotify(zEventHandler(object, member), BN_CLICKED);
  }
  template <class T, class C>
  void removeNotify(T* object, int (C::*member)(zEvent*)) {
    removeCtrlNotify(zEventHandler(object, member), BN_CLICKED);
  }
  template <class T, class C>
  void setNotifyDoubleClick(T* object, int (C::*member)(zEvent*)) {
    addCtrlNotify(zEventHandler(object, member), BN_DOUBLECLICKED);
  }
  ziVisButton* buttonVisual() const;

  // The key-held flag shared by every control button, and the focus flag the last one
  // destroyed had.
  static ziKeyHeldFlag& keyHeld();
  static int lastFocus();

 protected:
  int32_t hasButtonVisual_;
};

// ---------------------------------------------------------------- group box and panel

class ziVisGroupBoxInternal : public ziVisControl {
 public:
  ziVisGroupBoxInternal(ziCompound* parent, zSizer* sizer, uint32_t style, int32_t id)
      : ziVisControl(parent, sizer, id), style_(style) {}
  void showState1() override;
  void setStyle(uint32_t style) override { style_ = style; }

 private:
  uint32_t style_;
};

class ziVisText3dGroup : public ziVisText3d {
 public:
  using ziVisText3d::ziVisText3d;
  void draw(const zRect* clip) override;
};

class ziVisPanelInternal : public ziVisControl {
 public:
  ziVisPanelInternal(ziCompound* parent, zSizer* sizer, uint32_t style, int32_t id, int32_t bevel, int32_t gap,
                     int32_t innerBevel);
  void showState1() override;
  void setStyle(uint32_t style) override { style_ = style; }
  void setBevelWidth(int32_t n) { bevel_ = n; }
  void setGap(int32_t n) { gap_ = n; }
  int32_t bevelWidth() const { return bevel_; }
  int32_t gap() const { return gap_; }

 private:
  void drawBevel(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, bool raised);
  uint32_t style_;
  int32_t bevel_;
  int32_t gap_;
  int32_t inner_;
};

class ziVisText3dPanel : public ziVisText3d {
 public:
  using ziVisText3d::ziVisText3d;
  void draw(const zRect* clip) override;
  void setTextRect(int32_t l, int32_t t, int32_t r, int32_t b) { rect_ = zRect(l, t, r, b); }

 private:
  zRect rect_;
};

class zGroupBox3d : public ziCtrlBase {
 public:
  zGroupBox3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zGroupBox3d(zWindow* parent, int32_t id);
  LRESULT defProc(zEvent* event) override;
  int onEraseBackground(zEvent*) override { return 1; }
};

class zPanel3d : public ziCtrlBase {
 public:
  // Bevel width and gap of 999 each are taken from the style.
  zPanel3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id, int32_t bevelWidth = 999,
           int32_t gap = 999);
  zPanel3d(zWindow* parent, int32_t id);
  LRESULT defProc(zEvent* event) override;
  int onEraseBackground(zEvent*) override { return 1; }
  void setCtrlStyle(uint32_t style, BOOL redraw) override;
};

// ---------------------------------------------------------------- check box and radio button

class ziVisCheckBoxInternal : public ziVisButton {
 public:
  ziVisCheckBoxInternal(ziCompound* parent, zSizer* sizer, uint32_t style, int32_t id);
  void showState0() override;
  void showState1() override;
  void showState2() override;
  void showReleased() override;
  void setStyle(uint32_t style) override;
  zRect box() const { return box_; }

 private:
  void place();
  void drawBox(HDC dc);
  void drawMark(HDC dc, COLORREF color);
  uint32_t style_;
  zRect box_;
};

class ziVisRadioBtnInternal : public ziVisButton {
 public:
  ziVisRadioBtnInternal(ziCompound* parent, zSizer* sizer, uint32_t style, int32_t id);
  void showState0() override;
  void showState1() override;
  void showState2() override;
  void showReleased() override;
  void setStyle(uint32_t style) override;
  zRect box() const { return box_; }

 private:
  void place(HDC dc);
  void drawCircle(HDC dc, int mode);
  void drawDot(HDC dc, bool black);
  uint32_t style_;
  zRect box_;
};

class zCheckBox3d : public ziVCBCtrlButton {
 public:
  zCheckBox3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zCheckBox3d(zWindow* parent, int32_t id, int* bound = nullptr);
  int check();
  void setCheck(int value);
  void bind(int* variable) {
    bound_ = variable;
    bindingKind_ = variable ? 1 : 0;
  }
  int storeData() override;
  int loadData() override;
  void applyButtonStyle(uint32_t style) override;

 private:
  void build();
  int* bound_;
  int32_t bindingKind_;
};

class zRadioButton3d : public ziVCBCtrlButton {
 public:
  zRadioButton3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zRadioButton3d(zWindow* parent, int32_t id, int* bound = nullptr);
  int check();
  void setCheck(int value);
  void bind(int* variable) {
    bound_ = variable;
    bindingKind_ = 1;
  }
  int storeData() override;
  int loadData() override;
  void applyButtonStyle(uint32_t style) override;
  int onMouseButtonUp(zEvent* event) override;
  int onMouseButtonDown(zEvent* event) override;
  int onFocus(zEvent* event) override;

 private:
  void build();
  int* bound_;
  int32_t bindingKind_;
  int32_t keyboardFocus_;
};

// The creators of the drawn controls' dialog-template types, and their registration.
zWindow* zCreateCheckBox3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
zWindow* zCreateRadioButton3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
zWindow* zCreateGroupBox3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
zWindow* zCreatePanel3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
// Registers the control types that exist so far; once per process (later calls do nothing).
void zRegisterVisualCtrlClasses();
