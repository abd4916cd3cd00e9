// The built-in demonstration model's table of test scores.
#pragma once

#include <cstdint>

namespace PV {
namespace Test {

inline constexpr uint32_t DEMO_DMS = 2;
inline constexpr uint32_t DEMO_CRITERIA = 7;
inline constexpr uint32_t DEMO_CHOICES = 10;
inline constexpr uint32_t DEMO_PAIRS = 45;

// [decision maker][criterion][entry] = {first choice, second choice, K}: the pair
// scored K - 8 in that orientation.
extern const uint32_t kDemoScores[DEMO_DMS][DEMO_CRITERIA][DEMO_PAIRS][3];

}  // namespace Test
}  // namespace PV
