#include "eqedit/evaluator.h"

#include "eqedit/notation.h"
#include "formula/power.h"
#include "formula/random.h"
#include "formula/text.h"

#include <QByteArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <vector>

namespace {

// ---- Messages ---------------------------------------------------------------

using Message = EvaluatorMessage;
using Id = EvaluatorMessageId;

Message conversionMessage(const QString& text)
{
    return {Id::NotANumber, {text}};
}

Message bracketOrderMessage(int position)
{
    return {Id::BracketOrder, {QString::number(position)}};
}

// ---- Numbers as text ----------------------------------------------------------

bool isSign(QChar c)
{
    return c == u'+' || c == u'-';
}

bool isExponentLetter(QChar c)
{
    return c == u'E' || c == u'e';
}

// A sign at index i that belongs to a number's exponent ("1e-5").
template <typename Text>
bool isExponentSign(const Text& s, qsizetype i)
{
    return isSign(s[i]) && i > 0 && isExponentLetter(s[i - 1]);
}

// The general format with 34 significant digits, independent of the locale.
QString numberText(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 34);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

// An operator's result: "+" in front when it is not negative.
QString signedNumberText(double value)
{
    if (value == 0.0)
        value = 0.0; // no "-0"
    return value >= 0.0 ? QLatin1Char('+') + numberText(value) : numberText(value);
}

// Converts a non-empty number text to a finite double; false when the text is
// not a number, is incomplete ("-", "1e") or too large for a double.
bool toNumber(const QString& text, double& value)
{
    if (text.isEmpty() || !EqEvaluator::IsDigitString(text))
        return false;
    const QByteArray bytes = text.toLatin1();
    double parsed = 0.0;
    if (!readDecimalNumber(std::string_view(bytes.constData(), std::size_t(bytes.size())), parsed)
        || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

// ---- Text being rewritten ------------------------------------------------------

// A formula rewritten by one pass from the left.  The whole text is `done`
// followed by `rest` from `at` on: `done` is what the pass has gone over (it
// holds no operator the pass looks for), `rest` is read but never changed, so
// that a step costs the length of its operands and result, not of the text.
class PassText {
public:
    explicit PassText(const QString& text) : m_rest(text) {}

    qsizetype size() const { return m_done.size() + m_rest.size() - m_at; }
    qsizetype doneSize() const { return m_done.size(); }
    QChar operator[](qsizetype i) const
    {
        return i < m_done.size() ? m_done[i] : m_rest[m_at + i - m_done.size()];
    }
    QString mid(qsizetype from, qsizetype length) const
    {
        QString out;
        out.reserve(length);
        for (qsizetype i = from; i < from + length; ++i)
            out += (*this)[i];
        return out;
    }
    QString whole() const
    {
        QString out = m_done;
        out += QStringView(m_rest).mid(m_at);
        return out;
    }

    // Replaces the characters start..end (end beyond the part gone over) by
    // `with`; the pass goes on after it.
    void replace(qsizetype start, qsizetype end, const QString& with)
    {
        const qsizetype doneBefore = m_done.size();
        if (start >= doneBefore)
            m_done += QStringView(m_rest).mid(m_at, start - doneBefore);
        else
            m_done.truncate(start);
        m_done += with;
        m_at += end + 1 - doneBefore;
    }
    // One pass of sign folding over the run of `length` signs at `start` of
    // the part gone over; gives the run's new length.
    qsizetype foldSignRun(qsizetype start, qsizetype length);
    // Starts the pass again over `text`.
    void reset(const QString& text)
    {
        m_done.clear();
        m_rest = text;
        m_at = 0;
    }

private:
    QString m_done;
    QString m_rest;
    qsizetype m_at = 0;
};

QChar foldedSign(QChar a, QChar b);

qsizetype PassText::foldSignRun(qsizetype start, qsizetype length)
{
    QString folded;
    for (qsizetype k = start; k < start + length; k += 2)
        folded += k + 1 < start + length ? foldedSign(m_done[k], m_done[k + 1]) : m_done[k];
    m_done.replace(start, length, folded);
    return folded.size();
}

// ---- Operands (0-based indices) ---------------------------------------------

template <typename Text>
QString leftOperand(const Text& s, qsizetype op, qsizetype& start, bool withoutSign)
{
    start = op;
    for (qsizetype i = op - 1; i >= 0; --i) {
        const QChar c = s[i];
        if (c == u'*' || c == u'/' || c == u'^' || c == u'(')
            break;
        if (isSign(c) && !isExponentSign(s, i)) {
            if (!withoutSign)
                start = i;
            break;
        }
        start = i;
    }
    return s.mid(start, op - start);
}

template <typename Text>
QString rightOperand(const Text& s, qsizetype op, qsizetype& end)
{
    end = op;
    for (qsizetype i = op + 1; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'*' || c == u'/' || c == u'^' || c == u')')
            break;
        if (isSign(c) && i != op + 1 && !isExponentSign(s, i))
            break;
        end = i;
    }
    return s.mid(op + 1, end - op);
}

// The two operands of the operator at op, read as numbers.  start and end
// bound the text they cover with the operator; the result is "" or the
// conversion message of the first operand that is not a number.
struct Operands {
    qsizetype start = 0;
    qsizetype end = 0;
    double left = 0.0;
    double right = 0.0;
};

Message readOperands(const PassText& s, qsizetype op, bool leftWithoutSign, Operands& o)
{
    const QString left = leftOperand(s, op, o.start, leftWithoutSign);
    const QString right = rightOperand(s, op, o.end);
    if (!toNumber(left, o.left))
        return conversionMessage(left);
    if (!toNumber(right, o.right))
        return conversionMessage(right);
    return {};
}

// ---- Signs ---------------------------------------------------------------------

QChar foldedSign(QChar a, QChar b)
{
    return a == b ? u'+' : u'-';
}

// Adjacent sign pairs (k, k + 1) of the text with from <= k < to.
qsizetype signPairs(const PassText& t, qsizetype from, qsizetype to)
{
    qsizetype n = 0;
    for (qsizetype k = std::max<qsizetype>(0, from); k < to && k + 1 < t.size(); ++k)
        if (isSign(t[k]) && isSign(t[k + 1]))
            ++n;
    return n;
}

// Writes an operator's result over its operands and folds sign pairs as one
// pass over the whole text would.  That pass folds every run of signs on its
// own, pair by pair from the run's first sign, so runs without a pair are
// left alone: `pairs` counts the sign pairs of the text, and when the only
// ones are in the run that ends at the result's sign (a result starts with
// its sign and ends with a digit), only that run is folded.  Returns false
// when the pass had to go over the whole text, which then starts again.
bool writeBack(PassText& text, const Operands& o, double value, qsizetype& pairs)
{
    const QString result = signedNumberText(value);
    pairs -= signPairs(text, o.start - 1, o.end + 1);
    text.replace(o.start, o.end, result);
    const qsizetype at = text.doneSize() - result.size();
    pairs += signPairs(text, at - 1, at + result.size());
    qsizetype runStart = at;
    while (runStart > 0 && isSign(text[runStart - 1]))
        --runStart;
    const qsizetype runPairs = at - runStart;
    if (pairs > runPairs) {
        QString whole = text.whole();
        EqEvaluator::SokrashDoubleSign(whole);
        pairs = signPairs(PassText(whole), 0, whole.size());
        text.reset(whole);
        return false;
    }
    if (runPairs > 0)
        pairs = text.foldSignRun(runStart, at - runStart + 1) - 1;
    return true;
}

// ---- Arithmetic ---------------------------------------------------------------

// x to the power y; false on overflow, division by zero or an undefined result.
bool raise(double x, double y, double& result)
{
    if (y == std::trunc(y) && std::fabs(y) <= EqEvaluator::kMaxRepeatedPower) {
        const int count = static_cast<int>(std::fabs(y));
        double product = 1.0;
        for (int k = 0; k < count && std::isfinite(product); ++k)
            product *= x;
        if (!std::isfinite(product))
            return false;
        if (y < 0) {
            if (product == 0.0)
                return false;
            product = 1.0 / product;
        }
        result = product;
    } else {
        result = powerOf(x, y);
    }
    return std::isfinite(result);
}

// The three passes of a bracket-free formula.  Each finds the first operator
// of its kind from the left, replaces it and its operands by the result and
// looks again from there: nothing in front of the result holds an operator of
// the pass.

Message powerPass(PassText& text, qsizetype& pairs)
{
    for (qsizetype from = 0;;) {
        qsizetype op = -1;
        for (qsizetype i = from; i < text.size() && op < 0; ++i) {
            const QChar c = text[i];
            if (c == u'(' || c == u')')
                return bracketOrderMessage(static_cast<int>(i) + 1);
            if (c == u'^')
                op = i;
        }
        if (op < 0)
            return {};
        Operands o;
        if (const Message message = readOperands(text, op, true, o); !message.isEmpty())
            return message;
        double r = 0.0;
        if (!raise(o.left, o.right, r))
            return Id::PowerFault;
        from = writeBack(text, o, r, pairs) ? text.doneSize() : 0;
    }
}

Message productPass(PassText& text, qsizetype& pairs)
{
    for (qsizetype from = 0;;) {
        qsizetype op = -1;
        for (qsizetype i = from; i < text.size() && op < 0; ++i)
            if (text[i] == u'*' || text[i] == u'/')
                op = i;
        if (op < 0)
            return {};
        Operands o;
        if (const Message message = readOperands(text, op, false, o); !message.isEmpty())
            return message;
        double r = 0.0;
        if (text[op] == u'*') {
            r = o.left * o.right;
            if (!std::isfinite(r))
                return Id::ProductFault;
        } else {
            if (o.right == 0.0)
                return Id::QuotientFault;
            r = o.left / o.right;
            if (!std::isfinite(r))
                return Id::QuotientFault;
        }
        from = writeBack(text, o, r, pairs) ? text.doneSize() : 0;
    }
}

// A leading sign and the sign of a number's exponent are not operators.
Message sumPass(PassText& text, qsizetype& pairs)
{
    for (qsizetype from = 1;;) {
        qsizetype op = -1;
        for (qsizetype i = from; i < text.size() && op < 0; ++i)
            if (isSign(text[i]) && !isExponentLetter(text[i - 1]))
                op = i;
        if (op < 0)
            return {};
        Operands o;
        if (const Message message = readOperands(text, op, false, o); !message.isEmpty())
            return message;
        const bool sum = text[op] == u'+';
        const double r = sum ? o.left + o.right : o.left - o.right;
        if (!std::isfinite(r))
            return sum ? Id::SumFault : Id::DifferenceFault;
        from = std::max<qsizetype>(1, writeBack(text, o, r, pairs) ? text.doneSize() : 0);
    }
}

// ---- Functions ------------------------------------------------------------------

// A function's value at x, or its refusal; `arg` is the argument as written.
using FunctionRule = Message (*)(double x, const QString& arg, double& r);

Message quotient(double numerator, double denominator, Id byZero, Id overflow, double& r)
{
    if (denominator == 0.0)
        return byZero;
    r = numerator / denominator;
    return std::isfinite(r) ? Id::None : overflow;
}

Message arcsine(double x, const QString& arg, double& r)
{
    if (!(x > -1.0 && x < 1.0))
        return {Id::ArcsineDomain, {arg}};
    r = std::asin(x);
    return {};
}

Message arccosine(double x, const QString& arg, double& r)
{
    if (!(x > -1.0 && x < 1.0))
        return {Id::ArccosineDomain, {arg}};
    r = std::acos(x);
    return {};
}

Message cotangent(double x, const QString&, double& r)
{
    return quotient(std::cos(x), std::sin(x), Id::CotangentZero, Id::CotangentOverflow, r);
}

Message tangent(double x, const QString&, double& r)
{
    return quotient(std::sin(x), std::cos(x), Id::TangentZero, Id::TangentOverflow, r);
}

Message naturalLog(double x, const QString& arg, double& r)
{
    if (!(x > 0.0))
        return {Id::NaturalLogDomain, {arg}};
    r = std::log(x);
    return {};
}

Message decimalLog(double x, const QString& arg, double& r)
{
    if (!(x > 0.0))
        return {Id::DecimalLogDomain, {arg}};
    r = std::log10(x);
    return {};
}

Message exponential(double x, const QString&, double& r)
{
    r = std::exp(x);
    return std::isfinite(r) ? Id::None : Id::ExpOverflow;
}

Message squareRoot(double x, const QString& arg, double& r)
{
    if (x < 0.0)
        return {Id::RootOfNegative, {arg}};
    r = std::sqrt(x);
    return {};
}

Message square(double x, const QString&, double& r)
{
    r = x * x;
    return std::isfinite(r) ? Id::None : Id::SquareOverflow;
}

Message secant(double x, const QString&, double& r)
{
    return quotient(1.0, std::cos(x), Id::SecantZero, Id::SecantOverflow, r);
}

Message cosecant(double x, const QString&, double& r)
{
    return quotient(1.0, std::sin(x), Id::CosecantZero, Id::CosecantOverflow, r);
}

Message hyperbolicSine(double x, const QString&, double& r)
{
    r = std::sinh(x);
    return std::isinf(r) ? Id::SinhOverflow : Id::None;
}

Message hyperbolicCosine(double x, const QString&, double& r)
{
    r = std::cosh(x);
    return std::isinf(r) ? Id::CoshOverflow : Id::None;
}

Message hyperbolicTangent(double x, const QString&, double& r)
{
    const double ch = std::cosh(x);
    if (std::isinf(ch))
        return Id::CoshOverflow;
    const double sh = std::sinh(x);
    if (std::isinf(sh))
        return Id::SinhOverflow;
    return quotient(sh, ch, Id::TanhZero, Id::TanhZero, r);
}

Message hyperbolicCotangent(double x, const QString&, double& r)
{
    const double ch = std::cosh(x);
    if (std::isinf(ch))
        return Id::CoshOverflow;
    const double sh = std::sinh(x);
    if (std::isinf(sh))
        return Id::SinhOverflow;
    return quotient(ch, sh, Id::CothZero, Id::CothOverflow, r);
}

// A function by its upper-case name: a rule that may refuse, or the value of
// a function defined for every finite argument.
struct FunctionEntry {
    const char* name;
    FunctionRule rule = nullptr;
    double (*value)(double) = nullptr;
};

double arctangent(double x) { return std::atan(x); }
double arccotangent(double x) { return std::atan2(x, 1.0); }
double sine(double x) { return std::sin(x); }
double cosine(double x) { return std::cos(x); }
double absolute(double x) { return std::fabs(x); }

const FunctionEntry kFunctions[] = {
    {"ARCSIN", arcsine},        {"ASIN", arcsine},           {"ARCCOS", arccosine},
    {"ACOS", arccosine},        {"ARCTG", nullptr, arctangent},  {"ATAN", nullptr, arctangent},
    {"ARCTAN", nullptr, arctangent}, {"ARCCTG", nullptr, arccotangent}, {"ARCCTAN", nullptr, arccotangent},
    {"ATAN2", nullptr, arccotangent}, {"SIN", nullptr, sine},  {"COS", nullptr, cosine},
    {"CTG", cotangent},         {"CTAN", cotangent},         {"TG", tangent},
    {"TAN", tangent},           {"LN", naturalLog},          {"LG", decimalLog},
    {"LOG10", decimalLog},      {"EXP", exponential},        {"SQRT", squareRoot},
    {"SQR", square},            {"ABS", nullptr, absolute},  {"SEC", secant},
    {"COSEC", cosecant},        {"SH", hyperbolicSine},      {"CH", hyperbolicCosine},
    {"TH", hyperbolicTangent},  {"CTH", hyperbolicCotangent},
};

bool isNameStop(QChar c)
{
    return c == u'-' || c == u'+' || c == u'*' || c == u'/' || c == u'^' || c == u'.' || c == u'(';
}

// Applies the named function to the evaluated argument text `arg`.  An empty
// name gives the argument itself.
Message applyFunction(const QString& name, const QString& arg, QString& result)
{
    if (name.isEmpty()) {
        result = arg;
        return {};
    }
    const QString upper = UpCaseString(name);
    const auto entry = std::find_if(std::begin(kFunctions), std::end(kFunctions),
                                    [&](const FunctionEntry& e) { return upper == QLatin1String(e.name); });
    if (entry == std::end(kFunctions))
        return {Id::UnknownFunction, {name}};
    double x = 0.0;
    if (!toNumber(arg, x))
        return conversionMessage(arg);
    double r = 0.0;
    if (entry->value)
        r = entry->value(x);
    else if (const Message refusal = entry->rule(x, arg, r); !refusal.isEmpty())
        return refusal;
    result = numberText(r);
    return {};
}

// A bracket's value raised to the exponent written after it.  A fault of
// finite operands (an overflow, a division by zero, an undefined result) is
// the power's fault; an infinite result of operands that were not both finite
// cannot be computed at all.
Message powerOfBracket(const QString& argument, const QString& exponent, QString& result)
{
    double x = 0.0;
    double y = 0.0;
    if (!toNumber(argument, x))
        return conversionMessage(argument);
    if (!toNumber(exponent, y))
        return conversionMessage(exponent);
    const double r = powerOf(x, y);
    const bool finiteOperands = std::isfinite(x) && std::isfinite(y);
    if (std::isnan(r) || (std::isinf(r) && finiteOperands))
        return Id::PowerFault;
    if (r == std::numeric_limits<double>::infinity())
        return Id::PowerInfinite;
    result = signedNumberText(r);
    return {};
}

bool isBoundary(QChar c)
{
    switch (c.unicode()) {
    case u'+': case u'-': case u'*': case u'/': case u'(': case u')': case u'^': case u'@': case u'#':
        return true;
    default:
        return false;
    }
}

// Replaces every occurrence of `name` that stands between boundaries by `text`,
// in one pass: the character in front of an occurrence is the one the text
// has after the replacements before it.
void substitute(QString& formula, const QString& name, const QString& text)
{
    if (name.isEmpty())
        return;
    QString out;
    qsizetype copied = 0; // formula[0, copied) is in `out`
    for (qsizetype at = formula.indexOf(name); at >= 0; at = formula.indexOf(name, at)) {
        const qsizetype after = at + name.size();
        bool startsClean = true;
        if (at > copied)
            startsClean = isBoundary(formula[at - 1]);
        else if (!out.isEmpty())
            startsClean = isBoundary(out.back());
        const bool endsClean = after == formula.size() || isBoundary(formula[after]);
        if (startsClean && endsClean) {
            out += QStringView(formula).mid(copied, at - copied);
            out += text;
            copied = after;
            at = after;
        } else {
            ++at;
        }
    }
    if (copied == 0)
        return;
    out += QStringView(formula).mid(copied);
    formula = out;
}

} // namespace

// ---- Variable list ------------------------------------------------------------

EqEvaluator::EqEvaluator()
{
    for (const char* name : {"pi", "PI", "Pi", "pI", "~p"})
        AddVariable(QString::fromLatin1(name), kPi);
}

EqEvaluator::~EqEvaluator()
{
    while (FVarList) {
        TVarStruct* next = FVarList->Next;
        delete FVarList;
        FVarList = next;
    }
}

void EqEvaluator::AddVariable(const QString& name, double value)
{
    if (name.isEmpty())
        return;
    for (TVarStruct* node = FVarList; node; node = node->Next) {
        if (node->Name == name) {
            node->Value = value;
            return;
        }
    }
    FVarList = new TVarStruct{name, value, FVarList};
}

double EqEvaluator::GetVariable(const QString& name) const
{
    if (name.isEmpty())
        return 0.0;
    for (const TVarStruct* node = FVarList; node; node = node->Next)
        if (node->Name == name)
            return node->Value;
    return 0.0;
}

void EqEvaluator::DeleteVariable(const QString& name)
{
    if (name.isEmpty())
        return;
    TVarStruct** link = &FVarList;
    while (*link) {
        if ((*link)->Name == name) {
            TVarStruct* gone = *link;
            *link = gone->Next;
            delete gone;
        } else {
            link = &(*link)->Next;
        }
    }
}

// ---- Rewriting steps ------------------------------------------------------------

EvaluatorMessage EqEvaluator::indexOrder(QString& formula)
{
    bool inSuper = false;
    bool inSub = false;
    qsizetype superAt = -1;
    QString out;
    out.reserve(formula.size());
    const auto refuse = [&](qsizetype i, Id which) {
        const int position = static_cast<int>(out.size()) + 1;
        out += QStringView(formula).mid(i);
        formula = out;
        return Message(which, {QString::number(position)});
    };
    for (qsizetype i = 0; i < formula.size();) {
        const QChar c = formula[i];
        if (c == u'#') {
            if (inSuper)
                return refuse(i, Id::UnboundSuperscript);
            inSuper = true;
            superAt = out.size();
        } else if (c == u'!') {
            if (inSub)
                return refuse(i, Id::UnboundSubscript);
            inSub = true;
            if (inSuper) {
                // Move "!..." up to the next level marker in front of the '#'.
                qsizetype end = i + 1;
                while (end < formula.size() && !isLevelMarker(formula[end]))
                    ++end;
                out.insert(superAt, QStringView(formula).mid(i, end - i));
                superAt += end - i;
                i = end;
                continue;
            }
        } else if (c == u'@') {
            inSuper = false;
            inSub = false;
            superAt = -1;
        }
        out += c;
        ++i;
    }
    formula = out;
    return {};
}

EvaluatorMessage EqEvaluator::replaceVariables(QString& formula) const
{
    const Message message = indexOrder(formula);
    if (!message.isEmpty())
        return message;
    for (const TVarStruct* node = FVarList; node; node = node->Next)
        substitute(formula, node->Name, numberText(node->Value));
    return {};
}

void EqEvaluator::SokrashDoubleSign(QString& formula)
{
    QString out;
    bool folded = false;
    for (qsizetype i = 0; i < formula.size();) {
        const QChar a = formula[i];
        if (i + 1 < formula.size() && isSign(a) && isSign(formula[i + 1])) {
            if (!folded) {
                out.reserve(formula.size());
                out += QStringView(formula).left(i);
                folded = true;
            }
            out += foldedSign(a, formula[i + 1]);
            i += 2;
        } else {
            if (folded)
                out += a;
            ++i;
        }
    }
    if (folded)
        formula = out;
}

bool EqEvaluator::IsDigitString(const QString& text)
{
    bool seenPoint = false;
    bool seenExponent = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9')
            continue;
        if (c == u'.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (isExponentLetter(c) && !seenExponent) {
            seenExponent = true;
            continue;
        }
        if (isSign(c) && (i == 0 || isExponentLetter(text[i - 1])))
            continue;
        return false;
    }
    return true;
}

