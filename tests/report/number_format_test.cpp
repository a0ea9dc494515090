// The report's exact numbers are printf's %.17g, byte for byte, whichever way
// they are made.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>

#include "report/number_format.h"

namespace {

std::string Reference(double value)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17).ptr;
    return std::string(text, end);
}

TEST(ExactNumberTest, WritesWhatPrintfWrites)
{
    std::vector<double> values{0.0,   -0.0,  0.1,     0.3,      0.75,     1.0,      -1.0,    0.05026,
                               1e-4,  -1e-4, 9.99e-5, 1e15,     9.99e14,  1e16,     123.456, 0.049260000000000213,
                               1e-300, 1e300, INFINITY, NAN,    0.99999999999999999, 9.9999999999999995e-5};
    for (double edge : {1e-4, 1e15, 1.0, 10.0, 0.1, 1e14})
        for (double v = edge, n = 0; n < 4; ++n, v = std::nextafter(v, 0.0))
            values.insert(values.end(), {v, std::nextafter(edge, INFINITY), -v});
    std::mt19937_64 random(19);
    std::uniform_real_distribution<double> decade(-6.0, 17.0);
    for (int i = 0; i < 200000; ++i) {
        const double v = std::pow(10.0, decade(random));
        values.push_back(i % 2 ? -v : v);
        // A decimal with few places, as the data files hold.
        values.push_back(std::round(v * 1e8) / 1e8);
        // Few binary places: exact decimals, some a tie at the 17th digit.
        values.push_back(std::ldexp(static_cast<double>(random() >> 11), -(i % 16)));
    }
    for (const double v : values)
        ASSERT_EQ(ExactNumber(v), Reference(v)) << "bits of the value: " << std::hexfloat << v;
}

}  // namespace
