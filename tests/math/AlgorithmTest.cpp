#include "math/HJAlgorithm.h"
#include "math/Mcdm.h"
#include "math/ModelCheck.h"

#include "ModelFixture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using PV::Math::Algorithm;
using PV::Test::hex8;
using PV::Test::makeModel;
using PV::Test::ModelShape;

TEST(Algorithm, FreshModelIsUnscoredAndIncomplete) {
  ModelShape shape;
  shape.cfl = 100.0;  // 10 choices: all 45 pairs
  auto m = makeModel(shape);
  Algorithm alg(m);
  EXPECT_EQ(alg.getNumPairs(), 45u);
  EXPECT_EQ(alg.getRpsVec().size(), 6u);
  EXPECT_EQ(alg.countScores(2, 3), std::make_pair(0u, 2u * 3u * 45u));
  EXPECT_EQ(alg.countScores(1, 3), std::make_pair(0u, 3u * 45u));
  EXPECT_EQ(alg.countScores(2, 0), std::make_pair(0u, 2u * 45u));
  EXPECT_FALSE(alg.isScoresTransferred());
  EXPECT_EQ(alg.solve(nullptr), static_cast<uint32_t>(MODEL_INCOMPLETE));
  EXPECT_EQ(alg.getStatus(), 0u);
  // The pair set of criterion c and decision maker d stands at c x ndm + d.
  EXPECT_EQ(alg.getRps(1, 2), alg.getRpsVec()[5].get());
  EXPECT_EQ(alg.getRps(1, 2)->getCriterionIndex(), 1u);
  EXPECT_EQ(alg.getRps(1, 2)->getDmIndex(), 2u);
}

// Blocks of a fresh model: criterion number and seed, 8 lower-case digits each, then
// one character per pair for each decision maker in order.
TEST(Algorithm, WritesBlocksInTheStoredLayout) {
  ModelShape shape;
  shape.ndm = 3;
  shape.ncr = 2;
  shape.cfl = 90.0;
  shape.cfi = 10.0;  // 10 choices: 28 pairs
  auto m = makeModel(shape);
  Algorithm alg(m);
  ASSERT_EQ(alg.getNumPairs(), 28u);
  alg.writeScoreBlocks();
  ASSERT_EQ(m.get_ss().size(), 2u);
  for (uint32_t c = 0; c < 2; ++c) {
    const std::string expected = hex8(c + 1) + hex8(alg.getMcdm()->getSeed(c)) + std::string(84, '0');
    EXPECT_EQ(m.get_ss()[c].get_value(), expected);
  }
}

// Criterion 2 with the seed c0ffee, two decision makers and three pairs, the first
// having scored -2, 0, +5 and the second nothing yet.
TEST(Algorithm, ReadsAndWritesTheExampleBlock) {
  ModelShape shape;
  shape.ndm = 2;
  shape.ncr = 2;
  shape.nch = 3;
  shape.cfl = 100.0;
  auto m = makeModel(shape);
  m.get_ss().resize(2);
  m.get_ss()[1].set_value("0000000200c0ffee68D000");
  m.get_ss()[0].set_value("0000000100000BEE888899");
  Algorithm alg(m);
  EXPECT_TRUE(alg.isScoresTransferred());
  EXPECT_EQ(alg.getMcdm()->getSeed(0), 0xbeeu);
  EXPECT_EQ(alg.getMcdm()->getSeed(1), 0xc0ffeeu);
  EXPECT_EQ(alg.getRps(1, 0)->getScore(0), -2);
  EXPECT_EQ(alg.getRps(1, 0)->getScore(1), 0);
  EXPECT_EQ(alg.getRps(1, 0)->getScore(2), 5);
  EXPECT_EQ(alg.getRps(1, 1)->getScores(), "000");
  alg.writeScoreBlocks();
  EXPECT_EQ(m.get_ss()[1].get_value(), "0000000200c0ffee68D000");
  // A short seed is zero-padded, and the header is written in lower case.
  EXPECT_EQ(m.get_ss()[0].get_value(), "0000000100000bee888899");
}

