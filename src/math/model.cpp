#include "math/model.h"

#include "foundation/Assert.h"
#include "math/mcdm_bc3.h"
#include "math/rng.h"
#include "math/sample_size.h"

#include <cstdlib>
#include <ctime>

namespace {

// Seeding state, shared by the whole process.
uint32_t fixedSeed = 0;
bool useFixedSeed = false;
uint32_t lastClockSeed = 0;

bool allZero(const double* wt, unsigned count) {
  for (unsigned k = 0; k < count; ++k)
    if (wt[k] != 0.0) return false;
  return true;
}

}  // namespace

void model_set_fixed_seed(uint32_t seed) { fixedSeed = seed; }

void model_use_fixed_seed(int flag) { useFixedSeed = flag != 0; }

uint32_t model_new_seed() {
  if (useFixedSeed) return fixedSeed;
  const std::time_t now = std::time(nullptr);
  const long long currentTime = now == static_cast<std::time_t>(-1) ? -1 : static_cast<long long>(now);
  PV_ASSERT(currentTime != -1);
  uint32_t seed = rng_next(static_cast<uint32_t>(currentTime) + lastClockSeed);
  // A zero would mean "no seed"; the stream continues to the next number instead.
  while (seed == 0) seed = rng_next(0);
  lastClockSeed = seed;
  PV_ASSERT(seed != 0);
  return seed;
}

int model_seed_is_new(const model* model, uint32_t seed) {
  for (unsigned k = 0; k < model->ncr; ++k)
    if (model->csds[k].seed == seed) return 0;
  return 1;
}

void model_pick_seed(uint32_t* seedvar, model* model, uint8_t icr) {
  if (model->csds != NULL && model->csds[icr].seed != 0) {
    *seedvar = model->csds[icr].seed;
  } else {
    // The chain: the first number of the generator seeded with the previous seed. A
    // zero (which would read as "no seed") draws again from the continued stream.
    do {
      *seedvar = rng_next(*seedvar);
    } while (*seedvar == 0 || (model->csds != NULL && !model_seed_is_new(model, *seedvar)));
  }
  PV_ASSERT(*seedvar != 0);
  if (model->csds != NULL && model->csds[icr].seed == 0) model->csds[icr].seed = *seedvar;
  model->pd[icr].seed = *seedvar;
}

pair_data* model_alloc_pair_data(uint8_t ncr) {
  pair_data* head = static_cast<pair_data*>(std::calloc(ncr, sizeof(pair_data)));
  PV_ASSERT(head != 0);
  return head;
}

void model_make_pair_data(pair_data* pd, uint8_t nch, uint16_t npr, uint32_t seed) {
  PV_ASSERT(pd != 0);
  pd->pairs = mcdm_bc3_alloc_pairs(npr);
  PV_ASSERT(pd->pairs != 0);
  rng_next(seed);
  const int drawn = mcdm_bc3_make_random_pairs(pd, nch, npr);
  PV_ASSERT(drawn == 1);
}

void model_alloc_ranking(model_solution* solution, unsigned choice_count) {
  PV_ASSERT(choice_count < (unsigned short)~0x00);
  PV_ASSERT(solution->ranking == 0);
  solution->ranking = static_cast<ranking_row*>(std::calloc(choice_count, sizeof(ranking_row)));
  PV_ASSERT(solution->ranking != NULL);
  for (unsigned k = 0; k < choice_count; ++k) solution->ranking[k].pctrank = 50.0;
  solution->count = static_cast<uint16_t>(choice_count);
}

void model_normalise_weights(double* wt, unsigned count) {
  double sum = 0.0;
  for (unsigned k = 0; k < count; ++k) sum += wt[k];
  if (sum == 0.0) sum = 100.0;
  for (unsigned k = 0; k < count; ++k) wt[k] = (100.0 / sum) * wt[k];
}

void model_init(model* model) {
  PV_ASSERT(model != 0);
  PV_ASSERT(model->ndm > 0 && model->ndm <= MAX_DECISION_MAKERS);
  PV_ASSERT(model->ncr > 0 && model->ncr <= MAX_CRITERIA);
  PV_ASSERT(model->nch > 1 && model->nch <= MAX_CHOICES);
  PV_ASSERT(model->cfl != 0);
  PV_ASSERT(model->cfl <= 100.0);
  PV_ASSERT(model->cfi >= 0);
  PV_ASSERT(model->cfi <= 50.0);
  PV_ASSERT(model->dmwt != 0);
  PV_ASSERT(model->crwt != 0);

  model_normalise_weights(model->dmwt, model->ndm);
  model_normalise_weights(model->crwt, model->ncr);

  model->pd = model_alloc_pair_data(model->ncr);
  if (model->seed == 0) model->seed = model_new_seed();
  model->npr = pd_sample_pairs(model->cfl, model->cfi, model->nch, 50.0);
  PV_ASSERT(model->npr > 0 && model->npr <= MAX_PAIRS);

  uint32_t seedvar = model->seed;
  const uint32_t scoreBytes = (static_cast<uint32_t>(model->ndm) * model->npr + 1) / 2;
  for (uint8_t icr = 0; icr < model->ncr; ++icr) {
    model_pick_seed(&seedvar, model, icr);
    model_make_pair_data(&model->pd[icr], model->nch, model->npr, model->pd[icr].seed);
    model->pd[icr].scores = mcdm_bc3_alloc_scores(scoreBytes);
  }
  model_alloc_ranking(&model->solution, model->nch);
}

void model_free(model* model) {
  if (model == 0) return;
  std::free(model->name);
  std::free(model->descr);
  std::free(model->dmwt);
  std::free(model->crwt);
  model->name = model->descr = nullptr;
  model->dmwt = model->crwt = nullptr;
  if (model->pd != 0) {
    for (unsigned icr = 0; icr < model->ncr; ++icr) {
      mcdm_bc3_free_pairs(model->pd[icr].pairs);
      mcdm_bc3_free_scores(model->pd[icr].scores);
    }
    std::free(model->pd);
    model->pd = nullptr;
  }
  std::free(model->solution.ranking);
  model->solution.ranking = nullptr;
  model->solution.count = 0;
}

int model_is_complete(const model* m) {
  PV_ASSERT(m != NULL);
  PV_ASSERT(m->ndm != 0);
  PV_ASSERT(m->ncr != 0);
  PV_ASSERT(m->nch != 0);
  PV_ASSERT(m->npr != 0);
  PV_ASSERT(m->dmwt != NULL);
  PV_ASSERT(m->crwt != NULL);
  PV_ASSERT(m->pd != NULL);  // a frame that was never set up
  PV_ASSERT(m->pd[0].pairs != NULL);
  PV_ASSERT(m->pd[0].scores != NULL);
  PV_ASSERT(m->pd[m->ncr - 1].pairs != NULL);
  PV_ASSERT(m->pd[m->ncr - 1].scores != NULL);
  return 1;
}

int model_run(model* model, model_solver function, alg_callback acf) {
  PV_ASSERT(model != NULL);
  PV_ASSERT(function != NULL);
  PV_ASSERT(acf != NULL);
  if (model_is_complete(model) == 0) return MODEL_ERROR;
  // With every decision-maker weight or every criterion weight 0 the objective is 0
  // everywhere and any ranking would be a meaningless success: nothing is solved.
  if (allZero(model->dmwt, model->ndm) || allZero(model->crwt, model->ncr)) return MODEL_ERROR;
  model->solution.iterations = 0;
  return function(model, acf);
}
