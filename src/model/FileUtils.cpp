#include "model/FileUtils.h"
#include "foundation/FileNames.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace PV {
namespace Util {

namespace {
constexpr const char* kReadOnlyTarget = "the file is read-only";
}  // namespace

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

std::string systemErrorText(int err) {
  const char* text = std::strerror(err);
  return text != nullptr && *text != '\0' ? std::string(text) : "error " + std::to_string(err);
}

bool renameOver(const std::string& source, const std::string& target, std::string& why) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(Files::toWide(target).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    why = kReadOnlyTarget;
    errno = EACCES;
    return false;
  }
  if (MoveFileExW(Files::toWide(source).c_str(), Files::toWide(target).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  const DWORD code = GetLastError();
  char text[512] = {0};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                           sizeof text, nullptr);
  while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == ' ' || text[n - 1] == '.')) --n;
  why = n > 0 ? std::string(text, n) : "system error " + std::to_string(code);
  errno = EACCES;
  return false;
#else
  struct stat status;
  if (stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode) && (status.st_mode & S_IWUSR) == 0) {
    why = kReadOnlyTarget;
    errno = EACCES;
    return false;
  }
  errno = 0;
  if (std::rename(source.c_str(), target.c_str()) == 0) return true;
  why = systemErrorText(errno);
  return false;
#endif
}

int replaceFile(const char* source, const char* target) {
  // A target that cannot be opened for writing could not be deleted either.
  FILE* existing = Files::open(target ? target : "", "r+b");
  if (existing == nullptr) return -1;
  std::fclose(existing);
  std::string why;
  for (int attempt = 0; attempt < 31; ++attempt) {
    if (renameOver(source, target, why)) return 0;
  }
  return -1;
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
