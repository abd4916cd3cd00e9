// Exact, locale-free text of a double, the same in every build: a hexadecimal float
// with all 13 fraction digits, made from the bits.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace mathtest {

inline std::string hexFloat(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const bool negative = (bits >> 63) != 0;
  const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  uint64_t fraction = bits & 0xFFFFFFFFFFFFFull;
  std::string text = negative ? "-" : "";
  if (exponent == 0x7FF) return text + (fraction != 0 ? "nan" : "inf");
  if (exponent == 0 && fraction == 0) return text + "0x0p+0";
  text += exponent == 0 ? "0x0." : "0x1.";
  static const char digits[] = "0123456789abcdef";
  for (int shift = 48; shift >= 0; shift -= 4) text += digits[(fraction >> shift) & 0xF];
  const int e = exponent == 0 ? -1022 : exponent - 1023;
  text += e < 0 ? "p-" : "p+";
  text += std::to_string(e < 0 ? -e : e);
  return text;
}

}  // namespace mathtest
