#include "xml/XmlOptsFile.h"
#include "factory/DemoModel.h"
#include "factory/Factory.h"
#include "model/Limits.h"
#include "pdf/cpdf.h"
#include "report/ModelSummarySection.h"
#include "report/PageManager.h"
#include "report/PdfReport.h"
#include "report/ScoresSection.h"
#include "report/ReportDevice.h"
#include "report/ReportFileName.h"
#include "report/SolutionChart.h"
#include "report/SolutionSection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "DemoShapedModel.h"
#include "ReportTestSupport.h"

namespace PV {
namespace Report {
namespace {

using Support::countOf;

// The folder the whole-report test writes into, for the checkers that run after it; by
// hand, without it, the test program's own folder of the build tree.
std::string outputFolder() {
  const char* dir = std::getenv("PV_REPORT_OUT_DIR");
  return (dir && *dir ? std::string(dir) : std::string(PV_TEST_OUT_DIR)) + "/";
}

struct ReportRun {
  int status;
  std::string message;
  std::string trace;
};

ReportRun report(const PV::Data::DecisionModel& model, bool includeScores, const std::string& path,
                 const ReportLogo* logo = nullptr) {
  PdfData data(model, Support::fixedAboutTexts(), std::nullopt, logo);
  data.setClock(Support::fixedClock);
  std::ostringstream trace;
  data.setTrace(&trace);
  const PdfReportOptions options(includeScores, false, path);
  ReportRun run;
  run.status = createPdfReport(data, options, nullptr, &run.message);
  run.trace = trace.str();
  return run;
}

// Text drawn by the report: its trace lines are "cpdf_rawText( doc, x, y, angle, "text" )".
std::string drawn(const std::string& text) { return ", \"" + text + "\" )\n"; }

size_t timesDrawn(const std::string& trace, const std::string& text) {
  size_t n = 0;
  std::istringstream lines(trace);
  for (std::string line; std::getline(lines, line);) {
    line += "\n";
    if (line.rfind("cpdf_rawText(", 0) == 0 && line.size() >= drawn(text).size() &&
        line.compare(line.size() - drawn(text).size(), std::string::npos, drawn(text)) == 0) {
      ++n;
    }
  }
  return n;
}

ReportLogo testLogo() {
  ReportLogo logo;
  logo.width = 32;
  logo.height = 32;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool mark = (x / 8 + y / 8) % 2 == 0;
      logo.rgb.push_back(mark ? 40 : 255);
      logo.rgb.push_back(mark ? 90 : 255);
      logo.rgb.push_back(mark ? 200 : 255);
    }
  }
  return logo;
}

// The demonstration model, built, scored and solved through the factory; its report
// is left for the checkers (qpdf, pdftoppm, pdftotext) that the next test entry runs.
TEST(ReportTest, SolvedDemonstrationModelBecomesAReport) {
  // The factory's options files live in a folder of this test's own.
  const std::filesystem::path config = std::filesystem::current_path() / "report_demo_config";
  std::filesystem::create_directories(config);
  PV::XML::setOptionsHome({config.string(), "Report Tester"});
  PV::Data::RankSolutionData ranking;
  const auto algorithm = PV::Test::makeDataModel(ranking, false, false);
  ASSERT_NE(algorithm, nullptr);
  const PV::Data::DecisionModel& model = *PV::Data::Factory::instance()->currDataModel(0);
  ASSERT_EQ(model.get_slns().size(), 10u);
  EXPECT_FALSE(model.get_slns().get_flag());

  const ReportLogo logo = testLogo();
  const std::string path = outputFolder() + "report_demo.pdf";
  std::remove(path.c_str());
  const ReportRun run = report(model, true, path, &logo);
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  EXPECT_TRUE(Support::fileExists(path));
  const std::string& t = run.trace;
  EXPECT_EQ(countOf(t, "cpdf_rawPlaceInLineImage"), 1u);
  EXPECT_GT(timesDrawn(t, "Decision solution up to date with current model content"), 0u);
  EXPECT_EQ(timesDrawn(t, "100.0"), 1u);
  // 14 tables, each headed again after a page break inside it.
  EXPECT_GE(timesDrawn(t, "DM:"), 14u);
  EXPECT_GT(timesDrawn(t, "630 (E/A = %100.00 completion ratio)"), 0u);
  std::error_code ignored;
  std::filesystem::remove_all(config, ignored);
}

// A solved model of the same shape made in the test, with a logo, through every
// section.
TEST(ReportTest, SolvedModelOfTheDemonstrationShapeBecomesAReport) {
  const ReportLogo logo = testLogo();
  const ReportRun run = report(Support::demoShapedModel(), true, Support::scratchFile("report_shaped.pdf"), &logo);
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  const std::string& t = run.trace;
  EXPECT_EQ(countOf(t, "cpdf_rawPlaceInLineImage"), 1u);
  EXPECT_GT(timesDrawn(t, "Palvermontine Decision Model Report"), 0u);
  EXPECT_GT(timesDrawn(t, "Scores"), 0u);
  EXPECT_GE(timesDrawn(t, "DM:"), 14u);
}

// A model at the file limits (5 decision makers, 7 criteria, 10 choices, all 1575
// scores) whose names and notes are as long as a file holds, in wide letters: the
// table cells cut them with an ellipsis and the report stays within the page limit.
TEST(ReportTest, ModelAtTheFileLimitsBecomesAReport) {
  PV::Data::DecisionModel model = Support::limitModel();
  const std::string name(PV_DATA_NM_MAX_BYTES, 'W'), note(PV_DATA_NOTES_MAX_BYTES, 'W');
  for (auto& item : model.get_chs()) {
    item.set_nm(name);
    item.set_note(note);
  }
  for (auto& item : model.get_dms()) item.set_nm(name);
  for (auto& item : model.get_crs()) item.set_nm(name);
  const ReportRun run = report(model, true, Support::scratchFile("report_limits.pdf"));
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  EXPECT_GE(timesDrawn(run.trace, "DM:"), 35u);
  EXPECT_EQ(timesDrawn(run.trace, name), 0u);        // no full-length name fits a cell
  EXPECT_GT(countOf(run.trace, "W\x85\" )\n"), 0u);  // but its cut form does
}

TEST(ReportTest, ModelWithoutSolutionsHasNoSolutionSection) {
  PV::Data::DecisionModel model = Support::demoShapedModel();
  model.get_slns().clear();
  const ReportRun run = report(model, true, Support::scratchFile("report_nosolutions.pdf"));
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  EXPECT_GT(timesDrawn(run.trace,
                       "Model definition not sufficient for decision solution - review "
                       "copy for management purposes only"),
            0u);
  EXPECT_EQ(timesDrawn(run.trace, "Solution"), 0u);
  EXPECT_EQ(timesDrawn(run.trace, "Choice % Rank"), 0u);
}

// The status of a model without a solution is the longest: set at the line height it
// runs past the right margin, so it is set a little smaller to fit.
TEST(ReportTest, TheStatusLineFitsBetweenTheMargins) {
  PV::Data::DecisionModel model = Support::demoShapedModel();
  model.get_slns().clear();
  const ReportRun run = report(model, false, Support::scratchFile("report_status.pdf"));
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  // Trace lines: 'cpdf_setFont( doc, "name", "encoding", size )' and
  // 'cpdf_rawText( doc, x, y, angle, "text" )'; the width is measured here anew.
  const std::string status =
      "Model definition not sufficient for decision solution - review copy for management "
      "purposes only";
  CpdfDocument* measure = cpdf_open(0, nullptr);
  cpdf_init(measure);
  auto numberAfter = [](const std::string& line, size_t at) { return std::strtod(line.c_str() + at, nullptr); };
  std::istringstream lines(run.trace);
  double size = 0;
  size_t checked = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("cpdf_setFont(", 0) == 0) size = numberAfter(line, line.rfind(", ") + 2);
    if (line.rfind("cpdf_rawText(", 0) == 0 && line.find(status) != std::string::npos) {
      const double x = numberAfter(line, line.find(", ") + 2);
      cpdf_setFont(measure, "Bookman-Light", "WinAnsiEncoding", static_cast<float>(size));
      EXPECT_LE(x + cpdf_stringWidth(measure, status.c_str()), 540.0) << line;
      EXPECT_GE(size, 9.9);  // set a little smaller, not shrunk out of sight
      ++checked;
    }
  }
  cpdf_close(measure);
  EXPECT_GT(checked, 0u);
}

