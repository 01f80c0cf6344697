// The problem files' reader and check: the built-in files pass, a broken copy
// is caught, and every kind of fault a file can have is reported at its place.
#include "problem/check.h"
#include "problem/reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string listing(const std::vector<ProblemDiagnostic>& diagnostics)
{
    std::string out;
    for (const ProblemDiagnostic& d : diagnostics)
        out += formatDiagnostic("file", d, diagnosticText(d), "примечание") + "\n";
    return out;
}

const ProblemDiagnostic* find(const std::vector<ProblemDiagnostic>& diagnostics, ProblemMessage message)
{
    const auto it = std::find_if(diagnostics.begin(), diagnostics.end(),
                                 [&](const ProblemDiagnostic& d) { return d.message == message; });
    return it == diagnostics.end() ? nullptr : &*it;
}

// A small right problem: a weight F hung on two perpendicular threads,
// X - F cos(~a) = 0 and Y - F sin(~a) = 0.  Lines 1 to 12; its steps follow.
const std::string kHead = R"(format = 1
id = "small"
kind = "task"
title = { ru = "Груз", en = "A weight" }
statement = { ru = "Груз F на двух нитях.", en = "A weight F on two threads." }
variables = ["F", "~a", "X", "Y"]
unknowns = ["X", "Y"]
[[stages]]
description = { ru = "Схема", en = "Scheme" }
items = [
  { type = "arrow", points = [[140, 60], [140, 120]], colour = "magenta" },
]
)";

std::string step(const std::string& reference, const std::string& kind, const std::string& more = "")
{
    return "[[steps]]\nquestion = { ru = \"Вопрос\", en = \"Question\" }\nreference = \"" + reference
         + "\"\nkind = \"" + kind + "\"\nstage = 0\n" + more;
}

const std::string kRight = kHead + step("X-F*cos(~a)", "projection") + step("Y-F*sin(~a)", "projection")
                         + step("F*sin(~a)", "expression", "unknown = \"Y\"\n");

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

