// Plot domains (a page rectangle mapped to coordinates of its own), meshes and axes.
#include "pdf/cpdfInternal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

using cpdf_detail::Line;

namespace {

constexpr uint32_t kDomainMagic = 0xDADA3333;
constexpr uint32_t kAxisMagic = 0xAFAFAFAF;
constexpr int kMaxSteps = 100000;  // a step too small for its range draws no more than this

bool domainOk(const CpdfPlotDomain* d) { return d && d->magic == kDomainMagic; }

float logOf(float v) { return v > 0 ? std::log10(v) : 0.0f; }

}  // namespace

// ---- domains -------------------------------------------------------------------------

void cpdf_tickRangeRound(float min, float max, float* low, float* high, float* majorStart, float* majorStep,
                         float* minorStart, float* minorStep) {
  static const float rows[][3] = {{10, 1, 5},   {12, 1, 4},   {15, 1, 5},   {16, 1, 4},   {20, 1, 5},
                                  {25, 1, 5},   {30, 2, 10},  {35, 5, 10},  {40, 5, 10},  {50, 5, 10},
                                  {60, 10, 20}, {80, 10, 20}, {90, 10, 30}, {100, 10, 50}};
  float m = std::max(std::fabs(min), std::fabs(max));
  int exponent = 0;
  float mantissa = cpdf_exponentSplit(m, &exponent);
  if (m != 0) {
    mantissa *= 10;
    exponent -= 1;
  }
  int row = 13;
  for (int i = 0; i < 14; ++i) {
    if (rows[i][0] >= mantissa) {
      row = i;
      break;
    }
  }
  float scale = std::pow(10.0f, static_cast<float>(exponent));
  float limit = rows[row][0];
  *minorStep = rows[row][1] * scale;
  *majorStep = rows[row][2] * scale;
  float lo, hi;
  int guard = 0;
  if (min >= 0 && max > 0) {
    hi = limit * scale;
    lo = hi;
    while (lo > min && guard++ < kMaxSteps) lo -= *majorStep;
  } else if (max < 0 || (min >= 0 && max <= 0)) {
    lo = -limit * scale;
    hi = lo;
    while (hi < max && guard++ < kMaxSteps) hi += *majorStep;
  } else {
    hi = 0;
    while (hi < max && guard++ < kMaxSteps) hi += *majorStep;
    lo = 0;
    while (lo > min && guard++ < kMaxSteps) lo -= *majorStep;
  }
  *low = lo;
  *high = hi;
  *majorStart = lo;
  *minorStart = lo;
}

CpdfPlotDomain* cpdf_newPlotDomain(float x, float y, float width, float height, float xMin, float xMax, float yMin,
                                   float yMax, int xType, int yType, int timeFlag) {
  auto* d = new (std::nothrow) CpdfPlotDomain;
  if (!cpdf_allocCheck(d)) return nullptr;
  d->x = x;
  d->y = y;
  d->width = width;
  d->height = height;
  d->xMin = xMin;
  d->xMax = xMax;
  d->yMin = yMin;
  d->yMax = yMax;
  d->xType = xType;
  d->yType = yType;
  d->timeFlag = timeFlag;
  float lo, hi;
  if (xType == 0)
    cpdf_tickRangeRound(xMin, xMax, &lo, &hi, &d->mesh[0][0], &d->mesh[0][1], &d->mesh[0][2], &d->mesh[0][3]);
  if (yType == 0)
    cpdf_tickRangeRound(yMin, yMax, &lo, &hi, &d->mesh[1][0], &d->mesh[1][1], &d->mesh[1][2], &d->mesh[1][3]);
  return d;
}

CpdfPlotDomain* cpdf_newTimePlotDomain(float x, float y, float width, float height, const struct tm* startTime,
                                       const struct tm* endTime, float yMin, float yMax, int xType, int yType,
                                       int timeFlag) {
  float days = cpdf_dayCount(startTime, endTime);
  CpdfPlotDomain* d = cpdf_newPlotDomain(x, y, width, height, 0, days, yMin, yMax, 0, yType, timeFlag);
  if (!d) return nullptr;
  (void)xType;
  d->timeDomain = true;
  d->startTime = *startTime;
  d->endTime = *endTime;
  cpdf_normalizeTime(&d->startTime);
  cpdf_normalizeTime(&d->endTime);
  d->majorWidth = 0.16f;
  d->minorWidth = 0.1f;
  return d;
}