// Texts outside ASCII keep their letters: the text fonts take the Windows character
// set and the UTF-8 texts are converted to it; a character it cannot hold shows "?".
// The report is left for pdftotext (report_accents_check).
TEST(ReportTest, TextsOutsideAsciiKeepTheirLetters) {
  PV::Data::DecisionModel model = Support::demoShapedModel();
  model.set_nm(
      "\xC3\x9C"
      "bersicht \xC3\xA9t\xC3\xA9");  // "Übersicht été"
  model.get_chs()[0].set_nm(
      "Stra\xC3\x9F"
      "e \xE2\x82\xAC 5 \xE4\xB8\xAD");  // "Straße € 5 中"
  AboutTexts about = Support::fixedAboutTexts();
  about.userName = "J\xC3\xB6rg M\xC3\xBCller";  // "Jörg Müller"
  PdfData data(model, about, std::nullopt, nullptr);
  data.setClock(Support::fixedClock);
  std::ostringstream trace;
  data.setTrace(&trace);
  const std::string path = outputFolder() + "report_accents.pdf";
  std::remove(path.c_str());
  const PdfReportOptions options(true, false, path);
  std::string message;
  ASSERT_EQ(createPdfReport(data, options, nullptr, &message), REPORT_WRITTEN) << message;
  const std::string t = trace.str();
  EXPECT_EQ(countOf(t, "\"Bookman-Light\", null"), 0u) << "a text font without its encoding";
  EXPECT_GT(countOf(t, "\"Bookman-Light\", \"WinAnsiEncoding\""), 0u);
  EXPECT_EQ(timesDrawn(t,
                       "Model Name:  \xDC"
                       "bersicht \xE9t\xE9"),
            1u);
  EXPECT_EQ(timesDrawn(t, "Username:  J\xF6rg M\xFCller"), 1u);
  EXPECT_GT(timesDrawn(t,
                       "Model name:  \xDC"
                       "bersicht \xE9t\xE9"),
            0u);  // every page header
  EXPECT_GT(countOf(t,
                    "Stra\xDF"
                    "e \x80 5 ?"),
            0u);
}

