#include "math/pdfuncs.h"

#include "foundation/Assert.h"

#include <cfloat>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSqrt2Pi = 2.5066282746310002;

// Horner's rule, highest power first.
template <std::size_t N>
double horner(const double (&c)[N], double x) {
  double r = c[0];
  for (std::size_t k = 1; k < N; ++k) r = r * x + c[k];
  return r;
}

const double kP1[] = {7.7105849500132e-05, -0.00133733772997339, 0.0323076579225834, 0.0479137145607681,
                      0.128379167095513};
const double kQ1[] = {0.00301048631703895, 0.0538971687740286, 0.375795757275549};
const double kP2[] = {-1.36864857382717e-07, 0.564195517478974, 7.21175825088309, 43.1622272220567,
                      152.98928504694,       339.320816734344,  451.918953711873, 300.459261020162};
const double kQ2[] = {1.0,
                      12.7827273196294,
                      77.0001529352295,
                      277.585444743988,
                      638.980264465631,
                      931.35409485061,
                      790.950925327898,
                      300.459260956983};
const double kP3[] = {2.10144126479064, 26.2370141675169, 21.3688200555087, 4.6580782871847, 0.282094791773523};
const double kQ3[] = {94.153775055546, 187.11481179959, 99.0191814623914, 18.0124575948747};

// Scratch values of the error function, kept as the library has always kept them.
double erfZ;
double erfR;

}  // namespace

double pd_erf(double x) {
  const double ax = std::fabs(x);
  const double sign = x < 0.0 ? -1.0 : 1.0;
  if (ax <= 0.5) {
    erfZ = x * x;
    return x * (horner(kP1, erfZ) + 1.0) / (horner(kQ1, erfZ) * erfZ + 1.0);
  }
  if (ax <= 4.0) {
    erfR = std::exp(-x * x) * horner(kP2, ax) / horner(kQ2, ax);
    return sign * (0.5 - erfR + 0.5);
  }
  if (ax < 5.8) {
    erfZ = 1.0 / (x * x);
    erfR = (0.564189583547756 - horner(kP3, erfZ) / (x * x * (horner(kQ3, erfZ) * erfZ + 1.0))) / ax;
    return sign * (0.5 - std::exp(-x * x) * erfR + 0.5);
  }
  return x >= 0.0 ? 1.0 : -1.0;
}

double pd_normal_cdf(double x) { return (pd_erf(x * 0.70710678118654752) + 1.0) * 0.5; }

double pd_normal_inv(double p) {
  PV_ASSERT(0.0 < p && p < 1.0);
  static const double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,  -2.759285104469687e+02,
                             1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
  static const double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                             6.680131188771972e+01, -1.328068155288572e+01};
  static const double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                             -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
  static const double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                             3.754408661907416e+00};
  const double q = p < 1.0 - p ? p : 1.0 - p;
  double x;
  if (q > 0.02425) {
    const double s = q - 0.5;
    const double r = s * s;
    x = (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * s /
        (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1.0);
  } else {
    const double t = std::sqrt(-2.0 * std::log(q));
    x = (((((c[0] * t + c[1]) * t + c[2]) * t + c[3]) * t + c[4]) * t + c[5]) /
        ((((d[0] * t + d[1]) * t + d[2]) * t + d[3]) * t + 1.0);
  }
  // One Halley step on the lower tail.
  const double e = pd_normal_cdf(x) - q;
  const double u = e * kSqrt2Pi * std::exp(x * x / 2.0);
  x = x - u / (1.0 + x * u / 2.0);
  return p <= 0.5 ? x : -x;
}

double pd_t_inv(uint32_t df, double p) {
  PV_ASSERT(df > 0);
  PV_ASSERT(0.0 < p && p <= 1.0);
  const double n = static_cast<double>(df);
  const double P = 2.0 * (1.0 - p);  // two-tail probability
  if (n < 1.0 || P > 1.0 || P <= 0.0) return -1.0;
  if (df == 2) return std::sqrt(2.0 / ((2.0 - P) * P) - 2.0);
  const double halfPi = kPi / 2.0;
  if (df == 1) return std::cos(P * halfPi) / std::sin(P * halfPi);
  const double ka = 1.0 / (n - 0.5);
  const double kb = 48.0 / (ka * ka);
  double kc = ((20700.0 * ka / kb - 98.0) * ka - 16.0) * ka + 96.36;
  const double kd = ((94.5 / (kb + kc) - 3.0) / kb + 1.0) * std::sqrt(ka * halfPi) * n;
  double x = kd * P;
  double y = std::pow(x, 2.0 / n);
  if (y > ka + 0.05) {
    x = pd_normal_inv(P / 2.0);
    y = x * x;
    if (n < 5.0) kc = kc + 0.3 * (n - 4.5) * (x + 0.6);
    kc = (((0.05 * kd * x - 5.0) * x - 7.0) * x - 2.0) * x + kb + kc;
    y = (((((0.4 * y + 6.3) * y + 36.0) * y + 94.5) / kc - y - 3.0) / kb + 1.0) * x;
    y = ka * y * y;
    y = y > 0.002 ? std::exp(y) - 1.0 : (0.5 * y + 1.0) * y;
  } else {
    y = ((1.0 / (((n + 6.0) / (n * y) - 0.089 * kd - 0.822) * (n + 2.0) * 3.0) + 0.5 / (n + 4.0)) * y - 1.0) *
            (n + 1.0) / (n + 2.0) +
        1.0 / y;
  }
  return std::sqrt(n * y);
}

