#include "math/alg.h"

#include "foundation/Assert.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

struct alg_choice_index {
  unsigned nch = 0;
  std::vector<uint32_t> offsets;    // (cr * nch + choice) -> first entry; one extra at the end
  std::vector<uint16_t> pairIndex;  // pair positions, ascending within each run
};

namespace {

const double kPrefRatio[16] = {0.0, 0.0,   0.0,     10.486,  6.5535,  4.096,    2.56, 1.6,
                               1.0, 0.625, 0.39063, 0.24414, 0.15259, 0.095369, 0.0,  0.0};

constexpr double kStartValue = 50.0;
constexpr double kLowerBound = 1.0;
constexpr double kUpperBound = 100.0;
constexpr double kInitialStep = 10.0;
constexpr double kShrink = 0.1;
constexpr double kSmallestStep = 0.1;
constexpr double kGrowth = 2.0;
constexpr double kTolerance = 0.0001;
constexpr double kStartAcceleration = 2.2;
constexpr double kRestartImprovement = 0.1;  // percent
constexpr int kMaxRestarts = 2;
constexpr unsigned kMaxEvaluations = 2000;

inline bool isScore(uint8_t K) { return K >= 3 && K <= 13; }

// One scored pair in the form in which b is the preferred choice (strength K - 8); for
// no preference a holds the larger value of svx.
struct Term {
  unsigned a, b, K;
};

inline Term normalise(const MCDM_BC3_Pair& p, uint8_t K, const double* svx) {
  Term t{p.i, p.j, K};
  if (t.K < 8) {
    std::swap(t.a, t.b);
    t.K = 16 - t.K;
  }
  if (t.K == 8 && !(svx[t.a] >= svx[t.b])) std::swap(t.a, t.b);
  return t;
}

inline double weightFactor(const model* model) {
  return 1.0 / static_cast<double>(static_cast<unsigned>(model->ndm) + model->npr);
}

// The change of one term between osvx and svx, weighted.
inline double termChange(const model* model, const svs* svs, const Term& t, unsigned d, unsigned icr, double w) {
  const unsigned j = t.b;
  PV_ASSERT(svs->svx[j] != 0.0 && svs->osvx[j] != 0.0);
  const double r = kPrefRatio[t.K];
  return (std::fabs(1.0 - svs->svx[t.a] / (r * svs->svx[j])) - std::fabs(1.0 - svs->osvx[t.a] / (r * svs->osvx[j]))) *
         model->dmwt[d] * model->crwt[icr] * w;
}

void objectiveChoiceScan(const model* model, unsigned choice, svs* svs, double w) {
  for (unsigned icr = 0; icr < model->ncr; ++icr) {
    PV_ASSERT(model->pd[icr].scores);
    const pair_data& pd = model->pd[icr];
    for (unsigned d = 0; d < model->ndm; ++d) {
      const uint32_t base = d * static_cast<uint32_t>(model->npr);
      for (unsigned k = 0; k < model->npr; ++k) {
        // Normalising only orders the pair's two choices, so whether it holds the
        // moved one is known before: the other pairs cost a comparison, not a score.
        const MCDM_BC3_Pair& p = pd.pairs[k];
        if (p.i != choice && p.j != choice) continue;
        const uint8_t K = model_get_packed_score(pd.scores, base + k);
        if (!isScore(K)) continue;
        svs->fval += termChange(model, svs, normalise(p, K, svs->svx), d, icr, w);
      }
    }
  }
}

void objectiveChoiceIndexed(const model* model, unsigned choice, svs* svs, double w) {
  const alg_choice_index& index = *svs->index;
  for (unsigned icr = 0; icr < model->ncr; ++icr) {
    PV_ASSERT(model->pd[icr].scores);
    const pair_data& pd = model->pd[icr];
    const uint32_t from = index.offsets[icr * index.nch + choice];
    const uint32_t to = index.offsets[icr * index.nch + choice + 1];
    for (unsigned d = 0; d < model->ndm; ++d) {
      const uint32_t base = d * static_cast<uint32_t>(model->npr);
      for (uint32_t e = from; e < to; ++e) {
        const unsigned k = index.pairIndex[e];
        const uint8_t K = model_get_packed_score(pd.scores, base + k);
        if (!isScore(K)) continue;
        const Term t = normalise(pd.pairs[k], K, svs->svx);
        svs->fval += termChange(model, svs, t, d, icr, w);
      }
    }
  }
}

}  // namespace

