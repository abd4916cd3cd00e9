// Drawing aspects: interned, shared drawing attributes (pen colour and width, brush
// colour, text background colour, font) applied to a display. Each creates its GDI
// object once and reuses it. Interned aspects live as long as the process.
#pragma once

#include "foundation/Geometry.h"
#include "foundation/PointerLists.h"
#include "framework/draw/zRCFont.h"

#include <cstdint>

class zBrush;
class zDisplay;
class zPen;

class ziAspect {
 public:
  enum Kind : int32_t { penKind = 1, brushKind = 2, textBackcolorKind = 3, fontKind = 5 };

  explicit ziAspect(int32_t kind) : kind_(kind) {}
  ziAspect(const ziAspect&) = delete;
  ziAspect& operator=(const ziAspect&) = delete;
  virtual ~ziAspect() = default;

  virtual void apply(zDisplay& display) = 0;
  // The first registered aspect that is this one or equal to it; when there is none,
  // this one is registered. The base kind is never shared: it returns itself.
  virtual ziAspect* intern() { return this; }
  int32_t kind() const { return kind_; }

 private:
  int32_t kind_;
};

// The process-wide lists of interned aspects, created on first use.
class ziPenAspectDList : public zDblList {};
class ziBrushAspectDList : public zDblList {};
class ziFontAspectDList : public zDblList {};
using ziPenAspectDListIter = zDListIter;
using ziBrushAspectDListIter = zDListIter;
using ziFontAspectDListIter = zDListIter;

// The cached pen and brush belong to the aspect: a display holds one only while it is
// applied, and it must be replaced or popped before the display deletes its stacks.
class ziPenAspect : public ziAspect {
 public:
  ziPenAspect(zColor color, int width);
  void apply(zDisplay& display) override;
  ziAspect* intern() override;
  zPen* pen() const { return pen_; }
  zColor color() const { return color_; }
  int width() const { return width_; }
  static ziPenAspectDList& list();
  void releasePen();

 private:
  zPen* pen_;
  zColor color_;
  int32_t width_;
};

class ziBrushAspect : public ziAspect {
 public:
  explicit ziBrushAspect(zColor color);
  void apply(zDisplay& display) override;
  ziAspect* intern() override;
  zBrush* brush() const { return brush_; }
  zColor color() const { return color_; }
  static ziBrushAspectDList& list();
  void releaseBrush();

 private:
  zBrush* brush_;
  zColor color_;
};

class ziTextBackcolorAspect : public ziAspect {
 public:
  explicit ziTextBackcolorAspect(zColor color) : ziAspect(textBackcolorKind), color_(color) {}
  void apply(zDisplay& display) override;

 private:
  zColor color_;
};

class ziFontAspect : public ziAspect {
 public:
  explicit ziFontAspect(const zRCFont& font) : ziAspect(fontKind), font_(font) {}
  void apply(zDisplay& display) override;
  ziAspect* intern() override;
  const zRCFont& font() const { return font_; }
  static ziFontAspectDList& list();
  void reset() { font_ = zRCFont(); }

 private:
  zRCFont font_;
};

// Delete the cached pens and brushes (and let go of the fonts) of all interned
// aspects; pens and brushes are made again at the next apply.
void releasePenAspects();
void releaseBrushAspects();
void releaseFontAspects();
