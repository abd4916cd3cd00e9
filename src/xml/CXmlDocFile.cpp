// CXmlDoc: file text with byte-order marks, UTF-8/UTF-16 conversion and base64.
#include <cerrno>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "xml/CXmlDoc.h"
#include "foundation/FileNames.h"
#include "foundation/TextCodes.h"
#include "xml/XmlText.h"

using namespace PV::XML::Text;

namespace {

constexpr size_t MAX_FILE_TEXT = 0x7FFFFF00u;

// The run-time library's message for the current error, cut at its first line end.
std::string SystemMessage() {
  std::string m = std::strerror(errno);
  const size_t cut = m.find_first_of("\r\n");
  if (cut != std::string::npos) m.erase(cut);
  return m;
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

const char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

std::string CXmlDoc::Utf16ToUtf8(const char16_t* units, size_t count) {
  std::string out;
  if (!units) return out;
  out.reserve(count);
  for (size_t i = 0; i < count && units[i] != 0; ++i) {
    uint32_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
      u = 0x10000 + ((u & 0x3FF) << 10) + (units[i + 1] & 0x3FFu);
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      u = 0xFFFD;  // a surrogate without its partner
    }
    PV::Text::appendUtf8(out, u);
  }
  return out;
}

std::u16string CXmlDoc::Utf8ToUtf16(const char* bytes, size_t count) {
  std::u16string out;
  if (!bytes) return out;
  const unsigned char* s = reinterpret_cast<const unsigned char*>(bytes);
  size_t i = 0;
  while (i < count && s[i] != 0) {
    const unsigned char b = s[i];
    if (b < 0x80) {
      out += static_cast<char16_t>(b);
      ++i;
      continue;
    }
    int extra = 0;
    uint32_t cp = 0, min = 0;
    if (b >= 0xC2 && b <= 0xDF) {
      extra = 1, cp = b & 0x1F, min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
      extra = 2, cp = b & 0x0F, min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3, cp = b & 0x07, min = 0x10000;
    } else {
      out += u'?';
      ++i;
      continue;
    }
    size_t j = i + 1;
    int got = 0;
    while (got < extra && j < count && (s[j] & 0xC0) == 0x80) {
      cp = (cp << 6) | (s[j] & 0x3F);
      ++j;
      ++got;
    }
    // A short sequence gives '?' and scanning resumes at the byte that ended it.
    if (got < extra || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out += u'?';
      i = j;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
    i = j;
  }
  return out;
}

bool CXmlDoc::LoadFileText(const char* path, std::string& text, std::string& result, uint32_t& flags) {
  FilePtr f(path ? PV::Files::open(path, "rb") : nullptr);
  if (!f) {
    result = SystemMessage();
    return false;
  }
  text.clear();
  std::string bytes;
  std::vector<char> buf(65536);
  size_t got;
  while ((got = std::fread(buf.data(), 1, buf.size(), f.get())) > 0) {
    if (bytes.size() + got > MAX_FILE_TEXT) {
      result = "File too large";
      return false;
    }
    bytes.append(buf.data(), got);
  }
  if (std::ferror(f.get())) {
    result = SystemMessage();
    return false;
  }
  const unsigned char b0 = bytes.size() >= 2 ? static_cast<unsigned char>(bytes[0]) : 0;
  const unsigned char b1 = bytes.size() >= 2 ? static_cast<unsigned char>(bytes[1]) : 0;
  if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) {
    // Either byte order, told by the mark; the file is written back in the same one.
    const bool big = b0 == 0xFE;
    flags &= ~static_cast<uint32_t>(DOC_UTF16LE_BOM | DOC_UTF16BE_BOM | DOC_UTF8_BOM);
    flags |= big ? DOC_UTF16BE_BOM : DOC_UTF16LE_BOM;
    const size_t units = (bytes.size() - 2) / 2;
    const size_t lo = big ? 3 : 2, hi = big ? 2 : 3;
    std::u16string wide(units, u'\0');
    for (size_t k = 0; k < units; ++k)
      wide[k] = static_cast<char16_t>(static_cast<unsigned char>(bytes[lo + 2 * k]) |
                                      (static_cast<unsigned char>(bytes[hi + 2 * k]) << 8));
    text = Utf16ToUtf8(wide.data(), wide.size());
    result = Format("%s%d wide chars to %d bytes", big ? "UTF-16BE BOM + " : "UTF-16LE BOM + ", static_cast<int>(units),
                    static_cast<int>(text.size()));
  } else if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
             static_cast<unsigned char>(bytes[1]) == 0xBB && static_cast<unsigned char>(bytes[2]) == 0xBF) {
    flags &= ~static_cast<uint32_t>(DOC_UTF16LE_BOM | DOC_UTF16BE_BOM);
    flags |= DOC_UTF8_BOM;
    text = bytes.substr(3);
    result = Format("%s%d bytes", "UTF-8 BOM + ", static_cast<int>(text.size()));
  } else {
    flags &= ~static_cast<uint32_t>(DOC_UTF16LE_BOM | DOC_UTF16BE_BOM | DOC_UTF8_BOM);
    text.swap(bytes);
    result = Format("%s%d bytes", "", static_cast<int>(text.size()));
  }
  return true;
}

