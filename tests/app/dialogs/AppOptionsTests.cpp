#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "DialogsTestSupport.h"
#include "app/dialogs/DAppOptions.h"
#include "app/services/AboutInfo.h"
#include "foundation/FileNames.h"
#include "framework/bars/zToolTip.h"
#include "model/AppOptions.h"
#include "xml/PalvermontineAppOptsFile.h"

namespace {

using namespace PV::Dialogs;
using PV::XML::PalvermontineAppOptsFile;

// The main window's part: what it shows and what the dialog told it.
class OptionsHostFrame : public HostFrame {
 public:
  void applyAppOptions(bool dmFemale, int32_t mode, bool showDirPath) override {
    ++applied;
    female = dmFemale;
    exitMode = mode;
    showPath = showDirPath;
  }
  bool female = false;
  int32_t exitMode = 2;
  bool showPath = false;
  int applied = 0;
};

class AppOptions : public ModelDialogTest {
 protected:
  void SetUp() override {
    ModelDialogTest::SetUp();
    PalvermontineAppOptsFile::destroy();
    PV::GUI::AppOptions::instance()->set_cellInputAdvance(0);
  }
  void TearDown() override {
    PalvermontineAppOptsFile::destroy();
    ModelDialogTest::TearDown();
  }
  std::string optionsPath() const { return configPath("palvermontineappoptions.xml"); }
  static PV::Data::PalvermontineAppOpts& options() { return PalvermontineAppOptsFile::instance()->options(); }
  // The options as a fresh reading of the file has them.
  static PV::Data::PalvermontineAppOpts reread() {
    PalvermontineAppOptsFile::destroy();
    return PalvermontineAppOptsFile::instance()->options();
  }
  static void save() { ASSERT_TRUE(PalvermontineAppOptsFile::instance()->save()); }
  // A file of the name in the test's folder (its content does not matter here).
  std::string existingFile(const char* name) const {
    const std::string path = configPath(name);
    std::ofstream(path) << "<x/>";
    return path;
  }
  static bool checked(zWindow& dialog, int id) {
    return SendMessageA(item(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  static bool enabled(zWindow& dialog, int id) { return IsWindowEnabled(item(dialog, id)) != FALSE; }
  // A click as the user makes it: the box toggles and tells the dialog.
  static void click(zWindow& dialog, int id) { SendMessageA(item(dialog, id), BM_CLICK, 0, 0); }
};

// Each box with the option it shows and stores, read from a record.
struct BoxField {
  int id;
  bool (*get)(const PV::Data::PalvermontineAppOpts&);
};
const BoxField kBoxFields[] = {
    {kAoShowPath,
     [](const PV::Data::PalvermontineAppOpts& o) { return o.get_guiAppOpts().get_showDirPathInMainWndwTitle(); }},
    {kAoHighlight,
     [](const PV::Data::PalvermontineAppOpts& o) { return o.get_guiAppOpts().get_useFilledBgHighlightChoicePairs(); }},
    {kAoAppendTimestamp,
     [](const PV::Data::PalvermontineAppOpts& o) { return o.get_rptAppOpts().get_appendTimestamp(); }},
    {kAoIncludeScores, [](const PV::Data::PalvermontineAppOpts& o) { return o.get_rptAppOpts().get_includeScores(); }},
    {kAoDisplayReport, [](const PV::Data::PalvermontineAppOpts& o) { return o.get_rptAppOpts().get_displayReport(); }},
    {kAoRankChart,
     [](const PV::Data::PalvermontineAppOpts& o) { return o.get_calcAppOpts().get_displaySolutionWindow(); }},
    {kAoAutoReport,
     [](const PV::Data::PalvermontineAppOpts& o) { return o.get_calcAppOpts().get_generateReportFile(); }},
    {kAoAutoRecalc,
     [](const PV::Data::PalvermontineAppOpts& o) { return o.get_calcAppOpts().get_autoUpdateSolutionWindow(); }},
    {kAoAutoUpdate,
     [](const PV::Data::PalvermontineAppOpts& o) { return o.get_defaultValuesAppOpts().get_openMostRecentFile(); }},
};

// Opening shows every option of the file; toggling every box and choosing the other
// radio buttons and "Up" stores each of them into the file, and the navigation code 4
// and the toolbar choices reach the main window only on OK.
TEST_F(AppOptions, EveryOptionIsShownAndStoredInItsOwnField) {
  PV::Data::PalvermontineAppOpts& o = options();
  o.get_idAppOpts().set_owner("Alice");
  o.get_guiAppOpts().set_showDirPathInMainWndwTitle(true);
  o.get_guiAppOpts().set_useFilledBgHighlightChoicePairs(false);
  o.get_rptAppOpts().set_appendTimestamp(true);
  o.get_rptAppOpts().set_includeScores(false);
  o.get_rptAppOpts().set_displayReport(true);
  o.get_calcAppOpts().set_displaySolutionWindow(false);
  o.get_calcAppOpts().set_generateReportFile(true);
  o.get_calcAppOpts().set_autoUpdateSolutionWindow(false);
  o.get_defaultValuesAppOpts().set_openMostRecentFile(true);
  o.get_defaultValuesAppOpts().set_autoSave(true);
  o.get_defaultValuesAppOpts().set_useCrc(false);
  o.get_guiAppOpts().set_cellInputAdvance("right");
  o.get_calcAppOpts().set_solutionWindowOrientation("portrait");
  o.get_guiAppOpts().set_decisionMakerIcon("dm1");
  o.get_guiAppOpts().set_exitIcon("exit2");
  save();
  const PV::Data::PalvermontineAppOpts before = options();

  OptionsHostFrame host;
  DAppOptions dialog(&host);
  EXPECT_EQ(textOf(dialog.handle()), "Application Options");
  EXPECT_EQ(textOf(item(dialog, kAoUserName)), "Alice");
  for (const BoxField& f : kBoxFields) EXPECT_EQ(checked(dialog, f.id), f.get(before)) << f.id;
  EXPECT_TRUE(checked(dialog, kAoStartLastModel));
  EXPECT_FALSE(checked(dialog, kAoStartDefaultModel));
  EXPECT_EQ(selectedOf(item(dialog, kAoNavigation)), "Right");
  EXPECT_TRUE(checked(dialog, kAoPortrait));
  EXPECT_TRUE(checked(dialog, kAoDm1));
  EXPECT_TRUE(checked(dialog, kAoExit2));
  for (int id : {kAoGroupId, kAoEmail, kAoMultipleScoring, kAoTransitiveBoolean, kAoTransitiveQuantitive,
                 kAoDistributive, kAoRestoreEnv}) {
    EXPECT_FALSE(enabled(dialog, id)) << id;
  }
  EXPECT_STREQ(dialog.toolTips()->messageTable().lookup(kAoAutoUpdate),
               "Automatically Update Data In Transition To Other Dialogs");
  EXPECT_STREQ(dialog.toolTips()->messageTable().lookup(kAoLandscape), "Displays Solution Window in Landscape Mode");

  ASSERT_TRUE(runModalWith(&dialog, [&] {
    for (const BoxField& f : kBoxFields) click(dialog, f.id);
    ASSERT_TRUE(chooseIn(item(dialog, kAoNavigation), "Up"));
    click(dialog, kAoLandscape);
    click(dialog, kAoDm2);
    click(dialog, kAoNoExit);
    // Nothing reaches the main window before OK.
    EXPECT_EQ(host.applied, 0);
    EXPECT_EQ(PV::GUI::AppOptions::instance()->get_cellInputAdvance(), 0u);
    PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
  }));
  EXPECT_EQ(dialog.completed(), 1);
  const PV::Data::PalvermontineAppOpts after = reread();
  for (const BoxField& f : kBoxFields) EXPECT_EQ(f.get(after), !f.get(before)) << f.id;
  EXPECT_EQ(after.get_guiAppOpts().get_cellInputAdvance(), "up");
  EXPECT_EQ(after.get_calcAppOpts().get_solutionWindowOrientation(), "landscape");
  EXPECT_EQ(after.get_guiAppOpts().get_decisionMakerIcon(), "dm2");
  EXPECT_EQ(after.get_guiAppOpts().get_exitIcon(), "none");
  EXPECT_EQ(after.get_idAppOpts().get_owner(), "Alice");
  EXPECT_TRUE(after.get_defaultValuesAppOpts().get_autoSave());
  EXPECT_EQ(PV::GUI::AppOptions::instance()->get_cellInputAdvance(), 4u);
  EXPECT_EQ(host.applied, 1);
  EXPECT_TRUE(host.female);
  EXPECT_EQ(host.exitMode, 0);
  EXPECT_EQ(host.showPath, !before.get_guiAppOpts().get_showDirPathInMainWndwTitle());
}

// The two start-up boxes exclude each other; the default model's entry and browse
// button are usable only while its box is checked.
TEST_F(AppOptions, TheStartUpBoxesExcludeEachOther) {
  options().get_defaultValuesAppOpts().set_autoSave(false);
  options().get_defaultValuesAppOpts().set_useCrc(false);
  options().get_defaultValuesAppOpts().set_defaultDirectory("C:\\models\\team.xpv");
  OptionsHostFrame host;
  DAppOptions dialog(&host);
  struct Step {
    int click;  // 0: the state on opening
    bool lastChecked, lastEnabled, defaultChecked, defaultEnabled, entryEnabled;
  };
  const Step steps[] = {
      {0, false, true, false, true, false},
      {kAoStartDefaultModel, false, false, true, true, true},
      {kAoStartDefaultModel, false, true, false, true, false},
      {kAoStartLastModel, true, true, false, false, false},
      {kAoStartLastModel, false, true, false, true, false},
  };
  for (const Step& s : steps) {
    if (s.click) click(dialog, s.click);
    EXPECT_EQ(checked(dialog, kAoStartLastModel), s.lastChecked) << "after " << s.click;
    EXPECT_EQ(enabled(dialog, kAoStartLastModel), s.lastEnabled) << "after " << s.click;
    EXPECT_EQ(checked(dialog, kAoStartDefaultModel), s.defaultChecked) << "after " << s.click;
    EXPECT_EQ(enabled(dialog, kAoStartDefaultModel), s.defaultEnabled) << "after " << s.click;
    EXPECT_EQ(enabled(dialog, kAoDefaultModel), s.entryEnabled) << "after " << s.click;
    EXPECT_EQ(enabled(dialog, kAoBrowse), s.entryEnabled) << "after " << s.click;
  }
  // A box disabled while checked is not stored by the form; what is saved is what
  // the boxes show.
  click(dialog, kAoStartDefaultModel);
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    click(dialog, kAoStartDefaultModel);
    click(dialog, kAoStartLastModel);
    PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
  }));
  const PV::Data::DefaultValuesAppOpts stored = reread().get_defaultValuesAppOpts();
  EXPECT_TRUE(stored.get_autoSave());
  EXPECT_FALSE(stored.get_useCrc());
}

// A file with both start-up choices set opens the dialog (no contract ends the
// program); the default model's box is shown, as it is the one the start follows,
// and OK stores the two apart.
TEST_F(AppOptions, BothStartUpChoicesInTheFileOpenWithTheDefaultModelWinning) {
  const std::string team = existingFile("team.xpv");
  options().get_defaultValuesAppOpts().set_autoSave(true);
  options().get_defaultValuesAppOpts().set_useCrc(true);
  options().get_defaultValuesAppOpts().set_defaultDirectory(team);
  save();
  OptionsHostFrame host;
  DAppOptions dialog(&host);
  EXPECT_TRUE(checked(dialog, kAoStartDefaultModel));
  EXPECT_FALSE(checked(dialog, kAoStartLastModel));
  EXPECT_FALSE(enabled(dialog, kAoStartLastModel));
  EXPECT_TRUE(enabled(dialog, kAoDefaultModel));
  EXPECT_EQ(textOf(item(dialog, kAoDefaultModel)), team);
  ASSERT_TRUE(runModalWith(&dialog, [&] { PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0); }));
  EXPECT_EQ(dialog.completed(), 1);
  const PV::Data::DefaultValuesAppOpts stored = reread().get_defaultValuesAppOpts();
  EXPECT_TRUE(stored.get_useCrc());
  EXPECT_FALSE(stored.get_autoSave());
  EXPECT_EQ(stored.get_defaultDirectory(), team);
}

