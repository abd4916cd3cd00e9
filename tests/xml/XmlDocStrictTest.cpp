// What other XML readers see of documents this class writes and edits: names they
// would refuse are refused, attribute values and text read back the same, edits never
// form "]]>" in text; and inputs of other writers that this class must read: quoted
// literals in a document type, UTF-16 in big-endian order, many stray end tags.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "XmlDocCheck.h"
#include "xml/CXmlDoc.h"

namespace {

using PV::XmlCheck::IndexDifference;

#define EXPECT_INDEX_EXACT(doc) EXPECT_EQ(IndexDifference(doc), "") << (doc).GetDocument()

TEST(XmlDocStrict, NamesOtherReadersRefuseAreRefusedByTheEditingCalls) {
  const char* refused[] = {"1a", "-a", ".a", "a\\b", "a b", "", "a]]", "a;b", "\xC3\xA4", "a#"};
  for (const char* name : refused) {
    SCOPED_TRACE(name);
    CXmlDoc doc("<r x=\"1\"><c/></r>");
    const std::string before = doc.GetDocument();
    ASSERT_TRUE(doc.FindElement("/r"));
    EXPECT_FALSE(doc.SetAttribute(name, "v"));
    EXPECT_FALSE(doc.AddElement(name));
    ASSERT_TRUE(doc.IntoElement());
    EXPECT_FALSE(doc.AddElement(name, "t"));
    EXPECT_FALSE(doc.InsertNode(CXmlDoc::NODE_ELEMENT, name));
    EXPECT_EQ(doc.GetDocument(), before);
  }
  CXmlDoc doc("<r/>");
  ASSERT_TRUE(doc.FindElement("/r"));
  for (const char* name : {"a-1", "_x", "a.b:c", "Z9"}) EXPECT_TRUE(doc.SetAttribute(name, "v")) << name;
  ASSERT_TRUE(doc.IntoElement());
  for (const char* name : {"a-1", "_x", "a.b:c", "Z9"}) EXPECT_TRUE(doc.AddElement(name)) << name;
  EXPECT_TRUE(CXmlDoc(doc.GetDocument()).IsWellFormed()) << doc.GetDocument();
}

TEST(XmlDocStrict, LineEndsAndTabsInAttributeValuesAreWrittenAsReferences) {
  CXmlDoc doc("<r/>");
  ASSERT_TRUE(doc.FindElement("/r"));
  ASSERT_TRUE(doc.SetAttribute("v", "a\r\nb\tc\nd"));
  EXPECT_EQ(doc.GetDocument(), "<r v=\"a&#13;&#10;b&#9;c&#10;d\"/>");
  EXPECT_EQ(doc.GetAttribute("v"), "a\r\nb\tc\nd");
  CXmlDoc again(doc.GetDocument());
  ASSERT_TRUE(again.FindElement("/r"));
  EXPECT_EQ(again.GetAttribute("v"), "a\r\nb\tc\nd");
  // Files written before hold the characters themselves: they read as they always did.
  CXmlDoc old("<r v=\"a\r\nb\"/>");
  ASSERT_TRUE(old.FindElement("/r"));
  EXPECT_EQ(old.GetAttribute("v"), "a\r\nb");
}

TEST(XmlDocStrict, EditsNeverJoinTextIntoTheCDataEnd) {
  struct Case {
    const char* name;
    const char* document;
    void (*edit)(CXmlDoc&);
    const char* result;
  } cases[] = {
      {"element removed between ]] and >", "<r>]]<b/>></r>",
       [](CXmlDoc& d) { d.FindElement("/r/b"), d.RemoveElement(); }, "<r>]]&gt;</r>"},
      {"element removed between ] and ]>", "<r>]<b/>]></r>",
       [](CXmlDoc& d) { d.FindElement("/r/b"), d.RemoveElement(); }, "<r>]]&gt;</r>"},
      {"comment removed between ]] and >", "<r>]]<!--c-->></r>",
       [](CXmlDoc& d) {
         d.FindElement("/r");
         d.IntoElement();
         d.FindNode(CXmlDoc::NODE_TEXT);
         d.FindNode(CXmlDoc::NODE_COMMENT);
         d.RemoveNode();
       },
       "<r>]]&gt;</r>"},
      {"]] inserted before >", "<r><b/>></r>",
       [](CXmlDoc& d) {
         d.FindElement("/r/b");
         d.InsertNode(CXmlDoc::NODE_TEXT, "]]", CXmlDoc::INS_NO_LINE_BREAK);
       },
       "<r><b/>]]&gt;</r>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CXmlDoc doc(c.document);
    c.edit(doc);
    EXPECT_EQ(doc.GetDocument(), c.result);
    EXPECT_INDEX_EXACT(doc);
  }
}

TEST(XmlDocStrict, QuotedLiteralsInADocumentTypeHoldAnyMarkup) {
  for (const char* text :
       {"<!DOCTYPE r SYSTEM \"a<!--b\"><r><c/></r><!--x-->", "<!DOCTYPE r PUBLIC 'p<?q' \"s\"><r><c/></r>",
        "<!DOCTYPE r SYSTEM 'x>y' [<!ELEMENT r ANY>]><r><c/></r>"}) {
    CXmlDoc doc(text);
    EXPECT_TRUE(doc.IsWellFormed()) << text << ": " << doc.GetError();
    EXPECT_TRUE(doc.FindElement("/r/c")) << text;
  }
  EXPECT_FALSE(CXmlDoc("<!DOCTYPE r SYSTEM \"open><r/>").IsWellFormed());
}

TEST(XmlDocStrict, Utf16BigEndianIsReadAndWrittenBackInItsOrder) {
  // "<r>é€</r>" in UTF-16BE with its byte-order mark.
  const std::string be("\xFE\xFF\0<\0r\0>\0\xE9\x20\xAC\0<\0/\0r\0>", 20);
  const char* path = "xmldoc-utf16be.xml";
  FILE* f = std::fopen(path, "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(be.data(), 1, be.size(), f);
  std::fclose(f);
  CXmlDoc doc;
  ASSERT_TRUE(doc.LoadFile(path)) << doc.GetError();
  EXPECT_EQ(doc.GetDocument(), "<r>\xC3\xA9\xE2\x82\xAC</r>");
  EXPECT_TRUE(doc.GetDocFlags() & CXmlDoc::DOC_UTF16BE_BOM);
  ASSERT_TRUE(doc.SaveFile(path));
  std::string back(64, '\0');
  f = std::fopen(path, "rb");
  ASSERT_NE(f, nullptr);
  back.resize(std::fread(&back[0], 1, back.size(), f));
  std::fclose(f);
  std::remove(path);
  EXPECT_EQ(back, be);
}

TEST(XmlDocStrict, ManyStrayEndTagsAreRefusedQuickly) {
  // 200,000 open elements and as many end tags that match none: each end tag used to
  // walk every open element (4e10 steps); found out by name, the parse is immediate.
  std::string text;
  const int n = 200000;
  text.reserve(static_cast<size_t>(n) * 7);
  for (int i = 0; i < n; ++i) text += "<a>";
  for (int i = 0; i < n; ++i) text += "</b>";
  CXmlDoc doc(text);
  EXPECT_FALSE(doc.IsWellFormed());
  EXPECT_EQ(doc.GetElementCount() > static_cast<uint32_t>(n), true);
  // A matching end tag deep in the stack still closes the elements above it.
  CXmlDoc nested("<r><a><b><c></a><d/></r>");
  EXPECT_FALSE(nested.IsWellFormed());
  EXPECT_TRUE(nested.FindElement("/r/d"));
}

}  // namespace
