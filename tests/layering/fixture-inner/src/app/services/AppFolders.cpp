// A portable service reaching into the dialogs.
#include "app/dialogs/DNewModel.h"
