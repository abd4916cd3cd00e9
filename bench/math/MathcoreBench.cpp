// Pair drawing and solving at the file-format limits (10 choices, 45 pairs, 5 decision
// makers, 7 criteria) and at the core's limits (254 choices, a 95/5 sample of 380 pairs,
// 54 decision makers). "Indexed" solves visit only the moved choice's terms; "Scan"
// solves compute the same sums by a plain scan of every pair, which reads the score
// of a pair only when the pair holds the moved choice: their ratio is the index's
// gain over the simplest full scan, not over a deliberately slow one.
#include "math/alg.h"
#include "math/mcdm_bc3.h"
#include "math/model.h"
#include "math/rng.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct FrameDeleter {
  void operator()(model* m) const {
    model_free(m);
    delete m;
  }
};
using Frame = std::unique_ptr<model, FrameDeleter>;

struct Shape {
  uint8_t ndm, ncr, nch;
  double cfl, cfi;
};

const Shape kFileLimits{5, 7, 10, 100.0, 0.0};  // 45 pairs: every pair of 10 choices

double* weights(unsigned count) {
  double* w = static_cast<double*>(std::malloc(count * sizeof(double)));
  for (unsigned k = 0; k < count; ++k) w[k] = 1.0 + k % 5;
  return w;
}

Frame setUp(const Shape& shape, uint32_t seed) {
  Frame m(new model{});
  m->ndm = shape.ndm;
  m->ncr = shape.ncr;
  m->nch = shape.nch;
  m->cfl = shape.cfl;
  m->cfi = shape.cfi;
  m->seed = seed;
  m->dmwt = weights(shape.ndm);
  m->crwt = weights(shape.ncr);
  model_init(m.get());
  return m;
}

void resetRows(model* m) {
  for (unsigned k = 0; k < m->nch; ++k) {
    m->solution.ranking[k].row = static_cast<uint8_t>(k + 1);
    m->solution.ranking[k].ch_id = 1000 + k;
  }
}

Frame scoredFrame(const Shape& shape) {
  Frame m = setUp(shape, 0x3F1309AE);
  rng_next(7);
  for (unsigned cr = 0; cr < m->ncr; ++cr)
    for (uint32_t k = 0; k < static_cast<uint32_t>(m->ndm) * m->npr; ++k)
      model_set_packed_score(m->pd[cr].scores, k, static_cast<uint8_t>(3 + rng_next(0) % 11));
  return m;
}

int keepGoing(alg_state*) { return 0; }

void drawOneCriterion(benchmark::State& state, uint32_t nch, uint32_t npr) {
  std::vector<MCDM_BC3_Pair> pairs(npr);
  pair_data pd{0, pairs.data(), nullptr};
  uint32_t seed = 1;
  for (auto _ : state) {
    rng_next(seed++);
    benchmark::DoNotOptimize(mcdm_bc3_make_random_pairs(&pd, nch, npr));
  }
}

void solve(benchmark::State& state, const Shape& shape, model_solver solver) {
  Frame m = scoredFrame(shape);
  int result = 0;
  for (auto _ : state) {
    resetRows(m.get());
    result = model_run(m.get(), solver, keepGoing);
    benchmark::DoNotOptimize(m->solution.ranking[0].pctrank);
  }
  state.counters["evaluations"] = m->solution.iterations;
  state.counters["result"] = result;
  state.counters["npr"] = m->npr;
}

// File-format limits.
void BM_DrawFileLimits(benchmark::State& state) { drawOneCriterion(state, 10, 45); }
void BM_SetUpFileLimits(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(setUp(kFileLimits, 0x3F1309AE).get());
}
void BM_SolveFileLimitsIndexed(benchmark::State& state) { solve(state, kFileLimits, alg_solve); }
void BM_SolveFileLimitsScan(benchmark::State& state) { solve(state, kFileLimits, alg_solve_unindexed); }

// Core limits: 254 choices, 95/5, 54 decision makers, state.range(0) criteria.
Shape coreLimits(const benchmark::State& state) {
  return Shape{54, static_cast<uint8_t>(state.range(0)), 254, 95.0, 5.0};
}
void BM_DrawCoreLimits(benchmark::State& state) { drawOneCriterion(state, 254, 380); }
void BM_DrawAllPairs254(benchmark::State& state) { drawOneCriterion(state, 254, 32131); }
void BM_SolveCoreLimitsIndexed(benchmark::State& state) { solve(state, coreLimits(state), alg_solve); }
void BM_SolveCoreLimitsScan(benchmark::State& state) { solve(state, coreLimits(state), alg_solve_unindexed); }

}  // namespace

BENCHMARK(BM_DrawFileLimits)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetUpFileLimits)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolveFileLimitsIndexed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolveFileLimitsScan)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawCoreLimits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawAllPairs254)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_SolveCoreLimitsIndexed)->Unit(benchmark::kMillisecond)->Arg(1)->Arg(7)->Arg(56)->Iterations(1);
BENCHMARK(BM_SolveCoreLimitsScan)->Unit(benchmark::kMillisecond)->Arg(1)->Arg(7)->Arg(56)->Iterations(1);

BENCHMARK_MAIN();