void cpdf_plotDomainFree(CpdfPlotDomain* domain) {
  if (!domain) return;
  if (CpdfDocument* doc = domain->doc) {
    auto& list = doc->attachedDomains;
    list.erase(std::remove(list.begin(), list.end(), domain), list.end());
    // The document must not go on mapping through freed memory: it falls back to the
    // current page's own domain, or to none.
    if (doc->currentDomain == domain) {
      doc->currentDomain = nullptr;
      int n = doc->currentPage;
      if (n >= 1 && n < static_cast<int>(doc->pages.size()) && doc->pages[n].defaultDomain &&
          doc->pages[n].defaultDomain.get() != domain)
        pdf_setPlotDomain(doc, doc->pages[n].defaultDomain.get());
    }
  }
  domain->magic = 0;
  delete domain;
}

CpdfPlotDomain* pdf_setPlotDomain(CpdfDocument* doc, CpdfPlotDomain* domain) {
  CpdfPlotDomain* previous = doc ? doc->currentDomain : nullptr;
  if (!doc || !domainOk(domain)) return previous;
  if (domain->doc != doc) {
    try {
      doc->attachedDomains.push_back(domain);
    } catch (const std::bad_alloc&) {
      cpdf_detail::failAllocation(doc);
      return previous;
    }
  }
  domain->doc = doc;
  doc->currentDomain = domain;
  float dx = domain->xMax - domain->xMin, dy = domain->yMax - domain->yMin;
  doc->xScale = dx != 0 ? domain->width / dx : 0;
  doc->yScale = dy != 0 ? domain->height / dy : 0;
  doc->logXMin = logOf(domain->xMin);
  doc->logXMax = logOf(domain->xMax);
  doc->logYMin = logOf(domain->yMin);
  doc->logYMax = logOf(domain->yMax);
  return previous;
}

float x_Domain2Points(CpdfDocument* doc, float x) {
  const CpdfPlotDomain* d = doc->currentDomain;
  if (!d) {
    cpdf_docError(doc, 2, "x_Domain2Points()", "Plot domain has not been set. See pdf_setPlotDomain()");
    return 0;
  }
  if (d->xType == 1) {
    if (x <= 0 || doc->logXMax == doc->logXMin) return d->x;
    return d->x + d->width * (std::log10(x) - doc->logXMin) / (doc->logXMax - doc->logXMin);
  }
  return d->x + (x - d->xMin) * doc->xScale;
}

float y_Domain2Points(CpdfDocument* doc, float y) {
  const CpdfPlotDomain* d = doc->currentDomain;
  if (!d) {
    cpdf_docError(doc, 1, "y_Domain2Points()", "Plot domain has not been set. See pdf_setPlotDomain()");
    return 0;
  }
  if (d->yType == 1) {
    if (y <= 0 || doc->logYMax == doc->logYMin) return d->y;
    return d->y + d->height * (std::log10(y) - doc->logYMin) / (doc->logYMax - doc->logYMin);
  }
  return d->y + (y - d->yMin) * doc->yScale;
}

namespace cpdf_detail {

void domainInit(CpdfDocument*, CpdfPage& page, float llx, float lly, float urx, float ury) {
  std::unique_ptr<CpdfPlotDomain> d(new CpdfPlotDomain);
  d->x = llx;
  d->y = lly;
  d->width = urx - llx;
  d->height = ury - lly;
  d->xMin = llx / 72.0f;
  d->xMax = (urx - llx) / 72.0f;
  d->yMin = lly / 72.0f;
  d->yMax = (ury - lly) / 72.0f;
  // Major mesh lines every inch from 0, minor ones every half inch.
  const float steps[4] = {0, 1.0f, 0, 0.5f};
  std::memcpy(d->mesh[0], steps, sizeof steps);
  std::memcpy(d->mesh[1], steps, sizeof steps);
  page.defaultDomain = std::move(d);
}

}  // namespace cpdf_detail

void cpdf_meshStepsSet(CpdfPlotDomain* domain, int axis, float majorStart, float majorStep, float minorStart,
                       float minorStep) {
  if (!domainOk(domain)) return;
  float* m = domain->mesh[axis ? 1 : 0];
  m[0] = majorStart;
  m[1] = majorStep;
  m[2] = minorStart;
  m[3] = minorStep;
}

