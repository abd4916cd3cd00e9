// The pane controls and common-control wrappers on real windows under Wine: a smoke test
// per control with the probes that show it works (notifications, keys, hit tests, pixels of
// fixed colours, round trips of ranges), the faults each must not have, and a picture of
// all of them in one window.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "VisualTestSupport.h"
#include "WindowImage.h"
#include "bars2_test_dialog.h"
#include "framework/bars/zCommonCtrl.h"
#include "framework/bars/zStaticText3d.h"
#include "framework/bars/zTabCtrl.h"
#include "framework/bars/zTextPane.h"
#include "framework/bars/zTreeCtrl.h"
#include "framework/bars/zValueSet.h"
#include "framework/core/zControlType.h"
#include "framework/core/zResId.h"
#include "framework/frames/ziDialogReader.h"
#include "framework/draw/zBitmapDisplay.h"
#include "framework/visual/zCtrl3d.h"
#include "framework/visual/zImageStrip.h"

namespace {

using PaneControls = FrameworkTest;

constexpr uint32_t kChild = WS_CHILD | WS_VISIBLE;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kGrey = 0x808080;
constexpr COLORREF kBlack = 0x000000;

// WM_COMMAND notifications that the frame received from one control with one code (the
// controls post them: pumped first).
int notified(RecordingFrame& frame, int id, int code) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return frame.count(WM_COMMAND, MAKEWPARAM(id, code));
}

void click(zWindow* w, int x, int y) { mouse(w->handle(), WM_LBUTTONDOWN, x, y, MK_LBUTTON); }

// A strip of n solid 16 x 16 images in fixed colours.
zImageStrip* colourStrip(zWindow* owner, int n) {
  static const COLORREF colours[] = {0x0000FF, 0x00C000, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00};
  zDisplay* reference = static_cast<zPane*>(owner)->display();
  zImageStrip* strip = new zImageStrip(reference, zDimension(16, 16), n);
  zBitmapDisplaySized source(reference, 16 * n, 16);
  source.lock();
  for (int i = 0; i < n; ++i) {
    RECT r = {16 * i, 0, 16 * i + 16, 16};
    HBRUSH b = CreateSolidBrush(colours[i % 6]);
    FillRect(source.hdc(), &r, b);
    DeleteObject(b);
  }
  source.unlock();
  for (int i = 0; i < n; ++i) strip->add(&source, i, 0);
  return strip;
}

// ---------------------------------------------------------------- 3-D static text

TEST_F(PaneControls, StaticTextAlignsItsCaptionAndTreatsAlignmentThreeAsLeft) {
  RecordingFrame frame;
  struct Case {
    uint32_t alignment;
    const char* what;
  } cases[] = {{SS_LEFT, "left"}, {SS_CENTER, "centre"}, {SS_RIGHT, "right"}, {3, "alignment 3"}};
  int y = 10;
  for (const Case& c : cases) {
    zStaticText3d* text = new zStaticText3d(&frame, at(10, y, 200, 24), kChild | c.alignment, "Caption", 40);
    y += 30;
    ziVisText3d* visual = text->textVisual();
    ASSERT_NE(visual, nullptr) << c.what;
    const int tw = visual->textWidth();
    const int expected = c.alignment == SS_CENTER ? 198 / 2 - tw / 2 : c.alignment == SS_RIGHT ? 198 - tw : 1;
    for (int paint = 0; paint < 2; ++paint) {  // the same place at every paint
      InvalidateRect(text->handle(), nullptr, TRUE);
      UpdateWindow(text->handle());
      EXPECT_EQ(visual->textOrigin().x(), expected) << c.what << ", paint " << paint;
      EXPECT_EQ(visual->textOrigin().y(), 1) << c.what;  // at the top, plain look
    }
  }
}

TEST_F(PaneControls, StaticTextOfATemplateTypeIsADrawnControl) {
  RecordingFrame frame;
  zRegisterVisualCtrlClasses();
  zControlType* type = zControlType::find("ZSTATTXT3DCLASS");
  ASSERT_NE(type, nullptr);
  zWindow* w = type->creator()(&frame, at(10, 10, 120, 20), kChild | SS_CENTER, "Made by name", 41);
  ASSERT_NE(w, nullptr);
  char name[32] = {0};
  GetClassNameA(w->handle(), name, sizeof name);
  EXPECT_STREQ(name, "VisualCtrl");
  for (const char* n : {"zValueSet", "ZTREECTRL", "zTabCtrl", "zTextPane", "msctls_updown32", "msctls_trackbar32"})
    EXPECT_NE(zControlType::find(n), nullptr) << n;
  delete w;
}

