// The number formatter: a formatter built from a number pattern such as "####" or
// "-#,###.##". Every keystroke becomes a new, fully formatted text with a new caret; a
// finished text is checked against the pattern; a displayed text is turned back into a
// plain number text ("1,234.5" into "1234.5"). The separators, currency and sign forms come
// from a locale context (zIntlContext).
//
// Pattern header (before the first "#", "0" or "["): "$" currency and signs, "+" signs
// with a shown plus, "-" signs, "F" grouping, "L"/"T"/"LT"/"TL" and a fill character,
// "R1" "R2" "R3" entry modes, blanks. Body: "#" and "0" digit positions, "," group
// separator, "." decimal point, "[a-b]" a digit range, "[!d]" any digit but d; at most 256
// elements. A pattern that breaks these rules is cut at the fault, which patternErrorAt
// reports.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/format/zFormatter.h"
#include "framework/format/zIntlContext.h"

class zNumFormatter : public zFormatter {
 public:
  static constexpr int32_t maxElements = 256;

  // A null context means the process's shared one; a given context is owned.
  zNumFormatter(uint32_t flags, const char* pattern, zIntlContext* context = nullptr);
  ~zNumFormatter() override;

  int edit(FLCString& text, const char* input, int count, zRange& sel) override;
  int validate(const FLCString& text, zRange& sel) override;
  // The sign comes from the text itself, so that a formatter shared by many cells never
  // carries one cell's sign into another's value.
  int unformat(FLCString& text) override;
  int firstDataPos(const FLCString& text) override;
  int takeNegative() override;

  // Offset of the first pattern character that was not understood; -1 when all was.
  int32_t patternErrorAt() const { return patternErrorAt_; }
  int32_t elementCount() const { return static_cast<int32_t>(elements_.size()); }
  int32_t integerPositions() const { return intPositions_; }
  int32_t fractionPositions() const { return fracPositions_; }
  int entryMode() const { return entryMode_; }
  char decimalChar() const { return decimal_; }
  char thousandsChar() const { return thousands_; }
  bool grouping() const { return grouping_; }

 private:
  struct Element {
    uint8_t kind;  // 0 digit range, 1 decimal point, 2 group separator, 3 digit but one
    char low;
    char high;
    char fill;
  };
  // A value as digits: the integer digits, whether there is a decimal point, the fraction
  // digits; a caret is an index into ints + "." + frac.
  struct Core {
    std::string ints;
    bool point = false;
    std::string frac;
    std::string joined() const { return point ? ints + "." + frac : ints; }
    void split(const std::string& s);
  };
  struct Rendered {
    std::string text;
    std::vector<int32_t> at;  // display index of each core character
    int32_t intEnd;           // display index just after the integer part
  };

  void parse(const char* pattern);
  // Takes decorations, fills and group separators out: the core, the selection mapped
  // into it, the display index of each core character; whether the text shows a negative.
  bool strip(const std::string& text, int32_t lo, int32_t hi, Core& core, int32_t& clo, int32_t& chi,
             std::vector<int32_t>* at) const;
  Rendered render(const Core& core, bool negative) const;
  int32_t displayCaret(const Rendered& r, const Core& core, int32_t caret) const;
  void decorate(std::string& prefix, std::string& suffix, bool negative) const;
  bool accepts(const Element& e, char c) const;
  int editOne(std::string& text, const char* input, int count, int32_t& lo, int32_t& hi);

  zIntlContext* context_;
  bool ownsContext_;
  std::vector<Element> elements_;
  int entryMode_;
  char leadFill_;
  char trailFill_;
  char decimal_;
  char thousands_;
  int32_t decimalIndex_;
  int32_t intPositions_;
  int32_t fracPositions_;
  int32_t patternErrorAt_;
  bool digitEntered_;
  bool hasPoint_;
  bool hasLeadFill_;
  bool hasTrailFill_;
  bool currency_;
  bool grouping_;
  bool signAllowed_;
  bool negative_;
  bool negFormAllowed_;
  bool posFormShown_;
};
