// Numbers as report text, locale-free and the same in every build.
#pragma once

#include <cstdint>
#include <string>

namespace PV {
namespace Report {

// Decimal text of an integer.
std::string decimalText(int64_t value);
// Fixed-point text with the given number of decimals, right-aligned in at least
// minWidth characters (blank-padded), rounded to nearest as printf's "%*.*f" does.
std::string fixedText(double value, int decimals, int minWidth = 0);
// Shortest text that reads back as the same double (for trace lines).
std::string shortestText(double value);
std::string shortestText(float value);

}  // namespace Report
}  // namespace PV
