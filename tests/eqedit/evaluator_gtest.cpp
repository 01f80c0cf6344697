// The equation control's string-rewriting evaluator, tested without a widget.
#include "eqedit/evaluator.h"
#include "formula/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Vars = std::vector<std::pair<QString, double>>;

void addAll(EqEvaluator& e, const Vars& vars)
{
    for (const auto& [name, value] : vars)
        e.AddVariable(name, value);
}

std::string str(const QString& s)
{
    return s.toStdString();
}

// ---- Values ------------------------------------------------------------------

struct ValueCase {
    const char* formula;
    Vars vars;
    double expected;
};

TEST(EqEvaluator, ComputesValues)
{
    const double pi = std::numbers::pi;
    const std::vector<ValueCase> cases = {
        {"2*3+4", {}, 10},
        {"2+3*4", {}, 14},
        {"-2^2", {}, -4},
        {"(-2)^2", {}, 4},
        {"2^-1", {}, 0.5},
        {"5^0", {}, 1},
        {"2^3^2", {}, 64},
        {"1,5*2", {}, 3},
        {"10-4-3", {}, 3},
        {"12/4/3", {}, 1},
        {"2*-3", {}, -6},
        {"5--3", {}, 8},
        {"1e-3*2e3", {}, 2},
        {"x#2@", {{"x", 3}}, 9},
        {"x^2", {{"x", -2}}, -4},
        {"R!A#2@", {{"R!A", 2}}, 4},
        {"X#2!A@", {{"X!A", 5}}, 25},
        {"R+R!A", {{"R", 1}, {"R!A", 10}}, 11},
        {"~a*2", {{"~a", 1.5}}, 3},
        {"4#(-2)@+5#(4-67)@", {}, 0.0625 + std::pow(5.0, -63)},
        {"pi", {}, pi},
        {"~p", {}, pi},
        {"PI-Pi+pI", {}, pi},
        {"sin(x)^2", {{"x", 0.5}}, std::sin(0.25)},
        {"(sin(x))^2", {{"x", 0.5}}, std::sin(0.5) * std::sin(0.5)},
        {"SIN(pi/6)*2", {}, 2 * std::sin(pi / 6)},
        {"cos(0)+tg(0)+th(0)", {}, 1},
        {"arctg(1)*4", {}, pi},
        {"arcctg(1)*4", {}, pi},
        {"asin(0,5)", {}, std::asin(0.5)},
        {"arccos(0)*2", {}, pi},
        {"ctg(pi/4)", {}, std::cos(pi / 4) / std::sin(pi / 4)},
        {"ln(exp(2))", {}, 2},
        {"lg(1000)+log10(100)", {}, 5},
        {"sqrt(16)+sqr(3)+abs(-2)", {}, 15},
        {"sec(0)+ch(0)", {}, 2},
        {"cosec(pi/2)", {}, 1},
        {"sh(1)", {}, std::sinh(1.0)},
        {"cth(1)", {}, std::cosh(1.0) / std::sinh(1.0)},
        {"((1+2)*(3+4))", {}, 21},
        {"2#1+1@*3", {}, 12},
        {"1e308/1e308", {}, 1},
        // Number readings: a point on either side, signs, exponents, the ends
        // of the double range.
        {".5*2", {}, 1},
        {"5.*2", {}, 10},
        {"+.5", {}, 0.5},
        {"1.e2-1E+2", {}, 0},
        {"2,5e-1*4", {}, 1},
        {"1e-400", {}, 0},
        {"4e-324*1e300", {}, 4.94065645841246544e-324 * 1e300},
        {"1.7976931348623157e308", {}, 1.7976931348623157e308},
        {"0e99999", {}, 0},
    };
    for (const auto& c : cases) {
        EqEvaluator e;
        addAll(e, c.vars);
        double value = -12345;
        const QString message = e.CalculateEquation(QString::fromUtf8(c.formula), value);
        EXPECT_EQ(str(message), "") << c.formula;
        EXPECT_NEAR(value, c.expected, 1e-12 * std::max(1.0, std::fabs(c.expected))) << c.formula;
    }
}

