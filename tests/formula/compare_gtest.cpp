// The judgement of a typed formula against a reference formula.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <typeinfo>

#include "formula/errors.h"
#include "formula/packetequation.h"
#include "formula/random.h"
#include "formula/status.h"
#include "formula/text.h"
#include "support/reference_formulas.h"

// Live heap blocks of this test program, to show that a comparison leaves
// nothing allocated whichever way it ends.
namespace {
std::atomic<long> g_liveBlocks{0};
}

void* operator new(std::size_t size)
{
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    ++g_liveBlocks;
    return p;
}

void operator delete(void* p) noexcept
{
    if (p != nullptr) {
        --g_liveBlocks;
        std::free(p);
    }
}

void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}

namespace {

constexpr char kNothingToCompare[] = "Ошибка: Несчем сравнивать";

TMyPacketData statementTable()
{
    TMyPacketData table;
    table.AddVariable("F", "5");
    table.AddVariable("R!B", "3");
    table.AddVariable("~a", "0,7");
    table.AddVariable("G", "12");
    table.AddVariable("b", "2.5");
    return table;
}

struct VerdictCase {
    const char* reference;
    const char* typed;
    const char* verdict;
};

TEST(Compare, Verdicts)
{
    const TMyPacketData table = statementTable();
    const VerdictCase cases[] = {
        {"F-R!B@*sin(~a)", "F - R!B@ * sin(~a)", kVerdictEqual},
        {"F-R!B@*sin(~a)", "-R!B@*sin(~a)+F", kVerdictEqual},
        {"F-R!B@*sin(~a)", "F+R!B@*sin(~a)", kVerdictNotEqual},
        {"G*b", "G*b+0.00001", kVerdictEqual},
        {"G*b", "G*b+0.0002", kVerdictNotEqual},
        {"~a", "tg(~a)", kVerdictError},
        {"1+G", "1/0+G", kVerdictEqual},
        {"1", "1/0", kVerdictError},
        {"1", "exp(200000)", kVerdictNotEqual},
        {"1", "10#400", kVerdictNotEqual},
        {"F", "R!B@*missing", kVerdictError},
        {"F", "missing*R!B@", kVerdictNotEqual},
        {"2-2+F", "F", kVerdictEqual},
        {"F", "F=", kVerdictEqual},
    };
    for (const auto& c : cases) {
        TMyPacketEquation reference;
        reference.SetEquation(c.reference);
        EXPECT_EQ(reference.Compare(c.typed, table), c.verdict) << c.reference << " / " << c.typed;
    }
}

// The verdict when only some of the 15 trials can be evaluated: "Равны" needs
// at least 5 agreeing trials and no differing one, fewer than 5 with none
// differing cannot be judged, and one differing trial is "Не Равны" however few
// could be evaluated.  The typed formula x + 0/((x-c1)*(x-c2)...) equals x
// except in the trials whose drawn x is one of the c, where it divides by zero.
TEST(Compare, VerdictWhenOnlySomeTrialsCanBeEvaluated)
{
    constexpr std::uint32_t kSeed = 4242;
    // The free x of each trial, drawn as the comparison draws it.
    randomSeed(kSeed);
    std::array<int, 15> drawn{};
    for (int& r : drawn)
        r = random15();
    for (std::size_t i = 0; i < drawn.size(); ++i)
        for (std::size_t j = i + 1; j < drawn.size(); ++j)
            ASSERT_NE(drawn[i], drawn[j]) << "the seed must draw 15 different values";

    struct Row {
        const char* rule;
        std::size_t firstFailing, endFailing;   // the trials [first, end) that cannot be evaluated
        const char* added;                      // added to the typed formula
        const char* verdict;
    };
    const Row rows[] = {
        {"all 15 agree", 0, 0, "", kVerdictEqual},
        {"5 agree after 10 that cannot be evaluated", 0, 10, "", kVerdictEqual},
        {"5 agree before 10 that cannot be evaluated", 5, 15, "", kVerdictEqual},
        {"4 agree, 11 cannot be evaluated", 0, 11, "", kVerdictError},
        {"4 agree around 11 that cannot be evaluated", 2, 13, "", kVerdictError},
        {"none can be evaluated", 0, 15, "", kVerdictError},
        {"the only trial evaluated differs", 0, 14, "+1", kVerdictNotEqual},
        {"a differing trial after 10 that cannot be evaluated", 0, 10, "+1", kVerdictNotEqual},
    };
    TMyPacketData table;
    table.AddVariable("x", "");
    TMyPacketEquation reference;
    reference.SetEquation("x");
    for (const Row& row : rows) {
        std::string divisor;
        for (std::size_t t = row.firstFailing; t < row.endFailing; ++t) {
            char factor[32];
            std::snprintf(factor, sizeof factor, "%s(x-%d.%02d)", divisor.empty() ? "" : "*", drawn[t] / 100,
                          drawn[t] % 100);
            divisor += factor;
        }
        // In the other trials the divisor is far from zero.
        for (std::size_t t = 0; t < drawn.size(); ++t) {
            if (t >= row.firstFailing && t < row.endFailing)
                continue;
            double product = 1;
            for (std::size_t f = row.firstFailing; f < row.endFailing; ++f)
                product *= (drawn[t] - drawn[f]) / 100.0;
            ASSERT_GT(std::fabs(product), 0.01) << row.rule << ", trial " << t;
        }
        const std::string typed = "x" + std::string(row.added) + (divisor.empty() ? "" : "+0/(" + divisor + ")");
        randomSeed(kSeed);
        EXPECT_EQ(reference.Compare(typed, table), row.verdict) << row.rule;
    }
}

TEST(Compare, NothingToCompare)
{
    const TMyPacketData table = statementTable();
    TMyPacketEquation fresh;
    EXPECT_EQ(fresh.Compare("F", table), kVerdictEmpty);
    EXPECT_EQ(MyStat.Code, 4);
    EXPECT_EQ(MyStat.Message, kNothingToCompare);

    TMyPacketEquation reference;
    reference.SetEquation("F");
    for (const char* typed : {"", " ", "@", "(F", "F)"}) {
        EXPECT_EQ(reference.Compare(typed, table), kVerdictEmpty) << typed;
        EXPECT_EQ(MyStat.Code, 4) << typed;
        EXPECT_EQ(MyStat.Message, kNothingToCompare) << typed;
    }
}

TEST(Compare, KeepsTheMessageOfTheLastTrial)
{
    const TMyPacketData table = statementTable();
    TMyPacketEquation reference;
    reference.SetEquation("F");
    EXPECT_EQ(reference.Compare("F*nothing", table), kVerdictError);
    EXPECT_EQ(MyStat.Message, "Ошибка: нет такой переменной \"nothing\"");
}

TEST(Compare, FreeVariablesGetRandomHundredthsInAWorkingCopy)
{
    TMyPacketData table;
    table.AddVariable("x", "");
    table.AddVariable("y", "2");
    TMyPacketEquation reference;
    reference.SetEquation("x*x");
    randomSeed(7);
    EXPECT_EQ(reference.Compare("x#2", table), kVerdictEqual);
    EXPECT_EQ(reference.Compare("x*y", table), kVerdictNotEqual);
    EXPECT_EQ(table.Values()[table.Values().size() - 2], "");
    EXPECT_EQ(reference.Text(), "x*x");

    // One draw per free name and trial: a reference that equals one fixed
    // value only at a single draw cannot pass 15 trials.
    reference.SetEquation("x");
    EXPECT_EQ(reference.Compare("327.67", table), kVerdictNotEqual);
}

TEST(Compare, FreeVariableValuesFollowTheGenerator)
{
    TMyPacketData table;
    table.AddVariable("x", "");
    TMyPacketEquation reference;
    randomSeed(0);
    const int first = random15();
    reference.SetEquation("x");
    randomSeed(0);
    // The first trial differs only if x is not first / 100.
    const std::string value = std::to_string(first / 100) + "," + std::to_string(first / 10 % 10) +
                              std::to_string(first % 10);
    EXPECT_EQ(reference.Compare(value, table), kVerdictNotEqual);  // later trials draw anew
    randomSeed(0);
    EXPECT_EQ(reference.Compare("x", table), kVerdictEqual);
}

TEST(SetEquation, KeepsThePreviousReferenceOnFailure)
{
    TMyPacketEquation reference;
    reference.SetEquation("F - G");
    EXPECT_EQ(reference.Text(), "F-G");
    reference.SetEquation("");
    EXPECT_EQ(reference.Text(), "F-G");
    reference.SetEquation("(a");
    EXPECT_EQ(reference.Text(), "F-G");
    EXPECT_EQ(MyStat.Message, "Ошибка: нехватает закрывающей скобки");
    for (const char* text : {"+a", " ", "@", "a++b", "sin()"}) {
        EXPECT_THROW(reference.SetEquation(text), FormulaParseError) << text;
        EXPECT_EQ(reference.Text(), "F-G") << text;
    }
    const TMyPacketData table = statementTable();
    EXPECT_EQ(reference.Compare("-G+F", table), kVerdictEqual);
    reference.SetEquation("G");
    EXPECT_EQ(reference.Text(), "G");
    EXPECT_EQ(reference.Compare("G", table), kVerdictEqual);
}

TEST(SetEquation, LoadingTheSameTextAgainClearsTheStatus)
{
    const TMyPacketData table = statementTable();
    TMyPacketEquation reference;
    reference.SetEquation("F*G");
    recordError(2, FormulaMessage::DivisionByZero);
    reference.SetEquation("F*G");
    EXPECT_EQ(MyStat.Code, 0);
    EXPECT_EQ(MyStat.Message, "");
    EXPECT_EQ(reference.Compare("G*F", table), kVerdictEqual);
    reference.SetEquation("F + G");
    EXPECT_EQ(reference.Text(), "F+G");
    EXPECT_EQ(reference.Compare("G*F", table), kVerdictNotEqual);
}

struct FaultCase {
    const char* reference;
    const char* typed;
    const std::type_info& fault;
};

// Runs one comparison that must fail; gives the type of what it threw and
// the change in live heap blocks across the call.
std::pair<const std::type_info*, long> failingComparison(const FaultCase& c, const TMyPacketData& table)
{
    TMyPacketEquation reference;
    reference.SetEquation(c.reference);
    const std::string typed = c.typed;
    const long before = g_liveBlocks.load();
    const std::type_info* thrown = nullptr;
    try {
        reference.Compare(typed, table);
    } catch (const FormulaError& e) {
        thrown = &typeid(e);
    }
    return {thrown, g_liveBlocks.load() - before};
}

TEST(Compare, FaultsGiveNoVerdictAndLeaveNothingAllocated)
{
    TMyPacketData table = statementTable();
    table.AddVariable("bad", "-");
    table.AddVariable("worse", "1,2,3");
    std::string tooLong = "F";
    while (tooLong.size() <= kMaxFormulaLength)
        tooLong += "+F";
    const std::string tooDeep =
        std::string(kMaxBracketDepth + 1, '(') + "F" + std::string(kMaxBracketDepth + 1, ')');
    const FaultCase cases[] = {
        {"F", "+a", typeid(FormulaParseError)},
        {"F", "a++b", typeid(FormulaParseError)},
        {"F", "a*/b", typeid(FormulaParseError)},
        {"F", "*a", typeid(FormulaParseError)},
        {"F", "F+sin()", typeid(FormulaParseError)},
        {"F", tooLong.c_str(), typeid(FormulaParseError)},
        {"F", tooDeep.c_str(), typeid(FormulaParseError)},
        {"F", ".", typeid(NumberFormatError)},
        {"F", "1,2,3", typeid(NumberFormatError)},
        {"F", "G+1.2.3", typeid(NumberFormatError)},
        {"F", "F*bad", typeid(NumberFormatError)},
        {"worse", "F", typeid(NumberFormatError)},
        {"F", "sqrt(0-1)", typeid(FloatingPointError)},
        {"sqrt(0-1)", "F", typeid(FloatingPointError)},
        {"F", "exp(200000)-exp(200000)", typeid(FloatingPointError)},
        {"F", "0*exp(200000)", typeid(FloatingPointError)},
        {"F", "exp(1000)", typeid(FloatingPointError)},
        {"exp(200000)", "exp(200000)", typeid(FloatingPointError)},
        {"F", "F/sqrt(0-1)", typeid(FloatingPointError)},
    };
    for (const auto& c : cases) {
        failingComparison(c, table);  // warms up the status record's storage
        const auto [thrown, leaked] = failingComparison(c, table);
        ASSERT_NE(thrown, nullptr) << c.typed;
        EXPECT_EQ(*thrown, c.fault) << c.reference << " / " << std::string(c.typed).substr(0, 40);
        EXPECT_EQ(leaked, 0) << c.typed;
    }
}

TEST(Compare, FaultMessagesAreRussianAndSayWhatWentWrong)
{
    const TMyPacketData table = statementTable();
    TMyPacketEquation reference;
    reference.SetEquation("F");
    try {
        reference.Compare("1,2,3", table);
        ADD_FAILURE() << "no exception";
    } catch (const NumberFormatError& e) {
        EXPECT_NE(std::string(e.what()).find("\"1,2,3\""), std::string::npos) << e.what();
    }
    try {
        reference.Compare("a++b", table);
        ADD_FAILURE() << "no exception";
    } catch (const FormulaParseError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Ошибка", 0), 0u) << e.what();
    }
}

// Every reference formula of the exercises, over a table holding the
// exercise's variables: equal to itself and to the same formula typed
// differently, not equal with one term's sign flipped.
template <std::size_t N>
void checkReferenceFormulas(const std::array<ReferenceFormula, N>& formulas,
                            const std::vector<std::string>& variables)
{
    // Seeds whose draws make no term vanish: no value is 0, a differs from b
    // and from 2b, N from Y.
    for (std::uint32_t seed : {3u, 99u, 777777u}) {
        TMyPacketData table;
        fillExerciseTable(table, variables, seed);
        for (const auto& name : variables)
            ASSERT_NE(table.GetVariable(name), 0) << name << " seed " << seed;
        ASSERT_NE(table.GetVariable("a"), table.GetVariable("b"));
        ASSERT_NE(table.GetVariable("a"), 2 * table.GetVariable("b"));
        ASSERT_NE(table.GetVariable("N"), table.GetVariable("Y"));
        TMyPacketEquation reference;
        for (const auto& f : formulas) {
            reference.SetEquation(f.reference);
            EXPECT_EQ(reference.Compare(f.reference, table), kVerdictEqual) << f.id << " seed " << seed;
            EXPECT_EQ(reference.Compare(f.reordered, table), kVerdictEqual) << f.id << " seed " << seed;
            EXPECT_EQ(reference.Compare(f.wrong, table), kVerdictNotEqual) << f.id << " seed " << seed;
        }
    }
}

TEST(ReferenceFormulas, WorkedExample)
{
    checkReferenceFormulas(kWorkedExampleFormulas, kWorkedExampleVariables);
}

TEST(ReferenceFormulas, ControlTasks)
{
    checkReferenceFormulas(kControlTaskFormulas, kControlTaskVariables);
}

TEST(ReferenceFormulas, PrefixOfZeroAndEquivalentFormsMatch)
{
    TMyPacketData table;
    fillExerciseTable(table, kControlTaskVariables, 99);
    TMyPacketEquation reference;
    reference.SetEquation("2-2+P*a*cos(~p/2-~a)");
    EXPECT_EQ(reference.Compare("P*a*sin(~a)", table), kVerdictEqual);
    reference.SetEquation("T!A@*cos(~a)-T!B*cos(~b)");
    EXPECT_EQ(reference.Compare("T!A@*cos(~a)-T!B@*cos(~b)", table), kVerdictEqual);
}

} // namespace
