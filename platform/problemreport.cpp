#include "platform/problemreport.h"

#include "platform/enginemessages.h"

#include <QCoreApplication>

#include <iterator>

namespace {
struct Wording {
    ProblemMessage message;
    const char* source;
};

// One text per code, in the order of the codes; the same Russian as the core's.
constexpr Wording kWordings[] = {
    {ProblemMessage::None, ""},
    {ProblemMessage::Syntax, QT_TRANSLATE_NOOP("ProblemMessage", "синтаксическая ошибка: %1")},
    {ProblemMessage::FileTooLarge, QT_TRANSLATE_NOOP("ProblemMessage", "файл больше %1 байт")},
    {ProblemMessage::FileUnreadable, QT_TRANSLATE_NOOP("ProblemMessage", "файл «%1» не читается")},
    {ProblemMessage::UnknownKey, QT_TRANSLATE_NOOP("ProblemMessage", "неизвестный ключ «%1»")},
    {ProblemMessage::MissingKey, QT_TRANSLATE_NOOP("ProblemMessage", "нет ключа «%1»")},
    {ProblemMessage::WrongType, QT_TRANSLATE_NOOP("ProblemMessage", "ключ «%1»: ожидается %2")},
    {ProblemMessage::BadValue, QT_TRANSLATE_NOOP("ProblemMessage", "ключ «%1»: недопустимое значение «%2»")},
    {ProblemMessage::UnsupportedFormat,
     QT_TRANSLATE_NOOP("ProblemMessage", "формат %1 не поддерживается: эта версия программы читает формат 1")},
    {ProblemMessage::TooMany, QT_TRANSLATE_NOOP("ProblemMessage", "ключ «%1»: больше %2 элементов")},
    {ProblemMessage::TooLong, QT_TRANSLATE_NOOP("ProblemMessage", "ключ «%1»: текст длиннее %2 байт")},
    {ProblemMessage::MissingTranslation, QT_TRANSLATE_NOOP("ProblemMessage", "ключ «%1»: нет текста на языке %2")},
    {ProblemMessage::DuplicateVariable, QT_TRANSLATE_NOOP("ProblemMessage", "переменная «%1» объявлена дважды")},
    {ProblemMessage::OutOfRange, QT_TRANSLATE_NOOP("ProblemMessage", "ключ «%1»: значение вне пределов от %2 до %3")},
    {ProblemMessage::ItemOutsideBox,
     QT_TRANSLATE_NOOP("ProblemMessage", "точка (%1, %2) лежит вне области рисунка %3 × %4")},
    {ProblemMessage::StageOutOfRange, QT_TRANSLATE_NOOP("ProblemMessage", "этапа схемы %1 нет: этапов %2")},
    {ProblemMessage::UnknownNotVariable,
     QT_TRANSLATE_NOOP("ProblemMessage", "неизвестная «%1» не объявлена среди переменных")},
    {ProblemMessage::UnknownNotDeclared,
     QT_TRANSLATE_NOOP("ProblemMessage", "шаг %1: «%2» не объявлена среди неизвестных")},
    {ProblemMessage::UndefinedVariable, QT_TRANSLATE_NOOP("ProblemMessage", "шаг %1: переменная «%2» не определена")},
    {ProblemMessage::FormulaUnreadable, QT_TRANSLATE_NOOP("ProblemMessage", "шаг %1: формула «%2» не читается: %3")},
    {ProblemMessage::ReferenceNeverDefined,
     QT_TRANSLATE_NOOP("ProblemMessage", "шаг %1: эталон «%2» не вычисляется ни в одной точке")},
    {ProblemMessage::AcceptRefused,
     QT_TRANSLATE_NOOP("ProblemMessage", "шаг %1: верный ответ «%2» не принят («%3») в точке %4")},
    {ProblemMessage::RefuseAccepted,
     QT_TRANSLATE_NOOP("ProblemMessage", "шаг %1: неверный ответ «%2» принят в %3 точках из %4")},
    {ProblemMessage::AnswerUnjudged,
     QT_TRANSLATE_NOOP("ProblemMessage", "шаг %1: ответ «%2» не оценён в точке %3: %4")},
    {ProblemMessage::NotLinear,
     QT_TRANSLATE_NOOP("ProblemMessage", "шаг %1: уравнение не линейно относительно неизвестных")},
    {ProblemMessage::TooFewEquations,
     QT_TRANSLATE_NOOP("ProblemMessage",
                       "уравнений проекций и моментов %1, неизвестных %2: механика задачи не проверена")},
    {ProblemMessage::NoWellConditionedSystem,
     QT_TRANSLATE_NOOP("ProblemMessage",
                       "уравнения шагов %1 не определяют неизвестные: система вырождена во всех испытанных точках")},
    {ProblemMessage::EquationNotSatisfied,
     QT_TRANSLATE_NOOP("ProblemMessage",
                       "шаг %1: уравнение не выполняется при решении уравнений шагов %2 (невязка %3 в точке %4)")},
    {ProblemMessage::ExpressionMismatch,
     QT_TRANSLATE_NOOP("ProblemMessage",
                       "шаг %1: выражение для «%2» даёт %3, а решение уравнений равновесия %4 (в точке %5)")},
    {ProblemMessage::CountMismatch, QT_TRANSLATE_NOOP("ProblemMessage", "шаг %1: ответ %2, а неизвестных %3")},
};
static_assert(std::size(kWordings) == kProblemMessageCount);

constexpr bool inCodeOrder()
{
    for (std::size_t i = 0; i < std::size(kWordings); ++i)
        if (static_cast<std::size_t>(kWordings[i].message) != i)
            return false;
    return true;
}
static_assert(inCodeOrder());

// The arguments of a report, the engine's message worded by `engine` last.
template <typename Engine>
std::vector<std::string> arguments(const ProblemDiagnostic& diagnostic, Engine engine)
{
    std::vector<std::string> args = diagnostic.args;
    if (diagnostic.engine != FormulaMessage::None)
        args.push_back(engine().toStdString());
    return args;
}

QString filled(const QString& text, const std::vector<std::string>& args)
{
    return QString::fromStdString(fillPlaces(text.toStdString(), args));
}

const char* sourceOf(ProblemMessage message)
{
    const auto i = static_cast<std::size_t>(message);
    return i < std::size(kWordings) ? kWordings[i].source : "";
}
} // namespace

