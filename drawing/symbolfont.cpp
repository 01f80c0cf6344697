#include "drawing/symbolfont.h"

QChar symbolToUnicode(QChar c)
{
    // Published encoding of the Symbol face, letters only.
    static constexpr char16_t lower[26] = {
        u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ',
        u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    static constexpr char16_t upper[26] = {
        u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
        u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'ϒ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z')
        return QChar(lower[u - u'a']);
    if (u >= u'A' && u <= u'Z')
        return QChar(upper[u - u'A']);
    return c;
}

QString symbolToUnicode(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        c = symbolToUnicode(c);
    return out;
}
