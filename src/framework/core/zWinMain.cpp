// The program's entry: the application object around the program's main routine.
#include "framework/core/zProgram.h"
#include "foundation/CommandLineWords.h"
#include "foundation/FileNames.h"

#include <string>

namespace {

// The arguments after the program's name as UTF-8, from the process's wide command
// line. The narrow text WinMain gets is not used: it is in the ANSI code page, which
// holds no Greek, and the C runtime's start-up drops the first byte of a first argument
// that begins with a letter outside ASCII (an unquoted accented first letter is lost).
std::string argumentsAsUtf8() {
  const wchar_t* line = GetCommandLineW();
  return PV::CommandLine::afterProgramName(PV::Files::fromWide(line ? line : L""));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR commandLine, int showCommand) {
  (void)commandLine;
  std::string arguments = argumentsAsUtf8();
  return zProgramEntry(instance, prevInstance, &arguments[0], showCommand, &zProgramMain);
}
