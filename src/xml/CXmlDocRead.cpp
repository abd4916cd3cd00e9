// CXmlDoc: navigation and reading. Nothing here changes the text.
#include <algorithm>
#include <cstring>

#include "xml/CXmlDoc.h"

#include "foundation/TextCodes.h"
#include "xml/XmlText.h"

using namespace PV::XML::Text;

namespace {

// The marks a node of a markup kind opens and closes with in the text ("<!--" and "-->",
// "<?" and "?>", "<![CDATA[" and "]]>", "</" and ">"); none around other kinds. What
// lies between them is the node's inner text.
struct NodeMarks {
  int open = 0;
  int close = 0;
  int Both() const { return open + close; }
  bool Any() const { return Both() != 0; }
};

NodeMarks MarksOf(int type) {
  switch (type) {
    case CXmlDoc::NODE_COMMENT:
      return {4, 3};
    case CXmlDoc::NODE_PROCESSING_INSTRUCTION:
      return {2, 2};
    case CXmlDoc::NODE_CDATA_SECTION:
      return {9, 3};
    case CXmlDoc::NODE_LONE_END_TAG:
      return {2, 1};
    default:
      return {};
  }
}

}  // namespace

std::string CXmlDoc::UnescapeText(const char* text, int length) {
  std::string out;
  if (!text) return out;
  const int len = length < 0 ? static_cast<int>(std::strlen(text)) : length;
  out.reserve(static_cast<size_t>(len));
  for (int i = 0; i < len; ++i) {
    const char ch = text[i];
    if (ch != '&') {
      out += ch;
      continue;
    }
    if (i + 1 < len && text[i + 1] == '#') {
      int j = i + 2;
      const bool hex = j < len && text[j] == 'x';
      if (hex) ++j;
      int semi = -1;
      for (int k = j; k < len && k <= j + 7; ++k) {
        if (text[k] == ';') {
          semi = k;
          break;
        }
      }
      if (semi >= 0) {
        uint32_t value = 0;
        for (int k = j; k < semi; ++k) {
          const int d = hex ? PV::Text::hexDigitValue(text[k]) : (IsDigit(text[k]) ? text[k] - '0' : -1);
          if (d < 0) break;
          value = value * (hex ? 16 : 10) + static_cast<uint32_t>(d);
        }
        // Zero, surrogates and values beyond Unicode name no character: kept as written.
        if (value != 0 && value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF)) {
          PV::Text::appendUtf8(out, value);
          i = semi;
          continue;
        }
      }
      out += ch;
      continue;
    }
    static const struct {
      const char* name;
      char ch;
    } names[] = {{"lt;", '<'}, {"amp;", '&'}, {"gt;", '>'}, {"apos;", '\''}, {"quot;", '"'}};
    bool done = false;
    for (const auto& e : names) {
      const int n = static_cast<int>(std::strlen(e.name));
      if (i + 1 + n <= len && std::memcmp(text + i + 1, e.name, static_cast<size_t>(n)) == 0) {
        out += e.ch;
        i += n;
        done = true;
        break;
      }
    }
    if (!done) out += ch;
  }
  return out;
}

std::string CXmlDoc::DoGetElementName(uint32_t index) const {
  if (index == 0 || index >= nextNew_) return std::string();
  TokenCursor c = DoCursorAt(static_cast<int>(pos_[index].start) + 1);
  c.NextToken();
  return c.Token();
}

bool CXmlDoc::DoMatchName(uint32_t index, const char* name) const {
  if (name[0] == '*' && (name[1] == '\0' || name[1] == '/' || name[1] == '[')) return true;
  TokenCursor c = DoCursorAt(static_cast<int>(pos_[index].start) + 1);
  c.NextToken();
  if (c.TokenLength() <= 0) return false;
  return c.Match(name);
}

uint32_t CXmlDoc::DoNextInDocumentOrder(uint32_t index, bool skipSubtree) const {
  if (!skipSubtree && pos_[index].firstChild) return pos_[index].firstChild;
  while (index != 0) {
    if (pos_[index].nextSibling) return pos_[index].nextSibling;
    index = pos_[index].parent;
  }
  return 0;
}

