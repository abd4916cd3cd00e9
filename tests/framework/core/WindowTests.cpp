#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "framework/core/zChildWin.h"
#include "framework/controls/zControl.h"
#include "framework/layout/zSizer.h"
#include "framework/core/ziWindowMap.h"

namespace {

using Windows = FrameworkTest;

// A child window with the framework's routing, counting its destruction.
class TestChild : public zChildWin {
 public:
  TestChild(zWindow* parent, int32_t id, zSizer* sizer = nullptr)
      : zChildWin(parent, sizer ? sizer : new zSizer(zPoint(5, 6), zDimension(40, 30), nullptr), WS_VISIBLE, id) {
    className_ = "TestChildCL";
  }
  ~TestChild() override { ++destroyed; }
  WNDCLASSA* classInfo() override {
    WNDCLASSA* wc = zChildWin::classInfo();
    wc->lpfnWndProc = zProgramFrameProc;
    return wc;
  }
  static int destroyed;
};
int TestChild::destroyed = 0;

TEST_F(Windows, TypeBitsOfTheClassChain) {
  LoggingFrame frame;
  for (unsigned n = 0; n < zEvH::typeBitCount; ++n) {
    const bool expected = n == 1 || n == 2 || n == 3 || n == 5;
    EXPECT_EQ(frame.hasTypeBit(n), expected ? 1 : 0) << n;
  }
  TestChild child(&frame, 1);
  EXPECT_EQ(child.hasTypeBit(zTypeChildWin), 1);
  EXPECT_EQ(child.hasTypeBit(zTypeFrameWin), 0);
}

TEST_F(Windows, AProgramFrameHasItsWindowAndMapEntryAfterConstruction) {
  LoggingFrame frame("Caption");
  ASSERT_TRUE(IsWindow(frame.handle()));
  EXPECT_EQ(app_->windowMap()->find(frame.handle()), &frame);
  EXPECT_STREQ(frame.className(), "AppFrameCL");
  EXPECT_EQ(frame.style() & 0x06000000u, 0x06000000u);
  EXPECT_EQ(frame.backColor(), GetSysColor(COLOR_APPWORKSPACE));
  // The caption is written at the first show.
  frame.show(SW_SHOWNORMAL);
  char text[64] = {};
  GetWindowTextA(frame.handle(), text, sizeof text);
  EXPECT_STREQ(text, "Caption");
  EXPECT_TRUE(frame.flags() & zWinShown);
  EXPECT_TRUE(frame.style() & WS_VISIBLE);
  EXPECT_TRUE(app_->isRegisteredClass("AppFrameCL"));
  // A later show only shows or hides.
  frame.setTitle("Other");
  frame.show(SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(frame.handle()));
  frame.show(SW_SHOWNORMAL);
  GetWindowTextA(frame.handle(), text, sizeof text);
  EXPECT_STREQ(text, "Other");
}

TEST_F(Windows, FirstFrameBecomesTheMainFrameAndASecondDoesNotReplaceIt) {
  EXPECT_EQ(app_->mainFrame(), nullptr);
  LoggingFrame first;
  LoggingFrame second;
  EXPECT_EQ(app_->mainFrame(), &first);
  {
    LoggingFrame gone;
    EXPECT_EQ(app_->mainFrame(), &first);
  }
  EXPECT_EQ(app_->mainFrame(), &first);
}

TEST_F(Windows, TheMainFrameRecordIsClearedWithItsObject) {
  LoggingFrame* frame = new LoggingFrame;
  EXPECT_EQ(app_->mainFrame(), frame);
  delete frame;
  EXPECT_EQ(app_->mainFrame(), nullptr);
  takeQuit();  // its WM_DESTROY asked the loop to end
}

TEST_F(Windows, PopupWithoutExtentOpensAt500By500) {
  LoggingFrame popup("Popup", WS_POPUP | WS_CAPTION);
  ASSERT_TRUE(IsWindow(popup.handle()));
  RECT r;
  GetWindowRect(popup.handle(), &r);
  EXPECT_EQ(r.right - r.left, 500);
  EXPECT_EQ(r.bottom - r.top, 500);
  EXPECT_EQ(popup.sizer()->origin(), zPoint(r.left, r.top));
}

TEST_F(Windows, FrameSizerTakesTheWindowRectangle) {
  LoggingFrame frame("Placed", WS_OVERLAPPEDWINDOW);
  RECT r;
  GetWindowRect(frame.handle(), &r);
  EXPECT_EQ(frame.sizer()->origin(), zPoint(r.left, r.top));
  EXPECT_EQ(frame.sizer()->extent(), zDimension(r.right - r.left, r.bottom - r.top));
}

TEST_F(Windows, ChildCreatedAfterItsParentInheritsTheParentsFont) {
  LoggingFrame frame;
  const zRCFont font(static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT)), false);
  frame.setFont(font);
  TestChild child(&frame, 12);
  child.create();
  ASSERT_TRUE(IsWindow(child.handle()));
  EXPECT_EQ(child.font(), font);
  EXPECT_EQ(GetParent(child.handle()), frame.handle());
  EXPECT_EQ(child.style() & WS_CHILD, static_cast<uint32_t>(WS_CHILD));
  EXPECT_EQ(child.backColor(), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(frame.childById(12), &child);
  EXPECT_EQ(frame.childById(13), nullptr);
  // A child with a font of its own keeps it.
  const zRCFont own(static_cast<HFONT>(GetStockObject(SYSTEM_FIXED_FONT)), false);
  TestChild second(&frame, 13);
  second.setFont(own);
  second.create();
  EXPECT_EQ(second.font(), own);
}

