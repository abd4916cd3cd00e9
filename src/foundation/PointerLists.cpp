#include "foundation/PointerLists.h"

#include <cstdlib>
#include <new>

// ---------------------------------------------------------------- zPlist

zPlink::zPlink() : item_(nullptr), removed_(0) {
  next_ = this;
  back_ = &next_;
  lockCount_ = 0;
}

zPlink::zPlink(zLink** position, void* item) : item_(item), removed_(0) {
  lockCount_ = 0;
  next_ = *position;
  back_ = position;
  *position = this;
  next_->back_ = &next_;
}

zPlink::~zPlink() {
  *back_ = next_;
  next_->back_ = back_;
  next_ = this;
  back_ = &next_;
}

zPlist::~zPlist() {
  while (next_ != this) delete static_cast<zPlink*>(next_);
}

void zPlist::append(void* item) { new zPlink(back_, item); }

void zPlist::prepend(void* item) { new zPlink(&next_, item); }

zPlink* zPlist::firstLive() const {
  for (zLink* p = next_; p != this; p = p->next_)
    if (!static_cast<zPlink*>(p)->removed_) return static_cast<zPlink*>(p);
  return nullptr;
}

zPlink* zPlist::lastLive() const {
  zPlink* found = nullptr;
  for (zLink* p = next_; p != this; p = p->next_)
    if (!static_cast<zPlink*>(p)->removed_) found = static_cast<zPlink*>(p);
  return found;
}

void zPlist::retire(zPlink* link) {
  if (link->lockCount_ == 0)
    delete link;
  else
    link->removed_ = 1;
}

void* zPlist::removeFirst() {
  zPlink* link = firstLive();
  if (!link) return nullptr;
  void* item = link->item_;
  retire(link);
  return item;
}

void* zPlist::removeLast() {
  zPlink* link = lastLive();
  if (!link) return nullptr;
  void* item = link->item_;
  retire(link);
  return item;
}

bool zPlist::remove(void* item) {
  for (zLink* p = next_; p != this; p = p->next_) {
    auto* link = static_cast<zPlink*>(p);
    if (!link->removed_ && link->item_ == item) {
      retire(link);
      return true;
    }
  }
  return false;
}

uint32_t zPlist::count() const {
  uint32_t n = 0;
  for (zLink* p = next_; p != this; p = p->next_)
    if (!static_cast<zPlink*>(p)->removed_) ++n;
  return n;
}

void* zPListIter::next() {
  if (!list_) return nullptr;
  if (!current_) {
    current_ = list_;
    ++current_->lockCount_;
  }
  do {
    zPlink* link = current_;
    --link->lockCount_;
    zPlink* following = static_cast<zPlink*>(link->next_);
    if (link->removed_ && link->lockCount_ == 0 && link != list_) delete link;
    current_ = following;
    ++current_->lockCount_;
  } while (current_->removed_ && current_ != list_);
  if (current_ == list_) {
    --current_->lockCount_;
    current_ = nullptr;
    return nullptr;
  }
  return current_->item_;
}

void zPListIter::removeCurrent() {
  if (current_ && current_ != list_) current_->removed_ = 1;
}

void zPListIter::leave() {
  if (!current_) return;
  zPlink* link = current_;
  current_ = nullptr;
  --link->lockCount_;
  if (link->removed_ && link->lockCount_ == 0 && link != list_) delete link;
}

void zPListIter::release() { leave(); }

// ---------------------------------------------------------------- zSlist

zSlist::zSlist(void* item) : zSlist() { append(item); }

zSlist::~zSlist() {
  while (last_) get();
}

bool zSlist::insert(void* item) {
  auto* link = new (std::nothrow) zSlink{nullptr, item};
  if (!link) return false;
  if (!last_) {
    link->next_ = link;
    last_ = link;
  } else {
    link->next_ = last_->next_;
    last_->next_ = link;
  }
  ++count_;
  return true;
}

