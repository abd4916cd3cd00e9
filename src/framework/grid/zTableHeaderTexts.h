// The header texts of one side of a grid (row texts, or column texts with the corner's
// text at index 0): owned strings indexed by line, kept in step when lines are inserted or
// removed. An empty entry holds no string and reads as the empty string. Window-free.
#pragma once

#include <cstdint>

#include "foundation/FLCString.h"
#include "framework/grid/zTableTypes.h"

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

 private:
  zTableDynaArray<FLCString*> texts_{16, nullptr};
};
