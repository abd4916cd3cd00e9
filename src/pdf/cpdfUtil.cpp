// Document information, errors, time stamps, string utilities and number formatting.
#include "pdf/cpdfInternal.h"

#include "foundation/FixedText.h"
#include "foundation/TextCodes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

CpdfGlobalHook g_hook = nullptr;
int32_t g_serial = 0;

void printReport(const char* label, const char* format, va_list args) {
  if (label && *label) std::fprintf(stderr, "%s: ", label);
  std::vfprintf(stderr, format, args);
  std::fputs(".\n", stderr);
  std::fflush(stderr);
}

}  // namespace

// ---- errors ------------------------------------------------------------------------

CpdfErrorHandler cpdf_errorHandlerSet(CpdfDocument* doc, CpdfErrorHandler handler) {
  CpdfErrorHandler previous = doc->errorHandler;
  doc->errorHandler = handler;
  return previous;
}

CpdfGlobalHook cpdf_globalHookSet(CpdfGlobalHook hook) {
  CpdfGlobalHook previous = g_hook;
  g_hook = hook;
  return previous;
}

void cpdf_docError(CpdfDocument* doc, int level, const char* label, const char* format, ...) {
  // A failure of a negative level leaves the document unusable; the caller sees it in
  // the results of cpdf_finalizeAll and cpdf_savePDFmemoryStreamToFile.
  if (doc && level < 0) doc->failed = true;
  if (!doc || !doc->errorHandler) return;
  va_list args;
  va_start(args, format);
  doc->errorHandler(doc, level, label, format, args);
  va_end(args);
}

void cpdf_hookError(int level, const char* module, const char* format, ...) {
  if (!g_hook) return;
  va_list args;
  va_start(args, format);
  g_hook(level, module, format, args);
  va_end(args);
}

void cpdf_defaultErrorHandler(CpdfDocument*, int, const char* label, const char* format, va_list args) {
  printReport(label, format, args);
}

void cpdf_defaultGlobalHook(int, const char* module, const char* format, va_list args) {
  printReport(module, format, args);
}

bool cpdf_allocCheck(const void* pointer) {
  if (pointer) return true;
  cpdf_hookError(-2, "cpdf malloc", "Memory allocation failure");
  return false;
}

bool cpdf_failed(const CpdfDocument* doc) { return doc == nullptr || doc->failed; }

namespace cpdf_detail {

void failAllocation(CpdfDocument* doc) {
  cpdf_hookError(-2, "cpdf malloc", "Memory allocation failure");
  cpdf_docError(doc, -2, "cpdf malloc", "Memory allocation failure");
}

namespace {
int g_failCountdown = 0;
}

void injectAllocationFailure(int n) { g_failCountdown = n; }

bool allocationShouldFail() {
  if (g_failCountdown <= 0) return false;
  return --g_failCountdown == 0;
}

// ---- numbers -----------------------------------------------------------------------

Line& Line::text(const char* s) {
  if (s) s_ += s;
  return *this;
}

Line& Line::integer(long long v) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  s_.append(buf, r.ptr);
  return *this;
}

Line& Line::fixed(double v, int decimals) {
  if (!std::isfinite(v) || std::fabs(v) > 1e15) {
    ok_ = false;
    return *this;
  }
  char buf[64];
  auto r = PV::Text::fixedChars(buf, buf + sizeof buf, v, decimals);
  s_.append(buf, r.ptr);
  return *this;
}

