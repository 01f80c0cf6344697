#include "exercises/tutoring.h"

#include "formula/equation.h"
#include "formula/errors.h"
#include "formula/packetdata.h"
#include "formula/packetequation.h"
#include "formula/status.h"
#include "formula/text.h"

#include <cctype>
#include <cmath>
#include <memory>
#include <optional>
#include <utility>

namespace {

// Points at which a diagnosis is tried, and how many of them a candidate must
// agree at (where both formulas can be evaluated).
constexpr int kDiagnosisPoints = 10;
constexpr int kDiagnosisAgreements = 6;

// MyStat as it was, put back when the scope ends.
class KeepStatus {
public:
    KeepStatus() : m_saved(MyStat) {}
    ~KeepStatus() { MyStat = m_saved; }
    KeepStatus(const KeepStatus&) = delete;
    KeepStatus& operator=(const KeepStatus&) = delete;

private:
    TMyStat m_saved;
};

// The value of a tree over a table as the comparison takes it, or nothing
// where it cannot be evaluated (an error recorded, an exception, a
// not-a-number).
std::optional<double> valueAt(const TMyEquation& tree, const TMyPacketData& data)
{
    MyStat.Message.clear();
    try {
        const double v = narrowToDouble(tree.Evaluate(data));
        if (!MyStat.Message.empty() || std::isnan(v))
            return std::nullopt;
        return v;
    } catch (const FormulaError&) {
        return std::nullopt;
    }
}

// The differences the comparison counts: at least epsilon, or infinite on one side.
bool differ(double a, double b)
{
    if (std::isinf(a) || std::isinf(b))
        return !(std::isinf(a) && std::isinf(b) && (a > 0) == (b > 0));
    return std::fabs(static_cast<long double>(a) - b) >= MyStat.Epsilon;
}

bool definedAt(const TMyEquation& tree, const TMyPacketData& data)
{
    const KeepStatus keep;
    return valueAt(tree, data).has_value();
}

void drawPoint(TMyPacketData& data, const std::vector<std::string>& names, PointGenerator& generator)
{
    for (const std::string& name : names)
        data.AddVariable(name, std::to_string(generator.below100()));
}

std::unique_ptr<TMyEquation> parse(std::string_view text)
{
    const std::string t = NormalizeEquation(text);
    if (t.empty())
        return nullptr;
    try {
        return std::make_unique<TMyEquation>(t);
    } catch (const FormulaError&) {
        return nullptr;
    }
}

bool isOperandEnd(char c)
{
    return c != '+' && c != '-' && c != '*' && c != '/' && c != '#' && c != '(';
}

std::string withoutBlanks(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != ' ')
            out += c;
    return out;
}

// Splits at the given operators outside brackets; each piece is given with the
// operator written before it (0 for the first piece).
std::vector<std::pair<char, std::string>> splitAt(const std::string& text, std::string_view operators)
{
    std::vector<std::pair<char, std::string>> pieces;
    int depth = 0;
    char before = 0;
    std::string current;
    char last = 0;  // the last character that is not a level marker
    for (char c : text) {
        const bool split = depth == 0 && operators.find(c) != std::string_view::npos && last != 0
                        && last != '~' && isOperandEnd(last);
        if (split) {
            pieces.emplace_back(before, current);
            before = c;
            current.clear();
            last = c;
            continue;
        }
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        current += c;
        if (c != '!' && c != '@')
            last = c;
    }
    pieces.emplace_back(before, current);
    return pieces;
}

bool isNumberTerm(const Term& term)
{
    return !term.text.empty() && IsNumberText(term.text) && term.text.find_first_of("0123456789") != std::string::npos;
}

// Terms whose value over the points is known, for matching them up.
struct Samples {
    std::vector<std::optional<double>> values;
};

Samples sample(const TMyEquation* tree, const std::vector<TMyPacketData>& points)
{
    Samples s;
    for (const TMyPacketData& p : points)
        s.values.push_back(tree ? valueAt(*tree, p) : std::nullopt);
    return s;
}

