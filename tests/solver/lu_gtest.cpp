// DecomposeLU and SolveLU through their public interface.
#include "solver/lu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

using Matrix = std::vector<double>;
using Vector = std::vector<double>;

int orderOf(const Matrix& a)
{
    return static_cast<int>(std::lround(std::sqrt(static_cast<double>(a.size()))));
}

struct Factors {
    int n = 0;
    Matrix lu;
    std::vector<int> exchange;
    Vector scale;
    int singular = -1;
};

Factors decompose(const Matrix& a)
{
    Factors f;
    f.n = orderOf(a);
    f.lu.assign(a.size(), 0.0);
    f.exchange.assign(f.n, -1);
    f.scale.assign(f.n, 0.0);
    DecomposeLU(a.data(), f.n, f.lu.data(), f.exchange.data(), f.scale.data(), f.singular);
    return f;
}

Vector solve(const Factors& f, const Vector& b)
{
    Vector x(f.n, 0.0);
    SolveLU(f.lu.data(), f.exchange.data(), f.n, b.data(), x.data());
    return x;
}

Matrix identity(int n)
{
    Matrix a(n * n, 0.0);
    for (int i = 0; i < n; ++i)
        a[i * n + i] = 1.0;
    return a;
}

Vector multiply(const Matrix& a, const Vector& x)
{
    const int n = static_cast<int>(x.size());
    Vector b(n, 0.0);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            b[i] += a[i * n + j] * x[j];
    return b;
}

double maxAbs(const Vector& v)
{
    double m = 0.0;
    for (double e : v)
        m = std::max(m, std::fabs(e));
    return m;
}

// max|Ax - b| / (max|A| * max|x|)
double relativeResidual(const Matrix& a, const Vector& x, const Vector& b)
{
    const Vector ax = multiply(a, x);
    double r = 0.0;
    for (std::size_t i = 0; i < b.size(); ++i)
        r = std::max(r, std::fabs(ax[i] - b[i]));
    return r / (maxAbs(a) * maxAbs(x));
}

// A row of the order-n identity with one more entry set.
Matrix unitRowsWith(int n, int row, int col, double value)
{
    Matrix a = identity(n);
    a[row * n + col] = value;
    return a;
}

} // namespace