Line& Line::general(double v) {
  if (!std::isfinite(v) || std::fabs(v) > 1e15) {
    ok_ = false;
    return *this;
  }
  // Six significant digits, as "%g", but never with an exponent: the decimals follow
  // from the decimal exponent of the value rounded to six digits (at most 15, so
  // smaller values read 0).
  char buf[64];
  int decimals = 0;
  if (v != 0) {
    auto e = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 5);
    const char* x = std::find(buf, e.ptr, 'e');
    int exponent = 0;
    std::from_chars(x + (x[1] == '+' ? 2 : 1), e.ptr, exponent);
    decimals = std::min(15, std::max(0, 5 - exponent));
  }
  auto r = PV::Text::fixedChars(buf, buf + sizeof buf, v, decimals);
  std::string t(buf, r.ptr);
  if (t.find('.') != std::string::npos) {
    while (!t.empty() && t.back() == '0') t.pop_back();
    if (!t.empty() && t.back() == '.') t.pop_back();
  }
  if (t == "-0") t = "0";
  s_ += t;
  return *this;
}

}  // namespace cpdf_detail

// ---- information -------------------------------------------------------------------

bool cpdf_quoteText(const char* text, std::string& out) {
  if (!text || !std::strpbrk(text, "()\\\r")) return false;
  out = cpdf_quoteBytes(text, static_cast<int32_t>(std::strlen(text)));
  return true;
}

std::string cpdf_quoteTextCopy(const char* text) {
  if (!text) return std::string();
  return cpdf_quoteBytes(text, static_cast<int32_t>(std::strlen(text)));
}

