#include "framework/grid/zTableDrawAttr.h"

#include "framework/draw/zDisplay.h"
#include "framework/draw/zFont.h"

// Display kind of a printer's display.
static constexpr int32_t kPrinterDisplay = 3;

void zTableTextColorAttr::apply(zDisplay* display) {
  changed_ = 0;
  if (display->currentTextColor().colorRef() == color_.colorRef()) return;
  saved_ = display->textColor(color_);
  changed_ = 1;
}

void zTableTextColorAttr::restore(zDisplay* display) {
  if (changed_) display->textColor(saved_);
  changed_ = 0;
}

void zTableBackColorAttr::apply(zDisplay* display) {
  changed_ = 0;
  if (display->currentBrush() == &brush_) return;
  saved_ = display->currentBrush() ? display->replaceBrush(&brush_) : nullptr;
  if (!saved_) display->pushBrush(&brush_);
  changed_ = 1;
}

void zTableBackColorAttr::restore(zDisplay* display) {
  if (!changed_) return;
  // A display that had no brush of its own gets none back, rather than a null one.
  if (saved_)
    display->replaceBrush(saved_);
  else
    display->popBrush();
  saved_ = nullptr;
  changed_ = 0;
}

zTableFontAttr::zTableFontAttr(zFont* font, const zTableCellRange& range) : zTableAttr(zTableAttrFont, range) {
  if (font) {
    screen_ = zRCFont(font->spec(), nullptr);
    delete font;
  }
}

void zTableFontAttr::apply(zDisplay* display) {
  changed_ = 0;
  const zRCFont& font = display->kind() == kPrinterDisplay ? printer_ : screen_;
  if (display->font() == font) return;
  saved_ = display->replaceDefaultFont(font);
  changed_ = 1;
}

void zTableFontAttr::restore(zDisplay* display) {
  if (changed_) display->replaceDefaultFont(saved_);
  saved_ = zRCFont();
  changed_ = 0;
}
