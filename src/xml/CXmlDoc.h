// CXmlDoc: one XML document held as a single text with an index of its elements.
//
// Parsing builds the element index in one pass; navigation, reading and editing work
// on the text through that index and keep both consistent after every change. Only
// elements are indexed: text, comments, processing instructions, CDATA sections and
// document types are found again by scanning the text between elements.
//
// The document never throws for what it reads: errors are results (false, 0, empty
// text) and the first parse error is kept as text (GetError). Text from outside may be
// anything; no input ends the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "foundation/Assert.h"

class CXmlDoc {
 public:
  // Node types (FindNode, InsertNode, GetNodeType).
  enum NodeType : int {
    NODE_ELEMENT = 1,
    NODE_TEXT = 2,
    NODE_WHITESPACE = 4,
    NODE_CDATA_SECTION = 8,
    NODE_PROCESSING_INSTRUCTION = 16,
    NODE_COMMENT = 32,
    NODE_DOCUMENT_TYPE = 64,
    NODE_LONE_END_TAG = 128,
    NODE_ERROR = 32768
  };

  // Insertion flags (AddElement, InsertNode, SetText, EscapeText).
  enum InsertFlags : uint32_t {
    INS_CDATA = 1,               // element text as a CDATA section
    INS_NO_LINE_BREAK = 2,       // no CR LF after the node, nor around first content
    INS_SPACE_BEFORE_CLOSE = 4,  // "<x />" instead of "<x/>"
    INS_KEEP_REFERENCES = 8,     // references already in the text stay as they are
    INS_NOT_ENDED = 16,          // "<x>" without end tag; takes no text
    INS_ESCAPE_QUOTES = 0x100,   // escape ' and " too (attribute values)
    INS_REPLACE_CONTENT = 0x1000,
    INS_BEFORE = 0x2000,
    INS_AS_CHILD = 0x4000
  };

  // Document flags.
  enum DocFlags : uint32_t {
    DOC_UTF16LE_BOM = 1,  // read from (and written back as) UTF-16LE with a byte-order mark
    DOC_UTF16BE_BOM = 2,  // read from (and written back as) UTF-16BE with a byte-order mark
    DOC_UTF8_BOM = 4,     // read with (and written back with) a UTF-8 byte-order mark
    DOC_IGNORE_CASE = 8   // names match without regard to letter case
  };

  // Element record flags.
  enum ElementFlags : uint32_t { ELEM_RELEASED = 0x20000, ELEM_NOT_ENDED = 0x100000, ELEM_ILL_FORMED = 0x800000 };

  // One element of the index. The tag lengths have fields of their own, so a tag of
  // any length is recorded exactly.
  struct ElementPos {
    uint32_t start = 0;   // offset of the '<' of the start tag
    uint32_t length = 0;  // through the '>' of the end tag (the start tag alone when empty or not ended)
    uint32_t startTagLen = 0;
    uint32_t endTagLen = 0;
    uint32_t flags = 0;
    uint32_t parent = 0;
    uint32_t firstChild = 0;
    uint32_t nextSibling = 0;
    uint32_t prevSibling = 0;  // for the first child: the last child
    uint32_t ContentStart() const { return start + startTagLen; }
    uint32_t ContentLength() const { return length - startTagLen - endTagLen; }
    uint32_t End() const { return start + length; }
    bool IsEmptyElement() const { return startTagLen == length; }
  };

  // The element index: records by index, 0 standing for the document.
  class PosArray {
   public:
    ElementPos& operator[](uint32_t i) { return recs_[i]; }
    const ElementPos& operator[](uint32_t i) const { return recs_[i]; }
    uint32_t Size() const { return static_cast<uint32_t>(recs_.size()); }
    void Grow(uint32_t n) {
      if (n > recs_.size()) recs_.resize(n);
    }

   private:
    std::vector<ElementPos> recs_;
  };

  // A scanned node: type, where it lies, and its name or error message.
  struct NodePos {
    int type = 0;
    int start = 0;
    int length = 0;
    uint32_t flags = 0;  // NODE_SELF_CLOSING
    std::string text;
  };
  static constexpr uint32_t NODE_SELF_CLOSING = 0x10000;

