#include "report/SoftwareIdSection.h"

#include <algorithm>

#include "foundation/Assert.h"
#include "report/FontAttributes.h"
#include "report/PageManager.h"
#include "report/ReportDevice.h"
#include "report/SectionTools.h"
#include "report/TextFit.h"

namespace PV {
namespace Report {

double SoftwareIdSection::ellipsisWidthDC_ = 0.0;

namespace {
using DataFunc = const std::string& (*)(const AboutTexts&);

struct RowSpec {
  const char* label;
  DataFunc data;
};

const std::string& webAddress(const AboutTexts& a) { return a.webAddress; }
const std::string& version(const AboutTexts& a) { return a.version; }
const std::string& buildDate(const AboutTexts& a) { return a.buildDate; }
const std::string& buildTime(const AboutTexts& a) { return a.buildTime; }
const std::string& osName(const AboutTexts& a) { return a.osName; }
const std::string& osVersion(const AboutTexts& a) { return a.osVersion; }
const std::string& publisher(const AboutTexts& a) { return a.publisher; }
const std::string& copyright(const AboutTexts& a) { return a.copyright; }

const char* const WEBSITE_LABEL = "Website:";

const RowSpec SOFTWARE_ID_ROWS[] = {
    {WEBSITE_LABEL, webAddress},
    {"", nullptr},
    {"Application Information", nullptr},
    {"Version:", version},
    {"Build date:", buildDate},
    {"Build time:", buildTime},
    {"", nullptr},
    {"OS Information", nullptr},
    {"Name:", osName},
    {"Version:", osVersion},
    {"", nullptr},
    {"Company Information", nullptr},
    {"Publisher:", publisher},
    {"Copyright:", copyright},
};
}  // namespace

SoftwareIdSection::SoftwareIdSection(ReportDevice& reportDevice, PageManager& pageManager, const AboutTexts& aboutInfo,
                                     float left, float right)
    : reportDevice_(reportDevice),
      pageManager_(pageManager),
      aboutInfo_(aboutInfo),
      left_(left),
      right_(right),
      width_(static_cast<double>(right) - static_cast<double>(left)) {
  for (const RowSpec& spec : SOFTWARE_ID_ROWS) {
    softwareIdData_.emplace_back(spec.label, spec.data ? spec.data(aboutInfo_) : std::string());
  }
}

void SoftwareIdSection::draw() {
  PV_ASSERT(softwareIdData_.size() > 0);
  ReportDevice& d = reportDevice_;
  const Color black = hsv(0, 0, 0);
  const Color linkBlue = hsv(240, 1.0f, 1.0f);
  const double titleHeight = SECTION_TITLE_FONT_HEIGHT_PTS + SECTION_TITLE_FONT_AFTER_HEIGHT_PTS;
  pageManager_.newPageIfNeeded(titleHeight + TEXT_BOX_HEIGHT_DC * static_cast<double>(softwareIdData_.size() + 1));
  const double titleBaseline = pageManager_.getY() - SECTION_TITLE_FONT_HEIGHT_PTS - TEXT_FONT_HEIGHT_PTS;
  drawSectionTitle(d, "Software Identification", pageManager_.getBodyLeft(), titleBaseline);
  double baseline = titleBaseline - SECTION_TITLE_FONT_AFTER_HEIGHT_PTS;
  pageManager_.setY(pageManager_.getY() - SECTION_TITLE_FONT_AFTER_HEIGHT_PTS);

  selectTableFont(d);
  d.setColor(COLOR_TEXT_FILL | COLOR_TEXT_STROKE, black);
  double labelWidth = 0.0;
  for (const Row& row : softwareIdData_) labelWidth = std::max(labelWidth, d.stringWidth(row.first));
  const double valueWidth = width_ - labelWidth;

  for (const Row& row : softwareIdData_) {
    double x = left_;
    if (!row.first.empty()) {
      std::string label = row.first;
      fitText(d, label, labelWidth, 0.0, ellipsisWidthDC_);
      drawTextAt(d, label, x, baseline);
    }
    x += labelWidth;
    if (!row.second.empty()) {
      std::string value = row.second;
      fitText(d, value, valueWidth, 0.0, ellipsisWidthDC_);
      const bool isLink = row.first == WEBSITE_LABEL;
      if (isLink) d.setColor(COLOR_TEXT_FILL, linkBlue);
      drawTextAt(d, value, x, baseline);
      if (isLink) {
        d.setColor(COLOR_TEXT_FILL, black);
        d.drawLink(x, baseline, x + d.stringWidth(value), baseline + TEXT_FONT_HEIGHT_PTS, aboutInfo_.webAddress);
      }
    }
    baseline -= TEXT_BOX_HEIGHT_DC;
  }
  const double endY = baseline + TEXT_BOX_HEIGHT_DC - TEXT_AFTER_PTS;
  d.setPosition(pageManager_.getBodyLeft(), endY);
  pageManager_.setY(endY);
}

}  // namespace Report
}  // namespace PV
