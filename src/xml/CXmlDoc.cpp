// CXmlDoc: construction, the node scanner and the one-pass parser.
#include "xml/CXmlDoc.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "xml/XmlText.h"

using namespace PV::XML::Text;

namespace {
// Offsets are kept in 32-bit signed words; a larger text is refused whole.
constexpr size_t MAX_DOC_LENGTH = 0x7FFFFF00u;

const char* const KIND_DOCTYPE = "Doctype";
const char* const KIND_TAG = "Element tag";
const char* const KIND_END_TAG = "Element end tag";
const char* const KIND_CDATA = "CDATA Section";
const char* const KIND_PI = "Processing instruction";
const char* const KIND_COMMENT = "Comment";
const char* const KIND_OTHER = "tag";
}  // namespace

CXmlDoc::CXmlDoc() { SetDocument(static_cast<const char*>(nullptr)); }

CXmlDoc::CXmlDoc(const char* text) { SetDocument(text); }

CXmlDoc::CXmlDoc(const std::string& text) { SetDocument(text); }

bool CXmlDoc::SetDocument(const char* text) {
  if (text)
    doc_.assign(text);
  else
    doc_.clear();
  error_.clear();
  return DoParseDocument();
}

bool CXmlDoc::SetDocument(const std::string& text) {
  doc_ = text;
  error_.clear();
  return DoParseDocument();
}

bool CXmlDoc::IsWellFormed() const {
  if (pos_.Size() == 0 || nextNew_ == 0) return false;
  const ElementPos& doc = pos_[0];
  if (doc.flags & ELEM_ILL_FORMED) return false;
  if (doc.firstChild == 0) return false;
  return pos_[doc.firstChild].nextSibling == 0;
}

uint32_t CXmlDoc::GetElementLevel(uint32_t index) const {
  uint32_t level = 0;
  if (index >= nextNew_) return 0;
  while (index != 0 && pos_[index].parent != 0) {
    index = pos_[index].parent;
    ++level;
  }
  return level;
}

void CXmlDoc::DoAllocPositionArray(uint32_t n) {
  if (n == 0) n = nextNew_ + nextNew_ / 2;
  if (n < 8) n = 8;
  pos_.Grow(n);
}

uint32_t CXmlDoc::DoGetFreePosition() {
  if (freeHead_ != 0) {
    uint32_t i = freeHead_;
    freeHead_ = pos_[i].nextSibling;
    return i;
  }
  if (nextNew_ >= pos_.Size()) DoAllocPositionArray(0);
  return nextNew_++;
}

void CXmlDoc::DoSetPos(uint32_t parent, uint32_t element, uint32_t child) {
  parent_ = parent;
  element_ = element;
  child_ = child;
  nodeOffset_ = 0;
  nodeLength_ = 0;
  nodeType_ = element ? NODE_ELEMENT : 0;
}

void CXmlDoc::ResetPosition() { DoSetPos(0, 0, 0); }

CXmlDoc::TokenCursor CXmlDoc::DoCursorAt(int offset) const {
  TokenCursor c;
  c.text = doc_.data();
  c.textLen = static_cast<int>(doc_.size());
  c.flags = docFlags_ & DOC_IGNORE_CASE;
  c.start = offset;
  c.end = offset - 1;
  c.next = offset;
  return c;
}

bool CXmlDoc::TokenCursor::NextToken() {
  int i = next;
  while (i < textLen && IsSpace(text[i])) ++i;
  start = i;
  if (i >= textLen) {
    end = i - 1;
    next = i;
    return false;
  }
  auto delim = [](char ch) {
    return IsSpace(ch) || ch == '<' || ch == '>' || ch == '=' || ch == '\\' || ch == '/' || ch == '?' || ch == '!';
  };
  if (delim(text[i])) {
    end = i;
  } else {
    int j = i;
    while (j < textLen && !delim(text[j])) ++j;
    end = j - 1;
  }
  next = end + 1;
  flags &= ~CURSOR_QUOTED;
  return true;
}

bool CXmlDoc::TokenCursor::Match(const char* name) const {
  if (!name) return false;
  const int len = TokenLength();
  for (int k = 0; k < len; ++k) {
    const char a = name[k];
    if (a == '\0') return false;
    const char b = text[start + k];
    if ((flags & DOC_IGNORE_CASE) ? ToLower(a) != ToLower(b) : a != b) return false;
  }
  const char after = name[len];
  return after == '\0' || after == ' ' || after == '=' || after == '/' || after == '[' || after == ']';
}

