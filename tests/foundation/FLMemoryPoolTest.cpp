#include "foundation/FLErrors.h"
#include "foundation/FLIsvList.h"
#include "foundation/FLMemoryPool.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Size class 4 (9 and 10 bytes) is used by no link type of either build, so its state
// here is the test's own. Pointer links are 8 bytes on i686 and 16 on x86-64, which is
// why the pool is tested with explicit sizes.
constexpr size_t kNine = 9;
constexpr size_t kClassOfNine = 4;

void drainClassOfNine(std::vector<void*>& held) {
  while (FLMemoryPool::freeBlocks(kClassOfNine) > 0) held.push_back(FLMemoryPool::allocate(kNine));
}

TEST(FLMemoryPool, ReusesFreedBlocksAndKeepsAtMostFivePerClass) {
  std::vector<void*> held;
  drainClassOfNine(held);

  void* first = FLMemoryPool::allocate(kNine);
  FLMemoryPool::deallocate(first, kNine);
  EXPECT_EQ(FLMemoryPool::freeBlocks(kClassOfNine), 1);
  EXPECT_EQ(FLMemoryPool::allocate(10), first);  // any request of the class takes it
  EXPECT_EQ(FLMemoryPool::freeBlocks(kClassOfNine), 0);
  held.push_back(first);

  std::vector<void*> six;
  for (int i = 0; i < 6; ++i) six.push_back(FLMemoryPool::allocate(kNine));
  for (void* b : six) FLMemoryPool::deallocate(b, kNine);
  // Five are kept; the sixth went back to the general allocator (the sanitizer build
  // reports a leak otherwise).
  EXPECT_EQ(FLMemoryPool::freeBlocks(kClassOfNine), 5);
  EXPECT_EQ(FLMemoryPool::allocate(kNine), six[4]);  // last kept, first out
  FLMemoryPool::deallocate(six[4], kNine);

  for (void* b : held) FLMemoryPool::deallocate(b, kNine);
}

TEST(FLMemoryPool, SizeClassesAndLargeBlocks) {
  const struct {
    size_t size, cls, block;
  } table[] = {{1, 0, 2}, {2, 0, 2}, {3, 1, 4}, {8, 3, 8}, {9, 4, 10}, {10, 4, 10}, {11, 5, 12}, {13, 6, 14}};
  for (const auto& t : table) {
    EXPECT_EQ(FLMemoryPool::sizeClass(t.size), t.cls) << t.size;
    EXPECT_EQ(FLMemoryPool::blockSize(t.size), t.block) << t.size;
  }
  // A 13-byte block never enters the pool.
  void* big = FLMemoryPool::allocate(13);
  FLMemoryPool::deallocate(big, 13);
  EXPECT_EQ(FLMemoryPool::freeBlocks(6), 0);
}

struct Node : FLIsvSlink {
  explicit Node(int v) : value(v) {}
  int value;
};

struct DNode : FLIsvDlink {
  explicit DNode(int v) : value(v) {}
  int value;
};

std::vector<int> values(FLIsvSlist& list) {
  std::vector<int> out;
  FLIsvSlistIterator it(list);
  while (FLIsvSlink* l = ++it) out.push_back(static_cast<Node*>(l)->value);
  return out;
}

std::vector<int> values(FLIsvDlist& list) {
  std::vector<int> out;
  FLIsvDlistIterator it(list);
  while (FLIsvDlink* l = ++it) out.push_back(static_cast<DNode*>(l)->value);
  return out;
}

TEST(FLIsvSlist, PositionsAndBounds) {
  Node a(1), b(2), c(3), d(4);
  FLIsvSlist list;
  list.insertAt(0, &b);
  list.insertAt(0, &a);
  list.insertAt(2, &d);  // at the count: appends
  list.insertAt(2, &c);
  EXPECT_EQ(values(list), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(list.lastLink(), &d);
  EXPECT_EQ(list.at(2), &c);

  Node e(5);
  EXPECT_THROW(list.insertAt(5, &e), FLBoundsErr);  // the count + 1
  EXPECT_THROW(list.at(4), FLBoundsErr);
  EXPECT_THROW(list.removeAt(FL_NPOS), FLBoundsErr);
  EXPECT_EQ(list.entries(), 4u);

  EXPECT_EQ(list.removeAt(3), &d);
  EXPECT_EQ(list.lastLink(), &c);
  // After the last link there is nothing to remove.
  EXPECT_EQ(list.removeRight(&c), nullptr);
  EXPECT_EQ(list.removeRight(nullptr), nullptr);
  EXPECT_EQ(list.entries(), 3u);
}

TEST(FLIsvSlist, RemoveReferenceOfAStrangerChangesNothing) {
  Node a(1), b(2), stranger(9);
  FLIsvSlist list(&a);
  list.insertAfterLink(&a, &b);
  EXPECT_EQ(list.removeReference(&stranger), nullptr);
  EXPECT_EQ(list.removeReference(nullptr), nullptr);
  EXPECT_EQ(list.entries(), 2u);
  EXPECT_EQ(list.tail()->next_, list.tail());
  EXPECT_EQ(values(list), (std::vector<int>{1, 2}));
  EXPECT_FALSE(list.containsReference(&stranger));
  EXPECT_FALSE(list.containsReference(nullptr));

  EXPECT_EQ(list.removeReference(&b), &b);
  EXPECT_EQ(list.lastLink(), &a);
  EXPECT_EQ(list.findLeftLink(&a), list.head());
}

TEST(FLIsvIterators, SentinelsAndRemovalWhileWalking) {
  FLIsvSlist empty;
  FLIsvSlistIterator onEmpty(empty);
  EXPECT_EQ(onEmpty += 0, nullptr);
  onEmpty.toLast();
  EXPECT_EQ(onEmpty.current(), empty.tail());
  EXPECT_EQ(onEmpty += 1, nullptr);
  EXPECT_FALSE(onEmpty.atFirst());
  EXPECT_FALSE(onEmpty.atLast());

  Node n[4] = {Node(1), Node(2), Node(3), Node(4)};
  FLIsvSlist list;
  for (Node& x : n) list.insertAt(list.entries(), &x);
  FLIsvSlistIterator it(list);
  std::vector<int> seen;
  while (FLIsvSlink* l = ++it) {
    const int v = static_cast<Node*>(l)->value;
    seen.push_back(v);
    if (v == 2 || v == 4) {
      EXPECT_EQ(it.remove(), l);
    }
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(values(list), (std::vector<int>{1, 3}));
  EXPECT_EQ(list.lastLink(), &n[2]);
  it.toLast();
  EXPECT_TRUE(it.atLast());
  it.toFirst();
  EXPECT_TRUE(it.atFirst());

  DNode d[3] = {DNode(1), DNode(2), DNode(3)};
  FLIsvDlist dlist;
  for (DNode& x : d) dlist.insertAt(dlist.entries(), &x);
  FLIsvDlistIterator dit(dlist);
  dit += 2;
  EXPECT_EQ(dit.remove(), &d[1]);
  EXPECT_EQ(++dit, &d[2]);
  EXPECT_EQ(--dit, &d[0]);
  EXPECT_EQ(--dit, nullptr);  // the head
  EXPECT_EQ(values(dlist), (std::vector<int>{1, 3}));
  EXPECT_EQ(dlist.removeAt(1), &d[2]);
  EXPECT_EQ(dlist.lastLink(), &d[0]);
  EXPECT_THROW(dlist.at(1), FLBoundsErr);
  FLIsvDlistIterator end(dlist);
  end.toLast();
  EXPECT_EQ(end += 1, nullptr);
}

}  // namespace