// ---- Refusals ----------------------------------------------------------------

struct RefusalCase {
    const char* formula;
    const char* message;
};

TEST(EqEvaluator, RefusesWithExactMessages)
{
    const std::vector<RefusalCase> cases = {
        {"", "Пустая строка."},
        {"arcsin(1)", "Аргумент для вычисления арксинуса, равный 1, должен лежать в интервале (-1;1)."},
        {"acos(1+1)", "Аргумент  для вычисления арккосинуса, равный +2, должен лежать в интервале (-1;1)."},
        {"ln(0)", "Аргумент  для вычисления натурального логарифма, равный 0, должен быть больше нуля."},
        {"lg(-1)", "Аргумент  для вычисления десятичного логарифма, равный -1, должен быть больше нуля."},
        {"sqrt(-4)", "Квадратный корень из отрицательного числа -4."},
        {"ctg(0)", "При вычислении котангенса произошло деление на 0."},
        {"cosec(0)", "При вычислении косеканса произошло деление на 0."},
        {"cth(0)", "При вычислении гиперболического котангенса произошло деление на 0."},
        {"sh(1000)", "Переполнение при вычислении гиперболического синуса."},
        {"ch(-1000)", "Переполнение при вычислении гиперболического косинуса."},
        {"th(1000)", "Переполнение при вычислении гиперболического косинуса."},
        {"exp(1000)", "Переполнение при вычислении экспоненты."},
        {"sqr(1e200)", "Переполнение при вычислении квадрата числа."},
        {"(1+2", "Отсутствует скобка ) в строке (1+2"},
        {"((1+2)", "Отсутствует скобка ) в строке (+3"},
        {"1+2)", "Отсутствует скобка ( в строке 1+2)"},
        {"foo(1)", "Неизвестная функция foo"},
        {"2pi", "Невозможно преобразовать строку '2pi' в число."},
        {"2R", "Невозможно преобразовать строку '2R' в число."},
        {"1 + 2", "Невозможно преобразовать строку '1 ' в число."},
        {"a*2", "Невозможно преобразовать строку 'a' в число."},
        {"1..2", "Невозможно преобразовать строку '1..2' в число."},
        {"-", "Невозможно преобразовать строку '-' в число."},
        {"1e400", "Невозможно преобразовать строку '1e400' в число."},
        {"1.7976931348623159e308", "Невозможно преобразовать строку '1.7976931348623159e308' в число."},
        {"0x10", "Невозможно преобразовать строку '0x10' в число."},
        {"1e5e", "Невозможно преобразовать строку '1e5e' в число."},
        {"1e", "Невозможно преобразовать строку '1e' в число."},
        {".e5", "Невозможно преобразовать строку '.e5' в число."},
        {"inf", "Невозможно преобразовать строку 'inf' в число."},
        {"1/0", "Возможно при выполнении операции деления произошло переполнение буфера или деление на нуль."},
        {"1/(2-2)", "Возможно при выполнении операции деления произошло переполнение буфера или деление на нуль."},
        {"1e200*1e200", "Возможно при выполнении операции произведения произошло переполнение буфера."},
        {"1e308+1e308", "Возможно при выполнении операции сложения произошло переполнение буфера."},
        {"-1e308-1e308", "Возможно при выполнении операции вычитания произошло переполнение буфера."},
        {"10^400", "Возможно при выполнении операции возведения в степень произошло переполнение буфера."},
        {"0^-1", "Возможно при выполнении операции возведения в степень произошло переполнение буфера."},
        {"2^0,5^1e9", "Возможно при выполнении операции возведения в степень произошло переполнение буфера."},
        {"(-8)^0,5", "Возможно при выполнении операции возведения в степень произошло переполнение буфера."},
        {"(0)^-1", "Возможно при выполнении операции возведения в степень произошло переполнение буфера."},
        // A power of a bracket that overflows with finite operands is a fault of the power.
        {"(10)^400", "Возможно при выполнении операции возведения в степень произошло переполнение буфера."},
        {"(2)^1024", "Возможно при выполнении операции возведения в степень произошло переполнение буфера."},
        {"(-10)^309", "Возможно при выполнении операции возведения в степень произошло переполнение буфера."},
        {"(7)^1e3", "Возможно при выполнении операции возведения в степень произошло переполнение буфера."},
        // A tiny divisor that is not zero overflows the quotient.
        {"ctg(1e-310)", "Переполнение при вычислении котангенса."},
        {"cosec(-1e-310)", "Переполнение при вычислении косеканса."},
        {"cth(1e-310)", "Переполнение при вычислении гиперболического котангенса."},
        {"2#(3@", "В показателе степени ( скобок больше, чем )."},
        {"2#3)@", "В показателе степени ) скобок больше, чем (."},
        {"a!b#c!d@", "Нижний индекс в позиции 6 не связан ни с одним выражением."},
        {"a#b!c#d@", "Верхний индекс в позиции 6 не связан ни с одним выражением."},
    };
    for (const auto& c : cases) {
        EqEvaluator e;
        double value = 1;
        EXPECT_EQ(str(e.CalculateEquation(QString::fromUtf8(c.formula), value)), c.message) << c.formula;
    }
}