TEST_F(PaneControls, ADialogTemplateNamesThePaneControlsByClass) {
  RecordingFrame frame;
  zRegisterVisualCtrlClasses();
  ziDialogReader reader(&frame, zResId(kPaneDialog));
  ASSERT_TRUE(reader.isUsable()) << reader.error();
  EXPECT_TRUE(reader.createControls());
  zWindow* heading = frame.childById(kPaneDlgStatic);
  ASSERT_NE(heading, nullptr);
  char name[40] = {0};
  GetClassNameA(heading->handle(), name, sizeof name);
  EXPECT_STREQ(name, "VisualCtrl");
  zValueSet* set = zValueSet::fromDialog(&frame, kPaneDlgValueSet);
  zTreeCtrl* tree = zTreeCtrl::fromDialog(&frame, kPaneDlgTree);
  zTabCtrl* tabs = zTabCtrl::fromDialog(&frame, kPaneDlgTabs);
  ASSERT_NE(set, nullptr);
  ASSERT_NE(tree, nullptr);
  ASSERT_NE(tabs, nullptr);
  EXPECT_TRUE(IsWindow(set->handle()) && IsWindow(tree->handle()) && IsWindow(tabs->handle()));
  // Asked for the wrong kind or a missing identifier: none.
  EXPECT_EQ(zValueSet::fromDialog(&frame, kPaneDlgTree), nullptr);
  EXPECT_EQ(zTreeCtrl::fromDialog(&frame, 999), nullptr);
  EXPECT_EQ(frame.childById(kPaneDlgUnknown), nullptr);
  zWindow* spin = frame.childById(kPaneDlgSpin);
  zWindow* scale = frame.childById(kPaneDlgScale);
  ASSERT_NE(spin, nullptr);
  ASSERT_NE(scale, nullptr);
  EXPECT_TRUE(spin->hasTypeBit(zTypeSpinCtrl));
  EXPECT_TRUE(scale->hasTypeBit(zTypeScaleCtrl));
  static_cast<zSpinCtrl*>(spin)->setRange(1, 9);
  EXPECT_EQ(static_cast<zSpinCtrl*>(spin)->range(), zRange(1, 9));
  // The controls work as made in code.
  tree->insertItem(nullptr, new zTreeItem("from the template"), zTreeAfter);
  EXPECT_EQ(tree->count(), 1);
}

// ---------------------------------------------------------------- tabs

class RecordingTabs : public zTabCtrl {
 public:
  RecordingTabs(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id)
      : zTabCtrl(parent, sizer, style, nullptr, id) {}
  int canChangeTab(int32_t newId, int32_t oldId) override {
    asked.push_back({newId, oldId});
    return veto ? 0 : 1;
  }
  void tabSelected(int32_t newId, int32_t oldId) override { told.push_back({newId, oldId}); }
  std::vector<std::pair<int, int>> asked, told;
  bool veto = false;
};

RecordingTabs* threeTabs(RecordingFrame& frame, uint32_t style = 0) {
  RecordingTabs* tabs = new RecordingTabs(&frame, at(10, 10, 300, 120), kChild | style, 50);
  const char* captions[] = {"First", "Second", "Third"};
  const int32_t ids[] = {11, 22, 33};
  tabs->addTabs(captions, ids, 3);
  return tabs;
}

zPoint middleOf(const zTab* tab) {
  const zRect r = tab->rect();
  return zPoint((r.left() + r.right()) / 2, (r.top() + r.bottom()) / 2);
}

TEST_F(PaneControls, TabsSelectByClickAndArrowsAndNotifyOnce) {
  RecordingFrame frame;
  RecordingTabs* tabs = threeTabs(frame);
  ASSERT_EQ(tabs->tabCount(), 3);
  EXPECT_EQ(tabs->currentTab(), nullptr);
  // Left to right, each after the last, inside the strip at its bottom.
  for (int i = 1; i < 3; ++i) EXPECT_GT(tabs->tabAt(i)->rect().left(), tabs->tabAt(i - 1)->rect().left());
  EXPECT_EQ(tabs->tabAt(0)->rect().bottom(), tabs->stripRect().bottom() - 1);

  const zPoint second = middleOf(tabs->tabAt(1));
  click(tabs, second.x(), second.y());
  EXPECT_EQ(tabs->currentTab(), tabs->tabAt(1));
  EXPECT_EQ(notified(frame, 50, 1), 1);
  ASSERT_EQ(tabs->told.size(), 1u);
  EXPECT_EQ(tabs->told[0], std::make_pair(22, -1));  // the first selection: old id -1
  EXPECT_EQ(tabs->asked[0], std::make_pair(22, 0));  // ... and 0 to the question

  key(tabs->handle(), WM_KEYDOWN, VK_RIGHT);
  EXPECT_EQ(tabs->currentTab(), tabs->tabAt(2));
  EXPECT_EQ(notified(frame, 50, 1), 2);
  key(tabs->handle(), WM_KEYDOWN, VK_RIGHT);                                // already the last
  click(tabs, middleOf(tabs->tabAt(2)).x(), middleOf(tabs->tabAt(2)).y());  // already current
  EXPECT_EQ(notified(frame, 50, 1), 2);
  EXPECT_EQ(tabs->told.size(), 2u);

  tabs->veto = true;
  key(tabs->handle(), WM_KEYDOWN, VK_LEFT);
  click(tabs, middleOf(tabs->tabAt(0)).x(), middleOf(tabs->tabAt(0)).y());
  EXPECT_EQ(tabs->currentTab(), tabs->tabAt(2));
  EXPECT_EQ(notified(frame, 50, 1), 2);
  EXPECT_EQ(tabs->told.size(), 2u);
  delete tabs;
}

