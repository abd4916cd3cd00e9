// The open model as the windows work on it: every operation sends one notice of what
// it changed and a refused one sends none and changes nothing; a store reaches both the
// pair set and the model's score blocks (a save and a reopen give the scores back); a
// score the scale cannot show reads as not scored; a listener that goes during a notice
// is not told.
#include "app/document/ModelDocument.h"

#include "factory/Factory.h"
#include "math/RandomPairSet.h"
#include "model/ScoreChars.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using PV::App::ModelDocument;
using PV::Math::UNSCORED;

struct Recorder : PV::App::ModelListener {
  void modelChanged(uint32_t changes) override {
    notices.push_back(changes);
    if (onNotice) onNotice();
  }
  std::vector<uint32_t> notices;
  std::function<void()> onNotice;
};

std::string outputPath(const std::string& name) { return std::string(PV_TEST_OUT_DIR) + "/" + name; }

class ModelDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PV::Data::Factory::destroy();
    doc_ = std::make_unique<ModelDocument>(PV::Data::Factory::instance());
  }
  void TearDown() override {
    doc_.reset();
    PV::Data::Factory::destroy();
  }

  // ndm decision makers, ncr criteria and nch choices on a scale of sil, with a
  // confidence that draws every pair of a few choices.
  void makeModel(int ndm, int ncr, int nch, int sil = 3) {
    PV::Data::ModelParameters params;
    params.set_cfl(99.0);
    params.set_cfi(1.0);
    params.set_sil(static_cast<int8_t>(sil));
    doc_->newModel(params, "Scored", "");
    std::vector<PV::Data::DecisionMaker> dms(ndm);
    for (int k = 0; k < ndm; ++k) {
      dms[k].set_nm("DM" + std::to_string(k + 1));
      dms[k].set_row(static_cast<uint8_t>(k + 1));
      dms[k].set_uid(101 + k);
      dms[k].set_wt(100);
    }
    std::vector<PV::Data::Criterion> crs(ncr);
    for (int k = 0; k < ncr; ++k) {
      crs[k].set_nm("Cr" + std::to_string(k + 1));
      crs[k].set_row(static_cast<uint8_t>(k + 1));
      crs[k].set_uid(201 + k);
      crs[k].set_wt(static_cast<uint16_t>(10 * (k + 1)));
    }
    std::vector<PV::Data::Choice> chs(nch);
    for (int k = 0; k < nch; ++k) {
      chs[k].set_nm("Ch" + std::to_string(k + 1));
      chs[k].set_row(static_cast<uint8_t>(k + 1));
      chs[k].set_uid(301 + k);
    }
    std::string reason;
    ASSERT_TRUE(doc_->setDecisionMakers(dms, &reason)) << reason;
    ASSERT_TRUE(doc_->setCriteria(crs, &reason)) << reason;
    ASSERT_TRUE(doc_->setChoices(chs, &reason)) << reason;
  }

  // Every pair of (cr, dm) given the score.
  std::vector<int> allOf(uint32_t cr, uint32_t dm, int score) const {
    return std::vector<int>(doc_->pairSet(cr, dm).scores.size(), score);
  }

  std::unique_ptr<ModelDocument> doc_;
};