// Each function at the very edge of its domain: the edge belongs to the side
// the function's table gives it (a root of 0 is 0; the arc functions refuse
// both ends of their open interval; the logarithms refuse 0 and take the
// smallest positive numbers), and a value just inside is computed.
TEST(EqEvaluator, DomainEdgesFallOnTheirSide)
{
    const struct {
        const char* formula;
        std::optional<double> value;   // none: refused with the message
        const char* message;
    } cases[] = {
        {"sqrt(0)", 0.0, ""},
        {"sqrt(1e-300)", 1e-150, ""},
        {"sqrt(-1e-300)", {}, "Квадратный корень из отрицательного числа -1e-300."},
        {"ln(1e-300)", std::log(1e-300), ""},
        {"ln(-1e-300)", {}, "Аргумент  для вычисления натурального логарифма, равный -1e-300, должен быть больше нуля."},
        {"lg(1e-300)", -300.0, ""},
        {"lg(0)", {}, "Аргумент  для вычисления десятичного логарифма, равный 0, должен быть больше нуля."},
        {"arcsin(-1)", {}, "Аргумент для вычисления арксинуса, равный -1, должен лежать в интервале (-1;1)."},
        {"arcsin(0.999999)", std::asin(0.999999), ""},
        {"arcsin(-0.999999)", std::asin(-0.999999), ""},
        {"arccos(-1)", {}, "Аргумент  для вычисления арккосинуса, равный -1, должен лежать в интервале (-1;1)."},
        {"arccos(1)", {}, "Аргумент  для вычисления арккосинуса, равный 1, должен лежать в интервале (-1;1)."},
        {"arccos(-0.999999)", std::acos(-0.999999), ""},
        {"ctg(1e-300)", std::cos(1e-300) / std::sin(1e-300), ""},
        {"cosec(1e-300)", 1 / std::sin(1e-300), ""},
        {"cth(1e-300)", std::cosh(1e-300) / std::sinh(1e-300), ""},
        {"th(0)", 0.0, ""},
        {"sh(710)", std::sinh(710.0), ""},
        {"ch(-710)", std::cosh(-710.0), ""},
        {"exp(709)", std::exp(709.0), ""},
    };
    for (const auto& c : cases) {
        EqEvaluator e;
        double value = -12345;
        const QString message = e.CalculateEquation(QString::fromUtf8(c.formula), value);
        EXPECT_EQ(str(message), c.message) << c.formula;
        if (c.value) {
            EXPECT_NEAR(value, *c.value, 1e-12 * std::max(1.0, std::fabs(*c.value))) << c.formula;
        }
    }
}

