// Editing: the system's line layout, escaping, attributes, text, removal, and the
// element index staying exact after every change.
#include <gtest/gtest.h>

#include <string>

#include "XmlDocCheck.h"
#include "xml/CXmlDoc.h"

namespace {

using PV::XmlCheck::IndexDifference;

#define EXPECT_INDEX_EXACT(doc) EXPECT_EQ(IndexDifference(doc), "") << (doc).GetDocument()

TEST(XmlDocEdit, WritesAFileFromAnEmptyDocumentInTheSystemLayout) {
  CXmlDoc doc;
  doc.SetDocument(static_cast<const char*>(nullptr));
  doc.ResetPosition();
  ASSERT_TRUE(doc.InsertNode(CXmlDoc::NODE_PROCESSING_INSTRUCTION, "xml version=\"1.0\" encoding=\"UTF-8\""));
  ASSERT_TRUE(doc.InsertNode(CXmlDoc::NODE_COMMENT, "crc32=0xafee1234"));
  ASSERT_TRUE(doc.AddElement("r"));
  ASSERT_TRUE(doc.SetAttribute("appver", "4.1"));
  ASSERT_TRUE(doc.SetAttribute("note", "a \"q\" <&> 'x'"));
  EXPECT_EQ(doc.GetDocument(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!--crc32=0xafee1234-->\r\n"
            "<r appver=\"4.1\" note=\"a &quot;q&quot; &lt;&amp;&gt; &apos;x&apos;\"/>\r\n");
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.IntoElement());
  ASSERT_TRUE(doc.AddElement("m"));
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.SetAttribute("nm", "first"));
  ASSERT_TRUE(doc.AddElement("m", "a<b"));
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.IntoElement());
  ASSERT_TRUE(doc.OutOfElement());
  ASSERT_TRUE(doc.AddElement("n"));
  ASSERT_TRUE(doc.IntoElement());
  ASSERT_TRUE(doc.AddElement("k", "1"));
  ASSERT_TRUE(doc.AddElement("k", "2"));
  ASSERT_TRUE(doc.OutOfElement());
  ASSERT_TRUE(doc.OutOfElement());
  EXPECT_EQ(doc.GetDocument(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!--crc32=0xafee1234-->\r\n"
            "<r appver=\"4.1\" note=\"a &quot;q&quot; &lt;&amp;&gt; &apos;x&apos;\">\r\n"
            "<m nm=\"first\"/>\r\n<m>a&lt;b</m>\r\n<n>\r\n<k>1</k>\r\n<k>2</k>\r\n</n>\r\n</r>\r\n");
  EXPECT_INDEX_EXACT(doc);
  EXPECT_TRUE(CXmlDoc(doc.GetDocument()).IsWellFormed());
  EXPECT_EQ(doc.FindElementAndGetText("/r/m[2]"), "a<b");
  EXPECT_EQ(doc.FindElementAndGetText("/r/n/k[2]"), "2");
}

TEST(XmlDocEdit, SettingAnExistingAttributeReplacesOnlyItsValue) {
  CXmlDoc doc("<r><a x='1' y=\"2\">t</a><b/></r>");
  ASSERT_TRUE(doc.FindElement("/r/a"));
  ASSERT_TRUE(doc.SetAttribute("x", "long value"));
  EXPECT_EQ(doc.GetDocument(), "<r><a x=\"long value\" y=\"2\">t</a><b/></r>");
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.SetAttributeInt("y", -7));
  EXPECT_EQ(doc.GetAttribute("y"), "-7");
  ASSERT_TRUE(doc.RemoveAttribute("x"));
  EXPECT_FALSE(doc.RemoveAttribute("x"));
  EXPECT_EQ(doc.GetDocument(), "<r><a y=\"-7\">t</a><b/></r>");
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.FindElement("/r"));
  ASSERT_TRUE(doc.FindChildElement("b"));
  ASSERT_TRUE(doc.SetChildAttribute("z", "&#65;"));
  EXPECT_EQ(doc.GetDocument(), "<r><a y=\"-7\">t</a><b z=\"&amp;#65;\"/></r>");
  EXPECT_INDEX_EXACT(doc);
}

