// Sample documents for the external checkers (see check_samples.sh): each is written
// with its expectations; the structure is checked here too.
#include "PdfTestSupport.h"

#include <gtest/gtest.h>

using namespace pdftest;

namespace {

void save(const std::string& name, const std::string& pdf, const std::string& expectations) {
  ASSERT_FALSE(pdf.empty());
  std::string why;
  EXPECT_TRUE(xrefConsistent(pdf, &why)) << name << ": " << why;
  writeSample(name + ".pdf", pdf);
  writeSample(name + ".expect", expectations);
}

}  // namespace

TEST(Samples, TextPathsImageAndLink) {
  CpdfDocument* doc = openDocument(true);
  cpdf_infoTitle(doc, "Sample (text) \\ paths");
  cpdf_infoAuthor(doc, "Tester");
  for (int page = 1; page <= 2; ++page) {
    ASSERT_EQ(cpdf_pageInit(doc, page, 0, "0 0 612 792", "0 0 612 792"), 0);
    cpdf_setrgbcolorfill(doc, 0.8f, 0.8f, 0.9f);
    cpdf_rawRect(doc, 72, 600, 468, 40);
    cpdf_fill(doc);
    cpdf_setrgbcolorStroke(doc, 0, 0, 0);
    cpdf_lineWidthW(doc, 0.5f);
    cpdf_rawMoveto(doc, 72, 590);
    cpdf_rawLineto(doc, 540, 590);
    cpdf_stroke(doc);
    cpdf_pointsCircle(doc, 300, 400, 50);
    cpdf_pointsArc(doc, 300, 250, 40, 0, 270, 1);
    cpdf_stroke(doc);
    cpdf_beginText(doc);
    cpdf_setFont(doc, "Bookman-Light", nullptr, 14);
    cpdf_setrgbcolorfill(doc, 0, 0, 0);
    cpdf_rawText(doc, 80, 612, 0, page == 1 ? "Palvermontine (sample) page one"
                                            : "Second page");
    cpdf_setFont(doc, "Bookman-Light", "WinAnsiEncoding", 11);
    cpdf_rawText(doc, 80, 560, 0, "Caf\xE9 au lait");
    cpdf_setFont(doc, "Helvetica-Bold", "WinAnsiEncoding", 11);
    cpdf_setTextRenderingMode(doc, 2);
    cpdf_rawText(doc, 80, 540, 0, "Bold heading");
    cpdf_setTextRenderingMode(doc, 0);
    cpdf_setFont(doc, "Symbol", nullptr, 11);
    cpdf_rawText(doc, 80, 520, 0, "\xDC\xDE\xDB");
    cpdf_setFont(doc, "Times-Roman", "MacRomanEncoding", 11);
    cpdf_pointsAlignedText(doc, 306, 500, 0, 4, "Centred");
    cpdf_rawText(doc, 500, 300, 90, "Turned");
    cpdf_endText(doc);
    const unsigned char rgb[2 * 2 * 3] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
    ASSERT_EQ(cpdf_rawPlaceInLineImage(doc, rgb, sizeof rgb, 72, 700, 0, 40, 40, 2, 2, 8,
                                       CS_RGB, 1), 0);
    if (page == 2) pdf_rawSetActionURL(doc, 80, 535, 200, 555, "https://example.org/a(b)", nullptr);
    cpdf_finalizePage(doc, page);
  }
  std::string pdf = finish(doc);
  cpdf_close(doc);
  save("text-paths-image-link", pdf,
       "pages 2\ntext Palvermontine (sample) page one\ntext Second page\ntext Caf\xC3\xA9 au lait\n"
       "text Bold heading\ntext Centred\nfont Bookman-Light\nfont Helvetica-Bold\nfont Symbol\n"
       "font Times-Roman\nurl https://example.org/a(b)\n");
}
