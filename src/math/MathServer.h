// The one object through which the rest of the system does the mathematics of one
// decision model. It refers to the live model without owning it, keeps the model's
// counts and the number of pairs per criterion up to date, decides whether the model
// can be scored and whether all scores are in, owns the algorithm object, hands pair
// sets to the scoring windows and takes them back, writes the scores into the
// model's score blocks, solves, and applies (and advises on) the editors' changes.
//
// An edit through a setter that changes the pairs while pair sets exist is
// reconciled at once (Reconciler): the surviving scores are kept, the new pairs are
// unscored, the blocks are rewritten and the report goes to the server's report
// keeper (the factory's appends it to the model's .log file).
//
// Expected conditions come back as values: solve returns MODEL_SCORES_INCOMPLETE when
// scores are missing and MODEL_NOT_IN_STEP when the model was changed without a
// setter and is not in step; the advice operations return ADVICE_CONFIRM (a
// consequence to confirm) or ADVICE_INVALID (not valid) with a message; a setter
// refuses an edit the advice calls not valid. Bad stored data (score blocks that do not fit,
// confidence settings the pair drawing cannot take) makes the model not scoreable,
// with the reason in getDataError, and never reaches a contract check.
#pragma once

#include "math/HJAlgorithm.h"
#include "math/PosnDiffRec.h"
#include "math/Subject.h"
#include "model/DecisionModel.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace PV {
namespace Data {
class DecisionModel;
class ModelParameters;
class Choice;
class Criterion;
class DecisionMaker;
class RankSolutionData;
}  // namespace Data

namespace Math {

// Advice results.
inline constexpr int ADVICE_NONE = 0;
inline constexpr int ADVICE_CONFIRM = 1;
inline constexpr int ADVICE_INVALID = 2;

template <typename T>
class Server : public PV::Subject {
 public:
  struct ModelState {
    uint32_t numdms_ = 0;
    uint32_t numcrs_ = 0;
    uint32_t numchs_ = 0;
    uint32_t numpairs_ = 0;
  };

  // The model factory is the only creator; it always passes solveOutOfStep false.
  Server(PV::Data::DecisionModel* model, bool solveOutOfStep);
  ~Server() override;

  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  bool isScoreable() const { return scoreable_; }
  bool isComplete() const { return complete_; }
  bool isInStep() const { return inStep_; }
  // With a flag and an algorithm: sets the flag to whether there are pairs and
  // returns it; otherwise whether an algorithm exists.
  bool hasAlgorithm(bool* flag = nullptr) const;
  // Whether an algorithm exists; with a flag, also whether it holds pair sets.
  bool hasAlgorithmOnly(bool* pairSets = nullptr) const;
  // Pairs per criterion x decision makers x criteria for the model as it stands;
  // 0 when the model cannot be scored.
  uint32_t numScoresNeeded();
  const ModelState& getModelState() const { return modelState_; }
  // Why the model's data cannot be scored (empty when it can, or merely lacks
  // entries).
  const std::string& getDataError() const { return dataError_; }

  void update();
  bool refresh(const RandomPairSet* rps = nullptr);
  // Creates the algorithm (drawing all pairs and reading the stored blocks); false,
  // with nothing created, when the model is not scoreable.
  bool createAlgorithm();
  void deleteAlgorithm();
  // Fits the pair sets to the model as it stands (keeping the surviving scores,
  // writing the blocks and the report) and marks the server in step; false when
  // there is no algorithm. The setters do this for every edit that changes the
  // pairs.
  bool reconcile();
  // Where the report of each reconcile goes: the keeper gets the model's name and
  // the report's text, and answers why it could not keep it ("" when it did). The
  // factory's keeper appends it to the model's log file; without a keeper the
  // report is dropped.
  using ReportKeeper = std::function<std::string(const std::string& modelName, const std::string& report)>;
  void setReportKeeper(ReportKeeper keeper) { reportKeeper_ = std::move(keeper); }
  // Why the report of the last reconcile could not be kept, as the keeper said;
  // empty when it was (or no reconcile has run).
  const std::string& getLogError() const { return logError_; }
  // Once the program has told the user, the reason is forgotten.
  void clearLogError() { logError_.clear(); }

  RandomPairSet* acquireRps(uint32_t crIndex, uint32_t dmIndex);
  void releaseRps(RandomPairSet* rps);
  void transferScores();

  // MODEL_SCORES_INCOMPLETE when not complete, MODEL_NOT_IN_STEP when out of step,
  // else the algorithm's status. A ranking that the solver finished, or stopped
  // early with a complete ranking (MODEL_COMPLETED, MODEL_EXCEEDED_MAX_ITERATIONS,
  // MODEL_CANCELED), goes into the model's solutions and into rankData.
  uint32_t solve(PV::Data::RankSolutionData* rankData = nullptr, alg_callback acf = nullptr);
  void computeSolutions(PV::Data::RankSolutionData* rankData);

  bool setChoices(const std::vector<PV::Data::Choice>& choices);
  bool setCriteria(const std::vector<PV::Data::Criterion>& criteria);
  bool setDecisionMakers(const std::vector<PV::Data::DecisionMaker>& dms);
  bool setParams(const PV::Data::ModelParameters& params);

  int adviseChoices(const std::vector<PV::Data::Choice>& choices, std::string& msg) const;
  int adviseCriteria(const std::vector<PV::Data::Criterion>& criteria, std::string& msg) const;
  int adviseDecisionMakers(const std::vector<PV::Data::DecisionMaker>& dms, std::string& msg) const;
  int adviseParams(const PV::Data::ModelParameters& params, std::string& msg) const;
  // The same advice on the values a dialog holds before it builds the parameters
  // record (whose setters would not take a scale dimension above 5).
  int adviseParams(double cfl, double cfi, int sil, std::string& msg) const;
  int adviseNothing(const RandomPairSet* rps, std::string& msg) const;

  T* getAlgorithm() const { return alg_.get(); }
  PV::Data::DecisionModel* getModel() const { return model_; }

 private:
  void makeAlgorithm();
  void dropAlgorithm();
  void dropStaleSolutions(bool outOfDate);
  bool pairSetsFitModel() const;
  void afterEdit();
  void countModel();
  void checkScoreable();
  void checkComplete();
  bool modelHasBlocks() const;
  void takeWeightsInStep();

  PV::Data::DecisionModel* model_;
  ModelState modelState_;
  bool hasAlgorithm_ = false;
  bool hasPairSets_ = false;
  bool scoreable_ = false;
  bool complete_ = false;
  bool inStep_ = true;
  std::string logError_;
  ReportKeeper reportKeeper_;
  PosnDiffRec<PV::Data::Criterion> crDiff_;
  PosnDiffRec<PV::Data::DecisionMaker> dmDiff_;
  PosnDiffRec<PV::Data::Choice> chDiff_;
  std::unique_ptr<T> alg_;
  bool solveOutOfStep_;
  std::string dataError_;
};

using MathServer = Server<Algorithm>;
extern template class Server<Algorithm>;

}  // namespace Math
}  // namespace PV
