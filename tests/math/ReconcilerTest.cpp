#include "factory/ReconcileLog.h"
#include "math/HJAlgorithm.h"
#include "math/MathServer.h"
#include "math/ModelCheck.h"
#include "math/Reconciler.h"
#include "model/TimeStamp.h"

#include "ModelFixture.h"
#include "../xml/SmallDisk.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace {

using PV::Math::Algorithm;
using PV::Math::UNSCORED;
using PV::Test::makeModel;
using PV::Test::ModelShape;

// A score that belongs to the two choices, not to their places: choice u is worth
// worth(u), and a pair is scored by the difference, clipped to the scale.
int worth(uint32_t uid) { return static_cast<int>((uid * 7u) % 6u); }

int expectedScore(const PV::Data::DecisionModel& m, const MCDM_BC3_Pair& p, int sil) {
  int s = worth(m.get_chs()[p.j].get_uid()) - worth(m.get_chs()[p.i].get_uid());
  if (s > sil) s = sil;
  if (s < -sil) s = -sil;
  return s;
}

void scoreByChoices(Algorithm& alg, const PV::Data::DecisionModel& m) {
  const int sil = m.get_params().get_sil();
  for (auto& rps : alg.getRpsVec()) {
    for (uint32_t n = 0; n < rps->getNumPairs(); ++n) {
      rps->setScore(n, expectedScore(m, rps->getPair(n), sil), true);
    }
    rps->saveScores();
  }
}

// Every scored pair still holds the score of its two choices, whatever their new
// places and the pair's new orientation. Returns the number of unscored pairs.
uint32_t checkScoresFollowChoices(const Algorithm& alg, const PV::Data::DecisionModel& m) {
  const int sil = m.get_params().get_sil();
  uint32_t unscored = 0;
  for (const auto& rps : alg.getRpsVec()) {
    EXPECT_EQ(rps->getNumPairs(), alg.getNumPairs());
    for (uint32_t n = 0; n < rps->getNumPairs(); ++n) {
      const int8_t s = rps->getScore(n);
      if (s == UNSCORED || rps->isExceeded(n)) {
        ++unscored;
        continue;
      }
      EXPECT_EQ(s, expectedScore(m, rps->getPair(n), sil));
    }
  }
  return unscored;
}

