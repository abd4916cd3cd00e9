#include <windows.h>

#include <filesystem>
#include <vector>

#include "DialogsTestSupport.h"
#include "app/dialogs/DModelOptions.h"
#include "app/dialogs/DNewModel.h"
#include "framework/bars/zToolTip.h"
#include "xml/PalvermontineMdlOptsFile.h"

namespace {

using PV::XML::PalvermontineMdlOptsFile;

class ModelOptions : public ModelDialogTest {
 protected:
  std::string optionsPath() const { return configPath("palvermontinemdloptions.xml"); }
  // The defaults as a fresh reading of the file has them.
  static PV::Data::ParmMdlOpts reread() {
    PalvermontineMdlOptsFile::destroy();
    return PalvermontineMdlOptsFile::instance()->options().get_parmMdlOpts();
  }
};

TEST_F(ModelOptions, OkWritesTheDefaultsToTheFileAtOnce) {
  setOptionDefaults(95.0, 5.0, 5, "Team notes");
  HostFrame host;
  DModelOptions dialog(&host);
  EXPECT_EQ(textOf(dialog.handle()), "Model Options");
  EXPECT_EQ(textOf(item(dialog, 117)), "Team notes");
  EXPECT_EQ(selectedOf(item(dialog, 121)), "95.0");
  EXPECT_EQ(selectedOf(item(dialog, 122)), "5.0");
  EXPECT_EQ(selectedOf(item(dialog, 123)), "5");
  // Nothing of the mode and bias groups can be used.
  for (int id : {119, 120, 159, 160, 161, 162, 163}) EXPECT_FALSE(IsWindowEnabled(item(dialog, id))) << id;
  EXPECT_EQ(SendMessageA(item(dialog, 118), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_STREQ(dialog.toolTips()->messageTable().lookup(117), "Create Common Text or SubText For All New Models");
  EXPECT_STREQ(dialog.toolTips()->messageTable().lookup(120), "Moderator Or Admin Based Model");

  ASSERT_TRUE(runModalWith(&dialog, [&] {
    SetWindowTextA(item(dialog, 117), "Decide together");
    chooseIn(item(dialog, 121), "99.0");
    chooseIn(item(dialog, 122), "4.0");
    chooseIn(item(dialog, 123), "2");
    PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
  }));
  EXPECT_EQ(dialog.completed(), 1);
  const PV::Data::ParmMdlOpts stored = reread();
  EXPECT_EQ(stored.get_note(), "Decide together");
  EXPECT_DOUBLE_EQ(stored.get_cfl(), 99.0);
  EXPECT_DOUBLE_EQ(stored.get_cfi(), 4.0);
  EXPECT_EQ(stored.get_sil(), 2);

  // The next new model starts from them.
  DNewModel next(&host);
  EXPECT_EQ(selectedOf(item(next, 121)), "99.0");
  EXPECT_EQ(selectedOf(item(next, 122)), "4.0");
  EXPECT_EQ(selectedOf(item(next, 123)), "2");
  EXPECT_EQ(textOf(item(next, 117)), "Decide together");
}

// The keyboard starts at the dialog's first control, the mode, and Tab walks the
// controls top to bottom: "Standard" comes first, not after Cancel.
TEST_F(ModelOptions, TheFocusStartsAtTheModeAndTabWalksDown) {
  HostFrame host;
  DModelOptions dialog(&host);
  HWND first = nullptr;
  std::vector<int> order;
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    first = GetFocus();
    HWND at = first;
    for (int i = 0; i < 12 && at; ++i) {
      order.push_back(GetDlgCtrlID(at));
      at = GetNextDlgTabItem(dialog.handle(), at, FALSE);
      if (at == first) break;
    }
    PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0);
  }));
  EXPECT_EQ(first, item(dialog, 118)) << "Standard";
  EXPECT_EQ(order, (std::vector<int>{118, 121, 122, 123, 117, IDOK, IDCANCEL}));
}