QString EqEvaluator::GetLeftOperand(const QString& formula, int position, int& start, bool withoutSign)
{
    start = position;
    if (position < 1 || position > formula.size())
        return {};
    qsizetype first = 0;
    const QString operand = leftOperand(formula, position - 1, first, withoutSign);
    start = static_cast<int>(first) + 1;
    return operand;
}

QString EqEvaluator::GetRightOperand(const QString& formula, int position, int& end)
{
    end = position;
    if (position < 1 || position > formula.size())
        return {};
    qsizetype last = 0;
    const QString operand = rightOperand(formula, position - 1, last);
    end = static_cast<int>(last) + 1;
    return operand;
}

EvaluatorMessage EqEvaluator::bracketFree(QString& formula)
{
    SokrashDoubleSign(formula);
    PassText text(formula);
    qsizetype pairs = signPairs(text, 0, text.size());
    Message message = powerPass(text, pairs);
    if (message.isEmpty()) {
        text.reset(text.whole());
        message = productPass(text, pairs);
    }
    if (message.isEmpty()) {
        text.reset(text.whole());
        message = sumPass(text, pairs);
    }
    formula = text.whole();
    return message;
}

namespace {

// The value of the bracket group closed at formula[close] and opened at
// done[open] (`done` holds the text in front of formula[close]): its content,
// raised to a power written right after it, then the function named in front
// of it.  `nameStart` receives where the group starts in `done` (its name
// included) and `groupEnd` where it ends in `formula` (its power included).
Message evaluateGroup(const QString& done, qsizetype open, const QString& formula, qsizetype close,
                      QString& value, qsizetype& nameStart, qsizetype& groupEnd)
{
    QString argument = done.mid(open + 1);
    if (const Message message = EqEvaluator::bracketFree(argument); !message.isEmpty())
        return message;
    groupEnd = close;
    if (close + 1 < formula.size() && formula[close + 1] == u'^') {
        const QString exponent = rightOperand(formula, close + 1, groupEnd);
        if (const Message message = powerOfBracket(argument, exponent, argument); !message.isEmpty())
            return message;
    }
    nameStart = open;
    while (nameStart > 0 && !isNameStop(done[nameStart - 1]))
        --nameStart;
    return applyFunction(done.mid(nameStart, open - nameStart), argument, value);
}

} // namespace

