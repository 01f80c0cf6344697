#include "tutor/terms.h"

#include "formula/equation.h"
#include "formula/text.h"
#include "tutor/evaluation.h"

#include <cmath>

namespace {

// The level of a chain: how its operands are joined.
enum class Level { Sum, Product, Power };

Level levelOf(const TMyEquation* chain)
{
    for (const TMyEquation* n = chain; n; n = n->Next.get()) {
        if (n->Operation == Operator::Add || n->Operation == Operator::Subtract)
            return Level::Sum;
        if (n->Operation == Operator::Multiply || n->Operation == Operator::Divide)
            return Level::Product;
        if (n->Operation == Operator::Power)
            return Level::Power;
    }
    return Level::Sum;
}

bool isLeadingMinus(const TMyEquation& node)
{
    return node.Kind == NodeKind::Number && node.Text == "0" && node.Operation == Operator::Subtract && !node.Prev
        && node.Next;
}

std::string chainText(const TMyEquation* chain, const TMyEquation* end = nullptr);

// One operand as it stands in a chain of `level` (Sum for a whole formula,
// a term or a function's argument).
std::string operandText(const TMyEquation& node, Level level)
{
    switch (node.Kind) {
    case NodeKind::Number:
        return node.Text;
    case NodeKind::Variable: {
        // A subscript or exponent in the name is closed before what follows.
        const std::size_t marker = node.Text.find_last_of("!#@");
        return marker != std::string::npos && node.Text[marker] != '@' ? node.Text + '@' : node.Text;
    }
    case NodeKind::FunctionCall: {
        const TMyEquation* argument = node.Child.get();
        // The argument's brackets are the call's own.
        if (argument && !argument->Next && argument->Kind == NodeKind::Composite && argument->Child)
            argument = argument->Child.get();
        return std::string(functionName(node.Function)) + "(" + (argument ? chainText(argument) : "") + ")";
    }
    case NodeKind::Composite:
        break;
    }
    if (!node.Child)
        return node.Text;
    const Level inner = levelOf(node.Child.get());
    const std::string text = chainText(node.Child.get());
    const bool bracket = inner == Level::Sum ? level != Level::Sum || node.Next || node.Prev
                                             : level == Level::Power || (level == Level::Product && inner == Level::Product);
    return bracket ? "(" + text + ")" : text;
}

// The chain's operands up to `end` (excluded; null: to the end).
std::string chainText(const TMyEquation* chain, const TMyEquation* end)
{
    const Level level = levelOf(chain);
    std::string out;
    for (const TMyEquation* n = chain; n != end; n = n->Next.get()) {
        if (isLeadingMinus(*n)) {
            out += '-';
            continue;
        }
        std::string operand = operandText(*n, level);
        // An exponent returns to the base line before what follows it.
        if (n->Prev && n->Prev->Operation == Operator::Power && !operand.empty() && operand.back() != '@')
            operand += '@';
        out += operand;
        if (n->Next && n->Next.get() != end)
            out += operatorChar(n->Operation);
    }
    return out;
}

} // namespace

std::string formulaText(const TMyEquation& chain)
{
    return chainText(&chain);
}

namespace {
void collectPartials(const TMyEquation* chain, std::vector<std::string>& out)
{
    for (const TMyEquation* n = chain; n; n = n->Next.get()) {
        if (n->Next && !isLeadingMinus(*n))
            out.push_back(chainText(chain, n->Next.get()));
        collectPartials(n->Child.get(), out);
    }
}

} // namespace

std::vector<std::string> partialFormulas(const TMyEquation& tree)
{
    std::vector<std::string> out;
    collectPartials(&tree, out);
    return out;
}

std::vector<Term> splitTerms(std::string_view formula)
{
    std::vector<Term> terms;
    const auto tree = parseFormula(formula);
    if (!tree)
        return terms;
    const TMyEquation* first = tree.get();
    // A formula that is one bracketed sum is one term.
    bool negative = false;
    for (const TMyEquation* n = first; n; n = n->Next.get()) {
        if (isLeadingMinus(*n)) {
            negative = true;
            continue;
        }
        Term t;
        t.negative = negative;
        t.text = operandText(*n, Level::Sum);
        if (!n->Next && !n->Prev && n->Kind == NodeKind::Composite && n->Child && levelOf(n->Child.get()) == Level::Sum)
            t.text = "(" + chainText(n->Child.get()) + ")";
        terms.push_back(std::move(t));
        negative = n->Operation == Operator::Subtract;
    }
    return terms;
}

bool isNumberTerm(const Term& term)
{
    return !term.text.empty() && IsNumberText(term.text) && term.text.find_first_of("0123456789") != std::string::npos;
}

std::vector<Term> referenceTerms(std::string_view reference)
{
    std::vector<Term> terms = splitTerms(reference);
    long double sum = 0;
    bool anyNumber = false;
    bool allNumbers = true;
    for (const Term& t : terms) {
        if (isNumberTerm(t)) {
            anyNumber = true;
            const long double v = StrToNumber(t.text);
            sum += t.negative ? -v : v;
        } else {
            allNumbers = false;
        }
    }
    if (!anyNumber || std::fabs(sum) > 0 || terms.size() < 2)
        return terms;
    if (allNumbers)
        return {Term{false, "0"}};
    std::vector<Term> kept;
    for (Term& t : terms)
        if (!isNumberTerm(t))
            kept.push_back(std::move(t));
    return kept;
}

std::string signedTerm(const Term& term)
{
    return term.negative ? "-" + term.text : term.text;
}

std::string joinTerms(const std::vector<Term>& terms)
{
    std::string out;
    for (const Term& t : terms) {
        if (out.empty())
            out = signedTerm(t);
        else
            out += (t.negative ? "-" : "+") + t.text;
    }
    return out;
}

std::vector<Factor> factorsOf(std::string_view term)
{
    std::vector<Factor> factors;
    const auto tree = parseFormula(term);
    if (!tree)
        return factors;
    const TMyEquation* chain = tree.get();
    if (!chain->Next && chain->Kind == NodeKind::Composite && chain->Child && levelOf(chain->Child.get()) == Level::Product)
        chain = chain->Child.get();
    else if (chain->Next || levelOf(chain) != Level::Sum)
        return {Factor{false, chainText(chain)}};
    bool divides = false;
    for (const TMyEquation* n = chain; n; n = n->Next.get()) {
        factors.push_back({divides, operandText(*n, levelOf(chain))});
        divides = n->Operation == Operator::Divide;
    }
    return factors;
}