struct EscapeCase {
  const char* in;
  uint32_t flags;
  const char* out;
};
class Escaping : public ::testing::TestWithParam<EscapeCase> {};
TEST_P(Escaping, Text) { EXPECT_EQ(CXmlDoc::EscapeText(GetParam().in, GetParam().flags), GetParam().out); }
INSTANTIATE_TEST_SUITE_P(Table, Escaping,
                         ::testing::Values(EscapeCase{"a<b", 0, "a&lt;b"}, EscapeCase{"a&b>c", 0, "a&amp;b&gt;c"},
                                           EscapeCase{"'\"", 0, "'\""}, EscapeCase{"'\"", 0x100, "&apos;&quot;"},
                                           EscapeCase{"&amp;&#65;&x", 8, "&amp;&#65;&amp;x"},
                                           EscapeCase{"&amp;", 0, "&amp;amp;"}, EscapeCase{"&a b;", 8, "&amp;a b;"},
                                           // Beyond ASCII: references, so that written files stay 7-bit.
                                           EscapeCase{"\xC3\xA9t\xC3\xA9", 0, "&#xE9;t&#xE9;"},
                                           EscapeCase{"\xE2\x82\xAC", 0, "&#x20AC;"},
                                           EscapeCase{"\xF0\x9F\x98\x80", 0, "&#x1F600;"},
                                           EscapeCase{"\xE9", 0, "&#xE9;"}, EscapeCase{"\xF0\x9F", 0, "&#xF0;&#x9F;"},
                                           EscapeCase{"\xED\xA0\x80", 0, "&#xED;&#xA0;&#x80;"}));

TEST(XmlDocEdit, NonAsciiTextIsWrittenAsReferencesAndReadsBack) {
  const char* text = "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80";
  CXmlDoc doc;
  ASSERT_TRUE(doc.AddElement("r"));
  ASSERT_TRUE(doc.SetAttribute("nm", text));
  ASSERT_TRUE(doc.IntoElement());
  ASSERT_TRUE(doc.AddElement("t", text));
  ASSERT_TRUE(doc.AddElement("c", text, CXmlDoc::INS_CDATA));
  for (unsigned char ch : doc.GetDocument()) ASSERT_LT(ch, 0x80) << doc.GetDocument();
  CXmlDoc back(doc.GetDocument());
  ASSERT_TRUE(back.IsWellFormed()) << back.GetError();
  ASSERT_TRUE(back.FindElement("/r"));
  EXPECT_EQ(back.GetAttribute("nm"), text);
  EXPECT_EQ(back.FindElementAndGetText("/r/t"), text);
  EXPECT_EQ(back.FindElementAndGetText("/r/c"), text);
  // A reference read from a file is written back as a reference, not as raw bytes.
  CXmlDoc copy;
  ASSERT_TRUE(copy.AddElement("x", back.FindElementAndGetText("/r/t").c_str()));
  EXPECT_EQ(copy.GetDocument(), "<x>Caf&#xE9; &#x20AC; &#x1F600;</x>\r\n");
}

TEST(XmlDocEdit, CDataSections) {
  EXPECT_EQ(CXmlDoc::EncodeCData("a]]>b"), "<![CDATA[a]]]]><![CDATA[>b]]>");
  CXmlDoc doc("<r><x/></r>");
  ASSERT_TRUE(doc.FindElement("/r/x"));
  ASSERT_TRUE(doc.SetText(doc.GetCurrentElement(), "p]]>q", CXmlDoc::INS_CDATA));
  EXPECT_EQ(doc.GetDocument(), "<r><x><![CDATA[p]]]]><![CDATA[>q]]></x></r>");
  EXPECT_EQ(doc.GetText(), "p]]>q");
  EXPECT_INDEX_EXACT(doc);
  EXPECT_FALSE(doc.InsertNode(CXmlDoc::NODE_CDATA_SECTION, "a]]>b"));
  EXPECT_FALSE(doc.InsertNode(CXmlDoc::NODE_LONE_END_TAG, "x"));
}

