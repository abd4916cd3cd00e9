// The built-in demonstration model: a fixed model of 2 decision makers, 7 criteria
// and 10 choices with 45 pairs per criterion, scored from a fixed table, solved and
// made the factory's current model; and the dumps of the two options records.
#pragma once

#include "math/HJAlgorithm.h"
#include "model/RankSolutionData.h"

#include <memory>

namespace PV {
namespace Test {

// Builds the demonstration model through the factory (it becomes the current model),
// scores every pair from the test table, writes the score blocks, solves and fills
// `ranking` (named after the model). With simulateLoadFromXML the blocks are read
// back by a second algorithm before the solve. The scoring algorithm is handed to
// the caller. reconcileTest is accepted and not acted upon.
std::unique_ptr<PV::Math::Algorithm> makeDataModel(PV::Data::RankSolutionData& ranking, bool simulateLoadFromXML,
                                                   bool reconcileTest);

// The application options, field by field, to "appoptstestfile.log" in the current
// folder; then the options take the version 0.2 and are saved.
void dumpAppOpts();
// The model options to "mdloptstestfile.log"; then they take the confidence level
// 85 and the version 0.3 and are saved.
void dumpMdlOpts();

}  // namespace Test
}  // namespace PV
