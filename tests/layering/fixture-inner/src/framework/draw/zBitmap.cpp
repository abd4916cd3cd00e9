// A bitmap loading through the application object: drawing sits below core.
#include "framework/core/zProgram.h"