bool CXmlDoc::DoParseDocument() {
  const std::string kept = error_;
  DoSetPos(0, 0, 0);
  saved_.clear();
  nextNew_ = 1;
  freeHead_ = 0;
  DoAllocPositionArray(static_cast<uint32_t>(std::min<size_t>(doc_.size(), MAX_DOC_LENGTH) / 64 + 8));
  pos_[0] = ElementPos();
  if (doc_.empty()) {
    error_ = "Empty document";
  } else if (doc_.size() > MAX_DOC_LENGTH) {
    error_ = "Document too large";
    pos_[0].flags |= ELEM_ILL_FORMED;
  } else {
    TokenCursor cursor = DoCursorAt(0);
    const uint32_t first = DoParseElement(0, cursor);
    pos_[0].length = static_cast<uint32_t>(doc_.size());
    if (first) {
      pos_[0].firstChild = first;
      if (pos_[first].nextSibling) error_ = "Root element has sibling";
    } else {
      error_ = "No root element";
    }
  }
  DoSetPos(0, 0, 0);
  if (!kept.empty()) error_ = error_.empty() ? kept : kept + ", " + error_;
  return IsWellFormed();
}

namespace {
bool IsNameStart(unsigned char ch) { return (ch >= 'A' && ch <= 'Z') || ch == '_' || ch == ':' || ch >= 0x61; }
// A tag's name ends where a token of the tag ends, so that the name recorded by the
// parser, matched against end tags and read back by GetTagName is always the same.
bool IsNameEnd(char ch) {
  return IsSpace(ch) || ch == '/' || ch == '>' || ch == '<' || ch == '=' || ch == '\\' || ch == '?' || ch == '!';
}
}  // namespace