TEST(EqEvaluator, ValueIsZeroedOnlyWhenTheBracketStageFails)
{
    EqEvaluator e;
    double value = 7;
    EXPECT_FALSE(e.CalculateEquation(QString(), value).isEmpty());
    EXPECT_EQ(value, 7);
    EXPECT_FALSE(e.CalculateEquation(QStringLiteral("2#(3@"), value).isEmpty());
    EXPECT_EQ(value, 7);
    EXPECT_FALSE(e.CalculateEquation(QStringLiteral("foo(1)"), value).isEmpty());
    EXPECT_EQ(value, 0);
}

// ---- Rewriting steps ---------------------------------------------------------

TEST(EqEvaluator, SetIndexOrderMovesTheSubscriptInFrontOfTheSuperscript)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"X#2!A@", "X!A#2@"},
        {"X#2!A@+Y#3!B@", "X!A#2@+Y!B#3@"},
        {"X#2!A", "X!A#2"},
        {"R!A#2@", "R!A#2@"},
        {"x#2@", "x#2@"},
    };
    for (const auto& [in, out] : cases) {
        QString f = QString::fromUtf8(in);
        EXPECT_EQ(str(EqEvaluator::SetIndexOrder(f)), "") << in;
        EXPECT_EQ(str(f), out) << in;
    }
    QString nested = QStringLiteral("a#b#c");
    EXPECT_EQ(str(EqEvaluator::SetIndexOrder(nested)), "Верхний индекс в позиции 4 не связан ни с одним выражением.");
}

TEST(EqEvaluator, ReplaceVariablesRespectsNameBoundaries)
{
    EqEvaluator e;
    e.AddVariable(QStringLiteral("R"), 1);
    e.AddVariable(QStringLiteral("R!A"), 2);
    e.AddVariable(QStringLiteral("x"), -0.5);
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"R+R!A", "1+2"},
        {"2R", "2R"},
        {"(R)^R", "(1)^1"},
        {"x*x", "-0.5*-0.5"},
        {"xx", "xx"},
        {"pi", "3.141592653589793115997963468544185"},
        {"X#2!R@", "X!R#2@"},
    };
    for (const auto& [in, out] : cases) {
        QString f = QString::fromUtf8(in);
        EXPECT_EQ(str(e.ReplaceVariables(f)), "") << in;
        EXPECT_EQ(str(f), out) << in;
    }
}

TEST(EqEvaluator, SokrashDoubleSignMakesOnePass)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"1++2", "1+2"}, {"1--2", "1+2"}, {"1+-2", "1-2"}, {"1-+2", "1-2"},
        {"1---2", "1+-2"}, {"+-+", "-+"}, {"2*3", "2*3"},
    };
    for (const auto& [in, out] : cases) {
        QString f = QString::fromUtf8(in);
        EqEvaluator::SokrashDoubleSign(f);
        EXPECT_EQ(str(f), out) << in;
    }
}

