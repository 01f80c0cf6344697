#include "eqedit/evaluator.h"

#include "eqedit/notation.h"
#include "formula/random.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

// ---- Messages ---------------------------------------------------------------

QString conversionMessage(const QString& text)
{
    return QStringLiteral("Невозможно преобразовать строку '") + text + QStringLiteral("' в число.");
}

QString bracketOrderMessage(int position)
{
    return QStringLiteral("Неверное расставление скобок в позиции ") + QString::number(position);
}

const QString kEmptyFormula = QStringLiteral("Пустая строка.");
const QString kExponentMoreOpen = QStringLiteral("В показателе степени ( скобок больше, чем ).");
const QString kExponentMoreClose = QStringLiteral("В показателе степени ) скобок больше, чем (.");
const QString kPowerFault =
    QStringLiteral("Возможно при выполнении операции возведения в степень произошло переполнение буфера.");
const QString kPowerInfinite =
    QStringLiteral("Невозможно при выполнении операции возведения в степень произошло переполнение буфера.");
const QString kProductFault =
    QStringLiteral("Возможно при выполнении операции произведения произошло переполнение буфера.");
const QString kQuotientFault = QStringLiteral(
    "Возможно при выполнении операции деления произошло переполнение буфера или деление на нуль.");
const QString kSumFault = QStringLiteral("Возможно при выполнении операции сложения произошло переполнение буфера.");
const QString kDifferenceFault =
    QStringLiteral("Возможно при выполнении операции вычитания произошло переполнение буфера.");
