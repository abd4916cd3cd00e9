// Maps points between the world coordinates of a chart and device coordinates (PDF
// points) through a normalised space, with homogeneous 3 by 3 matrices. One level of
// the matrices can be pushed, either as a copy or inverted (device to world).
#pragma once

#include <cstdint>

#include <tnt/tnt_cmat.h>
#include <tnt/tnt_vec.h>

namespace PV {
namespace Report {

class GraphicsXform {
 public:
  enum : int32_t { PUSH_COPY = 1, PUSH_INVERSE = 2 };

  GraphicsXform();
  GraphicsXform(double xMinDevice, double xMaxDevice, double yMinDevice, double yMaxDevice, double xMinWorld,
                double xMaxWorld, double yMinWorld, double yMaxWorld, double zMinWorld, double zMaxWorld);

  void setWindows(double xMinDevice, double xMaxDevice, double yMinDevice, double yMaxDevice, double xMinWorld,
                  double xMaxWorld, double yMinWorld, double yMaxWorld, double zMinWorld, double zMaxWorld);

  TNT::Vector<double> transform(const TNT::Vector<double>& v) const;
  TNT::Vector<double> toDevice(const TNT::Vector<double>& v) const;
  TNT::Vector<double> toDeviceInverse(const TNT::Vector<double>& v) const;

  bool push(int32_t type);
  bool pop();
  bool isNormalState() const { return xformWCtoDC; }

  void rotate(double degrees);
  void scale(double factor);
  void translate(double dx, double dy);

  // The inverse of a square regular matrix (Gauss-Jordan with partial pivoting).
  static TNT::Matrix<double> inverse(const TNT::Matrix<double>& a);

 private:
  void compose(const TNT::Matrix<double>& modelling);

  double xMinDevice_, xMaxDevice_, yMinDevice_, yMaxDevice_;
  double xMinWorld_, xMaxWorld_, yMinWorld_, yMaxWorld_, zMinWorld_, zMaxWorld_;
  int32_t stackIndex_ = 0;
  bool xformWCtoDC = true;
  TNT::Matrix<double> worldToNormalised_[2];
  TNT::Matrix<double> normalisedToDevice_[2];
};

}  // namespace Report
}  // namespace PV
