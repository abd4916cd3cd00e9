#include <gtest/gtest.h>

#include "framework/core/zBoundMember.h"
#include "framework/core/zEvH.h"
#include "framework/core/zRectOps.h"

namespace {

TEST(EvH, AFreshHandlerCarriesBitOneOnly) {
  zEvH h;
  for (unsigned n = 0; n < zEvH::typeBitCount; ++n) EXPECT_EQ(h.hasTypeBit(n), n == 1 ? 1 : 0) << n;
  h.setTypeBit(79);
  EXPECT_EQ(h.hasTypeBit(79), 1);
  EXPECT_EQ(h.hasTypeBit(78), 0);
  EXPECT_EQ(h.hasTypeBit(80), 0);  // beyond the set
}

TEST(EvH, DefaultProcessingOfNoEventIsZero) {
  zEvH h;
  EXPECT_EQ(h.defProc(nullptr), 0);
}

TEST(Event, PointAndSizeAreUnsignedWords) {
  const zEvent e(MAKELPARAM(65535, 300), 0, WM_MOUSEMOVE, nullptr);
  EXPECT_EQ(e.point().x(), 65535);
  EXPECT_EQ(e.point().y(), 300);
  EXPECT_EQ(e.size().width(), 65535);
  EXPECT_EQ(e.size().height(), 300);
}

TEST(Event, ButtonStatesAndMessages) {
  const zEvent all(0, MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_SHIFT, WM_MOUSEMOVE, nullptr);
  EXPECT_EQ(all.isButtonDown(1), MK_LBUTTON);
  EXPECT_EQ(all.isButtonDown(2), MK_RBUTTON);
  EXPECT_EQ(all.isButtonDown(3), MK_MBUTTON);
  EXPECT_EQ(all.isButtonDown(4), 0);
  EXPECT_EQ(zEvent(0, 0, WM_MOUSEMOVE, nullptr).isButtonDown(1), 0);

  struct Case {
    UINT message;
    int button;  // which button's message it is
    bool doubleClick;
  };
  const Case cases[] = {
      {WM_LBUTTONDOWN, 1, false},  {WM_LBUTTONUP, 1, false},    {WM_LBUTTONDBLCLK, 1, true}, {WM_RBUTTONDOWN, 2, false},
      {WM_RBUTTONUP, 2, false},    {WM_RBUTTONDBLCLK, 2, true}, {WM_MBUTTONDOWN, 3, false},  {WM_MBUTTONUP, 3, false},
      {WM_MBUTTONDBLCLK, 3, true}, {WM_MOUSEMOVE, 0, false},
  };
  for (const Case& c : cases) {
    const zEvent e(0, 0, c.message, nullptr);
    for (int n = 0; n <= 4; ++n) EXPECT_EQ(e.isMouseButton(n), n != 0 && n == c.button) << c.message << " " << n;
    EXPECT_EQ(e.isDoubleClick(), c.doubleClick) << c.message;
  }
}

TEST(Event, CommandFocusAndActivationReadings) {
  const HWND self = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x1230));
  const HWND other = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x4560));
  const zEvent command(0, MAKEWPARAM(40001, 0x300), WM_COMMAND, self);
  EXPECT_EQ(zCommandEvt(command).cmd(), 40001) << "the low word only";
  EXPECT_EQ(command.msg(), static_cast<UINT>(WM_COMMAND));
  EXPECT_TRUE(zFocusEvt(zEvent(0, 0, WM_SETFOCUS, self)).gainFocus());
  EXPECT_FALSE(zFocusEvt(zEvent(0, 0, WM_KILLFOCUS, self)).gainFocus());
  struct Case {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool active;
  };
  const Case cases[] = {
      // The MDI child being activated is named by lParam, whatever wParam says.
      {WM_MDIACTIVATE, reinterpret_cast<WPARAM>(other), reinterpret_cast<LPARAM>(self), true},
      {WM_MDIACTIVATE, reinterpret_cast<WPARAM>(self), reinterpret_cast<LPARAM>(other), false},
      // Other messages carry the state in wParam's low word.
      {WM_ACTIVATE, WA_ACTIVE, 0, true},
      {WM_ACTIVATE, WA_CLICKACTIVE, 0, true},
      {WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0, false},
      {WM_NCACTIVATE, 0, 0, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(zActivateEvt(zEvent(c.lParam, c.wParam, c.message, self)).isActive(), c.active) << c.message;
}

struct Target {
  int base = 0;
  int first(int v) { return v + base + 1; }
  int second(int v) { return v + base + 2; }
};
struct DerivedTarget : Target {};

TEST(BoundMember, CallsAndComparesObjectAndMember) {
  Target a, b;
  DerivedTarget d;
  zBoundMember<int(int)> af(&a, &Target::first);
  EXPECT_EQ(af(10), 11);
  EXPECT_TRUE(af == zBoundMember<int(int)>(&a, &Target::first));
  EXPECT_FALSE(af == zBoundMember<int(int)>(&a, &Target::second));
  EXPECT_FALSE(af == zBoundMember<int(int)>(&b, &Target::first));
  zBoundMember<int(int)> df(&d, &Target::second);
  EXPECT_EQ(df(1), 3);
  EXPECT_FALSE(zBoundMember<int(int)>().isSet());
}

}  // namespace

namespace {

TEST(RectOps, IntersectionAndUnion) {
  struct Case {
    zRect a, b;
    bool meet;
    zRect common;
    zRect both;
  };
  const Case cases[] = {
      {{0, 0, 10, 10}, {5, 5, 20, 20}, true, {5, 5, 10, 10}, {0, 0, 20, 20}},
      {{0, 0, 10, 10}, {10, 0, 20, 10}, false, {0, 0, 0, 0}, {0, 0, 20, 10}},  // edges touch
      {{0, 0, 10, 10}, {2, 3, 4, 5}, true, {2, 3, 4, 5}, {0, 0, 10, 10}},      // inside
      {{-5, -5, 0, 0}, {1, 1, 2, 2}, false, {0, 0, 0, 0}, {-5, -5, 2, 2}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(zRectOps::intersects(c.a, c.b), c.meet);
    EXPECT_EQ(zRectOps::intersects(c.b, c.a), c.meet);
    EXPECT_TRUE(zRectOps::intersection(c.a, c.b) == c.common);
    EXPECT_TRUE(zRectOps::unionOf(c.a, c.b) == c.both);
  }
  const zRect r(1, 2, 30, 40);
  EXPECT_EQ(zRectOps::rightValue(r), 30);
  EXPECT_EQ(zRectOps::bottomValue(r), 40);
  EXPECT_EQ(zRectOps::subtract(zPoint(10, 10), 3, -4), zPoint(7, 14));
  EXPECT_EQ(zRectOps::maxOf(zPoint(1, 9), zPoint(5, 2)), zPoint(5, 9));
  EXPECT_EQ(zRectOps::minOf(zPoint(1, 9), zPoint(5, 2)), zPoint(1, 2));
}

}  // namespace
