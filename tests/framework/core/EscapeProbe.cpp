// A program whose window handler throws: the window procedure's entry must report the
// exception through the assertion, with its text, and end the program there, never
// unwinding through the system's frames. Built as a GUI-subsystem program, so nothing
// may wait for a click either.
#include <windows.h>

#include <stdexcept>

#include "framework/core/zProgram.h"
#include "framework/core/zProgramFrame.h"

namespace {

struct Thrower {
  int onMessage(zEvent*) { throw std::runtime_error("the handler gave up"); }
};

}  // namespace

int main() {
  static char commandLine[] = "";
  zProgram program(GetModuleHandleA(nullptr), nullptr, commandLine, SW_HIDE);
  zTheProgram = &program;
  zProgramFrame frame(nullptr, nullptr, WS_OVERLAPPEDWINDOW, "Escape probe");
  Thrower thrower;
  frame.addMessageHandler(&thrower, &Thrower::onMessage, WM_USER + 1);
  SendMessageA(frame.handle(), WM_USER + 1, 0, 0);
  return 0;  // not reached: the report ends the program
}
