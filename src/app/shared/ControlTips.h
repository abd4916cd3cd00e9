// The tool tips over a window's controls, which the dialogs and the model windows both
// show: one tool-tip control names each control of a table by its text. A control the
// window does not hold is passed over.
#pragma once

#include "framework/bars/zStatusMessageTable.h"

class zToolTipCtrl;
class zWindow;

namespace PV {

// A tool-tip control over the window's controls that the table names (ended by a null
// text); the window deletes it before its controls go.
zToolTipCtrl* attachToolTips(zWindow* window, const zStatusMessage* tips);

}  // namespace PV
