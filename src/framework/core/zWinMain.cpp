// The program's entry: the application object around the program's main routine.
#include "framework/core/zProgram.h"
#include "foundation/FileNames.h"

#include <cstring>
#include <string>

namespace {

// The arguments of the process's wide command line, after the program's own name,
// which is skipped as Windows skips it: a quoted first word to its closing quote,
// else up to the first blank.
std::wstring wideArguments() {
  const wchar_t* line = GetCommandLineW();
  if (!line) return std::wstring();
  if (*line == L'"') {
    ++line;
    while (*line && *line != L'"') ++line;
    if (*line == L'"') ++line;
  } else {
    while (*line && *line != L' ' && *line != L'\t') ++line;
  }
  while (*line == L' ' || *line == L'\t') ++line;
  return line;
}

// The command line as UTF-8. The narrow text WinMain gets is in the ANSI code page,
// which holds no Greek and turns file names outside it into other names; when it is
// the process's own arguments (as it is when Windows starts the program), their wide
// form is taken instead. A caller that hands WinMain a text of its own gets that.
std::string argumentsAsUtf8(const char* given) {
  const std::wstring wide = wideArguments();
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(n > 0 ? static_cast<size_t>(n) : 1, '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &narrow[0], n, nullptr, nullptr);
  narrow.resize(std::strlen(narrow.c_str()));
  if (given && narrow != given) return given;
  return PV::Files::fromWide(wide);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR commandLine, int showCommand) {
  std::string arguments = argumentsAsUtf8(commandLine);
  return zProgramEntry(instance, prevInstance, &arguments[0], showCommand, &zProgramMain,
                       zProgramOpensWindows(arguments.c_str()));
}
