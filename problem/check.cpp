#include "problem/check.h"

#include "formula/equation.h"
#include "formula/errors.h"
#include "formula/packetdata.h"
#include "formula/packetequation.h"
#include "formula/status.h"
#include "formula/text.h"
#include "problem/reader.h"
#include "solver/lu.h"
#include "tutor/diagnosis.h"
#include "tutor/judge.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <set>
#include <utility>

namespace {

constexpr long double kRelativeTolerance = 1e-6L;
constexpr double kMaxCondition = 1e8;
constexpr double kRankFloor = 1e-8;
// A refused answer may agree with the reference, and an accepted one fail to
// be evaluated, at no more than one in this many points.
constexpr int kTolerableShare = 10;
// A refused answer's diagnosis is asked for at this many of the points where
// it is judged wrong, at most: each diagnosis tries a catalogue of mistakes at
// points of its own, which costs a long formula far more than a verdict.
constexpr int kDiagnosedPoints = 10;

// The check's own generator of points (splitmix64).
class PointDraws {
public:
    explicit PointDraws(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int between(int from, int to)
    {
        const auto span = static_cast<std::uint64_t>(std::int64_t(to) - from + 1);
        return static_cast<int>(from + std::int64_t(next() % span));
    }

private:
    std::uint64_t m_state;
};

// A number as decimal text without an exponent, which the engine reads back
// to double precision.
std::string decimalText(long double value)
{
    const double v = static_cast<double>(value);
    if (std::fabs(v) < 1e-30)
        return "0";
    const int before = std::max(1, static_cast<int>(std::floor(std::log10(std::fabs(v)))) + 1);
    const int precision = std::clamp(17 - before, 0, 40);
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, precision);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : "0";
}

// A short figure for a report.
std::string figure(long double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                      std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

// The names of the diagnoses (reader.h) are the mistakes in their order, then "message".
static_assert(kMistakeCount == 9 && static_cast<int>(Mistake::WrongFactor) == 8);
// The diagnosis a test names when a teacher's message is told.
constexpr char kMessageDiagnosis[] = "message";

std::string stepList(const std::vector<std::size_t>& steps)
{
    std::string out;
    for (std::size_t s : steps)
        out += (out.empty() ? "" : ", ") + std::to_string(s);
    return out;
}

struct Parsed {
    std::unique_ptr<TMyEquation> tree;
    FormulaMessage error = FormulaMessage::None;
    std::vector<std::string> errorArgs;
};

Parsed parseFormula(const std::string& text)
{
    Parsed parsed;
    const std::string normal = NormalizeEquation(text);
    if (normal.empty()) {
        parsed.error = MyStat.MessageId == FormulaMessage::None ? FormulaMessage::MissingOperand : MyStat.MessageId;
        parsed.errorArgs = MyStat.MessageArgs;
        return parsed;
    }
    try {
        parsed.tree = std::make_unique<TMyEquation>(normal);
    } catch (const FormulaError& e) {
        parsed.error = e.message();
        parsed.errorArgs = e.args();
    }
    return parsed;
}

void collectNames(const TMyEquation* node, std::vector<std::string>& names)
{
    for (; node; node = node->Next.get()) {
        if (node->Kind == NodeKind::Variable && std::find(names.begin(), names.end(), node->Text) == names.end())
            names.push_back(node->Text);
        collectNames(node->Child.get(), names);
    }
}

std::optional<long double> valueAt(const TMyEquation& tree, const TMyPacketData& table)
{
    try {
        clearStatus();
        const long double v = tree.Evaluate(table);
        if (!MyStat.Message.empty() || !std::isfinite(v))
            return std::nullopt;
        return v;
    } catch (const FormulaError&) {
        return std::nullopt;
    }
}

class Checker {
public:
    Checker(const Problem& problem, const CheckOptions& options, std::vector<ProblemDiagnostic>& out)
        : m_problem(problem), m_options(options), m_draws(options.seed), m_tutorPoints(~options.seed), m_out(out)
    {
        for (const ProblemVariable& v : m_problem.variables)
            if (!v.pi)
                m_randomNames.push_back(v.name);
    }

    void run()
    {
        for (std::size_t i = 0; i < m_problem.steps.size(); ++i) {
            const Translated& known = m_problem.steps[i].known;
            if (known.ru.empty() && known.en.empty())
                continue;
            report(known.at, Severity::Note, ProblemMessage::KnownCondition, {std::to_string(i)});
            m_out.back().givenRu = known.ru;
            m_out.back().givenEn = known.en;
        }
        parseAll();
        for (std::size_t i = 0; i < m_problem.steps.size(); ++i)
            runTests(i);
        mechanics();
    }

private:
    // What the equations or the expression of a step fail is an error, or a
    // note where the step names a condition its data do not keep.
    Severity mechanicsSeverity(std::size_t step) const
    {
        const Translated& known = m_problem.steps[step].known;
        return known.ru.empty() && known.en.empty() ? Severity::Error : Severity::Note;
    }

    void report(SourcePlace at, Severity severity, ProblemMessage message, std::vector<std::string> args,
                FormulaMessage engine = FormulaMessage::None, std::vector<std::string> engineArgs = {})
    {
        ProblemDiagnostic d = problemDiagnostic(at.line, at.column, message, std::move(args), severity);
        d.engine = engine;
        d.engineArgs = std::move(engineArgs);
        m_out.push_back(std::move(d));
    }

    // The variables as the dialogue defines them before a question: "~p" as
    // pi, then every other one with its own draw, in the order of the file.
    TMyPacketData point()
    {
        TMyPacketData table;
        table.AddVariable("~p", piDecimalText());
        for (const ProblemVariable& v : m_problem.variables)
            if (!v.pi)
                table.AddVariable(v.name, std::to_string(m_draws.between(v.from, v.to)));
        return table;
    }

    std::string describe(const TMyPacketData& table) const
    {
        std::string out;
        for (const ProblemVariable& v : m_problem.variables) {
            if (v.pi)
                continue;
            clearStatus();
            out += (out.empty() ? "" : ", ") + v.name + " = " + figure(table.GetVariable(v.name));
        }
        return out.empty() ? "—" : out;
    }

    // Parses the references and the teachers' formulas; every name they use
    // must be defined.
    void parseAll()
    {
        const TMyPacketData defined = point();
        const std::vector<std::string>& keys = defined.Names();
        for (std::size_t i = 0; i < m_problem.steps.size(); ++i) {
            const ProblemStep& step = m_problem.steps[i];
            std::vector<std::pair<std::string, SourcePlace>> formulas = {{step.reference, step.referenceAt}};
            for (const TeacherMessage& m : step.messages)
                formulas.emplace_back(m.when, m.at);
            for (std::size_t f = 0; f < formulas.size(); ++f) {
                Parsed parsed = parseFormula(formulas[f].first);
                if (!parsed.tree) {
                    report(formulas[f].second, Severity::Error, ProblemMessage::FormulaUnreadable,
                           {std::to_string(i), formulas[f].first}, parsed.error, parsed.errorArgs);
                    if (f == 0)
                        m_references.emplace_back();
                    continue;
                }
                std::vector<std::string> names;
                collectNames(parsed.tree.get(), names);
                for (const std::string& name : names) {
                    const std::string key = TMyPacketData::NormalizeName(name);
                    if (std::find(keys.begin(), keys.end(), key) == keys.end())
                        report(formulas[f].second, Severity::Error, ProblemMessage::UndefinedVariable,
                               {std::to_string(i), name});
                }
                if (f == 0)
                    m_references.push_back(std::move(parsed.tree));
            }
        }
    }

    // The verdict a student gets for `typed` at the step's point, through the
    // dialogue's judgement (a new point where the reference is undefined, the
    // confirmation of an equal verdict).  A copy of the point is judged.
    Verdict judged(const std::string& reference, const std::string& typed, const TMyPacketData& table)
    {
        TMyPacketEquation equation;
        TMyPacketData work = table;
        return judgeAnswer(equation, work, reference, typed, m_randomNames, m_tutorPoints);
    }

    // The diagnosis a student is told for a wrong answer: a teacher's message
    // whose `when` the answer equals, else the tutor's own diagnosis.
    std::string diagnosisAt(const ProblemStep& step, const std::string& typed, const TMyPacketData& table)
    {
        for (const TeacherMessage& m : step.messages)
            if (judged(m.when, typed, table) == Verdict::Equal)
                return kMessageDiagnosis;
        const Diagnosis d = diagnose(step.reference, typed, table, m_randomNames, m_tutorPoints);
        const auto i = static_cast<std::size_t>(d.mistake);
        return i < diagnosisNames().size() ? diagnosisNames()[i] : std::string();
    }

    void runTests(std::size_t index)
    {
        const ProblemStep& step = m_problem.steps[index];
        const TMyEquation* reference = m_references[index].get();
        if (!reference)
            return;
        const std::string stepName = std::to_string(index);
        const std::size_t accepts = step.accept.size();
        std::vector<bool> failed(accepts + step.refuse.size(), false);
        std::vector<int> agreed(step.refuse.size(), 0);
        std::vector<int> unjudged(accepts, 0);
        std::vector<std::string> firstUnjudged(accepts);
        // A refused answer's diagnosis: the points where it was told, those
        // where it was told otherwise, and the first of these.
        std::vector<int> diagnosed(step.refuse.size(), 0);
        std::vector<int> misdiagnosed(step.refuse.size(), 0);
        std::vector<std::pair<std::string, std::string>> firstMisdiagnosis(step.refuse.size());
        int counted = 0;
        for (int attempt = 0; attempt < 4 * m_options.testPoints && counted < m_options.testPoints; ++attempt) {
            const TMyPacketData table = point();
            if (!valueAt(*reference, table))
                continue;
            ++counted;
            for (std::size_t t = 0; t < failed.size(); ++t) {
                if (failed[t])
                    continue;
                const bool refused = t >= accepts;
                const AnswerTest& test = refused ? step.refuse[t - accepts] : step.accept[t];
                Verdict verdict = Verdict::None;
                try {
                    verdict = judged(step.reference, test.answer, table);
                } catch (const FormulaError& e) {
                    report(test.at, Severity::Error, ProblemMessage::AnswerUnjudged,
                           {stepName, test.answer, describe(table)}, e.message(), e.args());
                    failed[t] = true;
                    continue;
                }
                if (!refused && verdict == Verdict::CompareError) {
                    // The answer could not be evaluated at this point: the
                    // student is told of an input error, not of a mistake.
                    if (unjudged[t]++ == 0)
                        firstUnjudged[t] = describe(table);
                } else if (!refused && verdict != Verdict::Equal) {
                    report(test.at, Severity::Error, ProblemMessage::AcceptRefused,
                           {stepName, test.answer, describe(table)});
                    failed[t] = true;
                } else if (refused && verdict == Verdict::Equal) {
                    ++agreed[t - accepts];
                } else if (refused && verdict == Verdict::NotEqual && !test.diagnosis.empty()
                           && diagnosed[t - accepts] < kDiagnosedPoints) {
                    const std::size_t r = t - accepts;
                    ++diagnosed[r];
                    const std::string told = diagnosisAt(step, test.answer, table);
                    if (told != test.diagnosis && misdiagnosed[r]++ == 0)
                        firstMisdiagnosis[r] = {told, describe(table)};
                }
            }
        }
        if (counted == 0) {
            report(step.referenceAt, Severity::Error, ProblemMessage::ReferenceNeverDefined,
                   {stepName, step.reference});
            return;
        }
        for (std::size_t a = 0; a < accepts; ++a)
            if (!failed[a] && unjudged[a] * kTolerableShare > counted)
                report(step.accept[a].at, Severity::Error, ProblemMessage::AcceptNotEvaluated,
                       {stepName, step.accept[a].answer, std::to_string(unjudged[a]), std::to_string(counted),
                        firstUnjudged[a]});
        for (std::size_t r = 0; r < step.refuse.size(); ++r) {
            if (failed[accepts + r])
                continue;
            if (agreed[r] * kTolerableShare > counted)
                report(step.refuse[r].at, Severity::Error, ProblemMessage::RefuseAccepted,
                       {stepName, step.refuse[r].answer, std::to_string(agreed[r]), std::to_string(counted)});
            // A diagnosis found by chance at a few points is no fault of the file.
            if (misdiagnosed[r] * kTolerableShare > diagnosed[r])
                report(step.refuse[r].at, Severity::Error, ProblemMessage::DiagnosisMismatch,
                       {stepName, step.refuse[r].answer, firstMisdiagnosis[r].first, step.refuse[r].diagnosis,
                        std::to_string(misdiagnosed[r]), std::to_string(diagnosed[r]), firstMisdiagnosis[r].second});
        }
    }

    // The value of a step's reference with the unknowns set to `u`.
    std::optional<long double> valueWith(std::size_t step, TMyPacketData table, const std::vector<long double>& u)
    {
        for (std::size_t j = 0; j < u.size(); ++j)
            table.SetVariable(m_problem.unknowns[j], decimalText(u[j]));
        return valueAt(*m_references[step], table);
    }

    void mechanics()
    {
        const std::size_t k = m_problem.unknowns.size();
        const SourcePlace unknownsAt = m_problem.unknownsAt.empty() ? SourcePlace{} : m_problem.unknownsAt.front();
        for (std::size_t i = 0; i < m_problem.steps.size(); ++i) {
            const ProblemStep& step = m_problem.steps[i];
            if (!step.countsUnknowns || !m_references[i])
                continue;
            const TMyPacketData table = point();
            const auto v = valueAt(*m_references[i], table);
            if (!v || std::fabs(*v - static_cast<long double>(k)) > 1e-9L)
                report(step.referenceAt, Severity::Error, ProblemMessage::CountMismatch,
                       {std::to_string(i), v ? figure(*v) : step.reference, std::to_string(k)});
        }
        if (k == 0)
            return;
        std::vector<std::size_t> equations;
        for (std::size_t i = 0; i < m_problem.steps.size(); ++i) {
            const StepKind kind = m_problem.steps[i].kind;
            if ((kind == StepKind::Projection || kind == StepKind::Moment) && m_references[i])
                equations.push_back(i);
        }
        if (equations.size() < k) {
            report(unknownsAt, Severity::Note, ProblemMessage::TooFewEquations,
                   {std::to_string(equations.size()), std::to_string(k)});
            return;
        }
        int solved = 0;
        for (int attempt = 0; attempt < 40 * m_options.mechanicsPoints && solved < m_options.mechanicsPoints;
             ++attempt) {
            const TMyPacketData table = point();
            if (solveAt(table, equations))
                ++solved;
            if (m_nonLinear)
                return;
        }
        if (solved == 0)
            report(unknownsAt, Severity::Error, ProblemMessage::NoWellConditionedSystem, {stepList(equations)});
    }

    // The coefficients of the equations at one point, a well-conditioned
    // square subset solved, the rest of the steps checked at the solution.
    // False when the point does not serve (a value undefined, a system
    // singular or ill-conditioned there).
    bool solveAt(const TMyPacketData& table, const std::vector<std::size_t>& equations)
    {
        const std::size_t k = m_problem.unknowns.size();
        const std::size_t m = equations.size();
        std::vector<long double> c0(m);
        std::vector<std::vector<long double>> c(m, std::vector<long double>(k));
        std::vector<long double> u(k, 0);
        std::vector<long double> probe(k);
        for (std::size_t j = 0; j < k; ++j)
            probe[j] = m_draws.between(1, 99);
        for (std::size_t e = 0; e < m; ++e) {
            const auto zero = valueWith(equations[e], table, u);
            if (!zero)
                return false;
            c0[e] = *zero;
            for (std::size_t j = 0; j < k; ++j) {
                u[j] = 1;
                const auto unit = valueWith(equations[e], table, u);
                u[j] = 0;
                if (!unit)
                    return false;
                c[e][j] = *unit - c0[e];
            }
            // Differences at the level of rounding are no coefficients.
            long double size = std::fabs(c0[e]);
            for (long double x : c[e])
                size += std::fabs(x);
            for (long double& x : c[e])
                if (std::fabs(x) <= 1e-13L * size)
                    x = 0;
            const auto atProbe = valueWith(equations[e], table, probe);
            if (!atProbe)
                return false;
            long double linear = c0[e], magnitude = std::fabs(c0[e]) + std::fabs(*atProbe);
            for (std::size_t j = 0; j < k; ++j) {
                linear += c[e][j] * probe[j];
                magnitude += std::fabs(c[e][j] * probe[j]);
            }
            if (std::fabs(linear - *atProbe) > kRelativeTolerance * std::max(1.0L, magnitude)) {
                report(m_problem.steps[equations[e]].referenceAt, Severity::Error, ProblemMessage::NotLinear,
                       {std::to_string(equations[e])});
                m_nonLinear = true;
                return false;
            }
        }

        // Greedy choice of k rows, each the one farthest from the span of the
        // rows chosen before it (the rows scaled to a largest entry of 1).
        std::vector<std::vector<long double>> rest(m);
        for (std::size_t e = 0; e < m; ++e) {
            long double largest = 0;
            for (long double x : c[e])
                largest = std::max(largest, std::fabs(x));
            rest[e] = c[e];
            for (long double& x : rest[e])
                x = largest > 0 ? x / largest : 0;
        }
        std::vector<std::size_t> chosen;
        for (std::size_t r = 0; r < k; ++r) {
            std::size_t best = m;
            long double bestNorm = kRankFloor;
            for (std::size_t e = 0; e < m; ++e) {
                if (std::find(chosen.begin(), chosen.end(), e) != chosen.end())
                    continue;
                long double norm = 0;
                for (long double x : rest[e])
                    norm += x * x;
                norm = std::sqrt(norm);
                if (norm > bestNorm) {
                    bestNorm = norm;
                    best = e;
                }
            }
            if (best == m)
                return false;
            chosen.push_back(best);
            std::vector<long double> q = rest[best];
            for (long double& x : q)
                x /= bestNorm;
            for (std::size_t e = 0; e < m; ++e) {
                long double dot = 0;
                for (std::size_t j = 0; j < k; ++j)
                    dot += rest[e][j] * q[j];
                for (std::size_t j = 0; j < k; ++j)
                    rest[e][j] -= dot * q[j];
            }
        }
        std::sort(chosen.begin(), chosen.end());

        const int n = static_cast<int>(k);
        std::vector<double> a(k * k), lu(k * k), b(k), x(k), scale(k);
        std::vector<int> exchange(k);
        for (std::size_t r = 0; r < k; ++r) {
            long double largest = 0;
            for (long double v : c[chosen[r]])
                largest = std::max(largest, std::fabs(v));
            for (std::size_t j = 0; j < k; ++j)
                a[r * k + j] = static_cast<double>(c[chosen[r]][j] / largest);
            b[r] = static_cast<double>(-c0[chosen[r]] / largest);
        }
        int singular = 0;
        DecomposeLU(a.data(), n, lu.data(), exchange.data(), scale.data(), singular);
        if (singular)
            return false;
        // Row-scaled condition number in the infinity norm, from the inverse.
        double inverseNorm = 0;
        std::vector<double> rowSums(k, 0), unit(k), column(k);
        for (std::size_t j = 0; j < k; ++j) {
            std::fill(unit.begin(), unit.end(), 0.0);
            unit[j] = 1;
            SolveLU(lu.data(), exchange.data(), n, unit.data(), column.data());
            for (std::size_t r = 0; r < k; ++r)
                rowSums[r] += std::fabs(column[r]);
        }
        for (double s : rowSums)
            inverseNorm = std::max(inverseNorm, s);
        double norm = 0;
        for (std::size_t r = 0; r < k; ++r) {
            double s = 0;
            for (std::size_t j = 0; j < k; ++j)
                s += std::fabs(a[r * k + j]);
            norm = std::max(norm, s);
        }
        if (!std::isfinite(inverseNorm) || norm * inverseNorm > kMaxCondition)
            return false;
        SolveLU(lu.data(), exchange.data(), n, b.data(), x.data());
        if (!allFinite(x.data(), n))
            return false;
        const std::vector<long double> solution(x.begin(), x.end());

        std::vector<std::size_t> chosenSteps;
        for (std::size_t r : chosen)
            chosenSteps.push_back(equations[r]);
        for (std::size_t e = 0; e < m; ++e) {
            if (std::find(chosen.begin(), chosen.end(), e) != chosen.end() || m_reported.count(equations[e]))
                continue;
            const auto residual = valueWith(equations[e], table, solution);
            if (!residual)
                continue;
            long double magnitude = std::fabs(c0[e]);
            for (std::size_t j = 0; j < k; ++j)
                magnitude += std::fabs(c[e][j] * solution[j]);
            if (std::fabs(*residual) > kRelativeTolerance * std::max(1.0L, magnitude)) {
                m_reported.insert(equations[e]);
                report(m_problem.steps[equations[e]].referenceAt, mechanicsSeverity(equations[e]),
                       ProblemMessage::EquationNotSatisfied,
                       {std::to_string(equations[e]), stepList(chosenSteps), figure(*residual), describe(table)});
            }
        }
        for (std::size_t i = 0; i < m_problem.steps.size(); ++i) {
            const ProblemStep& step = m_problem.steps[i];
            if (step.kind != StepKind::Expression || step.unknown.empty() || !m_references[i] || m_reported.count(i))
                continue;
            const auto j = static_cast<std::size_t>(
                std::find(m_problem.unknowns.begin(), m_problem.unknowns.end(), step.unknown)
                - m_problem.unknowns.begin());
            if (j >= k)
                continue;
            const auto value = valueWith(i, table, solution);
            if (!value)
                continue;
            if (std::fabs(*value - solution[j]) > kRelativeTolerance * std::max(1.0L, std::fabs(solution[j]))) {
                m_reported.insert(i);
                report(step.referenceAt, mechanicsSeverity(i), ProblemMessage::ExpressionMismatch,
                       {std::to_string(i), step.unknown, figure(*value), figure(solution[j]), describe(table)});
            }
        }
        return true;
    }

    const Problem& m_problem;
    const CheckOptions& m_options;
    PointDraws m_draws;
    PointGenerator m_tutorPoints;   // the tutor's draws: new points, confirmation, diagnosis
    std::vector<std::string> m_randomNames;
    std::vector<ProblemDiagnostic>& m_out;
    std::vector<std::unique_ptr<TMyEquation>> m_references;   // one per step, null when unreadable
    std::set<std::size_t> m_reported;
    bool m_nonLinear = false;
};

void sortByPlace(std::vector<ProblemDiagnostic>& diagnostics)
{
    std::stable_sort(diagnostics.begin(), diagnostics.end(), [](const ProblemDiagnostic& a, const ProblemDiagnostic& b) {
        const auto key = [](const ProblemDiagnostic& d) {
            return std::pair(d.line == 0 ? std::numeric_limits<int>::max() : d.line, d.column);
        };
        return key(a) < key(b);
    });
}

} // namespace

std::vector<ProblemDiagnostic> checkProblem(const Problem& problem, const CheckOptions& options)
{
    const TMyStat saved = MyStat;
    std::vector<ProblemDiagnostic> out;
    Checker(problem, options, out).run();
    MyStat = saved;
    sortByPlace(out);
    return out;
}

namespace {
std::vector<ProblemDiagnostic> checkReading(ProblemReading reading, const CheckOptions& options)
{
    if (hasErrors(reading.diagnostics))
        return reading.diagnostics;
    std::vector<ProblemDiagnostic> checked = checkProblem(reading.problem, options);
    if (options.measure) {
        std::vector<ProblemDiagnostic> measured = options.measure(reading.problem);
        checked.insert(checked.end(), measured.begin(), measured.end());
    }
    reading.diagnostics.insert(reading.diagnostics.end(), checked.begin(), checked.end());
    sortByPlace(reading.diagnostics);
    return reading.diagnostics;
}
} // namespace

std::vector<ProblemDiagnostic> checkProblemText(std::string_view text, const CheckOptions& options)
{
    return checkReading(readProblem(text), options);
}

std::vector<ProblemDiagnostic> checkProblemFile(const std::string& path, const CheckOptions& options)
{
    return checkReading(readProblemFile(path), options);
}
