#include "FrameFixture.h"
#include "math/mcdm_bc3.h"
#include "math/model.h"
#include "math/rng.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace mathtest;

bool samePairs(const model* a, unsigned icrA, const model* b, unsigned icrB) {
  return a->npr == b->npr && std::memcmp(a->pd[icrA].pairs, b->pd[icrB].pairs, a->npr * sizeof(MCDM_BC3_Pair)) == 0;
}

TEST(ModelFrame, SetUpNormalisesWeightsAndSizesTheArrays) {
  Frame one = setUpFrame(3, 2, 10, 95, 5, 0x1234, {1, 1, 2}, {0, 0});
  EXPECT_EQ(one->dmwt[0], 25.0);
  EXPECT_EQ(one->dmwt[1], 25.0);
  EXPECT_EQ(one->dmwt[2], 50.0);
  EXPECT_EQ(one->crwt[0], 0.0);
  EXPECT_EQ(one->crwt[1], 0.0);
  EXPECT_EQ(one->npr, 41);
  EXPECT_EQ(one->solution.count, 10);
  for (unsigned k = 0; k < 10; ++k) EXPECT_EQ(one->solution.ranking[k].pctrank, 50.0);
}

TEST(ModelFrame, PackedScoresUseTheHighNibbleForEvenValues) {
  // (ndm * npr + 1) / 2 bytes: 21 for one decision maker at 41 pairs, 41 for two.
  uint8_t scores[41] = {};
  model_set_packed_score(scores, 4, 0xA);
  model_set_packed_score(scores, 5, 0x3);
  EXPECT_EQ(scores[2], 0xA3);
  EXPECT_EQ(model_get_packed_score(scores, 4), 0xA);
  EXPECT_EQ(model_get_packed_score(scores, 5), 0x3);
  model_set_packed_score(scores, 81, 0xD);  // the last value of two decision makers
  EXPECT_EQ(scores[40], 0x0D);
}

TEST(ModelFrame, SeedsChainFromTheModelSeed) {
  Frame m = setUpFrame(1, 3, 6, 95, 5, 0xC0FFEE);
  EXPECT_EQ(m->seed, 0xC0FFEEu);
  const uint32_t s0 = rng_next(0xC0FFEE);
  const uint32_t s1 = rng_next(s0);
  const uint32_t s2 = rng_next(s1);
  EXPECT_EQ(m->pd[0].seed, s0);
  EXPECT_EQ(m->pd[1].seed, s1);
  EXPECT_EQ(m->pd[2].seed, s2);
  EXPECT_NE(s0, s1);
  // Each criterion's pairs are the drawing of the generator seeded with its seed.
  pair_data redraw{0, mcdm_bc3_alloc_pairs(m->npr), nullptr};
  rng_next(s1);
  ASSERT_EQ(mcdm_bc3_make_random_pairs(&redraw, 6, m->npr), 1);
  EXPECT_EQ(std::memcmp(redraw.pairs, m->pd[1].pairs, m->npr * sizeof(MCDM_BC3_Pair)), 0);
  mcdm_bc3_free_pairs(redraw.pairs);
}

TEST(ModelFrame, StoredSeedsAreKeptAndAvoidedByTheChain) {
  Frame plain = setUpFrame(1, 2, 8, 95, 5, 0xABCD);
  const uint32_t chainFirst = plain->pd[0].seed;

  // A stored seed for criterion 1 equal to what the chain gives criterion 0: the chain
  // draws again for criterion 0, and criterion 1 keeps its seed and its pairs.
  csd* stored = mcdm_bc3_alloc_csds(2);
  stored[1] = {77, chainFirst};
  Frame withStored = fillFrame(1, 2, 8, 95, 5, 0xABCD);
  withStored->csds = stored;
  model_init(withStored.get());
  EXPECT_EQ(withStored->pd[1].seed, chainFirst);
  EXPECT_EQ(withStored->pd[0].seed, rng_next(chainFirst));
  EXPECT_EQ(stored[0].seed, withStored->pd[0].seed);  // the drawn seed is stored
  EXPECT_TRUE(samePairs(withStored.get(), 1, plain.get(), 0));

  // The same stored seeds give the same pairs on every set-up.
  Frame again = fillFrame(1, 2, 8, 95, 5, 0x9999);
  again->csds = stored;
  model_init(again.get());
  EXPECT_TRUE(samePairs(again.get(), 0, withStored.get(), 0));
  EXPECT_TRUE(samePairs(again.get(), 1, withStored.get(), 1));
  mcdm_bc3_free_csds(stored);
}

TEST(ModelFrame, ClockAndFixedSeeds) {
  Frame a = setUpFrame(1, 1, 4, 95, 5, 0);
  Frame b = setUpFrame(1, 1, 4, 95, 5, 0);
  EXPECT_NE(a->seed, 0u);
  EXPECT_NE(a->seed, b->seed);  // distinct even within the same second
  model_set_fixed_seed(0x3F1309AE);
  model_use_fixed_seed(1);
  Frame fixed = setUpFrame(1, 1, 4, 95, 5, 0);
  model_use_fixed_seed(0);
  EXPECT_EQ(fixed->seed, 0x3F1309AEu);
}

int stopAtOnce(alg_state*) { return 1; }
int fakeSolver(model* m, alg_callback) {
  return m->solution.iterations == 0 ? MODEL_EXCEEDED_MAX_ITERATIONS : MODEL_COMPLETED;
}

TEST(ModelFrame, RunResetsIterationsAndPassesTheSolversCode) {
  Frame m = setUpFrame(2, 1, 5, 95, 5, 42);
  m->solution.iterations = 77;
  EXPECT_EQ(model_run(m.get(), fakeSolver, stopAtOnce), MODEL_EXCEEDED_MAX_ITERATIONS);
}

TEST(ModelFrame, RunRefusesAllZeroWeights) {
  Frame m = setUpFrame(2, 2, 5, 95, 5, 42, {1, 1}, {0, 0});
  EXPECT_EQ(model_run(m.get(), fakeSolver, stopAtOnce), MODEL_ERROR);
  Frame d = setUpFrame(2, 2, 5, 95, 5, 42, {0, 0}, {1, 3});
  EXPECT_EQ(model_run(d.get(), fakeSolver, stopAtOnce), MODEL_ERROR);
}

TEST(ModelFrameDeathTest, AllocatorLimits) {
  EXPECT_DEATH(mcdm_bc3_alloc_pairs(0), "num_samples != 0 && num_samples <= MAX_NUM_PAIRS");
  EXPECT_DEATH(mcdm_bc3_alloc_pairs(32132), "num_samples != 0 && num_samples <= MAX_NUM_PAIRS");
  EXPECT_DEATH(mcdm_bc3_alloc_csds(0), "num_csds != 0 && num_csds <= MAX_CRITERIA");
  EXPECT_DEATH(mcdm_bc3_alloc_csds(57), "num_csds != 0 && num_csds <= MAX_CRITERIA");
}

}  // namespace
