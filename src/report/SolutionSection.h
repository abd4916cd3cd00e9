// "Solution": the ranking of the choices as a table and a bar chart, and the
// solution status that every page's footer shows.
#pragma once

#include <string>
#include <vector>

#include "model/DecisionModel.h"
#include "report/Color.h"
#include "report/SolutionChart.h"

namespace PV {
namespace Report {

class ReportDevice;
class PageManager;

class SolutionRow {
 public:
  SolutionRow(const std::string& rank, const std::string& pctRank, const std::string& choiceNum,
              const std::string& choiceName, const std::string& choiceNote);
  const std::string& getRank() const { return rank_; }
  const std::string& getPctRank() const { return pctRank_; }
  const std::string& getChoiceNum() const { return choiceNum_; }
  const std::string& getChoiceName() const { return choiceName_; }
  const std::string& getChoiceNote() const { return choiceNote_; }
  int getPctRankInt() const;
  float getPctRankFloat() const;

 private:
  std::string rank_, pctRank_, choiceNum_, choiceName_, choiceNote_;
  mutable bool pctIntComputed_ = false;
  mutable int pctInt_ = 0;
  mutable bool pctFloatComputed_ = false;
  mutable float pctFloat_ = 0.0f;
};

class SolutionSection {
 public:
  SolutionSection(ReportDevice& reportDevice, PageManager& pageManager, const PV::Data::DecisionModel& model,
                  const std::vector<Color>& histogramColors, float left, float right);

  static std::string statusText(const PV::Data::DecisionModel& model);
  void draw();
  const std::vector<SolutionRow>& rows() const { return solutionData_; }
  const PV::Data::DecisionModel& getModel() const { return model_; }
  double getLeft() const { return left_; }
  double getRight() const { return right_; }

 private:
  ReportDevice& reportDevice_;
  PageManager& pageManager_;
  const PV::Data::DecisionModel& model_;
  std::vector<Color> histogramColors_;
  double left_, right_, width_;
  std::vector<SolutionRow> solutionData_;
  std::vector<double> percentages_;
  ChartLayout chart_;
  double plotAreaHeightDC_ = 0.0;
  static double ellipsisWidthDC_;
};

}  // namespace Report
}  // namespace PV
