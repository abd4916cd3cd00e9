// The element-table engine: reads records out of a parsed XML document and writes
// records into a new one by walking a static table that describes a file type.
//
// A table is an array of entries, one for the processing instruction and one for each
// element the file may hold, each with its absolute path, its depth, the accessor that
// binds it to a record or a field, and up to ten attribute descriptions. The engine
// knows nothing of any file type: the file classes call its operations in a fixed
// order, one record or one list at a time, and the accessors convert between fields
// and text.
//
// Reading never trusts the document: a well-formed document that breaks the table's
// rules (no root, a missing mandatory attribute or text, an empty text, a container
// without items, too many items, a value that does not convert or that a record
// refuses) throws a FormatError naming the element and attribute. Writing a record
// that lacks a mandatory text throws a FormatError as well, so that a save refuses
// rather than writes a file that could not be read back.
#pragma once

#include "foundation/Assert.h"
#include "model/Functor.h"
#include "model/Transform.h"
#include "xml/CXmlDoc.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace PV {
namespace XML {

// A well-formed document that is not a valid file of its type, or a record that
// cannot be written as one. The text names the element and attribute concerned.
class FormatError : public std::runtime_error {
 public:
  explicit FormatError(const std::string& what) : std::runtime_error(what) {}
};

struct TableAttrib {
  const char* name;
  const char* label;
  Data::Functor* fun;
  const char* optvalue;  // fixed value: written unchanged, never read
  uint8_t mandatory;
};

constexpr uint32_t TABLE_MAX_ATTRIBS = 10;

struct TableEntry {
  const char* instr;  // processing instruction (entry 0 only)
  const char* tag;    // element name
  uint32_t collectionId;
  const char* path;  // absolute path from the document root
  const char* label;
  uint8_t flag1;
  uint8_t flag2;
  uint8_t mandatory;  // binds child text elements only
  uint32_t prevEntry;
  uint32_t depth;  // 0 for the root
  Data::Functor* fun;
  const char* optvalue;
  const char* cmt;
  uint32_t attrcount;
  TableAttrib attribs[TABLE_MAX_ATTRIBS];
};

struct AttribPair {
  std::string name;
  std::string value;
};

// The smallest program version a file may carry: versions are written with one
// decimal, and a smaller one would be written as "0.0", which no reader takes.
inline constexpr double MIN_APPVER = 0.05;

// The fixed comment written after the processing instruction of every file.
inline constexpr const char* TABLE_HEADER_COMMENT = "crc32=0xafee1234";

class Table {
 public:
  class Iterator {
   public:
    explicit Iterator(const Table* table);
    void reset();
    const TableEntry& at(uint32_t i) const;
    const TableEntry& operator[](uint32_t i) const { return at(i); }
    uint32_t currIndex() const;
    void setCurrIndex(uint32_t n);
    void setRootIndex(uint32_t n);
    bool inRange(uint32_t i) const { return i < table_->length(); }
    uint32_t depth() const { return depth_; }
    void setDepth(uint32_t d) { depth_ = d; }

   protected:
    uint32_t currIndex_ = 0;
    uint32_t rootIndex_ = 0;
    uint32_t depth_ = 0;
    const Table* table_;
  };

  class InputIterator : public Iterator {
   public:
    using Iterator::Iterator;
  };

  class OutputIterator : public Iterator {
   public:
    using Iterator::Iterator;
    // Moves the document's position to depth d and adds an element there.
    void step(CXmlDoc& xml, const char* tag, uint32_t d, const std::string* text);
  };

  Table(const TableEntry* entries, uint32_t len);
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  uint32_t length() const;
  const TableEntry& entry(uint32_t i) const;

  InputIterator& input() { return input_; }
  OutputIterator& output() { return output_; }

