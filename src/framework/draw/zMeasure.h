// Lengths in physical units (printer points, millimetres, inches, picas) converted
// into the pixels of a display, or of the screen when no display is given.
#pragma once

#include "foundation/Geometry.h"

#include <cstdint>

class zDisplay;

// The device values are the zPair part (x, y); the logical values are kept apart so
// that they can be converted again for another display.
class zLogMeasure : public zPair {
 public:
  zLogMeasure() = default;
  virtual ~zLogMeasure() = default;

  // The base class takes the value as the device value unchanged.
  virtual void setX(int32_t value, zDisplay* display);
  virtual void setY(int32_t value, zDisplay* display);

  void recompute(zDisplay* display);
  void setDeviceX(int32_t value) { first_ = value; }
  void setDeviceY(int32_t value) { second_ = value; }

  int32_t x() const { return first_; }  // device values
  int32_t y() const { return second_; }
  int32_t logicalX() const { return logical_.first_; }
  int32_t logicalY() const { return logical_.second_; }

 protected:
  // Stores the logical values and converts both; called by the unit classes'
  // constructors, where their own conversions are in place.
  void assign(int32_t x, int32_t y, zDisplay* display);

  zPair logical_;
};

// Device metrics used by the conversions: of a display, or of the screen.
struct ziDeviceMetrics {
  int32_t horzRes, vertRes, pixelsPerInchX, pixelsPerInchY, horzSizeMM, vertSizeMM;
  static ziDeviceMetrics of(zDisplay* display);
  static ziDeviceMetrics screen();
};

// The screen as the application object holds it. Drawing sits below the application
// object, so the object hands this in when it is made: the function answers false while
// there is no application object, and screen() then reads the screen itself.
using ziScreenSource = bool (*)(ziDeviceMetrics* metrics);
extern ziScreenSource ziProgramScreen;

#define PV_DECLARE_MEASURE(Name)                                                       \
  class Name : public zLogMeasure {                                                    \
   public:                                                                             \
    Name() = default;                                                                  \
    Name(int32_t x, int32_t y, zDisplay* display = nullptr) { assign(x, y, display); } \
    void setX(int32_t value, zDisplay* display) override;                              \
    void setY(int32_t value, zDisplay* display) override;                              \
  }

PV_DECLARE_MEASURE(zPrPoint);    // 1/10 printer point (1/720 inch)
PV_DECLARE_MEASURE(zLoMetric);   // 0.1 mm
PV_DECLARE_MEASURE(zHiMetric);   // 0.01 mm
PV_DECLARE_MEASURE(zLoEnglish);  // 0.01 inch
PV_DECLARE_MEASURE(zHiEnglish);  // 0.001 inch
PV_DECLARE_MEASURE(zPica);       // 1/6 inch

#undef PV_DECLARE_MEASURE
