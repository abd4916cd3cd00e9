// File names, the one way for the whole system: every name is carried as UTF-8 and
// handed to the operating system only here.
//
// On Windows the narrow C library and the "A" forms of the system calls read a name
// in the ANSI code page, which garbles any name outside plain ASCII (and cannot hold
// Greek at all on a Western system). So the calls below convert the UTF-8 name to
// UTF-16 once and use _wfopen and the "W" calls; names coming back from the system
// (full paths, environment values, folders) are converted to UTF-8 the same way.
// Elsewhere names are UTF-8 already and go to the C library as they are.
//
// A name that is not valid UTF-8 (a list file written by an older program that
// stored names in the ANSI code page) is read in that code page instead, so such a
// name still opens the file it named. Nothing here ends the program: a failure is a
// null file, false, or an empty text, with errno or the system's last error set.
#pragma once

#include <cstdio>
#include <string>

namespace PV {
namespace Files {

// Opens the file of this UTF-8 name, with fopen's mode; null when it cannot.
std::FILE* open(const std::string& name, const char* mode);

// Deletes the file; true when it was deleted.
bool remove(const std::string& name);

// True when a file or folder of this name exists.
bool exists(const std::string& name);

// True when a folder of this name exists.
bool isFolder(const std::string& name);

// Creates the folder and the folders above it that are missing; true when the folder
// exists afterwards.
bool createFolders(const std::string& path);

// The full path of a name (relative to the current folder), in the system's own
// form: on Windows with backslashes throughout. Empty when the name is empty or the
// system cannot make a path of it.
std::string fullPath(const std::string& name);

// The path with the system's separator throughout: on Windows every '/' becomes
// '\', elsewhere the path is returned as it is. For paths shown to a user.
std::string nativeSeparators(std::string path);

// The value of an environment variable as UTF-8; empty when it is not set.
std::string environment(const char* name);

// The current folder as UTF-8; empty when the system cannot tell it.
std::string currentFolder();

#ifdef _WIN32
// UTF-8 to UTF-16 for the "W" calls (invalid UTF-8 is read in the ANSI code page),
// and back.
std::wstring toWide(const std::string& utf8);
std::string fromWide(const std::wstring& wide);
std::string fromWide(const wchar_t* wide);
#endif

}  // namespace Files
}  // namespace PV