const double* alg_pref_ratio_table() { return kPrefRatio; }

void alg_objective(const model* model, svs* svs) {
  PV_ASSERT(model != NULL);
  PV_ASSERT(svs != NULL);
  const double w = weightFactor(model);
  svs->fval = 0.0;
  std::copy(svs->svx, svs->svx + model->nch, svs->osvx);
  for (unsigned icr = 0; icr < model->ncr; ++icr) {
    PV_ASSERT(model->pd[icr].scores);
    const pair_data& pd = model->pd[icr];
    for (unsigned d = 0; d < model->ndm; ++d) {
      const uint32_t base = d * static_cast<uint32_t>(model->npr);
      for (unsigned k = 0; k < model->npr; ++k) {
        const uint8_t K = model_get_packed_score(pd.scores, base + k);
        if (!isScore(K)) continue;
        const Term t = normalise(pd.pairs[k], K, svs->svx);
        const unsigned j = t.b;
        PV_ASSERT(svs->svx[j] != 0.0);
        const double term = std::fabs(1.0 - svs->svx[t.a] / (kPrefRatio[t.K] * svs->svx[j]));
        svs->fval += term * model->dmwt[d] * model->crwt[icr] * w;
      }
    }
  }
}

void alg_objective_choice(const model* model, unsigned choice, svs* svs) {
  PV_ASSERT(model != NULL);
  PV_ASSERT(svs != NULL);
  PV_ASSERT(choice < model->nch);
  svs->fval = svs->fbest;
  const double w = weightFactor(model);
  if (svs->index != nullptr)
    objectiveChoiceIndexed(model, choice, svs, w);
  else
    objectiveChoiceScan(model, choice, svs, w);
}

void alg_alloc_scale_vector(svs* sv, unsigned nch) {
  sv->svx = static_cast<double*>(std::malloc(nch * sizeof(double)));
  sv->svx0 = static_cast<double*>(std::malloc(nch * sizeof(double)));
  sv->osvx = static_cast<double*>(std::malloc(nch * sizeof(double)));
  sv->ssz = static_cast<double*>(std::malloc(nch * sizeof(double)));
  PV_ASSERT(sv->svx != NULL);
  PV_ASSERT(sv->svx0 != NULL);
  PV_ASSERT(sv->osvx != NULL);
  PV_ASSERT(sv->ssz != NULL);
  for (unsigned j = 0; j < nch; ++j) {
    sv->svx[j] = sv->svx0[j] = sv->osvx[j] = kStartValue;
    sv->ssz[j] = kInitialStep;
  }
  sv->fval = sv->fbase = sv->fbest = sv->fprev = 0.0;
  sv->index = nullptr;
}

void alg_free_scale_vector(svs* sv) {
  std::free(sv->svx);
  std::free(sv->svx0);
  std::free(sv->osvx);
  std::free(sv->ssz);
  delete sv->index;
  sv->svx = sv->svx0 = sv->osvx = sv->ssz = nullptr;
  sv->index = nullptr;
}