TEST(EqEvaluator, IsDigitStringFollowsTheNumberSyntax)
{
    const std::vector<std::pair<const char*, bool>> cases = {
        {"", true},      {"12", true},   {"-1.5", true}, {"+3", true},    {"1e-5", true},
        {"2.5E+10", true}, {"1.2.3", false}, {"1e2e3", false}, {"1-2", false}, {"1 ", false},
        {"pi", false},   {"1,5", false}, {"--1", false},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(EqEvaluator::IsDigitString(QString::fromUtf8(text)), expected) << text;
}

TEST(EqEvaluator, OperandsStopAtOperatorsAndKeepExponentSigns)
{
    struct Case {
        const char* formula;
        int op;
        bool withoutSign;
        const char* left;
        int start;
        const char* right;
        int end;
    };
    const std::vector<Case> cases = {
        {"5-3", 2, false, "5", 1, "3", 3},
        {"1+2*3", 4, false, "+2", 2, "3", 5},
        {"-2^2", 3, true, "2", 2, "2", 4},
        {"-2^2", 3, false, "-2", 1, "2", 4},
        {"1e-3*-2e+2+1", 5, false, "1e-3", 1, "-2e+2", 10},
        {"4/2^3", 4, true, "2", 3, "3", 5},
        {"^2", 1, false, "", 1, "2", 2},
        {"2^", 2, false, "2", 1, "", 2},
    };
    for (const auto& c : cases) {
        const QString f = QString::fromUtf8(c.formula);
        int start = 0;
        int end = 0;
        EXPECT_EQ(str(EqEvaluator::GetLeftOperand(f, c.op, start, c.withoutSign)), c.left) << c.formula;
        EXPECT_EQ(start, c.start) << c.formula;
        EXPECT_EQ(str(EqEvaluator::GetRightOperand(f, c.op, end)), c.right) << c.formula;
        EXPECT_EQ(end, c.end) << c.formula;
    }
}

TEST(EqEvaluator, WritesResultsBackAtFullPrecisionWithSigns)
{
    QString f = QStringLiteral("1/3");
    ASSERT_EQ(str(EqEvaluator::CalqEqWithoutBracket(f)), "");
    EXPECT_EQ(str(f), "+0.333333333333333314829616256247391");
    f = QStringLiteral("2-5");
    ASSERT_EQ(str(EqEvaluator::CalqEqWithoutBracket(f)), "");
    EXPECT_EQ(str(f), "-3");
    f = QStringLiteral("1e10*1e10");
    ASSERT_EQ(str(EqEvaluator::CalqEqWithoutBracket(f)), "");
    EXPECT_EQ(str(f), "+100000000000000000000");
    f = QStringLiteral("(1)+(2");
    EXPECT_EQ(str(EqEvaluator::CalqEqWithoutBracket(f)), "Неверное расставление скобок в позиции 1");
    f = QStringLiteral("sqrt(4)+(1,5)");
    EXPECT_EQ(str(EqEvaluator::DeleteBrackets(f)), "Невозможно преобразовать строку '1,5' в число.");
    f = QStringLiteral("sqrt(2*2)+(1)");
    ASSERT_EQ(str(EqEvaluator::DeleteBrackets(f)), "");
    EXPECT_EQ(str(f), "+3");
}

// ---- Variable list -----------------------------------------------------------

std::vector<std::pair<std::string, double>> listed(const EqEvaluator& e)
{
    std::vector<std::pair<std::string, double>> out;
    for (const TVarStruct* v = e.varList(); v; v = v->Next)
        out.emplace_back(str(v->Name), v->Value);
    return out;
}

TEST(EqEvaluator, VariableListAddsAtTheHeadAndKeepsNamesUnique)
{
    EqEvaluator e;
    const double pi = 3.141592653589793;
    using L = std::vector<std::pair<std::string, double>>;
    EXPECT_EQ(listed(e), (L{{"~p", pi}, {"pI", pi}, {"Pi", pi}, {"PI", pi}, {"pi", pi}}));

    e.AddVariable(QStringLiteral("a"), 1);
    e.AddVariable(QStringLiteral("b"), 2);
    e.AddVariable(QStringLiteral("a"), 3);
    e.AddVariable(QString(), 4);
    EXPECT_EQ(listed(e).size(), 7u);
    EXPECT_EQ(listed(e).front(), (std::pair<std::string, double>{"b", 2}));
    EXPECT_EQ(e.GetVariable(QStringLiteral("a")), 3);
    EXPECT_EQ(e.GetVariable(QStringLiteral("A")), 0);
    EXPECT_EQ(e.GetVariable(QString()), 0);

    e.DeleteVariable(QStringLiteral("a"));
    e.DeleteVariable(QStringLiteral("~p"));
    e.DeleteVariable(QString());
    EXPECT_EQ(listed(e), (L{{"b", 2}, {"pI", pi}, {"Pi", pi}, {"PI", pi}, {"pi", pi}}));
    EXPECT_EQ(e.GetVariable(QStringLiteral("a")), 0);
}

// ---- Two formulas and the comparison ------------------------------------------

TEST(EqEvaluator, CalculateTwoEquationsDrawsOneValuePerVariableFromTheHead)
{
    EqEvaluator e;
    e.AddVariable(QStringLiteral("a"), 100);
    e.AddVariable(QStringLiteral("b"), 200);
    const std::uint32_t seed = 20240601;
    randomSeed(seed);
    QString first = QStringLiteral("a#2@-b");
    QString second = QStringLiteral("b*2");
    double v1 = 0;
    double v2 = 0;
    ASSERT_EQ(str(e.CalculateTwoEquations(first, second, v1, v2)), "");

    randomSeed(seed);
    const int rb = static_cast<int>(randomBelow(32767)) - 16383; // "b" is at the head
    const int ra = static_cast<int>(randomBelow(32767)) - 16383;
    EXPECT_EQ(v1, double(ra) * ra - rb);
    EXPECT_EQ(v2, 2.0 * rb);
    EXPECT_EQ(str(first), "(" + std::to_string(ra) + ")#2@-(" + std::to_string(rb) + ")");
    EXPECT_EQ(e.GetVariable(QStringLiteral("a")), 100); // stored values are not used

    QString badFirst = QStringLiteral("a#b#c");
    QString anySecond = QStringLiteral("a");
    EXPECT_EQ(str(e.CalculateTwoEquations(badFirst, anySecond, v1, v2)),
              "Верхний индекс в позиции 4 не связан ни с одним выражением.");
}

TEST(EqEvaluator, CompareEquationJudgesAtRandomPoints)
{
    EqEvaluator e;
    e.AddVariable(QStringLiteral("a"), 0);
    e.AddVariable(QStringLiteral("b"), 0);
    struct Case {
        const char* mine;
        const char* other;
        bool equal;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"a+b", "b+a", true, ""},
        {"(a+b)#2@", "a^2+2*a*b+b^2", true, ""},
        {"a", "a+0,001", false, ""},
        {"a*b", "a+b", false, ""},
        {"a+c", "c+a",
         false, "Невозможно вычислить одно или оба выражения при сравнении (Невозможно преобразовать строку 'c' в число.)."},
    };
    for (const auto& c : cases) {
        bool equal = !c.equal;
        EXPECT_EQ(str(e.CompareEquation(QString::fromUtf8(c.mine), QString::fromUtf8(c.other), equal)), c.message)
            << c.mine;
        EXPECT_EQ(equal, c.equal) << c.mine;
    }
}

