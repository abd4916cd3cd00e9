#include "foundation/FixedText.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace PV {
namespace Text {

namespace {

constexpr uint32_t kPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
constexpr int kMostDecimals = 9;
// A double holds every integer below 2^53 exactly.
constexpr uint64_t kExactIntegers = uint64_t(1) << 53;

// Writes the decimal digits of high * 10^8 + low, lowest first, into digits; returns
// their count.
int lowestDigitsFirst(uint32_t high, uint32_t low, char* digits) {
  int n = 0;
  if (high == 0) {
    do {
      digits[n++] = static_cast<char>('0' + low % 10);
      low /= 10;
    } while (low != 0);
    return n;
  }
  for (int i = 0; i < 8; ++i) {
    digits[n++] = static_cast<char>('0' + low % 10);
    low /= 10;
  }
  do {
    digits[n++] = static_cast<char>('0' + high % 10);
    high /= 10;
  } while (high != 0);
  return n;
}

// The value times 10^decimals rounded to an integer, as high * 10^8 + low, when that
// product is exact in a double and below 2^53; false otherwise. The magnitude is finite
// and not negative. The work stays in doubles and 32-bit integers: a 32-bit processor
// converts, divides and shifts 64-bit integers by library calls or several steps.
bool scaledExactly(double magnitude, int decimals, uint32_t* high, uint32_t* low) {
  uint64_t bits = 0;
  std::memcpy(&bits, &magnitude, sizeof bits);
  if (bits != 0) {
    if ((bits >> 52) == 0) return false;  // below the normal range
    const uint64_t significand = (bits & ((uint64_t(1) << 52) - 1)) | (uint64_t(1) << 52);
    const uint64_t odd = significand >> __builtin_ctzll(significand);
    // odd * 10^decimals below 2^53: the product of the two doubles is exact.
    if (odd > (kExactIntegers - 1) / kPowersOfTen[decimals]) return false;
  }
  const double scaled = magnitude * static_cast<double>(kPowersOfTen[decimals]);
  if (!(scaled < static_cast<double>(kExactIntegers))) return false;
  double whole = std::floor(scaled);
  const double fraction = scaled - whole;  // exact: the bits of scaled below its point
  // To the nearest; a tie to the even last digit (whole is even when half of it is whole).
  if (fraction > 0.5 || (fraction == 0.5 && std::floor(whole * 0.5) * 2.0 != whole)) whole += 1.0;
  // whole = high * 10^8 + low in exact steps: the quotient's floor may be one off either way.
  double above = std::floor(whole / 1e8);
  double below = whole - above * 1e8;
  if (below < 0) {
    above -= 1.0;
    below += 1e8;
  } else if (below >= 1e8) {
    above += 1.0;
    below -= 1e8;
  }
  *high = static_cast<uint32_t>(static_cast<int32_t>(above));
  *low = static_cast<uint32_t>(static_cast<int32_t>(below));
  return true;
}

}  // namespace

std::to_chars_result fixedChars(char* first, char* last, double value, int decimals) {
  uint32_t high = 0;
  uint32_t low = 0;
  if (decimals < 0 || decimals > kMostDecimals || !std::isfinite(value) ||
      !scaledExactly(std::fabs(value), decimals, &high, &low)) {
    return std::to_chars(first, last, value, std::chars_format::fixed, decimals);
  }
  char digits[24];
  int n = lowestDigitsFirst(high, low, digits);
  // At least one digit before the point.
  while (n < decimals + 1) digits[n++] = '0';
  // The sign of every negative value, and of a negative zero, as the standard form has it.
  const bool negative = std::signbit(value);
  const std::ptrdiff_t length = (negative ? 1 : 0) + n + (decimals > 0 ? 1 : 0);
  if (last - first < length) return {last, std::errc::value_too_large};
  char* out = first;
  if (negative) *out++ = '-';
  for (int i = n - 1; i >= decimals; --i) *out++ = digits[i];
  if (decimals > 0) {
    *out++ = '.';
    for (int i = decimals - 1; i >= 0; --i) *out++ = digits[i];
  }
  return {out, std::errc()};
}

}  // namespace Text
}  // namespace PV
