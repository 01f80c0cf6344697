#include "tutor/judge.h"

#include "formula/equation.h"
#include "formula/errors.h"
#include "formula/packetdata.h"
#include "formula/packetequation.h"
#include "formula/random.h"
#include "formula/text.h"
#include "tutor/evaluation.h"
#include "tutor/terms.h"

#include <cmath>

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

DefinedCheck::DefinedCheck(const TMyEquation& tree)
    : m_tree(tree)
{
    for (const std::string& partial : partialFormulas(tree))
        if (auto parsed = parseFormula(partial))
            m_partials.push_back(std::move(parsed));
}

DefinedCheck::~DefinedCheck() = default;

std::optional<double> DefinedCheck::valueAt(const TMyPacketData& data) const
{
    for (const auto& partial : m_partials)
        if (!::valueAt(*partial, data))
            return std::nullopt;
    return ::valueAt(m_tree, data);
}

bool differ(double a, double b)
{
    if (std::isinf(a) || std::isinf(b))
        return !(std::isinf(a) && std::isinf(b) && (a > 0) == (b > 0));
    return std::fabs(static_cast<long double>(a) - b) >= MyStat.Epsilon;
}

void drawPoint(TMyPacketData& data, const std::vector<std::string>& names, PointGenerator& generator)
{
    for (const std::string& name : names)
        data.AddVariable(name, std::to_string(generator.below100()));
}

std::unique_ptr<TMyEquation> parseFormula(std::string_view text)
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

PointGenerator::PointGenerator()
    : m_state(freshSeed())
{
}

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
    const auto typedTree = parseFormula(typed);
    if (!typedTree)
        return true;  // the comparison has judged this text already; nothing more to learn
    const DefinedCheck referenceCheck(reference);
    const DefinedCheck typedCheck(*typedTree);
    TMyPacketData work = table;
    int counted = 0;
    for (int attempt = 0; attempt < 4 * points && counted < points; ++attempt) {
        drawPoint(work, randomNames, generator);
        const auto r = referenceCheck.valueAt(work);
        if (!r)
            continue;
        const auto t = typedCheck.valueAt(work);
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
    const DefinedCheck check(reference);
    for (int attempt = 0; attempt < kRedrawLimit; ++attempt) {
        drawPoint(table, randomNames, generator);
        if (check.valueAt(table))
            return true;
    }
    return false;
}

bool definedThroughout(const TMyEquation& tree, const TMyPacketData& table)
{
    const KeepStatus keep;
    return DefinedCheck(tree).valueAt(table).has_value();
}

Verdict judgeAnswer(TMyPacketEquation& equation, TMyPacketData& table, const std::string& reference,
                    const std::string& typed, const std::vector<std::string>& randomNames, PointGenerator& points)
{
    equation.SetEquation(reference);
    std::string verdict = equation.Compare(typed, table);
    // The engine may also find a difference where the reference's error record
    // was cleared on the way (a value that is none).
    if ((verdict == kVerdictError || verdict == kVerdictNotEqual) && equation.Root()
        && !definedThroughout(*equation.Root(), table)
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
