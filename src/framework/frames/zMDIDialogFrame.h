// A dialog that lives as an MDI child of the application's MDI frame: laid out from a
// dialog template like a dialog frame, created, activated and closed like an MDI child.
// It is never modal; while it is the active child it is the current dialog of the message
// loop, so Tab and Enter work in it alone.
#pragma once

#include <cstdint>

#include "framework/core/zResId.h"
#include "framework/frames/zDialogFrameOf.h"
#include "framework/frames/zMDIAppFrame.h"

extern template class zDialogFrameOf<zMDIChildFrame>;

class zMDIDialogFrame : public zDialogFrameOf<zMDIChildFrame> {
 public:
  // From a template; a nonzero style replaces the upper word of the template's.
  zMDIDialogFrame(zWindow* parent, const zResId& templateId, uint32_t style = 0, int deferCreation = 0);
  zMDIDialogFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int deferCreation = 0);
  ~zMDIDialogFrame() override;

  int onActivate(zEvent* event) override;
  // Made by the MDI client; a template's place is taken relative to the frame.
  void create() override;
  // Hides the dialog, or deletes it later when it deletes itself.
  void endDialog() override;

 protected:
  // Moving, sizing, activation and the end of the window go through the MDI client.
  bool routeOwnMessage(zEvent* event, LRESULT* result) override;
  // Shown as an MDI child is (activated unless told not to, the window menus refreshed);
  // activated, it becomes the current dialog.
  void onFirstShown(int cmd) override;
};
