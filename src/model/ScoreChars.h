// The alphabet of score characters, shared by the pair sets, the score blocks and
// the checks of stored blocks. A score s (-5 .. +5) is the hexadecimal digit of
// s + 8; '0' is an unscored pair, 'E' a score exceeded by a lowered scale.
#pragma once

#include <cstdint>

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
  return c == '0' || ('3' <= c && c <= '9') || ('A' <= c && c <= 'D') || ('a' <= c && c <= 'd') ||
         isExceededChar(c);
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

}  // namespace Math
}  // namespace PV
