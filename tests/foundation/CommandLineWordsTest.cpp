#include "foundation/CommandLineWords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace PV {
namespace CommandLine {
namespace {

using Words = std::vector<std::string>;

const struct SplitCase {
  const char* text;
  Words words;
  bool unclosed;
} kSplitCases[] = {
    {"", {}, false},
    {"   \t ", {}, false},
    {"a.xpv -solve", {"a.xpv", "-solve"}, false},
    {"a\tb  c", {"a", "b", "c"}, false},
    {"-input \"C:\\my models\\a b.xpv\" -solve", {"-input", "C:\\my models\\a b.xpv", "-solve"}, false},
    // A letter outside ASCII, first or anywhere, is kept whole.
    {"\xC3\xA9t\xC3\xA9.xpv -console", {"\xC3\xA9t\xC3\xA9.xpv", "-console"}, false},
    {"\xC3\x89"
     "a.xpv",
     {"\xC3\x89"
      "a.xpv"},
     false},
    // Empty words from empty quoted parts.
    {"\"\" x", {"", "x"}, false},
    {"-input \"\"", {"-input", ""}, false},
    // A quoted part inside a word.
    {"a\"b c\"d e", {"ab cd", "e"}, false},
    // Backslashes: literal unless before a quote.
    {"C:\\dir\\a.xpv", {"C:\\dir\\a.xpv"}, false},
    {"a\\\"b.xpv", {"a\"b.xpv"}, false},
    {"a\\\\\"b c\"", {"a\\b c"}, false},
    {"a\\\\\\\"b", {"a\\\"b"}, false},
    {"\"C:\\dir\\\\\" next", {"C:\\dir\\", "next"}, false},
    {"x\\\\ y", {"x\\\\", "y"}, false},
    // Two quotes inside a quoted part are one literal quote.
    {"\"a\"\"b c\" d", {"a\"b c", "d"}, false},
    // An open quote runs to the end of the line.
    {"-input \"C:\\my models\\a.xpv -solve", {"-input", "C:\\my models\\a.xpv -solve"}, true},
    {"a \"", {"a", ""}, true},
};

TEST(CommandLineWords, SplitsByTheSystemsRules) {
  for (const auto& c : kSplitCases) {
    bool unclosed = !c.unclosed;
    EXPECT_EQ(splitArguments(c.text, &unclosed), c.words) << c.text;
    EXPECT_EQ(unclosed, c.unclosed) << c.text;
  }
}

TEST(CommandLineWords, ProgramNameHasItsOwnRule) {
  const struct {
    const char* line;
    const char* rest;
  } cases[] = {
      {"", ""},
      {"palvermontine.exe", ""},
      {"palvermontine.exe  -console a", "-console a"},
      {"\"C:\\Program Files\\p.exe\" \xC3\xA9t\xC3\xA9.xpv", "\xC3\xA9t\xC3\xA9.xpv"},
      // Backslashes before the quote mean nothing in the name.
      {"\"C:\\dir\\\" -solve", "-solve"},
      {"C:\\a\"b\\p.exe\t-x", "-x"},
      {"\"open name -x", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(afterProgramName(c.line), c.rest) << c.line;
}

TEST(CommandLineWords, ManyWordsAndLongWords) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "-solve ";
  EXPECT_EQ(splitArguments(text).size(), 1000u);
  const std::string longName(30000, 'n');
  EXPECT_EQ(splitArguments("\"" + longName + "\"" + " x"), (Words{longName, "x"}));
}

#ifdef _WIN32
std::wstring wide(const std::string& utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &out[0], n);
  out.resize(static_cast<size_t>(n - 1));
  return out;
}

// The system's own splitter agrees on the rows a program meets every day (quoted
// names, backslashes, escaped quotes, letters outside ASCII).
TEST(CommandLineWords, AgreesWithTheSystem) {
  for (const auto& c : kSplitCases) {
    if (c.unclosed || c.words.empty() || std::string(c.text).find("\"\"") != std::string::npos) continue;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(wide(std::string("p.exe ") + c.text).c_str(), &count);
    ASSERT_NE(argv, nullptr);
    std::vector<std::wstring> system(argv + 1, argv + count);
    LocalFree(argv);
    std::vector<std::wstring> ours;
    for (const auto& w : c.words) ours.push_back(wide(w));
    EXPECT_EQ(system, ours) << c.text;
  }
}
#endif

}  // namespace
}  // namespace CommandLine
}  // namespace PV
