// A character-cell output window, like a terminal: a pane that shows a fixed grid of rows
// and columns in the system's fixed-pitch font. Text is written at a cursor through the
// pane's own operations or its zTextStream face; long lines wrap at the last column and a
// line feed on the last row scrolls the grid up. The grid is a zTextBuf, so painting only
// redraws the cells that changed. Cursor positions are clamped to the grid, and formatted
// output has no length limit.
#pragma once

#include <cstdarg>
#include <cstdint>

#include "foundation/Geometry.h"
#include "framework/bars/zTextBuf.h"
#include "framework/frames/zPane.h"

// An output stream of characters.
class zTextStream {
 public:
  virtual ~zTextStream() = default;
  virtual void write(const char* text) = 0;
  virtual void put(char c) = 0;

  void printf(const char* format, ...);
  void vprintf(const char* format, va_list args);
  zTextStream& operator<<(const char* text);
  zTextStream& operator<<(int32_t value);
  // "(x,y)" and "[width,height]".
  zTextStream& operator<<(const zPoint& point);
  zTextStream& operator<<(const zDimension& size);
};

class zTextPane : public zPane, public zTextStream, private zTextRunSink {
 public:
  zTextPane(zWindow* parent, zSizer* sizer, int32_t id, int32_t rows, int32_t columns,
            uint32_t style = WS_CHILD | WS_VISIBLE);
  zTextPane(zWindow* parent, zSizer* sizer, int32_t id, uint32_t style);
  ~zTextPane() override;

  void write(const char* text) override;
  void put(char c) override;
  void printAt(int32_t column, int32_t row, const char* format, ...);

  void gotoXY(int32_t column, int32_t row);
  void carriageReturn() { cursor_.x() = 0; }
  void lineFeed(int32_t n = 1);
  void cursorUp(int32_t n = 1);
  void cursorRight(int32_t n = 1);
  void cursorLeft(int32_t n = 1);
  // Blanks the cells [left, right) x [top, bottom] (null: every cell).
  void clear(const zRect* cells = nullptr);
  void scrollLines(int32_t n);

  virtual void drawRun(const zPoint& cell, int32_t length);
  virtual zPoint pixelToCell(const zPoint& pixel) const;
  virtual zRect pixelToCellRect(const zRect& pixels) const;
  virtual zPoint cellToPixel(const zPoint& cell) const;
  virtual zRect cellToPixelRect(const zRect& cells) const;

  int preferredSize(zDimension* size) override;
  void show(int cmd) override;
  int draw(zEvent* event) override;
  void displayChanged() override {}

  const zTextBuf& buffer() const { return buffer_; }
  const zPoint& cursor() const { return cursor_; }
  int32_t rows() const { return buffer_.rows(); }
  int32_t columns() const { return buffer_.columns(); }
  int32_t lineHeight() const { return lineHeight_; }
  int32_t charWidth() const { return charWidth_; }

 private:
  void measure();
  void storedRun(int32_t column, int32_t row, int32_t length) override;
  void scrolled(int32_t n) override;
  void fillCells(const zRect& pixels);

  zTextBuf buffer_;
  zPoint cursor_;
  int32_t lineHeight_;
  int32_t charWidth_;
  int32_t marginTop_, marginBottom_, marginLeft_, marginRight_;
};

zWindow* zCreateTextPane(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
