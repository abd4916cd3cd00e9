#include "framework/bars/zTextPane.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <string>

#include "framework/draw/zDisplay.h"

// ---------------------------------------------------------------- stream

void zTextStream::vprintf(const char* format, va_list args) {
  if (!format) return;
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (n <= 0) return;
  std::string text(static_cast<size_t>(n) + 1, '\0');
  std::vsnprintf(&text[0], text.size(), format, args);
  text.resize(static_cast<size_t>(n));
  write(text.c_str());
}

void zTextStream::printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  vprintf(format, args);
  va_end(args);
}

zTextStream& zTextStream::operator<<(const char* text) {
  if (text) write(text);
  return *this;
}

zTextStream& zTextStream::operator<<(int32_t value) {
  printf("%d", static_cast<int>(value));
  return *this;
}

zTextStream& zTextStream::operator<<(const zPoint& point) {
  printf("(%d,%d)", static_cast<int>(point.x()), static_cast<int>(point.y()));
  return *this;
}

zTextStream& zTextStream::operator<<(const zDimension& size) {
  printf("[%d,%d]", static_cast<int>(size.width()), static_cast<int>(size.height()));
  return *this;
}

// ---------------------------------------------------------------- pane

zTextPane::zTextPane(zWindow* parent, zSizer* sizer, int32_t id, int32_t rows, int32_t columns, uint32_t style)
    : zPane(parent, sizer, style, id),
      buffer_(rows, columns),
      cursor_(0, 0),
      lineHeight_(1),
      charWidth_(1),
      marginTop_(0),
      marginBottom_(0),
      marginLeft_(0),
      marginRight_(0) {
  setTypeBit(zTypeTextPane);
  className_ = "zTextPane";
  create();
  measure();
}

zTextPane::zTextPane(zWindow* parent, zSizer* sizer, int32_t id, uint32_t style)
    : zTextPane(parent, sizer, id, 25, 80, style) {}

zTextPane::~zTextPane() = default;

void zTextPane::measure() {
  zDisplay* d = display();
  if (!d) return;
  d->setDefaultFont(zRCFont(SYSTEM_FIXED_FONT));
  d->lock();
  TEXTMETRICA tm;
  d->textMetrics(tm);
  lineHeight_ = std::max<int32_t>(1, tm.tmHeight + tm.tmExternalLeading);
  charWidth_ = std::max<int32_t>(1, d->textExtent("a").width());
  d->unlock();
  marginTop_ = marginBottom_ = lineHeight_ / 2;
  marginLeft_ = marginRight_ = charWidth_ / 2;
}

void zTextPane::write(const char* text) {
  int32_t column = cursor_.x(), row = cursor_.y();
  buffer_.write(column, row, text, this);
  cursor_ = zPoint(column, row);
}

void zTextPane::put(char c) {
  const char text[2] = {c, '\0'};
  write(text);
}

void zTextPane::printAt(int32_t column, int32_t row, const char* format, ...) {
  gotoXY(column, row);
  va_list args;
  va_start(args, format);
  vprintf(format, args);
  va_end(args);
}

void zTextPane::gotoXY(int32_t column, int32_t row) {
  buffer_.clampCursor(column, row);
  cursor_ = zPoint(column, row);
}

void zTextPane::lineFeed(int32_t n) {
  int32_t row = cursor_.y();
  buffer_.lineFeed(row, n, this);
  cursor_.y() = row;
}

void zTextPane::cursorUp(int32_t n) { cursor_.y() = std::max<int32_t>(0, cursor_.y() - n); }
void zTextPane::cursorRight(int32_t n) { cursor_.x() = std::min<int32_t>(columns() - 1, cursor_.x() + n); }
void zTextPane::cursorLeft(int32_t n) { cursor_.x() = std::max<int32_t>(0, cursor_.x() - n); }

void zTextPane::scrollLines(int32_t n) {
  if (n <= 0) return;
  buffer_.scroll(n);
  scrolled(std::min(n, rows()));
}

void zTextPane::clear(const zRect* cells) {
  const zRect all(0, 0, columns(), rows() - 1);
  const zRect r = cells ? *cells : all;
  buffer_.clear(r.left(), r.top(), r.right(), r.bottom());
  fillCells(cellToPixelRect(zRect(r.left(), r.top(), r.right(), r.bottom() + 1)));
}

void zTextPane::fillCells(const zRect& pixels) {
  zDisplay* d = display();
  if (!d || !handle_) return;
  d->lock();
  if (d->hdc()) {
    const RECT rect = pixels.toRECT();
    HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
    FillRect(d->hdc(), &rect, brush);
    DeleteObject(brush);
  }
  d->unlock();
}

void zTextPane::storedRun(int32_t column, int32_t row, int32_t length) { drawRun(zPoint(column, row), length); }

