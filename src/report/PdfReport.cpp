#include "report/PdfReport.h"

#include <exception>
#include <new>

#include "foundation/Assert.h"
#include "model/TimeStamp.h"
#include "report/FontAttributes.h"
#include "report/ItemListSections.h"
#include "report/ModelSummarySection.h"
#include "report/PageManager.h"
#include "report/ReportDevice.h"
#include "report/ReportFileName.h"
#include "report/ScoresSection.h"
#include "report/SectionTools.h"
#include "report/SoftwareIdSection.h"
#include "report/SolutionSection.h"
#include "report/WinAnsiText.h"

namespace PV {
namespace Report {

namespace {
const char* const REPORT_TITLE = "Palvermontine Decision Model Report";
const double TITLE_PTS = 18.0;
const double TITLE_LINE_PTS = 11.0;
const double TITLE_LINE_STEP = 16.0;
const char* const REPORT_TIME_LABEL = "Report Date / Time:  ";

// Registers the device as the report's current one for as long as it lives.
class CurrentDevice {
 public:
  explicit CurrentDevice(ReportDevice& device) { ReportDevice::setInstance(&device); }
  ~CurrentDevice() { ReportDevice::setInstance(nullptr); }
};
}  // namespace

const std::vector<Color>& PdfReport::histogramColors() {
  static const std::vector<Color> colors = {hsv(0, 1, 1),      hsv(240, 0.62f, 1), hsv(120, 1, 1),    hsv(300, 1, 1),
                                            hsv(60, 1, 1),     hsv(180, 1, 1),     hsv(300, 0.5f, 1), hsv(60, 0.5f, 1),
                                            hsv(120, 0.5f, 1), hsv(0, 0.5f, 1)};
  return colors;
}

PdfReport::PdfReport(const PdfData& data, const PdfReportOptions& options, ReportViewer* viewerOptions)
    : data_(data), options_(options), viewerOptions_(viewerOptions), model_(data.getModel()) {
  // Folder and file names are UTF-8 like every other text of the report (a name in
  // the ANSI code page, from an older list of recent files, is read as such).
  if (data.getModelDirectory()) modelDirectory_ = utf8FromSystemText(*data.getModelDirectory());
  modelFile_ = utf8FromSystemText(fileNameOf(model_.get_filepath()));
  modelPath_ = modelDirectory_.empty() ? modelFile_ : modelDirectory_ + "\\" + modelFile_;
  pdfReportPathFile_ =
      reportPathFile(options.getReportFileName(), model_.get_nm(), currentWorkingFolder(), folderSeparator());
}

void PdfReport::drawTitleBlock(const std::string& reportTime, PageManager& pageManager) {
  ReportDevice& d = pageManager.getDevice();
  const Color black = hsv(0, 0, 0);
  const double left = pageManager.getBodyLeft();
  const double right = pageManager.getBodyRight();
  d.setFontStyleIndex(BOOKMAN_LIGHT);
  d.setFontEncoding(FontEncoding());
  d.setTextAngle(0.0);
  d.setFontHeightPoints(TITLE_PTS);
  d.setFontWeight(2);
  d.setColor(COLOR_TEXT_FILL | COLOR_TEXT_STROKE, black);
  const double titleBaseline = pageManager.getY();
  drawTextAt(d, REPORT_TITLE, left + (right - left) / 2.0 - d.stringWidth(REPORT_TITLE) / 2.0, titleBaseline);
  d.setFontWeight(1);

  const ReportLogo* logo = data_.getLogo();
  if (logo && logo->usable()) {
    d.placeImage(logo->rgb.data(), static_cast<int32_t>(logo->rgb.size()), left, titleBaseline, 0.0, logo->width,
                 logo->height, logo->width, logo->height, 8, CS_RGB);
  }

  double y = pageManager.getY() - TITLE_PTS;
  d.setFontHeightPoints(TITLE_LINE_PTS);
  const std::string lines[3] = {"Model Name:  " + model_.get_nm(), reportTime,
                                "Username:  " + data_.getAboutInfo().userName};
  for (const std::string& line : lines) {
    y -= TITLE_LINE_STEP;
    drawTextAt(d, line, left + (right - left) / 2.0 - d.stringWidth(line) / 2.0, y);
  }
  pageManager.setY(y);
  d.setPosition(left, pageManager.getBodyBottom());
}

int PdfReport::generate() {
  std::string stamp;
  if (data_.getClock()) {
    stamp = data_.getClock()();
  } else {
    PV::Util::timeStamp(stamp, true);
  }
  if (options_.getAppendTimestamp()) {
    pdfReportPathFile_ = insertTimestamp(pdfReportPathFile_, stamp);
  }
  // The footer of every later page shows this text; the title page prefixes it.
  std::string reportTime = options_.getShowReportTime() ? stamp : std::string();

  const std::string& modelName = model_.get_nm();
  ReportDevice device(modelName, modelPath_, pdfReportPathFile_, reportTime, data_.getAboutInfo(), viewerOptions_,
                      true);
  CurrentDevice current(device);
  device.setTrace(data_.getTrace());

  const double left = device.pageLeft() + device.margin();
  const double right = device.pageRight() - device.margin();
  const double bottom = device.pageBottom() + device.margin();
  const double top = device.pageTop() - device.margin();
  PageManager pageManager(device, left, right, bottom, top, modelName, modelFile_, reportTime);

  const float l = static_cast<float>(left), r = static_cast<float>(right);
  SoftwareIdSection softwareId(device, pageManager, data_.getAboutInfo(), l, r);
  ChoicesSection choices(device, pageManager, &model_.get_chs(), l, r);
  DecisionMakersSection decisionMakers(device, pageManager, &model_.get_dms(), l, r);
  CriteriaSection criteria(device, pageManager, &model_.get_crs(), l, r);
  ScoresSection scores(device, pageManager, options_, model_, l, r);
  SolutionSection solution(device, pageManager, model_, histogramColors(), l, r);
  pageManager.setSolutionStatus(SolutionSection::statusText(model_));
  ModelSummarySection summary(device, pageManager, options_, model_, scores, l, r);

  PV_ASSERT(!modelFile_.empty());
  reportTime.insert(0, REPORT_TIME_LABEL);
  drawTitleBlock(reportTime, pageManager);

  softwareId.draw();
  summary.draw();
  choices.draw();
  decisionMakers.draw();
  criteria.draw();
  scores.draw();
  solution.draw();

  const int status = device.close();
  errorMessage_ = device.errorMessage();
  return status;
}

int createPdfReport(const PdfData& data, const PdfReportOptions& options, ReportViewer* viewerOptions,
                    std::string* errorMessage) {
  int status = REPORT_WRITER_FAILED;
  std::string message;
  try {
    PdfReport report(data, options, viewerOptions);
    status = report.generate();
    message = report.errorMessage();
  } catch (const std::bad_alloc&) {
    message = "Not enough memory to make the report";
  } catch (const std::exception& e) {
    message = std::string("The report failed: ") + e.what();
  }
  if (errorMessage) *errorMessage = status == REPORT_WRITTEN ? std::string() : message;
  return status;
}

}  // namespace Report
}  // namespace PV
