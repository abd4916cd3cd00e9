// Positions and rectangles of cells, shared by the grid's models, cells, attributes and
// views; and the growable array the models and the geometry keep their pointers and pages
// in. Window-free.
//
// Columns and rows count from 1; 0 means "no cell". Every interface takes the column first.
// The growable array never writes outside its storage: when it cannot grow (allocation
// refused, or an index beyond its limit) a read gives the default and a write is dropped
// and reported, so a failed growth cannot corrupt the array's default.
#pragma once

#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

struct zTableCellPos {
  uint32_t column = 0;
  uint32_t row = 0;

  zTableCellPos() = default;
  zTableCellPos(uint32_t c, uint32_t r) : column(c), row(r) {}
  bool operator==(const zTableCellPos& o) const { return column == o.column && row == o.row; }
  bool operator!=(const zTableCellPos& o) const { return !(*this == o); }
};

struct zTableCellRange {
  zTableCellPos start;
  zTableCellPos end;

  zTableCellRange() = default;
  zTableCellRange(zTableCellPos s, zTableCellPos e) : start(s), end(e) {}
  zTableCellRange(uint32_t c1, uint32_t r1, uint32_t c2, uint32_t r2) : start(c1, r1), end(c2, r2) {}

  bool isValid() const { return start.column <= end.column && start.row <= end.row; }
  bool contains(zTableCellPos p) const {
    return start.column <= p.column && p.column <= end.column && start.row <= p.row && p.row <= end.row;
  }
  bool operator==(const zTableCellRange& o) const { return start == o.start && end == o.end; }
  bool operator!=(const zTableCellRange& o) const { return !(*this == o); }
};

// A growable array of plain values (pointers, sizes). Reads past the count give the
// default without growing; writes grow the array to the larger of count + step and
// index + 1, filling new entries with the default.
template <typename T>
class zTableDynaArray {
 public:
  // No array grows beyond this many entries: a larger index is treated as an allocation
  // that failed (16M entries is far beyond any grid the program shows).
  static constexpr uint32_t kMaxEntries = 1u << 24;

  explicit zTableDynaArray(uint32_t step = 1, T def = T()) : step_(step ? step : 1), default_(def) {}
  ~zTableDynaArray() { delete[] data_; }
  zTableDynaArray(const zTableDynaArray&) = delete;
  zTableDynaArray& operator=(const zTableDynaArray&) = delete;

  uint32_t count() const { return count_; }
  T defaultValue() const { return default_; }
  T get(uint32_t i) const { return i < count_ ? data_[i] : default_; }
  T operator[](uint32_t i) const { return get(i); }

  // False when the array could not grow to hold index i: nothing is stored.
  bool set(uint32_t i, T value) {
    if (i >= count_ && !grow(i)) return false;
    data_[i] = value;
    return true;
  }

  // Exchanges the contents (entries, step and default) of two arrays.
  void swap(zTableDynaArray& other) {
    std::swap(count_, other.count_);
    std::swap(step_, other.step_);
    std::swap(default_, other.default_);
    std::swap(data_, other.data_);
  }

  // Moves entries [from, count) one place towards the front (entry i takes entry i+1),
  // the last entry becoming the default. Entries before from are untouched.
  void shiftDown(uint32_t from) {
    if (from >= count_) return;
    for (uint32_t i = from; i + 1 < count_; ++i) data_[i] = data_[i + 1];
    data_[count_ - 1] = default_;
  }

 private:
  bool grow(uint32_t i) {
    if (i >= kMaxEntries) return false;
    uint64_t wanted = static_cast<uint64_t>(count_) + step_;
    if (wanted < static_cast<uint64_t>(i) + 1) wanted = static_cast<uint64_t>(i) + 1;
    if (wanted > kMaxEntries) wanted = kMaxEntries;
    T* fresh = new (std::nothrow) T[static_cast<size_t>(wanted)];
    if (!fresh) return false;
    for (uint32_t k = 0; k < count_; ++k) fresh[k] = data_[k];
    for (uint64_t k = count_; k < wanted; ++k) fresh[k] = default_;
    delete[] data_;
    data_ = fresh;
    count_ = static_cast<uint32_t>(wanted);
    return true;
  }

  uint32_t count_ = 0;
  uint32_t step_;
  T default_;
  T* data_ = nullptr;
};
