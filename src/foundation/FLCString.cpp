#include "foundation/FLCString.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <functional>
#include <new>
#include <stdexcept>
#include <vector>

#include "foundation/Assert.h"

// The header that lies immediately before the characters of every representation.
struct FLCStringRep {
  uint32_t refs;      // sharers minus one
  uint32_t capacity;  // characters that fit, the terminating NUL not counted
  uint32_t length;
};

namespace {

uint32_t gInitialCapacity = 15;
uint32_t gResizeIncrement = 16;
uint32_t gMaxWaste = 15;

constexpr size_t kHeader = sizeof(FLCStringRep);
static_assert(kHeader == 12, "three 32-bit fields lie before the characters");

// The null representation: capacity 0, length 0, a single NUL. Never freed.
struct NullBlock {
  FLCStringRep header;
  char characters[4];
};
NullBlock gNull = {{0, 0, 0}, {0, 0, 0, 0}};
static_assert(offsetof(NullBlock, characters) == kHeader, "characters follow the header");

uint32_t checkedSum(uint32_t a, uint64_t b) {
  const uint64_t sum = a + b;
  if (sum >= FL_NPOS) throw std::length_error("FLCString too long");
  return static_cast<uint32_t>(sum);
}

uint32_t textLength(const char* s) {
  const size_t n = s ? std::strlen(s) : 0;
  if (n >= FL_NPOS) throw std::length_error("FLCString too long");
  return static_cast<uint32_t>(n);
}

unsigned char lowerOf(char c) { return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c))); }
unsigned char upperOf(char c) { return static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(c))); }

uint32_t rotl5(uint32_t h) { return (h << 5) | (h >> 27); }

// Whether p points into [begin, end]; compared as addresses so unrelated pointers are fine.
bool pointsInto(const char* p, const char* begin, const char* end) {
  std::less_equal<const char*> le;
  return p && le(begin, p) && le(p, end);
}

}  // namespace

// ---- representation management ----

FLCStringRep* FLCString::rep() const { return reinterpret_cast<FLCStringRep*>(data_ - kHeader); }

char* FLCString::nullData() { return gNull.characters; }

char* FLCString::getRep(uint32_t capacity, uint32_t length) {
  if (capacity == 0 && length == 0) {
    ++gNull.header.refs;
    return nullData();
  }
  PV_ASSERT(length <= capacity);
  if (capacity >= FL_NPOS - kHeader - 1) throw std::length_error("FLCString too long");
  auto* block = static_cast<unsigned char*>(::operator new(kHeader + capacity + 1));
  new (block) FLCStringRep{0, capacity, length};
  char* d = reinterpret_cast<char*>(block + kHeader);
  d[length] = '\0';
  return d;
}

void FLCString::release() {
  FLCStringRep* r = rep();
  if (data_ == nullData()) {
    --r->refs;
    return;
  }
  if (r->refs == 0)
    ::operator delete(static_cast<void*>(reinterpret_cast<unsigned char*>(r)));
  else
    --r->refs;
}

bool FLCString::isShared() const { return data_ == nullData() || rep()->refs > 0; }

void FLCString::clone(uint32_t capacity) {
  const uint32_t n = std::min(capacity, length());
  char* d = getRep(capacity, n);
  std::memcpy(d, data_, n);
  d[n] = '\0';
  release();
  data_ = d;
}

void FLCString::cow() {
  if (isShared()) clone(length());
}

uint32_t FLCString::adjustCapacity(uint32_t n) {
  if (n <= gInitialCapacity) return gInitialCapacity;
  const uint64_t steps = (static_cast<uint64_t>(n) - gInitialCapacity + gResizeIncrement - 1) / gResizeIncrement;
  const uint64_t cap = gInitialCapacity + steps * gResizeIncrement;
  if (cap >= FL_NPOS) throw std::length_error("FLCString too long");
  return static_cast<uint32_t>(cap);
}

uint32_t FLCString::initialCapacity(uint32_t n) {
  const uint32_t old = gInitialCapacity;
  gInitialCapacity = n;
  return old;
}
uint32_t FLCString::resizeIncrement(uint32_t n) {
  const uint32_t old = gResizeIncrement;
  gResizeIncrement = n ? n : 1;  // a zero step would never grow
  return old;
}
uint32_t FLCString::maxWaste(uint32_t n) {
  const uint32_t old = gMaxWaste;
  gMaxWaste = n;
  return old;
}
uint32_t FLCString::initialCapacity() { return gInitialCapacity; }
uint32_t FLCString::resizeIncrement() { return gResizeIncrement; }
uint32_t FLCString::maxWaste() { return gMaxWaste; }

