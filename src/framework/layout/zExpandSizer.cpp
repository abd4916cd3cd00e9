#include "framework/layout/zExpandSizer.h"

#include <algorithm>
#include <cmath>

#include "framework/layout/zSizerMath.h"

using zSizerMath::add;
using zSizerMath::known;

zExpandSizer::zExpandSizer(uint32_t flags, zSizer* parent) : zSizer(parent) { init(flags); }

zExpandSizer::zExpandSizer(const zPoint& origin, const zDimension& extent, uint32_t flags, zSizer* parent)
    : zSizer(origin, extent, parent) {
  init(flags);
}

zExpandSizer::zExpandSizer(int32_t x, int32_t y, int32_t cx, int32_t cy, uint32_t flags, zSizer* parent)
    : zSizer(x, y, cx, cy, parent) {
  init(flags);
}

zExpandSizer::zExpandSizer(const zRect& rect, uint32_t flags, zSizer* parent) : zSizer(rect, parent) { init(flags); }

void zExpandSizer::init(uint32_t flags) {
  gravity_ = gravLeft;
  expandFlags_ = flags;
  xShare_ = widthShare_ = yShare_ = heightShare_ = 0.0f;
  fixedWidth_ = fixedHeight_ = 0;
  lastOrigin_ = zPoint(-1, -1);
  lastExtent_ = zDimension(-1, -1);
  sharesDirty_ = 1;
}

void zExpandSizer::querySize(zSizeInfo& info) {
  info.reset();
  info.setAll(extent_);
  info.origin = origin_;
}

zSizer* zExpandSizer::asKind(int32_t kind) { return kind == zKindExpand ? this : zSizer::asKind(kind); }

namespace {
// The shares of one direction: the margin before, the size, the margin after.
void sharesOf(bool before, bool size, bool after, int32_t pos, int32_t len, int32_t ref, int32_t& fixed,
              float& posShare, float& lenShare) {
  double s = 0;
  int n = 0;
  if (before) ++n, s += pos;
  if (size) ++n, s += len;
  if (after) ++n, s += static_cast<double>(ref) - pos - len;
  fixed = zSizerMath::clamp64(static_cast<int64_t>(ref - s));
  if (s == 0) {
    const float each = n ? 1.0f / static_cast<float>(n) : 0.0f;
    posShare = before ? each : 0.0f;
    lenShare = size ? each : 0.0f;
  } else {
    posShare = before ? static_cast<float>(pos / s) : 0.0f;
    lenShare = size ? static_cast<float>(len / s) : 0.0f;
  }
}
}  // namespace

void zExpandSizer::computeShares(int32_t w, int32_t h) {
  if (origin_ == lastOrigin_ && extent_ == lastExtent_ && !sharesDirty_) return;
  sharesOf(expandFlags_ & expandLeft, expandFlags_ & expandWidth, expandFlags_ & expandRight, known(origin_.x()),
           known(extent_.width()), w, fixedWidth_, xShare_, widthShare_);
  sharesOf(expandFlags_ & expandTop, expandFlags_ & expandHeight, expandFlags_ & expandBottom, known(origin_.y()),
           known(extent_.height()), h, fixedHeight_, yShare_, heightShare_);
  sharesDirty_ = 0;
}

// ---------------------------------------------------------------- layout

zExpandLayout::zExpandLayout(zSizerWindow* window) : refWidth_(-1), refHeight_(-1) {
  if (window && window->sizerWindowLive()) {
    const zDimension size = window->sizerClientSize();
    refWidth_ = size.width();
    refHeight_ = size.height();
  }
}

zExpandLayout::zExpandLayout(const zDimension& reference)
    : refWidth_(reference.width()), refHeight_(reference.height()) {}

namespace {
int32_t truncated(double v) {
  if (!(v < 2147483647.0)) return INT32_MAX;
  if (!(v > -2147483648.0)) return INT32_MIN;
  return static_cast<int32_t>(v);
}
}  // namespace

