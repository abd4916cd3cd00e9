// The toolbar on real windows: tool buttons whose clicks reach the frame and whose hover
// shows help on the status line, the menu link, button groups, checks by identifier and
// the edge line or panel frame.
#include "BarsTestSupport.h"
#include "framework/bars/zStatusItems.h"
#include "framework/bars/zToolbar.h"
#include "framework/layout/zTiler.h"
#include "framework/visual/zBitmapButton.h"
#include "framework/visual/zCtrl3d.h"

namespace {

const zStatusMessage kToolbarHelp[] = {
    {static_cast<int32_t>(kOpenCmd), "Opens a decision model"},
    {static_cast<int32_t>(kSaveCmd), "Saves the model"},
    {0, nullptr},
};

class Toolbar : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    frame_ = new MenuFrame();
    strip_ = makeToolStrip(6);
  }
  void TearDown() override {
    delete frame_;
    delete strip_;
    FrameworkTest::TearDown();
  }
  zToolbar* makeToolbar(int32_t gravity, uint32_t flags) {
    zToolbar* bar = new zToolbar(frame_, new zGravSizer(gravity, 30, frame_->sizer()), flags, WS_CHILD | WS_VISIBLE);
    return bar;
  }
  // The index-th button (slots count from 1).
  zToolButton* button(zToolbar* bar, int32_t id, int index, uint32_t style = 0) {
    const int cell = index % 6;
    return new zToolButton(bar, new zSlotSizer(index + 1, 24, 24, bar->sizer()), WS_CHILD | WS_VISIBLE | style, id,
                           strip_, zRect(16 * cell, 0, 16 * cell + 16, 16));
  }
  void showAll(zWindow* bar) {
    frame_->show(SW_SHOWNORMAL);
    bar->show(SW_SHOW);
    frame_->sizer()->update();
    pump();
    UpdateWindow(frame_->handle());
    UpdateWindow(bar->handle());
  }
  UINT menuState(uint32_t id) { return GetMenuState(frame_->popup, id, MF_BYCOMMAND); }

  MenuFrame* frame_ = nullptr;
  zBitmap* strip_ = nullptr;
};

