// The one entry into the report generator: turns one decision model into one PDF
// report file, title page first, then the sections in a fixed order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/DecisionModel.h"
#include "report/Color.h"
#include "report/PdfData.h"
#include "report/ReportInputs.h"

namespace PV {
namespace Report {

class PageManager;

// Writes the report; REPORT_WRITTEN when the file was written, else a close status
// of the report device (ReportDevice.h: REPORT_WRITER_FAILED, or a save failure from
// REPORT_NOT_IN_MEMORY to REPORT_CLOSE_FAILED). When errorMessage is given
// it receives the reason of a failure. The viewer, when given, gets the written file.
int createPdfReport(const PdfData& data, const PdfReportOptions& options, ReportViewer* viewerOptions,
                    std::string* errorMessage = nullptr);

class PdfReport {
 public:
  PdfReport(const PdfData& data, const PdfReportOptions& options, ReportViewer* viewerOptions);

  int generate();
  const std::string& getReportPath() const { return pdfReportPathFile_; }
  const std::string& getModelFile() const { return modelFile_; }
  const std::string& errorMessage() const { return errorMessage_; }
  static const std::vector<Color>& histogramColors();

 private:
  void drawTitleBlock(const std::string& reportTime, PageManager& pageManager);

  const PdfData& data_;
  const PdfReportOptions& options_;
  ReportViewer* viewerOptions_;
  const PV::Data::DecisionModel& model_;
  std::string modelDirectory_;
  std::string modelFile_;
  std::string modelPath_;
  std::string pdfReportPathFile_;
  std::string errorMessage_;
};

}  // namespace Report
}  // namespace PV
