// Document lifecycle and the file layout: header, objects in number order, the
// cross-reference table and the trailer.
#include "pdf/cpdfInternal.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using cpdf_detail::Line;

struct CpdfCompressorMemory {
  struct Block {
    void* memory;
    size_t size;
    bool inUse;
  };
  std::vector<Block> blocks;
};

void cpdf_compressorMemoryFree(CpdfCompressorMemory* memory) {
  if (!memory) return;
  for (const CpdfCompressorMemory::Block& block : memory->blocks) std::free(block.memory);
  delete memory;
}

namespace {

// The compressor's allocation: a block of the same size given back before, or a new one
// kept for the next page. Its contents are whatever they were, as the C library's memory
// is: the compressor writes what it reads.
voidpf compressorAlloc(voidpf opaque, uInt items, uInt size) {
  auto* memory = static_cast<CpdfCompressorMemory*>(opaque);
  if (size != 0 && items > static_cast<uInt>(-1) / size) return Z_NULL;
  const size_t bytes = static_cast<size_t>(items) * size;
  for (CpdfCompressorMemory::Block& block : memory->blocks) {
    if (!block.inUse && block.size == bytes) {
      block.inUse = true;
      return block.memory;
    }
  }
  void* fresh = std::malloc(bytes);
  if (!fresh) return Z_NULL;
  try {
    memory->blocks.push_back({fresh, bytes, true});
  } catch (const std::bad_alloc&) {
    std::free(fresh);
    return Z_NULL;
  }
  return fresh;
}

void compressorFree(voidpf opaque, voidpf address) {
  auto* memory = static_cast<CpdfCompressorMemory*>(opaque);
  for (CpdfCompressorMemory::Block& block : memory->blocks) {
    if (block.memory == address) block.inUse = false;
  }
}

// zlib's compress() in the document's compressor memory: the same stream, level and
// steps, so the same bytes.
int compressInDocument(CpdfDocument* doc, Bytef* dest, uLongf* destLen, const Bytef* source, uLong sourceLen) {
  if (!doc->compressorMemory) {
    doc->compressorMemory.reset(new (std::nothrow) CpdfCompressorMemory);
    if (!doc->compressorMemory) return Z_MEM_ERROR;
  }
  z_stream stream{};
  stream.zalloc = compressorAlloc;
  stream.zfree = compressorFree;
  stream.opaque = doc->compressorMemory.get();
  int err = deflateInit(&stream, Z_DEFAULT_COMPRESSION);
  if (err != Z_OK) return err;
  const uInt max = static_cast<uInt>(-1);
  uLong left = *destLen;
  *destLen = 0;
  stream.next_out = dest;
  stream.avail_out = 0;
  stream.next_in = const_cast<Bytef*>(source);
  stream.avail_in = 0;
  do {
    if (stream.avail_out == 0) {
      stream.avail_out = left > static_cast<uLong>(max) ? max : static_cast<uInt>(left);
      left -= stream.avail_out;
    }
    if (stream.avail_in == 0) {
      stream.avail_in = sourceLen > static_cast<uLong>(max) ? max : static_cast<uInt>(sourceLen);
      sourceLen -= stream.avail_in;
    }
    err = deflate(&stream, sourceLen ? Z_NO_FLUSH : Z_FINISH);
  } while (err == Z_OK);
  *destLen = stream.total_out;
  deflateEnd(&stream);
  return err == Z_STREAM_END ? Z_OK : err;
}

CpdfLimits g_defaults = {100, 100, 100, 100, 5000};

// The second header line: a comment of high bytes, so that transfer programs treat the
// file as binary and every reader still sees a comment.
const char kBinaryLine[] = "%\xE2\xE3\xCF\xD3\xA0\xA1\xA2\xA3\xA4\xA5\xA6\xA7\xA8\xA9\xAA\xAB\xAC\xAD\xAE\xAF\xB0\xB1";
static_assert(sizeof(kBinaryLine) == 24, "23 bytes and the terminator");

std::string boxText(int llx, int lly, int urx, int ury) {
  Line l;
  l.integer(llx).text(" ").integer(lly).text(" ").integer(urx).text(" ").integer(ury);
  std::string s = l.str();
  if (s.size() > 62) s.resize(62);
  return s;
}

// Reads up to four numbers (integers or decimals) without the C library's locale.
int parseNumbers(const char* text, float* values, int maxCount) {
  int n = 0;
  const char* p = text;
  while (p && *p && n < maxCount) {
    while (*p == ' ' || *p == '\t' || *p == '[' || *p == ']') ++p;
    if (!*p) break;
    bool neg = false;
    if (*p == '-' || *p == '+') neg = *p++ == '-';
    if (!((*p >= '0' && *p <= '9') || *p == '.')) break;
    double v = 0;
    while (*p >= '0' && *p <= '9') v = v * 10 + (*p++ - '0');
    if (*p == '.') {
      ++p;
      double scale = 0.1;
      while (*p >= '0' && *p <= '9') {
        v += (*p++ - '0') * scale;
        scale *= 0.1;
      }
    }
    if (v > 1e9) v = 1e9;  // far beyond any page; keeps later integer conversions defined
    values[n++] = static_cast<float>(neg ? -v : v);
  }
  return n;
}

bool pageUsable(const CpdfDocument* doc, int n) {
  return n >= 1 && n < static_cast<int>(doc->pages.size()) && doc->pages[n].pageNumber == n;
}

void makeCurrent(CpdfDocument* doc, int n) {
  CpdfPage& page = doc->pages[n];
  doc->currentPage = n;
  doc->currentContent = page.content.get();
  doc->noPageReported = false;
  doc->mediaBox = page.mediaBox;
  doc->cropBox = page.cropBox;
  doc->currentRotation = page.rotation;
  if (page.defaultDomain) pdf_setPlotDomain(doc, page.defaultDomain.get());
}

void resetTextState(CpdfDocument* doc) {
  static const float identity[6] = {1, 0, 0, 1, 0, 0};
  std::memcpy(doc->textMatrix, identity, sizeof identity);
}

void compressPage(CpdfDocument* doc, CpdfPage& page) {
  if (!page.content) return;
  int32_t count = page.content->count;
  if (!doc->compression || count < 1) return;
  uLong capacity = static_cast<uLong>(count) + static_cast<uLong>(static_cast<double>(count) * 0.001 + 16.0);
  uLong bound = compressBound(static_cast<uLong>(count));
  if (bound > capacity) capacity = bound;
  std::string dest;
  try {
    if (cpdf_detail::allocationShouldFail()) throw std::bad_alloc();
    dest.resize(capacity);
  } catch (const std::bad_alloc&) {
    cpdf_detail::failAllocation(doc);
    return;
  }
  uLongf destLen = capacity;
  int rc = compressInDocument(doc, reinterpret_cast<Bytef*>(&dest[0]), &destLen,
                              reinterpret_cast<const Bytef*>(page.content->buffer), static_cast<uLong>(count));
  if (rc != Z_OK) {
    cpdf_docError(doc, -1, "_pdf_closeContentMemStreamForPage()", "ZLIB compress code=%d", rc);
    return;
  }
  dest.resize(destLen);
  page.compressed.swap(dest);
  page.flags |= 2;
  if (doc->currentContent == page.content.get()) doc->currentContent = nullptr;
  page.content.reset();
}

}  // namespace

