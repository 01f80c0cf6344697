#pragma once
// What the tutor's judgements share: the value of a formula at a point as the
// comparison takes it, the difference the comparison counts, fresh points of
// a step's variables and the status record kept as it was.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formula/status.h"

class TMyEquation;
class TMyPacketData;
class PointGenerator;

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

// The value of a chain over a table, or nothing where it cannot be evaluated
// (an error recorded, an exception, a not-a-number).  Leaves MyStat.Message set.
std::optional<double> valueAt(const TMyEquation& tree, const TMyPacketData& data);

// Whether a formula is defined at a point.  The engine's record of an error
// is cleared by a variable read after it, so that "G*(b-a)/(2*b-a)*tan(~a)"
// at a = 2b gives a value and no error: every beginning of every chain of the
// tree is evaluated on its own too.
class DefinedCheck {
public:
    explicit DefinedCheck(const TMyEquation& tree);
    ~DefinedCheck();
    DefinedCheck(const DefinedCheck&) = delete;
    DefinedCheck& operator=(const DefinedCheck&) = delete;
    // The tree's value where it and every beginning can be evaluated.
    std::optional<double> valueAt(const TMyPacketData& data) const;

private:
    const TMyEquation& m_tree;
    std::vector<std::unique_ptr<TMyEquation>> m_partials;
};

// The differences the comparison counts: at least epsilon, or infinite on one side.
bool differ(double a, double b);

// Every name of `names` given a fresh integer 0 to 99 from the generator.
void drawPoint(TMyPacketData& data, const std::vector<std::string>& names, PointGenerator& generator);

// The parse tree of a formula text in the notation; null when it has none.
std::unique_ptr<TMyEquation> parseFormula(std::string_view text);