TEST(XmlDocEdit, SetText) {
  CXmlDoc doc("<r>\r\n<x/>\r\n<y>old</y>\r\n<z><c/></z>\r\n<w a='1'>\r\n</r>");
  ASSERT_TRUE(doc.FindElement("/r/x"));
  ASSERT_TRUE(doc.SetText(doc.GetCurrentElement(), "a<b"));
  ASSERT_TRUE(doc.FindElement("/r/y"));
  ASSERT_TRUE(doc.SetText(doc.GetCurrentElement(), ""));
  ASSERT_TRUE(doc.FindElementAndSetText("/r/y", "new & more"));
  ASSERT_TRUE(doc.FindElement("/r/z"));
  EXPECT_FALSE(doc.SetText(doc.GetCurrentElement(), "no"));  // has a child element
  EXPECT_FALSE(doc.FindElementAndSetText("/r/w", "no"));     // has no end tag
  EXPECT_EQ(doc.GetDocument(), "<r>\r\n<x>a&lt;b</x>\r\n<y>new &amp; more</y>\r\n<z><c/></z>\r\n<w a='1'>\r\n</r>");
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.FindElement("/r/y"));
  ASSERT_TRUE(doc.SetTextInt(doc.GetCurrentElement(), 42));
  EXPECT_EQ(doc.GetText(), "42");
  EXPECT_INDEX_EXACT(doc);
}

TEST(XmlDocEdit, RefusalsChangeNothing) {
  CXmlDoc doc("<r><a/></r>");
  const std::string before = doc.GetDocument();
  EXPECT_FALSE(doc.AddElement("c", nullptr, CXmlDoc::INS_AS_CHILD));  // no current element
  EXPECT_FALSE(doc.SetAttribute("a", "1"));
  ASSERT_TRUE(doc.FindElement("/r"));
  EXPECT_FALSE(doc.AddElement("c", "text", CXmlDoc::INS_NOT_ENDED));
  EXPECT_FALSE(doc.AddElement("bad name"));
  EXPECT_FALSE(doc.AddElement(""));
  EXPECT_FALSE(doc.SetAttribute("x=\"1\"", "1"));
  EXPECT_FALSE(doc.InsertNode(CXmlDoc::NODE_COMMENT, "a--b"));
  EXPECT_FALSE(doc.InsertNode(CXmlDoc::NODE_COMMENT, "caf\xC3\xA9"));
  EXPECT_EQ(doc.GetDocument(), before);
}

TEST(XmlDocEdit, AddingChildrenAndSiblings) {
  CXmlDoc doc("<r><a/><b></b></r>");
  ASSERT_TRUE(doc.FindElement("/r/a"));
  ASSERT_TRUE(doc.AddElement("c", nullptr, CXmlDoc::INS_AS_CHILD));
  EXPECT_EQ(doc.GetElementPath(doc.GetCurrentChild()), "/r/a/c");
  ASSERT_TRUE(doc.AddElement("d", "t", CXmlDoc::INS_AS_CHILD));
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.FindElement("/r/b"));
  ASSERT_TRUE(doc.AddElement("e", nullptr, CXmlDoc::INS_AS_CHILD | CXmlDoc::INS_SPACE_BEFORE_CLOSE));
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.FindElement("/r/a"));
  ASSERT_TRUE(doc.AddElement("f", nullptr, CXmlDoc::INS_BEFORE));
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.AddElement("g", nullptr, CXmlDoc::INS_NOT_ENDED));
  ASSERT_TRUE(doc.AddElement("h", nullptr, CXmlDoc::INS_AS_CHILD));  // into the element without end tag
  EXPECT_EQ(doc.GetDocument(),
            "<r><f/>\r\n<g>\r\n<h/>\r\n</g>\r\n<a>\r\n<c/>\r\n<d>t</d>\r\n</a><b>\r\n<e />\r\n</b></r>");
  EXPECT_INDEX_EXACT(doc);
  EXPECT_TRUE(CXmlDoc(doc.GetDocument()).IsWellFormed());
}

// A child added to an empty element gives it an end tag; its '>' is markup, so a name
// the reader takes that ends in "]]" keeps it as it is (not as "&gt;").
TEST(XmlDocEdit, AChildOfAnEmptyElementWhoseNameEndsInBracketsGetsAWholeEndTag) {
  CXmlDoc doc("<a]]/>");
  ASSERT_TRUE(doc.FindElement("//*"));
  ASSERT_TRUE(doc.AddElement("b", "t", CXmlDoc::INS_AS_CHILD));
  EXPECT_EQ(doc.GetDocument(), "<a]]>\r\n<b>t</b>\r\n</a]]>");
  EXPECT_INDEX_EXACT(doc);
}