void cpdf_meshColorSet(CpdfPlotDomain* domain, float majorR, float majorG, float majorB, float minorR, float minorG,
                       float minorB) {
  if (!domainOk(domain)) return;
  const float major[3] = {majorR, majorG, majorB}, minor[3] = {minorR, minorG, minorB};
  std::memcpy(domain->majorColor, major, sizeof major);
  std::memcpy(domain->minorColor, minor, sizeof minor);
}

void cpdf_meshDashSet(CpdfPlotDomain* domain, const char* majorDash, const char* minorDash) {
  if (!domainOk(domain)) return;
  using cpdf_detail::PdfSyntax;
  if ((majorDash && !cpdf_detail::pdfSyntaxValid(majorDash, PdfSyntax::DashPattern)) ||
      (minorDash && !cpdf_detail::pdfSyntaxValid(minorDash, PdfSyntax::DashPattern))) {
    if (domain->doc) cpdf_docError(domain->doc, 1, "cpdf_meshDashSet()", "Malformed dash pattern refused");
    return;
  }
  if (majorDash) domain->majorDash = majorDash;
  if (minorDash) domain->minorDash = minorDash;
}

void cpdf_domainColorBackground(CpdfPlotDomain* domain, float r, float g, float b) {
  if (!domainOk(domain) || !domain->doc) return;
  CpdfDocument* doc = domain->doc;
  cpdf_detail::ContentGroup group(doc);
  cpdf_gsave(doc);
  cpdf_setrgbcolorfill(doc, r, g, b);
  cpdf_rawRect(doc, domain->x, domain->y, domain->width, domain->height);
  cpdf_fill(doc);
  cpdf_grestore(doc);
}

void cpdf_domainGrayBackground(CpdfPlotDomain* domain, float gray) {
  if (!domainOk(domain) || !domain->doc) return;
  CpdfDocument* doc = domain->doc;
  cpdf_detail::ContentGroup group(doc);
  cpdf_gsave(doc);
  cpdf_grayFillG(doc, gray);
  cpdf_rawRect(doc, domain->x, domain->y, domain->width, domain->height);
  cpdf_fill(doc);
  cpdf_grestore(doc);
}

void cpdf_domainClipRect(CpdfPlotDomain* domain) {
  if (!domainOk(domain) || !domain->doc) return;
  CpdfDocument* doc = domain->doc;
  cpdf_detail::ContentGroup group(doc);
  cpdf_newpath(doc);
  cpdf_rawRect(doc, domain->x, domain->y, domain->width, domain->height);
  cpdf_clipNonZero(doc);
  cpdf_newpath(doc);
}

namespace {

// ---- calendar steps of time axes and time meshes ----

struct CalendarStep {
  int unit;  // 0 second, 1 minute, 2 hour, 3 day, 4 month, 5 year
  int count;
};

struct CalendarRow {
  double limit;
  CalendarStep minor, major;
};

const CalendarRow kCalendar[] = {
    {0.042, {1, 1}, {1, 10}}, {0.084, {1, 10}, {2, 1}}, {0.51, {1, 30}, {2, 1}},  {1.1, {2, 1}, {2, 6}},
    {8, {2, 6}, {3, 1}},      {12.5, {2, 12}, {3, 1}},  {21.5, {2, 12}, {3, 5}},  {42, {3, 1}, {3, 10}},
    {190, {3, 10}, {4, 1}},   {367, {4, 1}, {4, 3}},    {735, {4, 1}, {4, 6}},    {2193, {4, 6}, {5, 1}},
    {7306, {5, 1}, {5, 5}},   {21916, {5, 1}, {5, 10}}, {54788, {5, 5}, {5, 10}}, {99999, {5, 10}, {5, 100}},
};

const CalendarRow& calendarRow(float days) {
  for (const CalendarRow& row : kCalendar)
    if (row.limit >= days) return row;
  return kCalendar[15];
}

int monthLength(int tmYear, int tmMon) {
  static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (tmMon == 1 && cpdf_leapYear(tmYear + 1900)) return 29;
  return lengths[tmMon];
}

void calendarAdvance(struct tm& t, const CalendarStep& step) {
  switch (step.unit) {
    case 0:
      t.tm_sec += step.count;
      break;
    case 1:
      t.tm_min += step.count;
      break;
    case 2:
      t.tm_hour += step.count;
      break;
    case 3:
      t.tm_mday += step.count;
      if (t.tm_mday > monthLength(t.tm_year, t.tm_mon)) {
        t.tm_mday = 1;
        t.tm_mon += 1;
      } else if (step.count == 5 && t.tm_mday > 5 && t.tm_mday % 5 == 1) {
        t.tm_mday -= 1;
      } else if (step.count == 10 && t.tm_mday > 10 && t.tm_mday % 10 == 1) {
        t.tm_mday -= 1;
      }
      break;
    case 4:
      t.tm_mon += step.count;
      break;
    default:
      t.tm_year += step.count;
      break;
  }
  cpdf_normalizeTime(&t);
}

// Calls f(position in days, time record) for each calendar step from the start while
// the position is not above the range.
template <typename F>
void eachCalendarStep(const struct tm& start, float range, const CalendarStep& step, F f) {
  struct tm t = start;
  cpdf_normalizeTime(&t);
  for (int n = 0; n < kMaxSteps; ++n) {
    float pos = cpdf_dayCount(&start, &t);
    if (pos > range * 1.0001f) break;
    f(pos, t);
    calendarAdvance(t, step);
  }
}

}  // namespace