  CXmlDoc();
  explicit CXmlDoc(const char* text);
  explicit CXmlDoc(const std::string& text);

  // Document and parsing.
  bool SetDocument(const char* text);
  bool SetDocument(const std::string& text);
  bool IsWellFormed() const;
  const std::string& GetDocument() const { return doc_; }
  const std::string& GetError() const { return error_; }
  uint32_t GetDocFlags() const { return docFlags_; }
  void SetDocFlags(uint32_t flags) { docFlags_ = flags; }

  // Position.
  uint32_t GetCurrentParent() const { return parent_; }
  uint32_t GetCurrentElement() const { return element_; }
  uint32_t GetCurrentChild() const { return child_; }
  int GetNodeType() const { return nodeType_; }
  int GetNodeOffset() const { return nodeOffset_; }
  int GetNodeLength() const { return nodeLength_; }
  // Read access to the element index (for checks; index 0 is the document).
  uint32_t GetElementCount() const { return nextNew_; }
  const ElementPos& GetElementPos(uint32_t index) const {
    PV_ASSERT(index < nextNew_);
    return pos_[index];
  }
  uint32_t GetElementLevel(uint32_t index) const;

  // Navigation and reading.
  void ResetPosition();
  bool FindElement(const char* path = nullptr);
  bool FindElement(const std::string& path) { return FindElement(path.c_str()); }
  bool FindChildElement(const char* path = nullptr);
  bool FindPrevElement(const char* name = nullptr);
  bool FindPrevChildElement(const char* name = nullptr);
  bool IntoElement();
  bool OutOfElement();
  int FindNode(int mask = 0);
  std::string GetTagName() const;
  std::string GetAttribute(const char* name) const;
  std::string GetAttribute(const std::string& name) const { return GetAttribute(name.c_str()); }
  std::string GetAttributeName(int n) const;
  std::string GetText() const;
  std::string FindElementAndGetText(const char* path);
  bool SavePosition(const char* name);
  bool RestorePosition(const char* name);
  std::string GetElementPath(uint32_t index) const;
  std::string GetElementContent(uint32_t index) const;
  std::string GetElementMarkup(uint32_t index) const;
  bool GetNodePosition(int& offset, int& length, int& innerOffset, int& innerLength) const;
  bool GetAttributePosition(const char* name, int& offset, int& length, int& valueOffset, int& valueLength) const;
  static std::string GetDeclaredEncoding(const char* text);
  static std::string UnescapeText(const char* text, int length = -1);

  // Editing.
  bool AddElement(const char* name, const char* text = nullptr, uint32_t flags = 0);
  bool InsertNode(int type, const char* text, uint32_t flags = 0);
  bool SetAttribute(const char* name, const char* value);
  bool SetAttribute(const std::string& name, const std::string& value) {
    return SetAttribute(name.c_str(), value.c_str());
  }
  bool SetChildAttribute(const char* name, const char* value);
  bool SetAttributeInt(const char* name, int value);
  bool RemoveAttribute(const char* name);
  bool SetText(uint32_t index, const char* text, uint32_t flags = 0);
  bool SetTextInt(uint32_t index, int value);
  bool FindElementAndSetText(const char* path, const char* text, uint32_t flags = 0);
  bool RemoveElement();
  bool RemoveChildElement();
  bool RemoveNode();
  bool SetElementContent(const char* markup);
  bool AddSubDocument(const char* markup, uint32_t flags = 0);
  static std::string EscapeText(const char* text, uint32_t flags = 0);
  static std::string EncodeCData(const char* text);

  // Files, conversions and base64.
  bool LoadFile(const char* path);
  bool SaveFile(const char* path);
  static bool LoadFileText(const char* path, std::string& text, std::string& result, uint32_t& flags);
  static bool SaveFileText(const char* path, const std::string& text, std::string& result, uint32_t flags);
  static std::string Utf16ToUtf8(const char16_t* units, size_t count);
  static std::u16string Utf8ToUtf16(const char* bytes, size_t count);
  static std::string EncodeBase64(const unsigned char* bytes, size_t count);
  // With size 0: an upper bound of the decoded length. Otherwise the bytes written,
  // or 0 when the next group would not fit.
  static size_t DecodeBase64(const std::string& text, unsigned char* buffer, size_t size);

