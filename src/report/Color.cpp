#include "report/Color.h"

#include "foundation/Assert.h"

namespace PV {
namespace Report {

namespace {
enum { HUE = 0, SAT = 1, VAL = 2 };

double scaleComponent(double colorComponentValue, double normalizeRangeLow, double normalizeRangeHigh) {
  if (normalizeRangeLow == 0.0 && normalizeRangeHigh == 1.0) {
    PV_ASSERT(colorComponentValue >= 0.0 && colorComponentValue <= 1.0);
    return colorComponentValue;
  }
  PV_ASSERT(normalizeRangeHigh > normalizeRangeLow);
  return (normalizeRangeHigh - normalizeRangeLow) * colorComponentValue + normalizeRangeLow;
}
}  // namespace

Color::Color(int32_t model, float c1, float c2, float c3) { set(model, c1, c2, c3); }

void Color::set(int32_t colorModel, float c1, float c2, float c3) {
  PV_ASSERT(COLOR_MODEL_HSV == colorModel || COLOR_MODEL_RGB == colorModel);
  if (COLOR_MODEL_HSV == colorModel) {
    const float hue = c1, saturation = c2, value = c3;
    PV_ASSERT(hue >= 0.0 && hue <= 360.0);
    PV_ASSERT(saturation >= 0.0 && saturation <= 1.0);
    PV_ASSERT(value >= 0.0 && value <= 1.0);
  } else {
    const float red = c1, green = c2, blue = c3;
    PV_ASSERT(red >= 0.0 && red <= 1.0);
    PV_ASSERT(green >= 0.0 && green <= 1.0);
    PV_ASSERT(blue >= 0.0 && blue <= 1.0);
  }
  colorModelUser_ = colorModel;
  c_[0] = c1;
  c_[1] = c2;
  c_[2] = c3;
  colorModelSystem_ = COLOR_MODEL_NONE;
  rgb_[0] = rgb_[1] = rgb_[2] = 0.0;
}

void Color::get(int32_t& model, float& c1, float& c2, float& c3) const {
  model = colorModelUser_;
  c1 = static_cast<float>(c_[0]);
  c2 = static_cast<float>(c_[1]);
  c3 = static_cast<float>(c_[2]);
}

// HSV to RGB in single precision, as the colours were always worked out.
void Color::workOutRgb() const {
  float hsvv[3] = {static_cast<float>(c_[0]), static_cast<float>(c_[1]), static_cast<float>(c_[2])};
  PV_ASSERT(hsvv[HUE] >= 0.0 && hsvv[HUE] <= 360.0);
  PV_ASSERT(hsvv[SAT] >= 0.0 && hsvv[SAT] <= 1.0);
  PV_ASSERT(hsvv[VAL] >= 0.0 && hsvv[VAL] <= 1.0);
  const float value = hsvv[VAL];
  float r, g, b;
  if (hsvv[SAT] == 0.0f) {
    r = g = b = value;
  } else {
    float h = (hsvv[HUE] == 360.0f ? 0.0f : hsvv[HUE]) / 60.0f;
    const int hueInt = static_cast<int>(h);
    const float f = h - static_cast<float>(hueInt);
    const float p = value * (1.0f - hsvv[SAT]);
    const float q = value * (1.0f - hsvv[SAT] * f);
    const float t = value * (1.0f - hsvv[SAT] * (1.0f - f));
    switch (hueInt) {
      case 0:
        r = value;
        g = t;
        b = p;
        break;
      case 1:
        r = q;
        g = value;
        b = p;
        break;
      case 2:
        r = p;
        g = value;
        b = t;
        break;
      case 3:
        r = p;
        g = q;
        b = value;
        break;
      case 4:
        r = t;
        g = p;
        b = value;
        break;
      case 5:
        r = value;
        g = p;
        b = q;
        break;
      default:
        PV_ASSERT(!"invalid hueInt");
        r = g = b = 0.0f;
    }
  }
  rgb_[0] = r;
  rgb_[1] = g;
  rgb_[2] = b;
  colorModelSystem_ = COLOR_MODEL_RGB;
}

double Color::component(int index, double low, double high) const {
  if (COLOR_MODEL_RGB == colorModelUser_) return scaleComponent(c_[index], low, high);
  if (COLOR_MODEL_HSV == colorModelUser_) {
    if (colorModelSystem_ != COLOR_MODEL_RGB) workOutRgb();
    return scaleComponent(rgb_[index], low, high);
  }
  PV_ASSERT(!"invalid colorModelUser_");
  return 0.0;
}

double Color::getRed(double low, double high) const { return component(0, low, high); }
double Color::getGreen(double low, double high) const { return component(1, low, high); }
double Color::getBlue(double low, double high) const { return component(2, low, high); }

bool Color::operator==(const Color& other) const {
  return colorModelUser_ == other.colorModelUser_ && c_[0] == other.c_[0] && c_[1] == other.c_[1] &&
         c_[2] == other.c_[2];
}

Color hsv(float hue, float saturation, float value) { return Color(COLOR_MODEL_HSV, hue, saturation, value); }

FontColor::FontColor() : foreground_(hsv(0, 0, 0)), background_(hsv(0, 0, 0)) {}

}  // namespace Report
}  // namespace PV
