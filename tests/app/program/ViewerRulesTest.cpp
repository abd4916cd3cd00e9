#include "app/services/ViewerRules.h"

#include <gtest/gtest.h>

namespace PV {
namespace Util {
namespace {

// Quoted and unquoted registry values, and paths without a folder, never lose a
// character nor end the program.
TEST(ViewerRules, FolderOfQuotedAndUnquotedPaths) {
  const struct {
    const char* path;
    const char* folder;
  } cases[] = {
      {"\"C:\\Program Files\\Adobe\\AcroRd32.exe\"", "C:\\Program Files\\Adobe"},
      {"C:\\Adobe\\AcroRd32.exe", "C:\\Adobe"},
      {"\"C:\\Adobe\\AcroRd32.exe\" /s", "C:\\Adobe"},
      {"AcroRd32.exe", ""},
      {"\\x.exe", ""},
      {"", ""},
      {"\"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(commandPathFolder(c.path), c.folder) << c.path;
}

TEST(ViewerRules, ShellErrorTexts) {
  EXPECT_STREQ(shellExecuteErrorText(31), "There is no application associated with the given filename extension.");
  EXPECT_STREQ(shellExecuteErrorText(2), "The specified file was not found.");
  EXPECT_EQ(shellExecuteErrorText(33), nullptr);
  EXPECT_EQ(shellExecuteErrorText(7), nullptr);
}

TEST(ViewerRules, ShellCallsPerReaderAndCommand) {
  ShellCall open = viewerShellCall(VIEW_OPEN, "C:\\m\\a.pdf", false, "");
  EXPECT_EQ(open.verb, "open");
  EXPECT_EQ(open.target, "C:\\m\\a.pdf");
  EXPECT_EQ(open.parameters, "");
  EXPECT_EQ(open.directory, "C:\\m");
  EXPECT_EQ(viewerShellCall(VIEW_PRINT, "C:\\m\\a.pdf", false, "").verb, "print");

  ShellCall hidden = viewerShellCall(VIEW_PRINT_HIDDEN, "C:\\m\\a.pdf", true, "\"C:\\A\\acro.exe\"");
  EXPECT_EQ(hidden.verb, "open");
  EXPECT_EQ(hidden.target, "C:\\A\\acro.exe");
  EXPECT_EQ(hidden.parameters, "/p /h \"C:\\m\\a.pdf\"");
  EXPECT_EQ(hidden.directory, "C:\\A");
}

}  // namespace
}  // namespace Util
}  // namespace PV
