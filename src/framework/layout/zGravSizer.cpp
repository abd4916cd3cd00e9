#include "framework/layout/zGravSizer.h"

#include "framework/layout/zSizerMath.h"

// ---------------------------------------------------------------- gravity sizer

zGravSizer::zGravSizer(int32_t gravity, int32_t extent, zSizer* parent) : zSizer(parent) {
  gravity_ = gravity;
  if (gravity == gravLeft || gravity == gravRight)
    extent_.cx() = extent;
  else if (gravity == gravTop || gravity == gravBottom)
    extent_.cy() = extent;
  else
    extent_ = zDimension(extent, extent);
  // The coordinate the gravity does not fix is 0 in the record: the whole free side.
  fixedExtent_ = zDimension(zSizerMath::known(extent_.width()), zSizerMath::known(extent_.height()));
}

zGravSizer::zGravSizer(int32_t gravity, int32_t cx, int32_t cy, zSizer* parent) : zSizer(parent) {
  gravity_ = gravity;
  fixedExtent_ = extent_ = zDimension(cx, cy);
}

void zGravSizer::querySize(zSizeInfo& info) {
  info.reset();
  info.setAll(fixedExtent_);
  info.origin = origin_;
  info.gravity = gravity_;
}

zSizer* zGravSizer::asKind(int32_t kind) { return kind == zKindGrav ? this : zSizer::asKind(kind); }

// ---------------------------------------------------------------- percent sizer

zPercentSizer::zPercentSizer(int32_t gravity, zSizer* parent)
    : zGravSizer(gravity, 0, parent), heightPercent_(0), widthPercent_(0) {}

zPercentSizer::zPercentSizer(int32_t gravity, float heightPercent, float widthPercent, zSizer* parent)
    : zGravSizer(gravity, 0, parent), heightPercent_(heightPercent), widthPercent_(widthPercent) {}

namespace {
int32_t percentOf(int32_t base, float percent) {
  if (percent == 0.0f) return base;
  const float v = static_cast<float>(base) * percent * 0.01f;
  if (!(v < 2147483520.0f) || !(v > -2147483520.0f)) return v > 0 ? INT32_MAX : INT32_MIN;
  return static_cast<int32_t>(v);
}
}  // namespace

void zPercentSizer::querySize(zSizeInfo& info) {
  zGravSizer::querySize(info);
  zDimension base(0, 0);
  if (parent_) base = zDimension(zSizerMath::known(parent_->width()), zSizerMath::known(parent_->height()));
  info.setAll(zDimension(percentOf(base.width(), widthPercent_), percentOf(base.height(), heightPercent_)));
}

zSizer* zPercentSizer::asKind(int32_t kind) { return kind == zKindPercent ? this : zGravSizer::asKind(kind); }

// ---------------------------------------------------------------- grow-to-fit sizer

zGrowToFitSizer::zGrowToFitSizer(int32_t gravity, zSizer* parent) : zGravSizer(gravity, 0, parent), fitMode_(fitNone) {}

zGrowToFitSizer::zGrowToFitSizer(int32_t gravity, int32_t fitMode, int32_t extent, zSizer* parent)
    : zGravSizer(gravity, 0, parent), fitMode_(fitMode) {
  fixedExtent_ = fitMode == fitFixedHeight ? zDimension(0, extent) : zDimension(extent, 0);
}

void zGrowToFitSizer::querySize(zSizeInfo& info) {
  info.reset();
  info.gravity = gravity_;
  if (childCount_ == 0) {
    info.setAll(extent_);
    info.origin = origin_;
    return;
  }
  effectiveLayout()->measure(info, children_, static_cast<int32_t>(childCount_));
  info.gravity = gravity_;
  zDimension* sizes[3] = {&info.minSize, &info.prefSize, &info.maxSize};
  for (zDimension* d : sizes) {
    if (fitMode_ == fitFixedHeight) d->cy() = fixedExtent_.height();
    if (fitMode_ == fitFixedWidth) d->cx() = fixedExtent_.width();
  }
}

void zGrowToFitSizer::place(const zRect& given, int noMove) {
  origin_ = given.topLeft();
  extent_ = zDimension(zSizerMath::width(given), zSizerMath::height(given));
  zRect area = given;
  if (hasWindow_) {
    origin_ = zPoint(0, 0);
    area = zRect(0, 0, extent_.width(), extent_.height());
  }
  if (children_ && childCount_ != 0) {
    effectiveLayout()->arrange(area, children_, static_cast<int32_t>(childCount_));
    origin_ = area.topLeft();
    extent_ = zDimension(zSizerMath::width(area), zSizerMath::height(area));
  }
  if (!noMove && windowLive())
    window_->sizerMoveSize(given.left(), given.top(), zSizerMath::width(given), zSizerMath::height(given));
}

zSizer* zGrowToFitSizer::asKind(int32_t kind) { return kind == zKindGrowToFit ? this : zGravSizer::asKind(kind); }

// ---------------------------------------------------------------- layout sizer

zLayoutSizer::zLayoutSizer(zSizer* parent) : zGravSizer(gravClient, 0, parent) {}

zSizer* zLayoutSizer::asKind(int32_t kind) { return kind == zKindLayoutSizer ? this : zGravSizer::asKind(kind); }

// ---------------------------------------------------------------- leaf sizers

zLeafSizer::zLeafSizer(zSizer* parent) : zSizer(parent) {}

void zLeafSizer::update(const zRect* rect) {
  if (rect) {
    origin_ = rect->topLeft();
    extent_ = zDimension(zSizerMath::width(*rect), zSizerMath::height(*rect));
    place(*rect, 0);
  } else {
    place(this->rect(), 0);
  }
}

void zLeafSizer::querySize(zSizeInfo& info) {
  info.reset();
  info.setAll(extent_);
  info.origin = origin_;
  info.gravity = gravity_;
}

void zLeafSizer::place(const zRect& given, int) {
  origin_ = given.topLeft();
  extent_ = zDimension(zSizerMath::width(given), zSizerMath::height(given));
}

zSizer* zLeafSizer::asKind(int32_t kind) { return kind == zKindLeaf ? this : zSizer::asKind(kind); }

zFixedSizer::zFixedSizer(zSizer* parent, int32_t gravity) : zLeafSizer(parent), fixedSize_(0, 0) { gravity_ = gravity; }

void zFixedSizer::querySize(zSizeInfo& info) {
  info.reset();
  info.setAll(fixedSize_);
  info.gravity = gravity_;
}

// Answers as a plain sizer, not as a leaf sizer.
zSizer* zFixedSizer::asKind(int32_t kind) { return kind == zKindFixed ? this : zSizer::asKind(kind); }

zFillerSizer::zFillerSizer(zSizer* parent) : zLeafSizer(parent) {
  stored_.reset();
  stored_.gravity = 0;
}

void zFillerSizer::querySize(zSizeInfo& info) { info.assign(stored_); }

zSizer* zFillerSizer::asKind(int32_t kind) { return kind == zKindFiller ? this : zLeafSizer::asKind(kind); }
