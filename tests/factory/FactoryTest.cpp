// The model factory: new models, the changed mark after each kind of edit, saving
// that never loses data, and opening files that are damaged in every way a model
// file can be wrong, each refused with a message while the current model stays.
#include "DamagedFiles.h"
#include "ModelFixture.h"
#include "SmallDisk.h"

#include "math/MathServer.h"
#include "factory/Factory.h"
#include "model/ModelFileName.h"
#include "xml/PalvermontineFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace {

using namespace PV;
using PV::Data::DecisionModel;
using PV::Data::Factory;

namespace fs = std::filesystem;

const std::string kGolden = std::string(PV_TEST_DATA_DIR) + "/xml/golden_full.xpv";

Data::ModelParameters params() {
  Data::ModelParameters p;
  p.set_sil(3);
  p.set_cfl(90.0);
  p.set_cfi(10.0);
  return p;
}

TEST(Factory, ANewModelIsStampedAndUnmodified) {
  Factory f;
  DecisionModel* m = f.newModel(params(), false);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m, f.currDataModel(0));
  EXPECT_EQ(m->get_id()[0], 0xF0E1D2C3u);
  EXPECT_EQ(m->get_dataver(), 1u);
  EXPECT_EQ(m->get_mode(), "std");
  EXPECT_EQ(m->get_crtime().size(), 19u);
  EXPECT_EQ(m->get_crtime(), m->get_modtime());
  EXPECT_TRUE(f.isUnmodified());
  EXPECT_NE(f.getMathServer(0), nullptr);
  EXPECT_EQ(f.getMathServer(0)->getModel(), m);
}

TEST(Factory, ModelIdsComeFromTheTimeInSeconds) {
  Factory f;
  for (int attempt = 0; attempt < 5; ++attempt) {
    const std::time_t t0 = std::time(nullptr);
    const uint32_t first = f.newModel(params(), false)->get_id()[1];
    const uint32_t second = f.newModel(params(), false)->get_id()[1];
    if (std::time(nullptr) != t0) continue;  // the second changed in between: try again
    EXPECT_EQ(first, second);
    EXPECT_EQ(f.currDataModel(0)->get_id()[0], 0xF0E1D2C3u);
    return;
  }
}

TEST(Factory, EachKindOfEditMarksTheModelChangedAndASaveClearsTheMark) {
  const std::string dir = Fixture::freshFolder("edits");
  Factory f;
  ASSERT_NE(f.load(kGolden, false), nullptr);
  ASSERT_TRUE(f.isUnmodified());

  using Edit = void (*)(DecisionModel&);
  const std::pair<const char*, Edit> edits[] = {
      {"model name", [](DecisionModel& m) { m.set_nm("Other"); }},
      {"model note", [](DecisionModel& m) { m.set_note(""); }},
      {"parameters only", [](DecisionModel& m) { m.get_params().set_sil(4); }},
      {"decision maker name", [](DecisionModel& m) { m.get_dms()[2].set_nm("Carl"); }},
      {"criterion weight", [](DecisionModel& m) { m.get_crs()[0].set_wt(1); }},
      {"choice renamed", [](DecisionModel& m) { m.get_chs().back().set_nm("Site Z"); }},
      {"score",
       [](DecisionModel& m) {
         std::string block = m.get_ss()[0].get_value();
         block[16] = '8';
         m.get_ss()[0].set_value(block);
       }},
      {"ranking", [](DecisionModel& m) { m.get_slns()[0].set_pctrank(50.0); }},
      {"modification time", [](DecisionModel& m) { m.set_modtime("2027-01-01T00:00:00"); }},
  };
  int n = 0;
  for (const auto& edit : edits) {
    ASSERT_NE(f.load(kGolden, false), nullptr);
    edit.second(*f.currDataModel(0));
    EXPECT_FALSE(f.isUnmodified()) << edit.first;
    const std::string path = dir + "/m" + std::to_string(n++) + ".xpv";
    ASSERT_TRUE(f.save(path.c_str())) << edit.first << ": " << f.lastError();
    EXPECT_TRUE(f.isUnmodified()) << edit.first;
    EXPECT_EQ(f.currDataModel(0)->get_filepath(), path);
  }
  // The file path alone is no change.
  f.currDataModel(0)->set_filepath("elsewhere.xpv");
  EXPECT_TRUE(f.isUnmodified());
}

