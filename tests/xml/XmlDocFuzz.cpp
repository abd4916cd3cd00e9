// Fuzz target: parse any text, walk it node by node, write every element back into a
// new document, edit the parsed one, and check that nothing breaks: the element index
// stays exact, what is written is 7-bit, and values survive the write-back.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "XmlDocCheck.h"  // tests/xml
#include "xml/CXmlDoc.h"

namespace {

void Fail(const char* what, const std::string& detail) {
  std::string shown;
  for (unsigned char ch : detail) {
    if (ch == '\n' || (ch >= 0x20 && ch < 0x7F)) {
      shown += static_cast<char>(ch);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", ch);
      shown += hex;
    }
  }
  std::fprintf(stderr, "xmldoc fuzz: %s: %s\n", what, shown.c_str());
  std::abort();
}

// Valid UTF-8 without zero bytes (the editing calls take zero-terminated text).
bool IsValidUtf8(const std::string& s) {
  if (s.find('\0') != std::string::npos) return false;
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    int extra;
    uint32_t cp, min;
    if (b < 0x80) {
      ++i;
      continue;
    } else if (b >= 0xC2 && b <= 0xDF) {
      extra = 1, cp = b & 0x1F, min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
      extra = 2, cp = b & 0x0F, min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3, cp = b & 0x07, min = 0x10000;
    } else {
      return false;
    }
    if (i + static_cast<size_t>(extra) >= s.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      const unsigned char c = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += static_cast<size_t>(extra) + 1;
  }
  return true;
}

bool IsPlainName(const std::string& n) {
  if (n.empty()) return false;
  for (unsigned char ch : n)
    if (ch >= 0x80 || ch <= 0x20 || std::string("<>/=&'\"?!").find(static_cast<char>(ch)) != std::string::npos)
      return false;
  return true;
}

// Walks `doc` in document order; writes each element into `out` (when given) and
// lists name, text and attributes of each. `exact` turns false when something met
// cannot be written back unchanged.
std::vector<std::string> Walk(CXmlDoc& doc, CXmlDoc* out, bool& exact) {
  std::vector<std::string> list;
  doc.ResetPosition();
  if (out) out->ResetPosition();
  int depth = 0;
  std::vector<bool> plainPath{true};  // no name on the way down holds a path character
  for (int steps = 0; steps < 20000; ++steps) {
    const int type = doc.FindNode(0);
    if (type == 0) {
      if (depth == 0) break;
      if (!doc.OutOfElement()) Fail("OutOfElement", doc.GetDocument());
      if (out && !out->OutOfElement()) Fail("OutOfElement (out)", out->GetDocument());
      --depth;
      plainPath.pop_back();
      continue;
    }
    if (type != CXmlDoc::NODE_ELEMENT) {
      (void)doc.GetText();
      (void)doc.GetTagName();
      int o, l, io, il;
      if (!doc.GetNodePosition(o, l, io, il) || o < 0 || l <= 0 || io < o || il < 0 || io + il > o + l ||
          static_cast<size_t>(o + l) > doc.GetDocument().size())
        Fail("node position", doc.GetDocument());
      continue;
    }
    const uint32_t e = doc.GetCurrentElement();
    const std::string name = doc.GetTagName();
    const std::string text = doc.GetText();
    std::string entry = name + "|" + text;
    if (!IsPlainName(name) || !IsValidUtf8(text)) exact = false;
    std::set<std::string> seen;
    std::vector<std::pair<std::string, std::string>> attrs;
    for (int n = 0; n < 64; ++n) {
      const std::string an = doc.GetAttributeName(n);
      if (an.empty()) break;
      const std::string av = doc.GetAttribute(an);
      if (!seen.insert(an).second || !IsPlainName(an) || !IsValidUtf8(av)) exact = false;
      attrs.emplace_back(an, av);
      entry += "|" + an + "=" + av;
    }
    list.push_back(entry);
    const std::string path = doc.GetElementPath(e);
    if (out) {
      if (out->AddElement(name.c_str(), text.c_str())) {
        // Names other XML readers refuse are refused by the editing calls too.
        for (const auto& a : attrs)
          if (!out->SetAttribute(a.first.c_str(), a.second.c_str())) exact = false;
      } else {
        exact = false;
        out->AddElement("x");
      }
    }
    // The element's own path finds it again (names holding path characters aside).
    const bool plain = plainPath.back() && name.find_first_of("[]*@") == std::string::npos;
    if (exact && plain) {
      doc.SavePosition("walk");
      doc.ResetPosition();
      if (!doc.FindElement(path.c_str()) || doc.GetCurrentElement() != e) Fail("path", path);
      if (!doc.RestorePosition("walk") || doc.GetCurrentElement() != e) Fail("saved position", path);
    }
    if (!doc.IntoElement()) Fail("IntoElement", doc.GetDocument());
    if (out && !out->IntoElement()) Fail("IntoElement (out)", out->GetDocument());
    ++depth;
    plainPath.push_back(plain);
  }
  return list;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CXmlDoc doc;
  const bool wellFormed = doc.SetDocument(text);
  if (doc.GetElementPos(0).length != text.size()) Fail("record 0 length", text);
  if (wellFormed != doc.GetError().empty()) Fail("verdict and error text disagree", doc.GetError());

  bool exact = wellFormed;
  CXmlDoc out;
  const std::vector<std::string> before = Walk(doc, &out, exact);
  const std::string& written = out.GetDocument();
  for (unsigned char ch : written)
    if (ch >= 0x80) Fail("written text is not 7-bit", written);
  std::string diff = PV::XmlCheck::IndexDifference(out);
  if (!diff.empty()) Fail(diff.c_str(), written);
  if (exact) {
    CXmlDoc back(written);
    if (!back.IsWellFormed()) Fail("written text does not parse", back.GetError() + "\n" + written);
    bool ignored = true;
    if (Walk(back, nullptr, ignored) != before) Fail("values changed by write-back", text + "\n----\n" + written);
  }

  // Edits on the parsed document keep its index exact.
  CXmlDoc edit(text);
  if (edit.FindElement("//*")) {
    edit.SetAttribute("pv", "1 < 2");
    edit.AddElement("added", "t", CXmlDoc::INS_AS_CHILD);
    edit.InsertNode(CXmlDoc::NODE_COMMENT, "c");
    if (edit.FindElement("/*/*")) {
      edit.SetText(edit.GetCurrentElement(), "new");
      edit.RemoveElement();
    }
    if (wellFormed) {
      diff = PV::XmlCheck::IndexDifference(edit);
      if (!diff.empty()) Fail(diff.c_str(), text + "\n----\n" + edit.GetDocument());
    }
  }

  // Content set again from its own markup leaves text and index as they were;
  // markup of an element added again as a child keeps the index exact.
  CXmlDoc again(text);
  if (wellFormed && again.FindElement("/*")) {
    const uint32_t root = again.GetCurrentElement();
    const std::string content = again.GetElementContent(root);
    // (An empty element gets an end tag, so its text changes.)
    if (content.find('\0') == std::string::npos && !again.GetElementPos(root).IsEmptyElement()) {
      again.SetElementContent(content.c_str());
      if (again.GetDocument() != text) Fail("content set again changed the text", text);
      diff = PV::XmlCheck::IndexDifference(again);
      if (!diff.empty()) Fail(diff.c_str(), text);
      const uint32_t first = again.GetElementPos(root).firstChild;
      const std::string markup = first ? again.GetElementMarkup(first) : std::string("<n/>");
      if (markup.find('\0') == std::string::npos && again.AddSubDocument(markup.c_str(), CXmlDoc::INS_AS_CHILD)) {
        diff = PV::XmlCheck::IndexDifference(again);
        if (!diff.empty()) Fail(diff.c_str(), text + "\n----\n" + again.GetDocument());
      }
    }
  }
  return 0;
}
