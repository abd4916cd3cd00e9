#include "framework/draw/zDisplay.h"

#include "foundation/Assert.h"

#include "framework/draw/zBitmap.h"
#include "framework/draw/zRegion.h"

#include <cstring>

zDisplay::zDisplay()
    : lockCount_(0),
      area_(),
      backColor_(255, 255, 255),
      textColor_(0, 0, 0),
      currentBrush_(nullptr),
      currentPen_(nullptr),
      currentFont_(nullptr),
      rop2_(R2_COPYPEN),
      mapMode_(0),
      kind_(baseKind),
      horzRes_(0),
      vertRes_(0),
      pixelsPerInchX_(0),
      pixelsPerInchY_(0),
      horzSizeMM_(0),
      vertSizeMM_(0),
      backMode_(OPAQUE),
      bounds_(),
      painting_(false),
      hdc_(nullptr) {
  pushBrush(new zBrushStock(WHITE_BRUSH));
  pushPen(new zPenStock(BLACK_PEN));
  setDefaultFont(zRCFont(DEVICE_DEFAULT_FONT));
}

zDisplay::~zDisplay() {
  PV_ASSERT(lockCount_ == 0);
  while (!brushStack_.isEmpty()) delete static_cast<zBrush*>(brushStack_.get());
  while (!penStack_.isEmpty()) delete static_cast<zPen*>(penStack_.get());
  while (!fontStack_.isEmpty()) delete static_cast<zFont*>(fontStack_.get());
  defaultFonts_.clear();
}

// ---------------------------------------------------------------- lock

void zDisplay::lock() {
  if (lockCount_ == 0) {
    acquireDC();
    if (hdc_) {
      SetBkColor(hdc_, backColor_.colorRef());
      SetTextColor(hdc_, textColor_.colorRef());
      if (GetBkMode(hdc_) != backMode_) SetBkMode(hdc_, backMode_);
      if (currentBrush_ && currentBrush_->handle()) SelectObject(hdc_, currentBrush_->handle());
      if (currentPen_ && currentPen_->handle()) SelectObject(hdc_, currentPen_->handle());
      SetROP2(hdc_, rop2_);
      if (mapMode_ != 0) SetMapMode(hdc_, mapMode_);
      if (windowOrigin_ != zPoint(0, 0)) SetWindowOrgEx(hdc_, windowOrigin_.x(), windowOrigin_.y(), nullptr);
      if (viewportOrigin_ != zPoint(0, 0)) SetViewportOrgEx(hdc_, viewportOrigin_.x(), viewportOrigin_.y(), nullptr);
      if (windowExtent_.width() != 0 && windowExtent_.height() != 0)
        SetWindowExtEx(hdc_, windowExtent_.width(), windowExtent_.height(), nullptr);
      if (viewportExtent_.width() != 0 && viewportExtent_.height() != 0)
        SetViewportExtEx(hdc_, viewportExtent_.width(), viewportExtent_.height(), nullptr);
      if (currentFont_ && currentFont_->handle()) SelectObject(hdc_, currentFont_->handle());
    }
  }
  ++lockCount_;
}

void zDisplay::unlock() {
  PV_ASSERT(lockCount_ > 0);
  if (--lockCount_ == 0) {
    releaseDC();
    hdc_ = nullptr;
  }
}

// ---------------------------------------------------------------- default slots

void zDisplay::updateRect(zRect& r) { r = zRect(0, 0, 0, 0); }
void zDisplay::invalidateRect(const RECT*, bool) {}
void zDisplay::invalidateRegion(zRegion&, bool) {}
void zDisplay::size(zRect& r) { r = zRect(0, 0, 0, 0); }

zDimension zDisplay::textExtent(const char* text, int length) {
  if (length == 0) length = static_cast<int>(std::strlen(text));
  SIZE s{0, 0};
  if (hdc_) GetTextExtentPoint32A(hdc_, text, length, &s);
  return zDimension(s.cx, s.cy);
}

