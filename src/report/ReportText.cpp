#include "report/ReportText.h"

#include "foundation/Assert.h"
#include "report/ReportDevice.h"

namespace PV {
namespace Report {

ReportText::ReportText() = default;

ReportText::ReportText(ReportDevice* reportDevice, const std::string& text, const FontAttributes& attributes)
    : reportDevice_(reportDevice), text_(text), attributes_(attributes) {
  PV_ASSERT(reportDevice != NULL);
}

ReportText::ReportText(const std::string& text, const FontAttributes& attributes)
    : text_(text), attributes_(attributes) {}

void ReportText::setText(const std::string& text) {
  text_ = text;
  width_ = -1.0f;
}

void ReportText::setAttributes(const FontAttributes& attributes) {
  attributes_ = attributes;
  width_ = -1.0f;
}

float ReportText::width() {
  if (width_ < 0.0f) {
    if (text_.empty()) {
      width_ = 0.0f;
    } else {
      PV_ASSERT(reportDevice_ != NULL);
      width_ = static_cast<float>(reportDevice_->stringWidth(text_));
    }
  }
  return width_;
}

void ReportText::setPosition(const Position& position) {
  FontMetrics metrics = attributes_.getMetrics();
  metrics.setPosition(position);
  attributes_.setMetrics(metrics);
}

void ReportText::draw() {
  PV_ASSERT(reportDevice_ != NULL);
  ReportDevice& device = *reportDevice_;
  const FontMetrics metrics = attributes_.getMetrics();
  const FontColor color = attributes_.getColor();
  device.setFontStyleIndex(attributes_.getStyleIndex());
  device.setFontEncoding(attributes_.getEncoding());
  device.setFontHeightPoints(metrics.getTextPts());
  device.setTextAngle(metrics.getAngle());
  device.setColor(COLOR_TEXT_FILL, color.getForeground());
  device.setTextHighlight(color.getHighlight());
  if (color.getHighlight()) device.setColor(COLOR_TEXT_HIGHLIGHT, color.getBackground());
  device.moveToWorld(metrics.getPosition());
  device.beginText();
  device.drawText(text_);
  device.endText();
}

}  // namespace Report
}  // namespace PV
