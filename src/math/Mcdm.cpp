#include "math/Mcdm.h"

#include "foundation/Assert.h"
#include "model/ScoreChars.h"
#include "model/DecisionModel.h"
#include "model/TimeStamp.h"

#include <cstdlib>
#include <cstring>

namespace PV {
namespace Math {

namespace {

char* copyText(const std::string& text) {
  auto* p = static_cast<char*>(std::malloc(text.size() + 1));
  if (p != nullptr) std::memcpy(p, text.c_str(), text.size() + 1);
  return p;
}

// Exactly as the set-up scales them, so that unchanged weights solve as before.
template <typename Item>
void fillPercentages(double* weights, const std::vector<Item>& items) {
  for (std::size_t k = 0; k < items.size(); ++k) weights[k] = static_cast<double>(items[k].get_wt());
  model_normalise_weights(weights, static_cast<unsigned>(items.size()));
}

}  // namespace

Mcdm::Mcdm(PV::Data::DecisionModel& dm, csd* csds) : model_(&dm), mF() {
  const auto dms_size = dm.get_dms().size();
  const auto crs_size = dm.get_crs().size();
  const auto chs_size = dm.get_chs().size();
  PV_ASSERT(dms_size > 0);
  PV_ASSERT(crs_size > 0);
  PV_ASSERT(chs_size > 1);
  const auto& params = dm.get_params();
  const double cfl = params.get_cfl();
  const double cfi = params.get_cfi();
  const int sil = params.get_sil();
  PV_ASSERT(cfl > 50.0 && cfl <= 100.0);
  PV_ASSERT(cfi >= 0.0 && cfi <= 50.0);
  PV_ASSERT(sil > 0 && sil <= MAX_SIL);
  PV_ASSERT(dms_size <= MAX_DECISION_MAKERS);
  PV_ASSERT(crs_size <= MAX_CRITERIA);
  PV_ASSERT(chs_size <= MAX_CHOICES);

  mF.ndm = static_cast<uint8_t>(dms_size);
  mF.ncr = static_cast<uint8_t>(crs_size);
  mF.nch = static_cast<uint8_t>(chs_size);

  mF.name = copyText(dm.get_nm());
  PV_ASSERT(mF.name != nullptr);
  mF.descr = copyText(dm.get_note());
  PV_ASSERT(mF.descr != nullptr);

  mF.cfl = cfl;
  mF.cfi = cfi;

  mF.crwt = static_cast<double*>(std::calloc(crs_size, sizeof(double)));
  PV_ASSERT(mF.crwt != nullptr);
  for (std::size_t k = 0; k < crs_size; ++k) mF.crwt[k] = dm.get_crs()[k].get_wt();
  mF.dmwt = static_cast<double*>(std::calloc(dms_size, sizeof(double)));
  PV_ASSERT(mF.dmwt != nullptr);
  for (std::size_t k = 0; k < dms_size; ++k) mF.dmwt[k] = dm.get_dms()[k].get_wt();

  // Word 1 of the model id seeds a model without stored blocks, so that the same
  // model id always draws the same pairs.
  const uint32_t h = dm.get_id()[1];
  if (csds == nullptr && h != 0) model_set_fixed_seed(h);
  if (h != 0) mF.seed = h;
  mF.csds = csds;

  model_init(&mF);
  // The list is the caller's and is read only by the set-up.
  mF.csds = nullptr;

  for (uint32_t c = 0; c < mF.ncr; ++c) {
    const MCDM_BC3_Pair* first = mF.pd[c].pairs;
    randomPairs_.push_back(std::make_unique<PairList>(first, first + mF.npr));
  }
  resetRanking();
}

Mcdm::~Mcdm() { model_free(&mF); }

void Mcdm::resetRanking() {
  const auto& choices = model_->get_chs();
  PV_ASSERT(choices.size() == mF.nch);
  for (uint32_t k = 0; k < mF.nch; ++k) {
    mF.solution.ranking[k].row = static_cast<uint8_t>(k + 1);
    mF.solution.ranking[k].ch_id = choices[k].get_uid();
  }
  mF.solution.count = mF.nch;
  mF.solution.iterations = 0;
}

const PairList* Mcdm::getPairs(uint32_t criteria) const {
  PV_ASSERT(criteria < randomPairs_.size());
  return randomPairs_[criteria].get();
}

uint32_t Mcdm::getSeed(uint32_t criteria) const {
  PV_ASSERT(criteria < mF.ncr);
  return mF.pd[criteria].seed;
}

MCDM_BC3_Pair Mcdm::getPair(uint32_t critindex, uint32_t prindex) const {
  PV_ASSERT(critindex < mF.ncr);
  PV_ASSERT(prindex < mF.npr);
  return mF.pd[critindex].pairs[prindex];
}

void Mcdm::appendPairs(std::vector<MCDM_BC3_Pair>& record, uint32_t criterion) const {
  PV_ASSERT(criterion < mF.ncr);
  const MCDM_BC3_Pair* first = mF.pd[criterion].pairs;
  record.insert(record.end(), first, first + mF.npr);
}

void Mcdm::setCriteriaWeights(const std::vector<PV::Data::Criterion>& criteria) {
  PV_ASSERT(criteria.size() == mF.ncr);
  fillPercentages(mF.crwt, criteria);
}

void Mcdm::setDecisionMakerWeights(const std::vector<PV::Data::DecisionMaker>& dms) {
  PV_ASSERT(dms.size() == mF.ndm);
  fillPercentages(mF.dmwt, dms);
}

bool Mcdm::hasWeightsOf(const PV::Data::DecisionModel& dm) const {
  const auto& crs = dm.get_crs();
  const auto& dms = dm.get_dms();
  if (crs.size() != mF.ncr || dms.size() != mF.ndm) return false;
  std::vector<double> cr(crs.size() + 1, 0.0);
  std::vector<double> dw(dms.size() + 1, 0.0);
  fillPercentages(cr.data(), crs);
  fillPercentages(dw.data(), dms);
  for (uint32_t k = 0; k < mF.ncr; ++k)
    if (cr[k] != mF.crwt[k]) return false;
  for (uint32_t k = 0; k < mF.ndm; ++k)
    if (dw[k] != mF.dmwt[k]) return false;
  return true;
}

void Mcdm::takeWeights(const PV::Data::DecisionModel& dm) {
  if (dm.get_crs().size() == mF.ncr) setCriteriaWeights(dm.get_crs());
  if (dm.get_dms().size() == mF.ndm) setDecisionMakerWeights(dm.get_dms());
}

bool Mcdm::hasZeroWeights() const {
  double crs = 0.0;
  for (uint32_t k = 0; k < mF.ncr; ++k) crs += mF.crwt[k];
  double dms = 0.0;
  for (uint32_t k = 0; k < mF.ndm; ++k) dms += mF.dmwt[k];
  return !(crs > 0.0) || !(dms > 0.0);
}

uint32_t Mcdm::solve(model_solver function, alg_callback acf) {
  resetRanking();
  return static_cast<uint32_t>(model_run(&mF, function, acf));
}

void Mcdm::readSolutions(PV::Data::SolutionsVec& solutions, uint32_t numChoices) const {
  PV_ASSERT(mF.solution.ranking != nullptr);
  PV_ASSERT(numChoices <= mF.solution.count);
  for (uint32_t k = 0; k < numChoices; ++k) {
    const auto& row = mF.solution.ranking[k];
    if (k < solutions.size()) {
      solutions[k].set_ch(row.ch_id);
      solutions[k].set_pctrank(row.pctrank);
    } else {
      PV::Data::Solution s;
      s.set_ch(row.ch_id);
      s.set_pctrank(row.pctrank);
      solutions.push_back(s);
    }
  }
  // Entries beyond the choices name choices the model no longer has.
  if (solutions.size() > numChoices) solutions.erase(solutions.begin() + numChoices, solutions.end());
  std::string stamp;
  PV::Util::timeStamp(stamp, false);
  solutions.set_timestamp(stamp);
  solutions.set_flag(false);
}

}  // namespace Math
}  // namespace PV
