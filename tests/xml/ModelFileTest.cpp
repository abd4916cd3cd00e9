// The decision-model file: the exact text of a full model, its round trip, and the
// parts that are left out when empty.
#include "DamagedFiles.h"
#include "ModelFixture.h"

#include "xml/PalvermontineFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

using namespace PV;
using PV::Data::Palvermontine;
using PV::XML::FileError;
using PV::XML::PalvermontineFile;

const std::string kGolden = std::string(PV_TEST_DATA_DIR) + "/xml/golden_full.xpv";

Palvermontine readFile(const std::string& path) {
  Palvermontine root;
  XML::PalvermontineFile f(path, true);
  EXPECT_TRUE(f.isOkay()) << f.errorText();
  f.read(root);
  return root;
}

std::string textOf(Palvermontine root) {
  PalvermontineFile f("text.xpv", false);
  return f.writeText(root);
}

TEST(ModelFile, FullModelIsWrittenExactlyAsTheGoldenFileAndReadsBackEqual) {
  const std::string dir = Fixture::freshFolder("golden");
  const std::string path = dir + "/full.xpv";
  Palvermontine root = Fixture::fullModel();
  {
    PalvermontineFile f(path, false);
    ASSERT_TRUE(f.write(root)) << f.errorText();
  }
  const std::string written = Fixture::fileBytes(path);
  if (std::getenv("PV_UPDATE_GOLDEN")) Fixture::writeBytes(kGolden, written);
  const std::string golden = Fixture::fileBytes(kGolden);
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(written, golden);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

  Palvermontine back = readFile(path);
  EXPECT_TRUE(back == root);
  EXPECT_EQ(back.get_model().get_filepath(), root.get_model().get_filepath());
  EXPECT_EQ(textOf(back), golden);
}

TEST(ModelFile, LinesEndInCrLfAndTheFileIsSevenBit) {
  const std::string text = textOf(Fixture::fullModel());
  for (std::size_t i = 0; i < text.size(); ++i) {
    ASSERT_LT(static_cast<unsigned char>(text[i]), 0x80u);
    if (text[i] == '\n') {
      ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
    }
  }
  EXPECT_EQ(text.substr(0, 65), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!--crc32=0xafee1234-->\r\n");
}

TEST(ModelFile, EmptyPartsAreLeftOut) {
  Palvermontine root = Fixture::fullModel();
  Data::DecisionModel& m = root.get_model();
  m.set_note("");
  m.get_crs().clear();
  m.get_ss().clear();
  m.set_slns(Data::SolutionsVec());
  m.set_crtime("");
  const std::string text = textOf(root);
  for (const char* absent : {"<crs", "<ss", "<slns", "<note>Where", "crtime="})
    EXPECT_EQ(text.find(absent), std::string::npos) << absent;
  // With the model's note left out, the parameters are the model's first child.
  EXPECT_NE(text.find("modtime=\"2026-12-10T09:30:00\">\r\n<params "), std::string::npos);

  const std::string dir = Fixture::freshFolder("emptyparts");
  Fixture::writeBytes(dir + "/m.xpv", text);
  Palvermontine back = readFile(dir + "/m.xpv");
  EXPECT_TRUE(back.get_model().get_crs().empty());
  EXPECT_TRUE(back.get_model().get_slns().empty());
  EXPECT_TRUE(back.get_model().get_note().empty());
  EXPECT_TRUE(back == root);
}

TEST(ModelFile, ElementsTheSystemDoesNotUseAreIgnoredOnReadingAndDroppedOnWriting) {
  std::string text = Fixture::fileBytes(kGolden);
  const std::string anchor = "<dms>";
  ASSERT_NE(text.find(anchor), std::string::npos);
  text.insert(text.find(anchor),
              "<moderator nm=\"M\" email=\"m@x\"/>\r\n<nd>\r\n<d>yes</d>\r\n</nd>\r\n<wk>\r\n<w>;)</w>\r\n</wk>\r\n");
  const std::string dir = Fixture::freshFolder("unused");
  Fixture::writeBytes(dir + "/m.xpv", text);
  Palvermontine back = readFile(dir + "/m.xpv");
  EXPECT_TRUE(back == Fixture::fullModel());
  EXPECT_EQ(textOf(back), Fixture::fileBytes(kGolden));
}

TEST(ModelFile, AModelWithMoreItemsThanTheFileHoldsIsNotWritten) {
  Palvermontine root = Fixture::fullModel();
  Data::DecisionMaker extra = root.get_model().get_dms()[0];
  extra.set_uid(0x77u);
  root.get_model().get_dms().push_back(extra);
  const std::string dir = Fixture::freshFolder("toomany");
  PalvermontineFile f(dir + "/m.xpv", false);
  EXPECT_FALSE(f.write(root));
  EXPECT_EQ(f.errorCode(), XML::WRITE_FAILED_FILE);
  EXPECT_NE(f.errorText().find("more than 5"), std::string::npos) << f.errorText();
  EXPECT_FALSE(std::filesystem::exists(dir + "/m.xpv"));
}

TEST(ModelFile, AMissingFileIsRecordedNotThrown) {
  const std::string dir = Fixture::freshFolder("missing");
  PalvermontineFile f(dir + "/none.xpv", true);
  EXPECT_FALSE(f.isOkay());
  EXPECT_EQ(f.errorCode(), XML::OPEN_FAILED_FILE);
  Palvermontine root;
  f.read(root);
  EXPECT_EQ(f.errorCode(), XML::EMPTY_FILE);
}

TEST(ModelFile, AFileOfExactlyTheLimitIsReadAndOneByteMoreIsRefused) {
  std::string text = Fixture::fileBytes(kGolden);
  ASSERT_LT(text.size(), XML::MAX_XML_BUF);
  // Pad with a comment before the root up to exactly the limit.
  const std::size_t pad = XML::MAX_XML_BUF - text.size() - 9;  // "<!--" "-->" CR LF
  const std::size_t at = text.find("<palvermontine");
  text.insert(at, "<!--" + std::string(pad, 'x') + "-->\r\n");
  ASSERT_EQ(text.size(), XML::MAX_XML_BUF);
  const std::string dir = Fixture::freshFolder("limit");
  Fixture::writeBytes(dir + "/max.xpv", text);
  EXPECT_TRUE(readFile(dir + "/max.xpv") == Fixture::fullModel());

  text.insert(at, " ");
  Fixture::writeBytes(dir + "/over.xpv", text);
  Palvermontine root;
  PalvermontineFile f(dir + "/over.xpv", true);
  try {
    f.read(root);
    FAIL() << "a file over the limit was read";
  } catch (const FileError& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find("longer than 65535 bytes"), std::string::npos) << message;
  }
}

