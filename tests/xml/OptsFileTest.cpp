// The two options files: created with their defaults when missing, read back at
// the next start, and a damaged file set aside and replaced by the defaults without
// stopping the program. Each test points the configuration folder at a folder of
// its own.
#include "ModelFixture.h"
#include "SmallDisk.h"

#include "xml/PalvermontineAppOptsFile.h"
#include "xml/PalvermontineMdlOptsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

using namespace PV;
using PV::XML::PalvermontineAppOptsFile;
using PV::XML::PalvermontineMdlOptsFile;
namespace fs = std::filesystem;

void setConfigDir(const std::string& dir, const std::string& user = "Unnamed") { XML::setOptionsHome({dir, user}); }

std::string configFolder(const std::string& name) {
  const std::string dir = Fixture::freshFolder("config_" + name);
  setConfigDir(dir);
  return dir;
}

std::string attr(const std::string& text, const std::string& name) {
  const std::string key = " " + name + "=\"";
  std::size_t at = text.find(key);
  if (at == std::string::npos) return "<absent>";
  at += key.size();
  return text.substr(at, text.find('"', at) - at);
}

TEST(ModelOptionsFile, AMissingFileIsCreatedWithTheDefaultsAndReadAtTheNextStart) {
  configFolder("mdl_missing");
  const std::string path = PalvermontineMdlOptsFile::configFilePath();
  ASSERT_FALSE(fs::exists(path));
  Data::PalvermontineMdlOpts first;
  {
    PalvermontineMdlOptsFile f;
    EXPECT_TRUE(f.problem().empty()) << f.problem();
    first = f.options();
  }
  const std::string text = Fixture::fileBytes(path);
  EXPECT_EQ(attr(text, "appver"), "1.0");
  EXPECT_EQ(attr(text, "owner"), "Unknown");
  EXPECT_EQ(attr(text, "sil"), "3");
  EXPECT_EQ(attr(text, "cfl"), "90.0");
  EXPECT_EQ(attr(text, "cfi"), "10.0");
  EXPECT_EQ(attr(text, "crtime").size(), 19u);
  EXPECT_EQ(attr(text, "crtime"), attr(text, "modtime"));
  EXPECT_NE(text.find("<palvermontineMdlOpts xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                      "xsi:noNamespaceSchemaLocation=\"palvermontineMdlOpts.xsd\" crtime="),
            std::string::npos)
      << text;

  PalvermontineMdlOptsFile again;
  EXPECT_TRUE(again.problem().empty());
  EXPECT_EQ(again.options().get_crtime(), first.get_crtime());
  EXPECT_EQ(again.options().get_parmMdlOpts().get_sil(), 3);
  EXPECT_EQ(again.options().get_parmMdlOpts().get_cfl(), 90.0);
  EXPECT_EQ(again.options().get_parmMdlOpts().get_owner(), "Unknown");
  EXPECT_EQ(again.options().get_parmMdlOpts().get_mode(), "std");
  EXPECT_EQ(Fixture::fileBytes(path), text);
}

// A save stamps the record's modtime with the time of the change and keeps its
// crtime: read from a file written long ago, saved, read back.
template <class OptionsFile>
void expectASaveStampsItsTime(const std::string& text) {
  const std::string then = "2001-02-03T04:05:06";
  const std::string path = OptionsFile::configFilePath();
  Fixture::writeBytes(path, text);
  {
    OptionsFile f;
    ASSERT_TRUE(f.problem().empty()) << f.problem();
    ASSERT_EQ(f.options().get_modtime(), then);
    ASSERT_TRUE(f.save());
  }
  const std::string saved = Fixture::fileBytes(path);
  EXPECT_EQ(attr(saved, "crtime"), then);
  EXPECT_EQ(attr(saved, "modtime").size(), 19u);
  EXPECT_GT(attr(saved, "modtime"), then);
  OptionsFile again;
  EXPECT_EQ(again.options().get_modtime(), attr(saved, "modtime"));
}