TEST_F(PaneControls, TabsArrowWithoutSelectionPicksTheFirstAndOneTabIgnoresArrows) {
  RecordingFrame frame;
  RecordingTabs* tabs = threeTabs(frame);
  key(tabs->handle(), WM_KEYDOWN, VK_LEFT);
  EXPECT_EQ(tabs->currentTab(), tabs->tabAt(0));
  EXPECT_EQ(notified(frame, 50, 1), 1);
  delete tabs;

  RecordingTabs* one = new RecordingTabs(&frame, at(10, 10, 200, 80), kChild, 51);
  one->appendTab(new zTab(one, 7, FLCString("Only")));
  key(one->handle(), WM_KEYDOWN, VK_RIGHT);
  EXPECT_EQ(one->currentTab(), nullptr);
  EXPECT_EQ(notified(frame, 51, 1), 0);
  delete one;
}

TEST_F(PaneControls, TabsStoreTheirSelectionAndLoadIt) {
  RecordingFrame frame;
  RecordingTabs* tabs = threeTabs(frame);
  int32_t boundId = 33;
  EXPECT_EQ(tabs->storeData(), 0);  // nothing bound
  tabs->bindId(&boundId);
  EXPECT_EQ(tabs->loadData(), 1);
  EXPECT_EQ(tabs->currentTab()->id(), 33);
  tabs->selectTab(11);
  EXPECT_EQ(tabs->storeData(), 1);
  EXPECT_EQ(boundId, 11);
  zTab* boundTab = nullptr;
  tabs->bindTab(&boundTab);
  tabs->selectTab(22);
  tabs->storeData();
  EXPECT_EQ(boundTab, tabs->tabAt(1));
  delete tabs;
}

TEST_F(PaneControls, TabsEmptyCaptionMeasuresAsEmptyAndRemovalRelaysTheRest) {
  RecordingFrame frame;
  RecordingTabs* tabs = threeTabs(frame);
  zTab* blank = new zTab(tabs, 44);
  zTab* named = new zTab(tabs, 45, FLCString("Empty"));
  EXPECT_EQ(blank->size(), named->size());
  delete named;
  tabs->appendTab(blank);
  tabs->selectTab(22);
  tabs->removeTab(22);  // the current tab: deleted, no selection left
  EXPECT_EQ(tabs->tabCount(), 3);
  EXPECT_EQ(tabs->currentTab(), nullptr);
  EXPECT_EQ(tabs->tabAt(1)->rect().left(), tabs->tabAt(0)->rect().right() + 1);
  zTab* third = tabs->tabAt(1);
  tabs->removeTab(third);  // handed back
  EXPECT_EQ(tabs->tabCount(), 2);
  delete third;
  delete tabs;
}

TEST_F(PaneControls, SheetTabsHangFromTheBottomAndTheEarlierOfTwoOverlappingWins) {
  RecordingFrame frame;
  RecordingTabs* tabs = threeTabs(frame, zTabSheets);
  EXPECT_TRUE(tabs->sheets());
  EXPECT_EQ(tabs->stripRect().bottom(), 120);
  EXPECT_EQ(tabs->tabAt(0)->rect().top(), tabs->stripRect().top());
  const zRect a = tabs->tabAt(0)->rect(), b = tabs->tabAt(1)->rect();
  ASSERT_LT(b.left(), a.right());  // they overlap by the slant
  click(tabs, (b.left() + a.right()) / 2, a.top() + 3);
  EXPECT_EQ(tabs->currentTab(), tabs->tabAt(0));
  delete tabs;
}

TEST_F(PaneControls, TabsThatDoNotFitEndAtTheFirstTabPastTheStrip) {
  RecordingFrame frame;
  RecordingTabs* tabs = new RecordingTabs(&frame, at(10, 10, 90, 60), kChild, 52);
  const char* captions[] = {"Criteria", "Alternatives", "Scores"};
  tabs->addTabs(captions, nullptr, 3);
  EXPECT_EQ(tabs->tabsFit(), 0);
  zTab* last = tabs->lastVisibleTab();
  ASSERT_NE(last, nullptr);
  EXPECT_GT(last->rect().right(), tabs->stripRect().right());
  EXPECT_EQ(tabs->tabAt(0)->id(), 0);  // no ids given: numbered in order
  tabs->setTabText(0, "C");            // shorter: the others move left
  EXPECT_EQ(tabs->tabAt(1)->rect().left(), tabs->tabAt(0)->rect().right() + 1);
  delete tabs;
  RecordingTabs* roomy = threeTabs(frame);
  EXPECT_EQ(roomy->tabsFit(), 1);
  EXPECT_EQ(roomy->lastVisibleTab(), roomy->tabAt(2));
  delete roomy;
}

// ---------------------------------------------------------------- trackbar and spin

struct ScrollCounter {
  int seen = 0;
  int onScroll(zEvent*) {
    ++seen;
    return 1;
  }
};

