#include "framework/core/zSizer.h"

#include "framework/core/zWindow.h"

zSizer::zSizer(zSizer* parent)
    : x_(unset), y_(unset), width_(unset), height_(unset), parent_(nullptr),
      children_(nullptr), childCount_(0), window_(nullptr), hasWindow_(0) {
  if (parent) parent->addChild(this);
}

zSizer::zSizer(const zPoint& origin, const zDimension& extent, zSizer* parent)
    : zSizer(parent) {
  x_ = origin.x();
  y_ = origin.y();
  width_ = extent.width();
  height_ = extent.height();
}

zSizer::~zSizer() {
  detach();
  if (children_) {
    while (void* child = children_->removeFirst()) static_cast<zSizer*>(child)->parent_ = nullptr;
    delete children_;
  }
}

void zSizer::sizeChanged(zWindow*, uint32_t) {}

void zSizer::layout(const zRect* rect) {
  if (rect) {
    x_ = rect->left();
    y_ = rect->top();
    width_ = rect->width();
    height_ = rect->height();
  } else if (hasWindow_ && window_ && IsWindow(window_->handle())) {
    RECT client;
    GetClientRect(window_->handle(), &client);
    width_ = client.right - client.left;
    height_ = client.bottom - client.top;
  }
  layoutChildren();
}

void zSizer::layoutChildren() {
  if (!children_) return;
  zPListIter it(children_);
  while (void* child = it.next()) static_cast<zSizer*>(child)->layout(nullptr);
}

void zSizer::setOrigin(const zPoint& origin) {
  x_ = origin.x();
  y_ = origin.y();
}

zDimension zSizer::setExtent(const zDimension& extent) {
  width_ = extent.width();
  height_ = extent.height();
  return extent;
}

void zSizer::setWindow(zWindow* window) {
  window_ = window;
  hasWindow_ = window ? 1 : 0;
}

void zSizer::detach() {
  if (parent_) {
    if (parent_->children_ && parent_->children_->remove(this)) --parent_->childCount_;
    parent_ = nullptr;
  }
}

void zSizer::adopt(zSizer* child) {
  child->detach();
  if (!children_) children_ = new zPlist;
  child->parent_ = this;
  ++childCount_;
}

void zSizer::addChild(zSizer* child) {
  adopt(child);
  children_->append(child);
}

void zSizer::addChildFirst(zSizer* child) {
  adopt(child);
  children_->prepend(child);
}
