// Objective, solver and ranking of the numerical core.
//
// Each choice gets a scale value in [1, 100]; a pair scored with strength k says the
// preferred choice should weigh about 1.6^k times the other. The solver, a pattern
// search of the Hooke-Jeeves kind on that box, looks for the scale values that best fit
// all scores at once, weighted by decision makers and criteria; the best values, each
// divided by the largest and times 100, are the percentage ranks.
#pragma once

#include "math/model.h"

#include <cstdint>

// Per solve: for every criterion and choice, the positions of the pairs that hold the
// choice, in pair order, so that the change of one choice visits only its own terms.
struct alg_choice_index;

// The scale vectors of one solve.
struct svs {
  double* svx;              // the current point
  double* svx0;             // the base point of the search
  double* osvx;             // the point to which fbest belongs
  double* ssz;              // the signed step per choice
  double fval;              // objective value of the last evaluation
  double fbase;             // objective value at the base point
  double fbest;             // best objective value of the current exploration
  double fprev;             // objective value at the previous base point
  alg_choice_index* index;  // null: the change of one choice scans every score
};

// The 16 preference ratios indexed by the 4-bit score value K: 1.6^(8 - K) as stored
// (to five significant digits) for K = 3 to 13, 0 otherwise.
const double* alg_pref_ratio_table();

// The whole objective at svx into fval; copies svx into osvx.
void alg_objective(const model* model, svs* svs);
// fval = fbest plus the change, between osvx and svx, of the terms of the pairs that
// hold the choice. Sums in the same order whether or not the index is present.
void alg_objective_choice(const model* model, unsigned choice, svs* svs);

void alg_alloc_scale_vector(svs* sv, unsigned nch);
void alg_free_scale_vector(svs* sv);
// Builds the choice index of the frame into the record (freed with the record).
void alg_index_choices(const model* model, svs* sv);

// Sort order of ranking rows: -1 when the first row comes first (larger percentage
// rank, or equal rank and lower row number), 0 for the same row, 1 otherwise.
int alg_compare_rows(const ranking_row* first, const ranking_row* second);

// The solver: MODEL_COMPLETED, MODEL_EXCEEDED_MAX_ITERATIONS or MODEL_CANCELED, with
// the ranking rows filled and sorted in every case. acf may be null.
int alg_solve(model* model, alg_callback acf);
// The same solver with the change of one choice computed by scanning every pair of
// every criterion: the reference the choice index must agree with, bit for bit.
int alg_solve_unindexed(model* model, alg_callback acf);

// The callback of the built-in demonstration model: stops once the stored number of
// evaluations exceeds 2000.
int app_func(alg_state* state);
