// The program may include every step below it.
#pragma once
#include "app/dialogs/DNewModel.h"
#include "app/shared/ModelWindow.h"
