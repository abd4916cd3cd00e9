// File text with byte-order marks, UTF-8/UTF-16 conversion and base64.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "xml/CXmlDoc.h"

namespace {

namespace fs = std::filesystem;

class XmlDocFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("pv_xmldoc_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  std::string Path(const char* name) const { return (dir_ / name).string(); }
  void Write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  fs::path dir_;
};

TEST_F(XmlDocFile, PlainFileRoundTrip) {
  const std::string text = "<r a=\"1\">\r\n<b/>\r\n</r>\r\n";
  Write(Path("p.xml"), text);
  CXmlDoc doc;
  ASSERT_TRUE(doc.LoadFile(Path("p.xml").c_str()));
  EXPECT_EQ(doc.GetError(), "23 bytes");
  EXPECT_EQ(doc.GetDocFlags(), 0u);
  ASSERT_TRUE(doc.SaveFile(Path("q.xml").c_str()));
  EXPECT_EQ(doc.GetError(), "23 bytes");
  EXPECT_EQ(Read(Path("q.xml")), text);
}

TEST_F(XmlDocFile, Utf8ByteOrderMarkIsDroppedAndWrittenBack) {
  Write(Path("u8.xml"), "\xEF\xBB\xBF<r>\xC3\xA9</r>");
  CXmlDoc doc;
  ASSERT_TRUE(doc.LoadFile(Path("u8.xml").c_str()));
  EXPECT_EQ(doc.GetDocument(), "<r>\xC3\xA9</r>");
  EXPECT_EQ(doc.GetError(), "UTF-8 BOM + 9 bytes");
  EXPECT_EQ(doc.GetDocFlags(), static_cast<uint32_t>(CXmlDoc::DOC_UTF8_BOM));
  ASSERT_TRUE(doc.SaveFile(Path("out.xml").c_str()));
  EXPECT_EQ(doc.GetError(), "UTF-8 BOM + 9 bytes");
  EXPECT_EQ(Read(Path("out.xml")), "\xEF\xBB\xBF<r>\xC3\xA9</r>");
}

TEST_F(XmlDocFile, Utf16FileIsReadAsUtf8AndWrittenBackAsUtf16) {
  // "<r>é😀</r>" in UTF-16LE with its mark; the emoji is a surrogate pair.
  const std::u16string wide = u"<r>\u00E9\U0001F600</r>";
  std::string bytes = "\xFF\xFE";
  for (char16_t u : wide) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  Write(Path("u16.xml"), bytes);
  CXmlDoc doc;
  ASSERT_TRUE(doc.LoadFile(Path("u16.xml").c_str())) << doc.GetError();
  EXPECT_EQ(doc.GetDocument(), "<r>\xC3\xA9\xF0\x9F\x98\x80</r>");
  EXPECT_EQ(doc.GetError(), "UTF-16LE BOM + 10 wide chars to 13 bytes");
  EXPECT_EQ(doc.GetDocFlags(), static_cast<uint32_t>(CXmlDoc::DOC_UTF16LE_BOM));
  ASSERT_TRUE(doc.SaveFile(Path("back.xml").c_str()));
  EXPECT_EQ(doc.GetError(), "13 bytes to UTF-16LE BOM + 10 wide chars");
  EXPECT_EQ(Read(Path("back.xml")), bytes);
}

TEST_F(XmlDocFile, FailuresGiveTheSystemMessage) {
  CXmlDoc doc("<r/>");
  EXPECT_FALSE(doc.LoadFile(Path("missing.xml").c_str()));
  EXPECT_FALSE(doc.GetError().empty());
  EXPECT_EQ(doc.GetError().find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(doc.GetDocument(), "<r/>");
  EXPECT_FALSE(doc.SaveFile(Path("no/such/folder/x.xml").c_str()));
  std::string text, result;
  uint32_t flags = 0;
  EXPECT_FALSE(CXmlDoc::LoadFileText(nullptr, text, result, flags));
}

TEST_F(XmlDocFile, LoadedFileKeepsItsResultBeforeTheParseError) {
  Write(Path("bad.xml"), "<a>");
  CXmlDoc doc;
  EXPECT_FALSE(doc.LoadFile(Path("bad.xml").c_str()));
  EXPECT_EQ(doc.GetError(), "3 bytes, Element 'a' at offset 0 not ended");
}

TEST(XmlDocConvert, Utf8AndUtf16) {
  const std::string utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
  const std::u16string wide = CXmlDoc::Utf8ToUtf16(utf8.data(), utf8.size());
  EXPECT_EQ(wide, u"a\u00E9\u20AC\U0001F600");
  EXPECT_EQ(CXmlDoc::Utf16ToUtf8(wide.data(), wide.size()), utf8);
  // Broken forms: a short sequence, a stray continuation, an overlong form, a lone surrogate.
  const std::string bad =
      "\xC3"
      "a\x80\xC0\xAF\xED\xA0\x80";
  EXPECT_EQ(CXmlDoc::Utf8ToUtf16(bad.data(), bad.size()), u"?a???\?");
  const char16_t lone[] = {0xD800, u'x', 0xDC00};
  EXPECT_EQ(CXmlDoc::Utf16ToUtf8(lone, 3), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

struct Base64Case {
  const char* bytes;
  const char* text;
};
class Base64 : public ::testing::TestWithParam<Base64Case> {};
TEST_P(Base64, RoundTrip) {
  const std::string raw = GetParam().bytes;
  const std::string text = CXmlDoc::EncodeBase64(reinterpret_cast<const unsigned char*>(raw.data()), raw.size());
  EXPECT_EQ(text, GetParam().text);
  std::vector<unsigned char> buf(CXmlDoc::DecodeBase64(text, nullptr, 0));
  const size_t n = CXmlDoc::DecodeBase64(text, buf.data(), buf.size());
  EXPECT_EQ(std::string(buf.begin(), buf.begin() + static_cast<long>(n)), raw);
}
INSTANTIATE_TEST_SUITE_P(
    Table, Base64,
    ::testing::Values(Base64Case{"", "\r\n"}, Base64Case{"M", "\r\nTQ==\r\n"}, Base64Case{"Ma", "\r\nTWE=\r\n"},
                      Base64Case{"Man", "\r\nTWFu"},
                      Base64Case{"012345678901234567890123456789012345678901234567",
                                 "\r\nMDEyMzQ1Njc4OTAxMjM0NTY3ODkwMTIzNDU2Nzg5MDEyMzQ1Njc4OTAxMjM0NTY3\r\n"},
                      Base64Case{"0123456789012345678901234567890123456789012345678",
                                 "\r\nMDEyMzQ1Njc4OTAxMjM0NTY3ODkwMTIzNDU2Nzg5MDEyMzQ1Njc4OTAxMjM0NTY3\r\nOA==\r\n"}));

TEST(XmlDocConvert, Base64DecodeRefusesASmallBuffer) {
  unsigned char buf[2];
  EXPECT_EQ(CXmlDoc::DecodeBase64("TWFu", buf, sizeof buf), 0u);
  EXPECT_EQ(CXmlDoc::DecodeBase64("TWFu", nullptr, 0), 6u);
}

}  // namespace