// ---- internal writers --------------------------------------------------------------

namespace cpdf_detail {

void outBytes(CpdfDocument* doc, const char* data, int32_t n) {
  if (doc->failed || n <= 0) return;
  if (cpdf_memStreamWrite(doc->file.get(), data, n) != 0) {
    failAllocation(doc);
    return;
  }
  doc->byteCount += n;
}

void out(CpdfDocument* doc, const std::string& text) { outBytes(doc, text.data(), static_cast<int32_t>(text.size())); }

int32_t newObject(CpdfDocument* doc) {
  if (doc->nextObject >= static_cast<int32_t>(doc->offsets.size())) {
    cpdf_docError(doc, -1, "pdf_finalizeAll()", "Too many objects in this PDF: %d. Increase limit by pdf_open()",
                  static_cast<int>(doc->offsets.size()));
    return 0;
  }
  return doc->nextObject++;
}

// Records the offset of object k right where "k 0 obj" starts; objects must come in
// number order, each exactly once.
void beginObject(CpdfDocument* doc, int32_t number) {
  if (doc->failed) return;
  PV_ASSERT(number >= 1 && number < static_cast<int32_t>(doc->offsets.size()));
  PV_ASSERT(doc->offsets[number] < 0);
  PV_ASSERT(number == 1 || doc->offsets[number - 1] >= 0);
  doc->offsets[number] = doc->byteCount;
  Line l;
  l.integer(number).text(" 0 obj\n");
  out(doc, l.str());
}

void pageUse(std::vector<int>& list, int index) {
  for (int i : list)
    if (i == index) return;
  list.push_back(index);
}

}  // namespace cpdf_detail