TEST(ModelFile, TextBeyondSevenBitsIsWrittenAsReferencesAndReadsBack) {
  Palvermontine root = Fixture::fullModel();
  root.get_model().get_dms()[0].set_nm(
      "Ren\xC3\xA9"
      "e \xE2\x82\xAC");  // "Renée €" in UTF-8
  root.get_model().set_note("caf\xC3\xA9 \xF0\x9F\x99\x82");
  const std::string text = textOf(root);
  for (char c : text) ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
  const std::string dir = Fixture::freshFolder("nonascii");
  Fixture::writeBytes(dir + "/m.xpv", text);
  Palvermontine back = readFile(dir + "/m.xpv");
  EXPECT_EQ(back.get_model().get_dms()[0].get_nm(),
            "Ren\xC3\xA9"
            "e \xE2\x82\xAC");
  EXPECT_EQ(back.get_model().get_note(), "caf\xC3\xA9 \xF0\x9F\x99\x82");
  EXPECT_TRUE(back == root);
}

#ifndef _WIN32
// xmllint (libxml2) as the conforming reader: its exit code, and what it prints.
int xmllint(const std::string& arguments, std::string* output = nullptr) {
  std::FILE* pipe = popen(("xmllint --nonet " + arguments + " 2>/dev/null").c_str(), "r");
  if (!pipe) return -1;
  char buf[4096];
  for (size_t got; (got = std::fread(buf, 1, sizeof buf, pipe)) > 0;)
    if (output) output->append(buf, got);
  if (output && !output->empty() && output->back() == '\n') output->pop_back();  // the line end it adds
  const int status = pclose(pipe);
  return (status != -1 && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
}
#endif

// A file that a conforming XML reader refuses (control characters other than tab, CR
// and LF in a name or a note, raw or as references, among others) never opens: a model
// read from it would be saved as a file that every other reader refuses. Each of the
// damaged files is put before xmllint; those it refuses are refused here too.
TEST(ModelFile, AFileThatXmllintRefusesIsRefused) {
#ifdef _WIN32
  GTEST_SKIP() << "xmllint runs in the native build";
#else
  if (xmllint("--version") != 0) GTEST_SKIP() << "xmllint is not installed";
  int refusedByXmllint = 0;
  for (const Fixture::Damage& d : Fixture::kDamage) {
    const std::string path = Fixture::kDamagedFolder + d.file;
    if (xmllint("--noout '" + path + "'") == 0) continue;
    ++refusedByXmllint;
    PalvermontineFile f(path, true);
    Palvermontine root;
    bool read = false;
    try {
      if (f.isOkay()) {
        f.read(root);
        read = true;
      }
    } catch (const FileError&) {}
    EXPECT_FALSE(read) << d.file << " is refused by xmllint but was read";
  }
  EXPECT_GE(refusedByXmllint, 5);
#endif
}

// What the program writes, xmllint takes, and reads the same texts from: tabs and line
// ends in names and notes, and every character that needs escaping.
TEST(ModelFile, XmllintTakesWhatIsWrittenAndReadsItsTexts) {
#ifdef _WIN32
  GTEST_SKIP() << "xmllint runs in the native build";
#else
  if (xmllint("--version") != 0) GTEST_SKIP() << "xmllint is not installed";
  Palvermontine root = Fixture::fullModel();
  root.get_model().get_dms()[0].set_nm("Ann\tLee");
  root.get_model().get_dms()[0].set_note("First line\r\nsecond\tline");
  root.get_model().get_chs()[1].set_nm("North\r\nfield");
  const std::string dir = Fixture::freshFolder("xmllint");
  const std::string path = dir + "/m.xpv";
  {
    PalvermontineFile f(path, false);
    ASSERT_TRUE(f.write(root)) << f.errorText();
  }
  EXPECT_EQ(xmllint("--noout '" + path + "'"), 0);
  EXPECT_EQ(xmllint("--noout '" + kGolden + "'"), 0);
  std::string name;
  EXPECT_EQ(xmllint("--xpath 'string(/palvermontine/model/dms/dm[1]/@nm)' '" + path + "'", &name), 0);
  EXPECT_EQ(name, "Ann\tLee");
  std::string choice;
  EXPECT_EQ(xmllint("--xpath 'string(/palvermontine/model/chs/ch[2]/@nm)' '" + path + "'", &choice), 0);
  EXPECT_EQ(choice, "North\r\nfield");
  EXPECT_TRUE(readFile(path) == root);
#endif
}

TEST(ModelFile, AModelWhoseTextWouldPassTheFileLimitIsNotWritten) {
  // Every text at its limit and made of characters that escaping lengthens, and a
  // long file path.
  Palvermontine root = Fixture::fullModel();
  Data::DecisionModel& m = root.get_model();
  const std::string note(240, '<');
  m.set_note(note);
  m.set_filepath(std::string(4000, '"'));
  for (auto& dm : m.get_dms()) {
    dm.set_note(note);
    dm.set_email(std::string(320, '"'));
  }
  for (auto& cr : m.get_crs()) cr.set_note(note);
  for (auto& ch : m.get_chs()) ch.set_note(note);
  for (auto& sln : m.get_slns()) sln.set_note(note);
  ASSERT_GT(textOf(root).size(), XML::MAX_XML_BUF);

  const std::string dir = Fixture::freshFolder("overlimit");
  PalvermontineFile f(dir + "/big.xpv", false);
  EXPECT_FALSE(f.write(root));
  EXPECT_NE(f.errorText().find("longer than 65535"), std::string::npos) << f.errorText();
  EXPECT_FALSE(std::filesystem::exists(dir + "/big.xpv"));
}

TEST(ModelFile, EveryDamagedFileIsRefusedWithAMessageNamingTheFileAndTheFault) {
  for (const Fixture::Damage& d : Fixture::kDamage) {
    if (!d.byReader) continue;
    const std::string path = Fixture::kDamagedFolder + d.file;
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    PalvermontineFile f(path, true);
    ASSERT_TRUE(f.isOkay()) << d.file;
    Palvermontine root;
    try {
      f.read(root);
      ADD_FAILURE() << d.file << " was read";
    } catch (const FileError& e) {
      const std::string message = e.what();
      EXPECT_EQ(message.rfind(path, 0), 0u) << d.file << ": " << message;
      EXPECT_NE(message.find(d.says), std::string::npos) << d.file << ": " << message;
    }
  }
}

}  // namespace
