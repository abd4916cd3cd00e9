#include "framework/core/zWinDisplay.h"

#include "framework/draw/zMeasure.h"
#include "framework/draw/zRegion.h"
#include "framework/core/zWindow.h"

#include <cstring>

zWinDisplay::zWinDisplay(zWindow* window) : window_(window), paintingDC_(false) {
  std::memset(&paint_, 0, sizeof paint_);
  kind_ = windowKind;
  // A window draws on the screen, whose metrics the program read once: asking a device
  // context of every window for them again cost a start about a millisecond a window.
  if (window_ && (IsWindow(window_->handle()) || window_->parent())) {
    const ziDeviceMetrics screen = ziDeviceMetrics::screen();
    setMetrics(screen.horzRes, screen.vertRes, screen.pixelsPerInchX, screen.pixelsPerInchY, screen.horzSizeMM,
               screen.vertSizeMM);
  }
  useWindowColors();
  if (window_) {
    zRCFont font = window_->font();
    if (!font.isValid() && window_->parent()) font = window_->parent()->font();
    if (font.isValid()) setDefaultFont(font);
  }
}

zWinDisplay::~zWinDisplay() = default;

HWND zWinDisplay::windowHandle() const { return window_ ? window_->handle() : nullptr; }

// The context is given back the way it was taken, even if the painting flag changed
// while it was held.
void zWinDisplay::acquireDC() {
  paintingDC_ = painting_;
  if (paintingDC_)
    hdc_ = BeginPaint(windowHandle(), &paint_);
  else
    hdc_ = GetDC(windowHandle());
}

void zWinDisplay::releaseDC() {
  if (hdc_) {
    // Deselect what the display owns before the context goes back to the system.
    SelectObject(hdc_, GetStockObject(BLACK_PEN));
    SelectObject(hdc_, GetStockObject(WHITE_BRUSH));
    SelectObject(hdc_, GetStockObject(SYSTEM_FONT));
  }
  if (paintingDC_)
    EndPaint(windowHandle(), &paint_);
  else if (hdc_)
    ReleaseDC(windowHandle(), hdc_);
}

void zWinDisplay::updateRect(zRect& r) {
  if (!painting_) {
    r = zRect(0, 0, 0, 0);
    return;
  }
  r.assign(paint_.rcPaint);
  r.topLeft().x() += windowOrigin_.x();
  r.topLeft().y() += windowOrigin_.y();
  r.bottomRight().x() += windowOrigin_.x();
  r.bottomRight().y() += windowOrigin_.y();
}

void zWinDisplay::invalidateRect(const RECT* r, bool erase) { InvalidateRect(windowHandle(), r, erase ? TRUE : FALSE); }

void zWinDisplay::invalidateRegion(zRegion& region, bool erase) {
  InvalidateRgn(windowHandle(), region.handle(), erase ? TRUE : FALSE);
}

void zWinDisplay::size(zRect& r) {
  RECT client{0, 0, 0, 0};
  if (windowHandle()) GetClientRect(windowHandle(), &client);
  r.assign(client);
}
