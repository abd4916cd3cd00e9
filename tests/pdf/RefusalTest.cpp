// What the writer refuses from a careless or hostile caller: numbers it cannot write,
// texts that would become malformed PDF syntax, sizes that would overflow, and a plot
// domain freed while current. A refused call leaves the document as it was and is
// reported; every document here ends readable (the samples go to the external checkers).
#include "PdfTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

using namespace pdftest;

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kHuge = 1e20f;

CpdfDocument* pageOne() {
  CpdfDocument* doc = openDocument();
  EXPECT_EQ(cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792"), 0);
  cpdf_setFont(doc, "Helvetica", "WinAnsiEncoding", 12);
  return doc;
}

// Everything a refused call could have touched.
struct Snapshot {
  std::string content;
  size_t annotations, outlines;
  float duration, x, y, matrix[6], fontSize;
  int font;
  std::string dash;
  explicit Snapshot(CpdfDocument* doc)
      : content(pageContent(doc, 1)),
        annotations(doc->annotations.size()),
        outlines(doc->outlineStore.size()),
        duration(doc->pages[1].duration),
        x(doc->curX),
        y(doc->curY),
        fontSize(doc->fontSize),
        font(doc->currentFont) {
    std::memcpy(matrix, doc->textMatrix, sizeof matrix);
  }
  bool operator==(const Snapshot& o) const {
    return content == o.content && annotations == o.annotations && outlines == o.outlines && duration == o.duration &&
           x == o.x && y == o.y && fontSize == o.fontSize && font == o.font &&
           std::memcmp(matrix, o.matrix, sizeof matrix) == 0;
  }
};

struct RefusedCall {
  const char* name;
  std::function<void(CpdfDocument*)> call;
};

void expectAllRefused(const std::vector<RefusedCall>& calls, const char* sample) {
  CpdfDocument* doc = pageOne();
  cpdf_rawMoveto(doc, 5, 6);
  // Each call's later operators are the ones refused: its first ones were written and
  // must be taken back.
  for (const RefusedCall& c : calls) {
    SCOPED_TRACE(c.name);
    cpdf_switchPage(doc, 1);  // a refused page start leaves no page open
    reports().clear();
    Snapshot before(doc);
    c.call(doc);
    EXPECT_TRUE(Snapshot(doc) == before) << "the document changed";
    EXPECT_FALSE(reports().empty()) << "the refusal was not reported";
  }
  std::string pdf = finish(doc);
  cpdf_close(doc);
  EXPECT_TRUE(xrefConsistent(pdf));
  EXPECT_EQ(pdf.find("/Dur"), std::string::npos);
  writeSample(sample, pdf);
}

}  // namespace

