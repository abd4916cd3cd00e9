#include "app/program/MainWindowSupport.h"

#include "app/program/ShellServices.h"
#include "foundation/FileNames.h"

#include <cctype>
#include <cstdio>

namespace PV {
namespace App {
namespace MainWindow {

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string fileNamePart(const std::string& path) {
  const std::string::size_type at = path.find_last_of('\\');
  return at == std::string::npos ? path : path.substr(at + 1);
}

std::string fullPathOf(const std::string& name) { return Files::fullPath(name); }

bool canRead(const std::string& path) {
  std::FILE* in = Files::open(path, "rb");
  if (!in) return false;
  std::fclose(in);
  return true;
}

std::string documentFolder() {
  const std::string folder = documentsFolder();
  return folder.empty() ? std::string(".") : folder;
}

}  // namespace MainWindow
}  // namespace App
}  // namespace PV
