// Fonts: selection, string widths, external Type 1 fonts and the font objects.
#include "pdf/cpdfFontTables.h"
#include "pdf/cpdfInternal.h"

#include <cstdio>
#include <cstring>

using cpdf_detail::beginObject;
using cpdf_detail::Line;
using cpdf_detail::newObject;
using cpdf_detail::out;
namespace tables = cpdf_tables;

namespace {

#ifdef _WIN32
constexpr char kSep = '\\';
#else
constexpr char kSep = '/';
#endif

int encodingIndexOf(const char* encoding) {
  if (!encoding) return 3;
  if (std::strcmp(encoding, "MacRomanEncoding") == 0) return 1;
  if (std::strcmp(encoding, "MacExpertEncoding") == 0) return 2;
  if (std::strcmp(encoding, "StandardEncoding") == 0) return 3;
  return 0;  // WinAnsiEncoding, and the CMap names of the CJK fonts
}

int builtinNumber(const char* name) {
  for (int i = 0; i < tables::kFirstCjkFont; ++i)
    if (std::strcmp(name, tables::kBuiltinFonts[i].name) == 0) return i;
  for (int i = tables::kFirstCjkFont; i < tables::kBuiltinFontCount; ++i) {
    const char* n = tables::kBuiltinFonts[i].name;
    if (std::strncmp(name, n, std::strlen(n)) == 0) return i;
  }
  return -1;
}

int kindOf(int number) {
  if (number < 14) return 0;
  if (number < tables::kFirstCjkFont) return 1;
  if (number < tables::kBuiltinFontCount) return 3;
  return 2;
}

bool remapped(const CpdfFont& f) {
  return f.kind <= 1 && f.fontNumber != 12 && f.fontNumber != 13 && f.encodingIndex >= 1 && f.encodingIndex <= 3;
}

int widthOf(const CpdfFont& f, unsigned char code) {
  if (!f.widths) return 0;
  if (remapped(f)) return f.widths[tables::kEncodingRemap[f.encodingIndex][code]];
  if (f.kind == 2) return code >= 32 ? f.widths[code] : 0;
  return f.widths[code];
}

std::shared_ptr<CpdfFontDescriptor> builtinDescriptor(int number) {
  const tables::BuiltinFont& b = tables::kBuiltinFonts[number];
  auto d = std::make_shared<CpdfFontDescriptor>();
  d->ascent = b.ascent;
  d->capHeight = b.capHeight;
  d->descent = b.descent;
  d->flags = b.flags;
  for (int i = 0; i < 4; ++i) d->fontBBox[i] = b.fontBBox[i];
  d->fontName = b.name;
  d->italicAngle = b.italicAngle;
  d->stemV = b.stemV;
  d->stemH = b.stemH;
  d->xHeight = b.xHeight;
  d->missingWidth = b.missingWidth;
  d->leading = b.leading;
  d->maxWidth = b.maxWidth;
  d->avgWidth = b.avgWidth;
  if (b.style) d->style = b.style;
  return d;
}

// Font map: "name (pfm path) (pfb path)" lines. 0 found, 1 no file, 2 syntax error,
// -1 name not listed.
int fontMapLookup(const std::string& mapFile, const std::string& name, std::string& pfm, std::string& pfb) {
  std::string text;
  if (!cpdf_detail::readWholeFile(mapFile.c_str(), text)) return 1;
  std::string pfmDir, pfbDir;
  std::vector<std::string> absPrefixes;
  auto parens = [](const std::string& line, size_t& pos, std::string& outText) {
    size_t open = line.find('(', pos);
    if (open == std::string::npos) return false;
    size_t close = line.find(')', open + 1);
    if (close == std::string::npos) return false;
    outText = line.substr(open + 1, close - open - 1);
    pos = close + 1;
    return true;
  };
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() < 3 || line[0] == '#' || line[0] == '%') continue;
    size_t pos = 0;
    if (line.compare(0, 17, "$Font_Directories") == 0) {
      pos = 17;
      if (!parens(line, pos, pfmDir) || !parens(line, pos, pfbDir)) return 2;
      continue;
    }
    if (line.compare(0, 16, "$Abs_Path_Prefix") == 0) {
      pos = 16;
      std::string prefix;
      while (absPrefixes.size() < 10 && parens(line, pos, prefix))
        if (!prefix.empty() && prefix.size() <= 7) absPrefixes.push_back(prefix);
      continue;
    }
    size_t nameEnd = line.find_first_of(" \t(");
    std::string fontName = line.substr(0, nameEnd);
    pos = nameEnd == std::string::npos ? line.size() : nameEnd;
    std::string a, b;
    if (!parens(line, pos, a) || !parens(line, pos, b)) return 2;
    if (fontName != name) continue;
    auto resolve = [&](const std::string& path, const std::string& dir) {
      for (const std::string& p : absPrefixes)
        if (path.compare(0, p.size(), p) == 0) return path;
      return dir.empty() ? path : dir + kSep + path;
    };
    pfm = resolve(a, pfmDir);
    pfb = resolve(b, pfbDir);
    return 0;
  }
  return -1;
}

