#include "FrameFixture.h"
#include "math/alg.h"
#include "math/model.h"
#include "math/rng.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using namespace mathtest;

int stopAtFirstCall(alg_state*) { return 1; }

TEST(Solver, PreferenceRatios) {
  const double* r = alg_pref_ratio_table();
  const double expected[16] = {0,   0,     0,       10.486,  6.5535,  4.096,    2.56, 1.6,
                               1.0, 0.625, 0.39063, 0.24414, 0.15259, 0.095369, 0,    0};
  for (int K = 0; K < 16; ++K) EXPECT_EQ(r[K], expected[K]) << K;
}

TEST(Solver, NoPreferenceAnywhereEndsWithEveryChoiceAt100) {
  Frame three = setUpFrame(1, 1, 3, 95, 5, 11);
  scoreAll(three.get(), 8);
  EXPECT_EQ(model_run(three.get(), alg_solve, keepGoing), MODEL_COMPLETED);
  EXPECT_EQ(three->solution.iterations, 63);
  for (unsigned k = 0; k < 3; ++k) {
    EXPECT_EQ(three->solution.ranking[k].pctrank, 100.0);
    EXPECT_EQ(three->solution.ranking[k].row, k + 1);  // equal ranks keep row order
  }

  Frame many = setUpFrame(1, 1, 254, 95, 5, 12);
  scoreAll(many.get(), 8);
  EXPECT_EQ(model_run(many.get(), alg_solve, keepGoing), MODEL_EXCEEDED_MAX_ITERATIONS);
  EXPECT_GT(many->solution.iterations, 2000);
  EXPECT_EQ(many->solution.count, 254);
  for (unsigned k = 0; k < 254; ++k) EXPECT_EQ(many->solution.ranking[k].row, k + 1);
}

TEST(Solver, TwoChoicesStrengthTwo) {
  Frame m = setUpFrame(1, 1, 2, 95, 5, 21);
  ASSERT_EQ(m->npr, 1);
  model_set_packed_score(m->pd[0].scores, 0, 10);  // the pair's second choice, strength 2
  const unsigned first = m->pd[0].pairs[0].i, second = m->pd[0].pairs[0].j;
  EXPECT_EQ(model_run(m.get(), alg_solve, keepGoing), MODEL_COMPLETED);
  const ranking_row* rows = m->solution.ranking;
  EXPECT_EQ(rows[0].row, second + 1);
  EXPECT_EQ(rows[0].pctrank, 100.0);
  EXPECT_EQ(rows[1].row, first + 1);
  EXPECT_NEAR(rows[1].pctrank, 39.1, 0.05);
  EXPECT_EQ(rows[1].ch_id, 1000 + first);
}

TEST(Solver, CallbackStopAtItsFirstCallKeepsTheStartPoint) {
  Frame m = setUpFrame(1, 1, 2, 95, 5, 21);
  model_set_packed_score(m->pd[0].scores, 0, 10);
  EXPECT_EQ(model_run(m.get(), alg_solve, stopAtFirstCall), MODEL_CANCELED);
  for (unsigned k = 0; k < 2; ++k) {
    EXPECT_EQ(m->solution.ranking[k].pctrank, 100.0);
    EXPECT_EQ(m->solution.ranking[k].row, k + 1);
  }
  EXPECT_EQ(m->solution.count, 2);
}

TEST(Solver, AppFuncStopsAfter2000Evaluations) {
  model_solution solution{};
  alg_state state{&solution, 0, ITERATING_PAIRS, 0};
  solution.iterations = 2000;
  EXPECT_EQ(app_func(&state), 0);
  solution.iterations = 2001;
  EXPECT_EQ(app_func(&state), 1);

  // On a model that runs into the limit it ends the solve as cancelled.
  Frame m = setUpFrame(1, 1, 254, 95, 5, 12);
  scoreRandomly(m.get(), 5);
  EXPECT_EQ(model_run(m.get(), alg_solve, app_func), MODEL_CANCELED);
  EXPECT_GT(m->solution.iterations, 2000);
}

TEST(Solver, UnscoredValuesAreSkipped) {
  Frame m = setUpFrame(1, 1, 4, 95, 5, 31);
  svs s{};
  alg_alloc_scale_vector(&s, 4);
  s.svx[0] = 10.0;
  for (uint8_t K : {0, 1, 2, 14, 15}) {
    scoreAll(m.get(), K);
    alg_objective(m.get(), &s);
    EXPECT_EQ(s.fval, 0.0) << int(K);
  }
  scoreAll(m.get(), 3);
  alg_objective(m.get(), &s);
  EXPECT_GT(s.fval, 0.0);
  alg_free_scale_vector(&s);
}

