// Form dialogs: a dialog whose controls come from a template and whose OK and Cancel
// buttons (identifiers 1 and 2) are wired to the data exchange. OK validates and stores
// every control and ends the dialog only when that succeeded; Cancel ends it without
// storing. The completion flag tells the caller which way it ended.
#pragma once

#include <cstdint>

#include "framework/frames/zDialogFrame.h"
#include "framework/frames/zMDIDialogFrame.h"

class zFormDialog : public zDialogFrame {
 public:
  zFormDialog(zWindow* parent, const zResId& templateId, uint32_t style = 0);
  zFormDialog(zWindow* parent, zSizer* sizer, uint32_t style, const char* title);
  ~zFormDialog() override;

  // The first show finds the buttons with identifiers 1 and 2 and wires them.
  void show(int cmd) override;
  // The dialog's own validation, then the store of every enabled child; sets the flag.
  int storeData() override;

  // 1 when the last store succeeded, 0 when it failed or the dialog was cancelled.
  int32_t& completed() { return completed_; }
  zWindow* okButton() const { return okButton_; }
  zWindow* cancelButton() const { return cancelButton_; }

  int onOk(zEvent* event);
  int onCancel(zEvent* event);

 private:
  uint32_t reserved_;
  int32_t completed_;
  zWindow* okButton_;
  zWindow* cancelButton_;
};

class zMDIFormDialog : public zMDIDialogFrame {
 public:
  // The buttons are wired at once, right after the template's controls exist.
  zMDIFormDialog(zWindow* parent, const zResId& templateId, uint32_t style = 0);
  ~zMDIFormDialog() override;

  int storeData() override;
  int32_t& completed() { return completed_; }

  int onOk(zEvent* event);
  int onCancel(zEvent* event);

 private:
  uint32_t reserved_;
  int32_t completed_;
};
