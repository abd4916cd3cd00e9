#include "report/SolutionSection.h"

#include <algorithm>
#include <charconv>

#include "foundation/Assert.h"
#include "report/FontAttributes.h"
#include "report/NumberText.h"
#include "report/PageManager.h"
#include "report/ReportDevice.h"
#include "report/SectionTools.h"
#include "report/TextFit.h"

namespace PV {
namespace Report {

double SolutionSection::ellipsisWidthDC_ = 0.0;

namespace {
struct SolutionColumn {
  const char* heading;
  const char* sample;
  int32_t justify;
};
const SolutionColumn SOLUTION_COLUMNS[] = {
    {"Rank", "10", JUSTIFY_CENTER},   {"% Rank", "100.0", JUSTIFY_RIGHT},
    {"ID", "10", JUSTIFY_CENTER},     {"Choices", "Choice name number, th", JUSTIFY_LEFT},
    {"Notes", nullptr, JUSTIFY_LEFT},
};
const size_t NUM_SOLUTION_COLUMNS = sizeof SOLUTION_COLUMNS / sizeof SOLUTION_COLUMNS[0];
const char* const TOP_RANK_TEXT = "100.0";
}  // namespace

SolutionRow::SolutionRow(const std::string& rank, const std::string& pctRank, const std::string& choiceNum,
                         const std::string& choiceName, const std::string& choiceNote)
    : rank_(rank), pctRank_(pctRank), choiceNum_(choiceNum), choiceName_(choiceName), choiceNote_(choiceNote) {}

int SolutionRow::getPctRankInt() const {
  if (!pctIntComputed_) {
    const std::string::size_type first = pctRank_.find_first_not_of(' ');
    pctInt_ = 0;
    if (first != std::string::npos) {
      std::from_chars(pctRank_.data() + first, pctRank_.data() + pctRank_.size(), pctInt_);
    }
    pctIntComputed_ = true;
  }
  return pctInt_;
}

float SolutionRow::getPctRankFloat() const {
  if (!pctFloatComputed_) {
    const std::string::size_type first = pctRank_.find_first_not_of(' ');
    pctFloat_ = 0.0f;
    if (first != std::string::npos) {
      std::from_chars(pctRank_.data() + first, pctRank_.data() + pctRank_.size(), pctFloat_);
    }
    pctFloatComputed_ = true;
  }
  return pctFloat_;
}

std::string SolutionSection::statusText(const PV::Data::DecisionModel& model) {
  const PV::Data::SolutionsVec& solutions = model.get_slns();
  if (solutions.empty()) {
    return "Model definition not sufficient for decision solution - review copy for "
           "management purposes only";
  }
  return solutions.get_flag() ? "Decision solution obsolete - model content changed, solution not recalculated"
                              : "Decision solution up to date with current model content";
}

SolutionSection::SolutionSection(ReportDevice& reportDevice, PageManager& pageManager,
                                 const PV::Data::DecisionModel& model, const std::vector<Color>& histogramColors,
                                 float left, float right)
    : reportDevice_(reportDevice),
      pageManager_(pageManager),
      model_(model),
      histogramColors_(histogramColors),
      left_(left),
      right_(right),
      width_(static_cast<double>(right) - static_cast<double>(left)) {
  const PV::Data::SolutionsVec& solutions = model.get_slns();
  const PV::Data::DecisionModel::Choices& choices = model.get_chs();
  const size_t numSolutions = solutions.size();
  if (numSolutions == 0) return;
  for (size_t i = 0; i < numSolutions; ++i) {
    const PV::Data::Solution& solution = solutions[i];
    const double pct = solution.get_pctrank();
    // A stale ranking may name a choice that was deleted or renumbered since: every
    // choice is searched, and a choice not found leaves its name and note empty and
    // shows the ranking's own choice number.
    const auto found =
        std::find_if(choices.begin(), choices.end(), [&](const auto& ch) { return ch.get_uid() == solution.get_ch(); });
    // The ID is the choice's row number, as in the choices table.
    const std::string id = found != choices.end() ? decimalText(found->get_row()) : decimalText(solution.get_ch());
    solutionData_.emplace_back(decimalText(static_cast<int64_t>(i) + 1), fixedText(pct, 1, 5), id,
                               found != choices.end() ? found->get_nm() : std::string(),
                               found != choices.end() ? found->get_note() : std::string());
    percentages_.push_back(pct);
  }
  chart_ = layoutChart(reportDevice_, width_, percentages_);
  plotAreaHeightDC_ = chart_.plotHeight;
  PV_ASSERT(plotAreaHeightDC_ > 0.0);
}

void SolutionSection::draw() {
  if (solutionData_.empty()) return;
  ReportDevice& d = reportDevice_;
  const double rowHeight = TEXT_BOX_HEIGHT_DC;
  const double titleHeight = SECTION_TITLE_FONT_HEIGHT_PTS + SECTION_TITLE_FONT_AFTER_HEIGHT_PTS;
  const double tableHeight = rowHeight * static_cast<double>(solutionData_.size() + 1);
  const double bodyHeight = pageManager_.getBodyTop() - pageManager_.getBodyBottom();
  // Title, table and chart stand on one page when they fit one; otherwise the chart
  // follows on a page of its own, and a table taller than a page breaks between rows
  // and repeats its heading row.
  const bool breakRows = titleHeight + tableHeight > bodyHeight;
  if (titleHeight + tableHeight + plotAreaHeightDC_ <= bodyHeight) {
    pageManager_.newPageIfNeeded(titleHeight + tableHeight + plotAreaHeightDC_);
  } else {
    pageManager_.newPageIfNeeded(titleHeight + (breakRows ? 2.0 * rowHeight : tableHeight));
  }
  const double bodyLeft = pageManager_.getBodyLeft();
  double y = d.getY();
  drawSectionTitle(d, "Solution", bodyLeft, y - SECTION_TITLE_FONT_HEIGHT_PTS);
  y -= titleHeight;

  const Color red = hsv(0, 1.0f, 1.0f);
  const Color blue = hsv(240, 0.62f, 1.0f);
  const Color black = hsv(0, 0, 0);
  const Color lightGrey = hsv(0, 0, 0.9f);
  selectTableFont(d);
  d.setColor(COLOR_TEXT_FILL | COLOR_TEXT_STROKE, black);
  const double zero = d.stringWidth("0");
  const double indent = zero / 2.0;
  std::vector<double> widths(NUM_SOLUTION_COLUMNS, 0.0);
  double used = 0.0;
  for (size_t c = 0; c + 1 < NUM_SOLUTION_COLUMNS; ++c) {
    widths[c] = std::max(d.stringWidth(SOLUTION_COLUMNS[c].heading), d.stringWidth(SOLUTION_COLUMNS[c].sample)) + zero;
    used += widths[c];
  }
  widths[NUM_SOLUTION_COLUMNS - 1] = width_ - used;

  auto drawHeadingRow = [&](double rowBottom) {
    selectTableFont(d);
    d.setColor(COLOR_TEXT_FILL | COLOR_TEXT_STROKE, black);
    double x = bodyLeft;
    for (size_t c = 0; c < NUM_SOLUTION_COLUMNS; ++c) {
      fillCell(d, lightGrey, x, rowBottom, widths[c], rowHeight, true);
      const std::string heading = SOLUTION_COLUMNS[c].heading;
      drawTextAt(d, heading, x + (widths[c] - d.stringWidth(heading)) / 2.0, rowBottom + TEXT_AFTER_PTS);
      x += widths[c];
    }
  };
  double rowBottom = y - rowHeight;
  drawHeadingRow(rowBottom);
  for (const SolutionRow& row : solutionData_) {
    if (breakRows) {
      d.setPosition(bodyLeft, rowBottom);
      if (pageManager_.newPageIfNeeded(rowHeight)) {
        rowBottom = d.getY() - rowHeight;
        drawHeadingRow(rowBottom);
      }
    }
    rowBottom -= rowHeight;
    const double baseline = rowBottom + TEXT_AFTER_PTS;
    double x = left_;
    const std::string texts[NUM_SOLUTION_COLUMNS] = {row.getRank(), row.getPctRank(), row.getChoiceNum(),
                                                     row.getChoiceName(), row.getChoiceNote()};
    for (size_t c = 0; c < NUM_SOLUTION_COLUMNS; ++c) {
      frameCell(d, x, rowBottom, widths[c], rowHeight);
      std::string text = texts[c];
      if (c >= 3) fitText(d, text, widths[c], indent, ellipsisWidthDC_);
      if (c == 1) d.setColor(COLOR_TEXT_FILL, text == TOP_RANK_TEXT ? red : blue);
      const double textWidth = d.stringWidth(text);
      double textX = x + indent;
      if (SOLUTION_COLUMNS[c].justify == JUSTIFY_CENTER) textX = x + (widths[c] - textWidth) / 2.0;
      if (SOLUTION_COLUMNS[c].justify == JUSTIFY_RIGHT) textX = x + widths[c] - indent - textWidth;
      if (!text.empty()) drawTextAt(d, text, textX, baseline);
      if (c == 1) d.setColor(COLOR_TEXT_FILL, black);
      x += widths[c];
    }
  }
  d.setPosition(bodyLeft, rowBottom);
  pageManager_.setY(rowBottom);

  d.setPosition(bodyLeft, rowBottom);
  if (pageManager_.newPageIfNeeded(plotAreaHeightDC_)) rowBottom = d.getY();
  std::vector<std::string> numbers;
  for (const SolutionRow& row : solutionData_) numbers.push_back(row.getChoiceNum());
  drawSolutionChart(d, chart_, left_, rowBottom, numbers, percentages_, histogramColors_);
  const double endY = rowBottom - plotAreaHeightDC_;
  d.setPosition(bodyLeft, endY);
  pageManager_.setY(endY);
}

}  // namespace Report
}  // namespace PV