int CXmlDoc::DoParseNode(TokenCursor& c, NodePos& node) const {
  const char* s = c.text;
  const int n = c.textLen;
  const int i = c.next;
  node.start = i;
  node.flags = 0;
  node.text.clear();
  if (i >= n) {
    node.length = 0;
    node.type = 0;
    return -2;
  }

  // Offset of a '>' outside quotes at or after j, n when none.
  auto findGtQuoted = [&](int j) {
    char q = 0;
    for (; j < n; ++j) {
      const char ch = s[j];
      if (q) {
        if (ch == q) q = 0;
      } else if (ch == '"' || ch == '\'') {
        q = ch;
      } else if (ch == '>') {
        return j;
      }
    }
    return n;
  };
  // Offset of the '>' of a terminator whose preceding characters are `rest`, the
  // terminator lying wholly at or after `from`.
  auto findTerminator = [&](int from, const char* rest) {
    const int r = static_cast<int>(std::strlen(rest));
    for (int j = from + r; j < n; ++j) {
      if (s[j] == '>' && std::memcmp(s + j - r, rest, static_cast<size_t>(r)) == 0) return j;
    }
    return n;
  };

  int type = 0;
  int end = -1;
  const char* unterminated = nullptr;
  const char* incorrect = nullptr;

  if (s[i] != '<') {
    bool allSpace = true;
    int j = i;
    while (j < n && s[j] != '<') {
      if (!IsSpace(s[j])) allSpace = false;
      ++j;
    }
    type = allSpace ? NODE_WHITESPACE : NODE_TEXT;
    end = j - 1;
  } else if (i + 1 >= n) {
    unterminated = KIND_OTHER;
  } else {
    const unsigned char c1 = static_cast<unsigned char>(s[i + 1]);
    if (IsNameStart(c1)) {
      int j = i + 1;
      while (j < n && !IsNameEnd(s[j])) ++j;
      node.text.assign(s + i + 1, static_cast<size_t>(j - i - 1));
      const int k = findGtQuoted(j);
      if (k >= n) {
        unterminated = KIND_TAG;
      } else {
        type = NODE_ELEMENT;
        end = k;
        if (s[k - 1] == '/' &&
            (k - 1 == j || (k - 2 > i && (IsSpace(s[k - 2]) || s[k - 2] == '\'' || s[k - 2] == '"'))))
          node.flags |= NODE_SELF_CLOSING;
      }
    } else if (c1 == '/') {
      int j = i + 2;
      while (j < n && !IsNameEnd(s[j])) ++j;
      c.start = i + 2;
      c.end = j - 1;
      int k = j;
      while (k < n && s[k] != '>') ++k;
      if (k >= n) {
        unterminated = KIND_END_TAG;
      } else {
        type = 0;
        end = k;
      }
    } else if (c1 == '?') {
      int j = i + 2;
      while (j < n && !IsNameEnd(s[j])) ++j;
      node.text.assign(s + i + 2, static_cast<size_t>(j - i - 2));
      const int k = findTerminator(i + 2, "?");
      if (k >= n) {
        unterminated = KIND_PI;
      } else {
        type = NODE_PROCESSING_INSTRUCTION;
        end = k;
      }
    } else if (c1 == '!') {
      if (i + 2 >= n) {
        unterminated = KIND_OTHER;
      } else {
        const char c2 = s[i + 2];
        if (c2 == '-') {
          if (i + 3 >= n) {
            unterminated = KIND_OTHER;
          } else if (s[i + 3] != '-') {
            incorrect = "comment tag";
          } else {
            const int k = findTerminator(i + 4, "--");
            if (k >= n) {
              unterminated = KIND_COMMENT;
            } else {
              type = NODE_COMMENT;
              end = k;
            }
          }
        } else if (c2 == '[') {
          if (i + 3 >= n) {
            unterminated = KIND_OTHER;
          } else if (s[i + 3] != 'C') {
            incorrect = "tag";
          } else {
            const int k = findTerminator(i + 4, "]]");
            if (k >= n) {
              unterminated = KIND_CDATA;
            } else {
              type = NODE_CDATA_SECTION;
              end = k;
            }
          }
        } else if (c2 == 'D') {
          // Document type: ends at the first '>' outside inner declarations,
          // comments and processing instructions (inner ones do not nest further).
          int j = i + 2;
          bool done = false;
          while (j < n && !done) {
            const char ch = s[j];
            if (ch == '>') {
              done = true;
              break;
            }
            // A quoted literal (the external identifier) may hold any markup characters.
            if (ch == '"' || ch == '\'') {
              const char* q = static_cast<const char*>(std::memchr(s + j + 1, ch, static_cast<size_t>(n - j - 1)));
              j = q ? static_cast<int>(q - s) + 1 : n;
              continue;
            }
            if (ch == '<' && j + 1 < n && (s[j + 1] == '!' || s[j + 1] == '?')) {
              int k;
              if (s[j + 1] == '?')
                k = findTerminator(j + 2, "?");
              else if (j + 3 < n && s[j + 2] == '-' && s[j + 3] == '-')
                k = findTerminator(j + 4, "--");
              else
                k = findGtQuoted(j + 2);
              j = k + 1;
              continue;
            }
            ++j;
          }
          if (!done) {
            unterminated = KIND_DOCTYPE;
          } else {
            type = NODE_DOCUMENT_TYPE;
            end = j;
          }
        } else if (c2 == 'E' || c2 == 'A' || c2 == 'N') {
          const int k = findGtQuoted(i + 2);
          if (k >= n) {
            unterminated = KIND_DOCTYPE;
          } else {
            type = NODE_DOCUMENT_TYPE;
            end = k;
          }
        } else {
          incorrect = "! tag";
        }
      }
    } else {
      incorrect = "tag name character";
    }
  }

  if (unterminated) {
    type = -1;
    end = n - 1;
    node.text = Format("%s at offset %d unterminated", unterminated, i);
  } else if (incorrect) {
    // Go on to the next '>' outside quotes, or stop before the next '<'.
    type = -1;
    node.text = Format("Incorrect %s at offset %d", incorrect, i);
    char q = 0;
    int j = i + 1;
    end = n - 1;
    for (; j < n; ++j) {
      const char ch = s[j];
      if (q) {
        if (ch == q) q = 0;
      } else if (ch == '"' || ch == '\'') {
        q = ch;
      } else if (ch == '>') {
        end = j;
        break;
      } else if (ch == '<') {
        end = j - 1;
        break;
      }
    }
  }
  c.next = end + 1;
  node.length = c.next - i;
  node.type = type;
  return type;
}

