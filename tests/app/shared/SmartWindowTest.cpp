// The model windows' placement memory and close question, on real MDI windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "MDITestSupport.h"
#include "app/shared/SmartWindow.h"
#include "shared_test_resources.h"

namespace {

using PV::GUI::SmartWindow;

// The kinds only select the remembered placement.
struct CriteriaKind {};
struct ChoicesKind {};
struct ScoringKind {};
struct RefusingKind {};

template <class Kind>
class TestWindow : public SmartWindow<Kind> {
 public:
  explicit TestWindow(zMDIAppFrame* frame) : SmartWindow<Kind>(frame, zResId(kModelWindowTemplate)) {}
  void onShown(int cmd) override { shown.push_back(cmd); }
  bool commitData() override {
    ++commitAsked;
    return commitAnswer;
  }
  std::vector<int> shown;
  int commitAsked = 0;
  bool commitAnswer = true;
};

class SmartWindows : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    frame_ = makeTestMDIFrame("Smart windows");
    frame_->show(SW_SHOWNORMAL);
    pump();
  }
  void TearDown() override {
    delete frame_;
    pump();
    FrameworkTest::TearDown();
  }
  // Shows a new window of the kind; the caller closes or deletes it.
  template <class Kind>
  TestWindow<Kind>* open() {
    auto* window = new TestWindow<Kind>(frame_);
    window->show(SW_SHOWNORMAL);
    pump();
    return window;
  }
  // Closes the window through WM_CLOSE as the close box does: a self-deleting MDI dialog
  // goes with its window.
  static void closeBox(zWindow* window) {
    SendMessageA(window->handle(), WM_CLOSE, 0, 0);
    pump();
  }

  zMDIAppFrame* frame_ = nullptr;
};

TEST_F(SmartWindows, ALaterWindowOfAKindReopensWhereTheLastOneWasClosed) {
  auto* first = open<CriteriaKind>();
  EXPECT_EQ(first->shown, std::vector<int>{SW_SHOWNORMAL}) << "onShown gets the show argument";
  const RECT templatePlace = placeOf(first->handle());
  // Moved and resized by the user, then closed through the close box.
  MoveWindow(first->handle(), 120, 90, 300, 200, TRUE);
  pump();
  first->setSelfDeleting();
  closeBox(first);
  ASSERT_TRUE(SmartWindow<CriteriaKind>::placementValid());

  auto* second = open<CriteriaKind>();
  const RECT again = placeOf(second->handle());
  EXPECT_EQ(again.left, 120);
  EXPECT_EQ(again.top, 90);
  EXPECT_EQ(again.right - again.left, 300);
  EXPECT_EQ(again.bottom - again.top, 200);
  // A second show of the same window does not move it back.
  MoveWindow(second->handle(), 40, 30, 300, 200, TRUE);
  second->show(SW_SHOWNORMAL);
  pump();
  EXPECT_EQ(placeOf(second->handle()).left, 40);

  // Another kind keeps its own memory: its first window stands where the template puts it.
  auto* other = open<ChoicesKind>();
  const RECT otherPlace = placeOf(other->handle());
  EXPECT_EQ(otherPlace.left, templatePlace.left);
  EXPECT_EQ(otherPlace.top, templatePlace.top);
  EXPECT_FALSE(SmartWindow<ChoicesKind>::placementValid());
  EXPECT_EQ(SmartWindow<CriteriaKind>::instanceCount(), 2u);
  EXPECT_EQ(SmartWindow<ChoicesKind>::instanceCount(), 1u);
  delete other;
  delete second;
}

TEST_F(SmartWindows, ARefusedCommitKeepsTheWindowOpenAndStoresNothing) {
  auto* window = open<RefusingKind>();
  window->setSelfDeleting();
  window->commitAnswer = false;
  MoveWindow(window->handle(), 70, 60, 280, 180, TRUE);
  const HWND handle = window->handle();
  closeBox(window);
  EXPECT_TRUE(IsWindow(handle)) << "an incomplete row keeps the window open";
  EXPECT_EQ(window->commitAsked, 1);
  EXPECT_FALSE(SmartWindow<RefusingKind>::placementValid()) << "nothing stored until the window goes";

  window->commitAnswer = true;
  closeBox(window);
  EXPECT_FALSE(IsWindow(handle));
  ASSERT_TRUE(SmartWindow<RefusingKind>::placementValid());
  EXPECT_EQ(SmartWindow<RefusingKind>::placement().rcNormalPosition.left, 70);
  EXPECT_EQ(SmartWindow<RefusingKind>::placement().rcNormalPosition.top, 60);
}

TEST_F(SmartWindows, AWindowDeletedWithoutClosingStillLeavesItsPlacement) {
  // The main window deletes the model windows when the model is replaced: no WM_CLOSE,
  // and commitData is not asked.
  auto* window = open<ScoringKind>();
  MoveWindow(window->handle(), 55, 45, 260, 170, TRUE);
  pump();
  const int asked = window->commitAsked;
  delete window;
  pump();
  EXPECT_EQ(asked, 0);
  ASSERT_TRUE(SmartWindow<ScoringKind>::placementValid());
  auto* next = open<ScoringKind>();
  EXPECT_EQ(placeOf(next->handle()).left, 55);
  EXPECT_EQ(placeOf(next->handle()).top, 45);
  delete next;
}

}  // namespace
