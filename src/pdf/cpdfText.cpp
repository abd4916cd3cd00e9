// Text objects and text operators.
#include "pdf/cpdfInternal.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

using cpdf_detail::contentLine;
using cpdf_detail::finite;
using cpdf_detail::Line;
using cpdf_detail::numbersLine;

namespace {

constexpr float kPi = 3.141592654f;

void writeMatrix(CpdfDocument* doc, const float m[6]) {
  numbersLine(doc, {m[0], m[1], m[2], m[3], m[4], m[5]}, 4, "Tm", "cpdf_setTextMatrix()");
}

void setMatrix(CpdfDocument* doc, float a, float b, float c, float d, float e, float f) {
  if (!finite({a, b, c, d, e, f})) {
    numbersLine(doc, {a, b, c, d, e, f}, 4, "Tm", "cpdf_setTextMatrix()");
    return;
  }
  float m[6] = {a, b, c, d, e, f};
  std::memcpy(doc->textMatrix, m, sizeof m);
  writeMatrix(doc, m);
}

void show(CpdfDocument* doc, const char* text, const char* op) {
  if (!text || !cpdf_detail::contentAvailable(doc, "cpdf_text()")) return;
  std::string body;
  if (doc->hexText) {
    std::string bytes = cpdf_bytesFromHex(text);
    body = cpdf_quoteBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
  } else {
    body = cpdf_quoteTextCopy(text);
  }
  std::string line = "(" + body + ") " + op + "\n";
  cpdf_detail::contentBytes(doc, line.data(), static_cast<int32_t>(line.size()));
}

}  // namespace

void cpdf_beginText(CpdfDocument* doc) {
  Line l;
  l.text("\nBT\n");
  contentLine(doc, l, "cpdf_beginText()");
  static const float identity[6] = {1, 0, 0, 1, 0, 0};
  std::memcpy(doc->textMatrix, identity, sizeof identity);
  doc->inText = 1;
}

void cpdf_endText(CpdfDocument* doc) {
  Line l;
  l.text("ET\n");
  contentLine(doc, l, "cpdf_endText()");
  doc->inText = 0;
}

void cpdf_wordSpacingTw(CpdfDocument* doc, float v) {
  numbersLine(doc, {v}, 3, "Tw", "cpdf_setWordSpacing()");
  if (cpdf_detail::usable(v)) doc->wordSpacing = v;
}
void cpdf_charSpacingTc(CpdfDocument* doc, float v) {
  numbersLine(doc, {v}, 3, "Tc", "cpdf_setCharacterSpacing()");
  if (cpdf_detail::usable(v)) doc->charSpacing = v;
}
void cpdf_horizScaleTz(CpdfDocument* doc, float v) {
  numbersLine(doc, {v}, 2, "Tz", "cpdf_setHorizontalScaling()");
  if (cpdf_detail::usable(v)) doc->horizScale = v;
}
void cpdf_textLeadingTL(CpdfDocument* doc, float v) {
  numbersLine(doc, {v}, 2, "TL", "cpdf_setTextLeading()");
  if (cpdf_detail::usable(v)) doc->leading = v;
}
void cpdf_textRiseTs(CpdfDocument* doc, float v) {
  numbersLine(doc, {v}, 3, "Ts", "cpdf_setTextRise()");
  if (cpdf_detail::usable(v)) doc->rise = v;
}
void cpdf_setTextRenderingMode(CpdfDocument* doc, int mode) {
  Line l;
  l.integer(mode).text(" Tr\n");
  contentLine(doc, l, "cpdf_setTextRenderingMode()");
}

void cpdf_textMatrixTm(CpdfDocument* doc, float a, float b, float c, float d, float e, float f) {
  setMatrix(doc, a, b, c, d, e, f);
}