// A user name and a default model in letters the screen's code page lacks survive an OK
// that left their fields as they were filled.
TEST_F(AppOptions, UntouchedFieldsKeepLettersTheScreenCannotShow) {
  if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
  const std::string owner = "\xce\x91\xce\xbb\xcf\x86\xce\xb1";
  const std::string model = "C:\\\xce\xbc\xce\xad\xce\xb3\xce\xb1\\team.xpv";
  options().get_idAppOpts().set_owner(owner);
  options().get_defaultValuesAppOpts().set_useCrc(false);
  options().get_defaultValuesAppOpts().set_defaultDirectory(model);
  save();
  OptionsHostFrame host;
  DAppOptions dialog(&host);
  ASSERT_TRUE(runModalWith(&dialog, [&] { PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0); }));
  EXPECT_EQ(dialog.completed(), 1);
  const PV::Data::PalvermontineAppOpts stored = reread();
  EXPECT_EQ(stored.get_idAppOpts().get_owner(), owner);
  EXPECT_EQ(stored.get_defaultValuesAppOpts().get_defaultDirectory(), model);
}

// Answers the file form of the caption with the name (UTF-8, typed through the wide
// form as a keyboard would) once it shows; polls every 20 ms for at most 4 s.
void answerFileForm(const std::string& caption, const std::string& name, int triesLeft = 200) {
  if (HWND form = findThreadDialogBox(caption.c_str())) {
    const std::wstring wide = PV::Files::toWide(name);
    for (int field : {0x47c, 0x480}) SetDlgItemTextW(form, field, wide.c_str());
    PostMessageA(form, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(form, IDOK)));
    return;
  }
  if (triesLeft > 0) runAfter(20, [=] { answerFileForm(caption, name, triesLeft - 1); });
}