bool loadPfm(const std::string& path, CpdfExternalFont& font) {
  std::string bytes;
  if (!cpdf_detail::readWholeFile(path.c_str(), bytes)) return false;
  return cpdf_detail::readPfmBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), path.c_str(), font) ==
         0;
}

int loadPfb(const std::string& path, FontFile& file) {
  std::string bytes;
  if (!cpdf_detail::readWholeFile(path.c_str(), bytes)) {
    cpdf_hookError(1, "cpdf", "ReadPFB - Unable to open PFB file: %s", path.c_str());
    return 1;
  }
  return cpdf_detail::readPfbBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), path.c_str(), file);
}

// Finds the PFM and PFB of a font that is not built in; -1 when it cannot be loaded.
int loadExternalFont(CpdfDocument* doc, const char* name) {
  static const char* label = "_pdf_loadExternalFont()";
  auto font = std::make_unique<CpdfExternalFont>();
  font->name = name;
  std::string pfmPath = std::string(name) + ".pfm";
  std::string pfbPath = std::string(name) + ".pfb";
  bool havePfm = loadPfm(pfmPath, *font);
  if (!havePfm) {
    pfmPath = doc->pfmFolder + kSep + name + ".pfm";
    pfbPath = doc->pfbFolder + kSep + name + ".pfb";
    havePfm = loadPfm(pfmPath, *font);
  }
  if (!havePfm) {
    int rc = fontMapLookup(doc->fontMapFile, name, pfmPath, pfbPath);
    if (rc == -1) {
      cpdf_docError(doc, 1, label, "Font not found: %s", name);
      return -1;
    }
    if (rc == 1) {
      cpdf_docError(doc, 1, label, "Fontmap file not found: %s", doc->fontMapFile.c_str());
      return -1;
    }
    if (rc == 2) {
      cpdf_docError(doc, 1, label, "Syntax error in fontmap file: %s", doc->fontMapFile.c_str());
      return -1;
    }
    if (!loadPfm(pfmPath, *font)) {
      cpdf_docError(doc, 1, label, "Fontmap file %s or PFM file %s for %s is invalid.", doc->fontMapFile.c_str(),
                    pfmPath.c_str(), name);
      return -1;
    }
  }
  font->fontFile = std::make_unique<FontFile>();
  if (loadPfb(pfbPath, *font->fontFile) != 0) return -1;
  font->descriptor->fontFile = font->fontFile.get();
  doc->externalFonts.push_back(std::move(font));
  return tables::kBuiltinFontCount + static_cast<int>(doc->externalFonts.size()) - 1;
}

