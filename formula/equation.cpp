#include "formula/equation.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "formula/errors.h"
#include "formula/status.h"
#include "formula/text.h"

namespace {

constexpr char kDivisionByZero[] = "Ошибка: Деление на нуль";
constexpr char kLogarithmOfZero[] = "Ошибка: нуль в аргументе логарифма";
constexpr char kCotangentOfZero[] = "Ошибка: ноль в аргументе котангенса";
constexpr double kPi = 3.141592653589793;
// Each bracket level costs the parser a few nested calls; this bound is never
// reached by a text within kMaxBracketDepth.
constexpr int kMaxParseDepth = 4 * kMaxBracketDepth + 64;

[[noreturn]] void emptyOperand()
{
    throw FormulaParseError("Ошибка в записи формулы: пропущен операнд");
}

[[noreturn]] void invalidOperation()
{
    throw FloatingPointError("Ошибка вычисления: недопустимая операция (неопределённое значение)");
}

[[noreturn]] void overflow()
{
    throw FloatingPointError("Ошибка вычисления: переполнение");
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

double narrowed(long double x)
{
    const double d = static_cast<double>(x);
    if (std::isinf(d) && std::isfinite(x))
        overflow();
    return d;
}

// Operator character of an operation code (and back).
char operatorChar(std::uint8_t operation)
{
    switch (operation) {
    case 0: return '+';
    case 1: return '-';
    case 2: return '*';
    case 3: return '/';
    case 4: return '#';
    default: return 0;
    }
}

int operationOf(char c)
{
    switch (c) {
    case '+': return 0;
    case '-': return 1;
    case '*': return 2;
    case '/': return 3;
    case '#': return 4;
    default: return -1;
    }
}

long double combine(std::uint8_t operation, long double a, long double b)
{
    switch (operation) {
    case 0: return MyAdd(a, b);
    case 1: return MySub(a, b);
    case 2: return MyMul(a, b);
    case 3: return MyDiv(a, b);
    case 4: return MyPow(a, b);
    default: return a;
    }
}

long double applyFunction(std::uint8_t function, long double x)
{
    switch (function) {
    case 0: return std::cos(x);
    case 1: return std::sin(x);
    case 2: return MyTan(x);
    case 3: return MyCotan(x);
    case 4: return MyLog(x);
    case 5: return MyLn(x);
    case 6: return std::exp(x);
    case 7: return std::fabs(x);
    case 8: return std::sqrt(x);
    default: return x;
    }
}

// Positions of the top-level characters of t for which isCut holds, the last
// character excluded.  Depth changes at a bracket before it is examined.
template <typename Pred>
std::vector<std::size_t> topLevelCuts(const std::string& t, Pred isCut)
{
    std::vector<std::size_t> cuts;
    long depth = 0;
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        const char c = t[i];
        if (c == ')')
            --depth;
        else if (c == '(')
            ++depth;
        else if (depth == 0 && isCut(c))
            cuts.push_back(i);
    }
    return cuts;
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

const char* functionName(std::uint8_t code)
{
    static constexpr const char* names[] = {"cos", "sin", "tan", "cotan", "log", "ln",
                                            "exp", "abs", "sqrt", "", "up"};
    return code <= 10 ? names[code] : "?";
}

void printChain(const TMyEquation* node, std::string& out)
{
    out += '[';
    for (bool first = true; node; node = node->Next.get(), first = false) {
        if (!first)
            out += ", ";
        static constexpr const char* kinds[] = {"fun", "var", "num", "comp"};
        out += node->Kind <= 3 ? kinds[node->Kind] : "?";
        if (node->Function != 9) {
            out += " fn=";
            out += functionName(node->Function);
        }
        if (node->Kind == 1 || node->Kind == 2) {
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
    RecordError(2, kDivisionByZero);
    return 1;
}

long double MyPow(long double a, long double b)
{
    if (std::fabs(tested(a)) < epsilon() && std::fabs(tested(b)) < epsilon())
        return 1;
    return std::pow(narrowed(a), narrowed(b));
}

long double MyLn(long double x)
{
    if (std::fabs(tested(x)) >= epsilon())
        return std::log(x);
    RecordError(2, kLogarithmOfZero);
    return 1;
}

long double MyLog(long double x)
{
    if (std::fabs(tested(x)) >= epsilon())
        return std::log10(x);
    RecordError(2, kLogarithmOfZero);
    return 1;
}

long double MyCotan(long double x)
{
    if (std::fabs(tested(x)) >= 2 * epsilon())
        return 1 / std::tan(x);
    RecordError(2, kCotangentOfZero);
    return 1;
}

long double MyTan(long double x)
{
    const long double halfPi = static_cast<long double>(kPi) / 2;
    const long double a = std::fabs(tested(x));
    if (halfPi - 3 * epsilon() < a && a < halfPi + 3 * epsilon()) {
        RecordError(2, kCotangentOfZero);
        return 1;
    }
    return std::tan(x);
}

struct TMyEquation::Leaf {
    std::optional<TMyVariableRef> variable;
    long double number = 0;
    bool malformed = false;
};

TMyEquation::TMyEquation(std::string_view text)
{
    if (text.size() > kMaxFormulaLength)
        throw FormulaParseError("Ошибка в записи формулы: формула слишком длинная");
    long depth = 0;
    long deepest = 0;
    for (const char c : text) {
        if (c == '(')
            deepest = std::max(deepest, ++depth);
        else if (c == ')')
            --depth;
    }
    if (deepest > kMaxBracketDepth)
        throw FormulaParseError("Ошибка в записи формулы: слишком глубокая вложенность скобок");
    parse(std::string(text), 0);
}

TMyEquation::TMyEquation(std::string text, int depth)
{
    parse(std::move(text), depth);
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

void TMyEquation::parse(std::string text, int depth)
{
    if (depth > kMaxParseDepth)
        throw FormulaParseError("Ошибка в записи формулы: слишком глубокая вложенность скобок");
    if (text.empty())
        emptyOperand();
    if (text[0] == '-')
        text.insert(0, 1, '0');

    // Sum split: the first term stays with this node, the others follow it.
    const std::vector<std::size_t> termEnds = topLevelCuts(text, isSum);
    std::string t = text.substr(0, termEnds.empty() ? text.size() : termEnds[0] + 1);
    const int op = operationOf(t.back());
    if (op >= 0) {
        Operation = static_cast<std::uint8_t>(op);
        t.pop_back();
    }
    if (t.empty())
        emptyOperand();

    // Outer brackets.
    if (t.front() == '(' && t.back() == ')' && topLevelCuts(t, isProductOrPower).empty()) {
        t = t.substr(1, t.size() - 2);
        if (t.empty())
            emptyOperand();
    }

    TMyEquation* tail = this;
    for (std::size_t i = 0; i < termEnds.size(); ++i) {
        const std::size_t from = termEnds[i] + 1;
        const std::size_t to = i + 1 < termEnds.size() ? termEnds[i + 1] + 1 : text.size();
        auto node = std::unique_ptr<TMyEquation>(new TMyEquation(text.substr(from, to - from), depth + 1));
        node->Prev = tail;
        tail->Next = std::move(node);
        tail = lastOf(tail->Next.get());
    }
    std::string().swap(text);

    // A bracketed sum becomes the value of this node.
    if (!topLevelCuts(t, isSum).empty()) {
        Child = std::unique_ptr<TMyEquation>(new TMyEquation(std::move(t), depth + 1));
        Child->Parent = this;
        return;
    }

    // Products, and only without them powers: a chain under Child.
    std::vector<std::size_t> cuts = topLevelCuts(t, isProduct);
    if (cuts.empty())
        cuts = topLevelCuts(t, isPower);
    if (!cuts.empty()) {
        TMyEquation* last = nullptr;
        std::size_t from = 0;
        for (std::size_t i = 0; i <= cuts.size(); ++i) {
            const std::size_t to = i < cuts.size() ? cuts[i] + 1 : t.size();
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
        }
        return;
    }

    // A leaf: number, variable or function call.
    if (IsNumberText(t)) {
        if (!t.empty() && t.back() == '@')
            t.pop_back();
        Kind = 2;
        Text = std::move(t);
        m_leaf = std::make_unique<Leaf>();
        try {
            m_leaf->number = StrToNumber(Text);
        } catch (const NumberFormatError&) {
            m_leaf->malformed = true;  // reported when the number is read
        }
        return;
    }
    const std::size_t open = t.find('(');
    if (open != std::string::npos)
        Function = FunctionCode(std::string_view(t).substr(0, open));
    if (Function == 9) {
        if (t.back() == '@')
            t.pop_back();
        Kind = 1;
        Text = std::move(t);
        m_leaf = std::make_unique<Leaf>();
        m_leaf->variable.emplace(Text);
        return;
    }
    Kind = 0;
    const std::size_t close = t.rfind(')');
    if (close == std::string::npos || close < open)
        emptyOperand();
    Child = std::unique_ptr<TMyEquation>(new TMyEquation(t.substr(open, close - open + 1), depth + 1));
    Child->Parent = this;
}

long double TMyEquation::value(const TMyPacketData& table) const
{
    long double v;
    if (Child)
        v = Child->Evaluate(table);
    else if (Kind == 1 && m_leaf)
        v = table.GetVariable(*m_leaf->variable);
    else if (m_leaf && !m_leaf->malformed)
        v = m_leaf->number;
    else
        v = StrToNumber(Text);
    return applyFunction(Function, v);
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

std::string PrintTree(const TMyEquation& root)
{
    std::string out;
    printChain(&root, out);
    return out;
}