// A default model chosen through Browse in a folder named in accented or Greek letters
// is stored as the file the form named, which the start can open.
TEST_F(AppOptions, ADefaultModelChosenThroughBrowseKeepsLettersBeyondAscii) {
  const std::string folders[] = {"\xc3\x89quipe d\xc3\xa9j\xc3\xa0", "\xce\x9f\xce\xbc\xce\xac\xce\xb4\xce\xb1"};
  OptionsHostFrame host;
  for (const std::string& folder : folders) {
    SCOPED_TRACE(folder);
    const std::string model = configPath(folder.c_str()) + "\\team.xpv";
    ASSERT_TRUE(PV::Files::createFolders(configPath(folder.c_str())));
    std::FILE* file = PV::Files::open(model, "wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    PalvermontineAppOptsFile::destroy();
    options().get_defaultValuesAppOpts().set_useCrc(false);
    options().get_defaultValuesAppOpts().set_autoSave(false);
    options().get_defaultValuesAppOpts().set_defaultDirectory("");
    save();
    DAppOptions dialog(&host);
    std::string refusal;
    ASSERT_TRUE(runModalWith(&dialog, [&] {
      click(dialog, kAoStartDefaultModel);
      answerFileForm("Open A Palvermontine Decision Model File", model);
      // The drawn button tells the dialog as every button does.
      SendMessageA(dialog.handle(), WM_COMMAND, MAKEWPARAM(kAoBrowse, BN_CLICKED),
                   reinterpret_cast<LPARAM>(item(dialog, kAoBrowse)));
      answerBox("Application Options", IDOK, &refusal);
      SendMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
      if (IsWindow(dialog.handle()) && IsWindowVisible(dialog.handle()))
        PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_EQ(refusal, "");
    EXPECT_EQ(dialog.completed(), 1);
    const PV::Data::DefaultValuesAppOpts stored = reread().get_defaultValuesAppOpts();
    EXPECT_TRUE(stored.get_useCrc());
    EXPECT_EQ(stored.get_defaultDirectory(), model);
  }
}

// The drawn buttons (Browse, the highlight colour) show when they hold the focus: a
// black frame at their edge, which they do not draw without it.
TEST_F(AppOptions, TheDrawnButtonsShowTheFocus) {
  OptionsHostFrame host;
  DAppOptions dialog(&host);
  ShowWindow(dialog.handle(), SW_SHOW);
  for (int id : {kAoBrowse, kAoHighlightColor}) {
    const HWND button = item(dialog, id);
    EnableWindow(button, TRUE);
    const auto corner = [button] {
      RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
      HDC dc = GetDC(button);
      const COLORREF c = GetPixel(dc, 0, 0);
      ReleaseDC(button, dc);
      return c;
    };
    SetFocus(item(dialog, kAoUserName));
    EXPECT_NE(corner(), RGB(0, 0, 0)) << id << " without the focus";
    SetFocus(button);
    EXPECT_EQ(GetFocus(), button) << id;
    EXPECT_EQ(corner(), RGB(0, 0, 0)) << id << " with the focus";
  }
}

// A refused default model keeps the dialog open with the focus on the entry and
// changes nothing at all: not the options in memory, not the file, not the main window,
// not the navigation default. Cancel afterwards leaves everything as it was. The start
// opens the model by the rule every model file follows, so a name that rule refuses
// ("plan.xpv.bak") or a model that does not exist is refused here.
TEST_F(AppOptions, ARefusedDefaultModelOrCancelChangesNothing) {
  struct Case {
    bool startWithDefault;
    std::string entry;
    bool refused;
  };
  const Case cases[] = {
      {true, "", true},
      {false, "C:\\models\\team.txt", true},
      {true, "C:\\models\\notes", true},
      {true, existingFile("plan.xpv.bak"), true},
      {true, configPath("missing.xpv"), true},
      {true, existingFile("Team.XPV"), false},
      {false, "", false},
  };
  // One main window for every case: the first frame of the test is the program's main
  // frame, whose end would end the next modal run.
  OptionsHostFrame host;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    host.applied = 0;
    PalvermontineAppOptsFile::destroy();
    options().get_defaultValuesAppOpts().set_useCrc(c.startWithDefault);
    options().get_defaultValuesAppOpts().set_autoSave(false);
    options().get_defaultValuesAppOpts().set_defaultDirectory("");
    options().get_rptAppOpts().set_includeScores(false);
    options().get_guiAppOpts().set_cellInputAdvance("down");
    save();
    std::filesystem::remove(optionsPath());
    PV::GUI::AppOptions::instance()->set_cellInputAdvance(1);
    DAppOptions dialog(&host);
    bool openAfterOk = false;
    bool entryFocused = false;
    std::string message;
    ASSERT_TRUE(runModalWith(&dialog, [&] {
      EnableWindow(item(dialog, kAoDefaultModel), TRUE);
      SetWindowTextA(item(dialog, kAoDefaultModel), c.entry.c_str());
      click(dialog, kAoIncludeScores);
      ASSERT_TRUE(chooseIn(item(dialog, kAoNavigation), "Up"));
      click(dialog, kAoDm2);
      if (c.refused) answerBox("Application Options", IDOK, &message);
      SendMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
      openAfterOk = IsWindow(dialog.handle()) && IsWindowVisible(dialog.handle());
      entryFocused = GetFocus() == item(dialog, kAoDefaultModel);
      if (openAfterOk) PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0);
    }));
    if (c.refused) {
      EXPECT_TRUE(openAfterOk);
      EXPECT_TRUE(entryFocused);
      EXPECT_NE(message.find(".xpv"), std::string::npos) << message;
      EXPECT_EQ(dialog.completed(), 0);
      EXPECT_FALSE(std::filesystem::exists(optionsPath()));
      EXPECT_FALSE(options().get_rptAppOpts().get_includeScores());
      EXPECT_EQ(options().get_guiAppOpts().get_cellInputAdvance(), "down");
      EXPECT_EQ(options().get_guiAppOpts().get_decisionMakerIcon(), "dm1");
      EXPECT_EQ(PV::GUI::AppOptions::instance()->get_cellInputAdvance(), 1u);
      EXPECT_EQ(host.applied, 0);
    } else {
      EXPECT_EQ(dialog.completed(), 1);
      EXPECT_TRUE(std::filesystem::exists(optionsPath()));
      EXPECT_EQ(reread().get_defaultValuesAppOpts().get_defaultDirectory(), c.entry);
      EXPECT_EQ(host.applied, 1);
    }
  }

  // Cancel after changing everything.
  PalvermontineAppOptsFile::destroy();
  save();
  std::filesystem::remove(optionsPath());
  const PV::Data::PalvermontineAppOpts before = options();
  host.applied = 0;
  DAppOptions dialog(&host);
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    for (const BoxField& f : kBoxFields) click(dialog, f.id);
    click(dialog, kAoDm2);
    PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0);
  }));
  EXPECT_EQ(dialog.completed(), 0);
  EXPECT_EQ(host.applied, 0);
  EXPECT_FALSE(std::filesystem::exists(optionsPath()));
  for (const BoxField& f : kBoxFields) EXPECT_EQ(f.get(options()), f.get(before)) << f.id;
}

