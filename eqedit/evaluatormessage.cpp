#include "eqedit/evaluatormessage.h"

#include <iterator>

namespace {
struct Pattern {
    EvaluatorMessageId id;
    const char16_t* text;
};

constexpr Pattern kPatterns[] = {
    {EvaluatorMessageId::None, u""},
    {EvaluatorMessageId::NotANumber, u"Невозможно преобразовать строку '%1' в число."},
    {EvaluatorMessageId::BracketOrder, u"Неверное расставление скобок в позиции %1"},
    {EvaluatorMessageId::EmptyFormula, u"Пустая строка."},
    {EvaluatorMessageId::ExponentMoreOpen, u"В показателе степени ( скобок больше, чем )."},
    {EvaluatorMessageId::ExponentMoreClose, u"В показателе степени ) скобок больше, чем (."},
    {EvaluatorMessageId::PowerFault,
     u"Возможно при выполнении операции возведения в степень произошло переполнение буфера."},
    {EvaluatorMessageId::PowerInfinite,
     u"Невозможно при выполнении операции возведения в степень произошло переполнение буфера."},
    {EvaluatorMessageId::ProductFault, u"Возможно при выполнении операции произведения произошло переполнение буфера."},
    {EvaluatorMessageId::QuotientFault,
     u"Возможно при выполнении операции деления произошло переполнение буфера или деление на нуль."},
    {EvaluatorMessageId::SumFault, u"Возможно при выполнении операции сложения произошло переполнение буфера."},
    {EvaluatorMessageId::DifferenceFault, u"Возможно при выполнении операции вычитания произошло переполнение буфера."},
    {EvaluatorMessageId::MissingOpen, u"Отсутствует скобка ( в строке %1"},
    {EvaluatorMessageId::MissingClose, u"Отсутствует скобка ) в строке %1"},
    {EvaluatorMessageId::CotangentZero, u"При вычислении котангенса произошло деление на 0."},
    {EvaluatorMessageId::TangentZero, u"При вычислении тангенса произошло деление на 0."},
    {EvaluatorMessageId::SecantZero, u"При вычислении секанса произошло деление на 0."},
    {EvaluatorMessageId::CosecantZero, u"При вычислении косеканса произошло деление на 0."},
    {EvaluatorMessageId::SinhOverflow, u"Переполнение при вычислении гиперболического синуса."},
    {EvaluatorMessageId::CoshOverflow, u"Переполнение при вычислении гиперболического косинуса."},
    {EvaluatorMessageId::TanhZero, u"При вычислении гиперболического тангенса произошло деление на 0."},
    {EvaluatorMessageId::CothZero, u"При вычислении гиперболического котангенса произошло деление на 0."},
    {EvaluatorMessageId::ExpOverflow, u"Переполнение при вычислении экспоненты."},
    {EvaluatorMessageId::SquareOverflow, u"Переполнение при вычислении квадрата числа."},
    {EvaluatorMessageId::CotangentOverflow, u"Переполнение при вычислении котангенса."},
    {EvaluatorMessageId::TangentOverflow, u"Переполнение при вычислении тангенса."},
    {EvaluatorMessageId::SecantOverflow, u"Переполнение при вычислении секанса."},
    {EvaluatorMessageId::CosecantOverflow, u"Переполнение при вычислении косеканса."},
    {EvaluatorMessageId::CothOverflow, u"Переполнение при вычислении гиперболического котангенса."},
    {EvaluatorMessageId::UnknownFunction, u"Неизвестная функция %1"},
    {EvaluatorMessageId::ArcsineDomain,
     u"Аргумент для вычисления арксинуса, равный %1, должен лежать в интервале (-1;1)."},
    {EvaluatorMessageId::ArccosineDomain,
     u"Аргумент  для вычисления арккосинуса, равный %1, должен лежать в интервале (-1;1)."},
    {EvaluatorMessageId::NaturalLogDomain,
     u"Аргумент  для вычисления натурального логарифма, равный %1, должен быть больше нуля."},
    {EvaluatorMessageId::DecimalLogDomain,
     u"Аргумент  для вычисления десятичного логарифма, равный %1, должен быть больше нуля."},
    {EvaluatorMessageId::RootOfNegative, u"Квадратный корень из отрицательного числа %1."},
    {EvaluatorMessageId::UnboundSuperscript, u"Верхний индекс в позиции %1 не связан ни с одним выражением."},
    {EvaluatorMessageId::UnboundSubscript, u"Нижний индекс в позиции %1 не связан ни с одним выражением."},
    {EvaluatorMessageId::ComparisonFailed, u"Невозможно вычислить одно или оба выражения при сравнении (%1)."},
};
static_assert(std::size(kPatterns) == kEvaluatorMessageCount);

constexpr bool inIdOrder()
{
    for (std::size_t i = 0; i < std::size(kPatterns); ++i)
        if (static_cast<std::size_t>(kPatterns[i].id) != i)
            return false;
    return true;
}
static_assert(inIdOrder());
} // namespace

EvaluatorMessage::EvaluatorMessage(EvaluatorMessageId id, QStringList args)
    : m_id(id)
    , m_args(std::move(args))
{
}

EvaluatorMessage::EvaluatorMessage(EvaluatorMessageId id, const EvaluatorMessage& cause)
    : m_id(id)
    , m_args{cause.text()}
    , m_cause(std::make_shared<const EvaluatorMessage>(cause))
{
}

QString EvaluatorMessage::pattern(EvaluatorMessageId id)
{
    const auto i = static_cast<std::size_t>(id);
    return i < std::size(kPatterns) ? QString::fromUtf16(kPatterns[i].text) : QString();
}

QString EvaluatorMessage::text() const
{
    QString t = pattern(m_id);
    // One argument at most: arg() does not look into what it puts in.
    if (!m_args.isEmpty())
        t = t.arg(m_args.first());
    return t;
}
