// Sample size of a criterion's pair sample: enough pairs to estimate a preference
// proportion within the confidence interval at the confidence level, drawn without
// replacement from the finite population of all unordered pairs of choices.
#pragma once

#include <cstdint>

// Number of pairs to draw per criterion. Levels and margins are percentages; the
// callers pass an agreement of 50.0. Preconditions are assertions: the level in
// (0, 100], the margin in [0, 50], the agreement in [50, 100], more than one choice,
// and a level large enough to give a positive sample.
uint16_t pd_sample_pairs(double confidence_level, double margin_of_error, uint32_t number_of_choices,
                         double percentage_agree);

// Companions: the confidence level (percent) that npr pairs achieve for a margin,
// and the margin (percent) that npr pairs achieve at a confidence level.
double pd_sample_confidence(double cfi, uint32_t nch, uint32_t npr, double aye);
double pd_sample_interval(double cfl, uint32_t nch, uint32_t npr, double aye);