  // ---- reading ----
  template <class T>
  void readRoot(CXmlDoc& xml, T& record, InputIterator& iter);
  template <class T>
  bool readElem(CXmlDoc& xml, T& record, InputIterator& iter, const std::string& suffix = std::string(),
                uint32_t start = 0);
  template <class T>
  void simpleElem(CXmlDoc& xml, T& record, InputIterator& iter, const std::string& where);
  template <class T>
  void readText(CXmlDoc& xml, T& record, InputIterator& iter, uint32_t offset);
  template <class V, class I>
  void readVector(CXmlDoc& xml, V& vec, I& scratch, InputIterator& iter, uint32_t maxCount);

  // ---- writing ----
  template <class T>
  void writeTableHeader(CXmlDoc& xml, T& root, OutputIterator& iter);
  template <class T>
  uint32_t findEntry(const T& record, Iterator& iter) const;
  template <class T>
  bool writeElem(CXmlDoc& xml, const T& record, OutputIterator& iter, uint32_t pos = 0);
  template <class T>
  bool writeSimpleElem(CXmlDoc& xml, const T& record, OutputIterator& iter);
  template <class T>
  bool writeText(CXmlDoc& xml, const T& record, OutputIterator& iter, uint32_t offset);
  template <class V>
  void writeVector(CXmlDoc& xml, const V& vec, OutputIterator& iter, uint32_t maxCount);

 private:
  static void checkEntry(const TableEntry& data);
  // Index of the first element entry from start whose accessor serves T, or 0.
  template <class T>
  uint32_t search(uint32_t start) const;
  // Whether the accessor may be applied to a record of class T.
  template <class T>
  static bool serves(const Data::Functor* fun);
  // Hands a text read from the document to an accessor; a text that does not
  // convert, or a value the record refuses, becomes a FormatError naming where.
  template <class T>
  static void apply(Data::Functor* fun, T& record, const std::string& text, const std::string& where);

