// Document information, time and string utilities, memory streams, plot domains.
#include "PdfTestSupport.h"

#include <climits>
#include <gtest/gtest.h>

using namespace pdftest;

TEST(Info, TitleIsCutSafely) {
  std::string field;
  cpdf_infoFieldStore(field, std::string(2000, 't').c_str(), 1280);
  EXPECT_EQ(field, std::string(1279, 't'));
  // The cut falls inside "\(": the broken escape is dropped.
  cpdf_infoFieldStore(field, (std::string(1277, 'a') + "((").c_str(), 1280);
  EXPECT_EQ(field, std::string(1277, 'a') + "\\(");
  cpdf_infoFieldStore(field, (std::string(1278, 'a') + "((").c_str(), 1280);
  EXPECT_EQ(field, std::string(1278, 'a'));
  cpdf_infoFieldStore(field, "a(b)\\c", 256);
  EXPECT_EQ(field, "a\\(b\\)\\\\c");
}

// A text beyond ASCII goes as UTF-16BE after its byte order mark, every byte outside
// printable ASCII escaped, so that readers show it as typed (without the mark they
// read UTF-8 bytes as PDFDocEncoding: "ä" became "Ã¤"). The cut keeps whole
// characters, surrogate pairs included.
TEST(Info, TextBeyondAsciiAsUtf16) {
  const struct {
    const char* text;
    int32_t capacity;
    const char* field;
  } cases[] = {
      {"Lunch \xC3\xA4", 256, "\\376\\377\\000L\\000u\\000n\\000c\\000h\\000 \\000\\344"},
      {"\xCE\xB1(", 256, "\\376\\377\\003\\261\\000\\050"},
      {"a\xF0\x9F\x98\x80", 256, "\\376\\377\\000a\\330=\\336\\000"},
      {"\xC3\xA4\xC3\xA4", 17, "\\376\\377\\000\\344"},  // the second "ä" does not fit
      {"a\xF0\x9F\x98\x80", 20, "\\376\\377\\000a"},     // nor half of a pair
      {"\xFF"
       "b",
       256, "\\376\\377\\377\\375\\000b"},  // a stray byte: U+FFFD
  };
  for (const auto& c : cases) {
    std::string field;
    cpdf_infoFieldStore(field, c.text, c.capacity);
    EXPECT_EQ(field, c.field) << c.text;
    EXPECT_LT(static_cast<int32_t>(field.size()), c.capacity);
  }
}

TEST(Info, WrittenEscapedIntoTheInfoDictionary) {
  CpdfDocument* doc = openDocument();
  cpdf_infoTitle(doc, "T (1)");
  cpdf_infoProducer(doc, "Palvermontine", "4.1", "Linux", "6");
  std::string pdf = finish(doc);
  cpdf_close(doc);
  EXPECT_NE(pdf.find("/Title (T \\(1\\))\n"), std::string::npos);
  EXPECT_NE(pdf.find("/Producer (Palvermontine 4.1 on Linux 6)\n"), std::string::npos);
}

TEST(Time, StampsAndDayCounts) {
  struct tm t {};
  t.tm_year = 107;
  t.tm_mon = 2;
  t.tm_mday = 3;
  t.tm_hour = 14;
  t.tm_min = 5;
  EXPECT_EQ(cpdf_timeStampTextOf(0, t), "20070303140500");
  EXPECT_EQ(cpdf_timeStampTextOf(1, t), "2007-03-03 14:05:00");
  EXPECT_FALSE(cpdf_leapYear(1900));
  EXPECT_TRUE(cpdf_leapYear(2000));
  EXPECT_TRUE(cpdf_leapYear(2024));
  struct tm a {
  }, b{};
  a.tm_year = b.tm_year = 99;
  a.tm_mday = 31;
  a.tm_mon = 11;  // 31 Dec 1999
  b.tm_year = 100;
  b.tm_mday = 1;
  b.tm_mon = 2;  // 1 Mar 2000: 1 + 31 + 29 days later
  b.tm_hour = 12;
  EXPECT_FLOAT_EQ(cpdf_dayCount(&a, &b), 61.5f);
  struct tm n {};
  n.tm_year = 100;
  n.tm_mon = 1;
  n.tm_mday = 30;  // 30 Feb 2000 is 1 Mar
  cpdf_normalizeTime(&n);
  EXPECT_EQ(n.tm_mon, 2);
  EXPECT_EQ(n.tm_mday, 1);
}

