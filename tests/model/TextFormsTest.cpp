#include "model/TextForms.h"
#include "model/Transform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace PV::Data;

// Any accessor gives the converters; an element-only one has mode CHARACTER.
const Transform<Item>& converters() {
  static const Transform<Item> f;
  return f;
}

TEST(Converters, UShortReading) {
  struct Case {
    const char* text;
    uint16_t value;
  } cases[] = {{"0", 0},  {"7", 7},  {"9999", 9999}, {"12abc", 12}, {" 7", 7},
               {"+5", 5}, {"00", 0}, {"0000", 0},    {" 007 ", 7},  {"0010", 10}};
  for (const Case& c : cases) {
    uint16_t n = 1;
    converters().stringToUShort(c.text, n);
    EXPECT_EQ(n, c.value) << c.text;
  }
  std::string s;
  converters().ushortToString(s, 9999);
  EXPECT_EQ(s, "9999");
  converters().ushortToString(s, 7);
  EXPECT_EQ(s, "7");
}

TEST(Converters, ULongReading) {
  struct Case {
    const char* text;
    Functor::Mode mode;
    uint32_t value;
  } cases[] = {
      {"0", Functor::DECIMAL, 0},
      {"0", Functor::HEXADECIMAL, 0},
      {"0", Functor::CHARACTER, 0},
      {"1A2b", Functor::HEXADECIMAL, 6699},
      {"0x10", Functor::HEXADECIMAL, 16},
      {"0X10", Functor::HEXADECIMAL, 16},
      {"ffffffff", Functor::HEXADECIMAL, 4294967295u},
      {"123456789", Functor::HEXADECIMAL, 4294967295u},  // beyond 32 bits
      {"-1", Functor::DECIMAL, 4294967295u},
      {"00", Functor::DECIMAL, 0},
      {" 0007 ", Functor::DECIMAL, 7},
      {"-1294967296", Functor::DECIMAL, 3000000000u},
      {"3000000000", Functor::DECIMAL, 3000000000u},
      {"4294967297", Functor::DECIMAL, 1u},  // wraps modulo 2^32
      {"  42xyz", Functor::DECIMAL, 42u},
  };
  for (const Case& c : cases) {
    uint32_t n = 1;
    converters().stringToULong(c.text, n, c.mode);
    EXPECT_EQ(n, c.value) << c.text;
  }
}

TEST(Converters, ULongWriting) {
  struct Case {
    uint32_t value;
    Functor::Mode mode;
    const char* text;
  } cases[] = {
      {4294967295u, Functor::HEXADECIMAL, "ffffffff"},
      {4294967295u, Functor::DECIMAL, "-1"},
      {3000000000u, Functor::DECIMAL, "-1294967296"},
      {2147483647u, Functor::DECIMAL, "2147483647"},
      {2147483648u, Functor::DECIMAL, "-2147483648"},
      {0xff00u, Functor::HEXADECIMAL, "ff00"},
      {0, Functor::HEXADECIMAL, "0"},
      {0, Functor::DECIMAL, "0"},
      {255, Functor::DECIMAL, "255"},
  };
  for (const Case& c : cases) {
    std::string s = "old";
    converters().ulongToString(s, c.value, c.mode);
    EXPECT_EQ(s, c.text) << c.value;
    // Reading the text back in the same mode gives the same value.
    uint32_t back = 1;
    converters().stringToULong(s, back, c.mode);
    EXPECT_EQ(back, c.value) << s;
  }
}

TEST(Converters, Doubles) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {{90, "90.0"},    {4.14, "4.1"},    {4.16, "4.2"},
               {0.0, "0.0"},    {100.0, "100.0"}, {33.35, "33.4"},
               {-2.25, "-2.2"}, {0.05, "0.1"},    {123456789012.0, "123456789012.0"}};
  for (const Case& c : cases) {
    std::string s;
    converters().doubleToString(s, c.value, Functor::PRECISION_1);
    EXPECT_EQ(s, c.text) << c.value;
  }
  struct ReadCase {
    const char* text;
    double value;
  } reads[] = {{"90.0", 90.0}, {" 4.1", 4.1},   {"-2.5", -2.5}, {"1e2", 100.0},
               {"+3.5", 3.5},  {"7.5abc", 7.5}, {"abc", 0.0}};
  for (const ReadCase& r : reads) {
    double d = -1.0;
    converters().stringToDouble(r.text, d);
    EXPECT_EQ(d, r.value) << r.text;
  }
}

