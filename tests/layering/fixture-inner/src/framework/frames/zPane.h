// A pane holds controls, windows and displays below it.
#pragma once
#include "framework/controls/zControl.h"
#include "framework/core/zWindow.h"
#include "framework/draw/zRCFont.h"
