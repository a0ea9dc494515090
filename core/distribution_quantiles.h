#pragma once

#include <optional>

// Quantiles of the distributions the calibration statistics test against.
// Empty when the degrees of freedom are below 1 or the probability is not
// strictly between 0 and 1.

// The p quantile of Student's t with `df` degrees of freedom.
std::optional<double> StudentQuantile(double df, double p);

// The p quantile of Fisher's F with `df1` and `df2` degrees of freedom.
std::optional<double> FisherQuantile(double df1, double df2, double p);
