#include "eqedit/evaluatormessage.h"

#include <QCoreApplication>

#include <iterator>

namespace {
struct Pattern {
    EvaluatorMessageId id;
    const char* text;   // the source text of its translation
};

constexpr Pattern kPatterns[] = {
    {EvaluatorMessageId::None, ""},
    {EvaluatorMessageId::NotANumber, QT_TRANSLATE_NOOP("Message", "Невозможно преобразовать строку '%1' в число.")},
    {EvaluatorMessageId::BracketOrder, QT_TRANSLATE_NOOP("Message", "Неверное расставление скобок в позиции %1")},
    {EvaluatorMessageId::EmptyFormula, QT_TRANSLATE_NOOP("Message", "Пустая строка.")},
    {EvaluatorMessageId::ExponentMoreOpen, QT_TRANSLATE_NOOP("Message", "В показателе степени ( скобок больше, чем ).")},
    {EvaluatorMessageId::ExponentMoreClose, QT_TRANSLATE_NOOP("Message", "В показателе степени ) скобок больше, чем (.")},
    {EvaluatorMessageId::PowerFault,
     QT_TRANSLATE_NOOP("Message", "Возможно при выполнении операции возведения в степень произошло переполнение буфера.")},
    {EvaluatorMessageId::PowerInfinite,
     QT_TRANSLATE_NOOP("Message", "Невозможно при выполнении операции возведения в степень произошло переполнение буфера.")},
    {EvaluatorMessageId::ProductFault, QT_TRANSLATE_NOOP("Message", "Возможно при выполнении операции произведения произошло переполнение буфера.")},
    {EvaluatorMessageId::QuotientFault,
     QT_TRANSLATE_NOOP("Message", "Возможно при выполнении операции деления произошло переполнение буфера или деление на нуль.")},
    {EvaluatorMessageId::SumFault, QT_TRANSLATE_NOOP("Message", "Возможно при выполнении операции сложения произошло переполнение буфера.")},
    {EvaluatorMessageId::DifferenceFault, QT_TRANSLATE_NOOP("Message", "Возможно при выполнении операции вычитания произошло переполнение буфера.")},
    {EvaluatorMessageId::MissingOpen, QT_TRANSLATE_NOOP("Message", "Отсутствует скобка ( в строке %1")},
    {EvaluatorMessageId::MissingClose, QT_TRANSLATE_NOOP("Message", "Отсутствует скобка ) в строке %1")},
    {EvaluatorMessageId::CotangentZero, QT_TRANSLATE_NOOP("Message", "При вычислении котангенса произошло деление на 0.")},
    {EvaluatorMessageId::TangentZero, QT_TRANSLATE_NOOP("Message", "При вычислении тангенса произошло деление на 0.")},
    {EvaluatorMessageId::SecantZero, QT_TRANSLATE_NOOP("Message", "При вычислении секанса произошло деление на 0.")},
    {EvaluatorMessageId::CosecantZero, QT_TRANSLATE_NOOP("Message", "При вычислении косеканса произошло деление на 0.")},
    {EvaluatorMessageId::SinhOverflow, QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении гиперболического синуса.")},
    {EvaluatorMessageId::CoshOverflow, QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении гиперболического косинуса.")},
    {EvaluatorMessageId::TanhZero, QT_TRANSLATE_NOOP("Message", "При вычислении гиперболического тангенса произошло деление на 0.")},
    {EvaluatorMessageId::CothZero, QT_TRANSLATE_NOOP("Message", "При вычислении гиперболического котангенса произошло деление на 0.")},
    {EvaluatorMessageId::ExpOverflow, QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении экспоненты.")},
    {EvaluatorMessageId::SquareOverflow, QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении квадрата числа.")},
    {EvaluatorMessageId::CotangentOverflow, QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении котангенса.")},
    {EvaluatorMessageId::TangentOverflow, QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении тангенса.")},
    {EvaluatorMessageId::SecantOverflow, QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении секанса.")},
    {EvaluatorMessageId::CosecantOverflow, QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении косеканса.")},
    {EvaluatorMessageId::CothOverflow, QT_TRANSLATE_NOOP("Message", "Переполнение при вычислении гиперболического котангенса.")},
    {EvaluatorMessageId::UnknownFunction, QT_TRANSLATE_NOOP("Message", "Неизвестная функция %1")},
    {EvaluatorMessageId::ArcsineDomain,
     QT_TRANSLATE_NOOP("Message", "Аргумент для вычисления арксинуса, равный %1, должен лежать в интервале (-1;1).")},
    {EvaluatorMessageId::ArccosineDomain,
     QT_TRANSLATE_NOOP("Message", "Аргумент  для вычисления арккосинуса, равный %1, должен лежать в интервале (-1;1).")},
    {EvaluatorMessageId::NaturalLogDomain,
     QT_TRANSLATE_NOOP("Message", "Аргумент  для вычисления натурального логарифма, равный %1, должен быть больше нуля.")},
    {EvaluatorMessageId::DecimalLogDomain,
     QT_TRANSLATE_NOOP("Message", "Аргумент  для вычисления десятичного логарифма, равный %1, должен быть больше нуля.")},
    {EvaluatorMessageId::RootOfNegative, QT_TRANSLATE_NOOP("Message", "Квадратный корень из отрицательного числа %1.")},
    {EvaluatorMessageId::UnboundSuperscript, QT_TRANSLATE_NOOP("Message", "Верхний индекс в позиции %1 не связан ни с одним выражением.")},
    {EvaluatorMessageId::UnboundSubscript, QT_TRANSLATE_NOOP("Message", "Нижний индекс в позиции %1 не связан ни с одним выражением.")},
    {EvaluatorMessageId::ComparisonFailed, QT_TRANSLATE_NOOP("Message", "Невозможно вычислить одно или оба выражения при сравнении (%1).")},
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
    return i < std::size(kPatterns) ? QString::fromUtf8(kPatterns[i].text) : QString();
}

QString EvaluatorMessage::text() const
{
    QString t = pattern(m_id);
    // One argument at most: arg() does not look into what it puts in.
    if (!m_args.isEmpty())
        t = t.arg(m_args.first());
    return t;
}

QString translatedMessage(const EvaluatorMessage& message)
{
    const auto i = static_cast<std::size_t>(message.id());
    if (message.isEmpty() || i >= std::size(kPatterns))
        return {};
    const QString text = QCoreApplication::translate("Message", kPatterns[i].text);
    // A message about another one takes that one's text.
    if (const EvaluatorMessage* cause = message.cause())
        return text.arg(translatedMessage(*cause));
    return message.args().isEmpty() ? text : text.arg(message.args().first());
}
