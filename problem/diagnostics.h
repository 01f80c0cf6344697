#pragma once
// What the reader and the check of a problem file report: a place in the file,
// a severity, a message code with its arguments, and the Russian text that
// code gives.  A program that shows a report to its user words the code in its
// own language; the core carries no translation.
#include <cstdint>
#include <string>
#include <vector>

#include "formula/messages.h"

enum class ProblemMessage : std::uint8_t {
    None = 0,
    Syntax,                  // %1 the TOML reader's own description (English)
    FileTooLarge,            // %1 the limit in bytes
    FileUnreadable,          // %1 the file name
    UnknownKey,              // %1 the key
    MissingKey,              // %1 the key
    WrongType,               // %1 the key, %2 the TOML type wanted
    BadValue,                // %1 the key, %2 the value
    UnsupportedFormat,       // %1 the value
    TooMany,                 // %1 the key, %2 the limit
    TooLong,                 // %1 the key, %2 the limit in bytes
    MissingTranslation,      // %1 the key, %2 the language (ru, en)
    DuplicateVariable,       // %1 the name
    OutOfRange,              // %1 the key, %2 the least, %3 the greatest value
    ItemOutsideBox,          // %1 x, %2 y, %3 width, %4 height of the box
    StageOutOfRange,         // %1 the stage, %2 the number of stages
    UnknownNotVariable,      // %1 the name
    UnknownNotDeclared,      // %1 the step, %2 the name
    UndefinedVariable,       // %1 the step, %2 the name
    FormulaUnreadable,       // %1 the step, %2 the formula, %3 the engine's message
    ReferenceNeverDefined,   // %1 the step, %2 the reference
    AcceptRefused,           // %1 the step, %2 the answer, %3 the point
    AcceptNotEvaluated,      // %1 the step, %2 the answer, %3 points, %4 points tried, %5 the first point
    RefuseAccepted,          // %1 the step, %2 the answer, %3 points accepted, %4 points tried
    AnswerUnjudged,          // %1 the step, %2 the answer, %3 the point, %4 the engine's message
    NotLinear,               // %1 the step
    TooFewEquations,         // %1 the equations, %2 the unknowns
    NoWellConditionedSystem, // %1 the steps of the equations
    EquationNotSatisfied,    // %1 the step, %2 the steps solved, %3 the residual, %4 the point
    ExpressionMismatch,      // %1 the step, %2 the unknown, %3 the value, %4 the solution, %5 the point
    CountMismatch,           // %1 the step, %2 the value, %3 the number of unknowns
    KnownCondition,          // %1 the step, %2 the file's text of the condition
    DiagnosisMismatch,       // %1 the step, %2 the answer, %3 the diagnosis told, %4 the one the test names,
                             // %5 points told otherwise, %6 points diagnosed, %7 the first of them
    TextDoesNotFit,          // %1 the key, %2 the language (ru, en), %3 the size it takes, %4 its area
};

inline constexpr int kProblemMessageCount = static_cast<int>(ProblemMessage::TextDoesNotFit) + 1;

// The Russian text of a code, with %1... where its arguments go, as the
// program's catalogue holds it in the context kProblemMessageContext.
inline constexpr char kProblemMessageContext[] = "ProblemMessage";
const char* problemMessagePattern(ProblemMessage code);

enum class Severity : std::uint8_t { Error, Note };

struct ProblemDiagnostic {
    int line = 0;     // from 1; 0 when the report is about the whole file
    int column = 0;   // from 1
    Severity severity = Severity::Error;
    ProblemMessage message = ProblemMessage::None;
    std::vector<std::string> args;
    // A message of the formula engine that the text quotes: it fills the
    // place after the last of `args` (FormulaUnreadable, AnswerUnjudged).
    FormulaMessage engine = FormulaMessage::None;
    std::vector<std::string> engineArgs;
    // A text the file gives in both languages (KnownCondition): it fills the
    // place after the last of `args`, in the report's language.
    std::string givenRu;
    std::string givenEn;
};

// An error or note at a place, without an engine's message.
ProblemDiagnostic problemDiagnostic(int line, int column, ProblemMessage message, std::vector<std::string> args = {},
                                    Severity severity = Severity::Error);

// The Russian text of a code, its arguments in the places of %1, %2...
std::string problemMessageText(ProblemMessage code, const std::vector<std::string>& args = {});
// The Russian text of a report, the engine's message included.
std::string diagnosticText(const ProblemDiagnostic& diagnostic);
// How many arguments a code takes (the engine's message counted).
int problemMessageArity(ProblemMessage code);

// "file:line:column: text", "file: text" when the report has no place; a note
// is marked after the place ("file:3:1: примечание: text", the marker given).
std::string formatDiagnostic(const std::string& file, const ProblemDiagnostic& diagnostic,
                             const std::string& text, const std::string& noteMarker);

// True when one of the reports is an error (notes do not fail a check).
bool hasErrors(const std::vector<ProblemDiagnostic>& diagnostics);
