#include "framework/layout/zSizer.h"

#include "framework/layout/zSizerMath.h"

// ---------------------------------------------------------------- size record

void zSizeInfo::reset() {
  origin = zPoint(0, 0);
  minSize = prefSize = maxSize = zDimension(0, 0);
  gravity = gravNone;
  spare = 0;
  owner = nullptr;
}

namespace {
zDimension larger(const zDimension& a, const zDimension& b) {
  return zDimension(a.width() > b.width() ? a.width() : b.width(), a.height() > b.height() ? a.height() : b.height());
}
}  // namespace

void zSizeInfo::growTo(const zSizeInfo& other) {
  minSize = larger(minSize, other.minSize);
  prefSize = larger(prefSize, other.prefSize);
  maxSize = larger(maxSize, other.maxSize);
}

void zSizeInfo::assign(const zSizeInfo& other) {
  origin = other.origin;
  minSize = other.minSize;
  prefSize = other.prefSize;
  maxSize = other.maxSize;
  gravity = other.gravity;
}

zSizerDlist::~zSizerDlist() {
  while (zPlist::removeFirst()) {}
}

// ---------------------------------------------------------------- construction

zSizer::zSizer(zSizer* parent)
    : origin_(sizerUnset, sizerUnset),
      extent_(sizerUnset, sizerUnset),
      parent_(nullptr),
      gravity_(gravNone),
      layout_(nullptr),
      children_(nullptr),
      window_(nullptr),
      hasWindow_(0),
      childCount_(0) {
  if (parent) parent->addChild(this);
}

zSizer::zSizer(const zPoint& origin, const zDimension& extent, zSizer* parent) : zSizer(nullptr) {
  origin_ = origin;
  extent_ = extent;
  if (parent) parent->addChild(this);
}

zSizer::zSizer(int32_t x, int32_t y, int32_t cx, int32_t cy, zSizer* parent)
    : zSizer(zPoint(x, y), zDimension(cx, cy), parent) {}

zSizer::zSizer(const zRect& rect, zSizer* parent)
    : zSizer(rect.topLeft(), zDimension(rect.width(), rect.height()), parent) {}

zSizer::~zSizer() {
  if (children_) {
    while (void* child = children_->removeFirst()) static_cast<zSizer*>(child)->parent_ = nullptr;
    delete children_;
    children_ = nullptr;
    childCount_ = 0;
  }
  detach();
}

// ---------------------------------------------------------------- children

void zSizer::addChild(zSizer* child) {
  if (!child) return;
  if (!children_) children_ = new zSizerDlist;
  ++childCount_;
  children_->append(child);
  child->parent_ = this;
}

void zSizer::addChildFirst(zSizer* child) {
  if (!child) return;
  if (!children_) children_ = new zSizerDlist;
  ++childCount_;
  children_->prepend(child);
  child->parent_ = this;
}

void zSizer::removeChild(zSizer* child) {
  if (children_ && child && children_->remove(child)) --childCount_;
}

void zSizer::detach() {
  if (parent_) parent_->removeChild(this);
  parent_ = nullptr;
}

zRect zSizer::rect() const { return zSizerMath::rectOf(origin_, extent_); }

void zSizer::setWindow(zSizerWindow* window) {
  window_ = window;
  hasWindow_ = window ? 1 : 0;
}

zLayout* zSizer::replaceLayout(zLayout* layout) {
  zLayout* previous = layout_;
  layout_ = layout;
  return previous;
}

zLayout* zSizer::effectiveLayout() const { return layout_ ? layout_ : zNormalLayout::shared(); }

// ---------------------------------------------------------------- virtual operations

void zSizer::parentSized(zSizerWindow*, uint32_t) {}

void zSizer::update(const zRect* rect) {
  if (rect) {
    origin_ = rect->topLeft();
    extent_ = zDimension(rect->width(), rect->height());
    place(*rect, 1);
    return;
  }
  if (windowLive()) extent_ = window_->sizerClientSize();
  place(this->rect(), 1);
}

