// The engine's reports as codes: every failure, recorded in the status or
// thrown, carries the code and the arguments its Russian message was made of,
// so that a program can word it in another language.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "formula/equation.h"
#include "formula/errors.h"
#include "formula/packetdata.h"
#include "formula/packetequation.h"
#include "formula/status.h"
#include "formula/text.h"

namespace {

struct ReportCase {
    const char* what;
    std::function<void()> run;
    FormulaMessage code;
    std::vector<std::string> args;
};

TEST(MessageCodes, RecordedAndThrownReportsCarryTheirCodeAndArguments)
{
    TMyPacketData table;
    table.AddVariable("F", "2");
    table.AddVariable("Z", "0");
    table.AddVariable("bad", "1,2,3");
    const ReportCase cases[] = {
        {"missing variable", [&] { table.GetVariable("R!B@"); }, FormulaMessage::NoSuchVariable, {"R!B@"}},
        {"empty name", [&] { table.AddVariable("", "1"); }, FormulaMessage::EmptyKey, {}},
        {"division by zero", [&] { TMyEquation("F/Z").Evaluate(table); }, FormulaMessage::DivisionByZero, {}},
        {"logarithm of zero", [&] { TMyEquation("ln(Z)").Evaluate(table); }, FormulaMessage::LogarithmOfZero, {}},
        {"cotangent of zero", [&] { TMyEquation("cotan(Z)").Evaluate(table); }, FormulaMessage::CotangentOfZero, {}},
        {"no closing bracket", [] { NormalizeEquation("(a"); }, FormulaMessage::MissingClosingBracket, {}},
        {"no opening bracket", [] { NormalizeEquation("a)"); }, FormulaMessage::MissingOpeningBracket, {}},
        {"nothing to compare", [&] { TMyPacketEquation().Compare("F", table); }, FormulaMessage::NothingToCompare, {}},
        {"empty operand", [] { TMyEquation("F++F"); }, FormulaMessage::MissingOperand, {}},
        {"not a number", [&] { TMyEquation("bad").Evaluate(table); }, FormulaMessage::NotANumber, {"1,2,3"}},
        {"too large", [] { StrToNumber(std::string(5000, '9')); }, FormulaMessage::NumberTooLarge, {std::string(5000, '9')}},
        {"overflow", [] { narrowToDouble(1e400L); }, FormulaMessage::Overflow, {}},
        {"too long", [] { TMyEquation(std::string(kMaxFormulaLength + 1, 'a')); }, FormulaMessage::FormulaTooLong, {}},
    };
    for (const ReportCase& c : cases) {
        SCOPED_TRACE(c.what);
        clearStatus();
        try {
            c.run();
            EXPECT_EQ(MyStat.MessageId, c.code);
            EXPECT_EQ(MyStat.MessageArgs, c.args);
            EXPECT_EQ(MyStat.Message, formulaMessageText(c.code, c.args));
        } catch (const FormulaError& e) {
            EXPECT_EQ(e.message(), c.code);
            EXPECT_EQ(e.args(), c.args);
            EXPECT_EQ(std::string(e.what()), formulaMessageText(c.code, c.args));
        }
    }
}

// Clearing the status clears the code with the message; a pending report is
// kept, code and all, when a later one comes.
TEST(MessageCodes, TheCodeFollowsTheMessage)
{
    clearStatus();
    recordError(3, FormulaMessage::NoSuchVariable, {"x"});
    recordError(2, FormulaMessage::DivisionByZero);
    EXPECT_EQ(MyStat.MessageId, FormulaMessage::NoSuchVariable);
    EXPECT_EQ(MyStat.Message, "Ошибка: нет такой переменной \"x\"");
    clearStatus();
    EXPECT_EQ(MyStat.MessageId, FormulaMessage::None);
    EXPECT_TRUE(MyStat.MessageArgs.empty());
    EXPECT_EQ(MyStat.Message, "");
}

} // namespace
