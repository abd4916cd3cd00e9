// Form dialogs: a dialog whose controls come from a template and whose OK and Cancel
// buttons (identifiers 1 and 2) are wired to the data exchange. OK validates and stores
// every control and ends the dialog only when that succeeded; Cancel ends it without
// storing. The completion flag tells the caller which way it ended.
//
// The plain form (zFormDialog, over zDialogFrame) and the MDI one (zMDIFormDialog, over
// zMDIDialogFrame) are one implementation, zFormOf, over either frame: the plain form
// wires its buttons at its first show, the MDI form at once.
#pragma once

#include <cstdint>
#include <utility>

#include "framework/frames/zDialogFrame.h"
#include "framework/frames/zMDIDialogFrame.h"

template <class Frame>
class zFormOf : public Frame {
 public:
  // The dialog's own validation, then the store of every enabled child; sets the flag.
  int storeData() override {
    completed_ = Frame::storeData() ? 1 : 0;
    return completed_;
  }

  // 1 when the last store succeeded, 0 when it failed or the dialog was cancelled.
  int32_t& completed() { return completed_; }
  zWindow* okButton() const { return okButton_; }
  zWindow* cancelButton() const { return cancelButton_; }

  // Both answer 0, so that handlers registered later for the buttons, and the dialog's
  // own command handler, still see the command.
  int onOk(zEvent*) {
    if (storeData()) this->endDialog();
    return 0;
  }
  int onCancel(zEvent*) {
    if (!mayCancel()) return 1;
    completed_ = 0;
    this->endDialog();
    return 0;
  }

 protected:
  template <class... Args>
  explicit zFormOf(Args&&... args) : Frame(std::forward<Args>(args)...) {}

  // Finds the buttons with identifiers 1 and 2 and wires them, once each.
  // Asked before Cancel ends the dialog: false keeps it open (say, the user chose to keep
  // what would be lost).
  virtual bool mayCancel() { return true; }

  void wireButtons() {
    if (!okButton_) {
      okButton_ = this->childById(IDOK);
      if (okButton_) okButton_->addCommandNotify(this, &zFormOf::onOk);
    }
    if (!cancelButton_) {
      cancelButton_ = this->childById(IDCANCEL);
      if (cancelButton_) cancelButton_->addCommandNotify(this, &zFormOf::onCancel);
    }
  }

 private:
  uint32_t reserved_ = 0;
  int32_t completed_ = 0;
  zWindow* okButton_ = nullptr;
  zWindow* cancelButton_ = nullptr;
};

class zFormDialog : public zFormOf<zDialogFrame> {
 public:
  zFormDialog(zWindow* parent, const zResId& templateId, uint32_t style = 0);
  zFormDialog(zWindow* parent, zSizer* sizer, uint32_t style, const char* title);
  ~zFormDialog() override;

 protected:
  // The first show finds the buttons with identifiers 1 and 2 and wires them.
  void prepareFirstShow() override;
};

class zMDIFormDialog : public zFormOf<zMDIDialogFrame> {
 public:
  // The buttons are wired at once, right after the template's controls exist.
  zMDIFormDialog(zWindow* parent, const zResId& templateId, uint32_t style = 0);
  ~zMDIFormDialog() override;
};
