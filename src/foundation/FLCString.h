// FLCString: the framework's byte string, a value type with copy-on-write sharing.
// Copies share one reference-counted representation; a representation is cloned only
// when a string that shares it is about to change. The length is stored, so a string may
// hold NUL bytes; the characters are always followed by a NUL.
#pragma once

#include <cstdint>

#include "foundation/FLErrors.h"

class FLCString;
// The shared representation's header (reference count, capacity, length).
struct FLCStringRep;

// A view of a stretch of one string; it owns nothing and must not outlive its string.
// A start of FL_NPOS marks the null substring (nothing matched).
class FLCSubString {
 public:
  FLCSubString(FLCString& str, uint32_t begin, uint32_t extent)
      : str_(&str), begin_(begin), extent_(begin == FL_NPOS ? 0 : extent) {}

  // Replace the viewed stretch; nothing happens for the null substring.
  FLCSubString& operator=(const FLCString& s);
  FLCSubString& operator=(const FLCSubString& s);
  FLCSubString& operator=(const char* s);

  char& operator()(uint32_t i);  // checked against the extent
  char& operator[](uint32_t i);  // not checked
  void toLower();
  void toUpper();

  bool isNull() const { return begin_ == FL_NPOS; }
  uint32_t start() const { return begin_; }
  uint32_t length() const { return extent_; }
  const char* data() const;  // the first character of the stretch (not NUL-terminated)

  bool operator==(const char* s) const;
  bool operator==(const FLCString& s) const;
  bool operator==(const FLCSubString& s) const;
  bool operator!=(const char* s) const { return !(*this == s); }

 private:
  void replaceWith(const char* text, uint32_t textLength);

  FLCString* str_;
  uint32_t begin_;
  uint32_t extent_;
};

class FLCString {
 public:
  enum CaseCompare { exact = 0, ignoreCase = 1 };
  enum StripType { leading = 1, trailing = 2, both = 3 };

  FLCString();
  explicit FLCString(uint32_t capacity);  // empty, with exactly that capacity
  FLCString(const char* s);               // NOLINT: strings convert implicitly
  FLCString(const char* buffer, uint32_t count);
  explicit FLCString(char c);
  FLCString(char c, uint32_t count);
  FLCString(const FLCSubString& sub);
  FLCString(const FLCString& other);
  FLCString(FLCString&& other) noexcept;
  ~FLCString();

  // A string with the same characters and a representation of its own.
  FLCString copy() const;

  FLCString& operator=(const FLCString& other);
  FLCString& operator=(FLCString&& other) noexcept;
  FLCString& operator=(const char* s);

  // ---- editing ----
  FLCString& append(char c, uint32_t count = 1);
  FLCString& append(const char* s);
  FLCString& append(const char* s, uint32_t count);
  FLCString& append(const FLCString& s);
  FLCString& operator+=(const FLCString& s) { return append(s); }
  FLCString& operator+=(const char* s) { return append(s); }
  // Through replace, so repeated appends grow in steps rather than one byte at a time.
  FLCString& operator+=(char c) { return append(&c, 1); }
  FLCString& prepend(char c, uint32_t count = 1);
  FLCString& prepend(const char* s);
  FLCString& insert(uint32_t pos, const char* s);
  FLCString& remove(uint32_t pos, uint32_t count = FL_NPOS);
  // Replaces `count` characters from `pos` by `textLength` bytes of `text`. A `pos`
  // past the end throws FLBoundsErr.
  FLCString& replace(uint32_t pos, uint32_t count, const char* text, uint32_t textLength);
  FLCString& replace(uint32_t pos, uint32_t count, const char* text);
  void resize(uint32_t n);
  uint32_t capacity() const;
  uint32_t capacity(uint32_t n);
  void clobber(uint32_t n);
  void toLower();
  void toUpper();