TEST(Refusal, NumbersAreWrittenAllOrNone) {
  CpdfAnnotationStyle hugeColour = {0, "[0 0 1]", nullptr, 0, kHuge, 0};
  expectAllRefused(
      {
          {"page duration of infinity", [](CpdfDocument* d) { cpdf_pageDurationSet(d, kInf); }},
          {"huge page duration", [](CpdfDocument* d) { cpdf_pageDurationSet(d, kHuge); }},
          {"annotation colour", [&](CpdfDocument* d) { pdf_rawSetAnnotation(d, 0, 0, 10, 10, "t", "c", &hugeColour); }},
          {"outline destination",
           [](CpdfDocument* d) { pdf_addOutlineEntry(d, nullptr, 0, 1, 1, "o", 5, 0, 0, kHuge, 1); }},
          {"outline XYZ zoom",
           [](CpdfDocument* d) { pdf_addOutlineEntry(d, nullptr, 0, 1, 1, "o", 1, 0, 0, kInf, 0); }},
          {"text at a huge place", [](CpdfDocument* d) { cpdf_rawText(d, kHuge, 10, 0, "x"); }},
          {"aligned text", [](CpdfDocument* d) { cpdf_pointsAlignedText(d, 10, kHuge, 0, 4, "x"); }},
          {"text matrix", [](CpdfDocument* d) { cpdf_textMatrixTm(d, 1, 0, 0, 1, kHuge, 0); }},
          {"word spacing", [](CpdfDocument* d) { cpdf_wordSpacingTw(d, kHuge); }},
          {"font size", [](CpdfDocument* d) { cpdf_setFont(d, "Courier", nullptr, kInf); }},
          {"circle of huge radius", [](CpdfDocument* d) { cpdf_pointsCircle(d, -5e14f, 0, 6e14f); }},
          {"two-curve circle", [](CpdfDocument* d) { cpdf_pointsTwoCurveCircle(d, 0, 0, 8e14f); }},
          {"turned rectangle", [](CpdfDocument* d) { cpdf_pointsTurnedRect(d, 0, 0, 10, kHuge, 30); }},
          {"arc", [](CpdfDocument* d) { cpdf_pointsArc(d, 5e14f, 0, 6e14f, 180, 360, 1); }},
          {"colour for fill and stroke", [](CpdfDocument* d) { cpdf_rgbBoth(d, 0, kHuge, 0); }},
          {"inline image at a huge place",
           [](CpdfDocument* d) {
             const unsigned char px[1] = {0};
             cpdf_rawPlaceInLineImage(d, px, 1, kHuge, 0, 0, 10, 10, 1, 1, 8, CS_GRAY, 1);
           }},
      },
      "refused-numbers.pdf");
}

TEST(Refusal, TextsThatBecomeSyntaxAreChecked) {
  auto style = [](const char* array, const char* bs) { return CpdfAnnotationStyle{0, array, bs, 0, 0, 1}; };
  static const CpdfAnnotationStyle badArray = style("[0 0 1", nullptr);
  static const CpdfAnnotationStyle badArray2 = style("[0 0 (x)]", nullptr);
  static const CpdfAnnotationStyle badStyle = style(nullptr, "/W 1 >> /Evil <<");
  static const CpdfAnnotationStyle badStyle2 = style(nullptr, "/W");
  expectAllRefused(
      {
          {"media box", [](CpdfDocument* d) { cpdf_pageInit(d, 2, 0, "0 0 612] /Evil [1", nullptr); }},
          {"crop box", [](CpdfDocument* d) { cpdf_pageInit(d, 2, 0, "0 0 612 792", "0 0 612"); }},
          {"encoding", [](CpdfDocument* d) { cpdf_setFont(d, "Courier", "Win Ansi", 10); }},
          {"encoding with a slash", [](CpdfDocument* d) { cpdf_setFont(d, "Courier", "/A/B", 10); }},
          {"encoding with a control byte",
           [](CpdfDocument* d) {
             cpdf_setFont(d, "Courier",
                          "Win\x0b"
                          "Ansi",
                          10);
           }},
          {"encoding with a byte above 126",
           [](CpdfDocument* d) {
             cpdf_setFont(d, "Courier",
                          "Win\xdb"
                          "Ansi",
                          10);
           }},
          {"dash pattern", [](CpdfDocument* d) { cpdf_dashPattern(d, "[2 3] 0 d ET BT"); }},
          {"dash pattern unclosed", [](CpdfDocument* d) { cpdf_dashPattern(d, "[2 3 0"); }},
          {"link destination",
           [](CpdfDocument* d) { pdf_rawSetLinkGoToPage(d, 0, 0, 9, 9, 1, "/Fit] >> endobj", nullptr); }},
          {"link destination without a name",
           [](CpdfDocument* d) { pdf_rawSetLinkGoToPage(d, 0, 0, 9, 9, 1, "12 13", nullptr); }},
          {"link action", [](CpdfDocument* d) { pdf_rawSetLinkAction(d, 0, 0, 9, 9, "/S /URI /URI (x", nullptr); }},
          {"link action with a comment",
           [](CpdfDocument* d) { pdf_rawSetLinkAction(d, 0, 0, 9, 9, "/S /Named % x", nullptr); }},
          {"outline action", [](CpdfDocument* d) { cpdf_outlineEntryWithAction(d, nullptr, 0, 1, "/S >>", "o"); }},
          {"border array", [](CpdfDocument* d) { pdf_rawSetActionURL(d, 0, 0, 9, 9, "u", &badArray); }},
          {"border array of text", [](CpdfDocument* d) { pdf_rawSetActionURL(d, 0, 0, 9, 9, "u", &badArray2); }},
          {"border style", [](CpdfDocument* d) { pdf_rawSetActionURL(d, 0, 0, 9, 9, "u", &badStyle); }},
          {"border style without value", [](CpdfDocument* d) { pdf_rawSetActionURL(d, 0, 0, 9, 9, "u", &badStyle2); }},
      },
      "refused-syntax.pdf");
}

