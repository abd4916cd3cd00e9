// The window-free rules of the PDF viewer launcher: the folder of a program path as
// the registry holds it (quoted or not), the text of a failed shell call, and the
// parts of the shell call for a command.
#pragma once

#include <string>

namespace PV {
namespace Util {

// The folder of a path, without its last separator and without the opening
// quotation mark of a quoted path; empty when the path names no folder.
std::string commandPathFolder(const std::string& path);

// The message for a shell-call result of 32 or less; null for a result that is not
// a known failure.
const char* shellExecuteErrorText(long long code);

struct ShellCall {
  std::string verb;
  std::string target;
  std::string parameters;
  std::string directory;
};

enum ViewerCommand { VIEW_OPEN = 0, VIEW_PRINT = 1, VIEW_PRINT_HIDDEN = 2 };

// The shell call for a command on a file: Acrobat's program with its switches, or
// the file itself with the verb "open" or "print" for the default reader.
ShellCall viewerShellCall(ViewerCommand command, const std::string& file, bool useAcrobat,
                          const std::string& acrobatExe);

}  // namespace Util
}  // namespace PV