TEST_F(ModelDocumentTest, EachOperationSendsOneNoticeOfWhatItChanged) {
  Recorder r;
  doc_->addListener(&r);
  doc_->addListener(&r);  // told once all the same
  makeModel(1, 1, 3);
  EXPECT_EQ(r.notices, (std::vector<uint32_t>{PV::App::MODEL_REPLACED, PV::App::MODEL_LISTS, PV::App::MODEL_LISTS,
                                              PV::App::MODEL_LISTS}));
  ASSERT_TRUE(doc_->isScoreable());
  const uint32_t needed = doc_->pairsNeeded();
  EXPECT_GT(needed, 0u);

  struct Step {
    const char* what;
    std::function<bool()> run;
    bool done;
    uint32_t notice;  // 0: none
  } steps[] = {
      {"a store before the pairs are drawn is refused",
       [&] {
         return doc_->storeScores(0, 0, {0, 0, 0});
       },
       false, 0},
      {"a reset before the pairs are drawn is refused", [&] { return doc_->resetScores(); }, false, 0},
      {"drawing the pairs", [&] { return doc_->drawPairs(); }, true, PV::App::MODEL_PAIRS},
      {"drawing them again draws nothing", [&] { return doc_->drawPairs(); }, true, 0},
      {"a store of one score too few", [&] { return doc_->storeScores(0, 0, std::vector<int>(needed - 1, 0)); }, false,
       0},
      {"a store beyond the scale", [&] { return doc_->storeScores(0, 0, std::vector<int>(needed, 4)); }, false, 0},
      {"a store into a pair set the model lacks", [&] { return doc_->storeScores(1, 0, std::vector<int>(needed, 0)); },
       false, 0},
      {"a store of the whole set", [&] { return doc_->storeScores(0, 0, std::vector<int>(needed, -3)); }, true,
       PV::App::MODEL_SCORES},
      {"a solve", [&] { return doc_->solve(nullptr) == MODEL_COMPLETED; }, true, PV::App::MODEL_SOLVED},
      {"a reset", [&] { return doc_->resetScores(); }, true, PV::App::MODEL_SCORES},
      {"a solve of a model not scored", [&] { return doc_->solve(nullptr) == PV::Math::MODEL_SCORES_INCOMPLETE; }, true,
       0},
      {"properties",
       [&] {
         std::string reason;
         return doc_->setProperties("Renamed", "notes", nullptr, &reason);
       },
       true, PV::App::MODEL_PROPERTIES},
      {"clearing the comparisons",
       [&] {
         doc_->clearComparisons();
         return !doc_->hasPairSets();
       },
       true, PV::App::MODEL_PAIRS | PV::App::MODEL_SCORES | PV::App::MODEL_SOLVED},
      {"a save", [&] { return doc_->save(outputPath("notice.xpv")); }, true, PV::App::MODEL_SAVED},
  };
  for (const Step& step : steps) {
    r.notices.clear();
    EXPECT_EQ(step.run(), step.done) << step.what;
    EXPECT_EQ(r.notices, step.notice ? std::vector<uint32_t>{step.notice} : std::vector<uint32_t>{}) << step.what;
  }
  doc_->removeListener(&r);
  r.notices.clear();
  doc_->setSolutionsFlag(true);
  ASSERT_TRUE(doc_->drawPairs());
  EXPECT_TRUE(r.notices.empty());
}

TEST_F(ModelDocumentTest, AStoreReachesThePairSetAndTheScoreBlocksAndARefusedOneNeither) {
  makeModel(2, 2, 3);
  ASSERT_TRUE(doc_->drawPairs());
  const std::vector<int> scores = {-2, 0, 3};
  ASSERT_EQ(doc_->pairSet(1, 0).scores.size(), scores.size());
  const auto blocksBefore = doc_->model()->get_ss();
  EXPECT_FALSE(doc_->storeScores(1, 0, {-2, 0, 4}));
  EXPECT_EQ(doc_->pairSet(1, 0).scores, allOf(1, 0, UNSCORED));
  EXPECT_EQ(doc_->model()->get_ss(), blocksBefore);
  ASSERT_TRUE(doc_->storeScores(1, 0, scores));
  EXPECT_EQ(doc_->pairSet(1, 0).scores, scores);
  EXPECT_EQ(doc_->countScored(1, 0), std::make_pair(3u, 3u));
  EXPECT_EQ(doc_->countScored(), std::make_pair(3u, 12u));
  EXPECT_TRUE(doc_->model()->get_slns().get_flag());
  EXPECT_FALSE(doc_->isComplete());

  // The blocks hold the store: the file keeps it.
  const std::string path = outputPath("stored.xpv");
  ASSERT_TRUE(doc_->save(path)) << doc_->lastError();
  EXPECT_TRUE(doc_->isUnmodified());
  ASSERT_TRUE(doc_->load(path)) << doc_->lastError();
  ASSERT_TRUE(doc_->drawPairs());
  EXPECT_EQ(doc_->pairSet(1, 0).scores, scores);
  EXPECT_EQ(doc_->pairSet(0, 1).scores, allOf(0, 1, UNSCORED));

  // So does a reset.
  ASSERT_TRUE(doc_->resetScores());
  ASSERT_TRUE(doc_->save(path)) << doc_->lastError();
  ASSERT_TRUE(doc_->load(path)) << doc_->lastError();
  ASSERT_TRUE(doc_->drawPairs());
  EXPECT_EQ(doc_->countScored(), std::make_pair(0u, 12u));
}

