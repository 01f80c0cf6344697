#pragma once
// The tutor behind the exercise dialogue, in plain C++ over the formula
// engine: the confirmation of a formula the engine has found equal to the
// reference at the step's point, and the diagnosis of a wrong formula.  Both
// evaluate at fresh points of the step's variables (integers 0 to 99, "~p"
// stays pi) drawn from a generator of their own, so the process-wide
// generator is never touched.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TMyEquation;
class TMyPacketData;
class TMyPacketEquation;

// The dialogue's own generator of points (splitmix64); seedable for tests.
class PointGenerator {
public:
    explicit PointGenerator(std::uint64_t seed = 0) : m_state(seed) {}
    void seed(std::uint64_t seed) { m_state = seed; }
    std::uint64_t next();
    // An integer 0 to 99.
    int below100() { return static_cast<int>(next() % 100u); }

private:
    std::uint64_t m_state;
};

// Further points a formula must pass after the step's own one before it is
// praised.  A mistake that agrees with the reference at a random point with
// probability p is accepted with probability p^(1 + kConfirmationPoints): with
// 7 points in all, below one in a million for every p under 13.9 %, while the
// typical mistakes of the scripts agree at 3.6 % of the points at worst.
inline constexpr int kConfirmationPoints = 6;

// Judges `typed` against the reference tree at `points` further points, each
// a fresh draw of every name of `randomNames` into a copy of `table`.  A point
// at which either formula cannot be evaluated does not count (at most
// 4 * points are tried).  False when a counted point differs by MyStat.Epsilon
// or more.  MyStat is left as it was; nothing escapes but std::bad_alloc.
bool confirmAtMorePoints(const TMyEquation& reference, const std::string& typed, const TMyPacketData& table,
                         const std::vector<std::string>& randomNames, PointGenerator& generator,
                         int points = kConfirmationPoints);

// Points drawn at most, one after another, for a step whose point leaves the
// reference undefined (a length 0 under a division, say).  Where a twentieth
// of the points is undefined, all of them are with a chance of 1e-42.
inline constexpr int kRedrawLimit = 32;

// Draws fresh points of the step's variables into `table`, from `generator`,
// until the reference can be evaluated there, at most kRedrawLimit times.
// True when the table then holds such a point.  MyStat is left as it was.
bool redrawWhereUndefined(const TMyEquation& reference, TMyPacketData& table,
                          const std::vector<std::string>& randomNames, PointGenerator& generator);

enum class Verdict { Equal, NotEqual, CompareError, Empty, None };

// Loads the reference into the formula object and compares the typed text
// with it over the table.  A comparison error at a point where the reference
// itself cannot be evaluated is no error of the answer: the step's point is
// drawn again (redrawWhereUndefined) and the answer judged there.  An equal
// verdict stands only when the typed text also agrees at further points of
// the step's random variables, drawn from `points`; otherwise the answer is
// wrong.  Exceptions of the engine pass through (no verdict).
Verdict judgeAnswer(TMyPacketEquation& equation, TMyPacketData& table, const std::string& reference,
                    const std::string& typed, const std::vector<std::string>& randomNames, PointGenerator& points);

// One top-level summand of a formula: its text without the sign.
struct Term {
    bool negative = false;
    std::string text;
};

// The top-level summands of a formula text in the notation; blanks dropped.
std::vector<Term> splitTerms(std::string_view formula);
// The summands of a reference with the zero prefixes ("1-1+", "2-2+",
// "0+2-2+") left out: number terms that add up to zero, when other terms
// remain or all of them are numbers whose sum is 0 (then one term "0" is left).
std::vector<Term> referenceTerms(std::string_view reference);
// Terms written back as one formula: "F-R!B@*sin(~a)".
std::string joinTerms(const std::vector<Term>& terms);
// The term with its sign in front when it is negative.
std::string signedTerm(const Term& term);

enum class QuestionKind { Number, YesNo, Projection, Moment, Expression, Angle };
// By the reference (Y or N, a number) and the question's own words: a question
// that asks for an angle is one whatever its answer looks like.
QuestionKind classifyQuestion(std::string_view question, std::string_view reference);

enum class Mistake {
    Unknown,           // nothing of the catalogue fits: the general advice
    YesNoReversed,
    WrongNumber,
    AllSignsReversed,
    TermSign,
    TermMissing,
    TermExtra,
    FunctionsSwapped,  // sin and cos, or tan and cotan, in one term
    WrongFactor,
};

struct Diagnosis {
    Mistake mistake = Mistake::Unknown;
    std::string term;    // the term concerned, in the notation ("" where none)
    std::string number;  // WrongNumber: the typed number as the student wrote it
};

// The first mistake of the catalogue that explains `typed` against the
// reference at several points of the step's variables; Unknown when none
// does, or when the two formulas agree.
Diagnosis diagnose(std::string_view reference, std::string_view typed, const TMyPacketData& table,
                   const std::vector<std::string>& randomNames, PointGenerator& generator);