using cpdf_detail::beginObject;
using cpdf_detail::newObject;
using cpdf_detail::out;

// ---- lifecycle ---------------------------------------------------------------------

void cpdf_defaultLimitsSet(int32_t pages, int32_t fonts, int32_t images, int32_t annotations, int32_t objects) {
  if (pages > 0) g_defaults.pages = pages;
  if (fonts > 0) g_defaults.fonts = fonts;
  if (images > 0) g_defaults.images = images;
  if (annotations > 0) g_defaults.annotations = annotations;
  if (objects > 0) g_defaults.objects = objects;
}

CpdfDocument* cpdf_open(int32_t mode, const CpdfLimits* limits) {
  std::unique_ptr<CpdfDocument> doc(new (std::nothrow) CpdfDocument);
  if (!cpdf_allocCheck(doc.get())) return nullptr;
  try {
    doc->mode = mode;
    doc->limits = g_defaults;
    if (limits) {
      if (limits->pages > 0) doc->limits.pages = limits->pages;
      if (limits->fonts > 0) doc->limits.fonts = limits->fonts;
      if (limits->images > 0) doc->limits.images = limits->images;
      if (limits->annotations > 0) doc->limits.annotations = limits->annotations;
      if (limits->objects > 0) doc->limits.objects = limits->objects;
    }
    doc->pages.resize(static_cast<size_t>(doc->limits.pages) + 1);
    doc->pageObjects.reserve(static_cast<size_t>(doc->limits.pages) + 1);
    doc->offsets.assign(static_cast<size_t>(doc->limits.objects), -1);
    doc->fonts.reserve(static_cast<size_t>(doc->limits.fonts));
    doc->images.reserve(static_cast<size_t>(doc->limits.images));
    doc->annotations.reserve(static_cast<size_t>(doc->limits.annotations));
  } catch (const std::bad_alloc&) {
    cpdf_hookError(-2, "cpdf malloc", "Memory allocation failure");
    return nullptr;
  }
  doc->errorHandler = cpdf_defaultErrorHandler;
  doc->scratch.reset(cpdf_memStreamCreate());
  if (!doc->scratch) return nullptr;
  doc->state = 1;
  return doc.release();
}

void cpdf_compressionFilterSet(CpdfDocument* doc, const char* command, const char* filterName) {
  // The filter names go into every compressed stream's dictionary as they are.
  if (filterName && *filterName && !cpdf_detail::pdfSyntaxValid(filterName, cpdf_detail::PdfSyntax::FilterNames)) {
    cpdf_docError(doc, 1, "cpdf_compressionFilterSet()", "Malformed filter name refused: %s", filterName);
    return;
  }
  doc->compressCommand = command ? command : "";
  doc->filterName = filterName ? filterName : "";
  // The writer compresses with zlib only: data labelled with another filter could not
  // be decoded, so compression stays on only under the Flate filter.
  if (doc->filterName != "/FlateDecode") doc->compression = 0;
}

void cpdf_enableCompression(CpdfDocument* doc, int flag) {
  if (!flag) {
    doc->compression = 0;
    return;
  }
  if (doc->filterName != "/FlateDecode") return;
  doc->compression = 1;
  if (doc->filterName.find("FlateDecode") != std::string::npos) cpdf_versionAtLeast(doc, 1, 2);
}

void cpdf_versionAtLeast(CpdfDocument* doc, int major, int minor) {
  if (major > doc->major || (major == doc->major && minor > doc->minor)) {
    doc->major = major;
    doc->minor = minor;
  }
}

void cpdf_getVersion(const CpdfDocument* doc, int* major, int* minor) {
  *major = doc->major;
  *minor = doc->minor;
}

void cpdf_init(CpdfDocument* doc) {
  doc->author = "Windows User";
  if (doc->state != 1) {
    cpdf_docError(doc, -1, "pdf_init()", "pdf_open() has not been called.");
    return;
  }
  doc->state = 2;
  for (CpdfPage& page : doc->pages) page = CpdfPage();
  doc->file.reset(cpdf_memStreamCreate());
  if (!doc->file) cpdf_detail::failAllocation(doc);
}

