#include "framework/grid/zTablePages.h"

#include <algorithm>

zRect zTablePage::cellRect(zTableCellPos pos) const {
  if (!range.contains(pos)) return zRect(0, 0, 0, 0);
  size_t c = pos.column - range.start.column, r = pos.row - range.start.row;
  return zRect(columnX[c], rowY[r], columnX[c + 1], rowY[r + 1]);
}

zTableCellRange zTablePages::clampRange(const zTableCellRange& range, uint32_t columns, uint32_t rows) {
  zTableCellRange r = range;
  r.end.column = std::min(r.end.column, columns);
  r.end.row = std::min(r.end.row, rows);
  if (r.start.row > r.end.row) r.start.row = r.end.row;
  if (r.start.column > r.end.column) r.start.column = r.end.column;
  return r;
}

bool zTablePages::empty() const {
  const zTableCellRange& p = setup_.printRange;
  return p.start.column < 1 || p.start.row < 1 || !p.isValid();
}

void zTablePages::layLine(const zTableSizeTable& sizes, double scale, uint32_t first, uint32_t last, int32_t origin,
                          int32_t extent, std::vector<int32_t>& positions, uint32_t& lastWhole) const {
  positions.clear();
  int64_t x = origin;
  lastWhole = first;
  uint32_t end = static_cast<uint32_t>(std::min<uint64_t>(static_cast<uint64_t>(first) + kMaxLines - 1, last));
  for (uint32_t i = first; i <= end; ++i) {
    positions.push_back(static_cast<int32_t>(x));
    x += static_cast<int64_t>(sizes.size(i) * scale);
    if (x > extent) break;
    lastWhole = i;
  }
  positions.push_back(static_cast<int32_t>(std::min<int64_t>(x, INT32_MAX)));
  // Only the whole lines stay (the first one always).
  positions.resize(lastWhole - first + 2);
}

zTablePage zTablePages::layoutFrom(zTableCellPos first) const {
  zTablePage page;
  page.rowHeaders = setup_.rowHeaders && (setup_.repeatRowHeaders || first.column == 1);
  page.columnHeaders = setup_.columnHeaders && (setup_.repeatColumnHeaders || first.row == 1);
  page.headerWidth = page.rowHeaders ? static_cast<int32_t>(setup_.headerSize.width() * setup_.horzScale) : 0;
  page.headerHeight = page.columnHeaders ? static_cast<int32_t>(setup_.headerSize.height() * setup_.vertScale) : 0;
  uint32_t lastColumn = first.column, lastRow = first.row;
  layLine(widths_, setup_.horzScale, first.column, setup_.printRange.end.column, page.headerWidth, setup_.pageWidth,
          page.columnX, lastColumn);
  layLine(heights_, setup_.vertScale, first.row, setup_.printRange.end.row, page.headerHeight, setup_.pageHeight,
          page.rowY, lastRow);
  page.range = zTableCellRange(first.column, first.row, lastColumn, lastRow);
  return page;
}

bool zTablePages::nextPage(zTablePage& page, bool first) const {
  const zTableCellRange& p = setup_.printRange;
  zTableCellPos start = p.start;
  if (!first) {
    const zTableCellRange& prev = page.range;
    if (setup_.downFirst) {
      start = zTableCellPos(prev.start.column, prev.end.row + 1);
      if (start.row > p.end.row) start = zTableCellPos(prev.end.column + 1, p.start.row);
    } else {
      start = zTableCellPos(prev.end.column + 1, prev.start.row);
      if (start.column > p.end.column) start = zTableCellPos(p.start.column, prev.end.row + 1);
    }
  }
  page = layoutFrom(start);
  return page.range.end.column < p.end.column || page.range.end.row < p.end.row;
}

uint32_t zTablePages::pageCount() const {
  if (empty()) return 0;
  zTablePage page;
  uint32_t n = 1;
  for (bool more = nextPage(page, true); more; more = nextPage(page, false)) ++n;
  return n;
}

zTablePage zTablePages::page(uint32_t n) const {
  zTablePage page;
  if (empty()) return page;
  bool more = nextPage(page, true);
  for (uint32_t k = 2; k <= n && more; ++k) more = nextPage(page, false);
  return page;
}
