// What a report is made from besides the model: the texts that identify the program
// and its user, the logo, and the hand-off of the finished file to a PDF viewer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace PV {
namespace Report {

// The about information as the report prints it. The application fills it from its
// about information (aboutTextsFrom, among the shell's services); tests fill it with fixed texts.
struct AboutTexts {
  std::string programName = "Palvermontine";  // heads the document title and producer
  std::string creator = "Palvermontine Decision Model Report";
  std::string userName;
  std::string version;
  std::string buildDate;
  std::string buildTime;
  std::string osName;
  std::string osVersion;
  std::string description;
  std::string webAddress;
  std::string publisher;
  std::string copyright;
};

// The report logo: 24-bit RGB pixels, rows from top to bottom, three bytes a pixel
// and no padding (the layout an inline PDF image states).
struct ReportLogo {
  std::vector<uint8_t> rgb;
  int32_t width = 0;
  int32_t height = 0;

  // A logo is drawn only when its pixel count matches its bytes exactly. The count is
  // taken in 64 bits (a 32-bit size would wrap) and must fit the writer's byte count.
  bool usable() const {
    if (width <= 0 || height <= 0) return false;
    const uint64_t bytes = static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 3u;
    return bytes <= static_cast<uint64_t>(INT32_MAX) && rgb.size() == bytes;
  }
};

// Hands a finished report file to the PDF viewer (open, print, or nothing); the
// application shell provides it. The result is ignored by the report.
class ReportViewer {
 public:
  virtual ~ReportViewer() = default;
  virtual int run(const std::string& reportPath) = 0;
};

}  // namespace Report
}  // namespace PV