// A link's destination is one of the types a reader knows, with exactly its operands:
// an unknown type or a wrong count is refused with a message, the rest are written.
TEST(Refusal, LinkDestinationsOfUnknownTypeOrWrongLength) {
  const struct {
    const char* destination;
    bool accepted;
  } cases[] = {
      {"/Fit", true},
      {"/FitB", true},
      {"/XYZ 0 792 0", true},
      {"/XYZ null null null", true},
      {"/FitH 700", true},
      {"/FitV null", true},
      {"/FitBH 10.5", true},
      {"/FitBV -3", true},
      {"/FitR 0 0 612 792", true},
      {"/Name", false},
      {"/fit", false},
      {"/Fit 1 2 3", false},
      {"/XYZ 0 792", false},
      {"/XYZ 0 792 0 1", false},
      {"/FitH", false},
      {"/FitR 0 0 612", false},
      {"/FitR 0 0 612 null", false},
      {"/XYZ true 0 0", false},
      {"/FitH (x)", false},
      {"", false},
  };
  std::vector<RefusedCall> refused;
  CpdfDocument* doc = pageOne();
  for (const auto& c : cases) {
    if (!c.accepted) {
      refused.push_back({c.destination, [d = c.destination](CpdfDocument* to) {
                           pdf_rawSetLinkGoToPage(to, 0, 0, 9, 9, 1, d, nullptr);
                         }});
      continue;
    }
    reports().clear();
    const size_t before = doc->annotations.size();
    pdf_rawSetLinkGoToPage(doc, 0, 0, 9, 9, 1, c.destination, nullptr);
    EXPECT_EQ(doc->annotations.size(), before + 1) << c.destination;
    EXPECT_TRUE(reports().empty()) << c.destination;
  }
  const std::string pdf = finish(doc);
  cpdf_close(doc);
  EXPECT_NE(pdf.find(" 0 R /FitR 0 0 612 792]"), std::string::npos);
  writeSample("accepted-destinations.pdf", pdf);
  expectAllRefused(refused, "refused-destinations.pdf");
}

TEST(Refusal, WellFormedSyntaxIsAccepted) {
  CpdfDocument* doc = openDocument(true);
  cpdf_compressionFilterSet(doc, "zlib", "/FlateDecode");
  ASSERT_EQ(cpdf_pageInit(doc, 1, 0, "0 0 612 792", "-1.5 .5 +600 780."), 0);
  EXPECT_EQ(cpdf_setFont(doc, "Courier", "WinAnsiEncoding", 10), 0);
  cpdf_dashPattern(doc, "[] 0");
  cpdf_dashPattern(doc, "[2.5 1] 0.5");
  CpdfAnnotationStyle bs = {0, nullptr, "/W 2 /S /D /D [3 2]", 0, 0, 1};
  CpdfAnnotationStyle ba = {0, "[0 0 1 [3 2]]", nullptr, 0, 0, 1};
  pdf_rawSetLinkGoToPage(doc, 0, 0, 9, 9, 1, "/XYZ null 792 0", &bs);
  pdf_rawSetLinkAction(doc, 0, 0, 9, 9, "/S /URI /URI (http://a.b/\\(x\\)) /Next << /S /Named /N /NextPage >>", &ba);
  EXPECT_NE(cpdf_outlineEntryWithAction(doc, nullptr, 0, 1, "/S /Named /N /FirstPage", "o"), nullptr);
  EXPECT_EQ(doc->annotations.size(), 2u);
  EXPECT_TRUE(reports().empty());
  std::string pdf = finish(doc);
  cpdf_close(doc);
  EXPECT_NE(pdf.find("/Filter [/FlateDecode]"), std::string::npos);
  writeSample("accepted-syntax.pdf", pdf);
}

