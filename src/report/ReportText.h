// A piece of report text with its looks, measured through the report device and
// drawn in one call (titles, labels and cells of the sections and the chart).
#pragma once

#include <string>

#include "report/FontAttributes.h"

namespace PV {
namespace Report {

class ReportDevice;

class ReportText {
 public:
  ReportText();
  ReportText(ReportDevice* reportDevice, const std::string& text, const FontAttributes& attributes);
  ReportText(const std::string& text, const FontAttributes& attributes);

  void setDevice(ReportDevice* device) { reportDevice_ = device; }
  void setText(const std::string& text);
  const std::string& getText() const { return text_; }
  void setAttributes(const FontAttributes& attributes);
  const FontAttributes& getAttributes() const { return attributes_; }
  size_t length() const { return text_.size(); }

  // Width in points in the device's current font; measured once, kept until the
  // text or its looks change.
  float width();
  void setPosition(const Position& position);
  void draw();

 private:
  ReportDevice* reportDevice_ = nullptr;
  std::string text_;
  FontAttributes attributes_;
  float width_ = -1.0f;
};

}  // namespace Report
}  // namespace PV
