// File names as UTF-8: a file made, found, read, named in full and deleted under
// exactly the name typed, in accented Latin, in Greek (outside any Western ANSI code
// page) and inside a folder of such a name. On Windows the name on disk is checked
// through the system's wide calls with the name written as UTF-16 here, so a name
// that went through the ANSI code page on the way (and came out as other letters)
// fails.
#include "foundation/FileNames.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <filesystem>
#endif

namespace {

struct NameCase {
  const char* utf8;
  const wchar_t* wide;
};

// "Übersicht été" as the folder; the names inside it.
const NameCase kFolder = {
    "\xC3\x9C"
    "bersicht \xC3\xA9t\xC3\xA9",
    L"\u00DCbersicht \u00E9t\u00E9"};
const NameCase kNames[] = {
    {"plain.xpv", L"plain.xpv"},
    {"J\xC3\xB6rg \xC3\xA9t\xC3\xA9.xpv", L"J\u00F6rg \u00E9t\u00E9.xpv"},
    {"\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1 \xCF\x80\xCE\xBB\xCE\xAC\xCE\xBD\xCE\xBF.xpv",
     L"\u0391\u03B8\u03AE\u03BD\u03B1 \u03C0\u03BB\u03AC\u03BD\u03BF.xpv"},
    {"x\xC3\xA9t.xpv", L"x\u00E9t.xpv"},
};

// Whether the system holds a file of exactly this name, asked independently of the
// unit under test.
bool onDisk(const std::string& folderUtf8, const std::wstring& folderWide, const std::wstring& name) {
#ifdef _WIN32
  (void)folderUtf8;
  return GetFileAttributesW((folderWide + L"\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
#else
  (void)folderWide;
  std::string utf8;
  for (wchar_t c : name) {
    const auto cp = static_cast<uint32_t>(c);
    if (cp < 0x80) {
      utf8 += static_cast<char>(cp);
    } else if (cp < 0x800) {
      utf8 += static_cast<char>(0xC0 | (cp >> 6));
      utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (cp >> 12));
      utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return std::filesystem::exists(std::filesystem::path(folderUtf8) / utf8);
#endif
}

TEST(FileNames, FilesInAFolderOfAccentedNameKeepTheirNamesExactly) {
  // The test's own build folder holds everything it makes.
  const std::string here = PV::Files::currentFolder();
  ASSERT_FALSE(here.empty());
  const std::string folder = PV::Files::fullPath(std::string("file-names-test/") + kFolder.utf8);
  ASSERT_FALSE(folder.empty());
  ASSERT_TRUE(PV::Files::createFolders(folder)) << folder;
  EXPECT_TRUE(PV::Files::isFolder(folder));
#ifdef _WIN32
  const std::wstring folderWide = PV::Files::toWide(here) + L"\\file-names-test\\" + kFolder.wide;
  EXPECT_EQ(folder, PV::Files::fromWide(folderWide)) << "the full path is in the system's form, as typed";
#else
  const std::wstring folderWide;
#endif

  for (const NameCase& c : kNames) {
    const std::string path = folder + (folder.find('\\') != std::string::npos ? "\\" : "/") + c.utf8;
    std::FILE* out = PV::Files::open(path, "wb");
    ASSERT_NE(out, nullptr) << c.utf8;
    std::fputs(c.utf8, out);
    ASSERT_EQ(std::fclose(out), 0);
    EXPECT_TRUE(onDisk(folder, folderWide, c.wide)) << c.utf8 << ": not on disk under the name typed";
    EXPECT_TRUE(PV::Files::exists(path));
    EXPECT_FALSE(PV::Files::isFolder(path));

    std::FILE* in = PV::Files::open(path, "rb");
    ASSERT_NE(in, nullptr) << c.utf8;
    char text[128] = {};
    ASSERT_NE(std::fgets(text, sizeof text, in), nullptr);
    std::fclose(in);
    EXPECT_STREQ(text, c.utf8);

    EXPECT_TRUE(PV::Files::remove(path)) << c.utf8;
    EXPECT_FALSE(PV::Files::exists(path));
    EXPECT_FALSE(onDisk(folder, folderWide, c.wide));
  }
}

TEST(FileNames, FailuresAreAnswersNeverCrashes) {
  EXPECT_EQ(PV::Files::open("", "rb"), nullptr);
  EXPECT_EQ(PV::Files::open("no-such-folder/none.xpv", "rb"), nullptr);
  EXPECT_FALSE(PV::Files::remove(""));
  EXPECT_FALSE(PV::Files::remove("no-such-file.xpv"));
  EXPECT_FALSE(PV::Files::exists(""));
  EXPECT_EQ(PV::Files::fullPath(""), "");
  EXPECT_EQ(PV::Files::environment("PV_FILE_NAMES_TEST_UNSET"), "");
}

// A name with a component longer than the file system takes is told as too long, not
// as missing, for reading and for writing.
TEST(FileNames, AnOverlongNameIsToldAsTooLong) {
  const std::string longName(300, 'n');
  for (const char* mode : {"rb", "wb"}) {
    errno = 0;
    EXPECT_EQ(PV::Files::open(longName + ".xpv", mode), nullptr);
    EXPECT_EQ(errno, ENAMETOOLONG) << mode;
    errno = 0;
    EXPECT_EQ(PV::Files::open("folder/" + longName + "/a.xpv", mode), nullptr);
    EXPECT_EQ(errno, ENAMETOOLONG) << mode;
  }
}

TEST(FileNames, PathsShownInTheSystemsForm) {
#ifdef _WIN32
  EXPECT_EQ(PV::Files::nativeSeparators("c-ro\\ro/rep.pdf"), "c-ro\\ro\\rep.pdf");
  const std::string full = PV::Files::fullPath("c-ro\\ro/rep.pdf");
  EXPECT_EQ(full.find('/'), std::string::npos) << full;
  EXPECT_EQ(full.substr(full.size() - 15), "c-ro\\ro\\rep.pdf");
  // A name of an older list in the ANSI code page (not UTF-8) still names its file.
  EXPECT_EQ(PV::Files::toWide("caf\xE9"), L"caf\u00E9");
#else
  EXPECT_EQ(PV::Files::nativeSeparators("c-ro/ro/rep.pdf"), "c-ro/ro/rep.pdf");
#endif
}

}  // namespace
