// The character codes every layer shares: UTF-8 decoding and the encoder it must
// agree with, and hexadecimal digits.
#include "foundation/TextCodes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using PV::Text::decodeUtf8At;
using PV::Text::UTF8_REPLACEMENT;

TEST(TextCodes, DecodesTheFirstCharacterOrOneBadByte) {
  const struct {
    const char* bytes;
    uint32_t cp;
    std::size_t used;
    const char* what;
  } cases[] = {
      {"A", 'A', 1, "ASCII"},
      {"\xC3\xA9", 0xE9, 2, "two bytes"},
      {"\xE2\x82\xAC", 0x20AC, 3, "three bytes"},
      {"\xF0\x9F\x99\x82", 0x1F642, 4, "four bytes"},
      {"\xEF\xBF\xBD", 0xFFFD, 3, "an encoded replacement character is a character"},
      {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4, "the last code point"},
      {"\xC3", UTF8_REPLACEMENT, 1, "cut short at the end"},
      {"\xE2\x82", UTF8_REPLACEMENT, 1, "cut short by one"},
      {"\xC3x", UTF8_REPLACEMENT, 1, "no continuation byte"},
      {"\x82", UTF8_REPLACEMENT, 1, "a lone continuation byte"},
      {"\xC0\xAF", UTF8_REPLACEMENT, 1, "overlong, two bytes"},
      {"\xE0\x80\xAF", UTF8_REPLACEMENT, 1, "overlong, three bytes"},
      {"\xED\xA0\x80", UTF8_REPLACEMENT, 1, "a surrogate"},
      {"\xF4\x90\x80\x80", UTF8_REPLACEMENT, 1, "above U+10FFFF"},
      {"\xFF", UTF8_REPLACEMENT, 1, "never a lead byte"},
  };
  for (const auto& c : cases) {
    std::size_t used = 99;
    EXPECT_EQ(decodeUtf8At(c.bytes, 0, used), c.cp) << c.what;
    EXPECT_EQ(used, c.used) << c.what;
    EXPECT_EQ(PV::Text::isUtf8(c.bytes), c.cp != UTF8_REPLACEMENT || c.used == 3) << c.what;
  }
  // In the middle of a text, the sequence may not run past its end.
  std::size_t used = 0;
  EXPECT_EQ(decodeUtf8At("ab\xE2\x82\xAC", 2, used), 0x20ACu);
  EXPECT_EQ(decodeUtf8At(std::string("ab\xE2\x82\xAC", 4), 2, used), UTF8_REPLACEMENT);
  EXPECT_TRUE(PV::Text::isUtf8(""));
  EXPECT_FALSE(PV::Text::isUtf8("Caf\xE9"));
}

TEST(TextCodes, EncodingAndDecodingAgree) {
  for (uint32_t cp : {0x0u, 0x7Fu, 0x80u, 0x7FFu, 0x800u, 0xD7FFu, 0xE000u, 0xFFFFu, 0x10000u, 0x10FFFFu}) {
    std::string text;
    PV::Text::appendUtf8(text, cp);
    std::size_t used = 0;
    EXPECT_EQ(decodeUtf8At(text, 0, used), cp);
    EXPECT_EQ(used, text.size()) << cp;
  }
}

TEST(TextCodes, HexadecimalDigits) {
  EXPECT_EQ(PV::Text::hexDigitValue('0'), 0);
  EXPECT_EQ(PV::Text::hexDigitValue('9'), 9);
  EXPECT_EQ(PV::Text::hexDigitValue('a'), 10);
  EXPECT_EQ(PV::Text::hexDigitValue('F'), 15);
  for (char ch : {'g', 'G', '/', ':', '@', '`', ' ', '\0'}) EXPECT_EQ(PV::Text::hexDigitValue(ch), -1) << ch;
}

}  // namespace
