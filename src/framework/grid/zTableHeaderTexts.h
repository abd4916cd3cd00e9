// The header texts of one side of a grid (row texts, or column texts with the corner's
// text at index 0): owned strings indexed by line, kept in step when lines are inserted or
// removed. An empty entry holds no string and reads as the empty string. Window-free.
#pragma once

#include <cstdint>

#include "foundation/FLCString.h"
#include "framework/grid/zTableTypes.h"

// What a header cell of index n shows, by the header part's text mode.
enum zTableHeaderTextMode : uint32_t {
  zTableHeaderNumber = 0,   // n in decimal
  zTableHeaderNone = 1,     // nothing
  zTableHeaderStored = 2,   // the text stored for that line
  zTableHeaderLetters = 3,  // n - 1 in base 26 with the digits A to Z: 1 A, 26 Z, 27 BA
};

class zTableHeaderTexts;

// The text of header cell index under mode; stored texts come from texts (may be null).
// Any other mode shows nothing.
FLCString zTableHeaderLabel(uint32_t mode, uint32_t index, const zTableHeaderTexts* texts);

class zTableHeaderTexts {
 public:
  zTableHeaderTexts() = default;
  ~zTableHeaderTexts();
  zTableHeaderTexts(const zTableHeaderTexts&) = delete;
  zTableHeaderTexts& operator=(const zTableHeaderTexts&) = delete;

  const char* text(uint32_t index) const;
  // Stores a copy (the empty string for null); the text that stood there is deleted.
  void setText(uint32_t index, const char* text);
  // Line index went: later texts move one place down.
  void removeLine(uint32_t index);
  // A line was inserted at index: texts from index on move one place up.
  void addLine(uint32_t index);
  uint32_t count() const { return texts_.count(); }
  void swap(zTableHeaderTexts& other) { texts_.swap(other.texts_); }

 private:
  zTableDynaArray<FLCString*> texts_{16, nullptr};
};
