#include "formula/random.h"

#include <chrono>
#include <ctime>
#include <random>
#include <utility>

namespace {
RandomState g_state{0, 0};

SeedSource& seedSource()
{
    static SeedSource source;
    return source;
}
} // namespace

void randomSeed(std::uint32_t seed)
{
    g_state.low = seed;
    g_state.high = 0;
    random15();
}

void randomizeFromClock()
{
    const SeedSource& source = seedSource();
    randomSeed(source ? source() : static_cast<std::uint32_t>(std::time(nullptr)));
}

SeedSource setSeedSource(SeedSource source)
{
    return std::exchange(seedSource(), std::move(source));
}

std::uint64_t freshSeed()
{
    if (const SeedSource& source = seedSource())
        return source();
    std::random_device device;
    const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return (static_cast<std::uint64_t>(device()) << 32) ^ now;
}

int random15()
{
    g_state.low = g_state.low * 22695477u + 1u;
    return static_cast<int>((g_state.low >> 16) & 0x7FFFu);
}

std::uint32_t randomBelow(std::uint32_t n)
{
    if (n == 0)
        return 0;
    constexpr std::uint64_t multiplier = (std::uint64_t{346} << 32) + 20021u;
    std::uint64_t v = (std::uint64_t{g_state.high} << 32) | g_state.low;
    v = v * multiplier + 1u;
    g_state.low = static_cast<std::uint32_t>(v);
    g_state.high = static_cast<std::uint32_t>(v >> 32);
    return (g_state.high & 0x7FFFFFFFu) % n;
}

RandomState randomState()
{
    return g_state;
}
