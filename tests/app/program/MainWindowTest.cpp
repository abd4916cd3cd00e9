// The program's main window, started in this process exactly as the program starts it
// (option files, command line, start-up model) on a configuration folder of its own,
// and driven by menu commands, dropped files and close requests. Message boxes and
// file forms are answered from a thread timer that finds them by caption among this
// thread's windows; a box nobody expected is closed after a deadline and fails the
// test, so no test waits for a person.
#include "GuiTestSupport.h"
#include "ProgramRun.h"
#include "app/program/ProgramMain.h"
#include "app/program/SystemText.h"
#include "app/program/WMain.h"
#include "app/program/res/program_ids.h"
#include "app/shared/AppOptionsChanged.h"
#include "app/shared/ChildCommands.h"
#include "app/services/AboutInfo.h"
#include "factory/DemoModel.h"
#include "factory/Factory.h"
#include "factory/ReconcileLog.h"
#include "framework/bars/zStatusItems.h"
#include "framework/bars/zStatusLine.h"
#include "framework/bars/zToolTip.h"
#include "framework/bars/zToolbar.h"
#include "framework/core/zMenu.h"
#include "framework/core/zProgram.h"
#include "math/MathServer.h"
#include "model/RankSolutionData.h"
#include "xml/PalvermontineAppOptsFile.h"
#include "xml/PalvermontineMdlOptsFile.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <deque>
#include <map>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using PV::App::WMain;

constexpr DWORD kUnexpectedBoxMs = 3000;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// For this process's C library (which the configuration folder is read through) and
// for the processes it starts.
void setEnvironment(const char* name, const std::string& value) {
  _putenv_s(name, value.c_str());
  SetEnvironmentVariableA(name, value.c_str());
}

std::string windowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::wstring wide(const std::string& utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &w[0], n);
  return w;
}

std::string utf8(const std::wstring& w) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), &s[0], n, nullptr, nullptr);
  return s;
}

// A window's text as UTF-8, read in the wide form (any name shows as it is).
std::string windowTextUtf8(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return utf8(text);
}

// A path of a name typed as UTF-8.
fs::path u8(const std::string& name) { return fs::u8path(name); }

// ---- answering modal boxes -----------------------------------------------------------

// One expected box: its caption holds `caption`; the answer presses `button`, after
// typing each text of `fields` into the control of its id.
struct Expected {
  std::string caption;
  int button;
  std::vector<std::pair<int, std::string>> fields;
};

struct Seen {
  std::string caption;
  std::string text;
  std::string utf8Text;  // the text read in the wide form, as UTF-8
  std::string fileName;  // a file form's name field as it was shown, as UTF-8
};

class BoxAnswerer {
 public:
  BoxAnswerer() {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 30, &BoxAnswerer::tick);
  }
  ~BoxAnswerer() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  void expect(const std::string& caption, int button, std::vector<std::pair<int, std::string>> fields = {}) {
    queue_.push_back({caption, button, std::move(fields)});
  }
  // A file form: the name goes into the name field (the combo box of the explorer
  // style, or the edit of the old one).
  void expectFile(const std::string& caption, const std::string& name) {
    expect(caption, IDOK, {{0x47c, name}, {0x480, name}});
  }
  size_t pending() const { return queue_.size(); }
  const std::vector<Seen>& seen() const { return seen_; }
  const std::vector<Seen>& unexpected() const { return unexpected_; }
  void clear() {
    seen_.clear();
    unexpected_.clear();
    queue_.clear();
  }

 private:
  struct Found {
    std::vector<HWND> boxes;
  };
  static BOOL CALLBACK collect(HWND window, LPARAM data) {
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    const std::string name(cls);
    // System boxes and forms, and the framework's own dialogs.
    if ((name == "#32770" || name.rfind("DialogFrameCL", 0) == 0) && IsWindowVisible(window))
      reinterpret_cast<Found*>(data)->boxes.push_back(window);
    return TRUE;
  }
  static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current_) current_->look();
  }
  void press(HWND box, int button) {
    answered_.push_back(box);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
  }
  void look() {
    Found found;
    EnumThreadWindows(GetCurrentThreadId(), &BoxAnswerer::collect, reinterpret_cast<LPARAM>(&found));
    for (HWND box : found.boxes) {
      if (std::find(answered_.begin(), answered_.end(), box) != answered_.end()) continue;
      Seen seen = {windowText(box), windowText(GetDlgItem(box, 0xFFFF)), windowTextUtf8(GetDlgItem(box, 0xFFFF))};
      for (int field : {0x480, 0x47c})
        if (seen.fileName.empty() && GetDlgItem(box, field)) seen.fileName = windowTextUtf8(GetDlgItem(box, field));
      if (!queue_.empty() && seen.caption.find(queue_.front().caption) != std::string::npos) {
        const Expected e = queue_.front();
        queue_.pop_front();
        seen_.push_back(seen);
        // Field texts are UTF-8, typed through the wide form like a keyboard would.
        for (const auto& field : e.fields) SetDlgItemTextW(box, field.first, wide(field.second).c_str());
        press(box, e.button);
        continue;
      }
      DWORD& since = firstSeen_[box];
      if (since == 0) since = GetTickCount();
      if (GetTickCount() - since > kUnexpectedBoxMs) {
        unexpected_.push_back(seen);
        for (int button : {IDCANCEL, IDNO, IDOK}) {
          if (GetDlgItem(box, button)) {
            press(box, button);
            break;
          }
        }
      }
    }
  }

  static inline BoxAnswerer* current_ = nullptr;
  UINT_PTR timer_;
  std::deque<Expected> queue_;
  std::vector<Seen> seen_;
  std::vector<Seen> unexpected_;
  std::vector<HWND> answered_;
  std::map<HWND, DWORD> firstSeen_;
};

// A model window with edits of its own: dirty, and refusing to store them when told.
class FakeEditor : public PV::App::ModelWindow {
 public:
  bool commitToModel() override {
    ++commits;
    return acceptCommit;
  }
  bool isDirty() const override { return dirty; }
  void discard() override { ++discards; }

  bool dirty = true;
  bool acceptCommit = true;
  int commits = 0;
  int discards = 0;
};

// An MDI child that takes Cut and Paste (Copy only while it has a selection) and logs
// what reached it.
class ClipboardChild : public zMDIChildFrame, public PV::App::ChildCommands {
 public:
  explicit ClipboardChild(zWindow* frame) : zMDIChildFrame(frame, nullptr, WS_OVERLAPPEDWINDOW, "Table") {}
  bool commandEnabled(uint32_t id) const override {
    return id == CM_CUT || id == CM_PASTE || (id == CM_COPY && hasSelection);
  }
  bool doCommand(uint32_t id) override {
    done.push_back(id);
    return true;
  }
  bool hasSelection = false;
  std::vector<uint32_t> done;
};