// Years near the end of the int range: counted and written without overflow.
TEST(Time, FarYears) {
  struct tm a {
  }, b{};
  a.tm_year = INT_MAX - 100;
  a.tm_mday = 1;
  b = a;
  b.tm_mday = 2;
  EXPECT_FLOAT_EQ(cpdf_dayCount(&a, &b), 1.0f);
  EXPECT_EQ(cpdf_timeStampTextOf(0, a), std::to_string(INT_MAX - 100 + 1900LL) + "0101000000");
  struct tm first {};
  first.tm_year = -1899;  // 1 Jan of year 1
  first.tm_mday = 1;
  struct tm later = first;
  later.tm_year += 400;  // 400 Gregorian years hold 146097 days
  EXPECT_FLOAT_EQ(cpdf_dayCount(&first, &later), 146097.0f);
  struct tm early {};
  early.tm_year = 100;
  early.tm_mday = INT_MIN;  // normalised into a year long before
  cpdf_normalizeTime(&early);
  EXPECT_GE(early.tm_mday, 1);
  EXPECT_LT(early.tm_year, -5000000);
}

TEST(Strings, HexAndNumbers) {
  EXPECT_EQ(cpdf_hexDigitValue('b'), 11);
  EXPECT_EQ(cpdf_hexDigitValue('g'), 255);
  EXPECT_EQ(cpdf_bytesFromHex("41 4a-6"), "AJ");
  const uint8_t bytes[] = {0x00, 0x41, 0xFF};
  EXPECT_EQ(cpdf_hexFromBytes(bytes, 3, 1), "FEFF0041FF");
  EXPECT_EQ(cpdf_slashesToBackslashes("a/b/c"), "a\\b\\c");
  int e = 0;
  EXPECT_FLOAT_EQ(cpdf_exponentSplit(-2500.0f, &e), -2.5f);
  EXPECT_EQ(e, 3);
  int32_t id = 0;
  int32_t first = cpdf_serialNext(&id);
  EXPECT_GT(first, 0);
  EXPECT_EQ(cpdf_serialNext(&id), first);
}

// Axis labels and the italic angle: six significant digits as "%g" gives them, so
// a float's binary noise does not show, and never an exponent.
TEST(Strings, GeneralNumbers) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{1000.1f, "1000.1"},
               {0.3f, "0.3"},
               {123456.7f, "123457"},
               {-12.5, "-12.5"},
               {-0.0, "0"},
               {1e-7, "0.0000001"},
               {100, "100"},
               {0, "0"},
               {-0.00001, "-0.00001"},
               {1e15, "1000000000000000"},
               {999999.5, "1000000"},
               {1e-300, "0"}};
  for (const auto& c : cases) {
    cpdf_detail::Line l;
    l.general(c.value);
    EXPECT_EQ(l.str(), c.text) << c.value;
  }
}

TEST(MemStream, GrowthSteps) {
  CpdfMemoryStream* s = cpdf_memStreamCreate();
  char* buf;
  int32_t count, size;
  cpdf_memStreamBuffer(s, &buf, &count, &size);
  EXPECT_EQ(size, 256);
  std::string chunk(300, 'a');
  cpdf_memStreamWrite(s, chunk.data(), 300);
  cpdf_memStreamBuffer(s, &buf, &count, &size);
  EXPECT_EQ(size, 512);
  std::string big(70000 - 300, 'b');
  cpdf_memStreamWrite(s, big.data(), static_cast<int32_t>(big.size()));
  cpdf_memStreamBuffer(s, &buf, &count, &size);
  EXPECT_EQ(count, 70000);
  EXPECT_EQ(size, 131072);
  EXPECT_EQ(buf[count], 0);
  cpdf_memStreamReset(s);
  cpdf_memStreamBuffer(s, &buf, &count, &size);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(size, 131072);
  EXPECT_EQ(buf[0], 0);
  cpdf_memStreamFree(s);
  cpdf_memStreamFree(nullptr);
}

TEST(Domain, DefaultPageDomainIsInInches) {
  CpdfDocument* doc = openDocument();
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  EXPECT_FLOAT_EQ(x_Domain2Points(doc, 1), 72);
  EXPECT_FLOAT_EQ(y_Domain2Points(doc, 11), 792);
  CpdfPlotDomain* before = pdf_setPlotDomain(doc, nullptr);
  EXPECT_EQ(pdf_setPlotDomain(doc, nullptr), before);  // a null domain changes nothing
  CpdfPlotDomain* log = cpdf_newPlotDomain(100, 100, 200, 100, 1, 1000, 0, 10, 1, 0, 0);
  pdf_setPlotDomain(doc, log);
  EXPECT_FLOAT_EQ(x_Domain2Points(doc, 10), 100 + 200.0f / 3);
  EXPECT_FLOAT_EQ(x_Domain2Points(doc, -1), 100);
  cpdf_memStreamReset(doc->currentContent);
  cpdf_domainCircle(doc, 10, 5, 10);  // radius measured on x: from 10 to 20
  EXPECT_EQ(pageContent(doc, 1).substr(0, 18), "186.735 150.000 m\n");
  pdf_setPlotDomain(doc, before);
  cpdf_plotDomainFree(log);
  cpdf_close(doc);
}

