#include "foundation/PointerLists.h"

#include <gtest/gtest.h>

#include <new>
#include <vector>

namespace {

int item[6] = {0, 1, 2, 3, 4, 5};

std::vector<int> walk(zPlist& list) {
  std::vector<int> out;
  zPListIter it(list);
  while (void* p = it.next()) out.push_back(*static_cast<int*>(p));
  return out;
}

// Handlers are called in order of registration and children kept in order of
// construction, so items appended to a pointer list are visited oldest first.
TEST(zPlist, AppendedItemsAreVisitedInOrderOfAddition) {
  zPlist list;
  list.append(&item[1]);
  list.append(&item[2]);
  list.append(&item[3]);
  EXPECT_EQ(walk(list), (std::vector<int>{1, 2, 3}));
  list.prepend(&item[0]);
  EXPECT_EQ(walk(list), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(list.removeFirst(), &item[0]);
  EXPECT_EQ(list.removeLast(), &item[3]);
  EXPECT_EQ(list.count(), 2u);
  EXPECT_TRUE(list.remove(&item[1]));
  EXPECT_FALSE(list.remove(&item[1]));
  EXPECT_EQ(list.removeFirst(), &item[2]);
  EXPECT_EQ(list.removeFirst(), nullptr);
  EXPECT_EQ(list.removeLast(), nullptr);
  zPListIter onEmpty(list);
  EXPECT_EQ(onEmpty.next(), nullptr);
}

TEST(zPlist, RemovingTheCurrentItemWhileWalking) {
  zPlist list;
  for (int i = 1; i <= 4; ++i) list.append(&item[i]);
  zPListIter it(list);
  std::vector<int> seen;
  while (void* p = it.next()) {
    seen.push_back(*static_cast<int*>(p));
    if (p == &item[2] || p == &item[4]) it.removeCurrent();
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(walk(list), (std::vector<int>{1, 3}));
  EXPECT_EQ(list.count(), 2u);
}

TEST(zPlist, ALinkStaysUntilTheLastIteratorLeavesIt) {
  zPlist list;
  for (int i = 1; i <= 3; ++i) list.append(&item[i]);
  zPListIter first(list);
  zPListIter second(list);
  EXPECT_EQ(first.next(), &item[1]);
  EXPECT_EQ(first.next(), &item[2]);
  EXPECT_EQ(second.next(), &item[1]);
  EXPECT_EQ(second.next(), &item[2]);
  first.removeCurrent();
  EXPECT_EQ(list.count(), 2u);
  EXPECT_EQ(first.next(), &item[3]);   // first leaves; second still stands on it
  EXPECT_EQ(second.next(), &item[3]);  // second leaves: the link is freed now
  EXPECT_EQ(first.next(), nullptr);
  EXPECT_EQ(second.next(), nullptr);
  EXPECT_EQ(walk(list), (std::vector<int>{1, 3}));

  // A fresh walk skips a removed link that an iterator still holds.
  zPListIter holder(list);
  EXPECT_EQ(holder.next(), &item[1]);
  holder.removeCurrent();
  EXPECT_EQ(walk(list), (std::vector<int>{3}));
  holder.release();  // frees it and starts over
  EXPECT_EQ(holder.next(), &item[3]);
}

TEST(zPlist, RemovingThroughTheListUnderAnIteratorIsSafe) {
  zPlist list;
  for (int i = 1; i <= 3; ++i) list.append(&item[i]);
  zPListIter it(list);
  EXPECT_EQ(it.next(), &item[1]);
  // The iterator stands on item 1: the link is only marked, not freed under it.
  EXPECT_EQ(list.removeFirst(), &item[1]);
  EXPECT_EQ(list.removeFirst(), &item[2]);  // the next item still in the list
  EXPECT_EQ(it.next(), &item[3]);
  EXPECT_EQ(it.next(), nullptr);
  EXPECT_EQ(list.count(), 1u);
}

TEST(zSlist, StackAndQueueOperations) {
  zSlist list;
  EXPECT_EQ(list.get(), nullptr);
  EXPECT_EQ(list.peek(), nullptr);
  EXPECT_EQ(list.peekLast(), nullptr);
  EXPECT_TRUE(list.insert(&item[2]));
  EXPECT_TRUE(list.insert(&item[1]));
  EXPECT_TRUE(list.append(&item[3]));
  EXPECT_EQ(list.count(), 3u);
  EXPECT_EQ(list.peek(), &item[1]);
  EXPECT_EQ(list.peekLast(), &item[3]);

  zSlistIter it(list);
  EXPECT_EQ(it.at(0), &item[1]);
  EXPECT_EQ(it.at(2), &item[3]);
  EXPECT_EQ(it.at(3), nullptr);
  EXPECT_EQ(it.at(-1), nullptr);
  EXPECT_EQ(it.next(), &item[1]);
  EXPECT_EQ(it.at(1), &item[2]);  // does not move the iterator
  EXPECT_EQ(it.next(), &item[2]);
  EXPECT_EQ(it.next(), &item[3]);
  EXPECT_EQ(it.next(), nullptr);
  EXPECT_EQ(it.next(), nullptr);

  zSlist other(&item[4]);
  other.append(&item[5]);
  EXPECT_TRUE(list.join(other));
  EXPECT_EQ(list.count(), 5u);
  EXPECT_EQ(other.count(), 0u);
  EXPECT_EQ(other.peek(), nullptr);
  EXPECT_EQ(list.peekLast(), &item[5]);

  std::vector<void*> order;
  while (void* p = list.get()) order.push_back(p);
  EXPECT_EQ(order, (std::vector<void*>{&item[1], &item[2], &item[3], &item[4], &item[5]}));

  zSlist one(&item[0]);
  EXPECT_EQ(one.get(), &item[0]);
  EXPECT_EQ(one.count(), 0u);
  EXPECT_EQ(one.peekLast(), nullptr);
  EXPECT_TRUE(one.append(&item[1]));
  EXPECT_EQ(one.peek(), &item[1]);
}

int deleted = 0;
void countingDeleter(void* p) {
  ++deleted;
  delete static_cast<int*>(p);
}

TEST(zDblList, IndexingClearingAndOwnership) {
  zDblList list(&countingDeleter);
  for (int i = 0; i < 3; ++i) list.append(new int(i));
  EXPECT_EQ(*static_cast<int*>(list.at(0)), 0);
  EXPECT_EQ(*static_cast<int*>(list.at(2)), 2);
  EXPECT_EQ(list.at(3), nullptr);
  EXPECT_EQ(list.at(-1), nullptr);
  deleted = 0;
  list.clear(true);
  EXPECT_EQ(deleted, 3);
  EXPECT_EQ(list.count(), 0u);

  {
    zDblList keeps;
    keeps.append(&item[1]);
    keeps.append(&item[2]);
    keeps.clear(false);
    keeps.append(&item[3]);
  }  // destroyed without the flag: the items are untouched
  EXPECT_EQ(item[3], 3);

  zDblList raw;  // no deleter: raw blocks from ::operator new
  raw.append(::operator new(32));
  raw.prepend(::operator new(8));
  raw.clear(true);
  EXPECT_TRUE(raw.isEmpty());
}

TEST(zDblList, IteratorStepsSeeksAndRemoves) {
  zDblList list;
  for (int i = 1; i <= 4; ++i) list.append(&item[i]);
  EXPECT_TRUE(list.remove(&item[4]));
  EXPECT_FALSE(list.remove(&item[4]));

  zDListIter it(list);
  std::vector<void*> seen;
  while (void* p = it.next()) {
    seen.push_back(p);
    if (p == &item[2]) it.remove();
  }
  EXPECT_EQ(seen, (std::vector<void*>{&item[1], &item[2], &item[3]}));
  EXPECT_EQ(list.count(), 2u);

  EXPECT_FALSE(it.seek(2));
  EXPECT_FALSE(it.seek(-1));
  it.setBackward(true);
  EXPECT_TRUE(it.seek(1));
  EXPECT_EQ(it.current(), &item[3]);
  EXPECT_EQ(it.next(), &item[1]);  // the direction survived the seek
  EXPECT_EQ(it.next(), nullptr);   // back on the head
  it.remove();                     // on the head: nothing
  EXPECT_EQ(list.count(), 2u);

  EXPECT_TRUE(it.seekItem(&item[3]));
  it.remove();  // going backward: the next step yields the node before it
  EXPECT_EQ(it.next(), &item[1]);
  EXPECT_FALSE(it.seekItem(&item[3]));
  EXPECT_EQ(list.count(), 1u);
}

}  // namespace
