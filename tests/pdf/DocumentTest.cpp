#include "PdfTestSupport.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <zlib.h>

using namespace pdftest;

TEST(Document, EmptyDocumentBytes) {
  CpdfDocument* doc = openDocument();
  std::string pdf = finish(doc);
  cpdf_close(doc);
  std::string expected = std::string("%PDF-1.1\n") +
                         "%\xE2\xE3\xCF\xD3\xA0\xA1\xA2\xA3\xA4\xA5\xA6\xA7\xA8\xA9\xAA\xAB\xAC\xAD\xAE\xAF\xB0\xB1\n"
                         "1 0 obj\n<<\n/Type /Catalog\n/Pages 3 0 R\n/Outlines 2 0 R\n>>\nendobj\n"
                         "2 0 obj\n<<\n/Type /Outlines\n/Count 0\n>>\nendobj\n"
                         "3 0 obj\n<<\n/Type /Pages\n/Count 0\n/Kids [ ]\n>>\nendobj\n"
                         "4 0 obj\n[/PDF /Text]\nendobj\n"
                         "5 0 obj\n<<\n/Creator (No creator)\n/CreationDate (D:20070303140500)\n"
                         "/Producer (  on  )\n/Author (Windows User)\n/Title (No title)\n/Subject (No subject)\n"
                         "/Keywords (No keywords)\n>>\nendobj\n";
  ASSERT_EQ(pdf.substr(0, expected.size()), expected);
  std::string rest = pdf.substr(expected.size());
  EXPECT_EQ(rest.substr(0, 34), "xref\n0 6\n0000000000 65535 f \n00000");
  EXPECT_NE(rest.find("trailer\n<<\n/Size 6\n/Root 1 0 R\n/Info 5 0 R\n>>\nstartxref\n"), std::string::npos);
  EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
  EXPECT_TRUE(xrefConsistent(pdf));
}

TEST(Document, PageLimitAndMessage) {
  CpdfDocument* doc = openDocument();
  EXPECT_EQ(cpdf_pageInit(doc, 99, 0, "0 0 612 792", "0 0 612 792"), 0);
  EXPECT_EQ(cpdf_pageInit(doc, 100, 0, "0 0 612 792", "0 0 612 792"), -1);
  EXPECT_TRUE(reported("Too many pages: 100. Increase limit by pdf_open()"));
  EXPECT_EQ(cpdf_pageInit(doc, 0, 0, "0 0 612 792", "0 0 612 792"), -1);
  EXPECT_TRUE(reported("Page number must be 1 or greater"));
  cpdf_close(doc);
}