const CpdfFont* currentFont(const CpdfDocument* doc) {
  if (doc->currentFont < 0 || doc->currentFont >= static_cast<int>(doc->fonts.size())) return nullptr;
  return &doc->fonts[static_cast<size_t>(doc->currentFont)];
}

float metricOf(CpdfDocument* doc, int which) {
  const CpdfFont* f = currentFont(doc);
  if (!f) return 0;
  int v = 0;
  if (f->descriptor) {
    v = which == 0 ? f->descriptor->capHeight : which == 1 ? f->descriptor->ascent : f->descriptor->descent;
  } else {
    const tables::BuiltinFont& b = tables::kBuiltinFonts[f->fontNumber];
    v = which == 0 ? b.capHeight : which == 1 ? b.ascent : b.descent;
  }
  return static_cast<float>(v) * 0.001f;
}

}  // namespace

namespace cpdf_detail {
float fontCapHeight(CpdfDocument* doc) { return metricOf(doc, 0); }
}  // namespace cpdf_detail

float cpdf_fontCapHeightOf(CpdfDocument* doc) { return metricOf(doc, 0) * doc->fontSize; }
float cpdf_fontAscentOf(CpdfDocument* doc) { return metricOf(doc, 1) * doc->fontSize; }
float cpdf_fontDescentOf(CpdfDocument* doc) { return metricOf(doc, 2) * doc->fontSize; }

void cpdf_fontMapFileSet(CpdfDocument* doc, const char* name) {
  doc->fontMapFile = name ? name : "";
  if (doc->fontMapFile.size() > 1023) doc->fontMapFile.resize(1023);
}

void cpdf_fontFoldersSet(CpdfDocument* doc, const char* pfmFolder, const char* pfbFolder) {
  doc->pfmFolder = pfmFolder ? pfmFolder : "";
  doc->pfbFolder = pfbFolder ? pfbFolder : "";
  if (doc->pfmFolder.size() > 1020) doc->pfmFolder.resize(1020);
  if (doc->pfbFolder.size() > 1020) doc->pfbFolder.resize(1020);
}

