#include "math/Reconciler.h"

#include "foundation/Assert.h"
#include "math/HJAlgorithm.h"
#include "math/Mcdm.h"
#include "model/ScoreChars.h"
#include "model/TimeStamp.h"

#include <algorithm>
#include <cstdlib>
#include <locale>
#include <sstream>

namespace PV {
namespace Math {

namespace {

constexpr double PERCENT_AGREE = 50.0;

ReportClock reportClock = nullptr;

// The former entry whose pair sets an entry of the new list takes over: the first
// one with its id not taken yet (ids are unique in a valid model; a repeated id gets
// new, empty pair sets rather than sets already given away).
template <typename T>
int takeFormer(const std::vector<T>& former, uint32_t uid, std::vector<bool>& taken) {
  for (std::size_t k = 0; k < former.size(); ++k) {
    if (!taken[k] && former[k].get_uid() == uid) {
      taken[k] = true;
      return static_cast<int>(k);
    }
  }
  return -1;
}

// The value a triangle slot holds: a score -5 .. +5, an unscored pair, or a score
// exceeded by a lowered scale (which stays marked wherever its pair goes).
constexpr int SLOT_UNSCORED = UNSCORED;
constexpr int SLOT_EXCEEDED = 'E';

std::string plural(uint32_t n) { return n > 1 ? "s" : ""; }

}  // namespace

void setReportClock(ReportClock clock) { reportClock = clock; }

Reconciler::Reconciler(PV::Data::DecisionModel& dataModel, Algorithm& alg)
    : dataModel_(&dataModel), alg_(&alg), mcdm_(alg.getMcdm()), rpsVec_(&alg.getRpsVec()) {
  const auto& params = dataModel.get_params();
  PV_ASSERT(dataModel.get_params().get_cfi() <= PERCENT_AGREE);
  PV_ASSERT(dataModel.get_params().get_cfl() > PERCENT_AGREE);
  PV_ASSERT(dataModel.get_params().get_sil() > 0);
  const auto numdms = dataModel.get_dms().size();
  const auto numcrit = dataModel.get_crs().size();
  const auto numchoices = dataModel.get_chs().size();
  PV_ASSERT(numdms > 0);
  PV_ASSERT(numcrit > 0);
  PV_ASSERT(numcrit < MAX_CRITERIA);
  PV_ASSERT(numchoices > 1);

  params_ = params;
  decisionMakers_ = dataModel.get_dms();
  criteria_ = dataModel.get_crs();
  choices_ = dataModel.get_chs();
  rpsSize_ = static_cast<uint32_t>(numdms * numcrit);
  scoreCounts_ = alg.countScores(alg.getNumCriteria(), alg.getNumDecisionMakers());
  for (uint32_t r = 0; r < numcrit; ++r) {
    const uint32_t uid = criteria_[r].get_uid();
    csds_.push_back(csd{uid, mcdm_->getSeed(r)});
    uidseedpairs rec;
    rec.uid = uid;
    rec.seed = mcdm_->getSeed(r);
    mcdm_->appendPairs(rec.pairs, r);
    uidSeedPairs_.push_back(std::move(rec));
  }
}

Reconciler::~Reconciler() = default;

bool Reconciler::isReconcileNeeded(PV::Data::DecisionModel& newDM) {
  newDm_ = &newDM;
  for (auto& h : handlers_) h = nullptr;
  if (crDiff_.build(criteria_, newDM.get_crs())) handlers_[CRITERIA] = &Reconciler::reconcileCriteria;
  if (dmDiff_.build(decisionMakers_, newDM.get_dms())) {
    handlers_[DECISION_MAKERS] = &Reconciler::reconcileDecisionMakers;
  }
  if (chDiff_.build(choices_, newDM.get_chs())) handlers_[CHOICES] = &Reconciler::reconcileChoices;
  const auto& p = newDM.get_params();
  if (p.get_cfi() != params_.get_cfi() || p.get_cfl() != params_.get_cfl()) {
    handlers_[CONFIDENCE] = &Reconciler::reconcileConfidence;
  }
  if (p.get_sil() != params_.get_sil()) handlers_[SCALE] = &Reconciler::reconcileScale;
  for (auto h : handlers_) {
    if (h != nullptr) return true;
  }
  return false;
}

void Reconciler::reconcile(PV::Data::DecisionModel& newDM) {
  newDm_ = &newDM;
  // The scores as they stand now, in the former shape (the pair sets change only
  // below); a count taken when the reconciler was made would be stale.
  scoreCounts_ = alg_->countScores(alg_->getNumCriteria(), alg_->getNumDecisionMakers());
  const uint32_t formerVersion = dataModel_->get_dataver();
  // The largest version stays: one more would wrap to 0, which no model holds.
  newDM.set_dataver(formerVersion == UINT32_MAX ? formerVersion : formerVersion + 1);
  reportModelName_ = dataModel_->get_nm();
  writeReport(0);

  // Seeds of surviving criteria are kept (the same seed draws the same pairs); a new
  // criterion gets 0, for which the frame draws a fresh seed distinct from the others.
  const auto newCrsSize = newDM.get_crs().size();
  PV_ASSERT(criteria_.size() == mcdm_->getNumCriteria());
  PV_ASSERT(newCrsSize != 0);
  PV_ASSERT(newCrsSize <= MAX_CRITERIA);
  std::vector<csd> newcsds;
  for (const auto& c : newDM.get_crs()) {
    uint32_t seed = 0;
    for (const auto& old : csds_) {
      if (old.uid == c.get_uid()) seed = old.seed;
    }
    newcsds.push_back(csd{c.get_uid(), seed});
  }
  alg_->rebuildMcdm(newDM, newcsds.data());
  csds_ = std::move(newcsds);
  mcdm_ = alg_->getMcdm();

  isReconcileNeeded(newDM);
  for (int slot = 0; slot < NUM_SLOTS; ++slot) {
    const Handler handler = handlers_[slot];
    if (handler == nullptr) continue;
    if (slot == CHOICES) alg_->markReconciled();
    (this->*handler)();
  }
  refitPairSets();

  params_ = newDM.get_params();
  criteria_ = newDM.get_crs();
  decisionMakers_ = newDM.get_dms();
  choices_ = newDM.get_chs();
  dataModel_ = &newDM;

  scoreCounts_ = alg_->countScores(alg_->getNumCriteria(), alg_->getNumDecisionMakers());
  writeReport(6);
}

// Every pair set gets the new adapter's pair list and seed of its criterion, its
// indices, and the new number of pairs; the algorithm takes the new model's counts.
void Reconciler::refitPairSets() {
  const auto ndm = static_cast<uint32_t>(newDm_->get_dms().size());
  const auto ncr = static_cast<uint32_t>(newDm_->get_crs().size());
  const uint32_t npr = mcdm_->getNumPairs();
  PV_ASSERT(rpsVec_->size() == static_cast<std::size_t>(ncr) * ndm);
  for (uint32_t v = 0; v < rpsVec_->size(); ++v) {
    RandomPairSet& p = *(*rpsVec_)[v];
    const uint32_t r = v / ndm;
    p.setPlace(r, v % ndm);
    p.setPairs(mcdm_->getSeed(r), mcdm_->getPairs(r));
    PV_ASSERT(p.getScores().size() == npr);
    p.resizePairs(npr);
  }
  for (uint32_t r = 0; r < ncr; ++r) uidSeedPairs_[r].seed = mcdm_->getSeed(r);
  rpsSize_ = static_cast<uint32_t>(rpsVec_->size());
  alg_->setCounts(ncr, ndm, static_cast<uint32_t>(newDm_->get_chs().size()), npr,
                  static_cast<uint8_t>(newDm_->get_params().get_sil()));
}

void Reconciler::reconcileCriteria() {
  const auto& newCrs = newDm_->get_crs();
  const auto m = static_cast<uint32_t>(decisionMakers_.size());
  const auto ncr = static_cast<uint32_t>(newCrs.size());
  const auto ndm = static_cast<uint32_t>(newDm_->get_dms().size());
  const auto nch = static_cast<uint32_t>(newDm_->get_chs().size());
  const uint32_t npr = mcdm_->getNumPairs();
  const int sil = newDm_->get_params().get_sil();
  PV_ASSERT(ncr > 0);
  PV_ASSERT(ndm > 0);
  PV_ASSERT(nch > 1);
  PV_ASSERT(npr > 0 && npr <= nch * (nch - 1) / 2);
  PV_ASSERT(sil > 0 && sil <= MAX_SIL);

  const auto& D = crDiff_.getDeleted();
  const auto& A = crDiff_.getAdded();
  uint32_t removedScores = 0;
  for (int32_t r : D) {
    for (uint32_t d = 0; d < m; ++d) removedScores += (*rpsVec_)[r * m + d]->getNumPairs();
  }
  const uint32_t addedScores = static_cast<uint32_t>(A.size()) * m * npr;

  // Rebuild the list in the new criteria's order, matching by id: a surviving
  // criterion takes its own pair sets wherever it now stands.
  std::vector<std::unique_ptr<RandomPairSet>> sets;
  std::vector<uidseedpairs> records;
  std::vector<bool> taken(criteria_.size(), false);
  for (uint32_t r = 0; r < ncr; ++r) {
    const int f = takeFormer(criteria_, newCrs[r].get_uid(), taken);
    if (f >= 0) {
      for (uint32_t d = 0; d < m; ++d) sets.push_back(std::move((*rpsVec_)[f * m + d]));
      records.push_back(std::move(uidSeedPairs_[f]));
    } else {
      uidseedpairs rec;
      rec.uid = csds_[r].uid;
      rec.seed = mcdm_->getSeed(r);
      mcdm_->appendPairs(rec.pairs, r);
      records.push_back(std::move(rec));
      for (uint32_t d = 0; d < m; ++d) {
        sets.push_back(std::make_unique<RandomPairSet>(r, d, npr, static_cast<uint8_t>(sil), mcdm_->getSeed(r),
                                                       mcdm_->getPairs(r)));
      }
    }
  }
  *rpsVec_ = std::move(sets);
  uidSeedPairs_ = std::move(records);
  for (uint32_t v = 0; v < rpsVec_->size(); ++v) {
    (*rpsVec_)[v]->setPlace(v / m, (*rpsVec_)[v]->getDmIndex());
    (*rpsVec_)[v]->setPairList(mcdm_->getPairs(v / m));
  }
  PV_ASSERT(rpsVec_->size() == static_cast<std::size_t>(ncr) * m);

  writeListPart("criteria:", "criteria:", "Criteria ", false, criteria_, newCrs, crDiff_, removedScores, addedScores);
  criteria_ = newCrs;
  alg_->setNumCriteria(ncr);
  rpsSize_ = static_cast<uint32_t>(rpsVec_->size());
}

void Reconciler::reconcileDecisionMakers() {
  const auto& newDms = newDm_->get_dms();
  const auto mOld = static_cast<uint32_t>(decisionMakers_.size());
  const auto q = static_cast<uint32_t>(newDm_->get_crs().size());
  const auto ndm = static_cast<uint32_t>(newDms.size());
  const auto nch = static_cast<uint32_t>(newDm_->get_chs().size());
  const uint32_t npr = mcdm_->getNumPairs();
  const int sil = newDm_->get_params().get_sil();
  PV_ASSERT(ndm > 0);
  PV_ASSERT(q > 0);
  PV_ASSERT(nch > 1);
  PV_ASSERT(npr > 0 && npr <= nch * (nch - 1) / 2);
  PV_ASSERT(sil > 0 && sil <= MAX_SIL);
  // The criteria are the new model's already (same ids in the same order when their
  // step had nothing to do).
  PV_ASSERT(rpsVec_->size() == static_cast<std::size_t>(q) * mOld);

  const auto& D = dmDiff_.getDeleted();
  const auto& A = dmDiff_.getAdded();
  uint32_t removedScores = 0;
  for (int32_t d : D) {
    for (uint32_t r = 0; r < q; ++r) removedScores += (*rpsVec_)[r * mOld + d]->getNumPairs();
  }
  const uint32_t addedScores = static_cast<uint32_t>(A.size()) * q * npr;

  std::vector<std::unique_ptr<RandomPairSet>> sets;
  std::vector<int> formerOf(ndm);
  std::vector<bool> taken(decisionMakers_.size(), false);
  for (uint32_t d = 0; d < ndm; ++d) formerOf[d] = takeFormer(decisionMakers_, newDms[d].get_uid(), taken);
  for (uint32_t r = 0; r < q; ++r) {
    for (uint32_t d = 0; d < ndm; ++d) {
      const int f = formerOf[d];
      if (f >= 0) {
        sets.push_back(std::move((*rpsVec_)[r * mOld + f]));
      } else {
        sets.push_back(std::make_unique<RandomPairSet>(r, d, npr, static_cast<uint8_t>(sil), mcdm_->getSeed(r),
                                                       mcdm_->getPairs(r)));
      }
    }
  }
  *rpsVec_ = std::move(sets);
  for (uint32_t v = 0; v < rpsVec_->size(); ++v) {
    (*rpsVec_)[v]->setPlace((*rpsVec_)[v]->getCriterionIndex(), v % ndm);
    (*rpsVec_)[v]->setPairList(mcdm_->getPairs(v / ndm));
  }

  writeListPart("Decision Maker", "Decision Maker", "Decision Maker ", true, decisionMakers_, newDms, dmDiff_,
                removedScores, addedScores);
  decisionMakers_ = newDms;
  alg_->setNumDecisionMakers(ndm);
  rpsSize_ = static_cast<uint32_t>(rpsVec_->size());
}

void Reconciler::reconcileChoices() {
  const auto& newChs = newDm_->get_chs();
  const auto o = static_cast<uint32_t>(choices_.size());
  const auto h = static_cast<uint32_t>(newChs.size());
  const auto q = static_cast<uint32_t>(newDm_->get_crs().size());
  const auto p = static_cast<uint32_t>(newDm_->get_dms().size());
  const uint32_t npr = mcdm_->getNumPairs();
  PV_ASSERT(h > 1);
  PV_ASSERT(npr > 0 && npr <= h * (h - 1) / 2);
  PV_ASSERT(rpsVec_->size() == static_cast<std::size_t>(q) * p);

  const auto& D = chDiff_.getDeleted();
  const auto& A = chDiff_.getAdded();
  const uint32_t oldNpr = alg_->getNumPairs();
  const uint32_t diff = oldNpr > npr ? oldNpr - npr : npr - oldNpr;
  const uint32_t removedScores =
      D.empty() ? 0 : diff * static_cast<uint32_t>(criteria_.size() * decisionMakers_.size());
  const uint32_t addedScores = A.empty() ? 0 : diff * q * p;

  // Former choice index -> new index, by id; -1 for a removed choice.
  std::vector<int> renumber(o);
  std::vector<bool> taken(h, false);
  for (uint32_t i = 0; i < o; ++i) renumber[i] = takeFormer(newChs, choices_[i].get_uid(), taken);

  // One slot per unordered pair {x, y}, x > y, of the new choices: the score in the
  // orientation (x, y).
  const uint32_t T = h * (h - 1) / 2;
  std::vector<int> slots(T + 1);
  auto slotOf = [](uint32_t x, uint32_t y) { return x * (x - 1) / 2 + y + 1; };

  uint32_t uncompleted = 0;
  for (uint32_t r = 0; r < q; ++r) {
    uidseedpairs& R = uidSeedPairs_[r];
    const PairList& L = *mcdm_->getPairs(r);
    for (uint32_t d = 0; d < p; ++d) {
      RandomPairSet& P = *(*rpsVec_)[r * p + d];
      std::fill(slots.begin(), slots.end(), SLOT_UNSCORED);
      const std::size_t former = std::min(R.pairs.size(), P.getScores().size());
      for (std::size_t k = 0; k < former; ++k) {
        const MCDM_BC3_Pair& pair = R.pairs[k];
        // Pairs of a criterion added by this reconciliation are already in the new
        // numbering and unscored.
        if (pair.i >= o || pair.j >= o) continue;
        const int x = renumber[pair.i];
        const int y = renumber[pair.j];
        if (x < 0 || y < 0) continue;
        const char c = P.getScores()[k];
        if (c == '0') continue;
        int v = SLOT_EXCEEDED;
        if (!isExceededChar(c)) v = kValueOfChar(c) - 8;
        if (x > y) {
          slots[slotOf(x, y)] = v;
        } else {
          slots[slotOf(y, x)] = v == SLOT_EXCEEDED ? v : -v;
        }
      }
      P.resizePairs(npr);
      for (uint32_t k = 0; k < npr; ++k) {
        const MCDM_BC3_Pair& pair = L[k];
        const bool ordered = pair.i > pair.j;
        const int v = ordered ? slots[slotOf(pair.i, pair.j)] : slots[slotOf(pair.j, pair.i)];
        if (v == SLOT_UNSCORED) {
          P.clearScore(k);
          ++uncompleted;
        } else if (v == SLOT_EXCEEDED) {
          P.markExceeded(k, true);
          ++uncompleted;
        } else {
          P.setScore(k, ordered ? v : -v, true);
        }
      }
      P.setPairs(mcdm_->getSeed(r), &L);
      P.saveScores();
    }
    R.pairs = L;
    R.seed = mcdm_->getSeed(r);
  }

  writeListPart("Choice", "Choice", "Choice ", true, choices_, newChs, chDiff_, removedScores, addedScores);
  if (uncompleted != 0) line("Found " + std::to_string(uncompleted) + " uncompleted pair-scores");
  choices_ = newChs;
}

void Reconciler::reconcileConfidence() {
  const uint32_t npr = mcdm_->getNumPairs();
  const auto nch = newDm_->get_chs().size();
  const auto ncr = static_cast<uint32_t>(criteria_.size());
  const auto ndm = static_cast<uint32_t>(decisionMakers_.size());
  PV_ASSERT(npr > 0);
  PV_ASSERT(nch > 0 && nch < MAX_CHOICES);
  PV_ASSERT(ncr > 0);
  PV_ASSERT(ndm > 0);
  PV_ASSERT(rpsVec_->size() == static_cast<std::size_t>(ncr) * ndm);

  // Scores are kept by position: for the same seed and choices a longer drawing
  // begins with the pairs of a shorter one.
  uint32_t removed = 0;
  uint32_t added = 0;
  for (uint32_t r = 0; r < ncr; ++r) {
    uidseedpairs& R = uidSeedPairs_[r];
    if (R.pairs.size() > npr) {
      R.pairs.resize(npr);
    } else {
      for (uint32_t k = static_cast<uint32_t>(R.pairs.size()); k < npr; ++k) {
        R.pairs.push_back(mcdm_->getPair(r, k));
      }
    }
    for (uint32_t d = 0; d < ndm; ++d) {
      RandomPairSet& P = *(*rpsVec_)[r * ndm + d];
      const auto old = static_cast<uint32_t>(P.getScores().size());
      if (old > npr) removed += old - npr;
      if (old < npr) added += npr - old;
      P.resizePairs(npr);
      P.setPairList(mcdm_->getPairs(r));
      P.saveScores();
    }
  }
  params_.set_cfi(newDm_->get_params().get_cfi());
  params_.set_cfl(newDm_->get_params().get_cfl());
  writeReport(4, 0, removed, 0, added);
}

void Reconciler::reconcileScale() {
  const int s = newDm_->get_params().get_sil();
  const auto ncr = static_cast<uint32_t>(criteria_.size());
  const auto ndm = static_cast<uint32_t>(decisionMakers_.size());
  PV_ASSERT(ncr > 0);
  PV_ASSERT(ndm > 0);
  PV_ASSERT(rpsVec_->size() == static_cast<std::size_t>(ncr) * ndm);
  uint32_t obviated = 0;
  for (uint32_t v = 0; v < rpsVec_->size(); ++v) {
    RandomPairSet& P = *(*rpsVec_)[v];
    P.setPairList(mcdm_->getPairs(v / ndm));
    P.setSil(static_cast<uint8_t>(s));
    for (uint32_t k = 0; k < P.getScores().size(); ++k) {
      // A pair marked already stays marked and is counted once.
      const int kv = kValueOfChar(P.getScores()[k]);
      if (kv >= 0 && std::abs(kv - 8) > s) {
        P.markExceeded(k, true);
        ++obviated;
      }
    }
    P.saveScores();
  }
  params_.set_sil(static_cast<int8_t>(s));
  writeReport(5, 0, obviated);
}

// ---------------------------------------------------------------------------
// The report

void Reconciler::line(const std::string& text) {
  report_ += text;
  report_ += '\n';
}

namespace {

std::string numText(double v) {
  std::ostringstream s;
  s.imbue(std::locale::classic());
  s << v;
  return s.str();
}

std::string dateNow() {
  return PV::Util::dateLineText(reportClock != nullptr ? reportClock() : PV::Util::localTime(std::time(nullptr)));
}

}  // namespace

void Reconciler::writeStatistics(uint32_t nch, uint32_t ndm, uint32_t ncr, const PV::Data::ModelParameters& params,
                                 bool former) {
  const int sil = params.get_sil();
  line(" " + std::to_string(nch) + " Choice" + plural(nch));
  line(" " + std::to_string(ndm) + " Decision Maker" + plural(ndm));
  line(" " + std::to_string(ncr) + " Criteria");
  line(" Score Range -" + std::to_string(sil) + " to +" + std::to_string(sil));
  line(" Confidence Level: " + numText(params.get_cfl()) + "%");
  line(" Confidence Interval (Margin of error): " + numText(params.get_cfi()) + "%");
  const std::string counts = "   or " + std::to_string(scoreCounts_.first) + "/" + std::to_string(scoreCounts_.second) +
                             " completed scores for all criteria";
  const std::string ratio = numText(static_cast<double>(scoreCounts_.first) * 100.0 / scoreCounts_.second) + "%";
  if (former) {
    line(" Completion Ratio of Scores: " + ratio);
    line(counts);
    line("");
  } else {
    line("");
    line(std::string("Total Scores change: ") + (totalChange_ > 0 ? "+" : "") + std::to_string(totalChange_));
    line("Model Completion ratio " + ratio);
    line(counts);
    line("");
  }
}

template <typename T>
void Reconciler::writeListPart(const char* removedHead, const char* addedHead, const char* entry, bool pluralHead,
                               const std::vector<T>& former, const std::vector<T>& updated, const PosnDiffRec<T>& diff,
                               uint32_t removedScores, uint32_t addedScores) {
  const auto nd = static_cast<uint32_t>(diff.getDeleted().size());
  const auto na = static_cast<uint32_t>(diff.getAdded().size());
  if (nd != 0) {
    line("Deleted " + std::to_string(nd) + " " + removedHead + (pluralHead ? plural(nd) + ":" : ""));
    for (int32_t i : diff.getDeleted()) {
      line(std::string("  Deleted ") + entry + "\"" + former[i].get_nm() + "\"");
    }
    if (removedScores != 0) line("    deleted " + std::to_string(removedScores) + " pair-scores");
  }
  totalChange_ -= static_cast<int32_t>(removedScores);
  if (na != 0) {
    line("Added " + std::to_string(na) + " " + addedHead + (pluralHead ? plural(na) + ":" : ""));
    for (int32_t j : diff.getAdded()) {
      line(std::string("  New ") + entry + "\"" + updated[j].get_nm() + "\"");
    }
    if (addedScores != 0) line("    added " + std::to_string(addedScores) + " new pair-scores");
  }
  totalChange_ += static_cast<int32_t>(addedScores);
}

void Reconciler::writeReport(int part, uint32_t /*removed*/, uint32_t removedScores, uint32_t /*added*/,
                             uint32_t addedScores, uint32_t /*uncompleted*/) {
  switch (part) {
    case 0: {
      totalChange_ = 0;
      report_.clear();
      const uint32_t version = newDm_->get_dataver();
      line("Palvermontine Decision Model Difference and Reconcilation Report");
      line("");
      line("---------------------");
      line(" Model Description:");
      line("---------------------");
      line("Model Name: " + dataModel_->get_nm());
      line("Date/TIme: " + dateNow());
      line("  Reconcile Version: " + std::to_string(version - 1));
      line("  Creator: " + dataModel_->get_moderator().get_nm());
      line("");
      line("------------------------");
      line(" Model Changes Summary");
      line("------------------------");
      line("");
      line("Former Decision Model Statistics");
      line("----------------------------------");
      writeStatistics(static_cast<uint32_t>(choices_.size()), static_cast<uint32_t>(decisionMakers_.size()),
                      static_cast<uint32_t>(criteria_.size()), params_, true);
      line("(Incremental Changes)");
      line("Incremented Model version from " + std::to_string(version - 1) + " to " + std::to_string(version));
      break;
    }
    case 4:
      if (removedScores != 0) {
        line("CFI/CFL change deleted " + std::to_string(removedScores) + " pair-scores");
        totalChange_ -= static_cast<int32_t>(removedScores);
      }
      if (addedScores != 0) {
        line("CFI/CFL change added " + std::to_string(addedScores) + " uncompleted pair-scores");
        totalChange_ += static_cast<int32_t>(addedScores);
      }
      break;
    case 5:
      if (removedScores != 0) {
        const std::string s = std::to_string(newDm_->get_params().get_sil());
        line("Sil change obviated " + std::to_string(removedScores) + " pair-scores");
        line("   They will have to be re-scored using the new scale -" + s + " to +" + s);
        totalChange_ -= static_cast<int32_t>(removedScores);
      }
      break;
    case 6: {
      line("");
      line("New Decision Model Statistics");
      line("-------------------------------");
      writeStatistics(static_cast<uint32_t>(newDm_->get_chs().size()), static_cast<uint32_t>(newDm_->get_dms().size()),
                      static_cast<uint32_t>(newDm_->get_crs().size()), newDm_->get_params(), false);
      line("Finished reconcile at " + dateNow());
      break;
    }
    default:
      break;
  }
}

}  // namespace Math
}  // namespace PV
