#include "app/services/AppFolders.h"

#include "foundation/FileNames.h"

namespace PV {
namespace App {

namespace {

std::string environment(const char* name) { return Files::environment(name); }

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::string defaultConfigDir() {
#ifdef _WIN32
  const std::string appData = environment("APPDATA");
  if (!appData.empty()) return appData + "\\Palvermontine";
  return "Palvermontine";
#else
  const std::string xdg = environment("XDG_CONFIG_HOME");
  if (!xdg.empty()) return xdg + "/palvermontine";
  const std::string home = environment("HOME");
  if (!home.empty()) return home + "/.config/palvermontine";
  return "palvermontine";
#endif
}

}  // namespace

std::string getConfigDirPath() {
  std::string path = environment(CONFIG_DIR_ENV);
  if (path.empty()) path = defaultConfigDir();
  // No final separator, except the one of a root ("/", "C:\\").
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\') && !(path.size() == 3 && path[1] == ':')) {
    path.pop_back();
  }
  Files::createFolders(path);
  return path;
}

std::string configFilePath(const std::string& fileName) {
  const std::string dir = getConfigDirPath();
  if (!dir.empty() && (dir.back() == '/' || dir.back() == '\\')) return dir + fileName;
  return dir + kSeparator + fileName;
}

}  // namespace App
}  // namespace PV