namespace {

// Position in points of a domain value along one axis of the domain.
float meshPos(const CpdfPlotDomain* d, int axis, float v) {
  float origin = axis ? d->y : d->x, size = axis ? d->height : d->width;
  float lo = axis ? d->yMin : d->xMin, hi = axis ? d->yMax : d->xMax;
  int type = axis ? d->yType : d->xType;
  if (type == 1) {
    if (v <= 0 || lo <= 0 || hi <= lo) return origin;
    return origin + size * (std::log10(v) - std::log10(lo)) / (std::log10(hi) - std::log10(lo));
  }
  return hi != lo ? origin + (v - lo) * size / (hi - lo) : origin;
}

void meshLine(CpdfDocument* doc, const CpdfPlotDomain* d, int axis, float v) {
  float p = meshPos(d, axis, v);
  if (axis == 0) {
    cpdf_rawMoveto(doc, p, d->y);
    cpdf_rawLineto(doc, p, d->y + d->height);
  } else {
    cpdf_rawMoveto(doc, d->x, p);
    cpdf_rawLineto(doc, d->x + d->width, p);
  }
  cpdf_stroke(doc);
}

void meshStyle(CpdfDocument* doc, const CpdfPlotDomain* d, bool major) {
  cpdf_lineWidthW(doc, major ? d->majorWidth : d->minorWidth);
  cpdf_dashPattern(doc, (major ? d->majorDash : d->minorDash).c_str());
  const float* c = major ? d->majorColor : d->minorColor;
  cpdf_setrgbcolorStroke(doc, c[0], c[1], c[2]);
}

void meshAxis(CpdfDocument* doc, const CpdfPlotDomain* d, int axis) {
  int type = axis ? d->yType : d->xType;
  float hi = axis ? d->yMax : d->xMax, lo = axis ? d->yMin : d->xMin;
  if (axis == 0 && d->timeDomain) {
    const CalendarRow& row = calendarRow(hi);
    meshStyle(doc, d, false);
    eachCalendarStep(d->startTime, hi, row.minor, [&](float pos, const struct tm&) { meshLine(doc, d, 0, pos); });
    meshStyle(doc, d, true);
    eachCalendarStep(d->startTime, hi, row.major, [&](float pos, const struct tm&) { meshLine(doc, d, 0, pos); });
    return;
  }
  if (type == 1) {
    if (!(lo > 0) || !(hi > 0) || !std::isfinite(lo) || !std::isfinite(hi)) return;
    int e = 0;
    float mant = cpdf_exponentSplit(lo * 1.0001f, &e);
    int k = static_cast<int>(mant);
    for (int n = 0; n < kMaxSteps; ++n) {
      float v = static_cast<float>(k) * std::pow(10.0f, static_cast<float>(e));
      if (v > hi * 1.0001f) break;
      meshStyle(doc, d, k == 1);
      meshLine(doc, d, axis, v);
      if (++k > 9) {
        k = 1;
        ++e;
      }
    }
    return;
  }
  const float* m = d->mesh[axis];
  for (int pass = 0; pass < 2; ++pass) {
    bool major = pass == 1;
    float start = major ? m[0] : m[2], step = major ? m[1] : m[3];
    if (!(step > 0) || !std::isfinite(start)) continue;
    meshStyle(doc, d, major);
    int n = 0;
    for (float v = start; v <= hi * 1.0001f && n < kMaxSteps; v = start + step * ++n) meshLine(doc, d, axis, v);
  }
}

}  // namespace

