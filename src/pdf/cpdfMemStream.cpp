// Growable byte buffers (the whole file, page contents, font files) and the route by
// which content operators reach the current page.
#include "pdf/cpdfInternal.h"
#include "foundation/FileNames.h"

#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr uint32_t kMagic = 0xA5B5CAFE;

bool checkMagic(CpdfMemoryStream* stream) {
  if (stream && stream->magic == kMagic) return true;
  cpdf_hookError(3, "cpdf", "Corrupted memory stream: %p", static_cast<void*>(stream));
  return false;
}

char* allocate(size_t n) {
  if (cpdf_detail::allocationShouldFail()) return nullptr;
  return new (std::nothrow) char[n];
}

}  // namespace

CpdfMemoryStream* cpdf_memStreamCreate() {
  auto* stream = new (std::nothrow) CpdfMemoryStream;
  if (!cpdf_allocCheck(stream)) return nullptr;
  stream->buffer = allocate(256);
  if (!cpdf_allocCheck(stream->buffer)) {
    delete stream;
    return nullptr;
  }
  stream->size = 256;
  stream->buffer[0] = 0;
  return stream;
}

int cpdf_memStreamWrite(CpdfMemoryStream* stream, const void* data, int32_t n) {
  if (!checkMagic(stream) || n < 0) return -1;
  int64_t needed = static_cast<int64_t>(stream->count) + n + 1;
  if (needed > INT32_MAX) {
    cpdf_hookError(-2, "cpdf malloc", "Memory allocation failure");
    return -1;
  }
  if (needed > stream->size) {
    int64_t size = stream->size;
    while (size < needed) size = size < 65536 ? size * 2 : size + 65536;
    char* grown = allocate(static_cast<size_t>(size));
    if (!cpdf_allocCheck(grown)) return -1;
    std::memcpy(grown, stream->buffer, static_cast<size_t>(stream->count) + 1);
    delete[] stream->buffer;
    stream->buffer = grown;
    stream->size = static_cast<int32_t>(size);
  }
  if (n > 0) std::memcpy(stream->buffer + stream->count, data, static_cast<size_t>(n));
  stream->count += n;
  stream->buffer[stream->count] = 0;
  return 0;
}

int cpdf_memStreamPutChar(int byte, CpdfMemoryStream* stream) {
  char c = static_cast<char>(byte);
  return cpdf_memStreamWrite(stream, &c, 1) == 0 ? 1 : -1;
}

int cpdf_memStreamPutText(const char* text, CpdfMemoryStream* stream) {
  if (!text) return 0;
  int32_t n = static_cast<int32_t>(std::strlen(text));
  return cpdf_memStreamWrite(stream, text, n) == 0 ? n : -1;
}

void cpdf_memStreamBuffer(CpdfMemoryStream* stream, char** buffer, int32_t* count, int32_t* size) {
  if (!checkMagic(stream)) {
    *buffer = nullptr;
    *count = 0;
    *size = 0;
    return;
  }
  *buffer = stream->buffer;
  *count = stream->count;
  *size = stream->size;
}

void cpdf_memStreamReset(CpdfMemoryStream* stream) {
  if (!checkMagic(stream)) return;
  stream->count = 0;
  stream->buffer[0] = 0;
}

void cpdf_memStreamFree(CpdfMemoryStream* stream) {
  if (!stream) return;
  stream->magic = 0;
  delete[] stream->buffer;
  delete stream;
}

void cpdf_memStreamCheck(const char* label, CpdfMemoryStream* stream) {
  if (stream && stream->magic == kMagic) return;
  cpdf_hookError(3, label, "stream=%p, magic= %lu", static_cast<void*>(stream),
                 stream ? static_cast<unsigned long>(stream->magic) : 0UL);
}

