#include "framework/format/zPictStrEl.h"

#include "framework/format/zFormatter.h"

#include <cctype>

// ---------------------------------------------------------------- character classes

namespace {
// The classification functions take unsigned char values; plain char may be negative.
bool asciiIsAlpha(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool asciiIsAlphaNumeric(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }
bool asciiIsLower(char c) { return std::islower(static_cast<unsigned char>(c)) != 0; }
char asciiToUpper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
char asciiToLower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

zCharClasses classesInUse = {&asciiIsAlpha, &asciiIsAlphaNumeric, &asciiIsLower, &asciiToUpper, &asciiToLower};
}  // namespace

void zUseCharClasses(const zCharClasses& classes) { classesInUse = classes; }
bool zCharIsAlpha(char c) { return classesInUse.isAlpha(c); }
bool zCharIsAlphaNumeric(char c) { return classesInUse.isAlphaNumeric(c); }
bool zCharIsLower(char c) { return classesInUse.isLower(c); }
char zCharToUpper(char c) { return classesInUse.toUpper(c); }
char zCharToLower(char c) { return classesInUse.toLower(c); }

// ---------------------------------------------------------------- literal

zPictStrEl::zPictStrEl(char elementChar, uint16_t flags)
    : flags_(flags), elementChar_(elementChar), entered_(0), placeholder_(0) {}

int zPictStrEl::accept(char c, int, uint32_t) { return c == elementChar_ ? 1 : 0; }

char zPictStrEl::value(uint32_t formatterFlags) { return (formatterFlags & zFmtSkipLiterals) ? 0 : elementChar_; }

int zPictStrEl::clear() { return 0; }

int zPictStrEl::take(char c, int testOnly, uint32_t formatterFlags) {
  if (!testOnly) {
    if (formatterFlags & zFmtLower) c = zCharToLower(c);
    if (formatterFlags & zFmtUpper) c = zCharToUpper(c);
    entered_ = c;
  }
  return 1;
}

char zPictStrEl::enteredValue(uint32_t formatterFlags) const {
  if (entered_) return entered_;
  if ((flags_ & zPictOptional) && (formatterFlags & zFmtSkipLiterals)) return 0;
  if (formatterFlags & zFmtPlaceholders) return placeholder_;
  return 0;
}

// ---------------------------------------------------------------- mask element

zPictStrMaskEl::zPictStrMaskEl(char mask, uint16_t flags)
    : zPictStrEl(mask, static_cast<uint16_t>(flags | zPictInput)) {
  switch (mask) {
    case 'N':
    case 'X':
    case 'A':
    case '!':
      placeholder_ = '_';
      break;
    case '#':
    case '9':
      placeholder_ = '#';
      break;
    default:
      placeholder_ = 0;
      break;
  }
}

int zPictStrMaskEl::accept(char c, int testOnly, uint32_t formatterFlags) {
  const bool isPlaceholder = placeholder_ != 0 && c == placeholder_;
  const bool digit = c >= '0' && c <= '9';
  auto clearIt = [&]() {
    if (!testOnly) entered_ = 0;
    return 1;
  };
  switch (elementChar_) {
    case 'N':
      if (isPlaceholder) return clearIt();
      return zCharIsAlphaNumeric(c) ? take(c, testOnly, formatterFlags) : 0;
    case 'X':
      return take(c, testOnly, formatterFlags);
    case 'A':
      if (zCharIsAlpha(c) || c == ' ') return take(c, testOnly, formatterFlags);
      return isPlaceholder ? clearIt() : 0;
    case '!':
      if (isPlaceholder) return clearIt();
      if (zCharIsLower(c)) c = zCharToUpper(c);
      return take(c, testOnly, formatterFlags);
    case '#':
      if (isPlaceholder) return clearIt();
      return (digit || c == '-' || c == '+' || c == ' ') ? take(c, testOnly, formatterFlags) : 0;
    case '9':
      if (isPlaceholder) return clearIt();
      return digit ? take(c, testOnly, formatterFlags) : 0;
    default:
      return 0;
  }
}

char zPictStrMaskEl::value(uint32_t formatterFlags) { return enteredValue(formatterFlags); }

int zPictStrMaskEl::clear() {
  entered_ = 0;
  return 1;
}

// ---------------------------------------------------------------- set element

zPictStrSetEl::zPictStrSetEl(const zBitVector& set, bool negate, uint16_t flags)
    : zPictStrEl(0, static_cast<uint16_t>(flags | zPictInput)), set_(set), negate_(negate ? 1 : 0) {
  placeholder_ = '_';
}

int zPictStrSetEl::accept(char c, int testOnly, uint32_t formatterFlags) {
  // Codes beyond the vector (characters of 0x80 and above in a 128-bit set) are
  // non-members; the code is taken unsigned so that it never indexes before the vector.
  const bool member = set_.test(static_cast<unsigned char>(c));
  if (member != (negate_ != 0)) return take(c, testOnly, formatterFlags);
  if (c == placeholder_) {
    if (!testOnly) entered_ = 0;
    return 1;
  }
  return 0;
}

char zPictStrSetEl::value(uint32_t formatterFlags) { return enteredValue(formatterFlags); }

int zPictStrSetEl::clear() {
  entered_ = 0;
  return 1;
}
