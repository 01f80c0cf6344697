#include "formula/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>

#include "formula/errors.h"
#include "formula/status.h"

namespace {

template <typename Char>
bool isMarker(Char c)
{
    return c == Char('!') || c == Char('#') || c == Char('@');
}

// Every run of adjacent level markers ends as its last marker: a pair kind
// deletes the first marker of a pair, so the last one of a run is never
// deleted, and the pairs stop only when the run is made of one marker.  The
// level pass then keeps one of it unless it repeats the level set by the run
// before (the base line at the start); what is kept is a fixed point.
template <typename Char>
std::basic_string<Char> tidyMarkersOf(std::basic_string_view<Char> text)
{
    std::basic_string<Char> out;
    out.reserve(text.size());
    Char level = Char('@');
    for (std::size_t k = 0; k < text.size();) {
        if (!isMarker(text[k])) {
            out.push_back(text[k++]);
            continue;
        }
        while (k + 1 < text.size() && isMarker(text[k + 1]))
            ++k;
        if (text[k] != level)
            out.push_back(text[k]);
        level = text[k];
        ++k;
    }
    return out;
}

// The exponent written from t[at] on ("e", an optional sign, digits), held
// within a trillion either way; 0 when nothing is written there.
long long writtenExponent(std::string_view t, std::size_t at)
{
    if (at >= t.size())
        return 0;
    std::size_t i = at + 1;
    const bool negative = i < t.size() && t[i] == '-';
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    long long written = 0;
    for (; i < t.size(); ++i)
        written = std::min(written * 10 + (t[i] - '0'), 1000000000000LL);
    return negative ? -written : written;
}

// The C library's conversion (strtod, strtold) of a text of the decimal syntax
// below, correctly rounded; beyond the range the infinity of the text's sign,
// below it zero or a subnormal value.  The text is written again without a
// decimal point, as digits and a decimal exponent: the decimal point is the
// one part of the syntax a locale changes, so no locale can read it
// differently.
template <typename Float>
Float pointFreeValue(std::string_view t)
{
    std::string digits;
    long long exponent = 0;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        digits += t[i++];
    bool afterPoint = false;
    for (; i < t.size() && t[i] != 'e' && t[i] != 'E'; ++i) {
        if (t[i] == '.') {
            afterPoint = true;
            continue;
        }
        digits += t[i];
        if (afterPoint)
            --exponent;
    }
    exponent += writtenExponent(t, i);
    digits += 'e';
    digits += std::to_string(exponent);
    if constexpr (std::is_same_v<Float, double>)
        return std::strtod(digits.c_str(), nullptr);
    else
        return std::strtold(digits.c_str(), nullptr);
}

// Optional sign, digits with at most one point and at least one digit, then
// an optional exponent with at least one digit: the syntax the conversion
// accepts as a whole text.
bool decimalSyntax(std::string_view t)
{
    std::size_t i = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
    bool digit = false;
    bool point = false;
    for (; i < t.size() && t[i] != 'e' && t[i] != 'E'; ++i) {
        if (t[i] >= '0' && t[i] <= '9')
            digit = true;
        else if (t[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    if (!digit)
        return false;
    if (i == t.size())
        return true;
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    if (i == t.size())
        return false;
    for (; i < t.size(); ++i)
        if (t[i] < '0' || t[i] > '9')
            return false;
    return true;
}

template <typename Float>
bool readThroughCLibrary(std::string_view text, Float& value)
{
    if (!decimalSyntax(text))
        return false;
    const Float parsed = pointFreeValue<Float>(text);
    // Overflow gives HUGE_VAL, the infinity of the text's sign.
    value = std::isinf(parsed) ? std::copysign(std::numeric_limits<Float>::infinity(), parsed) : parsed;
    return true;
}

#if defined(VEKTUM_HAVE_DOUBLE_FROM_CHARS) || defined(VEKTUM_HAVE_LONG_DOUBLE_FROM_CHARS)
// Of a text the conversion found out of range: true when its magnitude is
// below 1 (it underflowed), false when it is at least 1 (it overflowed).
bool belowOne(std::string_view t)
{
    std::size_t i = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
    long long integerDigits = 0;    // from the first non-zero one
    long long zerosAfterPoint = 0;  // before the first non-zero digit
    bool nonZero = false;
    bool afterPoint = false;
    for (; i < t.size() && t[i] != 'e' && t[i] != 'E'; ++i) {
        const char c = t[i];
        if (c == '.') {
            afterPoint = true;
        } else if (!afterPoint) {
            if (nonZero || c != '0') {
                nonZero = true;
                ++integerDigits;
            }
        } else if (!nonZero) {
            if (c == '0')
                ++zerosAfterPoint;
            else
                nonZero = true;
        }
    }
    if (!nonZero)
        return true;
    const long long exponent = writtenExponent(t, i);
    const long long order = integerDigits > 0 ? integerDigits - 1 : -(zerosAfterPoint + 1);
    return order + exponent < 0;
}

template <typename Float>
bool readThroughFromChars(std::string_view text, Float& value)
{
    if (!decimalSyntax(text))
        return false;
    // The conversion takes no "+" in front.
    const std::string_view unsigned_ = (text[0] == '+') ? text.substr(1) : text;
    Float parsed = 0;
    const auto result = std::from_chars(unsigned_.data(), unsigned_.data() + unsigned_.size(), parsed);
    if (result.ptr != unsigned_.data() + unsigned_.size())
        return false;
    if (result.ec == std::errc::result_out_of_range) {
        const bool negative = text[0] == '-';
        if (!belowOne(text))
            parsed = negative ? -std::numeric_limits<Float>::infinity() : std::numeric_limits<Float>::infinity();
        else
            parsed = pointFreeValue<Float>(text);
    } else if (result.ec != std::errc()) {
        return false;
    }
    value = parsed;
    return true;
}

#endif

[[noreturn]] void notANumber(std::string_view text)
{
    throw NumberFormatError(FormulaMessage::NotANumber, {std::string(text)});
}

} // namespace

std::string NormalizeEquation(std::string_view text)
{
    clearStatus();
    long depth = 0;
    for (const char c : text) {
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
    }
    if (depth != 0) {
        setError(4, depth > 0 ? FormulaMessage::MissingClosingBracket : FormulaMessage::MissingOpeningBracket);
        return {};
    }
    std::string s;
    s.reserve(text.size());
    bool markers = false;
    for (const char c : text) {
        if (c != ' ')
            s.push_back(c);
        markers = markers || isMarker(c);
    }
    if (!markers)
        return s;
    return tidyLevelMarkers(s);
}

std::string tidyLevelMarkers(std::string_view text)
{
    return tidyMarkersOf(text);
}

std::u16string tidyLevelMarkers(std::u16string_view text)
{
    return tidyMarkersOf(text);
}

bool IsNumberText(std::string_view text)
{
    if (!text.empty() && text.back() == '@')
        text.remove_suffix(1);
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == ',' || c == '-'))
            return false;
    }
    return true;
}

