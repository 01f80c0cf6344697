// The parse tree and its guarded evaluation.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "formula/equation.h"
#include "formula/errors.h"
#include "formula/packetdata.h"
#include "formula/status.h"
#include "formula/text.h"

namespace {

constexpr char kDivisionByZero[] = "Ошибка: Деление на нуль";
constexpr char kLogarithmOfZero[] = "Ошибка: нуль в аргументе логарифма";
constexpr char kCotangentOfZero[] = "Ошибка: ноль в аргументе котангенса";
constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

// Every chain's first node is owned by Parent (none for the root), every later
// one points back to its predecessor.
void expectLinks(const TMyEquation* first, const TMyEquation* owner, const std::string& text)
{
    const TMyEquation* previous = nullptr;
    for (const TMyEquation* node = first; node; previous = node, node = node->Next.get()) {
        EXPECT_EQ(node->Prev, previous) << text;
        EXPECT_EQ(node->Parent, previous == nullptr ? owner : nullptr) << text;
        if (node->Child)
            expectLinks(node->Child.get(), node, text);
    }
}

struct ShapeCase {
    const char* text;
    const char* tree;
};

TEST(Parse, TreeShape)
{
    const ShapeCase cases[] = {
        {"a+b", R"T([var"a" +, var"b"])T"},
        {"a-b+c", R"T([var"a" -, var"b" +, var"c"])T"},
        {"a/b*c", R"T([comp{var"a" /, var"b" *, var"c"}])T"},
        {"-a*b", R"T([num"0" -, comp{var"a" *, var"b"}])T"},
        {"(a+b)*c", R"T([comp{comp *{var"a" +, var"b"}, var"c"}])T"},
        {"a*(b+c)-d", R"T([comp -{var"a" *, comp{var"b" +, var"c"}}, var"d"])T"},
        {"2*3#2", R"T([comp{num"2" *, comp{num"3" #, num"2"}}])T"},
        {"2#3#2", R"T([comp{num"2" #, num"3" #, num"2"}])T"},
        {"a#b*c", R"T([comp{comp *{var"a" #, var"b"}, var"c"}])T"},
        {"(a+b)", R"T([comp{var"a" +, var"b"}])T"},
        {"(a)*(b)", R"T([comp{var"a" *, var"b"}])T"},
        {"((a))", R"T([var"(a)"])T"},
        {"(a*b)", R"T([comp{var"a" *, var"b"}])T"},
        {"(a+b)@", R"T([var"(a+b)"])T"},
        {"sin(~p/2)", R"T([fun fn=sin{comp{var"~p" /, num"2"}}])T"},
        {"SIN(x)+1", R"T([fun fn=sin +{var"x"}, num"1"])T"},
        {"up(a+b)", R"T([fun fn=up{comp{var"a" +, var"b"}}])T"},
        {"cotan(x)", R"T([fun fn=cotan{var"x"}])T"},
        {"sin(x)y", R"T([fun fn=sin{var"x"}])T"},
        {"tg(~a)", R"T([var"tg(~a)"])T"},
        {"R!B@*sin(~a)", R"T([comp{var"R!B" *, fun fn=sin{var"~a"}}])T"},
        {"X#2@", R"T([comp{var"X" #, num"2"}])T"},
        {"X#(2)@", R"T([comp{var"X" #, var"(2)"}])T"},
        {"a#(0-2)", R"T([comp{var"a" #, comp{num"0" -, num"2"}}])T"},
        {"a#-2", R"T([var"a#" -, num"2"])T"},
        {"a--b", R"T([var"a" -, num"0" -, var"b"])T"},
        {"a+-b", R"T([var"a" +, num"0" -, var"b"])T"},
        {"a*-b", R"T([var"a*" -, var"b"])T"},
        {"a+", R"T([var"a" +])T"},
        {"5@", R"T([num"5"])T"},
        {"2,5", R"T([num"2,5"])T"},
        {"a*@", R"T([comp{var"a" *, num""}])T"},
        {"1-1+X!A@-R!B@*sin(~a)",
         R"T([num"1" -, num"1" +, var"X!A" -, comp{var"R!B" *, fun fn=sin{var"~a"}}])T"},
    };
    for (const auto& c : cases) {
        const TMyEquation root(c.text);
        EXPECT_EQ(printTree(root), c.tree) << c.text;
        expectLinks(&root, nullptr, c.text);
    }
}

struct ValueCase {
    const char* text;
    long double value;
    const char* message;
};

TEST(Evaluate, ValuesAndRecordedErrors)
{
    TMyPacketData table;
    table.AddVariable("a", "1");
    table.AddVariable("b", "2");
    table.AddVariable("c", "3");
    table.AddVariable("x", "4");
    table.AddVariable("X", "3");
    table.AddVariable("R!B", "2");
    table.AddVariable("~a", "0,5");
    const ValueCase cases[] = {
        {"-a*b", -2, ""},
        {"a-b+c", 2, ""},
        {"x/b*b", 4, ""},
        {"2*3#2", 18, ""},
        {"2#3#2", 64, ""},
        {"0#0", 1, ""},
        {"(a+b)*c", 9, ""},
        {"sin(~p/2)", 1, ""},
        {"SIN(0)", 0, ""},
        {"up(a+b)", 3, ""},
        {"cos(0)+exp(0)+abs(0-2)+sqrt(4)+log(100)+ln(1)", 8, ""},
        {"x#(0-2)", 0.0625L, ""},
        {"X#2@", 9, ""},
        {"a+", 1, ""},
        {"x--b", 2, ""},
        {"x+-b", 2, ""},
        {"5,@", 5, ""},
        {"a*@", 0, ""},
        {"1/0", 1, kDivisionByZero},
        {"1/0+x", 5, ""},
        {"1/0*x", 4, ""},
        {"x*(1/0)", 4, kDivisionByZero},
        {"tan(~p/2)", 1, kCotangentOfZero},
        {"cotan(0.0001)", 1, kCotangentOfZero},
        {"ctan(0.0003)", 1 / std::tan(0.0003L), ""},
        {"ln(0)", 1, kLogarithmOfZero},
        {"log(0)", 1, kLogarithmOfZero},
        {"x#-2", -2, "Ошибка: нет такой переменной \"x#\""},
        {"X#(2)@", 1, "Ошибка: нет такой переменной \"(2)\""},
        {"x*-b", -2, ""},
        {"tg(~a)", 0, "Ошибка: нет такой переменной \"tg(~a)\""},
        {"R!B@*sin(~a)", 2 * std::sin(0.5L), ""},
        {"sqrt(0-1)+1", kNaN, ""},
    };
    for (const auto& c : cases) {
        clearStatus();
        const TMyEquation root(c.text);
        const long double v = root.Evaluate(table);
        if (std::isnan(c.value))
            EXPECT_TRUE(std::isnan(v)) << c.text;
        else
            EXPECT_NEAR(static_cast<double>(v), static_cast<double>(c.value), 1e-12) << c.text;
        EXPECT_EQ(MyStat.Message, c.message) << c.text;
    }
}

TEST(Evaluate, EveryChainResetsTheCodeButKeepsTheMessage)
{
    const TMyPacketData table;
    clearStatus();
    const TMyEquation root("1/0+up(2)");
    EXPECT_EQ(root.Evaluate(table), 3);
    EXPECT_EQ(MyStat.Code, 0);
    EXPECT_EQ(MyStat.Message, kDivisionByZero);

    MyStat.Message = "pending";
    const TMyEquation alone("1/0");
    EXPECT_EQ(alone.Evaluate(table), 1);
    EXPECT_EQ(MyStat.Message, "pending");  // the first error wins
}

TEST(Evaluate, MalformedNumberThrowsWhenRead)
{
    const TMyPacketData table;
    for (const char* text : {".", "1,2,3", "1.2.3", "2*1,2,3", "sin(.)"}) {
        const TMyEquation root(text);
        EXPECT_THROW(root.Evaluate(table), NumberFormatError) << text;
    }
}

TEST(Evaluate, InvalidFloatingPointOperationsThrow)
{
    const TMyPacketData table;
    for (const char* text : {"exp(200000)-exp(200000)", "exp(200000)+0-exp(200000)", "0*exp(200000)",
                             "exp(200000)/exp(200000)", "1/sqrt(0-1)", "ln(sqrt(0-1))", "tan(sqrt(0-1))",
                             "sqrt(0-1)#2", "exp(11000)*exp(11000)", "exp(1000)#2"}) {
        const TMyEquation root(text);
        EXPECT_THROW(root.Evaluate(table), FloatingPointError) << text;
    }
}

TEST(Parse, OperandLeftEmptyIsTheParseFault)
{
    for (const char* text : {"+a", "a++b", "a*/b", "*a", "/a", "#a", "a+*b", "", "()", "sin()", "up()",
                             "a+()", "sin(", "2*()"}) {
        EXPECT_THROW(TMyEquation root(text), FormulaParseError) << text;
    }
}

TEST(Parse, LongAndDeepTextsWithinTheBoundsAreParsed)
{
    const TMyPacketData table;
    std::string sum = "1";
    while (sum.size() < 10000)
        sum += "+1";
    EXPECT_EQ(TMyEquation(sum).Evaluate(table), static_cast<long double>((sum.size() + 1) / 2));

    const int depth = 1000;
    ASSERT_GE(depth, 500);
    ASSERT_LE(depth, kMaxBracketDepth);
    const std::string open(depth, '('), close(depth, ')');
    std::string sums, functions, negations, products = "1";
    for (int i = 0; i < depth; ++i) {
        sums = "(1+" + sums;
        functions = "sin(" + functions;
        negations = "(-" + negations;
        products = "(1*" + products + ")";
    }
    sums += "0" + close;
    functions += "0" + close;
    negations += "1" + close;
    EXPECT_EQ(TMyEquation(negations).Evaluate(table), depth % 2 == 0 ? 1 : -1);
    EXPECT_EQ(TMyEquation(sums).Evaluate(table), depth);
    EXPECT_EQ(TMyEquation(functions).Evaluate(table), 0);
    clearStatus();
    EXPECT_EQ(TMyEquation(products).Evaluate(table), 1);
    EXPECT_EQ(MyStat.Message, "");
    EXPECT_EQ(TMyEquation(open + "2" + close + "*3").Evaluate(table), 0);
}

TEST(Parse, TextsBeyondTheBoundsAreTheParseFault)
{
    std::string tooLong = "1";
    while (tooLong.size() <= kMaxFormulaLength)
        tooLong += "+1";
    EXPECT_THROW(TMyEquation root(tooLong), FormulaParseError);
    for (int depth : {kMaxBracketDepth + 1, 100000}) {
        const std::string nested = std::string(static_cast<std::size_t>(depth), '(') + "1" +
                                   std::string(static_cast<std::size_t>(depth), ')');
        if (nested.size() <= kMaxFormulaLength) {
            EXPECT_THROW(TMyEquation root(nested), FormulaParseError) << depth;
        }
        std::string calls;
        for (int i = 0; i < depth && calls.size() < kMaxFormulaLength; ++i)
            calls += "up(";
        calls += "1" + std::string(calls.size() / 3, ')');
        EXPECT_THROW(TMyEquation root(calls), FormulaParseError) << depth;
    }
}

TEST(Evaluate, RepeatedEvaluationFollowsTheTableAndRecordsErrorsEachTime)
{
    TMyPacketData table;
    table.AddVariable("x", "0");
    const TMyEquation root("sin(x)*1000+ln(x)");
    for (int round = 0; round < 2; ++round) {
        clearStatus();
        EXPECT_EQ(root.Evaluate(table), 1) << round;
        EXPECT_EQ(MyStat.Message, kLogarithmOfZero) << round;
    }
    table.SetVariable("x", "1");
    EXPECT_NEAR(static_cast<double>(root.Evaluate(table)), 1000 * std::sin(1.0), 1e-9);
    EXPECT_EQ(MyStat.Message, "");

    const TMyEquation sine("sin(x)");
    table.SetVariable("x", "0");
    EXPECT_FALSE(std::signbit(sine.Evaluate(table)));
    table.SetVariable("x", "-0");
    EXPECT_TRUE(std::signbit(sine.Evaluate(table)));

    // Other tables, and names that come and go.
    TMyPacketData other;
    other.AddVariable("y", "5");
    other.AddVariable("x", "2");
    EXPECT_NEAR(static_cast<double>(root.Evaluate(other)), std::log(2.0) + 1000 * std::sin(2.0), 1e-9);
    other.DeleteVariable("y");
    EXPECT_NEAR(static_cast<double>(root.Evaluate(other)), std::log(2.0) + 1000 * std::sin(2.0), 1e-9);
    other.DeleteVariable("x");
    clearStatus();
    EXPECT_EQ(root.Evaluate(other), 1);
    EXPECT_EQ(MyStat.Message, "Ошибка: нет такой переменной \"x\"");
    other.AddVariable("x", "3");
    EXPECT_NEAR(static_cast<double>(root.Evaluate(other)), std::log(3.0) + 1000 * std::sin(3.0), 1e-9);
}

struct GuardCase {
    const char* name;
    long double (*op)(long double, long double);
    long double a, b;
    long double value;
    const char* message;
};

long double ln(long double x, long double) { return MyLn(x); }
long double lg(long double x, long double) { return MyLog(x); }
long double cotan(long double x, long double) { return MyCotan(x); }
long double tan(long double x, long double) { return MyTan(x); }

TEST(GuardedOperations, GuardsAndResults)
{
    const long double eps = 0.0001;  // MyStat.Epsilon
    const long double halfPi = 3.141592653589793 / 2;
    // Next to a pole the expected value is the C library's own tangent, taken
    // at run time: the compiler would fold a constant call exactly, which an
    // x87 tangent (MinGW's) does not match there to 1e-15.
    volatile long double nearPole = 3 * halfPi;
    const long double libraryTanNearPole = std::tan(static_cast<long double>(nearPole));
    const GuardCase cases[] = {
        {"add", MyAdd, 2, 3, 5, ""},
        {"sub", MySub, 2, 3, -1, ""},
        {"mul", MyMul, 2, 3, 6, ""},
        {"div", MyDiv, 3, 2, 1.5L, ""},
        {"div by eps", MyDiv, 1, static_cast<long double>(0.0001), 1 / static_cast<long double>(0.0001), ""},
        {"div below eps", MyDiv, 1, eps / 2, 1, kDivisionByZero},
        {"div by -0", MyDiv, 5, -0.0L, 1, kDivisionByZero},
        {"pow", MyPow, 2, 10, 1024, ""},
        {"pow both small", MyPow, eps / 2, -eps / 2, 1, ""},
        {"pow small base", MyPow, 0, 2, 0, ""},
        {"pow negative exponent", MyPow, 2, -1, 0.5L, ""},
        // The double nearest to the true power, however large the exponent.
        {"pow large exponent", MyPow, static_cast<long double>(1.0000001), 1e8L, 22026.454910182532L, ""},
        {"pow negative base, odd exponent", MyPow, -2, 3, -8, ""},
        {"pow negative base, even exponent", MyPow, -1.5L, 4, 5.0625L, ""},
        {"pow fractional exponent", MyPow, 2, 0.5L, 1.4142135623730951L, ""},
        {"ln", ln, 1, 0, 0, ""},
        {"ln near zero", ln, -eps / 2, 0, 1, kLogarithmOfZero},
        {"log", lg, 1000, 0, 3, ""},
        {"log near zero", lg, eps / 2, 0, 1, kLogarithmOfZero},
        {"cotan", cotan, 1, 0, 1 / std::tan(1.0L), ""},
        {"cotan below 2 eps", cotan, -1.5L * eps, 0, 1, kCotangentOfZero},
        {"tan", tan, 1, 0, std::tan(1.0L), ""},
        {"tan near pi/2", tan, halfPi + 2 * eps, 0, 1, kCotangentOfZero},
        {"tan near -pi/2", tan, -halfPi + 2 * eps, 0, 1, kCotangentOfZero},
        {"tan outside the guard", tan, halfPi + 4 * eps, 0, std::tan(halfPi + 4 * eps), ""},
        {"tan at 3pi/2", tan, 3 * halfPi, 0, libraryTanNearPole, ""},
    };
    for (const auto& c : cases) {
        clearStatus();
        const long double v = c.op(c.a, c.b);
        EXPECT_LE(std::fabs(v - c.value), 1e-15L * std::fabs(c.value)) << c.name;
        EXPECT_EQ(MyStat.Message, c.message) << c.name;
        if (*c.message != '\0') {
            EXPECT_EQ(MyStat.Code, 2) << c.name;
        }
    }
}

TEST(GuardedOperations, InvalidOperationsAndOverflowThrow)
{
    const GuardCase cases[] = {
        {"inf - inf", MySub, kInf, kInf, 0, ""},
        {"inf + -inf", MyAdd, kInf, -kInf, 0, ""},
        {"0 * inf", MyMul, 0, kInf, 0, ""},
        {"inf / inf", MyDiv, kInf, -kInf, 0, ""},
        {"NaN divisor", MyDiv, 1, kNaN, 0, ""},
        {"NaN base", MyPow, kNaN, 2, 0, ""},
        {"NaN exponent of a small base", MyPow, 0, kNaN, 0, ""},
        {"base beyond double", MyPow, LDBL_MAX, 1, 0, ""},
        {"overflow", MyMul, LDBL_MAX, 2, 0, ""},
        {"ln NaN", ln, kNaN, 0, 0, ""},
        {"log NaN", lg, kNaN, 0, 0, ""},
        {"cotan NaN", cotan, kNaN, 0, 0, ""},
        {"tan NaN", tan, kNaN, 0, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_THROW(c.op(c.a, c.b), FloatingPointError) << c.name;
}

TEST(narrowToDouble, OverflowsOnlyWhereRoundingWouldGiveInfinity)
{
    const long double justBelow = (2.0L - 0x1p-52L + 0x1p-54L) * 0x1p1023L;  // rounds to DBL_MAX
    const long double halfway = (2.0L - 0x1p-53L) * 0x1p1023L;
    EXPECT_EQ(narrowToDouble(static_cast<long double>(DBL_MAX)), DBL_MAX);
    EXPECT_EQ(narrowToDouble(-justBelow), -DBL_MAX);
    EXPECT_EQ(narrowToDouble(0.1L), 0.1);
    EXPECT_TRUE(std::isinf(narrowToDouble(kInf)));
    EXPECT_TRUE(std::isnan(narrowToDouble(kNaN)));
    EXPECT_THROW(narrowToDouble(halfway), FloatingPointError);
    EXPECT_THROW(narrowToDouble(-halfway), FloatingPointError);
    EXPECT_THROW(narrowToDouble(LDBL_MAX), FloatingPointError);
}

TEST(GuardedOperations, NotANumberPassesArithmeticUntilATest)
{
    EXPECT_TRUE(std::isnan(MyAdd(kNaN, 1)));
    EXPECT_TRUE(std::isnan(MyMul(kNaN, 0)));
    EXPECT_TRUE(std::isnan(MyDiv(kNaN, 2)));
    EXPECT_TRUE(std::isnan(MyPow(2, kNaN)));
    EXPECT_TRUE(std::isinf(MyPow(10, 400)));  // the library's range error
    EXPECT_TRUE(std::isinf(MyAdd(kInf, 1)));
}

} // namespace
