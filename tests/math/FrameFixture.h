// Frames for the tests: filled as a caller of the numerical core fills them, set up,
// and freed when the holder goes.
#pragma once

#include "math/model.h"
#include "math/rng.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace mathtest {

struct FrameDeleter {
  void operator()(model* m) const {
    model_free(m);
    delete m;
  }
};
using Frame = std::unique_ptr<model, FrameDeleter>;

inline double* heapWeights(const std::vector<double>& w) {
  double* p = static_cast<double*>(std::malloc(w.size() * sizeof(double)));
  for (std::size_t k = 0; k < w.size(); ++k) p[k] = w[k];
  return p;
}

// A filled frame, not yet set up. Weights default to 1 each.
inline Frame fillFrame(uint8_t ndm, uint8_t ncr, uint8_t nch, double cfl, double cfi, uint32_t seed,
                       std::vector<double> dmwt = {}, std::vector<double> crwt = {}) {
  Frame m(new model{});
  m->ndm = ndm;
  m->ncr = ncr;
  m->nch = nch;
  m->cfl = cfl;
  m->cfi = cfi;
  m->seed = seed;
  if (dmwt.empty()) dmwt.assign(ndm, 1.0);
  if (crwt.empty()) crwt.assign(ncr, 1.0);
  m->dmwt = heapWeights(dmwt);
  m->crwt = heapWeights(crwt);
  return m;
}

// A set-up frame with its ranking rows filled as the caller does before a run.
inline Frame setUpFrame(uint8_t ndm, uint8_t ncr, uint8_t nch, double cfl, double cfi, uint32_t seed,
                        std::vector<double> dmwt = {}, std::vector<double> crwt = {}) {
  Frame m = fillFrame(ndm, ncr, nch, cfl, cfi, seed, std::move(dmwt), std::move(crwt));
  model_init(m.get());
  for (unsigned k = 0; k < nch; ++k) {
    m->solution.ranking[k].row = static_cast<uint8_t>(k + 1);
    m->solution.ranking[k].ch_id = 1000 + k;
  }
  return m;
}

// Sets every score of every criterion to one value K.
inline void scoreAll(model* m, uint8_t K) {
  for (unsigned cr = 0; cr < m->ncr; ++cr)
    for (uint32_t k = 0; k < static_cast<uint32_t>(m->ndm) * m->npr; ++k)
      model_set_packed_score(m->pd[cr].scores, k, K);
}

// A progress callback that never cancels a run.
inline int keepGoing(alg_state*) { return 0; }

// Every score of a frame drawn from a seeded stream.
inline void scoreRandomly(model* m, uint32_t seed) {
  rng_next(seed);
  for (unsigned cr = 0; cr < m->ncr; ++cr)
    for (uint32_t k = 0; k < static_cast<uint32_t>(m->ndm) * m->npr; ++k)
      model_set_packed_score(m->pd[cr].scores, k, static_cast<uint8_t>(3 + rng_next(0) % 11));
}

}  // namespace mathtest
