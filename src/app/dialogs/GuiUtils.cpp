#include "app/dialogs/GuiUtils.h"

#include "app/services/ViewerRules.h"

#include "framework/controls/zButton.h"
#include "xml/PalvermontineAppOptsFile.h"

#include <shellapi.h>

namespace PV {
namespace GUI {

Cursor::Cursor(LPCSTR id, HINSTANCE module) : previous_(SetCursor(LoadCursorA(module, id))) {}

Cursor::~Cursor() { SetCursor(previous_); }

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

void setOptionCheckBoxes(zCheckBox* first, zCheckBox* second) {
  const Data::PalvermontineAppOpts& options = XML::PalvermontineAppOptsFile::instance()->options();
  if (first) first->setCheck(options.get_defaultValuesAppOpts().get_openMostRecentFile() ? 1 : 0);
  if (second) second->setCheck(options.get_calcAppOpts().get_autoUpdateSolutionWindow() ? 1 : 0);
}

bool shellExecute(const std::string& target, HWND owner, const char* verb) {
  const HINSTANCE rc = ShellExecuteA(nullptr, verb, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  const long long code = static_cast<long long>(reinterpret_cast<INT_PTR>(rc));
  if (const char* text = Util::shellExecuteErrorText(code)) {
    MessageBoxA(owner, text, "ShellExecute Error", MB_OK | MB_ICONSTOP);
    return false;
  }
  return true;
}

}  // namespace GUI
}  // namespace PV