uint32_t CXmlDoc::DoFindElement(uint32_t parent, uint32_t element, const char* path) const {
  bool descendant = false;
  uint32_t cand;
  const char* p = path;
  if (!path || path[0] != '/') {
    cand = element ? pos_[element].nextSibling : pos_[parent].firstChild;
  } else if (path[1] != '/') {
    cand = pos_[0].firstChild;
    p = path + 1;
  } else {
    descendant = true;
    p = path + 2;
    if (element)
      cand = pos_[element].firstChild ? pos_[element].firstChild : DoNextInDocumentOrder(element, true);
    else
      cand = pos_[parent].firstChild;
  }
  if (!p || *p == '\0') return cand;

  for (;;) {
    // One segment: a name (or "*") and at most one predicate.
    const char* name = p;
    const char* q = p;
    while (*q && *q != '/' && *q != '[') ++q;
    const char* pred = nullptr;
    const char* predEnd = nullptr;
    if (*q == '[') {
      pred = q + 1;
      predEnd = pred;
      // A quoted value may hold ']'.
      char quote = 0;
      while (*predEnd && (quote || *predEnd != ']')) {
        if (quote) {
          if (*predEnd == quote) quote = 0;
        } else if (*predEnd == '\'' || *predEnd == '"') {
          quote = *predEnd;
        }
        ++predEnd;
      }
      q = *predEnd ? predEnd + 1 : predEnd;
    }
    if (name == q || *name == '[') return 0;

    if (pred && *pred >= '1' && *pred <= '9') {
      uint32_t n = 0;
      for (const char* d = pred; d < predEnd && IsDigit(*d) && n < 100000000u; ++d)
        n = n * 10 + static_cast<uint32_t>(*d - '0');
      while (cand) {
        if (DoMatchName(cand, name) && --n == 0) break;
        cand = descendant ? DoNextInDocumentOrder(cand, false) : pos_[cand].nextSibling;
      }
    } else {
      std::string attrName, attrValue, childName;
      bool hasValue = false;
      if (pred && *pred == '@') {
        const char* a = pred + 1;
        const char* e = a;
        while (e < predEnd && *e != '=') ++e;
        attrName.assign(a, static_cast<size_t>(e - a));
        if (e < predEnd) {
          hasValue = true;
          const char* v = e + 1;
          const char* ve = predEnd;
          if (v < ve && (*v == '\'' || *v == '"')) {
            const char qc = *v++;
            const char* close = v;
            while (close < ve && *close != qc) ++close;
            ve = close;
          }
          attrValue = UnescapeText(v, static_cast<int>(ve - v));
        }
      } else if (pred) {
        childName.assign(pred, static_cast<size_t>(predEnd - pred));
      }
      while (cand) {
        bool ok = DoMatchName(cand, name);
        if (ok && !attrName.empty()) {
          TokenCursor c = DoCursorAt(static_cast<int>(pos_[cand].start) + 1);
          ok = DoFindAttribute(c, attrName.c_str(), 0);
          if (ok && hasValue) ok = UnescapeText(c.text + c.start, c.TokenLength()) == attrValue;
        } else if (ok && pred) {
          ok = false;
          for (uint32_t ch = pos_[cand].firstChild; ch && !ok; ch = pos_[ch].nextSibling)
            ok = DoMatchName(ch, childName.c_str());
        }
        if (ok) break;
        cand = descendant ? DoNextInDocumentOrder(cand, false) : pos_[cand].nextSibling;
      }
    }
    if (!cand) return 0;
    if (*q != '/') return cand;
    if (descendant) return 0;
    p = q + 1;
    cand = pos_[cand].firstChild;
    if (*p == '\0') return cand;
  }
}

bool CXmlDoc::FindElement(const char* path) {
  if (nextNew_ == 0) return false;
  const uint32_t found = DoFindElement(parent_, element_, path);
  if (!found) return false;
  DoSetPos(pos_[found].parent, found, 0);
  return true;
}

bool CXmlDoc::FindChildElement(const char* path) {
  if (nextNew_ == 0) return false;
  if (!element_) {
    const uint32_t first = pos_[parent_].firstChild;
    if (!first) return false;
    DoSetPos(parent_, first, 0);
  }
  const uint32_t found = DoFindElement(element_, child_, path);
  if (!found) return false;
  const uint32_t e = pos_[found].parent;
  DoSetPos(e ? pos_[e].parent : 0, e, found);
  return true;
}

bool CXmlDoc::DoFindPrev(uint32_t parent, uint32_t element, const char* name, uint32_t& found) const {
  uint32_t cand;
  if (element) {
    cand = (pos_[parent].firstChild == element) ? 0 : pos_[element].prevSibling;
  } else {
    const uint32_t f = pos_[parent].firstChild;
    cand = f ? pos_[f].prevSibling : 0;
  }
  while (cand) {
    if (!name || DoMatchName(cand, name)) {
      found = cand;
      return true;
    }
    if (pos_[parent].firstChild == cand) break;
    cand = pos_[cand].prevSibling;
  }
  return false;
}

