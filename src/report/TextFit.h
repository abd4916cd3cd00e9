// Shortening a text in place so that it fits a column, ending it with the ellipsis
// of the standard fonts' built-in encoding (the single byte 0xBC). Each user keeps
// its own cached ellipsis width.
#pragma once

#include <string>

namespace PV {
namespace Report {

class ReportDevice;

extern const char ELLIPSIS[];  // U+2026 in UTF-8

void fitText(ReportDevice& reportDevice, std::string& text, double columnWidth, double indent, double& ellipsisWidthDC);

}  // namespace Report
}  // namespace PV
