#pragma once
// The diagnosis of a wrong answer: which mistake of a small catalogue turns
// the reference into what the student typed, judged at several points of the
// step's variables.
#include <string>
#include <string_view>
#include <vector>

class PointGenerator;
class TMyPacketData;

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
inline constexpr int kMistakeCount = 9;

struct Diagnosis {
    Mistake mistake = Mistake::Unknown;
    std::string term;    // the term concerned, in the notation ("" where none)
    std::string number;  // WrongNumber: the typed number as the student wrote it
};

// The first mistake of the catalogue that explains `typed` against the
// reference at several points of the step's variables; Unknown when none
// does, or when the two formulas agree.  MyStat is left as it was.
Diagnosis diagnose(std::string_view reference, std::string_view typed, const TMyPacketData& table,
                   const std::vector<std::string>& randomNames, PointGenerator& generator);
