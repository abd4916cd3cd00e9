// The adapter that carries a decision model over into the numerical core: it owns
// one model frame, fills it from the decision model, has the core draw every
// criterion's pairs, keeps a copy of each pair list for the pair sets, runs the
// solver and copies the ranking back into the model's solutions.
//
// The frame is built once; a model whose counts, confidence settings or criteria
// change gets a new adapter. Only the weights, the packed scores, the ranking and
// the iteration count change during an adapter's life.
#pragma once

#include "math/RandomPairSet.h"
#include "math/model.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace PV {
namespace Data {
class DecisionModel;
class Criterion;
class DecisionMaker;
class SolutionsVec;
}  // namespace Data

namespace Math {

class Mcdm {
 public:
  // csds: one (uid, seed) per criterion, read from the stored score blocks, or null.
  // A criterion whose seed is 0 gets a fresh one, written back into the list.
  Mcdm(PV::Data::DecisionModel& model, csd* csds);
  ~Mcdm();

  Mcdm(const Mcdm&) = delete;
  Mcdm& operator=(const Mcdm&) = delete;

  const PairList* getPairs(uint32_t criterion) const;
  uint32_t getSeed(uint32_t criterion) const;
  MCDM_BC3_Pair getPair(uint32_t critindex, uint32_t prindex) const;
  // Appends the criterion's pairs, in drawing order, to a list of the reconciler.
  void appendPairs(std::vector<MCDM_BC3_Pair>& record, uint32_t criterion) const;
  // Per criterion: seed, pairs and packed score array.
  pair_data* getPairData() { return mF.pd; }

  uint32_t getNumPairs() const { return mF.npr; }
  uint32_t getNumCriteria() const { return mF.ncr; }
  uint32_t getNumChoices() const { return mF.nch; }
  uint32_t getNumDecisionMakers() const { return mF.ndm; }
  uint32_t getIterationCount() const { return mF.solution.iterations; }
  const model_solution& getSolution() const { return mF.solution; }
  const model& getFrame() const { return mF; }

  // Replace the frame's weights by percentages of their sum (a sum of 0 counts as
  // 100, so weights that are all 0 stay 0).
  void setCriteriaWeights(const std::vector<PV::Data::Criterion>& criteria);
  void setDecisionMakerWeights(const std::vector<PV::Data::DecisionMaker>& dms);
  // True when every criterion weight or every decision-maker weight is 0: every
  // term of the objective would vanish and any ranking would be meaningless.
  bool hasZeroWeights() const;
  // Whether the frame holds the weights of the model's lists as they stand (the same
  // counts, the same percentages); false for lists changed past the setters.
  bool hasWeightsOf(const PV::Data::DecisionModel& dm) const;
  // Takes the weights of the model's lists when their counts are the frame's.
  void takeWeights(const PV::Data::DecisionModel& dm);

  // Resets the ranking and runs the frame with the solver and the callback.
  uint32_t solve(model_solver function, alg_callback acf);

  // Copies the ranking into the solutions: entry k becomes ranking row k for k below
  // the number of choices; entries beyond it (left from a model with more choices)
  // are dropped. Stamps the time and marks the solutions current.
  void readSolutions(PV::Data::SolutionsVec& solutions, uint32_t numChoices) const;

 private:
  void resetRanking();

  PV::Data::DecisionModel* model_;
  model mF;
  std::vector<std::unique_ptr<PairList>> randomPairs_;
};

}  // namespace Math
}  // namespace PV