TEST(OptionsFiles, ASaveStampsTheTimeOfTheChangeAndKeepsTheCreation) {
  configFolder("stamps");
  const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
  const std::string stamps = " crtime=\"2001-02-03T04:05:06\" modtime=\"2001-02-03T04:05:06\" appver=\"1.0\"";
  expectASaveStampsItsTime<PalvermontineMdlOptsFile>(
      head + "<palvermontineMdlOpts" + stamps +
      "><parmMdlOpts owner=\"Ann\" sil=\"3\" cfl=\"90.0\" cfi=\"10.0\"/></palvermontineMdlOpts>\r\n");
  expectASaveStampsItsTime<PalvermontineAppOptsFile>(head + "<palvermontineAppOpts" + stamps +
                                                     "><idAppOpts owner=\"Ann\"/></palvermontineAppOpts>\r\n");
}

// A file the program wrote and saved again without a change is the same bytes but for
// its modtime.
template <class OptionsFile>
void expectAResaveChangesOnlyTheModtime() {
  const std::string path = OptionsFile::configFilePath();
  { OptionsFile created; }
  const std::string written = Fixture::fileBytes(path);
  {
    OptionsFile f;
    ASSERT_TRUE(f.problem().empty()) << f.problem();
    ASSERT_TRUE(f.save());
  }
  std::string saved = Fixture::fileBytes(path);
  const std::string key = " modtime=\"";
  const std::size_t at = saved.find(key);
  ASSERT_NE(at, std::string::npos) << saved;
  saved.replace(at + key.size(), 19, attr(written, "modtime"));
  EXPECT_EQ(saved, written);
}

TEST(OptionsFiles, AResaveChangesOnlyTheModtime) {
  configFolder("resave");
  expectAResaveChangesOnlyTheModtime<PalvermontineMdlOptsFile>();
  expectAResaveChangesOnlyTheModtime<PalvermontineAppOptsFile>();
}

TEST(ModelOptionsFile, ChangesReachTheFileOnlyThroughSave) {
  configFolder("mdl_save");
  const std::string path = PalvermontineMdlOptsFile::configFilePath();
  {
    PalvermontineMdlOptsFile f;
    const std::string before = Fixture::fileBytes(path);
    f.options().get_parmMdlOpts().set_cfl(95.0);
    EXPECT_EQ(Fixture::fileBytes(path), before);
    f.options().get_parmMdlOpts().set_note("for <all> & more");
    ASSERT_TRUE(f.save());
    f.options().get_parmMdlOpts().set_cfl(60.0);
    EXPECT_TRUE(f.load());
    EXPECT_EQ(f.options().get_parmMdlOpts().get_cfl(), 95.0);
    Fixture::writeBytes(path, "damaged");
    EXPECT_THROW(f.load(), PV::XML::FileError);
    EXPECT_EQ(f.options().get_parmMdlOpts().get_cfl(), 95.0);
    ASSERT_TRUE(f.save());
  }
  PalvermontineMdlOptsFile again;
  EXPECT_EQ(again.options().get_parmMdlOpts().get_cfl(), 95.0);
  EXPECT_EQ(again.options().get_parmMdlOpts().get_note(), "for <all> & more");
}

TEST(ModelOptionsFile, FieldsAbsentFromTheFileTakeTheirDefaults) {
  const std::string dir = configFolder("mdl_absent");
  Fixture::writeBytes(PalvermontineMdlOptsFile::configFilePath(),
                      "<?xml version=\"1.0\"?>\r\n<palvermontineMdlOpts appver=\"1.0\">\r\n"
                      "<parmMdlOpts cfi=\"5.0\"/>\r\n</palvermontineMdlOpts>\r\n");
  PalvermontineMdlOptsFile f;
  EXPECT_TRUE(f.problem().empty()) << f.problem();
  EXPECT_EQ(f.options().get_parmMdlOpts().get_cfi(), 5.0);
  EXPECT_EQ(f.options().get_parmMdlOpts().get_cfl(), 90.0);
  EXPECT_EQ(f.options().get_parmMdlOpts().get_sil(), 3);
  EXPECT_FALSE(fs::exists(PalvermontineMdlOptsFile::configFilePath() + ".bad"));
}

