// Operators, text and fonts: the bytes written into page content.
#include "PdfTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace pdftest;

namespace {

struct PageFixture : ::testing::Test {
  CpdfDocument* doc = nullptr;
  void SetUp() override {
    doc = openDocument();
    ASSERT_EQ(cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792"), 0);
  }
  void TearDown() override { cpdf_close(doc); }
  std::string content() { return pageContent(doc, 1); }
};

using Graphics = PageFixture;
using Text = PageFixture;
using Fonts = PageFixture;

}  // namespace

TEST_F(Graphics, OperatorLines) {
  cpdf_gsave(doc);
  cpdf_grestore(doc);
  cpdf_setrgbcolorfill(doc, 1.5f, 0, 0.25f);
  cpdf_grayStrokeG(doc, 0.5f);
  cpdf_lineWidthW(doc, 0.75f);
  cpdf_rawMoveto(doc, 100, 100);
  cpdf_pointsRelMove(doc, 5, -5);
  cpdf_rawRect(doc, 1, 2, 3.0005f, 4);
  cpdf_dashPattern(doc, "[2 3] 0");
  cpdf_pointsShift(doc, 10, 20);
  cpdf_eofillAndStroke(doc);
  EXPECT_EQ(content(),
            "\nq\nQ\n1.5000 0.0000 0.2500 rg\n0.5000 G\n0.7500 w\n100.000 100.000 m\n"
            "105.000 95.000 m\n1.000 2.000 3.000 4.000 re\n[2 3] 0 d\n"
            "1.0000 0.0000 0.0000 1.0000 10.0000 20.0000 cm\nB*\n");
}

TEST_F(Graphics, NonFiniteNumbersAreRefused) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  cpdf_rawMoveto(doc, 10, 10);
  cpdf_rawLineto(doc, nan, 1);
  cpdf_setrgbcolorfill(doc, 0, inf, 0);
  cpdf_pointsMatrixConcat(doc, 1, 0, 0, 1, -inf, 0);
  cpdf_rawRect(doc, 0, 0, 1e30f, 1);
  cpdf_pointsArc(doc, 0, 0, nan, 0, 90, 1);
  cpdf_beginText(doc);
  cpdf_rawText(doc, inf, 0, 0, "x");
  cpdf_endText(doc);
  EXPECT_EQ(content(), "10.000 10.000 m\n\nBT\nET\n");
  float x, y;
  cpdf_rawGetPosition(doc, &x, &y);
  EXPECT_EQ(x, 10.0f);
  EXPECT_TRUE(reported("Number is not finite: operator refused"));
}

TEST_F(Graphics, ArcSegments) {
  struct Case {
    float start, end;
    int curves;
  } cases[] = {{0, 360, 4}, {0, 90, 1}, {0, 91, 2}, {90, 0, 1}};
  for (const Case& c : cases) {
    cpdf_memStreamReset(doc->currentContent);
    cpdf_pointsArc(doc, 0, 0, 10, c.start, c.end, 1);
    std::string s = content();
    size_t curves = 0;
    for (size_t p = s.find(" c\n"); p != std::string::npos; p = s.find(" c\n", p + 1)) ++curves;
    EXPECT_EQ(curves, static_cast<size_t>(c.curves)) << c.start << ".." << c.end;
    EXPECT_EQ(s.compare(s.find('\n') - 1, 1, "m"), 0);
  }
  // Clockwise quarter from 90 to 0 ends at (10, 0).
  float x, y;
  cpdf_rawGetPosition(doc, &x, &y);
  EXPECT_NEAR(x, 10, 1e-3);
  EXPECT_NEAR(y, 0, 1e-3);
}

TEST_F(Text, EscapingAndOperators) {
  cpdf_beginText(doc);
  cpdf_textShowTj(doc, "a(b)c");
  cpdf_textShowTj(doc, "x\\y\rz\nw");
  cpdf_textNextLineShow(doc, "q");
  cpdf_charSpacingTc(doc, 1);
  cpdf_horizScaleTz(doc, 90);
  cpdf_textLeadingTL(doc, 12);
  cpdf_setTextRenderingMode(doc, 2);
  cpdf_endText(doc);
  EXPECT_EQ(content(), "\nBT\n(a\\(b\\)c) Tj\n(x\\\\y\\rz\nw) Tj\n(q) '\n1.000 Tc\n90.00 Tz\n12.00 TL\n2 Tr\nET\n");
}

