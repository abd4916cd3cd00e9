// The shell's portable services: the configuration folder, the program's about
// information and the texts the report prints of it, the operating system's names.
#include "app/services/AboutInfo.h"
#include "app/services/AppFolders.h"
#include "app/services/BoxText.h"
#include "app/services/SystemInfo.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

void setEnv(const char* name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name, value.c_str());
#else
  setenv(name, value.c_str(), 1);
#endif
}

// A box's text flows within its paragraphs: a break that cuts a sentence becomes a
// blank, one before a new sentence, a blank line or a list line stays.
TEST(BoxText, LinesOfASentenceFlowAndParagraphsStay) {
  struct Case {
    const char* text;
    const char* flowed;
  } cases[] = {
      {"pairs that have \nbeen generated", "pairs that have been generated"},
      {"components\n(add, delete)", "components (add, delete)"},
      {"pairs. \n\nIf you", "pairs. \n\nIf you"},
      {"the last time\nit was saved.\nAre you sure?", "the last time it was saved.\nAre you sure?"},
      {"Ch:10\nCr:7", "Ch:10\nCr:7"},
      {"\nabc", "\nabc"},
      {"a.pdf: no viewer\n Creating but not displaying PDF Report",
       "a.pdf: no viewer\n Creating but not displaying PDF Report"},
      {"", ""},
      // A path on its own line stays there, lowercase or not.
      {"could not be opened\nc:\\models\\plan.xpv", "could not be opened\nc:\\models\\plan.xpv"},
      {"is missing\n/home/ann/plan.xpv is gone", "is missing\n/home/ann/plan.xpv is gone"},
      {"The report is in:\nreports here", "The report is in:\nreports here"},
      {"see the folder\nplans and/or notes", "see the folder plans and/or notes"},
  };
  for (const Case& c : cases) EXPECT_EQ(PV::Util::flowedBoxText(c.text), c.flowed) << c.text;
}

TEST(ConfigFolder, EnvironmentOverrideIsCreated) {
  const std::filesystem::path dir = std::filesystem::current_path() / "pv_services_config_test" / "a" / "b";
  std::filesystem::remove_all(std::filesystem::current_path() / "pv_services_config_test");
  setEnv(PV::App::CONFIG_DIR_ENV, dir.string());
  EXPECT_EQ(PV::App::getConfigDirPath(), dir.string());
  EXPECT_TRUE(std::filesystem::is_directory(dir));
  const std::string file = PV::App::configFilePath("palvermontineappoptions.xml");
  EXPECT_EQ(std::filesystem::path(file).parent_path(), dir);
  EXPECT_EQ(std::filesystem::path(file).filename().string(), "palvermontineappoptions.xml");
  // A final separator is dropped.
  setEnv(PV::App::CONFIG_DIR_ENV, dir.string() + "/");
  EXPECT_EQ(PV::App::getConfigDirPath(), dir.string());
  std::filesystem::remove_all(std::filesystem::current_path() / "pv_services_config_test");
  setEnv(PV::App::CONFIG_DIR_ENV, "");
}

// The build's date ("Dec 11 2026") and time ("07:35:24") are the compiler's: a real
// month, a day of it, a year no older than this code, and a time of day.
void expectBuildDateAndTime(const PV::Util::PalvermontineAboutInfo& about) {
  const std::string date = about.get_buildDate();
  ASSERT_EQ(date.size(), 11u) << date;
  const std::string months = "JanFebMarAprMayJunJulAugSepOctNovDec";
  const size_t month = months.find(date.substr(0, 3));
  EXPECT_TRUE(month != std::string::npos && month % 3 == 0) << date;
  const int day = std::atoi(date.substr(4, 2).c_str());
  EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(date[4])) && day >= 1 && day <= 31) << date;
  EXPECT_GE(std::atoi(date.substr(7).c_str()), 2026) << date;
  EXPECT_EQ(about.get_buildYear(), date.substr(7));
  const std::string time = about.get_buildTime();
  ASSERT_EQ(time.size(), 8u) << time;
  EXPECT_TRUE(time[2] == ':' && time[5] == ':' && std::atoi(time.c_str()) < 24) << time;
}

TEST(About, IdentityAndUserName) {
  PV::Util::PalvermontineAboutInfo* about = PV::Util::PalvermontineAboutInfo::instance();
  EXPECT_EQ(about->get_version(), "4.1");
  expectBuildDateAndTime(*about);
  EXPECT_FALSE(about->get_userName().empty());
  about->set_userName("ann");
  EXPECT_EQ(PV::Util::PalvermontineAboutInfo::instance()->get_userName(), "ann");
  PV::Util::PalvermontineAboutInfo::destroy();
  EXPECT_EQ(PV::Util::PalvermontineAboutInfo::count(), 0);
}

// An account name with letters beyond ASCII reaches the report's texts as UTF-8, the
// program's own text, whatever the screen's code page.
TEST(About, AnAccentedAccountNameIsTakenAsUtf8) {
#ifdef _WIN32
  // The name Wine gives for the account; on Windows the test is left out.
  if (!GetEnvironmentVariableW(L"WINEUSERNAME", nullptr, 0)) GTEST_SKIP() << "not under Wine";
  SetEnvironmentVariableW(L"WINEUSERNAME", L"Zo\u00EB");
#else
  setEnv("USER", "Zo\xC3\xAB");
#endif
  EXPECT_EQ(PV::Util::logonUserName(), "Zo\xC3\xAB");
  PV::Util::PalvermontineAboutInfo* info = PV::Util::PalvermontineAboutInfo::instance();
  EXPECT_EQ(PV::Util::aboutTextsFrom(*info).userName, "Zo\xC3\xAB");
  PV::Util::PalvermontineAboutInfo::destroy();
}

TEST(About, OsNameTable) {
  EXPECT_EQ(PV::Util::osNameFor(2, 6, 1), "Windows 7");
  EXPECT_EQ(PV::Util::osNameFor(2, 5, 1), "Microsoft Windows XP");
  EXPECT_EQ(PV::Util::osNameFor(2, 4, 0), "Microsoft Windows NT");
  EXPECT_EQ(PV::Util::osNameFor(2, 10, 0), "Unknown");
  EXPECT_EQ(PV::Util::osNameFor(1, 4, 90), "Microsoft Windows Millennium Edition");
  EXPECT_EQ(PV::Util::osNameFor(1, 5, 0), "");
  EXPECT_EQ(PV::Util::osNameFor(0, 3, 1), "Microsoft Win32s");
}

TEST(About, ReportTextsComeFromTheAboutInformation) {
  PV::Util::PalvermontineAboutInfo* info = PV::Util::PalvermontineAboutInfo::instance();
  info->set_userName("Report Reader");
  const PV::Report::AboutTexts texts = PV::Util::aboutTextsFrom(*info);
  EXPECT_EQ(texts.userName, "Report Reader");
  EXPECT_EQ(texts.version, "4.1");
  EXPECT_EQ(texts.buildDate, info->get_buildDate());
  EXPECT_EQ(texts.buildTime, info->get_buildTime());
  EXPECT_EQ(texts.copyright, "All rights reserved.");
  EXPECT_EQ(texts.publisher, info->get_publisher());
  EXPECT_EQ(texts.description, info->get_description());
  EXPECT_EQ(texts.webAddress, info->get_webAddress());
  PV::Util::PalvermontineAboutInfo::destroy();
}

}  // namespace
