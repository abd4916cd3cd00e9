// Images, annotations, outlines and external fonts.
#include "PdfTestSupport.h"

#include <cstdio>
#include <gtest/gtest.h>

using namespace pdftest;

namespace {

std::string dataFile(const char* name) { return std::string(PV_TEST_DATA_DIR) + "/pdf/" + name; }

struct Doc : ::testing::Test {
  CpdfDocument* doc = nullptr;
  void SetUp() override {
    doc = openDocument();
    ASSERT_EQ(cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792"), 0);
  }
  void TearDown() override { cpdf_close(doc); }
};

using Images = Doc;
using Annotations = Doc;
using Outlines = Doc;

}  // namespace

TEST_F(Images, InlineImageBytes) {
  const unsigned char rgb[6] = {1, 2, 3, 4, 5, 6};
  ASSERT_EQ(cpdf_rawPlaceInLineImage(doc, rgb, 6, 10, 20, 0.0005f, 30, 40, 2, 1, 8, CS_RGB, 0), 0);
  EXPECT_EQ(pageContent(doc, 1),
            "1.0000 0.0000 0.0000 1.0000 10.0000 20.0000 cm\n"
            "30.0000 0.0000 0.0000 40.0000 0.0000 0.0000 cm\n"
            "BI\n/W 2\n/H 1\n/BPC 8\n/ColorSpace /DeviceRGB\nID \x01\x02\x03\x04\x05\x06\nEI\n");
  cpdf_memStreamReset(doc->currentContent);
  cpdf_rawPlaceInLineImage(doc, rgb, 6, 10, 20, 0.002f, 30, 40, 2, 1, 8, CS_RGB, 1);
  std::string s = pageContent(doc, 1);
  EXPECT_EQ(s.substr(0, 3), "\nq\n");
  EXPECT_EQ(std::count(s.begin(), s.end(), 'm') >= 0, true);
  EXPECT_NE(s.find(" cm\n", s.find("20.0000 cm\n") + 11), std::string::npos);  // rotation
  EXPECT_EQ(s.substr(s.size() - 2), "Q\n");
}

TEST_F(Images, InlineImageNeedsTheExactByteCount) {
  const unsigned char bytes[8] = {};
  struct Case {
    int32_t count;
    int w, h, bpc, cs;
    int result;
  } cases[] = {{6, 2, 1, 8, CS_RGB, 0},   {5, 2, 1, 8, CS_RGB, -1},     {7, 2, 1, 8, CS_RGB, -1},
               {4, 9, 2, 1, CS_GRAY, 0},  {1, 9, 2, 1, IMAGE_MASK, -1}, {8, 2, 1, 8, CS_CMYK, 0},
               {1, 1, 1, 3, CS_GRAY, -1}, {0, 0, 1, 8, CS_GRAY, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(cpdf_rawPlaceInLineImage(doc, bytes, c.count, 0, 0, 0, 1, 1, c.w, c.h, c.bpc, c.cs, 0), c.result)
        << c.count << " bytes for " << c.w << "x" << c.h;
}

TEST_F(Images, JpegImportedOnceAndSized) {
  float w = 38, h = 0, sx = 0, sy = 0;  // 19 x 24 pixels
  ASSERT_EQ(pdf_rawImportImage(doc, dataFile("baseline.jpg").c_str(), 0, 100, 100, 0, &w, &h, &sx, &sy, 1), 0);
  EXPECT_FLOAT_EQ(sx, 2);
  EXPECT_FLOAT_EQ(sy, 2);
  EXPECT_FLOAT_EQ(h, 48);
  w = h = sx = sy = 0;
  ASSERT_EQ(pdf_rawImportImage(doc, dataFile("baseline.jpg").c_str(), 0, 200, 100, 0, &w, &h, &sx, &sy, 0), 0);
  EXPECT_FLOAT_EQ(w, 19);
  EXPECT_EQ(doc->images.size(), 1u);
  EXPECT_EQ(doc->pages[1].images.size(), 1u);
  std::string pdf = finish(doc);
  EXPECT_EQ(pdf.substr(0, 9), "%PDF-1.1\n");
  EXPECT_NE(pdf.find("/XObject <<\n/IMcpdf0 7 0 R\n>>"), std::string::npos);
  EXPECT_NE(pdf.find("/Filter /DCTDecode\n/BitsPerComponent 8\n/ColorSpace /DeviceRGB\n/Length 698\n"),
            std::string::npos);
  EXPECT_NE(pdf.find("[/PDF /Text /ImageC ]"), std::string::npos);
  EXPECT_TRUE(xrefConsistent(pdf));
}

TEST_F(Images, ProgressiveJpegRaisesTheVersion) {
  float w = 0, h = 0, sx = 0, sy = 0;
  ASSERT_EQ(pdf_rawImportImage(doc, dataFile("progressive.jpg").c_str(), 0, 0, 0, 0, &w, &h, &sx, &sy, 0), 0);
  EXPECT_EQ(finish(doc).substr(0, 9), "%PDF-1.3\n");
}

// The invert flag flips every colour component: one range per component.
TEST_F(Images, InvertedJpegDecodesEveryComponent) {
  struct Case {
    int components;
    const char* decode;
  } cases[] = {{1, "/Decode [1 0]\n"}, {3, "/Decode [1 0 1 0 1 0]\n"}, {4, "/Decode [1 0 1 0 1 0 1 0]\n"}};
  for (const Case& c : cases) {
    // A JPEG header only: start, one frame of 2 x 2 pixels, start of scan, end.
    std::string jpeg = "\xFF\xD8\xFF\xC0";
    const int length = 8 + 3 * c.components;
    jpeg += static_cast<char>(0);
    jpeg += static_cast<char>(length);
    jpeg += std::string("\x08\x00\x02\x00\x02", 5);
    jpeg += static_cast<char>(c.components);
    for (int k = 0; k < c.components; ++k) jpeg += std::string("\x01\x11\x00", 3);
    jpeg += std::string("\xFF\xDA\x00\x02\xFF\xD9", 6);
    const std::string name = "inverted" + std::to_string(c.components) + ".jpg";
    FILE* f = std::fopen(name.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(jpeg.data(), 1, jpeg.size(), f);
    std::fclose(f);
    CpdfDocument* d = openDocument();
    ASSERT_EQ(cpdf_pageInit(d, 1, 0, "0 0 612 792", "0 0 612 792"), 0);
    float w = 0, h = 0, sx = 0, sy = 0;
    ASSERT_EQ(pdf_rawImportImage(d, name.c_str(), 0, 0, 0, 0, &w, &h, &sx, &sy, 4), 0);
    const std::string pdf = finish(d);
    cpdf_close(d);
    std::remove(name.c_str());
    EXPECT_NE(pdf.find(c.decode), std::string::npos) << c.components << " components";
  }
}

TEST_F(Images, RefusedImports) {
  float w = 0, h = 0, sx = 0, sy = 0;
  EXPECT_EQ(pdf_rawImportImage(doc, "missing.jpg", 0, 0, 0, 0, &w, &h, &sx, &sy, 0), -1);
  EXPECT_TRUE(reported("Can't open image file: missing.jpg"));
  EXPECT_EQ(pdf_rawImportImage(doc, dataFile("notajpeg.jpg").c_str(), 0, 0, 0, 0, &w, &h, &sx, &sy, 0), -2);
  EXPECT_TRUE(reported("Not a JPEG file"));
  EXPECT_EQ(pdf_rawImportImage(doc, "x.tif", 3, 0, 0, 0, &w, &h, &sx, &sy, 0), -1);
  EXPECT_TRUE(reported("LIBTIFF library support is not compiled in."));
  EXPECT_EQ(pdf_rawImportImage(doc, "x", 7, 0, 0, 0, &w, &h, &sx, &sy, 0), -4);
}

TEST(JpegHeader, LengthsAreCheckedAgainstTheData) {
  using cpdf_detail::JpegInfo;
  using cpdf_detail::readJpegHeaderBytes;
  struct Case {
    std::vector<uint8_t> bytes;
    int result;
  } cases[] = {
      {{0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x0B, 8, 0, 2, 0, 3, 1, 1, 0x11, 0, 0xFF, 0xDA}, 218},
      {{0xFF, 0xD8, 0xFF, 0xC0, 0xFF, 0xFF}, -2},                                // length past the end
      {{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x01}, -2},                                // length below 2
      {{0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x0B, 8, 0, 2, 0, 3, 3, 1, 0x11, 0}, -2},  // bogus SOF length
      {{0xFF, 0xD8, 0x00, 0x00, 0xFF, 0xD9}, 217},                               // garbage, then EOI
      {{0xFF, 0xD8, 0xFF}, -2},
      {{0x89, 0x50}, -2},
  };
  cpdf_globalHookSet(recordingHook);
  for (const Case& c : cases) {
    JpegInfo info;
    EXPECT_EQ(readJpegHeaderBytes(c.bytes.data(), c.bytes.size(), info), c.result);
  }
  EXPECT_TRUE(reported("Warning: garbage data found in JPEG file"));
  EXPECT_TRUE(reported("Bogus SOF marker length"));
  EXPECT_TRUE(reported("Erroneous JPEG marker length"));
  EXPECT_TRUE(reported("Premature EOF in JPEG file"));
}

TEST_F(Annotations, LinkDefaultsAndEscapedAddress) {
  pdf_rawSetActionURL(doc, 10.4f, 20.5f, 30.6f, 40, "http://x.org/a(1)\\", nullptr);
  std::string pdf = finish(doc);
  EXPECT_NE(pdf.find("/Subtype /Link\n/Rect [10 20 31 40]\n/A << /S /URI\n/URI (http://x.org/a\\(1\\)\\\\)\n>>\n"
                     "/Border [0 0 0]\n/C [0.0000 0.0000 1.0000]\n/F 0\n"),
            std::string::npos);
  EXPECT_NE(pdf.find("/Annots [ 7 0 R ]"), std::string::npos);
}

TEST_F(Annotations, NotesStylesAndLimits) {
  CpdfAnnotationStyle style = {4, nullptr, "/W 2 /S /D", 1, 0, 0};
  pdf_rawSetAnnotation(doc, 0, 0, 10, 10, "Title", "line (1)\nline 2", nullptr);
  pdf_rawSetLinkAction(doc, 0, 0, 10, 10, "/S /Named /N /NextPage", &style);
  pdf_rawSetLinkGoToPage(doc, 0, 0, 10, 10, 1, "/Fit", nullptr);
  pdf_rawSetLinkGoToPage(doc, 0, 0, 10, 10, 3, "/Fit", nullptr);  // no page 3
  std::string pdf = finish(doc);
  EXPECT_NE(pdf.find("/Subtype /Text\n/Rect [0 0 10 10]\n/T (Title)\n/Contents (line \\(1\\)\\r\\nline 2)\n"
                     "/Border [0 0 1]\n/C [1.0000 1.0000 0.0000]\n"),
            std::string::npos);
  EXPECT_NE(pdf.find("/A <<\n/S /Named /N /NextPage\n>>\n/BS <<\n/W 2 /S /D\n>>\n/C [1.0000 0.0000 0.0000]\n/F 4\n"),
            std::string::npos);
  EXPECT_NE(pdf.find("/Dest [5 0 R /Fit]\n/Border [0 0 1]\n"), std::string::npos);
  EXPECT_TRUE(reported("Page 3 has not yet been created for link."));
  EXPECT_TRUE(xrefConsistent(pdf));
}

TEST(AnnotationTable, The101stIsRefused) {
  CpdfDocument* doc = openDocument();
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  for (int i = 0; i < 101; ++i) pdf_rawSetActionURL(doc, 0, 0, 1, 1, "http://x", nullptr);
  EXPECT_EQ(doc->annotations.size(), 100u);
  EXPECT_TRUE(reported("too many annotations in this PDF: 100"));
  cpdf_close(doc);
}

TEST_F(Outlines, ChildrenAreLinkedAndCounted) {
  cpdf_pageInit(doc, 2, 0, "0 0 612 792", "0 0 612 792");
  EXPECT_EQ(pdf_addOutlineEntry(doc, nullptr, 0, 1, 3, "late", 2, 0, 0, 0, 0), nullptr);
  EXPECT_TRUE(reported("Page 3 has not yet been created for outline (book mark)."));
  CpdfOutlineEntry* top = pdf_addOutlineEntry(doc, nullptr, 0, 0, 1, "Top (closed)", 2, 0, 0, 0, 0);
  CpdfOutlineEntry* a = pdf_addOutlineEntry(doc, top, 1, 1, 1, "A", 1, 72, 720, 1.5f, 0);
  CpdfOutlineEntry* b = pdf_addOutlineEntry(doc, top, 1, 1, 2, "B", 3, 700, 0, 0, 0);
  CpdfOutlineEntry* next = pdf_addOutlineEntry(doc, top, 0, 1, 2, "Next", 2, 0, 0, 0, 0);
  ASSERT_TRUE(top && a && b && next);
  EXPECT_EQ(a->next, b);
  EXPECT_EQ(b->prev, a);
  EXPECT_EQ(top->first, a);
  EXPECT_EQ(top->last, b);
  std::string pdf = finish(doc);
  // Preorder: top 9, A 10, B 11, Next 12; the closed parent counts -2.
  EXPECT_NE(pdf.find("/Type /Outlines\n/Count 2\n/First 9 0 R\n/Last 12 0 R\n"), std::string::npos);
  EXPECT_NE(pdf.find("9 0 obj\n<<\n/Parent 2 0 R\n/Dest [5 0 R /Fit]\n/Title (Top \\(closed\\))\n"
                     "/Next 12 0 R\n/First 10 0 R\n/Last 11 0 R\n/Count -2\n"),
            std::string::npos);
  EXPECT_NE(pdf.find("10 0 obj\n<<\n/Parent 9 0 R\n/Dest [5 0 R /XYZ 72 720 1.500]\n/Title (A)\n/Next 11 0 R\n>>"),
            std::string::npos);
  EXPECT_NE(pdf.find("11 0 obj\n<<\n/Parent 9 0 R\n/Dest [7 0 R /FitH 700]\n/Title (B)\n/Prev 10 0 R\n>>"),
            std::string::npos);
  EXPECT_TRUE(xrefConsistent(pdf));
}
