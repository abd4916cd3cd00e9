// The control types of the drawn static text, the value set and the tree control, which
// dialog templates name "zStatTxt3dClass", "zValueSet" and "zTreeCtrl". The text pane, the
// tabs and the two common-control wrappers are registered by the application object itself
// (their creators are declared in controls/zControlTypeCreators.h).
#pragma once

// Once per process; later calls do nothing. The records live as long as the program.
// Called from zRegisterVisualCtrlClasses, the registration of the drawn controls' types.
void zRegisterPaneCtrlTypes();
