#include "math/sample_size.h"

#include "foundation/Assert.h"
#include "math/pdfuncs.h"

#include <cmath>

namespace {

// The population: the number of unordered pairs of nch choices.
double populationOf(uint32_t nch) { return static_cast<double>((nch - 1) * nch) * 0.5; }

// Two-sided quantile for a confidence fraction: normal above 30 pairs, Student t with
// N - 1 degrees of freedom otherwise.
double quantileFor(double a, double N) {
  const double q = (1.0 + a) * 0.5;
  if (N > 30.0) return pd_normal_inv(q);
  return pd_t_inv(static_cast<uint32_t>(std::trunc(N - 1.0)), q);
}

}  // namespace

uint16_t pd_sample_pairs(double confidence_level, double margin_of_error, uint32_t number_of_choices,
                         double percentage_agree) {
  PV_ASSERT(confidence_level > 0.0 && confidence_level <= 100.0);
  // The assertion prints its text as written.
  // clang-format off
  PV_ASSERT(confidence_level - margin_of_error/2.0 >= -50.0);
  // clang-format on
  // The assertion prints its text as written.
  // clang-format off
  PV_ASSERT(confidence_level + margin_of_error/2.0 <= 150.0);
  // clang-format on
  PV_ASSERT(margin_of_error >= 0.0 && margin_of_error <= 50.0);
  PV_ASSERT(percentage_agree >= 50.0 && percentage_agree <= 100.0);
  PV_ASSERT(number_of_choices > 1);

  const double a = confidence_level / 100.0;
  const double e = margin_of_error / 100.0;
  const double p = 1.0 - percentage_agree / 100.0;
  const double N = populationOf(number_of_choices);
  if (N <= 1.0) return 1;
  if (a >= 0.9999) return static_cast<uint16_t>(static_cast<uint32_t>(N));

  const double z = quantileFor(a, N);
  const double z2 = z * z;
  const double upper = std::ceil((((z2 * N) * p) * (1.0 - p)) / ((z2 * p) * (1.0 - p) + (e * e) * (N - 1.0)));
  PV_ASSERT(0.0 < upper && upper < 2147483648.0);
  const double result = upper > N ? N : upper;
  return static_cast<uint16_t>(static_cast<uint32_t>(result));
}

double pd_sample_confidence(double cfi, uint32_t nch, uint32_t npr, double aye) {
  PV_ASSERT(aye >= 50.0 && aye <= 100.0);
  PV_ASSERT(cfi >= 0.0 && cfi <= 50.0);
  PV_ASSERT(nch > 1);
  const double pop = populationOf(nch);
  PV_ASSERT(npr <= pop);
  if (npr == pop) return 100.0;
  if (npr == 0 || cfi == 0.0) return 0.0;
  const double a = aye / 100.0;
  const double spread = a * (1.0 - a);
  if (spread == 0.0) return 100.0;  // unanimous agreement: any sample is certain
  const double w = (cfi / 100.0) * std::sqrt((pop - 1.0) * npr / ((pop - npr) * spread));
  const double F = pop > 30.0 ? pd_normal_cdf(w) : pd_t_cdf(static_cast<uint32_t>(pop - 1.0), w);
  return 100.0 * (2.0 * F - 1.0);
}

double pd_sample_interval(double cfl, uint32_t nch, uint32_t npr, double aye) {
  PV_ASSERT(aye >= 50.0 && aye <= 100.0);
  PV_ASSERT(cfl > 0.0 && cfl <= 100.0);
  PV_ASSERT(nch > 1);
  const double pop = populationOf(nch);
  PV_ASSERT(npr > 0 && npr <= pop);
  if (pop == 1.0 || cfl == 100.0) return 0.0;
  const double a = aye / 100.0;
  const double z = quantileFor(cfl / 100.0, pop);
  const double margin = 100.0 * z * std::sqrt((pop - npr) * a * (1.0 - a) / ((pop - 1.0) * npr));
  return margin > 100.0 ? 100.0 : margin;
}