TEST_F(ModelOptions, OkWithNothingChangedStillRewritesTheFile) {
  PalvermontineMdlOptsFile::instance();
  ASSERT_TRUE(std::filesystem::exists(optionsPath()));
  std::filesystem::remove(optionsPath());
  HostFrame host;
  DModelOptions dialog(&host);
  ASSERT_TRUE(runModalWith(&dialog, [&] { PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0); }));
  EXPECT_EQ(dialog.completed(), 1);
  EXPECT_TRUE(std::filesystem::exists(optionsPath()));
  EXPECT_DOUBLE_EQ(reread().get_cfl(), 90.0);
}

TEST_F(ModelOptions, CancelLeavesTheOptionsAndTheFileAlone) {
  setOptionDefaults(95.0, 5.0, 5, "Kept");
  std::filesystem::remove(optionsPath());
  HostFrame host;
  DModelOptions dialog(&host);
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    SetWindowTextA(item(dialog, 117), "Dropped");
    chooseIn(item(dialog, 121), "100.0");
    PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0);
  }));
  EXPECT_EQ(dialog.completed(), 0);
  EXPECT_FALSE(std::filesystem::exists(optionsPath()));
  const PV::Data::ParmMdlOpts& inMemory = PalvermontineMdlOptsFile::instance()->options().get_parmMdlOpts();
  EXPECT_EQ(inMemory.get_note(), "Kept");
  EXPECT_DOUBLE_EQ(inMemory.get_cfl(), 95.0);
}

// A file that cannot be written is reported; the dialog stays open and the options stay
// as they were, so that what is used matches what is stored.
TEST_F(ModelOptions, AFileThatCannotBeWrittenIsReportedAndNothingChanges) {
  setOptionDefaults(95.0, 5.0, 5, "Kept");
  std::filesystem::remove(optionsPath());
  std::filesystem::create_directory(optionsPath());  // a folder where the file must go
  HostFrame host;
  DModelOptions dialog(&host);
  std::string message;
  bool openAfterOk = false;
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    chooseIn(item(dialog, 121), "100.0");
    answerBox("Model Options", IDOK, &message);
    SendMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
    openAfterOk = IsWindowVisible(dialog.handle()) != FALSE;
    PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0);
  }));
  EXPECT_TRUE(openAfterOk);
  EXPECT_NE(message.find("could not be saved"), std::string::npos) << message;
  EXPECT_EQ(dialog.completed(), 0);
  EXPECT_DOUBLE_EQ(PalvermontineMdlOptsFile::instance()->options().get_parmMdlOpts().get_cfl(), 95.0);
  std::filesystem::remove(optionsPath());
}

// An accented default note is UTF-8 in the options, as in the models that take it.
TEST_F(ModelOptions, AnAccentedNoteIsKeptAsTyped) {
  if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
  HostFrame host;
  DModelOptions dialog(&host);
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    SetWindowTextA(item(dialog, 117), "");
    typeInto(item(dialog, 117),
             "Pr\xe9"
             "f\xe9r\xe9");
    PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
  }));
  EXPECT_EQ(reread().get_note(),
            "Pr\xc3\xa9"
            "f\xc3\xa9r\xc3\xa9");
  DModelOptions again(&host);
  EXPECT_EQ(textOf(item(again, 117)),
            "Pr\xe9"
            "f\xe9r\xe9");
}

// Default notes in letters the screen's code page lacks survive an OK that changed
// nothing in them.
TEST_F(ModelOptions, UntouchedNotesKeepLettersTheScreenCannotShow) {
  if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
  const std::string notes = "\xce\xa3\xce\xb7\xce\xbc";
  setOptionDefaults(95.0, 5.0, 5, notes.c_str());
  HostFrame host;
  DModelOptions dialog(&host);
  ASSERT_TRUE(runModalWith(&dialog, [&] { PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0); }));
  EXPECT_EQ(dialog.completed(), 1);
  EXPECT_EQ(reread().get_note(), notes);
}

}  // namespace
