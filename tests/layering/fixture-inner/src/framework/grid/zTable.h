// A grid may use the core and the layout below it.
#pragma once
#include "framework/core/zWindow.h"
#include "framework/layout/zSizer.h"