TEST(Document, PagesWrittenInNumberOrder) {
  CpdfDocument* doc = openDocument();
  ASSERT_EQ(cpdf_pageInit(doc, 2, 0, "0 0 612 792", "0 0 612 792"), 0);
  cpdf_rawMoveto(doc, 1, 2);
  ASSERT_EQ(cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792"), 0);
  cpdf_rawLineto(doc, 3, 4);
  std::string pdf = finish(doc);
  cpdf_close(doc);
  // Page 1: objects 5 (page) and 6 (content); page 2: 7 and 8.
  size_t p5 = pdf.find("5 0 obj\n<<\n/Type /Page\n");
  size_t c6 = pdf.find("6 0 obj\n<</Length 14>>\nstream\n3.000 4.000 l\n\nendstream");
  size_t p7 = pdf.find("7 0 obj\n<<\n/Type /Page\n");
  size_t c8 = pdf.find("8 0 obj\n<</Length 14>>\nstream\n1.000 2.000 m\n");
  EXPECT_NE(p5, std::string::npos);
  EXPECT_NE(c6, std::string::npos);
  EXPECT_NE(p7, std::string::npos);
  EXPECT_NE(c8, std::string::npos);
  EXPECT_LT(p5, c6);
  EXPECT_LT(c6, p7);
  EXPECT_NE(pdf.find("/Kids [ 5 0 R 7 0 R ]"), std::string::npos);
  EXPECT_NE(pdf.find("/Info 9 0 R"), std::string::npos);
  EXPECT_TRUE(xrefConsistent(pdf));
}

TEST(Document, PageInitTwiceSwitchesBack) {
  CpdfDocument* doc = openDocument();
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  cpdf_pageInit(doc, 2, 0, "0 0 612 792", "0 0 612 792");
  EXPECT_EQ(cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792"), 0);
  EXPECT_TRUE(reported("Page 1 is already initialized"));
  cpdf_newpath(doc);
  EXPECT_EQ(pageContent(doc, 1), "n\n");
  cpdf_finalizePage(doc, 2);
  EXPECT_EQ(cpdf_switchPage(doc, 2), -2);
  EXPECT_EQ(cpdf_switchPage(doc, 5), -1);
  cpdf_close(doc);
}

TEST(Document, VersionFollowsCompression) {
  CpdfDocument* plain = openDocument(false);
  CpdfDocument* packed = openDocument(true);
  EXPECT_EQ(finish(plain).substr(0, 9), "%PDF-1.1\n");
  EXPECT_EQ(finish(packed).substr(0, 9), "%PDF-1.2\n");
  cpdf_versionAtLeast(packed, 1, 1);
  int major, minor;
  cpdf_getVersion(packed, &major, &minor);
  EXPECT_EQ(minor, 2);
  // A higher major with a lower minor is still a raise, and never lowers the document.
  cpdf_versionAtLeast(packed, 2, 0);
  cpdf_getVersion(packed, &major, &minor);
  EXPECT_EQ(major, 2);
  EXPECT_EQ(minor, 0);
  cpdf_versionAtLeast(packed, 1, 2);
  cpdf_getVersion(packed, &major, &minor);
  EXPECT_EQ(major * 10 + minor, 20);
  cpdf_close(plain);
  cpdf_close(packed);
}

TEST(Document, EmptyPageIsUncompressedAndNoDuration) {
  CpdfDocument* doc = openDocument(true);
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  cpdf_pageDurationSet(doc, -1);
  std::string pdf = finish(doc);
  cpdf_close(doc);
  EXPECT_NE(pdf.find("6 0 obj\n<</Length 0>>\nstream\n\nendstream\nendobj\n"), std::string::npos);
  EXPECT_EQ(pdf.find("/Dur"), std::string::npos);
  EXPECT_TRUE(xrefConsistent(pdf));
}

// Each page is compressed from a fresh start even though the compressor's memory is the
// previous page's: every page's stream is what zlib's own compress() makes of its content,
// byte for byte, also when a longer page follows a shorter one.
TEST(Document, EachCompressedPageIsZlibsCompressOfItsContent) {
  CpdfDocument* doc = openDocument(true);
  std::vector<std::string> contents;
  for (int page = 1; page <= 3; ++page) {
    ASSERT_EQ(cpdf_pageInit(doc, page, 0, "0 0 612 792", "0 0 612 792"), 0);
    for (int i = 0; i < 150 * page; ++i) {
      cpdf_rawRect(doc, static_cast<float>(i % 37) * 1.25f, static_cast<float>(i * page) * 0.5f, 3, 4);
      cpdf_setrgbcolorfill(doc, static_cast<float>(i % 7) / 7.0f, 0.5f, static_cast<float>(page) / 4.0f);
    }
    contents.push_back(pageContent(doc, page));
  }
  const std::string pdf = finish(doc);
  cpdf_close(doc);
  for (const std::string& content : contents) {
    uLongf length = compressBound(static_cast<uLong>(content.size()));
    std::string packed(length, '\0');
    ASSERT_EQ(compress(reinterpret_cast<Bytef*>(&packed[0]), &length, reinterpret_cast<const Bytef*>(content.data()),
                       static_cast<uLong>(content.size())),
              Z_OK);
    packed.resize(length);
    EXPECT_NE(pdf.find("stream\n" + packed + "\nendstream"), std::string::npos) << content.size() << " bytes";
  }
}

TEST(Document, ObjectTableIsBoundsChecked) {
  CpdfLimits limits = {0, 0, 0, 0, 8};  // room for objects 1..7 only
  CpdfDocument* doc = openDocument(false, &limits);
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  cpdf_pageInit(doc, 2, 0, "0 0 612 792", "0 0 612 792");  // needs 5..8 and the info 9
  EXPECT_EQ(cpdf_finalizeAll(doc), CPDF_FAILED);
  EXPECT_TRUE(reported("Too many objects in this PDF: 8. Increase limit by pdf_open()"));
  EXPECT_EQ(cpdf_savePDFmemoryStreamToFile(doc, "never-written.pdf"), CPDF_FAILED);
  cpdf_close(doc);
  EXPECT_EQ(std::fopen("never-written.pdf", "rb"), nullptr);
}

TEST(Document, SaveToUnwritablePath) {
  CpdfDocument* doc = openDocument();
  finish(doc);
  EXPECT_EQ(cpdf_savePDFmemoryStreamToFile(doc, "no-such-folder/x/y.pdf"), CPDF_SAVE_OPEN_FAILED);
  EXPECT_TRUE(reported("Cannot open output file: no-such-folder/x/y.pdf"));
  cpdf_close(doc);
}

// A long output file name is written as given, never cut to another file's name.
TEST(Document, OutputFileNameIsNotCut) {
  std::string path;
  for (int i = 0; i < 500; ++i) path += "./";
  const std::string cut = path + std::string(22, 'x');
  path += std::string(30, 'x');
  std::remove(cut.c_str());
  std::remove(path.c_str());
  CpdfDocument* doc = openDocument(true);
  cpdf_outputFileSet(doc, path.c_str());
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  const int rc = cpdf_finalizeAll(doc);
  cpdf_close(doc);
  std::string pdf;
  // A system that refuses so long a name reports it; any other writes that very file.
  EXPECT_EQ(rc == 0, cpdf_detail::readWholeFile(path.c_str(), pdf));
  EXPECT_FALSE(cpdf_detail::readWholeFile(cut.c_str(), pdf));
  std::remove(cut.c_str());
  std::remove(path.c_str());
}

TEST(Document, OutputFileModeWritesAtFinalize) {
  CpdfDocument* doc = openDocument(true);
  std::string path = sampleDir() + "/output-file-mode.pdf";
  cpdf_outputFileSet(doc, path.c_str());
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  cpdf_beginText(doc);
  cpdf_setFont(doc, "Courier", nullptr, 12);
  cpdf_rawText(doc, 72, 700, 0, "Written at finalize");
  cpdf_endText(doc);
  ASSERT_EQ(cpdf_finalizeAll(doc), 0);
  EXPECT_EQ(cpdf_finalizeAll(doc), 0);  // a second call writes nothing more
  EXPECT_EQ(cpdf_pageInit(doc, 2, 0, "0 0 612 792", "0 0 612 792"), -1);
  EXPECT_EQ(cpdf_savePDFmemoryStreamToFile(doc, "unused.pdf"), -1);  // not in memory mode
  cpdf_close(doc);
  std::string pdf;
  ASSERT_TRUE(cpdf_detail::readWholeFile(path.c_str(), pdf));
  EXPECT_TRUE(xrefConsistent(pdf));
  writeSample("output-file-mode.expect", "text Written at finalize\nfont Courier\n");
}
