// "Software Identification": which program made the report and on which system.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "report/ReportInputs.h"

namespace PV {
namespace Report {

class ReportDevice;
class PageManager;

class SoftwareIdSection {
 public:
  using Row = std::pair<std::string, std::string>;  // label, value

  SoftwareIdSection(ReportDevice& reportDevice, PageManager& pageManager, const AboutTexts& aboutInfo, float left,
                    float right);
  void draw();
  const std::vector<Row>& rows() const { return softwareIdData_; }
  double getLeft() const { return left_; }
  double getRight() const { return right_; }

 private:
  ReportDevice& reportDevice_;
  PageManager& pageManager_;
  const AboutTexts& aboutInfo_;
  double left_, right_, width_;
  std::vector<Row> softwareIdData_;
  static double ellipsisWidthDC_;
};

}  // namespace Report
}  // namespace PV