TEST_F(Windows, DestroyingAParentObjectDestroysChildrenFirstAndTheWindowOnce) {
  struct Counter {
    int destroys = 0;
    int ncDestroys = 0;
    int onDestroy(zEvent*) {
      ++destroys;
      return 0;
    }
    int onNcDestroy(zEvent*) {
      ++ncDestroys;
      return 0;
    }
  } counter;
  app_->addNotifyHandler(&counter, &Counter::onDestroy, WM_DESTROY);
  LoggingFrame keeper;  // the main frame stays
  LoggingFrame* frame = new LoggingFrame;
  TestChild* a = new TestChild(frame, 1);
  TestChild* b = new TestChild(frame, 2);
  a->create();
  b->create();
  const HWND frameHandle = frame->handle();
  const HWND aHandle = a->handle();
  EXPECT_EQ(frame->children().count(), 2u);
  EXPECT_EQ(a->nextSibling(), b);
  EXPECT_EQ(b->prevSibling(), a);
  EXPECT_EQ(b->nextSibling(), b);  // the ends give the window itself
  EXPECT_EQ(a->prevSibling(), a);
  TestChild::destroyed = 0;
  delete frame;
  EXPECT_EQ(TestChild::destroyed, 2);
  EXPECT_FALSE(IsWindow(frameHandle));
  EXPECT_FALSE(IsWindow(aHandle));
  EXPECT_EQ(app_->windowMap()->find(frameHandle), nullptr);
  EXPECT_EQ(app_->windowMap()->find(aHandle), nullptr);
  int code = -1;
  EXPECT_FALSE(takeQuit(&code)) << "only the main frame ends the loop";
  app_->removeNotifyHandler(&counter, &Counter::onDestroy, WM_DESTROY);
}

TEST_F(Windows, AChildDeletedAloneLeavesItsParentsList) {
  LoggingFrame frame;
  TestChild* child = new TestChild(&frame, 4);
  child->create();
  EXPECT_EQ(frame.children().count(), 1u);
  delete child;
  EXPECT_EQ(frame.children().count(), 0u);
}

TEST_F(Windows, ChildMadeWithItsParentOnlyNestsItsSizer) {
  struct PlainChild : zChildWin {
    explicit PlainChild(zWindow* parent) : zChildWin(parent) {}
  };
  LoggingFrame frame;
  PlainChild child(&frame);
  ASSERT_NE(child.sizer(), nullptr);
  EXPECT_EQ(child.sizer()->parent(), frame.sizer());
  EXPECT_EQ(child.sizer()->window(), &child);
  EXPECT_EQ(frame.sizer()->childCount(), 1u);
  EXPECT_EQ(child.parent(), &frame);
  EXPECT_EQ(child.id(), 0);
  EXPECT_EQ(frame.children().count(), 1u);
}

TEST_F(Windows, ChildShowLaysOutAndWritesTheStyle) {
  LoggingFrame frame;
  frame.show(SW_SHOWNORMAL);
  TestChild child(&frame, 3);
  child.create();
  child.show(SW_SHOWNORMAL);
  EXPECT_TRUE(child.flags() & zWinShown);
  EXPECT_TRUE(IsWindowVisible(child.handle()));
  RECT client;
  GetClientRect(frame.handle(), &client);
  EXPECT_EQ(frame.sizer()->extent(), zDimension(client.right, client.bottom));
  RECT r;
  GetWindowRect(child.handle(), &r);
  EXPECT_EQ(r.right - r.left, 40);
  child.show(SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(child.handle()));
}

TEST_F(Windows, SizerUnsetAndGeometry) {
  LoggingFrame frame;
  TestChild unset(&frame, 1, new zSizer(nullptr));
  EXPECT_TRUE(unset.sizerIsUnset());
  TestChild zero(&frame, 2, new zSizer(zPoint(0, 0), zDimension(0, 0), nullptr));
  EXPECT_TRUE(zero.sizerIsUnset());
  TestChild placed(&frame, 3);
  EXPECT_FALSE(placed.sizerIsUnset());
  placed.create();
  placed.moveToRect(zRect(10, 20, 110, 70));
  RECT r;
  GetWindowRect(placed.handle(), &r);
  EXPECT_EQ(r.right - r.left, 100);
  EXPECT_EQ(r.bottom - r.top, 50);
  // An edged window grows by 6 both ways.
  placed.setExStyle(WS_EX_CLIENTEDGE);
  placed.setGeometry(0, 0, 100, 50);
  GetWindowRect(placed.handle(), &r);
  EXPECT_EQ(r.right - r.left, 106);
  EXPECT_EQ(r.bottom - r.top, 56);
}

