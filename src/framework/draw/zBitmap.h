// Bitmaps (GDI objects made blank, from the system or from ".bmp" files) and packed
// device-independent bitmaps.
#pragma once

#include "framework/draw/zDrawObj.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class zDisplay;

// Where a bitmap resource is loaded from. Drawing knows no application object: the
// application's resource ids (zResId) convert to this, filling in the fallback.
struct zBitmapSource {
  const char* moduleName;  // a module file loaded for the load and freed again; or 0
  HMODULE module;          // the module that holds it when no file is named; or 0
  HMODULE fallback;        // the application's module, for the rest
  LPCSTR name;             // as the resource functions take it
};

class zBitmap : public zDrawObj {
 public:
  zBitmap(int width, int height, int bitsPerPixel, int planes);
  // From the resources: of the named module when the source names one (the fallback
  // when it cannot be loaded), else of the source's module, else of the fallback. A
  // zResId converts to a source, so zBitmap(zResId(id)) loads from the application.
  explicit zBitmap(const zBitmapSource& source);
  zBitmap(const zBitmap&) = delete;

  HBITMAP hbitmap() const { return static_cast<HBITMAP>(handle_); }
  // Width and height; (0,0) without a handle.
  zDimension size() const;

 protected:
  zBitmap() = default;
};

// Compatible with the display's context; the caller holds the display locked.
class zBitmapCompatible : public zBitmap {
 public:
  zBitmapCompatible(int width, int height, zDisplay* display);
};

class zBitmapSystem : public zBitmap {
 public:
  explicit zBitmapSystem(int id);
};

class zBitmapEmpty : public zBitmap {
 public:
  zBitmapEmpty() = default;
};

// Reads a ".bmp" file (".bmp" is appended to a name without a '.'), with or without
// the 14-byte file header, with a core (12-byte) or an info (40-byte) header. A file
// that cannot be opened is reported with "Can't open file"; a malformed one leaves
// the bitmap without a handle.
class zBitmapFile : public zBitmap {
 public:
  zBitmapFile(zDisplay* display, const char* fileName);
};

// A device-independent bitmap in one block: a 40-byte info header, the colour table
// (or the three bit-field masks) and the pixel data.
struct ziPackedDIB {
  std::vector<uint8_t> bytes;
  uint32_t bitsOffset = 0;  // where the pixel data starts in `bytes`
};

// Parses the bytes of a ".bmp" file into a packed DIB. Every size the file gives is
// checked against the data present, so that nothing is read beyond it later.
// Returns an empty text on success, else what is wrong.
std::string ziParseDIB(const uint8_t* data, size_t size, ziPackedDIB& out);

// A packed DIB of the bitmap in a movable global block (0 on failure). Without a
// palette the default palette is used; a bit count of 0 takes the bitmap's own.
HGLOBAL bitmapToDIB(const zBitmap& bitmap, DWORD compression = BI_RGB, int bitsPerPixel = 0,
                    HPALETTE palette = nullptr);

// Draws a packed DIB (StretchDIBits); without a block, PatBlt of the rectangle.
void drawDIB(HDC dc, int x, int y, int width, int height, HGLOBAL dib, int srcX, int srcY, int srcWidth, int srcHeight,
             DWORD rop = SRCCOPY);
