// Navigation and reading: paths, predicates, positions, attributes, text, references.
#include <gtest/gtest.h>

#include <string>

#include "xml/CXmlDoc.h"

namespace {

const char* const kModel =
    "<r v='1'>"
    "<a id='a1'><b>b1</b><b>b2</b><c/></a>"
    "<a id='a2' k=\"x &amp; y\"><b>b3</b></a>"
    "<d><e><b>deep</b></e></d>"
    "</r>";

struct PathCase {
  const char* path;
  const char* found;  // text of the found element, or its path; nullptr: nothing found
};

class Paths : public ::testing::TestWithParam<PathCase> {};

TEST_P(Paths, FindElement) {
  CXmlDoc doc(kModel);
  ASSERT_TRUE(doc.IsWellFormed()) << doc.GetError();
  ASSERT_TRUE(doc.FindElement("/r/a/c"));  // some position before the search
  const uint32_t before = doc.GetCurrentElement();
  const PathCase& c = GetParam();
  if (!c.found) {
    EXPECT_FALSE(doc.FindElement(c.path));
    EXPECT_EQ(doc.GetCurrentElement(), before);
    return;
  }
  ASSERT_TRUE(doc.FindElement(c.path));
  EXPECT_EQ(doc.GetElementPath(doc.GetCurrentElement()), c.found);
  EXPECT_EQ(doc.GetCurrentParent(), doc.GetElementPos(doc.GetCurrentElement()).parent);
  EXPECT_EQ(doc.GetCurrentChild(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Paths,
    ::testing::Values(PathCase{"/r/a/b", "/r/a/b"}, PathCase{"/r/a/b[2]", "/r/a/b[2]"}, PathCase{"/r/a/b[3]", nullptr},
                      PathCase{"/r/a[2]/b", "/r/a[2]/b"}, PathCase{"/r/a[@id=a2]", "/r/a[2]"},
                      PathCase{"/r/a[@id='a2']/b", "/r/a[2]/b"}, PathCase{"/r/a[@k=\"x & y\"]", "/r/a[2]"},
                      PathCase{"/r/a[@k]", "/r/a[2]"}, PathCase{"/r/a[@id=a3]", nullptr}, PathCase{"/r/*[e]", "/r/d"},
                      PathCase{"/r/a[c]", "/r/a"}, PathCase{"//e", "/r/d/e"}, PathCase{"/r/*/e/b", nullptr},
                      PathCase{"/r/*[e]/e/b", "/r/d/e/b"}, PathCase{"/x", nullptr}, PathCase{"/r/a/bb", nullptr},
                      PathCase{"/r/", "/r/a"}, PathCase{"/", "/r"}));

TEST(XmlDocRead, RelativeNamesSearchFollowingSiblings) {
  CXmlDoc doc(kModel);
  ASSERT_TRUE(doc.FindElement("/r/a"));
  ASSERT_TRUE(doc.IntoElement());
  std::string texts;
  while (doc.FindElement("b")) texts += doc.GetText() + ";";
  EXPECT_EQ(texts, "b1;b2;");
  ASSERT_TRUE(doc.OutOfElement());
  EXPECT_EQ(doc.GetAttribute("id"), "a1");
  ASSERT_TRUE(doc.FindElement("a"));
  EXPECT_EQ(doc.GetAttribute("id"), "a2");
  EXPECT_FALSE(doc.FindElement("a"));
  EXPECT_TRUE(doc.FindPrevElement("a"));
  EXPECT_EQ(doc.GetAttribute("id"), "a1");
  EXPECT_FALSE(doc.FindPrevElement());
}

TEST(XmlDocRead, IntoAndOutOfElements) {
  CXmlDoc doc(kModel);
  ASSERT_TRUE(doc.FindElement("/r/a/c"));
  const uint32_t c = doc.GetCurrentElement();
  ASSERT_TRUE(doc.IntoElement());  // c has no children
  EXPECT_EQ(doc.GetCurrentParent(), c);
  EXPECT_EQ(doc.GetCurrentElement(), 0u);
  EXPECT_FALSE(doc.IntoElement());
  ASSERT_TRUE(doc.OutOfElement());
  EXPECT_EQ(doc.GetCurrentElement(), c);
  EXPECT_EQ(doc.GetCurrentChild(), 0u);

  ASSERT_TRUE(doc.FindElement("/r/a"));
  ASSERT_TRUE(doc.FindChildElement("b"));
  ASSERT_TRUE(doc.FindChildElement("b"));
  const uint32_t b2 = doc.GetCurrentChild();
  EXPECT_EQ(doc.GetElementPath(b2), "/r/a/b[2]");
  ASSERT_TRUE(doc.IntoElement());
  ASSERT_TRUE(doc.OutOfElement());
  EXPECT_EQ(doc.GetCurrentChild(), b2);
  EXPECT_TRUE(doc.FindPrevChildElement("b"));
  EXPECT_EQ(doc.GetElementPath(doc.GetCurrentChild()), "/r/a/b");

  doc.ResetPosition();
  EXPECT_FALSE(doc.OutOfElement());
  EXPECT_TRUE(doc.FindChildElement("a"));  // moves to r first
  EXPECT_EQ(doc.GetElementPath(doc.GetCurrentChild()), "/r/a");
}

TEST(XmlDocRead, Attributes) {
  CXmlDoc doc("<e a='x &amp; y' b='1' c=\"q>r\" d='' e=bare f = \"sp\"/>");
  ASSERT_TRUE(doc.IsWellFormed());
  ASSERT_TRUE(doc.FindElement("/e"));
  EXPECT_EQ(doc.GetAttribute("a"), "x & y");
  EXPECT_EQ(doc.GetAttribute("b"), "1");
  EXPECT_EQ(doc.GetAttribute("c"), "q>r");
  EXPECT_EQ(doc.GetAttribute("d"), "");
  EXPECT_EQ(doc.GetAttribute("e"), "bare");
  EXPECT_EQ(doc.GetAttribute("f"), "sp");
  EXPECT_EQ(doc.GetAttribute("absent"), "");
  EXPECT_EQ(doc.GetAttribute(static_cast<const char*>(nullptr)), "");
  EXPECT_EQ(doc.GetAttribute("ab"), "");
  EXPECT_EQ(doc.GetAttributeName(0), "a");
  EXPECT_EQ(doc.GetAttributeName(5), "f");
  EXPECT_EQ(doc.GetAttributeName(6), "");
  int off, len, voff, vlen;
  ASSERT_TRUE(doc.GetAttributePosition("b", off, len, voff, vlen));
  EXPECT_EQ(doc.GetDocument().substr(off, len), "b='1'");
  EXPECT_EQ(doc.GetDocument().substr(voff, vlen), "1");
}

TEST(XmlDocRead, ElementText) {
  CXmlDoc doc("<r><t>one<!--c--> two </t><c><![CDATA[<x>]]></c><p><q/></p><s/><m>a<![CDATA[&]]>&lt;</m></r>");
  ASSERT_TRUE(doc.IsWellFormed());
  EXPECT_EQ(doc.FindElementAndGetText("/r/t"), "one two ");
  EXPECT_EQ(doc.FindElementAndGetText("/r/c"), "<x>");
  EXPECT_EQ(doc.FindElementAndGetText("/r/p"), "");
  EXPECT_EQ(doc.FindElementAndGetText("/r/s"), "");
  EXPECT_EQ(doc.FindElementAndGetText("/r/m"), "a&<");
  EXPECT_EQ(doc.FindElementAndGetText("/r/none"), "");
  EXPECT_EQ(doc.GetElementContent(1),
            "<t>one<!--c--> two </t><c><![CDATA[<x>]]></c><p><q/></p><s/><m>a<![CDATA[&]]>&lt;</m>");
}

struct RefCase {
  const char* in;
  const char* out;
};
class References : public ::testing::TestWithParam<RefCase> {};
TEST_P(References, Resolve) { EXPECT_EQ(CXmlDoc::UnescapeText(GetParam().in), GetParam().out); }
INSTANTIATE_TEST_SUITE_P(
    Table, References,
    ::testing::Values(RefCase{"&#65;", "A"}, RefCase{"&#x41;", "A"}, RefCase{"&lt;&gt;&amp;&apos;&quot;", "<>&'\""},
                      RefCase{"&#0;", "&#0;"}, RefCase{"&foo;", "&foo;"}, RefCase{"&#x20AC;", "\xE2\x82\xAC"},
                      RefCase{"&#0000065;", "A"}, RefCase{"&#00000065;", "&#00000065;"}, RefCase{"&#xE9;", "\xC3\xA9"},
                      RefCase{"&#x1F600;", "\xF0\x9F\x98\x80"}, RefCase{"&#x10FFFF;", "\xF4\x8F\xBF\xBF"},
                      RefCase{"&#x110000;", "&#x110000;"}, RefCase{"&#xD800;", "&#xD800;"}, RefCase{"&#X41;", "&#X41;"},
                      RefCase{"a&", "a&"}, RefCase{"&lt", "&lt"}, RefCase{"&#;", "&#;"}, RefCase{"&&amp;", "&&"}));

TEST(XmlDocRead, NodeWalk) {
  CXmlDoc doc("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!--c-->\r\n<r>t<![CDATA[x]]><a/></r>\r\n");
  ASSERT_TRUE(doc.IsWellFormed());
  EXPECT_EQ(doc.FindNode(), CXmlDoc::NODE_PROCESSING_INSTRUCTION);
  EXPECT_EQ(doc.GetTagName(), "xml");
  EXPECT_EQ(doc.GetAttribute("encoding"), "UTF-8");
  EXPECT_EQ(doc.GetAttributeName(0), "version");
  EXPECT_EQ(doc.FindNode(CXmlDoc::NODE_COMMENT), CXmlDoc::NODE_COMMENT);
  EXPECT_EQ(doc.GetText(), "c");
  EXPECT_EQ(doc.GetTagName(), "#comment");
  EXPECT_EQ(doc.FindNode(), CXmlDoc::NODE_WHITESPACE);
  EXPECT_EQ(doc.FindNode(), CXmlDoc::NODE_ELEMENT);
  EXPECT_EQ(doc.GetTagName(), "r");
  ASSERT_TRUE(doc.IntoElement());
  EXPECT_EQ(doc.FindNode(), CXmlDoc::NODE_TEXT);
  EXPECT_EQ(doc.FindNode(), CXmlDoc::NODE_CDATA_SECTION);
  EXPECT_EQ(doc.GetText(), "x");
  EXPECT_EQ(doc.FindNode(), CXmlDoc::NODE_ELEMENT);
  EXPECT_EQ(doc.GetTagName(), "a");
  EXPECT_EQ(doc.FindNode(), 0);
  ASSERT_TRUE(doc.OutOfElement());
  EXPECT_EQ(doc.FindNode(), CXmlDoc::NODE_WHITESPACE);
  EXPECT_EQ(doc.FindNode(), 0);
  EXPECT_EQ(CXmlDoc::GetDeclaredEncoding(doc.GetDocument().c_str()), "UTF-8");
  EXPECT_EQ(CXmlDoc::GetDeclaredEncoding("<r/>"), "");
}

// A markup node's text and inner place lie between its opening and closing marks; a
// node too short to hold both marks has no text, and its inner place is the whole node.
TEST(XmlDocRead, MarkupNodesTextAndInnerPlaceLieBetweenTheirMarks) {
  struct Case {
    const char* doc;
    int type;
    const char* text;
    int offset, length, innerOffset, innerLength;
  } cases[] = {
      {"<r><!--ab--></r>", CXmlDoc::NODE_COMMENT, "ab", 3, 9, 7, 2},
      {"<r><?pi d?></r>", CXmlDoc::NODE_PROCESSING_INSTRUCTION, "pi d", 3, 8, 5, 4},
      {"<r><![CDATA[xy]]></r>", CXmlDoc::NODE_CDATA_SECTION, "xy", 3, 14, 12, 2},
      {"<r><![CDATA[]]></r>", CXmlDoc::NODE_CDATA_SECTION, "", 3, 12, 12, 0},
      {"<r>a</x></r>", CXmlDoc::NODE_LONE_END_TAG, "x", 4, 4, 6, 1},
  };
  for (const Case& c : cases) {
    CXmlDoc doc(c.doc);
    ASSERT_TRUE(doc.FindElement("/r")) << c.doc;
    ASSERT_TRUE(doc.IntoElement()) << c.doc;
    ASSERT_EQ(doc.FindNode(c.type), c.type) << c.doc;
    EXPECT_EQ(doc.GetText(), c.text) << c.doc;
    int offset = -1, length = -1, innerOffset = -1, innerLength = -1;
    ASSERT_TRUE(doc.GetNodePosition(offset, length, innerOffset, innerLength)) << c.doc;
    EXPECT_EQ(offset, c.offset) << c.doc;
    EXPECT_EQ(length, c.length) << c.doc;
    EXPECT_EQ(innerOffset, c.innerOffset) << c.doc;
    EXPECT_EQ(innerLength, c.innerLength) << c.doc;
  }
}

TEST(XmlDocRead, SavedPositions) {
  CXmlDoc doc(kModel);
  EXPECT_FALSE(doc.RestorePosition("x"));
  EXPECT_FALSE(doc.SavePosition(nullptr));
  ASSERT_TRUE(doc.FindElement("/r/a[2]/b"));
  ASSERT_TRUE(doc.SavePosition("b3"));
  ASSERT_TRUE(doc.FindElement("/r/a"));
  ASSERT_TRUE(doc.FindChildElement("c"));
  ASSERT_TRUE(doc.SavePosition("c"));
  doc.ResetPosition();
  ASSERT_TRUE(doc.RestorePosition("b3"));
  EXPECT_EQ(doc.GetText(), "b3");
  ASSERT_TRUE(doc.RestorePosition("c"));
  EXPECT_EQ(doc.GetElementPath(doc.GetCurrentChild()), "/r/a/c");
  EXPECT_EQ(doc.GetElementPath(doc.GetCurrentElement()), "/r/a");
}

TEST(XmlDocRead, EmptyDocumentFindsNothing) {
  CXmlDoc doc;
  EXPECT_FALSE(doc.FindElement("/r"));
  EXPECT_FALSE(doc.FindElement());
  EXPECT_EQ(doc.FindNode(), 0);
  EXPECT_EQ(doc.GetText(), "");
  EXPECT_EQ(doc.GetTagName(), "");
}

}  // namespace