int cpdf_setFont(CpdfDocument* doc, const char* name, const char* encoding, float size) {
  static const char* label = "pdf_setFont()";
  if (!name) name = "Times-Roman";
  // The encoding is written as a name into the font dictionary.
  if (encoding && !cpdf_detail::pdfSyntaxValid(encoding, cpdf_detail::PdfSyntax::EncodingName)) {
    cpdf_docError(doc, 1, label, "Malformed encoding name refused: %s", encoding);
    return 1;
  }
  if (!cpdf_detail::usable(size)) {
    cpdf_docError(doc, 1, label, "Number is not finite: operator refused");
    return 1;
  }
  try {
    int number = builtinNumber(name);
    std::string asked = name;
    if (number < 0) {
      for (size_t i = 0; i < doc->externalFonts.size(); ++i)
        if (doc->externalFonts[i]->name == name) number = tables::kBuiltinFontCount + static_cast<int>(i);
    }
    if (number < 0) number = loadExternalFont(doc, name);
    if (number < 0) {
      cpdf_docError(doc, 1, label, "Font not found: %s >> substituting Times-Roman.", name);
      asked = "Times-Roman";
      number = 4;
    }
    int index = -1;
    for (size_t i = 0; i < doc->fonts.size(); ++i) {
      const CpdfFont& f = doc->fonts[i];
      bool sameEncoding = encoding ? (f.hasEncoding && f.encoding == encoding) : !f.hasEncoding;
      if (f.nameAsked == asked && sameEncoding) index = static_cast<int>(i);
    }
    if (index < 0) {
      if (static_cast<int>(doc->fonts.size()) >= doc->limits.fonts) {
        cpdf_docError(doc, 1, label, "Too many fonts in this PDF: %d. Increase limit by pdf_open()", doc->limits.fonts);
        return 1;
      }
      CpdfFont f;
      f.fontNumber = number;
      f.kind = kindOf(number);
      f.nameAsked = asked;
      f.hasEncoding = encoding != nullptr;
      if (encoding) f.encoding = encoding;
      f.encodingIndex = encodingIndexOf(encoding);
      Line r;
      r.text("Fcpdf").integer(static_cast<long long>(doc->fonts.size()));
      f.resourceName = r.str();
      if (f.kind == 2) {
        CpdfExternalFont& ext = *doc->externalFonts[static_cast<size_t>(number - tables::kBuiltinFontCount)];
        f.baseFont = ext.descriptor->fontName;
        f.descriptor = ext.descriptor;
        f.widths = ext.widths.data();
        f.firstChar = 32;
        f.lastChar = 255;
      } else {
        f.baseFont = tables::kBuiltinFonts[number].name;
        f.widths = tables::kBuiltinFonts[number].widths;
        if (f.kind == 1 || f.kind == 3) f.descriptor = builtinDescriptor(number);
        if (f.kind == 3) {
          cpdf_versionAtLeast(doc, 1, 2);
          // A Type 0 font needs a CMap: without one the document would be invalid.
          if (!f.hasEncoding) {
            f.hasEncoding = true;
            f.encoding = "Identity-H";
          }
        }
      }
      doc->fonts.push_back(std::move(f));
      index = static_cast<int>(doc->fonts.size()) - 1;
    }
    doc->currentFont = index;
    doc->fontSize = size;
    if (doc->currentContent && doc->currentPage >= 1 && doc->currentPage < static_cast<int>(doc->pages.size()))
      cpdf_detail::pageUse(doc->pages[doc->currentPage].fonts, index);
    Line l;
    l.text("/").text(doc->fonts[static_cast<size_t>(index)].resourceName).text(" ");
    l.fixed(size, 3).text(" Tf\n");
    cpdf_detail::contentLine(doc, l, label);
  } catch (const std::bad_alloc&) {
    cpdf_detail::failAllocation(doc);
    return 1;
  }
  return 0;
}

float cpdf_stringWidth(CpdfDocument* doc, const char* text) {
  const CpdfFont* f = currentFont(doc);
  if (!f || !text) return 0;
  float size = doc->fontSize;
  float sum = 0;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  if (f->kind == 3) {
    for (; *p; ++p) {
      if (*p > 127 && p[1]) {
        sum += size + doc->charSpacing;
        ++p;
      } else {
        sum += size * 0.5f + doc->charSpacing;
        if (*p == 32) sum += doc->wordSpacing;
      }
    }
  } else {
    for (; *p; ++p) {
      sum += static_cast<float>(widthOf(*f, *p)) * size * 0.001f + doc->charSpacing;
      if (*p == 32) sum += doc->wordSpacing;
    }
  }
  return (sum - doc->charSpacing) * 0.01f * doc->horizScale;
}

// ---- the font objects ---------------------------------------------------------------

