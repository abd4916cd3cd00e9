#include "framework/format/zBitVector.h"

#include <cstring>

zBitVector::zBitVector(uint32_t bits) : bits_((bits | 7u) + 1u), bytes_(new uint8_t[bits_ / 8]()) {}

zBitVector::zBitVector(const zBitVector& other) : bits_(other.bits_), bytes_(new uint8_t[bits_ / 8]) {
  std::memcpy(bytes_, other.bytes_, bits_ / 8);
}

zBitVector& zBitVector::operator=(const zBitVector& other) {
  if (this != &other) {
    uint8_t* copy = new uint8_t[other.bits_ / 8];
    std::memcpy(copy, other.bytes_, other.bits_ / 8);
    delete[] bytes_;
    bytes_ = copy;
    bits_ = other.bits_;
  }
  return *this;
}

zBitVector::~zBitVector() { delete[] bytes_; }

bool zBitVector::test(uint32_t i) const { return i < bits_ && (bytes_[i / 8] >> (i % 8) & 1u) != 0; }

void zBitVector::set(uint32_t i) {
  if (i < bits_) bytes_[i / 8] = static_cast<uint8_t>(bytes_[i / 8] | 1u << (i % 8));
}

void zBitVector::clear(uint32_t i) {
  if (i < bits_) bytes_[i / 8] = static_cast<uint8_t>(bytes_[i / 8] & ~(1u << (i % 8)));
}
