// Character codes every layer reads and writes the same way: the value of a
// hexadecimal digit, a code point appended as UTF-8, and UTF-8 decoded. None fails:
// a character that is no hexadecimal digit has the value -1, a byte that starts no
// valid UTF-8 sequence decodes as U+FFFD, and the caller decides.
#pragma once

#include <cstddef>
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

// What a byte that starts no valid UTF-8 sequence decodes as.
inline constexpr uint32_t UTF8_REPLACEMENT = 0xFFFD;

// Decodes the UTF-8 character at s[i] (i < s.size()); `used` receives its length.
// Only the shortest form of a code point counts, without surrogates and up to
// U+10FFFF; a byte that starts anything else, or a sequence cut short, gives
// UTF8_REPLACEMENT with `used` 1, so that a caller moves on by one byte.
inline uint32_t decodeUtf8At(const std::string& s, std::size_t i, std::size_t& used) {
  const unsigned char b = static_cast<unsigned char>(s[i]);
  used = 1;
  if (b < 0x80) return b;
  std::size_t extra;
  uint32_t cp, least;
  if (b >= 0xC2 && b <= 0xDF) {
    extra = 1, cp = b & 0x1Fu, least = 0x80;
  } else if (b >= 0xE0 && b <= 0xEF) {
    extra = 2, cp = b & 0x0Fu, least = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    extra = 3, cp = b & 0x07u, least = 0x10000;
  } else {
    return UTF8_REPLACEMENT;
  }
  if (s.size() - i <= extra) return UTF8_REPLACEMENT;
  for (std::size_t k = 1; k <= extra; ++k) {
    const unsigned char c = static_cast<unsigned char>(s[i + k]);
    if ((c & 0xC0u) != 0x80u) return UTF8_REPLACEMENT;
    cp = (cp << 6) | (c & 0x3Fu);
  }
  if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return UTF8_REPLACEMENT;
  used = extra + 1;
  return cp;
}

// Whether the whole text is valid UTF-8 (an encoded U+FFFD is valid).
inline bool isUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    std::size_t used = 1;
    if (decodeUtf8At(s, i, used) == UTF8_REPLACEMENT && used == 1) return false;
    i += used;
  }
  return true;
}

}  // namespace Text
}  // namespace PV
