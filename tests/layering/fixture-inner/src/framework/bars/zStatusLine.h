// The bars draw with the drawn controls below them.
#pragma once
#include "framework/visual/zCtrl3d.h"