void cpdf_viewerPrefsSet(CpdfDocument* doc, const CpdfViewerSettings* settings) {
  if (settings) doc->viewer = *settings;
}

int cpdf_pageInit(CpdfDocument* doc, int n, int rotation, const char* mediaBox, const char* cropBox) {
  static const char* label = "pdf_pageInit()";
  if (n < 1) {
    doc->currentContent = nullptr;
    doc->noPageReported = false;
    cpdf_docError(doc, 1, label, "Page number must be 1 or greater");
    return -1;
  }
  if (n >= doc->limits.pages || n >= static_cast<int>(doc->pages.size())) {
    doc->currentContent = nullptr;
    doc->noPageReported = false;
    cpdf_docError(doc, 1, label, "Too many pages: %d. Increase limit by pdf_open()", n);
    return -1;
  }
  if (doc->pages[n].pageNumber == n) {
    cpdf_docError(doc, 1, label, "Page %d is already initialized", n);
    cpdf_switchPage(doc, n);
    return 0;
  }
  if (doc->state != 2 || doc->failed || doc->finalized) {
    doc->currentContent = nullptr;
    cpdf_docError(doc, 1, label, "Page %d cannot be started: the document is not open for pages", n);
    return -1;
  }
  {
    // The boxes are written into the page dictionary as they are: four numbers each.
    std::string media = mediaBox ? mediaBox : "0 0 612 792";
    std::string crop = cropBox ? cropBox : media;
    if (media.size() > 62) media.resize(62);
    if (crop.size() > 62) crop.resize(62);
    using cpdf_detail::PdfSyntax;
    if (!cpdf_detail::pdfSyntaxValid(media.c_str(), PdfSyntax::Box) ||
        !cpdf_detail::pdfSyntaxValid(crop.c_str(), PdfSyntax::Box)) {
      doc->currentContent = nullptr;
      doc->noPageReported = false;
      cpdf_docError(doc, 1, label, "Page %d refused: a page box must be four numbers", n);
      return -1;
    }
  }
  try {
    CpdfPage page;
    page.pageNumber = n;
    page.rotation = rotation == 2 ? 90 : rotation == 1 ? 270 : 0;
    page.mediaBox = mediaBox ? mediaBox : "0 0 612 792";
    page.cropBox = cropBox ? cropBox : page.mediaBox;
    if (page.mediaBox.size() > 62) page.mediaBox.resize(62);
    if (page.cropBox.size() > 62) page.cropBox.resize(62);
    float box[4] = {0, 0, 612, 792};
    parseNumbers(page.cropBox.c_str(), box, 4);
    page.content.reset(cpdf_memStreamCreate());
    if (!page.content) {
      cpdf_detail::failAllocation(doc);
      return -1;
    }
    cpdf_detail::domainInit(doc, page, box[0], box[1], box[2], box[3]);
    doc->pages[n] = std::move(page);
  } catch (const std::bad_alloc&) {
    cpdf_detail::failAllocation(doc);
    return -1;
  }
  if (n > doc->highestPage) doc->highestPage = n;
  makeCurrent(doc, n);
  resetTextState(doc);
  return 0;
}

int cpdf_switchPage(CpdfDocument* doc, int n) {
  static const char* label = "pdf_setCurrentPage()";
  if (n == doc->currentPage && doc->currentContent) return 0;
  if (!pageUsable(doc, n)) {
    cpdf_docError(doc, 2, label, "Cannot switch to page %d because it has not been initialized", n);
    return -1;
  }
  if (doc->pages[n].flags & 1) {
    cpdf_docError(doc, 2, label, "Cannot switch to page %d because it has already been finalized", n);
    return -2;
  }
  makeCurrent(doc, n);
  return 0;
}

void cpdf_finalizePage(CpdfDocument* doc, int n) {
  if (!pageUsable(doc, n)) return;
  CpdfPage& page = doc->pages[n];
  if (page.flags & 3) return;
  compressPage(doc, page);
  page.flags |= 1;
  // The finalized page's content must not receive any further operator.
  if (doc->currentPage == n) {
    doc->currentContent = nullptr;
    doc->noPageReported = false;
  }
}

