// What makes a frame a dialog, whichever frame it is: the controls read from a dialog
// template, the default button, Tab and arrow navigation, the focus kept across
// activations, the window class and procedure, and the routing of the messages every
// dialog answers alike. zDialogFrame puts it over a top-level frame, zMDIDialogFrame over
// an MDI child; each of those keeps only what its kind of window does its own way.
//
// The members are defined once, in zDialogFrameOf.cpp, for those two frames; their
// headers declare the two instances.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "framework/core/zFrameWin.h"
#include "framework/core/zResId.h"
#include "framework/frames/ziFrameSupport.h"

class ziDialogReader;

template <class Base>
class zDialogFrameOf : public Base {
 public:
  ~zDialogFrameOf() override;

  WNDCLASSA* classInfo() override;
  // The frame's own focus goes on to the control it had last, else to the first tab stop.
  int onFocus(zEvent* event) override;
  // Called once, just before the first show (as the first show's preparation).
  virtual void beforeShow();
  // Hides the dialog and ends it the way its kind of frame ends.
  virtual void endDialog() = 0;

  uint32_t defaultId() const { return defaultId_; }
  // Why the template gave no controls; empty when it was read.
  const std::string& templateError() const { return templateError_; }

  LRESULT route(zEvent* event);

 protected:
  template <class... Args>
  explicit zDialogFrameOf(Args&&... args) : Base(std::forward<Args>(args)...) {
    initDialog();
  }

  // The template's identifier, styles, caption, font and place become the frame's; a
  // nonzero style replaces the upper word of the template's. The controls come with the
  // window (makeTemplateControls).
  void readTemplate(const zResId& templateId, uint32_t style);
  // Once the window exists: the template's controls and its default button.
  void makeTemplateControls();
  // The keyboard goes to the first tab stop; a frame still hidden keeps it for its
  // activation instead.
  void focusFirstTabStopOnceShown();
  // The control that has the focus is remembered as the dialog loses the activation.
  void rememberFocusedControl();

  // The messages that the frame's kind handles its own way, before the common routing;
  // true when the message was answered, the answer in *result.
  virtual bool routeOwnMessage(zEvent* event, LRESULT* result) = 0;
  // A close request that neither a handler nor onClose answered, before the default close.
  virtual void onCloseUnanswered() {}
  // The template's menu resource; only a top-level frame has a menu bar to take it.
  virtual void takeTemplateMenu(uint32_t /*menuId*/) {}
  // Whatever the frame kind prepares, a dialog prepares its first show with beforeShow.
  void prepareFirstShow() override { beforeShow(); }

  ziDialogReader* reader_;
  HWND savedFocus_;
  uint32_t defaultId_;
  std::string templateError_;

 private:
  void initDialog();
  static LRESULT CALLBACK windowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
};
