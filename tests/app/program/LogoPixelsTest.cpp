#include "app/program/LogoPixels.h"

#include <gtest/gtest.h>

namespace PV {
namespace GUI {
namespace {

// A 3 by 2 bitmap stored bottom row first, rows padded to 12 bytes. Its top-left
// colour (teal) is the background and turns white wherever it occurs.
TEST(LogoPixels, RgbRowsFromTopWithBackgroundWhite) {
  const uint8_t teal[3] = {128, 128, 0};  // blue, green, red
  const uint8_t red[3] = {0, 0, 200};
  const uint8_t blue[3] = {220, 10, 20};
  uint8_t bits[24] = {};
  auto put = [&](int row, int x, const uint8_t* c) {
    for (int k = 0; k < 3; ++k) bits[row * 12 + x * 3 + k] = c[k];
  };
  // Top row (stored second): teal, red, teal. Bottom row (stored first): blue, teal, red.
  put(1, 0, teal);
  put(1, 1, red);
  put(1, 2, teal);
  put(0, 0, blue);
  put(0, 1, teal);
  put(0, 2, red);
  const Report::ReportLogo logo = logoFromDib24(bits, 3, 2, true);
  ASSERT_TRUE(logo.usable());
  const std::vector<uint8_t> expected = {
      255, 255, 255, 200, 0,   0,   255, 255, 255,  // top row
      20,  10,  220, 255, 255, 255, 200, 0,   0,    // bottom row
  };
  EXPECT_EQ(logo.rgb, expected);
  EXPECT_FALSE(logoFromDib24(bits, 0, 2, true).usable());
}

}  // namespace
}  // namespace GUI
}  // namespace PV
