// The application's configuration folder: where the two option files and the
// recent-files list live.
//
// The environment variable PALVERMONTINE_CONFIG_DIR, when set and not empty, names
// the folder (tests and side-by-side installations use it). Otherwise it is
// "%APPDATA%\Palvermontine" on Windows and "$XDG_CONFIG_HOME/palvermontine" (or
// "$HOME/.config/palvermontine") elsewhere. The folder is created when missing.
#pragma once

#include <string>

namespace PV {
namespace App {

inline constexpr const char* CONFIG_DIR_ENV = "PALVERMONTINE_CONFIG_DIR";

// The folder's path, without a final separator, after making sure it exists
// (a folder that cannot be created is still named; opening a file in it fails).
std::string getConfigDirPath();

// The path of a file in the configuration folder, joined with the platform's
// separator.
std::string configFilePath(const std::string& fileName);

}  // namespace App
}  // namespace PV
