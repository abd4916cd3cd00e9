#include "framework/frames/zFormDialog.h"

zFormDialog::zFormDialog(zWindow* parent, const zResId& templateId, uint32_t style)
    : zFormOf<zDialogFrame>(parent, templateId, style, 0) {
  setTypeBit(zTypeFormDialog);
}

zFormDialog::zFormDialog(zWindow* parent, zSizer* sizer, uint32_t style, const char* title)
    : zFormOf<zDialogFrame>(parent, sizer, style, title, 0) {
  setTypeBit(zTypeFormDialog);
}

zFormDialog::~zFormDialog() = default;

void zFormDialog::prepareFirstShow() {
  wireButtons();
  zFormOf<zDialogFrame>::prepareFirstShow();
}

zMDIFormDialog::zMDIFormDialog(zWindow* parent, const zResId& templateId, uint32_t style)
    : zFormOf<zMDIDialogFrame>(parent, templateId, style, 0) {
  setTypeBit(zTypeMDIFormDialog);
  wireButtons();
}

zMDIFormDialog::~zMDIFormDialog() = default;
