// Typed lists over the intrusive lists: pointer lists (the caller owns the elements),
// value lists (the list owns copies) and a doubly linked pointer list, each with an
// iterator. Elements match through T's operator== (pointer lists compare the elements,
// not the pointers). Links come from FLMemoryPool.
#pragma once

#include <cstdint>
#include <utility>

#include "foundation/FLErrors.h"
#include "foundation/FLIsvList.h"

// ---------------------------------------------------------------- links

template <class T>
struct FLTPtrSlink : public FLIsvSlink {
  explicit FLTPtrSlink(T* item) : item_(item) {}
  T* item_;
};

template <class T>
struct FLTPtrDlink : public FLIsvDlink {
  explicit FLTPtrDlink(T* item) : item_(item) {}
  T* item_;
};

template <class T>
struct FLTValSlink : public FLIsvSlink {
  explicit FLTValSlink(const T& value) : value_(value) {}
  T value_;
};

namespace FLTDetail {
// Element match of the pointer lists: *e == *a; a null pointer matches only a null one.
template <class T>
bool same(const T* e, const T* a) {
  if (!e || !a) return e == a;
  return e == a || *e == *a;
}
}  // namespace FLTDetail

// ---------------------------------------------------------------- typed intrusive list

template <class TL>
class FLTIsvSlist : public FLIsvSlist {
 public:
  FLTIsvSlist() = default;
  ~FLTIsvSlist() { clearAndDestroy(); }

  TL* first() const { return static_cast<TL*>(firstLink()); }
  TL* last() const { return static_cast<TL*>(lastLink()); }
  void insert(TL* link) { insertAfterLink(lastOrHead(), link); }
  void append(TL* link) { insertAfterLink(lastOrHead(), link); }
  void prepend(TL* link) { insertAfterLink(head(), link); }
  TL* at(uint32_t i) const { return static_cast<TL*>(FLIsvSlist::at(i)); }

  // Releases every link to its allocator and leaves the list empty.
  void clearAndDestroy() {
    FLIsvSlink* p = head()->next_;
    while (p != tail()) {
      FLIsvSlink* next = p->next_;
      delete static_cast<TL*>(p);
      p = next;
    }
    reset();
  }

 protected:
  // Unlinks and deletes the link after p.
  void destroyRight(FLIsvSlink* p) { delete static_cast<TL*>(removeRight(p)); }
};

// ---------------------------------------------------------------- FLTPtrSlist

template <class T>
class FLTPtrSlist : public FLTIsvSlist<FLTPtrSlink<T>> {
  using Link = FLTPtrSlink<T>;
  using Base = FLTIsvSlist<Link>;

 public:
  using Test = int (*)(const T*, void*);
  using Function = void (*)(T*, void*);

  FLTPtrSlist() = default;
  FLTPtrSlist(const FLTPtrSlist& other) : Base() { appendAll(other); }
  FLTPtrSlist& operator=(const FLTPtrSlist& other) {
    if (this != &other) {
      clear();
      appendAll(other);
    }
    return *this;
  }

  void insert(T* a) { Base::append(new Link(a)); }
  void append(T* a) { Base::append(new Link(a)); }
  void prepend(T* a) { Base::prepend(new Link(a)); }
  void insertAt(uint32_t i, T* a) {
    // The position is tested before the link is made, so a refused insert leaks nothing.
    if (i == FL_NPOS || i > this->entries()) FLthrowIndexError(i, this->entries());
    FLIsvSlist::insertAt(i, new Link(a));
  }

  void clear() { Base::clearAndDestroy(); }
  void clearAndDestroy() {
    for (Link* p = firstLink(); p; p = next(p)) delete p->item_;
    Base::clearAndDestroy();
  }

  T* first() const {
    Link* l = Base::first();
    return l ? l->item_ : nullptr;
  }
  T* last() const {
    Link* l = Base::last();
    return l ? l->item_ : nullptr;
  }
  T* at(uint32_t i) const { return Base::at(i)->item_; }