  InputIterator input_;
  OutputIterator output_;
  uint32_t len_;
  const TableEntry* tbl_;
};

// Shortens a text taken from a file for use inside an error message.
std::string quoteForMessage(const std::string& text);

// Whether the text holds a character below the blank other than tab, CR and LF: XML
// files may hold none, raw or as a reference.
inline bool holdsCharacterXmlForbids(const std::string& text) {
  for (char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') return true;
  }
  return false;
}

// ===================================================================================
// Template operations
// ===================================================================================

template <class T>
uint32_t Table::search(uint32_t start) const {
  for (uint32_t i = start; i < len_; ++i) {
    const TableEntry& data = tbl_[i];
    if (!data.tag) continue;
    PV_ASSERT(!data.optvalue);
    PV_ASSERT(data.fun);
    if (serves<T>(data.fun)) return i;
  }
  return 0;
}

template <class T>
bool Table::serves(const Data::Functor* fun) {
  const T* none = nullptr;
  return Data::isA(none, fun);
}

template <class T>
void Table::apply(Data::Functor* fun, T& record, const std::string& text, const std::string& where) {
  // XML files may hold no control characters but tab, CR and LF, nor references to
  // them: every conforming reader refuses such a file, so it is refused here too,
  // whichever field holds one, and a record read from a file never writes one back.
  if (holdsCharacterXmlForbids(text))
    throw FormatError(where + " holds a control character, which XML files may not hold");
  std::string error;
  if (!fun->setValueChecked(&record, text, where, error)) throw FormatError(error);
}

template <class T>
void Table::readRoot(CXmlDoc& xml, T& record, InputIterator& iter) {
  PV_ASSERT(iter[0].instr != 0);
  xml.ResetPosition();
  if (!readElem(xml, record, iter)) {
    uint32_t i = search<T>(1);
    throw FormatError(std::string("the root element <") + (i ? tbl_[i].tag : "?") + "> is missing");
  }
  iter.setRootIndex(iter.currIndex());
}

template <class T>
bool Table::readElem(CXmlDoc& xml, T& record, InputIterator& iter, const std::string& suffix, uint32_t start) {
  uint32_t s = start == 0 ? 1 : start;
  uint32_t pos = search<T>(s);
  bool dataFound = pos != 0;
  PV_ASSERT(dataFound == true);
  const TableEntry& data = tbl_[pos];
  std::string path = std::string(data.path) + suffix;
  if (!xml.FindElement(path.c_str())) return false;
  iter.setCurrIndex(pos);
  if (!data.fun->isEmpty()) {
    PV_ASSERT(data.attrcount == 0);
    simpleElem(xml, record, iter, "element " + path);
    return true;
  }
  for (uint32_t n = 0; n < data.attrcount; ++n) {
    const TableAttrib& a = data.attribs[n];
    PV_ASSERT((!a.fun && a.optvalue) || (a.fun && !a.optvalue));
    if (a.optvalue) continue;
    PV_ASSERT(a.name != 0);
    std::string value = xml.GetAttribute(a.name);
    std::string where = std::string("attribute \"") + a.name + "\" of element " + path;
    if (value.empty()) {
      if (a.mandatory) throw FormatError(where + " is missing or empty");
      continue;
    }
    apply(a.fun, record, value, where);
  }
  return true;
}

template <class T>
void Table::simpleElem(CXmlDoc& xml, T& record, InputIterator& iter, const std::string& where) {
  PV_ASSERT(iter.currIndex() > 0);
  const TableEntry& data = tbl_[iter.currIndex()];
  PV_ASSERT(serves<T>(data.fun) && "simpleElem InternalError: isA(obj, data.fun) returned false");
  std::string value = xml.GetText();
  if (value.empty()) throw FormatError(where + " has no text");
  PV_ASSERT(!data.fun->isEmpty());
  apply(data.fun, record, value, where);
}

template <class T>
void Table::readText(CXmlDoc& xml, T& record, InputIterator& iter, uint32_t offset) {
  PV_ASSERT(offset > 0);
  PV_ASSERT(iter.currIndex() > 0);
  uint32_t pos = iter.currIndex() + offset;
  iter.setCurrIndex(pos);
  const TableEntry& data = tbl_[pos];
  if (!serves<T>(data.fun)) return;
  bool ok = xml.IntoElement();
  PV_ASSERT(ok);
  ok = xml.FindElement(data.tag);
  if (!ok) {
    if (data.mandatory) throw FormatError(std::string("the element <") + data.tag + "> is missing in " + data.path);
    return;
  }
  std::string value = xml.GetText();
  std::string where = std::string("element ") + data.path;
  if (value.empty()) throw FormatError(where + " has no text");
  PV_ASSERT(!data.fun->isEmpty());
  apply(data.fun, record, value, where);
  ok = xml.OutOfElement();
  PV_ASSERT(ok);
}

template <class V, class I>
void Table::readVector(CXmlDoc& xml, V& vec, I& scratch, InputIterator& iter, uint32_t maxCount) {
  PV_ASSERT(vec.empty());
  PV_ASSERT(maxCount >= 1);
  if (!readElem(xml, vec, iter)) return;
  const uint32_t container = iter.currIndex();
  const uint32_t s = container + 1;
  readText(xml, vec, iter, 1);
  if (!readElem(xml, scratch, iter, std::string(), s))
    throw FormatError(std::string("the element ") + tbl_[container].path + " holds no <" + tbl_[s].tag + "> element");
  readText(xml, scratch, iter, 1);
  vec.push_back(scratch);
  for (uint32_t n = 2; n <= maxCount; ++n) {
    I item;
    if (!readElem(xml, item, iter, "[" + std::to_string(n) + "]", s)) break;
    readText(xml, item, iter, 1);
    vec.push_back(item);
  }
  // A file holding more items than a list may have is refused rather than cut:
  // dropping items would leave the others (and the score blocks) out of step.
  std::string beyond = std::string(tbl_[s].path) + "[" + std::to_string(maxCount + 1) + "]";
  if (vec.size() == maxCount && xml.FindElement(beyond.c_str()))
    throw FormatError(std::string("the element ") + tbl_[container].path + " holds more than " +
                      std::to_string(maxCount) + " <" + tbl_[s].tag + "> elements");
}

template <class T>
void Table::writeTableHeader(CXmlDoc& xml, T& root, OutputIterator& iter) {
  PV_ASSERT(iter[0].instr != 0);
  xml.SetDocument(static_cast<const char*>(nullptr));
  xml.ResetPosition();
  xml.InsertNode(CXmlDoc::NODE_PROCESSING_INSTRUCTION, iter[0].instr);
  xml.InsertNode(CXmlDoc::NODE_COMMENT, TABLE_HEADER_COMMENT);
  writeElem(xml, root, iter, 0);
}

template <class T>
uint32_t Table::findEntry(const T&, Iterator& iter) const {
  uint32_t pos = search<T>(0);
  PV_ASSERT(pos != 0 && "Could not find Object In Table");
  iter.setCurrIndex(pos);
  return pos;
}

template <class T>
bool Table::writeElem(CXmlDoc& xml, const T& record, OutputIterator& iter, uint32_t pos) {
  if (pos == 0) pos = findEntry(record, iter);
  PV_ASSERT(pos != 0);
  iter.setCurrIndex(pos);
  const TableEntry& data = tbl_[pos];
  PV_ASSERT(serves<T>(data.fun));
  if (!data.fun->isEmpty()) {
    PV_ASSERT(data.attrcount == 0);
    writeSimpleElem(xml, record, iter);
    return true;
  }
  iter.step(xml, data.tag, data.depth, nullptr);
  for (uint32_t n = 0; n < data.attrcount; ++n) {
    const TableAttrib& a = data.attribs[n];
    PV_ASSERT((!a.fun && a.optvalue) || (a.fun && !a.optvalue));
    PV_ASSERT(a.name != 0);
    AttribPair pair{a.name, std::string()};
    if (a.optvalue) {
      pair.value = a.optvalue;
    } else {
      pair.value = a.fun->getValue(&record);
      if (pair.value.empty()) {
        if (a.mandatory)
          throw FormatError(std::string("attribute \"") + a.name + "\" of element " + data.path + " has no value");
        continue;
      }
    }
    xml.SetAttribute(pair.name.c_str(), pair.value.c_str());
  }
  return true;
}

template <class T>
bool Table::writeSimpleElem(CXmlDoc& xml, const T& record, OutputIterator& iter) {
  PV_ASSERT(iter.currIndex() > 0);
  const TableEntry& data = tbl_[iter.currIndex()];
  PV_ASSERT(data.fun != 0);
  if (!serves<T>(data.fun)) return false;
  PV_ASSERT(!data.fun->isEmpty());
  std::string value = data.fun->getValue(&record);
  if (value.empty()) {
    if (data.mandatory) throw FormatError(std::string("element ") + data.path + " has no text");
    return false;
  }
  iter.step(xml, data.tag, data.depth, &value);
  return true;
}

template <class T>
bool Table::writeText(CXmlDoc& xml, const T& record, OutputIterator& iter, uint32_t offset) {
  PV_ASSERT(offset > 0);
  PV_ASSERT(iter.currIndex() > 0);
  iter.setCurrIndex(iter.currIndex() + offset);
  return writeSimpleElem(xml, record, iter);
}

template <class V>
void Table::writeVector(CXmlDoc& xml, const V& vec, OutputIterator& iter, uint32_t maxCount) {
  PV_ASSERT(maxCount >= 1);
  if (vec.empty()) return;
  // More items than the file may hold would be cut on reading; refuse instead.
  if (vec.size() > maxCount) {
    uint32_t pos = search<V>(0);
    throw FormatError(std::string("the list ") + (pos ? tbl_[pos].path : "?") + " holds " + std::to_string(vec.size()) +
                      " items, more than " + std::to_string(maxCount));
  }
  writeElem(xml, vec, iter, 0);
  const uint32_t s = iter.currIndex() + 1;
  writeText(xml, vec, iter, 1);
  for (const auto& item : vec) {
    bool found = writeElem(xml, item, iter, s);
    PV_ASSERT(found == true);
    writeText(xml, item, iter, 1);
  }
}

}  // namespace XML
}  // namespace PV