bool CXmlDoc::FindPrevElement(const char* name) {
  if (nextNew_ == 0) return false;
  uint32_t found = 0;
  if (!DoFindPrev(parent_, element_, name, found)) return false;
  DoSetPos(parent_, found, 0);
  return true;
}

bool CXmlDoc::FindPrevChildElement(const char* name) {
  if (nextNew_ == 0 || !element_ || nodeType_ != NODE_ELEMENT) return false;
  uint32_t found = 0;
  if (!DoFindPrev(element_, child_, name, found)) return false;
  DoSetPos(parent_, element_, found);
  return true;
}

bool CXmlDoc::IntoElement() {
  if (!element_ || nodeType_ != NODE_ELEMENT) return false;
  DoSetPos(element_, child_, 0);
  return true;
}

bool CXmlDoc::OutOfElement() {
  if (!parent_) return false;
  DoSetPos(pos_[parent_].parent, parent_, element_);
  return true;
}

int CXmlDoc::FindNode(int mask) {
  if (nextNew_ == 0) return 0;
  int offset;
  if (nodeType_ >= NODE_TEXT && nodeLength_ > 0) {
    offset = nodeOffset_ + nodeLength_;
  } else if (element_) {
    offset = static_cast<int>(pos_[element_].End());
  } else if (parent_) {
    if (pos_[parent_].IsEmptyElement()) return 0;
    offset = static_cast<int>(pos_[parent_].ContentStart());
  } else {
    offset = 0;
  }
  const int parentContentEnd =
      parent_ ? static_cast<int>(pos_[parent_].ContentStart() + pos_[parent_].ContentLength()) : -1;
  uint32_t last = element_;
  TokenCursor c = DoCursorAt(offset);
  NodePos node;
  for (;;) {
    int type = DoParseNode(c, node);
    if (type == -2) return 0;
    if (type == NODE_ELEMENT) {
      const uint32_t e = last ? pos_[last].nextSibling : pos_[parent_].firstChild;
      if (!e || pos_[e].start != static_cast<uint32_t>(node.start)) return 0;
      if (mask == 0 || (mask & NODE_ELEMENT)) {
        DoSetPos(parent_, e, 0);
        return NODE_ELEMENT;
      }
      last = e;
      c.next = static_cast<int>(pos_[e].End());
      continue;
    }
    if (type == 0) {
      if (node.start == parentContentEnd) return 0;
      type = NODE_LONE_END_TAG;
    } else if (type == -1) {
      type = NODE_ERROR;
    }
    if (mask == 0 || (mask & type)) {
      element_ = last;
      child_ = 0;
      nodeOffset_ = node.start;
      nodeLength_ = node.length;
      nodeType_ = type;
      return type;
    }
  }
}

std::string CXmlDoc::GetTagName() const {
  if (nodeLength_ > 0) {
    TokenCursor c = DoCursorAt(nodeOffset_);
    c.textLen = nodeOffset_ + nodeLength_;
    switch (nodeType_) {
      case NODE_PROCESSING_INSTRUCTION:
        c.next = nodeOffset_ + 2;
        c.NextToken();
        return c.Token();
      case NODE_TEXT:
      case NODE_WHITESPACE:
        return "#text";
      case NODE_CDATA_SECTION:
        return "#cdata-section";
      case NODE_COMMENT:
        return "#comment";
      case NODE_DOCUMENT_TYPE:
        c.next = nodeOffset_ + 2;
        c.NextToken();
        c.NextToken();
        return c.Token();
      case NODE_LONE_END_TAG:
        c.next = nodeOffset_ + 2;
        c.NextToken();
        return c.Token();
      default:
        return std::string();
    }
  }
  if (element_) return DoGetElementName(element_);
  return std::string();
}

