// libFuzzer target over the writer's whole API: the input bytes decode into a sequence
// of calls with extreme arguments (infinities, NaN, huge and tiny numbers, extreme
// integers, texts of PDF syntax well and badly formed, raw bytes), on several pages,
// with plot domains and axes created, made current and freed. Every finished document
// is read back by qpdf with recovery off: a document it cannot read, a warning it gives
// or a content stream it cannot parse is a finding.
#include "pdf/cpdfInternal.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
#include <string>
#include <vector>

namespace {

class Input {
 public:
  Input(const uint8_t* data, size_t size) : p_(data), end_(data + size) {}
  bool more() const { return p_ < end_; }
  uint8_t byte() { return p_ < end_ ? *p_++ : 0; }

  int integer() {
    static const int extremes[] = {0,
                                   1,
                                   -1,
                                   2,
                                   3,
                                   7,
                                   8,
                                   16,
                                   99,
                                   100,
                                   255,
                                   256,
                                   65535,
                                   65536,
                                   std::numeric_limits<int>::max(),
                                   std::numeric_limits<int>::min(),
                                   -2,
                                   1000000};
    uint8_t b = byte();
    if (b < 200) return extremes[b % (sizeof extremes / sizeof extremes[0])];
    int v = 0;
    for (int i = 0; i < 4; ++i) v = static_cast<int>((static_cast<unsigned>(v) << 8) | byte());
    return v;
  }

  float number() {
    static const float extremes[] = {0.0f,
                                     1.0f,
                                     -1.0f,
                                     0.5f,
                                     72.0f,
                                     612.0f,
                                     792.0f,
                                     360.0f,
                                     -90.0f,
                                     1e-30f,
                                     1e9f,
                                     -1e9f,
                                     1e15f,
                                     -1e15f,
                                     1.1e15f,
                                     1e20f,
                                     3.4e38f,
                                     std::numeric_limits<float>::infinity(),
                                     -std::numeric_limits<float>::infinity(),
                                     std::numeric_limits<float>::quiet_NaN(),
                                     std::numeric_limits<float>::denorm_min()};
    uint8_t b = byte();
    if (b < 160) return extremes[b % (sizeof extremes / sizeof extremes[0])];
    if (b < 230) return static_cast<float>(static_cast<int8_t>(byte())) * 7.5f;
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits = (bits << 8) | byte();
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
  }

  // Texts: well and badly formed syntax of every kind the writer takes, or raw bytes.
  std::string text() {
    static const char* samples[] = {"",
                                    "0 0 612 792",
                                    "0 0 612",
                                    "0 0 612] /X [1",
                                    "-5 .5 +600 700.",
                                    "1e5 0 1 1",
                                    "WinAnsiEncoding",
                                    "MacRomanEncoding",
                                    "Win Ansi",
                                    "/Bad",
                                    "A#20B",
                                    "A#2",
                                    "/FlateDecode",
                                    "FlateDecode",
                                    "/A /B",
                                    "/A]>>",
                                    "[2 3] 0",
                                    "[] 0",
                                    "[2 3 0",
                                    "[2 (x)] 0",
                                    "/Fit",
                                    "/XYZ 0 792 0",
                                    "/XYZ null null null",
                                    "12 13",
                                    "/Fit] >>",
                                    "/S /URI /URI (http://x/)",
                                    "/S /URI /URI (x",
                                    "/S /Named /N /NextPage",
                                    "/S >>",
                                    "/S % comment",
                                    "/W 1 /S /D /D [3 2]",
                                    "/W",
                                    "[0 0 1]",
                                    "[0 0 1 [3 2]]",
                                    "[0 0 (x)]",
                                    "(unbalanced",
                                    "a) b ( c",
                                    "\\",
                                    "text\r\nwith\tends",
                                    "<</X 1>>",
                                    "<41 42>",
                                    "<4G>",
                                    "1 0 R",
                                    "stream",
                                    "endobj",
                                    "%",
                                    "\xff\xfe\x80",
                                    "Helvetica",
                                    "Times-Roman",
                                    "Symbol",
                                    "ZapfDingbats",
                                    "Courier-Bold",
                                    "%g",
                                    "%.2f",
                                    "%s%s%s%n",
                                    "%1000f"};
    uint8_t b = byte();
    if (b < 200) return samples[b % (sizeof samples / sizeof samples[0])];
    size_t n = byte() % 64;
    std::string s;
    for (size_t i = 0; i < n && more(); ++i) s += static_cast<char>(byte());
    return s;
  }

