#include "platform/spokentext.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {
class SpokenTexts {
    Q_DECLARE_TR_FUNCTIONS(SpokenText)
};

// The beginnings of the words that name an equation or a system of them, in
// every language of the program: after one of these a number is the
// equation's number by itself.
constexpr const char* kEquationWords[] = {"уравнени", "систем", "equation", "system"};

bool namesEquation(const QString& words)
{
    for (const QString& word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        for (const char* stem : kEquationWords)
            if (word.startsWith(QString::fromUtf8(stem), Qt::CaseInsensitive))
                return true;
    return false;
}
} // namespace

QString spokenText(const QString& shown)
{
    // A letter, a hyphen, blanks and a small letter: one word broken in two.
    static const QRegularExpression broken(QStringLiteral("(\\p{L})-[ \\t]+(\\p{Ll})"));
    QString text = shown;
    text.replace(broken, QStringLiteral("\\1\\2"));

    // A number in brackets after a word (the last two words decide).
    static const QRegularExpression number(QStringLiteral("((?:\\S+ ){0,1}\\p{L}+) \\((\\d+)\\)"));
    QString out;
    qsizetype from = 0;
    for (auto it = number.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(from, m.capturedStart(2) - 1 - from);
        out += namesEquation(m.captured(1)) ? m.captured(2) : SpokenTexts::tr("уравнение %1").arg(m.captured(2));
        from = m.capturedEnd(0);
    }
    out += QStringView(text).mid(from);
    return out;
}
