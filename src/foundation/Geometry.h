// Positions, sizes, rectangles and colours as the window framework passes them.
// Conversions to and from the platform's own records exist only in the Windows build.
#pragma once

#include <cstdint>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

struct zPair {
  zPair() : first_(0), second_(0) {}
  zPair(int32_t first, int32_t second) : first_(first), second_(second) {}
  bool operator==(const zPair& o) const { return first_ == o.first_ && second_ == o.second_; }
  bool operator!=(const zPair& o) const { return !(*this == o); }

  int32_t first_;
  int32_t second_;
};

struct zPoint : public zPair {
  zPoint() = default;
  zPoint(int32_t x, int32_t y) : zPair(x, y) {}
  zPoint& set(int32_t x, int32_t y) {
    first_ = x;
    second_ = y;
    return *this;
  }
  int32_t& x() { return first_; }
  int32_t& y() { return second_; }
  int32_t x() const { return first_; }
  int32_t y() const { return second_; }

  // The point of a mouse message parameter: x in the low 16 bits, y in the high 16 bits,
  // each a signed 16-bit number (left of or above the origin is negative).
  static zPoint fromLParam(uint32_t packed) {
    return zPoint(static_cast<int16_t>(packed & 0xFFFFu), static_cast<int16_t>(packed >> 16));
  }

#ifdef _WIN32
  explicit zPoint(const POINT& p) : zPair(p.x, p.y) {}
  POINT toPOINT() const { return POINT{first_, second_}; }
#endif
};

struct zDimension : public zPair {
  zDimension() = default;
  zDimension(int32_t width, int32_t height) : zPair(width, height) {}
  int32_t& cx() { return first_; }
  int32_t& cy() { return second_; }
  int32_t width() const { return first_; }
  int32_t height() const { return second_; }
};

struct zRect {
  zRect() = default;
  zRect(int32_t left, int32_t top, int32_t right, int32_t bottom) : topLeft_(left, top), bottomRight_(right, bottom) {}

  zPoint& topLeft() { return topLeft_; }
  zPoint& bottomRight() { return bottomRight_; }
  const zPoint& topLeft() const { return topLeft_; }
  const zPoint& bottomRight() const { return bottomRight_; }
  int32_t& left() { return topLeft_.first_; }
  int32_t& top() { return topLeft_.second_; }
  int32_t& right() { return bottomRight_.first_; }
  int32_t& bottom() { return bottomRight_.second_; }
  int32_t left() const { return topLeft_.first_; }
  int32_t top() const { return topLeft_.second_; }
  int32_t right() const { return bottomRight_.first_; }
  int32_t bottom() const { return bottomRight_.second_; }
  int32_t width() const { return right() - left(); }
  int32_t height() const { return bottom() - top(); }

  // Points on the right and bottom edges count as inside.
  bool contains(const zPoint& p) const {
    return left() <= p.x() && p.x() <= right() && top() <= p.y() && p.y() <= bottom();
  }
  bool operator==(const zRect& o) const { return topLeft_ == o.topLeft_ && bottomRight_ == o.bottomRight_; }

#ifdef _WIN32
  explicit zRect(const RECT& r) : zRect(r.left, r.top, r.right, r.bottom) {}
  zRect& assign(const RECT& r) {
    topLeft_.set(r.left, r.top);
    bottomRight_.set(r.right, r.bottom);
    return *this;
  }
  RECT toRECT() const { return RECT{left(), top(), right(), bottom()}; }
#endif

  zPoint topLeft_;
  zPoint bottomRight_;
};

// Four bytes: red, green, blue and kind (0 plain RGB, 1 palette index, 2 palette-relative).
struct zColor {
  enum Kind : uint8_t { rgb = 0, paletteIndex = 1, paletteRgb = 2 };

  zColor() : red_(0), green_(0), blue_(0), kind_(rgb) {}
  zColor(uint8_t red, uint8_t green, uint8_t blue, uint8_t kind = rgb)
      : red_(red), green_(green), blue_(blue), kind_(kind) {}

  // Splits a native colour value into its four bytes without interpreting them.
  static zColor fromColorRef(uint32_t value) {
    return zColor(static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
                  static_cast<uint8_t>(value >> 24));
  }
  // The native colour value (a COLORREF on Windows).
  uint32_t colorRef() const {
    if (kind_ == paletteIndex) return 0x01000000u | red_ | static_cast<uint32_t>(green_) << 8;
    const uint32_t value = red_ | static_cast<uint32_t>(green_) << 8 | static_cast<uint32_t>(blue_) << 16;
    return kind_ == rgb ? value : value | 0x02000000u;
  }
  bool operator==(const zColor& o) const {
    return red_ == o.red_ && green_ == o.green_ && blue_ == o.blue_ && kind_ == o.kind_;
  }
  bool operator!=(const zColor& o) const { return !(*this == o); }

  uint8_t red_;
  uint8_t green_;
  uint8_t blue_;
  uint8_t kind_;
};
