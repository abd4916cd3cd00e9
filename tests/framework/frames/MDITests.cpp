#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "MDITestSupport.h"
#include "frames_test_resources.h"
#include "FramesTestSupport.h"
#include "framework/core/ziWindowMap.h"
#include "framework/core/zResources.h"
#include "framework/frames/zDialogFrame.h"
#include "framework/frames/zMDIMarginFrame.h"

int TestChild::destroyed = 0;

namespace {

using MDI = FrameworkTest;
using Texts = std::vector<std::string>;

TEST_F(MDI, MarginsTakeTheirBandsAndTheClientGetsTheRest) {
  zMDIAppFrame* frame = makeTestMDIFrame();
  zMDIMarginFrame* top = new zMDIMarginFrame(frame, new zSizer(zPoint(0, 0), zDimension(0, 30), nullptr), 0, "toolbar");
  zMDIMarginFrame* bottom =
      new zMDIMarginFrame(frame, new zSizer(zPoint(0, 0), zDimension(0, 20), nullptr), 0, "status");
  bottom->setEdge(zMDIMarginFrame::bottomEdge);
  // A second top band goes inside the first: margins stack in order of construction.
  zMDIMarginFrame* ruler = new zMDIMarginFrame(frame, new zSizer(zPoint(0, 0), zDimension(0, 10), nullptr), 0, "ruler");
  // Each margin's sizer stands among the frame's before the client's.
  EXPECT_EQ(frame->sizer()->childCount(), 4u);
  frame->show(SW_SHOWNORMAL);
  top->show(SW_SHOW);
  bottom->show(SW_SHOW);
  ruler->show(SW_SHOW);
  pump();
  for (int round = 0; round < 2; ++round) {
    RECT client;
    GetClientRect(frame->handle(), &client);
    const RECT t = placeOf(top->handle());
    const RECT b = placeOf(bottom->handle());
    const RECT c = placeOf(frame->client()->handle());
    EXPECT_EQ(t.top, 0);
    EXPECT_EQ(t.bottom, 30);
    EXPECT_EQ(t.right, client.right);
    EXPECT_EQ(b.top, client.bottom - 20);
    EXPECT_EQ(b.bottom, client.bottom);
    const RECT r = placeOf(ruler->handle());
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.bottom, 40);
    EXPECT_EQ(r.right, client.right);
    EXPECT_EQ(c.top, 40);
    EXPECT_EQ(c.bottom, client.bottom - 20);
    EXPECT_EQ(c.left, 0);
    EXPECT_EQ(c.right, client.right);
    // Any resize but minimising lays the frame out again.
    SetWindowPos(frame->handle(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    pump();
  }
  const RECT before = placeOf(frame->client()->handle());
  ShowWindow(frame->handle(), SW_MINIMIZE);
  pump();
  const RECT after = placeOf(frame->client()->handle());
  EXPECT_EQ(before.bottom, after.bottom) << "minimising must not lay the children out";
  delete frame;
}

TEST_F(MDI, EachFrameAndChildRegistersAClassOfItsOwn) {
  zMDIAppFrame* frame = makeTestMDIFrame();
  EXPECT_NE(frame->windowMenu(), nullptr);
  EXPECT_TRUE(IsMenu(frame->windowMenu()->handle()));
  TestChild* a = new TestChild(frame, "A");
  TestChild* b = new TestChild(frame, "B");
  char name[64];
  GetClassNameA(a->handle(), name, sizeof name);
  EXPECT_EQ(std::string(name), std::string(a->className()));
  EXPECT_EQ(std::string(name).rfind("MDIchildCL", 0), 0u);
  EXPECT_NE(std::string(a->className()), std::string(b->className()));
  GetClassNameA(frame->handle(), name, sizeof name);
  EXPECT_EQ(std::string(name).rfind("MDIframeCL", 0), 0u);
  EXPECT_EQ(app_->mainFrame(), frame);
  EXPECT_FALSE(IsWindowVisible(a->handle())) << "children are created hidden";
  delete frame;
}

// A window's icon is set on its class: a later window must start with the class's own
// icon, never with one an earlier window of the same kind set, and two windows that live at
// once never share a class.
TEST_F(MDI, AnIconSetOnOneWindowStaysWithThatWindow) {
  zMDIAppFrame* frame = makeTestMDIFrame();
  const HICON standard = LoadIcon(nullptr, IDI_APPLICATION);
  const HICON other = LoadIcon(nullptr, IDI_INFORMATION);
  auto iconOf = [](zWindow* w) { return reinterpret_cast<HICON>(GetClassLongPtrA(w->handle(), GCLP_HICON)); };
  for (int round = 0; round < 3; ++round) {
    TestChild* first = new TestChild(frame, "first");
    first->setIcon(new zIcon(static_cast<uint16_t>(32516)));  // IDI_INFORMATION
    TestChild* second = new TestChild(frame, "second");
    EXPECT_NE(std::string(first->className()), std::string(second->className()));
    EXPECT_EQ(iconOf(first), other);
    EXPECT_EQ(iconOf(second), standard) << "round " << round;
    delete first;
    TestChild* third = new TestChild(frame, "third");
    EXPECT_EQ(iconOf(third), standard) << "round " << round;
    EXPECT_EQ(iconOf(second), standard);
    zDialogFrame* dialog = new zDialogFrame(frame, nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU, "dialog");
    EXPECT_EQ(iconOf(dialog), standard) << "round " << round;
    dialog->setIcon(new zIcon(static_cast<uint16_t>(32516)));
    delete dialog;
    delete second;
    delete third;
  }
  delete frame;
}

TEST_F(MDI, ActiveChildMenuIsMergedAndRemovedOnDeactivation) {
  zMDIAppFrame* frame = makeTestMDIFrame();
  frame->show(SW_SHOWNORMAL);
  TestChild* plain = new TestChild(frame, "Plain");
  plain->show(SW_SHOWNORMAL);
  TestChild* doc = new TestChild(frame, "Doc");
  zMenu* menu = new zMenu(doc);
  const HMENU edit = CreatePopupMenu();
  AppendMenuA(edit, MF_STRING, 50, "&Undo");
  AppendMenuA(menu->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
  AppendMenuA(menu->handle(), MF_STRING | MF_GRAYED, 51, "&Go");
  doc->setMenu(menu);
  doc->show(SW_SHOWNORMAL);
  pump();
  const HMENU bar = frame->menu()->handle();
  EXPECT_EQ(menuTexts(bar), (Texts{"&File", "&Edit", "&Go", "&Window"}));
  EXPECT_EQ(frame->mergedChild(), doc);
  EXPECT_TRUE(GetMenuState(bar, 51, MF_BYCOMMAND) & MF_GRAYED) << "state flags are copied";
  EXPECT_EQ(GetSubMenu(bar, 1), edit) << "a popup is shared, not copied";
  plain->activate();
  pump();
  EXPECT_EQ(menuTexts(bar), (Texts{"&File", "&Window"}));
  // Maximised, the child's menu goes in front of the last 1 + 3 entries (the frame's own
  // last entry and the child's three caption buttons).
  doc->maximize(1);
  pump();
  const Texts texts = menuTexts(bar);
  ASSERT_GE(texts.size(), 6u);
  EXPECT_EQ(texts[texts.size() - 6], "&Edit");
  EXPECT_EQ(texts[texts.size() - 5], "&Go");
  EXPECT_EQ(texts[texts.size() - 4], "&Window");
  // Deleting the active child takes its entries out first.
  delete doc;
  pump();
  for (const std::string& t : menuTexts(bar)) {
    EXPECT_NE(t, "&Edit");
    EXPECT_NE(t, "&Go");
  }
  delete frame;
}

// The frame's menu bar as the frame has drawn it, pixel by pixel.
std::vector<uint32_t> menuBarPixels(HWND frame) {
  MENUBARINFO info = {};
  info.cbSize = sizeof info;
  if (!GetMenuBarInfo(frame, OBJID_MENU, 0, &info)) return {};
  const RECT r = info.rcBar;
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return {};
  // Read from the frame's own drawing, not from the screen: the tests run beside others
  // on one display, whose windows may lie over the bar there.
  RECT window = {};
  GetWindowRect(frame, &window);
  const HDC dc = GetWindowDC(frame);
  const HDC memory = CreateCompatibleDC(dc);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, w, h);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, dc, r.left - window.left, r.top - window.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = w;
  format.bmiHeader.biHeight = -h;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), pixels.data(), &format, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(frame, dc);
  return pixels;
}

// The frame's menu bar takes its room: the client starts below it.
void expectClientBelowBar(zMDIAppFrame* frame) {
  MENUBARINFO info = {};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetMenuBarInfo(frame->handle(), OBJID_MENU, 0, &info));
  POINT clientTop = {0, 0};
  ClientToScreen(frame->handle(), &clientTop);
  EXPECT_GE(clientTop.y - info.rcBar.top, GetSystemMetrics(SM_CYMENU) - 1) << "the client starts below the bar";
}

