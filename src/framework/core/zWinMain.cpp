// The program's entry: the application object around the program's main routine.
#include "framework/core/zProgram.h"
#include "foundation/CommandLineWords.h"
#include "foundation/FileNames.h"

#include <cstring>
#include <string>

namespace {

// The process's arguments after the program's name as UTF-8, from its wide command
// line. The narrow text the C runtime hands WinMain is not used for them: it is in the
// ANSI code page, which holds no Greek, and the runtime's start-up drops the first byte
// of a first argument that begins with a letter outside ASCII (an unquoted accented
// first letter is lost).
std::string argumentsAsUtf8() {
  const wchar_t* line = GetCommandLineW();
  return PV::CommandLine::afterProgramName(PV::Files::fromWide(line ? line : L""));
}

// Whether the text WinMain was handed is the process's own arguments: the C runtime
// hands the tail of the process's narrow command line. A caller that hands WinMain a
// text of its own gets that text.
bool isProcessArguments(const char* given) {
  const char* line = GetCommandLineA();
  if (!given || !line) return true;
  const size_t n = std::strlen(line);
  const size_t m = std::strlen(given);
  return m <= n && std::memcmp(line + n - m, given, m) == 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR commandLine, int showCommand) {
  std::string arguments = isProcessArguments(commandLine) ? argumentsAsUtf8() : std::string(commandLine);
  return zProgramEntry(instance, prevInstance, &arguments[0], showCommand, &zProgramMain,
                       zProgramOpensWindows(arguments.c_str()));
}
