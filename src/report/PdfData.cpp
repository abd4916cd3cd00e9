#include "report/PdfData.h"

namespace PV {
namespace Report {

PdfData::PdfData(const PV::Data::DecisionModel& model, const AboutTexts& aboutInfo,
                 const std::optional<std::string>& modelDirectory, const ReportLogo* logo)
    : model_(model), aboutInfo_(aboutInfo), modelDirectory_(modelDirectory), logo_(logo) {}

PdfReportOptions::PdfReportOptions(bool includeScores, bool appendTimestamp,
                                   const std::optional<std::string>& reportFileName)
    : includeScores_(includeScores),
      appendTimestamp_(appendTimestamp),
      reportFileName_(reportFileName.value_or(std::string())) {}

}  // namespace Report
}  // namespace PV