EvaluatorMessage EqEvaluator::brackets(QString& formula)
{
    // The text is `done` (where every bracket is open: its '(' positions are
    // in `opens`) followed by formula from `at` on.
    QString done;
    done.reserve(formula.size());
    std::vector<qsizetype> opens;
    const auto current = [&](qsizetype at) {
        QString text = done;
        text += QStringView(formula).mid(at);
        return text;
    };
    qsizetype at = 0;
    while (at < formula.size()) {
        const QChar c = formula[at];
        if (c != u')') {
            if (c == u'(')
                opens.push_back(done.size());
            done += c;
            ++at;
            continue;
        }
        if (opens.empty()) {
            formula = current(at);
            return {Id::MissingOpen, {formula}};
        }
        qsizetype nameStart = 0;
        qsizetype groupEnd = 0;
        QString result;
        const Message message = evaluateGroup(done, opens.back(), formula, at, result, nameStart, groupEnd);
        if (!message.isEmpty()) {
            formula = current(at);
            return message;
        }
        opens.pop_back();
        done.truncate(nameStart);
        done += result;
        at = groupEnd + 1;
    }
    formula = done;
    if (!opens.empty())
        return {Id::MissingClose, {formula}};
    return bracketFree(formula);
}

// ---- Whole formulas -----------------------------------------------------------