// ---- Differential check against a direct evaluation ---------------------------

// Random bracketed expressions with numbers, + - * / and whole powers, built
// together with their value in double precision (the same order of operations:
// left to right, powers of numbers by repeated multiplication, powers of
// brackets by the library power).
class ExpressionMaker {
public:
    explicit ExpressionMaker(unsigned seed) : rng(seed) {}

    // Returns the text; `value` is empty when the direct evaluation refuses.
    std::string expression(int depth, std::optional<double>& value)
    {
        std::string text = term(depth, value);
        for (int n = pick(0, 2); n > 0; --n) {
            std::optional<double> rhs;
            const bool plus = pick(0, 1) == 0;
            text += plus ? "+" : "-";
            text += term(depth, rhs);
            value = (value && rhs) ? checked(plus ? *value + *rhs : *value - *rhs) : std::nullopt;
        }
        return text;
    }

private:
    std::string term(int depth, std::optional<double>& value)
    {
        std::string text = factor(depth, value);
        for (int n = pick(0, 2); n > 0; --n) {
            std::optional<double> rhs;
            const bool times = pick(0, 1) == 0;
            text += times ? "*" : "/";
            text += factor(depth, rhs);
            if (!value || !rhs || (!times && *rhs == 0.0))
                value.reset();
            else
                value = checked(times ? *value * *rhs : *value / *rhs);
        }
        return text;
    }