TEST_F(ModelDocumentTest, TheLastStoreCompletesTheModelAndItsSolveGivesARanking) {
  makeModel(1, 2, 3);
  ASSERT_TRUE(doc_->drawPairs());
  ASSERT_TRUE(doc_->storeScores(0, 0, {-1, 2, 0}));
  EXPECT_FALSE(doc_->isComplete());
  EXPECT_EQ(doc_->solve(nullptr), PV::Math::MODEL_SCORES_INCOMPLETE);
  ASSERT_TRUE(doc_->storeScores(1, 0, {3, -3, 1}));
  EXPECT_TRUE(doc_->isComplete());
  PV::Data::RankSolutionData ranking;
  EXPECT_EQ(doc_->solve(&ranking), static_cast<uint32_t>(MODEL_COMPLETED));
  EXPECT_EQ(ranking.rows.size(), 3u);
  EXPECT_FALSE(doc_->model()->get_slns().get_timestamp().empty());

  // Clearing the comparisons takes the ranking with the pairs; the lists are free.
  doc_->clearComparisons();
  EXPECT_FALSE(doc_->hasPairSets());
  EXPECT_TRUE(doc_->model()->get_ss().empty());
  EXPECT_TRUE(doc_->model()->get_slns().get_timestamp().empty());
  EXPECT_FALSE(doc_->storeScores(0, 0, {-1, 2, 0}));
  EXPECT_TRUE(doc_->pairSet(0, 0).scores.empty());
}

TEST_F(ModelDocumentTest, AScoreTheScaleCannotShowReadsAsNotScored) {
  makeModel(1, 1, 3, 5);
  ASSERT_TRUE(doc_->drawPairs());
  // What a file written under a larger scale, or with an exceeded mark, leaves in a set.
  PV::Math::MathServer* ms = doc_->server();
  PV::Math::RandomPairSet* rps = ms->acquireRps(0, 0);
  rps->setScore(0, 5, true);
  rps->setScore(2, -3, true);
  rps->setSil(3);
  rps->markExceeded(1, true);
  ms->releaseRps(rps);
  const PV::App::PairSetScores set = doc_->pairSet(0, 0);
  EXPECT_EQ(set.sil, 3);
  EXPECT_EQ(set.scores, (std::vector<int>{UNSCORED, UNSCORED, -3}));
  ASSERT_EQ(set.choices.size(), 3u);
  for (const auto& pair : set.choices) {
    EXPECT_LT(pair.first, 3u);
    EXPECT_LT(pair.second, 3u);
    EXPECT_NE(pair.first, pair.second);
  }
}

TEST_F(ModelDocumentTest, AListenerThatGoesDuringANoticeIsNotTold) {
  Recorder first, second, third;
  // The first closes the second, as a replaced model closes the open windows.
  first.onNotice = [&] { doc_->removeListener(&second); };
  for (Recorder* r : {&first, &second, &third}) doc_->addListener(r);
  doc_->changed(PV::App::MODEL_REPLACED);
  EXPECT_EQ(first.notices.size(), 1u);
  EXPECT_TRUE(second.notices.empty());
  EXPECT_EQ(third.notices.size(), 1u);
  // A listener may act on the model inside a notice; the notice it causes reaches all.
  third.onNotice = [&] {
    third.onNotice = nullptr;
    doc_->changed(PV::App::MODEL_SOLVED);
  };
  doc_->changed(PV::App::MODEL_SCORES);
  EXPECT_EQ(first.notices,
            (std::vector<uint32_t>{PV::App::MODEL_REPLACED, PV::App::MODEL_SCORES, PV::App::MODEL_SOLVED}));
}

TEST_F(ModelDocumentTest, RefusedListsAndPropertiesChangeNothing) {
  makeModel(1, 1, 3);
  Recorder r;
  doc_->addListener(&r);
  std::string reason;
  EXPECT_FALSE(doc_->setChoices({}, &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(doc_->model()->get_chs().size(), 3u);
  PV::Data::ModelParameters params = doc_->model()->get_params();
  params.set_cfl(10.0);  // no confidence level the drawing takes
  reason.clear();
  EXPECT_FALSE(doc_->setProperties("Other", "", &params, &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(doc_->model()->get_nm(), "Scored");
  EXPECT_TRUE(r.notices.empty());
}

TEST(ModelDocumentWithoutModel, RefusesEveryOperation) {
  PV::Data::Factory::destroy();
  ModelDocument doc(PV::Data::Factory::instance());
  std::string reason;
  EXPECT_FALSE(doc.hasModel());
  EXPECT_FALSE(doc.setChoices({}, &reason));
  EXPECT_FALSE(doc.setProperties("x", "", nullptr, &reason));
  EXPECT_FALSE(doc.isScoreable());
  EXPECT_FALSE(doc.drawPairs());
  EXPECT_FALSE(doc.storeScores(0, 0, {}));
  EXPECT_FALSE(doc.resetScores());
  EXPECT_FALSE(doc.save(outputPath("none.xpv")));
  EXPECT_EQ(doc.solve(nullptr), PV::Math::MODEL_SCORES_INCOMPLETE);
  doc.clearComparisons();
  PV::Data::Factory::destroy();
}

}  // namespace
