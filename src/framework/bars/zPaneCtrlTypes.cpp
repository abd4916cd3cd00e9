#include "framework/bars/zPaneCtrlTypes.h"

#include <cstring>

#include "framework/bars/zStaticText3d.h"
#include "framework/bars/zTreeCtrl.h"
#include "framework/bars/zValueSet.h"
#include "framework/core/zControlType.h"
#include "framework/core/zWindow.h"

void zRegisterPaneCtrlTypes() {
  static bool done = false;
  if (done) return;
  done = true;
  new zControlType("zStatTxt3dClass", &zCreateStaticText3d);
  new zControlType("zValueSet", &zCreateValueSet);
  new zControlType("zTreeCtrl", &zCreateTreeCtrl);
}

zWindow* zPaneCtrlById(zWindow* parent, int32_t id, const char* className) {
  zWindow* w = parent ? parent->childById(id) : nullptr;
  return w && w->hasTypeBit(zTypePane) && std::strcmp(w->className(), className) == 0 ? w : nullptr;
}