double pd_normal_cdf_series(double x) {
  // 1/2 + phi-series: sum of (-1)^k x^(2k+1) / (2^k k! (2k+1)), times 1/sqrt(2 pi).
  double term = x;  // x^(2k+1) (-1)^k / (2^k k!)
  double sum = x;
  const double x2 = x * x;
  for (int k = 1; k < 10000; ++k) {
    term *= -x2 / (2.0 * k);
    const double add = term / (2.0 * k + 1.0);
    sum += add;
    if (std::fabs(add) < 1.1102230246251565e-16) break;  // 2^-53
  }
  return 0.5 + sum / kSqrt2Pi;
}

double pd_factorial(uint32_t n) {
  double r = 1.0;
  for (uint32_t k = 2; k <= n; ++k) r *= static_cast<double>(k);
  return r;
}

double pd_log_gamma(double x) {
  // Lanczos approximation (g = 7, 9 terms), with the reflection formula below 0.5.
  static const double c[] = {0.99999999999980993,  676.5203681218851,     -1259.1392167224028,
                             771.32342877765313,   -176.61502916214059,   12.507343278686905,
                             -0.13857109526572012, 9.9843695780195716e-6, 1.5056327351493116e-7};
  if (x < 0.5) return std::log(kPi / std::fabs(std::sin(kPi * x))) - pd_log_gamma(1.0 - x);
  x -= 1.0;
  double a = c[0];
  const double t = x + 7.5;
  for (int k = 1; k < 9; ++k) a += c[k] / (x + k);
  return 0.5 * std::log(2.0 * kPi) + (x + 0.5) * std::log(t) - t + std::log(a);
}

double pd_owen_t(double h, double a) {
  // T(h, a) = 1/(2 pi) * integral over 0..a of exp(-h^2 (1 + x^2) / 2) / (1 + x^2) dx,
  // by composite Simpson's rule; odd in a.
  if (a == 0.0) return 0.0;
  if (a < 0.0) return -pd_owen_t(h, -a);
  const int n = 2000;
  const double step = a / n;
  double sum = 0.0;
  for (int k = 0; k <= n; ++k) {
    const double x = k * step;
    const double f = std::exp(-0.5 * h * h * (1.0 + x * x)) / (1.0 + x * x);
    sum += (k == 0 || k == n) ? f : (k % 2 ? 4.0 * f : 2.0 * f);
  }
  return sum * step / 3.0 / (2.0 * kPi);
}

double pd_noncentral_t_cdf(uint32_t df, double t, double delta) {
  PV_ASSERT(df > 0);
  const double n = static_cast<double>(df);
  if (df > 100) {
    // Normal approximation for many degrees of freedom.
    const double lc = pd_log_gamma((n + 1.0) / 2.0) - pd_log_gamma(n / 2.0);
    const double c = std::exp(lc) * std::sqrt(2.0 / n);  // E[sqrt(chi2/n)]
    const double z = (t * c - delta) / std::sqrt(1.0 + t * t * (1.0 - c * c));
    return pd_normal_cdf(z);
  }
  // Owen's method for whole degrees of freedom.
  const double A = t / std::sqrt(n);
  const double B = n / (n + t * t);
  const double sB = std::sqrt(B);
  const double phi = [](double v) { return std::exp(-0.5 * v * v) / kSqrt2Pi; }(delta * sB);
  if (df == 1) return pd_normal_cdf(-delta * sB) + 2.0 * pd_owen_t(delta * sB, A);
  // Owen's M(k): M(0), M(1), then M(k) = (k - 1) / k * (a(k) * delta * A * M(k - 1) + M(k - 2)) * B
  // with a(2) = 1 and a(k) = 1 / ((k - 2) * a(k - 1)); the even terms sum for even df,
  // the odd ones for odd df, up to M(df - 2).
  double mPrev = A * sB * phi * pd_normal_cdf(delta * A * sB);                            // M(0)
  double m = B * (delta * A * mPrev + A * std::exp(-0.5 * delta * delta) / (2.0 * kPi));  // M(1)
  double sumEven = mPrev;
  double sumOdd = df > 2 ? m : 0.0;
  double ak = 1.0;
  for (uint32_t k = 2; k + 2 <= df; ++k) {
    ak = k == 2 ? 1.0 : 1.0 / ((k - 2.0) * ak);
    const double mNext = (k - 1.0) / k * (ak * delta * A * m + mPrev) * B;
    mPrev = m;
    m = mNext;
    if (k % 2 == 0)
      sumEven += m;
    else
      sumOdd += m;
  }
  if (df % 2 == 1) return pd_normal_cdf(-delta * sB) + 2.0 * (pd_owen_t(delta * sB, A) + sumOdd);
  return pd_normal_cdf(-delta) + kSqrt2Pi * sumEven;
}

double pd_t_cdf(uint32_t df, double t) {
  PV_ASSERT(df > 0);
  // Closed forms for whole degrees of freedom: A(t | n) = P(|T| <= t).
  const double n = static_cast<double>(df);
  const double theta = std::atan(t / std::sqrt(n));
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  double a;
  if (df % 2 == 1) {
    double sum = 0.0;
    double term = c;
    for (uint32_t k = 3; k <= df; k += 2) {
      sum += term;
      term *= c * c * (k - 1.0) / k;
    }
    a = 2.0 / kPi * (theta + s * sum);
  } else {
    double sum = 1.0;
    double term = 1.0;
    for (uint32_t k = 2; k + 2 <= df; k += 2) {
      term *= c * c * (k - 1.0) / k;
      sum += term;
    }
    a = s * sum;
  }
  return 0.5 + 0.5 * a;
}

double pd_machine_epsilon() {
  volatile double e = 1.0;
  volatile double sum = 2.0;
  while (sum > 1.0) {
    e = e / 2.0;
    sum = 1.0 + e;
  }
  return 2.0 * e;
}

double pd_huge() { return DBL_MAX; }
