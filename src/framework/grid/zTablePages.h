// How a printed grid falls into pages: the cells of a print range, laid out at the
// printer's resolution (the screen's column widths, row heights and header sizes scaled by
// printer pixels per inch over screen pixels per inch, each truncated), page by page,
// down the rows first or across the columns first. A page holds the cells that lie wholly
// inside the page's cell area, and at least one column and one row even when that cell is
// larger than the page. Row headers print on pages that start at column 1 (on every page
// when repeated), column headers on pages that start at row 1 (likewise). Window-free.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/Geometry.h"
#include "framework/grid/zTableSizeTable.h"
#include "framework/grid/zTableTypes.h"

struct zTablePageSetup {
  zTableCellRange printRange;
  bool downFirst = true;  // all pages of a band of columns top to bottom, then the next band
  bool rowHeaders = true;
  bool columnHeaders = true;
  bool repeatRowHeaders = false;
  bool repeatColumnHeaders = false;
  double horzScale = 1.0;
  double vertScale = 1.0;
  zDimension headerSize;  // on the screen
  int32_t pageWidth = 0;  // the page's cell area, printer pixels
  int32_t pageHeight = 0;
};

// One laid-out page: its cells, whether it prints the headers, and the left x of each of
// its columns (top y of each row) followed by the right (bottom) edge of the last one.
struct zTablePage {
  zTableCellRange range;
  bool rowHeaders = false;
  bool columnHeaders = false;
  int32_t headerWidth = 0;
  int32_t headerHeight = 0;
  std::vector<int32_t> columnX;
  std::vector<int32_t> rowY;

  zRect cellRect(zTableCellPos pos) const;
};

class zTablePages {
 public:
  static constexpr uint32_t kMaxLines = 98;  // columns (rows) laid out on one page at most

  // The sizes are the grid's, on the screen; they must outlive this object.
  zTablePages(const zTableSizeTable& widths, const zTableSizeTable& heights, const zTablePageSetup& setup)
      : widths_(widths), heights_(heights), setup_(setup) {}

  // A range clamped to a table: its end to the counts, and a start beyond the end moved to
  // the end.
  static zTableCellRange clampRange(const zTableCellRange& range, uint32_t columns, uint32_t rows);

  const zTablePageSetup& setup() const { return setup_; }
  // The page that starts at a cell.
  zTablePage layoutFrom(zTableCellPos first) const;
  // The page after `page` (the first page when first is set) into page; true while more
  // pages follow it.
  bool nextPage(zTablePage& page, bool first) const;
  // 0 when the print range holds no cell.
  uint32_t pageCount() const;
  // Page n (from 1); the last page for an n beyond it.
  zTablePage page(uint32_t n) const;

 private:
  bool empty() const;
  void layLine(const zTableSizeTable& sizes, double scale, uint32_t first, uint32_t last, int32_t origin,
               int32_t extent, std::vector<int32_t>& positions, uint32_t& lastWhole) const;

  const zTableSizeTable& widths_;
  const zTableSizeTable& heights_;
  zTablePageSetup setup_;
};
