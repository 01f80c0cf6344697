#include "formula/equation.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "formula/errors.h"
#include "formula/power.h"
#include "formula/status.h"
#include "formula/text.h"

namespace {

// Each bracket level costs the parser a few nested calls; this bound is never
// reached by a text within kMaxBracketDepth.
constexpr int kMaxParseDepth = 4 * kMaxBracketDepth + 64;

[[noreturn]] void emptyOperand()
{
    throw FormulaParseError(FormulaMessage::MissingOperand);
}

[[noreturn]] void invalidOperation()
{
    throw FloatingPointError(FormulaMessage::InvalidOperation);
}

[[noreturn]] void overflow()
{
    throw FloatingPointError(FormulaMessage::Overflow);
}

long double epsilon()
{
    return MyStat.Epsilon;
}

// A test on a value that is not a number is an invalid operation.
long double tested(long double x)
{
    if (std::isnan(x))
        invalidOperation();
    return x;
}

// An invalid operation (inf - inf, 0 * inf, inf / inf) or an overflow of
// finite operands.
long double checked(long double a, long double b, long double r)
{
    if (std::isnan(r) && !std::isnan(a) && !std::isnan(b))
        invalidOperation();
    if (std::isinf(r) && std::isfinite(a) && std::isfinite(b))
        overflow();
    return r;
}

// Operation code of an operator character.
Operator operationOf(char c)
{
    switch (c) {
    case '+': return Operator::Add;
    case '-': return Operator::Subtract;
    case '*': return Operator::Multiply;
    case '/': return Operator::Divide;
    case '#': return Operator::Power;
    default: return Operator::None;
    }
}

long double combine(Operator operation, long double a, long double b)
{
    switch (operation) {
    case Operator::Add: return MyAdd(a, b);
    case Operator::Subtract: return MySub(a, b);
    case Operator::Multiply: return MyMul(a, b);
    case Operator::Divide: return MyDiv(a, b);
    case Operator::Power: return MyPow(a, b);
    case Operator::None: break;
    }
    return a;
}

// The value of function code on x; a guard that fires gives 1 and names its
// error in error instead of recording it.
long double callFunction(FunctionId code, long double x, FormulaMessage& error)
{
    error = FormulaMessage::None;
    switch (code) {
    case FunctionId::Cos: return std::cos(x);
    case FunctionId::Sin: return std::sin(x);
    case FunctionId::Tan: {
        const long double halfPi = static_cast<long double>(kPi) / 2;
        const long double a = std::fabs(tested(x));
        if (halfPi - 3 * epsilon() < a && a < halfPi + 3 * epsilon()) {
            error = FormulaMessage::CotangentOfZero;
            return 1;
        }
        return std::tan(x);
    }
    case FunctionId::Cotan:
        if (std::fabs(tested(x)) >= 2 * epsilon())
            return 1 / std::tan(x);
        error = FormulaMessage::CotangentOfZero;
        return 1;
    case FunctionId::Log:
        if (std::fabs(tested(x)) >= epsilon())
            return std::log10(x);
        error = FormulaMessage::LogarithmOfZero;
        return 1;
    case FunctionId::Ln:
        if (std::fabs(tested(x)) >= epsilon())
            return std::log(x);
        error = FormulaMessage::LogarithmOfZero;
        return 1;
    case FunctionId::Exp: return std::exp(x);
    case FunctionId::Abs: return std::fabs(x);
    case FunctionId::Sqrt: return std::sqrt(x);
    case FunctionId::None:
    case FunctionId::Up: break;
    }
    return x;
}

long double recordingCall(FunctionId code, long double x)
{
    FormulaMessage error = FormulaMessage::None;
    const long double r = callFunction(code, x, error);
    if (error != FormulaMessage::None)
        recordError(2, error);
    return r;
}

// Position of the first top-level character at or after from for which isCut
// holds, the last character excluded; from must be at depth 0.  Depth changes
// at a bracket before it is examined.
template <typename Pred>
std::size_t nextCut(std::string_view t, std::size_t from, Pred isCut)
{
    long depth = 0;
    for (std::size_t i = from; i + 1 < t.size(); ++i) {
        const char c = t[i];
        if (c == ')')
            --depth;
        else if (c == '(')
            ++depth;
        else if (depth == 0 && isCut(c))
            return i;
    }
    return std::string_view::npos;
}

bool isSum(char c) { return c == '+' || c == '-'; }
bool isProduct(char c) { return c == '*' || c == '/'; }
bool isPower(char c) { return c == '#'; }
bool isProductOrPower(char c) { return isProduct(c) || isPower(c); }

TMyEquation* lastOf(TMyEquation* node)
{
    while (node->Next)
        node = node->Next.get();
    return node;
}

const char* kindName(NodeKind kind)
{
    switch (kind) {
    case NodeKind::FunctionCall: return "fun";
    case NodeKind::Variable: return "var";
    case NodeKind::Number: return "num";
    case NodeKind::Composite: return "comp";
    }
    return "?";
}

void printChain(const TMyEquation* node, std::string& out)
{
    out += '[';
    for (bool first = true; node; node = node->Next.get(), first = false) {
        if (!first)
            out += ", ";
        out += kindName(node->Kind);
        if (node->Function != FunctionId::None) {
            out += " fn=";
            out += functionName(node->Function);
        }
        if (node->Kind == NodeKind::Variable || node->Kind == NodeKind::Number) {
            out += '"';
            out += node->Text;
            out += '"';
        }
        if (const char op = operatorChar(node->Operation)) {
            out += ' ';
            out += op;
        }
        if (node->Child) {
            std::string inner;
            printChain(node->Child.get(), inner);
            out += '{';
            out += inner.substr(1, inner.size() - 2);
            out += '}';
        }
    }
    out += ']';
}

} // namespace

