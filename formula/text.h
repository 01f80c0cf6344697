#pragma once
// Clean-up and classification of formula text (UTF-8; the operators, digits
// and level markers "!" subscript, "#" superscript or power, "@" back to the
// line are ASCII).
#include <cstdint>
#include <numbers>
#include <string>
#include <string_view>

// Clears MyStat, checks the bracket counts (a surplus of either kind records
// Code 4 with its message and gives ""), removes every blank and tidies the
// level markers until nothing changes: of two adjacent markers the first is
// dropped, a marker repeating the current level is dropped.
std::string NormalizeEquation(std::string_view text);

// True if the text, less one trailing "@", holds only 0-9 "." "," "-"
// (the empty text included).
bool IsNumberText(std::string_view text);

// The clean-up of the three level markers "!", "#" and "@", shared by the
// engine and the equation control: of adjacent level markers the last one
// wins, and a marker that repeats the level already in effect (the base line
// "@" at the start) is dropped.  "~" and every other character are kept.  The
// result equals repeating, until nothing changes, "delete the first character
// of the first adjacent pair of different markers, pair kinds in the order !@
// !# @! @# #! #@" and then "drop every marker repeating the current level";
// it is computed in one pass.
std::string tidyLevelMarkers(std::string_view text);
std::u16string tidyLevelMarkers(std::u16string_view text);

// "" gives 0; one trailing "@" is dropped; a number text is read with "." or
// "," as the decimal separator whatever the process locale; any other text
// gives 0.  A number text that is not a well-formed decimal number throws
// NumberFormatError.
long double StrToNumber(std::string_view text);

// Reads a whole text as a decimal number: an optional sign, digits with at
// most one ".", and an optional exponent ("e" or "E", an optional sign,
// digits).  The decimal separator is "." whatever the process locale.  The
// value is the correctly rounded one; beyond the type's range it is the
// infinity of its sign, below it zero or the subnormal value, as the C
// library's conversion gives.  False when the text is not wholly such a
// number.
bool readDecimalNumber(std::string_view text, double& value);
bool readDecimalNumber(std::string_view text, long double& value);
// The same reading through the C library's strtod and strtold, whatever the
// process locale, for standard libraries whose std::from_chars lacks a
// floating type or reads it short (the build then uses it for
// readDecimalNumber of that type); it gives the same values.
bool readDecimalNumberThroughCLibrary(std::string_view text, double& value);
bool readDecimalNumberThroughCLibrary(std::string_view text, long double& value);

// The functions of a formula by their codes.
enum class FunctionId : std::uint8_t {
    Cos = 0,
    Sin = 1,
    Tan = 2,
    Cotan = 3, // "cotan", "ctan"
    Log = 4,
    Ln = 5,
    Exp = 6,
    Abs = 7,
    Sqrt = 8,
    None = 9, // not a function
    Up = 10,  // a call that applies nothing
};

// The function a name calls (case-insensitive match); any other name,
// the empty one included, gives FunctionId::None.
FunctionId functionOf(std::string_view name);
// functionOf as its code: 0 cos ... 8 sqrt, 9 none, 10 up.
std::uint8_t FunctionCode(std::string_view name);

// pi: the text the variable table holds, and the double nearest to it
// (3.141592653589793), which the engine's tangent guard and the control's
// evaluator use.
inline constexpr char kPiText[] = "3.1415926535897932384626433832795";
inline constexpr double kPi = std::numbers::pi;

// The longest formula text the engine examines, in bytes, and the deepest
// bracket nesting it parses; beyond them a FormulaParseError is thrown.
inline constexpr std::size_t kMaxFormulaLength = 20000;
inline constexpr int kMaxBracketDepth = 1000;