TEST_F(Windows, WindowWithAClassStyleGetsAClassOfItsOwn) {
  LoggingFrame frame;
  TestChild child(&frame, 1);
  child.setClassStyle(CS_HREDRAW | CS_VREDRAW);
  child.create();
  const std::string expected = std::to_string(reinterpret_cast<uintptr_t>(&child));
  EXPECT_EQ(std::string(child.className()), expected);
  char name[64] = {};
  GetClassNameA(child.handle(), name, sizeof name);
  EXPECT_EQ(std::string(name), expected);
  EXPECT_EQ(GetClassLongA(child.handle(), GCL_STYLE), static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW));
  EXPECT_TRUE(app_->isRegisteredClass(expected.c_str()));
}

// Every window of a kind registers its class again; the program records the name once,
// so a window opened and closed all day long does not grow the list.
TEST_F(Windows, AClassRegisteredByEveryWindowOfItsKindIsRecordedOnce) {
  LoggingFrame frame;
  const auto created = [&] {
    TestChild child(&frame, 1);
    child.create();
  };
  created();
  const uint32_t recorded = app_->registeredClasses()->count();
  for (int i = 0; i < 5; ++i) created();
  EXPECT_EQ(app_->registeredClasses()->count(), recorded);
  EXPECT_TRUE(app_->isRegisteredClass("TestChildCL"));
}

TEST_F(Windows, EraseBackgroundWithTheWindowsColourOrDefault) {
  LoggingFrame frame;
  frame.setBackgroundColor(zColor(0x10, 0x80, 0xF0));
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, 800, 800);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  EXPECT_EQ(SendMessageA(frame.handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(GetPixel(dc, 3, 3), RGB(0x10, 0x80, 0xF0));
  // -2: default processing erases; the slot answers 0.
  frame.setBackColor(zBackDefault);
  zEvent e(0, reinterpret_cast<WPARAM>(dc), WM_ERASEBKGND, frame.handle());
  EXPECT_EQ(frame.onEraseBackground(&e), 0);
  // -3: the parent's colour.
  TestChild child(&frame, 1);
  child.create();
  frame.setBackgroundColor(zColor(0x20, 0x40, 0x60));
  child.setBackColor(zBackParent);
  zEvent ce(0, reinterpret_cast<WPARAM>(dc), WM_ERASEBKGND, child.handle());
  EXPECT_EQ(child.onEraseBackground(&ce), 1);
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0x20, 0x40, 0x60));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST_F(Windows, ClassNamesAreUnregisteredWhenTheApplicationEnds) {
  {
    LoggingFrame frame;
    TestChild child(&frame, 1);
    child.create();
  }
  WNDCLASSA wc;
  const HINSTANCE instance = app_->instance();
  EXPECT_TRUE(GetClassInfoA(instance, "AppFrameCL", &wc));
  EXPECT_TRUE(GetClassInfoA(instance, "TestChildCL", &wc));
  delete app_;
  app_ = nullptr;
  EXPECT_FALSE(GetClassInfoA(instance, "AppFrameCL", &wc));
  EXPECT_FALSE(GetClassInfoA(instance, "TestChildCL", &wc));
}

}  // namespace

namespace {

TEST_F(Windows, ClientRectCaptureAndButtonDownHandlers) {
  LoggingFrame frame;
  TestChild unmade(&frame, 4);
  zRect rect(1, 2, 3, 4);
  EXPECT_FALSE(unmade.getClientRect(rect)) << "no window yet";
  EXPECT_EQ(rect, zRect(1, 2, 3, 4));
  TestChild* child = new TestChild(&frame, 5);
  child->create();
  ASSERT_TRUE(child->getClientRect(rect));
  EXPECT_EQ(rect, zRect(0, 0, 40, 30));
  child->setCapture();
  EXPECT_EQ(GetCapture(), child->handle());
  child->releaseCapture();
  EXPECT_EQ(GetCapture(), nullptr);
  // One handler for both buttons; nothing for the others.
  struct Spy {
    std::vector<UINT> seen;
    int on(zEvent* e) {
      seen.push_back(e->msg());
      return 1;
    }
  } spy;
  child->addButtonDownHandler(&spy, &Spy::on);
  for (UINT m : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_LBUTTONUP}) SendMessageA(child->handle(), m, 0, 0);
  EXPECT_EQ(spy.seen, (std::vector<UINT>{WM_LBUTTONDOWN, WM_RBUTTONDOWN}));
}

}  // namespace
