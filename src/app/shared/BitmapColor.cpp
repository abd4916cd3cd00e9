#include "app/shared/BitmapColor.h"

namespace PV {
namespace GUI {

namespace {

// Walks the bitmap column by column; a pixel whose colour is (matching) or is not
// (!matching) the reference pixel's takes the new colour.
bool recolour(HBITMAP bitmap, COLORREF newColor, bool matching, int x, int y) {
  // The reference is a corner pixel; anything else would be a caller's slip, refused.
  if (!bitmap || x < 0 || y < 0 || x > 1 || y > 1) return false;
  BITMAP info = {};
  if (!GetObjectA(bitmap, sizeof info, &info)) return false;
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return false;
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF reference = GetPixel(dc, x, y);
  if (reference != CLR_INVALID) {
    for (int px = 0; px < info.bmWidth; ++px) {
      for (int py = 0; py < info.bmHeight; ++py) {
        if ((GetPixel(dc, px, py) == reference) == matching) SetPixel(dc, px, py, newColor);
      }
    }
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return reference != CLR_INVALID;
}

}  // namespace

bool replaceBitmapColor(HBITMAP bitmap, COLORREF newColor, int x, int y) {
  return recolour(bitmap, newColor, true, x, y);
}

bool replaceOtherBitmapColors(HBITMAP bitmap, COLORREF newColor) { return recolour(bitmap, newColor, false, 0, 0); }

}  // namespace GUI
}  // namespace PV
