#include "framework/bars/zPaneCtrlTypes.h"

#include "framework/bars/zStaticText3d.h"
#include "framework/bars/zTreeCtrl.h"
#include "framework/bars/zValueSet.h"
#include "framework/core/zControlType.h"

void zRegisterPaneCtrlTypes() {
  static bool done = false;
  if (done) return;
  done = true;
  new zControlType("zStatTxt3dClass", &zCreateStaticText3d);
  new zControlType("zValueSet", &zCreateValueSet);
  new zControlType("zTreeCtrl", &zCreateTreeCtrl);
}