void cpdf_paintDomainMesh(CpdfPlotDomain* domain) {
  if (!domainOk(domain) || !domain->doc) return;
  CpdfDocument* doc = domain->doc;
  cpdf_detail::ContentGroup group(doc);
  cpdf_strokeAdjust(doc, 1);
  cpdf_gsave(doc);
  meshAxis(doc, domain, 0);
  meshAxis(doc, domain, 1);
  cpdf_grestore(doc);
}

// ---- axes ------------------------------------------------------------------------------

struct CpdfAxis {
  uint32_t magic = kAxisMagic;
  CpdfPlotDomain* domain = nullptr;
  float xOffset = 0, yOffset = 0;
  float angle = 0;
  int type = 0;
  float length = 0, lineWidth = 1.0f;
  float min = 0, max = 1;
  int majorTicks = 1, minorTicks = 1;
  float majorLength = 10, minorLength = 5, majorWidth = 2, minorWidth = 1;
  int tickDirection = 2, labelSide = 0;
  int labels = 1;
  float labelDistance = 7;
  int labelsUpright = 1;
  float titleDistance = 7, titleSize = 18;
  int titleUpright = 0;
  float majorStart = 0, majorStep = 1, minorStart = 0, minorStep = 0.5f;
  int tickMask = 1022, labelMask = 2;
  std::string format = "%g", fontName = "Helvetica", encoding = "MacRomanEncoding";
  float fontSize = 12;
  std::vector<std::string> labelTexts;
  std::string title, titleFont = "Helvetica", titleEncoding = "MacRomanEncoding";
  struct tm startTime {
  }, endTime{};
  int monthNames = 1, shortYears = 1;
  int lastMinute = 99, lastHour = 99, lastDay = 99, lastMonth = 99, lastYear = 0;
};

CpdfAxis* cpdf_newAxis(float angle, float length, int type, float min, float max) {
  auto* a = new (std::nothrow) CpdfAxis;
  if (!cpdf_allocCheck(a)) return nullptr;
  a->angle = angle;
  a->length = length;
  a->type = type;
  a->min = min;
  a->max = max;
  if (angle >= 60 && angle < 120) {
    a->tickDirection = 0;
    a->labelSide = 2;
  }
  if (type == 0) {
    float lo, hi;
    cpdf_tickRangeRound(min, max, &lo, &hi, &a->majorStart, &a->majorStep, &a->minorStart, &a->minorStep);
  }
  return a;
}

namespace {

// An axis has no document to report to: an encoding that is no PDF name falls back to
// the default, as a missing one does, rather than being refused at every drawing.
const char* axisEncoding(const char* encoding) {
  if (encoding && cpdf_detail::pdfSyntaxValid(encoding, cpdf_detail::PdfSyntax::EncodingName)) return encoding;
  return "MacRomanEncoding";
}

}  // namespace

CpdfAxis* cpdf_newTimeAxis(float angle, float length, int, const struct tm* startTime, const struct tm* endTime) {
  CpdfAxis* a = cpdf_newAxis(angle, length, 2, 0, cpdf_dayCount(startTime, endTime));
  if (!a) return nullptr;
  a->startTime = *startTime;
  a->endTime = *endTime;
  cpdf_normalizeTime(&a->startTime);
  cpdf_normalizeTime(&a->endTime);
  return a;
}

void cpdf_axisLabelFont(CpdfAxis* axis, int monthNames, int shortYears, const char* fontName, float size,
                        const char* encoding) {
  axis->monthNames = monthNames;
  axis->shortYears = shortYears;
  if (fontName) axis->fontName = fontName;
  axis->fontSize = size;
  axis->encoding = axisEncoding(encoding);
}

void cpdf_axisFree(CpdfAxis* axis) {
  if (!axis) return;
  axis->magic = 0;
  delete axis;
}

