// Small text and file helpers of the model layer.
#pragma once

#include <cstdio>
#include <string>

namespace PV {
namespace Util {

// Removes the character ch from the start of the text (mode 0), its end (mode 1)
// or both ends (mode 2). A text made only of ch becomes empty in every mode.
void trimChar(std::string& text, int mode, char ch);

// Replaces the target file by the source: deletes the target (failing at once when
// that fails), then renames the source, trying up to 31 times. 0 on success, -1
// on failure (errno set).
int replaceFile(const char* source, const char* target);

// The size in bytes of an open file; the file position is left where it was.
long fileSize(FILE* file);

}  // namespace Util
}  // namespace PV
