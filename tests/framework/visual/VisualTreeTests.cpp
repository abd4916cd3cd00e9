// The tree of visuals: hit tests, routing of mouse events, the sticky mouse target, the
// interactive bit travelling up and down the tree, deletion, and a visual button's press,
// drag and release on a real pane.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VisualTestSupport.h"
#include "framework/visual/ziVisButton.h"
#include "framework/visual/ziVisual.h"
#include "framework/draw/zAspect.h"
#include "framework/core/zWinDisplay.h"
#include "framework/visual/zVisualCtrl.h"

namespace {

using VisualTree = FrameworkTest;

std::vector<std::string> trail;

class Probe : public ziVisual {
 public:
  Probe(ziCompound* parent, zSizer* sizer, const char* name, int answer = 1)
      : ziVisual(parent, sizer), name_(name), answer_(answer) {}
  ~Probe() override { trail.push_back(std::string("~") + name_); }
  int onMouseDown(zEvent*) override {
    trail.push_back(std::string("down ") + name_);
    return answer_;
  }
  int onMouseMove(zEvent*) override {
    trail.push_back(std::string("move ") + name_);
    return answer_;
  }
  int onMouseUp(zEvent*) override {
    trail.push_back(std::string("up ") + name_);
    return answer_;
  }
  void draw(const zRect*) override { trail.push_back(std::string("draw ") + name_); }
  void makeInteractive() { setFlags(interactiveBit); }
  void makePassive() { clearFlags(interactiveBit); }

