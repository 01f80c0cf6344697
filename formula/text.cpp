#include "formula/text.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <locale.h>

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
std::basic_string<Char> tidyLevelMarkers(std::basic_string_view<Char> text)
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

// A C locale for the conversion, whatever locale the process runs in.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

[[noreturn]] void notANumber(std::string_view text)
{
    throw NumberFormatError("Ошибка: \"" + std::string(text) + "\" не является числом");
}

} // namespace

std::string NormalizeEquation(std::string_view text)
{
    ClearStatus();
    long depth = 0;
    for (const char c : text) {
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
    }
    if (depth != 0) {
        MyStat.Code = 4;
        MyStat.Message = depth > 0 ? "Ошибка: нехватает закрывающей скобки"
                                   : "Ошибка: нехватает открывающей скобки";
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
    return TidyLevelMarkers(s);
}

std::string TidyLevelMarkers(std::string_view text)
{
    return tidyLevelMarkers(text);
}

std::u16string TidyLevelMarkers(std::u16string_view text)
{
    return tidyLevelMarkers(text);
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
    errno = 0;
    char* end = nullptr;
    const long double value = strtold_l(c.c_str(), &end, cLocale());
    if (end != c.c_str() + c.size())
        notANumber(text);
    if (std::isinf(value))
        throw NumberFormatError("Ошибка: число \"" + std::string(text) + "\" слишком велико");
    return value;
}

FunctionId FunctionOf(std::string_view name)
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

std::uint8_t FunctionCode(std::string_view name)
{
    return static_cast<std::uint8_t>(FunctionOf(name));
}
