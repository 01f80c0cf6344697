#pragma once
// The judgement of a typed answer against the step's reference: the engine's
// comparison at the step's point, a new point where the reference itself is
// undefined there, and the confirmation of an equal verdict at further points
// of the step's variables (integers 0 to 99, "~p" stays pi) drawn from a
// generator of the dialogue's own, so the process-wide generator is never
// touched.
#include <cstdint>
#include <string>
#include <vector>

class TMyEquation;
class TMyPacketData;
class TMyPacketEquation;

// The dialogue's own generator of points (splitmix64).  A fresh one takes its
// seed from the seed source of the shared generator when one is set, so that
// a seeded run replays (freshSeed, formula/random.h).
class PointGenerator {
public:
    PointGenerator();
    explicit PointGenerator(std::uint64_t seed) : m_state(seed) {}
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

// The tree can be evaluated at the point with no guard of the engine firing
// on the way (a division by 0, a tangent at a right angle), also where a
// variable read after it has cleared the engine's record of the error.
bool definedThroughout(const TMyEquation& tree, const TMyPacketData& table);

// Draws fresh points of the step's variables into `table`, from `generator`,
// until the reference is defined there (definedThroughout), at most kRedrawLimit times.
// True when the table then holds such a point.  MyStat is left as it was.
bool redrawWhereUndefined(const TMyEquation& reference, TMyPacketData& table,
                          const std::vector<std::string>& randomNames, PointGenerator& generator);

enum class Verdict { Equal, NotEqual, CompareError, Empty, None };

// Loads the reference into the formula object and compares the typed text
// with it over the table.  A comparison error or difference at a point where
// the reference itself is not defined is no fault of the answer: the step's point is
// drawn again (redrawWhereUndefined) and the answer judged there.  An equal
// verdict stands only when the typed text also agrees at further points of
// the step's random variables, drawn from `points`; otherwise the answer is
// wrong.  Exceptions of the engine pass through (no verdict).
Verdict judgeAnswer(TMyPacketEquation& equation, TMyPacketData& table, const std::string& reference,
                    const std::string& typed, const std::vector<std::string>& randomNames, PointGenerator& points);
