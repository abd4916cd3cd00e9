// Random pair drawing of one criterion and the allocators of the core's arrays.
//
// The drawing is replayed from the criterion's stored seed at every set-up and stored
// scores are matched to pairs by position, so the same stream must give the same
// pairs in the same order and orientation: the scan orders and the swap-with-last
// removal below are part of the result.
#pragma once

#include "math/model.h"

#include <cstdint>

constexpr unsigned MAX_NUM_PAIRS = 32131;

// Fills pd->pairs with npr pairs drawn from the generator's current stream (the caller
// has seeded it with the criterion's seed). No unordered pair is drawn twice, the
// choices are spread evenly and each pair's orientation is random. Returns 1 when the
// pairs were drawn, 0 when refused because npr exceeds the nch * (nch - 1) / 2 pairs
// that exist (the pairs are then left untouched).
int mcdm_bc3_make_random_pairs(pair_data* pd, uint32_t choices, uint32_t npr);

MCDM_BC3_Pair* mcdm_bc3_alloc_pairs(uint32_t num_samples);
void mcdm_bc3_free_pairs(MCDM_BC3_Pair* pairs);
uint8_t* mcdm_bc3_alloc_scores(uint32_t num_samples);
void mcdm_bc3_free_scores(uint8_t* scores);
csd* mcdm_bc3_alloc_csds(uint32_t num_csds);
void mcdm_bc3_free_csds(csd* csds);
