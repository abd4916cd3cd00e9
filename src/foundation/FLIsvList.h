// Intrusive lists: the caller owns every link; the lists only string them together
// between a head and a tail sentinel that live inside the list object.
#pragma once

#include <cstdint>

#include "foundation/FLMemoryPool.h"

struct FLIsvSlink : public FLMemoryPool {
  FLIsvSlink* next_ = nullptr;
};

struct FLIsvDlink : public FLMemoryPool {
  FLIsvDlink* next_ = nullptr;
  FLIsvDlink* prev_ = nullptr;
};

class FLIsvSlist {
 public:
  FLIsvSlist();
  explicit FLIsvSlist(FLIsvSlink* link);
  FLIsvSlist(const FLIsvSlist&) = delete;
  FLIsvSlist& operator=(const FLIsvSlist&) = delete;
  ~FLIsvSlist() { reset(); }

  // Empties the list without touching the links.
  void reset();

  bool containsReference(const FLIsvSlink* link) const;
  FLIsvSlink* at(uint32_t i) const;             // i below the count, else FLBoundsErr
  void insertAt(uint32_t i, FLIsvSlink* link);  // i up to the count, else FLBoundsErr
  FLIsvSlink* removeAt(uint32_t i);             // i below the count, else FLBoundsErr
  void insertAfterLink(FLIsvSlink* p, FLIsvSlink* link);
  // Unlinks the link after p; null when p is null or the last link.
  FLIsvSlink* removeRight(FLIsvSlink* p);
  // Unlinks the link and returns it, or null when it is not in the list.
  FLIsvSlink* removeReference(FLIsvSlink* link);
  // The link whose next is the given one (the head for the first); null when none.
  FLIsvSlink* findLeftLink(const FLIsvSlink* link) const;

  FLIsvSlink* firstLink() const { return count_ ? head_.next_ : nullptr; }
  FLIsvSlink* lastLink() const { return count_ ? last_ : nullptr; }
  uint32_t entries() const { return count_; }
  bool isEmpty() const { return count_ == 0; }

  FLIsvSlink* head() { return &head_; }
  FLIsvSlink* tail() { return &tail_; }
  const FLIsvSlink* head() const { return &head_; }
  const FLIsvSlink* tail() const { return &tail_; }
  // The last real link, or the head when the list is empty.
  FLIsvSlink* lastOrHead() const { return last_; }

 private:
  FLIsvSlink head_;
  FLIsvSlink tail_;
  FLIsvSlink* last_;
  uint32_t count_;
};

class FLIsvDlist {
 public:
  FLIsvDlist();
  explicit FLIsvDlist(FLIsvDlink* link);
  FLIsvDlist(const FLIsvDlist&) = delete;
  FLIsvDlist& operator=(const FLIsvDlist&) = delete;
  ~FLIsvDlist() { clear(); }

  void clear();

  bool containsReference(const FLIsvDlink* link) const;
  FLIsvDlink* at(uint32_t i) const;
  void insertAt(uint32_t i, FLIsvDlink* link);
  FLIsvDlink* removeAt(uint32_t i);
  void insertAfterLink(FLIsvDlink* p, FLIsvDlink* link);
  // Unlinks a link of this list (null gives null).
  FLIsvDlink* removeReference(FLIsvDlink* link);

  FLIsvDlink* firstLink() const { return count_ ? head_.next_ : nullptr; }
  FLIsvDlink* lastLink() const { return count_ ? tail_.prev_ : nullptr; }
  uint32_t entries() const { return count_; }
  bool isEmpty() const { return count_ == 0; }

  FLIsvDlink* head() { return &head_; }
  FLIsvDlink* tail() { return &tail_; }
  const FLIsvDlink* head() const { return &head_; }
  const FLIsvDlink* tail() const { return &tail_; }

 private:
  FLIsvDlink* linkBefore(uint32_t i) const;

  FLIsvDlink head_;
  FLIsvDlink tail_;
  uint32_t count_;
};

class FLIsvSlistIterator {
 public:
  explicit FLIsvSlistIterator(FLIsvSlist& list) { reset(list); }

  void reset(FLIsvSlist& list) {
    list_ = &list;
    current_ = list.head();
  }
  void reset() { current_ = list_->head(); }

  // Steps n links along; the link reached, or null on a sentinel.
  FLIsvSlink* operator+=(uint32_t n);
  FLIsvSlink* operator++() { return *this += 1; }

  bool atFirst() const;
  bool atLast() const;
  void toFirst() { current_ = list_->head()->next_; }
  void toLast();
  void insertAfterPoint(FLIsvSlink* link);
  // Unlinks the current link and returns it; the iterator steps back so that advancing
  // continues with the link after it. Null on a sentinel.
  FLIsvSlink* remove();

  FLIsvSlink* key() const { return onSentinel() ? nullptr : current_; }
  FLIsvSlink* current() const { return current_; }
  void setCurrent(FLIsvSlink* link) { current_ = link; }
  FLIsvSlist& list() const { return *list_; }

 private:
  bool onSentinel() const { return current_ == list_->head() || current_ == list_->tail(); }

  FLIsvSlist* list_;
  FLIsvSlink* current_;
};

class FLIsvDlistIterator {
 public:
  explicit FLIsvDlistIterator(FLIsvDlist& list) { reset(list); }

  void reset(FLIsvDlist& list) {
    list_ = &list;
    current_ = list.head();
  }
  void reset() { current_ = list_->head(); }

  FLIsvDlink* operator+=(uint32_t n);
  FLIsvDlink* operator-=(uint32_t n);
  FLIsvDlink* operator++() { return *this += 1; }
  FLIsvDlink* operator--() { return *this -= 1; }

  bool atFirst() const { return !onSentinel() && current_ == list_->head()->next_; }
  bool atLast() const { return !onSentinel() && current_ == list_->tail()->prev_; }
  void toFirst() { current_ = list_->head()->next_; }
  void toLast() { current_ = list_->isEmpty() ? list_->tail() : list_->tail()->prev_; }
  void insertAfterPoint(FLIsvDlink* link);
  FLIsvDlink* remove();

  FLIsvDlink* key() const { return onSentinel() ? nullptr : current_; }
  FLIsvDlink* current() const { return current_; }
  void setCurrent(FLIsvDlink* link) { current_ = link; }
  FLIsvDlist& list() const { return *list_; }

 private:
  bool onSentinel() const { return current_ == list_->head() || current_ == list_->tail(); }

  FLIsvDlist* list_;
  FLIsvDlink* current_;
};
