// Readers of Type 1 font files (PFB) and their Windows metrics (PFM). Every length and
// offset read from a file is checked against the file's size before it is used.
#include "pdf/cpdfInternal.h"
#include "foundation/FileNames.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace cpdf_detail {

bool readWholeFile(const char* path, std::string& out) {
  FILE* f = path ? PV::Files::open(path, "rb") : nullptr;
  if (!f) return false;
  out.clear();
  char buf[65536];
  size_t n;
  bool ok = true;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
    if (out.size() + n > (static_cast<size_t>(1) << 30)) {  // far beyond any font or photo
      ok = false;
      break;
    }
    out.append(buf, n);
  }
  if (std::ferror(f)) ok = false;
  std::fclose(f);
  return ok;
}

namespace {

uint32_t le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
int le16(const uint8_t* p) { return p[0] | (p[1] << 8); }
int le16s(const uint8_t* p) { return static_cast<int16_t>(le16(p)); }

}  // namespace

int readPfbBytes(const uint8_t* data, size_t size, const char* path, FontFile& out) {
  static const int expectedType[3] = {1, 2, 1};
  size_t pos = 0;
  std::string sections;
  int32_t lengths[3] = {0, 0, 0};
  auto sectionError = [path](int s, uint32_t length) {
    if (s == 0)
      cpdf_hookError(1, "cpdf", "ReadPFB - ASCII section-1 read error: %s", path);
    else if (s == 1)
      cpdf_hookError(1, "cpdf", "ReadPFB - BINARY section-2 read error: %s", path);
    else
      cpdf_hookError(1, "cpdf", "ReadPFB - ASCII section-3 read error: %s, %d", path,
                     static_cast<int>(length & 0x7FFFFFFF));
    return 4 + s;
  };
  for (int s = 0; s < 3; ++s) {
    if (size - pos < 6) return sectionError(s, 0);
    if (data[pos] != 128) {
      cpdf_hookError(1, "cpdf", "ReadPFB - Bad magic number: %d (128 expected) in section %d of file %s", data[pos],
                     s + 1, path);
      return 2;
    }
    if (data[pos + 1] != expectedType[s]) {
      cpdf_hookError(1, "cpdf", "ReadPFB - Unexpected type: %d (%d expected) in section %d of file %s", data[pos + 1],
                     expectedType[s], s + 1, path);
      return 3;
    }
    uint32_t length = le32(data + pos + 2);
    pos += 6;
    if (length > size - pos || length > 0x7FFFFFF0u) return sectionError(s, length);
    std::string part(reinterpret_cast<const char*>(data + pos), length);
    if (expectedType[s] == 1)
      for (char& c : part)
        if (c == '\r') c = '\n';
    sections += part;
    lengths[s] = static_cast<int32_t>(length);
    pos += length;
  }
  out.data.swap(sections);
  out.length1 = lengths[0];
  out.length2 = lengths[1];
  out.length3 = lengths[2];
  return 0;
}

int readPfmBytes(const uint8_t* data, size_t size, const char* path, CpdfExternalFont& out) {
  auto invalid = [&]() {
    cpdf_hookError(1, "cpdf", "ReadPFM - Not a valid Type1 PFM file:  %s", path);
    return 2;
  };
  if (size < 147) return invalid();
  int version = le16(data);
  uint32_t device = le32(data + 101);
  uint32_t extMetrics = le32(data + 119);
  uint32_t extentTable = le32(data + 123);
  uint32_t driverInfo = le32(data + 139);
  if (version != 0x100 || device >= size || size - device < 10 || std::memcmp(data + device, "PostScript", 10) != 0)
    return invalid();
  if (extMetrics >= size || size - extMetrics < 2 + 12 + 22 || driverInfo >= size) return invalid();
  int first = data[95], last = data[96];
  if (last < first) return invalid();
  size_t widthCount = static_cast<size_t>(last - first + 1);
  if (extentTable >= size || (size - extentTable) / 2 < widthCount) return invalid();

  const uint8_t* etm = data + extMetrics + 2 + 12;
  int capHeight = le16s(etm + 0), xHeight = le16s(etm + 2), lowerDescent = le16s(etm + 6);
  int slant = le16s(etm + 8);
  int ascent = le16s(data + 74);
  int maxWidth = le16s(data + 93);
  bool italic = data[80] != 0;

  std::string fontName;
  for (size_t i = driverInfo; i < size && data[i] && fontName.size() < 64; ++i) fontName += static_cast<char>(data[i]);
  if (fontName.empty()) return invalid();
  for (char c : fontName)
    if (c <= ' ' || c == '/' || c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' ||
        c == '}' || c == '%' || static_cast<unsigned char>(c) > 126)
      return invalid();  // not a name the PDF syntax can carry

  auto d = std::make_shared<CpdfFontDescriptor>();
  d->fontName = fontName;
  d->flags = 6;
  d->ascent = ascent;
  d->capHeight = capHeight;
  d->descent = -std::abs(lowerDescent);
  d->italicAngle = slant * 0.1;
  d->stemV = 80;
  d->xHeight = xHeight;
  out.widths.assign(268, 0);
  bool varying = false;
  for (size_t i = 0; i < widthCount; ++i) {
    int w = le16(data + extentTable + 2 * i);
    out.widths[static_cast<size_t>(first) + i] = static_cast<uint16_t>(w);
    if (i > 0 && w != le16(data + extentTable)) varying = true;
  }
  d->fontBBox[0] = (italic && varying) ? -100 : -20;
  d->fontBBox[1] = -(std::abs(lowerDescent) + 5);
  d->fontBBox[2] = maxWidth + 10;
  d->fontBBox[3] = ascent + 5;
  out.firstChar = first;
  out.lastChar = last;
  out.descriptor = d;
  return 0;
}

}  // namespace cpdf_detail