// The two agree at enough points where both can be evaluated, and differ at none.
bool agree(const Samples& a, const Samples& b)
{
    int counted = 0;
    for (std::size_t i = 0; i < a.values.size() && i < b.values.size(); ++i) {
        if (!a.values[i] || !b.values[i])
            continue;
        if (differ(*a.values[i], *b.values[i]))
            return false;
        ++counted;
    }
    return counted >= kDiagnosisAgreements;
}

// One candidate explanation: the reference changed as the mistake would change
// it, and the term the message shows when no typed term matches better.
struct Candidate {
    Mistake mistake;
    std::string formula;
    std::string shownTerm;
    Term changedTerm;     // the term as the mistake writes it ("" text: none)
};

// Function names that a swap exchanges, longest first so that "cotan" is not
// read as "tan".
struct Swap {
    const char* from;
    const char* to;
};
constexpr Swap kSwaps[] = {{"cotan", "tan"}, {"ctan", "tan"}, {"sin", "cos"}, {"cos", "sin"}, {"tan", "cotan"}};

// Every variant of the text with one function call swapped, then the variant
// with all of them swapped when there are several.
std::vector<std::string> swappedVariants(const std::string& text)
{
    struct Site {
        std::size_t at;
        std::size_t length;
        const char* to;
    };
    std::vector<Site> sites;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool wordStart = i == 0 || !std::isalpha(static_cast<unsigned char>(text[i - 1]));
        if (!wordStart)
            continue;
        for (const Swap& s : kSwaps) {
            const std::string name = s.from;
            if (text.compare(i, name.size(), name) == 0 && i + name.size() < text.size() && text[i + name.size()] == '(') {
                sites.push_back({i, name.size(), s.to});
                break;
            }
        }
    }
    auto apply = [&](const std::vector<Site>& chosen) {
        std::string out = text;
        for (auto it = chosen.rbegin(); it != chosen.rend(); ++it)
            out.replace(it->at, it->length, it->to);
        return out;
    };
    std::vector<std::string> variants;
    for (const Site& s : sites)
        variants.push_back(apply({s}));
    if (sites.size() > 1)
        variants.push_back(apply(sites));
    return variants;
}

// The multiplicative factors of a term, each with the operator before it.
std::vector<std::pair<char, std::string>> factorsOf(const std::string& term)
{
    return splitAt(term, "*/");
}

// A factor about a force or a moment: it holds a name in capitals ("F",
// "R!B@", "(P*b-M)"); lengths, angles and functions are written in small letters.
bool isForceName(const std::string& factor)
{
    for (char c : factor)
        if (c >= 'A' && c <= 'Z')
            return true;
    return false;
}

} // namespace

std::uint64_t PointGenerator::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

bool confirmAtMorePoints(const TMyEquation& reference, const std::string& typed, const TMyPacketData& table,
                         const std::vector<std::string>& randomNames, PointGenerator& generator, int points)
{
    const KeepStatus keep;
    const auto typedTree = parse(typed);
    if (!typedTree)
        return true;  // the comparison has judged this text already; nothing more to learn
    TMyPacketData work = table;
    int counted = 0;
    for (int attempt = 0; attempt < 4 * points && counted < points; ++attempt) {
        drawPoint(work, randomNames, generator);
        const auto r = valueAt(reference, work);
        if (!r)
            continue;
        const auto t = valueAt(*typedTree, work);
        if (!t)
            continue;
        if (differ(*r, *t))
            return false;
        ++counted;
    }
    return true;
}

bool redrawWhereUndefined(const TMyEquation& reference, TMyPacketData& table,
                          const std::vector<std::string>& randomNames, PointGenerator& generator)
{
    const KeepStatus keep;
    for (int attempt = 0; attempt < kRedrawLimit; ++attempt) {
        drawPoint(table, randomNames, generator);
        if (valueAt(reference, table))
            return true;
    }
    return false;
}

