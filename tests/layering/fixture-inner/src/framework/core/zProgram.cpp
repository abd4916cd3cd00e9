// The application object naming a control family, and a folder without a step.
#include "framework/layout/zSizer.h"
#include "framework/grid/zTable.h"
#include "framework/widgets/zKnob.h"
