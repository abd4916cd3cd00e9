// Helpers of the PDF writer's tests: recording reports, reading the written bytes.
#pragma once

#include "pdf/cpdfInternal.h"

#include <string>
#include <vector>

namespace pdftest {

struct Report {
  int level;
  std::string label;
  std::string message;
};

// Reports of the documents (and of the global hook) since the last clear.
std::vector<Report>& reports();
void recordingHandler(CpdfDocument* doc, int level, const char* label, const char* format, va_list args);
void recordingHook(int level, const char* module, const char* format, va_list args);
bool reported(const std::string& text);

// A document opened and initialised with recording handlers and a fixed clock.
CpdfDocument* openDocument(bool compress = false, const CpdfLimits* limits = nullptr);
// finalizeAll and the whole file as bytes.
std::string finish(CpdfDocument* doc);
// The uncompressed content of page n as it stands (before finalizing).
std::string pageContent(CpdfDocument* doc, int n);
// Folder where the tests write their sample documents for the external checkers.
std::string sampleDir();
void writeSample(const std::string& name, const std::string& bytes);
// Checks the cross-reference table: every offset lands on its "k 0 obj".
bool xrefConsistent(const std::string& pdf, std::string* why = nullptr);

}  // namespace pdftest
