#include "framework/bars/zProgressBar.h"

#include <cstring>
#include <new>

#include "framework/core/zControlType.h"
#include "framework/draw/zDisplay.h"
#include "framework/draw/zDrawObj.h"
#include "framework/draw/zFont.h"
#include "framework/layout/zGravSizer.h"
#include "framework/visual/zCtrl3d.h"
#include "framework/visual/zVisDraw.h"

// ---------------------------------------------------------------- the bar

ziProgressBarInfo::ziProgressBarInfo() : ziProgressBarInfo(zRect(0, 0, 0, 0), 0) {}

ziProgressBarInfo::ziProgressBarInfo(const zRect& rect, uint32_t style)
    : rect_(rect),
      style_(style),
      textAlign_(4),
      fontObject_(nullptr),
      barBrush_(nullptr),
      textColor_(0),
      backColor_(0xFFFFFF),
      frameColor_(0),
      caption_(""),
      percent_(0.0f) {}

ziProgressBarInfo::~ziProgressBarInfo() {
  delete barBrush_;
  delete fontObject_;
}

void ziProgressBarInfo::setFontObject(zFont* font) {
  if (font == fontObject_) return;
  delete fontObject_;
  fontObject_ = font;
}

void ziProgressBarInfo::setBarBrush(zBrush* brush) {
  if (brush == barBrush_) return;
  delete barBrush_;
  barBrush_ = brush;
}

void ziProgressBarInfo::paint(zDisplay* display) {
  if (!display) return;
  display->lock();
  const HDC dc = display->hdc();
  const int l = rect_.left(), t = rect_.top(), r = rect_.right(), b = rect_.bottom();
  const uint32_t frame = frameStyle();
  if (frame != zbars::frameNone) {
    const POINT path[] = {{l, b}, {l, t}, {r, t}, {r, b}, {l, b}};
    if (frame == zbars::frameSunken) {
      {
        zvis::PenScope pen(dc, zvis::lightGrey);
        Polyline(dc, path, 3);
      }
      zvis::PenScope pen(dc, zvis::white);
      Polyline(dc, path + 2, 3);
    } else {
      zvis::PenScope pen(dc, frameColor_);
      Polyline(dc, path, 5);
    }
  }
  const zbars::ProgressParts parts = zbars::progressParts(rect_, style_, percent_);
  const zRect& rest = parts.rest;
  if (rest.width() > 0 && rest.height() > 0)
    zvis::fill(dc, rest.left(), rest.top(), rest.right(), rest.bottom(), backColor_);
  if (parts.fill != 0) {
    const RECT f = parts.filled.toRECT();
    if (barBrush_ && barBrush_->handle()) {
      FillRect(dc, &f, static_cast<HBRUSH>(barBrush_->handle()));
    } else {
      zvis::fill(dc, f.left, f.top, f.right, f.bottom, 0x0000FF);
    }
  }
  if (caption_.length() != 0) {
    HGDIOBJ old = nullptr;
    if (fontObject_ && fontObject_->hfont())
      old = SelectObject(dc, fontObject_->hfont());
    else if (font_.isValid())
      old = SelectObject(dc, font_.hfont());
    const COLORREF oldColor = SetTextColor(dc, textColor_);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    SIZE e{};
    const int n = static_cast<int>(caption_.length());
    GetTextExtentPoint32A(dc, caption_.data(), n, &e);
    const zRect& in = parts.inner;
    const int y = in.top() + (in.height() - e.cy) / 2;
    int x = in.left() + (in.width() - e.cx) / 2;
    if (textAlign_ == 1) x = in.left();
    if (textAlign_ == 2) x = in.right() - e.cx;
    TextOutA(dc, x, y, caption_.data(), n);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColor);
    if (old) SelectObject(dc, old);
  }
  display->unlock();
}

// ---------------------------------------------------------------- the pane control

namespace {
// The bar inside a window: its frame's right and bottom lines on the last column and row.
zRect barRectOf(int32_t width, int32_t height) { return zRect(0, 0, width - 1, height - 1); }
}  // namespace