bool zDisplay::drawBitmap(zBitmap& bitmap, zPoint at, DWORD rop) {
  if (!hdc_) return false;
  HDC mem = CreateCompatibleDC(hdc_);
  if (!mem) return true;
  HGDIOBJ old = SelectObject(mem, bitmap.handle());
  SetMapMode(mem, GetMapMode(hdc_));
  const zDimension dim = bitmap.size();
  POINT extent{dim.width(), dim.height()};
  DPtoLP(hdc_, &extent, 1);
  POINT origin{0, 0};
  DPtoLP(mem, &origin, 1);
  BitBlt(hdc_, at.x(), at.y(), extent.x, extent.y, mem, origin.x, origin.y, rop);
  SelectObject(mem, old);
  DeleteDC(mem);
  return true;
}

bool zDisplay::stretchBitmap(zBitmap& bitmap, zPoint at, zDimension size, DWORD rop, int stretchMode) {
  if (!hdc_) return false;
  HDC mem = CreateCompatibleDC(hdc_);
  if (!mem) return true;
  HGDIOBJ old = SelectObject(mem, bitmap.handle());
  SetMapMode(mem, GetMapMode(hdc_));
  const zDimension dim = bitmap.size();
  POINT extent{dim.width(), dim.height()};
  DPtoLP(hdc_, &extent, 1);
  POINT origin{0, 0};
  DPtoLP(mem, &origin, 1);
  SetStretchBltMode(hdc_, stretchMode);
  StretchBlt(hdc_, at.x(), at.y(), size.width(), size.height(), mem, origin.x, origin.y, extent.x, extent.y, rop);
  SelectObject(mem, old);
  DeleteDC(mem);
  return true;
}

// ---------------------------------------------------------------- state

zColor zDisplay::backColor(zColor color) {
  const zColor previous = backColor_;
  backColor_ = color;
  if (hdc_) SetBkColor(hdc_, color.colorRef());
  return previous;
}

zColor zDisplay::textColor(zColor color) {
  const zColor previous = textColor_;
  textColor_ = color;
  if (hdc_) SetTextColor(hdc_, color.colorRef());
  return previous;
}

void zDisplay::backMode(int mode) {
  backMode_ = mode;
  if (hdc_) SetBkMode(hdc_, mode);
}

int zDisplay::rop2(int rop) {
  const int previous = rop2_;
  rop2_ = rop;
  if (hdc_) SetROP2(hdc_, rop);
  return previous;
}

int zDisplay::mapMode(int mode) {
  const int previous = mapMode_ != 0 ? mapMode_ : MM_TEXT;
  mapMode_ = mode;
  if (hdc_) return SetMapMode(hdc_, mode);
  return previous;
}

namespace {
int32_t packPoint(const zPoint& p) {
  return static_cast<int32_t>((static_cast<uint32_t>(p.x()) & 0xFFFFu) | (static_cast<uint32_t>(p.y()) << 16));
}
}  // namespace

int32_t zDisplay::setOrigin(int x, int y) {
  windowOrigin_.set(x, y);
  if (hdc_) return SetWindowOrgEx(hdc_, x, y, nullptr);
  return packPoint(windowOrigin_);
}

int32_t zDisplay::viewportOrigin(int x, int y) {
  viewportOrigin_.set(x, y);
  if (hdc_) return SetViewportOrgEx(hdc_, x, y, nullptr);
  return packPoint(viewportOrigin_);
}

void zDisplay::windowExtent(int cx, int cy) {
  windowExtent_ = zDimension(cx, cy);
  if (hdc_) SetWindowExtEx(hdc_, cx, cy, nullptr);
}

void zDisplay::viewportExtent(int cx, int cy) {
  viewportExtent_ = zDimension(cx, cy);
  if (hdc_) SetViewportExtEx(hdc_, cx, cy, nullptr);
}

// ---------------------------------------------------------------- pens and brushes
// When a stack runs empty while locked, the stock object is selected so that the
// object going back to the caller is no longer selected when it is deleted.

namespace {

void selectTopOrStock(HDC hdc, const zDrawObj* top, int stockObject) {
  if (!hdc) return;
  SelectObject(hdc, top && top->handle() ? top->handle() : GetStockObject(stockObject));
}

}  // namespace