QString translatedProblemMessage(const ProblemDiagnostic& diagnostic)
{
    const auto args = arguments(diagnostic, [&] { return translatedMessage(diagnostic.engine, diagnostic.engineArgs); });
    return filled(QCoreApplication::translate("ProblemMessage", sourceOf(diagnostic.message)), args);
}

QString translatedProblemMessage(const ProblemDiagnostic& diagnostic, Language language)
{
    const auto args = arguments(
        diagnostic, [&] { return translatedMessage(diagnostic.engine, diagnostic.engineArgs, language); });
    return filled(translateText(language, "ProblemMessage", sourceOf(diagnostic.message)), args);
}

QString problemReport(const QString& file, const std::vector<ProblemDiagnostic>& diagnostics, Language language)
{
    const std::string note =
        translateText(language, "ProblemMessage", QT_TRANSLATE_NOOP("ProblemMessage", "примечание")).toStdString();
    QString report;
    for (const ProblemDiagnostic& d : diagnostics)
        report += QString::fromStdString(formatDiagnostic(file.toStdString(), d,
                                                          translatedProblemMessage(d, language).toStdString(), note))
                + QLatin1Char('\n');
    if (!hasErrors(diagnostics))
        report += translateText(language, "ProblemMessage", QT_TRANSLATE_NOOP("ProblemMessage", "%1: проверка пройдена"))
                      .arg(file)
                + QLatin1Char('\n');
    return report;
}
