// The evaluator's failures as codes: the code and argument of each kind of
// failure, and the Russian message made of them, which is what the
// evaluator's QString functions return.
#include "eqedit/evaluator.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CodeCase {
    const char* formula;
    EvaluatorMessageId id;
    const char* argument;   // nullptr: none
};

TEST(EvaluatorMessage, EachFailureCarriesItsCodeAndArgument)
{
    const CodeCase cases[] = {
        {"", EvaluatorMessageId::EmptyFormula, nullptr},
        {"ln(0-2)", EvaluatorMessageId::NaturalLogDomain, "-2"},
        {"sqrt(0-4)", EvaluatorMessageId::RootOfNegative, "-4"},
        {"foo(1)", EvaluatorMessageId::UnknownFunction, "foo"},
        {"1/0", EvaluatorMessageId::QuotientFault, nullptr},
        {"a#(1@", EvaluatorMessageId::ExponentMoreOpen, nullptr},
        {"1+2)", EvaluatorMessageId::MissingOpen, "1+2)"},
        {"x", EvaluatorMessageId::NotANumber, "x"},
    };
    const EqEvaluator evaluator;
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.formula);
        double value = 0.0;
        const EvaluatorMessage message = evaluator.calculate(QString::fromUtf8(c.formula), value);
        EXPECT_EQ(message.id(), c.id);
        EXPECT_EQ(message.args(), c.argument ? QStringList{QString::fromUtf8(c.argument)} : QStringList{});
        EXPECT_EQ(message.text().toStdString(),
                  evaluator.CalculateEquation(QString::fromUtf8(c.formula), value).toStdString());
    }
}

// A superscript opened inside a superscript names its position.
TEST(EvaluatorMessage, AnUnboundIndexNamesItsPosition)
{
    QString formula = QStringLiteral("x#2#3@");
    const EvaluatorMessage message = EqEvaluator::indexOrder(formula);
    EXPECT_EQ(message.id(), EvaluatorMessageId::UnboundSuperscript);
    EXPECT_EQ(message.args(), QStringList{QStringLiteral("4")});
    EXPECT_EQ(message.text().toStdString(), "Верхний индекс в позиции 4 не связан ни с одним выражением.");
}

// A failed comparison reports the last trial's message as its cause.
TEST(EvaluatorMessage, AFailedComparisonNamesItsCause)
{
    const EqEvaluator evaluator;
    bool equal = true;
    const EvaluatorMessage message = evaluator.compare(QStringLiteral("foo(1)"), QStringLiteral("1"), equal);
    EXPECT_FALSE(equal);
    EXPECT_EQ(message.id(), EvaluatorMessageId::ComparisonFailed);
    ASSERT_NE(message.cause(), nullptr);
    EXPECT_EQ(message.cause()->id(), EvaluatorMessageId::UnknownFunction);
    EXPECT_EQ(message.text().toStdString(),
              "Невозможно вычислить одно или оба выражения при сравнении (Неизвестная функция foo).");
    EXPECT_TRUE(evaluator.compare(QStringLiteral("2"), QStringLiteral("1+1"), equal).isEmpty());
    EXPECT_TRUE(equal);
}

} // namespace