std::string cpdf_quoteBytes(const char* bytes, int32_t count) {
  std::string out;
  if (!bytes || count <= 0) return out;
  out.reserve(static_cast<size_t>(count) + 8);
  for (int32_t i = 0; i < count; ++i) {
    char c = bytes[i];
    if (c == '(' || c == ')' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

namespace {

// A text beyond ASCII as a PDF text string: UTF-16BE after the byte order mark,
// every byte outside printable ASCII (and the string's own delimiters) as an octal
// escape, so the literal string stays seven-bit. Whole characters are kept while the
// escaped form fits capacity - 1 bytes; bytes that are not UTF-8 become U+FFFD.
std::string utf16InfoText(const std::string& text, int32_t capacity) {
  auto escapeByte = [](std::string& out, unsigned char b) {
    if (b >= 0x20 && b < 0x7F && b != '(' && b != ')' && b != '\\') {
      out += static_cast<char>(b);
    } else {
      char octal[5];
      std::snprintf(octal, sizeof octal, "\\%03o", b);
      out += octal;
    }
  };
  std::string out;
  escapeByte(out, 0xFE);
  escapeByte(out, 0xFF);
  for (std::size_t i = 0; i < text.size();) {
    std::size_t used = 1;
    const uint32_t cp = PV::Text::decodeUtf8At(text, i, used);
    std::string unit;
    auto put16 = [&](uint32_t u) {
      escapeByte(unit, static_cast<unsigned char>(u >> 8));
      escapeByte(unit, static_cast<unsigned char>(u & 0xFF));
    };
    if (cp >= 0x10000) {
      put16(0xD800 + ((cp - 0x10000) >> 10));
      put16(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      put16(cp);
    }
    if (static_cast<int32_t>(out.size() + unit.size()) >= capacity) break;
    out += unit;
    i += used;
  }
  return out;
}

}  // namespace

void cpdf_infoFieldStore(std::string& field, const char* text, int32_t capacity) {
  PV_ASSERT(text != nullptr);
  PV_ASSERT(capacity > 0);
  // Readers take a string without a byte order mark as PDFDocEncoding, in which the
  // bytes of a UTF-8 name read as other letters ("\xC3\xA4" as two); such a text
  // goes as UTF-16 instead.
  const std::string plain(text);
  if (std::any_of(plain.begin(), plain.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
    field = utf16InfoText(plain, capacity);
    return;
  }
  std::string escaped = cpdf_quoteTextCopy(text);
  if (static_cast<int32_t>(escaped.size()) < capacity) {
    field = escaped;
    return;
  }
  escaped.resize(static_cast<size_t>(capacity - 1));
  // A cut inside an escape would leave a lone backslash that swallows the closing ")".
  while (!escaped.empty() && escaped.back() == '\\') escaped.pop_back();
  field = escaped;
}

void cpdf_infoCreator(CpdfDocument* doc, const char* text) { cpdf_infoFieldStore(doc->creator, text, 256); }
void cpdf_infoTitle(CpdfDocument* doc, const char* text) { cpdf_infoFieldStore(doc->title, text, 1280); }
void cpdf_infoAuthor(CpdfDocument* doc, const char* text) { cpdf_infoFieldStore(doc->author, text, 256); }
void cpdf_infoSubject(CpdfDocument* doc, const char* text) { cpdf_infoFieldStore(doc->subject, text, 256); }
void cpdf_infoKeywords(CpdfDocument* doc, const char* text) { cpdf_infoFieldStore(doc->keywords, text, 256); }
void cpdf_infoProducer(CpdfDocument* doc, const char* s1, const char* s2, const char* s3, const char* s4) {
  const char* parts[4] = {s1, s2, s3, s4};
  for (int i = 0; i < 4; ++i) cpdf_infoFieldStore(doc->producer[i], parts[i] ? parts[i] : "", 256);
}

void cpdf_creationTimeSet(CpdfDocument* doc, const struct tm* time) {
  doc->haveCreationTime = time != nullptr;
  if (time) doc->creationTime = *time;
}

// ---- time --------------------------------------------------------------------------

namespace {

bool localNow(struct tm& out) {
  std::time_t now = std::time(nullptr);
#ifdef _WIN32
  return localtime_s(&out, &now) == 0;
#else
  return localtime_r(&now, &out) != nullptr;
#endif
}

void append2(std::string& s, long long v, int width) {
  cpdf_detail::Line l;
  l.integer(v);
  std::string t = l.str();
  bool neg = !t.empty() && t[0] == '-';
  if (neg) t.erase(0, 1);
  while (static_cast<int>(t.size()) < width - (neg ? 1 : 0)) t.insert(0, "0");
  if (neg) t.insert(0, "-");
  s += t;
}

// Days from 1970-01-01 of a proleptic Gregorian date.
long long daysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y += m <= 2;
}

long long floorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

std::string cpdf_timeStampTextOf(int withSeparators, const struct tm& t) {
  std::string s;
  append2(s, t.tm_year + 1900LL, 4);
  if (withSeparators) s += '-';
  append2(s, t.tm_mon + 1LL, 2);
  if (withSeparators) s += '-';
  append2(s, t.tm_mday, 2);
  if (withSeparators) s += ' ';
  append2(s, t.tm_hour, 2);
  if (withSeparators) s += ':';
  append2(s, t.tm_min, 2);
  if (withSeparators) s += ':';
  append2(s, t.tm_sec, 2);
  return s;
}

std::string cpdf_timeStampText(int withSeparators) {
  struct tm now {};
  localNow(now);
  return cpdf_timeStampTextOf(withSeparators, now);
}

void cpdf_timeText(const struct tm* time) {
  std::string s = cpdf_timeStampTextOf(1, *time) + "\n";
  std::fputs(s.c_str(), stdout);
}

// Normalises the fields arithmetically (no time zone or daylight saving involved).
void cpdf_normalizeTime(struct tm* t) {
  long long total = static_cast<long long>(t->tm_hour) * 3600 + t->tm_min * 60LL + t->tm_sec;
  long long dayCarry = floorDiv(total, 86400);
  total -= dayCarry * 86400;
  long long months = static_cast<long long>(t->tm_year) * 12 + t->tm_mon;
  long long year = floorDiv(months, 12);
  unsigned mon = static_cast<unsigned>(months - year * 12);
  long long days = daysFromCivil(year + 1900, mon + 1, 1) + (t->tm_mday - 1LL) + dayCarry;
  long long y;
  unsigned m, d;
  civilFromDays(days, y, m, d);
  t->tm_year = static_cast<int>(y - 1900);
  t->tm_mon = static_cast<int>(m - 1);
  t->tm_mday = static_cast<int>(d);
  t->tm_hour = static_cast<int>(total / 3600);
  t->tm_min = static_cast<int>((total / 60) % 60);
  t->tm_sec = static_cast<int>(total % 60);
  t->tm_yday = static_cast<int>(days - daysFromCivil(y, 1, 1));
  t->tm_wday = static_cast<int>(((days % 7) + 11) % 7);
}

int cpdf_leapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

float cpdf_dayCount(const struct tm* t1, const struct tm* t2) {
  struct tm a = *t1, b = *t2;
  cpdf_normalizeTime(&a);
  cpdf_normalizeTime(&b);
  auto fraction = [](const struct tm& t) {
    return t.tm_hour / 24.0 + t.tm_min / 1440.0 + t.tm_sec / 86400.0 + t.tm_yday;
  };
  // Whole years between the two first days of January, counted by the calendar.
  const double sum =
      static_cast<double>(daysFromCivil(b.tm_year + 1900LL, 1, 1) - daysFromCivil(a.tm_year + 1900LL, 1, 1));
  return static_cast<float>(sum + fraction(b) - fraction(a));
}

int32_t cpdf_serialNext(int32_t* id) {
  if (*id > 0) return *id;
  if (g_serial < 0 || g_serial >= 2147483646) g_serial = 0;
  *id = ++g_serial;
  return *id;
}

// ---- hexadecimal and small helpers ---------------------------------------------------

int cpdf_hexDigitValue(char c) {
  const int value = PV::Text::hexDigitValue(c);
  return value < 0 ? 255 : value;
}

std::string cpdf_bytesFromHex(const char* text) {
  std::string out;
  int high = -1;
  for (const char* p = text; p && *p; ++p) {
    int v = cpdf_hexDigitValue(*p);
    if (v == 255) continue;
    if (high < 0) {
      high = v;
    } else {
      out += static_cast<char>(high * 16 + v);
      high = -1;
    }
  }
  return out;
}

std::string cpdf_hexFromBytes(const uint8_t* bytes, int32_t count, int markFlag) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  if (markFlag && count >= 2) {
    unsigned word = (static_cast<unsigned>(bytes[0]) << 8) | bytes[1];
    if (word != 0xFEFF && word != 0xFFFE) out += "FEFF";
  }
  for (int32_t i = 0; i < count; ++i) {
    out += digits[bytes[i] >> 4];
    out += digits[bytes[i] & 15];
  }
  return out;
}

void cpdf_putNumberText(std::string& text, int n) {
  cpdf_detail::Line l;
  l.integer(n);
  text += l.str();
  if (text.size() > 250) text.resize(250);
}

std::string cpdf_slashesToBackslashes(const char* in) {
  std::string out = in ? in : "";
  for (char& c : out)
    if (c == '/') c = '\\';
  return out;
}

float cpdf_exponentSplit(float value, int* exponent) {
  *exponent = 0;
  if (value == 0.0f || !std::isfinite(value)) return value == 0.0f ? 0.0f : value;
  float m = std::fabs(value);
  while (m >= 10.0f) {
    m *= 0.1f;
    ++*exponent;
  }
  while (m < 1.0f) {
    m *= 10.0f;
    --*exponent;
  }
  return value < 0 ? -m : m;
}

float cpdf_storeIfPositive(float* target, float value) {
  if (value >= 1.0f) *target = value;
  return *target;
}

void cpdf_matrixProduct(float m[6], const float n[6]) {
  float r[6];
  r[0] = n[0] * m[0] + n[1] * m[2];
  r[1] = n[0] * m[1] + n[1] * m[3];
  r[2] = n[2] * m[0] + n[3] * m[2];
  r[3] = n[2] * m[1] + n[3] * m[3];
  r[4] = n[4] * m[0] + n[5] * m[2] + m[4];
  r[5] = n[4] * m[1] + n[5] * m[3] + m[5];
  for (int i = 0; i < 6; ++i) m[i] = r[i];
}
