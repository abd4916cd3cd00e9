#include "framework/visual/ziVisual.h"

#include "framework/core/zProgram.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zWindow.h"
#include "framework/draw/zAspect.h"
#include "framework/draw/zDisplay.h"
#include "framework/visual/zVisualArith.h"

// ---------------------------------------------------------------- ziVisual

ziVisual::ziVisual(ziCompound* parent, zSizer* sizer)
    : sizer_(sizer), parent_(parent), aspects_(nullptr), visible_(1), flags_(0) {}

ziVisual::~ziVisual() {
  delete sizer_;
  sizer_ = nullptr;
  delete aspects_;  // the aspects are shared and stay
  aspects_ = nullptr;
  if (parent_) {
    parent_->removeChild(this);
    if (flags_ & interactiveBit) parent_->childUnflagged(this);
    if (parent_->mouseTarget() == this) parent_->setMouseTarget(nullptr);
  }
}

zRect ziVisual::rect() const {
  if (!sizer_) return zRect();
  const zPoint at = sizer_->origin();
  const zDimension size = sizer_->extent();
  const int32_t x = at.x() == zSizer::unset ? 0 : at.x();
  const int32_t y = at.y() == zSizer::unset ? 0 : at.y();
  const int32_t w = size.width() == zSizer::unset ? 0 : size.width();
  const int32_t h = size.height() == zSizer::unset ? 0 : size.height();
  return zRect(x, y, x + w, y + h);
}

int ziVisual::intersects(const zRect& r) { return visible_ && ziRectsOverlap(rect(), r) ? 1 : 0; }

int ziVisual::contains(const zPoint& p) { return visible_ && ziRectContains(rect(), p) ? 1 : 0; }

zDisplay* ziVisual::display() const { return parent_ ? parent_->display() : nullptr; }

zWindow* ziVisual::hostWindow() const { return parent_ ? parent_->host() : nullptr; }

void ziVisual::applyAspects() {
  zDisplay* d = display();
  if (!aspects_ || !d) return;
  ziAspectDListIter it(*aspects_);
  while (void* a = it.next()) static_cast<ziAspect*>(a)->apply(*d);
}

void ziVisual::draw(const zRect*) {}

void ziVisual::captureMouse() {
  zWindow* host = hostWindow();
  if (host && host->handle()) SetCapture(host->handle());
}

void ziVisual::releaseMouse() {
  zWindow* host = hostWindow();
  if (host && GetCapture() == host->handle()) ReleaseCapture();
}

void ziVisual::setFlags(uint32_t bits) {
  if (flags_ & bits) return;
  flags_ |= bits;
  if (parent_) parent_->childFlagged(this, interactiveBit);
}

void ziVisual::clearFlags(uint32_t bits) {
  if (!(flags_ & bits)) return;
  flags_ &= ~bits;
  if (parent_) parent_->childUnflagged(this);
}

void ziVisual::addAspect(ziAspect* a) {
  if (!a) return;
  if (!aspects_) aspects_ = new ziAspectDList();
  aspects_->append(a->intern());
}

void ziVisual::setAspect(ziAspect* a) {
  if (!a) return;
  if (!aspects_) {
    aspects_ = new ziAspectDList();
    ziAspect* shared = a->intern();
    if (shared != a) delete a;
    aspects_->append(shared);
    return;
  }
  ziAspectDListIter it(*aspects_);
  while (void* item = it.next()) {
    if (static_cast<ziAspect*>(item)->kind() == a->kind()) {
      it.remove();
      break;
    }
  }
  // Kept in every case: a list without an aspect of the kind gains this one.
  aspects_->append(a);
}

// ---------------------------------------------------------------- ziCompound

ziCompound::ziCompound(ziCompound* parent, zSizer* sizer)
    : ziVisual(parent, sizer),
      children_(nullptr),
      interactiveCount_(0),
      claimsAll_(0),
      mouseTarget_(nullptr),
      displayRef_(parent ? parent->displayRef_ : nullptr),
      host_(parent ? parent->host_ : nullptr) {}

ziCompound::~ziCompound() {
  ziVisualDList* list = children_;
  children_ = nullptr;
  mouseTarget_ = nullptr;
  if (list) {
    while (list->count() > 0) {
      ziVisual* child = static_cast<ziVisual*>(list->at(0));
      list->remove(child);
      child->setParent(nullptr);
      delete child;
    }
    delete list;
  }
  interactive_.clear(false);
}

zDisplay* ziCompound::display() const {
  if (displayRef_) return *displayRef_;
  return parent_ ? parent_->display() : nullptr;
}

zWindow* ziCompound::host() const { return host_ ? host_ : (zTheProgram ? zTheProgram->mainFrame() : nullptr); }

int ziCompound::intersects(const zRect& r) {
  if (visible_ && claimsAll_) return 1;
  return ziVisual::intersects(r);
}

int ziCompound::contains(const zPoint& p) {
  if (visible_ && claimsAll_) return 1;
  return ziVisual::contains(p);
}