int cpdf_memStreamToFile(CpdfMemoryStream* stream, const char* fileName) {
  if (!checkMagic(stream)) return CPDF_SAVE_OPEN_FAILED;
  bool toStdout = std::strcmp(fileName, "-") == 0;
  FILE* f = nullptr;
  if (toStdout) {
    f = stdout;
    std::fflush(stdout);
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
  } else {
    f = PV::Files::open(fileName, "wb");
  }
  if (!f) {
    cpdf_hookError(1, "cpdf", "Cannot open output file: %s", fileName);
    return CPDF_SAVE_OPEN_FAILED;
  }
  size_t written = std::fwrite(stream->buffer, 1, static_cast<size_t>(stream->count), f);
  int result = 0;
  if (written != static_cast<size_t>(stream->count)) result = CPDF_SAVE_SHORT_WRITE;
  if (toStdout) {
    if (std::fflush(stdout) != 0 && result == 0) result = CPDF_SAVE_CLOSE_FAILED;
  } else if (std::fclose(f) != 0 && result == 0) {
    result = CPDF_SAVE_CLOSE_FAILED;
  }
  return result;
}

// ---- content writing -----------------------------------------------------------------

namespace cpdf_detail {

bool contentAvailable(CpdfDocument* doc, const char* op) {
  if (doc->failed) return false;
  if (doc->currentContent) return true;
  // Drawing after a refused or finalized page must not reach any page's content.
  if (!doc->noPageReported) {
    doc->noPageReported = true;
    cpdf_docError(doc, 2, op, "No page is open for drawing");
  }
  return false;
}

void contentBytes(CpdfDocument* doc, const char* data, int32_t n) {
  if (doc->groupDepth > 0 && doc->groupRefused) return;
  if (cpdf_memStreamWrite(doc->currentContent, data, n) != 0) failAllocation(doc);
}

void contentLine(CpdfDocument* doc, const Line& line, const char* op) {
  if (!contentAvailable(doc, op)) return;
  if (doc->groupDepth > 0 && doc->groupRefused) return;
  if (!line.ok()) {
    cpdf_docError(doc, 1, op, "Number is not finite: operator refused");
    if (doc->groupDepth > 0) doc->groupRefused = true;
    return;
  }
  contentBytes(doc, line.str().data(), static_cast<int32_t>(line.str().size()));
}

bool numbersLine(CpdfDocument* doc, std::initializer_list<float> values, int decimals, const char* op,
                 const char* label) {
  Line l;
  bool first = true;
  for (float v : values) {
    if (!first) l.text(" ");
    l.fixed(v, decimals);
    first = false;
  }
  l.text(" ").text(op).text("\n");
  contentLine(doc, l, label);
  return l.ok();
}

bool finite(std::initializer_list<float> values) {
  for (float v : values)
    if (!usable(v)) return false;
  return true;
}

ContentGroup::ContentGroup(CpdfDocument* doc) : doc_(doc) {
  if (doc_->groupDepth++ > 0) return;
  doc_->groupRefused = false;
  doc_->groupStream = doc_->currentContent;
  doc_->groupStart = doc_->currentContent ? doc_->currentContent->count : 0;
  doc_->groupX = doc_->curX;
  doc_->groupY = doc_->curY;
  std::memcpy(doc_->groupTextMatrix, doc_->textMatrix, sizeof doc_->textMatrix);
}

ContentGroup::~ContentGroup() {
  if (--doc_->groupDepth > 0) return;
  if (doc_->groupRefused) {
    if (doc_->groupStream && doc_->groupStream == doc_->currentContent && doc_->groupStream->count >= doc_->groupStart)
      doc_->groupStream->count = doc_->groupStart;
    doc_->curX = doc_->groupX;
    doc_->curY = doc_->groupY;
    std::memcpy(doc_->textMatrix, doc_->groupTextMatrix, sizeof doc_->textMatrix);
  }
  doc_->groupRefused = false;
  doc_->groupStream = nullptr;
}

}  // namespace cpdf_detail

void cpdf_contentOut(CpdfDocument* doc, const char* text) {
  if (!text || !cpdf_detail::contentAvailable(doc, "cpdf_contentOut()")) return;
  cpdf_detail::contentBytes(doc, text, static_cast<int32_t>(std::strlen(text)));
}