uint32_t CXmlDoc::DoParseElement(uint32_t parent, TokenCursor& cursor) {
  uint32_t result = 0;
  std::vector<OpenElement> open;
  NodePos node;
  error_.clear();
  // The open elements by the part of their name before any '=', '[' or ']': an end tag
  // can only match an element with the same part, so an end tag that matches none is
  // found out without walking the whole stack (the walk made a text of many unmatched
  // end tags take quadratic time).
  const bool ignoreCase = (docFlags_ & DOC_IGNORE_CASE) != 0;
  auto baseOf = [ignoreCase](const char* name, int len) {
    std::string b;
    for (int t = 0; t < len && name[t] != '=' && name[t] != '[' && name[t] != ']'; ++t)
      b += ignoreCase ? ToLower(name[t]) : name[t];
    return b;
  };
  std::unordered_map<std::string, std::vector<size_t>> byBase;
  std::vector<std::string> bases;  // parallel to `open`
  auto trimTo = [&](size_t keep) {
    while (bases.size() > keep) {
      auto it = byBase.find(bases.back());
      it->second.pop_back();
      if (it->second.empty()) byBase.erase(it);
      bases.pop_back();
    }
  };
  for (;;) {
    const int type = DoParseNode(cursor, node);
    if (type == NODE_ELEMENT) {
      const uint32_t r = DoGetFreePosition();
      if (!result) result = r;
      const uint32_t q = open.empty() ? parent : open.back().index;
      ElementPos& rec = pos_[r];
      rec = ElementPos();
      rec.parent = q;
      rec.start = static_cast<uint32_t>(node.start);
      rec.startTagLen = static_cast<uint32_t>(node.length);
      rec.length = static_cast<uint32_t>(node.length);
      ElementPos& qrec = pos_[q];
      if (qrec.firstChild == 0) {
        qrec.firstChild = r;
        rec.prevSibling = r;
      } else {
        ElementPos& f = pos_[qrec.firstChild];
        const uint32_t z = f.prevSibling;
        pos_[z].nextSibling = r;
        rec.prevSibling = z;
        f.prevSibling = r;
      }
      if (!(node.flags & NODE_SELF_CLOSING)) {
        open.push_back({r, node.start + 1, static_cast<int>(node.text.size())});
        bases.push_back(baseOf(cursor.text + node.start + 1, static_cast<int>(node.text.size())));
        byBase[bases.back()].push_back(open.size() - 1);
      }
    } else if (type == 0) {
      // End tag: the innermost open element whose name it matches.
      size_t k = 0;
      const auto candidates = byBase.find(baseOf(cursor.text + cursor.start, cursor.TokenLength()));
      const size_t count = candidates == byBase.end() ? 0 : candidates->second.size();
      for (size_t c = count; c > 0; --c) {
        k = candidates->second[c - 1] + 1;
        const OpenElement& o = open[k - 1];
        const int len = cursor.TokenLength();
        bool match = len <= o.nameLen;
        for (int t = 0; match && t < len; ++t) {
          const char a = cursor.text[o.nameStart + t];
          const char b = cursor.text[cursor.start + t];
          match = (docFlags_ & DOC_IGNORE_CASE) ? ToLower(a) == ToLower(b) : a == b;
        }
        if (match && len < o.nameLen) {
          const char after = cursor.text[o.nameStart + len];
          match = after == '=' || after == '[' || after == ']';
        }
        if (match) break;
        k = 0;
      }
      if (k == 0) {
        pos_[parent].flags |= ELEM_ILL_FORMED;
        if (error_.empty())
          error_ = Format("No start tag for end tag '%s' at offset %d", cursor.Token().c_str(), node.start);
      } else {
        ElementPos& e = pos_[open[k - 1].index];
        e.length = static_cast<uint32_t>(node.start + node.length) - e.start;
        e.endTagLen = static_cast<uint32_t>(node.length);
        trimTo(k - 1);
        DoCloseTo(cursor.text, parent, open, k, &cursor, node.start + 1);
        open.pop_back();
      }
    } else if (type == -1) {
      pos_[parent].flags |= ELEM_ILL_FORMED;
      if (error_.empty()) error_ = node.text;
    } else if (type == -2) {
      DoCloseTo(cursor.text, parent, open, 0, nullptr, 0);
      return result;
    }
  }
}

// Leaves `keep` open elements. The ones closed here have no end tag: each becomes a
// not-ended element and its children follow it as siblings, with their subtrees.
// Working from the outermost inwards moves every child once.
void CXmlDoc::DoCloseTo(const char* text, uint32_t parent, std::vector<OpenElement>& open, size_t keep,
                        const TokenCursor* endTag, int endTagSlash) {
  if (open.size() <= keep) return;
  pos_[parent].flags |= ELEM_ILL_FORMED;
  if (error_.empty()) {
    const OpenElement& u = open.back();
    const std::string uname(text + u.nameStart, static_cast<size_t>(u.nameLen));
    if (endTag)
      error_ = Format("End tag '%s' at offset %d does not match start tag '%s' at offset %d", endTag->Token().c_str(),
                      endTagSlash, uname.c_str(), u.nameStart - 1);
    else
      error_ = Format("Element '%s' at offset %d not ended", uname.c_str(), u.nameStart - 1);
  }
  for (size_t j = keep; j < open.size(); ++j) {
    const uint32_t ui = open[j].index;
    ElementPos& u = pos_[ui];
    u.endTagLen = 0;
    u.flags |= ELEM_NOT_ENDED;
    u.length = u.startTagLen;
    const uint32_t f = u.firstChild;
    if (f == 0) continue;
    const uint32_t g = u.parent;
    const uint32_t z = pos_[f].prevSibling;
    for (uint32_t c = f; c != 0; c = pos_[c].nextSibling) pos_[c].parent = g;
    u.firstChild = 0;
    u.nextSibling = f;
    pos_[f].prevSibling = ui;
    pos_[pos_[g].firstChild].prevSibling = z;
  }
  open.resize(keep);
}