ziVisual* ziCompound::addChild(ziVisual* child) {
  if (!child) return nullptr;
  if (!children_) children_ = new ziVisualDList();
  children_->append(child);
  return child;
}

ziVisual* ziCompound::insertChild(ziVisual* child) {
  if (!child) return nullptr;
  if (!children_) children_ = new ziVisualDList();
  children_->prepend(child);
  return child;
}

ziVisual* ziCompound::lastChild() const {
  if (!children_ || children_->count() == 0) return nullptr;
  return static_cast<ziVisual*>(children_->at(static_cast<int32_t>(children_->count()) - 1));
}

void ziCompound::removeChild(ziVisual* child) {
  if (!child || !children_) return;
  children_->remove(child);
  if (mouseTarget_ == child) mouseTarget_ = nullptr;
}

void ziCompound::childFlagged(ziVisual* child, uint32_t bits) {
  interactive_.prepend(child);
  ++interactiveCount_;
  const uint32_t low = bits & 0xFFFFu;
  if (!(flags_ & low)) {
    flags_ |= low;
    if (parent_) parent_->childFlagged(this, bits);
  }
}

int ziCompound::childUnflagged(ziVisual* child) {
  if (!interactive_.remove(child)) return 0;
  --interactiveCount_;
  if (interactiveCount_ == 0 && (flags_ & interactiveBit)) {
    flags_ &= ~interactiveBit;
    if (parent_) parent_->childUnflagged(this);
  }
  return 1;
}

void ziCompound::draw(const zRect* clip) {
  if (!children_) return;
  applyAspects();
  ziVisualDListIter it(*children_);
  while (void* item = it.next()) {
    ziVisual* child = static_cast<ziVisual*>(item);
    if (!clip)
      child->draw(nullptr);
    else if (child->isVisible() && child->needsDraw(*clip))
      child->draw(clip);
  }
}

int ziCompound::onMouseDown(zEvent* e) {
  mouseTarget_ = nullptr;
  if (children_) {
    const zPoint p = zPoint::fromLParam(static_cast<uint32_t>(e->lParam_));
    ziVisualDListIter it(*children_);
    while (void* item = it.next()) {
      ziVisual* child = static_cast<ziVisual*>(item);
      if (child->contains(p) && child->acceptsMouse(p)) {
        mouseTarget_ = child;
        if (child->onMouseDown(e)) return 1;
      }
    }
  }
  mouseTarget_ = nullptr;
  return 0;
}

int ziCompound::onMouseMove(zEvent* e) {
  if (mouseTarget_) {
    const int r = mouseTarget_->onMouseMove(e);
    // A target that let go (a hover that ended) leaves the move to the visual under the
    // pointer, so the neighbour a pointer moved onto starts its own hover at once.
    if (r || mouseTarget_) return r;
  }
  if (!children_) return 0;
  const zPoint p = zPoint::fromLParam(static_cast<uint32_t>(e->lParam_));
  ziVisualDListIter it(*children_);
  while (void* item = it.next()) {
    ziVisual* child = static_cast<ziVisual*>(item);
    if (child->contains(p) && child->acceptsMouse(p) && child->onMouseMove(e)) return 1;
  }
  return 0;
}

int ziCompound::onMouseUp(zEvent* e) {
  if (!mouseTarget_) return 0;
  ziVisual* target = mouseTarget_;
  mouseTarget_ = nullptr;
  return target->onMouseUp(e);
}

int ziCompound::onChar(zEvent* e) {
  if (!children_) return 0;
  ziVisualDListIter it(*children_);
  while (void* item = it.next())
    if (static_cast<ziVisual*>(item)->onChar(e)) return 1;
  return 0;
}

void ziCompound::sizeChanged() {
  if (!children_) return;
  ziVisualDListIter it(*children_);
  while (void* item = it.next()) static_cast<ziVisual*>(item)->sizeChanged();
}

void ziCompound::setVisible(int visible) {
  visible_ = visible;
  if (!children_) return;
  ziVisualDListIter it(*children_);
  while (void* item = it.next()) static_cast<ziVisual*>(item)->setVisible(visible);
}

// ---------------------------------------------------------------- shell and control compounds

ziShellCompound::ziShellCompound(zWindow* host, zDisplay** displayRef) : ziCompound(nullptr, nullptr) {
  host_ = host;
  displayRef_ = displayRef;
  if (host) sizer_ = host->sizer();
}

ziShellCompound::~ziShellCompound() { sizer_ = nullptr; }

ziControlCompound::ziControlCompound(ziCompound* parent, zSizer* sizer)
    : ziCompound(parent, sizer), control_(nullptr), text_(nullptr) {}

ziControlCompound::~ziControlCompound() {
  // Each leaves the child list as it goes, so the compound's own clean-up skips them.
  delete control_;
  control_ = nullptr;
  delete text_;
  text_ = nullptr;
}
