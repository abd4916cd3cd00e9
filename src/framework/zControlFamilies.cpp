// The framework's assembly: the control families that the application object registers
// at its start, and the system's conventions the formatted controls follow. A new family
// adds its registration here, never in core/.
#include "framework/core/zControlFamilies.h"

#include "framework/bars/zCommonCtrl.h"
#include "framework/bars/zPaneCtrlTypes.h"
#include "framework/bars/zProgressBar.h"
#include "framework/bars/zTabCtrl.h"
#include "framework/bars/zTextPane.h"
#include "framework/controls/zControl.h"
#include "framework/format/zSystemConventions.h"
#include "framework/frames/zPane.h"
#include "framework/grid/zTable.h"
#include "framework/visual/zBitmapPane.h"
#include "framework/visual/zCtrl3d.h"

const ziControlFamilyType ziProgramControlTypes[] = {
    {"zTextPane", &zCreateTextPane}, {"zPaneControl", &zCreatePaneControl}, {"zBitmapPane", &zCreateBitmapPane},
    {"zTabCtrl", &zCreateTabCtrl},   {"msctls_updown32", &zCreateSpinCtrl}, {"msctls_trackbar32", &zCreateScaleCtrl},
};
const uint32_t ziProgramControlTypeCount = sizeof ziProgramControlTypes / sizeof ziProgramControlTypes[0];

void ziRegisterControlFamilies() {
  zUseSystemConventions();
  zRegisterVisualCtrlClasses();
  zRegisterPaneCtrlTypes();
  zRegisterGridControlTypes();
  zRegisterBarsControlTypes();
}

void ziReleaseControlFamilies() { zReleaseControlBrush(); }