// ---- the fixture -----------------------------------------------------------------------

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    dir_ = fs::path(temp) / (std::string("pv-main-") + info->name());
    std::error_code ec;
    fs::remove_all(dir_, ec);
    fs::create_directories(dir_ / "config");
    fs::create_directories(dir_ / "work");
    setEnvironment("PALVERMONTINE_CONFIG_DIR", (dir_ / "config").string());
    setEnvironment("PALVERMONTINE_DOCUMENTS_DIR", (dir_ / "work").string());
    // Options a test sets before the program starts go where the program will read them.
    PV::XML::setOptionsHome({(dir_ / "config").string(), "tester"});
    char cwd[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    oldCwd_ = cwd;
    SetCurrentDirectoryA((dir_ / "work").string().c_str());
  }

  void TearDown() override {
    stop();
    SetCurrentDirectoryA(oldCwd_.c_str());
    EXPECT_EQ(boxes_.pending(), 0u) << "a box that was expected never came";
    for (const Seen& s : boxes_.unexpected()) ADD_FAILURE() << "unexpected box: " << s.caption << ": " << s.text;
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  // Options for a predictable run: no start-up model, reports without a time stamp
  // and not shown.
  void quietOptions() {
    auto& app = PV::XML::PalvermontineAppOptsFile::instance()->options();
    app.get_defaultValuesAppOpts().set_autoSave(false);
    app.get_rptAppOpts().set_appendTimestamp(false);
    app.get_rptAppOpts().set_displayReport(false);
  }

  // Starts the program as its main routine does, with this command line.
  WMain* start(const std::string& commandLine = std::string()) { return run_.start(commandLine); }

  void stop() { run_.stop(); }

  void command(WMain* w, uint32_t id) {
    SendMessageA(w->handle(), WM_COMMAND, id, 0);
    pump();
  }

  // Writes the demonstration model to a file without disturbing the program's own
  // model factory (none runs yet).
  fs::path writeDemoModel(const std::string& name) {
    const fs::path path = dir_ / "work" / name;
    PV::Data::RankSolutionData ranking;
    auto algorithm = PV::Test::makeDataModel(ranking, false, false);
    EXPECT_TRUE(PV::Data::Factory::instance()->save(path.string().c_str()));
    algorithm.reset();
    PV::Data::Factory::destroy();
    return path;
  }

  std::string menuText(WMain* w, uint32_t id) {
    char text[512] = {};
    GetMenuStringA(GetMenu(w->handle()), id, text, sizeof text, MF_BYCOMMAND);
    return text;
  }
  // The item's text as UTF-8, read in the wide form.
  std::string menuTextUtf8(WMain* w, uint32_t id) {
    wchar_t text[512] = {};
    GetMenuStringW(GetMenu(w->handle()), id, text, 512, MF_BYCOMMAND);
    return utf8(text);
  }
  UINT menuState(WMain* w, uint32_t id) { return GetMenuState(GetMenu(w->handle()), id, MF_BYCOMMAND); }

  fs::path dir_;
  std::string oldCwd_;
  ProgramRun run_;
  BoxAnswerer boxes_;
};

// A real drop of one file: the shell's DROPFILES record with the name.
void dropFile(HWND window, const std::string& path) {
  const size_t bytes = sizeof(DROPFILES) + path.size() + 2;
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), path.c_str(), path.size());
  GlobalUnlock(memory);
  SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// The same in the wide form, as the shell drops a name beyond the ANSI code page.
void dropFileWide(HWND window, const std::wstring& path) {
  const size_t bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), path.c_str(), path.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// Registers the fake viewer for ".pdf" files (open and print), logging into log.
void registerFakeViewer(const fs::path& log) {
  char bin[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, bin, MAX_PATH);
  const std::string viewer = fs::path(bin).parent_path().string() + "\\fake_pdf_viewer.exe";
  SetEnvironmentVariableW(L"PV_FAKE_VIEWER_LOG", log.wstring().c_str());
  const std::string open = "\"" + viewer + "\" /open \"%1\"";
  const std::string print = "\"" + viewer + "\" /print \"%1\"";
  RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, "pdffile", 7);
  RegSetValueA(HKEY_CLASSES_ROOT, "pdffile\\shell\\open\\command", REG_SZ, open.c_str(),
               static_cast<DWORD>(open.size()));
  RegSetValueA(HKEY_CLASSES_ROOT, "pdffile\\shell\\print\\command", REG_SZ, print.c_str(),
               static_cast<DWORD>(print.size()));
}

void unregisterFakeViewer() {
  RegDeleteKeyA(HKEY_CLASSES_ROOT, "pdffile\\shell\\print\\command");
  RegDeleteKeyA(HKEY_CLASSES_ROOT, "pdffile\\shell\\print");
  SetEnvironmentVariableA("PV_FAKE_VIEWER_LOG", nullptr);
}

// Waits, with a deadline, until the log holds the text.
bool logShows(const fs::path& log, const std::string& text) {
  const DWORD until = GetTickCount() + 30000;
  while (readFile(log).find(text) == std::string::npos && GetTickCount() < until) Sleep(50);
  return readFile(log).find(text) != std::string::npos;
}

// ---- the cases -------------------------------------------------------------------------

TEST(StatusSummary, CountsAndWholeConfidenceValuesEachFollowedByThreeBlanks) {
  struct Case {
    size_t ch, cr, dm;
    double cfl, cfi;
    int scale;
    uint32_t pairs;
    const char* expected;
  } cases[] = {
      {0, 0, 0, 90.0, 10.0, 3, 0, "Ch:0   Cr:0   DM:0   Conf:90,10   Scale:3   Pairs:0   "},
      {10, 7, 2, 100.0, 50.0, 5, 0, "Ch:10   Cr:7   DM:2   Conf:100,50   Scale:5   Pairs:0   "},
      {254, 56, 54, 99.9, 0.5, 1, 999, "Ch:254   Cr:56   DM:54   Conf:99,0   Scale:1   Pairs:999   "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PV::App::statusSummary(c.ch, c.cr, c.dm, c.cfl, c.cfi, c.scale, c.pairs), c.expected);
  }
}

// An empty configuration folder: both option files and the recent list are written
// with their defaults, and the window shows the new default model.
TEST_F(MainWindow, StartsOnAnEmptyConfigurationFolder) {
  WMain* w = start();
  ASSERT_NE(w, nullptr);
  const fs::path config = dir_ / "config";
  EXPECT_TRUE(fs::exists(config / "palvermontinemdloptions.xml"));
  EXPECT_TRUE(fs::exists(config / "palvermontineappoptions.xml"));
  EXPECT_EQ(readFile(config / "palvermontinerecentfiles_menu.txt"), "<Empty>\n<Empty>\n<Empty>\n<Empty>\n");
  // Read back from the files, the defaults that matter for the start.
  const std::string appText = readFile(config / "palvermontineappoptions.xml");
  const std::string mdlText = readFile(config / "palvermontinemdloptions.xml");
  EXPECT_NE(appText.find("autoSave=\"true\""), std::string::npos) << appText;
  EXPECT_NE(appText.find("appendTimestamp=\"true\""), std::string::npos) << appText;
  EXPECT_NE(mdlText.find("90.0"), std::string::npos) << mdlText;

  EXPECT_EQ(windowText(w->handle()), "DecisionModel - Palvermontine");
  EXPECT_EQ(w->statusTexts().summary, "Ch:0   Cr:0   DM:0   Conf:90,10   Scale:3   Pairs:0   ");
  EXPECT_EQ(w->statusTexts().state, "");
  EXPECT_EQ(w->statusTexts().name, "DecisionModel");
  // What the status line shows, item by item, and the toolbar's buttons.
  ASSERT_NE(w->statusLine(), nullptr);
  EXPECT_STREQ(static_cast<const char*>(w->statusLine()->findItem(3)->text()), w->statusTexts().summary.c_str());
  EXPECT_STREQ(static_cast<const char*>(w->statusLine()->findItem(2)->text()), "DecisionModel");
  ASSERT_NE(w->toolbar()->findItem(CM_NEW), nullptr);
  EXPECT_TRUE(w->toolbar()->isItemEnabled(CM_SAVE));
  EXPECT_TRUE(w->toolbar()->isItemEnabled(CM_CHOICES)) << "the list editors open on any model";
  EXPECT_TRUE(w->toolbar()->isItemEnabled(CM_COMPARE)) << "compare opens on any model and says when it cannot score";
  EXPECT_STREQ(w->toolTips()->messageTable().lookup(CM_EXIT), "Exit - Alt+F4");
  for (uint32_t id : {CM_SNAPSHOT, CM_TRANSITIVE_BIAS, CM_DISTRIBUTIVE_BIAS, CM_BROWSE_DATABASE, CM_SAVE_TO_DATABASE,
                      CM_MODERATOR_MODE, CM_COLLABORATOR_MODE, CM_EXPORT_MODEL, CM_MAIL_MODEL, CM_MERGE_MODEL,
                      CM_SYNCHRONIZATION, CM_COLLABORATION, CM_CLEAR_COMPARISONS}) {
    EXPECT_TRUE(menuState(w, id) & MF_GRAYED) << id;
  }
  EXPECT_TRUE(menuState(w, CM_MODERATOR_MODE) & MF_CHECKED);
  EXPECT_FALSE(menuState(w, CM_CHECK_UPDATES) & MF_CHECKED);
  EXPECT_FALSE(menuState(w, CM_NEW) & MF_GRAYED);
  EXPECT_EQ(menuText(w, CM_RECENT_FIRST), "<Empty>");
  // The window menu stands before Help.
  const HMENU bar = GetMenu(w->handle());
  char title[64] = {};
  GetMenuStringA(bar, 5, title, sizeof title, MF_BYPOSITION);
  EXPECT_STREQ(title, "&Window");
  GetMenuStringA(bar, 6, title, sizeof title, MF_BYPOSITION);
  EXPECT_STREQ(title, "&Help");
  EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 5), 0), static_cast<UINT>(CM_CASCADE));
  EXPECT_EQ(GetSubMenu(bar, 5), w->windowMenu()->handle()) << "the client lists its children in the shown popup";
}

