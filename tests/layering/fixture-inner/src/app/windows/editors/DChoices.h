// A model window stands on what the windows share.
#pragma once
#include "app/shared/ModelWindow.h"
