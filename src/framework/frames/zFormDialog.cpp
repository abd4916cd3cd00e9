#include "framework/frames/zFormDialog.h"

zFormDialog::zFormDialog(zWindow* parent, const zResId& templateId, uint32_t style)
    : zDialogFrame(parent, templateId, style, 0),
      reserved_(0),
      completed_(0),
      okButton_(nullptr),
      cancelButton_(nullptr) {
  setTypeBit(zTypeFormDialog);
}

zFormDialog::zFormDialog(zWindow* parent, zSizer* sizer, uint32_t style, const char* title)
    : zDialogFrame(parent, sizer, style, title, 0),
      reserved_(0),
      completed_(0),
      okButton_(nullptr),
      cancelButton_(nullptr) {
  setTypeBit(zTypeFormDialog);
}

zFormDialog::~zFormDialog() = default;

void zFormDialog::show(int cmd) {
  if (flags_ & zWinShown) {
    showWindow(cmd);
    return;
  }
  if (!okButton_) {
    okButton_ = childById(IDOK);
    if (okButton_) okButton_->addCommandNotify(this, &zFormDialog::onOk);
  }
  if (!cancelButton_) {
    cancelButton_ = childById(IDCANCEL);
    if (cancelButton_) cancelButton_->addCommandNotify(this, &zFormDialog::onCancel);
  }
  zDialogFrame::show(cmd);
}

int zFormDialog::storeData() {
  completed_ = zDialogFrame::storeData() ? 1 : 0;
  return completed_;
}

// Both answer 0, so that handlers registered later for the buttons, and the dialog's own
// command handler, still see the command.
int zFormDialog::onOk(zEvent*) {
  if (storeData()) endDialog();
  return 0;
}

int zFormDialog::onCancel(zEvent*) {
  completed_ = 0;
  endDialog();
  return 0;
}

zMDIFormDialog::zMDIFormDialog(zWindow* parent, const zResId& templateId, uint32_t style)
    : zMDIDialogFrame(parent, templateId, style, 0), reserved_(0), completed_(0) {
  setTypeBit(zTypeMDIFormDialog);
  if (zWindow* ok = childById(IDOK)) ok->addCommandNotify(this, &zMDIFormDialog::onOk);
  if (zWindow* cancel = childById(IDCANCEL)) cancel->addCommandNotify(this, &zMDIFormDialog::onCancel);
}

zMDIFormDialog::~zMDIFormDialog() = default;

int zMDIFormDialog::storeData() {
  completed_ = zMDIDialogFrame::storeData() ? 1 : 0;
  return completed_;
}

int zMDIFormDialog::onOk(zEvent*) {
  if (storeData()) endDialog();
  return 0;
}

int zMDIFormDialog::onCancel(zEvent*) {
  completed_ = 0;
  endDialog();
  return 0;
}
