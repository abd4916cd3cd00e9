// "Model Summary": sixteen label and value lines describing the model.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/DecisionModel.h"

namespace PV {
namespace Report {

class ReportDevice;
class PageManager;
class PdfReportOptions;
class ScoresSection;

using ModelSummaryEntry = std::pair<std::string, std::string>;  // label, value

class ModelSummarySection {
 public:
  ModelSummarySection(ReportDevice& reportDevice, PageManager& pageManager, const PdfReportOptions& options,
                      const PV::Data::DecisionModel& model, const ScoresSection& scoresSection, float left,
                      float right);
  void draw();
  const std::vector<ModelSummaryEntry>& entries() const { return entries_; }
  double getLeft() const { return left_; }
  double getRight() const { return right_; }

  using DataFunc = ModelSummaryEntry (ModelSummarySection::*)() const;
  static const DataFunc MODEL_SUMMARY_DATA_FUNCS[16];

 private:
  ModelSummaryEntry descriptiveName() const;
  ModelSummaryEntry creationTime() const;
  ModelSummaryEntry confidenceLevel() const;
  ModelSummaryEntry confidenceInterval() const;
  ModelSummaryEntry scoreRange() const;
  ModelSummaryEntry numChoices() const;
  ModelSummaryEntry numDecisionMakers() const;
  ModelSummaryEntry numCriteria() const;
  ModelSummaryEntry scoresHeading() const;
  ModelSummaryEntry maxPerDmCr() const;
  ModelSummaryEntry maxAll() const;
  ModelSummaryEntry entered() const;
  ModelSummaryEntry numSolutions() const;
  ModelSummaryEntry fileName() const;
  ModelSummaryEntry directoryPath() const;
  ModelSummaryEntry notes() const;

  ReportDevice& reportDevice_;
  PageManager& pageManager_;
  const PdfReportOptions& options_;
  const PV::Data::DecisionModel& model_;
  const ScoresSection& scoresSection_;
  double left_, right_, width_;
  std::vector<ModelSummaryEntry> entries_;
  static double ellipsisWidthDC_;
};

}  // namespace Report
}  // namespace PV
