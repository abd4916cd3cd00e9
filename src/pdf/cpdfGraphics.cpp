// Graphics state, colour and path operators: one line per operator, fixed decimals.
#include "pdf/cpdfInternal.h"

#include <cmath>
#include <initializer_list>

using cpdf_detail::ContentGroup;
using cpdf_detail::contentLine;
using cpdf_detail::finite;
using cpdf_detail::Line;
using cpdf_detail::numbersLine;

namespace {

constexpr float kDegToRad = 0.017453292522222223f;

void plain(CpdfDocument* doc, const char* text, const char* label) {
  Line l;
  l.text(text);
  contentLine(doc, l, label);
}

// Path points move the current point only when the operator was written.
void pathPoint(CpdfDocument* doc, float x, float y, const char* op, const char* label) {
  if (!numbersLine(doc, {x, y}, 3, op, label)) return;
  doc->curX = x;
  doc->curY = y;
}

}  // namespace

void cpdf_gsave(CpdfDocument* doc) { plain(doc, "\nq\n", "cpdf_gsave()"); }
void cpdf_grestore(CpdfDocument* doc) { plain(doc, "Q\n", "cpdf_grestore()"); }

void cpdf_dashPattern(CpdfDocument* doc, const char* dash) {
  if (dash && !cpdf_detail::pdfSyntaxValid(dash, cpdf_detail::PdfSyntax::DashPattern)) {
    if (cpdf_detail::contentAvailable(doc, "cpdf_dashPattern()")) {
      cpdf_docError(doc, 1, "cpdf_dashPattern()", "Malformed dash pattern refused: %s", dash);
      if (doc->groupDepth > 0) doc->groupRefused = true;
    }
    return;
  }
  Line l;
  l.text(dash ? dash : "[] 0").text(" d\n");
  contentLine(doc, l, "cpdf_dashPattern()");
}

void cpdf_solidLine(CpdfDocument* doc) { cpdf_dashPattern(doc, "[] 0"); }

void cpdf_pointsMatrixConcat(CpdfDocument* doc, float a, float b, float c, float d, float e, float f) {
  numbersLine(doc, {a, b, c, d, e, f}, 4, "cm", "cpdf_concat()");
}

void cpdf_domainMatrixConcat(CpdfDocument* doc, float a, float b, float c, float d, float e, float f) {
  cpdf_pointsMatrixConcat(doc, a, b, c, d, x_Domain2Points(doc, e), y_Domain2Points(doc, f));
}

void cpdf_turnAxes(CpdfDocument* doc, float angle) {
  float t = angle * kDegToRad;
  float c = std::cos(t), s = std::sin(t);
  cpdf_pointsMatrixConcat(doc, c, s, -s, c, 0, 0);
}

void cpdf_pointsShift(CpdfDocument* doc, float x, float y) { cpdf_pointsMatrixConcat(doc, 1, 0, 0, 1, x, y); }

void cpdf_shiftAxes(CpdfDocument* doc, float x, float y) {
  cpdf_pointsShift(doc, x_Domain2Points(doc, x), y_Domain2Points(doc, y));
}

void cpdf_scaleAxes(CpdfDocument* doc, float sx, float sy) { cpdf_pointsMatrixConcat(doc, sx, 0, 0, sy, 0, 0); }

void cpdf_flatnessI(CpdfDocument* doc, int v) {
  Line l;
  l.integer(v).text(" i\n");
  contentLine(doc, l, "cpdf_setflat()");
}
void cpdf_lineJoinJ(CpdfDocument* doc, int v) {
  Line l;
  l.integer(v).text(" j\n");
  contentLine(doc, l, "cpdf_setlinejoin()");
}
void cpdf_lineCapJ(CpdfDocument* doc, int v) {
  Line l;
  l.integer(v).text(" J\n");
  contentLine(doc, l, "cpdf_setlinecap()");
}
void cpdf_miterLimitM(CpdfDocument* doc, float v) { numbersLine(doc, {v}, 4, "M", "cpdf_setmiterlimit()"); }
void cpdf_lineWidthW(CpdfDocument* doc, float v) { numbersLine(doc, {v}, 4, "w", "cpdf_setlinewidth()"); }
void cpdf_strokeAdjust(CpdfDocument*, int) {}

