// Fonts made from a font specification.
#pragma once

#include "framework/draw/zDrawObj.h"
#include "framework/draw/zMeasure.h"

#include <windows.h>

#include <cstdint>

class zDisplay;

// A LOGFONT followed by a point size in tenths of a point (0 = none).
struct zFontSpec {
  zFontSpec() : logFont_(), pointSize_(0) {}

  LOGFONTA& logFont() { return logFont_; }
  const LOGFONTA& logFont() const { return logFont_; }
  int16_t& pointSize() { return pointSize_; }
  int16_t pointSize() const { return pointSize_; }

  LOGFONTA logFont_;
  int16_t pointSize_;
};

class zFont : public zDrawObj {
 public:
  // Italic, underline and strike-out are bits 0, 1 and 2 of the flags.
  enum : uint32_t { italic = 1, underline = 2, strikeOut = 4 };

  // A positive height asks for a character height (stored negative in the LOGFONT).
  zFont(const char* face, zDimension size, int weight = 0, int pitch = 0, int family = 0, uint32_t flags = 0,
        int escapement = 0, int orientation = 0, int charSet = 0, int outPrecision = 0, int clipPrecision = 0,
        int quality = 0);
  // The same with the size in tenths of a printer point (device values of the measure).
  zFont(const char* face, const zPrPoint& size, int weight = 0, int pitch = 0, int family = 0, uint32_t flags = 0,
        int escapement = 0, int orientation = 0, int charSet = 0, int outPrecision = 0, int clipPrecision = 0,
        int quality = 0);
  // With a display and a point size, the height is that size on the display.
  zFont(const zFontSpec& spec, zDisplay* display);
  explicit zFont(HFONT font) : zFont(font, false) {}  // wraps a font, never deleted
  zFont(HFONT font, bool owned);                      // takes the font when owned
  explicit zFont(int stockId);                        // a stock font, never deleted
  zFont(const zFont&) = delete;

  HFONT hfont() const { return static_cast<HFONT>(handle_); }
  const zFontSpec& spec() const { return spec_; }

 private:
  void fill(const char* face, int32_t width, int32_t height, int weight, int pitch, int family, uint32_t flags,
            int escapement, int orientation, int charSet, int outPrecision, int clipPrecision, int quality);

  zFontSpec spec_;
  zFontSpec spare_;
};
