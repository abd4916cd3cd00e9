#include "math/RandomPairSet.h"

#include <gtest/gtest.h>

namespace {

using PV::Math::PairList;
using PV::Math::RandomPairSet;
using PV::Math::UNSCORED;

PairList tenPairs() {
  PairList pairs;
  for (uint16_t k = 0; k < 10; ++k) pairs.push_back({k, static_cast<uint16_t>((k + 1) % 10)});
  return pairs;
}

TEST(RandomPairSet, NewSetIsUnscored) {
  const PairList pairs = tenPairs();
  RandomPairSet rps(1, 2, 10, 5, 0xbeef, &pairs);
  EXPECT_EQ(rps.getScores(), std::string(10, '0'));
  EXPECT_EQ(rps.countScored(), std::make_pair(0u, 10u));
  EXPECT_EQ(rps.getScore(0), UNSCORED);
  EXPECT_EQ(rps.getScoreText(0), " ");
  EXPECT_EQ(rps.getNumPairs(), 10u);
  EXPECT_EQ(rps.getCriterionIndex(), 1u);
  EXPECT_EQ(rps.getDmIndex(), 2u);
  EXPECT_FALSE(rps.isLocked());
  // The scoring windows and the report take a pair as one word: first choice low.
  EXPECT_EQ(rps.getPairCode(3), 3u | (4u << 16));
  EXPECT_EQ(rps.getPair(9).i, 9);
  EXPECT_EQ(rps.getPair(9).j, 0);
}

TEST(RandomPairSet, EveryScoreHasItsCharacterAndText) {
  struct Case {
    int score;
    bool upper;
    char ch;
    const char* text;
  };
  const Case cases[] = {
      {-5, true, '3', "-5"}, {-4, true, '4', "-4"},      {-3, true, '5', "-3"}, {-2, true, '6', "-2"},
      {-1, true, '7', "-1"}, {0, true, '8', "0"},        {1, true, '9', "1"},   {2, true, 'A', "2"},
      {3, true, 'B', "3"},   {3, false, 'b', "3"},       {4, true, 'C', "4"},   {5, true, 'D', "5"},
      {5, false, 'd', "5"},  {UNSCORED, true, '0', " "},
  };
  const PairList pairs = tenPairs();
  RandomPairSet rps(0, 0, 10, 5, 1, &pairs);
  for (const Case& c : cases) {
    rps.setScore(4, c.score, c.upper);
    EXPECT_EQ(rps.getScoreChar(4), c.ch) << c.score;
    EXPECT_EQ(rps.getScore(4), c.score) << c.score;
    EXPECT_EQ(rps.getScoreText(4), c.text) << c.score;
  }
}

TEST(RandomPairSet, ExceededCountsAsUnscoredAndHasItsOwnText) {
  const PairList pairs = tenPairs();
  RandomPairSet rps(0, 0, 5, 5, 1, &pairs);
  rps.setScores("3b8E0");
  EXPECT_EQ(rps.getScores(), "3b8E0");
  EXPECT_EQ(rps.getScore(0), -5);
  EXPECT_EQ(rps.getScore(1), 3);
  EXPECT_EQ(rps.getScore(2), 0);
  EXPECT_EQ(rps.getScore(3), 69);
  EXPECT_EQ(rps.getScore(4), UNSCORED);
  EXPECT_TRUE(rps.isExceeded(3));
  // 'E' needs scoring again: the set is not complete, as the algorithm counts it.
  EXPECT_EQ(rps.countScored(), std::make_pair(3u, 5u));
  // A fixed text, whatever the case of the mark (its character code 101 would not
  // fit a score text).
  EXPECT_EQ(rps.getScoreText(3), "E");
  rps.markExceeded(3, false);
  EXPECT_EQ(rps.getScore(3), 101);
  EXPECT_EQ(rps.getScoreText(3), "E");
  rps.clearScore(0);
  EXPECT_EQ(rps.getScoreChar(0), '0');
}

TEST(RandomPairSet, SaveRestoreAndLock) {
  const PairList pairs = tenPairs();
  RandomPairSet rps(0, 0, 10, 3, 1, &pairs);
  rps.setScore(0, -3, true);
  rps.saveScores();
  rps.setScore(0, 2, true);
  rps.restoreScores();
  EXPECT_EQ(rps.getScore(0), -3);
  rps.lock();
  EXPECT_TRUE(rps.isLocked());
  rps.unlock();
  EXPECT_FALSE(rps.isLocked());
}

TEST(RandomPairSetDeathTest, ScoreAboveTheScaleIsAContractViolation) {
  const PairList pairs = tenPairs();
  RandomPairSet rps(0, 0, 10, 3, 1, &pairs);
  rps.setScore(0, UNSCORED, true);
  rps.setScore(0, -3, true);
  EXPECT_DEATH(rps.setScore(0, 4, true), "Assertion failed: abs\\( s \\) <= sil_ \\|\\| s == UNSCORED");
  EXPECT_DEATH(rps.setScores("000000000F"), "Assertion failed");
}

}  // namespace