TEST(Refusal, MalformedFilterNameKeepsTheFormerOne) {
  CpdfDocument* doc = openDocument();
  for (const char* bad : {"FlateDecode", "/Flate]>>", "/A (x)"}) {
    reports().clear();
    cpdf_compressionFilterSet(doc, "x", bad);
    EXPECT_FALSE(reports().empty()) << bad;
  }
  EXPECT_EQ(doc->filterName, "/FlateDecode");
  cpdf_close(doc);
}

TEST(Refusal, CompressionStaysUnderTheFlateFilterOnly) {
  // The data are always deflated: under any other filter they could not be decoded.
  CpdfDocument* doc = openDocument(true);
  cpdf_compressionFilterSet(doc, "x", "/LZWDecode");
  cpdf_enableCompression(doc, 1);
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  cpdf_rawRect(doc, 1, 2, 3, 4);
  std::string pdf = finish(doc);
  cpdf_close(doc);
  EXPECT_EQ(pdf.find("/Filter"), std::string::npos);
  EXPECT_NE(pdf.find("1.000 2.000 3.000 4.000 re"), std::string::npos);
  writeSample("other-filter.pdf", pdf);
}

TEST(Refusal, InlineImageSizesAreCheckedBeforeArithmetic) {
  CpdfDocument* doc = pageOne();
  const unsigned char px[16] = {0};
  struct Case {
    int w, h, bpc, cs;
    int32_t count;
  } cases[] = {
      {INT32_MAX, INT32_MAX, 16, CS_CMYK, 8}, {INT32_MAX, 2, 16, CS_CMYK, 16}, {2, INT32_MAX, 16, CS_RGB, 12},
      {INT32_MIN, -1, 8, CS_GRAY, 1},         {65536, 65536, 8, CS_GRAY, 0},  // 2^32 bytes: wraps to 0 in 32 bits
  };
  std::string before = pageContent(doc, 1);
  for (const Case& c : cases) {
    reports().clear();
    EXPECT_EQ(cpdf_rawPlaceInLineImage(doc, px, c.count, 0, 0, 0, 1, 1, c.w, c.h, c.bpc, c.cs, 1), -1);
    EXPECT_FALSE(reports().empty());
  }
  EXPECT_EQ(pageContent(doc, 1), before);
  cpdf_close(doc);
}

TEST(Refusal, FreeingTheCurrentDomainFallsBackToThePageDomain) {
  CpdfDocument* doc = pageOne();
  CpdfPlotDomain* d = cpdf_newPlotDomain(100, 100, 200, 200, 0, 10, 0, 10, 0, 0, 0);
  pdf_setPlotDomain(doc, d);
  EXPECT_FLOAT_EQ(x_Domain2Points(doc, 10), 300);
  cpdf_plotDomainFree(d);
  // The page's own domain: inches from the crop box's corner.
  EXPECT_FLOAT_EQ(x_Domain2Points(doc, 1), 72);
  cpdf_moveto(doc, 1, 1);
  // A domain that outlives its document no longer reaches it.
  CpdfPlotDomain* kept = cpdf_newPlotDomain(0, 0, 100, 100, 0, 1, 0, 1, 0, 0, 0);
  pdf_setPlotDomain(doc, kept);
  std::string pdf = finish(doc);
  cpdf_close(doc);
  cpdf_paintDomainMesh(kept);
  cpdf_domainGrayBackground(kept, 0.5f);
  cpdf_plotDomainFree(kept);
  EXPECT_TRUE(xrefConsistent(pdf));
}
