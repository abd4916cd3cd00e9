// Limits of the decision model's records. Lengths count bytes of the narrow text
// (model files hold 7-bit text only, so bytes and characters coincide).
#pragma once

#include <cstddef>
#include <cstdint>

// The most entries of each list a decision model holds: what its file carries and
// what the mathematics takes. The model file, the model check and the editors'
// advice all use these.
inline constexpr uint32_t PV_DATA_MAX_DMS = 5;
inline constexpr uint32_t PV_DATA_MAX_CRS = 7;
inline constexpr uint32_t PV_DATA_MAX_CHS = 10;

inline constexpr std::size_t PV_DATA_NOTES_MAX_BYTES = 240;
inline constexpr std::size_t PV_DATA_NM_MAX_BYTES = 40;
inline constexpr std::size_t PV_DATA_EMAIL_ADDR_MAX_BYTES = 320;
inline constexpr std::size_t PV_DATA_TIMESTAMP_MAX_BYTES = 22;

// A score block: criterion number and seed (4 bytes each, two hexadecimal digits
// per byte), then one score character per pair and decision maker. 45 pairs (every
// pair of 10 choices) for 5 decision makers: 16 + 225 = 241 characters.
inline constexpr std::size_t PV_DATA_CR_ID_NUM_BYTES = 4;
inline constexpr std::size_t PV_DATA_CR_SEED_NUM_BYTES = 4;
inline constexpr std::size_t PV_DATA_CH_MAX_PAIRS_PER_CRITERIA = PV_DATA_MAX_CHS * (PV_DATA_MAX_CHS - 1) / 2;
inline constexpr std::size_t PV_DATA_DM_MAX_ROWS = PV_DATA_MAX_DMS;
inline constexpr std::size_t PV_DATA_SCORE_MAX_BYTES = (2 * PV_DATA_CR_ID_NUM_BYTES) + (2 * PV_DATA_CR_SEED_NUM_BYTES) +
                                                       (PV_DATA_CH_MAX_PAIRS_PER_CRITERIA * PV_DATA_DM_MAX_ROWS);
static_assert(PV_DATA_SCORE_MAX_BYTES == 241, "score block limit");
