// The window procedure asking a control for its colours: core sits below the controls.
#include "framework/draw/zRCFont.h"
#include "framework/controls/zControl.h"