// A bar filled after it went onto the window (it went on empty, without room) takes its
// room and shows its entries once the frame is given it, with no child shown to draw it.
TEST_F(MDI, ABarFilledBeforeTheFrameTakesItShows) {
  zMDIAppFrame* frame =
      new zMDIAppFrame(nullptr, new zSizer(zPoint(20, 20), zDimension(640, 480), nullptr), 0, "Bar", nullptr, 1000);
  zMenu* bar = new zMenu(frame);
  AppendMenuA(bar->handle(), MF_STRING, 40, "&File");
  AppendMenuA(bar->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(frame->windowMenu()->handle()), "&Window");
  frame->setMenu(bar);
  frame->show(SW_SHOWNORMAL);
  pump();
  expectClientBelowBar(frame);
  delete frame;
}

// A bar loaded without an owner and completed before it is attached becomes the window's
// menu at the attach, with every entry it was given, and takes its room.
TEST_F(MDI, ABarCompletedBeforeItsAttachIsTheWindowsMenu) {
  zMDIAppFrame* frame =
      new zMDIAppFrame(nullptr, new zSizer(zPoint(20, 20), zDimension(640, 480), nullptr), 0, "Bar", nullptr, 1000);
  zMenu* bar = new zMenu(zResId(kMenuTemplateMenu));
  ASSERT_NE(bar->handle(), nullptr);
  AppendMenuA(bar->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(frame->windowMenu()->handle()), "&Window");
  frame->setMenu(bar);
  EXPECT_EQ(GetMenu(frame->handle()), nullptr) << "held by the frame, not yet on its window";
  bar->attach(frame);
  EXPECT_EQ(GetMenu(frame->handle()), bar->handle());
  EXPECT_EQ(bar->owner(), frame);
  frame->show(SW_SHOWNORMAL);
  pump();
  EXPECT_EQ(GetMenuItemCount(GetMenu(frame->handle())), 2);
  expectClientBelowBar(frame);
  delete frame;
}