namespace {

void writeCatalog(CpdfDocument* doc) {
  static const char* modes[] = {"UseNone", "UseOutlines", "UseThumbs", "FullScreen"};
  static const char* layouts[] = {"SinglePage", "OneColumn", "TwoColumnLeft", "TwoColumnRight"};
  const CpdfViewerSettings& v = doc->viewer;
  beginObject(doc, 1);
  std::string s = "<<\n/Type /Catalog\n/Pages 3 0 R\n/Outlines 2 0 R\n";
  if (v.pageMode != 0) s += std::string("/PageMode /") + modes[v.pageMode & 3] + "\n";
  if (v.pageLayout != 0) s += std::string("/PageLayout /") + layouts[v.pageLayout & 3] + "\n";
  bool fullScreen = (v.pageMode & 3) == 3;
  if (fullScreen || v.hideToolbar || v.hideMenubar || v.hideWindowUI || v.fitWindow || v.centerWindow) {
    s += "/ViewerPreferences <<\n";
    if (v.hideToolbar) s += "/HideToolbar true\n";
    if (v.hideMenubar) s += "/HideMenubar true\n";
    if (v.hideWindowUI) s += "/HideWindowUI true\n";
    if (v.fitWindow) s += "/FitWindow true\n";
    if (v.centerWindow) s += "/CenterWindow true\n";
    if (fullScreen) {
      int m = v.nonFSPageMode;
      if (m < 0 || m > 2) m = 0;
      s += std::string("/NonFullScreenPageMode /") + modes[m] + "\n";
    }
    s += ">>\n";
  }
  s += ">>\nendobj\n";
  out(doc, s);
}

void writeOutlineRoot(CpdfDocument* doc) {
  beginObject(doc, 2);
  Line l;
  l.text("<<\n/Type /Outlines\n/Count ").integer(doc->outlineCount).text("\n");
  if (doc->firstOutline) {
    l.text("/First ").integer(doc->firstOutline->objectNumber).text(" 0 R\n");
    l.text("/Last ").integer(doc->lastOutline->objectNumber).text(" 0 R\n");
  }
  l.text(">>\nendobj\n");
  out(doc, l.str());
}

void writePageTree(CpdfDocument* doc) {
  beginObject(doc, 3);
  Line l;
  l.text("<<\n/Type /Pages\n/Count ").integer(static_cast<long long>(doc->pageObjects.size()));
  l.text("\n/Kids [ ");
  for (int32_t k : doc->pageObjects) l.integer(k).text(" 0 R ");
  l.text("]\n>>\nendobj\n");
  out(doc, l.str());
}

void writeProcSet(CpdfDocument* doc) {
  beginObject(doc, 4);
  std::string s = "[/PDF /Text";
  if (!doc->images.empty() || doc->inlineImages > 0) {
    s += " ";
    if (doc->imageKinds & 1) s += "/ImageB ";
    if (doc->imageKinds & 2) s += "/ImageC ";
    if (doc->imageKinds & 4) s += "/ImageI ";
    s += "]\n";
  } else {
    s += "]\n";
  }
  s += "endobj\n";
  out(doc, s);
}

void writePage(CpdfDocument* doc, CpdfPage& page) {
  beginObject(doc, page.objectNumber);
  Line l;
  l.text("<<\n/Type /Page\n/Parent ").integer(page.parent).text(" 0 R\n/Resources <<\n");
  if (!page.fonts.empty()) {
    l.text("/Font <<\n");
    for (int i : page.fonts) {
      const CpdfFont& f = doc->fonts[static_cast<size_t>(i)];
      l.text("/").text(f.resourceName).text(" ").integer(f.objectNumber).text(" 0 R\n");
    }
    l.text(">>\n");
  }
  if (!page.images.empty()) {
    l.text("/XObject <<\n");
    for (int i : page.images) {
      const CpdfImage& im = doc->images[static_cast<size_t>(i)];
      l.text("/").text(im.resourceName).text(" ").integer(im.objectNumber).text(" 0 R\n");
    }
    l.text(">>\n");
  }
  l.text("/ProcSet 4 0 R >>\n/MediaBox [").text(page.mediaBox).text("]\n/CropBox [");
  l.text(page.cropBox).text("]\n/Rotate ").integer(page.rotation).text("\n/Contents ");
  l.integer(page.contentObject).text(" 0 R\n");
  if (!page.annots.empty()) {
    l.text("/Annots [ ");
    for (int i : page.annots) l.integer(doc->annotations[static_cast<size_t>(i)].objectNumber).text(" 0 R ");
    l.text("]\n");
  }
  if (page.duration > 0) l.text("/Dur ").fixed(page.duration, 3).text("\n");
  if (!page.transition.empty()) l.text("/Trans << ").text(page.transition).text(" >>\n");
  l.text(">>\nendobj\n");
  out(doc, l.str());

  beginObject(doc, page.contentObject);
  Line h;
  if (page.flags & 2) {
    h.text("<<\n/Length ").integer(static_cast<long long>(page.compressed.size()));
    // Compressed content is always deflated, whatever filter was named since.
    h.text("\n/Filter [/FlateDecode]\n>>\nstream\n");
    out(doc, h.str());
    out(doc, page.compressed);
    std::string().swap(page.compressed);
  } else {
    int32_t count = page.content ? page.content->count : 0;
    h.text("<</Length ").integer(count).text(">>\nstream\n");
    out(doc, h.str());
    if (count > 0) cpdf_detail::outBytes(doc, page.content->buffer, count);
    page.content.reset();
  }
  out(doc, "\nendstream\nendobj\n");
}

void writeInfo(CpdfDocument* doc, int32_t number) {
  beginObject(doc, number);
  std::string stamp;
  if (doc->haveCreationTime) {
    stamp = cpdf_timeStampTextOf(0, doc->creationTime);
  } else {
    stamp = cpdf_timeStampText(0);
  }
  std::string s = "<<\n/Creator (" + doc->creator + ")\n/CreationDate (D:" + stamp + ")\n";
  s += "/Producer (" + doc->producer[0] + " " + doc->producer[1] + " on " + doc->producer[2] + " " + doc->producer[3] +
       ")\n";
  s += "/Author (" + doc->author + ")\n/Title (" + doc->title + ")\n/Subject (" + doc->subject + ")\n/Keywords (" +
       doc->keywords + ")\n>>\nendobj\n";
  out(doc, s);
}

}  // namespace