TEST(Domain, NiceTickRanges) {
  struct Case {
    float min, max, low, high, major, minor;
  } cases[] = {
      {0, 100, 0, 100, 50, 10},
      {0, 7, 0, 8, 2, 1},
      {-3, 47, -10, 50, 10, 5},
      {-20, -3, -20, -0, 5, 1},
  };
  for (const Case& c : cases) {
    float lo, hi, ms, mj, ns, mn;
    cpdf_tickRangeRound(c.min, c.max, &lo, &hi, &ms, &mj, &ns, &mn);
    EXPECT_FLOAT_EQ(mj, c.major) << c.min << ".." << c.max;
    EXPECT_FLOAT_EQ(mn, c.minor) << c.min << ".." << c.max;
    EXPECT_LE(lo, c.min);
    EXPECT_GE(hi, c.max);
    EXPECT_FLOAT_EQ(ms, lo);
  }
}

namespace {

std::vector<std::string> shownTexts(const std::string& content) {
  std::vector<std::string> texts;
  for (size_t p = content.find(") Tj\n"); p != std::string::npos; p = content.find(") Tj\n", p + 1)) {
    size_t open = content.rfind("\n(", p);
    texts.push_back(content.substr(open + 2, p - open - 2));
  }
  return texts;
}

}  // namespace

TEST(Axes, TimeAxisLabelsNameTheLargerUnitWhenItChanges) {
  CpdfDocument* doc = openDocument();
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  CpdfPlotDomain* page = pdf_setPlotDomain(doc, nullptr);
  struct tm start {
  }, end{};
  start.tm_year = end.tm_year = 126;
  start.tm_mday = 1;
  end.tm_mday = 41;  // 40 days: ticks every day, labels every 10 days
  CpdfAxis* axis = cpdf_newTimeAxis(0, 400, 2, &start, &end);
  cpdf_bindAxisDomain(axis, page, 72, 72);
  for (int pass = 0; pass < 2; ++pass) {  // drawn twice: the same labels both times
    cpdf_memStreamReset(doc->currentContent);
    cpdf_paintAxis(axis);
    EXPECT_EQ(shownTexts(pageContent(doc, 1)), (std::vector<std::string>{"Jan 1", "10", "20", "", "Feb 1", "10"}));
  }
  cpdf_axisLabelFont(axis, 0, 1, "Helvetica", 10, nullptr);
  cpdf_memStreamReset(doc->currentContent);
  cpdf_paintAxis(axis);
  EXPECT_EQ(shownTexts(pageContent(doc, 1)).front(), "1/1");
  cpdf_axisFree(axis);

  end = start;
  end.tm_year += 3;  // about 1096 days: labels every year, two-digit
  axis = cpdf_newTimeAxis(0, 400, 2, &start, &end);
  cpdf_bindAxisDomain(axis, page, 72, 72);
  cpdf_memStreamReset(doc->currentContent);
  cpdf_paintAxis(axis);
  EXPECT_EQ(shownTexts(pageContent(doc, 1)), (std::vector<std::string>{"26", "27", "28", "29"}));
  cpdf_axisFree(axis);
  cpdf_close(doc);
}

TEST(Axes, LogMeshStartsBelowTheMinimumAndUnattachedAxisDrawsNothing) {
  CpdfDocument* doc = openDocument();
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  CpdfPlotDomain* dom = cpdf_newPlotDomain(0, 0, 100, 100, 2.5f, 300, 0, 1, 1, 0, 0);
  CpdfPlotDomain* page = pdf_setPlotDomain(doc, dom);
  cpdf_memStreamReset(doc->currentContent);
  cpdf_paintDomainMesh(dom);
  std::string mesh = pageContent(doc, 1);
  // The first vertical line stands at 2, left of the domain (x < 0).
  size_t first = mesh.find(" m\n");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(mesh[mesh.rfind('\n', first) + 1], '-');
  CpdfAxis* axis = cpdf_newAxis(0, 100, 0, 0, 1);
  cpdf_memStreamReset(doc->currentContent);
  cpdf_paintAxis(axis);
  EXPECT_TRUE(reported("Axis is not attached to a plot domain"));
  EXPECT_EQ(pageContent(doc, 1), "");
  cpdf_axisFree(axis);
  pdf_setPlotDomain(doc, page);
  cpdf_plotDomainFree(dom);
  cpdf_close(doc);
}
