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

// Hands a document (or a program with its parameters) to the shell to be shown and
// watches the program that takes it for a moment: empty when it took the document,
// else why it was not shown. A program that ends at once with a failure code showed
// nothing (Wine's stand-in for a viewer ends so when there is none behind it); one
// that waits for input, or ends with success (having handed the document on), did.
// While it watches, the calling thread's windows keep painting and answer messages sent
// to them; input waits until it returns. The names are UTF-8.
std::string showThroughShell(const std::string& verb, const std::string& target, const std::string& parameters = "",
                             const std::string& directory = "");

}  // namespace GUI
}  // namespace PV
