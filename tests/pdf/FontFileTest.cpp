// External Type 1 fonts: PFM metrics, PFB font files, the font map.
#include "PdfTestSupport.h"

#include "pdf/cpdfFontTables.h"

#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

using namespace pdftest;

namespace {

const char* kUrwFont = "/usr/share/fonts/type1/urw-base35/NimbusSans-Regular.t1";

void put16(std::string& b, size_t at, int v) {
  b[at] = static_cast<char>(v & 255);
  b[at + 1] = static_cast<char>((v >> 8) & 255);
}
void put32(std::string& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 255);
}

// A Windows PFM for a PostScript font, with Helvetica's widths for codes 32..255.
std::string makePfm(const char* fontName) {
  std::string b(668, '\0');
  put16(b, 0, 0x100);
  put16(b, 66, 0x81);
  put16(b, 74, 718);   // ascent
  put16(b, 93, 1015);  // maximum width
  b[95] = 32;
  b[96] = static_cast<char>(255);
  put32(b, 101, 147);
  std::memcpy(&b[147], "PostScript", 10);
  put16(b, 117, 30);
  put32(b, 119, 180);
  put32(b, 123, 220);
  put32(b, 139, 668);
  put16(b, 180, 52);
  put16(b, 194, 718);  // cap height
  put16(b, 196, 523);  // x height
  put16(b, 200, 207);  // lower-case descent
  for (int c = 32; c <= 255; ++c)
    put16(b, 220 + 2 * static_cast<size_t>(c - 32), cpdf_tables::kBuiltinFonts[0].widths[c]);
  b += fontName;
  b += '\0';
  return b;
}

// The URW font file (cleartext, binary eexec part, zeros and cleartomark) as a PFB.
bool makePfb(std::string& pfb) {
  std::string t1;
  if (!cpdf_detail::readWholeFile(kUrwFont, t1)) return false;
  size_t e = t1.find("eexec");
  size_t mark = t1.rfind("cleartomark");
  if (e == std::string::npos || mark == std::string::npos) return false;
  e += 5;
  while (e < t1.size() && (t1[e] == '\r' || t1[e] == '\n')) ++e;
  size_t z = mark;
  while (z > e && (t1[z - 1] == '0' || t1[z - 1] == '\r' || t1[z - 1] == '\n')) --z;
  std::string parts[3] = {t1.substr(0, e), t1.substr(e, z - e), t1.substr(z)};
  const int types[3] = {1, 2, 1};
  pfb.clear();
  for (int i = 0; i < 3; ++i) {
    std::string head(6, '\0');
    head[0] = static_cast<char>(128);
    head[1] = static_cast<char>(types[i]);
    put32(head, 2, static_cast<uint32_t>(parts[i].size()));
    pfb += head + parts[i];
  }
  pfb += std::string("\x80\x03", 2);
  return true;
}

void writeFile(const std::string& path, const std::string& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

}  // namespace

TEST(FontFiles, PfbSectionsAreCheckedAgainstTheFile) {
  cpdf_globalHookSet(recordingHook);
  std::string ok = std::string("\x80\x01\x03\0\0\0a\rb\x80\x02\x02\0\0\0\x01\x02\x80\x01\x01\0\0\0z", 24);
  FontFile file;
  ASSERT_EQ(cpdf_detail::readPfbBytes(reinterpret_cast<const uint8_t*>(ok.data()), ok.size(), "ok", file), 0);
  EXPECT_EQ(file.data, std::string("a\nb\x01\x02z", 6));
  EXPECT_EQ(file.length1 + file.length2 + file.length3, 6);
  struct Case {
    std::string bytes;
    int code;
    const char* message;
  } cases[] = {
      {std::string("\x81\x01\x03\0\0\0abc", 9), 2,
       "ReadPFB - Bad magic number: 129 (128 expected) in section 1 of file f"},
      {std::string("\x80\x02\x03\0\0\0abc", 9), 3, "ReadPFB - Unexpected type: 2 (1 expected) in section 1 of file f"},
      {std::string("\x80\x01\xFF\xFF\xFF\x7F"
                   "abc",
                   9),
       4, "ReadPFB - ASCII section-1 read error: f"},
      {std::string("\x80\x01\x01\0\0\0a\x80\x02\x00\x00\x01\x00\x01", 13), 5,
       "ReadPFB - BINARY section-2 read error: f"},
  };
  for (const Case& c : cases) {
    reports().clear();
    EXPECT_EQ(cpdf_detail::readPfbBytes(reinterpret_cast<const uint8_t*>(c.bytes.data()), c.bytes.size(), "f", file),
              c.code);
    EXPECT_TRUE(reported(c.message)) << c.message;
  }
}

