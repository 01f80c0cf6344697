// The exercise scripts against the formula engine: every reference formula is
// judged equal to itself over the variables a step set-up defines, the batch
// of values is one re-seeding and one draw per variable, and the spelling of
// names in the references matches the names the set-ups define; the worked
// example's equations hold at the solution its last steps give.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <ctime>
#include <numbers>
#include <string>
#include <vector>

#include "exercises/examplescript.h"
#include "exercises/taskscript.h"
#include "formula/packetdata.h"
#include "formula/packetequation.h"
#include "formula/random.h"
#include "formula/status.h"
#include "formula/text.h"

namespace {

struct NamedScript {
    std::string name;
    const std::vector<ScriptStep>* steps;
    const std::vector<std::string>* variables;
};

std::vector<NamedScript> allScripts()
{
    std::vector<NamedScript> scripts{{"example", &exampleSteps(), &exampleVariableNames()}};
    for (int task = 0; task < kTaskCount; ++task)
        scripts.push_back({"task " + std::to_string(task), &taskSteps(task), &taskVariableNames()});
    return scripts;
}

// The values one batch gives after seeding with s, as the set-ups write them.
void defineSeeded(TMyPacketData& table, const std::vector<std::string>& names, std::uint32_t seed)
{
    table.AddVariable("~p", piText());
    randomSeed(seed);
    for (const std::string& name : names)
        table.AddVariable(name, std::to_string(randomBelow(100)));
}

std::string compare(const std::string& reference, const std::string& typed, const TMyPacketData& table)
{
    TMyPacketEquation equation;
    equation.SetEquation(reference);
    return equation.Compare(typed, table);
}

} // namespace

TEST(ScriptText, PiReadsBackAsTheNearestDouble)
{
    EXPECT_EQ(static_cast<double>(StrToNumber(piText())), std::numbers::pi);
}

// Each set-up defines "~p" as pi and every variable with a value 0..99 written
// as an integer, drawn after exactly one re-seeding from the clock.
TEST(StepVariables, OneReseedingAndOneDrawPerVariable)
{
    struct Case {
        const char* name;
        void (*define)(TMyPacketData&);
        const std::vector<std::string>& names;
    };
    const Case cases[] = {{"example", defineExampleVariables, exampleVariableNames()},
                          {"task", defineTaskVariables, taskVariableNames()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMyPacketData table;
        const auto before = static_cast<std::uint32_t>(std::time(nullptr));
        c.define(table);
        const auto after = static_cast<std::uint32_t>(std::time(nullptr));
        const RandomState state = randomState();

        bool matched = false;
        for (std::uint32_t second = before; second <= after && !matched; ++second) {
            TMyPacketData expected;
            defineSeeded(expected, c.names, second);
            const RandomState e = randomState();
            if (e.low == state.low && e.high == state.high) {
                matched = true;
                EXPECT_EQ(table.Names(), expected.Names());
                EXPECT_EQ(table.Values(), expected.Values());
            }
        }
        EXPECT_TRUE(matched) << "the generator was not re-seeded once and drawn once per variable";

        EXPECT_EQ(static_cast<double>(table.GetVariable("~p")), std::numbers::pi);
        for (const std::string& name : c.names) {
            const long double v = table.GetVariable(name);
            EXPECT_EQ(MyStat.Message, "") << name;
            EXPECT_GE(v, 0);
            EXPECT_LE(v, 99);
            EXPECT_EQ(v, std::floor(v)) << name;
        }
    }
}

// Two set-ups within one second give the same values.
TEST(StepVariables, SameSecondSameValues)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        TMyPacketData first;
        TMyPacketData second;
        const std::time_t start = std::time(nullptr);
        defineTaskVariables(first);
        defineTaskVariables(second);
        if (std::time(nullptr) != start)
            continue;  // a second boundary fell between them: try again
        EXPECT_EQ(first.Values(), second.Values());
        return;
    }
    FAIL() << "no two set-ups fell within one second";
}