std::string repeated(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

TEST(ProblemFiles, BuiltInProblemsPassTheCheck)
{
    // Each file with the number of questions of its exercise.
    const std::vector<std::pair<const char*, std::size_t>> files = {
        {"example.toml", 11}, {"task0.toml", 13}, {"task1.toml", 5}, {"task2.toml", 3}, {"task3.toml", 4},
        {"task4.toml", 5}};
    for (const auto& [name, steps] : files) {
        const ProblemReading reading = readProblemFile(std::string(VEKTUM_PROBLEMS_DIR) + "/" + name);
        EXPECT_TRUE(reading.diagnostics.empty()) << name << "\n" << listing(reading.diagnostics);
        EXPECT_EQ(reading.problem.steps.size(), steps) << name;
        const auto diagnostics = checkProblemFile(std::string(VEKTUM_PROBLEMS_DIR) + "/" + name);
        EXPECT_FALSE(hasErrors(diagnostics)) << name << "\n" << listing(diagnostics);
    }
}

// The worked example with the moment about D of its first version: the
// equations of steps 4 to 7 have no solution, and the expressions that
// follow from the right ones disagree with them.
TEST(ProblemFiles, OldMomentAboutDIsInconsistent)
{
    const auto diagnostics = checkProblemFile(std::string(VEKTUM_FIXTURES_DIR) + "/example-old-step6.toml");
    const ProblemDiagnostic* equation = find(diagnostics, ProblemMessage::EquationNotSatisfied);
    ASSERT_NE(equation, nullptr) << listing(diagnostics);
    EXPECT_NE(find(diagnostics, ProblemMessage::ExpressionMismatch), nullptr) << listing(diagnostics);
    // The right sum, written among the accepted answers, is refused.
    const ProblemDiagnostic* refused = find(diagnostics, ProblemMessage::AcceptRefused);
    ASSERT_NE(refused, nullptr) << listing(diagnostics);
    EXPECT_EQ(refused->args[0], "6");
}

// Control task 4 as the program runs it: its data say too much (the
// three equations agree only when a tan(alpha) = b tan(beta)), so the third
// equation fails at the solution of the other two, and the script's T!A
// disagrees with that solution.  Nothing else may be wrong with the file.
TEST(ProblemFiles, Task4IsOverdetermined)
{
    const std::string path = std::string(VEKTUM_PROBLEMS_DIR) + "/task4.toml";
    // The steps name the condition their data do not keep, so what their
    // equations and expression fail is reported as notes, and the file passes.
    const auto diagnostics = checkProblemFile(path);
    EXPECT_NE(find(diagnostics, ProblemMessage::EquationNotSatisfied), nullptr) << listing(diagnostics);
    EXPECT_NE(find(diagnostics, ProblemMessage::KnownCondition), nullptr) << listing(diagnostics);
    for (const ProblemDiagnostic& d : diagnostics) {
        EXPECT_TRUE(d.message == ProblemMessage::EquationNotSatisfied || d.message == ProblemMessage::ExpressionMismatch
                    || d.message == ProblemMessage::KnownCondition)
            << listing(diagnostics);
        EXPECT_EQ(d.severity, Severity::Note) << listing(diagnostics);
    }
    // Without the condition named they are errors.
    std::ifstream in(path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string unnamed;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("known.", 0) != 0)
            unnamed += line + '\n';
    const auto errors = checkProblemText(unnamed);
    ASSERT_NE(find(errors, ProblemMessage::EquationNotSatisfied), nullptr) << listing(errors);
    EXPECT_EQ(find(errors, ProblemMessage::EquationNotSatisfied)->severity, Severity::Error);
}

struct ReadCase {
    const char* name;
    std::string text;
    ProblemMessage message;
    int line;
    int column;
};

TEST(ProblemFiles, ReaderReportsFaultsAtTheirPlace)
{
    const std::vector<ReadCase> cases = {
        {"syntax", replaced(kRight, "id = \"small\"", "id = \"small"), ProblemMessage::Syntax, 2, 12},
        {"control character", replaced(kRight, "[[stages]]", "[[\x01stages]]"), ProblemMessage::Syntax, 8, 3},
        {"a Russian key", replaced(kRight, "stage = 0\n", "этап = 0\n"), ProblemMessage::Syntax, 17, 1},
        {"a Russian word after a blank", replaced(kRight, "{ ru = \"Схема\"", "{ Схема"), ProblemMessage::Syntax, 9, 17},
        {"a Russian letter after a value", replaced(kRight, "stage = 0\n", "stage = 0Г\n"), ProblemMessage::Syntax, 17,
         10},
        {"a presentation form where blank space may stand", replaced(kRight, "[[stages]]", "\uFCFF"),
         ProblemMessage::Syntax, 8, 1},
        {"a private-use character", replaced(kRight, "Схема", "Схема\uE000"), ProblemMessage::Syntax, 9, 28},
        {"a table header of no key", replaced(kRight, "[[stages]]", "[&stages]"), ProblemMessage::Syntax, 8, 2},
        {"unknown key", replaced(kRight, "[[stages]]", "colour = 1\n[[stages]]"), ProblemMessage::UnknownKey, 8, 1},
        {"unknown key in a step", kRight + "hint = \"x\"\n", ProblemMessage::UnknownKey, 29, 1},
        {"missing key", replaced(kRight, "kind = \"task\"\n", ""), ProblemMessage::MissingKey, 0, 0},
        {"wrong type", replaced(kRight, "id = \"small\"", "id = 5"), ProblemMessage::WrongType, 2, 6},
        {"format 2", replaced(kRight, "format = 1", "format = 2"), ProblemMessage::UnsupportedFormat, 1, 10},
        {"missing English", replaced(kRight, ", en = \"A weight\"", ""), ProblemMessage::MissingTranslation, 4, 9},
        {"empty Russian", replaced(kRight, "ru = \"Схема\"", "ru = \" \""), ProblemMessage::MissingTranslation, 9, 15},
        {"stage out of range", replaced(kRight, "stage = 0\n", "stage = 1\n"), ProblemMessage::StageOutOfRange, 17, 9},
        {"item outside the box", replaced(kRight, "[140, 120]", "[140, 161]"), ProblemMessage::ItemOutsideBox, 11, 3},
        {"item of no kind", replaced(kRight, "\"arrow\"", "\"spiral\""), ProblemMessage::BadValue, 11, 12},
        {"duplicate variable", replaced(kRight, "\"X\", \"Y\"]\nunknowns", "\"X\", \"X\"]\nunknowns"),
         ProblemMessage::DuplicateVariable, 6, 30},
        {"unknown not a variable", replaced(kRight, "[\"X\", \"Y\"]", "[\"X\", \"Z\"]"),
         ProblemMessage::UnknownNotVariable, 7, 18},
        {"expression of an undeclared unknown", replaced(kRight, "unknown = \"Y\"", "unknown = \"F\""),
         ProblemMessage::UnknownNotDeclared, 28, 11},
        {"diagnosis of no kind", kRight + "tests.refuse = [{ answer = \"F\", diagnosis = \"guess\" }]\n",
         ProblemMessage::BadValue, 29, 45},
        {"count on an expression", kRight + "counts = \"unknowns\"\n", ProblemMessage::BadValue, 29, 10},
        {"draw upside down", replaced(kRight, "\"~a\", \"X\"", "{ name = \"~a\", from = 5, to = 1 }, \"X\""),
         ProblemMessage::OutOfRange, 6, 19},
        {"file too large", kRight + "# " + std::string(kMaxProblemFileBytes, 'x') + "\n",
         ProblemMessage::FileTooLarge, 0, 0},
        {"too many steps", kHead + repeated(step("X", "projection"), int(kMaxProblemSteps) + 1),
         ProblemMessage::TooMany, 0, 0},
        {"too many variables",
         replaced(kRight, "variables = [", "variables = [" + repeated("\"v\", ", int(kMaxProblemVariables))),
         ProblemMessage::TooMany, 6, 13},
        {"too many items",
         replaced(kRight, "items = [\n", "items = [\n" + repeated("{ type = \"dotted\", points = [[1, 1], [2, 2]] },\n",
                                                                 int(kMaxStageItems))),
         ProblemMessage::TooMany, 10, 9},
        {"text too long", replaced(kRight, "Груз F на двух нитях.", std::string(kMaxTextBytes + 1, 'x')),
         ProblemMessage::TooLong, 5, 20},
        {"formula too long", replaced(kRight, "X-F*cos(~a)", "X" + repeated("+F", int(kMaxFormulaBytes) / 2)),
         ProblemMessage::TooLong, 15, 13},
    };
    for (const ReadCase& c : cases) {
        const ProblemReading reading = readProblem(c.text);
        const ProblemDiagnostic* d = find(reading.diagnostics, c.message);
        ASSERT_NE(d, nullptr) << c.name << "\n" << listing(reading.diagnostics);
        if (c.line > 0) {
            EXPECT_EQ(d->line, c.line) << c.name << "\n" << listing(reading.diagnostics);
            EXPECT_EQ(d->column, c.column) << c.name << "\n" << listing(reading.diagnostics);
        }
        EXPECT_EQ(int(d->args.size()), problemMessageArity(c.message)) << c.name;
    }
    EXPECT_TRUE(readProblem(kRight).diagnostics.empty()) << listing(readProblem(kRight).diagnostics);
}

struct CheckCase {
    const char* name;
    std::string text;
    ProblemMessage message;   // None: the check passes
    Severity severity;
};

TEST(ProblemFiles, CheckFindsWhatIsWrongWithAProblem)
{
    const std::string weight = "X-F*cos(~a)";
    const std::vector<CheckCase> cases = {
        {"right", kRight, ProblemMessage::None, Severity::Error},
        {"right answers accepted, wrong refused",
         kRight + "tests.accept = [\"F*sin(~a)\", \"F*cos(~p/2-~a)\"]\ntests.refuse = [\"F*cos(~a)\", \"Y\"]\n",
         ProblemMessage::None, Severity::Error},
        {"undefined variable", replaced(kRight, weight, "X-G*cos(~a)"), ProblemMessage::UndefinedVariable,
         Severity::Error},
        {"undefined variable in a teacher's message",
         kRight + "messages = [{ when = \"F*sin(~b)\", ru = \"Угол α\", en = \"Angle α\" }]\n",
         ProblemMessage::UndefinedVariable, Severity::Error},
        {"unreadable reference", replaced(kRight, weight, "X-*F"), ProblemMessage::FormulaUnreadable,
         Severity::Error},
        {"right answer refused", kRight + "tests.accept = [\"F*cos(~a)\"]\n", ProblemMessage::AcceptRefused,
         Severity::Error},
        {"right answer that cannot be evaluated", kRight + "tests.accept = [\"F*sin(~a)+1/(F-F)\"]\n",
         ProblemMessage::AcceptNotEvaluated, Severity::Error},
        {"wrong answer accepted", kRight + "tests.refuse = [\"F*sin(~a)+0\"]\n", ProblemMessage::RefuseAccepted,
         Severity::Error},
        {"answer without a verdict", kRight + "tests.accept = [\"+F\"]\n", ProblemMessage::AnswerUnjudged,
         Severity::Error},
        {"reference never defined", replaced(kRight, "F*sin(~a)", "F/0"), ProblemMessage::ReferenceNeverDefined,
         Severity::Error},
        {"not linear", replaced(kRight, weight, "X*X-F"), ProblemMessage::NotLinear, Severity::Error},
        {"equations that do not determine the unknowns", replaced(kRight, weight, "Y-F*sin(~a)"),
         ProblemMessage::NoWellConditionedSystem, Severity::Error},
        {"an equation too many that does not hold", kRight + step("X+Y-F", "moment"),
         ProblemMessage::EquationNotSatisfied, Severity::Error},
        {"an equation too many that holds", kRight + step("X*sin(~a)-Y*cos(~a)", "moment"), ProblemMessage::None,
         Severity::Error},
        {"wrong expression", replaced(kRight, "F*sin(~a)\"", "F*cos(~a)\""), ProblemMessage::ExpressionMismatch,
         Severity::Error},
        {"count of unknowns right", kRight + step("2", "number", "counts = \"unknowns\"\n"), ProblemMessage::None,
         Severity::Error},
        {"count of unknowns wrong", kRight + step("3", "number", "counts = \"unknowns\"\n"),
         ProblemMessage::CountMismatch, Severity::Error},
        {"refused answers with the diagnoses a student is told",
         kRight + "tests.refuse = [{ answer = \"F*cos(~a)\", diagnosis = \"functions-swapped\" },\n"
                  "  { answer = \"-F*sin(~a)\", diagnosis = \"all-signs-reversed\" }]\n",
         ProblemMessage::None, Severity::Error},
        {"a refused answer with a diagnosis it is not told",
         kRight + "tests.refuse = [{ answer = \"F*cos(~a)\", diagnosis = \"term-sign\" }]\n",
         ProblemMessage::DiagnosisMismatch, Severity::Error},
        {"a teacher's message told before the diagnosis",
         kRight + "messages = [{ when = \"cos(~a)*F\", ru = \"Синус\", en = \"Sine\" }]\n"
                  "tests.refuse = [{ answer = \"F*cos(~a)\", diagnosis = \"message\" }]\n",
         ProblemMessage::None, Severity::Error},
        {"a diagnosis named where a teacher's message is told",
         kRight + "messages = [{ when = \"cos(~a)*F\", ru = \"Синус\", en = \"Sine\" }]\n"
                  "tests.refuse = [{ answer = \"F*cos(~a)\", diagnosis = \"functions-swapped\" }]\n",
         ProblemMessage::DiagnosisMismatch, Severity::Error},
        {"too few equations is a note", kHead + step("X-F*cos(~a)", "projection"), ProblemMessage::TooFewEquations,
         Severity::Note},
    };
    for (const CheckCase& c : cases) {
        const auto diagnostics = checkProblemText(c.text);
        if (c.message == ProblemMessage::None) {
            EXPECT_TRUE(diagnostics.empty()) << c.name << "\n" << listing(diagnostics);
            continue;
        }
        const ProblemDiagnostic* d = find(diagnostics, c.message);
        ASSERT_NE(d, nullptr) << c.name << "\n" << listing(diagnostics);
        EXPECT_EQ(d->severity, c.severity) << c.name;
        EXPECT_EQ(hasErrors(diagnostics), c.severity == Severity::Error) << c.name << "\n" << listing(diagnostics);
        EXPECT_GT(d->line, 0) << c.name;
    }
}

TEST(ProblemFiles, ReportsAreFormattedWithTheirPlace)
{
    ProblemDiagnostic error = problemDiagnostic(3, 7, ProblemMessage::UnknownKey, {"hint"});
    EXPECT_EQ(formatDiagnostic("a.toml", error, diagnosticText(error), "примечание"),
              "a.toml:3:7: неизвестный ключ «hint»");
    ProblemDiagnostic note = problemDiagnostic(0, 0, ProblemMessage::TooFewEquations, {"1", "2"}, Severity::Note);
    EXPECT_EQ(formatDiagnostic("a.toml", note, "text", "note"), "a.toml: note: text");
    ProblemDiagnostic engine = problemDiagnostic(5, 1, ProblemMessage::FormulaUnreadable, {"2", "(a"});
    engine.engine = FormulaMessage::MissingClosingBracket;
    EXPECT_EQ(diagnosticText(engine), "шаг 2: формула «(a» не читается: Ошибка: нехватает закрывающей скобки");
}

} // namespace
