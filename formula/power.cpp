#include "formula/power.h"

#include <cfloat>
#include <cmath>

double powerOf(double x, double y)
{
#if !defined(VEKTUM_EXACT_POW) && LDBL_MANT_DIG > DBL_MANT_DIG
    // The build found this pow astray for large exponents (MinGW-w64's gives
    // 1.0000001^1e8 5.6e-10 too small, ten thousand units in the last place).
    // With the x87's 64-bit mantissa, y·ln x keeps eleven bits more than a
    // double holds, so e to that power rounds to the double that pow should
    // give.  Zeros, infinities, NaNs and negative bases of non-integer
    // exponents keep pow's own rules.
    if (std::isfinite(x) && std::isfinite(y) && x != 0.0 && (x > 0.0 || y == std::trunc(y))) {
        const long double magnitude = std::exp(static_cast<long double>(y) * std::log(std::fabs(static_cast<long double>(x))));
        const bool odd = x < 0.0 && std::fmod(y, 2.0) != 0.0;
        return static_cast<double>(odd ? -magnitude : magnitude);
    }
#endif
    return std::pow(x, y);
}
