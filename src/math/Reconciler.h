// Carries the scores of a model over to an edited version of it. When choices,
// criteria or decision makers are added, removed or reordered, or the confidence
// settings or the scale dimension change, the pair sets of the algorithm no longer
// fit the model: the reconciler drops the pair sets of removed criteria and decision
// makers, makes empty ones for added ones, redraws the pair lists and moves every
// surviving score to its pair under the new numbering of the choices, fits the pair
// lists to a changed number of pairs, and marks scores above a lowered scale. It
// raises the model's data version by one and makes a plain-text account of what it
// did, which its caller keeps (the factory appends it to a log file named after the
// model); the reconciler itself writes no file.
//
// Entries are matched by unique id throughout, so a score stays with its criterion,
// decision maker and choices whatever the order of the edited lists.
#pragma once

#include "math/PosnDiffRec.h"
#include "math/RandomPairSet.h"
#include "model/DecisionModel.h"

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace PV {
namespace Math {

class Algorithm;
class Mcdm;

// What the reconciler keeps of one criterion: its id, the seed of its pair drawing
// and its pair list as last fitted.
struct uidseedpairs {
  uint32_t uid = 0;
  uint32_t seed = 0;
  std::vector<MCDM_BC3_Pair> pairs;
};

// The clock of the report's date lines, as local broken-down time; null means now.
// Tests fix it so that reports compare with golden files.
using ReportClock = std::tm (*)();
void setReportClock(ReportClock clock);

class Reconciler {
 public:
  // Copies the model's lists and parameters, the adapter's seeds and pairs.
  Reconciler(PV::Data::DecisionModel& model, Algorithm& alg);
  ~Reconciler();

  Reconciler(const Reconciler&) = delete;
  Reconciler& operator=(const Reconciler&) = delete;

  // Whether the pair sets no longer fit newModel.
  bool isReconcileNeeded(PV::Data::DecisionModel& newModel);
  // Fits the pair sets to newModel (which must be scoreable with valid confidence
  // settings) and makes the report of what changed.
  void reconcile(PV::Data::DecisionModel& newModel);

  // The report of the last reconcile (lines ending in a line feed), empty before
  // the first, and the name of the model it speaks of as the reconcile began.
  const std::string& getReport() const { return report_; }
  const std::string& getReportModelName() const { return reportModelName_; }

 private:
  enum Slot { CRITERIA = 0, DECISION_MAKERS, CHOICES, CONFIDENCE, SCALE, NUM_SLOTS };
  using Handler = void (Reconciler::*)();

  void reconcileCriteria();
  void reconcileDecisionMakers();
  void reconcileChoices();
  void reconcileConfidence();
  void reconcileScale();
  void refitPairSets();

  void writeReport(int part, uint32_t removed = 0, uint32_t removedScores = 0, uint32_t added = 0,
                   uint32_t addedScores = 0, uint32_t uncompleted = 0);
  void line(const std::string& text);
  template <typename T>
  void writeListPart(const char* removedHead, const char* addedHead, const char* entry, bool plural,
                     const std::vector<T>& former, const std::vector<T>& updated, const PosnDiffRec<T>& diff,
                     uint32_t removedScores, uint32_t addedScores);
  void writeStatistics(uint32_t nch, uint32_t ndm, uint32_t ncr, const PV::Data::ModelParameters& params, bool former);

  PV::Data::DecisionModel* dataModel_;
  PV::Data::ModelParameters params_;
  std::vector<PV::Data::DecisionMaker> decisionMakers_;
  std::vector<PV::Data::Criterion> criteria_;
  std::vector<PV::Data::Choice> choices_;
  std::vector<csd> csds_;
  Algorithm* alg_;
  Mcdm* mcdm_;
  std::vector<std::unique_ptr<RandomPairSet>>* rpsVec_;
  uint32_t rpsSize_ = 0;
  std::vector<uidseedpairs> uidSeedPairs_;
  std::pair<uint32_t, uint32_t> scoreCounts_;
  PV::Data::DecisionModel* newDm_ = nullptr;
  PosnDiffRec<PV::Data::Criterion> crDiff_;
  PosnDiffRec<PV::Data::DecisionMaker> dmDiff_;
  PosnDiffRec<PV::Data::Choice> chDiff_;
  Handler handlers_[NUM_SLOTS] = {};
  std::string report_;
  std::string reportModelName_;
  int32_t totalChange_ = 0;
};

}  // namespace Math
}  // namespace PV