// Operator character of an operation code (and back).
char operatorChar(Operator operation)
{
    switch (operation) {
    case Operator::Add: return '+';
    case Operator::Subtract: return '-';
    case Operator::Multiply: return '*';
    case Operator::Divide: return '/';
    case Operator::Power: return '#';
    case Operator::None: break;
    }
    return 0;
}

const char* functionName(FunctionId code)
{
    static constexpr const char* names[] = {"cos", "sin", "tan", "cotan", "log", "ln",
                                            "exp", "abs", "sqrt", "", "up"};
    const auto i = static_cast<std::size_t>(code);
    return i < std::size(names) ? names[i] : "?";
}

double narrowToDouble(long double x)
{
    // Halfway between the largest double and 2^1024: from here on rounding
    // to double gives infinity.
    constexpr long double limit = (2.0L - 0x1p-53L) * 0x1p1023L;
    if (std::isfinite(x) && std::fabs(x) >= limit)
        overflow();
    return static_cast<double>(x);
}

long double MyAdd(long double a, long double b)
{
    return checked(a, b, a + b);
}

long double MySub(long double a, long double b)
{
    return checked(a, b, a - b);
}

long double MyMul(long double a, long double b)
{
    return checked(a, b, a * b);
}

long double MyDiv(long double a, long double b)
{
    if (std::fabs(tested(b)) >= epsilon())
        return checked(a, b, a / b);
    recordError(2, FormulaMessage::DivisionByZero);
    return 1;
}

long double MyPow(long double a, long double b)
{
    if (std::fabs(tested(a)) < epsilon() && std::fabs(tested(b)) < epsilon())
        return 1;
    return powerOf(narrowToDouble(a), narrowToDouble(b));
}

long double MyLn(long double x)
{
    return recordingCall(FunctionId::Ln, x);
}

long double MyLog(long double x)
{
    return recordingCall(FunctionId::Log, x);
}

long double MyCotan(long double x)
{
    return recordingCall(FunctionId::Cotan, x);
}

long double MyTan(long double x)
{
    return recordingCall(FunctionId::Tan, x);
}

TMyEquation::TMyEquation(std::string_view text)
{
    if (text.size() > kMaxFormulaLength)
        throw FormulaParseError(FormulaMessage::FormulaTooLong);
    long depth = 0;
    long deepest = 0;
    for (const char c : text) {
        if (c == '(')
            deepest = std::max(deepest, ++depth);
        else if (c == ')')
            --depth;
    }
    if (deepest > kMaxBracketDepth)
        throw FormulaParseError(FormulaMessage::NestingTooDeep);
    parse(text, 0);
}

TMyEquation::TMyEquation(std::string_view text, int depth)
{
    parse(text, depth);
}

TMyEquation::~TMyEquation()
{
    // Chains can be long: take them apart without recursion.
    if (!Child && !Next)
        return;
    std::vector<std::unique_ptr<TMyEquation>> pending;
    if (Child)
        pending.push_back(std::move(Child));
    if (Next)
        pending.push_back(std::move(Next));
    while (!pending.empty()) {
        std::unique_ptr<TMyEquation> node = std::move(pending.back());
        pending.pop_back();
        if (node->Child)
            pending.push_back(std::move(node->Child));
        if (node->Next)
            pending.push_back(std::move(node->Next));
    }
}

