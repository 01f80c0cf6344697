#pragma once
// A formula's top-level summands and the factors of a summand, read from the
// engine's parse tree, and written back in the equation notation.
#include <string>
#include <string_view>
#include <vector>

class TMyEquation;

// One top-level summand of a formula: its text without the sign.
struct Term {
    bool negative = false;
    std::string text;
};

// One factor of a summand: its text, and whether it divides.
struct Factor {
    bool divides = false;
    std::string text;
};

// A chain of the parse tree written in the notation, brackets where the tree
// needs them, blanks dropped: "F-R!B@*sin(~a)".
std::string formulaText(const TMyEquation& chain);

// Every proper beginning of every chain of the tree, written in the notation:
// for "G*(b-a)/(2*b-a)*tan(~a)" among others "G*(b-a)" and "G*(b-a)/(2*b-a)".
std::vector<std::string> partialFormulas(const TMyEquation& tree);

// The top-level summands of a formula text in the notation (none when it
// does not parse); the "0" the engine puts before a leading minus is left out.
std::vector<Term> splitTerms(std::string_view formula);
// The summands of a reference with the zero prefixes ("1-1+", "2-2+",
// "0+2-2+") left out: number terms that add up to zero, when other terms
// remain or all of them are numbers whose sum is 0 (then one term "0" is left).
std::vector<Term> referenceTerms(std::string_view reference);
// Terms written back as one formula: "F-R!B@*sin(~a)".
std::string joinTerms(const std::vector<Term>& terms);
// The term with its sign in front when it is negative.
std::string signedTerm(const Term& term);
// The multiplicative factors of a term's text: "R!B@*(2*b-a)/c" gives R!B@,
// (2*b-a) and, dividing, c.
std::vector<Factor> factorsOf(std::string_view term);
// A term made only of numbers.
bool isNumberTerm(const Term& term);
