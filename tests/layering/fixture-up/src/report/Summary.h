// A report that may use the model.
#pragma once
#include "model/Record.h"
