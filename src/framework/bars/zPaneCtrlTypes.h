// The control types of the drawn static text, the value set and the tree control, which
// dialog templates name "zStatTxt3dClass", "zValueSet" and "zTreeCtrl". The text pane, the
// tabs and the two common-control wrappers are registered by the application object itself
// (their creators are declared beside their classes).
#pragma once

#include <cstdint>

class zWindow;

// Once per process; later calls do nothing. The records live as long as the program.
// Called from the framework's assembly (ziRegisterControlFamilies), after the drawn
// controls' types, on which these stand.
void zRegisterPaneCtrlTypes();

// The framework-drawn pane of class className with the id among parent's children; null where
// there is none, or where the child of that id is of another kind.
zWindow* zPaneCtrlById(zWindow* parent, int32_t id, const char* className);
