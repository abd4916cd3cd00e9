// Bitmap panes and the control types of dialog templates: what the framework's template
// reader makes of the drawn controls' class names at a program's start, and bitmap panes
// taken over from a template, given pictures, fitted to them and centred on them.
#include <gtest/gtest.h>

#include "VisualTestSupport.h"
#include "framework/controls/zControlReport.h"
#include "framework/core/zControlType.h"
#include "framework/core/zProgram.h"
#include "framework/core/zResId.h"
#include "framework/core/ziWindowMap.h"
#include "framework/draw/zBitmap.h"
#include "framework/frames/zFormDialog.h"
#include "framework/visual/zBitmapPane.h"
#include "framework/visual/zCtrl3d.h"
#include "visual_test_dialog.h"

namespace {

using BitmapPanes = FrameworkTest;

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;

std::string classOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

int childCount(zWindow* window) {
  int n = 0;
  zWindowDlistIter it(&window->children());
  while (it.next()) ++n;
  return n;
}

int timesListed(zWindow* parent, zWindow* child) {
  int n = 0;
  zWindowDlistIter it(&parent->children());
  while (zWindow* c = it.next()) n += c == child ? 1 : 0;
  return n;
}

// No test registers anything here: the application object did at its start.
TEST_F(BitmapPanes, TheTemplateReaderMakesEveryDrawnControlTypeThroughItsRegisteredCreator) {
  const uint32_t registered = zControlType::count();
  zRegisterVisualCtrlClasses();
  EXPECT_EQ(zControlType::count(), registered);  // already done at start-up
  RecordingFrame frame;
  zFormDialog form(&frame, zResId(kControlTypesDialog));
  struct Case {
    int id;
    const char* windowClass;
  } cases[] = {{kTypesCheck, "VisualCtrl"},        {kTypesRadio, "VisualCtrl"}, {kTypesGroup, "VisualCtrl"},
               {kTypesBitmapButton, "VisualCtrl"}, {kTypesPanel, "VisualCtrl"}, {kTypesPicture, "zBitmapPane"}};
  for (const Case& c : cases) {
    zWindow* made = form.childById(c.id);
    ASSERT_NE(made, nullptr) << c.id;
    EXPECT_EQ(classOf(made->handle()), c.windowClass) << c.id;
    EXPECT_EQ(GetDlgCtrlID(made->handle()), c.id);
    EXPECT_EQ(zTheProgram->windowMap()->find(made->handle()), made) << c.id;
  }
  EXPECT_TRUE(form.childById(kTypesCheck)->hasTypeBit(zTypeCtrlPane));
  EXPECT_EQ(SendMessageA(form.childById(kTypesCheck)->handle(), BM_GETCHECK, 0, 0), 0);
  // A class nobody registered makes nothing, and the rest of the template is still read.
  EXPECT_EQ(form.childById(kTypesUnknown), nullptr);
  EXPECT_EQ(GetDlgItem(form.handle(), kTypesUnknown), nullptr);
  // An item of the class "VisualCtrl" itself is a bare window until the dialog's code takes
  // it over with the control it means.
  const HWND bare = GetDlgItem(form.handle(), kTypesBare);
  ASSERT_NE(bare, nullptr);
  EXPECT_EQ(classOf(bare), "VisualCtrl");
  EXPECT_EQ(form.childById(kTypesBare), nullptr);
  zCheckBox3d* check = new zCheckBox3d(&form, kTypesBare);
  ASSERT_FALSE(check->isEmpty());
  EXPECT_EQ(check->handle(), bare);
  EXPECT_STREQ(static_cast<const char*>(check->ctrlText()), "Taken &over");
  mouse(bare, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  mouse(bare, WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(check->check(), BST_CHECKED);
}

TEST_F(BitmapPanes, ATakeoverReplacesTheTemplatePaneOnceAndShowsItsPicture) {
  RecordingFrame frame;
  zFormDialog form(&frame, zResId(kControlTypesDialog));
  ShowWindow(form.handle(), SW_SHOWNA);
  zWindow* placeholder = form.childById(kTypesPicture);
  ASSERT_NE(placeholder, nullptr);
  const HWND window = placeholder->handle();
  const int children = childCount(&form);

  zBitmapPane* pane = new zBitmapPane(&form, kTypesPicture);
  ASSERT_FALSE(pane->isEmpty());
  EXPECT_EQ(pane->handle(), window);
  EXPECT_EQ(zTheProgram->windowMap()->find(window), pane);
  // The form holds the new pane in the old one's place, once; the old object is gone from
  // its list, so the form's end deletes nothing twice.
  EXPECT_EQ(childCount(&form), children);
  EXPECT_EQ(timesListed(&form, pane), 1);
  EXPECT_EQ(form.childById(kTypesPicture), pane);

  EXPECT_EQ(pane->setBitmap(solidFrames(1, 8, 8, &kRed)), nullptr);
  EXPECT_EQ(pixel(window, 3, 3), kRed);
  // Replacing the picture hands the old one back to the caller.
  zBitmap* previous = pane->setBitmap(solidFrames(1, 8, 8, &kBlue));
  ASSERT_NE(previous, nullptr);
  delete previous;
  EXPECT_EQ(pixel(window, 3, 3), kBlue);
  // Deleting the pane first leaves the form nothing stale to delete at its end.
  delete pane;
  EXPECT_EQ(childCount(&form), children - 1);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(BitmapPanes, ATakeoverWithoutABitmapPaneOfThatIdentifierStaysEmptyAndIsReported) {
  RecordingFrame frame;
  zFormDialog form(&frame, zResId(kControlTypesDialog));
  const int children = childCount(&form);
  for (int id : {999, kTypesPanel}) {  // missing, and not a bitmap pane
    const uint32_t faults = zControlFaultCount();
    zBitmapPane* pane = new zBitmapPane(&form, id);
    EXPECT_TRUE(pane->isEmpty()) << id;
    EXPECT_EQ(zControlFaultCount(), faults + 1) << id;
    delete pane;
  }
  EXPECT_EQ(childCount(&form), children);
  EXPECT_TRUE(IsWindow(form.childById(kTypesPanel)->handle()));
}

TEST_F(BitmapPanes, FittingToTheBitmapKeepsTheCornerAndIgnoresAMissingBitmap) {
  RecordingFrame frame;
  zBitmapPane* pane = new zBitmapPane(&frame, at(30, 20, 50, 40), WS_CHILD | WS_VISIBLE | WS_BORDER, 5);
  const auto placeOf = [&] {
    RECT r;
    GetWindowRect(pane->handle(), &r);
    MapWindowPoints(nullptr, frame.handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  const RECT before = placeOf();
  // No bitmap: nothing to fit to, and nothing moves.
  EXPECT_EQ(pane->setBitmap(nullptr, 1), nullptr);
  const RECT unchanged = placeOf();
  EXPECT_TRUE(EqualRect(&before, &unchanged));

  pane->setBitmap(solidFrames(1, 24, 16, &kRed), 1);
  RECT client;
  GetClientRect(pane->handle(), &client);
  EXPECT_EQ(client.right, 24);
  EXPECT_EQ(client.bottom, 16);
  const RECT fitted = placeOf();
  EXPECT_EQ(fitted.left, before.left);
  EXPECT_EQ(fitted.top, before.top);
  // Already the bitmap's size: the pane stays where it is.
  delete pane->setBitmap(solidFrames(1, 24, 16, &kBlue), 1);
  const RECT kept = placeOf();
  EXPECT_TRUE(EqualRect(&fitted, &kept));
  EXPECT_EQ(pixel(pane->handle(), 23, 15), kBlue);
  delete pane;
}

TEST_F(BitmapPanes, ACentredBitmapIsPlacedByHalvesAndClippedOnBothSides) {
  struct Case {
    int paneW, paneH, bitmapW, bitmapH, centred, x, y;
  } cases[] = {
      {40, 40, 20, 20, 0, 0, 0},      // top-left corner
      {40, 40, 20, 20, 1, 10, 10},    // centred
      {41, 40, 20, 21, 1, 10, 9},     // halves rounded toward zero
      {20, 20, 40, 30, 1, -10, -5},   // larger than the pane: negative
      {20, 20, 41, 41, 1, -10, -10},  // toward zero, not down
  };
  for (const Case& c : cases) {
    const zPoint p =
        zBitmapPane::bitmapOrigin(zDimension(c.paneW, c.paneH), zDimension(c.bitmapW, c.bitmapH), c.centred);
    EXPECT_EQ(p.x(), c.x) << c.paneW << "x" << c.paneH << " " << c.bitmapW << "x" << c.bitmapH;
    EXPECT_EQ(p.y(), c.y) << c.paneW << "x" << c.paneH << " " << c.bitmapW << "x" << c.bitmapH;
  }

  RecordingFrame frame;
  zBitmapPane* pane = new zBitmapPane(&frame, at(10, 10, 20, 20), WS_CHILD | WS_VISIBLE, 6);
  const COLORREF halves[2] = {kRed, kBlue};
  // 40 wide: red on the left half, blue on the right; centred, the pane shows the middle.
  pane->setBitmap(solidFrames(2, 20, 20, halves), 0, 1);
  EXPECT_EQ(pixel(pane->handle(), 0, 10), kRed);
  EXPECT_EQ(pixel(pane->handle(), 9, 10), kRed);
  EXPECT_EQ(pixel(pane->handle(), 10, 10), kBlue);
  EXPECT_EQ(pixel(pane->handle(), 19, 10), kBlue);
  // Without a bitmap only the background shows.
  delete pane->setBitmap(nullptr);
  EXPECT_EQ(pixel(pane->handle(), 10, 10), GetSysColor(COLOR_BTNFACE));
  delete pane;
  // A picture that is not in the resources leaves a pane without one, painted as such.
  zBitmapPane* missing = new zBitmapPane(&frame, 9999u, at(40, 10, 20, 20));
  EXPECT_EQ(missing->bitmap(), nullptr);
  EXPECT_EQ(pixel(missing->handle(), 10, 10), GetSysColor(COLOR_BTNFACE));
  delete missing;
}

}  // namespace
