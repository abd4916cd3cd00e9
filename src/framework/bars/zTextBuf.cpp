#include "framework/bars/zTextBuf.h"

#include <algorithm>

zTextBuf::zTextBuf(int32_t rows, int32_t columns)
    : rows_(std::max<int32_t>(1, rows)),
      columns_(std::max<int32_t>(1, columns)),
      first_(0),
      lines_(static_cast<size_t>(rows_), std::string(static_cast<size_t>(columns_), ' ')),
      lengths_(static_cast<size_t>(rows_), 0),
      dirtyLow_(static_cast<size_t>(rows_), noDirtyLow),
      dirtyHigh_(static_cast<size_t>(rows_), 0),
      firstDirty_(rows_),
      lastDirty_(0) {}

void zTextBuf::clampCursor(int32_t& column, int32_t& row) const {
  column = std::clamp<int32_t>(column, 0, columns_ - 1);
  row = std::clamp<int32_t>(row, 0, rows_ - 1);
}

int32_t zTextBuf::store(int32_t column, int32_t row, const char* text, int32_t count) {
  clampCursor(column, row);
  const int32_t n = std::min(std::max<int32_t>(count, 0), columns_ - column);
  std::string& line = lines_[slot(row)];
  for (int32_t i = 0; i < n; ++i) {
    const char c = text[i];
    line[static_cast<size_t>(column + i)] = (c == '\n' || c == '\r') ? ' ' : c;
  }
  int32_t& length = lengths_[slot(row)];
  length = std::max(length, column + n);
  return n;
}

void zTextBuf::write(int32_t& column, int32_t& row, const char* text, zTextRunSink* sink) {
  if (!text) return;
  // The column may stand just past the last one: the line is full, and the next character
  // goes to the start of the next line.
  column = std::clamp<int32_t>(column, 0, columns_);
  row = std::clamp<int32_t>(row, 0, rows_ - 1);
  const char* p = text;
  while (*p) {
    int32_t run = 0;
    while (p[run] && p[run] != '\n') ++run;
    if (run > 0 && column >= columns_) {
      column = 0;
      lineFeed(row, 1, sink);
      continue;
    }
    const int32_t stored = store(column, row, p, std::min(run, columns_ - column));
    if (sink && stored > 0) sink->storedRun(column, row, stored);
    column += stored;
    p += stored;
    if (*p == '\n') {
      ++p;
      column = 0;
      lineFeed(row, 1, sink);
    }
  }
}

void zTextBuf::lineFeed(int32_t& row, int32_t n, zTextRunSink* sink) {
  row += n;
  if (row > rows_ - 1) {
    const int32_t excess = row - (rows_ - 1);
    scroll(excess);
    if (sink) sink->scrolled(std::min(excess, rows_));
    row = rows_ - 1;
  }
  if (row < 0) row = 0;
}

void zTextBuf::scroll(int32_t n) {
  if (n <= 0) return;
  n = std::min(n, rows_);
  for (int32_t r = 0; r < n; ++r) {
    const int32_t s = slot(r);
    lines_[s].assign(static_cast<size_t>(columns_), ' ');
    lengths_[s] = 0;
    dirtyLow_[s] = noDirtyLow;
    dirtyHigh_[s] = 0;
  }
  first_ = (first_ + n) % rows_;
  touchRows(rows_ - n, rows_ - 1);
}

void zTextBuf::clear(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  left = std::clamp<int32_t>(left, 0, columns_);
  right = std::clamp<int32_t>(right, 0, columns_);
  top = std::max<int32_t>(top, 0);
  bottom = std::min<int32_t>(bottom, rows_ - 1);
  if (left >= right || top > bottom) return;
  for (int32_t r = top; r <= bottom; ++r) {
    const int32_t s = slot(r);
    std::fill(lines_[s].begin() + left, lines_[s].begin() + right, ' ');
    dirtyLow_[s] = noDirtyLow;
    dirtyHigh_[s] = 0;
    // Cut at the end of the text: what stays left of the cleared part is still counted.
    if (left < lengths_[s] && right >= lengths_[s]) lengths_[s] = left;
  }
  touchRows(top, bottom);
}

void zTextBuf::markDirty(int32_t row, int32_t low, int32_t high) {
  if (row < 0 || row >= rows_) return;
  const int32_t s = slot(row);
  dirtyLow_[s] = std::min(dirtyLow_[s], std::max<int32_t>(low, 0));
  dirtyHigh_[s] = std::max(dirtyHigh_[s], std::min(high, columns_));
  touchRows(row, row);
}

void zTextBuf::resetDirty(int32_t row) {
  if (row < 0 || row >= rows_) return;
  dirtyLow_[slot(row)] = noDirtyLow;
  dirtyHigh_[slot(row)] = 0;
}

void zTextBuf::touchRows(int32_t first, int32_t last) {
  firstDirty_ = std::min(firstDirty_, first);
  lastDirty_ = std::max(lastDirty_, last);
}