int cpdf_finalizeAll(CpdfDocument* doc) {
  if (doc->state != 2 || !doc->file) {
    cpdf_docError(doc, 1, "pdf_finalizeAll()", "pdf_init() has not been called");
    return -1;
  }
  if (doc->failed) return CPDF_FAILED;
  // The page contents were handed over to the file: a second pass has nothing to write.
  if (doc->finalized) return 0;
  try {
    cpdf_memStreamReset(doc->file.get());
    doc->byteCount = 0;
    std::fill(doc->offsets.begin(), doc->offsets.end(), -1);
    doc->pageObjects.clear();
    Line header;
    header.text("%PDF-").integer(doc->major).text(".").integer(doc->minor).text("\n");
    header.text(kBinaryLine).text("\n");
    out(doc, header.str());

    // Numbers in the order the objects are written.
    doc->nextObject = 5;
    for (int n = 1; n <= doc->highestPage; ++n) {
      CpdfPage& page = doc->pages[n];
      if (page.pageNumber != n) continue;
      page.objectNumber = newObject(doc);
      page.contentObject = newObject(doc);
      page.parent = 3;
      doc->pageObjects.push_back(page.objectNumber);
      cpdf_finalizePage(doc, n);
    }
    cpdf_detail::numberFonts(doc);
    cpdf_detail::numberImages(doc);
    cpdf_detail::numberAnnotations(doc);
    cpdf_detail::numberOutlines(doc);
    int32_t info = newObject(doc);
    if (doc->failed) return CPDF_FAILED;

    writeCatalog(doc);
    writeOutlineRoot(doc);
    writePageTree(doc);
    writeProcSet(doc);
    for (int n = 1; n <= doc->highestPage; ++n)
      if (doc->pages[n].pageNumber == n) writePage(doc, doc->pages[n]);
    cpdf_detail::writeFonts(doc);
    cpdf_detail::writeImages(doc);
    cpdf_detail::writeAnnotations(doc);
    cpdf_detail::writeOutlines(doc);
    writeInfo(doc, info);
    if (doc->failed) return CPDF_FAILED;

    int32_t size = doc->nextObject;
    for (int32_t k = 1; k < size; ++k) PV_ASSERT(doc->offsets[k] >= 0);
    doc->xrefOffset = doc->byteCount;
    Line x;
    x.text("xref\n0 ").integer(size).text("\n0000000000 65535 f \n");
    out(doc, x.str());
    std::string table;
    table.reserve(static_cast<size_t>(size) * 20);
    for (int32_t k = 1; k < size; ++k) {
      Line e;
      e.integer(doc->offsets[k]);
      std::string digits = e.str();
      table.append(10 - digits.size(), '0');
      table += digits;
      table += " 00000 n \n";
    }
    out(doc, table);
    Line t;
    t.text("trailer\n<<\n/Size ").integer(size).text("\n/Root 1 0 R\n/Info ").integer(info);
    t.text(" 0 R\n>>\nstartxref\n").integer(doc->xrefOffset).text("\n%%EOF\n");
    out(doc, t.str());
  } catch (const std::bad_alloc&) {
    cpdf_detail::failAllocation(doc);
  }
  if (doc->failed) return CPDF_FAILED;
  doc->finalized = true;
  if (!doc->wholeFileInMemory && doc->outputFileSet) {
    int rc = cpdf_memStreamToFile(doc->file.get(), doc->outputFile.c_str());
    if (rc != 0) {
      cpdf_docError(doc, 2, "_pdf_file_open()", "Cannot open %s for PDF output", doc->outputFile.c_str());
      return rc;
    }
  }
  return 0;
}