// ---- construction ----

FLCString::FLCString() : data_(getRep(0, 0)) {}

FLCString::FLCString(uint32_t capacity) : data_(getRep(capacity, 0)) {}

FLCString::FLCString(const char* s) : FLCString(s, textLength(s)) {}

FLCString::FLCString(const char* buffer, uint32_t count) : data_(getRep(count, count)) {
  if (count) std::memcpy(data_, buffer, count);
}

FLCString::FLCString(char c) : data_(getRep(gInitialCapacity < 1 ? 1 : gInitialCapacity, 1)) { data_[0] = c; }

FLCString::FLCString(char c, uint32_t count) : data_(getRep(count, count)) {
  if (count) std::memset(data_, static_cast<unsigned char>(c), count);
}

FLCString::FLCString(const FLCSubString& sub) : data_(getRep(adjustCapacity(sub.length()), sub.length())) {
  if (sub.length()) std::memcpy(data_, sub.data(), sub.length());
}

FLCString::FLCString(const FLCString& other) : data_(other.data_) { ++rep()->refs; }

FLCString::FLCString(FLCString&& other) noexcept : data_(other.data_) {
  other.data_ = nullData();
  ++other.rep()->refs;
}

FLCString::~FLCString() { release(); }

FLCString FLCString::copy() const {
  FLCString result(data_, length());
  return result;
}

FLCString& FLCString::operator=(const FLCString& other) {
  ++other.rep()->refs;
  release();
  data_ = other.data_;
  return *this;
}

FLCString& FLCString::operator=(FLCString&& other) noexcept {
  if (this != &other) {
    release();
    data_ = other.data_;
    other.data_ = nullData();
    ++other.rep()->refs;
  }
  return *this;
}

FLCString& FLCString::operator=(const char* s) {
  const uint32_t n = textLength(s);
  if (n) return replace(0, length(), s, n);
  if (isShared()) {
    release();
    data_ = getRep(0, 0);
  } else {
    rep()->length = 0;
    data_[0] = '\0';
  }
  return *this;
}

// ---- editing ----

FLCString& FLCString::replace(uint32_t pos, uint32_t count, const char* text, uint32_t textLen) {
  const uint32_t len = length();
  if (pos > len) FLthrowSubstringError(pos, count, len);
  count = std::min(count, len - pos);
  if (!text) textLen = 0;
  const uint32_t newLen = checkedSum(len - count, textLen);
  const uint32_t remnant = len - count - pos;
  FLCStringRep* r = rep();
  const bool shrinksTooFar = newLen < len && r->capacity - newLen > gMaxWaste;
  const bool textInside = pointsInto(text, data_, data_ + r->capacity);
  if (!isShared() && newLen <= r->capacity && !shrinksTooFar && !textInside) {
    std::memmove(data_ + pos + textLen, data_ + pos + count, remnant);
    if (textLen) std::memcpy(data_ + pos, text, textLen);
    r->length = newLen;
    data_[newLen] = '\0';
  } else {
    char* d = getRep(adjustCapacity(newLen), newLen);
    std::memcpy(d, data_, pos);
    if (textLen) std::memcpy(d + pos, text, textLen);
    std::memcpy(d + pos + textLen, data_ + pos + count, remnant);
    release();
    data_ = d;
  }
  return *this;
}

FLCString& FLCString::replace(uint32_t pos, uint32_t count, const char* text) {
  return replace(pos, count, text, textLength(text));
}

FLCString& FLCString::append(char c, uint32_t count) {
  if (count == 0) return *this;
  const uint32_t len = length();
  const uint32_t newLen = checkedSum(len, count);
  if (isShared() || rep()->capacity < newLen) clone(newLen);
  std::memset(data_ + len, static_cast<unsigned char>(c), count);
  rep()->length = newLen;
  data_[newLen] = '\0';
  return *this;
}

FLCString& FLCString::append(const char* s) { return append(s, textLength(s)); }
FLCString& FLCString::append(const char* s, uint32_t count) { return replace(length(), 0, s, count); }
FLCString& FLCString::append(const FLCString& s) {
  // Appending a string to itself: the text lies inside, so replace builds a new buffer.
  return replace(length(), 0, s.data(), s.length());
}