  bool contains(const T* a) const { return index(a) != FL_NPOS; }
  bool contains(Test test, void* datum) const { return index(test, datum) != FL_NPOS; }
  T* find(const T* a) const {
    for (Link* p = firstLink(); p; p = next(p))
      if (FLTDetail::same<T>(p->item_, a)) return p->item_;
    return nullptr;
  }
  T* find(Test test, void* datum) const {
    for (Link* p = firstLink(); p; p = next(p))
      if (test(p->item_, datum)) return p->item_;
    return nullptr;
  }
  uint32_t index(const T* a) const {
    uint32_t i = 0;
    for (Link* p = firstLink(); p; p = next(p), ++i)
      if (FLTDetail::same<T>(p->item_, a)) return i;
    return FL_NPOS;
  }
  uint32_t index(Test test, void* datum) const {
    uint32_t i = 0;
    for (Link* p = firstLink(); p; p = next(p), ++i)
      if (test(p->item_, datum)) return i;
    return FL_NPOS;
  }
  uint32_t occurrencesOf(const T* a) const {
    uint32_t n = 0;
    for (Link* p = firstLink(); p; p = next(p))
      if (FLTDetail::same<T>(p->item_, a)) ++n;
    return n;
  }
  uint32_t occurrencesOf(Test test, void* datum) const {
    uint32_t n = 0;
    for (Link* p = firstLink(); p; p = next(p))
      if (test(p->item_, datum)) ++n;
    return n;
  }

  T* remove(const T* a) {
    return removeFirstMatch([a](const T* e) { return FLTDetail::same<T>(e, a); });
  }
  T* remove(Test test, void* datum) {
    return removeFirstMatch([test, datum](const T* e) { return test(e, datum) != 0; });
  }
  uint32_t removeAll(const T* a) {
    return removeEvery([a](const T* e) { return FLTDetail::same<T>(e, a); });
  }
  uint32_t removeAll(Test test, void* datum) {
    return removeEvery([test, datum](const T* e) { return test(e, datum) != 0; });
  }

  void apply(Function f, void* datum) const {
    for (Link* p = firstLink(); p; p = next(p)) f(p->item_, datum);
  }

 private:
  Link* firstLink() const { return Base::first(); }
  Link* next(Link* p) const { return p->next_ == this->tail() ? nullptr : static_cast<Link*>(p->next_); }
  void appendAll(const FLTPtrSlist& other) {
    for (Link* p = other.firstLink(); p; p = other.next(p)) append(p->item_);
  }
  template <class Match>
  T* removeFirstMatch(Match match) {
    for (FLIsvSlink* p = this->head(); p->next_ != this->tail(); p = p->next_) {
      if (match(static_cast<Link*>(p->next_)->item_)) {
        Link* link = static_cast<Link*>(this->removeRight(p));
        T* item = link->item_;
        delete link;
        return item;
      }
    }
    return nullptr;
  }
  template <class Match>
  uint32_t removeEvery(Match match) {
    uint32_t n = 0;
    FLIsvSlink* p = this->head();
    while (p->next_ != this->tail()) {
      if (match(static_cast<Link*>(p->next_)->item_)) {
        this->destroyRight(p);
        ++n;
      } else {
        p = p->next_;
      }
    }
    return n;
  }
};

template <class T>
class FLTPtrSlistIterator {
  using Link = FLTPtrSlink<T>;

 public:
  using Test = typename FLTPtrSlist<T>::Test;

  explicit FLTPtrSlistIterator(FLTPtrSlist<T>& list) : it_(list) {}
  void reset() { it_.reset(); }
  void reset(FLTPtrSlist<T>& list) { it_.reset(list); }

  T* operator()() {
    FLIsvSlink* l = ++it_;
    return l ? static_cast<Link*>(l)->item_ : nullptr;
  }
  T* key() const {
    FLIsvSlink* l = it_.key();
    return l ? static_cast<Link*>(l)->item_ : nullptr;
  }
  T* findNext(const T* a) {
    while (T* e = nextOrNull())
      if (FLTDetail::same<T>(e, a)) return e;
    return nullptr;
  }
  T* findNext(Test test, void* datum) {
    while (T* e = nextOrNull())
      if (test(e, datum)) return e;
    return nullptr;
  }
  void insertAfterPoint(T* a) { it_.insertAfterPoint(new Link(a)); }
  T* remove() {
    auto* link = static_cast<Link*>(it_.remove());
    if (!link) return nullptr;
    T* item = link->item_;
    delete link;
    return item;
  }
  T* removeNext(const T* a) {
    return removeNextMatch([a](const T* e) { return FLTDetail::same<T>(e, a); });
  }
  T* removeNext(Test test, void* datum) {
    return removeNextMatch([test, datum](const T* e) { return test(e, datum) != 0; });
  }

 private:
  // Advances one link; null (and the iterator past the end) at the end. A null element
  // is returned as null too, so element lists holding null stop findNext early.
  T* nextOrNull() { return (*this)(); }
  template <class Match>
  T* removeNextMatch(Match match) {
    FLIsvSlist& list = it_.list();
    FLIsvSlink* start = it_.current() == list.tail() ? nullptr : it_.current();
    for (FLIsvSlink* p = start; p && p->next_ != list.tail(); p = p->next_) {
      if (match(static_cast<Link*>(p->next_)->item_)) {
        auto* link = static_cast<Link*>(list.removeRight(p));
        T* item = link->item_;
        delete link;
        return item;
      }
    }
    return nullptr;
  }

