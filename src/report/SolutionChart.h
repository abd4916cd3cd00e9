// The bar chart of the solution: one bar per ranked choice over a scale of 0 to 100 %,
// laid out in its own world coordinates and mapped onto the page through the
// device's coordinate transform.
#pragma once

#include <string>
#include <vector>

#include "report/Color.h"
#include "report/Position.h"
#include "report/ReportText.h"

namespace PV {
namespace Report {

class ReportDevice;

class AxisElement {
 public:
  AxisElement(ReportDevice* reportDevice, const ReportText& text, bool drawTick, const Position& tickStart,
              float axisScaleLineLengthWC);
  void draw();
  ReportText& text() { return text_; }

 private:
  ReportDevice* reportDevice_;
  ReportText text_;
  bool drawTick_;
  Position tickStart_;
  float axisScaleLineLengthWC_;
};

class Axis {
 public:
  Axis(ReportDevice* reportDevice, const Position& origin, float axisLengthWC, float zRotationDegrees,
       const ReportText& title, const std::vector<AxisElement>& axisScaleLabels);
  void draw();
  // Copies at most maxAxisScaleLabels labels out; returns how many the axis holds.
  size_t getScaleLabels(size_t maxAxisScaleLabels, AxisElement* axisScaleLabels) const;

 private:
  ReportDevice* reportDevice_;
  Position origin_;
  float axisLengthWC_;
  float zRotationDegrees_;
  ReportText title_;
  std::vector<AxisElement> scaleLabels_;
};

class HistogramElement {
 public:
  HistogramElement(float x, float histogramXwidthWC, float histogramYheightWC, const Color& edgeColor,
                   const Color& fillColor, const ReportText& label, bool drawLabel);
  void draw();
  float getX() const { return x_; }
  float getWidth() const { return width_; }
  float getHeight() const { return height_; }

 private:
  ReportDevice* reportDevice_;
  float x_;
  float width_;
  float height_;
  Color edgeColor_;
  Color fillColor_;
  ReportText label_;
  bool drawLabel_;
};

class PlotArea {
 public:
  PlotArea(ReportDevice* reportDevice, const ReportText& title, const Axis& firstAxis, const Axis& secondAxis,
           const std::vector<HistogramElement>& bars, const Position& lowerLeft, const Position& upperRight);
  void setBars(const std::vector<HistogramElement>& histogramTable);
  const std::vector<HistogramElement>& bars() const { return bars_; }
  // The second axis, the first, the title, the bars, then the frame on top.
  void draw();

 private:
  ReportDevice* reportDevice_;
  ReportText title_;
  Axis firstAxis_;
  Axis secondAxis_;
  Position lowerLeft_;
  Position upperRight_;
  std::vector<HistogramElement> bars_;
};

// The chart's layout in points, worked out from the section width and the bars.
struct ChartLayout {
  double leftMargin = 0;
  double scaleLabelHalfChar = 0;  // half the scale labels' average character
  double horizontalLength = 0;
  double verticalLength = 0;
  double barWidth = 0;
  bool valueLabels = true;  // the bars are wide enough for their value labels
  double worldScale = 0;    // world units per point
  double plotWidth = 0;
  double plotHeight = 0;
};

// World units of the vertical axis; a percentage p stands p * 1.2 high, so that a
// 100 % bar reaches the scale's top label.
constexpr double CHART_AXIS_HEIGHT_WC = 120.0;
constexpr double CHART_TOP_BLOCK = 21.0;
constexpr double CHART_BOTTOM_BLOCK = 46.0;

ChartLayout layoutChart(ReportDevice& device, double sectionWidth, const std::vector<double>& percentages);

// Builds the chart of the given choice numbers and percentages with its bottom-left
// corner at (left, top - plotHeight) and draws it.
void drawSolutionChart(ReportDevice& device, const ChartLayout& layout, double left, double top,
                       const std::vector<std::string>& choiceNumbers, const std::vector<double>& percentages,
                       const std::vector<Color>& histogramColors);

}  // namespace Report
}  // namespace PV