FLCString& FLCString::prepend(char c, uint32_t count) {
  if (count == 0) return *this;
  const uint32_t len = length();
  const uint32_t newLen = checkedSum(len, count);
  if (!isShared() && newLen <= rep()->capacity) {
    std::memmove(data_ + count, data_, len);
  } else {
    char* d = getRep(adjustCapacity(newLen), newLen);
    std::memcpy(d + count, data_, len);
    release();
    data_ = d;
  }
  std::memset(data_, static_cast<unsigned char>(c), count);
  rep()->length = newLen;
  data_[newLen] = '\0';
  return *this;
}

FLCString& FLCString::prepend(const char* s) { return replace(0, 0, s, textLength(s)); }
FLCString& FLCString::insert(uint32_t pos, const char* s) { return replace(pos, 0, s, textLength(s)); }
FLCString& FLCString::remove(uint32_t pos, uint32_t count) { return replace(pos, count, nullptr, 0); }

void FLCString::resize(uint32_t n) {
  const uint32_t len = length();
  if (n > len)
    append(' ', n - len);
  else if (n < len)
    replace(n, len - n, nullptr, 0);
}

uint32_t FLCString::capacity() const { return rep()->capacity; }

uint32_t FLCString::capacity(uint32_t n) {
  if (n > length() && n != capacity()) clone(n);
  return capacity();
}

void FLCString::clobber(uint32_t n) {
  if (!isShared() && rep()->capacity >= n) {
    rep()->length = 0;
    data_[0] = '\0';
    return;
  }
  char* d = getRep(n, 0);
  release();
  data_ = d;
}

void FLCString::toLower() {
  cow();
  const uint32_t n = length();
  for (uint32_t i = 0; i < n; ++i) data_[i] = static_cast<char>(lowerOf(data_[i]));
}

void FLCString::toUpper() {
  cow();
  const uint32_t n = length();
  for (uint32_t i = 0; i < n; ++i) data_[i] = static_cast<char>(upperOf(data_[i]));
}

// ---- access ----

uint32_t FLCString::length() const { return rep()->length; }

void FLCString::assertElement(uint32_t i) const {
  if (i >= length()) FLthrowIndexError(i, length());
}

char& FLCString::operator()(uint32_t i) {
  assertElement(i);
  cow();
  return data_[i];
}

char& FLCString::operator[](uint32_t i) {
  // Unchecked by contract, but a write past the end would corrupt the heap (or the shared
  // null representation), so the contract stays enforced.
  PV_ASSERT(i < length());
  cow();
  return data_[i];
}

char FLCString::operator[](uint32_t i) const {
  PV_ASSERT(i <= length());
  return data_[i];
}

FLCSubString FLCString::operator()(uint32_t start, uint32_t count) {
  const uint32_t len = length();
  if (start > len || count > len - start) FLthrowSubstringError(start, count, len);
  return FLCSubString(*this, start, count);
}

FLCSubString FLCString::subString(const char* pattern, uint32_t start, CaseCompare mode) {
  const uint32_t n = textLength(pattern);
  const uint32_t at = index(pattern, n, start, mode);
  return FLCSubString(*this, at, at == FL_NPOS ? 0 : n);
}

FLCSubString FLCString::strip(StripType type, char c) {
  uint32_t start = 0;
  uint32_t end = length();
  if (type & leading)
    while (start < end && data_[start] == c) ++start;
  if (type & trailing)
    while (end > start && data_[end - 1] == c) --end;
  if (start == end) return FLCSubString(*this, FL_NPOS, 0);
  return FLCSubString(*this, start, end - start);
}

// ---- comparison ----

int FLCString::compareTo(const FLCString& s, CaseCompare mode) const {
  const uint32_t a = length();
  const uint32_t b = s.length();
  const uint32_t n = std::min(a, b);
  for (uint32_t i = 0; i < n; ++i) {
    if (mode == exact) {
      const int d = static_cast<unsigned char>(data_[i]) - static_cast<unsigned char>(s.data_[i]);
      if (d) return d;
    } else {
      // The case-folded comparison orders the folded characters as signed bytes.
      const auto x = static_cast<signed char>(lowerOf(data_[i]));
      const auto y = static_cast<signed char>(lowerOf(s.data_[i]));
      if (x != y) return x > y ? 1 : -1;
    }
  }
  if (a == b) return 0;
  return a > b ? 1 : -1;
}