// Every reference typed as the answer is judged "Равны" over the values of a
// step set-up.  At a point where a denominator of the formula vanishes the
// engine records an arithmetic error (Code 2) and cannot judge; over many
// points every reference must be judged equal at least once, and never fail
// for another reason (a misspelt variable would record Code 3).
TEST(ScriptReferences, EachReferenceEqualsItselfAtTheDrawnPoints)
{
    for (const NamedScript& script : allScripts()) {
        for (std::size_t step = 0; step < script.steps->size(); ++step) {
            const ScriptStep& s = (*script.steps)[step];
            SCOPED_TRACE(script.name + ", step " + std::to_string(step) + ": " + s.reference);
            int equal = 0;
            for (std::uint32_t seed = 1; seed <= 40; ++seed) {
                TMyPacketData table;
                defineSeeded(table, *script.variables, seed * 7919u);
                const std::string verdict = compare(s.reference, s.reference, table);
                if (verdict == kVerdictEqual) {
                    ++equal;
                    continue;
                }
                EXPECT_EQ(verdict, kVerdictError) << "seed " << seed;
                EXPECT_EQ(MyStat.Code, 2) << MyStat.Message;
            }
            EXPECT_GT(equal, 30);
        }
    }
}

// Equivalent answers that the scripts must accept, and answers they must
// reject, at a point where every value is distinct and no denominator vanishes.
TEST(ScriptReferences, EquivalentAndWrongAnswers)
{
    struct Case {
        const char* what;
        const ScriptStep& step;
        const char* typed;
        const char* verdict;
    };
    const Case cases[] = {
        {"example 0 as given", exampleSteps()[0], "~p/2-~a", kVerdictEqual},
        {"example 0 times one", exampleSteps()[0], "~p/2-~a*1", kVerdictEqual},
        {"example 0 wrong sign", exampleSteps()[0], "~p/2+~a", kVerdictNotEqual},
        {"example 2 yes", exampleSteps()[2], "Y", kVerdictEqual},
        {"example 2 no", exampleSteps()[2], "N", kVerdictNotEqual},
        {"example 4 reordered", exampleSteps()[4], "-R!B@*sin(~a)+F", kVerdictEqual},
        {"example 4 with blanks", exampleSteps()[4], "F - R!B@ * sin(~a)", kVerdictEqual},
        {"example 6 with cos", exampleSteps()[6], "R!B@*(2*b-a)*cos(~a)-G*b+G*a", kVerdictEqual},
        {"example 6 weight's arm b", exampleSteps()[6], "-G*b+R!B@*(2*b-a)*sin(~p/2-~a)", kVerdictNotEqual},
        {"example 10", exampleSteps()[10], "G*(b-a)/(2*b-a)/cos(~a)", kVerdictEqual},
        {"task 0 step 1 no", taskSteps(0)[1], "N", kVerdictEqual},
        {"task 0 step 1 yes", taskSteps(0)[1], "Y", kVerdictNotEqual},
        {"task 0 step 4 without prefix", taskSteps(0)[4], "P*a*cos(~p/2-~a)", kVerdictEqual},
        {"task 0 step 4 with sin", taskSteps(0)[4], "P*a*sin(~a)", kVerdictEqual},
        {"task 0 step 7 without prefix", taskSteps(0)[7], "R!D@-X!C@", kVerdictEqual},
        {"task 2 step 0 zero", taskSteps(2)[0], "0", kVerdictEqual},
        {"task 2 step 2 factored", taskSteps(2)[2], "a*(2*F-P)", kVerdictEqual},
        {"task 4 step 1 closed subscript", taskSteps(4)[1], "T!A@*cos(~a)-T!B@*cos(~b)", kVerdictEqual},
        {"task 4 step 2 closed subscript", taskSteps(4)[2], "T!A@*sin(~a)+T!B@*sin(~b)-P", kVerdictEqual},
        {"task 3 step 1 wrong component", taskSteps(3)[1], "Y!B@-F*sin(~a)", kVerdictNotEqual},
    };
    // A point with distinct values and no vanishing denominator.
    TMyPacketData table;
    table.AddVariable("~p", piText());
    int value = 3;
    for (const std::string& name : taskVariableNames())
        table.AddVariable(name, std::to_string(value++));
    table.AddVariable("G", std::to_string(value++));
    for (const Case& c : cases)
        EXPECT_EQ(compare(c.step.reference, c.typed, table), c.verdict) << c.what;
}

