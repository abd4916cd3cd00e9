// What a decision model must satisfy before its pairs can be drawn and its stored
// scores read: checks that turn bad model data (from a file, or an edit) into a
// refusal with a message instead of a contract failure deeper down.
#pragma once

#include "model/Limits.h"
#include "model/ScoreChars.h"

#include <cstdint>
#include <string>
#include <vector>

namespace PV {
namespace Data {
class DecisionModel;
class Choice;
class Criterion;
class DecisionMaker;
}  // namespace Data

namespace Math {

// The fewest choices a model can be scored with (the most of each list are the
// model's limits, model/Limits.h).
inline constexpr uint32_t MIN_NUM_CHOICES = 2;

// The confidence settings the pair drawing accepts: a level above 50 and at most
// 100 percent, an interval of 0 to 50 percent.
bool isValidConfidence(double cfl, double cfi);

// Pairs per criterion for the settings and number of choices (the sample size at a
// percentage agree of 50); 0 when there are fewer than two choices or the settings
// are not valid.
uint32_t pairsPerCriterion(double cfl, double cfi, uint32_t nch);

// Reads the seed of a score block (characters 8 to 15, hexadecimal, either case).
// False when the block is too short, a digit is not hexadecimal or the seed is 0.
bool readBlockSeed(const std::string& block, uint32_t& seed);

// The stored score blocks fit the model: none, or one per criterion, each of
// 16 + decision makers x pairs characters, with a non-zero seed and score characters
// of the alphabet whose strength does not exceed the scale dimension. On failure
// `why` tells what is wrong.
bool checkScoreBlocks(const PV::Data::DecisionModel& model, std::string& why);

// No two entries of the list share a unique id.
bool hasUniqueIds(const std::vector<PV::Data::Choice>& list);
bool hasUniqueIds(const std::vector<PV::Data::Criterion>& list);
bool hasUniqueIds(const std::vector<PV::Data::DecisionMaker>& list);

// The model's data can be scored as far as it goes: valid confidence settings,
// lists within the model's limits with unique ids, and fitting score blocks. A model with too few
// entries passes (it is merely not scoreable yet).
bool checkModelData(const PV::Data::DecisionModel& model, std::string& why);

}  // namespace Math
}  // namespace PV
