// Built-in font metrics of the PDF writer (the generated tables in cpdfFontTables.cpp).
#pragma once

#include <cstdint>

namespace cpdf_tables {

constexpr int kBuiltinFontCount = 48;
constexpr int kFirstCjkFont = 41;

struct BuiltinFont {
  const char* name;
  const uint16_t* widths;  // kWidthCount entries, WinAnsi order then extras; null for CJK
  int16_t ascent, capHeight, descent, stemV, xHeight, stemH, missingWidth, leading, maxWidth, avgWidth;
  int32_t flags;
  float italicAngle;
  int16_t fontBBox[4];
  const char* cidSystemInfo;  // CJK only
  const char* wArray;         // CJK only
  const char* style;          // CJK only
};

extern const int kWidthCount;
extern const BuiltinFont kBuiltinFonts[kBuiltinFontCount];
// Code of encoding index 1..3 -> index into a width array; entry 0 is unused (WinAnsi).
extern const uint16_t* const kEncodingRemap[4];

}  // namespace cpdf_tables
