// The score-block format of the model file, shared by the pair sets, the model file
// and the checks of stored blocks. A block is a 16-digit header (the criterion's
// number and its seed, 8 lower-case hexadecimal digits each) followed by one score
// character per pair and decision maker. A score s (-5 .. +5) is the hexadecimal
// digit of s + 8; '0' is an unscored pair, 'E' a score exceeded by a lowered scale.
#pragma once

#include "foundation/TextCodes.h"

#include <cstdint>
#include <string>

namespace PV {
namespace Math {

// The score value of an unscored pair: the code of the blank, not 0 (0 is "no
// preference").
inline constexpr int8_t UNSCORED = 32;
// Largest scale dimension (strength of a preference).
inline constexpr int MAX_SIL = 5;
// Range of the 4-bit values the numerical core takes.
inline constexpr int MIN_K_VALUE = 3;
inline constexpr int MAX_K_VALUE = 13;

inline constexpr bool isExceededChar(char c) { return c == 'E' || c == 'e'; }

// Any character a pair set may hold.
inline constexpr bool isScoreChar(char c) {
  return c == '0' || ('3' <= c && c <= '9') || ('A' <= c && c <= 'D') || ('a' <= c && c <= 'd') || isExceededChar(c);
}

// '0', 'E' and 'e' need scoring.
inline constexpr bool isUnscoredChar(char c) { return c == '0' || isExceededChar(c); }

// The 4-bit value K (3 .. 13) of a scored character; -1 for any other character.
inline constexpr int kValueOfChar(char c) {
  if ('3' <= c && c <= '9') return c - '0';
  if ('A' <= c && c <= 'D') return c - 'A' + 10;
  if ('a' <= c && c <= 'd') return c - 'a' + 10;
  return -1;
}

// The character of score s (-5 .. +5) or of UNSCORED.
inline constexpr char charOfScore(int s, bool upper) {
  if (s == UNSCORED) return '0';
  if (s <= 1) return static_cast<char>('8' + s);
  return static_cast<char>((upper ? 'A' : 'a') + (s - 2));
}

// Header of a score block: criterion number and seed, 8 hexadecimal digits each.
inline constexpr uint32_t ID_LEN = 8;
inline constexpr uint32_t SCORE_BLOCK_HEADER_LEN = ID_LEN + 8;

// Where the two header fields start.
inline constexpr uint32_t BLOCK_NUMBER_AT = 0;
inline constexpr uint32_t BLOCK_SEED_AT = ID_LEN;

// Reads the header field at `at` (BLOCK_NUMBER_AT or BLOCK_SEED_AT): false when the
// block is shorter than the header or the field holds any other character than a
// hexadecimal digit (either case).
inline bool readBlockField(const std::string& block, uint32_t at, uint32_t& value) {
  if (block.size() < SCORE_BLOCK_HEADER_LEN) return false;
  uint32_t v = 0;
  for (uint32_t k = at; k < at + ID_LEN; ++k) {
    const int d = PV::Text::hexDigitValue(block[k]);
    if (d < 0) return false;
    v = (v << 4) | static_cast<uint32_t>(d);
  }
  value = v;
  return true;
}

// The header the system writes: both fields in lower-case digits.
inline std::string blockHeader(uint32_t number, uint32_t seed) {
  static const char digits[] = "0123456789abcdef";
  std::string head(SCORE_BLOCK_HEADER_LEN, '0');
  for (uint32_t k = 0; k < ID_LEN; ++k) {
    const uint32_t shift = 4 * (ID_LEN - 1 - k);
    head[k] = digits[(number >> shift) & 0xF];
    head[ID_LEN + k] = digits[(seed >> shift) & 0xF];
  }
  return head;
}

}  // namespace Math
}  // namespace PV
