// Lays the report out on pages: the body box of every page, a vertical cursor, page
// breaks when the next piece would not fit above the bottom margin, and the running
// header and footer on every page after the title page. Device coordinates.
#pragma once

#include <cstdint>
#include <string>

namespace PV {
namespace Report {

class ReportDevice;

class PageManager {
 public:
  PageManager(ReportDevice& device, double bodyMarginLeftDC, double bodyMarginRightDC, double bodyMarginBottomDC,
              double bodyMarginTopDC, const std::string& modelName, const std::string& modelFile,
              const std::string& reportTime);

  ReportDevice& getDevice() { return reportDevice_; }
  double getBodyLeft() const { return bodyMarginLeftDC_; }
  double getBodyRight() const { return bodyMarginRightDC_; }
  double getBodyBottom() const { return bodyMarginBottomDC_; }
  double getBodyTop() const { return bodyMarginTopDC_; }
  double getBodyWidth() const { return bodyWidthDC_; }
  double getY() const { return y_; }
  void setY(double y);
  uint32_t getPageNumber() const { return pageNumber_; }

  void setSolutionStatus(const std::string& solutionStatus);
  // Starts a new page when less than height is left above the body bottom.
  bool newPageIfNeeded(double height);
  void fitText(std::string& text, double columnWidth, double indent);

 private:
  void drawHeader();
  void drawFooter();

  ReportDevice& reportDevice_;
  double bodyMarginLeftDC_, bodyMarginRightDC_, bodyMarginBottomDC_, bodyMarginTopDC_;
  double bodyWidthDC_;
  const std::string& modelName_;
  const std::string& modelFile_;
  const std::string& reportTime_;
  double headerLeft_, headerRight_, headerBottom_, headerTop_;
  double footerLeft_, footerRight_, footerBottom_, footerTop_;
  std::string headerModelName_;
  std::string headerModelFile_;
  double y_;
  std::string solutionStatus_;
  uint32_t pageNumber_ = 1;
  double ellipsisWidthDC_ = 0.0;
};

}  // namespace Report
}  // namespace PV
