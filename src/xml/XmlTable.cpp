#include "xml/XmlTable.h"

namespace PV {
namespace XML {

std::string quoteForMessage(const std::string& text) {
  constexpr std::size_t kMax = 40;
  std::string shown;
  for (char c : text.substr(0, kMax)) {
    unsigned char u = static_cast<unsigned char>(c);
    shown += (u < 0x20 || u >= 0x7f) ? '?' : c;
  }
  if (text.size() > kMax) shown += "...";
  return "\"" + shown + "\"";
}

// ---- Iterator -----------------------------------------------------------------------

Table::Iterator::Iterator(const Table* tbl) : table_(tbl) { PV_ASSERT(tbl != 0); }

void Table::Iterator::reset() {
  currIndex_ = 0;
  rootIndex_ = 0;
  depth_ = 0;
}

const TableEntry& Table::Iterator::at(uint32_t i) const {
  PV_ASSERT(table_ != 0);
  PV_ASSERT(i < table_->length());
  return table_->entry(i);
}

uint32_t Table::Iterator::currIndex() const {
  PV_ASSERT(currIndex_ < table_->length());
  return currIndex_;
}

void Table::Iterator::setCurrIndex(uint32_t n) {
  PV_ASSERT(n < table_->length());
  currIndex_ = n;
}

void Table::Iterator::setRootIndex(uint32_t n) {
  PV_ASSERT(n < table_->length());
  rootIndex_ = n;
}

void Table::OutputIterator::step(CXmlDoc& xml, const char* tag, uint32_t d, const std::string* text) {
  if (depth_ < d) {
    uint32_t delta = d - depth_;
    PV_ASSERT(delta == 1);
    bool rc = xml.IntoElement();
    PV_ASSERT(rc == true);
    depth_ = d;
  } else if (depth_ > d) {
    while (depth_ > d) {
      bool rc = xml.OutOfElement();
      PV_ASSERT(rc == true);
      --depth_;
    }
  }
  bool added = xml.AddElement(tag, text ? text->c_str() : nullptr);
  PV_ASSERT(added);
}

// ---- Table --------------------------------------------------------------------------

Table::Table(const TableEntry* tbl, uint32_t len) : input_(this), output_(this), len_(len), tbl_(tbl) {
  PV_ASSERT(len != 0);
  PV_ASSERT(tbl != 0);
  for (uint32_t i = 0; i < len_; ++i) checkEntry(tbl_[i]);
}

void Table::checkEntry(const TableEntry& data) {
  PV_ASSERT((data.tag && !data.instr && !data.cmt) || (data.instr && !data.tag && !data.cmt) ||
            (data.cmt && !data.instr && !data.tag));
  PV_ASSERT(data.attrcount <= TABLE_MAX_ATTRIBS);
  for (uint32_t n = 0; n < data.attrcount; ++n) {
    PV_ASSERT((!data.attribs[n].fun && data.attribs[n].optvalue) || (data.attribs[n].fun && !data.attribs[n].optvalue));
  }
}

uint32_t Table::length() const {
  PV_ASSERT(len_ != 0);
  return len_;
}

const TableEntry& Table::entry(uint32_t i) const {
  PV_ASSERT(tbl_ != 0);
  PV_ASSERT(i < len_);
  return tbl_[i];
}

}  // namespace XML
}  // namespace PV
