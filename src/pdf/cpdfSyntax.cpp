// Checks of the texts that callers hand to the writer as PDF syntax (page boxes, names,
// dash patterns, destinations, action and border dictionaries). Such a text is copied
// into a dictionary or a content stream as it is, so a malformed one would make the
// whole document unreadable; the writer refuses it instead.
//
// The reader below follows the lexical rules of PDF objects: numbers, names (with #xx
// escapes), literal strings (balanced parentheses, backslash escapes), hexadecimal
// strings, arrays, dictionaries and the keywords true, false and null. Comments,
// procedures, indirect references and stream keywords are refused: none belongs in
// these texts, and each could end the enclosing object early.
#include "pdf/cpdfInternal.h"

#include <cstring>
#include <string>
#include <vector>

namespace cpdf_detail {
namespace {

enum class Kind { None, Number, Integer, Name, String, Array, Dictionary, Keyword };

constexpr int kMaxDepth = 32;

bool isWhite(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\0'; }
bool isDelimiter(char c) { return std::strchr("()<>[]{}/%", c) != nullptr && c != '\0'; }
bool isRegular(char c) { return !isWhite(c) && !isDelimiter(c); }
bool isHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

class Reader {
 public:
  explicit Reader(const char* text) : p_(text) {}

  void skipWhite() {
    while (*p_ && isWhite(*p_)) ++p_;
  }
  bool atEnd() {
    skipWhite();
    return *p_ == '\0';
  }
  char peek() {
    skipWhite();
    return *p_;
  }

  // Reads one object; None when the text there is not a well-formed object.
  Kind object(int depth, std::vector<Kind>* elements = nullptr) {
    if (depth > kMaxDepth) return Kind::None;
    skipWhite();
    char c = *p_;
    if (c == '/') return name();
    if (c == '(') return literal();
    if (c == '[') return array(depth, elements);
    if (c == '<') return p_[1] == '<' ? dictionary(depth) : hexString();
    if (c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9')) return number();
    if (c >= 'a' && c <= 'z') return keyword();
    return Kind::None;
  }

 private:
  // Bytes outside '!'..'~' stand in a name only as #xx: written raw, readers take
  // them for a broken token.
  Kind name() {
    ++p_;
    while (isRegular(*p_)) {
      const unsigned char byte = static_cast<unsigned char>(*p_);
      if (byte < 0x21 || byte > 0x7E) return Kind::None;
      if (*p_ == '#') {
        if (!isHex(p_[1]) || !isHex(p_[2])) return Kind::None;
        p_ += 3;
      } else {
        ++p_;
      }
    }
    return Kind::Name;
  }

  Kind literal() {
    int open = 0;
    for (++p_; *p_; ++p_) {
      if (*p_ == '\\') {
        if (!p_[1]) return Kind::None;
        ++p_;
      } else if (*p_ == '(') {
        ++open;
      } else if (*p_ == ')') {
        if (open == 0) {
          ++p_;
          return Kind::String;
        }
        --open;
      }
    }
    return Kind::None;
  }

  Kind hexString() {
    for (++p_; *p_; ++p_) {
      if (*p_ == '>') {
        ++p_;
        return Kind::String;
      }
      if (!isHex(*p_) && !isWhite(*p_)) return Kind::None;
    }
    return Kind::None;
  }

  Kind array(int depth, std::vector<Kind>* elements) {
    ++p_;
    for (;;) {
      if (peek() == ']') {
        ++p_;
        return Kind::Array;
      }
      Kind k = object(depth + 1);
      if (k == Kind::None) return Kind::None;
      if (elements) elements->push_back(k);
    }
  }

  Kind dictionary(int depth) {
    p_ += 2;
    for (;;) {
      if (peek() == '>') {
        if (p_[1] != '>') return Kind::None;
        p_ += 2;
        return Kind::Dictionary;
      }
      if (object(depth + 1) != Kind::Name) return Kind::None;
      if (peek() == '>' || object(depth + 1) == Kind::None) return Kind::None;
    }
  }

  Kind number() {
    if (*p_ == '+' || *p_ == '-') ++p_;
    int digits = 0;
    bool point = false;
    for (; *p_; ++p_) {
      if (*p_ >= '0' && *p_ <= '9') {
        ++digits;
      } else if (*p_ == '.' && !point) {
        point = true;
      } else {
        break;
      }
    }
    // Readers keep numbers to about 32 bits of precision and magnitude: a longer run of
    // digits is no number a reader would take as given.
    if (digits == 0 || digits > 20 || !endsToken()) return Kind::None;
    return point ? Kind::Number : Kind::Integer;
  }

  Kind keyword() {
    const char* start = p_;
    while (isRegular(*p_)) ++p_;
    std::string word(start, p_);
    if (word == "true" || word == "false" || word == "null") return Kind::Keyword;
    return Kind::None;
  }

  bool endsToken() const { return *p_ == '\0' || isWhite(*p_) || isDelimiter(*p_); }

  const char* p_;
};

bool numeric(Kind k) { return k == Kind::Number || k == Kind::Integer; }

bool allNumeric(const std::vector<Kind>& kinds) {
  for (Kind k : kinds)
    if (!numeric(k)) return false;
  return true;
}

// A destination after its page: one of the types a reader knows, with exactly its
// operands, each a number or null (/FitR takes four numbers). A reader refuses a link
// to an unknown type or with a wrong count, so the writer does too.
bool destinationValid(const char* text) {
  static const struct {
    const char* name;
    int operands;
    bool nullAllowed;
  } types[] = {
      {"/XYZ", 3, true},   {"/Fit", 0, false},  {"/FitH", 1, true},  {"/FitV", 1, true},
      {"/FitR", 4, false}, {"/FitB", 0, false}, {"/FitBH", 1, true}, {"/FitBV", 1, true},
  };
  std::vector<std::string> words;
  for (const char* p = text; *p;) {
    while (*p && isWhite(*p)) ++p;
    const char* start = p;
    while (*p && !isWhite(*p)) ++p;
    if (p > start) words.emplace_back(start, p);
  }
  if (words.empty()) return false;
  for (const auto& type : types) {
    if (words[0] != type.name) continue;
    if (static_cast<int>(words.size()) - 1 != type.operands) return false;
    for (size_t i = 1; i < words.size(); ++i) {
      if (type.nullAllowed && words[i] == "null") continue;
      Reader r(words[i].c_str());
      if (!numeric(r.object(0)) || !r.atEnd()) return false;
    }
    return true;
  }
  return false;
}

}  // namespace

bool pdfSyntaxValid(const char* text, PdfSyntax kind) {
  if (!text) return false;
  Reader r(text);
  switch (kind) {
    case PdfSyntax::Box: {
      for (int i = 0; i < 4; ++i)
        if (!numeric(r.object(0))) return false;
      return r.atEnd();
    }
    case PdfSyntax::EncodingName: {
      if (!*text || !isRegular(*text)) return false;
      std::string withSlash = std::string("/") + text;
      Reader n(withSlash.c_str());
      return n.object(0) == Kind::Name && n.atEnd();
    }
    case PdfSyntax::FilterNames: {
      if (r.atEnd()) return false;
      while (!r.atEnd())
        if (r.object(0) != Kind::Name) return false;
      return true;
    }
    case PdfSyntax::DashPattern: {
      std::vector<Kind> elements;
      if (r.peek() != '[' || r.object(0, &elements) != Kind::Array) return false;
      if (!allNumeric(elements) || !numeric(r.object(0))) return false;
      return r.atEnd();
    }
    case PdfSyntax::Destination:
      return destinationValid(text);
    case PdfSyntax::DictionaryBody: {
      while (!r.atEnd()) {
        if (r.object(0) != Kind::Name) return false;
        if (r.atEnd() || r.object(0) == Kind::None) return false;
      }
      return true;
    }
    case PdfSyntax::BorderArray: {
      if (r.peek() != '[') return false;
      std::vector<Kind> elements;
      Reader whole(text);
      if (whole.object(0, &elements) != Kind::Array || !whole.atEnd()) return false;
      for (size_t i = 0; i < elements.size(); ++i) {
        bool lastDash = i + 1 == elements.size() && elements[i] == Kind::Array;
        if (!numeric(elements[i]) && !lastDash) return false;
      }
      return true;
    }
  }
  return false;
}

}  // namespace cpdf_detail