 private:
  const uint8_t* p_;
  const uint8_t* end_;
};

void silentHandler(CpdfDocument*, int, const char*, const char*, va_list) {}

struct NoOp : QPDFObjectHandle::ParserCallbacks {
  void handleObject(QPDFObjectHandle) override {}
  void handleEOF() override {}
};

[[noreturn]] void finding(const char* what, const std::string& pdf) {
  std::fprintf(stderr, "finished document rejected by qpdf: %s\n", what);
  FILE* f = std::fopen("api-fuzz-rejected.pdf", "wb");
  if (f) {
    std::fwrite(pdf.data(), 1, pdf.size(), f);
    std::fclose(f);
  }
  std::abort();
}

// Content of a few megabytes (a mesh of a hundred thousand lines) is checked for its
// structure and its streams' encoding only: parsing it would outlast the time limit.
constexpr size_t kParseContentLimit = 1u << 20;

void checkWithQpdf(const std::string& pdf, bool parseContent) {
  try {
    QPDF q;
    q.setSuppressWarnings(true);
    q.setAttemptRecovery(false);
    q.processMemoryFile("fuzz.pdf", pdf.data(), pdf.size());
    for (QPDFObjectHandle& o : q.getAllObjects()) {
      if (o.isStream()) o.getStreamData(qpdf_dl_all);
    }
    if (parseContent) {
      for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(q).getAllPages()) {
        NoOp callbacks;
        page.parseContents(&callbacks);
      }
    }
    if (q.anyWarnings()) finding(q.getWarnings().front().what(), pdf);
  } catch (const std::exception& e) {
    finding(e.what(), pdf);
  }
}

constexpr int kMaxSteps = 3000;

// Counts the steps from start by step up to max as the writer takes them (in float, so
// a step lost in the precision of a large start counts as often as it is taken).
bool fewSteps(float max, float step, float start) {
  if (!(step > 0) || !std::isfinite(start)) return true;
  int n = 0;
  for (float v = start; v <= max * 1.0001f; v = start + step * static_cast<float>(++n))
    if (n >= kMaxSteps) return false;
  return true;
}

bool meshSmall(const CpdfPlotDomain* d) {
  for (int axis = 0; axis < 2; ++axis) {
    if ((axis ? d->yType : d->xType) == 1) continue;  // logarithmic: nine lines a decade
    const float hi = axis ? d->yMax : d->xMax;
    const float* m = d->mesh[axis];
    if (!fewSteps(hi, m[1], m[0]) || !fewSteps(hi, m[3], m[2])) return false;
  }
  return true;
}

CpdfAnnotationStyle styleFrom(Input& in, std::string& array, std::string& bs) {
  CpdfAnnotationStyle s{};
  s.flags = in.integer();
  uint8_t which = in.byte() % 3;
  array = in.text();
  bs = in.text();
  s.borderArray = which == 1 ? array.c_str() : nullptr;
  s.borderStyle = which == 2 ? bs.c_str() : nullptr;
  s.r = in.number();
  s.g = in.number();
  s.b = in.number();
  return s;
}

