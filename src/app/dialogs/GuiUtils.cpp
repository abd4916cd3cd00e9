#include "app/dialogs/GuiUtils.h"

#include "app/services/ViewerRules.h"
#include "foundation/FileNames.h"
#include "framework/controls/zButton.h"
#include "framework/core/zProgram.h"
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
  // The shell may hand the target to a handler of its own, an OLE object.
  zStartOle();
  const HINSTANCE rc = ShellExecuteW(nullptr, Files::toWide(verb ? verb : "").c_str(), Files::toWide(target).c_str(),
                                     nullptr, nullptr, SW_SHOWNORMAL);
  const long long code = static_cast<long long>(reinterpret_cast<INT_PTR>(rc));
  if (const char* text = Util::shellExecuteErrorText(code)) {
    MessageBoxA(owner, text, "ShellExecute Error", MB_OK | MB_ICONSTOP);
    return false;
  }
  return true;
}

std::string showThroughShell(const std::string& verb, const std::string& target, const std::string& parameters,
                             const std::string& directory) {
  const std::wstring wideVerb = Files::toWide(verb);
  const std::wstring wideTarget = Files::toWide(target);
  const std::wstring wideParameters = Files::toWide(parameters);
  const std::wstring wideDirectory = Files::toWide(directory);
  zStartOle();  // as in shellExecute
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = wideVerb.c_str();
  info.lpFile = wideTarget.c_str();
  info.lpParameters = wideParameters.empty() ? nullptr : wideParameters.c_str();
  info.lpDirectory = wideDirectory.empty() ? nullptr : wideDirectory.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&info)) {
    const long long code = static_cast<long long>(reinterpret_cast<INT_PTR>(info.hInstApp));
    const char* text = Util::shellExecuteErrorText(code);
    return text ? text : "No program is registered to show the file";
  }
  if (!info.hProcess) return std::string();  // handed to a program that was already running
  // How long a program that takes the document may take to fail. The window stays drawn
  // meanwhile: paints and messages sent by other threads are answered, while input and
  // posted commands wait in the queue, so that nothing the user does runs inside this wait.
  constexpr DWORD kWatchMs = 3000, kStepMs = 50;
  std::string why;
  const DWORD start = GetTickCount();
  for (DWORD waited = 0; waited < kWatchMs; waited = GetTickCount() - start) {
    const DWORD step = kWatchMs - waited < kStepMs ? kWatchMs - waited : kStepMs;
    const DWORD woke = MsgWaitForMultipleObjects(1, &info.hProcess, FALSE, step, QS_PAINT | QS_SENDMESSAGE);
    if (woke == WAIT_OBJECT_0) {
      DWORD code = 0;
      if (GetExitCodeProcess(info.hProcess, &code) && code != 0)
        why =
            "The program registered to show the file ended without showing it (exit code " + std::to_string(code) + ")";
      break;
    }
    if (woke == WAIT_OBJECT_0 + 1) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) DispatchMessageW(&msg);
    } else if (woke == WAIT_FAILED) {
      break;
    }
    if (WaitForInputIdle(info.hProcess, 0) == 0) break;  // up and waiting for its user
  }
  CloseHandle(info.hProcess);
  return why;
}

}  // namespace GUI
}  // namespace PV
