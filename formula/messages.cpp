#include "formula/messages.h"

#include <algorithm>
#include <iterator>

namespace {
struct Wording {
    FormulaMessage code;
    const char* text;   // %1... for the arguments
};

constexpr Wording kTexts[] = {
    {FormulaMessage::None, ""},
    {FormulaMessage::EmptyKey, "Ошибка: пустой параметр при обращении к таблице"},
    {FormulaMessage::NoSuchVariable, "Ошибка: нет такой переменной \"%1\""},
    {FormulaMessage::DivisionByZero, "Ошибка: Деление на нуль"},
    {FormulaMessage::LogarithmOfZero, "Ошибка: нуль в аргументе логарифма"},
    {FormulaMessage::CotangentOfZero, "Ошибка: ноль в аргументе котангенса"},
    {FormulaMessage::MissingOperand, "Ошибка в записи формулы: пропущен операнд"},
    {FormulaMessage::InvalidOperation, "Ошибка вычисления: недопустимая операция (неопределённое значение)"},
    {FormulaMessage::Overflow, "Ошибка вычисления: переполнение"},
    {FormulaMessage::FormulaTooLong, "Ошибка в записи формулы: формула слишком длинная"},
    {FormulaMessage::NestingTooDeep, "Ошибка в записи формулы: слишком глубокая вложенность скобок"},
    {FormulaMessage::NotANumber, "Ошибка: \"%1\" не является числом"},
    {FormulaMessage::MissingClosingBracket, "Ошибка: нехватает закрывающей скобки"},
    {FormulaMessage::MissingOpeningBracket, "Ошибка: нехватает открывающей скобки"},
    {FormulaMessage::NumberTooLarge, "Ошибка: число \"%1\" слишком велико"},
    {FormulaMessage::NothingToCompare, "Ошибка: Несчем сравнивать"},
    {FormulaMessage::ValueNotANumber, "Ошибка вычисления: значение не является числом"},
};
static_assert(std::size(kTexts) == kFormulaMessageCount);

constexpr bool inCodeOrder()
{
    for (std::size_t i = 0; i < std::size(kTexts); ++i)
        if (static_cast<std::size_t>(kTexts[i].code) != i)
            return false;
    return true;
}
static_assert(inCodeOrder());

const char* textOf(FormulaMessage code)
{
    const auto i = static_cast<std::size_t>(code);
    return i < std::size(kTexts) ? kTexts[i].text : "";
}
} // namespace

std::string formulaMessageText(FormulaMessage code, const std::vector<std::string>& args)
{
    // One pass over the text: an argument is never searched for placeholders.
    const std::string text = textOf(code);
    std::string out;
    out.reserve(text.size() + 16);
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

int formulaMessageArity(FormulaMessage code)
{
    int arity = 0;
    const std::string text = textOf(code);
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
            arity = std::max(arity, text[i + 1] - '0');
    return arity;
}
