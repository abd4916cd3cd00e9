// The number formatter as a pure function: (pattern, flags, locale, text, selection,
// input) gives (result, text, selection). Locales are given here, never read from the
// machine.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "framework/format/zIntlContext.h"
#include "framework/format/zNumFormatter.h"

inline void PrintTo(const zRange& r, std::ostream* os) { *os << r.low() << ".." << r.high(); }

namespace {

enum Locale { usual, negCurr8, commaDecimal };

zIntlContext* makeLocale(Locale l) {
  zIntlSettings s;
  if (l == negCurr8) s.iNegCurr = "8";
  if (l == commaDecimal) {
    s.sDecimal = ",";
    s.sThousand = ".";
  }
  return new zIntlContext(s);
}

// "\b" with count 1 is Backspace, with count 2 Delete; other inputs are typed one key at a
// time unless the case says paste.
struct TypeCase {
  const char* what;
  const char* pattern;
  uint32_t flags;
  Locale locale;
  const char* text;
  int32_t selLo, selHi;
  const char* keys;  // each character one keystroke; '~' stands for Delete, '<' for Backspace
  bool paste;        // the keys as one input with its length as count
  const char* expected;
  int32_t caret;
};

const uint32_t weights = 0x2c0002;

const TypeCase typeCases[] = {
    {"weights: typing 1 into an empty field", "####", weights, usual, "", 0, 0, "1", false, "###1", 4},
    {"weights: then 2", "####", weights, usual, "###1", 4, 4, "2", false, "##12", 4},
    {"weights: a digit at the end of a full field changes nothing", "####", weights, usual, "1234", 4, 4, "9", false,
     "1234", 4},
    {"weights: a digit at the start enters and the last drops off", "####", weights, usual, "1234", 0, 0, "5", false,
     "5123", 1},
    {"weights: backspace leaves placeholders", "####", weights, usual, "##12", 4, 4, "<", false, "###1", 4},
    {"weights: a 300-digit paste keeps four", "####", weights, usual, "", 0, 0,
     "1234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890"
     "1234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890"
     "1234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890",
     true, "1234", 4},
    {"an empty grouped field shows 0.0", "-#,###.##", 0, usual, "", 0, 0, "", true, "0.0", 0},
    {"typing 1234 groups it", "-#,###.##", 0, usual, "", 0, 0, "1234", false, "1,234.0", 5},
    {"a minus toggles a leading minus", "-#,###.##", 0, usual, "1,234.0", 5, 5, "-", false, "-1,234.0", 6},
    {"a second minus takes it away", "-#,###.##", 0, usual, "-1,234.0", 6, 6, "-", false, "1,234.0", 5},
    {"a plus removes the minus", "-#,###.##", 0, usual, "-1,234.0", 6, 6, "+", false, "1,234.0", 5},
    {"the decimal separator moves into the fraction", "-#,###.##", 0, usual, "12.0", 0, 0, ".5", false, "12.50", 4},
    {"backspace at the end of the fraction", "-#,###.##", 0, usual, "1,234.5", 7, 7, "<", false, "1,234.0", 6},
    {"backspace skips the decimal separator", "-#,###.##", 0, usual, "12.5", 3, 3, "<", false, "1.5", 1},
    {"delete at the start", "-#,###.##", 0, usual, "1,234.0", 0, 0, "~", false, "234.0", 0},
    {"delete with the caret at the end changes nothing", "-#,###.##", 0, usual, "1,234.0", 7, 7, "~", false, "1,234.0",
     7},
    {"a digit replaces the selected digits", "-#,###.##", 0, usual, "1,234.0", 0, 5, "7", false, "7.0", 1},
    {"a selection deleted leaves 0", "-#,###.##", 0, usual, "1,234.0", 0, 5, "~", false, "0.0", 1},
    {"a pasted number", "-#,###.##", 0, usual, "", 0, 0, "12.5", true, "12.50", 4},
    {"a pasted negative number", "-#,###.##", 0, usual, "", 0, 0, "-42", true, "-42.0", 3},
    {"a pasted fraction", "-#,###.##", 0, usual, "3.0", 1, 1, ".25", true, "3.25", 4},
    {"letters change nothing", "-#,###.##", 0, usual, "12.0", 2, 2, "x", false, "12.0", 2},
    {"a negative amount with iNegCurr 8", "$#.00", 0, negCurr8, "", 0, 0, "1-", false, "-1.00 $", 2},
    {"a positive amount with the symbol first", "$#.00", 0, negCurr8, "", 0, 0, "1", false, "$1.00", 2},
    {"comma decimal, dot thousands", "-#,###.##", 0, commaDecimal, "", 0, 0, "1234,5", false, "1.234,50", 7},
    {"entry mode R3: after the first digit keys change nothing", "R3####", 0, usual, "", 0, 0, "12", false, "1", 1},
    {"a digit range position takes only its digits in validation, any while typing", "[1-5]##", 0, usual, "", 0, 0, "9",
     false, "9", 1},
};

TEST(NumFormatter, TypingGivesTextAndCaret) {
  for (const TypeCase& c : typeCases) {
    SCOPED_TRACE(c.what);
    zNumFormatter f(c.flags, c.pattern, makeLocale(c.locale));
    ASSERT_EQ(f.patternErrorAt(), -1);
    FLCString text(c.text);
    zRange sel(c.selLo, c.selHi);
    if (c.paste) {
      EXPECT_EQ(f.edit(text, c.keys, static_cast<int>(std::string(c.keys).size()), sel), 2);
    } else {
      for (const char* k = c.keys; *k; ++k) {
        if (*k == '~')
          EXPECT_EQ(f.edit(text, "\b", 2, sel), 2);
        else if (*k == '<')
          EXPECT_EQ(f.edit(text, "\b", 1, sel), 2);
        else
          EXPECT_EQ(f.edit(text, std::string(1, *k).c_str(), 1, sel), 2);
      }
    }
    EXPECT_STREQ(text.data(), c.expected);
    EXPECT_EQ(sel, zRange(c.caret, c.caret));
  }
}

struct ValidateCase {
  const char* pattern;
  uint32_t flags;
  const char* text;
  int valid;
  int32_t at;  // the empty selection on the fault
};

TEST(NumFormatter, ValidateMarksTheFault) {
  const ValidateCase cases[] = {
      {"####", weights, "##12", 0, 4},  // not every position filled: at the end
      {"####", weights, "1234", 1, 0},
      {"####", weights | 0x100, "####", 1, 0},  // empty and empty allowed
      {"####", weights | 0x100, "##12", 0, 4},  // neither empty nor complete
      {"####", 0, "12345", 0, 0},               // more digits than positions: the first
      {"[1-5]##", 0, "612", 0, 0},
      {"#[!7]", 0, "17", 0, 1},
      {"-#,###.##", 0, "1,234.0", 1, 0},
      {"-#,###.##", 0, "", 0, 0},
      {"-#,###.##", 0x100, "", 1, 0},
      {"#,###.##", 0x80000, "12.50", 0, 2},  // integer part short: at the separator
      {"#.##", 0x80000, "1.5", 0, 3},        // fraction short: at the end
  };
  for (const ValidateCase& c : cases) {
    zNumFormatter f(c.flags, c.pattern, makeLocale(usual));
    zRange sel(0, 0x7FFF);
    EXPECT_EQ(f.validate(FLCString(c.text), sel), c.valid) << c.pattern << " " << c.text;
    if (!c.valid) {
      EXPECT_EQ(sel, zRange(c.at, c.at)) << c.pattern << " " << c.text;
    }
  }
}

TEST(NumFormatter, UnformatGivesThePlainNumberAndTheSignFromTheText) {
  const struct {
    const char* pattern;
    const char* text;
    const char* plain;
  } cases[] = {
      {"#.#", "", "0.0"},
      {"####", "", " "},
      {"-#,###.#", "-1,234.5", "-1234.5"},
      {"-#,###.#", "1,234.5", "1234.5"},
      {"####", "##12", "12"},
      {"#.##", ".5", "0.5"},
      {"#.##", "3.", "3.0"},
      {"####", "-12", "12"},  // no sign allowed
  };
  for (auto& c : cases) {
    zNumFormatter f(weights, c.pattern, makeLocale(usual));
    FLCString text(c.text);
    EXPECT_EQ(f.unformat(text), 1);
    EXPECT_STREQ(text.data(), c.plain) << c.pattern << " " << c.text;
  }
}

TEST(NumFormatter, OneCellsMinusNeverReachesAnotherCellsValue) {
  // A grid column shares one formatter between its cells.
  zNumFormatter column(0, "-#,###.#", makeLocale(usual));
  FLCString first("12.0");
  zRange sel(2, 2);
  column.edit(first, "-", 1, sel);
  EXPECT_STREQ(first.data(), "-12.0");
  FLCString second("1,234.5");
  column.unformat(second);
  EXPECT_STREQ(second.data(), "1234.5");
  EXPECT_EQ(column.takeNegative(), 0);
  FLCString third("-7.0");
  column.unformat(third);
  EXPECT_STREQ(third.data(), "-7.0");
  EXPECT_EQ(column.takeNegative(), 1);
  EXPECT_EQ(column.takeNegative(), 0);
}

TEST(NumFormatter, PatternHeaderAndBody) {
  zNumFormatter weightsFmt(weights, "####", makeLocale(usual));
  EXPECT_FALSE(weightsFmt.grouping());
  EXPECT_EQ(weightsFmt.integerPositions(), 4);
  zNumFormatter grouped(0, "F L*#,###.0[2-4]", makeLocale(usual));
  EXPECT_EQ(grouped.patternErrorAt(), -1);
  EXPECT_TRUE(grouped.grouping());
  EXPECT_EQ(grouped.integerPositions(), 4);
  EXPECT_EQ(grouped.fractionPositions(), 2);
  EXPECT_EQ(grouped.elementCount(), 8);
  FLCString text("");
  zRange sel(0, 0);
  grouped.edit(text, "", 0, sel);
  EXPECT_STREQ(text.data(), "*,***.0");  // fills are grouped too; "0" positions show 0
  zNumFormatter modes(0, "R1#.##", makeLocale(usual));
  EXPECT_EQ(modes.entryMode(), 1);
  zNumFormatter money(0, "$#.##", makeLocale(commaDecimal));
  EXPECT_EQ(money.decimalChar(), ',');
  EXPECT_EQ(money.thousandsChar(), '.');
}

TEST(NumFormatter, MalformedAndOverlongPatternsAreCutAndReported) {
  const struct {
    std::string pattern;
    int32_t errorAt;
    int32_t elements;
  } cases[] = {
      {"#a#", 1, 1}, {"Q##", 0, 0},    {"L5##", 1, 0},  // a fill from 1 to 9
      {"R7#", 1, 0}, {"[3-1]#", 0, 0}, {"[!x]", 0, 0}, {std::string(300, '#'), 256, 256}, {"", -1, 0},
  };
  for (auto& c : cases) {
    zNumFormatter f(0, c.pattern.c_str(), makeLocale(usual));
    EXPECT_EQ(f.patternErrorAt(), c.errorAt) << c.pattern;
    EXPECT_EQ(f.elementCount(), c.elements) << c.pattern;
    // Still usable.
    FLCString text("");
    zRange sel(0, 0);
    EXPECT_EQ(f.edit(text, "12", 2, sel), 2);
  }
  zNumFormatter longOne(0, (std::string(300, '#') + ".#").c_str(), makeLocale(usual));
  FLCString text(std::string(400, '9').c_str());
  zRange sel(0, 0x7FFF);
  // 256 positions: the fault is the first digit, from the right, that has none.
  EXPECT_EQ(longOne.validate(text, sel), 0);
  EXPECT_EQ(sel, zRange(400 - 257, 400 - 257));
}

TEST(NumFormatter, EntryModesLockTheirPart) {
  // R1: after the first digit only the fraction changes.
  zNumFormatter r1(0, "R1#.##", makeLocale(usual));
  FLCString text("");
  zRange sel(0, 0);
  r1.edit(text, "3", 1, sel);
  EXPECT_STREQ(text.data(), "3.0");
  r1.edit(text, "4", 1, sel);  // caret in the integer part: refused
  EXPECT_STREQ(text.data(), "3.0");
  sel = zRange(2, 2);
  r1.edit(text, "7", 1, sel);
  EXPECT_STREQ(text.data(), "3.70");
  // R2: after the first digit only the integer part changes.
  zNumFormatter r2(0, "R2##.##", makeLocale(usual));
  text = "";
  sel = zRange(0, 0);
  r2.edit(text, "3", 1, sel);
  sel = zRange(2, 2);
  r2.edit(text, "7", 1, sel);
  EXPECT_STREQ(text.data(), "3.0");
  sel = zRange(0, 0);
  r2.edit(text, "5", 1, sel);
  EXPECT_STREQ(text.data(), "53.0");
}

TEST(NumFormatter, FirstDataPosFindsDigitsAndFills) {
  zNumFormatter w(weights, "####", makeLocale(usual));
  zNumFormatter money(0, "$#.00", makeLocale(usual));
  EXPECT_EQ(w.firstDataPos(FLCString("##12")), 0);
  EXPECT_EQ(money.firstDataPos(FLCString("$1.00")), 1);
  EXPECT_EQ(money.firstDataPos(FLCString("")), 0);
  EXPECT_EQ(money.firstDataPos(FLCString("abc")), 3);
}

// ---------------------------------------------------------------- locale conventions

TEST(IntlContext, NegativeCurrencyFormsFromTheSettings) {
  const struct {
    const char* iNegCurr;
    char form;
    bool before, space;
  } rows[] = {
      {"0", '0', true, false},  {"1", '1', true, false},  {"2", '4', true, false},  {"3", '2', true, false},
      {"4", '0', false, false}, {"5", '1', false, false}, {"6", '3', false, false}, {"7", '2', false, false},
      {"8", '1', false, true},  {"9", '1', true, true},   {"10", '2', false, true}, {"15", '1', true, false},
      {"x", 0, true, false},    {"", 0, true, false},
  };
  for (auto& r : rows) {
    zIntlSettings s;
    s.iNegCurr = r.iNegCurr;
    zIntlContext c(s);
    EXPECT_EQ(c.negSignForm(), r.form) << r.iNegCurr;
    EXPECT_EQ(c.negCurrencyBefore(), r.before) << r.iNegCurr;
    EXPECT_EQ(c.negCurrencySpace(), r.space) << r.iNegCurr;
  }
}

TEST(IntlContext, PlacementDefaultsAndBoundedSetters) {
  const struct {
    const char* iCurrency;
    bool before, space;
  } rows[] = {{"0", true, false}, {"1", false, false}, {"2", true, true}, {"3", false, true}};
  for (auto& r : rows) {
    zIntlSettings s;
    s.iCurrency = r.iCurrency;
    zIntlContext c(s);
    EXPECT_EQ(c.posCurrencyBefore(), r.before);
    EXPECT_EQ(c.posCurrencySpace(), r.space);
  }
  zIntlSettings s;
  s.sThousand = "";
  s.sCurrency = "Kronor-and-more";
  zIntlContext c(s);
  EXPECT_EQ(c.thousands(), ',');
  EXPECT_STREQ(c.currency(), "Kronor-an");
  EXPECT_STREQ(c.negativeSign(), "-");
  EXPECT_STREQ(c.positiveSign(), "");
  EXPECT_EQ(c.posSignForm(), '1');
  c.setCurrency("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_STREQ(c.currency(), "ABCDEFGHI");
  c.setNegativeSign("minus-minus-minus");
  EXPECT_STREQ(c.negativeSign(), "minus-min");
  c.setDecimal(',');
  EXPECT_EQ(c.decimal(), ',');
}

TEST(IntlContext, SignFormsAroundTheCurrency) {
  const struct {
    char form;
    bool before;
    bool space;
    const char* shown;
  } rows[] = {
      {'0', true, false, "($1.00)"}, {'1', true, false, "-$1.00"}, {'2', true, false, "$1.00-"},
      {'3', false, true, "1.00-$"},  {'4', true, false, "$-1.00"}, {'2', false, true, "1.00 $-"},
  };
  for (auto& r : rows) {
    zIntlContext* c = new zIntlContext(zIntlSettings());
    c->setNegSignForm(r.form);
    c->setNegCurrencyBefore(r.before);
    c->setNegCurrencySpace(r.space);
    zNumFormatter f(0, "$#.00", c);
    FLCString text("");
    zRange sel(0, 0);
    f.edit(text, "1", 1, sel);
    f.edit(text, "-", 1, sel);
    EXPECT_STREQ(text.data(), r.shown) << r.form;
    // And back: the sign is read from the text.
    FLCString plain = text;
    f.unformat(plain);
    EXPECT_STREQ(plain.data(), "-1.00") << r.form;
    f.edit(text, "-", 1, sel);
    EXPECT_STREQ(text.data(), "$1.00") << r.form;
  }
}

}  // namespace
