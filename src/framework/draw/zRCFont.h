// The reference-counted shared font that windows, displays and controls hold: all
// copies share one zFont, deleted with the last reference.
#pragma once

#include "framework/draw/zFont.h"

#include <cstdint>

// The shared implementation: the count holds the number of references minus one.
class ziRCFontImp {
 public:
  explicit ziRCFontImp(zFont* font) : count_(-1), font_(font) {}
  ziRCFontImp(const ziRCFontImp&) = delete;
  ziRCFontImp& operator=(const ziRCFontImp&) = delete;
  virtual ~ziRCFontImp() { delete font_; }

  int32_t count_;
  zFont* font_;  // owned; null for an empty font
};

class zRCFont {
 public:
  zRCFont();  // empty
  explicit zRCFont(int stockId);
  zRCFont(const zFontSpec& spec, zDisplay* display);
  zRCFont(const char* face, zDimension size, int weight = 0, int pitch = 0, int family = 0, uint32_t flags = 0,
          int escapement = 0, int orientation = 0, int charSet = 0, int outPrecision = 0, int clipPrecision = 0,
          int quality = 0);
  zRCFont(const char* face, const zPrPoint& size, int weight = 0, int pitch = 0, int family = 0, uint32_t flags = 0,
          int escapement = 0, int orientation = 0, int charSet = 0, int outPrecision = 0, int clipPrecision = 0,
          int quality = 0);
  explicit zRCFont(HFONT font);        // wrapped, never deleted
  zRCFont(HFONT font, bool owned);     // an owned font is deleted with the last reference
  explicit zRCFont(ziRCFontImp* imp);  // adds a reference to it
  zRCFont(const zRCFont& other);
  zRCFont& operator=(const zRCFont& other);
  virtual ~zRCFont();

  bool isNull() const { return imp_->font_ == nullptr; }
  bool isValid() const { return imp_->font_ != nullptr; }
  zFont* font() const { return imp_->font_; }
  HFONT hfont() const { return imp_->font_ ? imp_->font_->hfont() : nullptr; }
  HFONT handle() const { return hfont(); }
  // The font's specification; an empty font has a default-constructed one.
  const zFontSpec& spec() const;
  bool operator==(const zRCFont& other) const { return imp_ == other.imp_; }
  bool operator!=(const zRCFont& other) const { return imp_ != other.imp_; }

 private:
  static ziRCFontImp* make(zFont* font);
  void release();

  ziRCFontImp* imp_;
};
