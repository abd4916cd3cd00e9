// How the report file is named: the path asked for, or one made from the model's
// name in the current folder; and the time stamp put into the name. Pure string
// functions, so that both builds test them with the same Windows paths.
#pragma once

#include <string>

namespace PV {
namespace Report {

// The model name with every blank and ASCII punctuation character other than '-',
// '.' and '_' replaced by '_', then made safe as a file name (a trailing dot, an
// empty name, a device name such as "CON": PV::Util::safeFileName), then ".pdf".
std::string defaultReportFileName(const std::string& modelName);

// True for "\x", "C:...", "\\server..." (a backslash third) and "/x": the path is
// used as it stands; any other path is taken relative to the current folder.
bool isRootedReportPath(const std::string& path);

// The report file's full path: the requested name (or the default one) with the
// current folder and the separator in front unless it is rooted.
std::string reportPathFile(const std::string& requestedName, const std::string& modelName,
                           const std::string& currentFolder, char separator);

// Puts "_" + stamp (every ':' turned into '-') in front of the last '.' of the file
// name part, or at the end when the file name has none.
std::string insertTimestamp(const std::string& path, const std::string& stamp);

// The part of a path after its last folder separator (the whole path without one),
// and the part before it.
std::string fileNameOf(const std::string& path);
std::string folderOf(const std::string& path);

// The current working folder, or empty when it cannot be read; and the separator
// that joins a folder and a file name in this build.
std::string currentWorkingFolder();
char folderSeparator();

}  // namespace Report
}  // namespace PV
