// How a text of the report looks: its metrics (position, spacing, size, angle,
// justification), its colours, its font style and its encoding; and the table of
// font styles that the report device selects by index.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "report/Color.h"
#include "report/Position.h"

namespace PV {
namespace Report {

enum : uint32_t { NO_FONT_STYLE_SELECTED = 0, BOOKMAN_LIGHT = 7, SYMBOL = 35, NUM_FONT_STYLES = 42 };

// The writer's name of a font style (1 to 41); index 0 reads "no font style selected".
const char* fontStyleName(uint32_t styleIndex);

enum : int32_t { JUSTIFY_NONE = 0, JUSTIFY_LEFT = 1, JUSTIFY_CENTER = 2, JUSTIFY_RIGHT = 3 };

// A font encoding name, or none for the font's own (built-in) encoding.
using FontEncoding = std::optional<std::string>;

class FontMetrics {
 public:
  FontMetrics() = default;
  FontMetrics(const Position& position, float beforePts, float textPts, float afterPts, float angle,
              int32_t justifyHorizPage);
  virtual ~FontMetrics() = default;
  FontMetrics(const FontMetrics&) = default;
  FontMetrics& operator=(const FontMetrics&) = default;

  const Position& getPosition() const { return position_; }
  void setPosition(const Position& p) { position_ = p; }
  float getBeforePts() const;
  float getTextPts() const;
  float getAfterPts() const;
  float getAngle() const { return angle_; }
  int32_t getJustifyHorizPage() const;
  void setBeforePts(float beforePts);
  void setTextPts(float textPts);
  void setAfterPts(float afterPts);
  void setAngle(float angle) { angle_ = angle; }
  void setJustifyHorizPage(int32_t justifyHorizPage);

 private:
  Position position_{100.0, 100.0, 1.0};
  float beforePts_ = 0.0f;
  float textPts_ = 11.0f;
  float afterPts_ = 0.0f;
  float angle_ = 0.0f;
  int32_t justifyHorizPage_ = JUSTIFY_NONE;
};

class FontAttributes {
 public:
  FontAttributes();
  FontAttributes(const FontMetrics& metrics, const FontColor& color, uint32_t styleIndex, const FontEncoding& encoding);
  FontAttributes(const FontAttributes& other);
  FontAttributes& operator=(const FontAttributes& other);
  virtual ~FontAttributes() = default;

  FontMetrics getMetrics() const { return metrics_; }
  FontColor getColor() const { return color_; }
  uint32_t getStyleIndex() const { return styleIndex_; }
  FontEncoding getEncoding() const { return encoding_; }
  void setMetrics(const FontMetrics& m) { metrics_ = m; }
  void setColor(const FontColor& c) { color_ = c; }
  void setStyleIndex(uint32_t index) { styleIndex_ = index; }
  void setEncoding(const FontEncoding& e) { encoding_ = e; }
  uint32_t getInstanceNumber() const { return instanceNumber_; }

 private:
  FontMetrics metrics_;
  FontColor color_;
  uint32_t styleIndex_ = BOOKMAN_LIGHT;
  FontEncoding encoding_ = std::string("WinAnsiEncoding");
  uint32_t instanceNumber_;
};

}  // namespace Report
}  // namespace PV
