#pragma once
// The process-wide pseudo-random generator shared by the comparison, the
// exercise windows and the equation control.
//
// State: two unsigned 32-bit halves, low and high.
//  - Seeding with s: low := s, high := 0, then one 15-bit draw is discarded.
//  - 15-bit draw: low := low * 22695477 + 1 (mod 2^32); yields bits 16..30 of
//    the new low (0..32767); high is untouched.
//  - Draw from n values (n > 0): the 64-bit number high:low becomes
//    (high:low * (346 * 2^32 + 20021) + 1) mod 2^64; yields (new high with its
//    top bit cleared) mod n.  For n = 0 it yields 0 and leaves the state alone.
// Used from the user-interface thread only.
#include <cstdint>
#include <functional>

void randomSeed(std::uint32_t seed);
// Seeds with the current time in whole seconds, or with the next number of the
// seed source when one is set.
void randomizeFromClock();

// Replaces the clock as the source of randomizeFromClock's seeds, so that a
// test run that reseeds from the clock replays exactly; an empty source
// restores the clock.  Returns the previous source.  The program never sets one.
using SeedSource = std::function<std::uint32_t()>;
SeedSource setSeedSource(SeedSource source);
// A seed for a generator of its own: the next number of the seed source when
// one is set, else one from the system's entropy and the clock.
std::uint64_t freshSeed();
int random15();
std::uint32_t randomBelow(std::uint32_t n);

struct RandomState {
    std::uint32_t low;
    std::uint32_t high;
};
RandomState randomState();