TEST(Solver, ChoiceChangeMatchesAFullEvaluationAndTheIndexMatchesTheScan) {
  // Without "no preference" scores, whose orientation follows the moved point, the
  // change of one choice equals the difference of two full evaluations.
  Frame m = setUpFrame(3, 4, 12, 90, 10, 41, {1, 2, 3}, {4, 3, 2, 1});
  scoreRandomly(m.get(), 77);
  for (unsigned cr = 0; cr < m->ncr; ++cr)
    for (uint32_t k = 0; k < 3u * m->npr; ++k)
      if (model_get_packed_score(m->pd[cr].scores, k) == 8) model_set_packed_score(m->pd[cr].scores, k, 9);
  svs scan{}, indexed{};
  alg_alloc_scale_vector(&scan, 12);
  alg_alloc_scale_vector(&indexed, 12);
  alg_index_choices(m.get(), &indexed);
  rng_next(3);
  for (int round = 0; round < 200; ++round) {
    for (svs* s : {&scan, &indexed}) {
      alg_objective(m.get(), s);
      s->fbest = s->fval;
    }
    const unsigned j = rng_next(0) % 12;
    const double moved = 1.0 + rng_next(0) % 9900 / 100.0;
    scan.svx[j] = indexed.svx[j] = moved;
    alg_objective_choice(m.get(), j, &scan);
    alg_objective_choice(m.get(), j, &indexed);
    ASSERT_EQ(std::memcmp(&scan.fval, &indexed.fval, sizeof(double)), 0);
    const double incremental = scan.fval;
    alg_objective(m.get(), &scan);
    ASSERT_NEAR(incremental, scan.fval, 1e-9);
  }
  alg_free_scale_vector(&scan);
  alg_free_scale_vector(&indexed);
}

TEST(Solver, IndexedAndScanningSolversAgreeBitForBit) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    Frame a = setUpFrame(5, 7, 10, 95, 5, seed, {5, 4, 3, 2, 1}, {1, 2, 3, 4, 5, 6, 7});
    Frame b = setUpFrame(5, 7, 10, 95, 5, seed, {5, 4, 3, 2, 1}, {1, 2, 3, 4, 5, 6, 7});
    scoreRandomly(a.get(), seed + 100);
    scoreRandomly(b.get(), seed + 100);
    EXPECT_EQ(model_run(a.get(), alg_solve, keepGoing), model_run(b.get(), alg_solve_unindexed, keepGoing));
    EXPECT_EQ(a->solution.iterations, b->solution.iterations);
    EXPECT_EQ(std::memcmp(a->solution.ranking, b->solution.ranking, 10 * sizeof(ranking_row)), 0);
  }
}

TEST(Solver, ConsistentScoresAreRecoveredApproximately) {
  // Scale positions s: a pair (a, b) scored s_b - s_a; the exact answer is 1.6^(s - max s).
  const int position[6] = {0, 1, 2, 3, 1, 2};
  Frame m = setUpFrame(2, 1, 6, 100, 0, 51);
  for (unsigned d = 0; d < 2; ++d)
    for (unsigned k = 0; k < m->npr; ++k) {
      const MCDM_BC3_Pair& p = m->pd[0].pairs[k];
      model_set_packed_score(m->pd[0].scores, d * m->npr + k, static_cast<uint8_t>(8 + position[p.j] - position[p.i]));
    }
  EXPECT_EQ(model_run(m.get(), alg_solve, keepGoing), MODEL_COMPLETED);
  for (unsigned k = 0; k < 6; ++k) {
    const ranking_row& r = m->solution.ranking[k];
    const double exact = 100.0 * std::pow(1.6, position[r.row - 1] - 3);
    EXPECT_NEAR(r.pctrank, exact, exact * 0.04) << "choice " << int(r.row);
  }
  EXPECT_EQ(m->solution.ranking[0].row, 4);
}

TEST(Ranking, RowOrderAndComparisonWithItself) {
  ranking_row rows[4] = {{1, 11, 40.0}, {2, 12, 90.0}, {3, 13, 40.0}, {4, 14, 90.0}};
  EXPECT_EQ(alg_compare_rows(&rows[0], &rows[0]), 0);  // not before itself
  ranking_row copy = rows[1];
  EXPECT_EQ(alg_compare_rows(&copy, &rows[1]), 0);
  EXPECT_EQ(alg_compare_rows(&rows[1], &rows[0]), -1);
  EXPECT_EQ(alg_compare_rows(&rows[0], &rows[2]), -1);
  EXPECT_EQ(alg_compare_rows(&rows[2], &rows[0]), 1);
  std::sort(rows, rows + 4, [](const ranking_row& x, const ranking_row& y) { return alg_compare_rows(&x, &y) < 0; });
  const uint8_t order[4] = {2, 4, 1, 3};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(rows[k].row, order[k]);
}

}  // namespace