// An options file made anew after a run has ended (its about information gone) names the
// user the about information knows then, never what the run's object held.
TEST_F(MainWindow, OptionsMadeAfterARunNameTheUserKnownThen) {
  ASSERT_NE(start(), nullptr);
  stop();
  // The block the run's object held stays taken, so the next object lives elsewhere.
  auto* taken = new char[sizeof(PV::Util::PalvermontineAboutInfo)]();
  PV::Util::PalvermontineAboutInfo::instance()->set_userName("Next Owner");
  std::error_code ec;
  fs::remove(PV::XML::PalvermontineAppOptsFile::configFilePath(), ec);
  PV::XML::PalvermontineAppOptsFile::destroy();
  const auto& options = PV::XML::PalvermontineAppOptsFile::instance()->options();
  EXPECT_EQ(options.get_idAppOpts().get_owner(), "Next Owner");
  EXPECT_EQ(options.get_defaultValuesAppOpts().get_username(), "Next Owner");
  PV::XML::PalvermontineAppOptsFile::destroy();
  PV::Util::PalvermontineAboutInfo::destroy();
  delete[] taken;
}

// The commands that do nothing answer handled and change nothing; Check Product
// Updates checks its item on the first use and unchecks it on the second.
TEST_F(MainWindow, NoOpCommandsAndTheUpdatesToggle) {
  quietOptions();
  WMain* w = start();
  const std::string caption = w->caption();
  for (uint32_t id : {CM_TRANSITIVE_BIAS, CM_DISTRIBUTIVE_BIAS, CM_SNAPSHOT, CM_BROWSE_DATABASE, CM_SAVE_TO_DATABASE,
                      CM_MODERATOR_MODE, CM_COLLABORATOR_MODE, CM_EXPORT_MODEL, CM_MAIL_MODEL, CM_MERGE_MODEL,
                      CM_SYNCHRONIZATION, CM_COLLABORATION, CM_CASCADE, CM_TILE, CM_ARRANGE}) {
    command(w, id);
  }
  EXPECT_EQ(w->caption(), caption);
  EXPECT_FALSE(takeQuit());
  command(w, CM_CHECK_UPDATES);
  EXPECT_TRUE(menuState(w, CM_CHECK_UPDATES) & MF_CHECKED);
  command(w, CM_CHECK_UPDATES);
  EXPECT_FALSE(menuState(w, CM_CHECK_UPDATES) & MF_CHECKED);
}

// New asks about unsaved edits first (an editor's own edits count), Cancel keeps
// everything; answered No, the new-model dialog makes the model it names.
TEST_F(MainWindow, NewAsksAboutEditsFirstThenRunsItsDialog) {
  quietOptions();
  WMain* w = start("-mkdm");
  EXPECT_EQ(w->caption(), "mkdm: Make Data Model Internal Demo - Palvermontine");
  const size_t choices = PV::Data::Factory::instance()->currDataModel(0)->get_chs().size();
  ASSERT_GT(choices, 0u);
  FakeEditor editor;
  w->addModelWindow(&editor);
  boxes_.expect("Palvermontine", IDCANCEL);
  command(w, CM_NEW);
  ASSERT_EQ(boxes_.seen().size(), 1u);
  EXPECT_EQ(boxes_.seen()[0].text.rfind("Save changes to ", 0), 0u) << boxes_.seen()[0].text;
  EXPECT_EQ(PV::Data::Factory::instance()->currDataModel(0)->get_chs().size(), choices);
  EXPECT_EQ(editor.discards, 0);

  boxes_.expect("Palvermontine", IDNO);
  boxes_.expect("Create A New Decision Model", IDOK, {{116, "Cars"}});
  command(w, CM_NEW);
  EXPECT_EQ(boxes_.seen().size(), 3u);
  EXPECT_EQ(editor.discards, 1) << "the model's windows close without storing";
  const auto* model = PV::Data::Factory::instance()->currDataModel(0);
  EXPECT_EQ(model->get_chs().size(), 0u);
  EXPECT_EQ(model->get_nm(), "Cars");
  EXPECT_EQ(w->caption(), "New Model: Cars - Palvermontine");
  EXPECT_EQ(windowText(w->handle()), "New Model: Cars - Palvermontine");
  EXPECT_EQ(w->statusTexts().name, "Cars");
  EXPECT_EQ(w->modelFile(), "");

  // Cancelled, the dialog leaves the model as it was.
  boxes_.expect("Palvermontine", IDNO);
  boxes_.expect("Create A New Decision Model", IDCANCEL);
  command(w, CM_NEW);
  EXPECT_EQ(PV::Data::Factory::instance()->currDataModel(0)->get_nm(), "Cars");
}

// Save As appends the extension, asks before replacing a file (No writes nothing),
// and a name typed with "é" comes back the same after saving and reopening.
TEST_F(MainWindow, SaveAsWithTheOverwriteQuestionAndTextRoundTrip) {
  quietOptions();
  WMain* w = start("-mkdm");
  auto* model = PV::Data::Factory::instance()->currDataModel(0);
  const std::string typed = "Caf\xe9 Choice";  // as the ANSI code page shows it
  model->set_nm(PV::App::SystemToUtf8(typed));
  const fs::path target = dir_ / "work" / "cafe.xpv";
  boxes_.expectFile("Save File As", (dir_ / "work" / "cafe").string());
  command(w, CM_SAVE_AS);
  ASSERT_TRUE(fs::exists(target));
  EXPECT_TRUE(w->isSaved());
  EXPECT_EQ(w->caption(), target.string() + " - Palvermontine");
  EXPECT_EQ(readFile(dir_ / "config" / "palvermontinerecentfiles_menu.txt").rfind(target.string() + "\n", 0), 0u);
  const std::string firstText = readFile(target);

  model->set_nm(PV::App::SystemToUtf8("Second"));
  boxes_.expectFile("Save File As", target.string());
  boxes_.expect("Save As", IDNO);
  command(w, CM_SAVE_AS);
  ASSERT_EQ(boxes_.seen().size(), 3u);
  EXPECT_EQ(boxes_.seen()[2].text, target.string() + " already exists.\r\nDo you want to replace it?");
  EXPECT_EQ(readFile(target), firstText) << "No writes nothing";
  EXPECT_FALSE(w->isSaved());

  // Reopened in a fresh run: the typed name is what the screen shows again.
  stop();
  start((dir_ / "work" / "cafe.xpv").string());
  EXPECT_EQ(run_.program()->window()->statusTexts().name, typed);
}

// Save As proposes a name the file system can hold, made of the model's name: the
// letters a file name cannot hold (a "/" would name a folder, a "?" makes the form
// filter instead of save) become "_", and the others stay as they are.
TEST_F(MainWindow, SaveAsProposesAFileNameMadeOfTheModelsName) {
  quietOptions();
  WMain* w = start("-mkdm");
  const struct {
    const char* modelName;
    const char* proposed;
  } cases[] = {
      {"Plan: A/B?", "Plan_ A_B_.xpv"},
      {"Caf\xc3\xa9 <Choice>", "Caf\xc3\xa9 _Choice_.xpv"},
      {"Site \"North\"", "Site _North_.xpv"},
  };
  for (const auto& c : cases) {
    boxes_.clear();
    PV::Data::Factory::instance()->currDataModel(0)->set_nm(c.modelName);
    boxes_.expect("Save File As", IDCANCEL);
    command(w, CM_SAVE_AS);
    ASSERT_EQ(boxes_.seen().size(), 1u) << c.modelName;
    EXPECT_EQ(boxes_.seen()[0].fileName, c.proposed) << c.modelName;
    EXPECT_FALSE(w->isSaved());
  }
  boxes_.expect("Palvermontine", IDNO);
  SendMessageA(w->handle(), WM_CLOSE, 0, 0);
  pump();
}