void zSizer::querySize(zSizeInfo& info) {
  info.reset();
  if (childCount_ != 0) {
    effectiveLayout()->measure(info, children_, static_cast<int32_t>(childCount_));
    // A docked sizer with children is still docked by its own gravity.
    info.gravity = gravity_;
    if (gravity_ != gravNone) return;
  }
  info.setAll(extent_);
  info.origin = origin_;
  info.gravity = gravity_;
}

void zSizer::place(const zRect& given, int noMove) {
  origin_ = given.topLeft();
  extent_ = zDimension(zSizerMath::width(given), zSizerMath::height(given));
  // Children of a window's sizer are placed in the window's client coordinates.
  zRect area = hasWindow_ ? zRect(0, 0, extent_.width(), extent_.height()) : given;
  if (children_ && childCount_ != 0) effectiveLayout()->arrange(area, children_, static_cast<int32_t>(childCount_));
  // A gravNone window keeps the geometry the program gave it.
  if (!noMove && gravity_ != gravNone && windowLive())
    window_->sizerMoveSize(given.left(), given.top(), extent_.width(), extent_.height());
}

zSizer* zSizer::asKind(int32_t kind) { return kind == zKindSizer ? this : nullptr; }

void zSizer::replaceWith(zSizer* other) {
  if (!other || other == this) return;
  zSizer* oldParent = parent_;
  if (!oldParent && window_) oldParent = window_->sizerOfParentWindow();
  if (oldParent) {
    oldParent->removeChild(this);
    parent_ = nullptr;
    if (!other->parent_) oldParent->addChild(other);
  }
  if (!other->parent_) other->parent_ = parent_;
  while (children_ && childCount_ != 0) {
    zSizer* child = static_cast<zSizer*>(children_->removeFirst());
    --childCount_;
    child->parent_ = nullptr;
    other->addChild(child);
  }
  other->window_ = window_;
  other->hasWindow_ = hasWindow_;
  if (window_) window_->sizerReplaced(this, other);
  window_ = nullptr;
  hasWindow_ = 0;
  if (!other->asKind(zKindExpand)) {
    if (other->parent_) other->parent_->update();
  } else {
    other->origin_ = origin_;
    other->extent_ = extent_;
    other->layout_ = layout_;
  }
  other->update();
  delete this;
}

// ---------------------------------------------------------------- size with parent

zSizeWithParent::zSizeWithParent() : zSizer(nullptr) { gravity_ = gravCenter; }

void zSizeWithParent::parentSized(zSizerWindow* window, uint32_t packedSize) {
  if (!window) return;
  window->sizerMoveSize(0, 0, static_cast<int32_t>(packedSize & 0xFFFFu), static_cast<int32_t>(packedSize >> 16));
}

void zSizeWithParent::querySize(zSizeInfo& info) {
  info.reset();
  info.gravity = gravity_;
}

zSizer* zSizeWithParent::asKind(int32_t kind) { return kind == zKindSizeWithParent ? this : zSizer::asKind(kind); }

// ---------------------------------------------------------------- normal layout

zNormalLayout* zNormalLayout::shared() {
  // Lives for the process: sizers hold it without owning it.
  static zNormalLayout* layout = new zNormalLayout;
  return layout;
}

