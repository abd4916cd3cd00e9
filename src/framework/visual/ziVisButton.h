// Visual controls and visual buttons: a visual with a command id and a look state, and the
// push-button behaviour drawn by visuals (press, drag out and back in, release, hover help
// for the status line, and the click that ends in a callback or a WM_COMMAND to the host).
// Derived faces override the show operations to draw each look and call the base to record
// the state.
#pragma once

#include <cstdint>

#include "framework/core/zBoundMember.h"
#include "framework/visual/ziVisual.h"
#include "framework/visual/zVisualArith.h"

class zTimer;

class ziVisControl : public ziVisual {
 public:
  // A plain visual control takes no mouse or character events.
  ziVisControl(ziCompound* parent, zSizer* sizer, int32_t id);

  void draw(const zRect* clip) override;
  virtual void showState1() { state_ = ziStateUp; }
  virtual void showState4() { state_ = ziStateSpecial; }
  virtual void noOp() {}
  // The control's style word, for faces that read it; the base keeps none.
  virtual void setStyle(uint32_t) {}

  int32_t id() const { return id_; }
  int32_t state() const { return state_; }
  int isButton() const { return button_; }

 protected:
  int32_t id_;
  int32_t button_;
  int32_t unused_;
  int32_t state_;
};

// The record handed to a button's command callback: the id in the second field.
struct ziVisCommand {
  int32_t unused;
  int32_t id;
};

class ziVisButton : public ziVisControl {
 public:
  using ClickHandler = zBoundMember<int(ziVisButton*)>;
  using CommandHandler = zBoundMember<int(ziVisCommand*)>;

  ziVisButton(ziCompound* parent, zSizer* sizer, int32_t id);
  // Deletes the hover timer and ends a hover it still shows.
  ~ziVisButton() override;

  void draw(const zRect* clip) override;
  int onMouseDown(zEvent* e) override;
  int onMouseMove(zEvent* e) override;
  int onMouseUp(zEvent* e) override;

  virtual void showState0() { state_ = ziStateDown; }
  virtual void showState2() { state_ = ziStatePressed; }
  virtual void showState3() { state_ = ziStatePressedDown; }
  // The look after a keyboard release (check boxes and toggles choose by their kind).
  virtual void showReleased() {}
  virtual void setValue(int32_t) {}
  virtual int32_t value() { return 0; }

  template <class T, class C>
  void setClickHandler(T* object, int (C::*member)(ziVisButton*)) {
    click_ = ClickHandler(object, member);
  }
  template <class T, class C>
  void setCommandHandler(T* object, int (C::*member)(ziVisCommand*)) {
    command_ = CommandHandler(object, member);
  }
  // The hover timer's check: ends the hover when the cursor has left the host window.
  int hoverCheck(zEvent*);
  int isHovering() const { return hover_; }
  int isPressed() const { return tracker_.pressed() ? 1 : 0; }
  void setLatched(int latched) { latched_ = latched; }
  void setToggles(int toggles) { toggles_ = toggles; }

 protected:
  // Redraws the look that st names with the display locked.
  void show(int32_t st);
  // The click: first callback, then the command callback, else WM_COMMAND to the host.
  void deliverClick();
  void endHover();
  void dropTargets();

  ziButtonTracker tracker_;
  int32_t hover_;
  zTimer* hoverTimer_;
  ClickHandler click_;
  CommandHandler command_;
  int32_t latched_;
  int32_t toggles_;
};