void cpdf_bindAxisDomain(CpdfAxis* axis, CpdfPlotDomain* domain, float xOffset, float yOffset) {
  axis->domain = domain;
  axis->xOffset = xOffset;
  axis->yOffset = yOffset;
}

void cpdf_axisLineWidths(CpdfAxis* axis, float lineWidth, float majorTickLength, float minorTickLength,
                         float majorTickWidth, float minorTickWidth) {
  axis->lineWidth = lineWidth;
  axis->majorLength = majorTickLength;
  axis->minorLength = minorTickLength;
  axis->majorWidth = majorTickWidth;
  axis->minorWidth = minorTickWidth;
}

void cpdf_axisTicValues(CpdfAxis* axis, float majorStart, float majorStep, float minorStart, float minorStep) {
  axis->majorStart = majorStart;
  axis->majorStep = majorStep;
  axis->minorStart = minorStart;
  axis->minorStep = minorStep;
}

void cpdf_axisLogMasks(CpdfAxis* axis, int tickMask, int labelMask) {
  axis->tickMask = tickMask;
  axis->labelMask = labelMask;
}

void cpdf_axisNumberFormat(CpdfAxis* axis, const char* format, const char* fontName, float size, const char* encoding) {
  if (format) axis->format = format;
  if (fontName) axis->fontName = fontName;
  axis->fontSize = size;
  axis->encoding = axisEncoding(encoding);
}

void cpdf_axisLabelTexts(CpdfAxis* axis, int count, const char* const* texts) {
  PV_ASSERT(axis != nullptr);
  PV_ASSERT(count > 0);
  PV_ASSERT(texts != nullptr);
  axis->labelTexts.clear();
  for (int i = 0; i < count; ++i) {
    PV_ASSERT(texts[i] != nullptr);
    axis->labelTexts.push_back(texts[i]);
  }
}

void cpdf_axisTitleText(CpdfAxis* axis, const char* text, const char* fontName, const char* encoding, float size) {
  axis->title = text ? text : "";
  if (fontName) axis->titleFont = fontName;
  axis->titleEncoding = axisEncoding(encoding);
  axis->titleSize = size;
}

void cpdf_monthNamesSet(CpdfDocument* doc, const char* const names[12]) {
  for (int i = 0; i < 12; ++i) doc->monthNames[i] = names[i] ? names[i] : "";
}