// The icon a frame is given goes in with its window's class; without one the class
// carries the system's application icon.
TEST_F(MDI, AFramesClassCarriesTheIconItIsGiven) {
  const struct {
    const char* name;
    uint16_t given;  // a system icon's id, 0: none
    uint16_t expected;
  } cases[] = {
      {"no icon", 0, 32512},          // IDI_APPLICATION
      {"information", 32516, 32516},  // IDI_INFORMATION
      {"warning", 32515, 32515},      // IDI_WARNING
  };
  for (const auto& c : cases) {
    zMDIAppFrame* frame = new zMDIAppFrame(nullptr, new zSizer(zPoint(20, 20), zDimension(320, 240), nullptr), 0,
                                           c.name, nullptr, 1000, c.given ? new zIcon(c.given) : nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(frame->handle(), GCLP_HICON)),
              LoadIconA(nullptr, MAKEINTRESOURCEA(c.expected)))
        << c.name;
    delete frame;
  }
}

// A child's first show lists it in the window menu; the menu bar shows what a fresh
// drawing of it shows, whether the child opens as it is or maximised (its buttons then
// stand in the bar), and whether or not another child is maximised.
TEST_F(MDI, FirstShowLeavesTheMenuBarAsAFreshDrawingShowsIt) {
  const struct {
    const char* name;
    int command;
    bool othersMaximized;
  } cases[] = {
      {"normal", SW_SHOWNORMAL, false},
      {"maximised", SW_SHOWMAXIMIZED, false},
      {"normal beside a maximised child", SW_SHOWNORMAL, true},
  };
  for (const auto& c : cases) {
    zMDIAppFrame* frame = makeTestMDIFrame();
    frame->show(SW_SHOWNORMAL);
    TestChild* first = new TestChild(frame, "First");
    first->show(c.othersMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    pump();
    TestChild* child = new TestChild(frame, "Second");
    child->show(c.command);
    pump();
    const std::vector<uint32_t> shown = menuBarPixels(frame->handle());
    DrawMenuBar(frame->handle());
    pump();
    EXPECT_FALSE(shown.empty()) << c.name;
    EXPECT_TRUE(shown == menuBarPixels(frame->handle())) << c.name;
    const Texts listed = menuTexts(frame->windowMenu()->handle());
    EXPECT_NE(std::find(listed.begin(), listed.end(), "&2 Second"), listed.end()) << c.name;
    delete frame;
  }
}

TEST_F(MDI, CtrlF6SwitchesTheActiveChild) {
  zMDIAppFrame* frame = makeTestMDIFrame();
  frame->show(SW_SHOWNORMAL);
  TestChild* a = new TestChild(frame, "A");
  a->show(SW_SHOWNORMAL);
  TestChild* b = new TestChild(frame, "B");
  b->show(SW_SHOWNORMAL);
  pump();
  ASSERT_EQ(frame->activeChild(), b);
  BYTE keys[256];
  GetKeyboardState(keys);
  BYTE pressed[256];
  memcpy(pressed, keys, sizeof keys);
  pressed[VK_CONTROL] = 0x80;
  SetKeyboardState(pressed);
  PostMessageA(b->handle(), WM_KEYDOWN, VK_F6, 0x00400001);
  PostQuitMessage(0);
  EXPECT_EQ(runLoopWithDeadline(5000), 0);
  SetKeyboardState(keys);
  EXPECT_EQ(frame->activeChild(), a);
  delete frame;
}

TEST_F(MDI, AChildRefusingToCloseKeepsTheFrameOpen) {
  zMDIAppFrame* frame = makeTestMDIFrame();
  TestChild* a = new TestChild(frame, "A");
  TestChild* b = new TestChild(frame, "B");
  a->show(SW_SHOWNORMAL);
  b->show(SW_SHOWNORMAL);
  b->refuseClose = 1;
  EXPECT_NE(SendMessageA(frame->handle(), WM_CLOSE, 0, 0), 0);
  EXPECT_TRUE(IsWindow(frame->handle()));
  EXPECT_TRUE(IsWindow(a->handle()));
  delete frame;
}

TEST_F(MDI, SelfDeletingChildIsDeletedOnlyWhenTheFrameHandlesTheDeferredDelete) {
  zMDIAppFrame* frame = makeTestMDIFrame();
  TestChild::destroyed = 0;
  TestChild* child = new TestChild(frame, "Self");
  child->setSelfDeleting();
  child->show(SW_SHOWNORMAL);
  pump();
  const HWND handle = child->handle();
  SendMessageA(handle, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(TestChild::destroyed, 0) << "the object outlives its window until 0x903";
  EXPECT_EQ(app_->windowMap()->find(handle), nullptr);
  pump();
  EXPECT_EQ(TestChild::destroyed, 1);
  delete frame;
}

TEST_F(MDI, DestroyingTheFrameDeletesTheActiveChildLast) {
  std::vector<std::string> log;
  zMDIAppFrame* frame = makeTestMDIFrame();
  frame->show(SW_SHOWNORMAL);
  std::vector<HWND> handles;
  for (const char* name : {"one", "two", "three"}) {
    TestChild* child = new TestChild(frame, name, &log);
    child->show(SW_SHOWNORMAL);
    handles.push_back(child->handle());
  }
  static_cast<zMDIChildFrame*>(app_->windowMap()->find(handles[1]))->activate();
  pump();
  const HWND frameHandle = frame->handle();
  delete frame;
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log.back(), "two");
  for (HWND h : handles) EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(IsWindow(frameHandle));
  EXPECT_EQ(ziMDIClientWindow, nullptr);
  EXPECT_TRUE(takeQuit()) << "the MDI frame's end ends the message loop";
}

}  // namespace
