#include "report/ReportFileName.h"

#include "foundation/FileNames.h"

#include "model/FileUtils.h"

#include <cerrno>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

namespace PV {
namespace Report {

namespace {
bool isControl(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7F;
}

bool isAsciiPunctuation(char c) {
  return (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) || (c >= 0x7B && c <= 0x7E);
}

std::string::size_type lastSeparator(const std::string& path) { return path.find_last_of("\\/"); }
}  // namespace

std::string defaultReportFileName(const std::string& modelName) {
  std::string name = modelName;
  for (char& c : name) {
    if (c == ' ' || isControl(c) || (isAsciiPunctuation(c) && c != '-' && c != '.' && c != '_')) c = '_';
  }
  return PV::Util::safeFileName(name, ".pdf");
}

bool isRootedReportPath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return true;
  if (path.size() >= 2 && path[1] == ':') return true;
  const std::string::size_type firstBackslash = path.find('\\');
  return firstBackslash == 0 || firstBackslash == 2;
}

std::string reportPathFile(const std::string& requestedName, const std::string& modelName,
                           const std::string& currentFolder, char separator) {
  const std::string name = requestedName.empty() ? defaultReportFileName(modelName) : requestedName;
  if (isRootedReportPath(name) || currentFolder.empty()) return name;
  return currentFolder + separator + name;
}

std::string insertTimestamp(const std::string& path, const std::string& stamp) {
  std::string insert = "_" + stamp;
  for (char& c : insert) {
    if (c == ':') c = '-';
  }
  const std::string::size_type dot = path.find_last_of('.');
  const std::string::size_type sep = lastSeparator(path);
  // Only a full stop inside the file name counts; one in a folder name does not.
  if (dot == std::string::npos || (sep != std::string::npos && dot < sep)) return path + insert;
  return path.substr(0, dot) + insert + path.substr(dot);
}

std::string fileNameOf(const std::string& path) {
  const std::string::size_type sep = lastSeparator(path);
  return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string folderOf(const std::string& path) {
  const std::string::size_type sep = lastSeparator(path);
  return sep == std::string::npos ? std::string() : path.substr(0, sep);
}

std::string currentWorkingFolder() { return PV::Files::currentFolder(); }

char folderSeparator() {
#ifdef _WIN32
  return '\\';
#else
  return '/';
#endif
}

}  // namespace Report
}  // namespace PV
