// A bitmap's background recoloured to match its surroundings: the pictures of the
// toolbar and of the model windows are drawn on a colour of their own, which takes the
// colour of what they stand on when they are loaded.
#pragma once

#include <windows.h>

namespace PV {
namespace GUI {

// Every pixel of the colour of the reference pixel (x, y; each 0 or 1) takes the new
// colour; false when the bitmap cannot be drawn on or the reference lies elsewhere.
bool replaceBitmapColor(HBITMAP bitmap, COLORREF newColor, int x = 0, int y = 0);
// The opposite: every pixel of another colour than the reference pixel (0, 0) takes
// the new colour, so that a drawn shape on a plain background shows the colour.
bool replaceOtherBitmapColors(HBITMAP bitmap, COLORREF newColor);

}  // namespace GUI
}  // namespace PV