const QString kMissingOpen = QStringLiteral("Отсутствует скобка ( в строке ");
const QString kMissingClose = QStringLiteral("Отсутствует скобка ) в строке ");
const QString kCotangentZero = QStringLiteral("При вычислении котангенса произошло деление на 0.");
const QString kTangentZero = QStringLiteral("При вычислении тангенса произошло деление на 0.");
const QString kSecantZero = QStringLiteral("При вычислении секанса произошло деление на 0.");
const QString kCosecantZero = QStringLiteral("При вычислении косеканса произошло деление на 0.");
const QString kSinhOverflow = QStringLiteral("Переполнение при вычислении гиперболического синуса.");
const QString kCoshOverflow = QStringLiteral("Переполнение при вычислении гиперболического косинуса.");
const QString kTanhZero = QStringLiteral("При вычислении гиперболического тангенса произошло деление на 0.");
const QString kCothZero = QStringLiteral("При вычислении гиперболического котангенса произошло деление на 0.");
const QString kExpOverflow = QStringLiteral("Переполнение при вычислении экспоненты.");
const QString kSquareOverflow = QStringLiteral("Переполнение при вычислении квадрата числа.");

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
bool isExponentSign(const QString& s, qsizetype i)
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
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const QByteArray bytes = text.toLatin1();
    char* end = nullptr;
    const double parsed = strtod_l(bytes.constData(), &end, cLocale);
    if (end != bytes.constData() + bytes.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

// ---- Operands (0-based indices) ---------------------------------------------

QString leftOperand(const QString& s, qsizetype op, qsizetype& start, bool withoutSign)
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

QString rightOperand(const QString& s, qsizetype op, qsizetype& end)
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

QString readOperands(const QString& s, qsizetype op, bool leftWithoutSign, Operands& o)
{
    const QString left = leftOperand(s, op, o.start, leftWithoutSign);
    const QString right = rightOperand(s, op, o.end);
    if (!toNumber(left, o.left))
        return conversionMessage(left);
    if (!toNumber(right, o.right))
        return conversionMessage(right);
    return {};
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
        result = std::pow(x, y);
    }
    return std::isfinite(result);
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

// Replaces every occurrence of `name` that stands between boundaries by `text`.
void substitute(QString& formula, const QString& name, const QString& text)
{
    if (name.isEmpty())
        return;
    qsizetype at = 0;
    while ((at = formula.indexOf(name, at)) >= 0) {
        const qsizetype after = at + name.size();
        const bool startsClean = at == 0 || isBoundary(formula[at - 1]);
        const bool endsClean = after == formula.size() || isBoundary(formula[after]);
        if (startsClean && endsClean) {
            formula.replace(at, name.size(), text);
            at += text.size();
        } else {
            ++at;
        }
    }
}

// Replaces the operator's operands [start, end] by the result and tidies signs.
void writeBack(QString& formula, qsizetype start, qsizetype end, double value)
{
    formula.replace(start, end - start + 1, signedNumberText(value));
    EqEvaluator::SokrashDoubleSign(formula);
}

bool isNameStop(QChar c)
{
    return c == u'-' || c == u'+' || c == u'*' || c == u'/' || c == u'^' || c == u'.' || c == u'(';
}

// Applies the named function to the evaluated argument text `arg`.  An empty
// name gives the argument itself.
QString applyFunction(const QString& name, const QString& arg, QString& result)
{
    if (name.isEmpty()) {
        result = arg;
        return {};
    }
    enum class F { Asin, Acos, Atan, Acot, Sin, Cos, Cot, Tan, Ln, Lg, Exp, Sqrt, Sqr, Abs, Sec, Cosec, Sh, Ch, Th, Cth };
    struct Entry {
        const char* name;
        F f;
    };
    static const Entry table[] = {
        {"ARCSIN", F::Asin}, {"ASIN", F::Asin},     {"ARCCOS", F::Acos},  {"ACOS", F::Acos},
        {"ARCTG", F::Atan},  {"ATAN", F::Atan},     {"ARCTAN", F::Atan},  {"ARCCTG", F::Acot},
        {"ARCCTAN", F::Acot}, {"ATAN2", F::Acot},   {"SIN", F::Sin},      {"COS", F::Cos},
        {"CTG", F::Cot},     {"CTAN", F::Cot},      {"TG", F::Tan},       {"TAN", F::Tan},
        {"LN", F::Ln},       {"LG", F::Lg},         {"LOG10", F::Lg},     {"EXP", F::Exp},
        {"SQRT", F::Sqrt},   {"SQR", F::Sqr},       {"ABS", F::Abs},      {"SEC", F::Sec},
        {"COSEC", F::Cosec}, {"SH", F::Sh},         {"CH", F::Ch},        {"TH", F::Th},
        {"CTH", F::Cth},
    };
    const QString upper = UpCaseString(name);
    const Entry* found = nullptr;
    for (const Entry& e : table)
        if (upper == QLatin1String(e.name))
            found = &e;
    if (!found)
        return QStringLiteral("Неизвестная функция ") + name;

    double x = 0.0;
    if (!toNumber(arg, x))
        return conversionMessage(arg);

    double r = 0.0;
    switch (found->f) {
    case F::Asin:
        if (!(x > -1.0 && x < 1.0))
            return QStringLiteral("Аргумент для вычисления арксинуса, равный ") + arg
                   + QStringLiteral(", должен лежать в интервале (-1;1).");
        r = std::asin(x);
        break;
    case F::Acos:
        if (!(x > -1.0 && x < 1.0))
            return QStringLiteral("Аргумент  для вычисления арккосинуса, равный ") + arg
                   + QStringLiteral(", должен лежать в интервале (-1;1).");
        r = std::acos(x);
        break;
    case F::Atan:
        r = std::atan(x);
        break;
    case F::Acot:
        r = std::atan2(x, 1.0);
        break;
    case F::Sin:
        r = std::sin(x);
        break;
    case F::Cos:
        r = std::cos(x);
        break;
    case F::Cot: {
        const double s = std::sin(x);
        if (s == 0.0)
            return kCotangentZero;
        r = std::cos(x) / s;
        if (!std::isfinite(r)) // a sine too small to divide by
            return kCotangentZero;
        break;
    }
    case F::Tan: {
        const double c = std::cos(x);
        if (c == 0.0)
            return kTangentZero;
        r = std::sin(x) / c;
        if (!std::isfinite(r))
            return kTangentZero;
        break;
    }
    case F::Ln:
        if (!(x > 0.0))
            return QStringLiteral("Аргумент  для вычисления натурального логарифма, равный ") + arg
                   + QStringLiteral(", должен быть больше нуля.");
        r = std::log(x);
        break;
    case F::Lg:
        if (!(x > 0.0))
            return QStringLiteral("Аргумент  для вычисления десятичного логарифма, равный ") + arg
                   + QStringLiteral(", должен быть больше нуля.");
        r = std::log10(x);
        break;
    case F::Exp:
        r = std::exp(x);
        if (!std::isfinite(r))
            return kExpOverflow;
        break;
    case F::Sqrt:
        if (x < 0.0)
            return QStringLiteral("Квадратный корень из отрицательного числа ") + arg + QLatin1Char('.');
        r = std::sqrt(x);
        break;
    case F::Sqr:
        r = x * x;
        if (!std::isfinite(r))
            return kSquareOverflow;
        break;
    case F::Abs:
        r = std::fabs(x);
        break;
    case F::Sec: {
        const double c = std::cos(x);
        if (c == 0.0)
            return kSecantZero;
        r = 1.0 / c;
        if (!std::isfinite(r))
            return kSecantZero;
        break;
    }
    case F::Cosec: {
        const double s = std::sin(x);
        if (s == 0.0)
            return kCosecantZero;
        r = 1.0 / s;
        if (!std::isfinite(r))
            return kCosecantZero;
        break;
    }
    case F::Sh:
        r = std::sinh(x);
        if (std::isinf(r))
            return kSinhOverflow;
        break;
    case F::Ch:
        r = std::cosh(x);
        if (std::isinf(r))
            return kCoshOverflow;
        break;
    case F::Th: {
        const double ch = std::cosh(x);
        if (std::isinf(ch))
            return kCoshOverflow;
        const double sh = std::sinh(x);
        if (std::isinf(sh))
            return kSinhOverflow;
        if (ch == 0.0)
            return kTanhZero;
        r = sh / ch;
        break;
    }
    case F::Cth: {
        const double ch = std::cosh(x);
        if (std::isinf(ch))
            return kCoshOverflow;
        const double sh = std::sinh(x);
        if (std::isinf(sh))
            return kSinhOverflow;
        if (sh == 0.0)
            return kCothZero;
        r = ch / sh;
        if (!std::isfinite(r)) // a sinh too small to divide by
            return kCothZero;
        break;
    }
    }
    result = numberText(r);
    return {};
}

} // namespace

