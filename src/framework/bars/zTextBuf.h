// The character grid behind a text pane: a ring of line buffers (row 0 lives in the slot
// after the last scroll), with the used length of each line and the range of columns of
// each line that must be painted again. Writing at a cursor wraps at the last column and
// scrolls the grid up by lines when the cursor passes the last row. Nothing here draws:
// the pane is told of each stored run and each scroll through a zTextRunSink.
//
// Every position is clamped to the grid, so no cursor or rectangle can write outside a
// line; line lengths are full-width counts, so any column count is safe.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Told of what a write did, so that the window can show it at once.
class zTextRunSink {
 public:
  virtual ~zTextRunSink() = default;
  // A run of length characters was stored at (column, row).
  virtual void storedRun(int32_t column, int32_t row, int32_t length) = 0;
  // The grid moved up by n lines.
  virtual void scrolled(int32_t n) = 0;
};

class zTextBuf {
 public:
  // The empty dirty range of a line: low above every column, high 0.
  static constexpr int32_t noDirtyLow = 0x7FFF;

  // At least one row and one column.
  zTextBuf(int32_t rows, int32_t columns);

  int32_t rows() const { return rows_; }
  int32_t columns() const { return columns_; }
  // The characters of a row (columns of them, blank where nothing was written).
  const char* line(int32_t row) const { return lines_[slot(row)].data(); }
  std::string rowText(int32_t row) const { return std::string(line(row), static_cast<size_t>(columns_)); }
  int32_t length(int32_t row) const { return lengths_[slot(row)]; }
  int32_t firstLine() const { return first_; }

  // Stores the characters at (column, row), cut at the end of the line; line feeds and
  // carriage returns are stored as blanks. The number stored.
  int32_t store(int32_t column, int32_t row, const char* text, int32_t count);
  // Writes at the cursor: a line feed, or a character that finds the line full, moves the
  // cursor to column 0 of the next row (scrolling on the last row), so long lines wrap. A
  // carriage return is stored as a blank and does not move the cursor. After a write that
  // filled its line exactly, the column stands at columns() until the next character.
  void write(int32_t& column, int32_t& row, const char* text, zTextRunSink* sink);
  // Moves the cursor row down by n, scrolling by the excess past the last row.
  void lineFeed(int32_t& row, int32_t n, zTextRunSink* sink);
  // Blanks the top n lines, which become the last n rows (marked dirty).
  void scroll(int32_t n);
  // Blanks the cells of columns [left, right) in rows top..bottom (clamped to the grid).
  // A line cut inside its text keeps every character left of the cleared part counted.
  void clear(int32_t left, int32_t top, int32_t right, int32_t bottom);

  // Dirty ranges of rows, and the dirty rows (empty when first > last).
  void markDirty(int32_t row, int32_t low, int32_t high);
  int32_t dirtyLow(int32_t row) const { return dirtyLow_[slot(row)]; }
  int32_t dirtyHigh(int32_t row) const { return dirtyHigh_[slot(row)]; }
  bool rowDirty(int32_t row) const { return dirtyLow(row) < dirtyHigh(row); }
  void resetDirty(int32_t row);
  int32_t firstDirtyRow() const { return firstDirty_; }
  int32_t lastDirtyRow() const { return lastDirty_; }
  void resetDirtyRows() {
    firstDirty_ = rows_;
    lastDirty_ = 0;
  }

  // Clamps a cursor to the grid.
  void clampCursor(int32_t& column, int32_t& row) const;

 private:
  int32_t slot(int32_t row) const { return (first_ + row) % rows_; }
  void touchRows(int32_t first, int32_t last);

  int32_t rows_;
  int32_t columns_;
  int32_t first_;
  std::vector<std::string> lines_;
  std::vector<int32_t> lengths_;
  std::vector<int32_t> dirtyLow_;
  std::vector<int32_t> dirtyHigh_;
  int32_t firstDirty_;
  int32_t lastDirty_;
};