bool CXmlDoc::DoFindAttribute(TokenCursor& c, const char* name, int n) const {
  const char* s = c.text;
  const int len = c.textLen;
  c.NextToken();  // the tag's or target's name
  int count = 0;
  bool found = false;
  bool expectValue = false;
  for (;;) {
    const int wsStart = c.next;
    int i = wsStart;
    while (i < len && IsSpace(s[i])) ++i;
    if (i >= len) {
      c.next = i;
      return false;
    }
    const char ch = s[i];
    bool quoted = false;
    if (ch == '"' || ch == '\'') {
      int j = i + 1;
      while (j < len && s[j] != ch) ++j;
      c.start = i + 1;
      c.end = j - 1;
      c.next = j < len ? j + 1 : j;
      c.flags |= CURSOR_QUOTED;
      quoted = true;
    } else {
      c.flags &= ~CURSOR_QUOTED;
      int j = i;
      if (!expectValue) {
        auto stop = [](char x) { return x == '=' || IsSpace(x) || x == '>' || x == '/' || x == '?'; };
        if (stop(ch))
          j = i + 1;
        else
          while (j < len && !stop(s[j])) ++j;
      } else {
        if (ch == '>')
          j = i + 1;
        else
          while (j < len && !IsSpace(s[j]) && s[j] != '>') ++j;
      }
      c.start = i;
      c.end = j - 1;
      c.next = j;
    }
    if (!expectValue && !quoted) {
      if (ch == '=') {
        expectValue = true;
        continue;
      }
      if (ch == '>' || ch == '/' || ch == '?') {
        c.next = wsStart;
        return false;
      }
      if (found) return false;  // the wanted attribute has no value
      if (!name) {
        if (count == n) return true;
        ++count;
      } else if (c.Match(name) && static_cast<int>(std::strlen(name)) == c.TokenLength()) {
        found = true;
        c.attrWsStart = wsStart;
        c.attrWsLen = i - wsStart;
      }
      continue;
    }
    expectValue = false;
    if (found) return true;
  }
}

std::string CXmlDoc::GetAttribute(const char* name) const {
  if (!name) return std::string();
  int offset;
  if (element_ && nodeType_ == NODE_ELEMENT)
    offset = static_cast<int>(pos_[element_].start) + 1;
  else if (nodeType_ == NODE_PROCESSING_INSTRUCTION && nodeLength_ > 0)
    offset = nodeOffset_ + 2;
  else
    return std::string();
  TokenCursor c = DoCursorAt(offset);
  if (!DoFindAttribute(c, name, 0)) return std::string();
  return UnescapeText(c.text + c.start, c.TokenLength());
}

std::string CXmlDoc::GetAttributeName(int n) const {
  int offset;
  if (element_ && nodeType_ == NODE_ELEMENT)
    offset = static_cast<int>(pos_[element_].start) + 1;
  else if (nodeType_ == NODE_PROCESSING_INSTRUCTION && nodeLength_ > 0)
    offset = nodeOffset_ + 2;
  else
    return std::string();
  TokenCursor c = DoCursorAt(offset);
  if (n < 0 || !DoFindAttribute(c, nullptr, n)) return std::string();
  return c.Token();
}

// Text of a non-element node: the inner text of markup nodes, resolved text.
std::string CXmlDoc::DoGetNodeText(int type, int offset, int length) const {
  if (type == NODE_TEXT) return UnescapeText(doc_.data() + offset, length);
  const NodeMarks marks = MarksOf(type);
  if (!marks.Any()) return doc_.substr(static_cast<size_t>(offset), static_cast<size_t>(length));
  if (length < marks.Both()) {
    // A short section such as "<![C]]>": nothing between its marks.
    return std::string();
  }
  return doc_.substr(static_cast<size_t>(offset + marks.open), static_cast<size_t>(length - marks.Both()));
}

std::string CXmlDoc::DoGetElementText(uint32_t index) const {
  const ElementPos& e = pos_[index];
  if (e.firstChild || e.IsEmptyElement()) return std::string();
  const int cs = static_cast<int>(e.ContentStart());
  const int cl = static_cast<int>(e.ContentLength());
  if (cl <= 0) return std::string();
  if (std::memchr(doc_.data() + cs, '<', static_cast<size_t>(cl)) == nullptr) return UnescapeText(doc_.data() + cs, cl);
  std::string out;
  TokenCursor c = DoCursorAt(cs);
  c.textLen = cs + cl;
  NodePos node;
  for (;;) {
    const int t = DoParseNode(c, node);
    if (t == -2) break;
    if (t == NODE_TEXT)
      out += UnescapeText(doc_.data() + node.start, node.length);
    else if (t == NODE_CDATA_SECTION)
      out += DoGetNodeText(t, node.start, node.length);
  }
  return out;
}

std::string CXmlDoc::GetText() const {
  if (nodeLength_ > 0) return DoGetNodeText(nodeType_, nodeOffset_, nodeLength_);
  if (element_ && nodeType_ == NODE_ELEMENT) return DoGetElementText(element_);
  return std::string();
}

std::string CXmlDoc::FindElementAndGetText(const char* path) {
  if (!FindElement(path)) return std::string();
  return GetText();
}