TEST_F(Toolbar, AToolButtonsClickReachesTheFrameAndItsHoverShowsHelp) {
  zToolbar* bar = makeToolbar(gravTop, 0x201);
  zToolButton* open = button(bar, kOpenCmd, 0);
  zStatusLineEZ* line = new zStatusLineEZ(frame_, new zGravSizer(gravBottom, 0, frame_->sizer()), 0xD900,
                                          WS_CHILD | WS_VISIBLE, zRCFont());
  line->setMessageTable(0, kToolbarHelp);
  showAll(bar);
  line->show(SW_SHOW);
  pump();
  SendMessageA(open->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(open->handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  pump();
  ASSERT_EQ(frame_->commands.size(), 1u);
  EXPECT_EQ(frame_->commands[0], kOpenCmd);
  // The hover help travels button -> toolbar -> frame -> the frame's menu -> status line.
  SendMessageA(open->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
  zStatusItemText* fill = static_cast<zStatusItemText*>(line->findItem(0));
  EXPECT_STREQ(fill->text(), "Opens a decision model");
  closeMenu(bar);  // what the button sends when the pointer leaves, through the toolbar
  EXPECT_STREQ(fill->text(), "");
  // Handlers registered on the toolbar take its commands first.
  struct Counter {
    int n = 0;
    int take(zEvent*) { return ++n; }
  } counter;
  bar->addCommandHandler(&counter, &Counter::take, kOpenCmd);
  SendMessageA(bar->handle(), WM_COMMAND, MAKEWPARAM(kOpenCmd, BN_CLICKED), reinterpret_cast<LPARAM>(open->handle()));
  EXPECT_EQ(counter.n, 1);
  EXPECT_EQ(frame_->commands.size(), 1u);
  bar->removeCommandHandler(&counter, &Counter::take);
  SendMessageA(bar->handle(), WM_COMMAND, MAKEWPARAM(kOpenCmd, BN_CLICKED), reinterpret_cast<LPARAM>(open->handle()));
  EXPECT_EQ(counter.n, 1);
  EXPECT_EQ(frame_->commands.size(), 2u);
}

TEST_F(Toolbar, TheMenuLinkGraysAndChecksTheItemsOfItsButtons) {
  zToolbar* bar = makeToolbar(gravTop, 0x1);
  button(bar, kOpenCmd, 0);
  zToolButton* save = button(bar, kSaveCmd, 1, 0x200);
  showAll(bar);
  bar->enableItem(kSaveCmd, 0);  // disabled before the link: the link takes the state over
  bar->linkMenu();
  EXPECT_TRUE(menuState(kSaveCmd) & MF_GRAYED);
  EXPECT_FALSE(menuState(kOpenCmd) & MF_GRAYED);
  bar->enableItem(kSaveCmd, 1);
  EXPECT_FALSE(menuState(kSaveCmd) & MF_GRAYED);
  EXPECT_TRUE(bar->isItemEnabled(kSaveCmd));
  bar->enableItem(kSaveCmd, 0);
  EXPECT_TRUE(menuState(kSaveCmd) & MF_GRAYED);
  bar->checkItem(kSaveCmd, 1);
  EXPECT_TRUE(bar->isItemChecked(kSaveCmd));
  EXPECT_TRUE(menuState(kSaveCmd) & MF_CHECKED);
  bar->checkItem(kSaveCmd, 0);
  EXPECT_FALSE(menuState(kSaveCmd) & MF_CHECKED);
  EXPECT_EQ(bar->findItem(kSaveCmd), save);
  EXPECT_EQ(bar->findItem(9999), nullptr);
  bar->unlinkMenu();
  bar->enableItem(kSaveCmd, 1);
  EXPECT_TRUE(menuState(kSaveCmd) & MF_GRAYED);  // no longer followed
}

TEST_F(Toolbar, CheckingAnAlreadyCheckedButtonSendsNothing) {
  zToolbar* bar = makeToolbar(gravTop, 0x1);
  zToolButton* b = button(bar, 610, 0, 0x200);
  showAll(bar);
  struct Counter {
    int n = 0;
    int seen(zEvent*) {
      ++n;
      return 0;
    }
  } counter;
  b->addNotifyHandler(&counter, &Counter::seen, BM_SETCHECK);
  bar->checkItem(610, 1);
  EXPECT_EQ(counter.n, 1);
  bar->checkItem(610, 1);
  EXPECT_EQ(counter.n, 1);
  bar->checkItem(610, 0);
  EXPECT_EQ(counter.n, 2);
  b->removeNotifyHandler(&counter, &Counter::seen, BM_SETCHECK);
}

TEST_F(Toolbar, AButtonGroupKeepsOneButtonCheckedAndTheTabStopWithIt) {
  zToolbar* bar = makeToolbar(gravTop, 0x1);
  for (int i = 0; i < 3; ++i) button(bar, 601 + i, i, 0x200);
  showAll(bar);
  zButtonGroup* group = new zButtonGroup(bar, 601, 603);
  auto checked = [&](int id) { return bar->isItemChecked(id) != 0; };
  auto tabStop = [&](int id) { return (GetWindowLongPtrA(bar->findItem(id)->handle(), GWL_STYLE) & WS_TABSTOP) != 0; };
  EXPECT_EQ(group->currentId(), 601);
  EXPECT_TRUE(checked(601));
  struct Target {
    int n = 0;
    int changed(zEvent*) { return ++n, 0; }
  } target;
  group->setTarget(&target, &Target::changed);
  // A click moves the check; another notification code changes nothing.
  SendMessageA(bar->handle(), WM_COMMAND, MAKEWPARAM(602, BN_CLICKED), 0);
  EXPECT_EQ(group->currentId(), 602);
  EXPECT_TRUE(checked(602) && !checked(601));
  EXPECT_TRUE(tabStop(602) && !tabStop(601));
  EXPECT_EQ(target.n, 1);
  SendMessageA(bar->handle(), WM_COMMAND, MAKEWPARAM(603, BN_DOUBLECLICKED), 0);
  EXPECT_EQ(group->currentId(), 602);
  // Clicking the checked button selects it again and still tells the target.
  SendMessageA(bar->handle(), WM_COMMAND, MAKEWPARAM(602, BN_CLICKED), 0);
  EXPECT_EQ(target.n, 2);
  EXPECT_TRUE(checked(602));
  // Unchecking through the toolbar: the current button hands on to the next, the last to
  // the first; a button that is not current has nothing to hand on.
  bar->checkItem(601, 0);
  EXPECT_EQ(group->currentId(), 602);
  EXPECT_TRUE(checked(602));
  bar->checkItem(602, 0);
  EXPECT_EQ(group->currentId(), 603);
  bar->checkItem(603, 0);
  EXPECT_EQ(group->currentId(), 601);
  EXPECT_TRUE(checked(601) && !checked(603));
  bar->checkItem(603, 1);
  EXPECT_EQ(group->currentId(), 603);
  // A deleted group leaves the toolbar's lists: clicks change nothing any more.
  delete group;
  SendMessageA(bar->handle(), WM_COMMAND, MAKEWPARAM(601, BN_CLICKED), 0);
  EXPECT_TRUE(checked(603));
  EXPECT_EQ(bar->buttonGroups()->count(), 0u);
}

TEST_F(Toolbar, AGroupOfTwoCheckedButtonsTakesTheLowerAndGroupsHelpRadioDialogs) {
  zToolbar* bar = makeToolbar(gravTop, 0x1);
  for (int i = 0; i < 3; ++i) button(bar, 701 + i, i, 0x200);
  showAll(bar);
  bar->checkItem(702, 1);
  bar->checkItem(703, 1);
  zButtonGroup group(bar, 701, 703);
  EXPECT_EQ(group.currentId(), 702);
  EXPECT_TRUE(bar->isItemChecked(703));  // the group never unchecks a button it does not hold
  int32_t chosen = 703;
  zRadioGroup3d radio(static_cast<zWindow*>(bar), 701, 703, &chosen);
  EXPECT_EQ(radio.currentId(), 703);
  radio.select(701);
  EXPECT_EQ(radio.store(), 1);
  EXPECT_EQ(chosen, 701);
  zRadioGroup3d unbound(static_cast<zWindow*>(bar), 701, 703, nullptr);
  EXPECT_EQ(unbound.store(), 0);
}

TEST_F(Toolbar, ARadioGroupOfADialogSelectsAndStoresTheChosenIdentifier) {
  zRadioButton3d* radios[3];
  for (int i = 0; i < 3; ++i)
    radios[i] = new zRadioButton3d(frame_, new zSizer(zPoint(10, 40 + 20 * i), zDimension(120, 16), nullptr),
                                   WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, "Choice", 801 + i);
  frame_->show(SW_SHOWNORMAL);
  pump();
  int32_t chosen = 802;
  zRadioGroup3d group(frame_, 801, 803, &chosen);
  EXPECT_EQ(group.currentId(), 802);
  EXPECT_EQ(radios[1]->check(), 1);
  EXPECT_EQ(radios[0]->check(), 0);
  SendMessageA(frame_->handle(), WM_COMMAND, MAKEWPARAM(803, BN_CLICKED),
               reinterpret_cast<LPARAM>(radios[2]->handle()));
  EXPECT_EQ(radios[2]->check(), 1);
  EXPECT_EQ(radios[1]->check(), 0);
  EXPECT_EQ(chosen, 802);  // until stored
  EXPECT_EQ(group.store(), 1);
  EXPECT_EQ(chosen, 803);
  // The buttons share the variable: loading them shows it.
  chosen = 801;
  for (zRadioButton3d* r : radios) r->loadData();
  EXPECT_EQ(radios[0]->check(), 1);
  EXPECT_EQ(radios[2]->check(), 0);
}

TEST_F(Toolbar, TheEdgeLineFacesTheClientAreaOrAPanelFramesTheBar) {
  struct Case {
    int32_t gravity;
    uint32_t flags;
    int x, y;  // a probe relative to the right and bottom when negative
    COLORREF expected;
  } cases[] = {
      {gravTop, 0x1, 50, -1, 0x000000},    // docked at the top: the bottom row
      {gravTop, 0x1, 50, 0, 0xFFFFFFFF},   // and nothing along the top
      {gravLeft, 0x1, -1, 50, 0x000000},   // docked left: the rightmost column
      {gravTop, 0x201, 0, 0, 0xFFFFFF},    // the panel frame: light top left,
      {gravTop, 0x201, -1, -1, 0x808080},  // dark bottom right
  };
  for (const Case& c : cases) {
    zToolbar* bar = makeToolbar(c.gravity, c.flags);
    showAll(bar);
    RECT r;
    GetClientRect(bar->handle(), &r);
    const int x = c.x < 0 ? r.right + c.x : c.x, y = c.y < 0 ? r.bottom + c.y : c.y;
    const COLORREF expected = c.expected == 0xFFFFFFFF ? GetSysColor(COLOR_BTNFACE) : c.expected;
    EXPECT_EQ(pixel(bar->handle(), x, y), expected) << c.gravity << " " << c.flags << " at " << x << "," << y;
    delete bar;
  }
}

}  // namespace
