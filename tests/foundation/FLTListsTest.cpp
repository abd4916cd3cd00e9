#include "foundation/FLTLists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/FLCString.h"

// Every member is built for the element types the framework uses.
template class FLTPtrSlist<FLCString>;
template class FLTPtrSlist<int>;
template class FLTValSlist<FLCString>;
template class FLTValSlist<int>;
template class FLTPtrDlist<FLCString>;
template class FLTPtrSlistIterator<FLCString>;
template class FLTPtrSlistIterator<int>;
template class FLTValSlistIterator<FLCString>;
template class FLTPtrDlistIterator<FLCString>;

namespace {

// An element that counts its live instances, to see who deletes what.
struct Counted {
  explicit Counted(int v) : value(v) { ++alive; }
  Counted(const Counted& o) : value(o.value) { ++alive; }
  ~Counted() { --alive; }
  bool operator==(const Counted& o) const { return value == o.value; }
  int value;
  static int alive;
};
int Counted::alive = 0;

template <class List>
std::vector<std::string> texts(List& list) {
  std::vector<std::string> out;
  FLTPtrSlistIterator<FLCString> it(list);
  while (FLCString* s = it()) out.push_back(s->data());
  return out;
}

int startsWithB(const FLCString* s, void*) { return s->length() && (*s)[0u] == 'b'; }

TEST(FLTPtrSlist, OrderPositionsAndElementMatching) {
  FLCString a("a"), b("b"), c("c"), d("d");
  FLTPtrSlist<FLCString> list;
  list.append(&b);
  list.insert(&c);
  list.prepend(&a);
  list.insertAt(3, &d);  // at the count: appends
  EXPECT_EQ(texts(list), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(list.first(), &a);
  EXPECT_EQ(list.last(), &d);
  EXPECT_EQ(list.at(1), &b);
  EXPECT_THROW(list.insertAt(5, &d), FLBoundsErr);  // refused without leaking a link
  EXPECT_THROW(list.at(4), FLBoundsErr);
  EXPECT_EQ(list.entries(), 4u);

  // Matching compares the elements, not the pointers.
  const FLCString otherC("c");
  EXPECT_EQ(list.find(&otherC), &c);
  EXPECT_EQ(list.index(&otherC), 2u);
  EXPECT_TRUE(list.contains(&otherC));
  EXPECT_EQ(list.find(startsWithB, nullptr), &b);
  EXPECT_EQ(list.index(startsWithB, nullptr), 1u);
  const FLCString absent("z");
  EXPECT_EQ(list.find(&absent), nullptr);
  EXPECT_EQ(list.index(&absent), FL_NPOS);
  EXPECT_EQ(list.find(nullptr), nullptr);

  EXPECT_EQ(list.remove(&otherC), &c);
  EXPECT_EQ(list.remove(&otherC), nullptr);
  EXPECT_EQ(list.remove(&absent), nullptr);
  EXPECT_EQ(texts(list), (std::vector<std::string>{"a", "b", "d"}));
  EXPECT_EQ(list.remove(&d), &d);  // the last link: the list's last moves back
  EXPECT_EQ(list.last(), &b);

  FLTPtrSlist<FLCString> empty;
  EXPECT_EQ(empty.remove(&a), nullptr);
  EXPECT_EQ(empty.entries(), 0u);
  EXPECT_EQ(empty.first(), nullptr);
}

TEST(FLTPtrSlist, RemoveAllOfEqualStringsEmptiesTheList) {
  FLCString x1("x"), x2("x"), x3("x");
  FLTPtrSlist<FLCString> list;
  list.append(&x1);
  list.append(&x2);
  list.append(&x3);
  const FLCString x("x");
  EXPECT_EQ(list.occurrencesOf(&x), 3u);
  EXPECT_EQ(list.removeAll(&x), 3u);
  EXPECT_TRUE(list.isEmpty());
  EXPECT_EQ(list.lastOrHead(), list.head());
  list.append(&x1);  // still usable: the new link is first and last
  EXPECT_EQ(list.first(), &x1);
  EXPECT_EQ(list.last(), &x1);
}

TEST(FLTPtrSlist, IteratorRemovalVisitsEveryRemainingElementOnce) {
  std::vector<FLCString> items = {"1", "2", "3", "4", "5"};
  FLTPtrSlist<FLCString> list;
  for (FLCString& s : items) list.append(&s);
  FLTPtrSlistIterator<FLCString> it(list);
  std::vector<std::string> seen;
  while (FLCString* s = it()) {
    seen.push_back(s->data());
    if (*s == "2" || *s == "3" || *s == "5") {
      EXPECT_EQ(it.remove(), s);
    }
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(texts(list), (std::vector<std::string>{"1", "4"}));
  EXPECT_EQ(list.last(), &items[3]);

  it.reset();
  EXPECT_EQ(it.remove(), nullptr);  // before the first element
  const FLCString four("4");
  EXPECT_EQ(it.findNext(&four), &items[3]);
  it.insertAfterPoint(&items[4]);
  EXPECT_EQ(it(), &items[4]);
  EXPECT_EQ(it(), nullptr);
  it.reset();
  EXPECT_EQ(it.removeNext(&four), &items[3]);
  EXPECT_EQ(it.removeNext(&four), nullptr);
  EXPECT_EQ(texts(list), (std::vector<std::string>{"1", "5"}));
}

TEST(FLTPtrSlist, OwnershipOfElements) {
  Counted::alive = 0;
  {
    FLTPtrSlist<Counted> list;
    for (int i = 0; i < 3; ++i) list.append(new Counted(i));
    FLTPtrSlist<Counted> shared(list);  // shares the elements
    EXPECT_EQ(shared.entries(), 3u);
    EXPECT_EQ(shared.first(), list.first());
    shared.clear();  // keeps the elements
    EXPECT_EQ(Counted::alive, 3);
    list.clearAndDestroy();
    EXPECT_EQ(Counted::alive, 0);
    EXPECT_TRUE(list.isEmpty());
  }
  int sum = 0;
  Counted one(1), two(2);
  FLTPtrSlist<Counted> list;
  list.append(&one);
  list.append(&two);
  list.apply([](Counted* c, void* total) { *static_cast<int*>(total) += c->value; }, &sum);
  EXPECT_EQ(sum, 3);
  FLTPtrSlist<Counted> assigned;
  assigned.append(&two);
  assigned = list;
  EXPECT_EQ(assigned.entries(), 2u);
  EXPECT_EQ(assigned.first(), &one);
}

TEST(FLTValSlist, HoldsCopiesAndReportsSuccess) {
  Counted::alive = 0;
  {
    FLTValSlist<Counted> list;
    list.append(Counted(1));
    list.append(Counted(2));
    list.prepend(Counted(0));
    list.append(Counted(2));
    EXPECT_EQ(Counted::alive, 4);
    EXPECT_EQ(list.first().value, 0);
    EXPECT_EQ(list.last().value, 2);
    EXPECT_EQ(list.index(Counted(1)), 1u);
    EXPECT_EQ(list.occurrencesOf(Counted(2)), 2u);
    EXPECT_TRUE(list.remove(Counted(1)));
    EXPECT_FALSE(list.remove(Counted(7)));
    EXPECT_EQ(Counted::alive, 3);

    FLTValSlist<Counted> copy(list);
    copy.at(0).value = 99;  // the copy holds its own values
    EXPECT_EQ(list.at(0).value, 0);
    EXPECT_EQ(Counted::alive, 6);

    FLTValSlistIterator<Counted> it(list);
    std::vector<int> seen;
    while (it()) {
      seen.push_back(it.key().value);
      if (it.key().value == 0) {
        EXPECT_TRUE(it.remove());
      }
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 2, 2}));
    EXPECT_EQ(list.removeAll(Counted(2)), 2u);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_THROW(list.first(), FLBoundsErr);
    EXPECT_THROW(list.last(), FLBoundsErr);
    EXPECT_THROW(list.insertAt(1, Counted(5)), FLBoundsErr);
  }
  EXPECT_EQ(Counted::alive, 0);  // the lists destroyed their copies
}

TEST(FLTPtrDlist, SameOperationsOverDoubleLinks) {
  FLCString a("a"), b("b"), c("c");
  FLTPtrDlist<FLCString> list;
  list.append(&b);
  list.prepend(&a);
  list.insertAt(2, &c);
  EXPECT_EQ(list.entries(), 3u);
  EXPECT_EQ(list.first(), &a);
  EXPECT_EQ(list.last(), &c);
  const FLCString otherB("b");
  EXPECT_EQ(list.index(&otherB), 1u);
  EXPECT_EQ(list.remove(&otherB), &b);
  EXPECT_EQ(list.remove(&otherB), nullptr);
  EXPECT_THROW(list.insertAt(3, &b), FLBoundsErr);

  list.append(&b);
  FLTPtrDlistIterator<FLCString> it(list);
  std::vector<std::string> seen;
  while (FLCString* s = it()) {
    seen.push_back(s->data());
    if (s == &c) {
      EXPECT_EQ(it.remove(), &c);
    }
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "c", "b"}));
  EXPECT_EQ(list.entries(), 2u);
  EXPECT_EQ(list.last(), &b);
  EXPECT_EQ(it.back(), &b);
  EXPECT_EQ(it.back(), &a);
  EXPECT_EQ(it.back(), nullptr);

  FLTPtrDlist<FLCString> copy(list);
  list.append(&a);
  EXPECT_EQ(list.removeAll(&a), 2u);
  EXPECT_EQ(copy.entries(), 2u);
}

}  // namespace