EvaluatorMessage EqEvaluator::calculate(const QString& equation, double& value) const
{
    QString formula = Filter(equation);
    if (formula.isEmpty())
        return Id::EmptyFormula;
    formula.replace(u',', u'.');

    Message message = replaceVariables(formula);
    if (!message.isEmpty())
        return message;

    // Exponent groups "#...@" become "^value"; the values hold no '#', so the
    // search goes on after each group.
    QString grouped;
    qsizetype copied = 0;
    for (qsizetype hash = formula.indexOf(u'#'); hash >= 0; hash = formula.indexOf(u'#', copied)) {
        const qsizetype at = formula.indexOf(u'@', hash + 1);
        const qsizetype stop = at < 0 ? formula.size() : at;
        QString exponent = formula.mid(hash + 1, stop - hash - 1);
        const qsizetype opens = exponent.count(u'(');
        const qsizetype closes = exponent.count(u')');
        if (opens > closes)
            return Id::ExponentMoreOpen;
        if (closes > opens)
            return Id::ExponentMoreClose;
        message = brackets(exponent);
        if (!message.isEmpty())
            return message;
        grouped += QStringView(formula).mid(copied, hash - copied);
        grouped += QLatin1Char('^');
        grouped += exponent;
        copied = stop;
    }
    grouped += QStringView(formula).mid(copied);
    grouped.remove(u'@');
    formula = grouped;

    message = brackets(formula);
    if (!message.isEmpty()) {
        value = 0.0;
        return message;
    }
    double result = 0.0;
    if (!toNumber(formula, result))
        return conversionMessage(formula);
    value = result;
    return {};
}

