#include "framework/grid/zTableLayout.h"

#include <algorithm>

void zTableLayout::measure(int32_t textWidth, int32_t textHeight) {
  ready_ = true;
  defaultCell_ = zDimension(textWidth + 5, textHeight + 5);
  widths_.setDefaultSize(static_cast<uint32_t>(std::max(0, defaultCell_.width())));
  heights_.setDefaultSize(static_cast<uint32_t>(std::max(0, defaultCell_.height())));
  if (headerSize_ == zDimension(0, 0)) headerSize_ = zDimension(defaultCell_.width() - 10, defaultCell_.height() + 5);
}

uint32_t zTableLayout::fitCount(const zTableSizeTable& sizes, uint32_t count, int32_t avail) const {
  uint32_t added = 0;
  int64_t sum = 0;
  for (uint32_t i = count; i >= 1; --i) {
    sum += sizes.size(i);
    if (sum > avail) break;
    ++added;
  }
  return added > 0 ? added - 1 : 0;
}

uint32_t zTableLayout::trailingColumnsFit() const { return fitCount(widths_, columns_, clientWidth_ - originX()); }

uint32_t zTableLayout::trailingRowsFit() const { return fitCount(heights_, rows_, clientHeight_ - originY()); }

uint32_t zTableLayout::layLine(const zTableSizeTable& sizes, uint32_t first, uint32_t count, int32_t origin,
                               int32_t extent, int32_t* positions) const {
  int64_t x = origin;
  positions[1] = origin;
  if (count == 0 || first > count) return 0;
  uint32_t last = std::min<uint64_t>(static_cast<uint64_t>(first) + kMaxLaidOut - 1, count);
  uint32_t k = 1;
  for (uint32_t c = first; c <= last; ++c, ++k) {
    positions[k] = static_cast<int32_t>(x);
    x += sizes.size(c);
    if (x > extent) {
      positions[k + 1] = static_cast<int32_t>(x);
      return k;
    }
  }
  positions[k] = static_cast<int32_t>(x);
  return last - first + 1;
}

bool zTableLayout::relayout() {
  bool lowered = false;
  uint32_t fitC = trailingColumnsFit();
  uint32_t maxFirstC = columns_ > fitC ? columns_ - fitC : 1;
  if (firstColumn_ > maxFirstC) {
    firstColumn_ = maxFirstC;
    lowered = true;
  }
  uint32_t fitR = trailingRowsFit();
  uint32_t maxFirstR = rows_ > fitR ? rows_ - fitR : 1;
  if (firstRow_ > maxFirstR) {
    firstRow_ = maxFirstR;
    lowered = true;
  }
  visibleColumns_ = layLine(widths_, firstColumn_, columns_, originX(), clientWidth_, colPos_);
  visibleRows_ = layLine(heights_, firstRow_, rows_, originY(), clientHeight_, rowPos_);
  visible_ = cellRangeAt(zRect(0, 0, clientWidth_, clientHeight_));
  return lowered;
}

uint32_t zTableLayout::edgeIndex(const int32_t* positions, uint32_t laidOut, int32_t edge) const {
  for (uint32_t k = 1; k <= laidOut + 1; ++k) {
    if (positions[k] == edge) return k;
    if (positions[k] > edge) return k - 1;
  }
  return edge > positions[laidOut + 1] ? laidOut + 1 : laidOut;
}

zTableCellRange zTableLayout::cellRangeAt(const zRect& rect) const {
  int32_t l = rect.left(), r = rect.right(), t = rect.top(), b = rect.bottom();
  if (headersShown_) {
    l = std::max(l, originX());
    r = std::max(r, originX());
    t = std::max(t, originY());
    b = std::max(b, originY());
  }
  zTableCellRange out;
  out.start.column = edgeIndex(colPos_, visibleColumns_, l) + firstColumn_ - 1;
  out.end.column = edgeIndex(colPos_, visibleColumns_, r) + firstColumn_ - 1;
  out.start.row = edgeIndex(rowPos_, visibleRows_, t) + firstRow_ - 1;
  out.end.row = edgeIndex(rowPos_, visibleRows_, b) + firstRow_ - 1;
  return out;
}

int32_t zTableLayout::columnLeft(uint32_t column) const {
  if (column < firstColumn_ || column > firstColumn_ + visibleColumns_) return 0;
  return colPos_[column - firstColumn_ + 1];
}

int32_t zTableLayout::rowTop(uint32_t row) const {
  if (row < firstRow_ || row > firstRow_ + visibleRows_) return 0;
  return rowPos_[row - firstRow_ + 1];
}