  FLIsvSlistIterator it_;
};

// ---------------------------------------------------------------- FLTValSlist

template <class T>
class FLTValSlist : public FLTIsvSlist<FLTValSlink<T>> {
  using Link = FLTValSlink<T>;
  using Base = FLTIsvSlist<Link>;

 public:
  using Test = int (*)(const T&, void*);
  using Function = void (*)(T&, void*);

  FLTValSlist() = default;
  FLTValSlist(const FLTValSlist& other) : Base() { appendAll(other); }
  FLTValSlist& operator=(const FLTValSlist& other) {
    if (this != &other) {
      clear();
      appendAll(other);
    }
    return *this;
  }

  void insert(const T& a) { Base::append(new Link(a)); }
  void append(const T& a) { Base::append(new Link(a)); }
  void prepend(const T& a) { Base::prepend(new Link(a)); }
  void insertAt(uint32_t i, const T& a) {
    if (i == FL_NPOS || i > this->entries()) FLthrowIndexError(i, this->entries());
    FLIsvSlist::insertAt(i, new Link(a));
  }
  void clear() { Base::clearAndDestroy(); }

  // The first and last values; an empty list throws FLBoundsErr.
  T& first() const { return Base::at(0)->value_; }
  T& last() const {
    if (this->isEmpty()) FLthrowIndexError(0, 0);
    return Base::last()->value_;
  }
  T& at(uint32_t i) const { return Base::at(i)->value_; }

  bool contains(const T& a) const { return index(a) != FL_NPOS; }
  bool contains(Test test, void* datum) const { return index(test, datum) != FL_NPOS; }
  // Copies the first match into `out`; false when none matches.
  bool find(const T& a, T& out) const {
    for (Link* p = firstLink(); p; p = next(p))
      if (p->value_ == a) {
        out = p->value_;
        return true;
      }
    return false;
  }
  bool find(Test test, void* datum, T& out) const {
    for (Link* p = firstLink(); p; p = next(p))
      if (test(p->value_, datum)) {
        out = p->value_;
        return true;
      }
    return false;
  }
  uint32_t index(const T& a) const {
    uint32_t i = 0;
    for (Link* p = firstLink(); p; p = next(p), ++i)
      if (p->value_ == a) return i;
    return FL_NPOS;
  }
  uint32_t index(Test test, void* datum) const {
    uint32_t i = 0;
    for (Link* p = firstLink(); p; p = next(p), ++i)
      if (test(p->value_, datum)) return i;
    return FL_NPOS;
  }
  uint32_t occurrencesOf(const T& a) const {
    uint32_t n = 0;
    for (Link* p = firstLink(); p; p = next(p))
      if (p->value_ == a) ++n;
    return n;
  }
  uint32_t occurrencesOf(Test test, void* datum) const {
    uint32_t n = 0;
    for (Link* p = firstLink(); p; p = next(p))
      if (test(p->value_, datum)) ++n;
    return n;
  }
  bool remove(const T& a) {
    return removeMatches([&a](const T& e) { return e == a; }, true) != 0;
  }
  bool remove(Test test, void* datum) {
    return removeMatches([test, datum](const T& e) { return test(e, datum) != 0; }, true) != 0;
  }
  uint32_t removeAll(const T& a) {
    return removeMatches([&a](const T& e) { return e == a; }, false);
  }
  uint32_t removeAll(Test test, void* datum) {
    return removeMatches([test, datum](const T& e) { return test(e, datum) != 0; }, false);
  }
  void apply(Function f, void* datum) {
    for (Link* p = firstLink(); p; p = next(p)) f(p->value_, datum);
  }

 private:
  Link* firstLink() const { return Base::first(); }
  Link* next(Link* p) const { return p->next_ == this->tail() ? nullptr : static_cast<Link*>(p->next_); }
  void appendAll(const FLTValSlist& other) {
    for (Link* p = other.firstLink(); p; p = other.next(p)) append(p->value_);
  }
  template <class Match>
  uint32_t removeMatches(Match match, bool onlyFirst) {
    uint32_t n = 0;
    FLIsvSlink* p = this->head();
    while (p->next_ != this->tail()) {
      if (match(static_cast<Link*>(p->next_)->value_)) {
        this->destroyRight(p);
        ++n;
        if (onlyFirst) break;
      } else {
        p = p->next_;
      }
    }
    return n;
  }
};

