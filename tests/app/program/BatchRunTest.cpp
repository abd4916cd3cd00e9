#include "app/program/BatchRun.h"
#include "app/program/MRUPersistentList.h"

#include "math/MathServer.h"
#include "factory/Factory.h"
#include "factory/ReconcileLog.h"
#include "foundation/FLErrors.h"
#include "model/RankSolutionData.h"
#include "xml/PalvermontineAppOptsFile.h"
#include "xml/PalvermontineMdlOptsFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace PV {
namespace App {
namespace {

namespace fs = std::filesystem;

struct RecordingUi : BatchUi {
  struct Told {
    Kind kind;
    std::string caption;
    std::string text;
  };
  std::vector<Told> told;
  std::vector<std::string> lines;
  void tell(Kind kind, const std::string& caption, const std::string& text) override {
    if (failNextTell) {
      failNextTell = false;
      throw FLInternalErr("[TEST] the box could not be shown");
    }
    told.push_back({kind, caption, text});
  }
  bool failNextTell = false;
  void where(const std::string& line) override { lines.push_back(line); }
  std::string all() const {
    std::string s;
    for (const auto& t : told) s += t.caption + ": " + t.text + "\n";
    return s;
  }
};

std::vector<std::pair<uint16_t, std::string>> rankingOf(Data::DecisionModel* model) {
  Data::RankSolutionData ranking(model->get_slns(), model->get_chs());
  std::vector<std::pair<uint16_t, std::string>> rows;
  for (const auto& row : ranking.rows) {
    char pct[16];
    std::snprintf(pct, sizeof pct, "%.1f", row.pctRank);
    rows.emplace_back(row.row, pct);
  }
  return rows;
}

class BatchRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / (std::string("pv-batch-") + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    previous_ = fs::current_path();
    fs::current_path(dir_);
    appOpts_ = std::make_unique<XML::PalvermontineAppOptsFile>((dir_ / "app.xml").string());
    mdlOpts_ = std::make_unique<XML::PalvermontineMdlOptsFile>((dir_ / "mdl.xml").string());
    env_.appOpts = &appOpts_->options();
    env_.mdlOpts = &mdlOpts_->options();
    env_.recentFilesPath = (dir_ / GUI::RECENT_FILES_FILE).string();
    env_.documentsFolder = dir_.string();
    env_.ui = &ui_;
  }
  void TearDown() override {
    fs::current_path(previous_);
    Data::Factory::destroy();
    appOpts_.reset();
    mdlOpts_.reset();
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  int32_t runBatch(const std::string& commandLine, BatchRun** keep = nullptr) {
    options_ = std::make_unique<Util::PalvermontineOptions>(commandLine.c_str());
    run_ = std::make_unique<BatchRun>(*options_, env_);
    if (options_->isMkdm()) run_->makeDemoModel();
    const int32_t code = run_->run();
    if (keep) *keep = run_.get();
    return code;
  }

  void writeRecent(const std::string& first) {
    std::ofstream out(env_.recentFilesPath, std::ios::binary);
    out << first << "\n<Empty>\n<Empty>\n<Empty>\n";
  }

  // Saves the demonstration model (solved) as name and returns its ranking.
  std::vector<std::pair<uint16_t, std::string>> saveDemo(const std::string& name) {
    EXPECT_EQ(runBatch("-mkdm -console -output " + name), BATCH_OK) << ui_.all();
    auto rows = rankingOf(Data::Factory::instance()->currDataModel(0));
    Data::Factory::destroy();
    ui_ = RecordingUi();
    return rows;
  }

  fs::path dir_;
  fs::path previous_;
  std::unique_ptr<XML::PalvermontineAppOptsFile> appOpts_;
  std::unique_ptr<XML::PalvermontineMdlOptsFile> mdlOpts_;
  RecordingUi ui_;
  BatchEnvironment env_;
  std::unique_ptr<Util::PalvermontineOptions> options_;
  std::unique_ptr<BatchRun> run_;
};

// An error no step expected (here a foundation error from the user interface) stops
// the run with its own code after its text was told; nothing unwinds past the run.
TEST_F(BatchRunTest, AnUnexpectedErrorStopsTheRunWithItsOwnCode) {
  ui_.failNextTell = true;
  EXPECT_EQ(runBatch("-console -input missing-model"), BATCH_INTERNAL_ERROR);
  ASSERT_EQ(ui_.told.size(), 1u) << ui_.all();
  EXPECT_EQ(ui_.told[0].kind, BatchUi::TELL_ERROR);
  EXPECT_NE(ui_.told[0].text.find("[TEST] the box could not be shown"), std::string::npos) << ui_.all();
  // A GUI run still has a model to show.
  ui_ = RecordingUi();
  ui_.failNextTell = true;
  EXPECT_EQ(runBatch("-input missing-model"), BATCH_INTERNAL_ERROR);
  EXPECT_TRUE(Data::Factory::instance()->hasModel());
}

// The README's job: the demonstration model solved, saved under a name without the
// extension (which is appended) and reported under the -pdf name exactly.
TEST_F(BatchRunTest, DemoModelSolvedSavedAndReported) {
  ASSERT_EQ(runBatch("-mkdm -console -solve -output demo -pdf demo.pdf"), BATCH_OK) << ui_.all();
  EXPECT_TRUE(ui_.told.empty()) << ui_.all();
  const auto expected = rankingOf(Data::Factory::instance()->currDataModel(0));
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(expected.front().second, "100.0");
  ASSERT_TRUE(fs::exists(dir_ / "demo.xpv"));
  ASSERT_TRUE(fs::exists(dir_ / "demo.pdf"));  // no time stamp although the options ask one
  ASSERT_EQ(ui_.lines.size(), 2u);
  EXPECT_EQ(ui_.lines[0], "Model: " + (dir_ / "demo.xpv").string());
  EXPECT_EQ(ui_.lines[1], "Report: " + (dir_ / "demo.pdf").string());

  // The saved model reopens and solves to the same ranking.
  Data::Factory::destroy();
  auto* factory = Data::Factory::instance();
  auto* model = factory->load((dir_ / "demo.xpv").string(), false);
  ASSERT_NE(model, nullptr);
  Data::RankSolutionData ranking;
  ASSERT_EQ(factory->getMathServer(0)->solve(&ranking, nullptr), 3u);
  EXPECT_EQ(rankingOf(model), expected);
}

TEST_F(BatchRunTest, ConsoleFailuresEndWithTheirOwnCode) {
  {
    std::ofstream bad(dir_ / "broken.xpv", std::ios::binary);
    bad << "<?xml version=\"1.0\"?>\r\n<nothing/>\r\n";
  }
  const struct {
    const char* commandLine;
    int32_t code;
    const char* told;  // a part of what the user is told
  } cases[] = {
      {"-console -input missing.xpv -solve", BATCH_LOAD_FAILED, "missing.xpv"},
      {"-console -input broken -solve", BATCH_LOAD_FAILED, "broken.xpv"},
      {"-console -solve", BATCH_SOLVE_FAILED, "The Model Is Not Solvable!"},
      {"-mkdm -console -output no-such-folder/x.xpv", BATCH_SAVE_FAILED, "x.xpv"},
      {"-mkdm -console -pdf no-such-folder/x.pdf", BATCH_REPORT_FAILED, "is Locked by another"},
  };
  for (const auto& c : cases) {
    ui_ = RecordingUi();
    EXPECT_EQ(runBatch(c.commandLine), c.code) << c.commandLine;
    EXPECT_NE(ui_.all().find(c.told), std::string::npos) << c.commandLine << "\n" << ui_.all();
    Data::Factory::destroy();
  }
}

// An option that takes a file name and got none (an empty or unset script variable)
// ends a console run with its step's code before anything is loaded or written: the
// model under the -output name stays as it was, and no report appears.
TEST_F(BatchRunTest, AnOptionWithoutItsFileNameWritesNothing) {
  saveDemo("important.xpv");
  const fs::path important = dir_ / "important.xpv";
  const auto before = fs::file_size(important);
  const auto stamp = fs::last_write_time(important);
  const struct {
    const char* commandLine;
    int32_t code;
    const char* told;
  } cases[] = {
      {"-console -input \"\" -output important.xpv", BATCH_LOAD_FAILED, "-input needs a file name"},
      {"-console -output important.xpv -solve -input", BATCH_LOAD_FAILED, "-input needs a file name"},
      {"-input -console -output important.xpv", BATCH_LOAD_FAILED, "-input needs a file name"},
      {"-mkdm -console -output", BATCH_SAVE_FAILED, "-output needs a file name"},
      {"-mkdm -console -pdf", BATCH_REPORT_FAILED, "-pdf needs a file name"},
      {"-mkdm -console -output important.xpv -pdf \"\"", BATCH_REPORT_FAILED, "-pdf needs a file name"},
  };
  for (const auto& c : cases) {
    ui_ = RecordingUi();
    EXPECT_EQ(runBatch(c.commandLine), c.code) << c.commandLine;
    ASSERT_EQ(ui_.told.size(), 1u) << c.commandLine << "\n" << ui_.all();
    EXPECT_EQ(ui_.told[0].text, c.told) << c.commandLine;
    EXPECT_TRUE(ui_.lines.empty()) << c.commandLine;
    Data::Factory::destroy();
  }
  EXPECT_EQ(fs::file_size(important), before);
  EXPECT_EQ(fs::last_write_time(important), stamp);
  for (const auto& entry : fs::directory_iterator(dir_)) EXPECT_NE(entry.path().extension(), ".pdf") << entry.path();
}

// A word the program does not understand (a mistyped option, a second file name) is
// named, and the run goes on as before with its own exit code.
TEST_F(BatchRunTest, WordsNotUnderstoodAreTold) {
  ASSERT_EQ(runBatch("-mkdm -console -solve -ouput a.xpv"), BATCH_OK) << ui_.all();
  ASSERT_EQ(ui_.told.size(), 1u) << ui_.all();
  EXPECT_EQ(ui_.told[0].kind, BatchUi::TELL_WARNING);
  EXPECT_EQ(ui_.told[0].text, "Not understood on the command line, and ignored: \"-ouput\", \"a.xpv\"");
  EXPECT_FALSE(fs::exists(dir_ / "a.xpv"));
  Data::Factory::destroy();
  ui_ = RecordingUi();
  EXPECT_EQ(runBatch("-console -input missing.xpv -Solve"), BATCH_LOAD_FAILED);
  ASSERT_EQ(ui_.told.size(), 2u) << ui_.all();
  EXPECT_NE(ui_.told[0].text.find("\"-Solve\""), std::string::npos) << ui_.all();
}

// Two model files, the leading name and -input's, in either order: the one -input names
// is opened and the other is named as ignored; -input alone tells nothing.
TEST_F(BatchRunTest, ALeadingFileBesideInputIsToldAsIgnored) {
  saveDemo("first.xpv");
  saveDemo("second.xpv");
  const std::string told =
      "Two model files on the command line: \"first.xpv\" is ignored, the model is the one -input names";
  const struct {
    const char* commandLine;
    const char* told;
  } cases[] = {
      {"first.xpv -console -input second.xpv", told.c_str()},
      {"first.xpv -input second.xpv -console", told.c_str()},
      {"-console -input second.xpv", nullptr},
  };
  for (const auto& c : cases) {
    ui_ = RecordingUi();
    BatchRun* run = nullptr;
    EXPECT_EQ(runBatch(c.commandLine, &run), BATCH_OK) << c.commandLine << "\n" << ui_.all();
    EXPECT_EQ(run->modelFile(), (dir_ / "second.xpv").string()) << c.commandLine;
    if (c.told) {
      ASSERT_EQ(ui_.told.size(), 1u) << c.commandLine << "\n" << ui_.all();
      EXPECT_EQ(ui_.told[0].kind, BatchUi::TELL_WARNING);
      EXPECT_EQ(ui_.told[0].text, c.told);
    } else {
      EXPECT_TRUE(ui_.told.empty()) << c.commandLine << "\n" << ui_.all();
    }
    Data::Factory::destroy();
  }
}

// A model file named after an option in a console run is refused with the load's
// code: the run does not go on with the start-up model (here the recent file) in its
// stead. With a model of its own (-input, -mkdm) the word is only told, as any other.
TEST_F(BatchRunTest, AModelFileOutOfItsPlaceIsNotReplacedByTheStartupModel) {
  saveDemo("recent.xpv");
  saveDemo("meant.xpv");
  writeRecent((dir_ / "recent.xpv").string());
  const struct {
    const char* commandLine;
    int32_t code;
    const char* told;
  } cases[] = {
      {"-console meant.xpv -solve -pdf r.pdf", BATCH_LOAD_FAILED,
       "meant.xpv was not opened: a model file is named first on the command line or after -input"},
      {"-console -solve MEANT.XPV", BATCH_LOAD_FAILED,
       "MEANT.XPV was not opened: a model file is named first on the command line or after -input"},
      {"-console -input recent.xpv meant.xpv", BATCH_OK, nullptr},
      {"-mkdm -console meant.xpv", BATCH_OK, nullptr},
      {"-console notes.txt", BATCH_OK, nullptr},
  };
  for (const auto& c : cases) {
    ui_ = RecordingUi();
    EXPECT_EQ(runBatch(c.commandLine), c.code) << c.commandLine << "\n" << ui_.all();
    if (c.told) {
      ASSERT_EQ(ui_.told.size(), 2u) << c.commandLine << "\n" << ui_.all();
      EXPECT_EQ(ui_.told[1].kind, BatchUi::TELL_ERROR);
      EXPECT_EQ(ui_.told[1].text, c.told);
    }
    Data::Factory::destroy();
  }
  EXPECT_FALSE(fs::exists(dir_ / "r.pdf"));
}

// With no input the start-up rule reads the recent-files list itself (a batch run
// has no menu), refuses names that are not model files, and never replaces the
// demonstration model.
TEST_F(BatchRunTest, StartupRuleInConsoleMode) {
  const auto saved = saveDemo("first.xpv");
  const std::string first = (dir_ / "first.xpv").string();

  writeRecent(first);
  BatchRun* run = nullptr;
  ASSERT_EQ(runBatch("-console -solve", &run), BATCH_OK) << ui_.all();
  EXPECT_EQ(run->modelFile(), first);
  EXPECT_EQ(rankingOf(Data::Factory::instance()->currDataModel(0)), saved);
  Data::Factory::destroy();

  // -mkdm keeps the demonstration model although the list names a model.
  ASSERT_EQ(runBatch("-mkdm -console", &run), BATCH_OK);
  EXPECT_TRUE(run->modelFile().empty());
  EXPECT_EQ(run->caption(), "mkdm: Make Data Model Internal Demo - Palvermontine");
  Data::Factory::destroy();

  // A first entry that is not a model file loads nothing: a new default model.
  writeRecent((dir_ / "notes.txt").string());
  ui_ = RecordingUi();
  ASSERT_EQ(runBatch("-console", &run), BATCH_OK);
  EXPECT_EQ(Data::Factory::instance()->currDataModel(0)->get_nm(), "DecisionModel");
  EXPECT_EQ(run->caption(), "DecisionModel - Palvermontine");
  EXPECT_NE(ui_.all().find("not found or corrupt"), std::string::npos);
  Data::Factory::destroy();

  // The list file is only read: without one, none is created.
  fs::remove(env_.recentFilesPath);
  ASSERT_EQ(runBatch("-console", &run), BATCH_OK);
  EXPECT_FALSE(fs::exists(env_.recentFilesPath));
}

TEST_F(BatchRunTest, InputNameInAnyCaseOrWithoutExtension) {
  saveDemo("m.xpv");
  fs::rename(dir_ / "m.xpv", dir_ / "Upper.XPV");
  BatchRun* run = nullptr;
  EXPECT_EQ(runBatch("-console -input Upper.XPV -solve", &run), BATCH_OK) << ui_.all();
  EXPECT_EQ(run->modelFile(), (dir_ / "Upper.XPV").string());
  Data::Factory::destroy();
  saveDemo("plain.xpv");
  EXPECT_EQ(runBatch("plain -console", &run), BATCH_OK) << ui_.all();
  EXPECT_EQ(run->modelFile(), (dir_ / "plain.xpv").string());
}

// The report marks of the command line override the options for the run.
TEST_F(BatchRunTest, ReportMarksAndNames) {
  appOpts_->options().get_rptAppOpts().set_includeScores(true);
  ASSERT_EQ(runBatch("-mkdm -console -pdf with.pdf"), BATCH_OK) << ui_.all();
  Data::Factory::destroy();
  ASSERT_EQ(runBatch("-mkdm -console -pdf_suppress_scores -pdf without.pdf"), BATCH_OK);
  Data::Factory::destroy();
  EXPECT_GT(fs::file_size(dir_ / "with.pdf"), fs::file_size(dir_ / "without.pdf"));

  BatchRun* run = nullptr;
  ASSERT_EQ(runBatch("-mkdm -console -pdf_append_timestamp -pdf stamped.pdf", &run), BATCH_OK);
  const std::string stamped = fs::path(run->reportFile()).filename().string();
  EXPECT_EQ(stamped.rfind("stamped_", 0), 0u) << stamped;
  EXPECT_TRUE(fs::exists(run->reportFile()));
  Data::Factory::destroy();

  // Without -pdf the report goes beside the saved model, named after it, with the
  // time stamp the options ask for.
  ASSERT_EQ(runBatch("-mkdm -console -output named.xpv -launch_pdf", &run), BATCH_OK) << ui_.all();
  EXPECT_EQ(fs::path(run->reportFile()).parent_path(), dir_);
  EXPECT_EQ(fs::path(run->reportFile()).filename().string().rfind("named_", 0), 0u);
}

TEST_F(BatchRunTest, HelpLogHoldsUsageAndNote) {
  std::string path;
  ASSERT_TRUE(BatchRun::writeHelpLog(dir_.string(), &path));
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(),
            std::string(Util::PalvermontineOptions::usageText()) + "\nbeta options exist, remove post beta\n");
  EXPECT_FALSE(BatchRun::writeHelpLog((dir_ / "no" / "such").string()));
}

// A reconcile whose log cannot be written (here a folder holds its name) is told to
// the user once, as a warning with the reason: standard error in a console run.
TEST_F(BatchRunTest, AReconcileLogThatCannotBeWrittenIsToldOnce) {
  BatchRun* run = nullptr;
  ASSERT_EQ(runBatch("-mkdm -console", &run), BATCH_OK) << ui_.all();
  auto* factory = Data::Factory::instance();
  auto* model = factory->currDataModel(0);
  const std::string log = Data::reconcileLogFileName(model->get_nm());
  fs::create_directory(dir_ / log);
  auto choices = model->get_chs();
  choices.pop_back();
  ASSERT_TRUE(factory->getMathServer(0)->setChoices(choices));
  ASSERT_FALSE(factory->getMathServer(0)->getLogError().empty());
  run->tellLogError();
  run->tellLogError();
  ASSERT_EQ(ui_.told.size(), 1u) << ui_.all();
  EXPECT_EQ(ui_.told[0].kind, BatchUi::TELL_WARNING);
  EXPECT_EQ(ui_.told[0].text.rfind("The reconcile report " + log + " could not be opened", 0), 0u) << ui_.all();
}

TEST(RecentFiles, ListFileRules) {
  const fs::path file = fs::temp_directory_path() / "pv-recent-test.txt";
  fs::remove(file);
  auto read = [&] {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  };
  {
    GUI::MRUPersistentList list(file.string(), 4);
    EXPECT_EQ(read(), "<Empty>\n<Empty>\n<Empty>\n<Empty>\n");
    EXPECT_TRUE(list.add("a.xpv"));
    EXPECT_TRUE(list.add("b.xpv"));
    EXPECT_TRUE(list.add("c.xpv"));
    EXPECT_FALSE(list.add("c.xpv"));
    EXPECT_TRUE(list.add("a.xpv"));  // third moves to the front, nothing dropped
    EXPECT_EQ(read(), "a.xpv\nc.xpv\nb.xpv\n<Empty>\n");
    EXPECT_TRUE(list.add("d.xpv"));
    EXPECT_TRUE(list.add("e.xpv"));  // a full list drops its last entry
    EXPECT_EQ(read(), "e.xpv\nd.xpv\na.xpv\nc.xpv\n");
  }
  {
    std::ofstream out(file, std::ios::binary);
    // Names beyond ASCII are kept (UTF-8, or the ANSI code page of an older list);
    // a line with a control character is no path and ends the list.
    out << "\xc3\x9c"
           "bersicht \xc3\xa9t\xc3\xa9.xpv\nt\xe9o.xpv\nthr\x01"
           "ee.xpv\nfour.xpv\n";
  }
  GUI::MRUPersistentList list(file.string(), 4);
  EXPECT_EQ(list.get(0),
            "\xc3\x9c"
            "bersicht \xc3\xa9t\xc3\xa9.xpv");
  EXPECT_EQ(list.get(1), "t\xe9o.xpv");
  EXPECT_TRUE(list.isEmpty(2));
  EXPECT_TRUE(list.isEmpty(3));
  fs::remove(file);
}

TEST(RecentFiles, LongPathsAreReadBackWhole) {
  // A path of Greek letters takes two bytes of UTF-8 a letter: a folder a Windows path
  // may hold is longer than 260 bytes, and the list must give it back as it was
  // written, followed by the entries after it.
  const fs::path file = fs::temp_directory_path() / "pv-recent-long-test.txt";
  fs::remove(file);
  std::string greek;
  for (int i = 0; i < 90; ++i) greek += "\xce\xb1\xce\xb2";  // 180 letters
  const std::string paths[] = {"C:\\" + greek + "\\m.xpv", "C:\\" + std::string(259, 'a') + ".xpv",
                               "C:\\short.xpv"};
  {
    GUI::MRUPersistentList list(file.string(), 4);
    for (auto it = std::rbegin(paths); it != std::rend(paths); ++it) EXPECT_TRUE(list.add(*it));
  }
  GUI::MRUPersistentList list(file.string(), 4);
  for (uint32_t i = 0; i < 3; ++i) EXPECT_EQ(list.get(i), paths[i]) << i;
  EXPECT_TRUE(list.isEmpty(3));
  fs::remove(file);
}

}  // namespace
}  // namespace App
}  // namespace PV
