// The program's entry: the application object around the program's main routine.
#include "framework/core/zProgram.h"
#include "foundation/FileNames.h"

#include <string>

namespace {

// The arguments of the command line as UTF-8, from its wide form: the narrow one that
// WinMain gets is in the ANSI code page, which holds no Greek and turns file names
// outside it into other names. The program's own name is skipped as Windows skips
// it: a quoted first word to its closing quote, else up to the first blank.
std::string argumentsAsUtf8() {
  const wchar_t* line = GetCommandLineW();
  if (!line) return std::string();
  if (*line == L'"') {
    ++line;
    while (*line && *line != L'"') ++line;
    if (*line == L'"') ++line;
  } else {
    while (*line && *line != L' ' && *line != L'\t') ++line;
  }
  while (*line == L' ' || *line == L'\t') ++line;
  return PV::Files::fromWide(line);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR, int showCommand) {
  std::string arguments = argumentsAsUtf8();
  return zProgramEntry(instance, prevInstance, &arguments[0], showCommand, &zProgramMain);
}
