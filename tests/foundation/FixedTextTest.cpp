#include "foundation/FixedText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace PV {
namespace Text {
namespace {

// What the standard form writes, the text fixedChars must give character for character.
std::string standard(double value, int decimals) {
  char buffer[400];
  const std::to_chars_result r =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  EXPECT_EQ(r.ec, std::errc());
  return std::string(buffer, r.ptr);
}

std::string fixed(double value, int decimals) {
  char buffer[400];
  const std::to_chars_result r = fixedChars(buffer, buffer + sizeof buffer, value, decimals);
  EXPECT_EQ(r.ec, std::errc());
  return std::string(buffer, r.ptr);
}

// The cases where a digit-by-digit writer goes wrong: ties (to the even digit, both
// ways), signs of values that round to zero and of zero itself, carries through every
// digit, the edges of the exact range, values the standard form must take itself.
const struct FixedCase {
  double value;
  int decimals;
  const char* text;
} kFixedCases[] = {
    {0.0, 3, "0.000"},
    {-0.0, 3, "-0.000"},
    {-0.0, 0, "-0"},
    {0.125, 2, "0.12"},
    {0.375, 2, "0.38"},
    {2.5, 0, "2"},
    {3.5, 0, "4"},
    {-2.5, 0, "-2"},
    {-0.0001, 3, "-0.000"},
    {-0.0005, 3, "-0.001"},  // the double is a little above 0.0005 in magnitude
    {9.9995f, 3, "10.000"},  // the float is a little above 9.9995: a carry to a new digit
    {999.99951171875, 3, "1000.000"},
    {141.3f, 4, "141.3000"},
    {72.0, 4, "72.0000"},
    {1.0 / 3.0, 4, "0.3333"},
    {0.1, 9, "0.100000000"},
    {123456789.0, 9, "123456789.000000000"},
    {9007199254740991.0, 0, "9007199254740991"},
    {9007199254740992.0, 0, "9007199254740992"},
    {1e15, 4, "1000000000000000.0000"},
    {1e20, 2, "100000000000000000000.00"},
    {5e-324, 3, "0.000"},
    {2.2250738585072014e-308, 5, "0.00000"},
    {0.5, 12, "0.500000000000"},
};

TEST(FixedText, EachCaseAsTheStandardFormWritesIt) {
  for (const FixedCase& c : kFixedCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(fixed(c.value, c.decimals), c.text);
    EXPECT_EQ(fixed(c.value, c.decimals), standard(c.value, c.decimals));
  }
}

TEST(FixedText, NumbersThatAreNotFiniteAsTheStandardFormWritesThem) {
  for (double value : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(fixed(value, 3), standard(value, 3));
  }
}

// Every float of a report's range in steps that cross ties and carries, and doubles of
// random bits over the whole range, at every count of decimals: no character differs.
TEST(FixedText, SweepsMatchTheStandardForm) {
  int checked = 0;
  for (int decimals = 0; decimals <= 10; ++decimals) {
    for (int32_t i = -200000; i <= 200000; i += 7) {
      const float f = static_cast<float>(i) / 64.0f + static_cast<float>(i) * 0.001f;
      ASSERT_EQ(fixed(f, decimals), standard(f, decimals)) << f << " with " << decimals;
      ++checked;
    }
    uint64_t state = 0x9E3779B97F4A7C15u + static_cast<uint64_t>(decimals);
    for (int i = 0; i < 20000; ++i) {
      state = state * 6364136223846793005u + 1442695040888963407u;
      double d = 0;
      uint64_t bits = state;
      std::memcpy(&d, &bits, sizeof d);
      if (!std::isfinite(d) || std::fabs(d) > 1e30) continue;
      ASSERT_EQ(fixed(d, decimals), standard(d, decimals)) << d << " with " << decimals;
      // The same bits cut to a float's precision, which reaches the exact path.
      const double cut = static_cast<float>(d);
      ASSERT_EQ(fixed(cut, decimals), standard(cut, decimals)) << cut << " with " << decimals;
      checked += 2;
    }
  }
  EXPECT_GT(checked, 500000);
}

TEST(FixedText, ARangeTooShortIsRefusedAsTheStandardFormRefusesIt) {
  char buffer[8];
  std::to_chars_result r = fixedChars(buffer, buffer + 5, -123.25, 2);  // "-123.25" needs 7
  EXPECT_EQ(r.ec, std::errc::value_too_large);
  EXPECT_EQ(r.ptr, buffer + 5);
  r = fixedChars(buffer, buffer + 7, -123.25, 2);
  ASSERT_EQ(r.ec, std::errc());
  EXPECT_EQ(std::string(buffer, r.ptr), "-123.25");
}

}  // namespace
}  // namespace Text
}  // namespace PV
