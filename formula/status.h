#pragma once
// The formula engine's status record.  Every engine operation reports an
// expected failure here instead of interrupting its caller: the first error
// recorded while Message is "" wins, later ones are ignored until the status is
// cleared again (NormalizeEquation clears it, and with it every table lookup).
#include <cstdint>
#include <string>
#include <vector>

#include "formula/messages.h"

struct TMyStat {
    // 0 none, 2 arithmetic, 3 variable table, 4 brackets or nothing to compare.
    std::uint8_t Code = 0;
    // "" means no error is pending.
    std::string Message;
    // Tolerance of every check of the engine; never changed.
    double Epsilon = 0.0001;
    // The pending message as its code and arguments: Message is
    // formulaMessageText(MessageId, MessageArgs).
    FormulaMessage MessageId = FormulaMessage::None;
    std::vector<std::string> MessageArgs;
};

extern TMyStat MyStat;

// Records an error: sets Code and the message only if no message is pending.
void recordError(std::uint8_t code, FormulaMessage message, std::vector<std::string> args = {});
// Sets Code and the message whether or not one is pending.
void setError(std::uint8_t code, FormulaMessage message, std::vector<std::string> args = {});
// Message "" and its code None; Code stays.
void clearMessage();
// Code 0, Message "".
void clearStatus();