  // Cursor over the text for tokens and attributes.
  struct TokenCursor {
    const char* text = nullptr;
    int textLen = 0;
    int start = 0;
    int end = -1;  // inclusive; start - 1 for an empty token
    int next = 0;
    uint32_t flags = 0;  // DOC_IGNORE_CASE; CURSOR_QUOTED
    int attrWsStart = 0;
    int attrWsLen = 0;
    int TokenLength() const { return end - start + 1; }
    void Clear() {
      start = 0;
      end = -1;
      next = 0;
    }
    bool NextToken();
    bool Match(const char* name) const;
    std::string Token() const { return std::string(text + start, static_cast<size_t>(TokenLength())); }
  };
  static constexpr uint32_t CURSOR_QUOTED = 0x8000;

 private:
  struct SavedPos {
    uint32_t index = 0;
    uint32_t flags = 0;  // 1 current element, 2 current child
  };
  struct OpenElement {
    uint32_t index;
    int nameStart;
    int nameLen;
  };

  // Parsing.
  bool DoParseDocument();
  uint32_t DoParseElement(uint32_t parent, TokenCursor& cursor);
  int DoParseNode(TokenCursor& cursor, NodePos& node) const;
  void DoCloseTo(const char* text, uint32_t parent, std::vector<OpenElement>& open, size_t keep,
                 const TokenCursor* endTag, int endTagSlash);
  void DoAllocPositionArray(uint32_t n);
  uint32_t DoGetFreePosition();
  void DoSetPos(uint32_t parent, uint32_t element, uint32_t child);
  TokenCursor DoCursorAt(int offset) const;

  // Navigation.
  uint32_t DoFindElement(uint32_t parent, uint32_t element, const char* path) const;
  uint32_t DoNextInDocumentOrder(uint32_t index, bool skipSubtree) const;
  bool DoMatchName(uint32_t index, const char* name) const;
  bool DoFindAttribute(TokenCursor& cursor, const char* name, int n) const;
  std::string DoGetElementName(uint32_t index) const;
  std::string DoGetNodeText(int type, int offset, int length) const;
  std::string DoGetElementText(uint32_t index) const;
  bool DoFindPrev(uint32_t parent, uint32_t element, const char* name, uint32_t& found) const;

  // Editing.
  // Replaces text; in element content (inContent) a "]]>" that the change would form
  // with the text after it gets its '>' written as "&gt;", and the lengthening is kept
  // in contentExtra_ for the caller's position adjustment.
  bool DoDocumentChange(int offset, int length, const std::string& text, bool inContent = false);
  void DoAdjustPositions(uint32_t element, int diff, bool skipSubtree);
  void DoAdjustForNode(uint32_t parent, uint32_t element, int diff);
  void DoLinkElement(uint32_t parent, uint32_t after, uint32_t index);
  int DoInsertNew(uint32_t parent, uint32_t& element, NodePos& node, std::string text, bool withNode, int nodeOffset,
                  int nodeLength);
  bool DoAddElement(const char* name, const char* text, uint32_t flags);
  bool DoInsertNode(int type, const char* text, uint32_t flags);
  bool DoSetAttribute(uint32_t index, const char* name, const char* value);
  int DoAttributeLimit(uint32_t index, bool pi) const;
  bool DoRemoveElement(uint32_t index);
  void DoUnlinkElement(uint32_t index);
  void DoReleaseElement(uint32_t index);
  void DoCleanSavedPositions();
  uint32_t DoParseMarkup(const std::string& markup, bool& wellFormed);
  void DoMoveParsed(uint32_t temp, int shift);
  static std::string DoCreateNodeText(int type, const char* text, bool& ok);

  std::string doc_;
  std::string error_;
  uint32_t parent_ = 0;
  uint32_t element_ = 0;
  uint32_t child_ = 0;
  uint32_t nextNew_ = 0;
  uint32_t freeHead_ = 0;
  int nodeType_ = 0;
  int nodeOffset_ = 0;
  int nodeLength_ = 0;
  uint32_t docFlags_ = 0;
  int contentExtra_ = 0;
  std::map<std::string, SavedPos> saved_;
  PosArray pos_;
};
