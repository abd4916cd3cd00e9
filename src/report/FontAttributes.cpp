#include "report/FontAttributes.h"

#include "foundation/Assert.h"

namespace PV {
namespace Report {

namespace {
const char* const FONT_STYLE_NAMES[NUM_FONT_STYLES] = {"no font style selected",
                                                       "AvantGarde-Book",
                                                       "AvantGarde-BookOblique",
                                                       "AvantGarde-Demi",
                                                       "AvantGarde-DemiOblique",
                                                       "Bookman-Demi",
                                                       "Bookman-DemiItalic",
                                                       "Bookman-Light",
                                                       "Bookman-LightItalic",
                                                       "Courier",
                                                       "Courier-Bold",
                                                       "Courier-BoldOblique",
                                                       "Courier-Oblique",
                                                       "CPDF-Monospace",
                                                       "CPDF-SmallCap",
                                                       "Helvetica",
                                                       "Helvetica-Bold",
                                                       "Helvetica-BoldOblique",
                                                       "Helvetica-Condensed",
                                                       "Helvetica-Condensed-Bold",
                                                       "Helvetica-Condensed-BoldObl",
                                                       "Helvetica-Condensed-Oblique",
                                                       "Helvetica-Narrow",
                                                       "Helvetica-Narrow-Bold",
                                                       "Helvetica-Narrow-BoldOblique",
                                                       "Helvetica-Narrow-Oblique",
                                                       "Helvetica-Oblique",
                                                       "NewCenturySchlbk-Bold",
                                                       "NewCenturySchlbk-BoldItalic",
                                                       "NewCenturySchlbk-Italic",
                                                       "NewCenturySchlbk-Roman",
                                                       "Palatino-Bold",
                                                       "Palatino-BoldItalic",
                                                       "Palatino-Italic",
                                                       "Palatino-Roman",
                                                       "Symbol",
                                                       "Times-Bold",
                                                       "Times-BoldItalic",
                                                       "Times-Italic",
                                                       "Times-Roman",
                                                       "ZapfChancery-MediumItalic",
                                                       "ZapfDingbats"};

// Every construction of font attributes, copies included, takes the next number.
uint32_t nextInstanceNumber() {
  static uint32_t counter = 0;
  return ++counter;
}
}  // namespace

const char* fontStyleName(uint32_t styleIndex) {
  PV_ASSERT(styleIndex < NUM_FONT_STYLES);
  return FONT_STYLE_NAMES[styleIndex];
}

FontMetrics::FontMetrics(const Position& position, float beforePts, float textPts, float afterPts, float angle,
                         int32_t justifyHorizPage)
    : position_(position), angle_(angle) {
  setBeforePts(beforePts);
  setTextPts(textPts);
  setAfterPts(afterPts);
  setJustifyHorizPage(justifyHorizPage);
}

float FontMetrics::getBeforePts() const {
  PV_ASSERT(beforePts_ >= 0.0);
  return beforePts_;
}
float FontMetrics::getTextPts() const {
  PV_ASSERT(textPts_ >= 0.0);
  return textPts_;
}
float FontMetrics::getAfterPts() const {
  PV_ASSERT(afterPts_ >= 0.0);
  return afterPts_;
}
int32_t FontMetrics::getJustifyHorizPage() const {
  PV_ASSERT(JUSTIFY_NONE == justifyHorizPage_ || JUSTIFY_LEFT == justifyHorizPage_ ||
            JUSTIFY_CENTER == justifyHorizPage_ || JUSTIFY_RIGHT == justifyHorizPage_);
  return justifyHorizPage_;
}
void FontMetrics::setBeforePts(float beforePts) {
  PV_ASSERT(beforePts >= 0.0);
  beforePts_ = beforePts;
}
void FontMetrics::setTextPts(float textPts) {
  PV_ASSERT(textPts > 0.0);
  textPts_ = textPts;
}
void FontMetrics::setAfterPts(float afterPts) {
  PV_ASSERT(afterPts >= 0.0);
  afterPts_ = afterPts;
}
void FontMetrics::setJustifyHorizPage(int32_t justifyHorizPage) {
  PV_ASSERT(JUSTIFY_NONE == justifyHorizPage || JUSTIFY_LEFT == justifyHorizPage ||
            JUSTIFY_CENTER == justifyHorizPage || JUSTIFY_RIGHT == justifyHorizPage);
  justifyHorizPage_ = justifyHorizPage;
}

FontAttributes::FontAttributes()
    : metrics_(Position(100.0, 100.0, 1.0), 0.0f, 10.0f, 0.0f, 0.0f, JUSTIFY_NONE),
      instanceNumber_(nextInstanceNumber()) {}

FontAttributes::FontAttributes(const FontMetrics& metrics, const FontColor& color, uint32_t styleIndex,
                               const FontEncoding& encoding)
    : metrics_(metrics),
      color_(color),
      styleIndex_(styleIndex),
      encoding_(encoding),
      instanceNumber_(nextInstanceNumber()) {}

FontAttributes::FontAttributes(const FontAttributes& other)
    : metrics_(other.metrics_),
      color_(other.color_),
      styleIndex_(other.styleIndex_),
      encoding_(other.encoding_),
      instanceNumber_(nextInstanceNumber()) {}

FontAttributes& FontAttributes::operator=(const FontAttributes& other) {
  metrics_ = other.metrics_;
  color_ = other.color_;
  styleIndex_ = other.styleIndex_;
  encoding_ = other.encoding_;
  return *this;
}

}  // namespace Report
}  // namespace PV
