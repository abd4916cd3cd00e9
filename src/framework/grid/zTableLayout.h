// The geometry of a grid: default cell size, header strips, the sparse row heights and
// column widths, which rows and columns are laid out from the first scrolled ones, where
// each lies, which cells a pixel rectangle meets, header hits with the resize zone, and
// the scroll ranges of very large tables. The grid window owns one and feeds it the
// client size and the text extent of its font; everything here is window-free.
//
// Positions: entry k (from 1) of the column (row) position table is the left x (top y) of
// column (row) first + k - 1; the entry after the last laid-out one holds its right
// (bottom) edge. At most 98 columns and rows are laid out at once.
#pragma once

#include <cstdint>

#include "foundation/Geometry.h"
#include "framework/grid/zTableSizeTable.h"
#include "framework/grid/zTableTypes.h"

enum zTableHeaderPart : uint32_t {
  zTableHeaderRows = 0,
  zTableHeaderColumns = 1,
  zTableHeaderCorner = 2,
};

enum zTableHeaderHit : int {
  zTableHitNone = 0,
  zTableHitHeader = 1,
  zTableHitResize = 2,
};

class zTableLayout {
 public:
  static constexpr uint32_t kPositions = 100;
  static constexpr uint32_t kMaxLaidOut = 98;

  zTableLayout(uint32_t columns, uint32_t rows) : columns_(columns), rows_(rows) {}

  // The text "MMM MMM M" measured in the grid's font: the default cell size is that
  // extent plus 5 each way; a header size still (0, 0) becomes (width - 5, height + 10)
  // of the text.
  void measure(int32_t textWidth, int32_t textHeight);
  bool ready() const { return ready_; }

  void setCounts(uint32_t columns, uint32_t rows) {
    columns_ = columns;
    rows_ = rows;
  }
  uint32_t columnCount() const { return columns_; }
  uint32_t rowCount() const { return rows_; }

  void setClientSize(int32_t width, int32_t height) {
    clientWidth_ = width;
    clientHeight_ = height;
  }
  int32_t clientWidth() const { return clientWidth_; }
  int32_t clientHeight() const { return clientHeight_; }

  bool headersShown() const { return headersShown_; }
  void setHeadersShown(bool shown) { headersShown_ = shown; }
  zDimension headerSize() const { return headerSize_; }
  void setHeaderSize(zDimension size) { headerSize_ = size; }
  // The header strips as laid out: (0, 0) when headers are hidden.
  int32_t originX() const { return headersShown_ ? headerSize_.width() : 0; }
  int32_t originY() const { return headersShown_ ? headerSize_.height() : 0; }
  zDimension defaultCellSize() const { return defaultCell_; }

  zTableSizeTable& columnWidths() { return widths_; }
  zTableSizeTable& rowHeights() { return heights_; }
  uint32_t columnWidth(uint32_t column) const { return widths_.size(column); }
  uint32_t rowHeight(uint32_t row) const { return heights_.size(row); }

  uint32_t firstColumn() const { return firstColumn_; }
  uint32_t firstRow() const { return firstRow_; }
  void setFirst(uint32_t column, uint32_t row) {
    firstColumn_ = column < 1 ? 1 : column;
    firstRow_ = row < 1 ? 1 : row;
  }

  // Takes another layout's settings: header size and shown flag, measured sizes, first
  // column and row, border tolerance, and its row heights and column widths (the other
  // layout is left with this one's). Counts and client size stay.
  void takeSettings(zTableLayout& other);

  // Columns (rows) from the end that fit the client area beside the headers, less one:
  // the first column never goes beyond count - fit.
  uint32_t trailingColumnsFit() const;
  uint32_t trailingRowsFit() const;

  // Lays out from the first column and row; lowers them when the table's end would leave
  // empty space. Returns true when the first column or row was lowered.
  bool relayout();

  uint32_t visibleColumns() const { return visibleColumns_; }
  uint32_t visibleRows() const { return visibleRows_; }
  const zTableCellRange& visibleRange() const { return visible_; }

  // Left x of a laid-out column (top y of a row); 0 outside the laid-out ones.
  int32_t columnLeft(uint32_t column) const;
  int32_t rowTop(uint32_t row) const;
  zRect cellRect(zTableCellPos pos) const;
  zTableCellRange cellRangeAt(const zRect& rect) const;

  // Whether a point lies on a header: area 0 rows, 1 columns, 2 the corner; index the
  // row or column (0 for the corner). Answers zTableHitResize in the border zone.
  int headerHit(zPoint p, uint32_t& index, uint32_t& area) const;
  void setBorderTolerance(int32_t pixels) { tolerance_ = pixels; }
  int32_t borderTolerance() const { return tolerance_; }

  // Paging. A page back starts where the widths (heights) from the visible range's first
  // column (row) leftwards first fill the space beside the headers, and always moves at
  // least one line; a page on starts at the visible range's last column (row), and also
  // moves at least one line when a single line fills the view. Lines count from 1.
  uint32_t pageBackColumn() const;
  uint32_t pageBackRow() const;
  uint32_t pageOnColumn() const;
  uint32_t pageOnRow() const;

  // Scroll bars hold 16-bit positions: from 32768 lines on, positions are divided by
  // 2^shift, the smallest shift (1 to 16) that brings count >> shift to 32766 or less.
  static uint32_t scrollShift(uint32_t count);
  // The top of a scroll range of count lines with fit trailing lines fitting.
  static uint32_t scrollRangeMax(uint32_t count, uint32_t fit);
  // The first line a thumb position stands for, and the thumb position of a first line,
  // for positions divided by 2^shift (each the other's inverse on multiples of 2^shift).
  static uint32_t firstFromThumb(int32_t pos, uint32_t shift);
  static int32_t thumbFromFirst(uint32_t first, uint32_t shift);

 private:
  uint32_t fitCount(const zTableSizeTable& sizes, uint32_t count, int32_t avail) const;
  uint32_t layLine(const zTableSizeTable& sizes, uint32_t first, uint32_t count, int32_t origin, int32_t extent,
                   int32_t* positions) const;
  static uint32_t pageBack(const zTableSizeTable& sizes, uint32_t start, int32_t avail);
  uint32_t edgeIndex(const int32_t* positions, uint32_t laidOut, int32_t edge) const;

  uint32_t columns_;
  uint32_t rows_;
  bool ready_ = false;
  bool headersShown_ = true;
  zDimension headerSize_{0, 0};
  zDimension defaultCell_{0, 0};
  int32_t clientWidth_ = 0;
  int32_t clientHeight_ = 0;
  uint32_t firstColumn_ = 1;
  uint32_t firstRow_ = 1;
  int32_t tolerance_ = 4;
  zTableSizeTable widths_;
  zTableSizeTable heights_;
  int32_t colPos_[kPositions + 1] = {};
  int32_t rowPos_[kPositions + 1] = {};
  uint32_t visibleColumns_ = 0;
  uint32_t visibleRows_ = 0;
  zTableCellRange visible_;
};