int cpdf_savePDFmemoryStreamToFile(CpdfDocument* doc, const char* fileName) {
  if (doc->failed) return CPDF_FAILED;
  doc->outputFile = fileName ? fileName : "";
  if (!doc->wholeFileInMemory || !doc->file || doc->byteCount == 0) return -1;
  return cpdf_memStreamToFile(doc->file.get(), fileName);
}

void cpdf_close(CpdfDocument* doc) {
  if (!doc) return;
  doc->state = 0;
  // Domains the caller still holds must not point at the freed document.
  for (CpdfPlotDomain* d : doc->attachedDomains) d->doc = nullptr;
  delete doc;
}

// ---- boxes and small setters -------------------------------------------------------

void cpdf_getPageSize(CpdfDocument* doc, char* mediaBox, int mediaMax, char* cropBox, int cropMax) {
  auto copy = [](char* dst, int max, const std::string& src) {
    if (!dst || max <= 0) return;
    size_t n = std::min(src.size(), static_cast<size_t>(max - 1));
    std::memcpy(dst, src.data(), n);
    dst[n] = 0;
  };
  copy(mediaBox, mediaMax, doc->mediaBox);
  copy(cropBox, cropMax, doc->cropBox);
}

int cpdf_getBoxValues(const char* boxText, int* llx, int* lly, int* urx, int* ury) {
  float v[4] = {0, 0, 0, 0};
  int n = parseNumbers(boxText, v, 4);
  int* outs[4] = {llx, lly, urx, ury};
  for (int i = 0; i < n; ++i) *outs[i] = static_cast<int>(v[i]);
  return n;
}

void cpdf_pageBoxesSet(CpdfDocument* doc, int llx, int lly, int urx, int ury) {
  doc->mediaBox = doc->cropBox = boxText(llx, lly, urx, ury);
}
void cpdf_mediaBoxSet(CpdfDocument* doc, int llx, int lly, int urx, int ury) {
  doc->mediaBox = boxText(llx, lly, urx, ury);
}
void cpdf_cropBoxSet(CpdfDocument* doc, int llx, int lly, int urx, int ury) {
  doc->cropBox = boxText(llx, lly, urx, ury);
}

void cpdf_outputFileSet(CpdfDocument* doc, const char* fileName) {
  // Kept whole: a cut name would write a different file and report success.
  doc->outputFile = fileName ? fileName : "";
  doc->outputFileSet = true;
  doc->toStdout = doc->outputFile == "-";
  doc->wholeFileInMemory = 0;
}

void cpdf_pageDurationSet(CpdfDocument* doc, float seconds) {
  // A duration is written into the page dictionary; one that cannot be written is
  // refused here rather than leaving a key without its value there.
  if (!cpdf_detail::usable(seconds)) {
    cpdf_docError(doc, 1, "cpdf_pageDurationSet()", "Number is not finite: operator refused");
    return;
  }
  if (pageUsable(doc, doc->currentPage)) doc->pages[doc->currentPage].duration = seconds;
}

void cpdf_documentBuffer(CpdfDocument* doc, const char** buffer, int32_t* length) {
  if (!doc->file || doc->byteCount == 0) {
    *buffer = nullptr;
    *length = 0;
    return;
  }
  *buffer = doc->file->buffer;
  *length = doc->file->count;
}
