// A scroller reaching up to the pane it scrolls: frames sit above the controls.
#include "framework/core/zWindow.h"
#include "framework/frames/zPane.h"