namespace {

// A numeric label: the axis's format must hold exactly one floating conversion.
std::string numberLabel(const CpdfAxis* a, float v) {
  const std::string& f = a->format;
  size_t pct = f.find('%');
  bool safe = pct != std::string::npos && f.find('%', pct + 1) == std::string::npos;
  size_t i = pct + 1;
  if (safe) {
    while (i < f.size() && std::strchr("-+ #0123456789.", f[i])) ++i;
    safe = i < f.size() && std::strchr("fFeEgG", f[i]) && f.size() - pct < 20;
  }
  // The default "%g" and any format that is not safe to hand to snprintf are written
  // locale-free; other formats go through snprintf with the decimal comma undone.
  std::string text;
  if (safe && f != "%g") {
    char buf[128];
    std::snprintf(buf, sizeof buf, f.c_str(), static_cast<double>(v));
    text = buf;
    for (char& c : text)
      if (c == ',') c = '.';
  } else {
    Line l;
    l.general(v);
    text = l.str();
  }
  if (a->type == 1 && text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
  }
  return text;
}

float axisPos(const CpdfAxis* a, float v) {
  if (a->type == 1) {
    if (v <= 0 || a->min <= 0 || a->max <= a->min) return 0;
    return a->length * (std::log10(v) - std::log10(a->min)) / (std::log10(a->max) - std::log10(a->min));
  }
  return a->max != a->min ? (v - a->min) * a->length / (a->max - a->min) : 0;
}

void tickEnds(const CpdfAxis* a, float length, float& low, float& high) {
  if (a->tickDirection == 0) {
    low = -length;
    high = 0;
  } else if (a->tickDirection == 1) {
    low = -length / 2;
    high = length / 2;
  } else {
    low = 0;
    high = length;
  }
}

void tick(CpdfDocument* doc, const CpdfAxis* a, float p, float length) {
  float low, high;
  tickEnds(a, length, low, high);
  cpdf_rawMoveto(doc, p, low);
  cpdf_rawLineto(doc, p, high);
}

template <typename F>
void eachValue(float start, float step, float max, F f) {
  if (!(step > 0) || !std::isfinite(start)) return;
  int n = 0;
  for (float v = start; v <= max * 1.0001f && n < kMaxSteps; v = start + step * ++n) f(v, n);
}

template <typename F>
void eachLogValue(const CpdfAxis* a, F f) {
  if (a->min <= 0 || a->max <= 0) return;
  int e = 0;
  cpdf_exponentSplit(a->min, &e);
  int k = 1;
  for (int n = 0; n < kMaxSteps; ++n) {
    float v = static_cast<float>(k) * std::pow(10.0f, static_cast<float>(e));
    if (v > a->max * 1.0001f) break;
    if (v >= a->min * 0.9999f) f(v, k);
    if (++k > 9) {
      k = 1;
      ++e;
    }
  }
}

std::string yearLabel(const CpdfAxis* a, int tmYear) {
  Line l;
  int year = tmYear + 1900;
  if (a->shortYears) {
    int y = ((year % 100) + 100) % 100;
    if (y < 10) l.text("0");
    l.integer(y);
  } else {
    l.integer(year);
  }
  return l.str();
}

// The label of one major calendar step; names the larger unit only when it changed.
std::string timeLabel(CpdfAxis* a, const std::string* months, int unit, const struct tm& t) {
  Line l;
  switch (unit) {
    case 0:
      if (t.tm_min != a->lastMinute) l.integer(t.tm_min).text(":");
      l.integer(t.tm_sec);
      break;
    case 1:
      if (t.tm_hour != a->lastHour) l.integer(t.tm_hour).text(":");
      l.integer(t.tm_min);
      break;
    case 2:
      l.integer(t.tm_hour);
      if (t.tm_mday != a->lastDay) l.text(" [").integer(t.tm_mday).text("]");
      break;
    case 3:
      if (t.tm_mon != a->lastMonth) {
        if (a->monthNames)
          l.text(months[t.tm_mon]).text(" ").integer(t.tm_mday);
        else
          l.integer(t.tm_mon + 1).text("/").integer(t.tm_mday);
      } else if (t.tm_mday < 30) {
        l.integer(t.tm_mday);
      }
      break;
    case 4:
      if (a->monthNames)
        l.text(months[t.tm_mon]);
      else
        l.integer(t.tm_mon + 1);
      if (t.tm_year != a->lastYear) l.text(a->monthNames ? " " : "/").text(yearLabel(a, t.tm_year));
      break;
    default:
      l.text(yearLabel(a, t.tm_year));
      break;
  }
  a->lastMinute = t.tm_min;
  a->lastHour = t.tm_hour;
  a->lastDay = t.tm_mday;
  a->lastMonth = t.tm_mon;
  a->lastYear = t.tm_year;
  return l.str();
}

}  // namespace

