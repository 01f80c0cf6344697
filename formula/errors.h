#pragma once
// Faults that end a comparison without a verdict.  Expected failures (a missing
// variable, a division by zero, an unbalanced bracket) are recorded in MyStat
// instead; these exceptions are for input that cannot be examined at all or
// for an invalid floating-point operation.  what() is the engine's Russian
// message; message() and args() give it as a code for a program that words it
// in its own language.
#include <stdexcept>
#include <string>
#include <vector>

#include "formula/messages.h"

class FormulaError : public std::runtime_error {
public:
    explicit FormulaError(FormulaMessage message, std::vector<std::string> args = {})
        : std::runtime_error(formulaMessageText(message, args))
        , m_message(message)
        , m_args(std::move(args))
    {
    }
    FormulaMessage message() const { return m_message; }
    const std::vector<std::string>& args() const { return m_args; }

private:
    FormulaMessage m_message;
    std::vector<std::string> m_args;
};

// The text cannot be parsed: an operand left empty by an operator ("+a",
// "a++b", "a*/b"), an empty formula or argument, a text too long or nested
// too deeply.
class FormulaParseError : public FormulaError {
public:
    using FormulaError::FormulaError;
};

// A number text made only of digits, ",", "." and "-" that is not a number
// (".", "-", "1,2,3"), or one beyond the range of the extended type.
class NumberFormatError : public FormulaError {
public:
    using FormulaError::FormulaError;
};

// A not-a-number reaching a test, an invalid operation on infinities
// (inf - inf, 0 * inf, inf / inf), or an overflow: a finite result of finite
// operands that does not fit, or a finite value too large for a double when
// it is narrowed.
class FloatingPointError : public FormulaError {
public:
    using FormulaError::FormulaError;
};