struct Damage {
  const char* name;
  const char* text;
  const char* says;
};

const Damage kMdlDamage[] = {
    {"empty", "", "possibly 0 length"},
    {"not xml", "sil=3 cfl=90", "is not a proper Palvermontine XML file"},
    {"binary", "<palvermontineMdlOpts appver=\"1.0\">\xE9</palvermontineMdlOpts>", "Binary File"},
    {"newer", "<palvermontineMdlOpts appver=\"1.1\"><parmMdlOpts cfi=\"10.0\"/></palvermontineMdlOpts>", "appver 1.1"},
    {"no version", "<palvermontineMdlOpts><parmMdlOpts cfi=\"10.0\"/></palvermontineMdlOpts>", "\"appver\""},
    {"sil", "<palvermontineMdlOpts appver=\"1.0\"><parmMdlOpts sil=\"9\" cfi=\"10.0\"/></palvermontineMdlOpts>",
     "\"sil\""},
    {"cfi", "<palvermontineMdlOpts appver=\"1.0\"><parmMdlOpts cfi=\"x\"/></palvermontineMdlOpts>", "\"cfi\""},
    {"root", "<palvermontineAppOpts appver=\"1.0\"/>", "root element <palvermontineMdlOpts> is missing"},
    // New models take it: one the math server refuses could be neither scored nor saved.
    {"cfl 50", "<palvermontineMdlOpts appver=\"1.0\"><parmMdlOpts cfl=\"50.0\" cfi=\"10.0\"/></palvermontineMdlOpts>",
     "confidence level is not above 50"},
    {"cfl 0.1", "<palvermontineMdlOpts appver=\"1.0\"><parmMdlOpts cfl=\"0.1\" cfi=\"10.0\"/></palvermontineMdlOpts>",
     "confidence level is not above 50"},
    {"control character",
     "<palvermontineMdlOpts appver=\"1.0\"><parmMdlOpts owner=\"A\x01\" cfi=\"10.0\"/></palvermontineMdlOpts>",
     "Attribute \"owner\" of element /palvermontineMdlOpts/parmMdlOpts holds a control character"},
};

TEST(ModelOptionsFile, ADamagedFileIsSetAsideAndReplacedByTheDefaults) {
  for (const Damage& d : kMdlDamage) {
    configFolder("mdl_damaged");
    const std::string path = PalvermontineMdlOptsFile::configFilePath();
    Fixture::writeBytes(path, d.text);
    PalvermontineMdlOptsFile f;
    EXPECT_NE(f.problem().find(d.says), std::string::npos) << d.name << ": " << f.problem();
    // The reason ends its sentence before the next one begins.
    const std::string aside = ". It was set aside as " + path + ".bad and replaced by the default options.";
    EXPECT_EQ(f.problem().size() - std::min(f.problem().size(), aside.size()), f.problem().find(aside))
        << d.name << ": " << f.problem();
    EXPECT_EQ(Fixture::fileBytes(path + ".bad"), d.text) << d.name;
    EXPECT_EQ(f.options().get_parmMdlOpts().get_cfi(), 10.0) << d.name;
    EXPECT_EQ(f.options().get_parmMdlOpts().get_sil(), 3) << d.name;
    EXPECT_EQ(attr(Fixture::fileBytes(path), "owner"), "Unknown") << d.name;
  }
}