long double StrToNumber(std::string_view text)
{
    if (!text.empty() && text.back() == '@')
        text.remove_suffix(1);
    if (text.empty() || !IsNumberText(text))
        return 0;
    // [-] digits [separator digits], at least one digit; "." and "," are the
    // same separator.
    std::string c;
    c.reserve(text.size());
    std::size_t i = 0;
    if (text[0] == '-') {
        c.push_back('-');
        i = 1;
    }
    bool digits = false;
    bool separator = false;
    for (; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            digits = true;
            c.push_back(ch);
        } else if ((ch == '.' || ch == ',') && !separator) {
            separator = true;
            c.push_back('.');
        } else {
            notANumber(text);
        }
    }
    if (!digits)
        notANumber(text);
    long double value = 0;
    if (!readDecimalNumber(c, value))
        notANumber(text);
    if (std::isinf(value))
        throw NumberFormatError(FormulaMessage::NumberTooLarge, {std::string(text)});
    return value;
}

FunctionId functionOf(std::string_view name)
{
    if (name.size() > 5)
        return FunctionId::None;
    char lower[6] = {};
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        lower[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    const std::string_view n(lower, name.size());
    static constexpr std::pair<std::string_view, FunctionId> names[] = {
        {"cos", FunctionId::Cos}, {"sin", FunctionId::Sin},   {"tan", FunctionId::Tan},
        {"cotan", FunctionId::Cotan}, {"ctan", FunctionId::Cotan}, {"log", FunctionId::Log},
        {"ln", FunctionId::Ln},   {"exp", FunctionId::Exp},   {"abs", FunctionId::Abs},
        {"sqrt", FunctionId::Sqrt}, {"up", FunctionId::Up},
    };
    for (const auto& [known, id] : names)
        if (n == known)
            return id;
    return FunctionId::None;
}

bool readDecimalNumber(std::string_view text, double& value)
{
#if defined(VEKTUM_HAVE_DOUBLE_FROM_CHARS)
    return readThroughFromChars(text, value);
#else
    return readThroughCLibrary(text, value);
#endif
}

bool readDecimalNumber(std::string_view text, long double& value)
{
#if defined(VEKTUM_HAVE_LONG_DOUBLE_FROM_CHARS)
    return readThroughFromChars(text, value);
#else
    return readThroughCLibrary(text, value);
#endif
}

bool readDecimalNumberThroughCLibrary(std::string_view text, double& value)
{
    return readThroughCLibrary(text, value);
}

bool readDecimalNumberThroughCLibrary(std::string_view text, long double& value)
{
    return readThroughCLibrary(text, value);
}

std::uint8_t FunctionCode(std::string_view name)
{
    return static_cast<std::uint8_t>(functionOf(name));
}