TEST(XmlDocEdit, InsertingNodes) {
  CXmlDoc doc("<r><a/></r>");
  ASSERT_TRUE(doc.FindElement("/r/a"));
  ASSERT_TRUE(doc.InsertNode(CXmlDoc::NODE_TEXT, "t<"));
  ASSERT_TRUE(doc.InsertNode(CXmlDoc::NODE_COMMENT, "c"));
  ASSERT_TRUE(doc.InsertNode(CXmlDoc::NODE_ELEMENT, "n"));
  EXPECT_EQ(doc.GetDocument(), "<r><a/>t&lt;<!--c--><n/>\r\n</r>");
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.FindElement("/r/a"));
  ASSERT_TRUE(doc.FindNode(CXmlDoc::NODE_COMMENT));
  ASSERT_TRUE(doc.SetText(doc.GetCurrentElement(), "longer comment"));
  EXPECT_EQ(doc.GetText(), "longer comment");
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.RemoveNode());
  EXPECT_EQ(doc.GetNodeType(), CXmlDoc::NODE_TEXT);
  EXPECT_EQ(doc.GetDocument(), "<r><a/>t&lt;<n/>\r\n</r>");
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.FindElement("/r"));
  ASSERT_TRUE(doc.IntoElement());
  ASSERT_TRUE(doc.InsertNode(CXmlDoc::NODE_PROCESSING_INSTRUCTION, "pi y='2'", CXmlDoc::INS_BEFORE));
  EXPECT_EQ(doc.GetAttribute("y"), "2");
  ASSERT_TRUE(doc.SetAttribute("x", "1"));
  EXPECT_EQ(doc.GetAttribute("x"), "1");
  EXPECT_EQ(doc.GetDocument(), "<r><?pi y='2' x=\"1\"?>\r\n<a/>t&lt;<n/>\r\n</r>");
  EXPECT_INDEX_EXACT(doc);
}

TEST(XmlDocEdit, RemovingElements) {
  CXmlDoc doc("<r>\r\n<a><x/></a>\r\n<b/>\r\n<c/>\r\n</r>");
  ASSERT_TRUE(doc.FindElement("/r/a/x"));
  ASSERT_TRUE(doc.SavePosition("x"));
  ASSERT_TRUE(doc.FindElement("/r/c"));
  ASSERT_TRUE(doc.SavePosition("c"));
  ASSERT_TRUE(doc.FindElement("/r/a"));
  ASSERT_TRUE(doc.RemoveElement());
  EXPECT_EQ(doc.GetCurrentElement(), 0u);
  EXPECT_EQ(doc.GetDocument(), "<r>\r\n<b/>\r\n<c/>\r\n</r>");
  EXPECT_INDEX_EXACT(doc);
  EXPECT_FALSE(doc.RestorePosition("x"));
  ASSERT_TRUE(doc.RestorePosition("c"));
  ASSERT_TRUE(doc.RemoveElement());
  EXPECT_EQ(doc.GetTagName(), "b");
  EXPECT_EQ(doc.GetDocument(), "<r>\r\n<b/>\r\n</r>");
  EXPECT_INDEX_EXACT(doc);
  // Released records are handed out again.
  const uint32_t count = doc.GetElementCount();
  ASSERT_TRUE(doc.AddElement("d"));
  ASSERT_TRUE(doc.AddElement("e"));
  EXPECT_EQ(doc.GetElementCount(), count);
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.FindElement("/r"));
  ASSERT_TRUE(doc.FindChildElement("d"));
  ASSERT_TRUE(doc.RemoveChildElement());
  EXPECT_EQ(doc.GetTagName(), "r");
  EXPECT_EQ(doc.GetElementPath(doc.GetCurrentChild()), "/r/b");
  EXPECT_EQ(doc.GetDocument(), "<r>\r\n<b/>\r\n<e/>\r\n</r>");
  EXPECT_INDEX_EXACT(doc);
}

