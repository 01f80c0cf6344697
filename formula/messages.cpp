#include "formula/messages.h"

#include <algorithm>
#include <iterator>

namespace {
struct Wording {
    FormulaMessage code;
    const char* text;   // %1... for the arguments
};

// Each text is the source text of its translation in the context "Message"
// (the build's lupdate reads FORMULA_MESSAGE as QT_TRANSLATE_NOOP).
#define FORMULA_MESSAGE(context, text) text

constexpr Wording kTexts[] = {
    {FormulaMessage::None, ""},
    {FormulaMessage::EmptyKey, FORMULA_MESSAGE("Message", "Ошибка: пустой параметр при обращении к таблице")},
    {FormulaMessage::NoSuchVariable, FORMULA_MESSAGE("Message", "Ошибка: нет такой переменной \"%1\"")},
    {FormulaMessage::DivisionByZero, FORMULA_MESSAGE("Message", "Ошибка: Деление на нуль")},
    {FormulaMessage::LogarithmOfZero, FORMULA_MESSAGE("Message", "Ошибка: нуль в аргументе логарифма")},
    {FormulaMessage::CotangentOfZero, FORMULA_MESSAGE("Message", "Ошибка: ноль в аргументе котангенса")},
    {FormulaMessage::MissingOperand, FORMULA_MESSAGE("Message", "Ошибка в записи формулы: пропущен операнд")},
    {FormulaMessage::InvalidOperation, FORMULA_MESSAGE("Message", "Ошибка вычисления: недопустимая операция (неопределённое значение)")},
    {FormulaMessage::Overflow, FORMULA_MESSAGE("Message", "Ошибка вычисления: переполнение")},
    {FormulaMessage::FormulaTooLong, FORMULA_MESSAGE("Message", "Ошибка в записи формулы: формула слишком длинная")},
    {FormulaMessage::NestingTooDeep, FORMULA_MESSAGE("Message", "Ошибка в записи формулы: слишком глубокая вложенность скобок")},
    {FormulaMessage::NotANumber, FORMULA_MESSAGE("Message", "Ошибка: \"%1\" не является числом")},
    {FormulaMessage::MissingClosingBracket, FORMULA_MESSAGE("Message", "Ошибка: нехватает закрывающей скобки")},
    {FormulaMessage::MissingOpeningBracket, FORMULA_MESSAGE("Message", "Ошибка: нехватает открывающей скобки")},
    {FormulaMessage::NumberTooLarge, FORMULA_MESSAGE("Message", "Ошибка: число \"%1\" слишком велико")},
    {FormulaMessage::NothingToCompare, FORMULA_MESSAGE("Message", "Ошибка: Несчем сравнивать")},
    {FormulaMessage::ValueNotANumber, FORMULA_MESSAGE("Message", "Ошибка вычисления: значение не является числом")},
};
static_assert(std::size(kTexts) == kFormulaMessageCount);

static_assert(rowsInCodeOrder(kTexts));

#undef FORMULA_MESSAGE
} // namespace

const char* formulaMessagePattern(FormulaMessage code)
{
    const auto i = static_cast<std::size_t>(code);
    return i < std::size(kTexts) ? kTexts[i].text : "";
}

std::string formulaMessageText(FormulaMessage code, const std::vector<std::string>& args)
{
    return fillPlaces(formulaMessagePattern(code), args);
}

std::string fillPlaces(const std::string& pattern, const std::vector<std::string>& args)
{
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size())
                out += args[n];
            ++i;
            continue;
        }
        out += pattern[i];
    }
    return out;
}

int placeCount(const std::string& pattern)
{
    int places = 0;
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i)
        if (pattern[i] == '%' && pattern[i + 1] >= '1' && pattern[i + 1] <= '9')
            places = std::max(places, pattern[i + 1] - '0');
    return places;
}

int formulaMessageArity(FormulaMessage code)
{
    return placeCount(formulaMessagePattern(code));
}
