#include "math/MathServer.h"

#include "foundation/Assert.h"
#include "math/ModelCheck.h"
#include "math/Reconciler.h"
#include "model/DecisionModel.h"
#include "model/RankSolutionData.h"
#include "model/TextForms.h"

namespace PV {
namespace Math {

namespace {

// The advice texts, as the editors show them.
const char* const kChoicesChanged = "A change in choices has occurred which will require a model reconcilation.";
const char* const kChoicesZero =
    "The number of choices is zero.\n   At least two are needed to create a model and make "
    "comparisons";
const char* const kChoicesOne =
    "Number of choices less than two choices.\n   You need at least two choices to run "
    "comparisons.";
const char* const kChoicesTooMany = "The number of choices is above ten.\n   A model holds at most ten choices.";
const char* const kCriteriaChanged = "A change in criteria has occurred which will require a model reconcilation.";
const char* const kCriteriaZero = "Number of criteria less than one.\n   At least one is needed.";
const char* const kCriteriaTooMany = "The number of criteria is above seven.\n   A model holds at most seven criteria.";
const char* const kDmsChanged = "Changes in the Decision Makers will require a model reconcilation.";
const char* const kDmsZero = "Number of decision makers less than one.\n   At least one is necessary.";
const char* const kDmsTooMany =
    "The number of decision makers is above five.\n   A model holds at most five decision makers.";
const char* const kConfidenceChanged = "The CFL/CFI has changed and mean that a model reconcilation will be required.";
const char* const kScaleLowered =
    "Scores are about to be deleted due to a scale change.  Do you want to make some scores "
    "invalid?";
const char* const kScaleTooLarge = "Scale size is illegal, too large, please decrease it";
const char* const kScaleTooSmall = "Scale size is illegal, too small, please increase it";
const char* const kDuplicateIds =
    "Two entries of the list have the same unique id.\n   Every entry needs an id of its own.";
const char* const kConfidenceInvalid =
    "The confidence level must lie above 50% and at most 100%,\n   the confidence interval "
    "between 0% and 50%.";

template <typename Item>
bool listDiffers(const std::vector<Item>& former, const std::vector<Item>& updated) {
  if (former.size() != updated.size()) return true;
  for (std::size_t p = 0; p < former.size(); ++p) {
    if (former[p].get_uid() != updated[p].get_uid()) return true;
  }
  return false;
}

int advise(int result, const char* text, std::string& msg) {
  msg = text;
  return result;
}

}  // namespace

template <typename T>
Server<T>::Server(PV::Data::DecisionModel* model, bool solveOutOfStep)
    : model_(model), solveOutOfStep_(solveOutOfStep) {
  PV_ASSERT(model_ != nullptr);
  crDiff_.clear();
  dmDiff_.clear();
  chDiff_.clear();
  update();
  // update() has made the algorithm of a scoreable model with stored blocks, and
  // the algorithm has read every block into its pair sets.
  if (!(scoreable_ && modelHasBlocks())) PV_ASSERT(alg_ == nullptr);
}

template <typename T>
Server<T>::~Server() = default;

template <typename T>
bool Server<T>::modelHasBlocks() const {
  return !model_->get_ss().empty();
}

// The reconciler is made with the algorithm, so that it holds the lists the pair
// sets were made for before any edit reaches the model.
template <typename T>
void Server<T>::makeAlgorithm() {
  alg_ = std::make_unique<T>(*model_);
  alg_->getReconciler();
}

// The model stopped being scoreable: its pair sets go, and so do stored blocks that
// no longer fit it (a saved model must open again).
template <typename T>
void Server<T>::dropAlgorithm() {
  alg_.reset();
  hasAlgorithm_ = false;
  hasPairSets_ = false;
  complete_ = false;
  std::string why;
  if (!checkScoreBlocks(*model_, why)) model_->get_ss().clear();
  dropStaleSolutions(false);
}

// Solutions naming a choice the model no longer has are removed; a ranking that the
// edit made out of date is flagged so.
template <typename T>
void Server<T>::dropStaleSolutions(bool outOfDate) {
  auto& slns = model_->get_slns();
  const auto& chs = model_->get_chs();
  const auto before = slns.size();
  for (std::size_t k = slns.size(); k-- > 0;) {
    bool known = false;
    for (const auto& c : chs) known = known || c.get_uid() == slns[k].get_ch();
    if (!known) slns.erase(slns.begin() + static_cast<std::ptrdiff_t>(k));
  }
  if (!slns.empty() && (outOfDate || slns.size() != before)) slns.set_flag(true);
  // A ranking with no entries is no ranking: its file keeps neither a time nor a
  // flag for it, so the model does not either.
  if (slns.empty() && before != 0) {
    slns.set_flag(false);
    slns.set_timestamp(std::string());
  }
}

template <typename T>
bool Server<T>::pairSetsFitModel() const {
  return alg_ == nullptr || !alg_->getReconciler()->isReconcileNeeded(*model_);
}

template <typename T>
bool Server<T>::reconcile() {
  if (alg_ == nullptr) return false;
  if (alg_->getReconciler()->isReconcileNeeded(*model_)) {
    alg_->reconcile(*model_);
    const Reconciler& done = *alg_->getReconciler();
    logError_ = reportKeeper_ ? reportKeeper_(done.getReportModelName(), done.getReport()) : std::string();
    alg_->writeScoreBlocks();
    dropStaleSolutions(true);
  }
  update();
  // Weights edited in the lists past the setters are taken up here as well, so
  // that a model in step is solved with the weights it holds.
  if (alg_ != nullptr) alg_->getMcdm()->takeWeights(*model_);
  inStep_ = true;
  return true;
}

// After a setter changed the model: pair sets that no longer fit it are reconciled
// with it (surviving scores kept), or dropped when the model cannot be scored.
template <typename T>
void Server<T>::afterEdit() {
  if (alg_ != nullptr && !pairSetsFitModel()) {
    countModel();
    const auto& p = model_->get_params();
    const ModelState& st = modelState_;
    const bool reconcilable = st.numdms_ >= 1 && st.numcrs_ >= 1 && st.numchs_ >= MIN_NUM_CHOICES &&
                              st.numpairs_ >= 1 && isValidConfidence(p.get_cfl(), p.get_cfi()) &&
                              st.numdms_ <= PV_DATA_MAX_DMS && st.numcrs_ <= PV_DATA_MAX_CRS &&
                              st.numchs_ <= PV_DATA_MAX_CHS;
    if (reconcilable) {
      reconcile();
      return;
    }
    dropAlgorithm();
  }
  // Without pair sets nothing else removes the entries of a choice that went.
  dropStaleSolutions(false);
  update();
}

template <typename T>
bool Server<T>::hasAlgorithm(bool* flag) const {
  if (flag != nullptr && alg_ != nullptr) {
    *flag = modelState_.numpairs_ > 0;
    return *flag;
  }
  return alg_ != nullptr;
}

template <typename T>
bool Server<T>::hasAlgorithmOnly(bool* pairSets) const {
  if (pairSets != nullptr) *pairSets = hasPairSets_;
  return alg_ != nullptr;
}

template <typename T>
uint32_t Server<T>::numScoresNeeded() {
  countModel();
  checkScoreable();
  if (!scoreable_ || modelState_.numchs_ < MIN_NUM_CHOICES || modelState_.numpairs_ < 1) return 0;
  return modelState_.numpairs_ * modelState_.numdms_ * modelState_.numcrs_;
}

template <typename T>
void Server<T>::countModel() {
  modelState_.numchs_ = static_cast<uint32_t>(model_->get_chs().size());
  modelState_.numcrs_ = static_cast<uint32_t>(model_->get_crs().size());
  modelState_.numdms_ = static_cast<uint32_t>(model_->get_dms().size());
  const auto& params = model_->get_params();
  modelState_.numpairs_ = pairsPerCriterion(params.get_cfl(), params.get_cfi(), modelState_.numchs_) & 0xFFFFu;
}

template <typename T>
void Server<T>::checkScoreable() {
  hasPairSets_ = alg_ != nullptr && !alg_->getRpsVec().empty();
  dataError_.clear();
  const ModelState& s = modelState_;
  bool ok = s.numdms_ >= 1 && s.numcrs_ >= 1 && s.numchs_ >= MIN_NUM_CHOICES;
  std::string why;
  if (!checkModelData(*model_, why)) {
    // Stored blocks only matter before the algorithm has read them; once it exists
    // its pair sets hold the scores.
    const bool onlyBlocks = alg_ != nullptr && [&] {
      const auto& p = model_->get_params();
      return isValidConfidence(p.get_cfl(), p.get_cfi()) && s.numdms_ <= PV_DATA_MAX_DMS &&
             s.numcrs_ <= PV_DATA_MAX_CRS && s.numchs_ <= PV_DATA_MAX_CHS;
    }();
    if (!onlyBlocks) {
      dataError_ = why;
      ok = false;
    }
  }
  scoreable_ = ok && s.numpairs_ >= 1;
}

template <typename T>
void Server<T>::checkComplete() {
  complete_ = false;
  if (alg_ == nullptr || !scoreable_ || !hasPairSets_) return;
  PV_ASSERT(alg_ != nullptr);
  if (alg_->getRpsVec().empty()) return;
  const auto counts = alg_->countScores(alg_->getNumCriteria(), alg_->getNumDecisionMakers());
  complete_ = counts.first == counts.second && counts.first > 0;
}

template <typename T>
void Server<T>::update() {
  countModel();
  checkScoreable();
  checkComplete();
  if (scoreable_ && modelHasBlocks() && alg_ == nullptr) {
    PV_ASSERT(alg_ == nullptr);
    makeAlgorithm();
    hasAlgorithm_ = true;
    inStep_ = true;
  } else if (!scoreable_ && alg_ != nullptr) {
    dropAlgorithm();
  }
  checkScoreable();
  checkComplete();
}

template <typename T>
bool Server<T>::refresh(const RandomPairSet* /*rps*/) {
  update();
  return true;
}

template <typename T>
bool Server<T>::createAlgorithm() {
  PV_ASSERT(alg_ == nullptr);
  update();
  if (alg_ != nullptr) return true;  // the stored blocks have made it already
  if (!scoreable_) return false;
  makeAlgorithm();
  countModel();
  hasAlgorithm_ = true;
  hasPairSets_ = true;
  scoreable_ = true;
  inStep_ = true;
  complete_ = false;
  return true;
}

template <typename T>
void Server<T>::deleteAlgorithm() {
  PV_ASSERT(alg_ != nullptr);
  alg_.reset();
  hasAlgorithm_ = false;
  hasPairSets_ = false;
  inStep_ = false;
  complete_ = false;
}

template <typename T>
RandomPairSet* Server<T>::acquireRps(uint32_t crIndex, uint32_t dmIndex) {
  PV_ASSERT(alg_ != nullptr);
  PV_ASSERT(!"Rps Request but no algorithm!" || hasAlgorithm_);
  PV_ASSERT(!"Rps Request CRS index > size of array" || crIndex <= modelState_.numcrs_);
  PV_ASSERT(!"Rps Request DMS index > size of array" || dmIndex <= modelState_.numdms_);
  PV_ASSERT(!"Rps Request, but no RPS objects found" || !alg_->getRpsVec().empty());
  PV_ASSERT(!"Second attempt to acquire a locked RPS object" || !alg_->isRpsLocked(crIndex, dmIndex));
  RandomPairSet* rps = alg_->getRps(crIndex, dmIndex);
  rps->lock();
  return rps;
}

template <typename T>
void Server<T>::releaseRps(RandomPairSet* rps) {
  PV_ASSERT(alg_ != nullptr);
  PV_ASSERT(!"Rps Request but no algorithm!" || hasAlgorithm_);
  PV_ASSERT(!"Rps Request, but no RPS objects found" || !alg_->getRpsVec().empty());
  PV_ASSERT(!"Rps Pointer is zero" || rps != nullptr);
  rps->unlock();
}

// Pair sets that no longer fit the model (it was changed without a setter) are not
// written: blocks of another shape could not be read back.
template <typename T>
void Server<T>::transferScores() {
  if (alg_ == nullptr) return;
  if (!pairSetsFitModel()) {
    inStep_ = false;
    return;
  }
  alg_->writeScoreBlocks();
}

template <typename T>
uint32_t Server<T>::solve(PV::Data::RankSolutionData* rankData, alg_callback acf) {
  if (!complete_) return MODEL_SCORES_INCOMPLETE;
  // A model changed in place, without a setter, is out of step until reconciled:
  // its lists, or only the weights in them, which the frame would not use.
  if (!pairSetsFitModel()) inStep_ = false;
  if (alg_ != nullptr && !alg_->getMcdm()->hasWeightsOf(*model_)) inStep_ = false;
  if (alg_ != nullptr && (solveOutOfStep_ || inStep_)) {
    const uint32_t status = alg_->compute(acf);
    if (status == MODEL_COMPLETED || status == MODEL_EXCEEDED_MAX_ITERATIONS || status == MODEL_CANCELED) {
      computeSolutions(rankData);
    }
    return status;
  }
  if (!inStep_) return MODEL_NOT_IN_STEP;
  return MODEL_SCORES_INCOMPLETE;
}

template <typename T>
void Server<T>::computeSolutions(PV::Data::RankSolutionData* rankData) {
  if (alg_ == nullptr) return;
  alg_->readSolutions();
  if (rankData != nullptr && !model_->get_slns().empty()) {
    const std::string name = rankData->get_name();
    *rankData = PV::Data::RankSolutionData();
    rankData->set_name(name);
    rankData->build(model_->get_slns(), model_->get_chs());
  }
}

template <typename T>
bool Server<T>::setChoices(const std::vector<PV::Data::Choice>& choices) {
  std::string msg;
  if (adviseChoices(choices, msg) == ADVICE_INVALID) return false;
  model_->set_chs(choices);
  afterEdit();
  return true;
}

// The weight setters bring back in step a model whose weights alone were edited past
// them.
template <typename T>
void Server<T>::takeWeightsInStep() {
  if (hasAlgorithm_ && alg_ != nullptr && pairSetsFitModel()) {
    alg_->getMcdm()->takeWeights(*model_);
    if (alg_->getMcdm()->hasWeightsOf(*model_)) inStep_ = true;
  }
}

template <typename T>
bool Server<T>::setCriteria(const std::vector<PV::Data::Criterion>& criteria) {
  std::string msg;
  if (adviseCriteria(criteria, msg) == ADVICE_INVALID) return false;
  model_->set_crs(criteria);
  afterEdit();
  takeWeightsInStep();
  return true;
}

template <typename T>
bool Server<T>::setDecisionMakers(const std::vector<PV::Data::DecisionMaker>& dms) {
  std::string msg;
  if (adviseDecisionMakers(dms, msg) == ADVICE_INVALID) return false;
  model_->set_dms(dms);
  afterEdit();
  takeWeightsInStep();
  return true;
}

template <typename T>
bool Server<T>::setParams(const PV::Data::ModelParameters& params) {
  std::string msg;
  if (adviseParams(params, msg) == ADVICE_INVALID) return false;
  PV::Data::ModelParameters p = params;
  p.set_cfl(PV::Data::TextForms::roundedToOneDecimal(params.get_cfl()));
  p.set_cfi(PV::Data::TextForms::roundedToOneDecimal(params.get_cfi()));
  model_->set_params(p);
  afterEdit();
  return true;
}

// Advice: validity and the model's limits are checked first, so that an edit that
// cannot be applied is never advised as a mere consequence.
template <typename T>
int Server<T>::adviseChoices(const std::vector<PV::Data::Choice>& choices, std::string& msg) const {
  msg.clear();
  if (choices.empty()) return advise(ADVICE_INVALID, kChoicesZero, msg);
  if (choices.size() > PV_DATA_MAX_CHS) return advise(ADVICE_INVALID, kChoicesTooMany, msg);
  if (!hasUniqueIds(choices)) return advise(ADVICE_INVALID, kDuplicateIds, msg);
  if (choices.size() == 1) return advise(ADVICE_CONFIRM, kChoicesOne, msg);
  if (listDiffers(model_->get_chs(), choices)) return advise(ADVICE_CONFIRM, kChoicesChanged, msg);
  return ADVICE_NONE;
}

template <typename T>
int Server<T>::adviseCriteria(const std::vector<PV::Data::Criterion>& criteria, std::string& msg) const {
  msg.clear();
  if (criteria.size() > PV_DATA_MAX_CRS) return advise(ADVICE_INVALID, kCriteriaTooMany, msg);
  if (!hasUniqueIds(criteria)) return advise(ADVICE_INVALID, kDuplicateIds, msg);
  if (criteria.empty()) return advise(ADVICE_CONFIRM, kCriteriaZero, msg);
  if (listDiffers(model_->get_crs(), criteria)) {
    return advise(ADVICE_CONFIRM, kCriteriaChanged, msg);
  }
  return ADVICE_NONE;
}

template <typename T>
int Server<T>::adviseDecisionMakers(const std::vector<PV::Data::DecisionMaker>& dms, std::string& msg) const {
  msg.clear();
  if (dms.size() > PV_DATA_MAX_DMS) return advise(ADVICE_INVALID, kDmsTooMany, msg);
  if (!hasUniqueIds(dms)) return advise(ADVICE_INVALID, kDuplicateIds, msg);
  if (dms.empty()) return advise(ADVICE_CONFIRM, kDmsZero, msg);
  if (listDiffers(model_->get_dms(), dms)) return advise(ADVICE_CONFIRM, kDmsChanged, msg);
  return ADVICE_NONE;
}

template <typename T>
int Server<T>::adviseParams(const PV::Data::ModelParameters& params, std::string& msg) const {
  return adviseParams(params.get_cfl(), params.get_cfi(), params.get_sil(), msg);
}

template <typename T>
int Server<T>::adviseParams(double cfl, double cfi, int sil, std::string& msg) const {
  msg.clear();
  // Judged as the model will hold them.
  cfl = PV::Data::TextForms::roundedToOneDecimal(cfl);
  cfi = PV::Data::TextForms::roundedToOneDecimal(cfi);
  if (sil > MAX_SIL) return advise(ADVICE_INVALID, kScaleTooLarge, msg);
  if (sil < 1) return advise(ADVICE_INVALID, kScaleTooSmall, msg);
  if (!isValidConfidence(cfl, cfi)) return advise(ADVICE_INVALID, kConfidenceInvalid, msg);
  const auto& old = model_->get_params();
  if (cfl != old.get_cfl() || cfi != old.get_cfi()) {
    return advise(ADVICE_CONFIRM, kConfidenceChanged, msg);
  }
  if (sil < old.get_sil()) return advise(ADVICE_CONFIRM, kScaleLowered, msg);
  return ADVICE_NONE;
}

template <typename T>
int Server<T>::adviseNothing(const RandomPairSet* /*rps*/, std::string& msg) const {
  msg.clear();
  return ADVICE_NONE;
}

template class Server<Algorithm>;

}  // namespace Math
}  // namespace PV
