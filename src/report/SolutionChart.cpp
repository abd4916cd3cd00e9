#include "report/SolutionChart.h"

#include <algorithm>
#include <cmath>

#include "foundation/Assert.h"
#include "report/FontAttributes.h"
#include "report/NumberText.h"
#include "report/ReportDevice.h"

namespace PV {
namespace Report {

namespace {
const float GOLDEN_RATIO = (std::sqrt(5.0f) + 1.0f) / 2.0f;
const char* const CHART_TITLE = "Choice % Rank";
const char* const HORIZONTAL_AXIS_TITLE = "ID #";
const char* const VERTICAL_AXIS_TITLE = "% Rank";
const int NUM_SCALE_LABELS = 6;  // 0, 20, ..., 100
const int SCALE_LABEL_STEP = 20;
const double SCALE_LABEL_PTS = 12.0;
const double VALUE_LABEL_PTS = 10.0;
const double VALUE_LABEL_BEFORE = 5.0;
const double VALUE_LABEL_AFTER = 5.0;
const double TITLE_PTS = 14.0;
const double TITLE_GAP = 7.0;
const double SPACE_UNDER_LABELS = 6.0;
const double BAR_GAP = 0.5;
const int MIN_BAR_SLOTS = 10;
const double TICK_LENGTH_PTS = 4.0;

FontAttributes textLooks(double points, float angle) {
  FontMetrics metrics(Position(0, 0, 1), 0.0f, static_cast<float>(points), 0.0f, angle, JUSTIFY_NONE);
  FontColor color;
  color.setForeground(hsv(0, 0, 0));
  return FontAttributes(metrics, color, BOOKMAN_LIGHT, FontEncoding());
}

double widthAt(ReportDevice& device, const std::string& text, double points) {
  device.setFontStyleIndex(BOOKMAN_LIGHT);
  device.setFontEncoding(FontEncoding());
  device.setFontHeightPoints(points);
  return device.stringWidth(text);
}

std::string wholePercent(double pct) { return decimalText(static_cast<int64_t>(std::lround(pct))); }
}  // namespace

// ---------------------------------------------------------------------------------

AxisElement::AxisElement(ReportDevice* reportDevice, const ReportText& text, bool drawTick, const Position& tickStart,
                         float axisScaleLineLengthWC)
    : reportDevice_(reportDevice),
      text_(text),
      drawTick_(drawTick),
      tickStart_(tickStart),
      axisScaleLineLengthWC_(axisScaleLineLengthWC) {
  PV_ASSERT(reportDevice != NULL);
  PV_ASSERT(axisScaleLineLengthWC > 0.0);
}

void AxisElement::draw() {
  text_.draw();
  if (drawTick_) {
    reportDevice_->moveToWorld(tickStart_);
    reportDevice_->beginLine();
    reportDevice_->lineToWorld(tickStart_ + Position(axisScaleLineLengthWC_, 0, 0));
    reportDevice_->endLine();
  }
}

Axis::Axis(ReportDevice* reportDevice, const Position& origin, float axisLengthWC, float zRotationDegrees,
           const ReportText& title, const std::vector<AxisElement>& axisScaleLabels)
    : reportDevice_(reportDevice),
      origin_(origin),
      axisLengthWC_(axisLengthWC),
      zRotationDegrees_(zRotationDegrees),
      title_(title),
      scaleLabels_(axisScaleLabels) {
  PV_ASSERT(reportDevice != NULL);
  PV_ASSERT(axisLengthWC > 0.0);
  PV_ASSERT(zRotationDegrees == 0.0f || zRotationDegrees == 90.0f || zRotationDegrees == -90.0f);
  PV_ASSERT(scaleLabels_.size() > 0);
}

size_t Axis::getScaleLabels(size_t maxAxisScaleLabels, AxisElement* axisScaleLabels) const {
  PV_ASSERT(maxAxisScaleLabels > 0 && axisScaleLabels != NULL);
  const size_t n = std::min(maxAxisScaleLabels, scaleLabels_.size());
  for (size_t i = 0; i < n; ++i) axisScaleLabels[i] = scaleLabels_[i];
  return scaleLabels_.size();
}

void Axis::draw() {
  ReportDevice& d = *reportDevice_;
  d.setColor(COLOR_LINE, hsv(0, 0, 0));
  d.moveToWorld(origin_);
  d.beginLine();
  if (zRotationDegrees_ == 0.0f) {
    d.lineToWorld(origin_ + Position(axisLengthWC_, 0, 0));
  } else {
    d.lineToWorld(origin_ + Position(0, axisLengthWC_, 0));
  }
  d.endLine();
  for (AxisElement& label : scaleLabels_) label.draw();
  d.setFontWeight(2);
  title_.draw();
  d.setFontWeight(1);
}

HistogramElement::HistogramElement(float x, float histogramXwidthWC, float histogramYheightWC, const Color& edgeColor,
                                   const Color& fillColor, const ReportText& label, bool drawLabel)
    : reportDevice_(&ReportDevice::instance()),
      x_(x),
      width_(histogramXwidthWC),
      height_(histogramYheightWC),
      edgeColor_(edgeColor),
      fillColor_(fillColor),
      label_(label),
      drawLabel_(drawLabel) {
  PV_ASSERT(histogramXwidthWC > 0.0);
  PV_ASSERT(histogramYheightWC >= 0.0);
}

void HistogramElement::draw() {
  ReportDevice& d = *reportDevice_;
  d.setPolygonEdge(true);
  d.setColor(COLOR_POLYGON_EDGE, edgeColor_);
  d.setColor(COLOR_POLYGON_FILL, fillColor_);
  const float half = width_ / 2.0f;
  d.moveToWorld(Position(x_ - half, 0, 1));
  d.beginPolygon();
  d.lineToWorld(Position(x_ - half, height_, 1));
  d.lineToWorld(Position(x_ + half, height_, 1));
  d.lineToWorld(Position(x_ + half, 0, 1));
  d.closePath();
  d.endPolygon();
  if (drawLabel_) label_.draw();
}

PlotArea::PlotArea(ReportDevice* reportDevice, const ReportText& title, const Axis& firstAxis, const Axis& secondAxis,
                   const std::vector<HistogramElement>& bars, const Position& lowerLeft, const Position& upperRight)
    : reportDevice_(reportDevice),
      title_(title),
      firstAxis_(firstAxis),
      secondAxis_(secondAxis),
      lowerLeft_(lowerLeft),
      upperRight_(upperRight) {
  PV_ASSERT(reportDevice != NULL);
  setBars(bars);
}

void PlotArea::setBars(const std::vector<HistogramElement>& histogramTable) {
  PV_ASSERT(histogramTable.size() > 0);
  bars_ = histogramTable;
}

void PlotArea::draw() {
  ReportDevice& d = *reportDevice_;
  secondAxis_.draw();
  firstAxis_.draw();
  d.setFontWeight(2);
  title_.draw();
  d.setFontWeight(1);
  for (HistogramElement& bar : bars_) bar.draw();
  d.setColor(COLOR_LINE, hsv(0, 0, 0));
  d.moveToWorld(lowerLeft_);
  d.beginLine();
  d.lineToWorld(Position(lowerLeft_.getX(), upperRight_.getY(), 1));
  d.lineToWorld(upperRight_);
  d.lineToWorld(Position(upperRight_.getX(), lowerLeft_.getY(), 1));
  d.closePath();
  d.endLine();
}

// ---------------------------------------------------------------------------------

ChartLayout layoutChart(ReportDevice& device, double sectionWidth, const std::vector<double>& percentages) {
  ChartLayout l;
  double widestScale = 0.0;
  size_t widestScaleChars = 1;
  for (int v = 0; v <= 100; v += SCALE_LABEL_STEP) {
    const std::string label = decimalText(v);
    const double w = widthAt(device, label, SCALE_LABEL_PTS);
    if (w > widestScale) {
      widestScale = w;
      widestScaleChars = label.size();
    }
  }
  l.scaleLabelHalfChar = (widestScale / static_cast<double>(widestScaleChars)) / 2.0;
  l.leftMargin = 0.0 + TITLE_PTS + TITLE_GAP + widestScale + l.scaleLabelHalfChar;

  double widestValue = 0.0;
  size_t widestValueChars = 1;
  for (double pct : percentages) {
    const std::string label = wholePercent(pct);
    const double w = widthAt(device, label, VALUE_LABEL_PTS);
    if (w > widestValue) {
      widestValue = w;
      widestValueChars = label.size();
    }
  }
  const double smallestBarWidth = widestValue + widestValue / static_cast<double>(widestValueChars);

  l.horizontalLength = sectionWidth - l.leftMargin;
  const double leastVertical = 2.0 * NUM_SCALE_LABELS * SCALE_LABEL_PTS;
  if (l.horizontalLength < leastVertical && l.horizontalLength < leastVertical / GOLDEN_RATIO) {
    l.horizontalLength = leastVertical / GOLDEN_RATIO;
  }
  // Room for at least ten bars; more bars share the same length, so that every bar
  // stays inside the chart. Bars too narrow for their value labels go without them.
  const double slots = static_cast<double>(std::max<size_t>(MIN_BAR_SLOTS, percentages.size()));
  l.barWidth = l.horizontalLength / (slots + slots * BAR_GAP + BAR_GAP);
  l.valueLabels = l.barWidth >= smallestBarWidth;
  l.verticalLength = l.horizontalLength / GOLDEN_RATIO >= leastVertical ? l.horizontalLength / GOLDEN_RATIO
                                                                        : l.horizontalLength * GOLDEN_RATIO;
  l.worldScale = CHART_AXIS_HEIGHT_WC / l.verticalLength;
  l.plotWidth = l.leftMargin + l.horizontalLength;
  l.plotHeight = CHART_TOP_BLOCK + l.verticalLength + CHART_BOTTOM_BLOCK;
  return l;
}

void drawSolutionChart(ReportDevice& device, const ChartLayout& l, double left, double top,
                       const std::vector<std::string>& choiceNumbers, const std::vector<double>& percentages,
                       const std::vector<Color>& histogramColors) {
  PV_ASSERT(!percentages.empty() && percentages.size() == choiceNumbers.size());
  PV_ASSERT(!histogramColors.empty());
  const double s = l.worldScale;
  device.setWindows(left, left + l.plotWidth, top - l.plotHeight, top, -l.leftMargin * s, l.horizontalLength * s,
                    -CHART_BOTTOM_BLOCK * s, (CHART_TOP_BLOCK + l.verticalLength) * s);
  ReportDevice* d = &device;
  const Color black = hsv(0, 0, 0);

  // Vertical axis: the scale labels right-aligned left of the axis, ticks inward.
  const double halfChar = l.scaleLabelHalfChar;
  std::vector<AxisElement> verticalLabels;
  const double labelStep = (l.verticalLength / (NUM_SCALE_LABELS - 1)) * s;
  for (int k = 0; k < NUM_SCALE_LABELS; ++k) {
    const std::string label = decimalText(k * SCALE_LABEL_STEP);
    const double w = widthAt(device, label, SCALE_LABEL_PTS);
    ReportText text(d, label, textLooks(SCALE_LABEL_PTS, 0.0f));
    const double y = k * labelStep;
    text.setPosition(Position(-(halfChar + w) * s, y - (SCALE_LABEL_PTS * 0.35) * s, 1));
    verticalLabels.emplace_back(d, text, true, Position(0, y, 1), static_cast<float>(TICK_LENGTH_PTS * s));
  }
  const double verticalTitleWidth = widthAt(device, VERTICAL_AXIS_TITLE, TITLE_PTS);
  ReportText verticalTitle(d, VERTICAL_AXIS_TITLE, textLooks(TITLE_PTS, 90.0f));
  verticalTitle.setPosition(
      Position(-(l.leftMargin - TITLE_PTS * 0.8) * s, (CHART_AXIS_HEIGHT_WC - verticalTitleWidth * s) / 2.0, 1));
  Axis verticalAxis(d, Position(0, 0, 1), static_cast<float>(CHART_AXIS_HEIGHT_WC), 90.0f, verticalTitle,
                    verticalLabels);

  // Bars, and the horizontal axis with one label per bar.
  std::vector<AxisElement> horizontalLabels;
  std::vector<HistogramElement> bars;
  const double barWidth = l.barWidth * s;
  double previous = 0.0;
  for (size_t i = 0; i < percentages.size(); ++i) {
    const double x = barWidth * (1.0 + 1.5 * static_cast<double>(i));
    const std::string& number = choiceNumbers[i];
    const double numberWidth = widthAt(device, number, SCALE_LABEL_PTS);
    ReportText numberText(d, number, textLooks(SCALE_LABEL_PTS, 0.0f));
    numberText.setPosition(Position(x - numberWidth * s / 2.0, -(SPACE_UNDER_LABELS + SCALE_LABEL_PTS * 0.75) * s, 1));
    horizontalLabels.emplace_back(d, numberText, false, Position(x, 0, 1), 1.0f);

    const double pct = percentages[i];
    const double height = pct * CHART_AXIS_HEIGHT_WC / 100.0;
    const std::string value = wholePercent(pct);
    const double valueWidth = widthAt(device, value, VALUE_LABEL_PTS);
    ReportText valueText(d, value, textLooks(VALUE_LABEL_PTS, 0.0f));
    const double labelBlock = (VALUE_LABEL_BEFORE + VALUE_LABEL_PTS + VALUE_LABEL_AFTER) * s;
    const double baseline = height >= labelBlock ? height - (VALUE_LABEL_BEFORE + VALUE_LABEL_PTS * 0.75) * s
                                                 : height + VALUE_LABEL_AFTER * s;
    valueText.setPosition(Position(x - valueWidth * s / 2.0, baseline, 1));
    const bool labelled = l.valueLabels && pct != previous;
    previous = pct;
    bars.emplace_back(static_cast<float>(x), static_cast<float>(barWidth), static_cast<float>(height), black,
                      histogramColors[i % histogramColors.size()], valueText, labelled);
  }
  const double titleWidth = widthAt(device, HORIZONTAL_AXIS_TITLE, TITLE_PTS);
  ReportText horizontalTitle(d, HORIZONTAL_AXIS_TITLE, textLooks(TITLE_PTS, 0.0f));
  horizontalTitle.setPosition(
      Position((l.horizontalLength - titleWidth) * s / 2.0, -(CHART_BOTTOM_BLOCK - TITLE_GAP - 3.0) * s, 1));
  Axis horizontalAxis(d, Position(0, 0, 1), static_cast<float>(l.horizontalLength * s), 0.0f, horizontalTitle,
                      horizontalLabels);

  const double chartTitleWidth = widthAt(device, CHART_TITLE, TITLE_PTS);
  ReportText chartTitle(d, CHART_TITLE, textLooks(TITLE_PTS, 0.0f));
  chartTitle.setPosition(
      Position((l.horizontalLength - chartTitleWidth) * s / 2.0, (l.verticalLength + TITLE_GAP) * s, 1));

  device.setColor(COLOR_TEXT_STROKE, black);
  PlotArea plot(d, chartTitle, horizontalAxis, verticalAxis, bars, Position(0, 0, 1),
                Position(l.horizontalLength * s, CHART_AXIS_HEIGHT_WC, 1));
  plot.draw();
  device.setFontWeight(1);
}

}  // namespace Report
}  // namespace PV