// Open by the recent list and by a dropped file; the same file again asks first;
// a dropped name that is not a model file loads nothing; the extension counts in any
// letter case.
TEST_F(MainWindow, OpenByTheRecentListAndByDroppedFiles) {
  const fs::path model = writeDemoModel("recent.xpv");
  const fs::path upper = dir_ / "work" / "UPPER.XPV";
  fs::copy_file(model, upper);
  std::ofstream(dir_ / "config" / "palvermontinerecentfiles_menu.txt", std::ios::binary)
      << model.string() << "\n<Empty>\n<Empty>\n<Empty>\n";
  quietOptions();
  WMain* w = start();
  EXPECT_EQ(menuText(w, CM_RECENT_FIRST), "&1 " + model.string());
  EXPECT_EQ(w->caption(), "DecisionModel - Palvermontine") << "autoSave off: no start-up model";
  command(w, CM_RECENT_FIRST + 1);  // an empty entry does nothing
  EXPECT_EQ(w->modelFile(), "");

  command(w, CM_RECENT_FIRST);
  EXPECT_EQ(w->modelFile(), model.string());
  EXPECT_EQ(w->caption(), model.string() + " - Palvermontine");
  EXPECT_NE(w->statusTexts().summary.rfind("Ch:0 ", 0), 0u);
  EXPECT_EQ(w->statusTexts().state, "SLV");

  boxes_.expect("The Same Model File is Currently Loaded", IDNO);
  command(w, CM_RECENT_FIRST);
  ASSERT_EQ(boxes_.seen().size(), 1u);
  EXPECT_EQ(boxes_.seen()[0].text, "recent.xpv is already loaded!  Do you want to continue?");

  // The shell drops files only on a window that says it takes them.
  EXPECT_NE(GetWindowLongA(w->handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
  dropFile(w->handle(), (dir_ / "work" / "notes.txt").string());
  pump();
  EXPECT_EQ(w->modelFile(), model.string());
  dropFile(w->handle(), upper.string());
  pump();
  EXPECT_EQ(w->modelFile(), upper.string());
  EXPECT_EQ(menuText(w, CM_RECENT_FIRST), "&1 " + upper.string());
  EXPECT_EQ(menuText(w, CM_RECENT_FIRST + 1), "&2 " + model.string());
}

// With the default options the most recent file is loaded at the start; File Open
// loads the file its form names.
TEST_F(MainWindow, StartsWithTheMostRecentFileAndOpensThroughTheFileForm) {
  const fs::path first = writeDemoModel("first.xpv");
  const fs::path second = dir_ / "work" / "second.xpv";
  fs::copy_file(first, second);
  std::ofstream(dir_ / "config" / "palvermontinerecentfiles_menu.txt", std::ios::binary)
      << first.string() << "\n<Empty>\n<Empty>\n<Empty>\n";
  WMain* w = start();
  EXPECT_EQ(w->modelFile(), first.string());
  EXPECT_EQ(w->caption(), first.string() + " - Palvermontine");
  boxes_.expectFile("Open A Palvermontine Decision Model File", second.string());
  command(w, CM_OPEN);
  EXPECT_EQ(w->modelFile(), second.string());
  EXPECT_EQ(menuText(w, CM_RECENT_FIRST), "&1 " + second.string());
}

// A model the command line opens, as the first word or after -input, goes on the
// recent-files list as one that File Open opened does.
TEST_F(MainWindow, AModelOpenedFromTheCommandLineIsARecentFile) {
  const fs::path first = writeDemoModel("first word.xpv");
  const fs::path input = writeDemoModel("input.xpv");
  quietOptions();
  const struct {
    std::string commandLine;
    fs::path model;
  } cases[] = {
      {"\"" + first.string() + "\"", first},
      {"-input \"" + input.string() + "\"", input},
  };
  for (const auto& c : cases) {
    WMain* w = start(c.commandLine);
    EXPECT_EQ(w->modelFile(), c.model.string());
    EXPECT_EQ(menuText(w, CM_RECENT_FIRST), "&1 " + c.model.string()) << c.commandLine;
    EXPECT_EQ(readFile(dir_ / "config" / "palvermontinerecentfiles_menu.txt").rfind(c.model.string() + "\n", 0), 0u)
        << c.commandLine;
    stop();
  }
}

// In the window's mode what the command line got wrong is told in a box, and the
// window comes up all the same.
TEST_F(MainWindow, CommandLineMistakesAreToldInABox) {
  quietOptions();
  const struct {
    const char* commandLine;
    const char* text;
  } cases[] = {
      {"-mkdm -ouput a.xpv", "Not understood on the command line, and ignored: \"-ouput\", \"a.xpv\""},
      {"-mkdm -input", "-input needs a file name"},
      {"-mkdm -launch_pdf -pdf", "-pdf needs a file name"},
  };
  for (const auto& c : cases) {
    boxes_.clear();
    boxes_.expect("Palvermontine", IDOK);
    WMain* w = start(c.commandLine);
    ASSERT_NE(w, nullptr) << c.commandLine;
    ASSERT_EQ(boxes_.seen().size(), 1u) << c.commandLine;
    EXPECT_EQ(boxes_.seen()[0].text, c.text) << c.commandLine;
    EXPECT_TRUE(IsWindowVisible(w->handle())) << c.commandLine;
    stop();
  }
}

// Save of a model whose file can no longer be written (its folder is gone) tells why
// in the save error's box, with the file's name, and counts as not saved.
TEST_F(MainWindow, SaveThatCannotWriteTellsWhy) {
  fs::create_directories(dir_ / "work" / "gone");
  const fs::path model = dir_ / "work" / "gone" / "model.xpv";
  fs::copy_file(writeDemoModel("model.xpv"), model);
  quietOptions();
  WMain* w = start("\"" + model.string() + "\"");
  ASSERT_EQ(w->modelFile(), model.string());
  fs::remove_all(dir_ / "work" / "gone");
  PV::Data::Factory::instance()->currDataModel(0)->set_nm("Changed");
  boxes_.expect("ERROR: While Saving Loaded Model File, A Write Error Occurred", IDOK);
  command(w, CM_SAVE);
  EXPECT_FALSE(w->isSaved());
  ASSERT_EQ(boxes_.seen().size(), 1u);
  EXPECT_EQ(boxes_.seen()[0].text.rfind(model.string() + ": File is read-only or inaccessible", 0), 0u)
      << boxes_.seen()[0].text;
  EXPECT_FALSE(fs::exists(model));
}

// Opening another model after New with changes asks about them; Cancel keeps them.
TEST_F(MainWindow, OpeningAfterNewAsksAboutItsChanges) {
  const fs::path model = writeDemoModel("other.xpv");
  quietOptions();
  WMain* w = start();
  boxes_.expect("Create A New Decision Model", IDOK, {{116, "Fresh"}});
  command(w, CM_NEW);
  EXPECT_FALSE(w->isNewModel());
  PV::Data::Factory::instance()->currDataModel(0)->set_nm("Edited");
  boxes_.expect("Palvermontine", IDCANCEL);
  dropFile(w->handle(), model.string());
  pump();
  EXPECT_EQ(boxes_.seen().size(), 2u);
  EXPECT_EQ(PV::Data::Factory::instance()->currDataModel(0)->get_nm(), "Edited");
  EXPECT_EQ(w->modelFile(), "");
}

// Save stops when an editor refuses to store its table: nothing is written and the
// save counts as failed.
TEST_F(MainWindow, SaveStopsWhenAnEditorRefusesItsTable) {
  const fs::path model = writeDemoModel("kept.xpv");
  const std::string before = readFile(model);
  quietOptions();
  WMain* w = start(model.string());
  EXPECT_EQ(w->modelFile(), model.string());
  PV::Data::Factory::instance()->currDataModel(0)->set_nm("Changed");
  FakeEditor editor;
  editor.acceptCommit = false;
  w->addModelWindow(&editor);
  command(w, CM_SAVE);
  EXPECT_EQ(editor.commits, 1);
  EXPECT_FALSE(w->isSaved());
  EXPECT_EQ(readFile(model), before);
  editor.acceptCommit = true;
  command(w, CM_SAVE);
  EXPECT_TRUE(w->isSaved());
  EXPECT_NE(readFile(model), before);
  w->removeModelWindow(&editor);
}

// Exit and the close box with unsaved changes: Cancel keeps the program running; No
// ends it with code 0.
TEST_F(MainWindow, ExitWithUnsavedChangesAnsweredCancel) {
  quietOptions();
  WMain* w = start("-mkdm");
  PV::Data::Factory::instance()->currDataModel(0)->set_nm("Unsaved");
  SetForegroundWindow(w->handle());
  SetFocus(w->handle());
  boxes_.expect("Palvermontine", IDCANCEL);
  command(w, CM_EXIT);
  EXPECT_EQ(boxes_.seen().size(), 1u);
  EXPECT_FALSE(takeQuit());
  // The keyboard is the window's again (its menu keys work without a click).
  EXPECT_EQ(GetActiveWindow(), w->handle());
  const HWND focus = GetFocus();
  EXPECT_TRUE(focus == w->handle() || IsChild(w->handle(), focus)) << focus;
  boxes_.expect("Palvermontine", IDCANCEL);
  SendMessageA(w->handle(), WM_CLOSE, 0, 0);
  pump();
  EXPECT_TRUE(IsWindow(w->handle()));
  EXPECT_FALSE(takeQuit());
  // Yes on a model without a file runs Save As; cancelling it stops the exit.
  boxes_.expect("Palvermontine", IDYES);
  boxes_.expect("Save File As", IDCANCEL);
  command(w, CM_EXIT);
  EXPECT_EQ(boxes_.seen().size(), 4u);
  EXPECT_FALSE(takeQuit());
  boxes_.expect("Palvermontine", IDNO);
  command(w, CM_EXIT);
  int code = -1;
  EXPECT_TRUE(takeQuit(&code));
  EXPECT_EQ(code, 0);
  // The close box answered No closes the window and ends the loop.
  boxes_.expect("Palvermontine", IDNO);
  SendMessageA(w->handle(), WM_CLOSE, 0, 0);
  pump();
  EXPECT_FALSE(IsWindow(w->handle()));
  EXPECT_TRUE(takeQuit());
}

// The end of the session (log off, shut down) asks about unsaved changes as the close
// box does: Cancel keeps the session, No lets it end; an unchanged model asks nothing.
TEST_F(MainWindow, TheSessionsEndAsksAboutUnsavedChangesFirst) {
  quietOptions();
  WMain* w = start();
  EXPECT_NE(SendMessageA(w->handle(), WM_QUERYENDSESSION, 0, 0), 0);
  EXPECT_EQ(boxes_.seen().size(), 0u);
  stop();
  w = start("-mkdm");
  PV::Data::Factory::instance()->currDataModel(0)->set_nm("Unsaved");
  boxes_.expect("Palvermontine", IDCANCEL);
  EXPECT_EQ(SendMessageA(w->handle(), WM_QUERYENDSESSION, 0, 0), 0);
  ASSERT_EQ(boxes_.seen().size(), 1u);
  EXPECT_EQ(boxes_.seen()[0].text, "Save changes to Unsaved");
  boxes_.expect("Palvermontine", IDNO);
  EXPECT_NE(SendMessageA(w->handle(), WM_QUERYENDSESSION, 0, 0), 0);
  EXPECT_EQ(boxes_.seen().size(), 2u);
  EXPECT_TRUE(IsWindow(w->handle()));
  EXPECT_FALSE(takeQuit());
  boxes_.expect("Palvermontine", IDNO);
  SendMessageA(w->handle(), WM_CLOSE, 0, 0);
  pump();
  EXPECT_TRUE(takeQuit());
}

// Best Choice: an unscored model is refused with the not-solvable box; the scored
// demonstration model is solved and numbered.
TEST_F(MainWindow, BestChoice) {
  quietOptions();
  WMain* w = start();
  boxes_.expect("Palvermontine", IDOK);
  command(w, CM_BEST_CHOICE);
  ASSERT_EQ(boxes_.seen().size(), 1u);
  EXPECT_EQ(boxes_.seen()[0].text.rfind("The Model Is Not Solvable!", 0), 0u);
  EXPECT_EQ(w->solutionWindowCount(), 0u);
  stop();

  quietOptions();
  w = start("-mkdm");
  command(w, CM_BEST_CHOICE);
  EXPECT_EQ(w->solutionWindowCount(), 1u);
  EXPECT_EQ(w->lastSolutionTitle().rfind("#1 Solution - Snapshot Result Calculated @ Time: ", 0), 0u)
      << w->lastSolutionTitle();
  EXPECT_EQ(w->statusTexts().state, "SLV");
}

// Report and Print hand the report written beside the model to the PDF viewer
// registered in the prefix (a fake one that logs its command line).
TEST_F(MainWindow, ReportAndPrintThroughTheRegisteredViewer) {
  const fs::path log = dir_ / "viewer.log";
  registerFakeViewer(log);

  const fs::path model = writeDemoModel("shown.xpv");
  quietOptions();
  PV::XML::PalvermontineAppOptsFile::instance()->options().get_rptAppOpts().set_displayReport(true);
  WMain* w = start(model.string());
  command(w, CM_REPORT);
  const fs::path pdf = dir_ / "work" / "shown.pdf";
  EXPECT_TRUE(fs::exists(pdf));
  const DWORD until = GetTickCount() + 30000;
  while (readFile(log).find("/open") == std::string::npos && GetTickCount() < until) Sleep(50);
  EXPECT_NE(readFile(log).find("/open \"" + pdf.string() + "\""), std::string::npos) << readFile(log);

  command(w, CM_PRINT);
  while (readFile(log).find("/print") == std::string::npos && GetTickCount() < until) Sleep(50);
  EXPECT_NE(readFile(log).find("/print \"" + pdf.string() + "\""), std::string::npos) << readFile(log);
  // Without a viewer, Print writes the report, says why it is not shown and asks
  // nobody to print it.
  RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, "", 0);
  const size_t printed = readFile(log).size();
  boxes_.expect("Palvermontine", IDOK);
  command(w, CM_PRINT);
  ASSERT_EQ(boxes_.seen().size(), 1u);
  EXPECT_NE(boxes_.seen()[0].text.find("Creating but not displaying PDF Report"), std::string::npos)
      << boxes_.seen()[0].text;
  Sleep(500);
  EXPECT_EQ(readFile(log).size(), printed);
  RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, "pdffile", 7);
  unregisterFakeViewer();
}

