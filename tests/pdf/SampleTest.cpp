// Sample documents for the external checkers (see check_samples.sh): each is written
// with its expectations; the structure is checked here too.
#include "PdfTestSupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

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
    cpdf_rawText(doc, 80, 612, 0, page == 1 ? "Palvermontine (sample) page one" : "Second page");
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
    ASSERT_EQ(cpdf_rawPlaceInLineImage(doc, rgb, sizeof rgb, 72, 700, 0, 40, 40, 2, 2, 8, CS_RGB, 1), 0);
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

TEST(Samples, ImagesOutlinesAxesAndCjk) {
  CpdfDocument* doc = openDocument(true);
  CpdfViewerSettings viewer = {1, 0, 0, 0, 1, 0, 1, 0};
  cpdf_viewerPrefsSet(doc, &viewer);
  std::string jpegs[2] = {std::string(PV_TEST_DATA_DIR) + "/pdf/baseline.jpg",
                          std::string(PV_TEST_DATA_DIR) + "/pdf/progressive.jpg"};
  ASSERT_EQ(cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792"), 0);
  float w = 190, h = 0, sx = 0, sy = 0;
  ASSERT_EQ(pdf_rawImportImage(doc, jpegs[0].c_str(), 0, 72, 500, 0, &w, &h, &sx, &sy, 1), 0);
  w = h = sx = sy = 0;
  sx = 5;
  ASSERT_EQ(pdf_rawImportImage(doc, jpegs[1].c_str(), 0, 300, 500, 15, &w, &h, &sx, &sy, 1), 0);
  cpdf_beginText(doc);
  cpdf_setFont(doc, "Palatino-Roman", "WinAnsiEncoding", 16);
  cpdf_rawText(doc, 72, 720, 0, "Images and outlines");
  cpdf_endText(doc);
  const unsigned char mask[2] = {0xA5, 0x5A};
  ASSERT_EQ(cpdf_rawPlaceInLineImage(doc, mask, 2, 72, 400, 0, 32, 32, 8, 2, 1, IMAGE_MASK, 1), 0);
  pdf_rawSetAnnotation(doc, 400, 700, 420, 720, "Note", "A note (with\nlines)", nullptr);

  ASSERT_EQ(cpdf_pageInit(doc, 2, 0, "0 0 612 792", "0 0 612 792"), 0);
  CpdfPlotDomain* dom = cpdf_newPlotDomain(100, 400, 400, 250, 0, 10, 1, 1000, 0, 1, 0);
  CpdfPlotDomain* pageDomain = pdf_setPlotDomain(doc, dom);
  cpdf_domainGrayBackground(dom, 0.95f);
  cpdf_paintDomainMesh(dom);
  CpdfAxis* x = cpdf_newAxis(0, 400, 0, 0, 10);
  cpdf_bindAxisDomain(x, dom, 0, 0);
  cpdf_axisTitleText(x, "Time of day", "Helvetica", nullptr, 12);
  cpdf_paintAxis(x);
  CpdfAxis* y = cpdf_newAxis(90, 250, 1, 1, 1000);
  cpdf_bindAxisDomain(y, dom, 0, 0);
  cpdf_axisNumberFormat(y, "%.0f", "Helvetica", 10, "WinAnsiEncoding");
  cpdf_axisTitleText(y, "Count", "Helvetica", nullptr, 12);
  cpdf_paintAxis(y);
  cpdf_setrgbcolorStroke(doc, 1, 0, 0);
  cpdf_moveto(doc, 0, 1);
  cpdf_lineto(doc, 10, 1000);
  cpdf_stroke(doc);
  pdf_setPlotDomain(doc, pageDomain);
  cpdf_axisFree(x);
  cpdf_axisFree(y);
  cpdf_plotDomainFree(dom);
  pdf_rawSetLinkGoToPage(doc, 72, 72, 200, 90, 1, "/Fit", nullptr);

  ASSERT_EQ(cpdf_pageInit(doc, 3, 2, "0 0 612 792", "0 0 612 792"), 0);  // turned 90
  struct tm start {
  }, end{};
  start.tm_year = end.tm_year = 126;
  start.tm_mday = 1;
  end.tm_mon = 5;
  end.tm_mday = 1;
  CpdfPlotDomain* timeDom = cpdf_newTimePlotDomain(100, 300, 400, 200, &start, &end, 0, 50, 0, 0, 0);
  pageDomain = pdf_setPlotDomain(doc, timeDom);
  cpdf_paintDomainMesh(timeDom);
  CpdfAxis* t = cpdf_newTimeAxis(0, 400, 2, &start, &end);
  cpdf_bindAxisDomain(t, timeDom, 0, 0);
  cpdf_axisTitleText(t, "Months of 2026", "Times-Roman", nullptr, 12);
  cpdf_paintAxis(t);
  pdf_setPlotDomain(doc, pageDomain);
  cpdf_axisFree(t);
  cpdf_plotDomainFree(timeDom);

  CpdfOutlineEntry* top = pdf_addOutlineEntry(doc, nullptr, 0, 1, 1, "Images", 2, 0, 0, 0, 0);
  pdf_addOutlineEntry(doc, top, 1, 0, 1, "JPEG", 1, 72, 720, 0, 0);
  pdf_addOutlineEntry(doc, top, 1, 0, 2, "Axes (chart)", 2, 0, 0, 0, 0);
  cpdf_outlineEntryWithAction(doc, top, 0, 1, "/S /URI /URI (https://example.org/)", "Web");
  std::string pdf = finish(doc);
  cpdf_close(doc);
  EXPECT_EQ(pdf.substr(0, 9), "%PDF-1.3\n");
  save("images-outlines-axes", pdf,
       "pages 3\ntext Months of 2026\ntext Feb\ntext Images and outlines\ntext Time of day\ntext Count\ntext 1000\n"
       "font Palatino-Roman\nfont Helvetica\n");
}

// Image data holding "EI" between blanks (here the pixels 32 69 73 and 32 40 40) would
// end early for readers that scan for the end marker, and the rest of the page be read
// as operators: such data are written in hexadecimal, which decodes to the same pixels,
// and the page holds the marker once. Data without it stay binary. qpdf, run over the
// sample by check_samples.sh, reads the page without a warning.
TEST(Samples, InlineImageDataHoldingTheEndMarker) {
  CpdfDocument* doc = openDocument(false);
  ASSERT_EQ(cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792"), 0);
  unsigned char logo[4 * 4 * 3];
  for (size_t k = 0; k < sizeof logo; ++k) logo[k] = static_cast<unsigned char>(200 - 7 * k);
  const unsigned char marker[6] = {32, 69, 73, 32, 40, 40};
  std::memcpy(logo + 12, marker, sizeof marker);
  ASSERT_EQ(cpdf_rawPlaceInLineImage(doc, logo, sizeof logo, 72, 600, 0, 64, 64, 4, 4, 8, CS_RGB, 1), 0);
  const std::string content = pageContent(doc, 1);
  cpdf_beginText(doc);
  cpdf_setFont(doc, "Helvetica", "WinAnsiEncoding", 12);
  cpdf_rawText(doc, 72, 560, 0, "Text after the image");
  cpdf_endText(doc);

  size_t ends = 0;
  for (size_t at = content.find("EI"); at != std::string::npos; at = content.find("EI", at + 1)) ++ends;
  EXPECT_EQ(ends, 1u) << content;
  EXPECT_NE(content.find("/F /AHx\nID "), std::string::npos) << content;
  const size_t begin = content.find("ID ") + 3, end = content.find('>', begin);
  std::string decoded, digits;
  for (size_t k = begin; k < end && k < content.size(); ++k)
    if (std::isxdigit(static_cast<unsigned char>(content[k]))) digits += content[k];
  for (size_t k = 0; k + 1 < digits.size(); k += 2)
    decoded += static_cast<char>(std::stoi(digits.substr(k, 2), nullptr, 16));
  EXPECT_EQ(decoded, std::string(reinterpret_cast<const char*>(logo), sizeof logo));

  const unsigned char plain[2 * 2 * 3] = {32, 69, 32, 73, 32, 40, 1, 2, 3, 4, 5, 6};
  ASSERT_EQ(cpdf_rawPlaceInLineImage(doc, plain, sizeof plain, 72, 400, 0, 32, 32, 2, 2, 8, CS_RGB, 1), 0);
  const std::string after = pageContent(doc, 1);
  EXPECT_EQ(after.find("/F /AHx", content.size()), std::string::npos);
  EXPECT_NE(after.find(std::string(reinterpret_cast<const char*>(plain), sizeof plain)), std::string::npos);
  cpdf_finalizePage(doc, 1);
  std::string pdf = finish(doc);
  cpdf_close(doc);
  save("inline-image-end-marker", pdf, "pages 1\ntext Text after the image\n");
}
