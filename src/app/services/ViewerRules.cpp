#include "app/services/ViewerRules.h"

namespace PV {
namespace Util {

std::string commandPathFolder(const std::string& path) {
  std::string p = path;
  if (!p.empty() && p.front() == '"') {
    p.erase(0, 1);
    const std::string::size_type close = p.find('"');
    if (close != std::string::npos) p.erase(close);
  }
  const std::string::size_type n = p.find_last_of("\\/");
  if (n == std::string::npos || n == 0) return std::string();
  return p.substr(0, n);
}

const char* shellExecuteErrorText(long long code) {
  static const struct {
    long long code;
    const char* text;
  } table[] = {
      {0, "The operating system is out of memory or resources."},
      {2, "The specified file was not found."},
      {3, "The specified path was not found."},
      {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
      {5, "The operating system denied access to the specified file."},
      {27, "The filename association is incomplete or invalid."},
      {30, "The DDE transaction could not be completed because other DDE transactions were being processed."},
      {29, "The DDE transaction failed."},
      {28, "The DDE transaction could not be completed because the request timed out."},
      {32, "The specified dynamic-link library was not found."},
      {31, "There is no application associated with the given filename extension."},
      {8, "There was not enough memory to complete the operation."},
      {26, "A sharing violation occurred."},
  };
  if (code > 32) return nullptr;
  for (const auto& row : table) {
    if (row.code == code) return row.text;
  }
  return nullptr;
}

ShellCall viewerShellCall(ViewerCommand command, const std::string& file, bool useAcrobat,
                          const std::string& acrobatExe) {
  ShellCall call;
  const std::string quoted = "\"" + file + "\"";
  if (useAcrobat) {
    call.verb = "open";
    call.target = acrobatExe;
    if (!call.target.empty() && call.target.front() == '"') {
      call.target = call.target.substr(1, call.target.find('"', 1) - 1);
    }
    call.directory = commandPathFolder(acrobatExe);
    call.parameters = (command == VIEW_PRINT ? "/p " : command == VIEW_PRINT_HIDDEN ? "/p /h " : "") + quoted;
  } else {
    call.verb = command == VIEW_OPEN ? "open" : "print";
    call.target = file;
    call.directory = commandPathFolder(file);
  }
  return call;
}

}  // namespace Util
}  // namespace PV
