#include "app/shared/ControlTips.h"

#include "framework/bars/zToolTip.h"
#include "framework/core/zWindow.h"

namespace PV {

zToolTipCtrl* attachToolTips(zWindow* window, const zStatusMessage* tips) {
  zToolTipCtrl* control = new zToolTipCtrl(window);
  control->setMessageTable(tips);
  for (const zStatusMessage* tip = tips; tip->text; ++tip) {
    if (zWindow* tool = window->childById(tip->id)) control->addTool(tool);
  }
  return control;
}

}  // namespace PV
