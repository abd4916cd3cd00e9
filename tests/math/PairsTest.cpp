#include "math/mcdm_bc3.h"
#include "math/rng.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

std::vector<MCDM_BC3_Pair> draw(uint32_t seed, uint32_t nch, uint32_t npr) {
  std::vector<MCDM_BC3_Pair> pairs(npr + 1, MCDM_BC3_Pair{0, 0});
  pair_data pd{seed, pairs.data(), nullptr};
  rng_next(seed);
  EXPECT_EQ(mcdm_bc3_make_random_pairs(&pd, nch, npr), 1);
  pairs.pop_back();
  return pairs;
}

// No unordered pair twice, indices in range, and every choice among the first
// (nch + 1) / 2 pairs with the first nch / 2 disjoint.
void expectSoundSample(const std::vector<MCDM_BC3_Pair>& pairs, uint32_t nch) {
  std::set<std::pair<int, int>> seen;
  for (const auto& p : pairs) {
    ASSERT_LT(p.i, nch);
    ASSERT_LT(p.j, nch);
    ASSERT_NE(p.i, p.j);
    ASSERT_TRUE(seen.insert({std::min(p.i, p.j), std::max(p.i, p.j)}).second) << p.i << "," << p.j;
  }
  const uint32_t h = (nch + 1) / 2;
  if (pairs.size() >= h) {
    std::set<int> covered;
    for (uint32_t k = 0; k < nch / 2; ++k) {
      EXPECT_TRUE(covered.insert(pairs[k].i).second);
      EXPECT_TRUE(covered.insert(pairs[k].j).second);
    }
    for (uint32_t k = 0; k < h; ++k) covered.insert({pairs[k].i, pairs[k].j});
    EXPECT_EQ(covered.size(), nch);
  }
}

TEST(PairDrawing, TwoChoicesGiveTheOnePair) {
  for (uint32_t seed : {1u, 2u, 3u, 4u}) {
    const auto pairs = draw(seed, 2, 1);
    EXPECT_EQ(pairs[0].i + pairs[0].j, 1);
  }
}

TEST(PairDrawing, TenChoicesAllPairsAndTheSample) {
  for (uint32_t seed = 1; seed <= 50; ++seed) {
    const auto all = draw(seed * 7919, 10, 45);
    expectSoundSample(all, 10);
    const auto sample = draw(seed * 7919, 10, 41);
    expectSoundSample(sample, 10);
    // A shorter drawing from the same seed is a prefix of a longer one.
    for (std::size_t k = 0; k < sample.size(); ++k) {
      EXPECT_EQ(sample[k].i, all[k].i);
      EXPECT_EQ(sample[k].j, all[k].j);
    }
  }
}

TEST(PairDrawing, SevenChoicesCoverTheSeventhInTheFourthPair) {
  for (uint32_t seed = 1; seed <= 50; ++seed) {
    const auto pairs = draw(seed, 7, 20);
    expectSoundSample(pairs, 7);
    std::set<int> firstThree;
    for (int k = 0; k < 3; ++k) firstThree.insert({pairs[k].i, pairs[k].j});
    EXPECT_EQ(firstThree.size(), 6u);
    EXPECT_TRUE(firstThree.count(pairs[3].i) == 0 || firstThree.count(pairs[3].j) == 0);
  }
}

TEST(PairDrawing, EveryPairOnceForManySizesAndSeeds) {
  // Full drawings end, for every size, with each unordered pair exactly once.
  for (uint32_t nch = 2; nch <= 40; ++nch)
    for (uint32_t seed = 1; seed <= 12; ++seed) expectSoundSample(draw(seed * 31 + nch, nch, nch * (nch - 1) / 2), nch);
}

TEST(PairDrawing, SameSeedSamePairsOtherSeedOtherSample) {
  const auto a = draw(0x5EED, 30, 200);
  const auto b = draw(0x5EED, 30, 200);
  const auto c = draw(0x5EEE, 30, 200);
  bool sameAB = true, sameAC = true;
  for (std::size_t k = 0; k < a.size(); ++k) {
    sameAB = sameAB && a[k].i == b[k].i && a[k].j == b[k].j;
    sameAC = sameAC && a[k].i == c[k].i && a[k].j == c[k].j;
  }
  EXPECT_TRUE(sameAB);
  EXPECT_FALSE(sameAC);
}

TEST(PairDrawing, MorePairsThanExistIsRefused) {
  std::vector<MCDM_BC3_Pair> pairs(50, MCDM_BC3_Pair{0, 0});
  pair_data pd{1, pairs.data(), nullptr};
  rng_next(1);
  EXPECT_EQ(mcdm_bc3_make_random_pairs(&pd, 10, 46), 0);
  EXPECT_EQ(mcdm_bc3_make_random_pairs(&pd, 2, 2), 0);
  for (const auto& p : pairs) EXPECT_EQ(p.i + p.j, 0);  // untouched
}

}  // namespace
