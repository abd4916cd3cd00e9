// A dialog that lives as an MDI child of the application's MDI frame: laid out from a
// dialog template like a dialog frame, created, activated and closed like an MDI child.
// It is never modal; while it is the active child it is the current dialog of the message
// loop, so Tab and Enter work in it alone.
#pragma once

#include <cstdint>
#include <string>

#include "framework/core/zResId.h"
#include "framework/frames/zMDIAppFrame.h"

class ziDialogReader;

class zMDIDialogFrame : public zMDIChildFrame {
 public:
  // From a template; a nonzero style replaces the upper word of the template's.
  zMDIDialogFrame(zWindow* parent, const zResId& templateId, uint32_t style = 0, int deferCreation = 0);
  zMDIDialogFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int deferCreation = 0);
  ~zMDIDialogFrame() override;

  LRESULT defProc(zEvent* event) override;
  WNDCLASSA* classInfo() override;
  int onActivate(zEvent* event) override;
  int onFocus(zEvent* event) override;
  void show(int cmd) override;
  void create() override;
  // Hides the dialog, or deletes it later when it deletes itself.
  virtual void endDialog();

  uint32_t defaultId() const { return defaultId_; }
  const std::string& templateError() const { return templateError_; }

  LRESULT route(zEvent* event);

 private:
  void initMDIDialog();

  uint32_t defaultId_;
  ziDialogReader* reader_;
  HWND savedFocus_;
  std::string templateError_;
};