TEST(XmlDocEdit, TextGrowthKeepsRecordZeroExact) {
  CXmlDoc doc;
  ASSERT_TRUE(doc.AddElement("r"));
  ASSERT_TRUE(doc.IntoElement());
  for (int i = 0; i < 300; ++i) {
    ASSERT_TRUE(doc.AddElement("item", std::to_string(i).c_str()));
    ASSERT_TRUE(doc.SetAttributeInt("n", i));
  }
  EXPECT_INDEX_EXACT(doc);
  EXPECT_EQ(doc.FindElementAndGetText("/r/item[300]"), "299");
}

}  // namespace

namespace {

// Tags holding stray characters: edits either keep the index exact or are refused.
TEST(XmlDocEdit, OddTagsAreNeverCorruptedByEdits) {
  const char* const texts[] = {"<a<b/>></a>", "<e a='1' x= />", "<r><?pi x=?></r>", "<r a='1'/>"};
  for (const char* text : texts) {
    CXmlDoc doc(text);
    ASSERT_TRUE(doc.IsWellFormed()) << text << ": " << doc.GetError();
    ASSERT_TRUE(doc.FindElement("//*"));
    doc.SetAttribute("pv", "1");
    doc.SetAttribute("x", "2");
    doc.RemoveAttribute("a");
    doc.AddElement("c", "t", CXmlDoc::INS_AS_CHILD);
    EXPECT_INDEX_EXACT(doc);
    EXPECT_TRUE(CXmlDoc(doc.GetDocument()).IsWellFormed()) << doc.GetDocument();
  }
  // The name read back is the name the parser matched end tags against.
  CXmlDoc doc("<u<x></u>");
  ASSERT_TRUE(doc.IsWellFormed()) << doc.GetError();
  ASSERT_TRUE(doc.FindElement("/u"));
  EXPECT_EQ(doc.GetTagName(), "u");
}

}  // namespace

namespace {

TEST(XmlDocEdit, SetElementContentIndexesTheNewMarkup) {
  CXmlDoc doc("<r><a><old/><old/></a><z/></r>");
  ASSERT_TRUE(doc.FindElement("/r/a"));
  ASSERT_TRUE(doc.SetElementContent("<b x='1'><c/></b>text<b/>"));
  EXPECT_EQ(doc.GetDocument(), "<r><a><b x='1'><c/></b>text<b/></a><z/></r>");
  EXPECT_INDEX_EXACT(doc);
  EXPECT_EQ(doc.GetTagName(), "a");
  ASSERT_TRUE(doc.FindElement("/r/a/b[2]"));
  ASSERT_TRUE(doc.FindElement("/r/z"));
  ASSERT_TRUE(doc.SetElementContent("<y/>"));  // into an empty element
  EXPECT_EQ(doc.GetDocument(), "<r><a><b x='1'><c/></b>text<b/></a><z><y/></z></r>");
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.FindElement("/r/a"));
  EXPECT_FALSE(doc.SetElementContent("<b><c></b>"));  // kept, but reported
  EXPECT_EQ(doc.GetError(), "");                      // editing leaves the error text alone
  EXPECT_EQ(doc.GetDocument(), "<r><a><b><c></b></a><z><y/></z></r>");
}

TEST(XmlDocEdit, AddSubDocument) {
  CXmlDoc doc("<r>\r\n<a/>\r\n</r>");
  ASSERT_TRUE(doc.FindElement("/r/a"));
  ASSERT_TRUE(doc.AddSubDocument("  <s k='v'><t>1</t></s>  "));
  EXPECT_EQ(doc.GetTagName(), "s");
  EXPECT_EQ(doc.GetDocument(), "<r>\r\n<a/>\r\n<s k='v'><t>1</t></s>\r\n</r>");
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.AddSubDocument("<u/>", CXmlDoc::INS_AS_CHILD));
  EXPECT_EQ(doc.GetElementPath(doc.GetCurrentChild()), "/r/s/u");
  EXPECT_INDEX_EXACT(doc);
  ASSERT_TRUE(doc.FindElement("/r/a"));
  EXPECT_FALSE(doc.AddSubDocument("<p/><q/>"));  // several elements: added, but not one
  EXPECT_EQ(doc.FindElementAndGetText("/r/s/t"), "1");
  ASSERT_TRUE(doc.FindElement("/r/q"));
  EXPECT_INDEX_EXACT(doc);
  EXPECT_TRUE(CXmlDoc(doc.GetDocument()).IsWellFormed()) << doc.GetDocument();
}

}  // namespace
