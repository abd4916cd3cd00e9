#include "model/AsciiHex.h"

#include "foundation/Assert.h"
#include "foundation/TextCodes.h"

#include <cstring>

int hex_digit_value(char c) {
  PV_ASSERT(('0' <= c && c <= '9') || ('a' <= c && c <= 'f') || ('A' <= c && c <= 'F'));
  return PV::Text::hexDigitValue(c);
}

uint32_t hex_to_uint(const char* str) {
  PV_ASSERT(str != nullptr);
  PV_ASSERT(strlen(str) <= (sizeof(uint32_t) * 2));
  uint32_t value = 0;
  for (const char* p = str; *p != '\0'; ++p) {
    const char c = *p;
    const bool err = !(('0' <= c && c <= '9') || ('a' <= c && c <= 'f') || ('A' <= c && c <= 'F'));
    PV_ASSERT(!err);
    value = value * 16u + static_cast<uint32_t>(hex_digit_value(c));
  }
  return value;
}

void hex_to_bytes(unsigned char* bytes, const char* text, unsigned n) {
  for (unsigned i = 0; i < n; ++i) {
    const int high = hex_digit_value(text[2 * i]);
    const int low = hex_digit_value(text[2 * i + 1]);
    bytes[i] = static_cast<unsigned char>((high << 4) | low);
  }
}

std::string byte_to_hex(unsigned char byte, int radix) {
  PV_ASSERT(radix >= 2 && radix <= 36);
  const char* digits = "0123456789abcdefghijklmnopqrstuvwxyz";
  unsigned value = byte;
  std::string text;
  do {
    text.insert(text.begin(), digits[value % static_cast<unsigned>(radix)]);
    value /= static_cast<unsigned>(radix);
  } while (value != 0);
  return text;
}

std::string bytes_to_hex(const unsigned char* bytes, int n, int radix) {
  std::string text;
  for (int i = 0; i < n; ++i) text += byte_to_hex(bytes[i], radix);
  return text;
}

namespace {
int copyOut(const std::string& digits, char* text, std::size_t size) {
  PV_ASSERT(text != nullptr || size == 0);
  if (digits.size() + 1 > size) {
    if (size > 0) text[0] = '\0';
    return -1;
  }
  std::memcpy(text, digits.c_str(), digits.size() + 1);
  return static_cast<int>(digits.size());
}
}  // namespace

int byte_to_hex(unsigned char byte, char* text, std::size_t size, int radix) {
  return copyOut(byte_to_hex(byte, radix), text, size);
}

int bytes_to_hex(char* text, std::size_t size, const unsigned char* bytes, int n, int radix) {
  return copyOut(bytes_to_hex(bytes, n, radix), text, size);
}

uint32_t swap_bytes32(uint32_t v) {
  return ((v & 0xFFu) << 24) | ((v & 0xFF00u) << 8) | ((v >> 8) & 0xFF00u) | (v >> 24);
}

uint16_t swap_bytes16(uint16_t v) { return static_cast<uint16_t>(((v & 0xFFu) << 8) | (v >> 8)); }
