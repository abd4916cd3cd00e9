// The one entry from Windows into the framework's window procedures. Every procedure
// that the system calls (the windows' procedures, the hooks) runs its body through
// ziFromSystem: an exception that a handler lets escape stops there, is reported with
// its text, and never unwinds through the system's frames, which were not built for it
// and would leave the system's state (a modal loop, a capture, a menu) half done.
//
// The report goes through the assertion: the text on standard error and the program
// ends, as for any broken contract, since the handler's work was left half done. A
// test may install a reporter of its own that only records.
#pragma once

#include <windows.h>

#include <exception>

// Receives the procedure's name and the exception's text.
using ziEscapeReporter = void (*)(const char* procedure, const char* text);
// Installs a reporter (null: the assertion's) and returns the previous one.
ziEscapeReporter ziSetEscapeReporter(ziEscapeReporter reporter);
void ziReportEscape(const char* procedure, const char* text) noexcept;

// Runs the body; an exception is reported and the message answered 0.
template <class Body>
LRESULT ziFromSystem(const char* procedure, Body body) noexcept {
  try {
    return body();
  } catch (const std::exception& e) {
    ziReportEscape(procedure, e.what());
  } catch (...) {
    ziReportEscape(procedure, "an exception of no standard type");
  }
  return 0;
}
