#include "app/shared/BitmapColor.h"

#include <cstdint>
#include <vector>

namespace PV {
namespace GUI {

namespace {

// A COLORREF (0x00bbggrr) as a pixel of a 32-bit DIB (0x00rrggbb), and back.
uint32_t dibPixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// The pixels are read and written as one 32-bit DIB rather than one by one: a toolbar
// strip is thousands of pixels, and each GetPixel and SetPixel is a call into the
// drawing library that costs more than the whole comparison. A pixel whose colour is
// (matching) or is not (!matching) the reference pixel's takes the new colour.
bool recolour(HBITMAP bitmap, COLORREF newColor, bool matching, int x, int y) {
  // The reference is a corner pixel; anything else would be a caller's slip, refused.
  if (!bitmap || x < 0 || y < 0 || x > 1 || y > 1) return false;
  BITMAP info = {};
  if (!GetObjectA(bitmap, sizeof info, &info)) return false;
  if (x >= info.bmWidth || y >= info.bmHeight) return false;
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  format.bmiHeader.biWidth = info.bmWidth;
  format.bmiHeader.biHeight = -info.bmHeight;  // top-down: row 0 first
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t> pixels(static_cast<size_t>(info.bmWidth) * static_cast<size_t>(info.bmHeight));
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return false;
  bool done = false;
  if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &format, DIB_RGB_COLORS) ==
      info.bmHeight) {
    // The fourth byte is no colour: it is neither compared nor changed.
    const uint32_t reference = pixels[static_cast<size_t>(y) * static_cast<size_t>(info.bmWidth) + x] & 0xFFFFFFu;
    const uint32_t replacement = dibPixel(newColor);
    for (uint32_t& pixel : pixels) {
      if (((pixel & 0xFFFFFFu) == reference) == matching) pixel = (pixel & 0xFF000000u) | replacement;
    }
    done = SetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &format, DIB_RGB_COLORS) ==
           info.bmHeight;
  }
  DeleteDC(dc);
  return done;
}

}  // namespace

bool replaceBitmapColor(HBITMAP bitmap, COLORREF newColor, int x, int y) {
  return recolour(bitmap, newColor, true, x, y);
}

bool replaceOtherBitmapColors(HBITMAP bitmap, COLORREF newColor) { return recolour(bitmap, newColor, false, 0, 0); }

}  // namespace GUI
}  // namespace PV