int FLCString::compareTo(const char* s, CaseCompare mode) const {
  if (!s) s = "";
  const uint32_t len = length();
  uint32_t i = 0;
  for (; s[i] != '\0'; ++i) {
    if (i >= len) return -1;
    signed char x = static_cast<signed char>(data_[i]);
    signed char y = static_cast<signed char>(s[i]);
    if (mode == ignoreCase) {
      x = static_cast<signed char>(lowerOf(data_[i]));
      y = static_cast<signed char>(lowerOf(s[i]));
    }
    if (x != y) return x > y ? 1 : -1;
  }
  return i < len ? 1 : 0;
}

int FLCString::collate(const char* s) const { return std::strcoll(data_, s ? s : ""); }

FLCString FLCString::strXForm() const {
  const size_t n = std::strxfrm(nullptr, data_, 0);
  if (n >= FL_NPOS - 1) return FLCString();
  FLCString result('\0', static_cast<uint32_t>(n + 1));
  const size_t written = std::strxfrm(result.data_, data_, n + 1);
  if (written < n + 1) return result;
  return FLCString();
}

bool operator==(const FLCString& a, const FLCString& b) {
  return a.length() == b.length() && std::memcmp(a.data(), b.data(), a.length()) == 0;
}

bool operator==(const FLCString& a, const char* b) {
  if (!b) b = "";
  const uint32_t n = a.length();
  const char* d = a.data();
  for (uint32_t i = 0; i < n; ++i) {
    if (b[i] == '\0' || b[i] != d[i]) return false;
  }
  return b[n] == '\0';
}

// ---- search ----

uint32_t FLCString::index(const char* pattern, uint32_t patLen, uint32_t start, CaseCompare mode) const {
  const uint32_t len = length();
  if (static_cast<uint64_t>(start) + patLen > len) return FL_NPOS;
  if (patLen == 0) return start;
  for (uint32_t pos = start; pos <= len - patLen; ++pos) {
    uint32_t k = 0;
    if (mode == exact) {
      while (k < patLen && data_[pos + k] == pattern[k]) ++k;
    } else {
      while (k < patLen && lowerOf(data_[pos + k]) == lowerOf(pattern[k])) ++k;
    }
    if (k == patLen) return pos;
  }
  return FL_NPOS;
}

uint32_t FLCString::index(const char* pattern, uint32_t start, CaseCompare mode) const {
  return index(pattern, textLength(pattern), start, mode);
}

uint32_t FLCString::first(char c) const {
  for (uint32_t i = 0;; ++i) {
    if (data_[i] == c) return i;
    if (data_[i] == '\0') return FL_NPOS;
  }
}

uint32_t FLCString::first(char c, uint32_t n) const {
  n = std::min(n, length());
  for (uint32_t i = 0; i < n; ++i)
    if (data_[i] == c) return i;
  return FL_NPOS;
}

uint32_t FLCString::first(const char* set) const {
  if (!set) return FL_NPOS;
  const size_t i = std::strcspn(data_, set);
  return data_[i] == '\0' ? FL_NPOS : static_cast<uint32_t>(i);
}

uint32_t FLCString::first(const char* set, uint32_t setLength) const {
  const uint32_t n = length();
  for (uint32_t i = 0; i < n; ++i)
    if (set && std::memchr(set, data_[i], setLength)) return i;
  return FL_NPOS;
}

uint32_t FLCString::last(char c) const {
  const char* p = std::strrchr(data_, c);
  return p ? static_cast<uint32_t>(p - data_) : FL_NPOS;
}

uint32_t FLCString::last(char c, uint32_t n) const {
  n = std::min(n, length());
  for (uint32_t i = n; i > 0; --i)
    if (data_[i - 1] == c) return i - 1;
  return FL_NPOS;
}

// ---- other queries ----

uint32_t FLCString::hash(CaseCompare mode) const {
  const uint32_t n = length();
  const auto* b = reinterpret_cast<const unsigned char*>(data_);
  uint32_t h = n;
  if (mode == ignoreCase) {
    for (uint32_t i = 0; i < n; ++i) h = rotl5(h) ^ upperOf(static_cast<char>(b[i]));
    return h;
  }
  uint32_t i = 0;
  for (; i + 4 <= n; i += 4) {
    const uint32_t w = static_cast<uint32_t>(b[i]) | static_cast<uint32_t>(b[i + 1]) << 8 |
                       static_cast<uint32_t>(b[i + 2]) << 16 | static_cast<uint32_t>(b[i + 3]) << 24;
    h = rotl5(h) ^ w;
  }
  if (i < n) {
    uint32_t r = 0;
    for (; i < n; ++i) {
      const auto extended = static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(b[i])));
      r = (r << 8) | extended;
    }
    h = rotl5(h) ^ r;
  }
  return h;
}