std::tm fixedClock() {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 8;
  t.tm_wday = 2;
  t.tm_hour = 5;
  t.tm_min = 43;
  t.tm_sec = 14;
  return t;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string golden(const std::string& name) { return readFile(std::string(PV_TEST_DATA_DIR) + "/math/" + name); }

class Reconciliation : public ::testing::Test {
 protected:
  void SetUp() override { PV::Math::setReportClock(fixedClock); }
  void TearDown() override {
    PV::Math::setReportClock(nullptr);
    for (const auto& f : logs_) std::remove(f.c_str());
  }
  // Reconciles and appends the report to the model's log, as the factory's servers do.
  void reconcile(Algorithm& alg, PV::Data::DecisionModel& m) {
    alg.reconcile(m);
    const PV::Math::Reconciler& done = *alg.getReconciler();
    EXPECT_EQ(PV::Data::appendReconcileLog(done.getReportModelName(), done.getReport()), "");
  }
  // The log of the model the algorithm serves, as the reconciles so far left it.
  std::string report(Algorithm& alg) {
    return readFile(PV::Data::reconcileLogFileName(alg.getReconciler()->getReportModelName()));
  }
  PV::Data::DecisionModel model(ModelShape shape, const std::string& name) {
    auto m = makeModel(shape);
    m.set_nm(name);
    std::remove(PV::Data::reconcileLogFileName(name).c_str());
    logs_.push_back(PV::Data::reconcileLogFileName(name));
    PV::Data::Moderator mod;
    mod.set_nm("Human Being");
    m.set_moderator(mod);
    return m;
  }
  std::vector<std::string> logs_;
};

// Removing a choice: every surviving pair keeps its score, turned round when the
// new drawing gives its choices the other way; pairs with the removed choice go.
TEST_F(Reconciliation, RemovingAChoiceKeepsTheScoresOfTheOtherPairs) {
  ModelShape shape;
  shape.ndm = 2;
  shape.ncr = 2;
  shape.cfl = 100.0;  // every pair: 45 of 10 choices, 36 of 9
  auto m = model(shape, "Remove Choice");
  Algorithm alg(m);
  alg.getReconciler();
  scoreByChoices(alg, m);
  // Orientation of each unordered pair of choice ids before the edit.
  std::set<std::pair<uint32_t, uint32_t>> before;
  for (uint32_t n = 0; n < alg.getNumPairs(); ++n) {
    const auto p = alg.getRps(0, 0)->getPair(n);
    before.insert({m.get_chs()[p.i].get_uid(), m.get_chs()[p.j].get_uid()});
  }

  m.get_chs().erase(m.get_chs().begin() + 1);
  ASSERT_TRUE(alg.getReconciler()->isReconcileNeeded(m));
  reconcile(alg, m);
  EXPECT_TRUE(alg.isReconciled());
  EXPECT_EQ(alg.getNumChoices(), 9u);
  EXPECT_EQ(alg.getNumPairs(), 36u);
  EXPECT_EQ(checkScoresFollowChoices(alg, m), 0u);
  int flipped = 0;
  for (uint32_t n = 0; n < alg.getNumPairs(); ++n) {
    const auto p = alg.getRps(0, 0)->getPair(n);
    if (before.count({m.get_chs()[p.j].get_uid(), m.get_chs()[p.i].get_uid()}) != 0) ++flipped;
  }
  EXPECT_GT(flipped, 0);  // the sign flip was exercised
  EXPECT_EQ(m.get_dataver(), 2u);
  EXPECT_FALSE(alg.getReconciler()->isReconcileNeeded(m));

  // A new choice: its pairs come out unscored and are reported as uncompleted.
  PV::Data::Choice c = m.get_chs()[0];
  c.set_uid(999);
  c.set_nm("Choice New");
  m.get_chs().push_back(c);
  reconcile(alg, m);
  EXPECT_EQ(alg.getNumPairs(), 45u);
  EXPECT_EQ(checkScoresFollowChoices(alg, m), 4u * 9u);
  EXPECT_EQ(report(alg), golden("reconcile_choices.log"));
}

// Choice 1 of three removed: the pair of former choices 2 and 0 scored +3 (choice 0
// preferred) becomes a pair of new choices 1 and 0 and keeps the preference.
TEST_F(Reconciliation, ACarriedScoreKeepsItsPreferredChoice) {
  ModelShape shape;
  shape.ndm = 1;
  shape.ncr = 1;
  shape.nch = 3;
  shape.cfl = 100.0;
  auto m = model(shape, "Sign Flip");
  Algorithm alg(m);
  alg.getReconciler();
  auto* rps = alg.getRps(0, 0);
  for (uint32_t n = 0; n < 3; ++n) {
    const auto p = rps->getPair(n);
    // +3 towards choice 0 on the pair {0, 2}; everything else no preference.
    if (p.i == 2 && p.j == 0)
      rps->setScore(n, 3, true);
    else if (p.i == 0 && p.j == 2)
      rps->setScore(n, -3, true);
    else
      rps->setScore(n, 0, true);
  }
  m.get_chs().erase(m.get_chs().begin() + 1);
  reconcile(alg, m);
  ASSERT_EQ(alg.getNumPairs(), 1u);
  const auto p = alg.getRps(0, 0)->getPair(0);
  EXPECT_EQ(alg.getRps(0, 0)->getScore(0), p.i == 1 ? 3 : -3);
}

TEST_F(Reconciliation, AddingACriterionAddsEmptyPairSetsWithTheirOwnSeed) {
  ModelShape shape;
  shape.ndm = 2;
  shape.ncr = 3;
  auto m = model(shape, "Add Criterion");
  Algorithm alg(m);
  alg.getReconciler();
  scoreByChoices(alg, m);
  std::vector<std::string> former;
  for (const auto& rps : alg.getRpsVec()) former.push_back(rps->getScores());

  PV::Data::Criterion c = m.get_crs()[0];
  c.set_uid(777);
  c.set_nm("Criterion New");
  m.get_crs().insert(m.get_crs().begin() + 1, c);
  reconcile(alg, m);
  ASSERT_EQ(alg.getRpsVec().size(), 8u);
  // The new criterion stands second: its sets are empty, the others kept theirs.
  EXPECT_EQ(alg.getRps(0, 0)->getScores(), former[0]);
  EXPECT_EQ(alg.getRps(0, 1)->getScores(), former[1]);
  EXPECT_EQ(alg.getRps(1, 0)->getScores(), std::string(alg.getNumPairs(), '0'));
  EXPECT_EQ(alg.getRps(1, 1)->getScores(), std::string(alg.getNumPairs(), '0'));
  EXPECT_EQ(alg.getRps(2, 0)->getScores(), former[2]);
  EXPECT_EQ(alg.getRps(3, 1)->getScores(), former[5]);
  std::set<uint32_t> seeds;
  for (uint32_t r = 0; r < 4; ++r) seeds.insert(alg.getMcdm()->getSeed(r));
  EXPECT_EQ(seeds.size(), 4u);
  EXPECT_EQ(alg.getRps(1, 1)->getCriterionIndex(), 1u);
  EXPECT_EQ(alg.getRps(3, 1)->getCriterionIndex(), 3u);
  EXPECT_EQ(checkScoresFollowChoices(alg, m), 2u * alg.getNumPairs());
}

// A reordering is a change; the scores stay with their criterion.
TEST_F(Reconciliation, ReorderedCriteriaKeepTheirScores) {
  ModelShape shape;
  shape.ndm = 1;
  shape.ncr = 2;
  auto m = model(shape, "Reorder");
  Algorithm alg(m);
  alg.getReconciler();
  alg.getRps(0, 0)->setScore(0, -4, true);
  alg.getRps(1, 0)->setScore(0, 2, true);
  const uint32_t seed0 = alg.getMcdm()->getSeed(0);
  std::swap(m.get_crs()[0], m.get_crs()[1]);
  ASSERT_TRUE(alg.getReconciler()->isReconcileNeeded(m));
  reconcile(alg, m);
  EXPECT_EQ(alg.getRps(1, 0)->getScore(0), -4);
  EXPECT_EQ(alg.getRps(0, 0)->getScore(0), 2);
  EXPECT_EQ(alg.getMcdm()->getSeed(1), seed0);
}

// Ids are unique in any model the server takes; should a list repeat one anyway,
// the second entry gets empty pair sets of its own.
TEST_F(Reconciliation, ARepeatedIdNeverSharesPairSets) {
  ModelShape shape;
  shape.ndm = 2;
  shape.ncr = 2;
  auto m = model(shape, "Repeated Id");
  Algorithm alg(m);
  alg.getReconciler();
  scoreByChoices(alg, m);
  m.get_crs().push_back(m.get_crs()[0]);
  m.get_dms().push_back(m.get_dms()[1]);
  reconcile(alg, m);
  ASSERT_EQ(alg.getRpsVec().size(), 9u);
  for (const auto& rps : alg.getRpsVec()) ASSERT_NE(rps, nullptr);
  EXPECT_EQ(alg.getRps(2, 0)->getScores(), std::string(alg.getNumPairs(), '0'));
  EXPECT_EQ(alg.getRps(0, 2)->getScores(), std::string(alg.getNumPairs(), '0'));
  EXPECT_EQ(checkScoresFollowChoices(alg, m), 5u * alg.getNumPairs());
}

TEST_F(Reconciliation, LoweringTheScaleMarksStrongerScoresOnce) {
  ModelShape shape;
  shape.ndm = 1;
  shape.ncr = 1;
  shape.nch = 5;
  shape.cfl = 100.0;  // 10 pairs
  auto m = model(shape, "Scale Down");
  Algorithm alg(m);
  alg.getReconciler();
  alg.getRps(0, 0)->setScores("3AD48C9760");
  auto p = m.get_params();
  p.set_sil(3);
  m.set_params(p);
  reconcile(alg, m);
  EXPECT_EQ(alg.getRps(0, 0)->getScores(), "EAEE8E9760");
  EXPECT_EQ(alg.getSil(), 3);
  EXPECT_EQ(report(alg), golden("reconcile_scale.log"));

  // Lower again: the marked pairs are not counted twice; raising marks nothing, and
  // the pair sets take the larger scale.
  p.set_sil(2);
  m.set_params(p);
  reconcile(alg, m);
  EXPECT_EQ(alg.getRps(0, 0)->getScores(), "EAEE8E9760");
  p.set_sil(5);
  m.set_params(p);
  reconcile(alg, m);
  EXPECT_EQ(alg.getRps(0, 0)->getScores(), "EAEE8E9760");
  alg.getRps(0, 0)->setScore(0, 5, true);
  EXPECT_EQ(alg.getRps(0, 0)->getScore(0), 5);
}

TEST_F(Reconciliation, ASmallerSampleKeepsTheLeadingScores) {
  ModelShape shape;
  shape.ndm = 2;
  shape.ncr = 2;
  shape.cfl = 100.0;  // 45 pairs
  auto m = model(shape, "Smaller Sample");
  Algorithm alg(m);
  alg.getReconciler();
  scoreByChoices(alg, m);
  std::vector<std::string> former;
  std::vector<std::vector<uint32_t>> formerPairs;
  for (const auto& rps : alg.getRpsVec()) {
    former.push_back(rps->getScores());
    std::vector<uint32_t> codes;
    for (uint32_t n = 0; n < rps->getNumPairs(); ++n) codes.push_back(rps->getPairCode(n));
    formerPairs.push_back(codes);
  }
  auto p = m.get_params();
  p.set_cfl(90.0);
  p.set_cfi(10.0);
  m.set_params(p);
  reconcile(alg, m);
  const uint32_t npr = alg.getNumPairs();
  ASSERT_EQ(npr, 28u);
  for (std::size_t k = 0; k < former.size(); ++k) {
    const auto& rps = *alg.getRpsVec()[k];
    EXPECT_EQ(rps.getScores(), former[k].substr(0, npr));
    for (uint32_t n = 0; n < npr; ++n) EXPECT_EQ(rps.getPairCode(n), formerPairs[k][n]);
  }
  EXPECT_EQ(report(alg), golden("reconcile_sample.log"));

  // And back: the pairs grow again, the new ones unscored.
  p.set_cfl(100.0);
  p.set_cfi(5.0);
  m.set_params(p);
  reconcile(alg, m);
  EXPECT_EQ(alg.getNumPairs(), 45u);
  EXPECT_EQ(checkScoresFollowChoices(alg, m), 4u * (45u - 28u));
}

TEST_F(Reconciliation, RemovingACriterionReportsItsPairScores) {
  ModelShape shape;
  shape.ndm = 2;
  shape.ncr = 3;
  shape.nch = 5;
  shape.cfl = 100.0;  // 10 pairs
  auto m = model(shape, "Plan A");
  Algorithm alg(m);
  alg.getReconciler();
  scoreByChoices(alg, m);
  m.get_crs().erase(m.get_crs().begin() + 1);
  reconcile(alg, m);
  EXPECT_EQ(alg.getRpsVec().size(), 4u);
  EXPECT_EQ(checkScoresFollowChoices(alg, m), 0u);

  // A second reconciliation appends its report to the same file.
  PV::Data::DecisionMaker d1 = m.get_dms()[0];
  d1.set_uid(501);
  d1.set_nm("Analyst One");
  PV::Data::DecisionMaker d2 = d1;
  d2.set_uid(502);
  d2.set_nm("Analyst Two");
  m.get_dms().push_back(d1);
  m.get_dms().push_back(d2);
  reconcile(alg, m);
  EXPECT_EQ(alg.getRpsVec().size(), 8u);
  EXPECT_EQ(report(alg), golden("reconcile_plan_a.log"));
}

TEST_F(Reconciliation, AnUnchangedModelOnlyRaisesItsVersion) {
  ModelShape shape;
  shape.ndm = 1;
  shape.ncr = 1;
  shape.nch = 3;
  shape.cfl = 100.0;
  auto m = model(shape, "Unchanged");
  Algorithm alg(m);
  alg.getReconciler();
  EXPECT_FALSE(alg.getReconciler()->isReconcileNeeded(m));
  reconcile(alg, m);
  EXPECT_EQ(m.get_dataver(), 2u);
  EXPECT_EQ(alg.getRps(0, 0)->getPair(0).i, alg.getMcdm()->getPair(0, 0).i);
  EXPECT_EQ(report(alg), golden("reconcile_unchanged.log"));
}

// A file may hold the largest version ("-1" in its text); reconciling it must not
// wrap to 0, which no model holds.
TEST_F(Reconciliation, TheLargestVersionIsKeptWhenRaised) {
  ModelShape shape;
  shape.ndm = 1;
  shape.ncr = 1;
  shape.nch = 3;
  shape.cfl = 100.0;
  auto m = model(shape, "Largest");
  m.set_dataver(0xFFFFFFFFu);
  Algorithm alg(m);
  alg.getReconciler();
  reconcile(alg, m);
  EXPECT_EQ(m.get_dataver(), 0xFFFFFFFFu);
}

void scoreOpenPairs(PV::Math::MathServer& server, const PV::Data::DecisionModel& m) {
  const int sil = m.get_params().get_sil();
  for (uint32_t c = 0; c < m.get_crs().size(); ++c) {
    for (uint32_t d = 0; d < m.get_dms().size(); ++d) {
      auto* rps = server.acquireRps(c, d);
      for (uint32_t n = 0; n < rps->getNumPairs(); ++n) {
        if (rps->getScore(n) == UNSCORED || rps->isExceeded(n)) {
          rps->setScore(n, expectedScore(m, rps->getPair(n), sil), true);
        }
      }
      rps->saveScores();
      server.releaseRps(rps);
    }
  }
  server.transferScores();
  server.refresh();
}

// The model as stored is what a new server reads back: same pairs, same scores.
void expectStoredModelReopens(const PV::Math::MathServer& server, const PV::Data::DecisionModel& m) {
  std::string why;
  EXPECT_TRUE(PV::Math::checkModelData(m, why)) << why;
  auto copy = m;
  PV::Math::MathServer reopened(&copy, false);
  ASSERT_TRUE(reopened.hasAlgorithm());
  const auto& a = server.getAlgorithm()->getRpsVec();
  const auto& b = reopened.getAlgorithm()->getRpsVec();
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t k = 0; k < a.size(); ++k) {
    EXPECT_EQ(a[k]->getScores(), b[k]->getScores());
    for (uint32_t n = 0; n < a[k]->getNumPairs(); ++n) {
      EXPECT_EQ(a[k]->getPairCode(n), b[k]->getPairCode(n));
    }
  }
}

