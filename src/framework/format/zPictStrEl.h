// Elements of an edit mask: each tests one character against one position. The base is a
// literal that matches its own character; mask elements take a class of characters by mask
// letter; set elements take the members (or, negated, the non-members) of a character set.
#pragma once

#include <cstdint>

#include "framework/format/zBitVector.h"

constexpr uint16_t zPictOptional = 0x1;  // the position may stay empty
constexpr uint16_t zPictInput = 0x2;     // the position takes input

class zPictStrEl {
 public:
  zPictStrEl(char elementChar, uint16_t flags = 0);
  virtual ~zPictStrEl() = default;
  // 1 when the character is taken at this position, else 0. Unless testOnly, an accepted
  // character is stored (after case conversion by the formatter flags).
  virtual int accept(char c, int testOnly, uint32_t formatterFlags);
  // The character the position stands for in a value; 0 for none.
  virtual char value(uint32_t formatterFlags);
  // Empties the position; 1 when it had something to empty.
  virtual int clear();

  uint16_t flags() const { return flags_; }
  char elementChar() const { return elementChar_; }
  char entered() const { return entered_; }
  char placeholder() const { return placeholder_; }

 protected:
  // Stores c (case-converted by the flags) unless testOnly; always 1.
  int take(char c, int testOnly, uint32_t formatterFlags);
  // The entered character, or what an empty position gives under the flags.
  char enteredValue(uint32_t formatterFlags) const;

  uint16_t flags_;
  char elementChar_;
  char entered_;
  char placeholder_;
};

// One position of a mask: "N" letter or digit, "X" anything, "A" letter or blank, "!" any
// character in upper case, "#" digit or sign or blank, "9" digit.
class zPictStrMaskEl : public zPictStrEl {
 public:
  explicit zPictStrMaskEl(char mask, uint16_t flags = 0);
  int accept(char c, int testOnly, uint32_t formatterFlags) override;
  char value(uint32_t formatterFlags) override;
  int clear() override;
};

class zPictStrSetEl : public zPictStrEl {
 public:
  zPictStrSetEl(const zBitVector& set, bool negate, uint16_t flags = 0);
  int accept(char c, int testOnly, uint32_t formatterFlags) override;
  char value(uint32_t formatterFlags) override;
  int clear() override;

 private:
  zBitVector set_;
  uint16_t negate_;
};

// Character classes of the user's system: ASCII until the framework installs the
// system's own (the ANSI code page under Windows) as the application object starts.
bool zCharIsAlpha(char c);
bool zCharIsAlphaNumeric(char c);
bool zCharIsLower(char c);
char zCharToUpper(char c);
char zCharToLower(char c);

// The classes the functions above answer from; each entry is set.
struct zCharClasses {
  bool (*isAlpha)(char c);
  bool (*isAlphaNumeric)(char c);
  bool (*isLower)(char c);
  char (*toUpper)(char c);
  char (*toLower)(char c);
};
void zUseCharClasses(const zCharClasses& classes);
