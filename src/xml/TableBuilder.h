// A small helper for the file modules: builds an element table and owns the
// accessors its entries point to. Each file type keeps one, built on first use and
// kept until the program ends.
#pragma once

#include "foundation/Assert.h"
#include "model/Functor.h"
#include "model/Transform.h"
#include "xml/XmlTable.h"

#include <initializer_list>
#include <memory>
#include <vector>

namespace PV {
namespace XML {

inline constexpr const char* XSI_NAMESPACE = "http://www.w3.org/2001/XMLSchema-instance";
inline constexpr const char* XML_DECLARATION = "xml version=\"1.0\" encoding=\"UTF-8\"";

class TableBuilder {
 public:
  TableBuilder() = default;
  TableBuilder(const TableBuilder&) = delete;
  TableBuilder& operator=(const TableBuilder&) = delete;

  const TableEntry* entries() const { return entries_.data(); }
  uint32_t size() const { return static_cast<uint32_t>(entries_.size()); }

 protected:
  Data::Functor* own(Data::Functor* fun) {
    owned_.emplace_back(fun);
    return fun;
  }
  void add(const TableEntry& entry) { entries_.push_back(entry); }

  static TableEntry processingInstruction() {
    TableEntry e{};
    e.instr = XML_DECLARATION;
    return e;
  }
  static TableAttrib attrib(const char* name, const char* label, Data::Functor* fun, bool mandatory) {
    return TableAttrib{name, label, fun, nullptr, static_cast<uint8_t>(mandatory ? 1 : 0)};
  }
  static TableAttrib fixed(const char* name, const char* value) { return TableAttrib{name, "L", nullptr, value, 1}; }
  static TableEntry element(const char* tag, uint32_t collectionId, const char* path, const char* label, uint8_t flag1,
                            uint8_t flag2, bool mandatory, uint32_t prevEntry, uint32_t depth, Data::Functor* fun,
                            std::initializer_list<TableAttrib> attribs = {}) {
    TableEntry e{};
    e.tag = tag;
    e.collectionId = collectionId;
    e.path = path;
    e.label = label;
    e.flag1 = flag1;
    e.flag2 = flag2;
    e.mandatory = mandatory ? 1 : 0;
    e.prevEntry = prevEntry;
    e.depth = depth;
    e.fun = fun;
    PV_ASSERT(attribs.size() <= TABLE_MAX_ATTRIBS);
    for (const TableAttrib& a : attribs) e.attribs[e.attrcount++] = a;
    return e;
  }
  // The root element of an options file whose record is an R: the schema it names, when
  // it was made and last changed, and the options version, which it must carry.
  template <class R>
  TableEntry optionsRoot(const char* tag, const char* path, const char* label, const char* schema) {
    return element(tag, 0, path, label, 1, 0, true, 0, 0, own(new Data::Transform<R>()),
                   {fixed("xmlns:xsi", XSI_NAMESPACE), fixed("xsi:noNamespaceSchemaLocation", schema),
                    attrib("crtime", "L", own(new Data::Transform<R>(&R::set_crtime, &R::get_crtime)), false),
                    attrib("modtime", "L", own(new Data::Transform<R>(&R::set_modtime, &R::get_modtime)), false),
                    attrib("appver", "L", own(new Data::Transform<R>(&R::set_appver, &R::get_appver)), true)});
  }

 private:
  std::vector<std::unique_ptr<Data::Functor>> owned_;
  std::vector<TableEntry> entries_;
};

}  // namespace XML
}  // namespace PV
