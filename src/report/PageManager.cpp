#include "report/PageManager.h"

#include "foundation/Assert.h"
#include "report/NumberText.h"
#include "report/ReportDevice.h"
#include "report/TextFit.h"

namespace PV {
namespace Report {

namespace {
const char* const MODEL_NAME_LABEL = "Model name:  ";
const char* const MODEL_FILE_LABEL = "Model file:  ";
const char* const PAGE_LABEL = "Page ";
const double LINE_HEIGHT = 10.0;
const double LINE_GAP = 3.0;
const double BAR_HEIGHT = 5.0;
}  // namespace

PageManager::PageManager(ReportDevice& device, double bodyMarginLeftDC, double bodyMarginRightDC,
                         double bodyMarginBottomDC, double bodyMarginTopDC, const std::string& modelName,
                         const std::string& modelFile, const std::string& reportTime)
    : reportDevice_(device),
      bodyMarginLeftDC_(bodyMarginLeftDC),
      bodyMarginRightDC_(bodyMarginRightDC),
      bodyMarginBottomDC_(bodyMarginBottomDC),
      bodyMarginTopDC_(bodyMarginTopDC),
      bodyWidthDC_(bodyMarginRightDC - bodyMarginLeftDC),
      modelName_(modelName),
      modelFile_(modelFile),
      reportTime_(reportTime) {
  PV_ASSERT(bodyMarginLeftDC >= 0.0 && bodyMarginRightDC >= 0.0 && bodyMarginLeftDC < bodyMarginRightDC);
  PV_ASSERT(bodyMarginBottomDC >= 0.0 && bodyMarginTopDC >= 0.0 && bodyMarginBottomDC < bodyMarginTopDC);
  headerLeft_ = footerLeft_ = bodyMarginLeftDC_;
  headerRight_ = footerRight_ = bodyMarginRightDC_;
  headerBottom_ = bodyMarginTopDC_;
  headerTop_ = device.pageTop() - device.margin() / 2.0;
  footerBottom_ = device.pageBottom() + device.margin() / 2.0;
  footerTop_ = bodyMarginBottomDC_;
  headerModelName_ = MODEL_NAME_LABEL + modelName_;
  headerModelFile_ = MODEL_FILE_LABEL + modelFile_;
  y_ = bodyMarginTopDC_;

  const double headerNeeds = LINE_HEIGHT + LINE_GAP + LINE_HEIGHT + LINE_GAP;
  if (headerTop_ - headerBottom_ < headerNeeds) {
    headerBottom_ = headerTop_ - headerNeeds;
    if (bodyMarginTopDC_ > headerBottom_) bodyMarginTopDC_ = headerBottom_;
  }
  const double footerNeeds = LINE_GAP + LINE_HEIGHT + LINE_GAP + BAR_HEIGHT + LINE_GAP + LINE_HEIGHT;
  if (footerTop_ - footerBottom_ < footerNeeds) {
    footerTop_ = footerBottom_ + footerNeeds;
    if (bodyMarginBottomDC_ < footerTop_) bodyMarginBottomDC_ = footerTop_;
  }
}

void PageManager::setY(double y) {
  PV_ASSERT(y >= 0.0);
  y_ = y;
}

void PageManager::setSolutionStatus(const std::string& solutionStatus) {
  PV_ASSERT(!solutionStatus.empty());
  solutionStatus_ = solutionStatus;
}

bool PageManager::newPageIfNeeded(double height) {
  if (reportDevice_.getY() - bodyMarginBottomDC_ >= height) return false;
  reportDevice_.finishPage();
  reportDevice_.beginPage();
  ++pageNumber_;
  if (pageNumber_ > 1) {
    drawHeader();
    drawFooter();
  }
  reportDevice_.setPosition(bodyMarginLeftDC_, bodyMarginTopDC_);
  y_ = bodyMarginTopDC_;
  return true;
}

void PageManager::fitText(std::string& text, double columnWidth, double indent) {
  Report::fitText(reportDevice_, text, columnWidth, indent, ellipsisWidthDC_);
}

void PageManager::drawHeader() {
  ReportDevice& d = reportDevice_;
  d.setFontStyleIndex(BOOKMAN_LIGHT);
  d.setFontEncoding(FontEncoding());
  d.setFontHeightPoints(LINE_HEIGHT);
  d.setFontWeight(1);
  d.setTextAngle(0.0);
  d.setColor(COLOR_TEXT_FILL, hsv(0, 0, 0));
  std::string name = headerModelName_;
  fitText(name, bodyWidthDC_, 0.0);
  std::string file = headerModelFile_;
  fitText(file, bodyWidthDC_, 0.0);
  double y = headerTop_ - LINE_HEIGHT;
  d.setPosition(bodyMarginLeftDC_, y);
  d.beginText();
  d.drawText(name);
  d.endText();
  y -= LINE_HEIGHT + LINE_GAP;
  d.setPosition(bodyMarginLeftDC_, y);
  d.beginText();
  d.drawText(file);
  d.endText();
}

void PageManager::drawFooter() {
  ReportDevice& d = reportDevice_;
  d.setFontStyleIndex(BOOKMAN_LIGHT);
  d.setFontEncoding(FontEncoding());
  d.setFontHeightPoints(LINE_HEIGHT);
  d.setColor(COLOR_TEXT_FILL, hsv(0, 0, 0));
  const double statusBaseline = footerTop_ - LINE_GAP - LINE_HEIGHT;
  if (!solutionStatus_.empty()) {
    // The status is one whole sentence: where it is wider than the body (the one of a
    // model without a solution is, by a little), it is set a little smaller rather
    // than cut or run past the margin.
    const double width = d.stringWidth(solutionStatus_);
    if (width > bodyWidthDC_) d.setFontHeightPoints(LINE_HEIGHT * bodyWidthDC_ / width * 0.999);
    d.setPosition(bodyMarginLeftDC_, statusBaseline);
    d.beginText();
    d.drawText(solutionStatus_);
    d.endText();
    d.setFontHeightPoints(LINE_HEIGHT);
  }
  const double barBottom = statusBaseline - LINE_GAP - BAR_HEIGHT;
  d.setColor(COLOR_POLYGON_FILL, hsv(240, 0.62f, 1));
  d.setPolygonEdge(false);
  d.setPosition(bodyMarginLeftDC_, barBottom);
  d.beginPolygon();
  d.drawRect(bodyMarginLeftDC_, barBottom, bodyWidthDC_, BAR_HEIGHT);
  d.endPolygon();
  d.setPolygonEdge(true);
  const double timeBaseline = barBottom - LINE_GAP - LINE_HEIGHT;
  d.setPosition(bodyMarginLeftDC_, timeBaseline);
  d.beginText();
  d.drawText(reportTime_);
  d.endText();
  const std::string page = PAGE_LABEL + decimalText(pageNumber_);
  d.setPosition(bodyMarginRightDC_ - d.stringWidth(page), timeBaseline);
  d.beginText();
  d.drawText(page);
  d.endText();
}

}  // namespace Report
}  // namespace PV
