#include "report/GraphicsXform.h"

#include <cmath>
#include <utility>

#include "foundation/Assert.h"

namespace PV {
namespace Report {

namespace {
const int DIM = 3;
const int LAST_VECTOR_INDEX = 2;
const double IDENTITY = 1.0;

TNT::Matrix<double> identity() {
  TNT::Matrix<double> m(DIM, DIM, 0.0);
  for (int i = 0; i < DIM; ++i) m[i][i] = 1.0;
  return m;
}
}  // namespace

GraphicsXform::GraphicsXform() : GraphicsXform(72, 540, 72, 720, 0, 468, 0, 648, 0, 0) {}

GraphicsXform::GraphicsXform(double xMinDevice, double xMaxDevice, double yMinDevice, double yMaxDevice,
                             double xMinWorld, double xMaxWorld, double yMinWorld, double yMaxWorld, double zMinWorld,
                             double zMaxWorld) {
  for (int i = 0; i < 2; ++i) {
    worldToNormalised_[i] = identity();
    normalisedToDevice_[i] = identity();
  }
  setWindows(xMinDevice, xMaxDevice, yMinDevice, yMaxDevice, xMinWorld, xMaxWorld, yMinWorld, yMaxWorld, zMinWorld,
             zMaxWorld);
}

void GraphicsXform::setWindows(double xMinDevice, double xMaxDevice, double yMinDevice, double yMaxDevice,
                               double xMinWorld, double xMaxWorld, double yMinWorld, double yMaxWorld, double zMinWorld,
                               double zMaxWorld) {
  PV_ASSERT(xMinDevice < xMaxDevice);
  PV_ASSERT(yMinDevice < yMaxDevice);
  PV_ASSERT(xMinWorld < xMaxWorld);
  PV_ASSERT(yMinWorld < yMaxWorld);
  xMinDevice_ = xMinDevice;
  xMaxDevice_ = xMaxDevice;
  yMinDevice_ = yMinDevice;
  yMaxDevice_ = yMaxDevice;
  xMinWorld_ = xMinWorld;
  xMaxWorld_ = xMaxWorld;
  yMinWorld_ = yMinWorld;
  yMaxWorld_ = yMaxWorld;
  zMinWorld_ = zMinWorld;
  zMaxWorld_ = zMaxWorld;
  const double dxD = xMaxDevice - xMinDevice, dyD = yMaxDevice - yMinDevice;
  const double dxW = xMaxWorld - xMinWorld, dyW = yMaxWorld - yMinWorld;
  TNT::Matrix<double>& w = worldToNormalised_[stackIndex_];
  w[0][0] = 1.0 / dxW;
  w[1][1] = 1.0 / dyW;
  TNT::Matrix<double>& n = normalisedToDevice_[stackIndex_];
  n[0][0] = dxD;
  n[1][1] = dyD;
  n[0][2] = std::fabs(xMinDevice) + (dxD / dxW) * std::fabs(xMinWorld);
  n[1][2] = std::fabs(yMinDevice) + (dyD / dyW) * std::fabs(yMinWorld);
}

TNT::Vector<double> GraphicsXform::transform(const TNT::Vector<double>& v) const {
  const TNT::Matrix<double>& w = worldToNormalised_[stackIndex_];
  const TNT::Matrix<double>& n = normalisedToDevice_[stackIndex_];
  if (xformWCtoDC) {
    TNT::Vector<double> vectorNDC = w * v;
    PV_ASSERT(vectorNDC[LAST_VECTOR_INDEX] == IDENTITY);
    for (int i = 0; i < LAST_VECTOR_INDEX; ++i) {
      PV_ASSERT(vectorNDC[i] >= -IDENTITY && vectorNDC[i] <= IDENTITY);
    }
    return n * vectorNDC;
  }
  return w * (n * v);
}

TNT::Vector<double> GraphicsXform::toDevice(const TNT::Vector<double>& v) const {
  PV_ASSERT(xformWCtoDC);
  return transform(v);
}

TNT::Vector<double> GraphicsXform::toDeviceInverse(const TNT::Vector<double>& v) const {
  PV_ASSERT(!xformWCtoDC);
  return transform(v);
}

bool GraphicsXform::push(int32_t type) {
  if (stackIndex_ == 1) return false;
  if (type == PUSH_COPY) {
    worldToNormalised_[1] = worldToNormalised_[0];
    normalisedToDevice_[1] = normalisedToDevice_[0];
    stackIndex_ = 1;
  } else if (type == PUSH_INVERSE) {
    PV_ASSERT(xformWCtoDC);
    xformWCtoDC = false;
    stackIndex_ = 1;
    worldToNormalised_[1] = inverse(worldToNormalised_[0]);
    normalisedToDevice_[1] = inverse(normalisedToDevice_[0]);
  } else {
    PV_ASSERT(!"invalid context type");
  }
  return true;
}

bool GraphicsXform::pop() {
  if (stackIndex_ == 0) return false;
  stackIndex_ = 0;
  xformWCtoDC = true;
  return true;
}

void GraphicsXform::compose(const TNT::Matrix<double>& modelling) {
  worldToNormalised_[stackIndex_] = modelling * worldToNormalised_[stackIndex_];
}

void GraphicsXform::rotate(double degrees) {
  const double a = degrees * 3.14159265358979323846 / 180.0;
  TNT::Matrix<double> w = identity();
  w[0][0] = std::cos(a);
  w[0][1] = -std::sin(a);
  w[1][0] = std::sin(a);
  w[1][1] = std::cos(a);
  compose(w);
}

void GraphicsXform::scale(double factor) {
  TNT::Matrix<double> w = identity();
  w[0][0] = factor;
  w[1][1] = factor;
  compose(w);
}

void GraphicsXform::translate(double dx, double dy) {
  TNT::Matrix<double> w = identity();
  w[0][2] = dx;
  w[1][2] = dy;
  compose(w);
}

// Gauss-Jordan with partial pivoting: the largest remaining entry of each column is
// taken as the pivot, so that a regular matrix with a zero on its diagonal (a quarter
// turn, for one) is inverted too. The report's window matrices need no exchange and
// give the same result as without pivoting.
TNT::Matrix<double> GraphicsXform::inverse(const TNT::Matrix<double>& a) {
  const int M = a.num_rows(), N = a.num_cols();
  PV_ASSERT(M == N);
  TNT::Matrix<double> work = a;
  TNT::Matrix<double> inv(N, N, 0.0);
  for (int i = 0; i < N; ++i) inv[i][i] = 1.0;
  for (int k = 0; k < N; ++k) {
    int pivot = k;
    for (int i = k + 1; i < N; ++i) {
      if (std::fabs(work[i][k]) > std::fabs(work[pivot][k])) pivot = i;
    }
    const double e = work[pivot][k];
    PV_ASSERT(e != 0.0);
    if (pivot != k) {
      for (int j = 0; j < N; ++j) {
        std::swap(work[k][j], work[pivot][j]);
        std::swap(inv[k][j], inv[pivot][j]);
      }
    }
    for (int j = 0; j < N; ++j) {
      work[k][j] /= e;
      inv[k][j] /= e;
    }
    for (int i = 0; i < N; ++i) {
      if (i == k) continue;
      const double f = work[i][k];
      if (f == 0.0) continue;
      for (int j = 0; j < N; ++j) {
        work[i][j] -= f * work[k][j];
        inv[i][j] -= f * inv[k][j];
      }
    }
  }
  return inv;
}

}  // namespace Report
}  // namespace PV
