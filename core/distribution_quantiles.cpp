#include "distribution_quantiles.h"

#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <map>
#include <tuple>

namespace {

bool ValidProbability(double p) { return p > 0 && p < 1; }

// A quantile costs microseconds, and a report asks for the same few degrees
// of freedom for every record: each is computed once per thread.
template <typename Compute>
double Cached(double df1, double df2, double p, Compute compute)
{
    thread_local std::map<std::tuple<double, double, double>, double> known;
    const auto key = std::make_tuple(df1, df2, p);
    const auto found = known.find(key);
    if (found != known.end())
        return found->second;
    return known.emplace(key, compute()).first->second;
}

}  // namespace

std::optional<double> StudentQuantile(double df, double p)
{
    if (!(df >= 1) || !ValidProbability(p))
        return std::nullopt;
    return Cached(df, 0, p, [&] { return boost::math::quantile(boost::math::students_t_distribution<double>(df), p); });
}

std::optional<double> FisherQuantile(double df1, double df2, double p)
{
    if (!(df1 >= 1) || !(df2 >= 1) || !ValidProbability(p))
        return std::nullopt;
    return Cached(df1, df2, p,
                  [&] { return boost::math::quantile(boost::math::fisher_f_distribution<double>(df1, df2), p); });
}