void zExpandLayout::arrange(zRect& rect, zSizerDlist* children, int32_t) {
  const int32_t width = zSizerMath::width(rect);
  const int32_t height = zSizerMath::height(rect);
  if (refWidth_ == -1 && refHeight_ == -1) {
    refWidth_ = width;
    refHeight_ = height;
  }
  const int32_t dW = width - refWidth_;
  const int32_t dH = height - refHeight_;
  zSizer* previous = nullptr;
  zSizerDlistIter it(children);
  while (zSizer* child = it.next()) {
    if (child == previous) continue;
    previous = child;
    zRect r;
    if (zExpandSizer* e = static_cast<zExpandSizer*>(child->asKind(zKindExpand))) {
      if (e->lastExtent_.width() > 0) {
        e->extent_ = e->lastExtent_;
        e->origin_ = e->lastOrigin_;
      }
      e->computeShares(refWidth_, refHeight_);
      const uint32_t f = e->expandFlags_;
      double x = known(e->origin_.x()), y = known(e->origin_.y());
      double w = known(e->extent_.width()), h = known(e->extent_.height());
      if (dW != 0) {
        const double s = static_cast<double>(width) - e->fixedWidth_;
        if (f & expandLeft) x = s * e->xShare_;
        if (f & expandWidth) w = s * e->widthShare_;
      }
      if (dH != 0) {
        const double s = static_cast<double>(height) - e->fixedHeight_;
        if (f & expandTop) y = s * e->yShare_;
        const bool combo = e->window_ && e->window_->sizerIsComboBox();
        if ((f & expandHeight) && !combo) h = s * e->heightShare_;
      }
      if (w < 1.0) w = 1.0;
      if (h < 1.0) h = 1.0;
      r = zRect(truncated(x), truncated(y), truncated(x + w), truncated(y + h));
      e->lastOrigin_ = r.topLeft();
      e->lastExtent_ = zDimension(zSizerMath::width(r), zSizerMath::height(r));
    } else {
      zSizeInfo info;
      child->querySize(info);
      const zDimension p = info.prefSize;
      if (info.gravity == gravBottom) {
        // An unset origin starts at the left edge.
        const int32_t left = info.origin.x() == sizerUnset ? rect.left() : info.origin.x();
        r = zRect(left, add(rect.bottom(), -known(p.height())), p.width() == 0 ? width : p.width(), rect.bottom());
      } else {
        r = zRect(rect.left(), rect.top(), p.width() == 0 ? rect.right() : add(rect.left(), p.width()), p.height());
      }
    }
    child->place(r, 0);
  }
  refWidth_ = width;
  refHeight_ = height;
}

void zExpandLayout::measure(zSizeInfo& info, zSizerDlist* children, int32_t) {
  zDimension m(1, 1);
  zSizerDlistIter it(children);
  while (zSizer* child = it.next()) {
    zSizeInfo c;
    child->querySize(c);
    zExpandSizer* e = static_cast<zExpandSizer*>(child->asKind(zKindExpand));
    if (!e) {
      m.cx() = std::max(m.width(), add(known(c.origin.x()), known(c.minSize.width())));
      m.cy() = std::max(m.height(), add(known(c.origin.y()), known(c.minSize.height())));
      continue;
    }
    const uint32_t f = e->expandFlags_;
    auto fit = [](bool before, bool size, bool after, int32_t pos, int32_t len, int32_t ref) {
      int n = 0;
      int64_t smallest = 99999;
      if (before) {
        ++n;
        if (pos < 100000 && pos < smallest) smallest = pos;
      }
      if (size) {
        ++n;
        if (len < smallest) smallest = len;
      }
      if (after) {
        ++n;
        const int64_t rest = static_cast<int64_t>(ref) - pos - len;
        if (rest < smallest) smallest = rest;
      }
      return zSizerMath::clamp64(static_cast<int64_t>(ref) - n * smallest);
    };
    m.cx() = fit(f & expandLeft, f & expandWidth, f & expandRight, known(e->origin_.x()), known(e->extent_.width()),
                 refWidth_);
    m.cy() = fit(f & expandTop, f & expandHeight, f & expandBottom, known(e->origin_.y()), known(e->extent_.height()),
                 refHeight_);
  }
  info.minSize = m;
  info.prefSize = info.maxSize = zDimension(std::max(m.width(), refWidth_), std::max(m.height(), refHeight_));
  info.origin = zPoint(0, 0);
}
