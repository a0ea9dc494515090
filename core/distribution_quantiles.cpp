#include "distribution_quantiles.h"

#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/students_t.hpp>

namespace {

bool ValidProbability(double p) { return p > 0 && p < 1; }

}  // namespace

std::optional<double> StudentQuantile(double df, double p)
{
    if (!(df >= 1) || !ValidProbability(p))
        return std::nullopt;
    return boost::math::quantile(boost::math::students_t_distribution<double>(df), p);
}

std::optional<double> FisherQuantile(double df1, double df2, double p)
{
    if (!(df1 >= 1) || !(df2 >= 1) || !ValidProbability(p))
        return std::nullopt;
    return boost::math::quantile(boost::math::fisher_f_distribution<double>(df1, df2), p);
}
