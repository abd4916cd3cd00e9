#include "model/TextForms.h"

#include "foundation/FixedText.h"
#include "foundation/TextCodes.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace PV {
namespace Data {
namespace TextForms {

namespace {

bool isSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f' || ch == '\v'; }

bool isDecimalDigit(char ch) { return ch >= '0' && ch <= '9'; }

// The text without surrounding white space, as [begin, end).
void trimSpace(const std::string& text, std::size_t& begin, std::size_t& end) {
  begin = 0;
  end = text.size();
  while (begin < end && isSpace(text[begin])) ++begin;
  while (end > begin && isSpace(text[end - 1])) --end;
}

}  // namespace

int hexDigitValue(char ch) { return PV::Text::hexDigitValue(ch); }

uint32_t readDecimal32(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && isSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint32_t value = 0;
  for (; i < text.size() && isDecimalDigit(text[i]); ++i) {
    value = value * 10u + static_cast<uint32_t>(text[i] - '0');  // wraps modulo 2^32
  }
  return negative ? 0u - value : value;
}

uint32_t readHex32(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && isSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
      hexDigitValue(text[i + 2]) >= 0) {
    i += 2;
  }
  uint64_t value = 0;
  bool overflow = false;
  for (; i < text.size() && hexDigitValue(text[i]) >= 0; ++i) {
    value = value * 16u + static_cast<uint64_t>(hexDigitValue(text[i]));
    if (value > 0xFFFFFFFFull) {
      overflow = true;
      value = 0xFFFFFFFFull;
    }
  }
  if (overflow) return 0xFFFFFFFFu;
  const uint32_t v = static_cast<uint32_t>(value);
  return negative ? 0u - v : v;
}

double readDouble(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && isSpace(text[i])) ++i;
  if (i < text.size() && text[i] == '+') ++i;
  double value = 0.0;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  if (std::from_chars(first, last, value).ec != std::errc()) return 0.0;
  return value;
}

std::string formatDecimal32(uint32_t value) {
  if (value < 0x80000000u) return std::to_string(value);
  return "-" + std::to_string(0x100000000ull - value);
}

std::string formatHex32(uint32_t value, bool upper, std::size_t width) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  std::string text;
  for (; value != 0; value >>= 4) text.insert(text.begin(), digits[value & 0xFu]);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

std::string formatDouble1(double value) {
  // Large enough for any double in fixed notation (at most 309 integer digits).
  std::string text(400, '\0');
  const auto result = Text::fixedChars(&text[0], &text[0] + text.size(), value, 1);
  text.resize(result.ec == std::errc() ? static_cast<std::size_t>(result.ptr - text.data()) : 0);
  return text;
}

double roundedToOneDecimal(double value) { return readDouble(formatDouble1(value)); }

bool parseDecimal32(const std::string& text, uint32_t& value, std::string& reason) {
  std::size_t i, end;
  trimSpace(text, i, end);
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == end) {
    reason = "not a decimal number";
    return false;
  }
  uint64_t magnitude = 0;
  for (; i < end; ++i) {
    if (!isDecimalDigit(text[i])) {
      reason = "not a decimal number";
      return false;
    }
    magnitude = magnitude * 10u + static_cast<uint64_t>(text[i] - '0');
    if (magnitude > 0xFFFFFFFFull) {
      reason = "outside the 32-bit range";
      return false;
    }
  }
  // Values from 2^31 up are written as negative numbers; nothing else is negative.
  if (negative && magnitude > 0x80000000ull) {
    reason = "outside the 32-bit range";
    return false;
  }
  const uint32_t v = static_cast<uint32_t>(magnitude);
  value = negative ? 0u - v : v;
  return true;
}

bool parseUShort(const std::string& text, uint16_t& value, std::string& reason) {
  std::size_t i, end;
  trimSpace(text, i, end);
  if (i < end && text[i] == '+') ++i;
  if (i == end) {
    reason = "not a decimal number";
    return false;
  }
  uint32_t v = 0;
  for (; i < end; ++i) {
    if (!isDecimalDigit(text[i])) {
      reason = "not a decimal number";
      return false;
    }
    v = v * 10u + static_cast<uint32_t>(text[i] - '0');
    if (v > 0xFFFFu) {
      reason = "outside the 16-bit range";
      return false;
    }
  }
  value = static_cast<uint16_t>(v);
  return true;
}

bool parseHex32(const std::string& text, uint32_t& value, std::string& reason) {
  std::size_t i, end;
  trimSpace(text, i, end);
  if (end - i > 2 && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) i += 2;
  if (i == end) {
    reason = "not a hexadecimal number";
    return false;
  }
  uint64_t v = 0;
  for (; i < end; ++i) {
    const int digit = hexDigitValue(text[i]);
    if (digit < 0) {
      reason = "not a hexadecimal number";
      return false;
    }
    v = v * 16u + static_cast<uint64_t>(digit);
    if (v > 0xFFFFFFFFull) {
      reason = "outside the 32-bit range";
      return false;
    }
  }
  value = static_cast<uint32_t>(v);
  return true;
}

bool parseDouble(const std::string& text, double& value, std::string& reason) {
  std::size_t i, end;
  trimSpace(text, i, end);
  if (i < end && text[i] == '+' && end - i > 1 && text[i + 1] != '-') ++i;
  double v = 0.0;
  const auto result = std::from_chars(text.data() + i, text.data() + end, v);
  if (i == end || result.ec != std::errc() || result.ptr != text.data() + end) {
    reason = "not a number";
    return false;
  }
  if (!std::isfinite(v)) {
    reason = "not a finite number";
    return false;
  }
  value = v;
  return true;
}

bool parseBool(const std::string& text, bool& value, std::string& reason) {
  if (text == "true" || text == "false") {
    value = text == "true";
    return true;
  }
  reason = "neither \"true\" nor \"false\"";
  return false;
}

bool parseId(const std::string& text, uint32_t* id, std::string& reason) {
  if (text.size() != 16) {
    reason = "not 16 hexadecimal digits";
    return false;
  }
  uint32_t words[2] = {0, 0};
  for (std::size_t i = 0; i < 16; ++i) {
    const int digit = hexDigitValue(text[i]);
    if (digit < 0) {
      reason = "not 16 hexadecimal digits";
      return false;
    }
    words[i / 8] = (words[i / 8] << 4) | static_cast<uint32_t>(digit);
  }
  id[0] = words[0];
  id[1] = words[1];
  return true;
}

}  // namespace TextForms
}  // namespace Data
}  // namespace PV