void TMyEquation::parse(std::string_view text, int depth)
{
    if (depth > kMaxParseDepth)
        throw FormulaParseError(FormulaMessage::NestingTooDeep);
    if (text.empty())
        emptyOperand();
    std::string prefixed;  // "-a" reads as "0-a"
    if (text[0] == '-') {
        prefixed.reserve(text.size() + 1);
        prefixed += '0';
        prefixed += text;
        text = prefixed;
    }

    // Sum split: the first term stays with this node, the others follow it.
    const std::size_t firstCut = nextCut(text, 0, isSum);
    std::string_view t = text.substr(0, firstCut == std::string_view::npos ? text.size() : firstCut + 1);
    if (const Operator op = operationOf(t.back()); op != Operator::None) {
        Operation = op;
        t.remove_suffix(1);
    }
    if (t.empty())
        emptyOperand();

    // Outer brackets.
    if (t.front() == '(' && t.back() == ')' && nextCut(t, 0, isProductOrPower) == std::string_view::npos) {
        t = t.substr(1, t.size() - 2);
        if (t.empty())
            emptyOperand();
    }

    if (firstCut != std::string_view::npos) {
        TMyEquation* tail = this;
        for (std::size_t from = firstCut + 1; from < text.size();) {
            const std::size_t cut = nextCut(text, from, isSum);
            const std::size_t to = cut == std::string_view::npos ? text.size() : cut + 1;
            auto node = std::unique_ptr<TMyEquation>(new TMyEquation(text.substr(from, to - from), depth + 1));
            node->Prev = tail;
            tail->Next = std::move(node);
            tail = lastOf(tail->Next.get());
            from = to;
        }
    }

    // A bracketed sum becomes the value of this node.
    if (nextCut(t, 0, isSum) != std::string_view::npos) {
        Child = std::unique_ptr<TMyEquation>(new TMyEquation(t, depth + 1));
        Child->Parent = this;
        return;
    }

    // Products, and only without them powers: a chain under Child.
    bool (*isCut)(char) = isProduct;
    std::size_t cut = nextCut(t, 0, isCut);
    if (cut == std::string_view::npos) {
        isCut = isPower;
        cut = nextCut(t, 0, isCut);
    }
    if (cut != std::string_view::npos) {
        TMyEquation* last = nullptr;
        for (std::size_t from = 0; from < t.size();) {
            const std::size_t to = cut == std::string_view::npos ? t.size() : cut + 1;
            auto node = std::unique_ptr<TMyEquation>(new TMyEquation(t.substr(from, to - from), depth + 1));
            if (last == nullptr) {
                node->Parent = this;
                Child = std::move(node);
                last = lastOf(Child.get());
            } else {
                node->Prev = last;
                last->Next = std::move(node);
                last = lastOf(last->Next.get());
            }
            from = to;
            if (from < t.size())
                cut = nextCut(t, from, isCut);
        }
        return;
    }
    makeLeaf(t, depth);
}

// A number, a variable or a function call.
void TMyEquation::makeLeaf(std::string_view t, int depth)
{
    if (IsNumberText(t)) {
        if (!t.empty() && t.back() == '@')
            t.remove_suffix(1);
        Kind = NodeKind::Number;
        Text = t;
        try {
            m_number = StrToNumber(Text);
        } catch (const NumberFormatError&) {
            m_malformed = true;  // reported when the number is read
        }
        return;
    }
    const std::size_t open = t.find('(');
    if (open != std::string_view::npos)
        Function = functionOf(t.substr(0, open));
    if (Function == FunctionId::None) {
        if (t.back() == '@')
            t.remove_suffix(1);
        Kind = NodeKind::Variable;
        Text = t;
        m_variable.emplace(Text);
        return;
    }
    Kind = NodeKind::FunctionCall;
    const std::size_t close = t.rfind(')');
    if (close == std::string_view::npos || close < open)
        emptyOperand();
    Child = std::unique_ptr<TMyEquation>(new TMyEquation(t.substr(open, close - open + 1), depth + 1));
    Child->Parent = this;
}

long double TMyEquation::apply(long double x) const
{
    if (Function == FunctionId::None || Function == FunctionId::Up)
        return x;
    if (!(m_memoValid && x == m_memoArgument && std::signbit(x) == std::signbit(m_memoArgument))) {
        FormulaMessage error = FormulaMessage::None;
        const long double result = callFunction(Function, x, error);
        m_memoResult = result;
        m_memoError = error;
        m_memoArgument = x;
        m_memoValid = true;
    }
    if (m_memoError != FormulaMessage::None)
        recordError(2, m_memoError);
    return m_memoResult;
}

long double TMyEquation::value(const TMyPacketData& table) const
{
    long double v;
    if (Child)
        v = Child->Evaluate(table);
    else if (m_variable)
        v = table.GetVariable(*m_variable);
    else if (Kind == NodeKind::Number && !m_malformed)
        v = m_number;
    else
        v = StrToNumber(Text);
    return apply(v);
}

long double TMyEquation::Evaluate(const TMyPacketData& table) const
{
    MyStat.Code = 0;
    long double a = value(table);
    const TMyEquation* previous = this;
    for (const TMyEquation* m = Next.get(); m; m = m->Next.get()) {
        const long double b = m->value(table);
        a = combine(previous->Operation, a, b);
        previous = m;
    }
    return a;
}

std::string printTree(const TMyEquation& root)
{
    std::string out;
    printChain(&root, out);
    return out;
}
