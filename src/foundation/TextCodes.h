// Character codes every layer reads and writes the same way: the value of a
// hexadecimal digit and a code point appended as UTF-8. Neither fails: a character
// that is no hexadecimal digit has the value -1, and the caller decides.
#pragma once

#include <cstdint>
#include <string>

namespace PV {
namespace Text {

// 0 to 15 for '0'-'9', 'a'-'f' and 'A'-'F'; -1 for any other character.
inline constexpr int hexDigitValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

// Appends code point cp (at most 0x10FFFF; the caller has checked it) in UTF-8:
// one byte below 0x80, four from 0x10000 on.
inline void appendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace Text
}  // namespace PV
