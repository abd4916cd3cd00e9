#include "model/FileUtils.h"

#include <cctype>
#include <cerrno>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace PV {
namespace Util {

void trimChar(std::string& text, int mode, char ch) {
  if (text.empty()) return;
  const std::size_t first = text.find_first_not_of(ch);
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  const std::size_t last = text.find_last_not_of(ch);
  switch (mode) {
    case 0:
      text = text.substr(first);
      break;
    case 1:
      text = text.substr(0, last + 1);
      break;
    case 2:
      text = text.substr(first, last - first + 1);
      break;
    default:
      break;
  }
}

int replaceFile(const char* source, const char* target) {
  // A target that cannot be opened for writing could not be deleted either.
  FILE* existing = std::fopen(target, "r+b");
  if (existing == nullptr) return -1;
  std::fclose(existing);
  bool moved = false;
  for (int attempt = 0; attempt < 31 && !moved; ++attempt) {
#ifdef _WIN32
    // Windows' rename refuses an existing target; this move replaces it in one step.
    moved = MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!moved) errno = EACCES;
#else
    moved = std::rename(source, target) == 0;
#endif
  }
  return moved ? 0 : -1;
}

std::string safeFileName(const std::string& stem, const std::string& extension) {
  std::string base;
  for (char c : stem) {
    const auto u = static_cast<unsigned char>(c);
    const bool bad = u < 0x20 || u == 0x7F || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' ||
                     c == '<' || c == '>' || c == '|';
    base += bad ? '_' : c;
  }
  // Windows drops trailing dots and blanks from a name.
  if (!base.empty() && (base.back() == '.' || base.back() == ' ')) base.back() = '_';
  if (base.empty()) base = "model";
  // Names of devices, in any case, would open the device instead of a file.
  std::string upper;
  for (char c : base) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::string device = upper.substr(0, upper.find('.'));
  bool isDevice = device == "CON" || device == "PRN" || device == "AUX" || device == "NUL";
  if (device.size() == 4 && (device.compare(0, 3, "COM") == 0 || device.compare(0, 3, "LPT") == 0) &&
      device[3] >= '0' && device[3] <= '9') {
    isDevice = true;
  }
  if (isDevice) base = "_" + base;
  return base + extension;
}

long fileSize(FILE* file) {
  const long position = std::ftell(file);
  std::fseek(file, 0, SEEK_END);
  const long size = std::ftell(file);
  std::fseek(file, position, SEEK_SET);
  return size;
}

}  // namespace Util
}  // namespace PV