TEST(Factory, SavingWritesTheCrcWordAndTheFilePathAndReadsBackEqual) {
  const std::string dir = Fixture::freshFolder("saveback");
  const std::string path = dir + "/fresh.XPV";  // the extension in any case
  Data::DecisionModel saved;
  {
    Factory f;
    DecisionModel* m = f.newModel(params(), false);
    m->set_nm("Fresh");
    ASSERT_TRUE(f.save(path.c_str())) << f.lastError();
    EXPECT_EQ(f.filepath(), path);
    EXPECT_EQ(m->get_params().get_crc(), 1u);
    saved = *m;
  }
  const std::string text = Fixture::fileBytes(path);
  EXPECT_NE(text.find("crc=\"1\""), std::string::npos);
  EXPECT_NE(text.find("file=\"" + path + "\""), std::string::npos);

  Factory g;
  ASSERT_NE(g.load(path, false), nullptr);
  EXPECT_TRUE(*g.currDataModel(0) == saved);
  // A save without a name goes to the same file.
  g.currDataModel(0)->set_note("second");
  ASSERT_TRUE(g.save(nullptr)) << g.lastError();
  EXPECT_NE(Fixture::fileBytes(path).find("second"), std::string::npos);
}

TEST(Factory, ANewModelForgetsThePreviousFile) {
  const std::string dir = Fixture::freshFolder("forget");
  const std::string path = dir + "/kept.xpv";
  fs::copy_file(kGolden, path);
  Factory f;
  ASSERT_NE(f.load(path, false), nullptr);
  EXPECT_EQ(f.filepath(), path);
  f.newModel(params(), false)->set_nm("Scratch");
  EXPECT_TRUE(f.filepath().empty());
  EXPECT_FALSE(f.save(nullptr));
  EXPECT_EQ(Fixture::fileBytes(path), Fixture::fileBytes(kGolden));
}

TEST(Factory, AFileNameWithoutTheModelExtensionIsRefused) {
  const std::string dir = Fixture::freshFolder("ext");
  Factory f;
  f.newModel(params(), false)->set_nm("X");
  for (const char* name : {"/plan.xml", "/plan.xpv.bak", "/xpv", "/plan.", "/.xpv"}) {
    const std::string path = dir + name;
    EXPECT_FALSE(f.save(path.c_str())) << name;
    EXPECT_FALSE(fs::exists(path)) << name;
  }
  EXPECT_TRUE(PV::Data::isModelFileName("C:\\M\\PLAN.XPV"));
  EXPECT_TRUE(PV::Data::isModelFileName("plan.Xpv"));
  EXPECT_FALSE(PV::Data::isModelFileName("plan.xpvx"));
}

TEST(Factory, AModelThatCouldNotBeReadBackIsNotSaved) {
  const std::string dir = Fixture::freshFolder("limits");
  using Edit = void (*)(DecisionModel&);
  const std::pair<const char*, Edit> edits[] = {
      {"more than 10",
       [](DecisionModel& m) {
         Data::Choice extra = m.get_chs()[0];
         extra.set_uid(0x4242u);
         m.get_chs().push_back(extra);
       }},
      {"\"nm\" of element /palvermontine/model/dms/dm has no value",
       [](DecisionModel& m) { m.get_dms()[0].set_nm(""); }},
      // Changed in place, without the math server: a file opening would refuse.
      {"names no choice of the model", [](DecisionModel& m) { m.get_chs().pop_back(); }},
      {"the model needs", [](DecisionModel& m) { m.get_ss()[0].set_value(m.get_ss()[0].get_value() + "0"); }},
      // (Bytes that are no UTF-8, which used to grow on the way through the file,
      // can no longer enter a name: the setter refuses them.)
  };
  for (const auto& edit : edits) {
    Factory f;
    ASSERT_NE(f.load(kGolden, false), nullptr);
    edit.second(*f.currDataModel(0));
    const std::string path = dir + "/m.xpv";
    EXPECT_FALSE(f.save(path.c_str()));
    EXPECT_NE(f.lastError().find(edit.first), std::string::npos) << f.lastError();
    EXPECT_FALSE(fs::exists(path));
    EXPECT_FALSE(f.isUnmodified());
  }
}

