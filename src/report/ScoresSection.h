// "Scores": every paired-preference score of the model, one table per decision
// maker and criterion, one row per choice pair; and the counts the model summary
// prints (pairs per table, the total A and the entered scores E).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/DecisionModel.h"

namespace PV {
namespace Report {

class ReportDevice;
class PageManager;
class PdfReportOptions;

enum : int { UNSCORED = 117, RANGE_CHANGED_AFTER_SCORING = 114 };

class ScoreRow {
 public:
  ScoreRow(int maxScoresPerDmCr, int maxChoices, int maxPrefScore);
  static int getNumColumnsPerScoreRow() { return 6; }

  void setScoreRowNum(int scoreRowNum);
  void setChoiceARowNum(int choiceARowNum);
  void setChoiceAName(const std::string& choiceAName);
  void setPrefScore(int prefScore);
  void setChoiceBName(const std::string& choiceBName);
  void setChoiceBRowNum(int choiceBRowNum);
  int getScoreRowNum() const;
  int getChoiceARowNum() const;
  const std::string& getChoiceAName() const;
  int getPrefScore() const;
  const std::string& getChoiceBName() const;
  int getChoiceBRowNum() const;

 private:
  int maxScoresPerDmCr_;
  int maxChoices_;
  int maxPrefScore_;
  int scoreRowNum_ = 0;
  int choiceARowNum_ = 0;
  std::string choiceAName_;
  int prefScore_;
  std::string choiceBName_;
  int choiceBRowNum_ = 0;
};

class ScoreTable {
 public:
  explicit ScoreTable(const PV::Data::DecisionModel& model);
  void setDecisionMakerIndex(int decisionMakerIndex);
  void setCriterionIndex(int criterionIndex);
  int getDecisionMakerIndex() const;
  int getCriterionIndex() const;
  void setRows(const std::vector<ScoreRow>& scoreTablePerDmCr);
  const std::vector<ScoreRow>& getRows() const { return scoreTablePerDmCr_; }
  const std::string& getDecisionMakerName() const;
  uint32_t getDecisionMakerWeight() const;
  const std::string& getCriterionName() const;
  uint32_t getCriterionWeight() const;

 private:
  const PV::Data::DecisionModel::DecisionMakers* decisionMakers_;
  const PV::Data::DecisionModel::Criteria* criteria_;
  int decisionMakerIndex_ = -1;
  int criterionIndex_ = -1;
  std::vector<ScoreRow> scoreTablePerDmCr_;
};

class ScoresSection {
 public:
  ScoresSection(ReportDevice& reportDevice, PageManager& pageManager, const PdfReportOptions& options,
                const PV::Data::DecisionModel& model, float left, float right);

  void draw();

  // Counts for the model summary.
  uint32_t getNumScoresPerDmCr() const { return numScoresPerDmCr_; }
  uint32_t getTotalScores() const;
  uint32_t getEnteredScores() const { return numEntered_; }
  uint32_t getUnscoredScores() const { return numUnscored_; }
  uint32_t getRangeChangedScores() const { return numRangeChanged_; }
  const std::vector<ScoreTable>& tables() const { return scoreTableAllDmCr_; }
  // Why no tables were made from stored scores that do not fit the model (empty
  // when they fit or there are none).
  const std::string& refusal() const { return refusal_; }
  double getLeft() const { return left_; }
  double getRight() const { return right_; }

 private:
  void build();
  void layout();
  void drawHeadingRows(const ScoreTable& table, double& y);
  void drawScoreRow(const ScoreRow& row, double y);
  void drawScoreCell(int score, double x, double width, double baseline);
  double headingRowsHeight() const;

  ReportDevice& reportDevice_;
  PageManager& pageManager_;
  const PdfReportOptions& options_;
  const PV::Data::DecisionModel& model_;
  double left_, right_, width_;
  std::vector<ScoreTable> scoreTableAllDmCr_;
  std::map<int, int> mapScoreValueFromRandomPairSetToReport;
  uint32_t numScoresPerDmCr_ = 0;
  uint32_t numUnscored_ = 0;
  uint32_t numRangeChanged_ = 0;
  uint32_t numEntered_ = 0;
  std::string refusal_;
  bool breakTables_ = false;
  std::vector<double> columnWidths_;
  double zeroWidth_ = 0.0;
  double digitWidths_[6] = {0, 0, 0, 0, 0, 0};
  int widestDigit_ = 0;
  double leftArrowWidth_ = 0.0, rightArrowWidth_ = 0.0, doubleArrowWidth_ = 0.0;
  static double ellipsisWidthDC_;
};

}  // namespace Report
}  // namespace PV