template <class T>
class FLTValSlistIterator {
  using Link = FLTValSlink<T>;

 public:
  using Test = typename FLTValSlist<T>::Test;

  explicit FLTValSlistIterator(FLTValSlist<T>& list) : it_(list) {}
  void reset() { it_.reset(); }
  void reset(FLTValSlist<T>& list) { it_.reset(list); }

  // Advances one link; nonzero while on an element.
  int operator()() { return (++it_) != nullptr; }
  // The current element; only valid after operator() gave nonzero.
  T& key() const { return static_cast<Link*>(it_.key())->value_; }
  bool findNext(const T& a) {
    while ((*this)())
      if (key() == a) return true;
    return false;
  }
  bool findNext(Test test, void* datum) {
    while ((*this)())
      if (test(key(), datum)) return true;
    return false;
  }
  void insertAfterPoint(const T& a) { it_.insertAfterPoint(new Link(a)); }
  bool remove() {
    auto* link = static_cast<Link*>(it_.remove());
    delete link;
    return link != nullptr;
  }
  bool removeNext(const T& a) {
    return removeNextMatch([&a](const T& e) { return e == a; });
  }
  bool removeNext(Test test, void* datum) {
    return removeNextMatch([test, datum](const T& e) { return test(e, datum) != 0; });
  }

 private:
  template <class Match>
  bool removeNextMatch(Match match) {
    FLIsvSlist& list = it_.list();
    FLIsvSlink* start = it_.current() == list.tail() ? nullptr : it_.current();
    for (FLIsvSlink* p = start; p && p->next_ != list.tail(); p = p->next_) {
      if (match(static_cast<Link*>(p->next_)->value_)) {
        delete static_cast<Link*>(list.removeRight(p));
        return true;
      }
    }
    return false;
  }

  FLIsvSlistIterator it_;
};

// ---------------------------------------------------------------- FLTPtrDlist

template <class T>
class FLTPtrDlist : public FLIsvDlist {
  using Link = FLTPtrDlink<T>;

 public:
  using Test = int (*)(const T*, void*);
  using Function = void (*)(T*, void*);

  FLTPtrDlist() = default;
  FLTPtrDlist(const FLTPtrDlist& other) : FLIsvDlist() { appendAll(other); }
  FLTPtrDlist& operator=(const FLTPtrDlist& other) {
    if (this != &other) {
      clear();
      appendAll(other);
    }
    return *this;
  }
  ~FLTPtrDlist() { clear(); }

  void insert(T* a) { insertAfterLink(tail()->prev_, new Link(a)); }
  void append(T* a) { insertAfterLink(tail()->prev_, new Link(a)); }
  void prepend(T* a) { insertAfterLink(head(), new Link(a)); }
  void insertAt(uint32_t i, T* a) {
    if (i == FL_NPOS || i > entries()) FLthrowIndexError(i, entries());
    FLIsvDlist::insertAt(i, new Link(a));
  }
  void clear() {
    FLIsvDlink* p = head()->next_;
    while (p != tail()) {
      FLIsvDlink* next = p->next_;
      delete static_cast<Link*>(p);
      p = next;
    }
    FLIsvDlist::clear();
  }
  void clearAndDestroy() {
    for (FLIsvDlink* p = head()->next_; p != tail(); p = p->next_) delete static_cast<Link*>(p)->item_;
    clear();
  }

  T* first() const { return isEmpty() ? nullptr : item(firstLink()); }
  T* last() const { return isEmpty() ? nullptr : item(lastLink()); }
  T* at(uint32_t i) const { return item(FLIsvDlist::at(i)); }

