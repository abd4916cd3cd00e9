#include "app/document/ModelDocument.h"

#include "factory/Factory.h"
#include "math/RandomPairSet.h"
#include "model/ScoreChars.h"

#include <algorithm>
#include <cstdlib>

namespace PV {
namespace App {

namespace {

// The pair set of (criterion, decision maker), given back when the scope ends: the
// server refuses a second hold on a set that was not given back.
class HeldPairSet {
 public:
  HeldPairSet(Math::MathServer* ms, uint32_t cr, uint32_t dm) : ms_(ms), rps_(ms->acquireRps(cr, dm)) {}
  ~HeldPairSet() { ms_->releaseRps(rps_); }
  HeldPairSet(const HeldPairSet&) = delete;
  HeldPairSet& operator=(const HeldPairSet&) = delete;
  Math::RandomPairSet* operator->() const { return rps_; }
  Math::RandomPairSet& operator*() const { return *rps_; }

 private:
  Math::MathServer* ms_;
  Math::RandomPairSet* rps_;
};

// A score the set's scale takes: a strength up to the scale on either side, no
// preference, or not scored.
bool isScoreOnScale(int score, int sil) {
  return score == Math::UNSCORED || std::abs(score) <= std::min(sil, Math::MAX_SIL);
}

}  // namespace

ModelDocument::ModelDocument(Data::Factory* factory) : factory_(factory) {}

Data::Factory* ModelDocument::factory() const { return factory_ ? factory_ : Data::Factory::instance(); }

Data::DecisionModel* ModelDocument::model() const {
  return factory()->hasModel() ? factory()->currDataModel(0) : nullptr;
}

Math::MathServer* ModelDocument::server() const {
  return factory()->hasModel() ? factory()->getMathServer(0) : nullptr;
}

// ---- the model as a whole ----------------------------------------------------------

Data::DecisionModel* ModelDocument::newModel(const Data::ModelParameters& params, const std::string& name,
                                             const std::string& note) {
  Data::DecisionModel* made = factory()->newModel(params, false);
  if (!note.empty()) made->set_note(note);
  made->set_nm(name);
  changed(MODEL_REPLACED);
  return made;
}

Data::DecisionModel* ModelDocument::load(const std::string& path) {
  Data::DecisionModel* opened = factory()->load(path, false);
  if (opened) changed(MODEL_REPLACED);
  return opened;
}

bool ModelDocument::save(const std::string& path) {
  if (!hasModel() || !factory()->save(path.c_str())) return false;
  changed(MODEL_SAVED);
  return true;
}

bool ModelDocument::isUnmodified() const { return factory()->isUnmodified(); }

const std::string& ModelDocument::lastError() const { return factory()->lastError(); }

// ---- the model's lists and properties ----------------------------------------------

template <class List, class Advise, class Set>
bool ModelDocument::setList(const List& list, std::string* reason, Advise advise, Set set) {
  Math::MathServer* ms = server();
  if (!ms) {
    *reason = "There is no model to take the table.";
    return false;
  }
  std::string message;
  if ((ms->*advise)(list, message) == Math::ADVICE_INVALID) {
    *reason = message;
    return false;
  }
  if (!(ms->*set)(list)) {
    *reason = "The model refused the table.";
    return false;
  }
  setSolutionsFlag(true);
  changed(MODEL_LISTS);
  return true;
}

bool ModelDocument::setChoices(const std::vector<Data::Choice>& list, std::string* reason) {
  return setList(list, reason, &Math::MathServer::adviseChoices, &Math::MathServer::setChoices);
}

bool ModelDocument::setCriteria(const std::vector<Data::Criterion>& list, std::string* reason) {
  return setList(list, reason, &Math::MathServer::adviseCriteria, &Math::MathServer::setCriteria);
}

bool ModelDocument::setDecisionMakers(const std::vector<Data::DecisionMaker>& list, std::string* reason) {
  return setList(list, reason, &Math::MathServer::adviseDecisionMakers, &Math::MathServer::setDecisionMakers);
}

bool ModelDocument::setProperties(const std::string& name, const std::string& note, const Data::ModelParameters* params,
                                  std::string* reason) {
  Data::DecisionModel* m = model();
  Math::MathServer* ms = server();
  if (!m) {
    *reason = "There is no model to take the properties.";
    return false;
  }
  std::string message;
  if (params && ms && ms->adviseParams(*params, message) == Math::ADVICE_INVALID) {
    *reason = message;
    return false;
  }
  m->set_nm(name);
  m->set_note(note);
  // Through the server, which keeps its pair counts in step with the model.
  if (params && *params != m->get_params()) {
    if (ms)
      ms->setParams(*params);
    else
      m->set_params(*params);
  }
  changed(MODEL_PROPERTIES);
  return true;
}

// ---- pairs and scores ----------------------------------------------------------------

bool ModelDocument::isScoreable() {
  Math::MathServer* ms = server();
  if (!ms) return false;
  ms->update();
  return ms->isScoreable();
}

uint32_t ModelDocument::pairsNeeded() {
  Math::MathServer* ms = server();
  return ms ? ms->numScoresNeeded() : 0;
}

bool ModelDocument::hasPairSets() const {
  Math::MathServer* ms = server();
  const Data::DecisionModel* m = model();
  if (!m || !ms || !ms->hasAlgorithm()) return false;
  const auto& state = ms->getModelState();
  return state.numcrs_ == m->get_crs().size() && state.numdms_ == m->get_dms().size() && state.numpairs_ > 0;
}

bool ModelDocument::drawPairs() {
  Math::MathServer* ms = server();
  if (!ms) return false;
  if (!ms->hasAlgorithm()) {
    if (!ms->createAlgorithm()) return false;
    ms->transferScores();
    changed(MODEL_PAIRS);
  }
  return hasPairSets();
}

PairSetScores ModelDocument::pairSet(uint32_t crIndex, uint32_t dmIndex) const {
  PairSetScores set;
  const Data::DecisionModel* m = model();
  if (!hasPairSets() || crIndex >= m->get_crs().size() || dmIndex >= m->get_dms().size()) return set;
  HeldPairSet rps(server(), crIndex, dmIndex);
  set.sil = rps->getSil();
  const uint32_t n = rps->getNumPairs();
  set.choices.reserve(n);
  set.scores.reserve(n);
  for (uint32_t i = 0; i < n; ++i) {
    const uint32_t code = rps->getPairCode(i);
    set.choices.emplace_back(code & 0xFFFFu, code >> 16);
    const int score = rps->getScore(i);
    set.scores.push_back(isScoreOnScale(score, set.sil) ? score : Math::UNSCORED);
  }
  return set;
}

std::pair<uint32_t, uint32_t> ModelDocument::countScored(uint32_t crIndex, uint32_t dmIndex) const {
  const Data::DecisionModel* m = model();
  if (!hasPairSets() || crIndex >= m->get_crs().size() || dmIndex >= m->get_dms().size()) return {0, 0};
  HeldPairSet rps(server(), crIndex, dmIndex);
  // Exceeded scores count as not scored here as in the solver.
  return rps->countScored();
}

std::pair<uint32_t, uint32_t> ModelDocument::countScored() const {
  std::pair<uint32_t, uint32_t> all(0, 0);
  const Data::DecisionModel* m = model();
  if (!hasPairSets()) return all;
  for (uint32_t d = 0; d < m->get_dms().size(); ++d) {
    for (uint32_t c = 0; c < m->get_crs().size(); ++c) {
      const auto counts = countScored(c, d);
      all.first += counts.first;
      all.second += counts.second;
    }
  }
  return all;
}

bool ModelDocument::storeScores(uint32_t crIndex, uint32_t dmIndex, const std::vector<int>& scores) {
  const Data::DecisionModel* m = model();
  Math::MathServer* ms = server();
  if (!m || !ms || !ms->hasAlgorithm() || crIndex >= m->get_crs().size() || dmIndex >= m->get_dms().size()) {
    return false;
  }
  const auto& state = ms->getModelState();
  if (crIndex >= state.numcrs_ || dmIndex >= state.numdms_) return false;
  bool stored = false;
  {
    HeldPairSet rps(ms, crIndex, dmIndex);
    const int sil = rps->getSil();
    stored = scores.size() == rps->getNumPairs() &&
             std::all_of(scores.begin(), scores.end(), [sil](int s) { return isScoreOnScale(s, sil); });
    if (stored) {
      for (uint32_t i = 0; i < scores.size(); ++i) rps->setScore(i, scores[i], true);
      rps->saveScores();
    }
    std::string advice;
    ms->adviseNothing(&*rps, advice);
  }
  // The server counts anew (complete or not) and the blocks follow the pair sets.
  ms->refresh();
  ms->transferScores();
  if (!stored) return false;
  setSolutionsFlag(true);
  changed(MODEL_SCORES);
  return true;
}

bool ModelDocument::resetScores() {
  Math::MathServer* ms = server();
  const Data::DecisionModel* m = model();
  if (!hasPairSets()) return false;
  for (uint32_t d = 0; d < m->get_dms().size(); ++d) {
    for (uint32_t c = 0; c < m->get_crs().size(); ++c) {
      HeldPairSet rps(ms, c, d);
      for (uint32_t i = 0; i < rps->getNumPairs(); ++i) rps->setScore(i, Math::UNSCORED, true);
      rps->saveScores();
    }
  }
  ms->refresh();
  // The reset reaches the model's score blocks now, so a save keeps it.
  ms->transferScores();
  setSolutionsFlag(true);
  changed(MODEL_SCORES);
  return true;
}

void ModelDocument::clearComparisons() {
  Math::MathServer* ms = server();
  Data::DecisionModel* m = model();
  if (!ms || !m) return;
  if (ms->hasAlgorithm()) ms->deleteAlgorithm();
  m->get_ss().clear();
  // A ranking of scores that no longer exist would live on in reports and in the
  // next solve's window: it goes with them.
  auto& solutions = m->get_slns();
  solutions.clear();
  solutions.set_flag(false);
  solutions.set_timestamp(std::string());
  ms->update();
  changed(MODEL_PAIRS | MODEL_SCORES | MODEL_SOLVED);
}

bool ModelDocument::isComplete() const {
  Math::MathServer* ms = server();
  return ms && ms->isComplete();
}

// ---- solving ---------------------------------------------------------------------------

uint32_t ModelDocument::solve(Data::RankSolutionData* ranking) {
  Math::MathServer* ms = server();
  if (!ms || !ms->isComplete()) return Math::MODEL_SCORES_INCOMPLETE;
  const uint32_t status = ms->solve(ranking, nullptr);
  changed(MODEL_SOLVED);
  return status;
}

void ModelDocument::setSolutionsFlag(bool outOfDate) {
  if (Data::DecisionModel* m = model()) m->get_slns().set_flag(outOfDate);
}

// ---- the notice ----------------------------------------------------------------------

void ModelDocument::addListener(ModelListener* listener) {
  if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) listeners_.push_back(listener);
}

void ModelDocument::removeListener(ModelListener* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void ModelDocument::changed(uint32_t changes) {
  // A listener may close windows that listen too (a replaced model closes them all):
  // one that went before its turn is not told.
  const std::vector<ModelListener*> listening = listeners_;
  for (ModelListener* listener : listening) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) listener->modelChanged(changes);
  }
}

}  // namespace App
}  // namespace PV
