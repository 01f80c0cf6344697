#pragma once
// What the equation control's evaluator reports: a message code with its
// arguments, and the Russian text that code gives (the text the evaluator
// returns).  A program that shows the message words it in its own language
// with translatedMessage(), which translates the same text.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

enum class EvaluatorMessageId : std::uint8_t {
    None = 0,
    NotANumber,            // %1 the text
    BracketOrder,          // %1 the 1-based position
    EmptyFormula,
    ExponentMoreOpen,
    ExponentMoreClose,
    PowerFault,
    PowerInfinite,
    ProductFault,
    QuotientFault,
    SumFault,
    DifferenceFault,
    MissingOpen,           // %1 the formula as far as it was rewritten
    MissingClose,          // %1 the formula as far as it was rewritten
    CotangentZero,
    TangentZero,
    SecantZero,
    CosecantZero,
    SinhOverflow,
    CoshOverflow,
    TanhZero,
    CothZero,
    ExpOverflow,
    SquareOverflow,
    CotangentOverflow,
    TangentOverflow,
    SecantOverflow,
    CosecantOverflow,
    CothOverflow,
    UnknownFunction,       // %1 the name
    ArcsineDomain,         // %1 the argument as written
    ArccosineDomain,       // %1 the argument as written
    NaturalLogDomain,      // %1 the argument as written
    DecimalLogDomain,      // %1 the argument as written
    RootOfNegative,        // %1 the argument as written
    UnboundSuperscript,    // %1 the 1-based position
    UnboundSubscript,      // %1 the 1-based position
    ComparisonFailed,      // %1 the message of the last trial (cause())
};

inline constexpr int kEvaluatorMessageCount = static_cast<int>(EvaluatorMessageId::ComparisonFailed) + 1;

class EvaluatorMessage {
public:
    // No message: success.
    EvaluatorMessage() = default;
    EvaluatorMessage(EvaluatorMessageId id, QStringList args = {});
    // A message about another one, which stands for its %1.
    EvaluatorMessage(EvaluatorMessageId id, const EvaluatorMessage& cause);

    EvaluatorMessageId id() const { return m_id; }
    const QStringList& args() const { return m_args; }
    // The message this one is about; nullptr when none.
    const EvaluatorMessage* cause() const { return m_cause.get(); }
    bool isEmpty() const { return m_id == EvaluatorMessageId::None; }

    // The Russian text; "" for no message.
    QString text() const;

    // The Russian text of a code with %1... for its arguments.
    static QString pattern(EvaluatorMessageId id);

private:
    EvaluatorMessageId m_id = EvaluatorMessageId::None;
    QStringList m_args;
    std::shared_ptr<const EvaluatorMessage> m_cause;
};

// The text of the message in the installed language; "" for no message.
QString translatedMessage(const EvaluatorMessage& message);
