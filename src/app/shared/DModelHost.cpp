#include "app/shared/DModelHost.h"

#include "framework/core/zWindow.h"

DModelHost* modelHostOf(zWindow* parent) { return dynamic_cast<DModelHost*>(parent); }
