// The two records the caller fills before asking for a report: the report data (the
// model, the about texts, the model folder, the logo) and the report options.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "report/ReportInputs.h"

namespace PV {
namespace Data {
class DecisionModel;
}
namespace Report {

class PdfData {
 public:
  // The clock gives the report's time stamp ("%Y-%m-%dT%H:%M:%S" and the zone);
  // none means the local time now.
  using Clock = std::function<std::string()>;

  PdfData(const PV::Data::DecisionModel& model, const AboutTexts& aboutInfo,
          const std::optional<std::string>& modelDirectory = std::nullopt, const ReportLogo* logo = nullptr);

  const PV::Data::DecisionModel& getModel() const { return model_; }
  const AboutTexts& getAboutInfo() const { return aboutInfo_; }
  const std::optional<std::string>& getModelDirectory() const { return modelDirectory_; }
  const ReportLogo* getLogo() const { return logo_; }
  void setClock(Clock clock) { clock_ = std::move(clock); }
  const Clock& getClock() const { return clock_; }
  // A stream that receives one line per PDF writer call of the report (none: off).
  void setTrace(std::ostream* trace) { trace_ = trace; }
  std::ostream* getTrace() const { return trace_; }

 private:
  const PV::Data::DecisionModel& model_;
  AboutTexts aboutInfo_;
  std::optional<std::string> modelDirectory_;
  const ReportLogo* logo_;
  Clock clock_;
  std::ostream* trace_ = nullptr;
};

class PdfReportOptions {
 public:
  PdfReportOptions(bool includeScores, bool appendTimestamp,
                   const std::optional<std::string>& reportFileName = std::nullopt);

  bool getIncludeScores() const { return includeScores_; }
  bool getShowReportTime() const { return showReportTime_; }
  bool getAppendTimestamp() const { return appendTimestamp_; }
  const std::string& getReportFileName() const { return reportFileName_; }
  void setIncludeScores(bool on) { includeScores_ = on; }
  void setShowReportTime(bool on) { showReportTime_ = on; }
  void setAppendTimestamp(bool on) { appendTimestamp_ = on; }
  void setReportFileName(const std::string& name) { reportFileName_ = name; }

 private:
  bool includeScores_;
  bool showReportTime_ = true;
  bool appendTimestamp_;
  std::string reportFileName_;
};

}  // namespace Report
}  // namespace PV
