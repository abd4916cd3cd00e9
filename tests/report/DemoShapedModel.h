// A solved model of the demonstration model's shape: 2 decision makers, 7 criteria,
// 10 choices, confidence 100 % (45 pairs per criterion), every pair scored, and a
// ranking of all ten choices.
#pragma once

#include "model/DecisionModel.h"

namespace PV {
namespace Report {
namespace Support {

PV::Data::DecisionModel demoShapedModel();

// The same shape at the file limits: 10 choices, 5 decision makers, 7 criteria.
PV::Data::DecisionModel limitModel();

}  // namespace Support
}  // namespace Report
}  // namespace PV