// Names and notes may hold tabs and line ends (a note typed over several lines): the
// report draws each as a blank, never the raw character, for which readers show a mark.
TEST(ReportTest, TabsAndLineEndsInNamesAndNotesAreDrawnAsBlanks) {
  PV::Data::DecisionModel model = Support::demoShapedModel();
  model.set_nm("Site\tplan");
  model.set_note("First line\r\nsecond line");
  model.get_chs()[0].set_nm("North\tfield");
  model.get_chs()[0].set_note("Near\nthe road");
  model.get_crs()[0].set_nm("Cost\r");
  model.get_dms()[0].set_nm("Ann\r\nLee");
  const ReportRun run = report(model, true, Support::scratchFile("report_controls.pdf"));
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  std::istringstream lines(run.trace);
  size_t texts = 0;
  for (std::string line; std::getline(lines, line);) {
    // A raw line end would split the trace line: every drawn text ends on its own line.
    if (line.rfind("cpdf_rawText(", 0) == 0) {
      ++texts;
      EXPECT_EQ(line.compare(line.size() - 3, 3, "\" )"), 0) << line;
    }
    EXPECT_EQ(line.find_first_of("\t\r"), std::string::npos) << line;
  }
  EXPECT_GT(texts, 100u);
  EXPECT_GT(countOf(run.trace, "Site plan"), 0u);
  EXPECT_GT(countOf(run.trace, "First line  second line"), 0u);
  EXPECT_GT(countOf(run.trace, "North field"), 0u);
  EXPECT_GT(countOf(run.trace, "Ann  Lee"), 0u);
}

TEST(ReportTest, OutOfDateSolutionIsSaidSoOnEveryPage) {
  PV::Data::DecisionModel model = Support::demoShapedModel();
  model.get_slns().set_flag(true);
  const ReportRun run = report(model, false, Support::scratchFile("report_outofdate.pdf"));
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  const std::string status = "Decision solution obsolete - model content changed, solution not recalculated";
  // Every page but the title page; the trace starts after the first page was begun.
  EXPECT_EQ(timesDrawn(run.trace, status), countOf(run.trace, "cpdf_pageInit"));
  EXPECT_GT(timesDrawn(run.trace, "Solution"), 0u);
}

