#include "eqedit/notation.h"

#include "formula/text.h"

State GetFirstCaretState(const QString& equation, const QString& text, int position)
{
    if (text.isEmpty() || equation.isEmpty())
        return level::Normal;
    for (qsizetype i = qMin<qsizetype>(position, equation.size()); i >= 1; --i) {
        const QChar c = equation.at(i - 1);
        if (isLevelMarker(c))
            return levelAfter(c, level::Normal);
    }
    return level::Normal;
}

int EqLength(const QString& text)
{
    int n = 0;
    for (QChar c : text)
        if (!isMarker(c))
            ++n;
    return n;
}

QString ChangeLetter(QChar c)
{
    switch (c.unicode()) {
    case u'f': return QStringLiteral("j");
    case u'j': return QStringLiteral("q");
    case u'q': return QStringLiteral("x");
    case u'u': return QStringLiteral("y");
    case u'x': return QStringLiteral("c");
    case u'y': return QStringLiteral("u");
    default: return QString(c);
    }
}

QString UpCaseString(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return out;
}

QString Filter(const QString& text)
{
    return QString::fromStdU16String(tidyLevelMarkers(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()))));
}