void zDisplay::pushBrush(zBrush* brush) {
  PV_ASSERT(brush != nullptr);
  brushStack_.insert(brush);
  currentBrush_ = brush;
  if (hdc_ && brush->handle()) SelectObject(hdc_, brush->handle());
}

zBrush* zDisplay::popBrush() {
  auto* popped = static_cast<zBrush*>(brushStack_.get());
  currentBrush_ = static_cast<zBrush*>(brushStack_.peek());
  selectTopOrStock(hdc_, currentBrush_, WHITE_BRUSH);
  return popped;
}

zBrush* zDisplay::replaceBrush(zBrush* brush) {
  zBrush* popped = popBrush();
  pushBrush(brush);
  return popped;
}

void zDisplay::pushPen(zPen* pen) {
  PV_ASSERT(pen != nullptr);
  penStack_.insert(pen);
  currentPen_ = pen;
  if (hdc_ && pen->handle()) SelectObject(hdc_, pen->handle());
}

zPen* zDisplay::popPen() {
  auto* popped = static_cast<zPen*>(penStack_.get());
  currentPen_ = static_cast<zPen*>(penStack_.peek());
  selectTopOrStock(hdc_, currentPen_, BLACK_PEN);
  return popped;
}

zPen* zDisplay::replacePen(zPen* pen) {
  zPen* popped = popPen();
  pushPen(pen);
  return popped;
}

// ---------------------------------------------------------------- fonts

void zDisplay::selectCurrentFont() {
  if (!hdc_) return;
  if (currentFont_ && currentFont_->handle())
    SelectObject(hdc_, currentFont_->handle());
  else
    SelectObject(hdc_, GetStockObject(SYSTEM_FONT));
}

void zDisplay::updateCurrentFont() {
  if (!fontStack_.isEmpty())
    currentFont_ = static_cast<zFont*>(fontStack_.peek());
  else if (!defaultFonts_.isEmpty())
    currentFont_ = defaultFonts_.first().font();
  else
    currentFont_ = nullptr;
  selectCurrentFont();
}

void zDisplay::pushFont(zFont* font) {
  PV_ASSERT(font != nullptr);
  fontStack_.insert(font);
  updateCurrentFont();
}

zFont* zDisplay::popFont() {
  auto* popped = static_cast<zFont*>(fontStack_.get());
  updateCurrentFont();
  return popped;
}

zFont* zDisplay::replaceFont(zFont* font) {
  zFont* popped = popFont();
  pushFont(font);
  return popped;
}

void zDisplay::setDefaultFont(const zRCFont& font) {
  defaultFonts_.prepend(font);
  // The new default font is current unless a pushed font covers it.
  updateCurrentFont();
}

zRCFont zDisplay::font() const {
  if (defaultFonts_.isEmpty()) return zRCFont();
  return defaultFonts_.first();
}

zRCFont zDisplay::popRCFont() {
  if (defaultFonts_.isEmpty()) return zRCFont();
  zRCFont popped = defaultFonts_.first();
  defaultFonts_.remove(popped);  // the first entry equal to it is the first
  updateCurrentFont();
  return popped;
}

zRCFont zDisplay::replaceDefaultFont(const zRCFont& font) {
  const zRCFont keep(font);  // the given font may be the one removed
  zRCFont popped = popRCFont();
  setDefaultFont(keep);
  return popped;
}

void zDisplay::textMetrics(TEXTMETRICA& metrics) {
  lock();
  std::memset(&metrics, 0, sizeof metrics);
  if (hdc_) GetTextMetricsA(hdc_, &metrics);
  unlock();
}

// ---------------------------------------------------------------- drawing

void zDisplay::textOut(int x, int y, const char* text, int length) {
  if (hdc_) TextOutA(hdc_, x, y, text, length);
}

void zDisplay::textOutString(int x, int y, const char* text) {
  textOut(x, y, text, static_cast<int>(std::strlen(text)));
}

void zDisplay::textOutCentered(const zRect& r, const char* text, int length) {
  if (length == 0) length = static_cast<int>(std::strlen(text));
  const zDimension extent = textExtent(text, length);
  int dx = (r.width() - extent.width()) / 2;
  int dy = (r.height() - extent.height()) / 2;
  if (dx == 0) dx = 1;
  if (dy == 0) dy = 1;
  textOut(r.left() + dx, r.top() + dy, text, length);
}

