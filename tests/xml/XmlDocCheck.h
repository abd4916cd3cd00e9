// Checks that a document's element index describes its text exactly, by parsing the
// text afresh and comparing both indexes element by element in document order.
#pragma once

#include <string>

#include "xml/CXmlDoc.h"

namespace PV {
namespace XmlCheck {

inline uint32_t NextInOrder(const CXmlDoc& d, uint32_t i) {
  if (d.GetElementPos(i).firstChild) return d.GetElementPos(i).firstChild;
  while (i != 0) {
    if (d.GetElementPos(i).nextSibling) return d.GetElementPos(i).nextSibling;
    i = d.GetElementPos(i).parent;
  }
  return 0;
}

// Empty when the index matches the text, else a description of the first difference.
inline std::string IndexDifference(const CXmlDoc& doc) {
  if (doc.GetElementPos(0).length != doc.GetDocument().size()) return "record 0 length";
  CXmlDoc fresh(doc.GetDocument());
  uint32_t a = doc.GetElementPos(0).firstChild;
  uint32_t b = fresh.GetElementPos(0).firstChild;
  while (a || b) {
    if (!a || !b) return "element count";
    const CXmlDoc::ElementPos& x = doc.GetElementPos(a);
    const CXmlDoc::ElementPos& y = fresh.GetElementPos(b);
    if (x.start != y.start || x.length != y.length || x.startTagLen != y.startTagLen || x.endTagLen != y.endTagLen)
      return "element at " + std::to_string(y.start) + " differs (edited start " + std::to_string(x.start) +
             " length " + std::to_string(x.length) + ", parsed length " + std::to_string(y.length) + ")";
    if (doc.GetElementLevel(a) != fresh.GetElementLevel(b)) return "level at " + std::to_string(y.start);
    if ((x.prevSibling == 0) != (y.prevSibling == 0)) return "sibling links at " + std::to_string(y.start);
    a = NextInOrder(doc, a);
    b = NextInOrder(fresh, b);
  }
  return std::string();
}

}  // namespace XmlCheck
}  // namespace PV