TEST(Algorithm, BlocksReadBackGiveTheSamePairsAndCharacters) {
  ModelShape shape;
  auto m = makeModel(shape);
  Algorithm first(m);
  for (auto& rps : first.getRpsVec()) PV::Test::scoreAll(*rps, shape.sil);
  first.getRps(1, 2)->markExceeded(7, true);
  first.getRps(0, 1)->clearScore(3);
  first.writeScoreBlocks();

  Algorithm second(m);
  EXPECT_TRUE(second.isScoresTransferred());
  ASSERT_EQ(second.getRpsVec().size(), first.getRpsVec().size());
  for (std::size_t k = 0; k < first.getRpsVec().size(); ++k) {
    const auto& a = *first.getRpsVec()[k];
    const auto& b = *second.getRpsVec()[k];
    EXPECT_EQ(a.getScores(), b.getScores());
    EXPECT_EQ(a.getSeed(), b.getSeed());
    for (uint32_t n = 0; n < a.getNumPairs(); ++n) {
      EXPECT_EQ(a.getPairCode(n), b.getPairCode(n));
    }
  }
  // The 'E' and the '0' both count as unscored.
  EXPECT_EQ(second.countScores(2, 3).second - second.countScores(2, 3).first, 2u);
  EXPECT_EQ(second.solve(nullptr), static_cast<uint32_t>(MODEL_INCOMPLETE));

  // The read-only query sees the same pairs and scores and leaves the model alone.
  const PV::Data::DecisionModel before = m;
  const auto views = PV::Math::readPairSets(m);
  ASSERT_EQ(views.size(), first.getRpsVec().size());
  for (std::size_t k = 0; k < views.size(); ++k) {
    const auto& a = *first.getRpsVec()[k];
    EXPECT_EQ(views[k].crIndex, a.getCriterionIndex());
    EXPECT_EQ(views[k].dmIndex, a.getDmIndex());
    ASSERT_EQ(views[k].pairs.size(), a.getNumPairs());
    for (uint32_t n = 0; n < a.getNumPairs(); ++n) {
      EXPECT_EQ(views[k].pairs[n].i, a.getPair(n).i);
      EXPECT_EQ(views[k].pairs[n].j, a.getPair(n).j);
      EXPECT_EQ(views[k].scores[n], a.getScore(n));
    }
  }
  EXPECT_EQ(views[1 * shape.ndm + 2].scores[7], 'E');
  ASSERT_EQ(m.get_ss().size(), before.get_ss().size());
  for (std::size_t c = 0; c < m.get_ss().size(); ++c)
    EXPECT_EQ(m.get_ss()[c].get_value(), before.get_ss()[c].get_value());
}

// With 3 decision makers and 3 pairs, decision maker 1's pair 2 is value x = 5: the
// low four bits of byte 2 of the criterion's packed scores.
TEST(Algorithm, PacksScoresTwoPerByteEvenValuesHigh) {
  ModelShape shape;
  shape.ndm = 3;
  shape.ncr = 1;
  shape.nch = 3;
  shape.cfl = 100.0;
  auto m = makeModel(shape);
  Algorithm alg(m);
  ASSERT_EQ(alg.getNumPairs(), 3u);
  alg.getRps(0, 0)->setScores("888");
  alg.getRps(0, 1)->setScores("34D");
  alg.getRps(0, 2)->setScores("98a");
  EXPECT_EQ(alg.solve(nullptr), static_cast<uint32_t>(MODEL_COMPLETED));
  const uint8_t* scores = alg.getMcdm()->getPairData()[0].scores;
  EXPECT_EQ(scores[0], 0x88);
  EXPECT_EQ(scores[1], 0x83);
  EXPECT_EQ(scores[2], 0x4D);
  EXPECT_EQ(scores[3], 0x98);
  EXPECT_EQ(scores[4] >> 4, 0xA);
}

TEST(Mcdm, SameModelIdDrawsTheSamePairsAndWeightsBecomePercentages) {
  ModelShape shape;
  auto m = makeModel(shape);
  PV::Math::Mcdm a(m, nullptr);
  PV::Math::Mcdm b(m, nullptr);
  for (uint32_t c = 0; c < a.getNumCriteria(); ++c) {
    EXPECT_EQ(a.getSeed(c), b.getSeed(c));
    for (uint32_t n = 0; n < a.getNumPairs(); ++n) {
      EXPECT_EQ(a.getPair(c, n).i, b.getPair(c, n).i);
      EXPECT_EQ(a.getPair(c, n).j, b.getPair(c, n).j);
    }
  }
  auto crs = m.get_crs();
  crs[0].set_wt(3);
  crs[1].set_wt(1);
  a.setCriteriaWeights(crs);
  EXPECT_DOUBLE_EQ(a.getFrame().crwt[0], 75.0);
  EXPECT_DOUBLE_EQ(a.getFrame().crwt[1], 25.0);
  EXPECT_FALSE(a.hasZeroWeights());
  crs[0].set_wt(0);
  crs[1].set_wt(0);
  a.setCriteriaWeights(crs);
  EXPECT_EQ(a.getFrame().crwt[0], 0.0);
  EXPECT_TRUE(a.hasZeroWeights());
}