// Failures that hold for any user (root ignores permission bits): the target is a
// folder, the folder does not exist, the temporary file cannot be created.
// A file may give the confidence settings with more decimals than the program
// writes. The model must hold what its own file will give back, or the pairs drawn
// after opening (44 at 99.99%) no longer fit the blocks once saved (45 at 100.0%)
// and the saved file is refused.
TEST(Factory, ConfidenceSettingsReadWithMoreDecimalsSaveAndOpenAgain) {
  const std::string dir = Fixture::freshFolder("decimals");
  std::string text = Fixture::fileBytes(kGolden);
  const auto ss = text.find("<ss>");
  const auto ssEnd = text.find("</ss>", ss);
  ASSERT_NE(ssEnd, std::string::npos);
  text.erase(ss, text.find('<', ssEnd + 1) - ss);
  text.replace(text.find("cfl=\"90.0\""), 10, "cfl=\"99.99\"");
  const std::string opened = dir + "/opened.xpv";
  Fixture::writeBytes(opened, text);
  const std::string saved = dir + "/saved.xpv";
  {
    Factory f;
    DecisionModel* m = f.load(opened, false);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->get_params().get_cfl(), 100.0);
    auto* server = f.getMathServer(0);
    ASSERT_TRUE(server->createAlgorithm());
    server->transferScores();
    ASSERT_TRUE(f.save(saved.c_str())) << f.lastError();
  }
  Factory g;
  EXPECT_NE(g.load(saved, false), nullptr);
}

// The same for a new model made with settings of more decimals than the file keeps.
TEST(Factory, ANewModelHoldsItsConfidenceSettingsAsItsFileWill) {
  const std::string dir = Fixture::freshFolder("newdecimals");
  const std::string saved = dir + "/new.xpv";
  {
    Factory f;
    Data::ModelParameters p = params();
    p.set_cfl(99.99);
    p.set_cfi(4.96);
    DecisionModel* m = f.newModel(p, false);
    EXPECT_EQ(m->get_params().get_cfl(), 100.0);
    EXPECT_EQ(m->get_params().get_cfi(), 5.0);
    m->set_nm("Decimals");
    auto* server = f.getMathServer(0);
    std::vector<Data::Choice> chs;
    for (uint32_t k = 0; k < 10; ++k) {
      Data::Choice c;
      c.set_nm(std::string(1, static_cast<char>('A' + k)));
      c.set_row(static_cast<uint8_t>(k + 1));
      c.set_uid(0x100 + k);
      chs.push_back(c);
    }
    Data::Criterion cr;
    cr.set_nm("Cost");
    cr.set_row(1);
    cr.set_uid(0x200);
    cr.set_wt(1);
    Data::DecisionMaker dm;
    dm.set_nm("Ann");
    dm.set_row(1);
    dm.set_uid(0x300);
    dm.set_wt(1);
    ASSERT_TRUE(server->setChoices(chs));
    ASSERT_TRUE(server->setCriteria({cr}));
    ASSERT_TRUE(server->setDecisionMakers({dm}));
    ASSERT_TRUE(server->createAlgorithm());
    server->transferScores();
    ASSERT_FALSE(m->get_ss().empty());
    ASSERT_TRUE(f.save(saved.c_str())) << f.lastError();
  }
  Factory g;
  EXPECT_NE(g.load(saved, false), nullptr);
}