  // ---- access ----
  uint32_t length() const;
  const char* data() const { return data_; }
  operator const char*() const { return data_; }
  bool isNull() const { return length() == 0; }
  char& operator()(uint32_t i);       // checked: FLBoundsErr outside the string
  char& operator[](uint32_t i);       // the program's own code keeps within bounds
  char operator[](uint32_t i) const;  // reading; index length() gives the NUL
  // int overloads keep s[0] unambiguous against the built-in pointer subscript.
  char& operator[](int i) { return (*this)[static_cast<uint32_t>(i)]; }
  char operator[](int i) const { return (*this)[static_cast<uint32_t>(i)]; }
  FLCSubString operator()(uint32_t start, uint32_t count);
  FLCSubString subString(const char* pattern, uint32_t start = 0, CaseCompare mode = exact);
  FLCSubString strip(StripType type = trailing, char c = ' ');

  // ---- comparison ----
  int compareTo(const FLCString& s, CaseCompare mode = exact) const;
  int compareTo(const char* s, CaseCompare mode = exact) const;
  int collate(const char* s) const;
  FLCString strXForm() const;

  // ---- search: an index, or FL_NPOS ----
  uint32_t index(const char* pattern, uint32_t patternLength, uint32_t start, CaseCompare mode = exact) const;
  uint32_t index(const char* pattern, uint32_t start = 0, CaseCompare mode = exact) const;
  uint32_t first(char c) const;                               // stops at the first NUL
  uint32_t first(char c, uint32_t n) const;                   // over the first n characters
  uint32_t first(const char* set) const;                      // stops at the first NUL
  uint32_t first(const char* set, uint32_t setLength) const;  // over the whole length
  uint32_t last(char c) const;                                // stops at the first NUL
  uint32_t last(char c, uint32_t n) const;                    // over the first n characters

  // ---- other queries ----
  uint32_t hash(CaseCompare mode = exact) const;
  bool isAscii() const;
  uint32_t mbLength() const;

  // ---- library-wide settings: each setter returns the previous value ----
  static uint32_t initialCapacity(uint32_t n);
  static uint32_t resizeIncrement(uint32_t n);
  static uint32_t maxWaste(uint32_t n);
  static uint32_t initialCapacity();
  static uint32_t resizeIncrement();
  static uint32_t maxWaste();
  // The capacity given to a string of n characters built by concatenation and edits.
  static uint32_t adjustCapacity(uint32_t n);

  // Whether another string shares this one's representation (for tests and diagnostics).
  bool isShared() const;
  // Index check for operator()(i): FLBoundsErr at or past the length, or for FL_NPOS.
  void assertElement(uint32_t i) const;

 private:
  FLCStringRep* rep() const;
  static char* getRep(uint32_t capacity, uint32_t length);
  static char* nullData();
  void release();
  void cow();
  void clone(uint32_t capacity);

  char* data_;
};

FLCString operator+(const FLCString& a, const FLCString& b);
FLCString operator+(const FLCString& a, const char* b);
FLCString operator+(const char* a, const FLCString& b);

bool operator==(const FLCString& a, const FLCString& b);
bool operator==(const FLCString& a, const char* b);
inline bool operator==(const char* a, const FLCString& b) { return b == a; }
inline bool operator!=(const FLCString& a, const FLCString& b) { return !(a == b); }
inline bool operator!=(const FLCString& a, const char* b) { return !(a == b); }
inline bool operator!=(const char* a, const FLCString& b) { return !(b == a); }
inline bool operator<(const FLCString& a, const FLCString& b) { return a.compareTo(b) < 0; }
inline bool operator>(const FLCString& a, const FLCString& b) { return a.compareTo(b) > 0; }
inline bool operator<=(const FLCString& a, const FLCString& b) { return a.compareTo(b) <= 0; }
inline bool operator>=(const FLCString& a, const FLCString& b) { return a.compareTo(b) >= 0; }

FLCString toLower(const FLCString& s);
FLCString toUpper(const FLCString& s);
