#include "foundation/Assert.h"

#include <gtest/gtest.h>

namespace {

constexpr int kAssertLine = __LINE__ + 2;
int checkedHalf(int n) {
  PV_ASSERT(n % 2 == 0);
  return n / 2;
}

TEST(AssertDeathTest, PrintsExactLineAndEnds) {
  EXPECT_EQ(checkedHalf(4), 2);
  const std::string expected =
      "Assertion failed: n % 2 == 0, file .*AssertTest\\.cpp, line " + std::to_string(kAssertLine);
  EXPECT_DEATH(checkedHalf(3), expected);
}

}  // namespace