// Solutions left from a model with more choices name choices that are gone: they
// are dropped, never left for the ranking display to trip over.
TEST(Mcdm, ReadSolutionsKeepsExactlyOneEntryPerChoice) {
  ModelShape shape;
  shape.nch = 4;
  shape.ndm = 1;
  shape.ncr = 1;
  shape.cfl = 100.0;
  for (std::size_t before : {0u, 2u, 6u}) {
    auto m = makeModel(shape);
    for (std::size_t k = 0; k < before; ++k) {
      PV::Data::Solution s;
      s.set_ch(900 + static_cast<uint32_t>(k));
      s.set_pctrank(10.0);
      m.get_slns().push_back(s);
    }
    Algorithm alg(m);
    for (auto& rps : alg.getRpsVec()) PV::Test::scoreAll(*rps, shape.sil);
    ASSERT_EQ(alg.solve(nullptr), static_cast<uint32_t>(MODEL_COMPLETED));
    alg.readSolutions();
    ASSERT_EQ(m.get_slns().size(), 4u) << before;
    for (const auto& s : m.get_slns()) {
      EXPECT_GE(s.get_ch(), 301u);
      EXPECT_LE(s.get_ch(), 304u);
    }
    EXPECT_EQ(m.get_slns().get_timestamp().size(), 19u);
    EXPECT_FALSE(m.get_slns().get_flag());
  }
}

// A search that reaches the evaluation limit ends with 4 and a complete ranking: no
// callback cancels it and no check on the evaluation count fires.
TEST(Algorithm, SearchAtTheEvaluationLimitGivesFourAndACompleteRanking) {
  ModelShape shape;
  shape.ndm = 1;
  shape.ncr = 1;
  shape.nch = 254;
  shape.cfl = 95.0;
  shape.cfi = 5.0;
  auto m = makeModel(shape);
  Algorithm alg(m);
  ASSERT_EQ(alg.getNumPairs(), 380u);
  alg.getRps(0, 0)->setScores(std::string(380, '8'));
  EXPECT_EQ(alg.solve(nullptr), static_cast<uint32_t>(MODEL_EXCEEDED_MAX_ITERATIONS));
  EXPECT_GT(alg.getIterationCount(), 2000u);
  alg.readSolutions();
  EXPECT_EQ(m.get_slns().size(), 254u);
}

TEST(Algorithm, AllZeroWeightsAreRefused) {
  ModelShape shape;
  shape.ndm = 1;
  shape.ncr = 2;
  shape.nch = 3;
  shape.cfl = 100.0;
  auto m = makeModel(shape);
  for (auto& c : m.get_crs()) c.set_wt(0);
  Algorithm alg(m);
  for (auto& rps : alg.getRpsVec()) PV::Test::scoreAll(*rps, shape.sil);
  EXPECT_EQ(alg.solve(nullptr), PV::Math::MODEL_ZERO_WEIGHTS);
  EXPECT_EQ(alg.getStatus(), 0u);
  EXPECT_NE(std::string(PV::Math::solveStatusText(PV::Math::MODEL_ZERO_WEIGHTS)).find("weights"), std::string::npos);
}

TEST(AlgorithmDeathTest, ABlockOfTheWrongLengthIsAContractViolationHere) {
  ModelShape shape;
  shape.ndm = 2;
  shape.ncr = 1;
  shape.nch = 3;
  shape.cfl = 100.0;
  auto m = makeModel(shape);
  Algorithm alg(m);
  EXPECT_DEATH(alg.applyScoreBlock(*alg.getRps(0, 0), "00000001000000010000000", 0),
               "Assertion failed: scoreblock.length\\(\\) == totalLength");
}

}  // namespace