// Systems whose solutions are known exactly: small integer solutions with b = A x
// computed exactly in integers, and a 2 x 2 worked by hand.
TEST(LU, SolvesKnownSystems)
{
    struct Case {
        std::string name;
        Matrix a;
        Vector b;
        Vector x;
    };
    const std::vector<Case> cases = {
        {"order 2 by hand", {2, 1, 1, 3}, {3, 5}, {0.8, 1.4}},
        {"order 2 needing an exchange", {0, 1, 1, 0}, {7, -2}, {-2, 7}},
        {"order 6",
         {4, -1, 0, 2, 0, 1,    //
          1, 5, -2, 0, 3, 0,    //
          0, 2, 6, -1, 0, 2,    //
          3, 0, 1, 7, -2, 0,    //
          -1, 0, 4, 1, 8, -3,   //
          2, 1, 0, 0, -1, 9},
         {},
         {1, -2, 3, 0.5, -4, 2}},
        {"order 9 with zeros to pivot around",
         {0, 2, 0, 1, 0, 0, 3, 0, 1,    //
          5, 0, 1, 0, 2, 0, 0, 1, 0,    //
          0, 0, 0, 4, 0, 1, 0, 0, 2,    //
          1, 3, 0, 0, 0, 0, 2, 0, 0,    //
          0, 0, 6, 0, 1, 0, 0, 2, 0,    //
          0, 1, 0, 0, 0, 7, 0, 0, 3,    //
          2, 0, 0, 1, 5, 0, 0, 0, 0,    //
          0, 0, 1, 0, 0, 2, 0, 8, 0,    //
          0, 0, 0, 0, 0, 1, 4, 0, 6},
         {},
         {3, -1, 2, 0, 5, -3, 1, 4, -2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Vector b = c.b.empty() ? multiply(c.a, c.x) : c.b;
        const Factors f = decompose(c.a);
        ASSERT_EQ(f.singular, 0);
        const Vector x = solve(f, b);
        for (std::size_t i = 0; i < x.size(); ++i)
            EXPECT_NEAR(x[i], c.x[i], 1e-12 * (1.0 + std::fabs(c.x[i]))) << "x[" << i << "]";
    }
}

TEST(LU, IdentityNeedsNoExchangeAndReturnsB)
{
    for (int n : {6, 9}) {
        SCOPED_TRACE(n);
        const Factors f = decompose(identity(n));
        ASSERT_EQ(f.singular, 0);
        for (int j = 0; j < n; ++j)
            EXPECT_EQ(f.exchange[j], j);
        Vector b(n);
        for (int i = 0; i < n; ++i)
            b[i] = 1.5 * i - 4.0;
        EXPECT_EQ(solve(f, b), b);
    }
}

// The record entry j names the row exchanged with row j at step j.
TEST(LU, ExchangeRecord)
{
    struct Case {
        std::string name;
        Matrix a;
        std::vector<int> exchange;
    };
    const std::vector<Case> cases = {
        // Rows e2, e0, e1: step 0 takes row 1, step 1 then finds e1 in row 2.
        {"permutation", {0, 0, 1, 1, 0, 0, 0, 1, 0}, {1, 2, 2}},
        {"first column (0, 2, 0, ...)",
         {0, 1, 0, 0, 0, 0,   //
          2, 0, 0, 0, 0, 0,   //
          0, 0, 1, 0, 0, 0,   //
          0, 0, 0, 1, 0, 0,   //
          0, 0, 0, 0, 1, 0,   //
          0, 0, 0, 0, 0, 1},
         {1, 1, 2, 3, 4, 5}},
        // Scaled candidates of rows 1 and 2 in column 0 are both exactly 1/2; in
        // column 1 row 2 then leads with 1 against 1/2.
        {"tie won by the upper row", {1, 4, 0, 2, 4, 0, 1, 0, 2}, {1, 2, 2}},
        // Row 2 wins column 0 with 3/4 and takes row 0's place, and row 0 takes row
        // 2's scale 1/4 with it; column 1 is then a tie (1 and 1) kept by row 1.
        // Keeping row 2's own scale 1/2 there would make row 2 win with 2.
        {"scale follows the exchanged row", {1, 4, 0, 2, 4, 0, 1.5, 0, 2}, {2, 1, 2}},
        // Row 0 has the largest entry of column 0 but the smallest scaled candidate.
        {"implicit scaling decides", {10, 1000, 0, 1, 2, 0, 0, 0, 1}, {1, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Factors f = decompose(c.a);
        ASSERT_EQ(f.singular, 0);
        EXPECT_EQ(f.exchange, c.exchange);
        Vector b(c.exchange.size());
        for (std::size_t i = 0; i < b.size(); ++i)
            b[i] = static_cast<double>(i) + 1.0;
        EXPECT_LT(relativeResidual(c.a, solve(f, b), b), 1e-14);
    }
}

TEST(LU, SingularMatrices)
{
    const double tiny62 = std::ldexp(1.0, -62);
    const double tiny61 = std::ldexp(1.0, -61);
    struct Case {
        std::string name;
        Matrix a;
    };
    Matrix identicalRows = identity(6);
    for (int k = 0; k < 6; ++k)
        identicalRows[4 * 6 + k] = identicalRows[1 * 6 + k] = k + 1.0;
    Matrix zeroColumn = identity(9);
    zeroColumn[3 * 9 + 3] = 0.0;
    zeroColumn[3 * 9 + 4] = 1.0;
    // The best pivot of column 0 is exactly the given tiny value (row 0's scale is 1).
    const std::vector<Case> cases = {
        {"two identical rows", identicalRows},
        {"zero column", zeroColumn},
        {"pivot 2^-62 at order 6", unitRowsWith(6, 0, 1, 1.0)},
        {"pivot 2^-61 at order 9", unitRowsWith(9, 0, 1, 1.0)},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.name);
        if (c.name.starts_with("pivot"))
            c.a[0] = c.name.find("62") != std::string::npos ? tiny62 : tiny61;
        EXPECT_EQ(decompose(c.a).singular, 1);
    }
}

// The singularity test is made in extended precision: a pivot far below a double's
// resolution of n is still accepted, and only the half-ulp of n in 64 bits fails.
TEST(LU, TinyPivotsAcceptedAboveTheExtendedThreshold)
{
    struct Case {
        int n;
        int exponent;
    };
    for (const Case c : {Case{6, -61}, Case{6, -55}, Case{9, -60}, Case{9, -52}}) {
        SCOPED_TRACE(testing::Message() << "n=" << c.n << " pivot 2^" << c.exponent);
        const double tiny = std::ldexp(1.0, c.exponent);
        Matrix a = unitRowsWith(c.n, 0, 1, 1.0);
        a[0] = tiny;
        const Factors f = decompose(a);
        ASSERT_EQ(f.singular, 0);
        Vector b(c.n, 0.0);
        b[0] = 1.0;
        const Vector x = solve(f, b);
        EXPECT_EQ(x[0], 1.0 / tiny);
        EXPECT_EQ(x[1], 0.0);
    }
}

TEST(LU, ZeroRowStopsBeforeElimination)
{
    const double untouched = 12345.0;
    for (int zeroRow : {0, 3, 5}) {
        SCOPED_TRACE(zeroRow);
        Matrix a(36);
        for (int k = 0; k < 36; ++k)
            a[k] = (k % 7) + 1.0;
        for (int k = 0; k < 6; ++k)
            a[zeroRow * 6 + k] = 0.0;
        Matrix lu(36, untouched);
        std::vector<int> exchange(6, -7);
        Vector scale(6, 0.0);
        int singular = 0;
        DecomposeLU(a.data(), 6, lu.data(), exchange.data(), scale.data(), singular);
        EXPECT_EQ(singular, 1);
        EXPECT_EQ(exchange, std::vector<int>(6, -7));
        for (int k = 0; k < 36; ++k) {
            if (k < zeroRow * 6 + 6)
                EXPECT_EQ(lu[k], a[k]) << k;
            else
                EXPECT_EQ(lu[k], untouched) << k;
        }
    }
}

// Right-hand sides whose permuted form starts with zeros, against matrices that
// exchange rows: the forward substitution must still see every non-zero entry.
TEST(LU, RightHandSidesWithLeadingZeros)
{
    const Matrix a = {0, 2, 1, 0,    //
                      3, 1, 0, 2,    //
                      0, 0, 4, 1,    //
                      1, 0, 2, 5};
    const std::vector<Vector> solutions = {
        {0, 0, 0, 1}, {0, 0, 1, 0}, {0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 2, -3}, {0, 0, 0, 0}};
    const Factors f = decompose(a);
    ASSERT_EQ(f.singular, 0);
    for (const Vector& want : solutions) {
        const Vector b = multiply(a, want);
        const Vector x = solve(f, b);
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(x[i], want[i], 1e-14) << "x[" << i << "] for b[0..3] = " << b[0] << " " << b[1]
                                              << " " << b[2] << " " << b[3];
    }
}

TEST(LU, RandomSystemsHaveSmallResiduals)
{
    std::mt19937 gen(20261207);
    std::uniform_real_distribution<double> entry(-100.0, 100.0);
    for (int n : {6, 9}) {
        for (int trial = 0; trial < 400; ++trial) {
            Matrix a(n * n);
            Vector b(n);
            for (double& e : a)
                e = entry(gen);
            for (double& e : b)
                e = entry(gen);
            const Factors f = decompose(a);
            ASSERT_EQ(f.singular, 0) << "n=" << n << " trial " << trial;
            EXPECT_LT(relativeResidual(a, solve(f, b), b), 1e-12) << "n=" << n << " trial " << trial;
        }
    }
}

// Multiplying one equation by 1000 leaves every scaled candidate unchanged, so the
// pivots and, up to rounding, the solution stay the same.
TEST(LU, ScalingOneEquationChangesNothing)
{
    // A row whose largest entry stands in column 0 has the candidate 1 there, which
    // rounding can turn into 1 - 2^-53 once the row is scaled: such near-ties are
    // avoided by giving every row a dominant entry outside column 0.
    std::mt19937 gen(77);
    std::uniform_real_distribution<double> entry(-10.0, 10.0);
    std::uniform_real_distribution<double> dominant(20.0, 30.0);
    for (int n : {6, 9}) {
        std::uniform_int_distribution<int> column(1, n - 1);
        for (int trial = 0; trial < 50; ++trial) {
            Matrix a(n * n);
            Vector b(n);
            for (double& e : a)
                e = entry(gen);
            for (int i = 0; i < n; ++i)
                a[i * n + column(gen)] = (i % 2 ? -1.0 : 1.0) * dominant(gen);
            for (double& e : b)
                e = entry(gen);
            const int row = trial % n;
            Matrix scaled = a;
            Vector scaledB = b;
            for (int k = 0; k < n; ++k)
                scaled[row * n + k] *= 1000.0;
            scaledB[row] *= 1000.0;
            const Factors f = decompose(a);
            const Factors g = decompose(scaled);
            ASSERT_EQ(f.singular, 0);
            ASSERT_EQ(g.singular, 0);
            EXPECT_EQ(f.exchange, g.exchange) << "n=" << n << " trial " << trial;
            const Vector x = solve(f, b);
            const Vector y = solve(g, scaledB);
            for (int i = 0; i < n; ++i)
                EXPECT_NEAR(y[i], x[i], 1e-10 * maxAbs(x)) << "n=" << n << " trial " << trial;
        }
    }
}

TEST(LU, AllFiniteRejectsInfinityAndNan)
{
    const double inf = HUGE_VAL;
    const double nan = std::nan("");
    const std::vector<std::pair<Vector, bool>> cases = {
        {{}, true}, {{0.0, -1e308, 5e-324}, true}, {{1.0, inf}, false}, {{-inf}, false}, {{nan, 0.0}, false}};
    for (const auto& [values, finite] : cases)
        EXPECT_EQ(allFinite(values.data(), static_cast<int>(values.size())), finite);
}
