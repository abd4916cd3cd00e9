// A point of the report in device or world coordinates (x, y and the homogeneous z).
#pragma once

#include <ostream>

namespace PV {
namespace Report {

class Position {
 public:
  Position() = default;
  Position(double x, double y, double z) : x_(x), y_(y), z_(z) {}

  double getX() const { return x_; }
  double getY() const { return y_; }
  double getZ() const { return z_; }
  void setX(double x) { x_ = x; }
  void setY(double y) { y_ = y; }
  void set(double x, double y, double z) {
    x_ = x;
    y_ = y;
    z_ = z;
  }
  void get(double& x, double& y, double& z) const {
    x = x_;
    y = y_;
    z = z_;
  }

  Position operator+(const Position& other) const { return Position(x_ + other.x_, y_ + other.y_, z_ + other.z_); }

 private:
  double x_ = 100.0;
  double y_ = 100.0;
  double z_ = 1.0;
};

inline std::ostream& operator<<(std::ostream& os, const Position& p) {
  return os << "X = " << p.getX() << ", Y = " << p.getY() << ", Z = " << p.getZ();
}

}  // namespace Report
}  // namespace PV
