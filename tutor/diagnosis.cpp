#include "tutor/diagnosis.h"

#include "formula/equation.h"
#include "formula/packetdata.h"
#include "formula/text.h"
#include "tutor/evaluation.h"
#include "tutor/judge.h"
#include "tutor/terms.h"

#include <optional>

namespace {

// Points at which a diagnosis is tried, and how many of them a candidate must
// agree at (where both formulas can be evaluated).
constexpr int kDiagnosisPoints = 10;
constexpr int kDiagnosisAgreements = 6;

std::string withoutBlanks(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != ' ')
            out += c;
    return out;
}

// A formula's values at the points of the diagnosis.
using Samples = std::vector<std::optional<double>>;

Samples sample(const TMyEquation* tree, const std::vector<TMyPacketData>& points)
{
    Samples s;
    for (const TMyPacketData& p : points)
        s.push_back(tree ? valueAt(*tree, p) : std::nullopt);
    return s;
}

Samples sample(std::string_view formula, const std::vector<TMyPacketData>& points)
{
    return sample(parseFormula(formula).get(), points);
}

// The two agree at enough points where both can be evaluated, and differ at none.
bool agree(const Samples& a, const Samples& b)
{
    int counted = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (!a[i] || !b[i])
            continue;
        if (differ(*a[i], *b[i]))
            return false;
        ++counted;
    }
    return counted >= kDiagnosisAgreements;
}

// What the reference asks for, by its own form.
enum class Shape { YesNo, Number, Formula };

// What the candidate generators work from.
struct Case {
    std::string reference;            // blanks dropped
    Shape shape = Shape::Formula;
    std::vector<Term> terms;          // the reference's, zero prefixes left out
    std::string answer;               // the typed text, blanks dropped
    std::vector<Term> typedTerms;     // the answer's, zero prefixes left out
    std::vector<Samples> typedTermValues;
    std::vector<TMyPacketData> points;
};

// One explanation: the reference changed as the mistake would change it, what
// is said when the answer agrees with it, and the term as the mistake writes
// it, which is shown in the student's own writing where one of theirs is it.
struct Candidate {
    std::string formula;
    Diagnosis diagnosis;
    Term changedTerm;
};

using Candidates = std::vector<Candidate>;

std::vector<Term> replaced(std::vector<Term> terms, std::size_t i, Term t)
{
    terms[i] = std::move(t);
    return terms;
}

// --- One generator per mistake. ---

Candidates yesNoReversed(const Case& c)
{
    if (c.shape != Shape::YesNo)
        return {};
    return {{c.reference == "Y" ? "N" : "Y", {Mistake::YesNoReversed, "", ""}, {}}};
}

Candidates wrongNumber(const Case& c)
{
    if (c.shape != Shape::Number)
        return {};
    std::string number = c.answer;
    if (!number.empty() && number.back() == '@')
        number.pop_back();
    if (!isNumberTerm(Term{false, number}))
        return {};
    return {{c.answer, {Mistake::WrongNumber, "", number}, {}}};
}

Candidates allSignsReversed(const Case& c)
{
    if (c.shape != Shape::Formula)
        return {};
    std::vector<Term> flipped = c.terms;
    for (Term& t : flipped)
        t.negative = !t.negative;
    return {{joinTerms(flipped), {Mistake::AllSignsReversed, "", ""}, {}}};
}

Candidates termSign(const Case& c)
{
    Candidates out;
    if (c.shape != Shape::Formula || c.terms.size() < 2)
        return out;
    for (std::size_t i = 0; i < c.terms.size(); ++i) {
        const Term changed{!c.terms[i].negative, c.terms[i].text};
        out.push_back({joinTerms(replaced(c.terms, i, changed)), {Mistake::TermSign, c.terms[i].text, ""}, changed});
    }
    return out;
}

