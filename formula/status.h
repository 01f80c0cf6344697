#pragma once
// The formula engine's status record.  Every engine operation reports an
// expected failure here instead of interrupting its caller: the first error
// recorded while Message is "" wins, later ones are ignored until the status is
// cleared again (NormalizeEquation clears it, and with it every table lookup).
#include <cstdint>
#include <string>

struct TMyStat {
    // 0 none, 2 arithmetic, 3 variable table, 4 brackets or nothing to compare.
    std::uint8_t Code = 0;
    // "" means no error is pending.
    std::string Message;
    // Tolerance of every check of the engine; never changed.
    double Epsilon = 0.0001;
};

extern TMyStat MyStat;

// Records an error: sets Code and Message only if no message is pending.
void recordError(std::uint8_t code, const std::string& message);
// Code 0, Message "".
void clearStatus();