TEST(FontFiles, PfmOffsetsAreCheckedAgainstTheFile) {
  cpdf_globalHookSet(recordingHook);
  std::string good = makePfm("PvTestSans");
  CpdfExternalFont font;
  ASSERT_EQ(cpdf_detail::readPfmBytes(reinterpret_cast<const uint8_t*>(good.data()), good.size(), "p", font), 0);
  EXPECT_EQ(font.descriptor->fontName, "PvTestSans");
  EXPECT_EQ(font.descriptor->capHeight, 718);
  EXPECT_EQ(font.widths[65], 667);
  struct Case {
    size_t at;
    uint32_t value;
  } corruptions[] = {{101, 0xFFFFFF00u}, {119, 660}, {123, 600}, {139, 5000}, {0, 0x200}};
  for (const Case& c : corruptions) {
    std::string bad = good;
    if (c.at == 0)
      put16(bad, 0, static_cast<int>(c.value));
    else
      put32(bad, c.at, c.value);
    CpdfExternalFont f;
    EXPECT_EQ(cpdf_detail::readPfmBytes(reinterpret_cast<const uint8_t*>(bad.data()), bad.size(), "p", f), 2)
        << "offset " << c.at;
  }
  CpdfExternalFont f;
  EXPECT_EQ(cpdf_detail::readPfmBytes(reinterpret_cast<const uint8_t*>(good.data()), 100, "p", f), 2);
  EXPECT_TRUE(reported("ReadPFM - Not a valid Type1 PFM file:  p"));
}

TEST(FontFiles, EmbeddedFontSampleAndFontMap) {
  std::string pfb;
  if (!makePfb(pfb)) GTEST_SKIP() << "no URW font at " << kUrwFont;
  writeFile("PvTestSans.pfm", makePfm("NimbusSans-Regular"));
  writeFile("PvTestSans.pfb", pfb);
  writeFile("pvtest-fontmap.lst",
            "# test map\n$Font_Directories (.) (.)\nMappedSans (PvTestSans.pfm) (PvTestSans.pfb)\n"
            "Broken (only-one.pfm)\n");
  CpdfDocument* doc = openDocument(true);
  cpdf_fontMapFileSet(doc, "pvtest-fontmap.lst");
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  cpdf_beginText(doc);
  ASSERT_EQ(cpdf_setFont(doc, "PvTestSans", "WinAnsiEncoding", 24), 0);
  EXPECT_FLOAT_EQ(cpdf_stringWidth(doc, "A"), 667 * 24 * 0.001f);
  cpdf_rawText(doc, 72, 700, 0, "Embedded Type one");
  ASSERT_EQ(cpdf_setFont(doc, "PvTestSans", nullptr, 12), 0);  // shares the font file
  cpdf_rawText(doc, 72, 650, 0, "Same font again");
  ASSERT_EQ(cpdf_setFont(doc, "MappedSans", nullptr, 12), 0);  // through the font map
  cpdf_rawText(doc, 72, 600, 0, "Through the map");
  cpdf_endText(doc);
  EXPECT_EQ(doc->externalFonts.size(), 2u);
  std::string pdf = finish(doc);
  cpdf_close(doc);
  size_t files = 0;
  for (size_t p = pdf.find("/Length1 "); p != std::string::npos; p = pdf.find("/Length1 ", p + 1)) ++files;
  EXPECT_EQ(files, 2u);  // one per loaded font, shared between its encodings
  writeSample("embedded-font.pdf", pdf);
  writeSample("embedded-font.expect",
              "text Embedded Type one\ntext Same font again\ntext Through the map\nfont NimbusSans-Regular\n");
  EXPECT_TRUE(xrefConsistent(pdf));

  doc = openDocument();
  cpdf_fontMapFileSet(doc, "pvtest-fontmap.lst");
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  cpdf_setFont(doc, "Broken", nullptr, 12);
  EXPECT_TRUE(reported("Syntax error in fontmap file: pvtest-fontmap.lst"));
  cpdf_fontMapFileSet(doc, "no-such-map.lst");
  cpdf_setFont(doc, "Other", nullptr, 12);
  EXPECT_TRUE(reported("Fontmap file not found: no-such-map.lst"));
  cpdf_close(doc);
}