// Every question step of the worked example and of the five control tasks as
// the exercise tables give it: the question, the reference formula exactly as
// stored (prefixes such as "2-2+" and the unclosed "T!B" included) and the font
// size the step sets (0: the step keeps the size).  Nothing else is a step.
TEST(ScriptSteps, EveryStepIsTheOneOfTheExerciseTables)
{
    struct Row {
        const char* script;
        std::size_t step;
        const char* question;
        const char* reference;
        int points;
    };
    const Row rows[] = {
        {"example", 0, "Какой угол будет составлять сила R!B@ c балкой AB, если балку освободить от внешних связей?", "~p/2-~a", 10},
        {"example", 1, "Какой угол сила R!D@ образует с вертикалью ?", "0", 12},
        {"example", 2, "Существует ли в уравнении (1) еще слагаемое, равное нулю ?", "Y", 0},
        {"example", 3, "Какой номер имеет это слагаемое?", "2", 0},
        {"example", 4, "Запишите сумму проекций всех сил на ось Ox", "F-R!B@*sin(~a)", 0},
        {"example", 5, "Запишите сумму проекций всех сил на ось Oy", "R!D@+R!B@*cos(~a)-G", 0},
        {"example", 6, "Запишите сумму моментов всех сил относительно т. D", "R!B@*(2*b-a)*sin(~p/2-~a)-G*(b-a)", 0},
        {"example", 7, "Запишите сумму моментов всех сил относительно т. B", "G*b-R!D@*(2*b-a)", 0},
        {"example", 8, "Запишите чему равна сила F из системы (1)", "G*(b-a)/(2*b-a)*tan(~a)", 0},
        {"example", 9, "Теперь, пожалуйста, запишите выражение для R!D", "G-G*(b-a)/(2*b-a)", 0},
        {"example", 10, "Будьте любезны, запишите также выражение для R!B", "G*(b-a)/((2*b-a)*cos(~a))", 0},
        {"task 0", 0, "Сколько неизвестных будет в уравнениях равновесия сист., освобожденной от внешн. связей?", "4", 10},
        {"task 0", 1, "Можно ли определить реакции внешних связей, не расчленяя систему?", "N", 12},
        {"task 0", 2, "Сколько неизвестных составляющих у реакции в т. С?", "2", 0},
        {"task 0", 3, "Укажите число независимых неизвестных, если расчленить систему", "6", 0},
        {"task 0", 4, "При каком значении момента М реакция R!D@ равна нулю", "2-2+P*a*cos(~p/2-~a)", 0},
        {"task 0", 5, "Является ли эта задача статически определимой?", "Y", 0},
        {"task 0", 6, "Сколько нужно составить уравнений, чтобы найти все неизвестные?", "6", 0},
        {"task 0", 7, "Запишите для колонны сумму проекций всех сил на ось Ox", "1-1+R!D@-X!C@", 12},
        {"task 0", 8, "Запишите для колонны сумму проекций всех сил на ось Oy", "1-1+Y!C@-P", 12},
        {"task 0", 9, "Запишите для колонны сумму моментов всех сил относительно т. C", "2-2+P*a*sin(~a)-M-R!D@*2*a*cos(~a)", 12},
        {"task 0", 10, "Запишите для балки сумму проекций всех сил на ось Ox", "2-2+X!C@+X!B@", 0},
        {"task 0", 11, "Запишите для балки сумму проекций всех сил на ось Oy", "2-2+R!A@+Y!B@-Y!C@", 0},
        {"task 0", 12, "Запишите для балки сумму моментов всех сил относительно т. C", "2-2+M+Y!B@*3*b-R!A@*b", 0},
        {"task 1", 0, "Сколько неизвестных составляющих у реакции в т. A?", "2", 0},
        {"task 1", 1, "Запишите сумму проекций всех сил на ось Ox", "1-1+X!A@-R!B@*sin(~a)", 0},
        {"task 1", 2, "Запишите сумму проекций всех сил на ось Oy", "1-1+Y!A@+R!B@*cos(~a)-P", 0},
        {"task 1", 3, "Запишите сумму моментов всех сил относительно точки A", "0+2-2+M-P*b+2*b*R!B@*sin(~p/2-~a)", 0},
        {"task 1", 4, "Пусть тело находится в равновесии. Чему равна сила Y!A@?", "0+2-2+P-(P*b-M)/(2*b)", 0},
        {"task 2", 0, "Чему равна сила X!B@?", "0+2-2", 0},
        {"task 2", 1, "Чему равна сила Y!B@?", "0+2-2+P-F", 0},
        {"task 2", 2, "Чему равен момент M!B@?", "2*F*a-P*a", 0},
        {"task 3", 0, "Сколько нужно составить уравнений, чтобы найти все неизвестные?", "3", 0},
        {"task 3", 1, "Запишите сумму проекций всех сил на ось Ox", "X!B@-F*sin(~a)", 0},
        {"task 3", 2, "Запишите сумму проекций всех сил на ось Oy", "Y!B@+F*cos(~a)", 0},
        {"task 3", 3, "Чему равен момент M!B@?", "-F*(b-a*tan(~a))*sin(~p/2-~a)", 0},
        {"task 4", 0, "Сколько составляющих имеет реакция связи в точке A?", "1", 0},
        {"task 4", 1, "Запишите для балки AK сумму проекций всех сил на ось Ox", "T!A@*cos(~a)-T!B*cos(~b)", 0},
        {"task 4", 2, "Запишите для балки AK сумму проекций всех сил на ось Oy", "T!A@*sin(~a)+T!B*sin(~b)-P", 0},
        {"task 4", 3, "Запишите сумму моментов всех сил относительно точки A", "T!B@*(a+b)*sin(~b)-P*a", 0},
        {"task 4", 4, "Чему равна сила T!A@?", "P*a*cos(~b)/((a+b)*cos(~a)*sin(~b))", 0},
    };
    for (const NamedScript& script : allScripts()) {
        std::size_t count = 0;
        for (const Row& row : rows) {
            if (script.name != row.script)
                continue;
            ++count;
            SCOPED_TRACE(script.name + ", step " + std::to_string(row.step));
            ASSERT_LT(row.step, script.steps->size());
            const ScriptStep& step = (*script.steps)[row.step];
            EXPECT_STREQ(step.question, row.question);
            EXPECT_STREQ(step.reference, row.reference);
            EXPECT_EQ(step.points, row.points);
        }
        EXPECT_EQ(script.steps->size(), count) << script.name;
    }
}

