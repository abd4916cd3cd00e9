#include "app/dialogs/GuiUtils.h"

#include "app/services/ViewerRules.h"
#include "foundation/FileNames.h"
#include "framework/controls/zButton.h"
#include "xml/PalvermontineAppOptsFile.h"

#include <shellapi.h>

namespace PV {
namespace GUI {

Cursor::Cursor(LPCSTR id, HINSTANCE module) : previous_(SetCursor(LoadCursorA(module, id))) {}

Cursor::~Cursor() { SetCursor(previous_); }

void setOptionCheckBoxes(zCheckBox* first, zCheckBox* second) {
  const Data::PalvermontineAppOpts& options = XML::PalvermontineAppOptsFile::instance()->options();
  if (first) first->setCheck(options.get_defaultValuesAppOpts().get_openMostRecentFile() ? 1 : 0);
  if (second) second->setCheck(options.get_calcAppOpts().get_autoUpdateSolutionWindow() ? 1 : 0);
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
