// The report's conversion of its UTF-8 texts to the Windows character set.
#include "report/WinAnsiText.h"

#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace PV {
namespace Report {
namespace {

TEST(WinAnsiText, ConvertsWhatTheSetHoldsAndShowsTheRestAsQuestionMarks) {
  const struct {
    const char* utf8;
    const char* winAnsi;
  } cases[] = {
      {"plain ASCII ~", "plain ASCII ~"},
      {"J\xC3\xB6rg M\xC3\xBCller", "J\xF6rg M\xFCller"},
      {"\xC3\x9C"
       "bersicht \xC3\xA9t\xC3\xA9",
       "\xDC"
       "bersicht \xE9t\xE9"},
      {"\xE2\x82\xAC \xE2\x80\xA6 \xE2\x80\x9Cq\xE2\x80\x9D \xC5\x93 \xC5\xB8", "\x80 \x85 \x93q\x94 \x9C \x9F"},
      {"\xC2\xA0\xC3\xBF", "\xA0\xFF"},
      {"\xE4\xB8\xAD\xF0\x9F\x98\x80", "??"},  // beyond the set: one "?" each
      {"\xC2\x81", "?"},                       // a C1 control the set leaves out
      {"a\xFF"
       "b\xC3"
       "c\xE2\x82",
       "a?b?c??"},                               // stray and cut bytes
      {"\xED\xA0\x80", "???"},                   // an encoded surrogate is no character
      {"a\tb\r\nc\x01\x1F\x7F|", "a b  c   |"},  // control characters take a blank's room
  };
  for (const auto& c : cases) EXPECT_EQ(winAnsiFromUtf8(c.utf8), c.winAnsi) << c.utf8;
}

TEST(WinAnsiText, PopsWholeCharacters) {
  std::string t = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
  popUtf8Character(t);
  EXPECT_EQ(t, "a\xC3\xA9\xE2\x82\xAC");
  popUtf8Character(t);
  EXPECT_EQ(t, "a\xC3\xA9");
  popUtf8Character(t);
  EXPECT_EQ(t, "a");
  std::string stray = "a\x82\x82";
  popUtf8Character(stray);
  EXPECT_EQ(stray, "a\x82");
  std::string empty;
  popUtf8Character(empty);
  EXPECT_EQ(empty, "");
}

TEST(WinAnsiText, SystemTextsBecomeUtf8) {
#ifdef _WIN32
  if (GetACP() != 1252) GTEST_SKIP() << "the system code page is not 1252";
  EXPECT_EQ(utf8FromSystemText("J\xF6rg M\xFCller"), "J\xC3\xB6rg M\xC3\xBCller");
  EXPECT_EQ(utf8FromSystemText("C:\\Mod\xE8les\\\x80.xpv"), "C:\\Mod\xC3\xA8les\\\xE2\x82\xAC.xpv");
  EXPECT_EQ(utf8FromSystemText("J\xC3\xB6rg"), "J\xC3\xB6rg");  // from the options file
#else
  EXPECT_EQ(utf8FromSystemText("J\xC3\xB6rg"), "J\xC3\xB6rg");
#endif
  EXPECT_EQ(utf8FromSystemText(""), "");
}

}  // namespace
}  // namespace Report
}  // namespace PV
