#pragma once
// What the formula engine reports: a message code with its arguments, and the
// Russian text that code gives.  The engine's status record and its exceptions
// carry both; a program that shows a message to its user translates the
// code's text (formulaMessagePattern) in the context kFormulaMessageContext
// and puts the arguments in.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class FormulaMessage : std::uint8_t {
    None = 0,
    EmptyKey,                // a table lookup with an empty name
    NoSuchVariable,          // %1 the name
    DivisionByZero,
    LogarithmOfZero,
    CotangentOfZero,
    MissingOperand,
    InvalidOperation,
    Overflow,
    FormulaTooLong,
    NestingTooDeep,
    NotANumber,              // %1 the text
    MissingClosingBracket,
    MissingOpeningBracket,
    NumberTooLarge,          // %1 the text
    NothingToCompare,
    ValueNotANumber,
};

// One past the last code, for walking every code.
inline constexpr int kFormulaMessageCount = static_cast<int>(FormulaMessage::ValueNotANumber) + 1;

// The context in which the texts are translated.
inline constexpr char kFormulaMessageContext[] = "Message";

// The Russian text of a code with %1, %2... where its arguments go; "" for
// FormulaMessage::None.  It is the source text of the code's translation.
const char* formulaMessagePattern(FormulaMessage code);

// The Russian text of a code, its arguments put in the places of %1, %2...
// (a missing argument leaves its place empty).  "" for FormulaMessage::None.
std::string formulaMessageText(FormulaMessage code, const std::vector<std::string>& args = {});

// How many arguments a code takes.
int formulaMessageArity(FormulaMessage code);

// A message pattern with its arguments put in the places of %1, %2... in one
// pass (an argument is never searched for places; a missing one leaves its
// place empty), and the highest place a pattern names.  Shared by the tables
// of messages in the program's own language.
std::string fillPlaces(const std::string& pattern, const std::vector<std::string>& args);
int placeCount(const std::string& pattern);

// True when every row of a message table stands at the index of its `code`.
template <class Row, std::size_t N>
constexpr bool rowsInCodeOrder(const Row (&rows)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(rows[i].code) != i)
            return false;
    return true;
}