Verdict judgeAnswer(TMyPacketEquation& equation, TMyPacketData& table, const std::string& reference,
                    const std::string& typed, const std::vector<std::string>& randomNames, PointGenerator& points)
{
    equation.SetEquation(reference);
    std::string verdict = equation.Compare(typed, table);
    if (verdict == kVerdictError && equation.Root() && !definedAt(*equation.Root(), table)
        && redrawWhereUndefined(*equation.Root(), table, randomNames, points))
        verdict = equation.Compare(typed, table);
    if (verdict == kVerdictEqual) {
        // One point can let a wrong formula through by coincidence.
        if (equation.Root() && !confirmAtMorePoints(*equation.Root(), typed, table, randomNames, points))
            return Verdict::NotEqual;
        return Verdict::Equal;
    }
    if (verdict == kVerdictNotEqual)
        return Verdict::NotEqual;
    if (verdict == kVerdictError)
        return Verdict::CompareError;
    if (verdict == kVerdictEmpty)
        return Verdict::Empty;
    return Verdict::None;
}

std::vector<Term> splitTerms(std::string_view formula)
{
    std::vector<Term> terms;
    const std::string text = withoutBlanks(formula);
    if (text.empty())
        return terms;
    for (auto& [op, piece] : splitAt(text, "+-")) {
        Term t;
        t.negative = op == '-';
        t.text = piece;
        // A sign written in front of the whole formula belongs to its first term.
        while (!t.text.empty() && (t.text.front() == '-' || t.text.front() == '+')) {
            if (t.text.front() == '-')
                t.negative = !t.negative;
            t.text.erase(0, 1);
        }
        // A subscript or exponent left open at the end of a term would run on
        // into whatever follows the term in another formula: close it.
        const std::size_t marker = t.text.find_last_of("!#@");
        if (marker != std::string::npos && t.text[marker] != '@')
            t.text += '@';
        if (!t.text.empty())
            terms.push_back(std::move(t));
    }
    return terms;
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

QuestionKind classifyQuestion(std::string_view question, std::string_view reference)
{
    const std::string ref = withoutBlanks(reference);
    if (ref == "Y" || ref == "N")
        return QuestionKind::YesNo;
    if (question.find("угол") != std::string_view::npos)
        return QuestionKind::Angle;
    const std::vector<Term> terms = referenceTerms(ref);
    bool numbers = !terms.empty();
    for (const Term& t : terms)
        numbers = numbers && isNumberTerm(t);
    if (numbers)
        return QuestionKind::Number;
    if (question.find("проекций") != std::string_view::npos)
        return QuestionKind::Projection;
    if (question.find("моментов") != std::string_view::npos)
        return QuestionKind::Moment;
    return QuestionKind::Expression;
}

Diagnosis diagnose(std::string_view reference, std::string_view typed, const TMyPacketData& table,
                   const std::vector<std::string>& randomNames, PointGenerator& generator)
{
    const KeepStatus keep;
    Diagnosis result;
    const std::string ref = withoutBlanks(reference);
    const std::string answer = withoutBlanks(typed);
    const auto refTree = parse(ref);
    const auto typedTree = parse(answer);
    if (!refTree || !typedTree)
        return result;

    // Points at which the reference can be evaluated.
    std::vector<TMyPacketData> points;
    TMyPacketData work = table;
    for (int attempt = 0; attempt < 4 * kDiagnosisPoints && static_cast<int>(points.size()) < kDiagnosisPoints;
         ++attempt) {
        drawPoint(work, randomNames, generator);
        if (valueAt(*refTree, work))
            points.push_back(work);
    }
    const Samples typedValues = sample(typedTree.get(), points);
    auto fits = [&](const std::string& formula) {
        const auto tree = parse(formula);
        return tree && agree(sample(tree.get(), points), typedValues);
    };
    if (fits(ref))
        return result;

    if (ref == "Y" || ref == "N") {
        if (fits(ref == "Y" ? "N" : "Y"))
            result.mistake = Mistake::YesNoReversed;
        return result;
    }

    const std::vector<Term> terms = referenceTerms(ref);
    bool numberQuestion = !terms.empty();
    for (const Term& t : terms)
        numberQuestion = numberQuestion && isNumberTerm(t);
    if (numberQuestion) {
        std::string number = answer;
        if (!number.empty() && number.back() == '@')
            number.pop_back();
        if (IsNumberText(number) && number.find_first_of("0123456789") != std::string::npos) {
            result.mistake = Mistake::WrongNumber;
            result.number = number;
        }
        return result;
    }

    // The typed formula's own terms and their values, to show the student's
    // own writing of the term concerned where one of them is it.
    const std::vector<Term> typedTerms = referenceTerms(answer);
    std::vector<Samples> typedTermValues;
    for (const Term& t : typedTerms)
        typedTermValues.push_back(sample(parse(signedTerm(t)).get(), points));
    auto typedTermLike = [&](const Term& term) -> const Term* {
        const Samples wanted = sample(parse(signedTerm(term)).get(), points);
        for (std::size_t i = 0; i < typedTerms.size(); ++i)
            if (agree(typedTermValues[i], wanted))
                return &typedTerms[i];
        return nullptr;
    };

    std::vector<Candidate> candidates;
    {
        std::vector<Term> flipped = terms;
        for (Term& t : flipped)
            t.negative = !t.negative;
        candidates.push_back({Mistake::AllSignsReversed, joinTerms(flipped), "", {}});
    }
    const std::size_t n = terms.size();
    if (n >= 2) {
        for (std::size_t i = 0; i < n; ++i) {
            std::vector<Term> changed = terms;
            changed[i].negative = !changed[i].negative;
            candidates.push_back({Mistake::TermSign, joinTerms(changed), terms[i].text, changed[i]});
        }
        for (std::size_t i = 0; i < n; ++i) {
            std::vector<Term> changed = terms;
            changed.erase(changed.begin() + static_cast<std::ptrdiff_t>(i));
            candidates.push_back({Mistake::TermMissing, joinTerms(changed), terms[i].text, {}});
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        std::vector<Term> changed = terms;
        changed.push_back(terms[i]);
        candidates.push_back({Mistake::TermExtra, joinTerms(changed), terms[i].text, terms[i]});
    }
    for (std::size_t i = 0; i < n; ++i) {
        for (const std::string& variant : swappedVariants(terms[i].text)) {
            std::vector<Term> changed = terms;
            changed[i].text = variant;
            candidates.push_back({Mistake::FunctionsSwapped, joinTerms(changed), variant, changed[i]});
        }
    }

    for (const Candidate& c : candidates) {
        if (!fits(c.formula))
            continue;
        result.mistake = c.mistake;
        result.term = c.shownTerm;
        if (!c.changedTerm.text.empty()) {
            if (const Term* own = typedTermLike(c.changedTerm))
                result.term = own->text;
        }
        return result;
    }

    // One term written differently and every other term right: a wrong factor
    // when the two terms share a factor with the force (a name in capitals).
    std::vector<bool> used(typedTerms.size(), false);
    std::vector<std::size_t> unmatched;
    for (std::size_t i = 0; i < n; ++i) {
        const Samples wanted = sample(parse(signedTerm(terms[i])).get(), points);
        bool found = false;
        for (std::size_t k = 0; k < typedTerms.size() && !found; ++k) {
            if (!used[k] && agree(typedTermValues[k], wanted)) {
                used[k] = true;
                found = true;
            }
        }
        if (!found)
            unmatched.push_back(i);
    }
    std::vector<std::size_t> extra;
    for (std::size_t k = 0; k < typedTerms.size(); ++k)
        if (!used[k])
            extra.push_back(k);
    if (unmatched.size() != 1 || extra.size() != 1)
        return result;
    const Term& mine = typedTerms[extra.front()];
    const auto refFactors = factorsOf(terms[unmatched.front()].text);
    const auto myFactors = factorsOf(mine.text);
    for (const auto& [refOp, refFactor] : refFactors) {
        if (!isForceName(refFactor))
            continue;
        const Samples wanted = sample(parse(refFactor).get(), points);
        for (const auto& [myOp, myFactor] : myFactors) {
            if ((refOp == '/') != (myOp == '/'))
                continue;
            if (agree(sample(parse(myFactor).get(), points), wanted)) {
                result.mistake = Mistake::WrongFactor;
                result.term = mine.text;
                return result;
            }
        }
    }
    return result;
}