// An edit through the server's setters after scoring: the server reconciles, keeps
// the surviving scores, solves again once the new pairs are scored, and the blocks
// it stores fit the edited model.
TEST_F(Reconciliation, AnEditAfterScoringIsReconciledByTheServer) {
  ModelShape shape;  // 3 DMs, 2 criteria, 10 choices, 95/5: 41 pairs
  auto m = model(shape, "Edited After Scoring");
  PV::Math::MathServer server(&m, false);
  std::string reports;
  server.setReportKeeper([&reports](const std::string& name, const std::string& report) {
    EXPECT_EQ(name, "Edited After Scoring");
    reports += report;
    return std::string();
  });
  ASSERT_TRUE(server.createAlgorithm());
  scoreOpenPairs(server, m);
  ASSERT_EQ(server.solve(), static_cast<uint32_t>(MODEL_COMPLETED));

  struct Edit {
    const char* what;
    void (*apply)(PV::Math::MathServer&, PV::Data::DecisionModel&);
  };
  const Edit edits[] = {
      {"remove a choice",
       [](PV::Math::MathServer& s, PV::Data::DecisionModel& dm) {
         auto chs = dm.get_chs();
         chs.erase(chs.begin() + 3);
         EXPECT_TRUE(s.setChoices(chs));
       }},
      {"add a criterion",
       [](PV::Math::MathServer& s, PV::Data::DecisionModel& dm) {
         auto crs = dm.get_crs();
         crs.push_back(crs[0]);
         crs.back().set_uid(250);
         crs.back().set_nm("Criterion Added");
         EXPECT_TRUE(s.setCriteria(crs));
       }},
      {"change the confidence level",
       [](PV::Math::MathServer& s, PV::Data::DecisionModel& dm) {
         auto p = dm.get_params();
         p.set_cfl(90.0);
         EXPECT_TRUE(s.setParams(p));
       }},
      {"an editor that changed the list in place first",
       [](PV::Math::MathServer& s, PV::Data::DecisionModel& dm) {
         dm.get_dms().pop_back();
         EXPECT_TRUE(s.setDecisionMakers(dm.get_dms()));
       }},
  };
  for (const Edit& e : edits) {
    SCOPED_TRACE(e.what);
    const uint32_t version = m.get_dataver();
    e.apply(server, m);
    EXPECT_TRUE(server.isInStep());
    EXPECT_EQ(m.get_dataver(), version + 1);
    const auto* alg = server.getAlgorithm();
    ASSERT_NE(alg, nullptr);
    const uint32_t open = checkScoresFollowChoices(*alg, m);
    EXPECT_LT(open, alg->countScores(alg->getNumCriteria(), alg->getNumDecisionMakers()).second);
    expectStoredModelReopens(server, m);
    // The former ranking is out of date and names only choices the model has.
    EXPECT_TRUE(m.get_slns().get_flag());
    if (open > 0) {
      EXPECT_FALSE(server.isComplete());
      EXPECT_EQ(server.solve(), PV::Math::MODEL_SCORES_INCOMPLETE);
    }
    scoreOpenPairs(server, m);
    ASSERT_TRUE(server.isComplete());
    EXPECT_EQ(server.solve(), static_cast<uint32_t>(MODEL_COMPLETED));
    EXPECT_EQ(m.get_slns().size(), m.get_chs().size());
    EXPECT_FALSE(m.get_slns().get_flag());
    expectStoredModelReopens(server, m);
  }
  EXPECT_NE(reports.find("Deleted 1 Choice:"), std::string::npos);
  EXPECT_NE(reports.find("Deleted 1 Decision Maker"), std::string::npos);
}