bool FLCString::isAscii() const {
  const uint32_t n = length();
  for (uint32_t i = 0; i < n; ++i)
    if (static_cast<unsigned char>(data_[i]) & 0x80) return false;
  return true;
}

uint32_t FLCString::mbLength() const {
  const uint32_t len = length();
  uint32_t end = 0;
  while (end < len && data_[end] != '\0') ++end;
  if (MB_CUR_MAX == 1) return end;  // single-byte locale: one character per byte
  std::mbstate_t state{};
  uint32_t count = 0;
  uint32_t i = 0;
  while (i < end) {
    const size_t k = std::mbrlen(data_ + i, end - i, &state);
    if (k == static_cast<size_t>(-1) || k == static_cast<size_t>(-2) || k == 0) return FL_NPOS;
    i += static_cast<uint32_t>(k);
    ++count;
  }
  return count;
}

// ---- concatenation ----

namespace {
FLCString concat(const char* a, uint32_t na, const char* b, uint32_t nb) {
  const uint32_t total = checkedSum(na, nb);
  FLCString result(FLCString::adjustCapacity(total));
  result.replace(0, 0, a, na);
  result.replace(na, 0, b, nb);
  return result;
}
}  // namespace

FLCString operator+(const FLCString& a, const FLCString& b) {
  return concat(a.data(), a.length(), b.data(), b.length());
}
FLCString operator+(const FLCString& a, const char* b) { return concat(a.data(), a.length(), b, textLength(b)); }
FLCString operator+(const char* a, const FLCString& b) { return concat(a, textLength(a), b.data(), b.length()); }

FLCString toLower(const FLCString& s) {
  FLCString r = s.copy();
  r.toLower();
  return r;
}

FLCString toUpper(const FLCString& s) {
  FLCString r = s.copy();
  r.toUpper();
  return r;
}

// ---- FLCSubString ----

const char* FLCSubString::data() const { return str_->data() + (isNull() ? 0 : begin_); }

void FLCSubString::replaceWith(const char* text, uint32_t textLength) {
  if (isNull()) return;
  str_->replace(begin_, extent_, text, textLength);
  extent_ = textLength;
}

FLCSubString& FLCSubString::operator=(const FLCString& s) {
  // Copy first: the text may be the viewed string itself.
  const FLCString text = s;
  replaceWith(text.data(), text.length());
  return *this;
}

FLCSubString& FLCSubString::operator=(const FLCSubString& s) {
  if (this == &s) return *this;
  const FLCString text(s.data(), s.length());
  replaceWith(text.data(), text.length());
  return *this;
}

FLCSubString& FLCSubString::operator=(const char* s) {
  replaceWith(s, textLength(s));
  return *this;
}

char& FLCSubString::operator()(uint32_t i) {
  if (i >= extent_) FLthrowIndexError(i, extent_);
  return (*str_)[begin_ + i];
}

char& FLCSubString::operator[](uint32_t i) {
  PV_ASSERT(!isNull() && i < extent_);
  return (*str_)[begin_ + i];
}

void FLCSubString::toLower() {
  if (isNull()) return;
  for (uint32_t i = 0; i < extent_; ++i) {
    char& c = (*str_)[begin_ + i];
    c = static_cast<char>(lowerOf(c));
  }
}

void FLCSubString::toUpper() {
  if (isNull()) return;
  for (uint32_t i = 0; i < extent_; ++i) {
    char& c = (*str_)[begin_ + i];
    c = static_cast<char>(upperOf(c));
  }
}

bool FLCSubString::operator==(const char* s) const {
  if (!s) s = "";
  const char* d = data();
  for (uint32_t i = 0; i < extent_; ++i)
    if (s[i] == '\0' || s[i] != d[i]) return false;
  return s[extent_] == '\0';
}

bool FLCSubString::operator==(const FLCString& s) const {
  return extent_ == s.length() && std::memcmp(data(), s.data(), extent_) == 0;
}

bool FLCSubString::operator==(const FLCSubString& s) const {
  return extent_ == s.extent_ && std::memcmp(data(), s.data(), extent_) == 0;
}
