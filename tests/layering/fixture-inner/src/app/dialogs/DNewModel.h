// A dialog may use what the windows share.
#pragma once
#include "app/shared/ModelWindow.h"