EvaluatorMessage EqEvaluator::calculateTwo(QString& first, QString& second, double& firstValue,
                                            double& secondValue) const
{
    Message message = indexOrder(first);
    if (!message.isEmpty())
        return message;
    message = indexOrder(second);
    if (!message.isEmpty())
        return message;

    for (const TVarStruct* node = FVarList; node; node = node->Next) {
        const int r = static_cast<int>(randomBelow(32767)) - 16383;
        const QString text = QLatin1Char('(') + QString::number(r) + QLatin1Char(')');
        substitute(first, node->Name, text);
        substitute(second, node->Name, text);
    }

    message = calculate(first, firstValue);
    if (!message.isEmpty())
        return message;
    return calculate(second, secondValue);
}

EvaluatorMessage EqEvaluator::compare(const QString& equation, const QString& other, bool& equal) const
{
    equal = false;
    randomizeFromClock();
    Message last;
    for (int trial = 0; trial < 10; ++trial) {
        QString first = equation;
        QString second = other;
        double a = 0.0;
        double b = 0.0;
        last = calculateTwo(first, second, a, b);
        if (last.isEmpty() && std::fabs(a - b) > 0.00001)
            return {};
    }
    if (!last.isEmpty())
        return {Id::ComparisonFailed, last};
    equal = true;
    return {};
}

// ---- The messages as text ---------------------------------------------------------

QString EqEvaluator::SetIndexOrder(QString& formula)
{
    return indexOrder(formula).text();
}

QString EqEvaluator::ReplaceVariables(QString& formula) const
{
    return replaceVariables(formula).text();
}

QString EqEvaluator::CalqEqWithoutBracket(QString& formula)
{
    return bracketFree(formula).text();
}

QString EqEvaluator::DeleteBrackets(QString& formula)
{
    return brackets(formula).text();
}

QString EqEvaluator::CalculateEquation(const QString& equation, double& value) const
{
    return calculate(equation, value).text();
}

QString EqEvaluator::CalculateTwoEquations(QString& first, QString& second, double& firstValue,
                                           double& secondValue) const
{
    return calculateTwo(first, second, firstValue, secondValue).text();
}

QString EqEvaluator::CompareEquation(const QString& equation, const QString& other, bool& equal) const
{
    return compare(equation, other, equal).text();
}