void cpdf_grayFillG(CpdfDocument* doc, float g) { numbersLine(doc, {g}, 4, "g", "cpdf_setgray()"); }
void cpdf_grayStrokeG(CpdfDocument* doc, float g) { numbersLine(doc, {g}, 4, "G", "cpdf_setgrayStroke()"); }
void cpdf_setrgbcolorfill(CpdfDocument* doc, float r, float g, float b) {
  numbersLine(doc, {r, g, b}, 4, "rg", "cpdf_setrgbcolorFill()");
}
void cpdf_setrgbcolorStroke(CpdfDocument* doc, float r, float g, float b) {
  numbersLine(doc, {r, g, b}, 4, "RG", "cpdf_setrgbcolorStroke()");
}
void cpdf_cmykFillK(CpdfDocument* doc, float c, float m, float y, float k) {
  numbersLine(doc, {c, m, y, k}, 4, "k", "cpdf_setcmykcolorFill()");
}
void cpdf_cmykStrokeK(CpdfDocument* doc, float c, float m, float y, float k) {
  numbersLine(doc, {c, m, y, k}, 4, "K", "cpdf_setcmykcolorStroke()");
}
void cpdf_grayBoth(CpdfDocument* doc, float g) {
  ContentGroup group(doc);
  cpdf_grayFillG(doc, g);
  cpdf_grayStrokeG(doc, g);
}
void cpdf_rgbBoth(CpdfDocument* doc, float r, float g, float b) {
  ContentGroup group(doc);
  cpdf_setrgbcolorfill(doc, r, g, b);
  cpdf_setrgbcolorStroke(doc, r, g, b);
}
void cpdf_cmykBoth(CpdfDocument* doc, float c, float m, float y, float k) {
  ContentGroup group(doc);
  cpdf_cmykFillK(doc, c, m, y, k);
  cpdf_cmykStrokeK(doc, c, m, y, k);
}

void cpdf_rawGetPosition(CpdfDocument* doc, float* x, float* y) {
  *x = doc->curX;
  *y = doc->curY;
}

void cpdf_rawMoveto(CpdfDocument* doc, float x, float y) { pathPoint(doc, x, y, "m", "cpdf_moveto()"); }
void cpdf_rawLineto(CpdfDocument* doc, float x, float y) { pathPoint(doc, x, y, "l", "cpdf_lineto()"); }
void cpdf_pointsRelMove(CpdfDocument* doc, float dx, float dy) { cpdf_rawMoveto(doc, doc->curX + dx, doc->curY + dy); }
void cpdf_pointsRelLine(CpdfDocument* doc, float dx, float dy) { cpdf_rawLineto(doc, doc->curX + dx, doc->curY + dy); }
void cpdf_moveto(CpdfDocument* doc, float x, float y) {
  cpdf_rawMoveto(doc, x_Domain2Points(doc, x), y_Domain2Points(doc, y));
}
void cpdf_lineto(CpdfDocument* doc, float x, float y) {
  cpdf_rawLineto(doc, x_Domain2Points(doc, x), y_Domain2Points(doc, y));
}

void cpdf_pointsCurve(CpdfDocument* doc, float x1, float y1, float x2, float y2, float x3, float y3) {
  if (numbersLine(doc, {x1, y1, x2, y2, x3, y3}, 3, "c", "cpdf_curveto()")) {
    doc->curX = x3;
    doc->curY = y3;
  }
}

void cpdf_rawRect(CpdfDocument* doc, float x, float y, float w, float h) {
  if (numbersLine(doc, {x, y, w, h}, 3, "re", "cpdf_rect()")) {
    doc->curX = x;
    doc->curY = y;
  }
}

void cpdf_turnPoint(float x, float y, float angle, float* xOut, float* yOut) {
  float t = angle * kDegToRad;
  float c = std::cos(t), s = std::sin(t);
  *xOut = c * x - s * y;
  *yOut = s * x + c * y;
}

void cpdf_pointsTurnedRect(CpdfDocument* doc, float x, float y, float w, float h, float angle) {
  ContentGroup group(doc);
  float px, py;
  cpdf_rawMoveto(doc, x, y);
  cpdf_turnPoint(w, 0, angle, &px, &py);
  cpdf_rawLineto(doc, x + px, y + py);
  cpdf_turnPoint(w, h, angle, &px, &py);
  cpdf_rawLineto(doc, x + px, y + py);
  cpdf_turnPoint(0, h, angle, &px, &py);
  cpdf_rawLineto(doc, x + px, y + py);
  cpdf_closepath(doc);
}

void cpdf_pointsTwoCurveCircle(CpdfDocument* doc, float x, float y, float r) {
  ContentGroup group(doc);
  float k = 1.3333333f * r;
  cpdf_rawMoveto(doc, x - r, y);
  cpdf_pointsCurve(doc, x - r, y + k, x + r, y + k, x + r, y);
  cpdf_pointsCurve(doc, x + r, y - k, x - r, y - k, x - r, y);
  cpdf_closepath(doc);
  doc->curX = x;
  doc->curY = y;
}

