#include "foundation/FLIsvList.h"

#include "foundation/Assert.h"
#include "foundation/FLErrors.h"

// ---- singly linked ----

FLIsvSlist::FLIsvSlist() { reset(); }

FLIsvSlist::FLIsvSlist(FLIsvSlink* link) {
  reset();
  if (link) insertAfterLink(&head_, link);
}

void FLIsvSlist::reset() {
  head_.next_ = &tail_;
  tail_.next_ = &tail_;
  last_ = &head_;
  count_ = 0;
}

bool FLIsvSlist::containsReference(const FLIsvSlink* link) const {
  if (!link) return false;
  for (const FLIsvSlink* p = head_.next_; p != &tail_; p = p->next_)
    if (p == link) return true;
  return false;
}

FLIsvSlink* FLIsvSlist::at(uint32_t i) const {
  FLcheckIndex(i, count_);
  FLIsvSlink* p = head_.next_;
  while (i--) p = p->next_;
  return p;
}

void FLIsvSlist::insertAt(uint32_t i, FLIsvSlink* link) {
  if (i == FL_NPOS || i > count_) FLthrowIndexError(i, count_);
  FLIsvSlink* p = i == 0 ? &head_ : at(i - 1);
  insertAfterLink(p, link);
}

FLIsvSlink* FLIsvSlist::removeAt(uint32_t i) {
  FLcheckIndex(i, count_);
  FLIsvSlink* p = i == 0 ? &head_ : at(i - 1);
  return removeRight(p);
}

void FLIsvSlist::insertAfterLink(FLIsvSlink* p, FLIsvSlink* link) {
  PV_ASSERT(p != nullptr && link != nullptr && p != &tail_);
  link->next_ = p->next_;
  p->next_ = link;
  if (p == last_) last_ = link;
  ++count_;
}

FLIsvSlink* FLIsvSlist::removeRight(FLIsvSlink* p) {
  // Removing "after the last link" would unlink the tail sentinel and break the list.
  if (!p || p == &tail_ || p->next_ == &tail_) return nullptr;
  FLIsvSlink* link = p->next_;
  p->next_ = link->next_;
  if (link == last_) last_ = p;
  link->next_ = nullptr;
  --count_;
  return link;
}

FLIsvSlink* FLIsvSlist::removeReference(FLIsvSlink* link) {
  if (!link || link == &head_ || link == &tail_) return nullptr;
  FLIsvSlink* p = findLeftLink(link);
  return p ? removeRight(p) : nullptr;
}

FLIsvSlink* FLIsvSlist::findLeftLink(const FLIsvSlink* link) const {
  const FLIsvSlink* p = &head_;
  while (p != &tail_) {
    if (p->next_ == link) return const_cast<FLIsvSlink*>(p);
    p = p->next_;
  }
  return nullptr;
}

// ---- doubly linked ----

FLIsvDlist::FLIsvDlist() { clear(); }

FLIsvDlist::FLIsvDlist(FLIsvDlink* link) {
  clear();
  if (link) insertAfterLink(&head_, link);
}

void FLIsvDlist::clear() {
  head_.next_ = &tail_;
  head_.prev_ = &head_;
  tail_.next_ = &tail_;
  tail_.prev_ = &head_;
  count_ = 0;
}

bool FLIsvDlist::containsReference(const FLIsvDlink* link) const {
  if (!link) return false;
  for (const FLIsvDlink* p = head_.next_; p != &tail_; p = p->next_)
    if (p == link) return true;
  return false;
}

FLIsvDlink* FLIsvDlist::at(uint32_t i) const {
  FLcheckIndex(i, count_);
  FLIsvDlink* p = head_.next_;
  while (i--) p = p->next_;
  return p;
}

FLIsvDlink* FLIsvDlist::linkBefore(uint32_t i) const { return i == 0 ? const_cast<FLIsvDlink*>(&head_) : at(i - 1); }

void FLIsvDlist::insertAt(uint32_t i, FLIsvDlink* link) {
  if (i == FL_NPOS || i > count_) FLthrowIndexError(i, count_);
  insertAfterLink(linkBefore(i), link);
}

FLIsvDlink* FLIsvDlist::removeAt(uint32_t i) {
  FLcheckIndex(i, count_);
  return removeReference(linkBefore(i)->next_);
}

void FLIsvDlist::insertAfterLink(FLIsvDlink* p, FLIsvDlink* link) {
  PV_ASSERT(p != nullptr && link != nullptr && p != &tail_);
  link->next_ = p->next_;
  link->prev_ = p;
  p->next_ = link;
  link->next_->prev_ = link;
  ++count_;
}

FLIsvDlink* FLIsvDlist::removeReference(FLIsvDlink* link) {
  if (!link || link == &head_ || link == &tail_) return nullptr;
  link->prev_->next_ = link->next_;
  link->next_->prev_ = link->prev_;
  link->next_ = link->prev_ = nullptr;
  --count_;
  return link;
}

// ---- iterators ----

FLIsvSlink* FLIsvSlistIterator::operator+=(uint32_t n) {
  while (n--) current_ = current_->next_;
  return key();
}

bool FLIsvSlistIterator::atFirst() const { return !onSentinel() && current_ == list_->head()->next_; }

bool FLIsvSlistIterator::atLast() const { return !onSentinel() && current_ == list_->lastOrHead(); }

void FLIsvSlistIterator::toLast() { current_ = list_->isEmpty() ? list_->tail() : list_->lastOrHead(); }

void FLIsvSlistIterator::insertAfterPoint(FLIsvSlink* link) {
  list_->insertAfterLink(current_ == list_->tail() ? list_->lastOrHead() : current_, link);
}

FLIsvSlink* FLIsvSlistIterator::remove() {
  if (onSentinel()) return nullptr;
  FLIsvSlink* left = list_->findLeftLink(current_);
  if (!left) return nullptr;
  current_ = left;
  return list_->removeRight(left);
}

FLIsvDlink* FLIsvDlistIterator::operator+=(uint32_t n) {
  while (n--) current_ = current_->next_;
  return key();
}

FLIsvDlink* FLIsvDlistIterator::operator-=(uint32_t n) {
  while (n--) current_ = current_->prev_;
  return key();
}

void FLIsvDlistIterator::insertAfterPoint(FLIsvDlink* link) {
  // On the tail there is no "after": the link goes in before it, at the end.
  list_->insertAfterLink(current_ == list_->tail() ? list_->tail()->prev_ : current_, link);
}

FLIsvDlink* FLIsvDlistIterator::remove() {
  if (onSentinel()) return nullptr;
  FLIsvDlink* link = current_;
  current_ = link->prev_;
  return list_->removeReference(link);
}