TEST_F(PaneControls, TrackbarRangesAndPositionsRoundTripAndHandlersStayWithTheirControl) {
  RecordingFrame frame;
  // The same identifier on purpose: only the window tells the two apart.
  zScaleCtrl* a = new zScaleCtrl(&frame, at(10, 10, 200, 30), kChild, nullptr, 60);
  zScaleCtrl* b = new zScaleCtrl(&frame, at(10, 50, 200, 30), kChild, nullptr, 60);
  char name[40] = {0};
  GetClassNameA(a->handle(), name, sizeof name);
  EXPECT_STREQ(name, "msctls_trackbar32");
  EXPECT_TRUE(a->hasTypeBit(zTypeScaleCtrl));
  a->setRange(5, 50);
  a->setPos(20);
  a->setPageSize(7);
  a->setLineSize(3);
  EXPECT_EQ(a->rangeMin(), 5);
  EXPECT_EQ(a->rangeMax(), 50);
  EXPECT_EQ(a->pos(), 20);
  EXPECT_EQ(a->pageSize(), 7);
  EXPECT_EQ(a->lineSize(), 3);
  a->setRangeMax(80);
  a->setRangeMin(10);
  EXPECT_EQ(a->rangeMax(), 80);
  EXPECT_EQ(a->rangeMin(), 10);

  ScrollCounter ca, cb;
  a->addScrollHandler(&ca, &ScrollCounter::onScroll);
  b->addScrollHandler(&cb, &ScrollCounter::onScroll);
  SendMessageA(frame.handle(), WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(b->handle()));
  SendMessageA(frame.handle(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(b->handle()));
  EXPECT_EQ(ca.seen, 0);
  EXPECT_EQ(cb.seen, 2);
  // The trackbar's own keys reach its parent the same way.
  SendMessageA(a->handle(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_GE(ca.seen, 1);
  const int before = ca.seen;
  a->removeScrollHandler(&ca, &ScrollCounter::onScroll);
  SendMessageA(frame.handle(), WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(a->handle()));
  EXPECT_EQ(ca.seen, before);
  b->removeScrollHandler(&cb, &ScrollCounter::onScroll);
  delete a;
  delete b;
}

TEST_F(PaneControls, SpinRangesAndPositionsRoundTripAndADeadSpinAnswersZero) {
  RecordingFrame frame;
  // The position is read from the buddy's text, so the spin gets its buddy first.
  zControl* edit = new zControl(&frame, at(40, 10, 60, 24), WS_BORDER, "", 62, "edit");
  edit->create();
  zSpinCtrl* spin = new zSpinCtrl(&frame, at(10, 10, 20, 30), kChild | UDS_SETBUDDYINT, nullptr, 61);
  EXPECT_EQ(spin->setBuddy(edit), nullptr);
  EXPECT_EQ(spin->buddy(), edit);
  EXPECT_TRUE(GetWindowLongA(spin->handle(), GWL_STYLE) & UDS_NOTHOUSANDS);
  spin->setRange(-5, 40);
  EXPECT_EQ(spin->range(), zRange(-5, 40));
  short low = 0, high = 0;
  EXPECT_EQ(spin->range(&low, &high), 1);
  EXPECT_EQ(low, -5);
  EXPECT_EQ(high, 40);
  spin->setRange32(-100000, 100000);
  EXPECT_EQ(spin->range32(), zRange(-100000, 100000));
  spin->setRange(0, 50);
  spin->setPos(12);
  EXPECT_EQ(spin->pos(), 12);
  EXPECT_EQ(spin->setPos(30), 12);
  spin->setBase(16);
  EXPECT_EQ(spin->base(), 16);
  // A buddy whose text is no number: an error flag, read as 0.
  SetWindowTextA(edit->handle(), "none");
  EXPECT_EQ(spin->pos(), 0);
  ScrollCounter c;
  spin->addVScrollHandler(zEventHandler(&c, &ScrollCounter::onScroll));
  SendMessageA(frame.handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), reinterpret_cast<LPARAM>(spin->handle()));
  EXPECT_EQ(c.seen, 1);
  spin->removeVScrollHandler(zEventHandler(&c, &ScrollCounter::onScroll));

  DestroyWindow(spin->handle());
  EXPECT_EQ(spin->pos(), 0);
  EXPECT_EQ(spin->range(), zRange(0, 0));
  EXPECT_EQ(spin->range32(), zRange(0, 0));
  EXPECT_EQ(spin->range(&low, &high), 0);
  EXPECT_EQ(spin->setBuddy(edit), nullptr);
  EXPECT_EQ(spin->base(), 0);
  delete edit;
}

// ---------------------------------------------------------------- text pane

std::string rowOf(const zTextPane* pane, int row) {
  std::string s = pane->buffer().rowText(row);
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

TEST_F(PaneControls, TextPaneWrapsScrollsAndClampsTheCursor) {
  RecordingFrame frame;
  zTextPane* pane = new zTextPane(&frame, at(0, 0, 480, 300), 70, 25, 80);
  EXPECT_TRUE(pane->hasTypeBit(zTypeTextPane));
  pane->write(std::string(85, 'a').c_str());
  EXPECT_EQ(rowOf(pane, 0), std::string(80, 'a'));
  EXPECT_EQ(rowOf(pane, 1), "aaaaa");
  EXPECT_EQ(pane->cursor(), zPoint(5, 1));

  pane->gotoXY(0, 24);
  pane->write("bottom\n");
  EXPECT_EQ(rowOf(pane, 23), "bottom");
  EXPECT_EQ(rowOf(pane, 24), "");
  EXPECT_EQ(pane->cursor().y(), 24);
  EXPECT_EQ(rowOf(pane, 0), "aaaaa");  // the grid moved up by one line

  // A cursor past the end of the line stays on the grid.
  pane->gotoXY(500, 3);
  EXPECT_EQ(pane->cursor(), zPoint(79, 3));
  pane->write("xy");
  EXPECT_EQ(rowOf(pane, 3), std::string(79, ' ') + "x");
  EXPECT_EQ(rowOf(pane, 4), "y");
  pane->cursorRight(1000);
  EXPECT_EQ(pane->cursor().x(), 79);
  pane->cursorUp(1000);
  EXPECT_EQ(pane->cursor().y(), 0);
  delete pane;
}

TEST_F(PaneControls, TextPaneStreamFormatsWithoutALengthLimit) {
  RecordingFrame frame;
  zTextPane* pane = new zTextPane(&frame, at(0, 0, 400, 200), 71, 10, 40);
  *pane << zPoint(3, 4) << " " << zDimension(10, 20);
  EXPECT_EQ(rowOf(pane, 0), "(3,4) [10,20]");
  const std::string longText(350, 'z');
  pane->printAt(0, 1, "%s!", longText.c_str());
  // 351 characters on 40 columns: eight full rows and 31 more.
  EXPECT_EQ(rowOf(pane, 1), std::string(40, 'z'));
  EXPECT_EQ(pane->cursor(), zPoint(31, 9));
  EXPECT_EQ(pane->buffer().line(9)[30], '!');
  zDimension size;
  EXPECT_EQ(pane->preferredSize(&size), 1);
  EXPECT_EQ(size.width(), 40 * pane->charWidth() + 2 * (pane->charWidth() / 2));
  EXPECT_EQ(size.height(), 10 * pane->lineHeight() + 2 * (pane->lineHeight() / 2));
  delete pane;
}

// ---------------------------------------------------------------- value set

TEST_F(PaneControls, ValueSetSelectsByClickAndArrowsStopAtTheEdges) {
  RecordingFrame frame;
  zValueSet* set = new zValueSet(&frame, at(10, 10, 200, 120), kChild, nullptr, 80);
  set->setGridSize(zDimension(3, 2));
  // Without a strip no click selects.
  click(set, 25 + 3, 3);
  EXPECT_EQ(set->selection(), zPoint(0, 0));
  delete set->setImageStrip(colourStrip(set, 6));
  for (int i = 0; i < 6; ++i) set->setImageIndex(zPoint(i % 3, i / 3), i);
  click(set, 23 + 5, 23 + 5);  // cell (1, 1)
  EXPECT_EQ(set->selection(), zPoint(1, 1));
  click(set, 21, 5);  // a gap
  EXPECT_EQ(set->selection(), zPoint(1, 1));
  EXPECT_EQ(notified(frame, 80, 1), 1);
  key(set->handle(), WM_KEYDOWN, VK_DOWN);  // last row
  key(set->handle(), WM_KEYDOWN, VK_RIGHT);
  key(set->handle(), WM_KEYDOWN, VK_RIGHT);  // last column
  EXPECT_EQ(set->selection(), zPoint(2, 1));
  EXPECT_EQ(notified(frame, 80, 1), 2);
  key(set->handle(), WM_KEYDOWN, VK_UP);
  key(set->handle(), WM_KEYDOWN, VK_UP);
  EXPECT_EQ(set->selection(), zPoint(2, 0));
  EXPECT_EQ(notified(frame, 80, 1), 3);

  // The selected cell is ringed black, white, black; the others sit in sunken frames; the
  // image shows inside the frame.
  InvalidateRect(set->handle(), nullptr, TRUE);
  const zRect sel = set->cellRect(zPoint(2, 0));
  const zRect other = set->cellRect(zPoint(0, 0));
  EXPECT_EQ(pixel(set->handle(), sel.left() - 1, sel.top() + 8), kBlack);
  EXPECT_EQ(pixel(set->handle(), sel.left(), sel.top() + 8), kWhite);
  EXPECT_EQ(pixel(set->handle(), sel.left() + 1, sel.top() + 8), kBlack);
  EXPECT_EQ(pixel(set->handle(), other.left(), other.top() + 8), kGrey);
  EXPECT_EQ(pixel(set->handle(), other.right() - 1, other.top() + 8), kWhite);
  EXPECT_EQ(pixel(set->handle(), other.left() + 8, other.top() + 8), 0x0000FFu);

  EXPECT_EQ(set->storeData(), 0);
  zPoint bound(1, 0);
  set->bind(&bound);
  EXPECT_EQ(set->loadData(), 1);
  EXPECT_EQ(set->selection(), zPoint(1, 0));
  set->setGridSize(zDimension(3, 2));  // the same size keeps the images
  EXPECT_EQ(set->imageIndex(zPoint(2, 1)), 5);
  EXPECT_EQ(set->imageIndex(zPoint(9, 9)), 0);  // outside the grid: cell (0, 0)
  delete set;
}

TEST_F(PaneControls, ValueSetWithHiddenSelectionDrawsEveryCellAlike) {
  RecordingFrame frame;
  zValueSet* set = new zValueSet(&frame, at(10, 10, 120, 60), kChild | zValueSetHideSelection, nullptr, 81);
  EXPECT_FALSE(set->showsSelection());
  set->setGridSize(zDimension(3, 1));
  delete set->setImageStrip(colourStrip(set, 3));
  set->select(zPoint(1, 0));
  InvalidateRect(set->handle(), nullptr, TRUE);
  const zRect sel = set->cellRect(zPoint(1, 0));
  EXPECT_EQ(pixel(set->handle(), sel.left(), sel.top() + 8), kGrey);  // a sunken frame, no ring
  EXPECT_EQ(pixel(set->handle(), sel.right() - 1, sel.top() + 8), kWhite);
  EXPECT_EQ(notified(frame, 81, 1), 1);  // the change is still reported
  delete set;
}

// ---------------------------------------------------------------- tree

class RecordingTree : public zTreeCtrl {
 public:
  RecordingTree(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id) : zTreeCtrl(parent, sizer, style, id) {}
  ~RecordingTree() override { vetoExpand = false; }
  int notify(zTreeItem* item, int32_t event) override {
    events.push_back(event);
    items.push_back(item);
    return event == zTreeExpand && vetoExpand ? 1 : 0;
  }
  int seen(int32_t event) const {
    int n = 0;
    for (int32_t e : events) n += e == event;
    return n;
  }
  std::vector<int32_t> events;
  std::vector<zTreeItem*> items;
  bool vetoExpand = false;
};

// root
//   alpha
//     a1, a2
//   beta
// second
RecordingTree* sampleTree(RecordingFrame& frame, uint32_t style = 0) {
  RecordingTree* tree = new RecordingTree(&frame, at(10, 10, 240, 200), kChild | style, 90);
  zTreeItem* root = tree->insertItem(nullptr, new zTreeItem("root"), zTreeAfter);
  tree->insertItem(root, new zTreeItem("second"), zTreeAfter);
  zTreeItem* alpha = tree->insertItem(root, new zTreeItem("alpha"), zTreeLastChild);
  tree->insertItem(alpha, new zTreeItem("beta"), zTreeAfter);
  tree->insertItem(alpha, new zTreeItem("a2"), zTreeLastChild);
  tree->insertItem(alpha, new zTreeItem("a1"), zTreeFirstChild);
  tree->setIndent(12);
  return tree;
}

int rowY(const zTreeCtrl* tree, int row) { return row * tree->rowHeight() + tree->rowHeight() / 2; }

TEST_F(PaneControls, TreeInsertsExpandsAndSelectsThroughNotify) {
  RecordingFrame frame;
  RecordingTree* tree = sampleTree(frame);
  EXPECT_EQ(tree->count(), 6);
  EXPECT_EQ(tree->visibleCount(), 2);
  EXPECT_EQ(tree->findItem(2, true)->text(), FLCString("alpha"));
  EXPECT_EQ(tree->findItem(3, true)->text(), FLCString("a1"));
  EXPECT_EQ(tree->findText("beta", true)->level(), 1);
  EXPECT_EQ(tree->findText("beta", false), nullptr);

  zTreeItem* root = tree->findText("root", false);
  click(tree, 3 + 5, rowY(tree, 0));  // the root's button
  EXPECT_EQ(tree->seen(zTreeButtonClick), 1);
  EXPECT_EQ(tree->seen(zTreeExpand), 1);
  EXPECT_TRUE(root->expanded());
  EXPECT_EQ(tree->visibleCount(), 4);

  click(tree, 3 + 16 + 2 + 12 + 16 + 4, rowY(tree, 2));  // the text of beta (row 2)
  EXPECT_EQ(tree->seen(zTreeTextClick), 1);
  EXPECT_EQ(tree->selection(), tree->findText("beta", true));
  EXPECT_EQ(tree->seen(zTreeSelected), 1);
  EXPECT_EQ(notified(frame, 90, zTreeSelected), 1);

  tree->select(root);
  EXPECT_EQ(tree->seen(zTreeUnselected), 1);
  EXPECT_EQ(tree->items.back(), root);
  tree->collapse(root);
  EXPECT_EQ(tree->seen(zTreeCollapse), 1);

  tree->vetoExpand = true;
  tree->expand(root);
  key(tree->handle(), WM_KEYDOWN, VK_RIGHT);
  EXPECT_FALSE(root->expanded());
  EXPECT_EQ(tree->visibleCount(), 2);
  delete tree;
}

TEST_F(PaneControls, TreeDeletingChildrenClearsASelectionAmongThem) {
  RecordingFrame frame;
  RecordingTree* tree = sampleTree(frame);
  zTreeItem* root = tree->findText("root", false);
  // An item deleted by its owner leaves the tree with its selection.
  zTreeItem* beta = tree->findText("beta", true);
  tree->select(beta);
  delete beta;
  EXPECT_EQ(tree->selection(), nullptr);
  EXPECT_EQ(tree->count(), 5);
  EXPECT_EQ(tree->findText("beta", true), nullptr);
  zTreeItem* a2 = tree->findText("a2", true);
  tree->select(a2);
  ASSERT_EQ(tree->selection(), a2);
  const size_t before = tree->events.size();
  tree->deleteChildren(root);
  EXPECT_EQ(tree->selection(), nullptr);
  EXPECT_EQ(tree->count(), 2);
  EXPECT_EQ(tree->seen(zTreeDeleting), 4);  // beta, then alpha with a1 and a2
  EXPECT_GT(tree->events.size(), before);
  tree->select(tree->findText("second", false));  // no freed item is touched
  EXPECT_EQ(tree->selection()->text(), FLCString("second"));
  // Removing a subtree that holds the selection clears it too.
  zTreeItem* second = tree->selection();
  tree->removeItem(second);
  EXPECT_EQ(tree->selection(), nullptr);
  delete second;
  delete tree;
}

TEST_F(PaneControls, TreeNestedButtonsAreHitAndThePreferredWidthCountsThem) {
  RecordingFrame frame;
  RecordingTree* tree = sampleTree(frame);
  zTreeItem* root = tree->findText("root", false);
  zTreeItem* alpha = tree->findText("alpha", true);
  tree->expand(root);
  click(tree, 3 + 12 + 5, rowY(tree, 1));  // alpha's button, one level in
  EXPECT_TRUE(alpha->expanded());
  EXPECT_EQ(tree->visibleCount(), 6);
  click(tree, 3 + 12 + 5, rowY(tree, 1));
  EXPECT_FALSE(alpha->expanded());

  zDimension size;
  tree->expand(alpha);
  EXPECT_EQ(tree->preferredSize(&size), 1);
  EXPECT_EQ(size.height(), 6 * tree->rowHeight());
  SIZE text{0, 0};
  HDC dc = GetDC(tree->handle());
  GetTextExtentPoint32A(dc, "alpha", 5, &text);
  ReleaseDC(tree->handle(), dc);
  EXPECT_GE(size.width(), 3 + 12 + 16 + 1);  // indent, margin and the button column
  // A row wider than the control scrolls across, as far as its end, and clicks follow.
  zTreeItem* wide = tree->insertItem(nullptr, new zTreeItem(std::string(120, 'W').c_str()), zTreeAfter);
  ASSERT_EQ(tree->preferredSize(&size), 1);
  RECT client;
  GetClientRect(tree->handle(), &client);
  ASSERT_GT(size.width(), client.right);
  SendMessageA(tree->handle(), WM_HSCROLL, SB_RIGHT, 0);
  EXPECT_EQ(tree->leftOffset(), size.width() - client.right);
  SendMessageA(tree->handle(), WM_HSCROLL, SB_LEFT, 0);
  SendMessageA(tree->handle(), WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(tree->leftOffset(), 12);
  click(tree, 3 + 5, rowY(tree, 1));  // alpha's button, moved left by one indent
  EXPECT_FALSE(alpha->expanded());
  EXPECT_NE(wide, nullptr);
  tree->clear();
  EXPECT_EQ(tree->preferredSize(&size), 1);
  EXPECT_EQ(size, zDimension(1, 1));
  EXPECT_EQ(tree->leftOffset(), 0);
  delete tree;
}

TEST_F(PaneControls, TreeDoubleClicksPairUpAndSingleClickStyleActivatesAtOnce) {
  RecordingFrame frame;
  RecordingTree* tree = sampleTree(frame);
  const int textX = 3 + 16 + 10;
  click(tree, textX, rowY(tree, 1));
  click(tree, textX, rowY(tree, 1));
  EXPECT_EQ(tree->seen(zTreeDoubleClick), 1);
  click(tree, textX, rowY(tree, 1));  // starts a new pair
  EXPECT_EQ(tree->seen(zTreeDoubleClick), 1);
  EXPECT_EQ(notified(frame, 90, zTreeDoubleClick), 1);
  delete tree;

  RecordingTree* quick = sampleTree(frame, zTreeSingleClickActivates);
  click(quick, textX, rowY(quick, 0));
  ASSERT_GE(quick->events.size(), 2u);
  EXPECT_EQ(quick->events[0], zTreeTextClick);
  EXPECT_EQ(quick->seen(zTreeDoubleClick), 1);
  // The double click toggles: the root opened.
  EXPECT_TRUE(quick->findText("root", false)->expanded());
  delete quick;
}

TEST_F(PaneControls, TreeArrowKeysMoveWithinTheVisibleRows) {
  RecordingFrame frame;
  RecordingTree* tree = sampleTree(frame);
  zTreeItem* root = tree->findText("root", false);
  tree->select(root);
  key(tree->handle(), WM_KEYDOWN, VK_UP);  // first row: stays
  EXPECT_EQ(tree->selection(), root);
  key(tree->handle(), WM_KEYDOWN, VK_RIGHT);  // collapsed with children: opens
  EXPECT_TRUE(root->expanded());
  key(tree->handle(), WM_KEYDOWN, VK_RIGHT);  // open: moves down
  EXPECT_EQ(tree->selection()->text(), FLCString("alpha"));
  key(tree->handle(), WM_KEYDOWN, VK_DOWN);
  key(tree->handle(), WM_KEYDOWN, VK_DOWN);
  key(tree->handle(), WM_KEYDOWN, VK_DOWN);  // past the last row: stays
  EXPECT_EQ(tree->selection()->text(), FLCString("second"));
  key(tree->handle(), WM_KEYDOWN, VK_LEFT);
  EXPECT_EQ(tree->selection()->text(), FLCString("beta"));
  zTreeItem* bound = nullptr;
  tree->bind(&bound);
  EXPECT_EQ(tree->storeData(), 1);
  EXPECT_EQ(bound, tree->selection());
  tree->sortChildren(nullptr, true);
  EXPECT_EQ(tree->findItem(1, false, root)->text(), FLCString("alpha"));
  EXPECT_EQ(tree->findItem(2, true)->text(), FLCString("alpha"));
  delete tree;
}

// ---------------------------------------------------------------- the picture

// Every control of this suite in one window; with PV_SCREENSHOT_BMP set, the window is saved
// there as a bitmap for the documentation.
TEST_F(PaneControls, AllControlsInOneWindow) {
  RecordingFrame frame;
  SetWindowTextA(frame.handle(), "Common controls");
  SetWindowPos(frame.handle(), nullptr, 0, 0, 640, 480, SWP_NOZORDER);
  zTabCtrl* tabs = new zTabCtrl(&frame, at(10, 10, 300, 150), kChild, nullptr, 1);
  const char* captions[] = {"Criteria", "Alternatives", "Scores"};
  tabs->addTabs(captions, nullptr, 3);
  tabs->selectTab(1);
  new zStaticText3d(tabs, at(20, 50, 260, 20), kChild | SS_CENTER | ziTextLookEtched, "Etched caption, centred", 2);
  new zStaticText3d(tabs, at(20, 80, 260, 20), kChild | SS_LEFT | ziTextLookSunken, "Sunken caption, left", 3);
  new zStaticText3d(tabs, at(20, 110, 260, 20), kChild | SS_RIGHT | ziTextLookRaised, "Raised caption, right", 4);
  zTabCtrl* sheets = new zTabCtrl(&frame, at(10, 170, 300, 90), kChild | zTabSheets, nullptr, 5);
  const char* sheetCaptions[] = {"Sheet 1", "Sheet 2", "Sheet 3"};
  sheets->addTabs(sheetCaptions, nullptr, 3);
  sheets->selectTab(0);
  zScaleCtrl* scale = new zScaleCtrl(&frame, at(10, 270, 240, 36), kChild | TBS_AUTOTICKS, nullptr, 6);
  scale->setRange(0, 10);
  scale->setTicFreq(1);
  scale->setPos(4);
  zControl* edit = new zControl(&frame, at(260, 276, 40, 24), WS_VISIBLE | WS_BORDER | ES_RIGHT, "7", 7, "edit");
  edit->create();
  zSpinCtrl* spin = new zSpinCtrl(&frame, at(300, 276, 16, 24), kChild | UDS_ALIGNRIGHT | UDS_SETBUDDYINT, nullptr, 8);
  spin->setRange(0, 99);
  spin->setBuddy(edit);
  spin->setPos(7);
  zValueSet* set = new zValueSet(&frame, at(10, 320, 140, 60), kChild, nullptr, 9);
  set->setGridSize(zDimension(6, 2));
  delete set->setImageStrip(colourStrip(set, 6));
  for (int i = 0; i < 12; ++i) set->setImageIndex(zPoint(i % 6, i / 6), i % 6);
  set->select(zPoint(2, 1));
  RecordingTree* tree = sampleTree(frame);
  tree->moveSize(330, 10, 290, 250);
  tree->expand(tree->findText("root", false));
  tree->expand(tree->findText("alpha", true));
  tree->select(tree->findText("a2", true));
  zTextPane* pane = new zTextPane(&frame, at(330, 270, 290, 160), 10, 8, 34);
  pane->write("Text pane, 8 rows of 34 columns.\n");
  *pane << "Point " << zPoint(3, 4) << ", size " << zDimension(10, 20) << "\n";
  pane->printf("%s", "A line longer than the pane wraps at the last column.");
  RedrawWindow(frame.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pump();
  EXPECT_TRUE(IsWindowVisible(tree->handle()));
  if (const char* path = std::getenv("PV_SCREENSHOT_BMP")) saveWindowImage(frame.handle(), path);
}

}  // namespace
