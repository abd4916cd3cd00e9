// The sizer base, the normal layout and the gravity family, without windows.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "FakeWindow.h"
#include "framework/layout/zGravSizer.h"
#include "framework/layout/zRedirSizer.h"
#include "framework/layout/zSizer.h"

namespace {

zRect sizerRect(zSizer* s) { return s->rect(); }

// ---------------------------------------------------------------- normal layout docking

struct Child {
  int32_t gravity;
  int32_t cx, cy;  // gravity sizer extent (cx, cy)
  zRect expected;
};

struct DockCase {
  const char* what;
  std::vector<Child> children;
  zRect area;
  zRect returned;  // the area the layout writes back
};

const DockCase dockCases[] = {
    {"two left children side by side in list order, then the client takes the rest",
     {{gravLeft, 40, 0, zRect(0, 0, 40, 100)},
      {gravLeft, 30, 0, zRect(40, 0, 70, 100)},
      {gravClient, 0, 0, zRect(70, 0, 200, 100)}},
     zRect(0, 0, 200, 100),
     zRect(0, 0, 200, 100)},
    {"top bands stack; a bottom band; only docked children shrink the area to what they used",
     {{gravTop, 0, 24, zRect(0, 0, 200, 24)},
      {gravTop, 0, 10, zRect(0, 24, 200, 34)},
      {gravBottom, 0, 20, zRect(0, 80, 200, 100)}},
     zRect(0, 0, 200, 100),
     zRect(0, 0, 0, 54)},
    {"right docking takes from the right edge",
     {{gravRight, 50, 0, zRect(150, 0, 200, 100)}, {gravRight, 20, 30, zRect(130, 0, 150, 30)}},
     zRect(0, 0, 200, 100),
     zRect(0, 0, 70, 0)},
    {"a centred child is shifted by halves, truncated",
     {{gravCenter, 51, 21, zRect(74, 39, 125, 60)}},
     zRect(0, 0, 200, 100),
     zRect(0, 0, 200, 100)},
    {"an unknown gravity gets the empty rectangle",
     {{9, 10, 10, zRect(0, 0, 0, 0)}},
     zRect(5, 5, 50, 50),
     zRect(5, 5, 5, 5)},
};

TEST(NormalLayout, DocksChildrenByGravityInListOrder) {
  for (const DockCase& c : dockCases) {
    SCOPED_TRACE(c.what);
    zSizer top(zPoint(0, 0), zDimension(0, 0), nullptr);
    std::vector<std::unique_ptr<zGravSizer>> kids;
    for (const Child& ch : c.children) kids.emplace_back(new zGravSizer(ch.gravity, ch.cx, ch.cy, &top));
    zRect area = c.area;
    zNormalLayout::shared()->arrange(area, top.children(), static_cast<int32_t>(top.childCount()));
    for (size_t i = 0; i < kids.size(); ++i) EXPECT_EQ(sizerRect(kids[i].get()), c.children[i].expected) << i;
    EXPECT_EQ(area, c.returned);
  }
}

TEST(NormalLayout, GravNoneKeepsItsOriginAndAnUnsetWidthReachesTheFreeRightEdge) {
  zSizer top(zPoint(0, 0), zDimension(300, 200), nullptr);
  zGravSizer left(gravLeft, 40, &top);
  zSizer own(zPoint(60, 10), zDimension(sizerUnset, 30), &top);
  top.update(nullptr);
  EXPECT_EQ(own.rect(), zRect(60, 10, 300, 40));
  EXPECT_EQ(left.rect(), zRect(0, 0, 40, 200));
}

TEST(NormalLayout, MeasureCountsUnsetHeightsAsNothing) {
  zSizer top(nullptr);
  zGravSizer a(gravTop, 0, 24, &top);
  zSizer b(zPoint(0, 0), zDimension(10, 10), nullptr);
  b.setGravity(gravTop);
  top.addChild(&b);
  zSizer unsetBand(nullptr);  // every coordinate unset
  unsetBand.setGravity(gravTop);
  top.addChild(&unsetBand);
  zSizeInfo info;
  zNormalLayout::shared()->measure(info, top.children(), 3);
  EXPECT_EQ(info.prefSize, zDimension(10, 34));
  EXPECT_EQ(info.minSize, zDimension(10, 34));
}

TEST(NormalLayout, MeasureTakesGravNoneExtentsAndLargestDocked) {
  zSizer top(nullptr);
  zGravSizer l(gravLeft, 40, 0, &top);
  zGravSizer l2(gravLeft, 60, 5, &top);
  zSizer free(zPoint(10, 20), zDimension(100, 30), &top);
  zSizeInfo info;
  zNormalLayout::shared()->measure(info, top.children(), 3);
  EXPECT_EQ(info.prefSize, zDimension(110, 50));
  EXPECT_EQ(info.maxSize, zDimension(110, 50));
  EXPECT_EQ(info.minSize, zDimension(60, 5));
}

// ---------------------------------------------------------------- sizer base

TEST(Sizer, ConstructorsAndChildList) {
  zSizer parent(nullptr);
  EXPECT_EQ(parent.origin(), zPoint(sizerUnset, sizerUnset));
  EXPECT_EQ(parent.gravity(), gravNone);
  zSizer a(1, 2, 3, 4, &parent);
  zSizer b(zRect(5, 6, 15, 26), nullptr);
  parent.addChildFirst(&b);
  parent.addChild(nullptr);
  EXPECT_EQ(parent.childCount(), 2u);
  EXPECT_EQ(b.extent(), zDimension(10, 20));
  zSizerDlistIter it(parent.children());
  EXPECT_EQ(it.next(), &b);
  EXPECT_EQ(it.next(), &a);
  zSizer stranger(nullptr);
  parent.removeChild(&stranger);
  EXPECT_EQ(parent.childCount(), 2u);
  b.detach();
  EXPECT_EQ(parent.childCount(), 1u);
  EXPECT_EQ(b.parent(), nullptr);
}

TEST(Sizer, DeletingASizerLeavesItsChildrenAliveAndParentless) {
  zSizer child(nullptr);
  {
    zSizer parent(nullptr);
    parent.addChild(&child);
    EXPECT_EQ(child.parent(), &parent);
  }
  EXPECT_EQ(child.parent(), nullptr);
}

TEST(Sizer, QuerySizeOfGravNoneWithChildrenReportsItsOwnExtent) {
  zSizer s(zPoint(3, 4), zDimension(50, 60), nullptr);
  zGravSizer big(gravLeft, 500, 500, &s);
  zSizeInfo info;
  s.querySize(info);
  EXPECT_EQ(info.prefSize, zDimension(50, 60));
  EXPECT_EQ(info.origin, zPoint(3, 4));
  EXPECT_EQ(info.gravity, gravNone);
}

TEST(Sizer, DockedSizerWithChildrenStaysDocked) {
  zSizer top(zPoint(0, 0), zDimension(100, 100), nullptr);
  zSizer box(&top);
  box.setGravity(gravTop);
  zGravSizer inner(gravTop, 0, 15, &box);
  zSizeInfo info;
  box.querySize(info);
  EXPECT_EQ(info.gravity, gravTop);
  EXPECT_EQ(info.prefSize.height(), 15);
  top.update(nullptr);
  EXPECT_EQ(box.rect(), zRect(0, 0, 100, 15));
}

TEST(Sizer, PlaceMovesItsWindowUnlessGravNoneOrNoMoveOrDead) {
  FakeWindow w;
  zGravSizer docked(gravTop, 0, 20, nullptr);
  docked.setWindow(&w);
  docked.place(zRect(5, 6, 105, 26), 1);
  EXPECT_TRUE(w.moves_.empty());
  docked.place(zRect(5, 6, 105, 26), 0);
  ASSERT_EQ(w.moves_.size(), 1u);
  EXPECT_EQ(w.moves_[0], zRect(5, 6, 105, 26));
  w.live_ = false;
  docked.place(zRect(0, 0, 1, 1), 0);
  EXPECT_EQ(w.moves_.size(), 1u);
  w.live_ = true;
  zSizer free(nullptr);
  free.setWindow(&w);
  free.place(zRect(0, 0, 1, 1), 0);
  EXPECT_EQ(w.moves_.size(), 1u);
}

TEST(Sizer, ChildrenOfAWindowSizerArePlacedInClientCoordinates) {
  FakeWindow frame(zDimension(300, 200));
  zSizer top(zPoint(40, 50), zDimension(0, 0), nullptr);
  top.setWindow(&frame);
  FakeWindow bar;
  zGravSizer barSizer(gravTop, 30, &top);
  barSizer.setWindow(&bar);
  top.update(nullptr);  // extent from the window's client size
  EXPECT_EQ(top.extent(), zDimension(300, 200));
  EXPECT_EQ(top.origin(), zPoint(40, 50));
  ASSERT_EQ(bar.moves_.size(), 1u);
  EXPECT_EQ(bar.moves_[0], zRect(0, 0, 300, 30));
  EXPECT_TRUE(frame.moves_.empty());  // update never moves the sizer's own window
}

TEST(Sizer, UpdateOfUnsetSizerNeitherOverflowsNorMoves) {
  zSizer s(nullptr);
  zGravSizer child(gravTop, 0, 10, &s);
  s.update(nullptr);
  EXPECT_EQ(child.height(), 10);
}

TEST(Sizer, ReplaceWithKeepsParentChildrenAndWindow) {
  FakeWindow w(zDimension(80, 60));
  zSizer parent(zPoint(0, 0), zDimension(200, 100), nullptr);
  zSizer* old = new zSizer(&parent);
  old->setWindow(&w);
  zGravSizer k1(gravLeft, 10, old);
  zGravSizer k2(gravLeft, 20, old);
  zGravSizer* repl = new zGravSizer(gravTop, 0, 40, nullptr);
  old->replaceWith(repl);
  EXPECT_EQ(repl->parent(), &parent);
  EXPECT_EQ(parent.childCount(), 1u);
  EXPECT_EQ(repl->childCount(), 2u);
  EXPECT_EQ(k1.parent(), repl);
  EXPECT_EQ(repl->window(), &w);
  // The parent's update docked the new sizer and moved the window.
  ASSERT_FALSE(w.moves_.empty());
  EXPECT_EQ(w.moves_.back(), zRect(0, 0, 200, 40));
  delete repl;
  EXPECT_EQ(k1.parent(), nullptr);
}

TEST(SizeWithParent, CoversTheParentAndAsksForEverything) {
  FakeWindow w;
  zSizeWithParent s;
  s.parentSized(&w, (70u << 16) | 130u);
  ASSERT_EQ(w.moves_.size(), 1u);
  EXPECT_EQ(w.moves_[0], zRect(0, 0, 130, 70));
  zSizeInfo info;
  s.querySize(info);
  EXPECT_EQ(info.gravity, gravCenter);
  EXPECT_EQ(info.prefSize, zDimension(0, 0));
  EXPECT_EQ(s.asKind(zKindSizeWithParent), &s);
  EXPECT_EQ(s.asKind(zKindSizer), &s);
}

// ---------------------------------------------------------------- kinds

TEST(Sizer, KindsAnswerAlongTheirChain) {
  zGravSizer g(gravTop, 1, nullptr);
  zPercentSizer p(gravTop, nullptr);
  zGrowToFitSizer f(gravTop, nullptr);
  zLayoutSizer l(nullptr);
  zLeafSizer leaf(nullptr);
  zFixedSizer fixed(nullptr, gravLeft);
  zFillerSizer filler(nullptr);
  struct {
    zSizer* s;
    int32_t kind;
    bool answers;
  } rows[] = {
      {&g, zKindGrav, true},      {&g, zKindSizer, true},        {&g, zKindLeaf, false},
      {&p, zKindPercent, true},   {&p, zKindGrav, true},         {&f, zKindGrowToFit, true},
      {&f, zKindPercent, false},  {&l, zKindLayoutSizer, true},  {&l, zKindGrav, true},
      {&leaf, zKindLeaf, true},   {&leaf, zKindGrav, false},     {&fixed, zKindFixed, true},
      {&fixed, zKindLeaf, false}, {&fixed, zKindSizer, true},    {&filler, zKindFiller, true},
      {&filler, zKindLeaf, true}, {&filler, zKindExpand, false},
  };
  for (auto& r : rows) EXPECT_EQ(r.s->asKind(r.kind) != nullptr, r.answers) << r.kind;
}

// ---------------------------------------------------------------- gravity family

TEST(GravSizer, ExtentGoesToTheSideTheGravityFixes) {
  zGravSizer left(gravLeft, 40, nullptr);
  zGravSizer top(gravTop, 24, nullptr);
  zGravSizer client(gravClient, 7, nullptr);
  EXPECT_EQ(left.extent(), zDimension(40, sizerUnset));
  EXPECT_EQ(left.fixedExtent(), zDimension(40, 0));
  EXPECT_EQ(top.extent(), zDimension(sizerUnset, 24));
  EXPECT_EQ(client.fixedExtent(), zDimension(7, 7));
}

TEST(GravSizer, TopBandsSpanTheFullWidthAndStack) {
  zSizer top(zPoint(0, 0), zDimension(120, 90), nullptr);
  zGravSizer a(gravTop, 24, &top);
  zGravSizer b(gravTop, 24, &top);
  zLayoutSizer rest(&top);
  top.update(nullptr);
  EXPECT_EQ(a.rect(), zRect(0, 0, 120, 24));
  EXPECT_EQ(b.rect(), zRect(0, 24, 120, 48));
  EXPECT_EQ(rest.rect(), zRect(0, 48, 120, 90));
}

TEST(PercentSizer, ShareOfTheParentTruncated) {
  zSizer parent(zPoint(0, 0), zDimension(301, 200), nullptr);
  zPercentSizer half(gravLeft, 0.0f, 50.0f, &parent);
  zSizeInfo info;
  half.querySize(info);
  EXPECT_EQ(info.prefSize, zDimension(150, 200));
  zPercentSizer orphan(gravLeft, nullptr);
  orphan.querySize(info);
  EXPECT_EQ(info.prefSize, zDimension(0, 0));
  zSizer unsetParent(nullptr);
  zPercentSizer third(gravTop, 33.0f, 0.0f, &unsetParent);
  third.querySize(info);
  EXPECT_EQ(info.prefSize, zDimension(0, 0));
}

TEST(GrowToFitSizer, FixedHeightAndTheWidestLeftChild) {
  zGrowToFitSizer fit(gravTop, zGrowToFitSizer::fitFixedHeight, 30, nullptr);
  zGravSizer a(gravLeft, 40, &fit);
  zGravSizer b(gravLeft, 60, &fit);
  zSizeInfo info;
  fit.querySize(info);
  EXPECT_EQ(info.prefSize, zDimension(60, 30));
  EXPECT_EQ(info.gravity, gravTop);
}

TEST(GrowToFitSizer, PlaceShrinksToWhatTheChildrenUsedAndMovesEvenGravNone) {
  FakeWindow w;
  zGrowToFitSizer fit(gravNone, nullptr);
  fit.setWindow(&w);
  zGravSizer a(gravTop, 0, 12, &fit);
  zGravSizer b(gravTop, 0, 8, &fit);
  fit.place(zRect(10, 10, 210, 110), 0);
  EXPECT_EQ(fit.origin(), zPoint(0, 0));
  EXPECT_EQ(fit.extent(), zDimension(0, 20));
  ASSERT_EQ(w.moves_.size(), 1u);
  EXPECT_EQ(w.moves_[0], zRect(10, 10, 210, 110));
}

TEST(LeafSizers, RecordOnlyAndReportWhatTheyHold) {
  FakeWindow w;
  zLeafSizer leaf(nullptr);
  leaf.setWindow(&w);
  zGravSizer ignored(gravTop, 5, &leaf);
  leaf.place(zRect(1, 2, 31, 42), 0);
  EXPECT_EQ(leaf.rect(), zRect(1, 2, 31, 42));
  EXPECT_TRUE(w.moves_.empty());
  EXPECT_EQ(ignored.origin(), zPoint(sizerUnset, sizerUnset));
  zSizeInfo info;
  leaf.querySize(info);
  EXPECT_EQ(info.prefSize, zDimension(30, 40));

  zFixedSizer fixed(nullptr, gravRight);
  fixed.setFixedSize(zDimension(9, 8));
  fixed.querySize(info);
  EXPECT_EQ(info.prefSize, zDimension(9, 8));
  EXPECT_EQ(info.gravity, gravRight);
  EXPECT_EQ(info.origin, zPoint(0, 0));

  zFillerSizer filler(nullptr);
  zSizeInfo stored;
  stored.prefSize = zDimension(4, 5);
  stored.gravity = gravBottom;
  filler.setStored(stored);
  filler.querySize(info);
  EXPECT_EQ(info.prefSize, zDimension(4, 5));
  EXPECT_EQ(info.gravity, gravBottom);
}

// ---------------------------------------------------------------- redirecting sizer

struct Text {
  void size(zSizeInfo& info) {
    info.reset();
    info.setAll(zDimension(77, 11));
    info.gravity = gravTop;
  }
  void placed(const zRect& r, int noMove) {
    got = r;
    flag = noMove;
  }
  zRect got;
  int flag = -1;
};

TEST(RedirSizer, AsksTheTargetAndTellsItThePlace) {
  Text text;
  zSizer top(zPoint(0, 0), zDimension(200, 100), nullptr);
  zRedirSizer<Text> redir(&top, &text, &Text::size, &Text::placed);
  top.update(nullptr);
  EXPECT_EQ(text.got, zRect(0, 0, 77, 11));
  EXPECT_EQ(text.flag, 0);
  EXPECT_EQ(redir.rect(), zRect(0, 0, 77, 11));
  EXPECT_EQ(redir.asKind(zKindLeaf), &redir);
}

TEST(RedirSizer, WithoutMembersBehavesAsALeaf) {
  Text text;
  zRedirSizer<Text> sizeOnly(nullptr, &text, &Text::size);
  zRedirSizer<Text> placeOnly(nullptr, &text, &Text::placed);
  placeOnly.setExtent(zDimension(3, 4));
  zSizeInfo info;
  placeOnly.querySize(info);
  EXPECT_EQ(info.prefSize, zDimension(3, 4));
  sizeOnly.place(zRect(1, 1, 2, 2), 1);
  EXPECT_EQ(sizeOnly.rect(), zRect(1, 1, 2, 2));
  EXPECT_EQ(text.flag, -1);
  zRedirSizer<Text> noTarget(nullptr, nullptr, &Text::size, &Text::placed);
  noTarget.place(zRect(0, 0, 5, 5), 0);
  noTarget.querySize(info);
  EXPECT_EQ(info.prefSize, zDimension(5, 5));
}

}  // namespace
