// Small text and file helpers of the model layer.
#pragma once

#include <cstdio>
#include <string>

namespace PV {
namespace Util {

// Removes the character ch from the start of the text (mode 0), its end (mode 1)
// or both ends (mode 2). A text made only of ch becomes empty in every mode.
void trimChar(std::string& text, int mode, char ch);

// The system's text for a C library error number, "error N" when it has none.
std::string systemErrorText(int err);

// Renames the source over the target in one step, replacing a target that exists
// (Windows' own rename refuses one); true on success, else false with `why` the
// system's reason. The target stays as it was until the rename succeeds. A read-only
// target is refused: a rename would replace it (under Wine as on POSIX systems) where
// the user marked it to be kept.
bool renameOver(const std::string& source, const std::string& target, std::string& why);

// Replaces the target file by the source: fails at once when the target is missing
// or cannot be written over, else renames the source over it, trying up to 31
// times. The target stays as it was until the rename succeeds, so a failure never
// loses both files. 0 on success, -1 on failure (errno set).
int replaceFile(const char* source, const char* target);

// A name that is safe as a file name in a folder on Windows and elsewhere, made of
// stem and extension (for example ".log"): characters no file name may hold (control
// characters and / \ : * ? " < > |) and trailing dots and blanks of the stem become
// '_'; an empty stem becomes "model"; a stem whose part before its first dot names a
// device (CON, PRN, AUX, NUL, COM0-9, LPT0-9, in any case) gets a '_' in front.
std::string safeFileName(const std::string& stem, const std::string& extension);

// The size in bytes of an open file; the file position is left where it was.
long fileSize(FILE* file);

}  // namespace Util
}  // namespace PV