void zNormalLayout::arrange(zRect& rect, zSizerDlist* children, int32_t) {
  using zSizerMath::add;
  zRect free = rect;
  zDimension used(0, 0);
  bool stretched = false;
  zSizerDlistIter it(children);
  while (zSizer* child = it.next()) {
    zSizeInfo info;
    child->querySize(info);
    int32_t g = info.gravity;
    if (child->asKind(zKindExpand)) g = gravNone;
    const zDimension p = info.prefSize;
    zRect r(0, 0, 0, 0);
    switch (g) {
      case gravLeft:
        r = zRect(free.left(), free.top(), add(free.left(), p.width()),
                  p.height() == 0 ? free.bottom() : add(free.top(), p.height()));
        free.left() = add(free.left(), p.width());
        used.cx() = add(used.width(), p.width());
        break;
      case gravRight:
        free.right() = add(free.right(), -zSizerMath::known(p.width()));
        r = zRect(free.right(), free.top(), add(free.right(), p.width()),
                  p.height() == 0 ? free.bottom() : add(free.top(), p.height()));
        used.cx() = add(used.width(), p.width());
        break;
      case gravTop:
        r = zRect(free.left(), free.top(), p.width() == 0 ? free.right() : add(free.left(), p.width()),
                  add(free.top(), p.height()));
        free.top() = add(free.top(), p.height());
        used.cy() = add(used.height(), p.height());
        break;
      case gravBottom:
        free.bottom() = add(free.bottom(), -zSizerMath::known(p.height()));
        r = zRect(free.left(), free.bottom(), p.width() == 0 ? free.right() : add(free.left(), p.width()),
                  add(free.bottom(), p.height()));
        used.cy() = add(used.height(), p.height());
        break;
      case gravCenter:
      case gravClient:
        stretched = true;
        r = zRect(free.left(), free.top(), p.width() == 0 ? free.right() : add(free.left(), p.width()),
                  p.height() == 0 ? free.bottom() : add(free.top(), p.height()));
        if (g == gravCenter) {
          if (r.right() < free.right()) {
            const int32_t dx = (free.right() - r.right()) / 2;
            r.left() += dx;
            r.right() += dx;
          }
          if (r.bottom() < free.bottom()) {
            const int32_t dy = (free.bottom() - r.bottom()) / 2;
            r.top() += dy;
            r.bottom() += dy;
          }
        }
        break;
      case gravNone:
        r = zRect(info.origin.x(), info.origin.y(),
                  p.width() == sizerUnset ? free.right() : add(info.origin.x(), p.width()),
                  p.height() == sizerUnset ? free.bottom() : add(info.origin.y(), p.height()));
        break;
      default:
        break;
    }
    child->place(r, 0);
  }
  if (!stretched) {
    rect.right() = add(rect.left(), used.width());
    rect.bottom() = add(rect.top(), used.height());
  }
}

void zNormalLayout::measure(zSizeInfo& info, zSizerDlist* children, int32_t) {
  using zSizerMath::add;
  using zSizerMath::known;
  int32_t right = 0;
  int32_t bottom = 0;
  zSizerDlistIter it(children);
  while (zSizer* child = it.next()) {
    zSizeInfo c;
    child->querySize(c);
    switch (child->gravity()) {
      case gravTop: {
        zDimension* mine[3] = {&info.minSize, &info.prefSize, &info.maxSize};
        const zDimension theirs[3] = {c.minSize, c.prefSize, c.maxSize};
        for (int i = 0; i < 3; ++i) {
          // An unset height adds nothing.
          mine[i]->cx() = mine[i]->width() > theirs[i].width() ? mine[i]->width() : theirs[i].width();
          mine[i]->cy() = add(known(mine[i]->height()), known(theirs[i].height()));
        }
        break;
      }
      case gravLeft:
      case gravRight:
      case gravBottom:
      case gravCenter:
      case gravClient:
        info.growTo(c);
        break;
      case gravNone: {
        const int32_t r = add(known(c.origin.x()), known(c.prefSize.width()));
        const int32_t b = add(known(c.origin.y()), known(c.prefSize.height()));
        if (r > right) right = r;
        if (b > bottom) bottom = b;
        break;
      }
      default:
        break;
    }
  }
  if (right > info.prefSize.width()) {
    info.prefSize.cx() = right;
    if (info.maxSize.width() < right) info.maxSize.cx() = right;
  }
  if (bottom > info.prefSize.height()) {
    info.prefSize.cy() = bottom;
    if (info.maxSize.height() < bottom) info.maxSize.cy() = bottom;
  }
}
