#include "platform/enginemessages.h"

#include "formula/errors.h"

#include <QCoreApplication>

#include <iterator>

namespace {
struct Wording {
    FormulaMessage message;
    const char* source;
};

// One text per code, in the order of the codes.
constexpr Wording kWordings[] = {
    {FormulaMessage::None, ""},
    {FormulaMessage::EmptyKey, QT_TRANSLATE_NOOP("Message", "Ошибка: пустой параметр при обращении к таблице")},
    {FormulaMessage::NoSuchVariable, QT_TRANSLATE_NOOP("Message", "Ошибка: нет такой переменной \"%1\"")},
    {FormulaMessage::DivisionByZero, QT_TRANSLATE_NOOP("Message", "Ошибка: Деление на нуль")},
    {FormulaMessage::LogarithmOfZero, QT_TRANSLATE_NOOP("Message", "Ошибка: нуль в аргументе логарифма")},
    {FormulaMessage::CotangentOfZero, QT_TRANSLATE_NOOP("Message", "Ошибка: ноль в аргументе котангенса")},
    {FormulaMessage::MissingOperand, QT_TRANSLATE_NOOP("Message", "Ошибка в записи формулы: пропущен операнд")},
    {FormulaMessage::InvalidOperation,
     QT_TRANSLATE_NOOP("Message", "Ошибка вычисления: недопустимая операция (неопределённое значение)")},
    {FormulaMessage::Overflow, QT_TRANSLATE_NOOP("Message", "Ошибка вычисления: переполнение")},
    {FormulaMessage::FormulaTooLong, QT_TRANSLATE_NOOP("Message", "Ошибка в записи формулы: формула слишком длинная")},
    {FormulaMessage::NestingTooDeep,
     QT_TRANSLATE_NOOP("Message", "Ошибка в записи формулы: слишком глубокая вложенность скобок")},
    {FormulaMessage::NotANumber, QT_TRANSLATE_NOOP("Message", "Ошибка: \"%1\" не является числом")},
    {FormulaMessage::MissingClosingBracket, QT_TRANSLATE_NOOP("Message", "Ошибка: нехватает закрывающей скобки")},
    {FormulaMessage::MissingOpeningBracket, QT_TRANSLATE_NOOP("Message", "Ошибка: нехватает открывающей скобки")},
    {FormulaMessage::NumberTooLarge, QT_TRANSLATE_NOOP("Message", "Ошибка: число \"%1\" слишком велико")},
    {FormulaMessage::NothingToCompare, QT_TRANSLATE_NOOP("Message", "Ошибка: Несчем сравнивать")},
    {FormulaMessage::ValueNotANumber, QT_TRANSLATE_NOOP("Message", "Ошибка вычисления: значение не является числом")},
};
static_assert(std::size(kWordings) == kFormulaMessageCount);

constexpr bool inCodeOrder()
{
    for (std::size_t i = 0; i < std::size(kWordings); ++i)
        if (static_cast<std::size_t>(kWordings[i].message) != i)
            return false;
    return true;
}
static_assert(inCodeOrder());
} // namespace

namespace {
QString worded(FormulaMessage message, const std::vector<std::string>& args,
               QString (*translate)(const char* source, Language language), Language language)
{
    const auto i = static_cast<std::size_t>(message);
    if (message == FormulaMessage::None || i >= std::size(kWordings))
        return {};
    const QString text = translate(kWordings[i].source, language);
    // Every text takes one argument at most.
    return args.empty() ? text : text.arg(QString::fromStdString(args.front()));
}
} // namespace

QString translatedMessage(FormulaMessage message, const std::vector<std::string>& args)
{
    return worded(message, args,
                  [](const char* source, Language) { return QCoreApplication::translate("Message", source); },
                  Language::Russian);
}

QString translatedMessage(FormulaMessage message, const std::vector<std::string>& args, Language language)
{
    return worded(message, args,
                  [](const char* source, Language chosen) { return translateText(chosen, "Message", source); },
                  language);
}

QString translatedMessage(const FormulaError& error)
{
    return translatedMessage(error.message(), error.args());
}
