#include "problem/diagnostics.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {
struct Wording {
    ProblemMessage code;
    const char* text;   // %1... for the arguments
};

constexpr Wording kTexts[] = {
    {ProblemMessage::None, ""},
    {ProblemMessage::Syntax, "синтаксическая ошибка: %1"},
    {ProblemMessage::FileTooLarge, "файл больше %1 байт"},
    {ProblemMessage::FileUnreadable, "файл «%1» не читается"},
    {ProblemMessage::UnknownKey, "неизвестный ключ «%1»"},
    {ProblemMessage::MissingKey, "нет ключа «%1»"},
    {ProblemMessage::WrongType, "ключ «%1»: ожидается %2"},
    {ProblemMessage::BadValue, "ключ «%1»: недопустимое значение «%2»"},
    {ProblemMessage::UnsupportedFormat, "формат %1 не поддерживается: эта версия программы читает формат 1"},
    {ProblemMessage::TooMany, "ключ «%1»: больше %2 элементов"},
    {ProblemMessage::TooLong, "ключ «%1»: текст длиннее %2 байт"},
    {ProblemMessage::MissingTranslation, "ключ «%1»: нет текста на языке %2"},
    {ProblemMessage::DuplicateVariable, "переменная «%1» объявлена дважды"},
    {ProblemMessage::OutOfRange, "ключ «%1»: значение вне пределов от %2 до %3"},
    {ProblemMessage::ItemOutsideBox, "точка (%1, %2) лежит вне области рисунка %3 × %4"},
    {ProblemMessage::StageOutOfRange, "этапа схемы %1 нет: этапов %2"},
    {ProblemMessage::UnknownNotVariable, "неизвестная «%1» не объявлена среди переменных"},
    {ProblemMessage::UnknownNotDeclared, "шаг %1: «%2» не объявлена среди неизвестных"},
    {ProblemMessage::UndefinedVariable, "шаг %1: переменная «%2» не определена"},
    {ProblemMessage::FormulaUnreadable, "шаг %1: формула «%2» не читается: %3"},
    {ProblemMessage::ReferenceNeverDefined, "шаг %1: эталон «%2» не вычисляется ни в одной точке"},
    {ProblemMessage::AcceptRefused, "шаг %1: верный ответ «%2» не принят («%3») в точке %4"},
    {ProblemMessage::RefuseAccepted, "шаг %1: неверный ответ «%2» принят в %3 точках из %4"},
    {ProblemMessage::AnswerUnjudged, "шаг %1: ответ «%2» не оценён в точке %3: %4"},
    {ProblemMessage::NotLinear, "шаг %1: уравнение не линейно относительно неизвестных"},
    {ProblemMessage::TooFewEquations,
     "уравнений проекций и моментов %1, неизвестных %2: механика задачи не проверена"},
    {ProblemMessage::NoWellConditionedSystem,
     "уравнения шагов %1 не определяют неизвестные: система вырождена во всех испытанных точках"},
    {ProblemMessage::EquationNotSatisfied,
     "шаг %1: уравнение не выполняется при решении уравнений шагов %2 (невязка %3 в точке %4)"},
    {ProblemMessage::ExpressionMismatch,
     "шаг %1: выражение для «%2» даёт %3, а решение уравнений равновесия %4 (в точке %5)"},
    {ProblemMessage::CountMismatch, "шаг %1: ответ %2, а неизвестных %3"},
};
static_assert(std::size(kTexts) == kProblemMessageCount);

constexpr bool inCodeOrder()
{
    for (std::size_t i = 0; i < std::size(kTexts); ++i)
        if (static_cast<std::size_t>(kTexts[i].code) != i)
            return false;
    return true;
}
static_assert(inCodeOrder());

const char* textOf(ProblemMessage code)
{
    const auto i = static_cast<std::size_t>(code);
    return i < std::size(kTexts) ? kTexts[i].text : "";
}
} // namespace

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
    return fillPlaces(textOf(code), args);
}

std::string fillPlaces(const std::string& text, const std::vector<std::string>& args)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < args.size())
                out += args[n];
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

std::string diagnosticText(const ProblemDiagnostic& diagnostic)
{
    std::vector<std::string> args = diagnostic.args;
    if (diagnostic.engine != FormulaMessage::None)
        args.push_back(formulaMessageText(diagnostic.engine, diagnostic.engineArgs));
    return problemMessageText(diagnostic.message, args);
}

int problemMessageArity(ProblemMessage code)
{
    int arity = 0;
    const std::string text = textOf(code);
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
            arity = std::max(arity, text[i + 1] - '0');
    return arity;
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
