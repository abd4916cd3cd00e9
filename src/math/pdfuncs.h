// Probability functions of the numerical core: the quantiles and distribution
// functions that the sample size needs, and a few companions of the same library.
// Plain functions over doubles, without state apart from the error function's scratch
// values (not reentrant; the program has one thread).
#pragma once

#include <cstdint>

// Standard normal quantile for 0 < p < 1 (Acklam's approximation refined by one
// Halley step).
double pd_normal_inv(double p);

// Upper Student t quantile for df degrees of freedom and probability p (Hill's
// algorithm 396); -1.0 when the arguments lie outside the algorithm's domain.
double pd_t_inv(uint32_t df, double p);

// Standard normal distribution function and the error function.
double pd_normal_cdf(double x);
double pd_erf(double x);

// Companions.
double pd_normal_cdf_series(double x);
double pd_factorial(uint32_t n);
double pd_log_gamma(double x);
double pd_owen_t(double h, double a);
double pd_noncentral_t_cdf(uint32_t df, double t, double delta);
double pd_machine_epsilon();
double pd_huge();

// Distribution function of the central Student t distribution with df >= 1 degrees
// of freedom (closed form for whole degrees of freedom).
double pd_t_cdf(uint32_t df, double t);