  bool contains(const T* a) const { return index(a) != FL_NPOS; }
  bool contains(Test test, void* datum) const { return index(test, datum) != FL_NPOS; }
  T* find(const T* a) const {
    Link* l = findLink([a](const T* e) { return FLTDetail::same<T>(e, a); });
    return l ? l->item_ : nullptr;
  }
  T* find(Test test, void* datum) const {
    Link* l = findLink([test, datum](const T* e) { return test(e, datum) != 0; });
    return l ? l->item_ : nullptr;
  }
  uint32_t index(const T* a) const {
    uint32_t i = 0;
    for (const FLIsvDlink* p = head()->next_; p != tail(); p = p->next_, ++i)
      if (FLTDetail::same<T>(item(p), a)) return i;
    return FL_NPOS;
  }
  uint32_t index(Test test, void* datum) const {
    uint32_t i = 0;
    for (const FLIsvDlink* p = head()->next_; p != tail(); p = p->next_, ++i)
      if (test(item(p), datum)) return i;
    return FL_NPOS;
  }
  uint32_t occurrencesOf(const T* a) const {
    uint32_t n = 0;
    for (const FLIsvDlink* p = head()->next_; p != tail(); p = p->next_)
      if (FLTDetail::same<T>(item(p), a)) ++n;
    return n;
  }
  uint32_t occurrencesOf(Test test, void* datum) const {
    uint32_t n = 0;
    for (const FLIsvDlink* p = head()->next_; p != tail(); p = p->next_)
      if (test(item(p), datum)) ++n;
    return n;
  }
  T* remove(const T* a) {
    return removeLink(findLink([a](const T* e) { return FLTDetail::same<T>(e, a); }));
  }
  T* remove(Test test, void* datum) {
    return removeLink(findLink([test, datum](const T* e) { return test(e, datum) != 0; }));
  }
  uint32_t removeAll(const T* a) {
    uint32_t n = 0;
    while (Link* l = findLink([a](const T* e) { return FLTDetail::same<T>(e, a); })) {
      removeLink(l);
      ++n;
    }
    return n;
  }
  uint32_t removeAll(Test test, void* datum) {
    uint32_t n = 0;
    while (Link* l = findLink([test, datum](const T* e) { return test(e, datum) != 0; })) {
      removeLink(l);
      ++n;
    }
    return n;
  }
  void apply(Function f, void* datum) const {
    for (const FLIsvDlink* p = head()->next_; p != tail(); p = p->next_) f(item(p), datum);
  }

  // Unlinks and deletes a link of this list, returning its element.
  T* removeLink(FLIsvDlink* link) {
    if (!link) return nullptr;
    auto* l = static_cast<Link*>(removeReference(link));
    T* e = l->item_;
    delete l;
    return e;
  }

 private:
  static T* item(const FLIsvDlink* p) { return static_cast<const Link*>(p)->item_; }
  template <class Match>
  Link* findLink(Match match) const {
    for (FLIsvDlink* p = const_cast<FLIsvDlink*>(head())->next_; p != tail(); p = p->next_)
      if (match(item(p))) return static_cast<Link*>(p);
    return nullptr;
  }
  void appendAll(const FLTPtrDlist& other) {
    for (const FLIsvDlink* p = other.head()->next_; p != other.tail(); p = p->next_) append(item(p));
  }
};

template <class T>
class FLTPtrDlistIterator {
  using Link = FLTPtrDlink<T>;

 public:
  using Test = typename FLTPtrDlist<T>::Test;

  explicit FLTPtrDlistIterator(FLTPtrDlist<T>& list) : list_(&list), it_(list) {}
  void reset() { it_.reset(); }
  void reset(FLTPtrDlist<T>& list) {
    list_ = &list;
    it_.reset(list);
  }

  T* operator()() {
    FLIsvDlink* l = ++it_;
    return l ? static_cast<Link*>(l)->item_ : nullptr;
  }
  T* back() {
    FLIsvDlink* l = --it_;
    return l ? static_cast<Link*>(l)->item_ : nullptr;
  }
  T* key() const {
    FLIsvDlink* l = it_.key();
    return l ? static_cast<Link*>(l)->item_ : nullptr;
  }
  T* findNext(const T* a) {
    while (FLIsvDlink* l = ++it_)
      if (FLTDetail::same<T>(static_cast<Link*>(l)->item_, a)) return static_cast<Link*>(l)->item_;
    return nullptr;
  }
  T* findNext(Test test, void* datum) {
    while (FLIsvDlink* l = ++it_)
      if (test(static_cast<Link*>(l)->item_, datum)) return static_cast<Link*>(l)->item_;
    return nullptr;
  }
  void insertAfterPoint(T* a) { it_.insertAfterPoint(new Link(a)); }
  T* remove() {
    auto* link = static_cast<Link*>(it_.remove());
    if (!link) return nullptr;
    T* item = link->item_;
    delete link;
    return item;
  }
  T* removeNext(const T* a) {
    return removeNextMatch([a](const T* e) { return FLTDetail::same<T>(e, a); });
  }
  T* removeNext(Test test, void* datum) {
    return removeNextMatch([test, datum](const T* e) { return test(e, datum) != 0; });
  }

 private:
  template <class Match>
  T* removeNextMatch(Match match) {
    if (it_.current() == list_->tail()) return nullptr;
    for (FLIsvDlink* p = it_.current()->next_; p != list_->tail(); p = p->next_)
      if (match(static_cast<Link*>(p)->item_)) return list_->removeLink(p);
    return nullptr;
  }

  FLTPtrDlist<T>* list_;
  FLIsvDlistIterator it_;
};