zRect zTableLayout::cellRect(zTableCellPos pos) const {
  int32_t left = columnLeft(pos.column);
  int32_t top = rowTop(pos.row);
  return zRect(left, top, left + static_cast<int32_t>(columnWidth(pos.column)),
               top + static_cast<int32_t>(rowHeight(pos.row)));
}

int zTableLayout::headerHit(zPoint p, uint32_t& index, uint32_t& area) const {
  if (!headersShown_) return zTableHitNone;
  int32_t hw = headerSize_.width(), hh = headerSize_.height();
  if (p.x() < hw && p.y() < hh) {
    area = zTableHeaderCorner;
    index = 0;
    return zTableHitHeader;
  }
  if (p.x() < hw && p.y() <= clientHeight_) {
    area = zTableHeaderRows;
    uint32_t row = cellRangeAt(zRect(p.x(), p.y(), p.x(), p.y())).start.row;
    if (row > rows_ || row < firstRow_ || row >= firstRow_ + visibleRows_ || p.y() > rowPos_[visibleRows_ + 1])
      return zTableHitNone;
    int32_t bottom = rowTop(row) + static_cast<int32_t>(rowHeight(row));
    index = row;
    if (p.y() < bottom - tolerance_ + 1) return zTableHitHeader;
    if (p.y() <= bottom) return zTableHitResize;
    return zTableHitNone;
  }
  if (p.y() < hh && p.x() <= clientWidth_) {
    area = zTableHeaderColumns;
    uint32_t column = cellRangeAt(zRect(p.x(), p.y(), p.x(), p.y())).start.column;
    if (column < firstColumn_ || column >= firstColumn_ + visibleColumns_) return zTableHitNone;
    int32_t right = columnLeft(column) + static_cast<int32_t>(columnWidth(column));
    index = column;
    if (p.x() < right - tolerance_ + 1) return zTableHitHeader;
    if (p.x() <= right) return zTableHitResize;
    return zTableHitNone;
  }
  return zTableHitNone;
}

uint32_t zTableLayout::scrollShift(uint32_t count) {
  if (count < 32768) return 0;
  for (uint32_t s = 1; s <= 16; ++s)
    if ((count >> s) <= 32766) return s;
  return 16;
}

uint32_t zTableLayout::scrollRangeMax(uint32_t count, uint32_t fit) {
  uint32_t s = scrollShift(count);
  uint32_t rest = count > fit ? count - fit : 0;
  if (s == 0) return std::max<uint32_t>(1, rest);
  return (rest >> s) + (fit >> s);
}

uint32_t zTableLayout::pageBack(const zTableSizeTable& sizes, uint32_t start, int32_t avail) {
  int64_t sum = 0;
  for (uint32_t k = start; k > 1; --k) {
    sum += sizes.size(k);
    if (sum >= avail) return k == start ? k - 1 : k;
  }
  return 1;
}

uint32_t zTableLayout::pageBackColumn() const {
  return pageBack(widths_, visible_.start.column, clientWidth_ - originX());
}

uint32_t zTableLayout::pageBackRow() const { return pageBack(heights_, visible_.start.row, clientHeight_ - originY()); }

uint32_t zTableLayout::pageOnColumn() const {
  uint32_t next = std::max(visible_.end.column, firstColumn_ + 1);
  return std::max<uint32_t>(1, std::min(next, columns_));
}

uint32_t zTableLayout::pageOnRow() const {
  uint32_t next = std::max(visible_.end.row, firstRow_ + 1);
  return std::max<uint32_t>(1, std::min(next, rows_));
}

uint32_t zTableLayout::firstFromThumb(int32_t pos, uint32_t shift) {
  if (pos < 1) return 1;
  uint64_t first = (static_cast<uint64_t>(pos - 1) << shift) + 1;
  return first > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(first);
}

int32_t zTableLayout::thumbFromFirst(uint32_t first, uint32_t shift) {
  if (first < 1) return 1;
  return static_cast<int32_t>(((first - 1) >> shift) + 1);
}

void zTableLayout::takeSettings(zTableLayout& other) {
  ready_ = other.ready_;
  headersShown_ = other.headersShown_;
  headerSize_ = other.headerSize_;
  defaultCell_ = other.defaultCell_;
  firstColumn_ = other.firstColumn_;
  firstRow_ = other.firstRow_;
  tolerance_ = other.tolerance_;
  widths_.swap(other.widths_);
  heights_.swap(other.heights_);
}
