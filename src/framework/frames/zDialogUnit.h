// Dialog-template units converted into pixels: horizontal units are quarters of the
// average character width of the dialog font, vertical units eighths of its height.
// Without a display (or font) the system's dialog base units stand in.
#pragma once

#include "framework/draw/zMeasure.h"
#include "framework/draw/zRCFont.h"

class zDialogUnit : public zLogMeasure {
 public:
  zDialogUnit() = default;
  zDialogUnit(int32_t x, int32_t y, zDisplay* display);
  zDialogUnit(int32_t x, int32_t y, const zRCFont& font);
  zDialogUnit(int32_t x, int32_t y, zFont* font);

  void setX(int32_t units, zDisplay* display) override;
  void setY(int32_t units, zDisplay* display) override;

  // The conversions on a device context with the dialog font selected; a null context
  // takes the system's dialog base units.
  static int32_t pixelsX(int32_t units, HDC dc);
  static int32_t pixelsY(int32_t units, HDC dc);

  // The font's measures that the units scale by, taken once on a context with the font
  // selected (a null context: the system's dialog base units), for many conversions
  // without measuring again: each measure costs a call into the font engine.
  struct Base {
    bool fromFont = false;
    int32_t averageWidth = 0;  // rounded
    int32_t lineHeight = 0;    // height and external leading
  };
  static Base measure(HDC dc);
  static int32_t pixelsX(int32_t units, const Base& base);
  static int32_t pixelsY(int32_t units, const Base& base);

 private:
  void convertWithFont(int32_t x, int32_t y, HFONT font);
};
