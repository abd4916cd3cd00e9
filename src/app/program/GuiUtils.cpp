#include "app/program/GuiUtils.h"

#include "app/program/ViewerRules.h"
#include "foundation/FileNames.h"

#include <shellapi.h>

namespace PV {
namespace GUI {

Cursor::Cursor(LPCSTR id, HINSTANCE module) : previous_(SetCursor(LoadCursorA(module, id))) {}

Cursor::~Cursor() { SetCursor(previous_); }

bool replaceBitmapColor(HBITMAP bitmap, COLORREF newColor, int x, int y) {
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
        if (GetPixel(dc, px, py) == reference) SetPixel(dc, px, py, newColor);
      }
    }
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return reference != CLR_INVALID;
}

bool shellExecute(const std::string& target, HWND owner, const char* verb) {
  const HINSTANCE rc = ShellExecuteW(nullptr, Files::toWide(verb ? verb : "").c_str(), Files::toWide(target).c_str(),
                                     nullptr, nullptr, SW_SHOWNORMAL);
  const long long code = static_cast<long long>(reinterpret_cast<INT_PTR>(rc));
  if (const char* text = Util::shellExecuteErrorText(code)) {
    MessageBoxA(owner, text, "ShellExecute Error", MB_OK | MB_ICONSTOP);
    return false;
  }
  return true;
}

}  // namespace GUI
}  // namespace PV