void cpdf_pointsCircle(CpdfDocument* doc, float x, float y, float r) {
  ContentGroup group(doc);
  float q = 0.552f * r;
  cpdf_rawMoveto(doc, x + r, y);
  cpdf_pointsCurve(doc, x + r, y + q, x + q, y + r, x, y + r);
  cpdf_pointsCurve(doc, x - q, y + r, x - r, y + q, x - r, y);
  cpdf_pointsCurve(doc, x - r, y - q, x - q, y - r, x, y - r);
  cpdf_pointsCurve(doc, x + q, y - r, x + r, y - q, x + r, y);
  cpdf_closepath(doc);
}

namespace {

// One Bezier segment of half-angle h around the middle angle m.
void arcSegment(CpdfDocument* doc, float x, float y, float r, float m, float h, float sign, int startMode) {
  float a = std::fabs(h) * 3.141592654f / 180.0f;
  float u = std::cos(a), w = std::sin(a);
  float p0x = r * u, p0y = -sign * r * w;
  float cx = (4.0f - u) * r / 3.0f;
  float y1 = (1.0f - u) * (r * sign) * (u - 3.0f) / (3.0f * w);
  float p3x = r * u, p3y = sign * r * w;
  float ax, ay, bx, by, cx2, cy2, dx, dy;
  cpdf_turnPoint(p0x, p0y, m, &ax, &ay);
  cpdf_turnPoint(cx, y1, m, &bx, &by);
  cpdf_turnPoint(cx, -y1, m, &cx2, &cy2);
  cpdf_turnPoint(p3x, p3y, m, &dx, &dy);
  if (startMode == 1) cpdf_rawMoveto(doc, x + ax, y + ay);
  if (startMode == 2) cpdf_rawLineto(doc, x + ax, y + ay);
  cpdf_pointsCurve(doc, x + bx, y + by, x + cx2, y + cy2, x + dx, y + dy);
}

}  // namespace

void cpdf_pointsArc(CpdfDocument* doc, float x, float y, float r, float start, float end, int movetoFlag) {
  ContentGroup group(doc);
  if (!finite({x, y, r, start, end})) {
    numbersLine(doc, {x, y, r, start, end}, 3, "c", "cpdf_arc()");
    return;
  }
  float sweep = std::fabs(end - start);
  if (sweep == 0.0f) return;
  if (sweep > 36000.0f) {  // a hundred turns: certainly a unit mistake, not a drawing
    cpdf_docError(doc, 1, "cpdf_arc()", "Arc of %.0f degrees refused", static_cast<double>(sweep));
    return;
  }
  int n = 1;
  while (sweep / static_cast<float>(n) > 90.0f) ++n;
  float step = (end - start) / static_cast<float>(n);
  float half = step / 2.0f;
  float sign = end >= start ? 1.0f : -1.0f;
  float middle = start + half;
  for (int i = 0; i < n; ++i) {
    int mode = i == 0 ? (movetoFlag ? 1 : 2) : 0;
    arcSegment(doc, x, y, r, middle, half, sign, mode);
    middle += step;
  }
}

void cpdf_domainCircle(CpdfDocument* doc, float x, float y, float r) {
  float px = x_Domain2Points(doc, x);
  cpdf_pointsCircle(doc, px, y_Domain2Points(doc, y), x_Domain2Points(doc, x + r) - px);
}

void cpdf_domainArc(CpdfDocument* doc, float x, float y, float r, float start, float end, int movetoFlag) {
  float px = x_Domain2Points(doc, x);
  cpdf_pointsArc(doc, px, y_Domain2Points(doc, y), x_Domain2Points(doc, x + r) - px, start, end, movetoFlag);
}

void cpdf_closepath(CpdfDocument* doc) { plain(doc, "h\n", "cpdf_closepath()"); }
void cpdf_stroke(CpdfDocument* doc) { plain(doc, "S\n", "cpdf_stroke()"); }
void cpdf_fill(CpdfDocument* doc) { plain(doc, "f\n", "cpdf_fill()"); }
void cpdf_eofill(CpdfDocument* doc) { plain(doc, "f*\n", "cpdf_eofill()"); }
void cpdf_fillAndStroke(CpdfDocument* doc) { plain(doc, "B\n", "cpdf_fillAndStroke()"); }
void cpdf_eofillAndStroke(CpdfDocument* doc) { plain(doc, "B*\n", "cpdf_eofillAndStroke()"); }
void cpdf_clipNonZero(CpdfDocument* doc) { plain(doc, "W\n", "cpdf_clip()"); }
void cpdf_clipEvenOdd(CpdfDocument* doc) { plain(doc, "W*\n", "cpdf_eoclip()"); }
void cpdf_newpath(CpdfDocument* doc) { plain(doc, "n\n", "cpdf_newpath()"); }