TEST(ReportTest, ScoresLeftOutAreSaidSoInTheSummary) {
  const ReportRun run = report(Support::demoShapedModel(), false, Support::scratchFile("report_noscores.pdf"));
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  EXPECT_EQ(timesDrawn(run.trace, "Scores"), 0u);
  EXPECT_EQ(timesDrawn(run.trace, "DM:"), 0u);
  EXPECT_GT(timesDrawn(run.trace, "Scores section omitted at user option"), 0u);
  EXPECT_GT(timesDrawn(run.trace, "630 (E/A = %100.00 completion ratio)"), 0u);
}

// A ranking kept from before a choice was deleted names a choice the model no longer
// has: the report is written, the row without name or note.
TEST(ReportTest, StaleSolutionNamingADeletedChoiceGivesAReport) {
  PV::Data::DecisionModel model = Support::demoShapedModel();
  model.get_slns()[1].set_ch(4242);
  model.get_chs().pop_back();
  model.get_slns().set_flag(true);
  const ReportRun run = report(model, false, Support::scratchFile("report_stale.pdf"));
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  EXPECT_GT(timesDrawn(run.trace, "4242"), 0u);
}

TEST(ReportTest, UnscoredAndEmptyModelsStillGiveAReport) {
  PV::Data::DecisionModel model = Support::demoShapedModel();
  model.get_ss().clear();
  model.get_slns().clear();
  ReportRun run = report(model, true, Support::scratchFile("report_unscored.pdf"));
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  EXPECT_EQ(timesDrawn(run.trace, "?"), 630u);
  EXPECT_GT(timesDrawn(run.trace, "0 (E/A = %  0.00 completion ratio)"), 0u);

  PV::Data::DecisionModel empty = Support::smallModel(0, 0, 0);
  run = report(empty, true, Support::scratchFile("report_empty.pdf"));
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  EXPECT_EQ(timesDrawn(run.trace, "Choices"), 0u);
  EXPECT_GT(timesDrawn(run.trace, "0 (E/A = % completion ratio)"), 0u);
}

// Stored scores that no longer fit the model (a file edited by hand, say) leave the
// score tables out instead of stopping the program.
TEST(ReportTest, ScoresThatDoNotFitTheModelAreLeftOut) {
  PV::Data::DecisionModel model = Support::demoShapedModel();
  model.get_ss()[3].set_value(model.get_ss()[3].get_value().substr(0, 40));
  const ReportRun run = report(model, true, Support::scratchFile("report_badblocks.pdf"));
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  EXPECT_EQ(timesDrawn(run.trace, "DM:"), 0u);
}

TEST(ReportTest, ARangeChangedScoreIsMarked) {
  PV::Data::DecisionModel model = Support::demoShapedModel();
  std::string block = model.get_ss()[0].get_value();
  block[16] = 'E';
  model.get_ss()[0].set_value(block);
  const ReportRun run = report(model, true, Support::scratchFile("report_rangechanged.pdf"));
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  EXPECT_EQ(timesDrawn(run.trace, "E"), 1u);
  EXPECT_GT(timesDrawn(run.trace, "629 (E/A = % 99.84 completion ratio)"), 0u);
}

TEST(ReportTest, AnUnwritableFileIsAStatusWithAMessage) {
  const std::string path = std::string(PV_TEST_OUT_DIR) + "/no_such_folder_for_reports/r.pdf";
  const ReportRun run = report(Support::demoShapedModel(), true, path);
  EXPECT_EQ(run.status, REPORT_CANNOT_OPEN_FILE);
  EXPECT_NE(run.message.find(path), std::string::npos);
}

TEST(ReportTest, ALogoThatDoesNotMatchItsSizeIsLeftOut) {
  ReportLogo logo = testLogo();
  logo.rgb.pop_back();
  const ReportRun run = report(Support::demoShapedModel(), false, Support::scratchFile("report_badlogo.pdf"), &logo);
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  EXPECT_EQ(run.trace.find("cpdf_rawPlaceInLineImage"), std::string::npos);
}