TEST_F(Text, RawTextMatrix) {
  cpdf_beginText(doc);
  cpdf_rawText(doc, 72, 720, 0, "A");
  cpdf_rawText(doc, 10, 20, 90, "B");
  EXPECT_EQ(content(),
            "\nBT\n1.0000 0.0000 -0.0000 1.0000 72.0000 720.0000 Tm\n(A) Tj\n"
            "-0.0000 1.0000 -1.0000 -0.0000 10.0000 20.0000 Tm\n(B) Tj\n");
}

TEST_F(Text, AlignedTextCentresBothWays) {
  cpdf_setFont(doc, "Helvetica", nullptr, 10);
  float w = cpdf_stringWidth(doc, "AB");
  float capHalf = cpdf_fontCapHeightOf(doc) / 2;
  cpdf_memStreamReset(doc->currentContent);
  cpdf_pointsAlignedText(doc, 100, 100, 0, 4, "AB");
  cpdf_detail::Line l;
  l.text("1.0000 0.0000 -0.0000 1.0000 ").fixed(100 - w / 2, 4).text(" ").fixed(100 - capHalf, 4);
  l.text(" Tm\n(AB) Tj\n");
  EXPECT_EQ(content(), l.str());
}

TEST_F(Fonts, WidthsFromTheMetricTables) {
  cpdf_setFont(doc, "Helvetica", nullptr, 10);
  // Helvetica: A 667, space 278.
  EXPECT_FLOAT_EQ(cpdf_stringWidth(doc, "A A"), (2 * 667 + 278) * 10 * 0.001f * 0.01f * 100);
  cpdf_setFont(doc, "Bookman-Light", nullptr, 10);
  EXPECT_FLOAT_EQ(cpdf_stringWidth(doc, "\xBC"), 10.0f);  // Standard ellipsis, 1000 units
  cpdf_setFont(doc, "Bookman-Light", "WinAnsiEncoding", 10);
  EXPECT_FLOAT_EQ(cpdf_stringWidth(doc, "\x85"), 10.0f);  // WinAnsi ellipsis
  cpdf_setFont(doc, "Courier", "MacRomanEncoding", 10);
  EXPECT_FLOAT_EQ(cpdf_stringWidth(doc, "\xC9xy"), 18.0f);  // 600 each
  cpdf_wordSpacingTw(doc, 2);
  cpdf_charSpacingTc(doc, 1);
  EXPECT_FLOAT_EQ(cpdf_stringWidth(doc, "a b"), 18.0f + 2 * 1 + 2);
  cpdf_setFont(doc, "HeiseiMin-W3", "UniJIS-UCS2-H", 10);
  cpdf_wordSpacingTw(doc, 0);
  cpdf_charSpacingTc(doc, 0);
  EXPECT_FLOAT_EQ(cpdf_stringWidth(doc, "ab\x82\xA0"), 5 + 5 + 10);
}

TEST_F(Fonts, ResourcesPerNameAndEncoding) {
  cpdf_setFont(doc, "Helvetica", "WinAnsiEncoding", 10);
  cpdf_setFont(doc, "Helvetica", "WinAnsiEncoding", 12);
  cpdf_setFont(doc, "Helvetica", "MacRomanEncoding", 12);
  cpdf_setFont(doc, "Helvetica", nullptr, 12);
  EXPECT_EQ(content(), "/Fcpdf0 10.000 Tf\n/Fcpdf0 12.000 Tf\n/Fcpdf1 12.000 Tf\n/Fcpdf2 12.000 Tf\n");
  cpdf_setFont(doc, "No-Such-Font", nullptr, 9);
  EXPECT_TRUE(reported("Font not found: No-Such-Font >> substituting Times-Roman."));
  EXPECT_NE(content().find("/Fcpdf3 9.000 Tf\n"), std::string::npos);
  std::string pdf = finish(doc);
  EXPECT_NE(pdf.find("/BaseFont /Times-Roman\n"), std::string::npos);
  EXPECT_NE(pdf.find("/Fcpdf2 "), std::string::npos);
}

TEST(FontTable, FullTableIsRefused) {
  CpdfLimits limits = {0, 2, 0, 0, 0};
  CpdfDocument* doc = openDocument(false, &limits);
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  EXPECT_EQ(cpdf_setFont(doc, "Helvetica", nullptr, 10), 0);
  EXPECT_EQ(cpdf_setFont(doc, "Courier", nullptr, 10), 0);
  EXPECT_EQ(cpdf_setFont(doc, "Symbol", nullptr, 10), 1);
  EXPECT_TRUE(reported("Too many fonts in this PDF: 2. Increase limit by pdf_open()"));
  cpdf_close(doc);
}