// ---- Variable list ------------------------------------------------------------

EqEvaluator::EqEvaluator()
{
    const double pi = 3.141592653589793;
    for (const char* name : {"pi", "PI", "Pi", "pI", "~p"})
        AddVariable(QString::fromLatin1(name), pi);
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

QString EqEvaluator::SetIndexOrder(QString& formula)
{
    bool inSuper = false;
    bool inSub = false;
    qsizetype superAt = -1;
    for (qsizetype i = 0; i < formula.size(); ++i) {
        const QChar c = formula[i];
        if (c == u'#') {
            if (inSuper)
                return QStringLiteral("Верхний индекс в позиции ") + QString::number(i + 1)
                       + QStringLiteral(" не связан ни с одним выражением.");
            inSuper = true;
            superAt = i;
        } else if (c == u'!') {
            if (inSub)
                return QStringLiteral("Нижний индекс в позиции ") + QString::number(i + 1)
                       + QStringLiteral(" не связан ни с одним выражением.");
            inSub = true;
            if (inSuper) {
                // Move "!..." up to the next level marker in front of the '#'.
                qsizetype end = i + 1;
                while (end < formula.size() && !isLevelMarker(formula[end]))
                    ++end;
                const QString subscript = formula.mid(i, end - i);
                formula.remove(i, end - i);
                formula.insert(superAt, subscript);
                superAt += subscript.size();
                i = end - 1; // the text after the moved part keeps its indices
            }
        } else if (c == u'@') {
            inSuper = false;
            inSub = false;
            superAt = -1;
        }
    }
    return {};
}

QString EqEvaluator::ReplaceVariables(QString& formula) const
{
    const QString message = SetIndexOrder(formula);
    if (!message.isEmpty())
        return message;
    for (const TVarStruct* node = FVarList; node; node = node->Next)
        substitute(formula, node->Name, numberText(node->Value));
    return {};
}

void EqEvaluator::SokrashDoubleSign(QString& formula)
{
    for (qsizetype i = 0; i + 1 < formula.size(); ++i) {
        const QChar a = formula[i];
        const QChar b = formula[i + 1];
        if (isSign(a) && isSign(b))
            formula.replace(i, 2, a == b ? QStringLiteral("+") : QStringLiteral("-"));
    }
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

QString EqEvaluator::CalqEqWithoutBracket(QString& formula)
{
    SokrashDoubleSign(formula);

    // Powers, from the left.
    for (;;) {
        qsizetype op = -1;
        for (qsizetype i = 0; i < formula.size(); ++i) {
            const QChar c = formula[i];
            if (c == u'(' || c == u')')
                return bracketOrderMessage(static_cast<int>(i) + 1);
            if (c == u'^') {
                op = i;
                break;
            }
        }
        if (op < 0)
            break;
        Operands o;
        if (const QString message = readOperands(formula, op, true, o); !message.isEmpty())
            return message;
        double r = 0.0;
        if (!raise(o.left, o.right, r))
            return kPowerFault;
        writeBack(formula, o.start, o.end, r);
    }

    // Products and quotients, from the left.
    for (;;) {
        qsizetype op = -1;
        for (qsizetype i = 0; i < formula.size() && op < 0; ++i)
            if (formula[i] == u'*' || formula[i] == u'/')
                op = i;
        if (op < 0)
            break;
        Operands o;
        if (const QString message = readOperands(formula, op, false, o); !message.isEmpty())
            return message;
        double r = 0.0;
        if (formula[op] == u'*') {
            r = o.left * o.right;
            if (!std::isfinite(r))
                return kProductFault;
        } else {
            if (o.right == 0.0)
                return kQuotientFault;
            r = o.left / o.right;
            if (!std::isfinite(r))
                return kQuotientFault;
        }
        writeBack(formula, o.start, o.end, r);
    }

    // Sums and differences, from the left; a leading sign and the sign of a
    // number's exponent are not operators.
    for (;;) {
        qsizetype op = -1;
        for (qsizetype i = 1; i < formula.size() && op < 0; ++i)
            if (isSign(formula[i]) && !isExponentLetter(formula[i - 1]))
                op = i;
        if (op < 0)
            break;
        Operands o;
        if (const QString message = readOperands(formula, op, false, o); !message.isEmpty())
            return message;
        const bool sum = formula[op] == u'+';
        const double r = sum ? o.left + o.right : o.left - o.right;
        if (!std::isfinite(r))
            return sum ? kSumFault : kDifferenceFault;
        writeBack(formula, o.start, o.end, r);
    }
    return {};
}

QString EqEvaluator::DeleteBrackets(QString& formula)
{
    for (;;) {
        qsizetype open = -1;
        qsizetype close = -1;
        for (qsizetype i = 0; i < formula.size() && close < 0; ++i) {
            if (formula[i] == u'(') {
                open = i;
            } else if (formula[i] == u')') {
                if (open < 0)
                    return kMissingOpen + formula;
                close = i;
            }
        }
        if (close < 0) {
            if (open >= 0)
                return kMissingClose + formula;
            return CalqEqWithoutBracket(formula);
        }

        QString argument = formula.mid(open + 1, close - open - 1);
        const QString message = CalqEqWithoutBracket(argument);
        if (!message.isEmpty())
            return message;

        // A power right after the bracket applies to its content.
        qsizetype replaceEnd = close;
        if (close + 1 < formula.size() && formula[close + 1] == u'^') {
            qsizetype end = 0;
            const QString exponent = rightOperand(formula, close + 1, end);
            double x = 0.0;
            double y = 0.0;
            if (!toNumber(argument, x))
                return conversionMessage(argument);
            if (!toNumber(exponent, y))
                return conversionMessage(exponent);
            const double r = std::pow(x, y);
            // Division by zero and undefined results are faults; a result
            // beyond the range of a double is an overflow of the power.
            if (std::isnan(r) || (x == 0.0 && y < 0.0))
                return kPowerFault;
            if (std::isinf(r))
                return kPowerInfinite;
            argument = signedNumberText(r);
            replaceEnd = end;
        }

        qsizetype nameStart = open;
        while (nameStart > 0 && !isNameStop(formula[nameStart - 1]))
            --nameStart;
        QString result;
        const QString refusal = applyFunction(formula.mid(nameStart, open - nameStart), argument, result);
        if (!refusal.isEmpty())
            return refusal;
        formula.replace(nameStart, replaceEnd - nameStart + 1, result);
    }
}

// ---- Whole formulas -----------------------------------------------------------

QString EqEvaluator::CalculateEquation(const QString& equation, double& value) const
{
    QString formula = Filter(equation);
    if (formula.isEmpty())
        return kEmptyFormula;
    formula.replace(u',', u'.');

    QString message = ReplaceVariables(formula);
    if (!message.isEmpty())
        return message;

    // Exponent groups "#...@" become "^value".
    for (qsizetype hash = formula.indexOf(u'#'); hash >= 0; hash = formula.indexOf(u'#')) {
        const qsizetype at = formula.indexOf(u'@', hash + 1);
        const qsizetype stop = at < 0 ? formula.size() : at;
        QString exponent = formula.mid(hash + 1, stop - hash - 1);
        const qsizetype opens = exponent.count(u'(');
        const qsizetype closes = exponent.count(u')');
        if (opens > closes)
            return kExponentMoreOpen;
        if (closes > opens)
            return kExponentMoreClose;
        message = DeleteBrackets(exponent);
        if (!message.isEmpty())
            return message;
        formula.replace(hash, stop - hash, QLatin1Char('^') + exponent);
    }
    formula.remove(u'@');

    message = DeleteBrackets(formula);
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

QString EqEvaluator::CalculateTwoEquations(QString& first, QString& second, double& firstValue,
                                           double& secondValue) const
{
    QString message = SetIndexOrder(first);
    if (!message.isEmpty())
        return message;
    message = SetIndexOrder(second);
    if (!message.isEmpty())
        return message;

    for (const TVarStruct* node = FVarList; node; node = node->Next) {
        const int r = static_cast<int>(randomBelow(32767)) - 16383;
        const QString text = QLatin1Char('(') + QString::number(r) + QLatin1Char(')');
        substitute(first, node->Name, text);
        substitute(second, node->Name, text);
    }

    message = CalculateEquation(first, firstValue);
    if (!message.isEmpty())
        return message;
    return CalculateEquation(second, secondValue);
}

QString EqEvaluator::CompareEquation(const QString& equation, const QString& other, bool& equal) const
{
    equal = false;
    randomizeFromClock();
    QString last;
    for (int trial = 0; trial < 10; ++trial) {
        QString first = equation;
        QString second = other;
        double a = 0.0;
        double b = 0.0;
        last = CalculateTwoEquations(first, second, a, b);
        if (last.isEmpty() && std::fabs(a - b) > 0.00001)
            return {};
    }
    if (!last.isEmpty())
        return QStringLiteral("Невозможно вычислить одно или оба выражения при сравнении (") + last
               + QStringLiteral(").");
    equal = true;
    return {};
}