void zTextPane::scrolled(int32_t n) {
  if (!handle_ || !IsWindow(handle_)) return;
  RECT client;
  GetClientRect(handle_, &client);
  ScrollWindow(handle_, 0, -n * lineHeight_, &client, &client);
  UpdateWindow(handle_);
}

void zTextPane::drawRun(const zPoint& cell, int32_t length) {
  zDisplay* d = display();
  if (length <= 0 || !d || !handle_) return;
  d->lock();
  if (d->hdc()) {
    const zPoint at = cellToPixel(cell);
    SetBkColor(d->hdc(), GetSysColor(COLOR_WINDOW));
    SetTextColor(d->hdc(), GetSysColor(COLOR_WINDOWTEXT));
    TextOutA(d->hdc(), at.x(), at.y(), buffer_.line(cell.y()) + cell.x(), length);
  }
  d->unlock();
}

zPoint zTextPane::cellToPixel(const zPoint& cell) const {
  return zPoint(cell.x() * charWidth_ + marginLeft_, cell.y() * lineHeight_ + marginTop_);
}

zRect zTextPane::cellToPixelRect(const zRect& cells) const {
  const zPoint a = cellToPixel(cells.topLeft());
  const zPoint b = cellToPixel(cells.bottomRight());
  return zRect(a.x(), a.y(), b.x(), b.y());
}

zPoint zTextPane::pixelToCell(const zPoint& pixel) const {
  const int32_t column = std::clamp<int32_t>((pixel.x() - marginLeft_) / charWidth_, 0, columns() - 1);
  const int32_t row = std::clamp<int32_t>((pixel.y() - marginTop_) / lineHeight_, 0, rows() - 1);
  return zPoint(column, row);
}

zRect zTextPane::pixelToCellRect(const zRect& pixels) const {
  const zPoint a = pixelToCell(pixels.topLeft());
  const zPoint b = pixelToCell(pixels.bottomRight());
  return zRect(a.x(), a.y(), b.x(), b.y());
}

int zTextPane::preferredSize(zDimension* size) {
  if (!size) return 0;
  *size = zDimension(columns() * charWidth_ + marginLeft_ + marginRight_,
                     rows() * lineHeight_ + marginTop_ + marginBottom_);
  return 1;
}

void zTextPane::show(int cmd) {
  const bool first = !(flags_ & zWinShown);
  zPane::show(cmd);
  if (!first || !handle_) return;
  zDimension contents;
  preferredSize(&contents);
  if (style_ & WS_VSCROLL) SetScrollRange(handle_, SB_VERT, 0, contents.height(), TRUE);
  if (style_ & WS_HSCROLL) SetScrollRange(handle_, SB_HORZ, 0, contents.width(), TRUE);
}

int zTextPane::draw(zEvent*) {
  zDisplay* d = display();
  if (!d) return 1;
  d->lock();
  const HDC dc = d->hdc();
  RECT box = {0, 0, 0, 0};
  if (dc) GetClipBox(dc, &box);
  if (!dc || (box.left == 0 && box.top == 0 && box.right == 0 && box.bottom == 0)) {
    d->unlock();
    return 1;
  }
  // The cells under the paint rectangle, one more on every side.
  const zRect cells = pixelToCellRect(zRect(box));
  const int32_t left = std::max<int32_t>(0, cells.left() - 1);
  const int32_t top = std::max<int32_t>(0, cells.top() - 1);
  const int32_t right = std::min<int32_t>(columns(), cells.right() + 1);
  const int32_t bottom = std::min<int32_t>(rows() - 1, cells.bottom() + 1);
  for (int32_t r = top; r <= bottom; ++r) buffer_.markDirty(r, left, right);
  // The margins are not cells: they are filled whole.
  {
    HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
    FillRect(dc, &box, brush);
    DeleteObject(brush);
  }
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  const int32_t last = std::min(buffer_.lastDirtyRow(), rows() - 1);
  for (int32_t r = std::max<int32_t>(0, buffer_.firstDirtyRow()); r <= last; ++r) {
    if (!buffer_.rowDirty(r)) continue;
    const int32_t low = buffer_.dirtyLow(r);
    const int32_t end = std::min({buffer_.length(r), buffer_.dirtyHigh(r), columns()});
    if (end > low) {
      const zPoint at = cellToPixel(zPoint(low, r));
      TextOutA(dc, at.x(), at.y(), buffer_.line(r) + low, end - low);
    }
    buffer_.resetDirty(r);
  }
  buffer_.resetDirtyRows();
  d->unlock();
  return 1;
}

zWindow* zCreateTextPane(zWindow* parent, zSizer* sizer, uint32_t style, const char*, int32_t id) {
  return new (std::nothrow) zTextPane(parent, sizer, id, 25, 80, style | WS_CHILD);
}