zProgressBar::zProgressBar(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : zPaneControl(parent, sizer, style & 0xFFFF0000u, "zProgressBar", id), info_(nullptr) {
  setTypeBit(zTypeProgressBar);
  RECT c{};
  GetClientRect(handle_, &c);
  info_ = new ziProgressBarInfo(barRectOf(c.right, c.bottom), style & 0xFFFFu);
  if (text) info_->setCaption(text);
}

zProgressBar::~zProgressBar() { delete info_; }

zProgressBar* zProgressBar::find(zWindow* parent, int32_t id) {
  zWindow* child = parent ? parent->childById(id) : nullptr;
  return child && child->hasTypeBit(zTypeProgressBar) ? static_cast<zProgressBar*>(child) : nullptr;
}

void zProgressBar::setPercent(float percent, int redraw) {
  info_->setPercent(percent);
  if (redraw) info_->paint(display());
}

uint32_t zProgressBar::setBackgroundColor(const zColor& color) {
  const uint32_t old = zPaneControl::setBackgroundColor(color);
  info_->setBackColor(color.colorRef());
  invalidate(nullptr, 0);
  return old;
}

void zProgressBar::setFont(const zRCFont& font, int redraw) {
  if (font.isValid()) zPaneControl::setFont(font, 0);
  info_->setFont(font);
  if (redraw) invalidate(nullptr, 0);
}

void zProgressBar::setFont(zFont* font, int redraw) {
  // The bar owns the object from now on; the window only borrows its handle.
  if (font) zPaneControl::setFont(zRCFont(font->hfont()), 0);
  info_->setFontObject(font);
  if (redraw) invalidate(nullptr, 0);
}

int zProgressBar::draw(zEvent*) {
  info_->paint(display());
  return 1;
}

int zProgressBar::onSize(zEvent* event) {
  const zDimension s = event->size();
  info_->setRect(barRectOf(s.width(), s.height()));
  invalidate(nullptr, 1);
  return 1;
}

zWindow* zCreateProgressBar(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id) {
  // Template items carry the window style bits; the bar's own bits stay in the low word.
  if ((style & 0xFFFFu) == 0) style |= zbars::fillFromLeft | zbars::frameSunken;
  return new (std::nothrow) zProgressBar(parent, sizer, style | WS_CHILD, text, id);
}

void zRegisterBarsControlTypes() {
  // The record lives as long as the program.
  static zControlType progressType("zProgressBar", &zCreateProgressBar);
  (void)progressType;
}

// ---------------------------------------------------------------- the status field

zStatusItemProgBar::zStatusItemProgBar(zStatusLine* line, zSizer* sizer, int32_t id, uint32_t style)
    : zStatusItem(line, sizer, id, zStatusCentered), info_(zRect(0, 0, 0, 0), style) {}

zStatusItemProgBar::zStatusItemProgBar(zStatusLine* line, int32_t gravity, const char* label, int32_t barWidth,
                                       int32_t id, uint32_t style)
    : zStatusItem(line, nullptr, id, zStatusCentered | zStatusNoGap), info_(zRect(0, 0, 0, 0), style) {
  style_ = zStatusCentered;
  text_ = label ? label : "";
  const int32_t width = gravity == gravClient ? 0 : measure(text_).width() + barWidth + 8;
  sizer_ = new zGravSizer(gravity, width, line->sizer());
}

void zStatusItemProgBar::redrawNow() {
  zDisplay* d = display();
  if (!d || !line_ || !IsWindowVisible(line_->handle()) || line_->lineHelpShown()) return;
  d->lock();
  draw(nullptr);
  d->unlock();
}

void zStatusItemProgBar::setPercent(float percent, int redraw) {
  info_.setPercent(percent);
  if (redraw) redrawNow();
}

void zStatusItemProgBar::setFont(const zRCFont& font, int redraw) {
  info_.setFont(font);
  if (redraw) redrawNow();
}

void zStatusItemProgBar::setFontObject(zFont* font, int redraw) {
  info_.setFontObject(font);
  if (redraw) redrawNow();
}

void zStatusItemProgBar::drawBar() {
  zDisplay* d = display();
  if (!d) return;
  d->lock();
  eraseText();
  const int32_t inset = panel_ ? 2 * panel_->bevelWidth() + panel_->gap() : 2;
  const zRect item = rect();
  zRect r(item.left() + inset, item.top() + inset, item.right() - inset, item.bottom() - inset);
  const HDC dc = d->hdc();
  SIZE e{};
  if (text_.length() != 0) {
    HGDIOBJ old = SelectObject(dc, line_->lineFont().hfont());
    GetTextExtentPoint32A(dc, text_.data(), static_cast<int>(text_.length()), &e);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const int y = (r.top() + r.bottom()) / 2 - e.cy / 2;
    TextOutA(dc, r.left(), y, text_.data(), static_cast<int>(text_.length()));
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    SelectObject(dc, old);
    textRect_ = zRect(r.left(), y, r.left() + e.cx, y + e.cy);
    r.left() += e.cx + 2;
  }
  info_.setRect(r);
  info_.paint(d);
  d->unlock();
}

void zStatusItemProgBar::draw(const zRect*) {
  zDisplay* d = display();
  if (!d) return;
  d->lock();
  drawFrame();
  drawClipped([this] { drawBar(); });
  d->unlock();
}
