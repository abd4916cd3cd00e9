// A dialog may use a model window of its step and what the windows share.
#pragma once
#include "app/windows/editors/DChoices.h"
#include "app/shared/ModelWindow.h"
