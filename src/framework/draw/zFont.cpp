#include "framework/draw/zFont.h"
#include "framework/draw/zRCFont.h"

#include "framework/draw/zDisplay.h"

#include <cstring>

// ---------------------------------------------------------------- zFont

void zFont::fill(const char* face, int32_t width, int32_t height, int weight, int pitch, int family, uint32_t flags,
                 int escapement, int orientation, int charSet, int outPrecision, int clipPrecision, int quality) {
  LOGFONTA& lf = spec_.logFont_;
  lf.lfHeight = height >= 1 ? -height : height;
  lf.lfWidth = width;
  lf.lfEscapement = escapement;
  lf.lfOrientation = orientation;
  lf.lfWeight = weight;
  lf.lfItalic = static_cast<BYTE>(flags & italic);
  lf.lfUnderline = static_cast<BYTE>(flags & underline);
  lf.lfStrikeOut = static_cast<BYTE>(flags & strikeOut);
  lf.lfCharSet = static_cast<BYTE>(charSet);
  lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
  lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
  lf.lfQuality = static_cast<BYTE>(quality);
  lf.lfPitchAndFamily = static_cast<BYTE>(pitch | family);
  if (face) {
    const size_t n = strnlen(face, LF_FACESIZE - 1);
    std::memcpy(lf.lfFaceName, face, n);
    lf.lfFaceName[n] = '\0';
  }
  handle_ = CreateFontIndirectA(&lf);
}

zFont::zFont(const char* face, zDimension size, int weight, int pitch, int family, uint32_t flags, int escapement,
             int orientation, int charSet, int outPrecision, int clipPrecision, int quality) {
  fill(face, size.width(), size.height(), weight, pitch, family, flags, escapement, orientation, charSet, outPrecision,
       clipPrecision, quality);
}

zFont::zFont(const char* face, const zPrPoint& size, int weight, int pitch, int family, uint32_t flags, int escapement,
             int orientation, int charSet, int outPrecision, int clipPrecision, int quality) {
  fill(face, size.x(), size.y(), weight, pitch, family, flags, escapement, orientation, charSet, outPrecision,
       clipPrecision, quality);
}

zFont::zFont(const zFontSpec& spec, zDisplay* display) : spec_(spec) {
  if (display && spec_.pointSize_ != 0) {
    spec_.logFont_.lfHeight = -zPrPoint(0, spec_.pointSize_, display).y();
    spec_.logFont_.lfWidth = 0;
  }
  handle_ = CreateFontIndirectA(&spec_.logFont_);
}

zFont::zFont(HFONT font, bool owned) : zDrawObj(font, owned ? 0u : uint32_t{borrowed}) {}

zFont::zFont(int stockId) : zDrawObj(GetStockObject(stockId), borrowed) {}

// ---------------------------------------------------------------- zRCFont

ziRCFontImp* zRCFont::make(zFont* font) {
  auto* imp = new ziRCFontImp(font);
  ++imp->count_;  // the first reference
  return imp;
}

zRCFont::zRCFont() : imp_(make(nullptr)) {}
zRCFont::zRCFont(int stockId) : imp_(make(new zFont(stockId))) {}
zRCFont::zRCFont(const zFontSpec& spec, zDisplay* display) : imp_(make(new zFont(spec, display))) {}
zRCFont::zRCFont(const char* face, zDimension size, int weight, int pitch, int family, uint32_t flags, int escapement,
                 int orientation, int charSet, int outPrecision, int clipPrecision, int quality)
    : imp_(make(new zFont(face, size, weight, pitch, family, flags, escapement, orientation, charSet, outPrecision,
                          clipPrecision, quality))) {}
zRCFont::zRCFont(const char* face, const zPrPoint& size, int weight, int pitch, int family, uint32_t flags,
                 int escapement, int orientation, int charSet, int outPrecision, int clipPrecision, int quality)
    : imp_(make(new zFont(face, size, weight, pitch, family, flags, escapement, orientation, charSet, outPrecision,
                          clipPrecision, quality))) {}
zRCFont::zRCFont(HFONT font) : imp_(make(new zFont(font))) {}
zRCFont::zRCFont(HFONT font, bool owned) : imp_(make(new zFont(font, owned))) {}

zRCFont::zRCFont(ziRCFontImp* imp) : imp_(imp) { ++imp_->count_; }

zRCFont::zRCFont(const zRCFont& other) : imp_(other.imp_) { ++imp_->count_; }

zRCFont& zRCFont::operator=(const zRCFont& other) {
  ++other.imp_->count_;  // first, so that self-assignment keeps the font
  release();
  imp_ = other.imp_;
  return *this;
}

zRCFont::~zRCFont() { release(); }

void zRCFont::release() {
  if (imp_->count_-- == 0) delete imp_;
}

const zFontSpec& zRCFont::spec() const {
  static const zFontSpec empty;
  return imp_->font_ ? imp_->font_->spec() : empty;
}
