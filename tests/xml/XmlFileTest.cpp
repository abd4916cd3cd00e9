// The XML file base used by hand: a small document written with the header, element,
// attribute and comment operations, saved, opened again on the same object for
// reading and read back; and the open and length checks on files that are missing,
// too long or named by nothing.
#include "ModelFixture.h"

#include "xml/XmlFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace PV;
namespace fs = std::filesystem;

// A shopping list: a title, and items with a count and an optional remark.
struct Item {
  std::string name;
  std::string count;
  std::string remark;
  bool operator==(const Item& o) const { return name == o.name && count == o.count && remark == o.remark; }
};
struct List {
  std::string title;
  std::vector<Item> items;
};

class ListFile : public XML::File<List> {
 public:
  ListFile(const std::string& name, bool readFlag) : File<List>(name, readFlag) { setXsdFilename("list.xsd"); }

 protected:
  void writeObject(List& list) override {
    const std::vector<XML::AttribPair> attrs = {{"title", list.title}, {"version", "1.0"}};
    writeHeader("list", &attrs);
    uint32_t depth = 0;
    for (const Item& item : list.items) {
      if (depth == 1) addComment("written by hand");
      // The first item goes one deeper than the root; the later ones stay beside it,
      // and a remark goes one deeper again and comes back out.
      addElement("item", depth, 1);
      depth = 1;
      setAttribute("name", item.name);
      setAttribute("count", item.count, false);
      if (!item.remark.empty()) {
        addElement("remark", depth, 2, &item.remark);
        depth = 2;
        addElement("spare", depth, 2);
        setAttribute("empty", "yes");
        addElement("back", 2, 1);
        depth = 1;
      }
    }
  }

  void readObject(List& list) override {
    CXmlDoc& d = doc();
    d.ResetPosition();
    if (!d.FindElement("list")) throw XML::FormatError("no list");
    list.title = d.GetAttribute("title");
    d.IntoElement();
    while (d.FindElement("item")) {
      Item item;
      item.name = d.GetAttribute("name");
      item.count = d.GetAttribute("count");
      d.IntoElement();
      if (d.FindElement("remark")) item.remark = d.GetText();
      d.OutOfElement();
      list.items.push_back(item);
    }
  }
};

TEST(XmlFile, ADocumentWrittenByHandReadsBackThroughTheSameObject) {
  const std::string dir = Fixture::freshFolder("byhand");
  const std::string path = dir + "/list.xml";
  List list;
  list.title = "Week <12> & \"more\"";
  list.items = {{"apples", "6", ""}, {"tea", "1", "green, loose"}, {"bread", "2", ""}};

  ListFile file(path, false);
  EXPECT_TRUE(file.checkFilename(path));
  EXPECT_FALSE(file.checkFilename(""));
  ASSERT_TRUE(file.write(list)) << file.errorText();
  const std::string text = Fixture::fileBytes(path);
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u) << text;
  EXPECT_NE(text.find("<list xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                      "xsi:noNamespaceSchemaLocation=\"list.xsd\" title=\"Week &lt;12&gt; &amp; &quot;more&quot;\" "
                      "version=\"1.0\">\r\n<item name=\"apples\" count=\"6\"/>\r\n<!--written by hand-->\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("<spare empty=\"yes\"/>"), std::string::npos) << text;
  EXPECT_NE(text.find("<back/>"), std::string::npos) << text;

  // The same object, opened again for reading.
  file.open(path, true);
  ASSERT_TRUE(file.isOkay()) << file.errorText();
  List back;
  try {
    file.read(back);
  } catch (const XML::FileError& error) {
    FAIL() << error.what();
  }
  EXPECT_TRUE(file.checkFileLength());
  EXPECT_EQ(back.title, list.title);
  EXPECT_EQ(back.items, list.items);

  // Another schema; and a comment cannot be empty or hold what would end it early.
  List none;
  ListFile other(dir + "/other.xml", false);
  other.setXsdFilename("other.xsd");
  ASSERT_TRUE(other.write(none));
  const std::string otherText = Fixture::fileBytes(dir + "/other.xml");
  EXPECT_NE(otherText.find("xsi:noNamespaceSchemaLocation=\"other.xsd\""), std::string::npos) << otherText;
  EXPECT_NE(otherText.find(" title=\"\" version=\"1.0\"/>"), std::string::npos) << otherText;
  for (const char* bad : {"", "a -- b", "ends-"}) EXPECT_FALSE(other.addComment(bad)) << bad;
  EXPECT_TRUE(other.addComment("fine"));
}

TEST(XmlFile, OpeningRecordsWhatIsWrongWithoutEndingTheProgram) {
  const std::string dir = Fixture::freshFolder("openings");
  ListFile file(dir + "/missing.xml", true);
  EXPECT_FALSE(file.isOkay());
  EXPECT_EQ(file.errorCode(), XML::OPEN_FAILED_FILE);
  EXPECT_NE(file.errorText().find(dir + "/missing.xml"), std::string::npos) << file.errorText();

  // No name at all: refused, not a contract failure.
  file.open("", true);
  EXPECT_EQ(file.errorCode(), XML::OPEN_FAILED_FILE);

  // One byte beyond the limit: reading refuses it, and so does the length check.
  const std::string longer = dir + "/long.xml";
  Fixture::writeBytes(longer, "<list>" + std::string(XML::MAX_XML_BUF, ' ') + "</list>");
  file.open(longer, true);
  EXPECT_TRUE(file.isOkay());
  List list;
  EXPECT_THROW(file.read(list), XML::FileError);
  EXPECT_FALSE(file.checkFileLength());
  EXPECT_EQ(file.errorCode(), XML::TOO_LONG_FILE);

  // Opened again on a good file, the object is in order again.
  const std::string good = dir + "/good.xml";
  Fixture::writeBytes(good, "<list title=\"t\"><item name=\"a\" count=\"1\"/></list>");
  file.open(good, true);
  EXPECT_TRUE(file.isOkay());
  file.read(list);
  EXPECT_TRUE(file.checkFileLength());
  ASSERT_EQ(list.items.size(), 1u);
  EXPECT_EQ(list.items[0].name, "a");
}

}  // namespace
