#include "model/AsciiHex.h"
#include "model/FileUtils.h"
#include "model/Singleton.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

class Counted : public PV::Data::Singleton<Counted> {
 public:
  int value = 0;
};

TEST(Singleton, OneInstanceUntilDestroyed) {
  Counted::destroy();  // nothing to destroy: no effect
  EXPECT_EQ(Counted::count(), 0);
  Counted* first = Counted::instance();
  first->value = 5;
  EXPECT_EQ(Counted::instance(), first);
  EXPECT_EQ(Counted::count(), 1);
  Counted::destroy();
  EXPECT_EQ(Counted::count(), 0);
  Counted* second = Counted::instance();
  EXPECT_EQ(second->value, 0);
  EXPECT_EQ(Counted::count(), 1);
  Counted::destroy();
}

// A second T destroyed while the instance lives breaks the one-instance rule.
TEST(SingletonDeathTest, SecondObjectEndsTheProgram) {
  EXPECT_DEATH(
      {
        Counted::instance();
        { Counted extra; }
      },
      "Assertion failed: count_ == 0");
}

TEST(TrimChar, Modes) {
  struct Case {
    const char* text;
    int mode;
    const char* result;
  } cases[] = {
      {"  ab  ", 0, "ab  "}, {"  ab  ", 1, "  ab"}, {"  ab  ", 2, "ab"}, {"  ab  ", 7, "  ab  "},
      {"   ", 0, ""},        {"   ", 1, ""},        {"   ", 2, ""},      {"", 2, ""},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    PV::Util::trimChar(text, c.mode, ' ');
    EXPECT_EQ(text, c.result) << "\"" << c.text << "\" mode " << c.mode;
  }
}

TEST(Hex, DigitsAndWords) {
  EXPECT_EQ(hex_digit_value('7'), 7);
  EXPECT_EQ(hex_digit_value('b'), 11);
  EXPECT_EQ(hex_digit_value('F'), 15);
  EXPECT_EQ(hex_to_uint("ffffffff"), 4294967295u);
  EXPECT_EQ(hex_to_uint("FFFFFFFF"), 4294967295u);
  EXPECT_EQ(hex_to_uint(""), 0u);
  EXPECT_EQ(hex_to_uint("1A2b"), 6699u);
  unsigned char bytes[3] = {0, 0, 0};
  hex_to_bytes(bytes, "0aFf10", 3);
  EXPECT_EQ(bytes[0], 0x0a);
  EXPECT_EQ(bytes[1], 0xff);
  EXPECT_EQ(bytes[2], 0x10);
  EXPECT_EQ(swap_bytes16(255), 65280);
  EXPECT_EQ(swap_bytes16(0x1122), 0x2211);
  EXPECT_EQ(swap_bytes32(255), 0xFF000000u);
  EXPECT_EQ(swap_bytes32(0x11223344u), 0x44332211u);
}

// Bytes from 0x80 up are taken unsigned: at most two digits in hexadecimal.
TEST(Hex, ByteToHex) {
  struct Case {
    unsigned char byte;
    int radix;
    const char* text;
  } cases[] = {{0, 16, "0"},     {10, 16, "a"},    {127, 16, "7f"}, {0x80, 16, "80"},
               {0xFF, 16, "ff"}, {255, 10, "255"}, {5, 2, "101"},   {0xFF, 2, "11111111"}};
  for (const Case& c : cases) {
    EXPECT_EQ(byte_to_hex(c.byte, c.radix), c.text) << int(c.byte);
  }
  const unsigned char bytes[] = {0x01, 0x80, 0xab};
  EXPECT_EQ(bytes_to_hex(bytes, 3), "180ab");
  EXPECT_EQ(bytes_to_hex(bytes, 0), "");
}

// The buffer forms write the same texts into a buffer of stated size, never past it:
// a text and its zero that do not fit leave the empty text and answer -1.
TEST(Hex, IntoACallersBuffer) {
  struct Case {
    unsigned char byte;
    int radix;
    std::size_t size;
    int written;
    const char* text;
  } cases[] = {{0x7f, 16, 3, 2, "7f"},      {0x7f, 16, 2, -1, ""}, {0, 16, 2, 1, "0"},
               {0xFF, 2, 9, 8, "11111111"}, {0xFF, 2, 8, -1, ""},  {255, 10, 15, 3, "255"}};
  for (const Case& c : cases) {
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(byte_to_hex(c.byte, buffer, c.size, c.radix), c.written) << int(c.byte) << " in " << c.size;
    EXPECT_STREQ(buffer, c.text);
    EXPECT_EQ(buffer[c.size], '#') << "written past the buffer";
  }
  const unsigned char bytes[] = {0x01, 0x80, 0xab};
  char buffer[8];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(bytes_to_hex(buffer, 6, bytes, 3), 5);
  EXPECT_STREQ(buffer, "180ab");
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(bytes_to_hex(buffer, 5, bytes, 3), -1);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(buffer[5], '#');
  EXPECT_EQ(bytes_to_hex(buffer, 1, bytes, 0), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(bytes_to_hex(nullptr, 0, bytes, 0), -1);
}

TEST(HexDeathTest, BadDigits) {
  EXPECT_DEATH(hex_digit_value('g'), "Assertion failed: \\('0' <= c");
  EXPECT_DEATH(hex_to_uint("123456789"), "strlen\\(str\\) <= ");
  EXPECT_DEATH(hex_to_uint("12g"), "!err");
}

TEST(Files, ReplaceAndSize) {
  const std::string source = "pv_model_replace_source.tmp";
  const std::string target = "pv_model_replace_target.tmp";
  std::remove(source.c_str());
  std::remove(target.c_str());
  { std::ofstream(source, std::ios::binary) << "new text"; }
  // A missing target fails at once and leaves the source in place.
  EXPECT_EQ(PV::Util::replaceFile(source.c_str(), target.c_str()), -1);
  EXPECT_TRUE(std::ifstream(source).good());
  { std::ofstream(target, std::ios::binary) << "old"; }
  // A source that cannot be moved leaves the target as it was.
  EXPECT_EQ(PV::Util::replaceFile("pv_model_replace_missing.tmp", target.c_str()), -1);
  {
    std::ifstream kept(target, std::ios::binary);
    std::string text;
    std::getline(kept, text);
    EXPECT_EQ(text, "old");
  }
  EXPECT_EQ(PV::Util::replaceFile(source.c_str(), target.c_str()), 0);
  EXPECT_FALSE(std::ifstream(source).good());

  // Renaming over: an existing target is replaced; a failure names the system's
  // reason and leaves the target as it was.
  { std::ofstream(source, std::ios::binary) << "newer"; }
  std::string why;
  EXPECT_TRUE(PV::Util::renameOver(source, target, why)) << why;
  EXPECT_FALSE(std::ifstream(source).good());
  EXPECT_FALSE(PV::Util::renameOver(source, target, why));
#ifndef _WIN32
  EXPECT_EQ(why, std::strerror(ENOENT));
#else
  EXPECT_FALSE(why.empty());
#endif
  {
    std::ifstream kept(target, std::ios::binary);
    std::string text;
    std::getline(kept, text);
    EXPECT_EQ(text, "newer");
  }

  FILE* file = std::fopen(target.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  std::fseek(file, 3, SEEK_SET);
  EXPECT_EQ(PV::Util::fileSize(file), 5);
  EXPECT_EQ(std::ftell(file), 3);
  std::fclose(file);
  std::remove(target.c_str());
}

}  // namespace
