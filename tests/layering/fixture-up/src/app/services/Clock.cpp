// A portable service that reaches into the window framework.
#include "framework/core/zWindow.h"
