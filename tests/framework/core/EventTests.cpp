#include <gtest/gtest.h>

#include "framework/core/zBoundMember.h"
#include "framework/core/zEvH.h"

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
      {WM_LBUTTONDOWN, 1, false}, {WM_LBUTTONUP, 1, false}, {WM_LBUTTONDBLCLK, 1, true},
      {WM_RBUTTONDOWN, 2, false}, {WM_RBUTTONUP, 2, false}, {WM_RBUTTONDBLCLK, 2, true},
      {WM_MBUTTONDOWN, 3, false}, {WM_MBUTTONUP, 3, false}, {WM_MBUTTONDBLCLK, 3, true},
      {WM_MOUSEMOVE, 0, false},
  };
  for (const Case& c : cases) {
    const zEvent e(0, 0, c.message, nullptr);
    for (int n = 0; n <= 4; ++n) EXPECT_EQ(e.isMouseButton(n), n != 0 && n == c.button) << c.message << " " << n;
    EXPECT_EQ(e.isDoubleClick(), c.doubleClick) << c.message;
  }
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
