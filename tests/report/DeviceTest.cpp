#include "report/ItemListSections.h"
#include "report/PageManager.h"
#include "report/ReportDevice.h"
#include "report/ReportText.h"
#include "report/TextFit.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ReportTestSupport.h"
#include "../xml/SmallDisk.h"

namespace PV {
namespace Report {
namespace {

using Support::countOf;

class DeviceTest : public ::testing::Test {
 protected:
  std::string modelName_ = "Device model";
  std::string modelPath_ = "C:\\models\\device.xpv";
  std::string reportTime_ = "2024-03-05T14:07:09Z";
  AboutTexts about_ = Support::fixedAboutTexts();
};

TEST_F(DeviceTest, ForcedDeviceWritesAOnePageDocumentAndUnforcedWritesNothing) {
  const std::string forced = Support::scratchFile("device_forced.pdf");
  {
    ReportDevice device(modelName_, modelPath_, forced, reportTime_, about_, nullptr, true);
    EXPECT_EQ(device.close(), REPORT_WRITTEN);
  }
  const std::string pdf = Support::readFile(forced);
  EXPECT_EQ(pdf.compare(0, 5, "%PDF-"), 0);
  EXPECT_EQ(countOf(pdf, "/Type /Page\n"), 1u);
  EXPECT_NE(pdf.find("/Title (Palvermontine report dated 2024-03-05T14:07:09Z for decision model file "
                     "C:\\\\models\\\\device.xpv)"),
            std::string::npos);
  EXPECT_NE(pdf.find("/Subject (Decision model name:  Device model)"), std::string::npos);

  const std::string unforced = Support::scratchFile("device_unforced.pdf");
  ReportDevice device(modelName_, modelPath_, unforced, reportTime_, about_, nullptr, false);
  EXPECT_EQ(device.stringWidth(""), 0.0);
  EXPECT_EQ(device.close(), REPORT_NOTHING_DRAWN);
  EXPECT_FALSE(Support::fileExists(unforced));
}

TEST_F(DeviceTest, TraceNamesEveryWriterCall) {
  std::ostringstream trace;
  const std::string path = Support::scratchFile("device_trace.pdf");
  ReportDevice device(modelName_, modelPath_, path, reportTime_, about_, nullptr, true);
  device.setTrace(&trace);
  device.setPosition(100, 200);
  device.setColor(COLOR_TEXT_FILL, hsv(0, 0, 0));
  device.beginText();
  device.drawText("a(b)");
  device.endText();
  EXPECT_GT(device.stringWidth("abc"), 0.0);
  EXPECT_EQ(device.close(), REPORT_WRITTEN);
  const std::string t = trace.str();
  EXPECT_NE(t.find("cpdf_beginText( 0x"), std::string::npos) << t;
  EXPECT_NE(t.find(", 100, 200, 0, \"a(b)\" )"), std::string::npos) << t;
  EXPECT_NE(t.find("stringWidth = "), std::string::npos) << t;
  EXPECT_NE(t.find(" = cpdf_stringWidth( 0x"), std::string::npos) << t;
  EXPECT_NE(t.find("pdfSaveStatus = 0 = cpdf_savePDFmemoryStreamToFile( 0x"), std::string::npos) << t;
  EXPECT_NE(t.find("cpdf_close( 0x"), std::string::npos) << t;
}

// The writer's colours are reset by text (which sets its own fill), by Q and by a new
// page; the device must paint every path in the colour it holds for it.
TEST_F(DeviceTest, ColoursInForceAreTheColoursDrawn) {
  std::ostringstream trace;
  const std::string path = Support::scratchFile("device_colours.pdf");
  ReportDevice device(modelName_, modelPath_, path, reportTime_, about_, nullptr, true);
  device.setTrace(&trace);
  const std::string grey = "cpdf_setrgbcolorfill( ";
  device.setColor(COLOR_POLYGON_FILL, hsv(0, 0, 0.9f));
  auto polygon = [&] {
    device.setPosition(100, 100);
    device.beginPolygon();
    device.drawRect(100, 100, 50, 16);
    device.endPolygon();
  };
  polygon();
  device.setColor(COLOR_TEXT_FILL, hsv(0, 0, 0));
  device.beginText();
  device.drawText("x");
  device.endText();
  polygon();  // the grey is not set again by the caller, but must be in force
  device.pushTransform(1);
  device.popTransform();
  polygon();
  const std::string t = trace.str();
  EXPECT_EQ(countOf(t, ", 0.9, 0.9, 0.9 )"), 3u) << t;
  EXPECT_EQ(device.close(), REPORT_WRITTEN);
}

TEST_F(DeviceTest, BoldTextIsOutlinedInTheStrokeColour) {
  std::ostringstream trace;
  const std::string path = Support::scratchFile("device_bold.pdf");
  ReportDevice device(modelName_, modelPath_, path, reportTime_, about_, nullptr, true);
  device.setTrace(&trace);
  device.setColor(COLOR_TEXT_STROKE, hsv(0, 1, 1));
  device.setColor(COLOR_TEXT_FILL, hsv(240, 1, 1));
  device.beginText();
  device.drawText("normal");
  device.endText();
  EXPECT_EQ(trace.str().find("cpdf_setrgbcolorStroke"), std::string::npos);
  device.setFontWeight(2);
  device.beginText();
  device.drawText("bold");
  device.endText();
  const std::string t = trace.str();
  EXPECT_NE(t.find("cpdf_setTextRenderingMode( 0x"), std::string::npos);
  EXPECT_NE(t.find("cpdf_setrgbcolorStroke("), std::string::npos);
  EXPECT_NE(t.find(", 1, 0, 0 )"), std::string::npos) << t;
  EXPECT_EQ(device.close(), REPORT_WRITTEN);
}

// A failure inside the writer (here: more pages than the document can hold) is an
// error status with a message, never the end of the program.
TEST_F(DeviceTest, WriterFailuresBecomeStatusesWithMessages) {
  const std::string path = Support::scratchFile("device_pages.pdf");
  {
    ReportDevice device(modelName_, modelPath_, path, reportTime_, about_, nullptr, true);
    for (int page = 2; page <= 101; ++page) {
      device.finishPage();
      device.beginPage();
    }
    EXPECT_EQ(device.close(), REPORT_WRITER_FAILED);
    EXPECT_NE(device.errorMessage().find("page 100"), std::string::npos) << device.errorMessage();
  }
  EXPECT_FALSE(Support::fileExists(path));

  const std::string unwritable = "no_such_folder_for_reports/r.pdf";
  ReportDevice device(modelName_, modelPath_, unwritable, reportTime_, about_, nullptr, true);
  EXPECT_EQ(device.close(), REPORT_CANNOT_OPEN_FILE);
  EXPECT_NE(device.errorMessage().find(unwritable), std::string::npos);
}

// A report that cannot be written whole leaves the previous report of that name as
// it was and no partial file: into a full disk, and when the finished file cannot
// take the report's name (a folder holds it).
TEST_F(DeviceTest, AFailedSaveKeepsThePreviousReportAndLeavesNoPartialFile) {
  const std::string previous = "%PDF-1.3 the previous report\n";
  {
    const std::string taken = "device_taken.pdf";
    std::filesystem::remove_all(taken);
    std::filesystem::create_directory(taken);
    ReportDevice device(modelName_, modelPath_, taken, reportTime_, about_, nullptr, true);
    EXPECT_EQ(device.close(), REPORT_CLOSE_FAILED);
    EXPECT_NE(device.errorMessage().find("Could not replace " + taken + ": "), std::string::npos)
        << device.errorMessage();
    EXPECT_TRUE(std::filesystem::is_directory(taken));
    EXPECT_FALSE(Support::fileExists(taken + ".tmp"));
    std::filesystem::remove_all(taken);
  }

  const std::string dir = "device_full_disk";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directory(dir);
  PV::Test::SmallDisk disk(dir, 16);
  if (!disk.usable()) GTEST_SKIP() << disk.reason();
  const std::string path = dir + "/report.pdf";
  {
    std::ofstream out(path, std::ios::binary);
    out << previous;
  }
  ASSERT_TRUE(disk.fill());
  ReportDevice device(modelName_, modelPath_, path, reportTime_, about_, nullptr, true);
  const int32_t status = device.close();
  EXPECT_TRUE(status == REPORT_SHORT_WRITE || status == REPORT_CLOSE_FAILED) << status;
  EXPECT_NE(device.errorMessage().find(path + ".tmp: " + std::strerror(ENOSPC)), std::string::npos)
      << device.errorMessage();
  EXPECT_EQ(Support::readFile(path), previous);
  EXPECT_FALSE(Support::fileExists(path + ".tmp"));
}

class CountingViewer : public ReportViewer {
 public:
  int run(const std::string& path) override {
    paths.push_back(path);
    return 1;
  }
  std::vector<std::string> paths;
};

TEST_F(DeviceTest, TheViewerGetsOnlyAWrittenFile) {
  CountingViewer viewer;
  const std::string path = Support::scratchFile("device_viewer.pdf");
  {
    ReportDevice device(modelName_, modelPath_, path, reportTime_, about_, &viewer, true);
  }  // destroyed unclosed: saved and closed
  ASSERT_EQ(viewer.paths.size(), 1u);
  EXPECT_EQ(viewer.paths[0], path);
  ReportDevice device(modelName_, modelPath_, "no_such_folder_for_reports/v.pdf", reportTime_, about_, &viewer, true);
  EXPECT_NE(device.close(), REPORT_WRITTEN);
  EXPECT_EQ(viewer.paths.size(), 1u);
}

TEST_F(DeviceTest, TextMeasuredOnceAndAgainAfterAChange) {
  const std::string path = Support::scratchFile("device_text.pdf");
  ReportDevice device(modelName_, modelPath_, path, reportTime_, about_, nullptr, true);
  FontAttributes looks;
  looks.setEncoding(FontEncoding());
  ReportText text(&device, "ii", looks);
  const float narrow = text.width();
  text.setText("WW");
  EXPECT_GT(text.width(), narrow);
  EXPECT_EQ(device.close(), REPORT_WRITTEN);
}

TEST_F(DeviceTest, PageBreaksDrawHeaderAndFooter) {
  std::ostringstream trace;
  const std::string path = Support::scratchFile("device_pagebreak.pdf");
  std::string time = "Report Date / Time:  2024-03-05T14:07:09Z";
  const std::string longName(120, 'N');
  ReportDevice device(longName, modelPath_, path, time, about_, nullptr, true);
  PageManager pm(device, 72, 540, 72, 720, longName, "device.xpv", time);
  pm.setSolutionStatus("Decision solution up to date with current model content");
  device.setTrace(&trace);
  device.setPosition(72, 100);
  EXPECT_FALSE(pm.newPageIfNeeded(20));
  EXPECT_TRUE(pm.newPageIfNeeded(40));
  EXPECT_EQ(pm.getPageNumber(), 2u);
  EXPECT_EQ(pm.getY(), 720.0);
  EXPECT_EQ(device.getY(), 720.0);
  const std::string t = trace.str();
  EXPECT_NE(t.find(", 72, 746, 0, \"Model name:  NNN"), std::string::npos) << t;
  EXPECT_NE(t.find("N\x85\" )"), std::string::npos) << t;  // cut to the body, with an ellipsis
  EXPECT_NE(t.find(", 72, 733, 0, \"Model file:  device.xpv\" )"), std::string::npos) << t;
  EXPECT_NE(t.find(", 72, 59, 0, \"Decision solution up to date"), std::string::npos) << t;
  EXPECT_NE(t.find("cpdf_rawRect( 0x"), std::string::npos);
  EXPECT_NE(t.find(", 72, 51, 468, 5 )"), std::string::npos) << t;
  EXPECT_NE(t.find(", 72, 38, 0, \"Report Date / Time:  2024-03-05T14:07:09Z\" )"), std::string::npos) << t;
  EXPECT_NE(t.find(", 38, 0, \"Page 2\" )"), std::string::npos) << t;
  EXPECT_EQ(device.close(), REPORT_WRITTEN);
}

TEST_F(DeviceTest, FittingKeepsAnExactFitAndCutsALongText) {
  const std::string path = Support::scratchFile("device_fit.pdf");
  ReportDevice device(modelName_, modelPath_, path, reportTime_, about_, nullptr, true);
  device.setFontEncoding(FontEncoding());
  device.setFontHeightPoints(11);
  double ellipsis = 0.0;
  std::string exact = "Choice name";
  const double width = device.stringWidth(exact) + 4.0;
  fitText(device, exact, width, 2.0, ellipsis);
  EXPECT_EQ(exact, "Choice name");
  EXPECT_EQ(ellipsis, 0.0);
  std::string longer = "Choice name number one, thirty and more";
  fitText(device, longer, width, 2.0, ellipsis);
  EXPECT_GT(ellipsis, 0.0);
  EXPECT_EQ(longer.substr(longer.size() - 3), "\xE2\x80\xA6");  // U+2026, shown as 0x85
  EXPECT_LE(device.stringWidth(longer) + 4.0, width);
  EXPECT_EQ(device.close(), REPORT_WRITTEN);
}

// The last fill colour set before the line that draws the given text.
std::string fillBefore(const std::string& trace, const std::string& text) {
  const size_t at = trace.find(", \"" + text + "\" )\ncpdf_endText");
  if (at == std::string::npos) return "not drawn";
  const size_t fill = trace.rfind("cpdf_setrgbcolorfill(", at);
  if (fill == std::string::npos) return "no fill";
  const size_t args = trace.find(", ", fill);
  return trace.substr(args + 2, trace.find(" )", args) - args - 2);
}

TEST_F(DeviceTest, ItemListsDrawWeightsInDarkRedAndSkipEmptyLists) {
  std::ostringstream trace;
  const std::string path = Support::scratchFile("device_lists.pdf");
  const PV::Data::DecisionModel model = Support::smallModel(0, 2, 3);
  ReportDevice device(modelName_, modelPath_, path, reportTime_, about_, nullptr, true);
  PageManager pm(device, 72, 540, 72, 720, modelName_, "device.xpv", reportTime_);
  device.setTrace(&trace);
  device.setPosition(72, 720);
  ChoicesSection choices(device, pm, &model.get_chs(), 72, 540);
  CriteriaSection criteria(device, pm, &model.get_crs(), 72, 540);
  DecisionMakersSection decisionMakers(device, pm, &model.get_dms(), 72, 540);
  choices.draw();
  EXPECT_TRUE(trace.str().empty());
  criteria.draw();
  decisionMakers.draw();
  const std::string t = trace.str();
  EXPECT_EQ(fillBefore(t, "Criterion 1"), "0, 0, 0");
  EXPECT_EQ(fillBefore(t, "30"), "0.5, 0, 0");   // the third criterion's weight
  EXPECT_EQ(fillBefore(t, "200"), "0.5, 0, 0");  // the second decision maker's
  EXPECT_EQ(fillBefore(t, "Criterion note"), "0, 0, 0");
  EXPECT_EQ(fillBefore(t, "Decision Maker 2"), "0, 0, 0");
  // Heading cells are filled light grey, whatever colour the text before them had.
  EXPECT_GE(countOf(t, ", 0.9, 0.9, 0.9 )"), 2u);
  EXPECT_EQ(pm.getY(), 720 - 32 - 16 * 4 - 32 - 16 * 3);
  EXPECT_EQ(device.close(), REPORT_WRITTEN);
}

TEST_F(DeviceTest, ProtocolBreachesStop) {
  const std::string path = Support::scratchFile("device_protocol.pdf");
  EXPECT_DEATH(
      {
        ReportDevice device(modelName_, modelPath_, path, reportTime_, about_, nullptr, true);
        device.beginLine();
        device.setColor(COLOR_LINE, hsv(0, 1, 1));
        device.lineTo(Position(10, 10, 1));
      },
      "! ?lineAttributesChanged_");
  EXPECT_DEATH(
      {
        ReportDevice device(modelName_, modelPath_, path, reportTime_, about_, nullptr, true);
        device.beginLine();
        device.beginText();
      },
      "drawingLine_ && ! ?drawingPolygon_");
  EXPECT_DEATH(
      {
        ReportDevice device(modelName_, modelPath_, path, reportTime_, about_, nullptr, true);
        device.setFontWeight(3);
      },
      "invalid font weight");
}

}  // namespace
}  // namespace Report
}  // namespace PV
