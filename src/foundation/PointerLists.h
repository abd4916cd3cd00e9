// The window framework's own lists of untyped item pointers that the lists do not own:
//  - zPlist: circular doubly linked, with an iterator that tolerates removal while walks
//    are under way (handler lists, window lists, window-map cells);
//  - zSlist: circular singly linked through its last link (stacks and queues);
//  - zDblList: a doubly linked list of nodes with a two-way iterator.
//
// Order: zPlist::append, zSlist::append and zDblList::append all add at the end, so a
// walk visits items in the order they were added (handlers in order of registration,
// child windows in order of construction). prepend/insert add at the front.
#pragma once

#include <cstdint>

// ---------------------------------------------------------------- zPlist

struct zLink {
  zLink* next_;
  zLink** back_;        // the pointer that points at this link
  uint16_t lockCount_;  // iterators standing on this link
};

struct zPlink : public zLink {
  // Links a new link in at `position` (the address of a next field).
  zPlink(zLink** position, void* item);
  zPlink(const zPlink&) = delete;
  zPlink& operator=(const zPlink&) = delete;
  // Unlinks the link.
  ~zPlink();

  void* item_;
  uint32_t removed_;  // removed while an iterator stood on it

 protected:
  zPlink();  // the head of an empty list: points at itself
};

class zPlist : public zPlink {
 public:
  zPlist() = default;
  virtual ~zPlist();

  // Adds at the end: a walk visits items in the order they were added.
  void append(void* item);
  // Adds at the front.
  void prepend(void* item);
  // Removes the first (last) item still in the list and returns it; null when none.
  void* removeFirst();
  void* removeLast();
  // Removes the first link holding the item; false when none does.
  bool remove(void* item);
  // Items still in the list (links marked removed are not counted).
  uint32_t count() const;
  bool isEmpty() const { return count() == 0; }

 private:
  friend class zPListIter;
  // Takes a link out: deleted at once when no iterator stands on it, else marked removed
  // and deleted by the last iterator that leaves it.
  void retire(zPlink* link);
  zPlink* firstLive() const;
  zPlink* lastLive() const;
};

class zPListIter {
 public:
  explicit zPListIter(zPlist* list) : list_(list), current_(nullptr) {}
  explicit zPListIter(zPlist& list) : zPListIter(&list) {}
  zPListIter(const zPListIter&) = delete;
  zPListIter& operator=(const zPListIter&) = delete;
  ~zPListIter() { leave(); }

  // The next item still in the list, or null after the last.
  void* next();
  // Marks the current item removed; its link goes when no iterator stands on it.
  void removeCurrent();
  // Leaves the current link and goes back to the start.
  void release();

 private:
  void leave();

  zPlist* list_;
  zPlink* current_;
};

// ---------------------------------------------------------------- zSlist

struct zSlink {
  zSlink* next_;
  void* item_;
};

class zSlist {
 public:
  zSlist() : last_(nullptr), count_(0) {}
  explicit zSlist(void* item);
  zSlist(const zSlist&) = delete;
  zSlist& operator=(const zSlist&) = delete;
  virtual ~zSlist();

  bool insert(void* item);  // at the front; false when no link could be allocated
  bool append(void* item);  // at the end
  void* get();              // removes the first item
  void* peek() const;
  void* peekLast() const;
  bool join(zSlist& other);  // moves all of other's links to the end of this list
  uint32_t count() const { return count_; }
  bool isEmpty() const { return count_ == 0; }

 private:
  friend class zSlistIter;
  zSlink* last_;
  uint32_t count_;
};

class zSlistIter {
 public:
  explicit zSlistIter(const zSlist& list) : list_(&list) { reset(); }
  void reset();
  void* next();
  // The item at 0-based position n from the first, or null when the list is shorter
  // (or n is negative); the iterator's own position does not move.
  void* at(int32_t n) const;

 private:
  const zSlist* list_;
  zSlink* last_;
  zSlink* current_;
  bool done_;
};

// ---------------------------------------------------------------- zDblList

class zDListNode {
 public:
  explicit zDListNode(void* item = nullptr) : next_(this), prev_(this), item_(item) {}
  zDListNode(const zDListNode&) = delete;
  zDListNode& operator=(const zDListNode&) = delete;
  virtual ~zDListNode() = default;

  zDListNode* next() const { return next_; }
  zDListNode* prev() const { return prev_; }
  void* item() const { return item_; }

 protected:
  friend class zDblList;
  friend class zDListIter;
  zDListNode* next_;
  zDListNode* prev_;
  void* item_;
};

class zDblList : public zDListNode {
 public:
  // How clear(true) frees an item. The list cannot know the items' type, so the owner
  // says how; without one, items are taken to be raw blocks from ::operator new.
  using ItemDeleter = void (*)(void*);

  explicit zDblList(ItemDeleter deleter = nullptr) : count_(0), deleter_(deleter) {}
  ~zDblList() override { clear(false); }

  // Links a new node before `node`; before the list head it appends.
  void insertBefore(zDListNode* node, zDListNode* newNode);
  void append(void* item) { insertBefore(this, new zDListNode(item)); }
  void prepend(void* item) { insertBefore(next_, new zDListNode(item)); }
  // The item at a 0-based index; null for a negative index or one not below the count.
  void* at(int32_t index) const;
  bool remove(void* item);
  void clear(bool deleteItems);
  uint32_t count() const { return count_; }
  bool isEmpty() const { return count_ == 0; }

 private:
  friend class zDListIter;
  void unlinkAndDelete(zDListNode* node);

  uint32_t count_;
  ItemDeleter deleter_;
};

class zDListIter {
 public:
  explicit zDListIter(zDblList& list) : list_(&list), current_(&list), backward_(0) {}
  virtual ~zDListIter() = default;

  void setBackward(bool backward) { backward_ = backward ? 1 : 0; }
  // One step in the iterator's direction; the new node's item (null back on the head).
  void* next();
  void* current() const { return current_->item_; }
  // Goes to the node at index (0 to count - 1); false, without moving, otherwise.
  bool seek(int32_t index);
  // From the head, steps forward until the item or the head is reached.
  bool seekItem(void* item);
  // Removes the current node; the next step yields the node that followed it.
  void remove();

 private:
  zDblList* list_;
  zDListNode* current_;
  int32_t backward_;
};