// The worked example's mechanics: with F, R_D and R_B as its last three steps
// express them, the two projection sums and the two moment sums it asks for
// vanish, at every drawn point where the expressions can be evaluated.  A
// moment sum with a wrong arm leaves a residue, so the script cannot refuse
// the right equation and then show its consequences as the answers.
TEST(ScriptMechanics, WorkedExampleEquationsHoldAtItsSolution)
{
    const auto& steps = exampleSteps();
    const struct {
        const char* unknown;
        std::size_t step;
    } solution[] = {{"F", 8}, {"R!D", 9}, {"R!B", 10}};
    const std::size_t equations[] = {4, 5, 6, 7};
    auto valueOf = [](const char* formula, const TMyPacketData& table) {
        const TMyEquation tree(NormalizeEquation(formula));
        clearMessage();
        return tree.Evaluate(table);
    };
    int checked = 0;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        TMyPacketData table;
        defineSeeded(table, exampleVariableNames(), seed * 104729u);
        bool defined = true;
        for (const auto& [unknown, step] : solution) {
            const long double v = valueOf(steps[step].reference, table);
            defined = defined && MyStat.Message.empty() && std::isfinite(v) && std::fabs(v) < 1e9;
            char text[64];
            const auto end = std::to_chars(text, text + sizeof text, static_cast<double>(v)).ptr;
            table.SetVariable(unknown, std::string(text, end));
        }
        if (!defined)
            continue;
        ++checked;
        for (std::size_t step : equations) {
            const long double residue = valueOf(steps[step].reference, table);
            const long double scale = 1 + std::fabs(table.GetVariable("G")) * (1 + std::fabs(table.GetVariable("b")));
            EXPECT_LT(std::fabs(residue), 1e-9L * scale) << "seed " << seed << ", step " << step << ": "
                                                         << steps[step].reference;
        }
    }
    EXPECT_GT(checked, 40);
}
