// A decision model at the model file's limits (5 decision makers, 7 criteria,
// 10 choices, a score block per criterion, a full ranking), with texts that need
// escaping and optional parts left empty, and a fixed id and fixed times so that
// its file text is the same in every build and on every run.
#pragma once

#include "model/DecisionModel.h"

#include <string>

namespace PV {
namespace Fixture {

Data::Palvermontine fullModel();

// The bytes of a file, or empty when it cannot be read.
std::string fileBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// A fresh, empty folder for one test, below the current folder.
std::string freshFolder(const std::string& name);

}  // namespace Fixture
}  // namespace PV