// A user name cleared to empty stores an empty owner and leaves the program's
// idea of the user's name alone; a name typed is both.
TEST_F(AppOptions, TheUserNameIsTheOwnerAndAnEmptyOneKeepsTheAccountName) {
  PV::Util::PalvermontineAboutInfo* about = PV::Util::PalvermontineAboutInfo::instance();
  about->set_userName("account");
  options().get_idAppOpts().set_owner("");
  OptionsHostFrame host;
  {
    DAppOptions dialog(&host);
    EXPECT_EQ(textOf(item(dialog, kAoUserName)), "account");
    ASSERT_TRUE(runModalWith(&dialog, [&] {
      SetWindowTextA(item(dialog, kAoUserName), "");
      PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
    }));
  }
  // (A file read later gives an empty owner the account's name again.)
  EXPECT_EQ(options().get_idAppOpts().get_owner(), "");
  EXPECT_EQ(about->get_userName(), "account");
  {
    DAppOptions dialog(&host);
    ASSERT_TRUE(runModalWith(&dialog, [&] {
      SetWindowTextA(item(dialog, kAoUserName), "Bea");
      PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
    }));
  }
  EXPECT_EQ(reread().get_idAppOpts().get_owner(), "Bea");
  EXPECT_EQ(about->get_userName(), "Bea");
}

