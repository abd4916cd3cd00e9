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
#include <string>

#include "framework/core/zFrameWin.h"
#include "framework/core/zResId.h"
#include "framework/frames/ziFrameSupport.h"

class ziDialogReader;

class zDialogFrame : public zFrameWin {
 public:
  // From a dialog template. A nonzero style replaces the upper word of the template's
  // (the template keeps the dialog styles of the lower word). Unless deferred, the window
  // and the controls are created at once.
  zDialogFrame(zWindow* parent, const zResId& templateId, uint32_t style = 0, int deferCreation = 0);
  // Without a template: an unset extent gives a client of 200 x 150 pixels.
  zDialogFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int deferCreation = 0);
  ~zDialogFrame() override;

  LRESULT defProc(zEvent* event) override;
  WNDCLASSA* classInfo() override;
  int onActivate(zEvent* event) override;
  int onFocus(zEvent* event) override;
  void show(int cmd) override;
  void create() override;
  // Called once, just before the first show.
  virtual void beforeShow();
  // Hides the dialog, re-enables its owners and ends a modal run.
  virtual void endDialog();

  // Runs a nested message loop until endDialog.
  void runModal();
  int isModal() const { return modal_; }
  uint32_t defaultId() const { return defaultId_; }
  // Why the template gave no controls; empty when it was read.
  const std::string& templateError() const { return templateError_; }
  // The modal dialogs running, innermost last.
  static size_t modalDepth();

  LRESULT route(zEvent* event);

 private:
  void initDialog();

  ziDialogReader* reader_;
  HWND savedFocus_;
  int modal_;
  uint32_t defaultId_;
  bool deletePending_;
  std::string templateError_;
};