TEST(Faults, OperatorsAfterRefusedPageDoNothing) {
  CpdfDocument* doc = openDocument(true);
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  cpdf_rawMoveto(doc, 1, 1);
  cpdf_finalizePage(doc, 1);
  EXPECT_EQ(cpdf_pageInit(doc, 100, 0, "0 0 612 792", "0 0 612 792"), -1);
  cpdf_rawLineto(doc, 2, 2);
  cpdf_beginText(doc);
  cpdf_setFont(doc, "Helvetica", nullptr, 10);
  cpdf_rawText(doc, 1, 1, 0, "lost");
  cpdf_endText(doc);
  cpdf_stroke(doc);
  EXPECT_TRUE(reported("No page is open for drawing"));
  std::string pdf = finish(doc);
  cpdf_close(doc);
  ASSERT_FALSE(pdf.empty());
  EXPECT_TRUE(xrefConsistent(pdf));
  EXPECT_EQ(pdf.find("/Font <<"), std::string::npos);
}

TEST(Faults, AllocationFailureIsAFailedStateNotAnExit) {
  CpdfDocument* doc = openDocument(true);
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  cpdf_detail::injectAllocationFailure(1);  // the next growth of the page content fails
  std::string big(400, 'x');
  cpdf_beginText(doc);
  cpdf_textShowTj(doc, big.c_str());
  EXPECT_TRUE(cpdf_failed(doc));
  EXPECT_TRUE(reported("Memory allocation failure"));
  cpdf_rawLineto(doc, 1, 1);  // nothing more is written, nothing crashes
  EXPECT_EQ(cpdf_finalizeAll(doc), CPDF_FAILED);
  EXPECT_EQ(cpdf_savePDFmemoryStreamToFile(doc, "failed.pdf"), CPDF_FAILED);
  cpdf_close(doc);

  // The compression buffer too.
  doc = openDocument(true);
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  cpdf_rawLineto(doc, 1, 1);
  cpdf_detail::injectAllocationFailure(1);
  cpdf_finalizePage(doc, 1);
  EXPECT_TRUE(cpdf_failed(doc));
  EXPECT_EQ(cpdf_finalizeAll(doc), CPDF_FAILED);
  cpdf_close(doc);
  cpdf_detail::injectAllocationFailure(0);
}

TEST(CjkFonts, TypeZeroWithDescendantAndCMap) {
  // The checkers here lack the CJK language packs, so the objects are checked directly.
  CpdfDocument* doc = openDocument();
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  cpdf_setFont(doc, "HeiseiMin-W3", nullptr, 12);
  std::string pdf = finish(doc);
  cpdf_close(doc);
  EXPECT_EQ(pdf.substr(0, 9), "%PDF-1.2\n");
  EXPECT_NE(pdf.find("/Subtype /Type0\n/Name /Fcpdf0\n/BaseFont /HeiseiMin-W3\n/Encoding /Identity-H\n"
                     "/DescendantFonts [ 9 0 R ]\n"),
            std::string::npos);
  EXPECT_NE(pdf.find("9 0 obj\n<<\n/Type /Font\n/Subtype /CIDFontType2\n/BaseFont /HeiseiMin-W3\n"
                     "/FontDescriptor 8 0 R\n/CIDSystemInfo << /Registry (Adobe) /Ordering (Japan1) "
                     "/Supplement 2 >>\n/DW 1000\n/W [ 1 95 500 231 632 500 ]\n"),
            std::string::npos);
  EXPECT_NE(pdf.find("/Style << /Panose <010502020400000000000000> >>\n"), std::string::npos);
  EXPECT_TRUE(xrefConsistent(pdf));
}

TEST(Faults, DefaultHandlerReportsWithoutEndingTheProcess) {
  CpdfDocument* doc = cpdf_open(0, nullptr);
  cpdf_globalHookSet(cpdf_defaultGlobalHook);
  ::testing::internal::CaptureStderr();
  cpdf_init(doc);
  cpdf_init(doc);  // a second init is a fatal usage error: reported, document failed
  std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(err, "pdf_init(): pdf_open() has not been called..\n");
  EXPECT_TRUE(cpdf_failed(doc));
  EXPECT_EQ(cpdf_finalizeAll(doc), CPDF_FAILED);
  cpdf_close(doc);
  cpdf_globalHookSet(recordingHook);
}

#ifdef _WIN32
#include <fcntl.h>
#include <stdlib.h>
TEST(Faults, NoProcessWideFileModeChange) {
  int before = _fmode;
  CpdfDocument* doc = openDocument();
  int after = _fmode;
  cpdf_close(doc);
  EXPECT_EQ(before, after);
  EXPECT_NE(after, _O_BINARY);
}
#endif