void run(CpdfDocument* doc, Input& in) {
  std::vector<CpdfPlotDomain*> domains;
  std::vector<CpdfAxis*> axes;
  std::vector<CpdfOutlineEntry*> outlines;
  int steps = 0;
  // A mesh or an axis may draw up to a hundred thousand steps, megabytes of content
  // that take seconds to write, compress and parse under the sanitizers: inputs keep
  // to meshes and ticks of a few thousand steps, one painting each.
  int paints = 0;
  std::vector<float> axisMax;  // the maximum of each axis, parallel to `axes`
  while (in.more() && steps++ < 400) {
    uint8_t op = in.byte();
    switch (op % 48) {
      case 0: {
        int n = in.integer() % 8;
        std::string media = in.text(), crop = in.text();
        cpdf_pageInit(doc, n, in.byte() % 3, in.byte() & 1 ? media.c_str() : nullptr,
                      in.byte() & 1 ? crop.c_str() : nullptr);
        break;
      }
      case 1:
        cpdf_switchPage(doc, in.integer() % 8);
        break;
      case 2:
        cpdf_finalizePage(doc, in.integer() % 8);
        break;
      case 3:
        cpdf_pageDurationSet(doc, in.number());
        break;
      case 4: {
        std::string s = in.text();
        cpdf_dashPattern(doc, s.c_str());
        break;
      }
      case 5: {
        float v[6];
        for (float& x : v) x = in.number();
        if (in.byte() & 1)
          cpdf_pointsMatrixConcat(doc, v[0], v[1], v[2], v[3], v[4], v[5]);
        else
          cpdf_textMatrixTm(doc, v[0], v[1], v[2], v[3], v[4], v[5]);
        break;
      }
      case 6:
        cpdf_lineWidthW(doc, in.number());
        break;
      case 7: {
        float r = in.number(), g = in.number(), b = in.number();
        cpdf_rgbBoth(doc, r, g, b);
        break;
      }
      case 8: {
        float c = in.number(), m = in.number(), y = in.number(), k = in.number();
        cpdf_cmykBoth(doc, c, m, y, k);
        break;
      }
      case 9: {
        float x = in.number(), y = in.number();
        if (in.byte() & 1)
          cpdf_rawMoveto(doc, x, y);
        else
          cpdf_lineto(doc, x, y);
        break;
      }
      case 10: {
        float v[6];
        for (float& x : v) x = in.number();
        cpdf_pointsCurve(doc, v[0], v[1], v[2], v[3], v[4], v[5]);
        break;
      }
      case 11: {
        float x = in.number(), y = in.number(), w = in.number(), h = in.number(), a = in.number();
        if (in.byte() & 1)
          cpdf_rawRect(doc, x, y, w, h);
        else
          cpdf_pointsTurnedRect(doc, x, y, w, h, a);
        break;
      }
      case 12: {
        float x = in.number(), y = in.number(), r = in.number();
        switch (in.byte() % 3) {
          case 0:
            cpdf_pointsCircle(doc, x, y, r);
            break;
          case 1:
            cpdf_pointsTwoCurveCircle(doc, x, y, r);
            break;
          default:
            cpdf_domainCircle(doc, x, y, r);
            break;
        }
        break;
      }
      case 13: {
        float x = in.number(), y = in.number(), r = in.number(), s = in.number(), e = in.number();
        cpdf_pointsArc(doc, x, y, r, s, e, in.byte() & 1);
        break;
      }
      case 14:
        switch (in.byte() % 6) {
          case 0:
            cpdf_stroke(doc);
            break;
          case 1:
            cpdf_fill(doc);
            break;
          case 2:
            cpdf_closepath(doc);
            break;
          case 3:
            cpdf_gsave(doc);
            break;
          case 4:
            cpdf_grestore(doc);
            break;
          default:
            cpdf_newpath(doc);
            break;
        }
        break;
      case 15:
        cpdf_beginText(doc);
        break;
      case 16:
        cpdf_endText(doc);
        break;
      case 17: {
        std::string name = in.text(), enc = in.text();
        cpdf_setFont(doc, name.c_str(), in.byte() & 1 ? enc.c_str() : nullptr, in.number());
        break;
      }
      case 18: {
        float x = in.number(), y = in.number(), a = in.number();
        std::string t = in.text();
        switch (in.byte() % 3) {
          case 0:
            cpdf_rawText(doc, x, y, a, t.c_str());
            break;
          case 1:
            cpdf_pointsAlignedText(doc, x, y, a, in.integer(), t.c_str());
            break;
          default:
            cpdf_domainText(doc, x, y, a, t.c_str());
            break;
        }
        break;
      }
      case 19: {
        std::string t = in.text();
        cpdf_textShowTj(doc, t.c_str());
        break;
      }
      case 20: {
        float v = in.number();
        switch (in.byte() % 5) {
          case 0:
            cpdf_wordSpacingTw(doc, v);
            break;
          case 1:
            cpdf_charSpacingTc(doc, v);
            break;
          case 2:
            cpdf_horizScaleTz(doc, v);
            break;
          case 3:
            cpdf_textLeadingTL(doc, v);
            break;
          default:
            cpdf_textRiseTs(doc, v);
            break;
        }
        break;
      }
      case 21:
        cpdf_hexTextSet(doc, in.byte() & 1);
        break;
      case 22: {
        int w = in.integer(), h = in.integer(), bpc = in.integer(), cs = in.integer();
        int32_t count = in.byte() < 128 ? in.integer() : 0;
        std::vector<uint8_t> bytes(static_cast<size_t>(in.byte()) * 4);
        for (uint8_t& b : bytes) b = in.byte();
        if (count == 0) count = static_cast<int32_t>(bytes.size());
        if (count > static_cast<int32_t>(bytes.size())) count = static_cast<int32_t>(bytes.size());
        float x = in.number(), y = in.number(), a = in.number(), ww = in.number(), hh = in.number();
        cpdf_rawPlaceInLineImage(doc, bytes.data(), count, x, y, a, ww, hh, w, h, bpc, cs, in.byte() & 1);
        break;
      }
      case 23: {
        std::string array, bs, title = in.text(), contents = in.text();
        CpdfAnnotationStyle s = styleFrom(in, array, bs);
        float v[4];
        for (float& x : v) x = in.number();
        pdf_rawSetAnnotation(doc, v[0], v[1], v[2], v[3], title.c_str(), contents.c_str(),
                             in.byte() & 1 ? &s : nullptr);
        break;
      }
      case 24: {
        std::string array, bs, url = in.text();
        CpdfAnnotationStyle s = styleFrom(in, array, bs);
        float v[4];
        for (float& x : v) x = in.number();
        pdf_rawSetActionURL(doc, v[0], v[1], v[2], v[3], url.c_str(), in.byte() & 1 ? &s : nullptr);
        break;
      }
      case 25: {
        std::string array, bs, dest = in.text();
        CpdfAnnotationStyle s = styleFrom(in, array, bs);
        float v[4];
        for (float& x : v) x = in.number();
        pdf_rawSetLinkGoToPage(doc, v[0], v[1], v[2], v[3], in.integer() % 8, in.byte() & 1 ? dest.c_str() : nullptr,
                               in.byte() & 1 ? &s : nullptr);
        break;
      }
      case 26: {
        std::string array, bs, action = in.text();
        CpdfAnnotationStyle s = styleFrom(in, array, bs);
        float v[4];
        for (float& x : v) x = in.number();
        pdf_rawSetLinkAction(doc, v[0], v[1], v[2], v[3], action.c_str(), in.byte() & 1 ? &s : nullptr);
        break;
      }
      case 27: {
        CpdfOutlineEntry* after = outlines.empty() || (in.byte() & 1) ? nullptr : outlines[in.byte() % outlines.size()];
        int sub = in.byte() & 1, open = in.byte() & 1, page = in.integer() % 8;
        std::string title = in.text();
        int type = in.integer() % 12;
        float a = in.number(), b = in.number(), c = in.number(), d = in.number();
        CpdfOutlineEntry* e = pdf_addOutlineEntry(doc, after, sub, open, page, title.c_str(), type, a, b, c, d);
        if (e) outlines.push_back(e);
        break;
      }
      case 28: {
        CpdfOutlineEntry* after = outlines.empty() || (in.byte() & 1) ? nullptr : outlines[in.byte() % outlines.size()];
        int sub = in.byte() & 1, open = in.byte() & 1;
        std::string action = in.text(), title = in.text();
        CpdfOutlineEntry* e = cpdf_outlineEntryWithAction(doc, after, sub, open, action.c_str(), title.c_str());
        if (e) outlines.push_back(e);
        break;
      }
      case 29: {
        if (domains.size() >= 6) break;
        float v[8];
        for (float& x : v) x = in.number();
        int xt = in.byte() % 2, yt = in.byte() % 2;
        CpdfPlotDomain* d = cpdf_newPlotDomain(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], xt, yt, 0);
        if (d) domains.push_back(d);
        break;
      }
      case 30:
        if (!domains.empty()) pdf_setPlotDomain(doc, domains[in.byte() % domains.size()]);
        break;
      case 31:
        if (!domains.empty()) {
          size_t i = in.byte() % domains.size();
          cpdf_plotDomainFree(domains[i]);
          domains.erase(domains.begin() + static_cast<long>(i));
          // An axis bound to the freed domain would point at freed memory: a caller
          // unbinds its axes, as here.
          for (CpdfAxis* a : axes) cpdf_bindAxisDomain(a, nullptr, 0, 0);
        }
        break;
      case 32:
        if (!domains.empty()) {
          CpdfPlotDomain* d = domains[in.byte() % domains.size()];
          float a = in.number(), b = in.number(), c = in.number(), e = in.number();
          cpdf_meshStepsSet(d, in.byte() & 1, a, b, c, e);
          std::string major = in.text(), minor = in.text();
          cpdf_meshDashSet(d, major.c_str(), minor.c_str());
        }
        break;
      case 33:
        if (!domains.empty() && paints++ < 1) {
          CpdfPlotDomain* d = domains[in.byte() % domains.size()];
          switch (in.byte() % 4) {
            case 0:
              if (meshSmall(d)) cpdf_paintDomainMesh(d);
              break;
            case 1:
              cpdf_domainGrayBackground(d, in.number());
              break;
            case 2:
              cpdf_domainClipRect(d);
              break;
            default: {
              float r = in.number(), g = in.number(), b = in.number();
              cpdf_domainColorBackground(d, r, g, b);
              break;
            }
          }
        }
        break;
      case 34: {
        if (axes.size() >= 4) break;
        float angle = in.number(), length = in.number(), lo = in.number(), hi = in.number();
        CpdfAxis* a = cpdf_newAxis(angle, length, in.byte() % 2, lo, hi);
        if (a) {
          axes.push_back(a);
          axisMax.push_back(hi);
        }
        break;
      }
      case 35:
        if (!axes.empty() && !domains.empty()) {
          CpdfAxis* a = axes[in.byte() % axes.size()];
          float x = in.number(), y = in.number();
          cpdf_bindAxisDomain(a, domains[in.byte() % domains.size()], x, y);
        }
        break;
      case 36:
        if (!axes.empty()) {
          const size_t axisIndex = in.byte() % axes.size();
          CpdfAxis* a = axes[axisIndex];
          std::string format = in.text(), font = in.text(), enc = in.text(), title = in.text();
          float size = in.number();
          switch (in.byte() % 4) {
            case 0:
              cpdf_axisNumberFormat(a, format.c_str(), font.c_str(), size, enc.c_str());
              break;
            case 1:
              cpdf_axisTitleText(a, title.c_str(), font.c_str(), enc.c_str(), size);
              break;
            case 2: {
              float v[5];
              for (float& x : v) x = in.number();
              cpdf_axisLineWidths(a, v[0], v[1], v[2], v[3], v[4]);
              break;
            }
            default: {
              float v[4];
              for (float& x : v) x = in.number();
              if (fewSteps(axisMax[axisIndex], v[1], v[0]) && fewSteps(axisMax[axisIndex], v[3], v[2]))
                cpdf_axisTicValues(a, v[0], v[1], v[2], v[3]);
              break;
            }
          }
        }
        break;
      case 37:
        if (!axes.empty() && paints++ < 1) cpdf_paintAxis(axes[in.byte() % axes.size()]);
        break;
      case 38: {
        float x = in.number(), y = in.number();
        if (in.byte() & 1)
          cpdf_moveto(doc, x, y);
        else
          cpdf_domainTextPlace(doc, x, y);
        break;
      }
      case 39: {
        std::string command = in.text(), filter = in.text();
        cpdf_compressionFilterSet(doc, command.c_str(), filter.c_str());
        cpdf_enableCompression(doc, in.byte() & 1);
        break;
      }
      case 40: {
        std::string t = in.text();
        switch (in.byte() % 5) {
          case 0:
            cpdf_infoTitle(doc, t.c_str());
            break;
          case 1:
            cpdf_infoAuthor(doc, t.c_str());
            break;
          case 2:
            cpdf_infoSubject(doc, t.c_str());
            break;
          case 3:
            cpdf_infoKeywords(doc, t.c_str());
            break;
          default:
            cpdf_infoCreator(doc, t.c_str());
            break;
        }
        break;
      }
      case 41: {
        int v[4];
        for (int& x : v) x = in.integer();
        switch (in.byte() % 3) {
          case 0:
            cpdf_pageBoxesSet(doc, v[0], v[1], v[2], v[3]);
            break;
          case 1:
            cpdf_mediaBoxSet(doc, v[0], v[1], v[2], v[3]);
            break;
          default:
            cpdf_cropBoxSet(doc, v[0], v[1], v[2], v[3]);
            break;
        }
        break;
      }
      case 42: {
        float a = in.number(), b = in.number();
        switch (in.byte() % 4) {
          case 0:
            cpdf_turnAxes(doc, a);
            break;
          case 1:
            cpdf_scaleAxes(doc, a, b);
            break;
          case 2:
            cpdf_shiftAxes(doc, a, b);
            break;
          default:
            cpdf_slantText(doc, a, b);
            break;
        }
        break;
      }
      case 43: {
        int v = in.integer();
        switch (in.byte() % 4) {
          case 0:
            cpdf_flatnessI(doc, v);
            break;
          case 1:
            cpdf_lineJoinJ(doc, v);
            break;
          case 2:
            cpdf_lineCapJ(doc, v);
            break;
          default:
            cpdf_setTextRenderingMode(doc, v);
            break;
        }
        break;
      }
      case 44:
        cpdf_miterLimitM(doc, in.number());
        break;
      case 45: {
        float x = in.number(), y = in.number();
        if (in.byte() & 1)
          cpdf_pointsTextShift(doc, x, y);
        else
          cpdf_domainTextShift(doc, x, y);
        break;
      }
      case 46:
        cpdf_textNextLine(doc);
        break;
      default: {
        float v[6];
        for (float& x : v) x = in.number();
        cpdf_textMatrixProduct(doc, v[0], v[1], v[2], v[3], v[4], v[5]);
        break;
      }
    }
  }
  for (CpdfAxis* a : axes) cpdf_axisFree(a);
  for (CpdfPlotDomain* d : domains) cpdf_plotDomainFree(d);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cpdf_globalHookSet(nullptr);
  Input in(data, size);
  CpdfLimits limits = {8, 6, 4, 6, 200};
  CpdfDocument* doc = cpdf_open(0, &limits);
  if (!doc) return 0;
  cpdf_errorHandlerSet(doc, silentHandler);
  if (in.byte() & 1) cpdf_enableCompression(doc, 1);
  cpdf_init(doc);
  struct tm fixed {};
  fixed.tm_year = 107;
  fixed.tm_mday = 3;
  cpdf_creationTimeSet(doc, &fixed);
  cpdf_pageInit(doc, 1, 0, "0 0 612 792", "0 0 612 792");
  run(doc, in);
  size_t content = 0;
  for (const CpdfPage& page : doc->pages)
    if (page.content) content += static_cast<size_t>(page.content->count);
  if (cpdf_finalizeAll(doc) == 0) {
    const char* buffer = nullptr;
    int32_t length = 0;
    cpdf_documentBuffer(doc, &buffer, &length);
    if (buffer && length > 0)
      checkWithQpdf(std::string(buffer, static_cast<size_t>(length)), content <= kParseContentLimit);
  }
  cpdf_close(doc);
  return 0;
}