// A term missing or written twice changes the number of terms; a term whose
// factor is doubled or halved only has the value of such a sum.
Candidates termMissing(const Case& c)
{
    Candidates out;
    if (c.shape != Shape::Formula || c.terms.size() < 2 || c.typedTerms.size() + 1 != c.terms.size())
        return out;
    for (std::size_t i = 0; i < c.terms.size(); ++i) {
        std::vector<Term> less = c.terms;
        less.erase(less.begin() + static_cast<std::ptrdiff_t>(i));
        out.push_back({joinTerms(less), {Mistake::TermMissing, c.terms[i].text, ""}, {}});
    }
    return out;
}

Candidates termExtra(const Case& c)
{
    Candidates out;
    if (c.shape != Shape::Formula || c.typedTerms.size() != c.terms.size() + 1)
        return out;
    for (std::size_t i = 0; i < c.terms.size(); ++i) {
        std::vector<Term> more = c.terms;
        more.push_back(c.terms[i]);
        out.push_back({joinTerms(more), {Mistake::TermExtra, c.terms[i].text, ""}, c.terms[i]});
    }
    return out;
}

// The function a swap puts in place of another.
FunctionId swapped(FunctionId f)
{
    switch (f) {
    case FunctionId::Sin: return FunctionId::Cos;
    case FunctionId::Cos: return FunctionId::Sin;
    case FunctionId::Tan: return FunctionId::Cotan;
    case FunctionId::Cotan: return FunctionId::Tan;
    default: return FunctionId::None;
    }
}

void collectCalls(TMyEquation* chain, std::vector<TMyEquation*>& calls)
{
    for (TMyEquation* n = chain; n; n = n->Next.get()) {
        if (n->Kind == NodeKind::FunctionCall && swapped(n->Function) != FunctionId::None)
            calls.push_back(n);
        collectCalls(n->Child.get(), calls);
    }
}

// Every term with one of its calls swapped on the parse tree, then with all
// of them swapped when it has several.
Candidates functionsSwapped(const Case& c)
{
    Candidates out;
    if (c.shape != Shape::Formula)
        return out;
    for (std::size_t i = 0; i < c.terms.size(); ++i) {
        const auto tree = parseFormula(c.terms[i].text);
        if (!tree)
            continue;
        std::vector<TMyEquation*> calls;
        collectCalls(tree.get(), calls);
        auto variant = [&](const std::vector<TMyEquation*>& chosen) {
            for (TMyEquation* call : chosen)
                call->Function = swapped(call->Function);
            const Term changed{c.terms[i].negative, formulaText(*tree)};
            for (TMyEquation* call : chosen)
                call->Function = swapped(call->Function);
            out.push_back({joinTerms(replaced(c.terms, i, changed)), {Mistake::FunctionsSwapped, changed.text, ""}, changed});
        };
        for (TMyEquation* call : calls)
            variant({call});
        if (calls.size() > 1)
            variant(calls);
    }
    return out;
}

// A factor about a force or a moment: it holds a name in capitals ("F",
// "R!B@", "(P*b-M)"); lengths, angles and functions are written in small letters.
bool isForceName(const std::string& factor)
{
    for (char ch : factor)
        if (ch >= 'A' && ch <= 'Z')
            return true;
    return false;
}

// One term written differently and every other term right: a wrong factor
// when the two terms share a factor with the force.
Candidates wrongFactor(const Case& c)
{
    if (c.shape != Shape::Formula)
        return {};
    std::vector<bool> used(c.typedTerms.size(), false);
    std::vector<std::size_t> unmatched;
    for (std::size_t i = 0; i < c.terms.size(); ++i) {
        const Samples wanted = sample(signedTerm(c.terms[i]), c.points);
        bool found = false;
        for (std::size_t k = 0; k < c.typedTerms.size() && !found; ++k) {
            if (!used[k] && agree(c.typedTermValues[k], wanted)) {
                used[k] = true;
                found = true;
            }
        }
        if (!found)
            unmatched.push_back(i);
    }
    std::vector<std::size_t> extra;
    for (std::size_t k = 0; k < c.typedTerms.size(); ++k)
        if (!used[k])
            extra.push_back(k);
    if (unmatched.size() != 1 || extra.size() != 1)
        return {};
    const Term& mine = c.typedTerms[extra.front()];
    const std::vector<Factor> myFactors = factorsOf(mine.text);
    for (const Factor& ref : factorsOf(c.terms[unmatched.front()].text)) {
        if (!isForceName(ref.text))
            continue;
        const Samples wanted = sample(ref.text, c.points);
        for (const Factor& my : myFactors) {
            if (ref.divides == my.divides && agree(sample(my.text, c.points), wanted))
                return {{joinTerms(replaced(c.terms, unmatched.front(), mine)), {Mistake::WrongFactor, mine.text, ""}, {}}};
        }
    }
    return {};
}