 private:
  const char* name_;
  int answer_;
};

zEvent mouseEvent(UINT message, int x, int y) {
  return zEvent(MAKELPARAM(x, y), message == WM_MOUSEMOVE ? MK_LBUTTON : 0, message, nullptr);
}

TEST_F(VisualTree, HitTestsCountEdgesAndHiddenOrClaimingCompoundsAnswerAsTheyShould) {
  ziCompound root(nullptr, at(0, 0, 100, 100));
  Probe* v = new Probe(&root, at(10, 10, 20, 20), "v");
  root.addChild(v);
  EXPECT_TRUE(v->contains(zPoint(30, 30)));  // bottom-right corner is inside
  EXPECT_FALSE(v->contains(zPoint(31, 30)));
  EXPECT_FALSE(v->intersects(zRect(30, 10, 50, 30)));  // shares the right edge only
  EXPECT_TRUE(v->intersects(zRect(29, 29, 50, 50)));
  v->setVisible(0);
  EXPECT_FALSE(v->contains(zPoint(15, 15)));
  EXPECT_FALSE(v->intersects(zRect(0, 0, 100, 100)));
  ziCompound claims(nullptr, at(0, 0, 1, 1));
  claims.setClaimsAll(1);
  EXPECT_TRUE(claims.contains(zPoint(500, 500)));
  claims.setVisible(0);
  EXPECT_FALSE(claims.contains(zPoint(0, 0)));
}

TEST_F(VisualTree, OverlapsGoToTheFirstChildWhileTheLastIsDrawnOnTop) {
  trail.clear();
  ziCompound root(nullptr, at(0, 0, 100, 100));
  root.addChild(new Probe(&root, at(0, 0, 50, 50), "a"));
  root.addChild(new Probe(&root, at(20, 20, 50, 50), "b"));
  zEvent down = mouseEvent(WM_LBUTTONDOWN, 30, 30);
  EXPECT_EQ(root.onMouseDown(&down), 1);
  const zRect all(0, 0, 100, 100);
  root.draw(&all);
  const std::vector<std::string> expected = {"down a", "draw a", "draw b"};
  EXPECT_EQ(trail, expected);
}

TEST_F(VisualTree, TheTargetOfAPressTakesMovesAndTheReleaseWhereverThePointerIs) {
  trail.clear();
  ziCompound root(nullptr, at(0, 0, 200, 100));
  root.addChild(new Probe(&root, at(0, 0, 50, 50), "a"));
  root.addChild(new Probe(&root, at(100, 0, 50, 50), "b"));
  zEvent down = mouseEvent(WM_LBUTTONDOWN, 10, 10);
  root.onMouseDown(&down);
  zEvent move = mouseEvent(WM_MOUSEMOVE, 120, 10);
  root.onMouseMove(&move);
  zEvent up = mouseEvent(WM_LBUTTONUP, 120, 10);
  root.onMouseUp(&up);
  EXPECT_EQ(root.mouseTarget(), nullptr);
  const std::vector<std::string> expected = {"down a", "move a", "up a"};
  EXPECT_EQ(trail, expected);
  // A press no child takes leaves no target.
  ziCompound other(nullptr, at(0, 0, 100, 100));
  other.addChild(new Probe(&other, at(0, 0, 50, 50), "c", 0));
  zEvent miss = mouseEvent(WM_LBUTTONDOWN, 10, 10);
  EXPECT_EQ(other.onMouseDown(&miss), 0);
  EXPECT_EQ(other.mouseTarget(), nullptr);
}

TEST_F(VisualTree, TheInteractiveBitTravelsUpAndIsClearedWithItsLastLeaf) {
  ziCompound shell(nullptr, at(0, 0, 100, 100));
  ziCompound* mid = new ziCompound(&shell, at(0, 0, 100, 100));
  shell.addChild(mid);
  Probe* leaf = new Probe(mid, at(0, 0, 10, 10), "leaf");
  mid->addChild(leaf);
  leaf->makeInteractive();
  EXPECT_EQ(mid->flags() & 1u, 1u);
  EXPECT_EQ(shell.flags() & 1u, 1u);
  leaf->makePassive();
  EXPECT_EQ(mid->flags() & 1u, 0u);
  EXPECT_EQ(shell.flags() & 1u, 0u);
  // Deleting an interactive leaf clears the bits it set.
  leaf->makeInteractive();
  delete leaf;
  EXPECT_EQ(shell.flags() & 1u, 0u);
  EXPECT_EQ(mid->children()->count(), 0u);
}

TEST_F(VisualTree, DeletingACompoundDeletesItsChildrenWithoutCallingBack) {
  trail.clear();
  ziCompound* root = new ziCompound(nullptr, at(0, 0, 100, 100));
  ziCompound* mid = new ziCompound(root, at(0, 0, 100, 100));
  root->addChild(mid);
  Probe* a = new Probe(mid, at(0, 0, 10, 10), "a");
  mid->addChild(a);
  a->makeInteractive();
  mid->addChild(new Probe(mid, at(0, 0, 10, 10), "b"));
  delete root;  // a sanitizer or a crash would show a call into a dying compound
  const std::vector<std::string> expected = {"~a", "~b"};
  EXPECT_EQ(trail, expected);
}

TEST_F(VisualTree, EqualAspectsAreSharedAndSetAspectReplacesTheOneOfItsKind) {
  ziCompound root(nullptr, at(0, 0, 100, 100));
  Probe* a = new Probe(&root, at(0, 0, 10, 10), "a");
  Probe* b = new Probe(&root, at(0, 0, 10, 10), "b");
  root.addChild(a);
  root.addChild(b);
  // The first becomes the process's shared pen of its kind and lives on; the second, equal
  // to it, stays the test's.
  ziPenAspect* first = new ziPenAspect(zColor::fromColorRef(0x123456), 1);
  ziPenAspect second(zColor::fromColorRef(0x123456), 1);
  a->addAspect(first);
  b->addAspect(&second);
  ASSERT_EQ(a->aspects()->count(), 1u);
  EXPECT_EQ(a->aspects()->at(0), b->aspects()->at(0));  // one shared instance
  // A brush joins the list; a new pen takes the old pen's place.
  ziBrushAspect* brush = new ziBrushAspect(zColor::fromColorRef(0x00FF00));
  b->setAspect(brush);
  ziPenAspect* other = new ziPenAspect(zColor::fromColorRef(0x654321), 2);
  b->setAspect(other);
  ASSERT_EQ(b->aspects()->count(), 2u);
  EXPECT_EQ(static_cast<ziAspect*>(b->aspects()->at(0))->kind(), ziAspect::brushKind);
  EXPECT_EQ(b->aspects()->at(1), other);
  delete a;
  delete b;
  // Kept by the visual's list, which never owns its aspects.
  delete other;
  delete brush;
}

// A pane of two visual buttons side by side, for the pointer's behaviour on a real window.
class TwoButtons : public ziVisualCtrlPane {
 public:
  TwoButtons(zWindow* parent) : ziVisualCtrlPane(parent, at(10, 10, 200, 40), WS_CHILD | WS_VISIBLE) {
    a = new ziVisButton(root_, new zSizer(zPoint(0, 0), zDimension(80, 30), sizer_), 301);
    b = new ziVisButton(root_, new zSizer(zPoint(100, 0), zDimension(80, 30), sizer_), 302);
    root_->addChild(a);
    root_->addChild(b);
  }
  int onCommand(zEvent* e) override {
    commands.push_back(static_cast<int>(e->wParam_));
    return 1;
  }
  int count(int id) const {
    int n = 0;
    for (int c : commands) n += c == id;
    return n;
  }
  std::vector<int> commands;
  ziVisButton* a;
  ziVisButton* b;
};

TEST_F(VisualTree, APressDraggedOutAndBackClicksOnceAndAReleaseOutsideNever) {
  RecordingFrame frame;
  TwoButtons* pane = new TwoButtons(&frame);
  const HWND h = pane->handle();
  mouse(h, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  EXPECT_EQ(pane->a->state(), ziStatePressed);
  mouse(h, WM_MOUSEMOVE, 150, 35, MK_LBUTTON);  // over b, still a's press
  EXPECT_EQ(pane->a->state(), ziStateUp);
  mouse(h, WM_MOUSEMOVE, 20, 10, MK_LBUTTON);
  EXPECT_EQ(pane->a->state(), ziStatePressed);
  mouse(h, WM_LBUTTONUP, 20, 10);
  EXPECT_EQ(pane->count(301), 1);  // the host window receives the click
  EXPECT_EQ(pane->count(302), 0);

  mouse(h, WM_LBUTTONDOWN, 110, 10, MK_LBUTTON);
  mouse(h, WM_MOUSEMOVE, 190, 39, MK_LBUTTON);
  mouse(h, WM_LBUTTONUP, 190, 39);
  EXPECT_EQ(pane->count(302), 0);
  EXPECT_EQ(pane->b->state(), ziStateUp);
  // A right press is no visual button's business.
  mouse(h, WM_RBUTTONDOWN, 10, 10, MK_RBUTTON);
  EXPECT_EQ(pane->a->state(), ziStateDown);  // the released look of the earlier click
  delete pane;
}

TEST_F(VisualTree, HoverHelpMovesFromButtonToButtonAndEndsWhenThePointerLeaves) {
  RecordingFrame frame;
  TwoButtons* pane = new TwoButtons(&frame);
  const HWND h = pane->handle();
  mouse(h, WM_MOUSEMOVE, 10, 10);
  EXPECT_EQ(frame.count(WM_MENUSELECT, 301), 1);
  EXPECT_TRUE(pane->a->isHovering());
  mouse(h, WM_MOUSEMOVE, 150, 10);  // straight onto the neighbour
  EXPECT_FALSE(pane->a->isHovering());
  EXPECT_EQ(frame.count(WM_MENUSELECT, 0xFFFF0000u), 1);
  EXPECT_EQ(frame.count(WM_MENUSELECT, 302), 1);
  EXPECT_TRUE(pane->b->isHovering());
  // The hover check with the cursor far from the pane takes the help back.
  SetCursorPos(1000, 900);
  pane->b->hoverCheck(nullptr);
  EXPECT_FALSE(pane->b->isHovering());
  EXPECT_EQ(frame.count(WM_MENUSELECT, 0xFFFF0000u), 2);
  delete pane;
}

TEST_F(VisualTree, APaneScrolledBy40DeliversAClickAt5And5As5And45) {
  RecordingFrame frame;
  TwoButtons* pane = new TwoButtons(&frame);
  pane->display()->setOrigin(0, 40);
  zSizer* old = pane->a->sizer();
  pane->a->setSizer(new zSizer(zPoint(0, 44), zDimension(10, 2), nullptr));
  delete old;
  mouse(pane->handle(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  EXPECT_EQ(pane->a->state(), ziStatePressed);
  mouse(pane->handle(), WM_LBUTTONUP, 5, 5);
  delete pane;
}

}  // namespace