void alg_index_choices(const model* model, svs* sv) {
  auto* index = new alg_choice_index;
  const unsigned nch = model->nch;
  index->nch = nch;
  index->offsets.assign(static_cast<std::size_t>(model->ncr) * nch + 1, 0);
  // Counting pass, then placement in pair order.
  for (unsigned icr = 0; icr < model->ncr; ++icr)
    for (unsigned k = 0; k < model->npr; ++k) {
      const MCDM_BC3_Pair& p = model->pd[icr].pairs[k];
      ++index->offsets[icr * nch + p.i + 1];
      if (p.j != p.i) ++index->offsets[icr * nch + p.j + 1];
    }
  for (std::size_t s = 1; s < index->offsets.size(); ++s) index->offsets[s] += index->offsets[s - 1];
  index->pairIndex.resize(index->offsets.back());
  std::vector<uint32_t> next(index->offsets.begin(), index->offsets.end() - 1);
  for (unsigned icr = 0; icr < model->ncr; ++icr)
    for (unsigned k = 0; k < model->npr; ++k) {
      const MCDM_BC3_Pair& p = model->pd[icr].pairs[k];
      index->pairIndex[next[icr * nch + p.i]++] = static_cast<uint16_t>(k);
      if (p.j != p.i) index->pairIndex[next[icr * nch + p.j]++] = static_cast<uint16_t>(k);
    }
  delete sv->index;
  sv->index = index;
}

int alg_compare_rows(const ranking_row* first, const ranking_row* second) {
  const unsigned row1 = first->row;
  const unsigned row2 = second->row;
  PV_ASSERT(row1 != 0);
  PV_ASSERT(row2 != 0);
  // A sort may compare a row with itself: it does not come before itself.
  if (row1 == row2) return 0;
  if (first->pctrank != second->pctrank) return first->pctrank > second->pctrank ? -1 : 1;
  return row1 < row2 ? -1 : 1;
}

int app_func(alg_state* state) {
  PV_ASSERT(state != 0);
  return state->solution->iterations > kMaxEvaluations ? 1 : 0;
}