namespace cpdf_detail {

void numberFonts(CpdfDocument* doc) {
  for (CpdfFont& f : doc->fonts) {
    if (f.descriptor) {
      f.descriptor->objectNumber = 0;
      if (f.descriptor->fontFile) f.descriptor->fontFile->objectNumber = 0;
    }
  }
  for (CpdfFont& f : doc->fonts) {
    f.objectNumber = newObject(doc);
    f.numbersDescriptor = f.numbersFontFile = false;
    if (f.descriptor && f.descriptor->objectNumber == 0) {
      f.numbersDescriptor = true;
      f.descriptor->objectNumber = newObject(doc);
      if (f.kind == 3) f.cidObjectNumber = newObject(doc);
      FontFile* file = f.descriptor->fontFile;
      if (file && file->objectNumber == 0) {
        f.numbersFontFile = true;
        file->objectNumber = newObject(doc);
      }
    }
  }
}

void writeFonts(CpdfDocument* doc) {
  for (CpdfFont& f : doc->fonts) {
    beginObject(doc, f.objectNumber);
    Line l;
    l.text("<<\n/Type /Font\n/Subtype /").text(f.kind == 3 ? "Type0" : "Type1").text("\n");
    l.text("/Name /").text(f.resourceName).text("\n/BaseFont /").text(f.baseFont).text("\n");
    if (f.hasEncoding && f.fontNumber != 12 && f.fontNumber != 13) l.text("/Encoding /").text(f.encoding).text("\n");
    if (f.kind == 1 || f.kind == 2) {
      l.text("/FirstChar ").integer(f.firstChar).text("\n/LastChar ").integer(f.lastChar);
      l.text("\n/Widths [\n");
      for (int code = f.firstChar; code <= f.lastChar; ++code) {
        int i = code - f.firstChar;
        if (i > 0 && i % 16 == 0) l.text("\n");
        l.integer(widthOf(f, static_cast<unsigned char>(code))).text(" ");
      }
      l.text("]\n/FontDescriptor ").integer(f.descriptor->objectNumber).text(" 0 R\n");
    }
    if (f.kind == 3) l.text("/DescendantFonts [ ").integer(f.cidObjectNumber).text(" 0 R ]\n");
    l.text(">>\nendobj\n");
    out(doc, l.str());
    if (!f.numbersDescriptor) continue;

    const CpdfFontDescriptor& d = *f.descriptor;
    beginObject(doc, d.objectNumber);
    Line dl;
    dl.text("<<\n/Type /FontDescriptor\n/Ascent ").integer(d.ascent);
    dl.text("\n/CapHeight ").integer(d.capHeight).text("\n/Descent ").integer(d.descent);
    dl.text("\n/Flags ").integer(d.flags).text("\n/FontBBox [");
    for (int i = 0; i < 4; ++i) dl.integer(d.fontBBox[i]).text(i < 3 ? " " : "]\n");
    dl.text("/FontName /").text(d.fontName).text("\n/ItalicAngle ").general(d.italicAngle);
    dl.text("\n/StemV ").integer(d.stemV).text("\n/XHeight ").integer(d.xHeight).text("\n");
    if (f.kind == 3) {
      dl.text("/StemH ").integer(d.stemH).text("\n/MissingWidth ").integer(d.missingWidth);
      dl.text("\n/Leading ").integer(d.leading).text("\n/MaxWidth ").integer(d.maxWidth);
      dl.text("\n/AvgWidth ").integer(d.avgWidth).text("\n/Style << ").text(d.style).text(" >>\n");
    }
    if (d.fontFile) dl.text("/FontFile ").integer(d.fontFile->objectNumber).text(" 0 R\n");
    dl.text(">>\nendobj\n");
    out(doc, dl.str());

    if (f.kind == 3) {
      const tables::BuiltinFont& b = tables::kBuiltinFonts[f.fontNumber];
      beginObject(doc, f.cidObjectNumber);
      Line c;
      c.text("<<\n/Type /Font\n/Subtype /CIDFontType2\n/BaseFont /").text(f.baseFont);
      c.text("\n/FontDescriptor ").integer(d.objectNumber).text(" 0 R\n/CIDSystemInfo << ");
      c.text(b.cidSystemInfo).text(" >>\n/DW 1000\n/W ").text(b.wArray).text("\n>>\nendobj\n");
      out(doc, c.str());
    }
    if (f.numbersFontFile) {
      const FontFile& file = *d.fontFile;
      beginObject(doc, file.objectNumber);
      Line h;
      h.text("<<\n/Length ").integer(static_cast<long long>(file.data.size()));
      h.text("\n/Length1 ").integer(file.length1).text("\n/Length2 ").integer(file.length2);
      h.text("\n/Length3 ").integer(file.length3).text("\n>>\nstream\n");
      out(doc, h.str());
      out(doc, file.data);
      out(doc, "\nendstream\nendobj\n");
    }
  }
}

}  // namespace cpdf_detail
