#pragma once
// Clean-up and classification of formula text (UTF-8; the operators, digits
// and level markers "!" subscript, "#" superscript or power, "@" back to the
// line are ASCII).
#include <cstdint>
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
std::string TidyLevelMarkers(std::string_view text);
std::u16string TidyLevelMarkers(std::u16string_view text);

// "" gives 0; one trailing "@" is dropped; a number text is read with "." or
// "," as the decimal separator whatever the process locale; any other text
// gives 0.  A number text that is not a well-formed decimal number throws
// NumberFormatError.
long double StrToNumber(std::string_view text);

// 0 cos, 1 sin, 2 tan, 3 cotan/ctan, 4 log, 5 ln, 6 exp, 7 abs, 8 sqrt,
// 10 up; any other name (case-insensitive match) gives 9.
std::uint8_t FunctionCode(std::string_view name);

// The longest formula text the engine examines, in bytes, and the deepest
// bracket nesting it parses; beyond them a FormulaParseError is thrown.
inline constexpr std::size_t kMaxFormulaLength = 20000;
inline constexpr int kMaxBracketDepth = 1000;
