// CXmlDoc: editing. Every change of the text keeps the element records exact.
#include <algorithm>
#include <cstring>
#include <vector>

#include "xml/CXmlDoc.h"
#include "xml/XmlText.h"

using namespace PV::XML::Text;

namespace {

// Decodes one UTF-8 sequence at s[i] (s[i] >= 0x80). Returns the code point and sets
// `used`; a byte that starts no valid sequence is taken alone as its Latin-1 value.
uint32_t DecodeUtf8(const unsigned char* s, size_t n, size_t i, size_t& used) {
  const unsigned char b = s[i];
  int extra;
  uint32_t cp, min;
  if (b >= 0xC2 && b <= 0xDF) {
    extra = 1;
    cp = b & 0x1F;
    min = 0x80;
  } else if (b >= 0xE0 && b <= 0xEF) {
    extra = 2;
    cp = b & 0x0F;
    min = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    extra = 3;
    cp = b & 0x07;
    min = 0x10000;
  } else {
    used = 1;
    return b;
  }
  if (i + static_cast<size_t>(extra) >= n) {
    used = 1;
    return b;
  }
  for (int k = 1; k <= extra; ++k) {
    const unsigned char c = s[i + static_cast<size_t>(k)];
    if ((c & 0xC0) != 0x80) {
      used = 1;
      return b;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    used = 1;
    return b;
  }
  used = static_cast<size_t>(extra) + 1;
  return cp;
}

void AppendCharRef(std::string& out, uint32_t cp) {
  static const char hex[] = "0123456789ABCDEF";
  char buf[8];
  int n = 0;
  do {
    buf[n++] = hex[cp & 0xF];
    cp >>= 4;
  } while (cp);
  out += "&#x";
  while (n) out += buf[--n];
  out += ';';
}

// Names written by the editor: XML names in 7-bit characters (a letter, '_' or ':',
// then letters, digits, '-', '.', '_' or ':'), so that this class and any other XML
// reader read back the tag that was written.
bool IsWritableName(const char* name) {
  if (!name || !(IsLetter(*name) || *name == '_' || *name == ':')) return false;
  for (const char* p = name + 1; *p; ++p) {
    if (!(IsLetter(*p) || IsDigit(*p) || std::strchr("-._:", *p))) return false;
  }
  return true;
}

// An attribute value as written: XML readers turn a literal carriage return, line feed
// or tab in a value into a space, so these are written as character references.
std::string AttributeValueText(const char* value) {
  const std::string escaped = CXmlDoc::EscapeText(value ? value : "", CXmlDoc::INS_ESCAPE_QUOTES);
  std::string out = "\"";
  out.reserve(escaped.size() + 2);
  for (char ch : escaped) {
    if (ch == '\r')
      out += "&#13;";
    else if (ch == '\n')
      out += "&#10;";
    else if (ch == '\t')
      out += "&#9;";
    else
      out += ch;
  }
  out += '"';
  return out;
}

bool IsSevenBit(const char* text) {
  for (const char* p = text; *p; ++p)
    if (static_cast<unsigned char>(*p) >= 0x80) return false;
  return true;
}

}  // namespace

std::string CXmlDoc::EscapeText(const char* text, uint32_t flags) {
  std::string out;
  if (!text) return out;
  const size_t len = std::strlen(text);
  out.reserve(len + len / 10 + 7);
  const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
  for (size_t i = 0; i < len; ++i) {
    // Copy a run of plain characters at once.
    size_t j = i;
    while (j < len && s[j] < 0x80 && s[j] != '<' && s[j] != '>' && s[j] != '&' && s[j] != '\'' && s[j] != '"') ++j;
    if (j > i) {
      out.append(text + i, j - i);
      i = j - 1;
      continue;
    }
    const char ch = text[i];
    switch (ch) {
      case '<':
        out += "&lt;";
        continue;
      case '>':
        out += "&gt;";
        continue;
      case '&': {
        if (flags & INS_KEEP_REFERENCES) {
          size_t j = i + 1;
          if (j < len && (IsLetter(text[j]) || text[j] == '#' || text[j] == '_' || text[j] == ':')) {
            ++j;
            while (j < len && (IsLetter(text[j]) || IsDigit(text[j]) || text[j] == '_' || text[j] == ':' ||
                               text[j] == '-' || text[j] == '.'))
              ++j;
            if (j < len && text[j] == ';') {
              out.append(text + i, j - i + 1);
              i = j;
              continue;
            }
          }
        }
        out += "&amp;";
        continue;
      }
      case '\'':
        if (flags & INS_ESCAPE_QUOTES) {
          out += "&apos;";
          continue;
        }
        break;
      case '"':
        if (flags & INS_ESCAPE_QUOTES) {
          out += "&quot;";
          continue;
        }
        break;
      default:
        break;
    }
    if (s[i] >= 0x80) {
      // The system's files are 7-bit: anything beyond ASCII becomes a reference.
      size_t used = 1;
      AppendCharRef(out, DecodeUtf8(s, len, i, used));
      i += used - 1;
      continue;
    }
    out += ch;
  }
  return out;
}

std::string CXmlDoc::EncodeCData(const char* text) {
  std::string out = "<![CDATA[";
  if (text) {
    const size_t len = std::strlen(text);
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
    for (size_t i = 0; i < len; ++i) {
      if (text[i] == ']' && i + 2 < len && text[i + 1] == ']' && text[i + 2] == '>') {
        out += "]]]]><![CDATA[>";
        i += 2;
      } else if (s[i] >= 0x80) {
        // A section cannot hold a reference: close it around one.
        size_t used = 1;
        const uint32_t cp = DecodeUtf8(s, len, i, used);
        out += "]]>";
        AppendCharRef(out, cp);
        out += "<![CDATA[";
        i += used - 1;
      } else {
        out += text[i];
      }
    }
  }
  out += "]]>";
  return out;
}

std::string CXmlDoc::DoCreateNodeText(int type, const char* text, bool& ok) {
  ok = true;
  const char* t = text ? text : "";
  switch (type) {
    case NODE_ELEMENT:
      ok = IsWritableName(t);
      return ok ? std::string("<") + t + "/>" : std::string();
    case NODE_TEXT:
    case NODE_WHITESPACE:
      return EscapeText(t, 0);
    case NODE_CDATA_SECTION:
      ok = std::strstr(t, "]]>") == nullptr && IsSevenBit(t);
      return ok ? std::string("<![CDATA[") + t + "]]>" : std::string();
    case NODE_PROCESSING_INSTRUCTION:
      ok = std::strstr(t, "?>") == nullptr && IsSevenBit(t);
      return ok ? std::string("<?") + t + "?>" : std::string();
    case NODE_COMMENT:
      ok = std::strstr(t, "--") == nullptr && IsSevenBit(t);
      return ok ? std::string("<!--") + t + "-->" : std::string();
    case NODE_DOCUMENT_TYPE:
      ok = IsSevenBit(t);
      return ok ? std::string(t) : std::string();
    default:
      ok = false;
      return std::string();
  }
}

namespace {
// The room a document's text takes at its first growth: a whole file of the system
// (at most 64 KB) is then written without moving it. Growing from the size of each
// edit made the block move and the heap grow and shrink on every document written,
// which cost more than the writing itself.
constexpr size_t kFirstEditCapacity = 64 * 1024;
}  // namespace

bool CXmlDoc::DoDocumentChange(int offset, int length, const std::string& text, bool inContent) {
  contentExtra_ = 0;
  // Character data may hold '>' as it is, except right after "]]". A change in content
  // can join "]]" before it (or at the end of its text) with a '>' (or "]>") after it;
  // that '>' is then written as a reference, so the document stays well-formed and
  // reads the same. The '>' after a change always belongs to character data: changes
  // in content lie between nodes, and markup after them starts with '<'.
  std::string fixed;
  const std::string* change = &text;
  if (inContent) {
    const size_t from = static_cast<size_t>(offset), after = from + static_cast<size_t>(length);
    auto charBefore = [&](size_t back) -> char {  // back = 1: last char before the junction
      if (back <= text.size()) return text[text.size() - back];
      const size_t k = back - text.size();
      return k <= from ? doc_[from - k] : '\0';
    };
    for (size_t ahead = 0; ahead < 2 && after + ahead < doc_.size(); ++ahead) {
      // The '>' at after + ahead, with the "]]" before it reaching over the junction.
      if (doc_[after + ahead] != '>') continue;
      bool joined;
      if (ahead == 0)
        joined = charBefore(1) == ']' && charBefore(2) == ']';
      else
        joined = doc_[after] == ']' && charBefore(1) == ']';
      if (!joined) break;
      fixed = text + doc_.substr(after, ahead) + "&gt;";
      length += static_cast<int>(ahead) + 1;
      change = &fixed;
      contentExtra_ = 3;
      break;
    }
  }
  const size_t newLen = doc_.size() - static_cast<size_t>(length) + change->size();
  if (newLen > 0x7FFFFF00u) return false;
  if (newLen > doc_.capacity()) {
    // Doubling, from a whole file's room: an edited document moves a few times at
    // most, and the allocator is not asked for a new block at every step.
    const size_t grown = newLen <= doc_.max_size() / 2 ? 2 * newLen : newLen;
    doc_.reserve(std::max(grown, kFirstEditCapacity));
  }
  doc_.replace(static_cast<size_t>(offset), static_cast<size_t>(length), *change);
  return true;
}

void CXmlDoc::DoAdjustPositions(uint32_t element, int diff, bool skipSubtree) {
  if (element == 0 || diff == 0) return;
  for (uint32_t x = DoNextInDocumentOrder(element, skipSubtree); x; x = DoNextInDocumentOrder(x, false))
    pos_[x].start += static_cast<uint32_t>(diff);
  for (uint32_t a = pos_[element].parent;; a = pos_[a].parent) {
    pos_[a].length += static_cast<uint32_t>(diff);
    if (a == 0) break;
  }
}

void CXmlDoc::DoAdjustForNode(uint32_t parent, uint32_t element, int diff) {
  if (element) {
    DoAdjustPositions(element, diff, true);
  } else if (pos_[parent].firstChild) {
    const uint32_t f = pos_[parent].firstChild;
    pos_[f].start += static_cast<uint32_t>(diff);
    DoAdjustPositions(f, diff, false);
  } else {
    pos_[parent].length += static_cast<uint32_t>(diff);
    DoAdjustPositions(parent, diff, true);
  }
}

void CXmlDoc::DoLinkElement(uint32_t parent, uint32_t after, uint32_t index) {
  pos_[index].parent = parent;
  if (after) {
    const uint32_t next = pos_[after].nextSibling;
    pos_[index].nextSibling = next;
    if (next)
      pos_[next].prevSibling = index;
    else
      pos_[pos_[parent].firstChild].prevSibling = index;
    pos_[after].nextSibling = index;
    pos_[index].prevSibling = after;
  } else {
    const uint32_t f = pos_[parent].firstChild;
    if (f) {
      pos_[index].nextSibling = f;
      pos_[index].prevSibling = pos_[f].prevSibling;
      pos_[f].prevSibling = index;
    } else {
      pos_[index].nextSibling = 0;
      pos_[index].prevSibling = index;
    }
    pos_[parent].firstChild = index;
  }
}

// Places new text for a node under `parent`, after (or with INS_BEFORE before) the
// current node or `element`, in the system's line layout. Sets node.start and
// node.length; returns the change of the text length, or INT32_MIN when refused.
int CXmlDoc::DoInsertNew(uint32_t parent, uint32_t& element, NodePos& node, std::string text, bool withNode,
                         int nodeOffset, int nodeLength) {
  const uint32_t f = node.flags;
  const bool pSelf = parent && pos_[parent].IsEmptyElement();
  const bool pNotEnded = parent && (pos_[parent].flags & ELEM_NOT_ENDED);
  const bool pEmpty = parent && pos_[parent].ContentLength() == 0;
  int offset;
  if (withNode) {
    offset = (f & INS_BEFORE) ? nodeOffset : nodeOffset + nodeLength;
  } else if (element) {
    offset = static_cast<int>((f & INS_BEFORE) ? pos_[element].start : pos_[element].End());
  } else if (pSelf) {
    offset = static_cast<int>(pos_[parent].ContentStart()) - (pNotEnded ? 0 : 1);
  } else if (!(f & (INS_REPLACE_CONTENT | INS_BEFORE))) {
    offset = parent ? static_cast<int>(pos_[parent].End() - pos_[parent].endTagLen) : static_cast<int>(doc_.size());
  } else {
    offset = parent ? static_cast<int>(pos_[parent].ContentStart()) : 0;
  }
  if (!(f & (INS_REPLACE_CONTENT | INS_NO_LINE_BREAK)) && !pSelf) {
    size_t k = static_cast<size_t>(offset);
    while (k < doc_.size() && IsSpace(doc_[k])) ++k;
    if (k == doc_.size() || doc_[k] == '<') offset = static_cast<int>(k);
  }
  if (!withNode) {
    if (!(f & INS_BEFORE)) {
      if (!element && pos_[parent].firstChild) element = pos_[pos_[parent].firstChild].prevSibling;
    } else if (element) {
      element = (pos_[parent].firstChild == element) ? 0 : pos_[element].prevSibling;
    }
  }
  node.length = static_cast<int>(text.size());
  if (!(f & INS_NO_LINE_BREAK)) {
    text += "\r\n";
    if (pSelf || pEmpty) offset += 2;
  }
  int replacePos = offset;
  int replaceLen = 0;
  if (pSelf) {
    const std::string name = DoGetElementName(parent);
    text = std::string((f & INS_NO_LINE_BREAK) ? ">" : ">\r\n") + text + "</" + name;
    ElementPos& p = pos_[parent];
    if (pNotEnded) {
      replacePos = static_cast<int>(p.End()) - 1;
    } else {
      replacePos = static_cast<int>(p.End()) - 2;
      replaceLen = 1;
    }
    // The '>' after this change closes the new end tag: it is markup, not character
    // data, so a name that ends in "]]" must not have it written as a reference.
    if (!DoDocumentChange(replacePos, replaceLen, text, false)) return INT32_MIN;
    if (pNotEnded)
      p.flags &= ~ELEM_NOT_ENDED;
    else
      p.startTagLen -= 1;
    p.endTagLen = static_cast<uint32_t>(name.size()) + 3;
  } else {
    if (f & INS_REPLACE_CONTENT) {
      replacePos = static_cast<int>(pos_[parent].ContentStart());
      replaceLen = static_cast<int>(pos_[parent].ContentLength());
    } else if (pEmpty) {
      if (!(f & INS_NO_LINE_BREAK)) text = "\r\n" + text;
      replacePos = static_cast<int>(pos_[parent].ContentStart());
    }
    if (!DoDocumentChange(replacePos, replaceLen, text, true)) return INT32_MIN;
  }
  node.start = offset;
  return static_cast<int>(text.size()) - replaceLen + contentExtra_;
}

bool CXmlDoc::DoAddElement(const char* name, const char* text, uint32_t flags) {
  uint32_t parent, element;
  bool withNode = false;
  if (flags & INS_AS_CHILD) {
    if (!element_ || nodeType_ != NODE_ELEMENT) return false;
    parent = element_;
    element = child_;
  } else {
    parent = parent_;
    element = element_;
    withNode = nodeLength_ > 0;
  }
  const bool hasText = text && *text;
  if ((flags & INS_NOT_ENDED) && hasText) return false;
  if (!IsWritableName(name)) return false;
  if (parent && (pos_[parent].flags & ELEM_RELEASED)) return false;
  const std::string n(name);
  std::string markup;
  uint32_t startTagLen, endTagLen = 0;
  if (!hasText) {
    if (flags & INS_NOT_ENDED)
      markup = "<" + n + ">";
    else if (flags & INS_SPACE_BEFORE_CLOSE)
      markup = "<" + n + " />";
    else
      markup = "<" + n + "/>";
    startTagLen = static_cast<uint32_t>(markup.size());
  } else {
    const std::string value = (flags & INS_CDATA) ? EncodeCData(text) : EscapeText(text, flags);
    markup = "<" + n + ">" + value + "</" + n + ">";
    startTagLen = static_cast<uint32_t>(n.size()) + 2;
    endTagLen = static_cast<uint32_t>(n.size()) + 3;
  }
  const uint32_t length = static_cast<uint32_t>(markup.size());
  NodePos node;
  node.flags = flags;
  const int diff = DoInsertNew(parent, element, node, markup, withNode, nodeOffset_, nodeLength_);
  if (diff == INT32_MIN) return false;
  const uint32_t r = DoGetFreePosition();
  ElementPos& rec = pos_[r];
  rec = ElementPos();
  rec.start = static_cast<uint32_t>(node.start);
  rec.length = length;
  rec.startTagLen = startTagLen;
  rec.endTagLen = endTagLen;
  rec.flags = (flags & INS_NOT_ENDED) ? static_cast<uint32_t>(ELEM_NOT_ENDED) : 0u;
  DoLinkElement(parent, element, r);
  DoAdjustPositions(r, diff, false);
  if (flags & INS_AS_CHILD)
    DoSetPos(parent_, parent, r);
  else
    DoSetPos(parent, r, 0);
  return true;
}

bool CXmlDoc::AddElement(const char* name, const char* text, uint32_t flags) { return DoAddElement(name, text, flags); }

bool CXmlDoc::DoInsertNode(int type, const char* text, uint32_t flags) {
  if (type != NODE_PROCESSING_INSTRUCTION && type != NODE_COMMENT && type != NODE_DOCUMENT_TYPE)
    flags |= INS_NO_LINE_BREAK;
  bool ok = false;
  const std::string nodeText = DoCreateNodeText(type, text, ok);
  if (!ok || nodeText.empty()) return false;
  const uint32_t parent = parent_;
  uint32_t element = element_;
  if (parent && (pos_[parent].flags & ELEM_RELEASED)) return false;
  NodePos node;
  node.flags = flags;
  const int diff = DoInsertNew(parent, element, node, nodeText, nodeLength_ > 0, nodeOffset_, nodeLength_);
  if (diff == INT32_MIN) return false;
  if (type == NODE_ELEMENT) {
    const uint32_t r = DoGetFreePosition();
    ElementPos& rec = pos_[r];
    rec = ElementPos();
    rec.start = static_cast<uint32_t>(node.start);
    rec.startTagLen = rec.length = static_cast<uint32_t>(node.length);
    DoLinkElement(parent, element, r);
    element = r;
  }
  DoAdjustForNode(parent, element, diff);
  parent_ = parent;
  element_ = element;
  child_ = 0;
  nodeOffset_ = node.start;
  nodeLength_ = type == NODE_ELEMENT ? 0 : node.length;
  nodeType_ = type;
  return true;
}

bool CXmlDoc::InsertNode(int type, const char* text, uint32_t flags) { return DoInsertNode(type, text, flags); }

// Where attribute text may change in a tag: from after its name up to the closing
// "/>", ">" or "?>", which no edit may touch.
int CXmlDoc::DoAttributeLimit(uint32_t index, bool pi) const {
  if (pi) return nodeOffset_ + nodeLength_ - 2;
  const ElementPos& e = pos_[index];
  const bool selfClosing = e.IsEmptyElement() && !(e.flags & ELEM_NOT_ENDED);
  return static_cast<int>(e.start + e.startTagLen) - (selfClosing ? 2 : 1);
}

bool CXmlDoc::DoSetAttribute(uint32_t index, const char* name, const char* value) {
  int tagOffset;
  bool pi = false;
  if (index && nodeType_ == NODE_ELEMENT) {
    tagOffset = static_cast<int>(pos_[index].start) + 1;
  } else if (index == element_ && nodeType_ == NODE_PROCESSING_INSTRUCTION && nodeLength_ > 0) {
    tagOffset = nodeOffset_ + 2;
    pi = true;
  } else {
    return false;
  }
  if (!IsWritableName(name)) return false;
  const int limit = DoAttributeLimit(index, pi);
  const std::string v = AttributeValueText(value);
  TokenCursor c = DoCursorAt(tagOffset);
  int at, len;
  std::string text;
  if (DoFindAttribute(c, name, 0)) {
    const bool quoted = (c.flags & CURSOR_QUOTED) != 0;
    at = c.start - (quoted ? 1 : 0);
    len = c.TokenLength() + (quoted ? 2 : 0);
    if (at + len > limit) return false;  // a value that runs into the tag's end
    text = v;
  } else {
    // The scan must have stopped at the tag's own closing mark; in a tag that holds
    // a stray '/' or '?' an added attribute could change what the tag means.
    int k = c.next;
    while (k < c.textLen && IsSpace(c.text[k])) ++k;
    if (k != limit) return false;
    at = c.next;
    len = 0;
    text = " " + std::string(name) + "=" + v;
  }
  if (!DoDocumentChange(at, len, text)) return false;
  const int d = static_cast<int>(text.size()) - len;
  if (!pi) {
    pos_[index].startTagLen += static_cast<uint32_t>(d);
    pos_[index].length += static_cast<uint32_t>(d);
    DoAdjustPositions(index, d, false);
  } else {
    DoAdjustForNode(parent_, element_, d);
    nodeLength_ += d;
  }
  return true;
}

bool CXmlDoc::SetAttribute(const char* name, const char* value) { return DoSetAttribute(element_, name, value); }

bool CXmlDoc::SetChildAttribute(const char* name, const char* value) {
  return child_ ? DoSetAttribute(child_, name, value) : false;
}

bool CXmlDoc::SetAttributeInt(const char* name, int value) { return SetAttribute(name, std::to_string(value).c_str()); }

bool CXmlDoc::RemoveAttribute(const char* name) {
  if (!name || !element_ || nodeType_ != NODE_ELEMENT) return false;
  TokenCursor c = DoCursorAt(static_cast<int>(pos_[element_].start) + 1);
  if (!DoFindAttribute(c, name, 0)) return false;
  const bool quoted = (c.flags & CURSOR_QUOTED) != 0;
  const int valueEnd = c.end + 1 + (quoted ? 1 : 0);
  if (valueEnd > DoAttributeLimit(element_, false)) return false;
  const int at = c.attrWsStart;
  const int len = valueEnd - at;
  if (!DoDocumentChange(at, len, std::string())) return false;
  pos_[element_].startTagLen -= static_cast<uint32_t>(len);
  pos_[element_].length -= static_cast<uint32_t>(len);
  DoAdjustPositions(element_, -len, false);
  return true;
}

bool CXmlDoc::SetText(uint32_t index, const char* text, uint32_t flags) {
  if (index == element_ && nodeLength_ > 0) {
    bool ok = false;
    const std::string t = DoCreateNodeText(nodeType_, text, ok);
    if (!ok || t.empty() || nodeType_ == NODE_ELEMENT) return false;
    if (!DoDocumentChange(nodeOffset_, nodeLength_, t, true)) return false;
    const int d = static_cast<int>(t.size()) - nodeLength_ + contentExtra_;
    DoAdjustForNode(parent_, element_, d);
    nodeLength_ = static_cast<int>(t.size());
    return true;
  }
  if (index == 0 || index >= nextNew_) return false;
  const ElementPos& e = pos_[index];
  if (e.firstChild || (e.flags & (ELEM_NOT_ENDED | ELEM_RELEASED))) return false;
  const char* t = text ? text : "";
  const std::string content = (flags & INS_CDATA) ? EncodeCData(t) : EscapeText(t, flags);
  NodePos node;
  node.flags = INS_REPLACE_CONTENT | INS_NO_LINE_BREAK;
  uint32_t none = 0;
  const int d = DoInsertNew(index, none, node, content, false, 0, 0);
  if (d == INT32_MIN) return false;
  pos_[index].length += static_cast<uint32_t>(d);
  DoAdjustPositions(index, d, false);
  return true;
}

bool CXmlDoc::SetTextInt(uint32_t index, int value) { return SetText(index, std::to_string(value).c_str()); }

bool CXmlDoc::FindElementAndSetText(const char* path, const char* text, uint32_t flags) {
  if (!FindElement(path)) return false;
  return SetText(element_, text, flags);
}

void CXmlDoc::DoUnlinkElement(uint32_t index) {
  const uint32_t parent = pos_[index].parent;
  const uint32_t first = pos_[parent].firstChild;
  const uint32_t next = pos_[index].nextSibling;
  const uint32_t prev = pos_[index].prevSibling;
  if (first == index) {
    pos_[parent].firstChild = next;
    if (next) pos_[next].prevSibling = prev;
  } else {
    pos_[prev].nextSibling = next;
    if (next)
      pos_[next].prevSibling = prev;
    else
      pos_[first].prevSibling = prev;
  }
}

void CXmlDoc::DoReleaseElement(uint32_t index) {
  // Collect the subtree first (pre-order), then release children before parents.
  std::vector<uint32_t> order;
  order.push_back(index);
  for (size_t k = 0; k < order.size(); ++k)
    for (uint32_t c = pos_[order[k]].firstChild; c; c = pos_[c].nextSibling) order.push_back(c);
  for (size_t k = order.size(); k-- > 0;) {
    ElementPos& e = pos_[order[k]];
    e.flags |= ELEM_RELEASED;
    e.firstChild = 0;
    e.nextSibling = freeHead_;
    freeHead_ = order[k];
  }
}

// Removes an element with its subtree and the whitespace after it (when that runs up
// to a '<' or the end). Returns the previous sibling, or 0.
bool CXmlDoc::DoRemoveElement(uint32_t index) {
  const ElementPos e = pos_[index];
  size_t end = e.End();
  size_t k = end;
  while (k < doc_.size() && IsSpace(doc_[k])) ++k;
  if (k == doc_.size() || doc_[k] == '<') end = k;
  const int len = static_cast<int>(end - e.start);
  const uint32_t parent = e.parent;
  const uint32_t prev = (pos_[parent].firstChild == index) ? 0 : e.prevSibling;
  DoUnlinkElement(index);
  DoDocumentChange(static_cast<int>(e.start), len, std::string(), true);
  DoAdjustForNode(parent, prev, -len + contentExtra_);
  DoReleaseElement(index);
  DoCleanSavedPositions();
  return true;
}

bool CXmlDoc::RemoveElement() {
  if (!element_ || nodeType_ != NODE_ELEMENT) return false;
  const uint32_t e = element_;
  const uint32_t prev = (pos_[parent_].firstChild == e) ? 0 : pos_[e].prevSibling;
  DoRemoveElement(e);
  DoSetPos(parent_, prev, 0);
  return true;
}

bool CXmlDoc::RemoveChildElement() {
  if (!child_ || !element_ || nodeType_ != NODE_ELEMENT) return false;
  const uint32_t c = child_;
  const uint32_t prev = (pos_[element_].firstChild == c) ? 0 : pos_[c].prevSibling;
  DoRemoveElement(c);
  DoSetPos(parent_, element_, prev);
  return true;
}

bool CXmlDoc::RemoveNode() {
  int removedAt;
  uint32_t before;  // the element before the removed one
  if (nodeLength_ > 0) {
    removedAt = nodeOffset_;
    before = element_;
    DoDocumentChange(nodeOffset_, nodeLength_, std::string(), true);
    DoAdjustForNode(parent_, element_, -nodeLength_ + contentExtra_);
  } else if (element_ && nodeType_ == NODE_ELEMENT) {
    removedAt = static_cast<int>(pos_[element_].start);
    before = (pos_[parent_].firstChild == element_) ? 0 : pos_[element_].prevSibling;
    DoRemoveElement(element_);
  } else {
    return false;
  }
  // The last node before the removed one within the parent becomes current.
  const int from =
      before ? static_cast<int>(pos_[before].End()) : (parent_ ? static_cast<int>(pos_[parent_].ContentStart()) : 0);
  TokenCursor c = DoCursorAt(from);
  c.textLen = std::max(from, removedAt);
  NodePos node;
  int lastType = 0, lastStart = 0, lastLength = 0;
  for (;;) {
    int t = DoParseNode(c, node);
    if (t == -2) break;
    if (t == NODE_ELEMENT) continue;
    if (t == 0) t = NODE_LONE_END_TAG;
    if (t == -1) t = NODE_ERROR;
    lastType = t;
    lastStart = node.start;
    lastLength = node.length;
  }
  DoSetPos(parent_, before, 0);
  if (lastType) {
    nodeType_ = lastType;
    nodeOffset_ = lastStart;
    nodeLength_ = lastLength;
  }
  return true;
}

// Parses markup as an element list under a temporary record whose offsets are those
// of the markup. The document's error text is left as it was.
uint32_t CXmlDoc::DoParseMarkup(const std::string& markup, bool& wellFormed) {
  const uint32_t t = DoGetFreePosition();
  pos_[t] = ElementPos();
  pos_[t].length = static_cast<uint32_t>(markup.size());
  const std::string kept = error_;
  TokenCursor c;
  c.text = markup.data();
  c.textLen = static_cast<int>(markup.size());
  c.flags = docFlags_ & DOC_IGNORE_CASE;
  DoParseElement(t, c);
  wellFormed = (pos_[t].flags & ELEM_ILL_FORMED) == 0;
  error_ = kept;
  return t;
}

// Moves the records parsed under a temporary record by `shift` and releases the
// temporary record itself.
void CXmlDoc::DoMoveParsed(uint32_t temp, int shift) {
  for (uint32_t x = pos_[temp].firstChild; x; x = DoNextInDocumentOrder(x, false))
    pos_[x].start += static_cast<uint32_t>(shift);
  ElementPos& t = pos_[temp];
  t.flags |= ELEM_RELEASED;
  t.firstChild = 0;
  t.nextSibling = freeHead_;
  freeHead_ = temp;
}

bool CXmlDoc::SetElementContent(const char* markup) {
  if (!markup || !element_ || nodeType_ != NODE_ELEMENT || nodeLength_ > 0) return false;
  const std::string m(markup);
  if (m.size() + doc_.size() > 0x7FFFFF00u) return false;
  const uint32_t e = element_;
  for (uint32_t c = pos_[e].firstChild; c;) {
    const uint32_t next = pos_[c].nextSibling;
    DoReleaseElement(c);
    c = next;
  }
  pos_[e].firstChild = 0;
  bool wellFormed = false;
  const uint32_t t = DoParseMarkup(m, wellFormed);
  pos_[t].parent = 0;
  pos_[t].nextSibling = 0;
  NodePos node;
  node.flags = INS_REPLACE_CONTENT | INS_NO_LINE_BREAK;
  uint32_t none = 0;
  const int d = DoInsertNew(e, none, node, m, false, 0, 0);
  pos_[e].length += static_cast<uint32_t>(d);
  DoAdjustPositions(e, d, false);
  const uint32_t first = pos_[t].firstChild;
  DoMoveParsed(t, node.start);
  for (uint32_t c = first; c; c = pos_[c].nextSibling) pos_[c].parent = e;
  pos_[e].firstChild = first;
  DoCleanSavedPositions();
  DoSetPos(parent_, e, 0);
  return wellFormed;
}

bool CXmlDoc::AddSubDocument(const char* markup, uint32_t flags) {
  if (!markup) return false;
  uint32_t parent, element;
  bool withNode = false;
  if (flags & INS_AS_CHILD) {
    if (!element_ || nodeType_ != NODE_ELEMENT) return false;
    parent = element_;
    element = child_;
  } else {
    parent = parent_;
    element = element_;
    withNode = nodeLength_ > 0;
  }
  if (parent && (pos_[parent].flags & ELEM_RELEASED)) return false;
  const std::string m(markup);
  if (m.size() + doc_.size() + 2 > 0x7FFFFF00u) return false;
  bool wellFormed = false;
  const uint32_t t = DoParseMarkup(m, wellFormed);
  pos_[t].parent = 0;
  pos_[t].nextSibling = 0;
  const uint32_t first = pos_[t].firstChild;
  const bool single = wellFormed && first && pos_[first].nextSibling == 0;
  std::string text;
  int spanStart = 0;
  NodePos node;
  node.flags = flags & ~static_cast<uint32_t>(INS_REPLACE_CONTENT);
  if (wellFormed && first) {
    // The elements with what lies between them; text around them is left out.
    const uint32_t last = pos_[first].prevSibling;
    spanStart = static_cast<int>(pos_[first].start);
    text = m.substr(pos_[first].start, pos_[last].End() - pos_[first].start);
  } else {
    text = m;
    node.flags |= INS_NO_LINE_BREAK;
  }
  const int d = DoInsertNew(parent, element, node, text, withNode, nodeOffset_, nodeLength_);
  DoAdjustForNode(parent, element, d);
  DoMoveParsed(t, node.start - spanStart);
  uint32_t after = element;
  for (uint32_t c = first; c;) {
    const uint32_t next = pos_[c].nextSibling;
    DoLinkElement(parent, after, c);
    after = c;
    c = next;
  }
  if (flags & INS_AS_CHILD)
    DoSetPos(parent_, parent, first);
  else if (first)
    DoSetPos(parent, first, 0);
  else
    DoSetPos(parent, element, 0);
  return single;
}
