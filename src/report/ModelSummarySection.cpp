#include "report/ModelSummarySection.h"

#include "foundation/Assert.h"
#include "report/FontAttributes.h"
#include "report/NumberText.h"
#include "report/PageManager.h"
#include "report/PdfData.h"
#include "report/ReportDevice.h"
#include "report/ReportFileName.h"
#include "report/ScoresSection.h"
#include "report/SectionTools.h"
#include "report/TextFit.h"

namespace PV {
namespace Report {

double ModelSummarySection::ellipsisWidthDC_ = 0.0;

const ModelSummarySection::DataFunc ModelSummarySection::MODEL_SUMMARY_DATA_FUNCS[16] = {
    &ModelSummarySection::descriptiveName,
    &ModelSummarySection::creationTime,
    &ModelSummarySection::confidenceLevel,
    &ModelSummarySection::confidenceInterval,
    &ModelSummarySection::scoreRange,
    &ModelSummarySection::numChoices,
    &ModelSummarySection::numDecisionMakers,
    &ModelSummarySection::numCriteria,
    &ModelSummarySection::scoresHeading,
    &ModelSummarySection::maxPerDmCr,
    &ModelSummarySection::maxAll,
    &ModelSummarySection::entered,
    &ModelSummarySection::numSolutions,
    &ModelSummarySection::fileName,
    &ModelSummarySection::directoryPath,
    &ModelSummarySection::notes,
};

namespace {
const char* const LABEL_COLUMN_TEXT = "  Entered (E) for all DecisionMakers & Criteria:  ";
}

ModelSummarySection::ModelSummarySection(ReportDevice& reportDevice, PageManager& pageManager,
                                         const PdfReportOptions& options, const PV::Data::DecisionModel& model,
                                         const ScoresSection& scoresSection, float left, float right)
    : reportDevice_(reportDevice),
      pageManager_(pageManager),
      options_(options),
      model_(model),
      scoresSection_(scoresSection),
      left_(left),
      right_(right),
      width_(static_cast<double>(right) - static_cast<double>(left)) {
  for (const DataFunc func : MODEL_SUMMARY_DATA_FUNCS) {
    PV_ASSERT(func);
    entries_.push_back((this->*func)());
  }
}

ModelSummaryEntry ModelSummarySection::descriptiveName() const { return {"Descriptive Name:", model_.get_nm()}; }
ModelSummaryEntry ModelSummarySection::creationTime() const { return {"Creation Date/Time:", model_.get_crtime()}; }
ModelSummaryEntry ModelSummarySection::confidenceLevel() const {
  return {"Confidence Level:", fixedText(model_.get_params().get_cfl(), 1) + "%"};
}
ModelSummaryEntry ModelSummarySection::confidenceInterval() const {
  return {"Confidence Interval:", "+/-" + fixedText(model_.get_params().get_cfi(), 1) + "%"};
}
ModelSummaryEntry ModelSummarySection::scoreRange() const {
  const std::string sil = decimalText(model_.get_params().get_sil());
  return {"Paired Preference Score Range:", "-" + sil + " to +" + sil + ", inclusive"};
}
ModelSummaryEntry ModelSummarySection::numChoices() const {
  return {"# Choices:", decimalText(static_cast<int64_t>(model_.get_chs().size()))};
}
ModelSummaryEntry ModelSummarySection::numDecisionMakers() const {
  return {"# DecisionMakers:", decimalText(static_cast<int64_t>(model_.get_dms().size()))};
}
ModelSummaryEntry ModelSummarySection::numCriteria() const {
  return {"# Criteria:", decimalText(static_cast<int64_t>(model_.get_crs().size()))};
}
ModelSummaryEntry ModelSummarySection::scoresHeading() const {
  const bool omitted = scoresSection_.getTotalScores() > 0 && !options_.getIncludeScores();
  return {"Sums of Choice Pair Preference Scores:", omitted ? "Scores section omitted at user option" : ""};
}
ModelSummaryEntry ModelSummarySection::maxPerDmCr() const {
  return {"  Maximum per DecisionMaker & Criterion:", decimalText(scoresSection_.getNumScoresPerDmCr())};
}
ModelSummaryEntry ModelSummarySection::maxAll() const {
  return {"  Maximum all (A) DecisionMakers & Criteria:", decimalText(scoresSection_.getTotalScores())};
}
ModelSummaryEntry ModelSummarySection::entered() const {
  const uint32_t e = scoresSection_.getEnteredScores();
  const uint32_t a = scoresSection_.getTotalScores();
  // No pairs to score (A = 0): the ratio is left out rather than divided by zero.
  const std::string ratio = a > 0 ? fixedText(static_cast<double>(e) * 100.0 / static_cast<double>(a), 2, 6) : "";
  return {"  Entered (E) for all DecisionMakers & Criteria:",
          decimalText(e) + " (E/A = %" + ratio + " completion ratio)"};
}
ModelSummaryEntry ModelSummarySection::numSolutions() const {
  return {"# Solutions:", decimalText(static_cast<int64_t>(model_.get_slns().size()))};
}
ModelSummaryEntry ModelSummarySection::fileName() const {
  const std::string& path_fn = model_.get_filepath();
  PV_ASSERT(!path_fn.empty());
  return {"File Name:  ", fileNameOf(path_fn)};
}
ModelSummaryEntry ModelSummarySection::directoryPath() const {
  const std::string& path_fn = model_.get_filepath();
  PV_ASSERT(!path_fn.empty());
  return {"Directory Path:  ", folderOf(path_fn)};
}
ModelSummaryEntry ModelSummarySection::notes() const { return {"Notes:\n", model_.get_note()}; }

void ModelSummarySection::draw() {
  ReportDevice& d = reportDevice_;
  // The summary follows the previous section on its page; it moves to a new page
  // only when it would otherwise run into the footer.
  d.setPosition(pageManager_.getBodyLeft(), pageManager_.getY());
  if (pageManager_.newPageIfNeeded(SECTION_TITLE_FONT_HEIGHT_PTS + TEXT_FONT_HEIGHT_PTS +
                                   TEXT_BOX_HEIGHT_DC * static_cast<double>(entries_.size() + 1))) {
    pageManager_.setY(d.getY());
  }
  const double titleBaseline = pageManager_.getY() - SECTION_TITLE_FONT_HEIGHT_PTS - TEXT_FONT_HEIGHT_PTS;
  drawSectionTitle(d, "Model Summary", pageManager_.getBodyLeft(), titleBaseline);
  double baseline = titleBaseline - SECTION_TITLE_FONT_AFTER_HEIGHT_PTS;
  pageManager_.setY(pageManager_.getY() - SECTION_TITLE_FONT_AFTER_HEIGHT_PTS);

  selectTableFont(d);
  d.setColor(COLOR_TEXT_FILL | COLOR_TEXT_STROKE, hsv(0, 0, 0));
  const double labelColumnWidth = d.stringWidth(LABEL_COLUMN_TEXT);
  const double valueColumnWidth = width_ - labelColumnWidth;
  const double indent = 0.0;

  for (const ModelSummaryEntry& entry : entries_) {
    double x = left_;
    std::string label = entry.first;
    const char last = label.empty() ? '\0' : label.back();
    if (last == '\n') label.pop_back();
    if (!label.empty()) {
      fitText(d, label, labelColumnWidth, indent, ellipsisWidthDC_);
      drawTextAt(d, label, x + indent, baseline);
    }
    double available = valueColumnWidth;
    if (last == '\n') {
      // The note runs under its label, across the page body.
      baseline -= TEXT_BOX_HEIGHT_DC;
      x = left_;
      available = pageManager_.getBodyWidth();
    } else if (last == ' ') {
      x += d.stringWidth(label);
      available = pageManager_.getBodyRight() - x;
    } else {
      x += labelColumnWidth;
    }
    std::string value = entry.second;
    if (!value.empty()) {
      fitText(d, value, available, indent, ellipsisWidthDC_);
      drawTextAt(d, value, x + indent, baseline);
    }
    baseline -= TEXT_BOX_HEIGHT_DC;
  }
  const double endY = baseline + TEXT_BOX_HEIGHT_DC - TEXT_AFTER_PTS;
  d.setPosition(pageManager_.getBodyLeft(), endY);
  pageManager_.setY(endY);
}

}  // namespace Report
}  // namespace PV
