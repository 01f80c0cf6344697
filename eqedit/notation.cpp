#include "eqedit/notation.h"

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

namespace {

// One pass over the adjacent-marker pairs; true when something was deleted.
bool dropAdjacentPairs(QString& text)
{
    static const char16_t* const pairs[] = {u"!@", u"!#", u"@!", u"@#", u"#!", u"#@"};
    bool changed = false;
    for (const char16_t* p : pairs) {
        const qsizetype at = text.indexOf(QStringView(p));
        if (at >= 0) {
            text.remove(at, 1);
            changed = true;
        }
    }
    return changed;
}

// Drops every level marker that repeats the level in effect; true when
// something was deleted.
bool dropRepeatedMarkers(QString& text)
{
    QChar current = u'@';
    bool changed = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == current) {
            text.remove(i, 1);
            --i;
            changed = true;
        } else if (isLevelMarker(c)) {
            current = c;
        }
    }
    return changed;
}

} // namespace

QString Filter(const QString& text)
{
    QString out = text;
    do {
        while (dropAdjacentPairs(out)) {
        }
    } while (dropRepeatedMarkers(out));
    return out;
}
