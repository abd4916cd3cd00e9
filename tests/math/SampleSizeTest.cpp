#include "math/pdfuncs.h"
#include "math/sample_size.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct SampleCase {
  double level, margin;
  uint32_t nch;
  uint16_t pairs;
};

TEST(SampleSize, TableOfSettings) {
  const SampleCase cases[] = {
      {95, 5, 2, 1},     {100, 5, 2, 1}, {50, 50, 2, 1},   {100, 5, 10, 45}, {95, 5, 10, 41},
      {95, 5, 254, 380}, {95, 5, 9, 33}, {95, 10, 10, 31}, {90, 10, 10, 28}, {95, 5, 5, 10},
      {95, 5, 8, 27},    {95, 5, 3, 3},  {50, 50, 10, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(pd_sample_pairs(c.level, c.margin, c.nch, 50.0), c.pairs)
        << c.level << "/" << c.margin << " with " << c.nch << " choices";
}

TEST(SampleSize, ZeroMarginGivesEveryPairNeverMore) {
  for (uint32_t nch = 2; nch <= 254; ++nch)
    for (double level : {50.1, 80.0, 95.0, 99.9})
      ASSERT_EQ(pd_sample_pairs(level, 0.0, nch, 50.0), nch * (nch - 1) / 2) << nch << " " << level;
}

TEST(SampleSize, NeverMoreThanThePopulation) {
  for (uint32_t nch = 2; nch <= 254; nch += 3)
    for (double level = 50.5; level <= 100.0; level += 4.9)
      for (double margin = 0.5; margin <= 50.0; margin += 4.5) {
        const uint16_t n = pd_sample_pairs(level, margin, nch, 50.0);
        ASSERT_GE(n, 1u);
        ASSERT_LE(n, nch * (nch - 1) / 2);
      }
}

TEST(SampleSize, TinyLevelIsAContractViolation) {
  // The caller validates the level first: a sample of 0 pairs is refused.
  EXPECT_DEATH(pd_sample_pairs(1e-15, 5.0, 10, 50.0), "0.0 < upper && upper < 2147483648.0");
}

TEST(ProbabilityFunctions, Quantiles) {
  EXPECT_EQ(pd_normal_inv(0.5), 0.0);
  EXPECT_NEAR(pd_normal_inv(0.975), 1.959964, 5e-7);
  EXPECT_NEAR(pd_normal_inv(0.025), -1.959964, 5e-7);
  EXPECT_NEAR(pd_normal_inv(1e-10), -6.361340902404056, 1e-6);
  EXPECT_NEAR(pd_t_inv(1, 0.975), 12.706205, 5e-7);
  EXPECT_NEAR(pd_t_inv(2, 0.975), 4.302653, 5e-7);
  EXPECT_NEAR(pd_t_inv(9, 0.975), 2.262157, 5e-6);
  EXPECT_NEAR(pd_t_inv(27, 0.975), 2.051831, 5e-6);
  EXPECT_EQ(pd_t_inv(5, 0.25), -1.0);  // two-tail probability above 1
  EXPECT_EQ(pd_t_inv(5, 1.0), -1.0);   // two-tail probability 0
}

TEST(ProbabilityFunctions, ErrorFunctionAgreesWithTheLibrary) {
  for (double x = -7.0; x <= 7.0; x += 0.01) {
    ASSERT_NEAR(pd_erf(x), std::erf(x), 1e-14) << x;
    ASSERT_NEAR(pd_normal_cdf(x), 0.5 * std::erfc(-x / std::sqrt(2.0)), 1e-14) << x;
  }
  for (double p = 0.001; p < 1.0; p += 0.001) ASSERT_NEAR(pd_normal_cdf(pd_normal_inv(p)), p, 1e-15) << p;
}

}  // namespace

namespace {

TEST(ProbabilityFunctions, Companions) {
  // Non-central t against numerical integration, and its central case against the
  // closed form of the central t distribution.
  EXPECT_NEAR(pd_noncentral_t_cdf(2, 0.5, 2.0), 0.0648630367882, 1e-10);
  EXPECT_NEAR(pd_noncentral_t_cdf(3, 1.5, 0.5), 0.7756949735869, 1e-10);
  EXPECT_NEAR(pd_noncentral_t_cdf(4, -1.0, 0.7), 0.0599255950557, 1e-10);
  EXPECT_NEAR(pd_noncentral_t_cdf(10, 2.0, 1.0), 0.8076115625303, 1e-10);
  EXPECT_NEAR(pd_noncentral_t_cdf(200, 2.0, 1.0), 0.8395371037164, 1e-6);
  for (uint32_t df : {1u, 2u, 5u, 30u, 99u})
    for (double t : {-3.0, -0.5, 0.0, 1.0, 4.0}) EXPECT_NEAR(pd_noncentral_t_cdf(df, t, 0.0), pd_t_cdf(df, t), 1e-12);
  EXPECT_NEAR(pd_t_cdf(9, 2.262157), 0.975, 1e-7);
  EXPECT_NEAR(pd_t_cdf(1, 12.706205), 0.975, 1e-7);

  EXPECT_NEAR(pd_owen_t(1.0, 1.0), pd_normal_cdf(1.0) * (1.0 - pd_normal_cdf(1.0)) / 2.0, 1e-14);
  EXPECT_NEAR(pd_owen_t(0.0, 2.0), std::atan(2.0) / (2.0 * 3.14159265358979323846), 1e-14);
  EXPECT_NEAR(pd_log_gamma(10.5), std::lgamma(10.5), 1e-12);
  EXPECT_NEAR(pd_log_gamma(0.3), std::lgamma(0.3), 1e-12);
  EXPECT_NEAR(pd_normal_cdf_series(1.3), pd_normal_cdf(1.3), 1e-14);
  EXPECT_EQ(pd_factorial(10), 3628800.0);
  EXPECT_EQ(pd_machine_epsilon(), 2.220446049250313e-16);
  EXPECT_EQ(pd_huge(), 1.7976931348623157e+308);

  // The sample's own confidence and interval agree with the settings it came from.
  EXPECT_GE(pd_sample_confidence(5.0, 10, 41, 50.0), 95.0);
  EXPECT_LE(pd_sample_interval(95.0, 10, 41, 50.0), 5.0);
  EXPECT_GE(pd_sample_confidence(5.0, 254, 380, 50.0), 95.0);
  EXPECT_LE(pd_sample_interval(95.0, 254, 380, 50.0), 5.0);
  EXPECT_EQ(pd_sample_confidence(5.0, 10, 45, 50.0), 100.0);
  EXPECT_EQ(pd_sample_confidence(5.0, 10, 0, 50.0), 0.0);
  EXPECT_EQ(pd_sample_interval(100.0, 10, 20, 50.0), 0.0);
}

}  // namespace
