// DecomposeLU + SolveLU on systems of order 6 and 9, and, as a yardstick, LAPACK's
// dgesv on the same matrices (it overwrites its inputs, so they are copied first).
#include "solver/lu.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <random>
#include <vector>

#ifdef VEKTUM_HAVE_LAPACK
extern "C" void dgesv_(const int* n, const int* nrhs, double* a, const int* lda, int* ipiv, double* b,
                       const int* ldb, int* info);
#endif

namespace {

constexpr int kSystems = 64;

struct Systems {
    int n;
    std::vector<double> a;   // kSystems matrices of n * n
    std::vector<double> b;   // kSystems right-hand sides of n
};

Systems makeSystems(int n)
{
    std::mt19937 gen(12345u + static_cast<unsigned>(n));
    std::uniform_real_distribution<double> entry(-100.0, 100.0);
    Systems s{n, std::vector<double>(kSystems * n * n), std::vector<double>(kSystems * n)};
    for (double& e : s.a)
        e = entry(gen);
    for (double& e : s.b)
        e = entry(gen);
    return s;
}

void BM_DecomposeSolve(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Systems s = makeSystems(n);
    std::array<double, 81> lu{};
    std::array<int, 9> exchange{};
    std::array<double, 9> scale{};
    std::array<double, 9> x{};
    int k = 0;
    for (auto _ : state) {
        const double* a = &s.a[k * n * n];
        const double* b = &s.b[k * n];
        int singular = 0;
        DecomposeLU(a, n, lu.data(), exchange.data(), scale.data(), singular);
        SolveLU(lu.data(), exchange.data(), n, b, x.data());
        benchmark::DoNotOptimize(x.data());
        benchmark::ClobberMemory();
        k = (k + 1) % kSystems;
    }
}
BENCHMARK(BM_DecomposeSolve)->Arg(6)->Arg(9);

#ifdef VEKTUM_HAVE_LAPACK
void BM_Dgesv(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Systems s = makeSystems(n);
    std::array<double, 81> a{};
    std::array<double, 9> b{};
    std::array<int, 9> pivots{};
    const int one = 1;
    int k = 0;
    for (auto _ : state) {
        std::memcpy(a.data(), &s.a[k * n * n], sizeof(double) * n * n);
        std::memcpy(b.data(), &s.b[k * n], sizeof(double) * n);
        int info = 0;
        dgesv_(&n, &one, a.data(), &n, pivots.data(), b.data(), &n, &info);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
        k = (k + 1) % kSystems;
    }
}
BENCHMARK(BM_Dgesv)->Arg(6)->Arg(9);
#endif

} // namespace

BENCHMARK_MAIN();
