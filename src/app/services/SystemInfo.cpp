#include "app/services/SystemInfo.h"

#include "foundation/Assert.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/utsname.h>
#endif

namespace PV {
namespace Util {

std::string osNameFor(unsigned platform, unsigned major, unsigned minor) {
  if (platform == 0) return "Microsoft Win32s";
  if (platform == 1) {
    if (major == 4 && minor == 0) return "Microsoft Windows 95";
    if (major == 4 && minor == 10) return "Microsoft Windows 98";
    if (major == 4 && minor == 90) return "Microsoft Windows Millennium Edition";
    return "";
  }
  if (platform == 2) {
    if (major == 6 && minor == 1) return "Windows 7";
    if (major == 6 && minor == 0) return "Windows Vista";
    if (major == 5 && minor == 2) return "XP56 or Microsoft Windows Server 2003";
    if (major == 5 && minor == 1) return "Microsoft Windows XP";
    if (major == 5 && minor == 0) return "Microsoft Windows 2000";
    if (major < 5) return "Microsoft Windows NT";
    return "Unknown";
  }
  return "";
}

WindowsOSVersion::WindowsOSVersion() {
#ifdef _WIN32
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  const BOOL ok = ::GetVersionExA(&info);
  PV_ASSERT(ok && "GetVersionEx(LPOSVERSIONINFO) failed");
  name_ = osNameFor(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
  versionNumbers_ = std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion) + "." +
                    std::to_string(info.dwBuildNumber);
  servicePack_ = info.szCSDVersion;
#else
  struct utsname host {};
  if (uname(&host) == 0) {
    name_ = host.sysname;
    versionNumbers_ = host.release;
  }
#endif
}

std::string logonUserName() {
#ifdef _WIN32
  // Taken wide and handed on as UTF-8, the program's own text: the name is written into
  // the options file, whose writer reads its text as UTF-8 (an account name in the
  // screen's code page would reach it as broken sequences).
  wchar_t buffer[260];
  DWORD size = sizeof(buffer) / sizeof(buffer[0]);
  if (!::GetUserNameW(buffer, &size) || size <= 1) return "";
  const int length = ::WideCharToMultiByte(CP_UTF8, 0, buffer, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return "";
  std::string name(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, buffer, -1, &name[0], length, nullptr, nullptr);
  name.resize(static_cast<size_t>(length) - 1);
  return name;
#else
  const char* user = std::getenv("USER");
  return user != nullptr ? std::string(user) : std::string();
#endif
}

}  // namespace Util
}  // namespace PV