// Pixel counts whose byte count wraps a 32-bit size are no match for a short buffer.
TEST(ReportTest, ALogoWhoseByteCountWrapsIsLeftOut) {
  ReportLogo logo;
  logo.width = 65536;
  logo.height = 21846;  // 3 * 65536 * 21846 bytes is 131072 more than 2^32
  logo.rgb.assign(131072, 0);
  EXPECT_FALSE(logo.usable());
  const ReportRun run = report(Support::demoShapedModel(), false, Support::scratchFile("report_widelogo.pdf"), &logo);
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  EXPECT_EQ(run.trace.find("cpdf_rawPlaceInLineImage"), std::string::npos);
}

TEST(ReportTest, TheTitlePageHoldsOnlyTheTitleBlock) {
  const ReportRun run = report(Support::demoShapedModel(), false, Support::scratchFile("report_title.pdf"));
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  const std::string& t = run.trace;
  const size_t firstBreak = t.find("cpdf_finalizePage");
  ASSERT_NE(firstBreak, std::string::npos);
  EXPECT_LT(t.find(drawn("Username:  Test User")), firstBreak);
  EXPECT_LT(t.find(drawn("Report Date / Time:  2024-03-05T14:07:09Z")), firstBreak);
  EXPECT_GT(t.find(drawn("Software Identification")), firstBreak);
}

TEST(ReportTest, FileNameComesFromTheModelAndTheTimeStamp) {
  PV::Data::DecisionModel model = Support::smallModel(2, 1, 1);
  model.set_nm("Q1 report: cars/vans");
  PdfData data(model, Support::fixedAboutTexts());
  data.setClock(Support::fixedClock);
  const PdfReportOptions options(false, true);
  PdfReport pdfReport(data, options, nullptr);
  EXPECT_EQ(fileNameOf(pdfReport.getReportPath()), "Q1_report__cars_vans.pdf");
  EXPECT_EQ(pdfReport.getModelFile(), "small.xpv");
  ASSERT_EQ(pdfReport.generate(), REPORT_WRITTEN) << pdfReport.errorMessage();
  EXPECT_EQ(fileNameOf(pdfReport.getReportPath()), "Q1_report__cars_vans_2024-03-05T14-07-09Z.pdf");
  EXPECT_TRUE(Support::fileExists(pdfReport.getReportPath()));
  std::remove(pdfReport.getReportPath().c_str());
}

std::vector<double> linetoY(const std::string& trace) {
  std::vector<double> ys;
  std::istringstream lines(trace);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("cpdf_rawLineto(", 0) != 0) continue;
    const size_t close = line.rfind(" )");
    const size_t comma = line.rfind(", ", close);
    ys.push_back(std::stod(line.substr(comma + 2, close - comma - 2)));
  }
  return ys;
}

// A 100 % bar reaches the top of the scale (the label 100), a 50 % bar its middle.
TEST(ChartTest, BarsMatchTheirScale) {
  const AboutTexts about = Support::fixedAboutTexts();
  const std::string path = Support::scratchFile("chart.pdf");
  std::ostringstream trace;
  ReportDevice device("Chart", "chart.xpv", path, "now", about, nullptr, true);
  ReportDevice::setInstance(&device);
  const std::vector<double> pcts = {100.0, 50.0, 50.0};
  const ChartLayout layout = layoutChart(device, 468, pcts);
  EXPECT_NEAR(layout.plotHeight, CHART_TOP_BLOCK + layout.verticalLength + CHART_BOTTOM_BLOCK, 1e-9);
  device.setTrace(&trace);
  drawSolutionChart(device, layout, 72, 700, {"4", "8", "2"}, pcts, PdfReport::histogramColors());
  const std::vector<double> ys = linetoY(trace.str());
  ASSERT_FALSE(ys.empty());
  const double top = *std::max_element(ys.begin(), ys.end());
  const double bottom = *std::min_element(ys.begin(), ys.end());
  EXPECT_NEAR(top, 700 - CHART_TOP_BLOCK, 0.01);
  EXPECT_NEAR(bottom, 700 - CHART_TOP_BLOCK - layout.verticalLength, 0.01);
  // The axis, the tick of the label 100, the frame's corners and the 100 % bar's.
  EXPECT_EQ(std::count_if(ys.begin(), ys.end(), [&](double y) { return std::abs(y - top) < 0.01; }), 6);
  EXPECT_EQ(std::count_if(ys.begin(), ys.end(), [&](double y) { return std::abs(y - (top + bottom) / 2) < 0.01; }), 4);
  // Only the first of two equal neighbours carries a value label.
  EXPECT_EQ(timesDrawn(trace.str(), "50"), 1u);
  EXPECT_EQ(device.close(), REPORT_WRITTEN);
  ReportDevice::setInstance(nullptr);
}

