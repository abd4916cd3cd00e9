// Parsing: error texts, recovery and the element index.
#include <gtest/gtest.h>

#include <string>

#include "xml/CXmlDoc.h"

namespace {

struct ParseCase {
  const char* text;
  bool wellFormed;
  const char* error;
};

class ParseErrors : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseErrors, GiveTheFirstErrorText) {
  const ParseCase& c = GetParam();
  CXmlDoc doc;
  EXPECT_EQ(doc.SetDocument(c.text), c.wellFormed);
  EXPECT_EQ(doc.IsWellFormed(), c.wellFormed);
  EXPECT_EQ(doc.GetError(), c.error);
  EXPECT_EQ(doc.GetElementPos(0).length, std::string(c.text).size());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseErrors,
    ::testing::Values(
        ParseCase{"", false, "Empty document"}, ParseCase{"abc", false, "No root element"},
        ParseCase{"<a/><b/>", false, "Root element has sibling"},
        ParseCase{"<a><b></a>", false, "End tag 'a' at offset 7 does not match start tag 'b' at offset 3"},
        ParseCase{"<a></b></a>", false, "No start tag for end tag 'b' at offset 3"},
        ParseCase{"<a>", false, "Element 'a' at offset 0 not ended"},
        ParseCase{"<a><!-- x", false, "Comment at offset 3 unterminated"},
        ParseCase{"<r><1/></r>", false, "Incorrect tag name character at offset 3"},
        ParseCase{"<1/>", false, "No root element"}, ParseCase{"<a x='1>2'/>", true, ""},
        ParseCase{"<?xml version=\"1.0\"?>\r\n<!DOCTYPE r [<!ENTITY e 'a>b'><!-- > -->]>\r\n<!--c-->\r\n<r/>\r\n \t",
                  true, ""},
        ParseCase{"<r><!x></r>", false, "Incorrect ! tag at offset 3"},
        ParseCase{"<r><!-x></r>", false, "Incorrect comment tag at offset 3"},
        ParseCase{"<r><![x></r>", false, "Incorrect tag at offset 3"},
        ParseCase{"<r><![CDATA[x</r>", false, "CDATA Section at offset 3 unterminated"},
        ParseCase{"<r><?pi x</r>", false, "Processing instruction at offset 3 unterminated"},
        ParseCase{"<r></r", false, "Element end tag at offset 3 unterminated"},
        ParseCase{"<r><a x='1", false, "Element tag at offset 3 unterminated"},
        ParseCase{"<r><!DOCTYPE r [<!-- ]></r>", false, "Doctype at offset 3 unterminated"},
        ParseCase{"<r/><", false, "tag at offset 4 unterminated"},
        ParseCase{"<r><a x=1/></r>", false, "End tag 'r' at offset 12 does not match start tag 'a' at offset 3"},
        ParseCase{"<r><![CDATA[<x>]]></r>", true, ""}, ParseCase{"<r>a > b</r>", true, ""}));

TEST(XmlDocParse, ConstructedDocumentIsEmptyAndNotWellFormed) {
  CXmlDoc doc;
  EXPECT_FALSE(doc.IsWellFormed());
  EXPECT_EQ(doc.GetError(), "Empty document");
  EXPECT_EQ(doc.GetDocument(), "");
  EXPECT_FALSE(doc.SetDocument(static_cast<const char*>(nullptr)));
}

TEST(XmlDocParse, MismatchedEndTagLeavesInnerElementNotEnded) {
  CXmlDoc doc("<a><b></a>");
  const CXmlDoc::ElementPos& a = doc.GetElementPos(1);
  const CXmlDoc::ElementPos& b = doc.GetElementPos(2);
  EXPECT_EQ(a.start, 0u);
  EXPECT_EQ(a.length, 10u);
  EXPECT_EQ(a.endTagLen, 4u);
  EXPECT_EQ(b.start, 3u);
  EXPECT_EQ(b.length, 3u);
  EXPECT_TRUE(b.flags & CXmlDoc::ELEM_NOT_ENDED);
  EXPECT_TRUE(doc.GetElementPos(0).flags & CXmlDoc::ELEM_ILL_FORMED);
}

TEST(XmlDocParse, ChildrenOfNotEndedElementsFollowAsSiblings) {
  // b and c have no end tags: x, c and y all become children of a, in text order.
  CXmlDoc doc("<a><b><x/><c><y/></a>");
  EXPECT_FALSE(doc.IsWellFormed());
  ASSERT_TRUE(doc.FindElement("/a"));
  ASSERT_TRUE(doc.IntoElement());
  std::string names;
  while (doc.FindElement()) names += doc.GetTagName() + ",";
  EXPECT_EQ(names, "b,x,c,y,");
  EXPECT_EQ(doc.GetElementPath(5), "/a/y");
}

TEST(XmlDocParse, LevelsAndRecordZero) {
  CXmlDoc doc("<r><a><b/></a></r>");
  ASSERT_TRUE(doc.IsWellFormed());
  EXPECT_EQ(doc.GetElementLevel(1), 0u);
  EXPECT_EQ(doc.GetElementLevel(3), 2u);
  EXPECT_EQ(doc.GetElementPos(0).firstChild, 1u);
  EXPECT_EQ(doc.GetElementPos(0).length, doc.GetDocument().size());
}

TEST(XmlDocParse, LongEndTagNameKeepsTheIndexExact) {
  // An end tag of thousands of bytes must be recorded whole.
  const std::string name(5000, 'n');
  const std::string text = "<r><" + name + ">t</" + name + "><z/></r>";
  CXmlDoc doc(text);
  ASSERT_TRUE(doc.IsWellFormed()) << doc.GetError();
  ASSERT_TRUE(doc.FindElement(("/r/" + name).c_str()));
  const CXmlDoc::ElementPos& e = doc.GetElementPos(doc.GetCurrentElement());
  EXPECT_EQ(e.endTagLen, name.size() + 3);
  EXPECT_EQ(e.length, 2 * name.size() + 6);
  EXPECT_EQ(doc.GetText(), "t");
  ASSERT_TRUE(doc.FindElement("/r/z"));
  EXPECT_EQ(doc.GetElementPos(doc.GetCurrentElement()).start, text.size() - 8);
}

TEST(XmlDocParse, DeepNestingWithoutEndTagsIsLinear) {
  std::string text = "<x>";
  for (int i = 0; i < 50000; ++i) text += "<a>";
  text += "</x>";
  CXmlDoc doc(text);
  EXPECT_FALSE(doc.IsWellFormed());
  EXPECT_EQ(doc.GetError(), "End tag 'x' at offset 150004 does not match start tag 'a' at offset 150000");
  ASSERT_TRUE(doc.FindElement("/x/a[50000]"));
}

TEST(XmlDocParse, SetDocumentReusesRecords) {
  CXmlDoc doc("<r><a/><b/></r>");
  ASSERT_TRUE(doc.FindElement("/r/b"));
  ASSERT_TRUE(doc.SavePosition("p"));
  EXPECT_TRUE(doc.SetDocument("<q/>"));
  EXPECT_EQ(doc.GetCurrentElement(), 0u);
  EXPECT_FALSE(doc.RestorePosition("p"));
  EXPECT_EQ(doc.GetElementCount(), 2u);
}

}  // namespace