TEST(Converters, HexWordsAndIds) {
  EXPECT_EQ(Functor::ulongToHexString(0, false, 0), "00000000");
  EXPECT_EQ(Functor::ulongToHexString(255, false, 4), "00ff");
  EXPECT_EQ(Functor::ulongToHexString(255, true, 1), "FF");
  EXPECT_EQ(Functor::ulongToHexString(0xABCDEF12u, true, 8), "ABCDEF12");

  std::string s;
  const uint32_t id[2] = {4779, 0};
  converters().idToHexString(s, id, Functor::LOWER_HEX);
  EXPECT_EQ(s, "000012ab00000000");
  converters().idToHexString(s, id, Functor::UPPER_HEX);
  EXPECT_EQ(s, "000012AB00000000");
  converters().idToHexString(s, id, Functor::DECIMAL);  // anything else is upper case
  EXPECT_EQ(s, "000012AB00000000");
  const uint32_t id2[2] = {1, 11259375};
  converters().idToHexString(s, id2, Functor::UPPER_HEX);
  EXPECT_EQ(s, "0000000100ABCDEF");

  struct ReadCase {
    const char* text;
    uint32_t w0, w1;
  } reads[] = {
      {"00000001zzzzzzzz", 1, 0}, {"F0E1D2C30000abcd", 0xF0E1D2C3u, 0xABCDu}, {"000000ab12z45678", 0xAB, 0x12}};
  for (const ReadCase& r : reads) {
    uint32_t out[2] = {9, 9};
    converters().hexStringToId(r.text, out);
    EXPECT_EQ(out[0], r.w0) << r.text;
    EXPECT_EQ(out[1], r.w1) << r.text;
  }
}

TEST(Converters, RoundedToOneDecimal) {
  EXPECT_EQ(TextForms::roundedToOneDecimal(94.06), 94.1);
  EXPECT_EQ(TextForms::roundedToOneDecimal(0.04), 0.0);
  EXPECT_EQ(TextForms::roundedToOneDecimal(90.0), 90.0);
}

TEST(ConvertersDeathTest, ContractViolations) {
  uint16_t us = 0;
  uint32_t ul = 0;
  double d = 0;
  uint32_t id[2];
  std::string s;
  EXPECT_DEATH(converters().stringToUShort("####", us), "Assertion failed: n != 0");
  EXPECT_DEATH(converters().stringToUShort("", us), "Assertion failed: !s.empty\\(\\)");
  EXPECT_DEATH(converters().stringToULong("4294967296", ul, Functor::DECIMAL), "Assertion failed: n != 0");
  EXPECT_DEATH(converters().stringToDouble("", d), "!s.empty\\(\\)");
  EXPECT_DEATH(converters().doubleToString(s, 1.0, Functor::PRECISION_2), "m != Functor::PRECISION_2");
  EXPECT_DEATH(Functor::ulongToHexString(1, false, 9), "length <= 8");
  EXPECT_DEATH(converters().hexStringToId("000000010000000", id), "s.length\\(\\) ==");
  EXPECT_DEATH(converters().hexStringToId("00000001000000000", id), "s.length\\(\\) ==");
}

// The checked readers refuse what does not convert, with a reason.
TEST(CheckedReaders, Table) {
  struct Case {
    const char* text;
    int kind;  // 0 decimal, 1 hexadecimal, 2 ushort, 3 double, 4 bool, 5 id
    bool ok;
  } cases[] = {
      {"-1", 0, true},
      {"3000000000", 0, true},
      {"-1294967296", 0, true},
      {"4294967296", 0, false},
      {"-2147483649", 0, false},
      {"12abc", 0, false},
      {"", 0, false},
      {"-", 0, false},
      {" 7 ", 0, true},
      {"ff", 1, true},
      {"0x10", 1, true},
      {"FFFFFFFF", 1, true},
      {"100000000", 1, false},
      {"g", 1, false},
      {"0x", 1, false},
      {"9999", 2, true},
      {"65536", 2, false},
      {"-1", 2, false},
      {"x", 2, false},
      {"90.0", 3, true},
      {"1e2", 3, true},
      {"nan", 3, false},
      {"inf", 3, false},
      {"4.1.1", 3, false},
      {"", 3, false},
      {"true", 4, true},
      {"TRUE", 4, false},
      {"1", 4, false},
      {"F0E1D2C3DEADbeef", 5, true},
      {"F0E1D2C3DEADbee", 5, false},
      {"F0E1D2C3DEADbeefa", 5, false},
      {"00000001zzzzzzzz", 5, false},
  };
  for (const Case& c : cases) {
    std::string reason;
    bool ok = false;
    switch (c.kind) {
      case 0: {
        uint32_t v;
        ok = TextForms::parseDecimal32(c.text, v, reason);
        break;
      }
      case 1: {
        uint32_t v;
        ok = TextForms::parseHex32(c.text, v, reason);
        break;
      }
      case 2: {
        uint16_t v;
        ok = TextForms::parseUShort(c.text, v, reason);
        break;
      }
      case 3: {
        double v;
        ok = TextForms::parseDouble(c.text, v, reason);
        break;
      }
      case 4: {
        bool v;
        ok = TextForms::parseBool(c.text, v, reason);
        break;
      }
      default: {
        uint32_t v[2];
        ok = TextForms::parseId(c.text, v, reason);
        break;
      }
    }
    EXPECT_EQ(ok, c.ok) << "\"" << c.text << "\" kind " << c.kind;
    EXPECT_EQ(reason.empty(), c.ok) << c.text;
  }
  uint32_t v = 0;
  std::string reason;
  ASSERT_TRUE(TextForms::parseDecimal32("-1294967296", v, reason));
  EXPECT_EQ(v, 3000000000u);
}

}  // namespace