void zDisplay::moveTo(int x, int y) {
  if (hdc_) MoveToEx(hdc_, x, y, nullptr);
}

void zDisplay::lineTo(int x, int y) {
  if (hdc_) LineTo(hdc_, x, y);
}

void zDisplay::rectangle(int left, int top, int right, int bottom) {
  if (hdc_) Rectangle(hdc_, left, top, right, bottom);
}

void zDisplay::polygon(const POINT* points, int count) {
  if (hdc_) Polygon(hdc_, points, count);
}

void zDisplay::polyline(const POINT* points, int count) {
  if (hdc_) Polyline(hdc_, points, count);
}

void zDisplay::frameRect(const zRect& r) {
  const POINT points[5] = {
      {r.left(), r.top()}, {r.right(), r.top()}, {r.right(), r.bottom()}, {r.left(), r.bottom()}, {r.left(), r.top()}};
  polyline(points, 5);
}

zColor zDisplay::setPixel(int x, int y, zColor color) {
  const COLORREF set = hdc_ ? SetPixel(hdc_, x, y, color.colorRef()) : static_cast<COLORREF>(-1);
  return set == static_cast<COLORREF>(-1) ? backColor_ : zColor::fromColorRef(set);
}

zColor zDisplay::getPixel(int x, int y) {
  const COLORREF got = hdc_ ? GetPixel(hdc_, x, y) : CLR_INVALID;
  return got == CLR_INVALID ? backColor_ : zColor::fromColorRef(got);
}

namespace {
struct LineDDAContext {
  zDisplay::LineHandler handler;
  void* data;
};

void CALLBACK lineDDAPoint(int x, int y, LPARAM context) {
  auto* c = reinterpret_cast<LineDDAContext*>(context);
  if (c->handler) c->handler(c->data, x, y);
}
}  // namespace

// The handler travels with the call itself, so nested and repeated calls are safe.
int zDisplay::lineDDA(zPoint from, zPoint to, LineHandler handler, void* data) {
  LineDDAContext context{handler, data};
  LineDDA(from.x(), from.y(), to.x(), to.y(), lineDDAPoint, reinterpret_cast<LPARAM>(&context));
  return 1;
}

void zDisplay::selectClipRegion(zRegion* region) {
  if (hdc_) SelectClipRgn(hdc_, region ? region->handle() : nullptr);
}

// ---------------------------------------------------------------- metrics

void zDisplay::readMetrics(HDC dc) {
  setMetrics(GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, LOGPIXELSX),
             GetDeviceCaps(dc, LOGPIXELSY), GetDeviceCaps(dc, HORZSIZE), GetDeviceCaps(dc, VERTSIZE));
}

void zDisplay::setMetrics(int32_t horzRes, int32_t vertRes, int32_t perInchX, int32_t perInchY, int32_t horzSizeMM,
                          int32_t vertSizeMM) {
  horzRes_ = horzRes;
  vertRes_ = vertRes;
  pixelsPerInchX_ = perInchX;
  pixelsPerInchY_ = perInchY;
  horzSizeMM_ = horzSizeMM;
  vertSizeMM_ = vertSizeMM;
}

void zDisplay::useWindowColors() {
  backColor_ = zColor::fromColorRef(GetSysColor(COLOR_WINDOW));
  textColor_ = zColor::fromColorRef(GetSysColor(COLOR_WINDOWTEXT));
  delete replaceBrush(new zBrush(backColor_));
}

// ---------------------------------------------------------------- readable displays

void zReadableDisplay::play(zDisplay&, int, int, int, int, int, int) {}

ziInfoDisplay::ziInfoDisplay() {
  HDC ic = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
  if (ic) {
    readMetrics(ic);
    DeleteDC(ic);
  }
  useWindowColors();
}

ziInfoDisplay::~ziInfoDisplay() = default;

void ziInfoDisplay::acquireDC() { hdc_ = CreateICA("DISPLAY", nullptr, nullptr, nullptr); }

void ziInfoDisplay::releaseDC() {
  if (hdc_) DeleteDC(hdc_);
}