// The catalogue, in the order its mistakes are tried: a new kind of mistake
// is one row.
using Generator = Candidates (*)(const Case&);
struct CatalogueRow {
    Mistake mistake;
    Generator generate;
};
constexpr CatalogueRow kCatalogue[] = {
    {Mistake::YesNoReversed, yesNoReversed},
    {Mistake::WrongNumber, wrongNumber},
    {Mistake::AllSignsReversed, allSignsReversed},
    {Mistake::TermSign, termSign},
    {Mistake::TermMissing, termMissing},
    {Mistake::TermExtra, termExtra},
    {Mistake::FunctionsSwapped, functionsSwapped},
    {Mistake::WrongFactor, wrongFactor},
};
static_assert(std::size(kCatalogue) + 1 == kMistakeCount, "every mistake but Unknown has its row");

Shape shapeOf(const std::string& reference, const std::vector<Term>& terms)
{
    if (reference == "Y" || reference == "N")
        return Shape::YesNo;
    bool numbers = !terms.empty();
    for (const Term& t : terms)
        numbers = numbers && isNumberTerm(t);
    return numbers ? Shape::Number : Shape::Formula;
}

} // namespace

Diagnosis diagnose(std::string_view reference, std::string_view typed, const TMyPacketData& table,
                   const std::vector<std::string>& randomNames, PointGenerator& generator)
{
    const KeepStatus keep;
    Case c;
    c.reference = withoutBlanks(reference);
    c.answer = withoutBlanks(typed);
    const auto referenceTree = parseFormula(c.reference);
    const auto typedTree = parseFormula(c.answer);
    if (!referenceTree || !typedTree)
        return {};
    // Points at which the reference is defined.
    const DefinedCheck referenceCheck(*referenceTree);
    TMyPacketData work = table;
    for (int attempt = 0; attempt < 4 * kDiagnosisPoints && static_cast<int>(c.points.size()) < kDiagnosisPoints;
         ++attempt) {
        drawPoint(work, randomNames, generator);
        if (referenceCheck.valueAt(work))
            c.points.push_back(work);
    }
    const Samples typedValues = sample(typedTree.get(), c.points);
    auto fits = [&](const std::string& formula) { return agree(sample(formula, c.points), typedValues); };
    if (fits(c.reference))
        return {};

    c.terms = referenceTerms(c.reference);
    c.shape = shapeOf(c.reference, c.terms);
    c.typedTerms = referenceTerms(c.answer);
    for (const Term& t : c.typedTerms)
        c.typedTermValues.push_back(sample(signedTerm(t), c.points));
    // The student's own writing of a term, where one of theirs is it.
    auto typedTermLike = [&](const Term& term) -> const Term* {
        const Samples wanted = sample(signedTerm(term), c.points);
        for (std::size_t i = 0; i < c.typedTerms.size(); ++i)
            if (agree(c.typedTermValues[i], wanted))
                return &c.typedTerms[i];
        return nullptr;
    };

    for (const CatalogueRow& row : kCatalogue) {
        for (const Candidate& candidate : row.generate(c)) {
            if (!fits(candidate.formula))
                continue;
            Diagnosis d = candidate.diagnosis;
            if (!candidate.changedTerm.text.empty())
                if (const Term* own = typedTermLike(candidate.changedTerm))
                    d.term = own->text;
            return d;
        }
    }
    return {};
}