TEST(Factory, AFailedSaveKeepsTheOldFileTheModelAndItsChangedMark) {
  const std::string dir = Fixture::freshFolder("failsave");
  const std::string good = dir + "/plan.xpv";
  fs::copy_file(kGolden, good);
  Factory f;
  ASSERT_NE(f.load(good, false), nullptr);
  f.currDataModel(0)->get_dms()[0].set_nm("Changed");
  const Data::DecisionModel before = *f.currDataModel(0);

  fs::create_directory(dir + "/folder.xpv");
  fs::create_directory(good + ".tmp");  // the temporary file of plan.xpv cannot be made
  const std::string targets[] = {dir + "/folder.xpv", dir + "/no/such/folder/m.xpv", good};
  for (const std::string& target : targets) {
    EXPECT_FALSE(f.save(target.c_str())) << target;
    EXPECT_FALSE(f.lastError().empty());
    EXPECT_FALSE(f.isUnmodified()) << target;
    EXPECT_EQ(f.filepath(), good);
    EXPECT_TRUE(*f.currDataModel(0) == before);
    EXPECT_EQ(f.currDataModel(0)->get_filepath(), before.get_filepath());
  }
  EXPECT_FALSE(f.save(nullptr));
  EXPECT_EQ(Fixture::fileBytes(good), Fixture::fileBytes(kGolden));
  EXPECT_TRUE(fs::is_directory(dir + "/folder.xpv"));

  fs::remove(good + ".tmp");
  EXPECT_TRUE(f.save(nullptr)) << f.lastError();
  EXPECT_TRUE(f.isUnmodified());
  EXPECT_NE(Fixture::fileBytes(good).find("Changed"), std::string::npos);
}

