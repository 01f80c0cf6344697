// LU factorisation with row-scaled pivoting.  Input: the order (6 or 9), then
// the matrix and the right-hand side, each element picked from special values
// (not-a-number, infinities, denormals, huge and tiny values, zeros, repeats of
// earlier elements) or read as raw bits.  Where the flag says regular: every
// exchange is a row at or below its column, and a finite matrix gives finite
// factors with P·A = L·U within rounding, or factors that overflowed.
#include "fuzz_support.h"

#include "solver/lu.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();

double readElement(ByteReader& in, const double* earlier, int count)
{
    const std::uint8_t pick = in.byte();
    switch (pick % 16) {
    case 0: return std::numeric_limits<double>::quiet_NaN();
    case 1: return kInf;
    case 2: return -kInf;
    case 3: return std::numeric_limits<double>::denorm_min();
    case 4: return -1e-310;
    case 5: return DBL_MAX;
    case 6: return -1e308;
    case 7: return 1e-300;
    case 8: return 0.0;
    case 9: return -0.0;
    case 10: return 1.0;
    case 11: return -1.0;
    case 12: return double(std::int8_t(in.byte()));
    case 13: {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = bits << 8 | in.byte();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    case 14: {
        const int mantissa = std::int8_t(in.byte());
        const int exponent = int(in.byte()) * 8 - 1024;
        return std::ldexp(double(mantissa), exponent);
    }
    default: return count > 0 ? earlier[in.byte() % count] * (pick & 0x80 ? -3.0 : 1.0) : 1.0;
    }
}

void checkFactors(const double* a, int n, const double* lu, const int* exchange)
{
    for (int j = 0; j < n; ++j)
        fuzzCheck(exchange[j] >= j && exchange[j] < n, "exchange record outside the rows below its column");
    if (!allFinite(a, n * n) || !allFinite(lu, n * n))
        return;   // a not-a-number went through, or the factors overflowed
    std::array<double, 81> pa;
    std::memcpy(pa.data(), a, sizeof(double) * n * n);
    for (int j = 0; j < n; ++j)
        if (exchange[j] != j)
            for (int k = 0; k < n; ++k)
                std::swap(pa[j * n + k], pa[exchange[j] * n + k]);
    const long double eps = DBL_EPSILON;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            long double sum = 0, magnitude = 0, column = 0;
            for (int k = 0; k <= std::min(i, j); ++k) {
                const long double l = k == i ? 1.0L : lu[i * n + k];
                const long double u = lu[k * n + j];
                sum += l * u;
                magnitude += std::fabs(l * u);
                column += std::fabs(u);
            }
            // Rounding of every product and difference, and multipliers that
            // underflowed below the denormal range.
            const long double bound = 4 * (n + 1) * eps * magnitude
                                    + 4 * n * (1 + column) * std::numeric_limits<double>::denorm_min();
            if (std::fabs(pa[i * n + j] - sum) > bound)
                fuzzFailure("P*A differs from L*U at (" + std::to_string(i) + ", " + std::to_string(j) + ")");
        }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteReader in(data, size);
    const int n = in.byte() & 1 ? 9 : 6;
    std::array<double, 81> a{}, lu{}, b{}, x{};
    std::array<double, 9> scale{};
    std::array<int, 9> exchange{};
    for (int k = 0; k < n * n; ++k)
        a[k] = readElement(in, a.data(), k);
    for (int k = 0; k < n; ++k)
        b[k] = readElement(in, a.data(), n * n);

    int singular = -1;
    DecomposeLU(a.data(), n, lu.data(), exchange.data(), scale.data(), singular);
    fuzzCheck(singular == 0 || singular == 1, "singular flag neither 0 nor 1");
    if (singular)
        return 0;
    checkFactors(a.data(), n, lu.data(), exchange.data());
    SolveLU(lu.data(), exchange.data(), n, b.data(), x.data());
    allFinite(x.data(), n);
    return 0;
}
