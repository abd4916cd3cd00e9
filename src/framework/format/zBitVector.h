// A fixed set of bits: bit i is bit (i mod 8) of byte (i div 8). Made for n bits it holds
// (n | 7) + 1, one byte more than needed when n is already a multiple of 8. Bits outside
// the vector read as clear and cannot be set.
#pragma once

#include <cstdint>

class zBitVector {
 public:
  explicit zBitVector(uint32_t bits);
  zBitVector(const zBitVector& other);
  zBitVector& operator=(const zBitVector& other);
  ~zBitVector();

  uint32_t size() const { return bits_; }
  bool test(uint32_t i) const;
  void set(uint32_t i);
  void clear(uint32_t i);

 private:
  uint32_t bits_;
  uint8_t* bytes_;
};