bool zSlist::append(void* item) {
  if (!insert(item)) return false;
  last_ = last_->next_;  // the new first link becomes the last
  return true;
}

void* zSlist::get() {
  if (!last_) return nullptr;
  zSlink* first = last_->next_;
  void* item = first->item_;
  if (first == last_)
    last_ = nullptr;
  else
    last_->next_ = first->next_;
  delete first;
  --count_;
  return item;
}

void* zSlist::peek() const { return last_ ? last_->next_->item_ : nullptr; }

void* zSlist::peekLast() const { return last_ ? last_->item_ : nullptr; }

bool zSlist::join(zSlist& other) {
  if (&other == this || !other.last_) return true;
  if (!last_) {
    last_ = other.last_;
  } else {
    zSlink* first = last_->next_;
    last_->next_ = other.last_->next_;
    other.last_->next_ = first;
    last_ = other.last_;
  }
  count_ += other.count_;
  other.last_ = nullptr;
  other.count_ = 0;
  return true;
}

void zSlistIter::reset() {
  last_ = list_->last_;
  current_ = nullptr;
  done_ = false;
}

void* zSlistIter::next() {
  if (done_ || !last_) return nullptr;
  if (!current_) {
    current_ = last_->next_;
  } else if (current_ == last_) {
    done_ = true;
    return nullptr;
  } else {
    current_ = current_->next_;
  }
  return current_->item_;
}

void* zSlistIter::at(int32_t n) const {
  if (n < 0 || !list_->last_ || static_cast<uint32_t>(n) >= list_->count_) return nullptr;
  zSlink* p = list_->last_->next_;
  while (n--) p = p->next_;
  return p->item_;
}

// ---------------------------------------------------------------- zDblList

void zDblList::insertBefore(zDListNode* node, zDListNode* newNode) {
  newNode->next_ = node;
  newNode->prev_ = node->prev_;
  node->prev_->next_ = newNode;
  node->prev_ = newNode;
  ++count_;
}

void* zDblList::at(int32_t index) const {
  if (index < 0 || static_cast<uint32_t>(index) >= count_) return nullptr;
  const zDListNode* p = next_;
  while (index--) p = p->next_;
  return p->item_;
}

void zDblList::unlinkAndDelete(zDListNode* node) {
  node->prev_->next_ = node->next_;
  node->next_->prev_ = node->prev_;
  --count_;
  delete node;
}

bool zDblList::remove(void* item) {
  for (zDListNode* p = next_; p != this; p = p->next_) {
    if (p->item_ == item) {
      unlinkAndDelete(p);
      return true;
    }
  }
  return false;
}

void zDblList::clear(bool deleteItems) {
  zDListNode* p = next_;
  while (p != this) {
    zDListNode* following = p->next_;
    if (deleteItems && p->item_) {
      if (deleter_)
        deleter_(p->item_);
      else
        ::operator delete(p->item_);
    }
    delete p;
    p = following;
  }
  next_ = prev_ = this;
  count_ = 0;
}

void* zDListIter::next() {
  current_ = backward_ ? current_->prev_ : current_->next_;
  return current_->item_;
}

bool zDListIter::seek(int32_t index) {
  if (index < 0 || static_cast<uint32_t>(index) >= list_->count_) return false;
  const int32_t direction = backward_;
  backward_ = 0;
  current_ = list_;
  for (int32_t i = 0; i <= index; ++i) next();
  backward_ = direction;
  return true;
}

bool zDListIter::seekItem(void* item) {
  current_ = list_;
  do {
    current_ = current_->next_;
  } while (current_ != list_ && current_->item_ != item);
  return current_ != list_;
}

void zDListIter::remove() {
  if (current_ == list_) return;
  zDListNode* node = current_;
  current_ = backward_ ? node->next_ : node->prev_;
  list_->unlinkAndDelete(node);
}
