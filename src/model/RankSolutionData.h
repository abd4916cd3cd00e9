// The ranked-solution rows that the solution window shows: one row per ranked
// choice in ranking order, built from a model's solutions and choices.
#pragma once

#include "model/DecisionModel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace PV {
namespace Data {

class RankSolutionData {
 public:
  struct DataType {
    uint16_t row = 0;  // the choice's row number, shown as its ID
    std::string name;
    double pctRank = 0.0;
    std::string note;
  };

  RankSolutionData() = default;
  RankSolutionData(const SolutionsVec& theSolutions, const DecisionModel::Choices& theChoices) {
    build(theSolutions, theChoices);
  }

  // Appends one row per solution, taking the row number, name and note of the
  // choice whose unique id is the solution's choice number. Every solution must
  // name a choice of the model.
  void build(const SolutionsVec& theSolutions, const DecisionModel::Choices& theChoices);

  void set_name(const std::string& name) { theName_ = name; }
  const std::string& get_name() const { return theName_; }

  uint32_t numSolutions = 0;
  std::vector<DataType> rows;

 private:
  std::string theName_;
};

}  // namespace Data
}  // namespace PV