void cpdf_paintAxis(CpdfAxis* axis) {
  if (!axis || axis->magic != kAxisMagic) return;
  if (!domainOk(axis->domain) || !axis->domain->doc) {
    cpdf_hookError(1, "cpdf", "Axis is not attached to a plot domain");
    return;
  }
  CpdfDocument* doc = axis->domain->doc;
  cpdf_detail::ContentGroup group(doc);
  const CpdfAxis* a = axis;
  cpdf_contentOut(doc, "\n% Axis starts here \n");
  cpdf_gsave(doc);
  float t = a->angle * 0.017453292522222223f;
  float c = std::cos(t), s = std::sin(t);
  cpdf_pointsMatrixConcat(doc, c, s, -s, c, a->domain->x + a->xOffset, a->domain->y + a->yOffset);
  if (a->lineWidth > 0) {
    cpdf_lineWidthW(doc, a->lineWidth);
    cpdf_rawMoveto(doc, -a->majorWidth / 2, 0);
    cpdf_rawLineto(doc, a->length + a->majorWidth / 2, 0);
    cpdf_stroke(doc);
  }
  // Ticks.
  const CalendarRow& row = calendarRow(a->max);
  if (a->type == 2) {
    if (a->minorTicks) {
      cpdf_lineWidthW(doc, a->minorWidth);
      eachCalendarStep(a->startTime, a->max, row.minor,
                       [&](float pos, const struct tm&) { tick(doc, a, axisPos(a, pos), a->minorLength); });
      cpdf_stroke(doc);
    }
    if (a->majorTicks) {
      cpdf_lineWidthW(doc, a->majorWidth);
      eachCalendarStep(a->startTime, a->max, row.major,
                       [&](float pos, const struct tm&) { tick(doc, a, axisPos(a, pos), a->majorLength); });
      cpdf_stroke(doc);
    }
  } else if (a->type == 1) {
    eachLogValue(a, [&](float v, int k) {
      if (!(a->tickMask & (1 << k))) return;
      cpdf_lineWidthW(doc, k == 1 ? a->majorWidth : a->minorWidth);
      tick(doc, a, axisPos(a, v), k == 1 ? a->majorLength : a->minorLength);
      cpdf_stroke(doc);
    });
  } else {
    if (a->minorTicks) {
      cpdf_lineWidthW(doc, a->minorWidth);
      eachValue(a->minorStart, a->minorStep, a->max,
                [&](float v, int) { tick(doc, a, axisPos(a, v), a->minorLength); });
      cpdf_stroke(doc);
    }
    if (a->majorTicks) {
      cpdf_lineWidthW(doc, a->majorWidth);
      eachValue(a->majorStart, a->majorStep, a->max,
                [&](float v, int) { tick(doc, a, axisPos(a, v), a->majorLength); });
      cpdf_stroke(doc);
    }
  }
  // Labels.
  float low, high;
  tickEnds(a, a->majorLength, low, high);
  float edge = a->labelSide ? high : low;
  auto place = [&](float p, const std::string& text, float size, float dist, int upright, float& edgeOut,
                   bool timeLabelPlace = false) {
    float w = cpdf_stringWidth(doc, text.c_str());
    float across = a->labelSide ? edge + dist + (upright ? w : 0) : edge - dist - 0.6f * size;
    float along = upright ? p - (c * w / 2 + s * 0.3f * size) : p - w / 2;
    if (timeLabelPlace) along = upright ? p - (s * 0.3f * size + 0.25f * size) : p - 0.25f * size;
    if (a->labelSide)
      edgeOut = upright ? across + 4.0f : across + size;
    else
      edgeOut = upright ? across - 2.5f : across;
    cpdf_rawText(doc, along, across, upright ? -a->angle : 0, text.c_str());
  };
  float labelEdge = edge;
  if (a->labels) {
    cpdf_beginText(doc);
    cpdf_setFont(doc, a->fontName.c_str(), a->encoding.c_str(), a->fontSize);
    if (a->type == 2) {
      axis->lastMinute = axis->lastHour = axis->lastDay = axis->lastMonth = 99;
      axis->lastYear = 0;
      eachCalendarStep(a->startTime, a->max, row.major, [&](float pos, const struct tm& t) {
        std::string text = timeLabel(axis, doc->monthNames, row.major.unit, t);
        place(axisPos(a, pos), text, a->fontSize, a->labelDistance, a->labelsUpright, labelEdge, true);
      });
    } else if (a->type == 1) {
      eachLogValue(a, [&](float v, int k) {
        if (a->labelMask & (1 << k))
          place(axisPos(a, v), numberLabel(a, v), a->fontSize, a->labelDistance, a->labelsUpright, labelEdge);
      });
    } else {
      eachValue(a->majorStart, a->majorStep, a->max, [&](float v, int n) {
        if (!a->labelTexts.empty() && n >= static_cast<int>(a->labelTexts.size())) return;
        std::string text = a->labelTexts.empty() ? numberLabel(a, v) : a->labelTexts[static_cast<size_t>(n)];
        place(axisPos(a, v), text, a->fontSize, a->labelDistance, a->labelsUpright, labelEdge);
      });
    }
    cpdf_endText(doc);
  }
  if (!a->title.empty()) {
    cpdf_beginText(doc);
    cpdf_setFont(doc, a->titleFont.c_str(), a->titleEncoding.c_str(), a->titleSize);
    edge = labelEdge;
    float ignored;
    place(a->length / 2, a->title, a->titleSize, a->titleDistance, a->titleUpright, ignored);
    cpdf_endText(doc);
  }
  cpdf_grestore(doc);
}
