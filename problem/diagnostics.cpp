#include "problem/diagnostics.h"

#include <algorithm>
#include <iterator>
#include <utility>

// Each text is written once, here; the build's lupdate reads PROBLEM_MESSAGE as
// QT_TRANSLATE_NOOP, so the program's catalogue translates it in the context
// kProblemMessageContext.
#define PROBLEM_MESSAGE(context, text) text

namespace {
struct Wording {
    ProblemMessage code;
    const char* text;   // %1... for the arguments
};

constexpr Wording kTexts[] = {
    {ProblemMessage::None, ""},
    {ProblemMessage::Syntax, PROBLEM_MESSAGE("ProblemMessage", "синтаксическая ошибка: %1")},
    {ProblemMessage::FileTooLarge, PROBLEM_MESSAGE("ProblemMessage", "файл больше %1 байт")},
    {ProblemMessage::FileUnreadable, PROBLEM_MESSAGE("ProblemMessage", "файл «%1» не читается")},
    {ProblemMessage::UnknownKey, PROBLEM_MESSAGE("ProblemMessage", "неизвестный ключ «%1»")},
    {ProblemMessage::MissingKey, PROBLEM_MESSAGE("ProblemMessage", "нет ключа «%1»")},
    {ProblemMessage::WrongType, PROBLEM_MESSAGE("ProblemMessage", "ключ «%1»: ожидается %2")},
    {ProblemMessage::BadValue, PROBLEM_MESSAGE("ProblemMessage", "ключ «%1»: недопустимое значение «%2»")},
    {ProblemMessage::UnsupportedFormat, PROBLEM_MESSAGE("ProblemMessage", "формат %1 не поддерживается: эта версия программы читает формат 1")},
    {ProblemMessage::TooMany, PROBLEM_MESSAGE("ProblemMessage", "ключ «%1»: больше %2 элементов")},
    {ProblemMessage::TooLong, PROBLEM_MESSAGE("ProblemMessage", "ключ «%1»: текст длиннее %2 байт")},
    {ProblemMessage::MissingTranslation, PROBLEM_MESSAGE("ProblemMessage", "ключ «%1»: нет текста на языке %2")},
    {ProblemMessage::DuplicateVariable, PROBLEM_MESSAGE("ProblemMessage", "переменная «%1» объявлена дважды")},
    {ProblemMessage::OutOfRange, PROBLEM_MESSAGE("ProblemMessage", "ключ «%1»: значение вне пределов от %2 до %3")},
    {ProblemMessage::ItemOutsideBox, PROBLEM_MESSAGE("ProblemMessage", "точка (%1, %2) лежит вне области рисунка %3 × %4")},
    {ProblemMessage::StageOutOfRange, PROBLEM_MESSAGE("ProblemMessage", "этапа схемы %1 нет: этапов %2")},
    {ProblemMessage::UnknownNotVariable, PROBLEM_MESSAGE("ProblemMessage", "неизвестная «%1» не объявлена среди переменных")},
    {ProblemMessage::UnknownNotDeclared, PROBLEM_MESSAGE("ProblemMessage", "шаг %1: «%2» не объявлена среди неизвестных")},
    {ProblemMessage::UndefinedVariable, PROBLEM_MESSAGE("ProblemMessage", "шаг %1: переменная «%2» не определена")},
    {ProblemMessage::FormulaUnreadable, PROBLEM_MESSAGE("ProblemMessage", "шаг %1: формула «%2» не читается: %3")},
    {ProblemMessage::ReferenceNeverDefined, PROBLEM_MESSAGE("ProblemMessage", "шаг %1: эталон «%2» не вычисляется ни в одной точке")},
    {ProblemMessage::AcceptRefused, PROBLEM_MESSAGE("ProblemMessage", "шаг %1: верный ответ «%2» не принят в точке %3")},
    {ProblemMessage::AcceptNotEvaluated,
     PROBLEM_MESSAGE("ProblemMessage", "шаг %1: верный ответ «%2» не вычисляется (ошибка сравнения) в %3 точках из %4, первая: %5")},
    {ProblemMessage::RefuseAccepted, PROBLEM_MESSAGE("ProblemMessage", "шаг %1: неверный ответ «%2» принят в %3 точках из %4")},
    {ProblemMessage::AnswerUnjudged, PROBLEM_MESSAGE("ProblemMessage", "шаг %1: ответ «%2» не оценён в точке %3: %4")},
    {ProblemMessage::NotLinear, PROBLEM_MESSAGE("ProblemMessage", "шаг %1: уравнение не линейно относительно неизвестных")},
    {ProblemMessage::TooFewEquations,
     PROBLEM_MESSAGE("ProblemMessage", "уравнений проекций и моментов %1, неизвестных %2: механика задачи не проверена")},
    {ProblemMessage::NoWellConditionedSystem,
     PROBLEM_MESSAGE("ProblemMessage", "уравнения шагов %1 не определяют неизвестные: система вырождена во всех испытанных точках")},
    {ProblemMessage::EquationNotSatisfied,
     PROBLEM_MESSAGE("ProblemMessage", "шаг %1: уравнение не выполняется при решении уравнений шагов %2 (невязка %3 в точке %4)")},
    {ProblemMessage::ExpressionMismatch,
     PROBLEM_MESSAGE("ProblemMessage", "шаг %1: выражение для «%2» даёт %3, а решение уравнений равновесия %4 (в точке %5)")},
    {ProblemMessage::CountMismatch, PROBLEM_MESSAGE("ProblemMessage", "шаг %1: ответ %2, а неизвестных %3")},
    {ProblemMessage::KnownCondition,
     PROBLEM_MESSAGE("ProblemMessage", "шаг %1: данные задачи не соблюдают условия: %2")},
    {ProblemMessage::DiagnosisMismatch,
     PROBLEM_MESSAGE("ProblemMessage", "шаг %1: неверный ответ «%2» получает диагноз «%3», а не «%4», в %5 точках из %6 (первая: %7)")},
    {ProblemMessage::TextDoesNotFit,
     PROBLEM_MESSAGE("ProblemMessage", "ключ «%1»: текст на языке %2 не помещается в свою область (%3 при %4 пикселях)")},
};
static_assert(std::size(kTexts) == kProblemMessageCount);

static_assert(rowsInCodeOrder(kTexts));

} // namespace

