// The drawn controls' window-free rules, in both builds.
#include <gtest/gtest.h>

#include "framework/visual/zVisualArith.h"

TEST(VisualHitTest, EdgesAreInsideAndTouchingIsNoOverlap) {
  const zRect r(10, 20, 30, 40);
  struct Case {
    int x, y;
    bool inside;
  } cases[] = {{10, 20, true}, {30, 40, true}, {30, 20, true}, {31, 40, false}, {9, 25, false}, {20, 41, false}};
  for (const Case& c : cases) EXPECT_EQ(ziRectContains(r, zPoint(c.x, c.y)), c.inside) << c.x << "," << c.y;
  EXPECT_FALSE(ziRectsOverlap(r, zRect(30, 20, 50, 40)));  // shares the right edge
  EXPECT_FALSE(ziRectsOverlap(r, zRect(10, 40, 30, 60)));  // shares the bottom edge
  EXPECT_TRUE(ziRectsOverlap(r, zRect(29, 39, 50, 60)));
  EXPECT_FALSE(ziRectsOverlap(r, zRect(15, 25, 15, 35)));  // empty
}

TEST(VisualMnemonic, DoubleAmpersandIsLiteralAndScansStartAfresh) {
  struct Case {
    const char* caption;
    const char* shown;
    bool present;
    int index;
    char key;
  } cases[] = {
      {"Save && &Exit", "Save & Exit", true, 7, 'E'},
      {"Score &Pairs", "Score Pairs", true, 6, 'P'},
      {"&print", "print", true, 0, 'P'},
      {"Save && Exit", "Save & Exit", false, -1, 0},
      {"Ends in &", "Ends in ", false, -1, 0},
      {"&A &b", "A b", true, 2, 'B'},  // the last mark wins
      {"", "", false, -1, 0},
  };
  for (const Case& c : cases) {
    const ziMnemonic m = ziScanMnemonic(c.caption);
    EXPECT_EQ(m.shown, c.shown) << c.caption;
    EXPECT_EQ(m.present, c.present) << c.caption;
    EXPECT_EQ(m.index, c.index) << c.caption;
    EXPECT_EQ(ziMnemonicKey(c.caption), c.key) << c.caption;
  }
  // A scan of a caption with a mark followed by one without: no underline survives.
  EXPECT_TRUE(ziScanMnemonic("&Pairs").present);
  EXPECT_FALSE(ziScanMnemonic("Pairs").present);
}

TEST(VisualMnemonic, KeyComparisonIgnoresCaseAndNeverMatchesOtherKeys) {
  EXPECT_TRUE(ziMnemonicMatches("Score &Pairs", 'P'));
  EXPECT_TRUE(ziMnemonicMatches("&print", 'P'));
  EXPECT_FALSE(ziMnemonicMatches("&print", 0x70));        // F1, not 'p'
  EXPECT_FALSE(ziMnemonicMatches("Save && Exit", 0x26));  // VK_UP, no mark at all
  EXPECT_FALSE(ziMnemonicMatches("No mark", 'N'));
  EXPECT_TRUE(ziMnemonicMatches("Item &2", '2'));
}

TEST(VisualKeyHeld, OnlyClickingKeysSetItAndAnyKeyUpOrFocusLossClearsIt) {
  ziKeyHeldFlag flag;
  EXPECT_TRUE(flag.keyDown(0x09, "&Ok"));  // Tab passes and sets nothing
  EXPECT_FALSE(flag.held());
  EXPECT_TRUE(flag.keyDown(0x20, "&Ok"));   // space sets it
  EXPECT_FALSE(flag.keyDown(0x20, "&Ok"));  // the repeat is swallowed
  flag.keyUp();
  EXPECT_TRUE(flag.keyDown('O', "&Ok"));
  EXPECT_TRUE(flag.held());
  flag.focusLost();
  EXPECT_TRUE(flag.keyDown(0x0D, "&Ok"));
  EXPECT_FALSE(flag.held());
}

TEST(VisualButtonTracker, DragOutAndBackClicksOnceAndReleaseOutsideRestores) {
  ziButtonTracker t;
  int32_t s = t.press(ziStateUp);
  EXPECT_EQ(s, ziStatePressed);
  s = t.move(s, false, true);
  EXPECT_EQ(s, ziStateUp);  // the saved look while outside
  s = t.move(s, true, true);
  EXPECT_EQ(s, ziStatePressed);  // dragged back in
  bool click = false;
  s = t.release(s, false, false, &click);
  EXPECT_TRUE(click);
  EXPECT_EQ(s, ziStateDown);  // a push button's released look (state 0)

  s = t.press(ziStateUp);
  s = t.move(s, false, true);
  s = t.release(s, false, false, &click);
  EXPECT_FALSE(click);
  EXPECT_EQ(s, ziStateUp);
  // Moving in without the button held never presses.
  EXPECT_EQ(t.move(ziStateUp, true, false), ziStateUp);
}

TEST(VisualButtonTracker, CheckFromTheLookState) {
  EXPECT_EQ(ziCheckFromState(ziStateUp), 0);
  EXPECT_EQ(ziCheckFromState(ziStateDown), 1);
  EXPECT_EQ(ziCheckFromState(ziStatePressed), 2);
}

TEST(VisualBitmapButton, FlatToggleWithImageSet20CyclesFrames2403) {
  // Style 0x7220: toggle, image set 0x20.
  ziButtonTracker t;
  int32_t state = ziStateUp;
  ziBitmapLook look = ziBitmapPress(0x20, true, state);
  EXPECT_EQ(ziBitmapFrame(look.imageIndex, false), 2);
  t.press(state);
  bool click = false;
  state = t.release(look.state, true, true, &click);
  look = state == ziStateDown ? ziBitmapGoDown(0x20, true) : ziBitmapGoUp();
  EXPECT_TRUE(click);
  EXPECT_EQ(ziBitmapFrame(look.imageIndex, false), 4);
  look = ziBitmapPress(0x20, true, look.state);
  EXPECT_EQ(ziBitmapFrame(look.imageIndex, false), 3);
  t.press(ziStateDown);
  state = t.release(look.state, true, true, &click);
  look = state == ziStateDown ? ziBitmapGoDown(0x20, true) : ziBitmapGoUp();
  EXPECT_EQ(ziBitmapFrame(look.imageIndex, false), 0);
  EXPECT_EQ(ziBitmapFrame(1, true), 1);
  EXPECT_EQ(ziBitmapFrame(0, true), 5);
}
