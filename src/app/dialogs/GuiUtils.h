// Small services of the shell and the dialogs: the hourglass for the length of a
// scope, a bitmap's background recoloured to match its surroundings, the two option
// check boxes of the model editors, and documents or web pages opened through the
// shell with an error box when that fails.
#pragma once

#include <windows.h>

#include "app/shared/BitmapColor.h"

#include <string>

class zCheckBox;

namespace PV {
namespace GUI {

// Makes a cursor current for the object's lifetime, then restores the previous one.
class Cursor {
 public:
  Cursor(LPCSTR id, HINSTANCE module);
  ~Cursor();
  Cursor(const Cursor&) = delete;
  Cursor& operator=(const Cursor&) = delete;

 private:
  HCURSOR previous_;
};

class WaitCursor : public Cursor {
 public:
  WaitCursor() : Cursor(IDC_WAIT, nullptr) {}
};

// Checks the first box by the application option openMostRecentFile ("Auto Update")
// and the second by autoUpdateSolutionWindow ("Auto Recalc"); either may be null.
void setOptionCheckBoxes(zCheckBox* first, zCheckBox* second);

// Opens the target with the verb through the shell; a known failure is shown in a box
// titled "ShellExecute Error" (owned by owner) and answers false.
bool shellExecute(const std::string& target, HWND owner, const char* verb = "open");

}  // namespace GUI
}  // namespace PV