// A file marked read-only is not replaced by a save, as Windows itself refuses; the
// reason says so, no temporary file is left, and the model keeps its changed mark.
TEST(Factory, ASaveOverAReadOnlyFileKeepsItAndSaysSo) {
  const std::string dir = Fixture::freshFolder("readonly");
  const std::string kept = dir + "/kept.xpv";
  fs::copy_file(kGolden, kept);
  fs::permissions(kept, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  Factory f;
  ASSERT_NE(f.load(kept, false), nullptr);
  f.currDataModel(0)->get_dms()[0].set_nm("Changed");
  EXPECT_FALSE(f.save(nullptr));
  EXPECT_NE(f.lastError().find(kept + ": cannot replace " + kept + ": the file is read-only"), std::string::npos)
      << f.lastError();
  EXPECT_FALSE(f.isUnmodified());
  EXPECT_FALSE(fs::exists(kept + ".tmp"));
  fs::permissions(kept, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(Fixture::fileBytes(kept), Fixture::fileBytes(kGolden));
  EXPECT_TRUE(f.save(nullptr)) << f.lastError();
}

// A save into a full disk: the previous file stays whole, no temporary file is left,
// and the reason is the system's, beside the file's name.
TEST(Factory, ASaveIntoAFullDiskKeepsThePreviousFileAndSaysWhy) {
  const std::string dir = Fixture::freshFolder("fulldisk");
  PV::Test::SmallDisk disk(dir, 64);
  if (!disk.usable()) GTEST_SKIP() << disk.reason();
  const std::string good = dir + "/plan.xpv";
  fs::copy_file(kGolden, good);
  Factory f;
  ASSERT_NE(f.load(good, false), nullptr);
  f.currDataModel(0)->get_dms()[0].set_nm("Changed");
  ASSERT_TRUE(disk.fill());
  EXPECT_FALSE(f.save(nullptr));
  EXPECT_NE(f.lastError().find(good + ".tmp: " + std::strerror(ENOSPC)), std::string::npos) << f.lastError();
  EXPECT_EQ(Fixture::fileBytes(good), Fixture::fileBytes(kGolden));
  EXPECT_FALSE(fs::exists(good + ".tmp"));
  EXPECT_FALSE(f.isUnmodified());
}

// A ranking emptied by edits of the choices keeps no time or flag of its own, in the
// model as in its file: the model saved is the model opened again.
TEST(Factory, AnEmptiedRankingSavesAndOpensAsItIsHeld) {
  const std::string dir = Fixture::freshFolder("emptyranking");
  const std::string saved = dir + "/saved.xpv";
  auto reopened = [&] {
    Factory g;
    EXPECT_NE(g.load(saved, false), nullptr);
    return *g.currDataModel(0);
  };
  DecisionModel held;
  {
    Factory f;
    DecisionModel* m = f.load(kGolden, false);
    ASSERT_NE(m, nullptr);
    ASSERT_FALSE(m->get_slns().empty());
    ASSERT_FALSE(m->get_slns().get_timestamp().empty());
    // Every ranked choice replaced through the server: the ranking empties.
    auto chs = m->get_chs();
    for (std::size_t k = 0; k < chs.size(); ++k) chs[k].set_uid(static_cast<uint32_t>(0x7000 + k));
    ASSERT_TRUE(f.getMathServer(0)->setChoices(chs));
    EXPECT_TRUE(m->get_slns().empty());
    EXPECT_FALSE(m->get_slns().get_flag());
    EXPECT_EQ(m->get_slns().get_timestamp(), "");
    ASSERT_TRUE(f.save(saved.c_str())) << f.lastError();
    held = *m;
  }
  EXPECT_TRUE(reopened() == held);

  // Emptied in place, past the server: the save drops what the file cannot hold.
  {
    Factory f;
    DecisionModel* m = f.load(kGolden, false);
    ASSERT_NE(m, nullptr);
    m->get_slns().clear();
    m->get_slns().set_flag(true);
    ASSERT_TRUE(f.save(saved.c_str())) << f.lastError();
    EXPECT_TRUE(f.isUnmodified());
    EXPECT_EQ(m->get_slns().get_timestamp(), "");
    held = *m;
  }
  EXPECT_TRUE(reopened() == held);
}

TEST(Factory, OpeningAMissingFileGivesNullAndChangesNothing) {
  const std::string dir = Fixture::freshFolder("missingopen");
  Factory f;
  ASSERT_NE(f.load(kGolden, false), nullptr);
  DecisionModel* m = f.currDataModel(0);
  EXPECT_EQ(f.load(dir + "/none.xpv", false), nullptr);
  EXPECT_EQ(f.currDataModel(0), m);
  EXPECT_EQ(f.filepath(), kGolden);
  EXPECT_TRUE(f.isUnmodified());
}

TEST(Factory, EveryDamagedFileIsRefusedWithItsReasonAndTheCurrentModelStays) {
  Factory f;
  ASSERT_NE(f.load(kGolden, false), nullptr);
  DecisionModel* m = f.currDataModel(0);
  auto* server = f.getMathServer(0);
  f.currDataModel(0)->set_note("unsaved edit");
  const Data::DecisionModel before = *m;

  for (const Fixture::Damage& d : Fixture::kDamage) {
    const std::string path = Fixture::kDamagedFolder + d.file;
    ASSERT_TRUE(fs::exists(path)) << path;
    EXPECT_EQ(f.load(path, false), nullptr) << d.file << " was read";
    const std::string& message = f.lastError();
    EXPECT_EQ(message.rfind(path, 0), 0u) << d.file << ": " << message;
    EXPECT_NE(message.find(d.says), std::string::npos) << d.file << ": " << message;
    EXPECT_EQ(f.currDataModel(0), m) << d.file;
    EXPECT_EQ(f.getMathServer(0), server) << d.file;
    EXPECT_EQ(f.filepath(), kGolden) << d.file;
    EXPECT_TRUE(*m == before) << d.file;
    EXPECT_FALSE(f.isUnmodified()) << d.file;
  }
}

}  // namespace
