// Colours of the report, given in the HSV or the RGB model and handed to the PDF
// writer as red, green and blue; and the pair of colours of a text.
#pragma once

#include <cstdint>

namespace PV {
namespace Report {

enum : int32_t { COLOR_MODEL_NONE = 0, COLOR_MODEL_HSV = 1, COLOR_MODEL_RGB = 2 };

class Color {
 public:
  Color() = default;
  Color(int32_t model, float c1, float c2, float c3);

  // Checks the components against the model; forgets any worked-out red, green, blue.
  void set(int32_t model, float c1, float c2, float c3);
  void get(int32_t& model, float& c1, float& c2, float& c3) const;
  int32_t getModel() const { return colorModelUser_; }

  // The component scaled into [low, high]; the device asks for 0 to 1.
  double getRed(double low, double high) const;
  double getGreen(double low, double high) const;
  double getBlue(double low, double high) const;

  bool operator==(const Color& other) const;
  bool operator!=(const Color& other) const { return !(*this == other); }

 private:
  void workOutRgb() const;
  double component(int index, double low, double high) const;

  int32_t colorModelUser_ = COLOR_MODEL_NONE;
  double c_[3] = {0.0, 0.0, 0.0};
  // Worked out on first use for HSV colours and kept until the next set().
  mutable int32_t colorModelSystem_ = COLOR_MODEL_NONE;
  mutable double rgb_[3] = {0.0, 0.0, 0.0};
};

// Black, white and the other fixed colours the report uses, all HSV.
Color hsv(float hue, float saturation, float value);

class FontColor {
 public:
  FontColor();
  const Color& getForeground() const { return foreground_; }
  const Color& getBackground() const { return background_; }
  bool getHighlight() const { return highlight_; }
  void setForeground(const Color& c) { foreground_ = c; }
  void setBackground(const Color& c) { background_ = c; }
  void setHighlight(bool on) { highlight_ = on; }

 private:
  Color foreground_;
  Color background_;
  bool highlight_ = false;
};

}  // namespace Report
}  // namespace PV
