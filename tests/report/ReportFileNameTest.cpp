#include "report/ReportFileName.h"

#include <gtest/gtest.h>

namespace PV {
namespace Report {
namespace {

TEST(ReportFileNameTest, DefaultNameReplacesBlanksAndPunctuation) {
  EXPECT_EQ(defaultReportFileName("Q1 report: cars/vans"), "Q1_report__cars_vans.pdf");
  EXPECT_EQ(defaultReportFileName("a-b.c_d (e)!"), "a-b.c_d__e__.pdf");
  EXPECT_EQ(defaultReportFileName("2ex 7cr 10ch 45pr"), "2ex_7cr_10ch_45pr.pdf");
  // Control characters cannot stand in a Windows file name either.
  EXPECT_EQ(defaultReportFileName("tab\there\r\n\x7f"), "tab_here___.pdf");
}

TEST(ReportFileNameTest, DefaultNameNeverOpensADeviceOrLosesItsDot) {
  // A model named after a device would have the report written to the device.
  EXPECT_EQ(defaultReportFileName("con"), "_con.pdf");
  EXPECT_EQ(defaultReportFileName("LPT1.plan"), "_LPT1.plan.pdf");
  EXPECT_EQ(defaultReportFileName("Aux"), "_Aux.pdf");
  EXPECT_EQ(defaultReportFileName("console"), "console.pdf");
  EXPECT_EQ(defaultReportFileName(""), "model.pdf");
  EXPECT_EQ(defaultReportFileName("plan."), "plan_.pdf");
}

TEST(ReportFileNameTest, RootedPathsStayAndOthersGetTheCurrentFolder) {
  const struct {
    const char* requested;
    const char* expected;
  } cases[] = {
      {"C:\\reports\\m.pdf", "C:\\reports\\m.pdf"},
      {"\\\\server\\share\\m.pdf", "\\\\server\\share\\m.pdf"},
      {"\\m.pdf", "\\m.pdf"},
      {"reports\\m.pdf", "D:\\work\\reports\\m.pdf"},
      {"m.pdf", "D:\\work\\m.pdf"},
      {"ab\\m.pdf", "ab\\m.pdf"},  // a backslash third marks a rooted path
      {"", "D:\\work\\Q1_report__cars_vans.pdf"},
      {"/home/user/m.pdf", "/home/user/m.pdf"},  // a native absolute path
  };
  for (const auto& c : cases) {
    EXPECT_EQ(reportPathFile(c.requested, "Q1 report: cars/vans", "D:\\work", '\\'), c.expected) << c.requested;
  }
}

TEST(ReportFileNameTest, TimestampGoesBeforeTheExtensionOfTheFileName) {
  const char* stamp = "2024-03-05T14:07:09+1";
  EXPECT_EQ(insertTimestamp("C:\\r\\m.pdf", stamp), "C:\\r\\m_2024-03-05T14-07-09+1.pdf");
  EXPECT_EQ(insertTimestamp("C:\\r\\report", stamp), "C:\\r\\report_2024-03-05T14-07-09+1");
  // A full stop in a folder name is not the file's extension.
  EXPECT_EQ(insertTimestamp("C:\\v1.2\\report", stamp), "C:\\v1.2\\report_2024-03-05T14-07-09+1");
  EXPECT_EQ(insertTimestamp("a.b.pdf", "2024-01-01T00:00:00Z"), "a.b_2024-01-01T00-00-00Z.pdf");
}

TEST(ReportFileNameTest, FileAndFolderOfAModelPath) {
  EXPECT_EQ(fileNameOf("C:\\models\\demo.xpv"), "demo.xpv");
  EXPECT_EQ(folderOf("C:\\models\\demo.xpv"), "C:\\models");
  EXPECT_EQ(fileNameOf("demo.xpv"), "demo.xpv");
  EXPECT_EQ(folderOf("demo.xpv"), "");
  EXPECT_FALSE(currentWorkingFolder().empty());
}

}  // namespace
}  // namespace Report
}  // namespace PV
