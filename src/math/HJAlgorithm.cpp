#include "math/HJAlgorithm.h"

#include "foundation/Assert.h"
#include "math/ModelCheck.h"
#include "math/Reconciler.h"
#include "model/ScoreChars.h"
#include "math/alg.h"
#include "math/mcdm_bc3.h"
#include "model/DecisionModel.h"

#include <cstdio>

namespace PV {
namespace Math {

const char* solveStatusText(uint32_t status) {
  switch (status) {
    case MODEL_COMPLETED:
      return "The ranking is complete.";
    case MODEL_EXCEEDED_MAX_ITERATIONS:
      return "The search stopped at its limit of evaluations; the ranking is approximate.";
    case MODEL_ERROR:
      return "The numerical model is incomplete; nothing was solved.";
    case MODEL_CANCELED:
      return "The search was stopped; the ranking is approximate.";
    case MODEL_INCOMPLETE:
    case MODEL_SCORES_INCOMPLETE:
      return "Not every pair is scored yet; the model can be solved once every pair is scored.";
    case MODEL_NOT_IN_STEP:
      return "The model was changed and its scores are not in step with it; it cannot be solved "
             "until they are.";
    case MODEL_ZERO_WEIGHTS:
      return "All criterion weights or all decision-maker weights are zero; give at least one a "
             "weight above zero to solve the model.";
    default:
      return "The model could not be solved.";
  }
}

int neverCancel(alg_state* /*record*/) { return 0; }

std::vector<PairSetView> readPairSets(const PV::Data::DecisionModel& model) {
  PV::Data::DecisionModel copy = model;
  const Algorithm algorithm(copy);
  std::vector<PairSetView> views;
  views.reserve(algorithm.getRpsVec().size());
  for (const auto& rps : algorithm.getRpsVec()) {
    PairSetView view;
    view.crIndex = rps->getCriterionIndex();
    view.dmIndex = rps->getDmIndex();
    view.pairs.reserve(rps->getNumPairs());
    view.scores.reserve(rps->getNumPairs());
    for (uint32_t k = 0; k < rps->getNumPairs(); ++k) {
      view.pairs.push_back(rps->getPair(k));
      view.scores.push_back(rps->getScore(k));
    }
    views.push_back(std::move(view));
  }
  return views;
}

Algorithm::Algorithm(PV::Data::DecisionModel& model) : model_(&model) {
  const auto dms_size = static_cast<uint32_t>(model.get_dms().size());
  const auto crs_size = static_cast<uint32_t>(model.get_crs().size());
  const auto chs_size = static_cast<uint32_t>(model.get_chs().size());
  const auto& blocks = model.get_ss();
  const auto ss_sz = static_cast<uint32_t>(blocks.size());
  PV_ASSERT(dms_size > 0);
  PV_ASSERT(crs_size > 0);
  PV_ASSERT(chs_size > 1);
  PV_ASSERT(ss_sz <= crs_size);
  // Reading block c for every criterion needs all of them.
  PV_ASSERT(ss_sz == 0 || ss_sz == crs_size);

  csd* csds = nullptr;
  if (ss_sz > 0) {
    csds = mcdm_bc3_alloc_csds(crs_size);
    for (uint32_t c = 0; c < ss_sz; ++c) {
      uint32_t seed = 0;
      PV_ASSERT(readBlockSeed(blocks[c].get_value(), seed));
      csds[c].uid = model.get_crs()[c].get_uid();
      csds[c].seed = seed;
    }
  }
  mcdm_ = std::make_unique<Mcdm>(model, csds);
  if (csds != nullptr) mcdm_bc3_free_csds(csds);

  const uint32_t npr_size = mcdm_->getNumPairs();
  PV_ASSERT(npr_size <= chs_size * (chs_size - 1) / 2);
  ndm_ = dms_size;
  ncr_ = crs_size;
  nch_ = chs_size;
  npr_ = npr_size;
  sil_ = static_cast<uint8_t>(model.get_params().get_sil());

  for (uint32_t c = 0; c < ncr_; ++c) {
    const uint32_t seed = mcdm_->getSeed(c);
    const PairList* pd = mcdm_->getPairs(c);
    PV_ASSERT(seed != 0 && pd != nullptr);
    for (uint32_t d = 0; d < ndm_; ++d) {
      rpsVec_.push_back(std::make_unique<RandomPairSet>(c, d, npr_, sil_, seed, pd));
      if (ss_sz > 0) applyScoreBlock(*rpsVec_.back(), blocks[c].get_value(), d);
    }
  }
}

Algorithm::~Algorithm() = default;

RandomPairSet* Algorithm::getRps(uint32_t crvi, uint32_t dmvi) const {
  PV_ASSERT(crvi < ncr_);
  PV_ASSERT(dmvi < ndm_);
  PV_ASSERT(crvi * ndm_ + dmvi < rpsVec_.size());
  RandomPairSet* p = rpsVec_[crvi * ndm_ + dmvi].get();
  PV_ASSERT(p != nullptr);
  return p;
}

bool Algorithm::isRpsLocked(uint32_t crvi, uint32_t dmvi) const { return getRps(crvi, dmvi)->isLocked(); }

std::pair<uint32_t, uint32_t> Algorithm::countScores(uint32_t crvi, uint32_t dmvi) const {
  if (ncr_ == 0 || ndm_ == 0 || npr_ == 0) return {0, 1};
  PV_ASSERT(ncr_ * ndm_ == rpsVec_.size());
  PV_ASSERT(crvi <= ncr_ && dmvi <= ndm_);
  const uint32_t c0 = crvi == ncr_ ? 0 : crvi;
  const uint32_t c1 = crvi == ncr_ ? ncr_ : crvi + 1;
  const uint32_t d0 = dmvi == ndm_ ? 0 : dmvi;
  const uint32_t d1 = dmvi == ndm_ ? ndm_ : dmvi + 1;
  uint32_t total = 0;
  uint32_t unscored = 0;
  for (uint32_t c = c0; c < c1; ++c) {
    for (uint32_t d = d0; d < d1; ++d) {
      const std::string& s = rpsVec_[c * ndm_ + d]->getScores();
      total += npr_;
      for (char ch : s) {
        if (isUnscoredChar(ch)) ++unscored;
      }
    }
  }
  return {total - unscored, total};
}

void Algorithm::writeScoreBlocks() {
  auto& scs = model_->get_ss();
  scs.clear();
  PV_ASSERT(scs.empty());
  for (uint32_t c = 0; c < ncr_; ++c) {
    std::string block = blockHeader(c + 1, mcdm_->getSeed(c));
    block.reserve(SCORE_BLOCK_HEADER_LEN + ndm_ * npr_);
    for (uint32_t d = 0; d < ndm_; ++d) {
      const std::string& s = rpsVec_[c * ndm_ + d]->getScores();
      PV_ASSERT(s.size() == npr_);
      block += s;
    }
    PV::Data::Score score;
    score.set_value(block);
    scs.push_back(score);
  }
}

void Algorithm::applyScoreBlock(RandomPairSet& rps, const std::string& scoreblock, uint32_t dmvi) {
  PV_ASSERT(!scoreblock.empty());
  const std::size_t totalLength = SCORE_BLOCK_HEADER_LEN + static_cast<std::size_t>(ndm_) * npr_;
  PV_ASSERT(scoreblock.length() == totalLength);
  const std::size_t offset = SCORE_BLOCK_HEADER_LEN + static_cast<std::size_t>(dmvi) * npr_;
  PV_ASSERT(scoreblock.length() >= offset + npr_);
  rps.setScores(scoreblock.substr(offset, npr_));
  scoresTransferred_ = true;
}

uint32_t Algorithm::solve(alg_callback acf) {
  const auto counts = countScores(ncr_, ndm_);
  if (!(counts.first == counts.second && counts.first > 0)) return MODEL_INCOMPLETE;
  if (mcdm_->hasZeroWeights()) return MODEL_ZERO_WEIGHTS;

  pair_data* pd = mcdm_->getPairData();
  for (uint32_t c = 0; c < ncr_; ++c) {
    uint8_t* scores = pd[c].scores;
    for (uint32_t d = 0; d < ndm_; ++d) {
      const std::string& s = rpsVec_[c * ndm_ + d]->getScores();
      for (uint32_t n = 0; n < npr_; ++n) {
        const int t = kValueOfChar(s[n]);
        PV_ASSERT((t) >= MIN_K_VALUE && (t) <= MAX_K_VALUE);
        const uint32_t x = d * npr_ + n;
        uint8_t& byte = scores[x / 2];
        if (x % 2 == 0) {
          byte = static_cast<unsigned char>((byte & 0x0F) | (t << 4));
        } else {
          byte = static_cast<unsigned char>((byte & 0xF0) | t);
        }
      }
    }
  }
  status_ = mcdm_->solve(alg_solve, acf != nullptr ? acf : neverCancel);
  return status_;
}

void Algorithm::readSolutions() { mcdm_->readSolutions(model_->get_slns(), nch_); }

uint32_t Algorithm::getIterationCount() const { return mcdm_->getIterationCount(); }

Reconciler* Algorithm::getReconciler() {
  if (reconciler_ == nullptr) reconciler_ = std::make_unique<Reconciler>(*model_, *this);
  return reconciler_.get();
}

void Algorithm::reconcile(PV::Data::DecisionModel& newModel) {
  if (reconciler_ != nullptr) reconciler_->reconcile(newModel);
}

void Algorithm::rebuildMcdm(PV::Data::DecisionModel& model, csd* csds) {
  mcdm_.reset();
  mcdm_ = std::make_unique<Mcdm>(model, csds);
  model_ = &model;
}

}  // namespace Math
}  // namespace PV
