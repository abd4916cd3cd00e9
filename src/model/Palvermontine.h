// All records of a decision model: the root record, the model, its list items and
// its other records.
#pragma once

#include "model/DecisionModel.h"
#include "model/Item.h"
#include "model/Limits.h"
#include "model/ModelRecords.h"