// Lists taller than a page break between rows and repeat their heading row; a ranking
// of more choices than the chart's ten places narrows its bars and still draws them all.
TEST(ReportTest, LongListsAndRankingsBreakAcrossPages) {
  PV::Data::DecisionModel model = Support::smallModel(50, 1, 1);
  for (int i = 0; i < 50; ++i) {
    PV::Data::Solution solution;
    solution.set_ch(100 + static_cast<uint32_t>(i));
    solution.set_pctrank(100.0 - 2.0 * i);
    model.get_slns().push_back(solution);
  }
  const ReportRun run = report(model, false, Support::scratchFile("report_long.pdf"));
  ASSERT_EQ(run.status, REPORT_WRITTEN) << run.message;
  // The list's title and headings, and the ranking's headings, each repeated on the
  // page the table continues on.
  EXPECT_GE(timesDrawn(run.trace, "Choices"), 1u + 2u + 2u);
  EXPECT_EQ(timesDrawn(run.trace, "Rank"), 2u);
  EXPECT_EQ(timesDrawn(run.trace, "Choice 50"), 2u);  // its row and its ranking row
  EXPECT_EQ(timesDrawn(run.trace, "ID #"), 1u);
  const size_t chartStart = run.trace.find(drawn("Choice % Rank"));
  ASSERT_NE(chartStart, std::string::npos);
  EXPECT_EQ(countOf(run.trace.substr(chartStart), "cpdf_fillAndStroke"), 50u);  // the bars
}

TEST(ReportTest, SummaryOfAModelWithoutPairsToScore) {
  const PV::Data::DecisionModel model = Support::smallModel(1, 1, 1);
  const std::string path = Support::scratchFile("summary.pdf");
  ReportDevice device("m", "m", path, "t", Support::fixedAboutTexts(), nullptr, true);
  PageManager pm(device, 72, 540, 72, 720, "m", "m", "t");
  const PdfReportOptions options(false, false);
  ScoresSection scores(device, pm, options, model, 72, 540);
  EXPECT_TRUE(scores.tables().empty());
  ModelSummarySection summary(device, pm, options, model, scores, 72, 540);
  const auto& e = summary.entries();
  ASSERT_EQ(e.size(), 16u);
  EXPECT_EQ(e[2].second, "95.0%");
  EXPECT_EQ(e[3].second, "+/-5.0%");
  EXPECT_EQ(e[4].second, "-3 to +3, inclusive");
  EXPECT_EQ(e[8].second, "");  // nothing to leave out
  EXPECT_EQ(e[10].second, "0");
  EXPECT_EQ(e[11].second, "0 (E/A = % completion ratio)");
  EXPECT_EQ(e[12].second, "0");
  EXPECT_EQ(e[13], (ModelSummaryEntry{"File Name:  ", "small.xpv"}));
  EXPECT_EQ(e[14], (ModelSummaryEntry{"Directory Path:  ", "C:\\models"}));
  EXPECT_EQ(e[15].first, "Notes:\n");
  EXPECT_EQ(device.close(), REPORT_WRITTEN);
}

TEST(ReportTest, StatusTexts) {
  PV::Data::DecisionModel model = Support::demoShapedModel();
  EXPECT_EQ(SolutionSection::statusText(model), "Decision solution up to date with current model content");
  model.get_slns().set_flag(true);
  EXPECT_EQ(SolutionSection::statusText(model),
            "Decision solution obsolete - model content changed, solution not recalculated");
}

}  // namespace
}  // namespace Report
}  // namespace PV
