// The model frame of the numerical core: one plain structure with the counts, weights,
// confidence settings, one random pair sample and one packed score array per
// criterion, and the solution ranking; and the plain functions that set it up, seed
// its pair samples, test it and run a solver on it.
//
// Memory: the text and weight arrays a caller hands to the frame, and every array the
// frame allocates, come from the C heap (malloc/calloc) and are freed by model_free.
#pragma once

#include <cstdint>

// Limits of the numerical core.
constexpr unsigned MAX_DECISION_MAKERS = 54;
constexpr unsigned MAX_CRITERIA = 56;
constexpr unsigned MAX_CHOICES = 254;
constexpr unsigned MAX_PAIRS = 32131;  // every unordered pair of 254 choices

// Results of a run.
enum {
  MODEL_START = 1,
  MODEL_RUNNING = 2,
  MODEL_COMPLETED = 3,
  MODEL_EXCEEDED_MAX_ITERATIONS = 4,
  MODEL_ERROR = 5,
  MODEL_CANCELED = 6,
  MODEL_INCOMPLETE = 7
};

// One drawn pair: 0-based choice indices, i the first choice, j the second.
struct MCDM_BC3_Pair {
  uint16_t i;
  uint16_t j;
};

// Criterion sample descriptor: the seed stored with a criterion (0 when none).
struct csd {
  uint32_t uid;
  uint32_t seed;
};

// Per criterion: the seed its pairs were drawn from, the npr pairs and the packed
// scores. Score value number k = dm * npr + pair is a 4-bit K = score + 8 in byte k / 2,
// the high nibble when k is even; K from 3 to 13 is a score, anything else unscored.
struct pair_data {
  uint32_t seed;
  MCDM_BC3_Pair* pairs;
  uint8_t* scores;
};

// One row of the ranking.
struct ranking_row {
  uint8_t row;     // 1-based, non-zero and distinct
  uint32_t ch_id;  // unique id of the choice, non-zero
  double pctrank;  // percentage rank; 50.0 after set-up
};

struct model_solution {
  ranking_row* ranking;  // nch rows, owned
  uint16_t count;        // number of rows
  uint16_t iterations;   // objective evaluations of the last solve
};

struct model {
  char* name;     // owned
  char* descr;    // owned
  uint8_t ndm;    // decision makers, 1 to 54
  uint8_t ncr;    // criteria, 1 to 56
  uint8_t nch;    // choices, 2 to 254
  uint16_t npr;   // pairs per criterion, set by model_init
  uint32_t seed;  // the model's seed; 0 lets model_init make one
  double* dmwt;   // ndm decision-maker weights, owned; normalised to sum 100
  double* crwt;   // ncr criterion weights, owned; normalised to sum 100
  double cfl;     // confidence level, percent
  double cfi;     // confidence interval, percent
  csd* csds;      // ncr stored seeds by criterion position, not owned, may be null
  pair_data* pd;  // ncr records, owned
  model_solution solution;
};

// The record handed to the application callback while a solve runs.
struct alg_state {
  model_solution* solution;
  uint16_t choice;  // the choice whose move was accepted, or 0xFFFF after a sweep
  uint16_t phase;
  uint16_t reserved;  // kept at 0
};

// Phases reported to the callback (the solver reports ITERATING_PAIRS).
enum { STARTING_MODEL = 1, VERIFYING_MODEL = 2, ITERATING_PAIRS = 3, CONVERGING = 4, FINDING_MINIMA = 5 };

// The application callback: 1 stops the solve, anything else continues.
typedef int (*alg_callback)(alg_state* state);
// A solver over the frame: returns a result code.
typedef int (*model_solver)(model* model, alg_callback acf);

// Seeding of the pair samples.
void model_set_fixed_seed(uint32_t seed);
void model_use_fixed_seed(int flag);
uint32_t model_new_seed();
int model_seed_is_new(const model* model, uint32_t seed);
void model_pick_seed(uint32_t* seedvar, model* model, uint8_t icr);

// Scales the weights to a sum of 100; all-zero weights stay 0. The set-up scales
// the frame's weights so, and so does every later change of them.
void model_normalise_weights(double* wt, unsigned count);

// Set-up and lifetime.
void model_init(model* model);
pair_data* model_alloc_pair_data(uint8_t ncr);
void model_make_pair_data(pair_data* pd, uint8_t nch, uint16_t npr, uint32_t seed);
void model_alloc_ranking(model_solution* solution, unsigned choice_count);
void model_free(model* model);

// Completeness test and run.
int model_is_complete(const model* m);
int model_run(model* model, model_solver function, alg_callback acf);

// Packed score access: value number k = dm * npr + pair of one criterion, in byte k / 2,
// the high nibble when k is even.
inline uint8_t model_get_packed_score(const uint8_t* scores, uint32_t k) {
  const uint8_t byte = scores[k / 2];
  return k % 2 == 0 ? static_cast<uint8_t>(byte >> 4) : static_cast<uint8_t>(byte & 0x0F);
}

inline void model_set_packed_score(uint8_t* scores, uint32_t k, uint8_t K) {
  uint8_t& byte = scores[k / 2];
  if (k % 2 == 0)
    byte = static_cast<uint8_t>((byte & 0x0F) | ((K & 0x0F) << 4));
  else
    byte = static_cast<uint8_t>((byte & 0xF0) | (K & 0x0F));
}
