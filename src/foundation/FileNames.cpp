#include "foundation/FileNames.h"

#include <cerrno>
#include <cstdlib>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <vector>
#else
#include <filesystem>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace PV {
namespace Files {

namespace {

// Whether a component of the name is longer than file systems allow (255 characters
// of the system's own form). The C library may answer such a name with ENOENT (a
// missing folder before it, or the system's own choice), which would tell the user
// the file is missing.
template <class String>
bool hasOverlongComponent(const String& name) {
  constexpr size_t kLongestComponent = 255;
  size_t length = 0;
  for (auto c : name) {
    length = c == '\\' || c == '/' ? 0 : length + 1;
    if (length > kLongestComponent) return true;
  }
  return false;
}

}  // namespace

#ifdef _WIN32

namespace {

std::wstring convert(UINT codePage, DWORD flags, const std::string& text) {
  const int n = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), &wide[0], n);
  return wide;
}

}  // namespace

std::wstring toWide(const std::string& utf8) {
  if (utf8.empty()) return std::wstring();
  std::wstring wide = convert(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
  return wide.empty() ? convert(CP_ACP, 0, utf8) : wide;
}

std::string fromWide(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string utf8(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], n, nullptr, nullptr);
  return utf8;
}

std::string fromWide(const wchar_t* wide) { return wide ? fromWide(std::wstring(wide)) : std::string(); }

std::FILE* open(const std::string& name, const char* mode) {
  if (name.empty() || !mode) {
    errno = ENOENT;
    return nullptr;
  }
  const std::wstring wide = toWide(name);
  std::FILE* file = _wfopen(wide.c_str(), toWide(mode).c_str());
  if (!file && hasOverlongComponent(wide)) errno = ENAMETOOLONG;
  return file;
}

bool remove(const std::string& name) { return !name.empty() && DeleteFileW(toWide(name).c_str()) != 0; }

bool exists(const std::string& name) {
  return !name.empty() && GetFileAttributesW(toWide(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool isFolder(const std::string& name) {
  if (name.empty()) return false;
  const DWORD attributes = GetFileAttributesW(toWide(name).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool createFolders(const std::string& path) {
  const std::string full = fullPath(path);
  if (full.empty()) return false;
  if (isFolder(full)) return true;
  // Each folder from the top down; the ones that exist already fail harmlessly.
  for (size_t at = full.find('\\', 3); at != std::string::npos; at = full.find('\\', at + 1)) {
    CreateDirectoryW(toWide(full.substr(0, at)).c_str(), nullptr);
  }
  CreateDirectoryW(toWide(full).c_str(), nullptr);
  return isFolder(full);
}

std::string fullPath(const std::string& name) {
  if (name.empty()) return std::string();
  const std::wstring wide = toWide(name);
  const DWORD need = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (need == 0) return std::string();
  std::vector<wchar_t> buffer(need + 1, L'\0');
  const DWORD n = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
  if (n == 0 || n >= buffer.size()) return std::string();
  return fromWide(std::wstring(buffer.data(), n));
}

std::string nativeSeparators(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string environment(const char* name) {
  const std::wstring wideName = toWide(name ? name : "");
  const DWORD need = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (need == 0) return std::string();
  std::vector<wchar_t> buffer(need + 1, L'\0');
  const DWORD n = GetEnvironmentVariableW(wideName.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  return n == 0 || n >= buffer.size() ? std::string() : fromWide(std::wstring(buffer.data(), n));
}

std::string currentFolder() {
  const DWORD need = GetCurrentDirectoryW(0, nullptr);
  if (need == 0) return std::string();
  std::vector<wchar_t> buffer(need + 1, L'\0');
  const DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
  return n == 0 || n >= buffer.size() ? std::string() : fromWide(std::wstring(buffer.data(), n));
}

#else

std::FILE* open(const std::string& name, const char* mode) {
  if (name.empty() || !mode) {
    errno = ENOENT;
    return nullptr;
  }
  std::FILE* file = std::fopen(name.c_str(), mode);
  if (!file && hasOverlongComponent(name)) errno = ENAMETOOLONG;
  return file;
}

bool remove(const std::string& name) { return !name.empty() && std::remove(name.c_str()) == 0; }

bool exists(const std::string& name) {
  struct stat info;
  return !name.empty() && ::stat(name.c_str(), &info) == 0;
}

bool isFolder(const std::string& name) {
  struct stat info;
  return !name.empty() && ::stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool createFolders(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path), ignored);
  return isFolder(path);
}

std::string fullPath(const std::string& name) {
  if (name.empty()) return std::string();
  std::error_code error;
  const std::filesystem::path path = std::filesystem::absolute(std::filesystem::path(name), error);
  return error ? std::string() : path.string();
}

std::string nativeSeparators(std::string path) { return path; }

std::string environment(const char* name) {
  const char* value = name ? std::getenv(name) : nullptr;
  return value ? std::string(value) : std::string();
}

std::string currentFolder() {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::current_path(error);
  return error ? std::string() : path.string();
}

#endif

}  // namespace Files
}  // namespace PV
