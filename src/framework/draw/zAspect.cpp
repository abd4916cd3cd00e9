#include "framework/draw/zAspect.h"

#include "framework/draw/zDisplay.h"
#include "framework/draw/zDrawObj.h"

namespace {

// Whether a pen or brush handed back by a display is an interned aspect's own.
bool isAspectPen(zPen* pen) {
  ziPenAspectDListIter it(ziPenAspect::list());
  while (auto* a = static_cast<ziPenAspect*>(it.next()))
    if (a->pen() == pen) return true;
  return false;
}

bool isAspectBrush(zBrush* brush) {
  ziBrushAspectDListIter it(ziBrushAspect::list());
  while (auto* a = static_cast<ziBrushAspect*>(it.next()))
    if (a->brush() == brush) return true;
  return false;
}

}  // namespace

// ---------------------------------------------------------------- pens

ziPenAspect::ziPenAspect(zColor color, int width) : ziAspect(penKind), pen_(nullptr), color_(color), width_(width) {}

ziPenAspectDList& ziPenAspect::list() {
  static auto* aspects = new ziPenAspectDList;
  return *aspects;
}

ziAspect* ziPenAspect::intern() {
  ziPenAspectDListIter it(list());
  while (auto* a = static_cast<ziPenAspect*>(it.next()))
    if (a == this || (a->color_ == color_ && a->width_ == width_)) return a;
  list().append(this);
  return this;
}

// The display's own pen that an aspect's pen replaces is deleted; another aspect's
// pen stays with that aspect.
void ziPenAspect::apply(zDisplay& display) {
  if (!pen_) pen_ = new zPen(color_, PS_SOLID, width_);
  if (display.currentPen() == pen_) return;
  zPen* replaced = display.replacePen(pen_);
  if (replaced && !isAspectPen(replaced)) delete replaced;
}

void ziPenAspect::releasePen() {
  delete pen_;
  pen_ = nullptr;
}

void releasePenAspects() {
  ziPenAspectDListIter it(ziPenAspect::list());
  while (auto* a = static_cast<ziPenAspect*>(it.next())) a->releasePen();
}

// ---------------------------------------------------------------- brushes

ziBrushAspect::ziBrushAspect(zColor color) : ziAspect(brushKind), brush_(nullptr), color_(color) {}

ziBrushAspectDList& ziBrushAspect::list() {
  static auto* aspects = new ziBrushAspectDList;
  return *aspects;
}

ziAspect* ziBrushAspect::intern() {
  ziBrushAspectDListIter it(list());
  while (auto* a = static_cast<ziBrushAspect*>(it.next()))
    if (a == this || a->color_ == color_) return a;
  list().append(this);
  return this;
}

void ziBrushAspect::apply(zDisplay& display) {
  if (!brush_) brush_ = new zBrush(color_);
  if (display.currentBrush() == brush_) return;
  zBrush* replaced = display.replaceBrush(brush_);
  if (replaced && !isAspectBrush(replaced)) delete replaced;
}

void ziBrushAspect::releaseBrush() {
  delete brush_;
  brush_ = nullptr;
}

void releaseBrushAspects() {
  ziBrushAspectDListIter it(ziBrushAspect::list());
  while (auto* a = static_cast<ziBrushAspect*>(it.next())) a->releaseBrush();
}

// ---------------------------------------------------------------- text background

void ziTextBackcolorAspect::apply(zDisplay& display) {
  if (display.getBackColor().colorRef() != color_.colorRef()) display.backColor(color_);
}

// ---------------------------------------------------------------- fonts

ziFontAspectDList& ziFontAspect::list() {
  static auto* aspects = new ziFontAspectDList;
  return *aspects;
}

ziAspect* ziFontAspect::intern() {
  ziFontAspectDListIter it(list());
  while (auto* a = static_cast<ziFontAspect*>(it.next()))
    if (a == this || a->font_ == font_) return a;
  list().append(this);
  return this;
}

void ziFontAspect::apply(zDisplay& display) {
  if (font_.isNull()) return;
  display.lock();
  if (display.font() != font_) display.replaceDefaultFont(font_);
  display.unlock();
}

void releaseFontAspects() {
  ziFontAspectDListIter it(ziFontAspect::list());
  while (auto* a = static_cast<ziFontAspect*>(it.next())) a->reset();
}