// A registered viewer that ends without showing the file: Report and every guide of
// the Help menu say that it was not shown and where the file is.
TEST_F(MainWindow, ReportAndGuidesTellWhereTheyAreWhenNoViewerShowsThem) {
  const fs::path log = dir_ / "viewer.log";
  registerFakeViewer(log);
  char bin[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, bin, MAX_PATH);
  const std::string failing =
      "\"" + fs::path(bin).parent_path().string() + "\\fake_pdf_viewer.exe\" /fail /open \"%1\"";
  RegSetValueA(HKEY_CLASSES_ROOT, "pdffile\\shell\\open\\command", REG_SZ, failing.c_str(),
               static_cast<DWORD>(failing.size()));
  const fs::path model = writeDemoModel("shown.xpv");
  quietOptions();
  PV::XML::PalvermontineAppOptsFile::instance()->options().get_rptAppOpts().set_displayReport(true);
  WMain* w = start(model.string());
  const std::string guides = fs::path(bin).parent_path().string();
  struct Case {
    uint32_t command;
    std::string file;
  } cases[] = {{CM_REPORT, (dir_ / "work" / "shown.pdf").string()},
               {CM_CONTENTS, guides + "\\pvusersguide.pdf"},
               {CM_QUICKSTART, guides + "\\pvquickstart.pdf"},
               {CM_USERS_GUIDE, guides + "\\pvusersguide.pdf"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const size_t before = boxes_.seen().size();
    boxes_.expect("Palvermontine", IDOK);
    command(w, c.command);
    // The program watches a viewer for a few seconds and takes one still running then as
    // showing the file. On a loaded machine a Wine process can take longer than that
    // just to start and fail: such a round is asked once more (a program that never tells
    // the user fails both).
    if (boxes_.seen().size() == before) command(w, c.command);
    ASSERT_EQ(boxes_.seen().size(), before + 1) << "the user is told";
    const std::string& text = boxes_.seen().back().text;
    EXPECT_NE(text.find(c.file), std::string::npos) << text;
    EXPECT_NE(text.find("not "), std::string::npos) << text;
    EXPECT_TRUE(logShows(log, "/fail /open \"" + c.file + "\"")) << "the viewer was asked";
  }
  registerFakeViewer(log);
  unregisterFakeViewer();
}

// Every menu of the bar, and the bar itself, gives each of its items a letter of its
// own: a letter used twice only moves between the items instead of choosing one.
TEST_F(MainWindow, EveryMenuGivesEachItemItsOwnLetter) {
  quietOptions();
  WMain* w = start();
  std::vector<std::pair<HMENU, std::string>> menus = {{GetMenu(w->handle()), "the bar"}};
  for (size_t k = 0; k < menus.size(); ++k) {
    const HMENU menu = menus[k].first;
    std::string letters;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char text[256] = {};
      GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      if (HMENU sub = GetSubMenu(menu, i)) menus.push_back({sub, text});
      const char* amp = std::strchr(text, '&');
      if (!amp || !amp[1] || amp[1] == '&') continue;
      const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(amp[1])));
      EXPECT_EQ(letters.find(letter), std::string::npos)
          << "'" << letter << "' twice in " << menus[k].second << ", again at " << text;
      letters += letter;
    }
  }
  EXPECT_GT(menus.size(), 6u);
}