namespace {

void rank(model* model, const svs& s) {
  const unsigned nch = model->nch;
  double max = 1.0;
  for (unsigned j = 0; j < nch; ++j) max = std::max(max, s.svx[j]);
  PV_ASSERT(model->solution.ranking != NULL);
  for (unsigned i = 0; i < nch; ++i) {
    PV_ASSERT(model->solution.ranking[i].ch_id != 0);
    PV_ASSERT(model->solution.ranking[i].row != 0);
    model->solution.ranking[i].pctrank = s.svx[i] / max * 100.0;
  }
  std::sort(model->solution.ranking, model->solution.ranking + nch,
            [](const ranking_row& x, const ranking_row& y) { return alg_compare_rows(&x, &y) < 0; });
}

int solve(model* model, alg_callback acf, bool indexed) {
  const unsigned nch = model->nch;
  int result = MODEL_COMPLETED;
  uint16_t evaluations = 0;
  int flatRestarts = 0;
  int slowRestarts = 0;
  bool pattern = false;
  double acceleration = kStartAcceleration;

  svs s;
  alg_alloc_scale_vector(&s, nch);
  if (indexed) alg_index_choices(model, &s);
  alg_state state{&model->solution, 0, 0, 0};
  auto report = [&](uint16_t choice) {
    state.choice = choice;
    return acf(&state) == 1;
  };

  enum class Label { Start, Move, Explore, Finish } label = Label::Start;
  while (label != Label::Finish) {
    switch (label) {
      case Label::Start:
        if (flatRestarts + slowRestarts > kMaxRestarts) {
          label = Label::Finish;
          break;
        }
        pattern = false;
        acceleration = kStartAcceleration;
        for (unsigned j = 0; j < nch; ++j) {
          s.ssz[j] = kInitialStep;
          s.svx0[j] = s.svx[j];
        }
        label = Label::Move;
        break;

      case Label::Move:
        for (unsigned j = 0; j < nch; ++j) s.svx[j] = std::min(kUpperBound, std::max(kLowerBound, s.svx[j]));
        alg_objective(model, &s);
        s.fbest = s.fval;
        evaluations += 1;
        if (evaluations <= 1) s.fbase = s.fprev = s.fval;
        label = Label::Explore;
        break;

      case Label::Explore: {
        if (evaluations > kMaxEvaluations) {
          result = MODEL_EXCEEDED_MAX_ITERATIONS;
          label = Label::Finish;
          break;
        }
        unsigned small = 0;
        bool stop = false;
        for (unsigned j = 0; j < nch && !stop; ++j) {
          if (std::fabs(s.ssz[j]) < kTolerance) {
            small += 1;
            continue;
          }
          s.svx[j] += s.ssz[j];
          if (s.svx[j] >= kLowerBound && s.svx[j] <= kUpperBound) {
            alg_objective_choice(model, j, &s);
            evaluations += 1;
            if (s.fval < s.fbest) {
              s.fbest = s.fval;
              s.osvx[j] = s.svx[j];
              if (pattern) s.ssz[j] = kGrowth * s.ssz[j];
              if (acf != nullptr) {
                model->solution.iterations = evaluations;
                state.phase = ITERATING_PAIRS;
                stop = report(static_cast<uint16_t>(j));
              }
              continue;
            }
          }
          s.svx[j] = s.svx[j] - (s.ssz[j] + s.ssz[j]);
          if (s.svx[j] >= kLowerBound && s.svx[j] <= kUpperBound) {
            alg_objective_choice(model, j, &s);
            evaluations += 1;
            if (s.fval < s.fbest || std::fabs(s.fbest - s.fval) <= kTolerance) {
              s.fbest = s.fval;
              s.osvx[j] = s.svx[j];
              s.ssz[j] = -s.ssz[j];
              if (acf != nullptr) {
                // The callback sees the figures of the previous update.
                stop = report(static_cast<uint16_t>(j));
                model->solution.iterations = evaluations;
                state.phase = ITERATING_PAIRS;
              }
              continue;
            }
          }
          s.svx[j] = s.svx[j] + s.ssz[j];
          s.ssz[j] = kShrink * s.ssz[j];
          if (std::fabs(s.ssz[j]) <= kSmallestStep && std::fabs(s.ssz[j] - kSmallestStep) > kTolerance) {
            s.ssz[j] = s.ssz[j] < 0.0 ? -kSmallestStep : kSmallestStep;
            small += 1;
          }
        }
        if (stop) {
          result = MODEL_CANCELED;
          label = Label::Finish;
          break;
        }

        // End of sweep.
        const bool improved = s.fbest <= s.fbase && std::fabs(s.fbest - s.fbase) > kTolerance;
        if (!improved) {
          std::copy(s.svx0, s.svx0 + nch, s.svx);
          if (small < nch) {
            alg_objective(model, &s);
            evaluations += 1;
            s.fbest = s.fbase;
            pattern = false;
            label = Label::Explore;
          } else {
            flatRestarts += 1;
            label = Label::Start;
          }
          break;
        }
        s.fbase = s.fbest;
        const double rel = (s.fprev - s.fbest) / s.fprev * 100.0;
        s.fprev = s.fbest;
        if (acf != nullptr && report(0xFFFF)) {
          result = MODEL_CANCELED;
          label = Label::Finish;
          break;
        }
        if (rel < kRestartImprovement) {
          slowRestarts += 1;
          std::copy(s.svx, s.svx + nch, s.svx0);
          label = Label::Start;
          break;
        }
        if (rel < 0.25) acceleration += 0.1;
        if (rel < 0.5) acceleration += 0.05;
        if (acceleration > 3.5) acceleration = kStartAcceleration;
        for (unsigned j = 0; j < nch; ++j) {
          const double old = s.svx0[j];
          s.svx0[j] = s.svx[j];
          s.svx[j] = (s.svx[j] - old) * acceleration + old;
        }
        pattern = true;
        label = Label::Move;
        break;
      }

      case Label::Finish:
        break;
    }
  }

  std::copy(s.svx0, s.svx0 + nch, s.svx);
  rank(model, s);
  model->solution.count = static_cast<uint16_t>(nch);
  model->solution.iterations = evaluations;
  alg_free_scale_vector(&s);
  return result;
}

}  // namespace

int alg_solve(model* model, alg_callback acf) { return solve(model, acf, true); }

int alg_solve_unindexed(model* model, alg_callback acf) { return solve(model, acf, false); }
