#include "report/NumberText.h"

#include <charconv>
#include <system_error>

#include "foundation/Assert.h"
#include "foundation/FixedText.h"

namespace PV {
namespace Report {

std::string fixedText(double value, int decimals, int minWidth) {
  std::string text(64, '\0');
  std::to_chars_result r;
  while ((r = Text::fixedChars(&text[0], &text[0] + text.size(), value, decimals)).ec != std::errc()) {
    text.resize(text.size() * 2);
  }
  text.resize(static_cast<size_t>(r.ptr - text.data()));
  if (static_cast<int>(text.size()) < minWidth) {
    text.insert(0, static_cast<size_t>(minWidth) - text.size(), ' ');
  }
  return text;
}

namespace {
// The shortest decimal text of a number, which std::to_chars gives for any
// arithmetic type when no format is named.
template <typename T>
std::string shortest(T value) {
  char buffer[64];
  const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
  PV_ASSERT(r.ec == std::errc());
  return std::string(buffer, r.ptr);
}
}  // namespace

std::string decimalText(int64_t value) { return shortest(value); }
std::string shortestText(double value) { return shortest(value); }
std::string shortestText(float value) { return shortest(value); }

}  // namespace Report
}  // namespace PV
