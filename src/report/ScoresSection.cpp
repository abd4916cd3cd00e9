#include "report/ScoresSection.h"

#include <algorithm>
#include <memory>

#include "foundation/Assert.h"
#include "math/HJAlgorithm.h"
#include "math/ModelCheck.h"
#include "model/ScoreChars.h"
#include "report/FontAttributes.h"
#include "report/NumberText.h"
#include "report/PageManager.h"
#include "report/PdfData.h"
#include "report/ReportDevice.h"
#include "report/SectionTools.h"
#include "report/TextFit.h"

namespace PV {
namespace Report {

// ---------------------------------------------------------------------------------
// ScoreRow

ScoreRow::ScoreRow(int maxScoresPerDmCr, int maxChoices, int maxPrefScore)
    : maxScoresPerDmCr_(maxScoresPerDmCr),
      maxChoices_(maxChoices),
      maxPrefScore_(maxPrefScore),
      prefScore_(maxPrefScore + 1) {
  PV_ASSERT(maxScoresPerDmCr > 0);
  PV_ASSERT(maxChoices > 0);
  PV_ASSERT(maxPrefScore > 0);
}

void ScoreRow::setScoreRowNum(int scoreRowNum) {
  PV_ASSERT(scoreRowNum > 0 && scoreRowNum <= maxScoresPerDmCr_);
  scoreRowNum_ = scoreRowNum;
}
void ScoreRow::setChoiceARowNum(int choiceARowNum) {
  PV_ASSERT(choiceARowNum > 0 && choiceARowNum <= maxChoices_);
  choiceARowNum_ = choiceARowNum;
}
void ScoreRow::setChoiceAName(const std::string& choiceAName) {
  PV_ASSERT(!choiceAName.empty());
  choiceAName_ = choiceAName;
}
void ScoreRow::setPrefScore(int prefScore) {
  PV_ASSERT((prefScore >= -maxPrefScore_ && prefScore <= maxPrefScore_) || UNSCORED == prefScore ||
            RANGE_CHANGED_AFTER_SCORING == prefScore);
  prefScore_ = prefScore;
}
void ScoreRow::setChoiceBName(const std::string& choiceBName) {
  PV_ASSERT(!choiceBName.empty());
  choiceBName_ = choiceBName;
}
void ScoreRow::setChoiceBRowNum(int choiceBRowNum) {
  PV_ASSERT(choiceBRowNum > 0 && choiceBRowNum <= maxChoices_);
  choiceBRowNum_ = choiceBRowNum;
}
int ScoreRow::getScoreRowNum() const {
  PV_ASSERT(scoreRowNum_ > 0 && scoreRowNum_ <= maxScoresPerDmCr_);
  return scoreRowNum_;
}
int ScoreRow::getChoiceARowNum() const {
  PV_ASSERT(choiceARowNum_ > 0 && choiceARowNum_ <= maxChoices_);
  return choiceARowNum_;
}
const std::string& ScoreRow::getChoiceAName() const {
  PV_ASSERT(!choiceAName_.empty());
  return choiceAName_;
}
int ScoreRow::getPrefScore() const {
  PV_ASSERT((prefScore_ >= -maxPrefScore_ && prefScore_ <= maxPrefScore_) || UNSCORED == prefScore_ ||
            RANGE_CHANGED_AFTER_SCORING == prefScore_);
  return prefScore_;
}
const std::string& ScoreRow::getChoiceBName() const {
  PV_ASSERT(!choiceBName_.empty());
  return choiceBName_;
}
int ScoreRow::getChoiceBRowNum() const {
  PV_ASSERT(choiceBRowNum_ > 0 && choiceBRowNum_ <= maxChoices_);
  return choiceBRowNum_;
}

// ---------------------------------------------------------------------------------
// ScoreTable

ScoreTable::ScoreTable(const PV::Data::DecisionModel& model)
    : decisionMakers_(&model.get_dms()), criteria_(&model.get_crs()) {}

void ScoreTable::setDecisionMakerIndex(int decisionMakerIndex) {
  PV_ASSERT(decisionMakers_ && decisionMakerIndex >= 0 &&
            static_cast<size_t>(decisionMakerIndex) < decisionMakers_->size());
  decisionMakerIndex_ = decisionMakerIndex;
}
void ScoreTable::setCriterionIndex(int criterionIndex) {
  PV_ASSERT(criteria_ && criterionIndex >= 0 && static_cast<size_t>(criterionIndex) < criteria_->size());
  criterionIndex_ = criterionIndex;
}
int ScoreTable::getDecisionMakerIndex() const {
  PV_ASSERT(decisionMakers_ && decisionMakerIndex_ >= 0 &&
            static_cast<size_t>(decisionMakerIndex_) < decisionMakers_->size());
  return decisionMakerIndex_;
}
int ScoreTable::getCriterionIndex() const {
  PV_ASSERT(criteria_ && criterionIndex_ >= 0 && static_cast<size_t>(criterionIndex_) < criteria_->size());
  return criterionIndex_;
}
void ScoreTable::setRows(const std::vector<ScoreRow>& scoreTablePerDmCr) {
  PV_ASSERT(scoreTablePerDmCr.size() > 0);
  scoreTablePerDmCr_ = scoreTablePerDmCr;
}
const std::string& ScoreTable::getDecisionMakerName() const {
  return (*decisionMakers_)[static_cast<size_t>(getDecisionMakerIndex())].get_nm();
}
uint32_t ScoreTable::getDecisionMakerWeight() const {
  return (*decisionMakers_)[static_cast<size_t>(getDecisionMakerIndex())].get_wt();
}
const std::string& ScoreTable::getCriterionName() const {
  return (*criteria_)[static_cast<size_t>(getCriterionIndex())].get_nm();
}
uint32_t ScoreTable::getCriterionWeight() const {
  return (*criteria_)[static_cast<size_t>(getCriterionIndex())].get_wt();
}

// ---------------------------------------------------------------------------------
// ScoresSection

double ScoresSection::ellipsisWidthDC_ = 0.0;

namespace {
enum Column { COL_ROW, COL_ID_A, COL_CHOICE_A, COL_SCORE, COL_CHOICE_B, COL_ID_B, NUM_COLUMNS };
enum WidthPolicy { FIXED, SHARES_REST };

struct ColumnSpec {
  const char* heading;
  const char* sample;
  WidthPolicy policy;
  int32_t justify;
};

const ColumnSpec SCORE_COLUMNS[NUM_COLUMNS] = {
    {"Row", "99", FIXED, JUSTIFY_RIGHT},
    {"ID: A", "10", FIXED, JUSTIFY_RIGHT},
    {"Choice: A", nullptr, SHARES_REST, JUSTIFY_LEFT},
    {"Score", " Score ", FIXED, JUSTIFY_NONE},
    {"Choice: B", nullptr, SHARES_REST, JUSTIFY_LEFT},
    {"ID: B", "10", FIXED, JUSTIFY_RIGHT},
};

const char* const LEFT_ARROW = "\xDC ";   // Symbol: arrow to the first choice, a space
const char* const RIGHT_ARROW = " \xDE";  // Symbol: a space, arrow to the second choice
const char* const DOUBLE_ARROW = "\xDB";  // Symbol: no preference
const int NUM_HEADING_ROWS = 3;

std::string weightedName(const std::string& name, uint32_t weight) {
  return name + " (weight = " + decimalText(weight) + ")";
}
}  // namespace

ScoresSection::ScoresSection(ReportDevice& reportDevice, PageManager& pageManager, const PdfReportOptions& options,
                             const PV::Data::DecisionModel& model, float left, float right)
    : reportDevice_(reportDevice),
      pageManager_(pageManager),
      options_(options),
      model_(model),
      left_(left),
      right_(right),
      width_(static_cast<double>(right) - static_cast<double>(left)) {
  for (int s = -5; s <= 5; ++s) mapScoreValueFromRandomPairSetToReport[s] = s;
  mapScoreValueFromRandomPairSetToReport[PV::Math::UNSCORED] = UNSCORED;
  mapScoreValueFromRandomPairSetToReport['E'] = RANGE_CHANGED_AFTER_SCORING;
  mapScoreValueFromRandomPairSetToReport['e'] = RANGE_CHANGED_AFTER_SCORING;
  build();
  if (!scoreTableAllDmCr_.empty()) layout();
}

uint32_t ScoresSection::getTotalScores() const {
  return static_cast<uint32_t>(model_.get_dms().size()) * numScoresPerDmCr_ *
         static_cast<uint32_t>(model_.get_crs().size());
}

void ScoresSection::build() {
  const auto& dms = model_.get_dms();
  const auto& crs = model_.get_crs();
  const auto& chs = model_.get_chs();
  if (chs.size() < 2 || dms.empty() || crs.empty()) return;
  // Stored scores that do not fit the model (an edited or damaged file) give a
  // report without score tables rather than a failed check inside the pair drawing.
  if (!PV::Math::checkModelData(model_, refusal_)) {
    numScoresPerDmCr_ = 0;
    return;
  }
  refusal_.clear();
  const std::vector<PV::Math::PairSetView> pairSets = PV::Math::readPairSets(model_);
  const int numChoices = static_cast<int>(chs.size());
  const int maxPrefScore = model_.get_params().get_sil();
  for (uint32_t decisionMakerIndex = 0; decisionMakerIndex < dms.size(); ++decisionMakerIndex) {
    for (uint32_t criteriaIndex = 0; criteriaIndex < crs.size(); ++criteriaIndex) {
      const PV::Math::PairSetView& pairSet = pairSets[criteriaIndex * dms.size() + decisionMakerIndex];
      numScoresPerDmCr_ = static_cast<uint32_t>(pairSet.pairs.size());
      PV_ASSERT(pairSet.dmIndex == decisionMakerIndex && pairSet.crIndex == criteriaIndex);
      std::vector<ScoreRow> rows;
      rows.reserve(numScoresPerDmCr_);
      for (uint32_t k = 0; k < numScoresPerDmCr_; ++k) {
        ScoreRow row(static_cast<int>(numScoresPerDmCr_), numChoices, maxPrefScore);
        const auto found = mapScoreValueFromRandomPairSetToReport.find(pairSet.scores[k]);
        PV_ASSERT(found != mapScoreValueFromRandomPairSetToReport.end());
        const int score = found->second;
        if (score == UNSCORED) {
          ++numUnscored_;
        } else if (score == RANGE_CHANGED_AFTER_SCORING) {
          ++numRangeChanged_;
        } else {
          ++numEntered_;
        }
        row.setScoreRowNum(static_cast<int>(k) + 1);
        const auto& pair = pairSet.pairs[k];
        const PV::Data::Choice& a = chs[pair.i];
        const PV::Data::Choice& b = chs[pair.j];
        row.setChoiceARowNum(a.get_row());
        row.setChoiceAName(a.get_nm().empty() ? std::string(" ") : a.get_nm());
        row.setPrefScore(score);
        row.setChoiceBName(b.get_nm().empty() ? std::string(" ") : b.get_nm());
        row.setChoiceBRowNum(b.get_row());
        rows.push_back(row);
      }
      ScoreTable table(model_);
      table.setDecisionMakerIndex(static_cast<int>(decisionMakerIndex));
      table.setCriterionIndex(static_cast<int>(criteriaIndex));
      table.setRows(rows);
      scoreTableAllDmCr_.push_back(table);
    }
  }
}

void ScoresSection::layout() {
  ReportDevice& d = reportDevice_;
  selectTableFont(d);
  zeroWidth_ = d.stringWidth("0");
  for (int digit = 0; digit <= 5; ++digit) {
    digitWidths_[digit] = d.stringWidth(decimalText(digit));
    if (digitWidths_[digit] > digitWidths_[widestDigit_]) widestDigit_ = digit;
  }
  d.setFontStyleIndex(SYMBOL);
  leftArrowWidth_ = d.stringWidth(LEFT_ARROW);
  rightArrowWidth_ = d.stringWidth(RIGHT_ARROW);
  doubleArrowWidth_ = d.stringWidth(DOUBLE_ARROW);
  d.setFontStyleIndex(BOOKMAN_LIGHT);

  // Column 1 is shared with the "DM:" and "Cr:" cells of the first two heading rows;
  // the name cells span the other five columns, whose width the page fixes.
  const double margins = 2.0 * zeroWidth_;
  columnWidths_.assign(NUM_COLUMNS, 0.0);
  double fixedSum = 0.0;
  for (int c = 0; c < NUM_COLUMNS; ++c) {
    const ColumnSpec& spec = SCORE_COLUMNS[c];
    if (spec.policy == FIXED) {
      columnWidths_[c] = std::max(d.stringWidth(spec.heading) + margins, d.stringWidth(spec.sample) + margins);
      if (c == COL_ROW) {
        columnWidths_[c] = std::max({columnWidths_[c], d.stringWidth("DM:") + margins, d.stringWidth("Cr:") + margins});
      }
      fixedSum += columnWidths_[c];
    } else {
      PV_ASSERT(spec.policy == SHARES_REST || !"invalid column width policy");
    }
  }
  columnWidths_[COL_CHOICE_A] = columnWidths_[COL_CHOICE_B] = (width_ - fixedSum) / 2.0;

  const double bodyHeight = pageManager_.getBodyTop() - pageManager_.getBodyBottom();
  breakTables_ = bodyHeight < SECTION_TITLE_FONT_HEIGHT_PTS + SECTION_TITLE_FONT_AFTER_HEIGHT_PTS +
                                  headingRowsHeight() + TEXT_BOX_HEIGHT_DC * static_cast<double>(numScoresPerDmCr_);
}

double ScoresSection::headingRowsHeight() const { return NUM_HEADING_ROWS * TEXT_BOX_HEIGHT_DC; }

void ScoresSection::drawHeadingRows(const ScoreTable& table, double& y) {
  ReportDevice& d = reportDevice_;
  const Color lightGrey = hsv(0, 0, 0.9f);
  selectTableFont(d);
  d.setColor(COLOR_TEXT_FILL | COLOR_TEXT_STROKE, hsv(0, 0, 0));
  const double x0 = pageManager_.getBodyLeft();
  double spanWidth = 0.0;
  for (int c = 1; c < NUM_COLUMNS; ++c) spanWidth += columnWidths_[c];
  const std::string labels[2] = {"DM:", "Cr:"};
  const std::string names[2] = {weightedName(table.getDecisionMakerName(), table.getDecisionMakerWeight()),
                                weightedName(table.getCriterionName(), table.getCriterionWeight())};
  for (int r = 0; r < 2; ++r) {
    const double rowBottom = y - TEXT_BOX_HEIGHT_DC;
    const double baseline = rowBottom + TEXT_AFTER_PTS;
    fillCell(d, lightGrey, x0, rowBottom, columnWidths_[0], TEXT_BOX_HEIGHT_DC, true);
    drawTextAt(d, labels[r], x0 + (columnWidths_[0] - d.stringWidth(labels[r])) / 2.0, baseline);
    const double xName = x0 + columnWidths_[0];
    fillCell(d, lightGrey, xName, rowBottom, spanWidth, TEXT_BOX_HEIGHT_DC, true);
    std::string name = names[r];
    fitText(d, name, spanWidth, zeroWidth_, ellipsisWidthDC_);
    drawTextAt(d, name, xName + zeroWidth_, baseline);
    y = rowBottom;
  }
  const double rowBottom = y - TEXT_BOX_HEIGHT_DC;
  double x = x0;
  for (int c = 0; c < NUM_COLUMNS; ++c) {
    fillCell(d, lightGrey, x, rowBottom, columnWidths_[c], TEXT_BOX_HEIGHT_DC, true);
    const std::string heading = SCORE_COLUMNS[c].heading;
    drawTextAt(d, heading, x + (columnWidths_[c] - d.stringWidth(heading)) / 2.0, rowBottom + TEXT_AFTER_PTS);
    x += columnWidths_[c];
  }
  y = rowBottom;
}

void ScoresSection::drawScoreCell(int score, double x, double width, double baseline) {
  ReportDevice& d = reportDevice_;
  if (score == UNSCORED) {
    drawTextAt(d, "?", x + (width - d.stringWidth("?")) / 2.0, baseline);
    return;
  }
  if (score == RANGE_CHANGED_AFTER_SCORING) {
    // A score beyond the scale as it now stands: marked, to be scored again.
    drawTextAt(d, "E", x + (width - d.stringWidth("E")) / 2.0, baseline);
    return;
  }
  if (score == 0) {
    d.setFontStyleIndex(SYMBOL);
    drawTextAt(d, DOUBLE_ARROW, x + (width - doubleArrowWidth_) / 2.0, baseline);
    d.setFontStyleIndex(BOOKMAN_LIGHT);
    return;
  }
  const int strength = score < 0 ? -score : score;
  PV_ASSERT(strength >= 1 && strength <= 5);
  const std::string digit = decimalText(strength);
  const double digitBox = digitWidths_[widestDigit_];
  const double boxX = x + (width - digitBox) / 2.0;
  const double digitX = boxX + (digitBox - digitWidths_[strength]) / 2.0;
  // Drawn in reading order: the arrow to the first choice before the digit, the
  // arrow to the second choice after it.
  if (score < 0) {
    d.setFontStyleIndex(SYMBOL);
    drawTextAt(d, LEFT_ARROW, boxX - leftArrowWidth_, baseline);
    d.setFontStyleIndex(BOOKMAN_LIGHT);
    drawTextAt(d, digit, digitX, baseline);
  } else {
    drawTextAt(d, digit, digitX, baseline);
    d.setFontStyleIndex(SYMBOL);
    drawTextAt(d, RIGHT_ARROW, boxX + digitBox, baseline);
    d.setFontStyleIndex(BOOKMAN_LIGHT);
  }
}

void ScoresSection::drawScoreRow(const ScoreRow& row, double rowBottom) {
  ReportDevice& d = reportDevice_;
  const double baseline = rowBottom + TEXT_AFTER_PTS;
  const double indent = zeroWidth_ / 2.0;
  double x = pageManager_.getBodyLeft();
  for (int c = 0; c < NUM_COLUMNS; ++c) {
    const double w = columnWidths_[c];
    frameCell(d, x, rowBottom, w, TEXT_BOX_HEIGHT_DC);
    std::string text;
    switch (c) {
      case COL_ROW:
        text = decimalText(row.getScoreRowNum());
        break;
      case COL_ID_A:
        text = decimalText(row.getChoiceARowNum());
        break;
      case COL_CHOICE_A:
        text = row.getChoiceAName();
        break;
      case COL_CHOICE_B:
        text = row.getChoiceBName();
        break;
      case COL_ID_B:
        text = decimalText(row.getChoiceBRowNum());
        break;
      default:
        break;
    }
    if (c == COL_SCORE) {
      drawScoreCell(row.getPrefScore(), x, w, baseline);
    } else if (SCORE_COLUMNS[c].justify == JUSTIFY_RIGHT) {
      drawTextAt(d, text, x + w - indent - d.stringWidth(text), baseline);
    } else {
      fitText(d, text, w, indent, ellipsisWidthDC_);
      drawTextAt(d, text, x + indent, baseline);
    }
    x += w;
  }
}

void ScoresSection::draw() {
  if (scoreTableAllDmCr_.empty() || !options_.getIncludeScores()) return;
  ReportDevice& d = reportDevice_;
  const double bodyLeft = pageManager_.getBodyLeft();
  const double titleHeight = SECTION_TITLE_FONT_HEIGHT_PTS + SECTION_TITLE_FONT_AFTER_HEIGHT_PTS;
  auto tableRoom = [&](const ScoreTable& table) {
    return headingRowsHeight() +
           TEXT_BOX_HEIGHT_DC * (breakTables_ ? 1.0 : static_cast<double>(table.getRows().size()));
  };
  pageManager_.newPageIfNeeded(titleHeight + tableRoom(scoreTableAllDmCr_.front()));
  double y = d.getY();
  drawSectionTitle(d, "Scores", bodyLeft, y - SECTION_TITLE_FONT_HEIGHT_PTS);
  y -= titleHeight;

  for (const ScoreTable& table : scoreTableAllDmCr_) {
    const std::vector<ScoreRow>& rows = table.getRows();
    PV_ASSERT(rows.size() == numScoresPerDmCr_);
    d.setPosition(bodyLeft, y);
    if (pageManager_.newPageIfNeeded(tableRoom(table))) y = d.getY();
    drawHeadingRows(table, y);
    for (size_t i = 0; i < rows.size(); ++i) {
      if (breakTables_ && i > 0) {
        d.setPosition(bodyLeft, y);
        if (pageManager_.newPageIfNeeded(TEXT_BOX_HEIGHT_DC)) {
          y = d.getY();
          drawHeadingRows(table, y);
        }
      }
      selectTableFont(d);
      d.setColor(COLOR_TEXT_FILL | COLOR_TEXT_STROKE, hsv(0, 0, 0));
      drawScoreRow(rows[i], y - TEXT_BOX_HEIGHT_DC);
      y -= TEXT_BOX_HEIGHT_DC;
    }
  }
  d.setPosition(bodyLeft, y);
  pageManager_.setY(y);
}

}  // namespace Report
}  // namespace PV