bool CXmlDoc::SavePosition(const char* name) {
  if (!name) return false;
  SavedPos sp;
  if (child_) {
    sp.index = child_;
    sp.flags = 2;
  } else if (element_) {
    sp.index = element_;
    sp.flags = 1;
  } else {
    sp.index = parent_;
  }
  saved_[name] = sp;
  return true;
}

bool CXmlDoc::RestorePosition(const char* name) {
  if (!name) return false;
  auto it = saved_.find(name);
  if (it == saved_.end()) return false;
  const SavedPos& sp = it->second;
  const uint32_t i = sp.index;
  if (sp.flags & 2) {
    const uint32_t p = pos_[i].parent;
    DoSetPos(p ? pos_[p].parent : 0, p, i);
  } else if (sp.flags & 1) {
    DoSetPos(pos_[i].parent, i, 0);
  } else {
    DoSetPos(i, 0, 0);
  }
  return true;
}

void CXmlDoc::DoCleanSavedPositions() {
  for (auto it = saved_.begin(); it != saved_.end();) {
    if (it->second.index != 0 && (pos_[it->second.index].flags & ELEM_RELEASED))
      it = saved_.erase(it);
    else
      ++it;
  }
}

std::string CXmlDoc::GetElementPath(uint32_t index) const {
  std::string path;
  while (index != 0 && index < nextNew_) {
    const std::string name = DoGetElementName(index);
    const uint32_t parent = pos_[index].parent;
    uint32_t count = 0, seq = 0;
    for (uint32_t s = pos_[parent].firstChild; s; s = pos_[s].nextSibling) {
      if (DoGetElementName(s) == name) {
        ++count;
        if (s == index) seq = count;
      }
      if (s == index) break;
    }
    std::string part = "/" + name;
    if (seq >= 2) part += "[" + std::to_string(seq) + "]";
    path = part + path;
    index = parent;
  }
  return path;
}

std::string CXmlDoc::GetElementContent(uint32_t index) const {
  if (index == 0 || index >= nextNew_) return std::string();
  const ElementPos& e = pos_[index];
  return doc_.substr(e.ContentStart(), e.ContentLength());
}

std::string CXmlDoc::GetElementMarkup(uint32_t index) const {
  if (index == 0 || index >= nextNew_) return std::string();
  const ElementPos& e = pos_[index];
  size_t end = e.End();
  size_t k = end;
  while (k < doc_.size() && IsSpace(doc_[k])) ++k;
  if (k == doc_.size() || doc_[k] == '<') end = k;
  return doc_.substr(e.start, end - e.start);
}

bool CXmlDoc::GetNodePosition(int& offset, int& length, int& innerOffset, int& innerLength) const {
  if (nodeLength_ > 0) {
    offset = nodeOffset_;
    length = nodeLength_;
    NodeMarks marks = MarksOf(nodeType_);
    if (length < marks.Both()) marks = NodeMarks();
    innerOffset = offset + marks.open;
    innerLength = length - marks.Both();
    return true;
  }
  if (element_) {
    const ElementPos& e = pos_[element_];
    offset = static_cast<int>(e.start);
    length = static_cast<int>(e.length);
    innerOffset = static_cast<int>(e.IsEmptyElement() ? e.start : e.ContentStart());
    innerLength = static_cast<int>(e.ContentLength());
    return true;
  }
  return false;
}

bool CXmlDoc::GetAttributePosition(const char* name, int& offset, int& length, int& valueOffset,
                                   int& valueLength) const {
  if (!name || !element_ || nodeType_ != NODE_ELEMENT) return false;
  TokenCursor c = DoCursorAt(static_cast<int>(pos_[element_].start) + 1);
  if (!DoFindAttribute(c, name, 0)) return false;
  offset = c.attrWsStart + c.attrWsLen;
  const int valueEnd = c.end + 1 + ((c.flags & CURSOR_QUOTED) ? 1 : 0);
  length = valueEnd - offset;
  valueOffset = c.start;
  valueLength = c.TokenLength();
  return true;
}

std::string CXmlDoc::GetDeclaredEncoding(const char* text) {
  if (!text) return std::string();
  const char* lt = std::strchr(text, '<');
  if (!lt || lt[1] != '?') return std::string();
  const char* close = std::strstr(lt, "?>");
  if (!close) return std::string();
  CXmlDoc decl(std::string(lt, static_cast<size_t>(close - lt + 2)));
  if (decl.FindNode(0) != NODE_PROCESSING_INSTRUCTION) return std::string();
  return decl.GetAttribute("encoding");
}