TEST(ModelOptionsFile, AConfidenceLevelJustAbove50IsTaken) {
  configFolder("mdl_cfl");
  const std::string path = PalvermontineMdlOptsFile::configFilePath();
  Fixture::writeBytes(
      path, "<palvermontineMdlOpts appver=\"1.0\"><parmMdlOpts cfl=\"50.1\" cfi=\"10.0\"/></palvermontineMdlOpts>");
  PalvermontineMdlOptsFile f;
  EXPECT_EQ(f.problem(), "");
  EXPECT_EQ(f.options().get_parmMdlOpts().get_cfl(), 50.1);
}

// A save into a full disk fails, says the system's reason beside the file name, and
// leaves the previous file as it was.
TEST(ModelOptionsFile, ASaveIntoAFullDiskKeepsThePreviousFile) {
  const std::string dir = configFolder("mdl_full");
  PV::Test::SmallDisk disk(dir, 64);
  if (!disk.usable()) GTEST_SKIP() << disk.reason();
  PalvermontineMdlOptsFile f;
  ASSERT_EQ(f.problem(), "");
  const std::string path = PalvermontineMdlOptsFile::configFilePath();
  const std::string before = Fixture::fileBytes(path);
  ASSERT_FALSE(before.empty());
  ASSERT_TRUE(disk.fill());
  f.options().get_parmMdlOpts().set_owner(std::string(3000, 'o'));
  EXPECT_FALSE(f.save());
  EXPECT_NE(f.errorText().find(path + ".tmp: " + std::strerror(ENOSPC)), std::string::npos) << f.errorText();
  EXPECT_EQ(Fixture::fileBytes(path), before);
  EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST(ModelOptionsFile, AFolderThatCannotBeWrittenIsReportedAndTheDefaultsServe) {
  const std::string dir = configFolder("mdl_unwritable");
  Fixture::writeBytes(dir + "/plainfile", "x");
  setConfigDir(dir + "/plainfile/below");
  PalvermontineMdlOptsFile f;
  EXPECT_NE(f.problem().find("could not be written"), std::string::npos) << f.problem();
  EXPECT_EQ(f.options().get_parmMdlOpts().get_cfl(), 90.0);
}

TEST(ApplicationOptionsFile, AMissingFileIsCreatedWithTheDefaults) {
  setConfigDir(Fixture::freshFolder("config_app_missing"), "Pat");
  {
    PalvermontineAppOptsFile f;
    EXPECT_TRUE(f.problem().empty()) << f.problem();
  }
  const std::string text = Fixture::fileBytes(PalvermontineAppOptsFile::configFilePath());
  EXPECT_EQ(attr(text, "appver"), "1.0");
  EXPECT_EQ(attr(text, "owner"), "Pat");
  EXPECT_EQ(attr(text, "username"), "Pat");
  EXPECT_EQ(attr(text, "rgbFilledBgHighlightChoicePairs"), "8454016");
  EXPECT_EQ(attr(text, "autoSave"), "true");
  EXPECT_EQ(attr(text, "useCrc"), "false");
  EXPECT_EQ(attr(text, "cellInputAdvance"), "leftRightDown");
  EXPECT_EQ(attr(text, "solutionWindowOrientation"), "portrait");
  EXPECT_EQ(attr(text, "defaultDirectory"), "<absent>");
  EXPECT_EQ(text.find("modelPathFilenameMostRecent"), std::string::npos);
  EXPECT_EQ(attr(text, "crtime"), attr(text, "modtime"));
}

TEST(ApplicationOptionsFile, TheFilesOwnerIsReadAndAbsentFieldsTakeDefaults) {
  configFolder("app_owner");
  Fixture::writeBytes(PalvermontineAppOptsFile::configFilePath(),
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<palvermontineAppOpts appver=\"1.0\">\r\n"
                      "<idAppOpts owner=\"Zed\"/>\r\n<defaultValuesAppOpts autoSave=\"false\">\r\n"
                      "<modelPathFilenameMostRecent>C:\\m\\a.xpv</modelPathFilenameMostRecent>\r\n"
                      "</defaultValuesAppOpts>\r\n<guiAppOpts exitIcon=\"exit1\"/>\r\n</palvermontineAppOpts>\r\n");
  PalvermontineAppOptsFile f;
  EXPECT_TRUE(f.problem().empty()) << f.problem();
  EXPECT_EQ(f.options().get_idAppOpts().get_owner(), "Zed");
  EXPECT_FALSE(f.options().get_defaultValuesAppOpts().get_autoSave());
  EXPECT_EQ(f.options().get_defaultValuesAppOpts().get_modelPathFilenameMostRecent(), "C:\\m\\a.xpv");
  EXPECT_EQ(f.options().get_guiAppOpts().get_cellInputAdvance(), "leftRightDown");
  EXPECT_EQ(f.options().get_calcAppOpts().get_solutionWindowOrientation(), "portrait");
}

// Finding the logged-on user loads a system library: it is asked for only where the
// file names no owner or user.
TEST(ApplicationOptionsFile, TheUserIsLookedForOnlyWhereTheFileNamesNone) {
  const std::string dir = configFolder("app_owner_lookup");
  int asked = 0;
  XML::setOptionsHome({dir, std::string(), [&asked] {
                         ++asked;
                         return std::string("Lee");
                       }});
  const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<palvermontineAppOpts appver=\"1.0\">\r\n";
  Fixture::writeBytes(PalvermontineAppOptsFile::configFilePath(),
                      head +
                          "<idAppOpts owner=\"Zed\"/>\r\n<defaultValuesAppOpts username=\"Zoe\"/>\r\n"
                          "</palvermontineAppOpts>\r\n");
  {
    PalvermontineAppOptsFile f;
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(f.options().get_idAppOpts().get_owner(), "Zed");
    EXPECT_EQ(f.options().get_defaultValuesAppOpts().get_username(), "Zoe");
  }
  Fixture::writeBytes(PalvermontineAppOptsFile::configFilePath(),
                      head + "<idAppOpts owner=\"Zed\"/>\r\n</palvermontineAppOpts>\r\n");
  {
    PalvermontineAppOptsFile f;
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(f.options().get_idAppOpts().get_owner(), "Zed");
    EXPECT_EQ(f.options().get_defaultValuesAppOpts().get_username(), "Lee");
  }
  setConfigDir(dir);
}

TEST(ApplicationOptionsFile, ADamagedFileIsSetAsideAndReplacedByTheDefaults) {
  const Damage damage[] = {
      {"newer", "<palvermontineAppOpts appver=\"1.1\"/>", "appver 1.1"},
      {"enumerated text",
       "<palvermontineAppOpts appver=\"1.0\"><guiAppOpts cellInputAdvance=\"sideways\"/>"
       "</palvermontineAppOpts>",
       "\"cellInputAdvance\""},
      {"boolean", "<palvermontineAppOpts appver=\"1.0\"><rptAppOpts displayReport=\"yes\"/></palvermontineAppOpts>",
       "\"displayReport\""},
      {"not well formed", "<palvermontineAppOpts appver=\"1.0\">", "is not a proper Palvermontine XML file"},
  };
  for (const Damage& d : damage) {
    configFolder("app_damaged");
    const std::string path = PalvermontineAppOptsFile::configFilePath();
    Fixture::writeBytes(path, d.text);
    PalvermontineAppOptsFile f;
    EXPECT_NE(f.problem().find(d.says), std::string::npos) << d.name << ": " << f.problem();
    EXPECT_EQ(Fixture::fileBytes(path + ".bad"), d.text) << d.name;
    EXPECT_EQ(f.options().get_guiAppOpts().get_cellInputAdvance(), "leftRightDown") << d.name;
    EXPECT_EQ(attr(Fixture::fileBytes(path), "appver"), "1.0") << d.name;
  }
}

}  // namespace
