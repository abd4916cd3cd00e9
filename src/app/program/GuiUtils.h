// Small services of the shell and the dialogs: the hourglass for the length of a
// scope, a bitmap's background recoloured to match its surroundings, and documents
// or web pages opened through the shell with an error box when that fails.
#pragma once

#include <windows.h>

#include "app/shared/BitmapColor.h"

#include <string>

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

// Opens the target with the verb through the shell; a known failure is shown in a box
// titled "ShellExecute Error" (owned by owner) and answers false.
bool shellExecute(const std::string& target, HWND owner, const char* verb = "open");

}  // namespace GUI
}  // namespace PV