    std::string factor(int depth, std::optional<double>& value)
    {
        const bool bracket = depth > 0 && pick(0, 2) == 0;
        std::string text;
        if (bracket) {
            text = "(" + expression(depth - 1, value) + ")";
        } else {
            const int whole = pick(0, 99);
            const int hundredths = pick(0, 3) == 0 ? pick(1, 99) : 0;
            text = std::to_string(whole);
            double v = whole;
            if (hundredths) {
                text += (hundredths < 10 ? ".0" : ".") + std::to_string(hundredths);
                v = std::stod(text);
            }
            value = v;
        }
        if (pick(0, 3) == 0) {
            const int k = pick(0, 3);
            text += "^" + std::to_string(k);
            if (value) {
                if (bracket) {
                    value = checked(std::pow(*value, k));
                } else {
                    double p = 1;
                    for (int i = 0; i < k; ++i)
                        p *= *value;
                    value = checked(p);
                }
            }
        }
        return text;
    }

    static std::optional<double> checked(double v)
    {
        return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    std::mt19937 rng;
};

TEST(EqEvaluator, AgreesWithADirectEvaluation)
{
    ExpressionMaker maker(7);
    EqEvaluator e;
    int refused = 0;
    for (int i = 0; i < 3000; ++i) {
        std::optional<double> expected;
        const std::string text = maker.expression(i % 4 == 0 ? 3 : 2, expected);
        double value = 0;
        const QString message = e.CalculateEquation(QString::fromStdString(text), value);
        if (!expected) {
            EXPECT_FALSE(message.isEmpty()) << text << " gave " << value;
            ++refused;
            continue;
        }
        ASSERT_EQ(str(message), "") << text;
        EXPECT_NEAR(value, *expected, 1e-9 * std::max(1.0, std::fabs(*expected))) << text;
    }
    EXPECT_GT(refused, 0); // division by zero occurs among the samples
}

// ---- Robustness --------------------------------------------------------------

// A hang would be caught by the test time-out; speed itself is measured by benchmarks.
TEST(EqEvaluator, AnyInputGivesAValueOrAMessage)
{
    const std::u16string alphabet = u"0123456789+-*/^()#!@~.,eExapisnqrtgcohlR ";
    std::mt19937 rng(11);
    EqEvaluator e;
    e.AddVariable(QStringLiteral("x"), -1.5);
    e.AddVariable(QStringLiteral("a"), 1e300);
    for (int i = 0; i < 4000; ++i) {
        QString text;
        const int length = std::uniform_int_distribution<int>(0, 40)(rng);
        for (int k = 0; k < length; ++k)
            text += QChar(alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)]);
        double value = 0;
        const QString message = e.CalculateEquation(text, value);
        if (message.isEmpty()) {
            EXPECT_TRUE(std::isfinite(value)) << str(text);
        }
        QString other = text;
        bool equal = false;
        if (i % 50 == 0)
            e.CompareEquation(text, other, equal);
    }
}

TEST(EqEvaluator, HugeExponentsAndLongFormulasGiveTheirValues)
{
    EqEvaluator e;
    struct Case {
        const char* formula;
        double expected;
    };
    const std::vector<Case> cases = {
        {"0,5^100000000", 0},
        {"1^1e300", 1},
        {"(-1)^1000000001", -1},
        {"1,0000001^100000000", std::pow(1.0000001, 100000000)},
        {"0,5#1000000000000@", 0},
    };
    for (const auto& c : cases) {
        double value = -1;
        EXPECT_EQ(str(e.CalculateEquation(QString::fromUtf8(c.formula), value)), "") << c.formula;
        EXPECT_NEAR(value, c.expected, 1e-12) << c.formula;
    }
    QString sum = QStringLiteral("1");
    QString nested = QStringLiteral("1");
    for (int i = 0; i < 2000; ++i) {
        sum += QStringLiteral("+1");
        nested = QLatin1Char('(') + nested + QLatin1Char(')');
    }
    double value = 0;
    ASSERT_EQ(str(e.CalculateEquation(sum, value)), "");
    EXPECT_EQ(value, 2001);
    ASSERT_EQ(str(e.CalculateEquation(nested, value)), "");
    EXPECT_EQ(value, 1);
}

} // namespace