void cpdf_textMatrixProduct(CpdfDocument* doc, float a, float b, float c, float d, float e, float f) {
  if (!finite({a, b, c, d, e, f})) {
    numbersLine(doc, {a, b, c, d, e, f}, 4, "Tm", "cpdf_concatTextMatrix()");
    return;
  }
  float given[6] = {a, b, c, d, e, f};
  cpdf_matrixProduct(doc->textMatrix, given);
  writeMatrix(doc, doc->textMatrix);
}

void cpdf_turnText(CpdfDocument* doc, float angle) {
  float t = kPi * angle / 180.0f;
  cpdf_textMatrixProduct(doc, std::cos(t), std::sin(t), -std::sin(t), std::cos(t), 0, 0);
}

void cpdf_slantText(CpdfDocument* doc, float alpha, float beta) {
  cpdf_textMatrixProduct(doc, 1, std::tan(kPi * alpha / 180.0f), std::tan(kPi * beta / 180.0f), 1, 0, 0);
}

void cpdf_pointsTextPlace(CpdfDocument* doc, float x, float y) {
  const float* m = doc->textMatrix;
  setMatrix(doc, m[0], m[1], m[2], m[3], x, y);
}

void cpdf_domainTextPlace(CpdfDocument* doc, float x, float y) {
  cpdf_pointsTextPlace(doc, x_Domain2Points(doc, x), y_Domain2Points(doc, y));
}

void cpdf_pointsTextShift(CpdfDocument* doc, float dx, float dy) {
  numbersLine(doc, {dx, dy}, 3, "Td", "cpdf_textShift()");
}

void cpdf_domainTextShift(CpdfDocument* doc, float dx, float dy) {
  cpdf_pointsTextShift(doc, x_Domain2Points(doc, dx) - x_Domain2Points(doc, 0),
                       y_Domain2Points(doc, dy) - y_Domain2Points(doc, 0));
}

void cpdf_textNextLine(CpdfDocument* doc) {
  Line l;
  l.text("T*\n");
  contentLine(doc, l, "cpdf_textCRLF()");
}

void cpdf_textShowTj(CpdfDocument* doc, const char* text) { show(doc, text, "Tj"); }
void cpdf_textNextLineShow(CpdfDocument* doc, const char* text) { show(doc, text, "'"); }

void cpdf_rawText(CpdfDocument* doc, float x, float y, float angle, const char* text) {
  cpdf_detail::ContentGroup group(doc);
  float t = kPi * angle / 180.0f;
  float c = std::cos(t), s = std::sin(t);
  if (!finite({x, y, c, s})) {
    numbersLine(doc, {c, s, -s, c, x, y}, 4, "Tm", "cpdf_rawText()");
    return;
  }
  setMatrix(doc, c, s, -s, c, x, y);
  show(doc, text, "Tj");
}

void cpdf_domainText(CpdfDocument* doc, float x, float y, float angle, const char* text) {
  cpdf_rawText(doc, x_Domain2Points(doc, x), y_Domain2Points(doc, y), angle, text);
}

void cpdf_pointsAlignedText(CpdfDocument* doc, float x, float y, float angle, int code, const char* text) {
  cpdf_detail::ContentGroup group(doc);
  int horizontal = code % 3, vertical = code / 3;
  float w = cpdf_stringWidth(doc, text);
  float h = cpdf_detail::fontCapHeight(doc) * doc->fontSize;
  float dx = horizontal == 1 ? w / 2 : horizontal == 2 ? w : 0;
  float dy = vertical == 1 ? h / 2 : vertical == 2 ? h : 0;
  float t = kPi * angle / 180.0f;
  float c = std::cos(t), s = std::sin(t);
  float ex = x - (dx * c - dy * s), ey = y - (dx * s + dy * c);
  if (!finite({ex, ey, c, s})) {
    numbersLine(doc, {c, s, -s, c, ex, ey}, 4, "Tm", "cpdf_pointsAlignedText()");
    return;
  }
  setMatrix(doc, c, s, -s, c, ex, ey);
  show(doc, text, "Tj");
}

void cpdf_hexTextSet(CpdfDocument* doc, int flag) { doc->hexText = flag; }
