#include "math/MathServer.h"
#include "math/ModelCheck.h"
#include "model/RankSolutionData.h"

#include "ModelFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

namespace {

using PV::Math::MathServer;
using PV::Test::hex8;
using PV::Test::makeModel;
using PV::Test::ModelShape;

void scoreThroughServer(MathServer& server, const PV::Data::DecisionModel& m, int sil) {
  for (uint32_t c = 0; c < m.get_crs().size(); ++c) {
    for (uint32_t d = 0; d < m.get_dms().size(); ++d) {
      PV::Math::RandomPairSet* rps = server.acquireRps(c, d);
      PV::Test::scoreAll(*rps, sil);
      server.releaseRps(rps);
    }
  }
  server.transferScores();
  std::string msg;
  EXPECT_EQ(server.adviseNothing(nullptr, msg), 0);
  EXPECT_TRUE(msg.empty());
  EXPECT_TRUE(server.refresh());
}

// Three decision makers, two criteria, ten choices: from the first pair set to the
// ranking in the model's solutions.
TEST(MathServer, ModelGoesTheWholeWay) {
  ModelShape shape;  // 3 DMs, 2 criteria, 10 choices, 95/5: 41 pairs
  auto m = makeModel(shape);
  MathServer server(&m, false);
  EXPECT_TRUE(server.isScoreable());
  EXPECT_FALSE(server.hasAlgorithm());
  EXPECT_EQ(server.numScoresNeeded(), 41u * 3u * 2u);
  ASSERT_TRUE(server.createAlgorithm());
  EXPECT_FALSE(server.isComplete());
  EXPECT_EQ(server.solve(), PV::Math::MODEL_SCORES_INCOMPLETE);

  scoreThroughServer(server, m, shape.sil);
  ASSERT_TRUE(server.isComplete());

  // The blocks' text: criterion number and seed, then each decision maker's
  // characters in pair order.
  const auto* alg = server.getAlgorithm();
  ASSERT_EQ(m.get_ss().size(), 2u);
  for (uint32_t c = 0; c < 2; ++c) {
    std::string expected = hex8(c + 1) + hex8(alg->getMcdm()->getSeed(c));
    for (uint32_t d = 0; d < 3; ++d) expected += alg->getRps(c, d)->getScores();
    EXPECT_EQ(m.get_ss()[c].get_value(), expected);
    EXPECT_EQ(expected.size(), 16u + 3u * 41u);
  }

  PV::Data::RankSolutionData ranking;
  ASSERT_EQ(server.solve(&ranking), static_cast<uint32_t>(MODEL_COMPLETED));
  // Choice k was scored as worth more than every choice before it.
  ASSERT_EQ(m.get_slns().size(), 10u);
  for (uint32_t k = 0; k < 10; ++k) EXPECT_EQ(m.get_slns()[k].get_ch(), 310u - k) << k;
  EXPECT_DOUBLE_EQ(m.get_slns()[0].get_pctrank(), 100.0);
  EXPECT_EQ(ranking.numSolutions, 10u);
  ASSERT_EQ(ranking.rows.size(), 10u);
  EXPECT_EQ(ranking.rows[0].row, 10);

  // The stored blocks, read back by a new server, give the same pairs and
  // characters and the same ranking.
  auto copy = m;
  MathServer reopened(&copy, false);
  ASSERT_TRUE(reopened.hasAlgorithm());
  ASSERT_TRUE(reopened.isComplete());
  for (std::size_t k = 0; k < alg->getRpsVec().size(); ++k) {
    const auto& a = *alg->getRpsVec()[k];
    const auto& b = *reopened.getAlgorithm()->getRpsVec()[k];
    EXPECT_EQ(a.getScores(), b.getScores());
    for (uint32_t n = 0; n < a.getNumPairs(); ++n) EXPECT_EQ(a.getPairCode(n), b.getPairCode(n));
  }
  ASSERT_EQ(reopened.solve(), static_cast<uint32_t>(MODEL_COMPLETED));
  for (uint32_t k = 0; k < 10; ++k) {
    EXPECT_EQ(copy.get_slns()[k].get_ch(), m.get_slns()[k].get_ch());
    EXPECT_EQ(copy.get_slns()[k].get_pctrank(), m.get_slns()[k].get_pctrank());
  }
}

TEST(MathServer, CountsDecideScoreability) {
  ModelShape shape;
  shape.ndm = 1;
  shape.ncr = 1;
  shape.nch = 2;
  auto m = makeModel(shape);
  MathServer server(&m, false);
  EXPECT_TRUE(server.isScoreable());
  EXPECT_EQ(server.getModelState().numpairs_, 1u);

  m.get_chs().pop_back();
  server.update();
  EXPECT_FALSE(server.isScoreable());
  EXPECT_EQ(server.getModelState().numpairs_, 0u);
  // Asked by the status line whatever the model: no pairs, no scores needed.
  EXPECT_EQ(server.numScoresNeeded(), 0u);
  EXPECT_FALSE(server.createAlgorithm());
  EXPECT_FALSE(server.hasAlgorithm());
}

TEST(MathServer, ACompletelyScoredStoredModelIsCompleteAtOnce) {
  ModelShape shape;
  auto m = makeModel(shape);
  {
    PV::Math::Algorithm alg(m);
    for (auto& rps : alg.getRpsVec()) PV::Test::scoreAll(*rps, shape.sil);
    alg.writeScoreBlocks();
  }
  MathServer server(&m, false);
  EXPECT_TRUE(server.hasAlgorithm());
  EXPECT_TRUE(server.hasAlgorithmOnly());
  bool pairs = false;
  EXPECT_TRUE(server.hasAlgorithm(&pairs));
  EXPECT_TRUE(pairs);
  EXPECT_TRUE(server.isComplete());
  EXPECT_EQ(server.solve(), static_cast<uint32_t>(MODEL_COMPLETED));
}

TEST(MathServer, AModelChangedBehindTheServersBackIsOutOfStep) {
  ModelShape shape;
  shape.nch = 4;
  shape.cfl = 100.0;
  auto m = makeModel(shape);
  MathServer server(&m, false);
  ASSERT_TRUE(server.createAlgorithm());
  scoreThroughServer(server, m, shape.sil);
  ASSERT_TRUE(server.isComplete());

  // Weights only: still in step, and the frame takes the new percentages.
  auto crs = m.get_crs();
  crs[0].set_wt(3);
  crs[1].set_wt(1);
  EXPECT_TRUE(server.setCriteria(crs));
  EXPECT_TRUE(server.isInStep());
  EXPECT_DOUBLE_EQ(server.getAlgorithm()->getMcdm()->getFrame().crwt[0], 75.0);
  EXPECT_EQ(server.solve(), static_cast<uint32_t>(MODEL_COMPLETED));

  // A choice removed from the model's list in place, with no setter told: the pair
  // sets no longer fit, so the model is not solved and no blocks of the old shape
  // are written over the stored ones.
  const auto blocks = m.get_ss();
  m.get_chs().erase(m.get_chs().begin() + 1);
  EXPECT_EQ(server.solve(), PV::Math::MODEL_NOT_IN_STEP);
  EXPECT_FALSE(server.isInStep());
  server.transferScores();
  EXPECT_EQ(m.get_ss(), blocks);
  EXPECT_EQ(server.solve(), PV::Math::MODEL_NOT_IN_STEP);
}

// Weights changed in the lists past the setters are weights the frame does not
// hold: solve answers out of step instead of a ranking by the old weights, until a
// setter or a reconcile takes them.
TEST(MathServer, WeightsChangedBehindTheServersBackAreOutOfStep) {
  ModelShape shape;
  shape.nch = 4;
  shape.cfl = 100.0;
  auto m = makeModel(shape);
  MathServer server(&m, false);
  ASSERT_TRUE(server.createAlgorithm());
  scoreThroughServer(server, m, shape.sil);
  ASSERT_EQ(server.solve(), static_cast<uint32_t>(MODEL_COMPLETED));

  m.get_crs()[0].set_wt(static_cast<uint16_t>(m.get_crs()[0].get_wt() + 7));
  EXPECT_EQ(server.solve(), PV::Math::MODEL_NOT_IN_STEP);
  EXPECT_FALSE(server.isInStep());
  EXPECT_TRUE(server.setCriteria(m.get_crs()));
  EXPECT_TRUE(server.isInStep());
  EXPECT_EQ(server.solve(), static_cast<uint32_t>(MODEL_COMPLETED));

  m.get_dms()[1].set_wt(static_cast<uint16_t>(m.get_dms()[1].get_wt() + 3));
  EXPECT_EQ(server.solve(), PV::Math::MODEL_NOT_IN_STEP);
  EXPECT_TRUE(server.reconcile());
  EXPECT_EQ(server.solve(), static_cast<uint32_t>(MODEL_COMPLETED));

  // Weights of the same proportions are the same percentages: nothing to refuse.
  for (auto& d : m.get_dms()) d.set_wt(static_cast<uint16_t>(d.get_wt() * 2));
  EXPECT_EQ(server.solve(), static_cast<uint32_t>(MODEL_COMPLETED));
}

// The weights an edit gives the frame are those the frame took from the model when
// it was made: an unchanged list solves exactly as before it was set.
TEST(MathServer, SettingUnchangedWeightsLeavesTheFrameAsItWas) {
  ModelShape shape;
  shape.ndm = 5;
  shape.ncr = 7;
  auto m = makeModel(shape);
  MathServer server(&m, false);
  ASSERT_TRUE(server.createAlgorithm());
  const auto& frame = server.getAlgorithm()->getMcdm()->getFrame();
  const std::vector<double> crwt(frame.crwt, frame.crwt + shape.ncr);
  const std::vector<double> dmwt(frame.dmwt, frame.dmwt + shape.ndm);
  ASSERT_TRUE(server.setCriteria(m.get_crs()));
  ASSERT_TRUE(server.setDecisionMakers(m.get_dms()));
  const auto& after = server.getAlgorithm()->getMcdm()->getFrame();
  EXPECT_EQ(std::vector<double>(after.crwt, after.crwt + shape.ncr), crwt);
  EXPECT_EQ(std::vector<double>(after.dmwt, after.dmwt + shape.ndm), dmwt);
}

TEST(MathServer, AllZeroWeightsAreRefusedWithAMessage) {
  ModelShape shape;
  shape.nch = 3;
  shape.cfl = 100.0;
  auto m = makeModel(shape);
  MathServer server(&m, false);
  ASSERT_TRUE(server.createAlgorithm());
  scoreThroughServer(server, m, shape.sil);
  auto dms = m.get_dms();
  for (auto& d : dms) d.set_wt(0);
  ASSERT_TRUE(server.setDecisionMakers(dms));
  EXPECT_EQ(server.solve(), PV::Math::MODEL_ZERO_WEIGHTS);
  EXPECT_TRUE(m.get_slns().empty());
}

// Once the model stops being scoreable the server holds no algorithm; a choice
// removed after that must still take its ranking entry with it, or the saved file
// would name a choice it does not hold and be refused when opened.
TEST(MathServer, ARemovedChoiceLeavesTheRankingWithoutAnAlgorithm) {
  ModelShape shape;
  shape.nch = 4;
  shape.cfl = 100.0;
  auto m = makeModel(shape);
  MathServer server(&m, false);
  ASSERT_TRUE(server.createAlgorithm());
  scoreThroughServer(server, m, shape.sil);
  ASSERT_EQ(server.solve(), static_cast<uint32_t>(MODEL_COMPLETED));
  ASSERT_EQ(m.get_slns().size(), 4u);

  ASSERT_TRUE(server.setDecisionMakers({}));
  ASSERT_FALSE(server.hasAlgorithm());
  auto chs = m.get_chs();
  const uint32_t removed = chs.back().get_uid();
  chs.pop_back();
  ASSERT_TRUE(server.setChoices(chs));
  EXPECT_EQ(m.get_slns().size(), 3u);
  for (const auto& s : m.get_slns()) EXPECT_NE(s.get_ch(), removed);
  EXPECT_TRUE(m.get_slns().get_flag());
}

TEST(MathServer, AdviceTextsAndResults) {
  ModelShape shape;
  shape.sil = 3;
  auto m = makeModel(shape);
  MathServer server(&m, false);
  std::string msg;

  auto chs = m.get_chs();
  EXPECT_EQ(server.adviseChoices(chs, msg), 0);
  EXPECT_EQ(msg, "");
  chs.pop_back();
  EXPECT_EQ(server.adviseChoices(chs, msg), 1);
  EXPECT_EQ(msg, "A change in choices has occurred which will require a model reconcilation.");
  chs.resize(1);
  EXPECT_EQ(server.adviseChoices(chs, msg), 1);
  EXPECT_EQ(msg,
            "Number of choices less than two choices.\n   You need at least two choices to run "
            "comparisons.");
  // An empty list is refused outright, not advised as a mere change.
  chs.clear();
  EXPECT_EQ(server.adviseChoices(chs, msg), 2);
  EXPECT_EQ(msg,
            "The number of choices is zero.\n   At least two are needed to create a model and make "
            "comparisons");

  auto crs = m.get_crs();
  std::swap(crs[0], crs[1]);  // a reordering is a change
  EXPECT_EQ(server.adviseCriteria(crs, msg), 1);
  EXPECT_EQ(msg, "A change in criteria has occurred which will require a model reconcilation.");
  crs.clear();
  EXPECT_EQ(server.adviseCriteria(crs, msg), 1);
  EXPECT_EQ(msg, "Number of criteria less than one.\n   At least one is needed.");

  auto dms = m.get_dms();
  dms.pop_back();
  EXPECT_EQ(server.adviseDecisionMakers(dms, msg), 1);
  EXPECT_EQ(msg, "Changes in the Decision Makers will require a model reconcilation.");
  dms.clear();
  EXPECT_EQ(server.adviseDecisionMakers(dms, msg), 1);
  EXPECT_EQ(msg, "Number of decision makers less than one.\n   At least one is necessary.");

  EXPECT_EQ(server.adviseParams(90.0, 5.0, 3, msg), 1);
  EXPECT_EQ(msg, "The CFL/CFI has changed and mean that a model reconcilation will be required.");
  EXPECT_EQ(server.adviseParams(95.0, 5.0, 2, msg), 1);
  EXPECT_EQ(msg,
            "Scores are about to be deleted due to a scale change.  Do you want to make some "
            "scores invalid?");
  EXPECT_EQ(server.adviseParams(95.0, 5.0, 6, msg), 2);
  EXPECT_EQ(msg, "Scale size is illegal, too large, please decrease it");
  EXPECT_EQ(server.adviseParams(95.0, 5.0, 5, msg), 0);
  EXPECT_EQ(server.adviseParams(95.04, 4.96, 3, msg), 0);  // what a file keeps: 95.0, 5.0
  EXPECT_EQ(server.adviseParams(50.04, 5.0, 3, msg), 2);   // kept as 50.0
  // Values no file text holds at one decimal are refused, not read past a buffer.
  EXPECT_EQ(server.adviseParams(1e300, 5.0, 3, msg), 2);
  EXPECT_EQ(server.adviseParams(95.0, std::numeric_limits<double>::quiet_NaN(), 3, msg), 2);
  EXPECT_EQ(server.adviseParams(m.get_params(), msg), 0);
  EXPECT_EQ(msg, "");
}

// The model file holds at most 5 decision makers, 7 criteria and 10 choices: an
// edit beyond that is not valid, and the setter does not take it.
TEST(MathServer, EditsBeyondTheModelLimitsAreRefused) {
  ModelShape shape;
  shape.ndm = 5;
  shape.ncr = 7;
  shape.nch = 10;
  auto m = makeModel(shape);
  MathServer server(&m, false);
  std::string msg;

  auto chs = m.get_chs();
  chs.push_back(chs.back());
  chs.back().set_uid(999);
  EXPECT_EQ(server.adviseChoices(chs, msg), 2);
  EXPECT_FALSE(msg.empty());
  EXPECT_FALSE(server.setChoices(chs));
  EXPECT_EQ(m.get_chs().size(), 10u);

  auto crs = m.get_crs();
  crs.push_back(crs.back());
  crs.back().set_uid(999);
  EXPECT_EQ(server.adviseCriteria(crs, msg), 2);
  EXPECT_FALSE(server.setCriteria(crs));
  EXPECT_EQ(m.get_crs().size(), 7u);

  auto dms = m.get_dms();
  dms.push_back(dms.back());
  dms.back().set_uid(999);
  EXPECT_EQ(server.adviseDecisionMakers(dms, msg), 2);
  EXPECT_FALSE(server.setDecisionMakers(dms));
  EXPECT_EQ(m.get_dms().size(), 5u);

  // Scores follow the entries by id: two entries with one id are not valid.
  auto twins = m.get_crs();
  twins[1].set_uid(twins[0].get_uid());
  EXPECT_EQ(server.adviseCriteria(twins, msg), 2);
  EXPECT_FALSE(server.setCriteria(twins));
  auto twinChoices = m.get_chs();
  twinChoices[9].set_uid(twinChoices[2].get_uid());
  EXPECT_EQ(server.adviseChoices(twinChoices, msg), 2);
  m.set_chs(twinChoices);
  std::string why;
  EXPECT_FALSE(PV::Math::checkModelData(m, why));
  m.set_chs(chs);
  m.get_chs().pop_back();

  // A confidence level the pair drawing cannot take.
  PV::Data::ModelParameters p = m.get_params();
  p.set_cfl(50.0);
  EXPECT_EQ(server.adviseParams(p, msg), 2);
  EXPECT_FALSE(server.setParams(p));
  EXPECT_EQ(m.get_params().get_cfl(), 95.0);
  EXPECT_TRUE(server.isScoreable());
}

// What a model file can carry that does not fit: the model is not scoreable, with
// the reason, and nothing reaches a contract check.
TEST(MathServer, BadStoredDataMakesTheModelNotScoreable) {
  ModelShape shape;
  shape.ndm = 2;
  shape.ncr = 2;
  shape.nch = 3;
  shape.cfl = 100.0;  // 3 pairs: blocks of 16 + 6 characters
  shape.sil = 3;
  struct Case {
    const char* what;
    std::vector<std::string> blocks;
    double cfl;
  };
  const std::string good = "0000000100000bee888899";
  const Case cases[] = {
      {"block too short", {good, "0000000200c0ffee68D00"}, 100.0},
      {"block too long", {good, "0000000200c0ffee68D0000"}, 100.0},
      {"fewer blocks than criteria", {good}, 100.0},
      {"more blocks than criteria", {good, good, good}, 100.0},
      {"seed of 0", {good, "000000020000000068D000"}, 100.0},
      {"seed not hexadecimal", {good, "0000000200c0ffxe68D000"}, 100.0},
      {"character outside the alphabet", {good, "0000000200c0ffee682000"}, 100.0},
      {"character F", {good, "0000000200c0ffee68F000"}, 100.0},
      {"score above the scale", {good, "0000000200c0ffee68D000"}, 100.0},
      {"confidence level of 50", {}, 50.0},
      {"confidence level too small for any sample", {}, 1e-300},
  };
  for (const Case& c : cases) {
    auto m = makeModel(shape);
    for (const auto& b : c.blocks) {
      PV::Data::Score s;
      s.set_value(b);
      m.get_ss().push_back(s);
    }
    PV::Data::ModelParameters p = m.get_params();
    p.set_cfl(c.cfl);
    p.set_cfi(0.0);
    m.set_params(p);
    std::string why;
    EXPECT_FALSE(PV::Math::checkModelData(m, why)) << c.what;
    EXPECT_FALSE(why.empty()) << c.what;
    MathServer server(&m, false);
    EXPECT_FALSE(server.isScoreable()) << c.what;
    EXPECT_FALSE(server.getDataError().empty()) << c.what;
    EXPECT_FALSE(server.hasAlgorithm()) << c.what;
    EXPECT_FALSE(server.createAlgorithm()) << c.what;
    EXPECT_EQ(server.numScoresNeeded(), 0u) << c.what;
    EXPECT_EQ(server.solve(), PV::Math::MODEL_SCORES_INCOMPLETE) << c.what;
  }
  // Mended: the same shape with fitting blocks is scoreable and read.
  auto m = makeModel(shape);
  m.get_ss().resize(2);
  m.get_ss()[0].set_value(good);
  m.get_ss()[1].set_value("0000000200C0FFEE69A000");
  std::string why;
  EXPECT_TRUE(PV::Math::checkModelData(m, why)) << why;
  MathServer server(&m, false);
  EXPECT_TRUE(server.isScoreable());
  EXPECT_TRUE(server.getDataError().empty());
  EXPECT_TRUE(server.hasAlgorithm());
  EXPECT_EQ(server.getAlgorithm()->getRps(1, 0)->getScores(), "69A");
}

TEST(ModelCheck, ConfidenceSettingsThePairDrawingTakes) {
  struct Case {
    double cfl, cfi;
    bool valid;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {{50.0, 5.0, false}, {50.5, 5.0, true},  {100.0, 5.0, true},  {100.1, 5.0, false},
                        {95.0, 0.0, true},  {95.0, 50.0, true}, {95.0, 50.5, false}, {95.0, -0.1, false},
                        {nan, 5.0, false},  {95.0, nan, false}, {1e-300, 0.0, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(PV::Math::isValidConfidence(c.cfl, c.cfi), c.valid) << c.cfl << " " << c.cfi;
    EXPECT_EQ(PV::Math::pairsPerCriterion(c.cfl, c.cfi, 10) > 0, c.valid) << c.cfl << " " << c.cfi;
  }
  EXPECT_EQ(PV::Math::pairsPerCriterion(95.0, 5.0, 10), 41u);
  EXPECT_EQ(PV::Math::pairsPerCriterion(95.0, 5.0, 2), 1u);
  EXPECT_EQ(PV::Math::pairsPerCriterion(95.0, 5.0, 1), 0u);
}

TEST(MathServerDeathTest, APairSetIsCheckedOutOnceAtATime) {
  ModelShape shape;
  shape.nch = 3;
  shape.cfl = 100.0;
  auto m = makeModel(shape);
  MathServer server(&m, false);
  ASSERT_TRUE(server.createAlgorithm());
  PV::Math::RandomPairSet* rps = server.acquireRps(1, 2);
  EXPECT_TRUE(rps->isLocked());
  server.releaseRps(rps);
  EXPECT_FALSE(rps->isLocked());
  rps = server.acquireRps(1, 2);
  EXPECT_DEATH(server.acquireRps(1, 2), "Second attempt to acquire a locked RPS object");
}

}  // namespace