bool CXmlDoc::SaveFileText(const char* path, const std::string& text, std::string& result, uint32_t flags) {
  FilePtr f(path ? PV::Files::open(path, "wb") : nullptr);
  if (!f) {
    result = SystemMessage();
    return false;
  }
  if (flags & (DOC_UTF16LE_BOM | DOC_UTF16BE_BOM)) {
    const bool big = !(flags & DOC_UTF16LE_BOM);
    const std::u16string wide = Utf8ToUtf16(text.data(), text.size());
    std::string bytes = big ? "\xFE\xFF" : "\xFF\xFE";
    bytes.reserve(2 + 2 * wide.size());
    for (char16_t u : wide) {
      const char low = static_cast<char>(u & 0xFF), high = static_cast<char>(u >> 8);
      bytes += big ? high : low;
      bytes += big ? low : high;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size() || std::fclose(f.release()) != 0) {
      result = SystemMessage();
      return false;
    }
    result = Format("%d bytes to %s%d wide chars", static_cast<int>(text.size()),
                    big ? "UTF-16BE BOM + " : "UTF-16LE BOM + ", static_cast<int>(wide.size()));
    return true;
  }
  const char* prefix = "";
  if ((flags & DOC_UTF8_BOM) && std::fwrite("\xEF\xBB\xBF", 1, 3, f.get()) == 3) prefix = "UTF-8 BOM + ";
  // A failed flush at closing is a failed write too.
  if (std::fwrite(text.data(), 1, text.size(), f.get()) != text.size() || std::fclose(f.release()) != 0) {
    result = SystemMessage();
    return false;
  }
  result = Format("%s%d bytes", prefix, static_cast<int>(text.size()));
  return true;
}

bool CXmlDoc::LoadFile(const char* path) {
  std::string text, result;
  uint32_t flags = docFlags_;
  if (!LoadFileText(path, text, result, flags)) {
    error_ = result;
    return false;
  }
  doc_.swap(text);
  docFlags_ = flags;
  error_ = result;
  return DoParseDocument();
}

bool CXmlDoc::SaveFile(const char* path) { return SaveFileText(path, doc_, error_, docFlags_); }

std::string CXmlDoc::EncodeBase64(const unsigned char* bytes, size_t count) {
  std::string out = "\r\n";
  if (!bytes) return out;
  out.reserve(2 + (count + 2) / 3 * 4 * 66 / 64 + 4);
  size_t line = 0;
  for (size_t i = 0; i < count; i += 3) {
    const size_t n = std::min<size_t>(3, count - i);
    const uint32_t v = (static_cast<uint32_t>(bytes[i]) << 16) |
                       (n > 1 ? static_cast<uint32_t>(bytes[i + 1]) << 8 : 0) |
                       (n > 2 ? static_cast<uint32_t>(bytes[i + 2]) : 0);
    out += kBase64[(v >> 18) & 63];
    out += kBase64[(v >> 12) & 63];
    out += n > 1 ? kBase64[(v >> 6) & 63] : '=';
    out += n > 2 ? kBase64[v & 63] : '=';
    line += 4;
    if (line == 64) {
      out += "\r\n";
      line = 0;
    } else if (n < 3) {
      out += "\r\n";
    }
  }
  return out;
}

size_t CXmlDoc::DecodeBase64(const std::string& text, unsigned char* buffer, size_t size) {
  if (size == 0) return text.size() / 4 * 3 + 3;
  if (!buffer) return 0;
  size_t written = 0;
  uint32_t group = 0;
  int inGroup = 0, fills = 0;
  for (char ch : text) {
    if (ch == '\r' || ch == '\n') continue;
    int v = 0;
    if (ch == '=') {
      ++fills;
    } else {
      const char* p = std::strchr(kBase64, ch);
      v = (p && ch) ? static_cast<int>(p - kBase64) : 0;
    }
    group = (group << 6) | static_cast<uint32_t>(v);
    if (++inGroup == 4) {
      const size_t n = fills >= 3 ? 0 : static_cast<size_t>(3 - fills);
      if (written + n > size) return 0;
      if (n > 0) buffer[written] = static_cast<unsigned char>(group >> 16);
      if (n > 1) buffer[written + 1] = static_cast<unsigned char>(group >> 8);
      if (n > 2) buffer[written + 2] = static_cast<unsigned char>(group);
      written += n;
      group = 0;
      inGroup = 0;
    }
  }
  return written;
}
