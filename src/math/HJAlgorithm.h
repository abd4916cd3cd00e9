// The scoring and solving object of one decision model: it builds the numerical
// frame through the adapter (which draws every criterion's pairs), makes one pair set
// per criterion and decision maker (index criterion x decision makers + decision
// maker), reads the model's stored score blocks into the pair sets and writes them
// back, counts what is scored, and for a fully scored model packs the scores into
// the frame and runs the solver.
//
// The pairs themselves are never stored: a score block keeps its criterion's seed,
// and the same seed draws the same pair list again, so the characters of a block
// line up with the pairs in drawing order.
#pragma once

#include "math/Mcdm.h"
#include "math/RandomPairSet.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace PV {
namespace Data {
class DecisionModel;
}

namespace Math {

class Reconciler;

// Status of a solve beyond the numerical core's (MODEL_COMPLETED to MODEL_INCOMPLETE,
// math/model.h), numbered on from them because callers keep them: the server's
// refusals, and a model whose weights are all 0.
inline constexpr uint32_t MODEL_SCORES_INCOMPLETE = 9;
inline constexpr uint32_t MODEL_NOT_IN_STEP = 10;
inline constexpr uint32_t MODEL_ZERO_WEIGHTS = 11;

// A message for the user for any solve status.
const char* solveStatusText(uint32_t status);

// The callback the system solves with: it never stops the search, so a long search
// ends at the solver's evaluation limit with MODEL_EXCEEDED_MAX_ITERATIONS and a complete ranking. A
// user's request to stop is the only reason to pass another.
int neverCancel(alg_state* record);

// One pair set as a reader sees it: its pairs in drawing order and their scores
// (getScore's values: -5 .. +5, UNSCORED, or 'E' / 'e' for a score exceeded by a
// lowered scale).
struct PairSetView {
  uint32_t crIndex = 0;
  uint32_t dmIndex = 0;
  PairList pairs;
  std::vector<int8_t> scores;
};

// The pair sets of a model that checkModelData accepts, with the scores of its
// stored blocks, index criterion x decision makers + decision maker. The model is
// only read: the pairs are drawn by an algorithm over a copy of it.
std::vector<PairSetView> readPairSets(const PV::Data::DecisionModel& model);

class Algorithm {
 public:
  // The model must be scoreable and its stored blocks must fit (checkModelData);
  // anything else is a contract violation here.
  explicit Algorithm(PV::Data::DecisionModel& model);
  ~Algorithm();

  Algorithm(const Algorithm&) = delete;
  Algorithm& operator=(const Algorithm&) = delete;

  RandomPairSet* getRps(uint32_t crvi, uint32_t dmvi) const;
  bool isRpsLocked(uint32_t crvi, uint32_t dmvi) const;
  std::vector<std::unique_ptr<RandomPairSet>>& getRpsVec() { return rpsVec_; }
  const std::vector<std::unique_ptr<RandomPairSet>>& getRpsVec() const { return rpsVec_; }
  Mcdm* getMcdm() const { return mcdm_.get(); }
  PV::Data::DecisionModel* getModel() const { return model_; }

  uint32_t getNumDecisionMakers() const { return ndm_; }
  uint32_t getNumCriteria() const { return ncr_; }
  uint32_t getNumChoices() const { return nch_; }
  uint32_t getNumPairs() const { return npr_; }
  uint8_t getSil() const { return sil_; }
  uint32_t getStatus() const { return status_; }

  // (completed, total) for one pair set; crvi == criteria or dmvi == decision
  // makers stands for all of them. '0', 'E' and 'e' are unscored.
  std::pair<uint32_t, uint32_t> countScores(uint32_t crvi, uint32_t dmvi) const;

  // Replaces the model's score blocks by blocks built from the pair sets.
  void writeScoreBlocks();
  // Reads decision maker dmvi's part of a block into a pair set.
  void applyScoreBlock(RandomPairSet& rps, const std::string& scoreblock, uint32_t dmvi);

  // Packs the scores and runs the solver: MODEL_INCOMPLETE when a pair is unscored,
  // MODEL_ZERO_WEIGHTS when all weights are 0, else the core's status
  // (MODEL_COMPLETED to MODEL_CANCELED). A null callback means neverCancel.
  uint32_t solve(alg_callback acf);
  uint32_t compute(alg_callback acf) { return solve(acf); }
  // Copies the last ranking into the model's solutions.
  void readSolutions();
  // Objective evaluations of the last solve; a search may pass its limit of 2000
  // by up to two sweeps.
  uint32_t getIterationCount() const;

  // The reconciler of this algorithm, made on first use over the model it serves.
  Reconciler* getReconciler();
  // Has the reconciler (when one exists) fit the pair sets to newModel.
  void reconcile(PV::Data::DecisionModel& newModel);
  void rebuildMcdm(PV::Data::DecisionModel& model, csd* csds);

  bool isReconciled() const { return reconciled_; }
  // The reconciler's refit: the counts of the model the pair sets now serve, and
  // the mark that the choices were reconciled.
  void setCounts(uint32_t ncr, uint32_t ndm, uint32_t nch, uint32_t npr, uint8_t sil) {
    ncr_ = ncr;
    ndm_ = ndm;
    nch_ = nch;
    npr_ = npr;
    sil_ = sil;
  }
  void setNumCriteria(uint32_t ncr) { ncr_ = ncr; }
  void setNumDecisionMakers(uint32_t ndm) { ndm_ = ndm; }
  void markReconciled() { reconciled_ = true; }
  bool isScoresTransferred() const { return scoresTransferred_; }

 private:
  std::unique_ptr<Mcdm> mcdm_;
  PV::Data::DecisionModel* model_;
  uint32_t ndm_ = 0;
  uint32_t ncr_ = 0;
  uint32_t nch_ = 0;
  uint32_t npr_ = 0;
  uint8_t sil_ = 0;
  uint32_t status_ = 0;
  std::vector<std::unique_ptr<RandomPairSet>> rpsVec_;
  std::unique_ptr<Reconciler> reconciler_;
  bool reconciled_ = false;
  bool scoresTransferred_ = false;
};

}  // namespace Math
}  // namespace PV
