// A grid may use the bars beside it and the core below.
#pragma once
#include "framework/bars/zStatusLine.h"
#include "framework/core/zWindow.h"
