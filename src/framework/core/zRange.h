// A pair of 32-bit integers kept as low and high whatever order they are given in:
// selections (start, end), ranges of identifiers and scroll ranges.
#pragma once

#include <cstdint>

struct zRange {
  zRange() : low_(0), high_(0) {}
  zRange(int32_t a, int32_t b) : low_(a < b ? a : b), high_(a < b ? b : a) {}
  int32_t low() const { return low_; }
  int32_t high() const { return high_; }
  int32_t start() const { return low_; }
  int32_t end() const { return high_; }
  bool isEmpty() const { return low_ == high_; }
  bool operator==(const zRange& o) const { return low_ == o.low_ && high_ == o.high_; }
  bool operator!=(const zRange& o) const { return !(*this == o); }

  int32_t low_;
  int32_t high_;
};
