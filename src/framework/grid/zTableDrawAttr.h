// The cell attributes that change a display while a cell draws: text colour, background
// colour and font. Each remembers only what its own last apply replaced, so every apply
// is paired with one restore on the same display. Windows build only.
#pragma once

#include "foundation/Geometry.h"
#include "framework/draw/zDrawObj.h"
#include "framework/draw/zRCFont.h"
#include "framework/grid/zTableAttr.h"

class zFont;

class zTableTextColorAttr : public zTableAttr {
 public:
  zTableTextColorAttr(zColor color, const zTableCellRange& range)
      : zTableAttr(zTableAttrTextColor, range), color_(color) {}
  void apply(zDisplay* display) override;
  void restore(zDisplay* display) override;
  zColor color() const { return color_; }

 private:
  zColor color_;
  zColor saved_;
  int changed_ = 0;
};

// Owns a solid brush of its colour, made at construction.
class zTableBackColorAttr : public zTableAttr {
 public:
  zTableBackColorAttr(zColor color, const zTableCellRange& range)
      : zTableAttr(zTableAttrBackColor, range), color_(color), brush_(color) {}
  void apply(zDisplay* display) override;
  void restore(zDisplay* display) override;
  zColor color() const { return color_; }
  zBrush* brush() { return &brush_; }

 private:
  zColor color_;
  zBrush brush_;
  zBrush* saved_ = nullptr;
  int changed_ = 0;
};

// A screen font and a printer font (empty until a printable grid scales one from the
// screen font); on a printer display the printer font is applied.
class zTableFontAttr : public zTableAttr {
 public:
  zTableFontAttr(const zRCFont& font, const zTableCellRange& range)
      : zTableAttr(zTableAttrFont, range), screen_(font) {}
  // Copies the font object's specification into a screen font and deletes the font
  // object; a null font gives an empty screen font.
  zTableFontAttr(zFont* font, const zTableCellRange& range);
  void apply(zDisplay* display) override;
  void restore(zDisplay* display) override;
  const zRCFont& screenFont() const { return screen_; }
  const zRCFont& printerFont() const { return printer_; }
  void setPrinterFont(const zRCFont& font) { printer_ = font; }

 private:
  zRCFont screen_;
  zRCFont printer_;
  zRCFont saved_;
  int changed_ = 0;
};

// Installs the drawing procedure of text, formatted, bitmap and self-drawing cells, and
// the deleter of bitmap cells' bitmaps. The grid calls it before it first draws; calling
// it again does nothing more.
void zTableInstallCellPainter();