TEST(AppOptionsValues, NavigationAndExitTables) {
  const struct {
    const char* value;
    const char* text;
    uint32_t code;
  } rows[] = {{"leftRightDown", "Flow LRD", 0},
              {"down", "Down", 1},
              {"right", "Right", 2},
              {"left", "Left", 3},
              {"up", "Up", 4},
              {"none", "None", 5},
              {"sideways", "Flow LRD", 0}};
  for (const auto& r : rows) {
    EXPECT_STREQ(navigationChoiceOf(r.value).text, r.text) << r.value;
    EXPECT_EQ(navigationChoiceOf(r.value).code, r.code) << r.value;
  }
  EXPECT_EQ(exitModeOf("exit1"), 2);
  EXPECT_EQ(exitModeOf("exit2"), 1);
  EXPECT_EQ(exitModeOf("none"), 0);
  EXPECT_EQ(exitModeOf("other"), 2);
  for (int mode : {0, 1, 2}) EXPECT_EQ(exitModeOf(exitIconOf(mode)), mode);
}

// Tab walks the dialog as it reads: down the identification and defaults, down the
// left column of the report and display choices, down the right column, along the
// toolbar choices, then OK and Cancel (a control the other choices disable is passed
// over); the keyboard starts at the name.
TEST_F(AppOptions, TabFollowsTheVisualOrder) {
  OptionsHostFrame host;
  DAppOptions dialog(&host);
  // In reading order; a radio group is named by its first button and stands for the
  // one chosen.
  const std::vector<int> reading = {kAoUserName,       kAoDefaultModel,
                                    kAoBrowse,         kAoShowPath,
                                    kAoStartLastModel, kAoStartDefaultModel,
                                    kAoAutoUpdate,     kAoHighlight,
                                    kAoHighlightColor, kAoAppendTimestamp,
                                    kAoIncludeScores,  kAoDisplayReport,
                                    kAoNavigation,     kAoPortrait,
                                    kAoRankChart,      kAoAutoReport,
                                    kAoAutoRecalc,     kAoDm1,
                                    kAoExit1,          IDOK,
                                    IDCANCEL};
  const auto groupOf = [](int id) {
    if (id == kAoLandscape) return static_cast<int>(kAoPortrait);
    if (id == kAoDm2) return static_cast<int>(kAoDm1);
    if (id == kAoExit2 || id == kAoNoExit) return static_cast<int>(kAoExit1);
    return id;
  };
  HWND first = nullptr;
  std::vector<int> order, expected;
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    first = GetFocus();
    HWND at = first;
    for (int i = 0; i < 40 && at; ++i) {
      order.push_back(groupOf(GetDlgCtrlID(at)));
      at = GetNextDlgTabItem(dialog.handle(), at, FALSE);
      if (at == first) break;
    }
    for (int id : reading)
      if (IsWindowEnabled(item(dialog, id)) || id == kAoPortrait || id == kAoDm1 || id == kAoExit1)
        expected.push_back(id);
    PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0);
  }));
  EXPECT_EQ(first, item(dialog, kAoUserName));
  EXPECT_EQ(order, expected);
}

// The colour button shows the highlight colour on its sample and nowhere else.
TEST_F(AppOptions, TheColourButtonShowsTheHighlightColour) {
  options().get_guiAppOpts().set_rgbFilledBgHighlightChoicePairs(0x80FF80);
  OptionsHostFrame host;
  DAppOptions dialog(&host);
  EXPECT_EQ(dialog.highlightColor(), 0x80FF80u);
  COLORREF centre = 0, corner = 0;
  // Looked at while the dialog runs, as a person sees it.
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    saveWindowPicture(dialog.handle(), "app_options_dialog.bmp");
    HWND button = item(dialog, kAoHighlightColor);
    RECT r = {};
    GetClientRect(button, &r);
    HDC dc = GetDC(button);
    centre = GetPixel(dc, r.right / 2, r.bottom / 2);
    corner = GetPixel(dc, 1, 1);
    ReleaseDC(button, dc);
    PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0);
  }));
  EXPECT_EQ(centre, RGB(0x80, 0xFF, 0x80));
  EXPECT_NE(corner, RGB(0x80, 0xFF, 0x80));
}

}  // namespace
