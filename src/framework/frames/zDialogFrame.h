// A dialog in this framework is a top-level frame of its own window class whose children
// are framework controls, made by code or from a dialog template; no system dialog box is
// ever created. It runs modelessly (the message loop gives it IsDialogMessage while it is
// the current dialog) or modally (a nested message loop, its owners disabled).
//
// A modal dialog that deletes itself is deleted only after its modal run has left the
// nested loop: runModal never touches a freed object, and the caller must not use such a
// dialog after runModal returns.
#pragma once

#include <cstdint>

#include "framework/core/zFrameWin.h"
#include "framework/core/zResId.h"
#include "framework/frames/zDialogFrameOf.h"

extern template class zDialogFrameOf<zFrameWin>;

class zDialogFrame : public zDialogFrameOf<zFrameWin> {
 public:
  // From a dialog template. A nonzero style replaces the upper word of the template's
  // (the template keeps the dialog styles of the lower word). Unless deferred, the window
  // and the controls are created at once.
  zDialogFrame(zWindow* parent, const zResId& templateId, uint32_t style = 0, int deferCreation = 0);
  // Without a template: an unset extent gives a client of 200 x 150 pixels.
  zDialogFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int deferCreation = 0);
  ~zDialogFrame() override;

  // A popup of its own class: the system colours give it the face colour, not the
  // workspace colour of other frames.
  LRESULT defProc(zEvent* event) override;
  WNDCLASSA* classInfo() override;
  int onActivate(zEvent* event) override;
  // A popup window (a child style becomes a popup), sized around its client area,
  // with the system menu cut down to what its style allows.
  void create() override;
  // Hides the dialog, re-enables its owners and ends a modal run.
  void endDialog() override;

  // Runs a nested message loop until endDialog. A quit that comes meanwhile ends the run
  // too (as a cancel) and is passed on to the loop around it.
  void runModal();
  int isModal() const { return modal_; }
  // The modal dialogs running, innermost last.
  static size_t modalDepth();

 protected:
  // Only a top-level dialog runs modally, is destroyed as a popup and has a menu bar.
  bool routeOwnMessage(zEvent* event, LRESULT* result) override;
  void onCloseUnanswered() override;
  void takeTemplateMenu(uint32_t menuId) override;
  // The first show makes it the current dialog whether or not it is activated, and puts
  // the title on.
  void arrangeFirstShow() override;

 private:
  int modal_ = 0;
  // Set by endDialog: ends the run's nested loop.
  bool ended_ = false;
  bool deletePending_ = false;
};