const char* problemMessagePattern(ProblemMessage code)
{
    const auto i = static_cast<std::size_t>(code);
    return i < std::size(kTexts) ? kTexts[i].text : "";
}

ProblemDiagnostic problemDiagnostic(int line, int column, ProblemMessage message, std::vector<std::string> args,
                                    Severity severity)
{
    ProblemDiagnostic d;
    d.line = line;
    d.column = column;
    d.severity = severity;
    d.message = message;
    d.args = std::move(args);
    return d;
}

std::string problemMessageText(ProblemMessage code, const std::vector<std::string>& args)
{
    return fillPlaces(problemMessagePattern(code), args);
}

std::string diagnosticText(const ProblemDiagnostic& diagnostic)
{
    std::vector<std::string> args = diagnostic.args;
    if (diagnostic.engine != FormulaMessage::None)
        args.push_back(formulaMessageText(diagnostic.engine, diagnostic.engineArgs));
    if (diagnostic.message == ProblemMessage::KnownCondition)
        args.push_back(diagnostic.givenRu);
    return problemMessageText(diagnostic.message, args);
}

int problemMessageArity(ProblemMessage code)
{
    return placeCount(problemMessagePattern(code));
}

std::string formatDiagnostic(const std::string& file, const ProblemDiagnostic& diagnostic,
                             const std::string& text, const std::string& noteMarker)
{
    std::string out = file;
    if (diagnostic.line > 0)
        out += ':' + std::to_string(diagnostic.line) + ':' + std::to_string(std::max(diagnostic.column, 1));
    out += ": ";
    if (diagnostic.severity == Severity::Note)
        out += noteMarker + ": ";
    return out + text;
}

bool hasErrors(const std::vector<ProblemDiagnostic>& diagnostics)
{
    return std::any_of(diagnostics.begin(), diagnostics.end(),
                       [](const ProblemDiagnostic& d) { return d.severity == Severity::Error; });
}