// An edit that leaves nothing to score drops the pair sets and the blocks that no
// longer fit, so the stored model still opens.
TEST_F(Reconciliation, AnEditThatLeavesNothingToScoreDropsTheScores) {
  ModelShape shape;
  shape.nch = 3;
  shape.cfl = 100.0;
  auto m = model(shape, "Nothing To Score");
  PV::Math::MathServer server(&m, false);
  ASSERT_TRUE(server.createAlgorithm());
  scoreOpenPairs(server, m);
  ASSERT_EQ(server.solve(), static_cast<uint32_t>(MODEL_COMPLETED));
  auto chs = m.get_chs();
  chs.resize(1);
  std::string msg;
  EXPECT_EQ(server.adviseChoices(chs, msg), 1);
  EXPECT_TRUE(server.setChoices(chs));
  EXPECT_FALSE(server.isScoreable());
  EXPECT_FALSE(server.hasAlgorithm());
  EXPECT_TRUE(m.get_ss().empty());
  std::string why;
  EXPECT_TRUE(PV::Math::checkModelData(m, why)) << why;
  for (const auto& s : m.get_slns()) EXPECT_EQ(s.get_ch(), m.get_chs()[0].get_uid());
}

// The factory's log: the reports of a server's reconciles are appended to the
// model's log file, one after another; one that cannot be written is reported with the file's name and the
// system's reason: here its name is taken by a folder, or the disk is full.
TEST_F(Reconciliation, AReportThatCannotBeWrittenIsReported) {
  ModelShape shape;
  shape.nch = 4;
  shape.cfl = 100.0;
  auto removeChoice = [](PV::Math::MathServer& server, PV::Data::DecisionModel& m) {
    auto chs = m.get_chs();
    chs.pop_back();
    EXPECT_TRUE(server.setChoices(chs));
    EXPECT_TRUE(server.isInStep());
  };
  {
    auto m = model(shape, "Report Taken By A Folder");
    const std::string file = PV::Data::reconcileLogFileName(m.get_nm());
    std::filesystem::create_directory(file);
    PV::Math::MathServer server(&m, false);
    server.setReportKeeper(PV::Data::appendReconcileLog);
    ASSERT_TRUE(server.createAlgorithm());
    scoreOpenPairs(server, m);
    EXPECT_EQ(server.getLogError(), "");
    removeChoice(server, m);
    EXPECT_NE(server.getLogError().find("The reconcile report " + file + " could not be opened: "), std::string::npos)
        << server.getLogError();
    std::filesystem::remove(file);
  }
  {
    auto m = model(shape, "Report Appended");
    PV::Math::MathServer server(&m, false);
    server.setReportKeeper(PV::Data::appendReconcileLog);
    ASSERT_TRUE(server.createAlgorithm());
    scoreOpenPairs(server, m);
    removeChoice(server, m);
    const std::string first = server.getAlgorithm()->getReconciler()->getReport();
    auto crs = m.get_crs();
    crs.pop_back();
    EXPECT_TRUE(server.setCriteria(crs));
    const std::string second = server.getAlgorithm()->getReconciler()->getReport();
    EXPECT_EQ(server.getLogError(), "");
    EXPECT_NE(first, second);
    EXPECT_EQ(readFile(PV::Data::reconcileLogFileName(m.get_nm())), first + second);
  }
  const std::filesystem::path here = std::filesystem::current_path();
  const std::string dir = (here / "full_disk_for_reports").string();
  std::filesystem::remove_all(dir);
  std::filesystem::create_directory(dir);
  PV::Test::SmallDisk disk(dir, 16);
  if (!disk.usable()) GTEST_SKIP() << disk.reason();
  ASSERT_TRUE(disk.fill());
  std::filesystem::current_path(dir);
  auto m = model(shape, "Report Into A Full Disk");
  PV::Math::MathServer server(&m, false);
  server.setReportKeeper(PV::Data::appendReconcileLog);
  ASSERT_TRUE(server.createAlgorithm());
  scoreOpenPairs(server, m);
  removeChoice(server, m);
  std::filesystem::current_path(here);
  EXPECT_NE(server.getLogError().find("could not be written: " + std::string(std::strerror(ENOSPC))), std::string::npos)
      << server.getLogError();
  // The log the append created and could not fill is gone: no empty log stays behind.
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(dir) / "Report Into A Full Disk.log"));
}

TEST(ReconcileReport, FileNameAndDateText) {
  EXPECT_EQ(PV::Data::reconcileLogFileName("Plan A"), "Plan A.log");
  EXPECT_EQ(PV::Data::reconcileLogFileName("..\\..\\Windows/system32:x"), ".._.._Windows_system32_x.log");
  EXPECT_EQ(PV::Data::reconcileLogFileName("a<b>|\"?*"), "a_b_____.log");
  EXPECT_EQ(PV::Data::reconcileLogFileName(""), "model.log");
  EXPECT_EQ(PV::Data::reconcileLogFileName("con"), "_con.log");
  EXPECT_EQ(PV::Data::reconcileLogFileName("LPT1.x"), "_LPT1.x.log");
  EXPECT_EQ(PV::Data::reconcileLogFileName("plan."), "plan_.log");
  EXPECT_EQ(PV::Util::dateLineText(fixedClock()), "Tue Dec 08 05:43:14 2026\n");
}

}  // namespace
