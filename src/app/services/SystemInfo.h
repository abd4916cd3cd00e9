// What the program asks of the machine: the operating system's name and version
// and the logged-on user's name. Windows asks the system; other builds give plain
// stand-ins, so the portable code and its tests run anywhere.
#pragma once

#include <string>

namespace PV {
namespace Util {

// The operating system's name for a platform id (0 Win32s, 1 Windows 9x, 2 NT) and
// version; "" for combinations without a name.
std::string osNameFor(unsigned platform, unsigned major, unsigned minor);

class WindowsOSVersion {
 public:
  WindowsOSVersion();
  const std::string& name() const { return name_; }
  // Major, minor and build number in decimal, separated by ".".
  const std::string& versionNumbers() const { return versionNumbers_; }
  const std::string& servicePack() const { return servicePack_; }

 private:
  std::string name_;
  std::string versionNumbers_;
  std::string servicePack_;
};

// The logged-on account's name in UTF-8, or "" when the system gives none.
std::string logonUserName();

}  // namespace Util
}  // namespace PV
