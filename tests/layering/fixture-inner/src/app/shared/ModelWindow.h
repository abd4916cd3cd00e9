// What the model windows share, reaching up into the program's main window.
#pragma once
#include "app/program/WMain.h"
