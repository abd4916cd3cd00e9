#include "PdfTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#ifdef _WIN32
#include <direct.h>
#endif

namespace pdftest {

std::vector<Report>& reports() {
  static std::vector<Report> list;
  return list;
}

static std::string format(const char* fmt, va_list args) {
  char buf[4096];
  std::vsnprintf(buf, sizeof buf, fmt, args);
  return buf;
}

void recordingHandler(CpdfDocument*, int level, const char* label, const char* fmt, va_list args) {
  reports().push_back({level, label ? label : "", format(fmt, args)});
}

void recordingHook(int level, const char* module, const char* fmt, va_list args) {
  reports().push_back({level, module ? module : "", format(fmt, args)});
}

bool reported(const std::string& text) {
  for (const Report& r : reports())
    if (r.message == text) return true;
  return false;
}

CpdfDocument* openDocument(bool compress, const CpdfLimits* limits) {
  reports().clear();
  cpdf_globalHookSet(recordingHook);
  CpdfDocument* doc = cpdf_open(0, limits);
  cpdf_errorHandlerSet(doc, recordingHandler);
  if (compress) cpdf_enableCompression(doc, 1);
  cpdf_init(doc);
  struct tm t {};
  t.tm_year = 107;
  t.tm_mon = 2;
  t.tm_mday = 3;
  t.tm_hour = 14;
  t.tm_min = 5;
  cpdf_creationTimeSet(doc, &t);
  return doc;
}

std::string finish(CpdfDocument* doc) {
  if (cpdf_finalizeAll(doc) != 0) return std::string();
  const char* buf = nullptr;
  int32_t len = 0;
  cpdf_documentBuffer(doc, &buf, &len);
  return std::string(buf ? buf : "", static_cast<size_t>(len));
}

std::string pageContent(CpdfDocument* doc, int n) {
  const CpdfPage& p = doc->pages[static_cast<size_t>(n)];
  if (!p.content) return std::string();
  return std::string(p.content->buffer, static_cast<size_t>(p.content->count));
}

std::string sampleDir() {
  const char* env = std::getenv("PV_PDF_SAMPLE_DIR");
  std::string dir = env && *env ? env : "pdf-samples";
#ifdef _WIN32
  _mkdir(dir.c_str());
#else
  mkdir(dir.c_str(), 0777);
#endif
  return dir;
}

void writeSample(const std::string& name, const std::string& bytes) {
  std::string path = sampleDir() + "/" + name;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

bool xrefConsistent(const std::string& pdf, std::string* why) {
  auto fail = [&](const std::string& w) {
    if (why) *why = w;
    return false;
  };
  size_t sx = pdf.rfind("startxref\n");
  if (sx == std::string::npos) return fail("no startxref");
  long xref = std::strtol(pdf.c_str() + sx + 10, nullptr, 10);
  if (xref <= 0 || static_cast<size_t>(xref) >= pdf.size() || pdf.compare(static_cast<size_t>(xref), 5, "xref\n") != 0)
    return fail("startxref does not point at xref");
  size_t pos = static_cast<size_t>(xref) + 5;
  int first = 0, count = 0;
  if (std::sscanf(pdf.c_str() + pos, "%d %d", &first, &count) != 2 || first != 0) return fail("bad subsection header");
  pos = pdf.find('\n', pos) + 1;
  if (pdf.compare(pos, 20, "0000000000 65535 f \n") != 0) return fail("bad free entry");
  for (int k = 1; k < count; ++k) {
    size_t e = pos + 20 * static_cast<size_t>(k);
    if (e + 20 > pdf.size() || pdf.compare(e + 10, 10, " 00000 n \n") != 0)
      return fail("entry " + std::to_string(k) + " is not 20 bytes");
    long off = std::strtol(pdf.substr(e, 10).c_str(), nullptr, 10);
    std::string head = std::to_string(k) + " 0 obj\n";
    if (pdf.compare(static_cast<size_t>(off), head.size(), head) != 0)
      return fail("offset of object " + std::to_string(k) + " misses");
  }
  return true;
}

}  // namespace pdftest
