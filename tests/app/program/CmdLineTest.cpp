#include "app/program/PalvermontineOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace PV {
namespace Util {
namespace {

TEST(CommandLine, SplitsWordsQuotesAndBlanks) {
  const struct {
    const char* text;
    std::vector<std::string> words;
    bool unclosed;
  } cases[] = {
      {"   \t ", {}, false},
      {"a.xpv -solve", {"a.xpv", "-solve"}, false},
      {"-input \"C:\\my models\\a b.xpv\" -solve", {"-input", "C:\\my models\\a b.xpv", "-solve"}, false},
      {"\"\" x", {"", "x"}, false},
      // An open quote runs to the end of the line.
      {"-input \"C:\\my models\\a.xpv -solve", {"-input", "C:\\my models\\a.xpv -solve"}, true},
      {"a\tb  c", {"a", "b", "c"}, false},
      // The system's rules: a quote escaped by a backslash is part of the word.
      {"a\\\"b.xpv -solve", {"a\"b.xpv", "-solve"}, false},
  };
  for (const auto& c : cases) {
    bool unclosed = false;
    EXPECT_EQ(splitCommandLine(c.text, &unclosed), c.words) << c.text;
    EXPECT_EQ(unclosed, c.unclosed) << c.text;
  }
}

TEST(CommandLine, LeadingFileNameOnlyWhenFirst) {
  std::string name;
  PalvermontineOptions first("model.xpv -solve");
  EXPECT_TRUE(first.getFileName(name));
  EXPECT_EQ(name, "model.xpv");
  EXPECT_TRUE(first.isSolve());

  PalvermontineOptions later("-solve model.xpv");
  EXPECT_FALSE(later.getFileName(name));
  EXPECT_TRUE(later.isSolve());

  // The first option of the table is an option, never a file name.
  PalvermontineOptions option("-pdf_suppress_scores");
  EXPECT_FALSE(option.getFileName(name));
  EXPECT_TRUE(option.isPdfSuppressScores());

  PalvermontineOptions blanks("    ");
  EXPECT_FALSE(blanks.getFileName(name));
  EXPECT_FALSE(blanks.isSolve());
}

// A binary option takes the next word unless it names an option: a script whose
// variable was empty ("-input $MODEL -console") still runs in console mode, and the
// missing name is refused there.
TEST(CommandLine, BinaryOptionNeverTakesAnOptionAsItsArgument) {
  const struct {
    const char* text;
    const char* option;
    const char* arg;
    bool console;
  } cases[] = {
      {"-input -console", "-input", "", true},
      {"-console -output -solve", "-output", "", true},
      {"-solve -output", "-output", "", false},
      {"-console -input \"\"", "-input", "", true},
      {"-pdf -gui", "-pdf", "", false},
      {"-console -input -x.xpv", "-input", "-x.xpv", true},
      {"-console -pdf \"a b.pdf\"", "-pdf", "a b.pdf", true},
  };
  for (const auto& c : cases) {
    PalvermontineOptions o(c.text);
    EXPECT_TRUE(o.isPresent(c.option)) << c.text;
    EXPECT_EQ(o.argument(c.option), c.arg) << c.text;
    EXPECT_EQ(o.isGuiMode() == 0, c.console) << c.text;
  }
}

// Every word that is neither an option, an option's argument nor the leading file
// name is kept, so that a mistyped option is told instead of ignored.
TEST(CommandLine, WordsNotUnderstoodAreKept) {
  const struct {
    const char* text;
    std::vector<std::string> words;
  } cases[] = {
      {"-mkdm -console -solve -ouput a.xpv", {"-ouput", "a.xpv"}},
      {"model.xpv -console -Solve", {"-Solve"}},
      {"-input a.xpv -output b.xpv -pdf c.pdf -solve", {}},
      {"model.xpv other.xpv", {"other.xpv"}},
  };
  for (const auto& c : cases) EXPECT_EQ(PalvermontineOptions(c.text).notUnderstood(), c.words) << c.text;
}

TEST(CommandLine, NamesAreCaseSensitiveAndModeDefaults) {
  PalvermontineOptions upper("-GUI -Console");
  int32_t at = 0;
  EXPECT_FALSE(upper.isPresent("-GUI", &at));
  EXPECT_EQ(at, -1);
  EXPECT_EQ(upper.isGuiMode(), 1);  // a command-line text defaults to GUI

  PalvermontineOptions console("-console");
  EXPECT_EQ(console.isGuiMode(), 0);
  PalvermontineOptions both("-console -gui");
  EXPECT_EQ(both.isGuiMode(), 1);

  const char* argv[] = {"palvermontine.exe", "-solve"};
  PalvermontineOptions vector(2, argv);
  EXPECT_EQ(vector.isGuiMode(), 0);  // an argument vector defaults to console
  EXPECT_TRUE(vector.isSolve());
}

TEST(CommandLine, RepeatedOptionKeepsTheLastArgument) {
  PalvermontineOptions o("-output a.xpv -solve -output b.xpv -solve");
  std::string arg;
  ASSERT_TRUE(o.getOutput(arg));
  EXPECT_EQ(arg, "b.xpv");
  EXPECT_TRUE(o.isSolve());
  EXPECT_EQ(o.repeated(), (std::vector<std::string>{"-output", "-solve"}));
}

TEST(CommandLine, HelpTextIsTheUsage) {
  PalvermontineOptions o("-help");
  std::string text;
  ASSERT_TRUE(o.getHelpText(text));
  EXPECT_EQ(text.rfind("Usage: Append Unary arguments", 0), 0u);
  EXPECT_NE(text.find("[-mkdm]"), std::string::npos);
  PalvermontineOptions none("-solve");
  EXPECT_FALSE(none.getHelpText(text));
}

}  // namespace
}  // namespace Util
}  // namespace PV