// At 800 x 600 the status line shows the whole model summary and leaves the help
// field room of its own: no field is pushed off the line's left edge.
TEST_F(MainWindow, TheStatusLineFitsItsFieldsAt800By600) {
  quietOptions();
  WMain* w = start("-mkdm");
  struct Case {
    int width, height;
  } cases[] = {{800, 600}, {1024, 768}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    SetWindowPos(w->handle(), nullptr, 0, 0, c.width, c.height, SWP_NOZORDER | SWP_NOACTIVATE);
    pump();
    const zRect summary = w->statusLine()->findItem(3)->rect();
    const zRect help = w->statusLine()->findItem(0)->rect();
    RECT line = {};
    GetClientRect(w->statusLine()->handle(), &line);
    EXPECT_GE(help.left(), 0);
    EXPECT_GE(help.right() - help.left(), 100) << "room for the help texts";
    EXPECT_GE(summary.left(), help.right()) << "the summary stands right of the help field";
    EXPECT_LE(summary.right(), line.right);
    // The demonstration model's summary fits its field in the line's font.
    HDC dc = GetDC(w->statusLine()->handle());
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
    HGDIOBJ old = SelectObject(dc, font);
    const std::string text = w->statusTexts().summary;
    SIZE extent = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(w->statusLine()->handle(), dc);
    EXPECT_LE(extent.cx, summary.right() - summary.left()) << text;
  }
}

// Properties and Model options open their dialogs over the main window; a name
// stored through Properties shows in the status line.
TEST_F(MainWindow, PropertiesAndModelOptionsOpenTheirDialogs) {
  quietOptions();
  WMain* w = start();
  boxes_.expect("Model Properties", IDOK, {{116, "Renamed"}});
  command(w, CM_PROPERTIES);
  boxes_.expect("Model Options", IDCANCEL);
  command(w, CM_MODEL_OPTIONS);
  EXPECT_EQ(boxes_.seen().size(), 2u);
  EXPECT_EQ(PV::Data::Factory::instance()->currDataModel(0)->get_nm(), "Renamed");
  EXPECT_EQ(w->statusTexts().name, "Renamed");
  EXPECT_EQ(windowText(w->handle()), "Renamed - Palvermontine") << "the caption shows the model's new name";

  // A click on the status summary opens the properties too; one beside it does not.
  const zRect summary = w->statusLine()->findItem(3)->rect();
  const zRect name = w->statusLine()->findItem(2)->rect();
  boxes_.expect("Model Properties", IDCANCEL);
  SendMessageA(w->statusLine()->handle(), WM_LBUTTONDOWN, MK_LBUTTON,
               MAKELPARAM((summary.left() + summary.right()) / 2, (summary.top() + summary.bottom()) / 2));
  pump();
  SendMessageA(w->statusLine()->handle(), WM_LBUTTONDOWN, MK_LBUTTON,
               MAKELPARAM((name.left() + name.right()) / 2, (name.top() + name.bottom()) / 2));
  pump();
  EXPECT_EQ(boxes_.seen().size(), 3u);
}

// The toolbar's exit button and decision makers' picture follow the command line.
TEST_F(MainWindow, ToolbarExitButtonFollowsTheCommandLine) {
  quietOptions();
  WMain* w = start();
  EXPECT_NE(w->toolbar()->findItem(CM_EXIT), nullptr);
  EXPECT_FALSE(WMain::isDmFemale());
  stop();
  quietOptions();
  w = start("-tbnoexit -tbdm2");
  EXPECT_EQ(WMain::getTestExitMode(), 0);
  EXPECT_EQ(w->toolbar()->findItem(CM_EXIT), nullptr);
  EXPECT_NE(w->toolbar()->findItem(CM_DECISION_MAKERS), nullptr);
  EXPECT_TRUE(WMain::isDmFemale());
}

// The start-up options that shape the window and the run, each beside a plain start:
// -fullscreen maximizes the main window, -path shows the model file's folder in the
// caption (which the options here leave out), -testapp writes the two options' dumps
// into the working folder.
TEST_F(MainWindow, StartUpOptionsShapeTheWindow) {
  const fs::path model = writeDemoModel("shape.xpv");
  const fs::path work = dir_ / "work";
  const struct {
    const char* options;
    bool maximized;
    bool folderInCaption;
    bool dumps;
  } rows[] = {
      {"", false, false, false},
      {" -fullscreen", true, false, false},
      {" -path", false, true, false},
      {" -testapp", false, false, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.options);
    std::error_code ec;
    fs::remove(work / "appoptstestfile.log", ec);
    fs::remove(work / "mdloptstestfile.log", ec);
    quietOptions();
    PV::XML::PalvermontineAppOptsFile::instance()->options().get_guiAppOpts().set_showDirPathInMainWndwTitle(false);
    WMain* w = start("\"" + model.string() + "\"" + row.options);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(IsZoomed(w->handle()) != FALSE, row.maximized);
    const std::string caption = windowText(w->handle());
    EXPECT_EQ(caption.find("work\\shape.xpv - Palvermontine") != std::string::npos, row.folderInCaption) << caption;
    if (!row.folderInCaption) {
      EXPECT_EQ(caption, "shape.xpv - Palvermontine");
    }
    EXPECT_EQ(fs::exists(work / "appoptstestfile.log"), row.dumps);
    EXPECT_EQ(fs::exists(work / "mdloptstestfile.log"), row.dumps);
    stop();
  }
}

// About and Application Options open over the main window; what the options change
// reaches it at once: the toolbar's pictures, the caption's path, and a notice to each
// model window.
int optionNotices = 0;
LRESULT CALLBACK optionsListener(HWND h, UINT m, WPARAM wp, LPARAM lp) {
  if (m == PV::App::kAppOptionsChangedMessage) ++optionNotices;
  return DefMDIChildProcA(h, m, wp, lp);
}

