// The formatter of formatted edit lines and grid cells: every change to the text (a typed
// character, a deletion, a cut, a paste) is handed to the formatter with the current text
// and selection, and the formatter returns the new text and selection or refuses the input.
#pragma once

#include <cstdint>

#include "foundation/FLCString.h"
#include "framework/core/zRange.h"

// Formatter flag bits.
constexpr uint32_t zFmtEmptyValid = 0x100;       // an empty value is valid
constexpr uint32_t zFmtUpper = 0x4000;           // convert entered characters to upper case
constexpr uint32_t zFmtLower = 0x8000;           // convert them to lower case
constexpr uint32_t zFmtSkipLiterals = 0x40000;   // literals and empty optional positions are no value
constexpr uint32_t zFmtAllDigits = 0x80000;      // every digit position must be filled
constexpr uint32_t zFmtPlaceholders = 0x200000;  // show the placeholder in empty positions

// What edit answers.
enum zEditResult : int {
  zEditRefused = 0,   // nothing changes
  zEditPassOn = 1,    // the (possibly changed) input character goes to the control as typed
  zEditReplaced = 2,  // text and selection were replaced
};

class zFormatter {
 public:
  explicit zFormatter(uint32_t flags) : flags_(flags) {}
  virtual ~zFormatter() = default;
  zFormatter(const zFormatter&) = delete;
  zFormatter& operator=(const zFormatter&) = delete;

  // Applies count characters of input at the selection. A count of 2 with the input "\b"
  // is the Delete key; count 1 with "\b" is Backspace.
  virtual int edit(FLCString& text, const char* input, int count, zRange& sel) = 0;
  // Nonzero when the text is complete and valid; else 0 with sel on the fault.
  virtual int validate(const FLCString& text, zRange& sel) = 0;
  // Replaces a displayed text by its plain value.
  virtual int unformat(FLCString& text);
  virtual int firstDataPos(const FLCString& text);
  // The sign of the last value handled, cleared as it is read.
  virtual int takeNegative();

  uint32_t flags() const { return flags_; }

 protected:
  uint32_t flags_;
};