TEST_F(MainWindow, AboutAndApplicationOptionsAndWhatTheOptionsChange) {
  quietOptions();
  PV::XML::PalvermontineAppOptsFile::instance()->options().get_guiAppOpts().set_showDirPathInMainWndwTitle(false);
  const fs::path model = writeDemoModel("shown.xpv");
  WMain* w = start(model.string());
  EXPECT_FALSE(menuState(w, CM_ABOUT) & MF_GRAYED);
  EXPECT_FALSE(menuState(w, CM_APP_OPTIONS) & MF_GRAYED);
  boxes_.expect("About Palvermontine", IDOK);
  command(w, CM_ABOUT);
  boxes_.expect("Application Options", IDCANCEL);
  command(w, CM_APP_OPTIONS);
  EXPECT_EQ(boxes_.seen().size(), 2u);

  // A model window that counts the notices.
  optionNotices = 0;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = &optionsListener;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "PvOptionsListener";
  RegisterClassA(&wc);
  MDICREATESTRUCTA create = {"PvOptionsListener", "Listener", GetModuleHandleA(nullptr), 0, 0, 200, 100, 0, 0};
  HWND child =
      reinterpret_cast<HWND>(SendMessageA(w->client()->handle(), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  ASSERT_NE(child, nullptr);

  ASSERT_FALSE(WMain::getShowDirPathInTitle());
  const zStatusMessageTable& help = w->statusLine()->messageTable();
  EXPECT_STREQ(help.lookup(CM_REPORT), "Create a decision model report file, No Display Report Option");
  auto& options = PV::XML::PalvermontineAppOptsFile::instance()->options();
  options.get_rptAppOpts().set_displayReport(true);
  options.get_calcAppOpts().set_displaySolutionWindow(false);
  options.get_calcAppOpts().set_generateReportFile(true);
  w->applyAppOptions(true, 0, true);
  EXPECT_STREQ(help.lookup(CM_REPORT), "Create a decision model report file");
  EXPECT_STREQ(help.lookup(CM_BEST_CHOICE), "Calculate ranking and create PDF report, No Create Chart Option");
  EXPECT_TRUE(WMain::isDmFemale());
  EXPECT_EQ(WMain::getTestExitMode(), 0);
  EXPECT_EQ(w->toolbar()->findItem(CM_EXIT), nullptr);
  EXPECT_NE(w->toolbar()->findItem(CM_DECISION_MAKERS), nullptr);
  EXPECT_EQ(w->caption(), model.string() + " - Palvermontine");
  EXPECT_EQ(optionNotices, 1);
  w->applyAppOptions(false, 1, false);
  EXPECT_FALSE(WMain::isDmFemale());
  EXPECT_NE(w->toolbar()->findItem(CM_EXIT), nullptr);
  EXPECT_EQ(w->caption(), "shown.xpv - Palvermontine");
  EXPECT_EQ(optionNotices, 2);
  SendMessageA(w->client()->handle(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
}
// A guide that is not installed is told, never opened.
TEST_F(MainWindow, MissingGuideIsTold) {
  // The build writes the guides beside the program; this one is set aside for the test.
  char bin[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, bin, MAX_PATH);
  const fs::path guide = fs::path(bin).parent_path() / "pvquickstart.pdf";
  const fs::path aside = fs::path(bin).parent_path() / "pvquickstart.pdf.aside";
  std::error_code ignored;
  fs::rename(guide, aside, ignored);
  struct Restore {
    fs::path from, to;
    ~Restore() {
      std::error_code ec;
      if (fs::exists(from)) fs::rename(from, to, ec);
    }
  } restore{aside, guide};
  quietOptions();
  WMain* w = start();
  boxes_.expect("WARNING: File pvquickstart.pdf Not Found", IDOK);
  command(w, CM_QUICKSTART);
  ASSERT_EQ(boxes_.seen().size(), 1u);
  EXPECT_EQ(boxes_.seen()[0].text, "Palvermontine: Error loading the pvquickstart.pdf file");
}

// A model file that is gone where the program expects one (the start-up model of the
// recent list, a recent entry, a dropped file) is told with its name and the reason,
// and the program goes on with the model it has: at the start a new default model.
TEST_F(MainWindow, FilesThatAreGoneLeaveTheProgramWithAModel) {
  const fs::path gone = dir_ / "work" / "gone.xpv";
  std::ofstream(dir_ / "config" / "palvermontinerecentfiles_menu.txt", std::ios::binary)
      << gone.string() << "\n<Empty>\n<Empty>\n<Empty>\n";
  boxes_.expect("WARNING: Missing File Or Directory or File Corrupted", IDOK);
  WMain* w = start();  // the default options load recent entry 1 at the start
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(boxes_.seen().size(), 1u);
  EXPECT_NE(boxes_.seen()[0].text.find(gone.string() + ": "), std::string::npos) << boxes_.seen()[0].text;
  EXPECT_EQ(w->caption(), "DecisionModel - Palvermontine");
  EXPECT_EQ(w->statusTexts().name, "DecisionModel");

  boxes_.expect("WARNING: Missing File Or Directory or File Corrupted", IDOK);
  command(w, CM_RECENT_FIRST);
  boxes_.expect("WARNING: Missing File Or Directory or File Corrupted", IDOK);
  dropFile(w->handle(), gone.string());
  pump();
  ASSERT_EQ(boxes_.seen().size(), 3u);
  for (const Seen& seen : boxes_.seen()) EXPECT_NE(seen.text.find(gone.string()), std::string::npos) << seen.text;
  EXPECT_EQ(w->caption(), "DecisionModel - Palvermontine");
  EXPECT_EQ(w->modelFile(), "");
  EXPECT_EQ(PV::Data::Factory::instance()->currDataModel(0)->get_nm(), "DecisionModel");
}

// File names beyond ASCII in every file command of the main window: Save As under a
// Greek name into a folder of accented name, the recent list and its menu, Report
// and Print (the viewer is handed the name as it is), Open through the file form, a
// dropped file and a recent entry. Every file is on disk under exactly the name typed.
TEST_F(MainWindow, FileNamesBeyondAsciiInEveryFileCommand) {
  const std::string greek = "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1 \xCF\x80\xCE\xBB\xCE\xAC\xCE\xBD\xCE\xBF";
  const fs::path folder = dir_ / "work" /
                          u8("\xC3\x9C"
                             "bersicht \xC3\xA9t\xC3\xA9");
  fs::create_directories(folder);
  const fs::path log = dir_ / "viewer.log";
  registerFakeViewer(log);
  quietOptions();
  PV::XML::PalvermontineAppOptsFile::instance()->options().get_rptAppOpts().set_displayReport(true);
  WMain* w = start("-mkdm");

  const fs::path saved = folder / u8(greek + ".xpv");
  boxes_.expectFile("Save File As", (folder / u8(greek)).u8string());
  command(w, CM_SAVE_AS);
  ASSERT_TRUE(fs::exists(saved)) << "not on disk under the name typed";
  EXPECT_EQ(w->modelFile(), saved.u8string());
  EXPECT_EQ(readFile(dir_ / "config" / "palvermontinerecentfiles_menu.txt").rfind(saved.u8string() + "\n", 0), 0u);
  EXPECT_EQ(menuTextUtf8(w, CM_RECENT_FIRST), "&1 " + saved.u8string());

  command(w, CM_REPORT);
  const fs::path pdf = folder / u8(greek + ".pdf");
  EXPECT_TRUE(fs::exists(pdf));
  EXPECT_TRUE(logShows(log, "/open \"" + pdf.u8string() + "\"")) << readFile(log);
  command(w, CM_PRINT);
  EXPECT_TRUE(logShows(log, "/print \"" + pdf.u8string() + "\"")) << readFile(log);

  const fs::path accented = folder / u8("J\xC3\xB6rg \xC3\xA9t\xC3\xA9.xpv");
  const fs::path dropped = folder / u8(greek + " 2.xpv");
  fs::copy_file(saved, accented);
  fs::copy_file(saved, dropped);
  boxes_.expectFile("Open A Palvermontine Decision Model File", accented.u8string());
  command(w, CM_OPEN);
  EXPECT_EQ(w->modelFile(), accented.u8string());
  EXPECT_EQ(menuTextUtf8(w, CM_RECENT_FIRST + 1), "&2 " + saved.u8string());
  dropFileWide(w->handle(), dropped.wstring());
  pump();
  EXPECT_EQ(w->modelFile(), dropped.u8string());
  command(w, CM_RECENT_FIRST + 2);
  EXPECT_EQ(w->modelFile(), saved.u8string());
  unregisterFakeViewer();
}

// A model that was never saved: Report and Print write its report into the documents
// folder (where Save As proposes its file) under the model's name, and say where;
// the report's information holds the name as typed.
TEST_F(MainWindow, ReportOfAModelNeverSavedGoesToTheDocumentsFolder) {
  const fs::path log = dir_ / "viewer.log";
  registerFakeViewer(log);
  quietOptions();
  WMain* w = start();
  boxes_.expect("Create A New Decision Model", IDOK, {{116, "Lunch Venue \xC3\xA4"}});
  command(w, CM_NEW);
  ASSERT_EQ(PV::Data::Factory::instance()->currDataModel(0)->get_nm(), "Lunch Venue \xC3\xA4");
  const fs::path pdf = dir_ / "work" / u8("Lunch_Venue_\xC3\xA4.pdf");
  for (uint32_t id : {CM_REPORT, CM_PRINT}) {
    boxes_.clear();
    std::error_code ec;
    fs::remove(pdf, ec);
    boxes_.expect("Palvermontine", IDOK);
    command(w, id);
    ASSERT_TRUE(fs::exists(pdf)) << id;
    ASSERT_EQ(boxes_.seen().size(), 1u) << id;
    EXPECT_EQ(boxes_.seen()[0].utf8Text, "The report was written to " + pdf.u8string());
  }
  EXPECT_TRUE(logShows(log, "/print \"" + pdf.u8string() + "\"")) << readFile(log);
  // The subject "Decision model name:  Lunch Venue ä" in UTF-16 (byte order mark
  // first, each byte beyond printable ASCII as an octal escape).
  const std::string bytes = readFile(pdf);
  EXPECT_NE(bytes.find("/Subject (\\376\\377\\000D\\000e"), std::string::npos);
  EXPECT_NE(bytes.find("\\000u\\000e\\000 \\000\\344)"), std::string::npos);
  unregisterFakeViewer();
}

// A rename in Model Properties shows in the caption of a model without a file; a
// model with a file keeps the file's name there.
TEST_F(MainWindow, CaptionFollowsARenameInModelProperties) {
  quietOptions();
  WMain* w = start();
  boxes_.expect("Create A New Decision Model", IDOK, {{116, "Cars"}});
  command(w, CM_NEW);
  EXPECT_EQ(windowText(w->handle()), "New Model: Cars - Palvermontine");
  boxes_.expect("Model Properties", IDOK, {{116, "Trucks"}});
  command(w, CM_PROPERTIES);
  EXPECT_EQ(w->caption(), "New Model: Trucks - Palvermontine");
  EXPECT_EQ(windowText(w->handle()), "New Model: Trucks - Palvermontine");
  EXPECT_EQ(w->statusTexts().name, "Trucks");

  const fs::path file = dir_ / "work" / "trucks.xpv";
  boxes_.expectFile("Save File As", file.string());
  command(w, CM_SAVE_AS);
  boxes_.expect("Model Properties", IDOK, {{116, "Vans"}});
  command(w, CM_PROPERTIES);
  EXPECT_EQ(windowText(w->handle()), file.string() + " - Palvermontine");
}

// An edit that reconciled the pairs and could not write their log (a folder holds
// its name here) is told in the main window when it shows the edited model, once.
TEST_F(MainWindow, AReconcileLogThatCannotBeWrittenIsTold) {
  quietOptions();
  WMain* w = start("-mkdm");
  auto* factory = PV::Data::Factory::instance();
  auto* model = factory->currDataModel(0);
  const std::string log = PV::Data::reconcileLogFileName(model->get_nm());
  fs::create_directory(dir_ / "work" / log);
  auto choices = model->get_chs();
  choices.pop_back();
  ASSERT_TRUE(factory->getMathServer(0)->setChoices(choices));  // as a choices editor stores
  boxes_.expect("Palvermontine", IDOK);
  w->updateStatusBar();
  pump();
  w->updateStatusBar();
  pump();
  ASSERT_EQ(boxes_.seen().size(), 1u);
  EXPECT_EQ(boxes_.seen()[0].text.rfind("The reconcile report " + log + " could not be opened", 0), 0u)
      << boxes_.seen()[0].text;
}

// The menu item and the toolbar button of a command follow its rule together, each time
// the state changes: the active child's commands with the active child, Clear
// Comparisons with the scores' lock; a command a grayed rule holds does not run.
TEST_F(MainWindow, CommandsFollowTheStateAndTheActiveChild) {
  quietOptions();
  WMain* w = start("-mkdm");
  zToolbar* bar = w->toolbar();
  auto enabled = [&](uint32_t id) { return !(menuState(w, id) & MF_GRAYED); };
  for (uint32_t id : {CM_CUT, CM_COPY, CM_PASTE}) {
    EXPECT_FALSE(enabled(id)) << id << ": no child window takes it";
    EXPECT_FALSE(bar->isItemEnabled(static_cast<int32_t>(id))) << id;
  }

  auto* child = new ClipboardChild(w);
  child->show(SW_SHOWNORMAL);
  pump();
  EXPECT_TRUE(enabled(CM_CUT));
  EXPECT_TRUE(bar->isItemEnabled(CM_CUT));
  EXPECT_TRUE(enabled(CM_PASTE));
  EXPECT_FALSE(enabled(CM_COPY)) << "the child has nothing selected";
  EXPECT_FALSE(bar->isItemEnabled(CM_COPY));
  command(w, CM_CUT);
  command(w, CM_COPY);
  command(w, CM_PASTE);
  EXPECT_EQ(child->done, (std::vector<uint32_t>{CM_CUT, CM_PASTE}));
  // The child's own state changes: the window asks for the update pass.
  child->hasSelection = true;
  w->updateCommands();
  EXPECT_TRUE(enabled(CM_COPY));
  EXPECT_TRUE(bar->isItemEnabled(CM_COPY));

  delete child;
  pump();
  EXPECT_FALSE(enabled(CM_CUT)) << "the child that took it is gone";
  EXPECT_FALSE(bar->isItemEnabled(CM_CUT));

  EXPECT_TRUE(enabled(CM_CLEAR_COMPARISONS)) << "the demonstration model holds scores";
  w->setModelDefEditLock(false);
  EXPECT_FALSE(enabled(CM_CLEAR_COMPARISONS));
  w->setModelDefEditLock(true);
  EXPECT_TRUE(enabled(CM_CLEAR_COMPARISONS));
}

// The toolbar's buttons stand in their slots: groups of buttons 23 pixels apart.
TEST_F(MainWindow, ToolbarButtonsStandInTheirSlots) {
  quietOptions();
  WMain* w = start("-mkdm");
  const struct {
    uint32_t id;
    int x;
  } slots[] = {{CM_NEW, 6},           {CM_OPEN, 29},     {CM_PRINT, 75},     {CM_CUT, 107},
               {CM_PASTE, 153},       {CM_CHOICES, 195}, {CM_CRITERIA, 241}, {CM_COMPARE, 280},
               {CM_BEST_CHOICE, 303}, {CM_REPORT, 326},  {CM_CONTENTS, 364}, {CM_EXIT, 403}};
  for (const auto& slot : slots) {
    zWindow* button = w->toolbar()->findItem(static_cast<int32_t>(slot.id));
    ASSERT_NE(button, nullptr) << slot.id;
    RECT r = {};
    GetWindowRect(button->handle(), &r);
    MapWindowPoints(nullptr, w->toolbar()->handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, slot.x) << slot.id;
    EXPECT_EQ(r.top, 3) << slot.id;
  }
}

}  // namespace
