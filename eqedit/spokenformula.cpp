#include "eqedit/spokenformula.h"

#include "drawing/symbolfont.h"
#include "eqedit/notation.h"

#include <QStringList>

namespace {

// Russian names of the Greek letters, by the Symbol face code that draws them.
QString greekName(QChar symbolCode)
{
    static const char* const names[26] = {
        "альфа", "бета", "хи", "дельта", "эпсилон", "фи", "гамма", "эта", "йота",
        "фи", "каппа", "лямбда", "мю", "ню", "омикрон", "пи", "тета", "ро",
        "сигма", "тау", "ипсилон", "пи", "омега", "кси", "пси", "дзета",
    };
    const char16_t u = symbolCode.unicode();
    if (u >= u'a' && u <= u'z')
        return QString::fromUtf8(names[u - u'a']);
    if (u == u'S')
        return QStringLiteral("сумма");
    if (u >= u'A' && u <= u'Z')
        return QStringLiteral("большая ") + QString::fromUtf8(names[u - u'A']);
    return QString(symbolCode);
}

struct Function {
    const char* name;
    const char* spoken;
};

// Longest names first, so that "arcsin" is not read as "arc" and "sin".
const Function kFunctions[] = {
    {"arcctan", "арккотангенс"}, {"arcsin", "арксинус"}, {"arccos", "арккосинус"},
    {"arctan", "арктангенс"}, {"arcctg", "арккотангенс"}, {"arctg", "арктангенс"},
    {"cosec", "косеканс"}, {"log10", "десятичный логарифм"}, {"atan2", "арккотангенс"},
    {"asin", "арксинус"}, {"acos", "арккосинус"}, {"atan", "арктангенс"},
    {"ctan", "котангенс"}, {"sqrt", "квадратный корень"}, {"sin", "синус"},
    {"cos", "косинус"}, {"ctg", "котангенс"}, {"tan", "тангенс"}, {"exp", "экспонента"},
    {"sqr", "квадрат"}, {"abs", "модуль"}, {"sec", "секанс"}, {"cth", "гиперболический котангенс"},
    {"tg", "тангенс"}, {"ln", "натуральный логарифм"}, {"lg", "десятичный логарифм"},
    {"sh", "гиперболический синус"}, {"ch", "гиперболический косинус"},
    {"th", "гиперболический тангенс"},
};

bool isLatin(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// One drawable character with what the notation says about it.
struct Item {
    QChar ch;
    bool greek = false;
    State level = level::Normal;
};

QVector<Item> drawables(const QString& notation)
{
    QVector<Item> out;
    State lvl = level::Normal;
    bool greek = false;
    for (const QChar c : notation) {
        if (isLevelMarker(c)) {
            lvl = levelAfter(c, lvl);
        } else if (c == u'~') {
            greek = true;
        } else {
            out.append({c, greek, lvl});
            greek = false;
        }
    }
    return out;
}

class Reader {
public:
    explicit Reader(const QString& notation) : m_items(drawables(notation)) {}

    QString read()
    {
        for (int i = 0; i < m_items.size();)
            i = readAt(i);
        QString text = m_words.join(u' ');
        for (const char* p : {" ,", " .", " ?", " ;", " :"})
            text.replace(QLatin1String(p), QLatin1String(p + 1));
        return text.simplified();
    }

private:
    QVector<Item> m_items;
    QStringList m_words;
    State m_level = level::Normal;
    QVector<bool> m_silentClose; // per open bracket: its ")" is not read

    void say(const QString& word) { m_words.append(word); }

    void enterLevel(State lvl)
    {
        if (lvl == m_level)
            return;
        if (lvl == level::Sub)
            say(QStringLiteral("индекс"));
        else if (lvl == level::Super)
            say(QStringLiteral("в степени"));
        m_level = lvl;
    }

    bool plainLatin(int i) const
    {
        return i < m_items.size() && !m_items[i].greek && isLatin(m_items[i].ch);
    }

    // The function whose name ends a Latin run at `end` (exclusive) and is
    // followed by "(" or a Greek letter (blanks between allowed); its length.
    int functionAt(int start, int end, const Function** found) const
    {
        int next = end;
        while (next < m_items.size() && m_items[next].ch == u' ' && !m_items[next].greek)
            ++next;
        if (next >= m_items.size() || !(m_items[next].greek || m_items[next].ch == u'('))
            return 0;
        for (const Function& f : kFunctions) {
            const int n = int(qstrlen(f.name));
            if (n > end - start)
                continue;
            bool same = true;
            for (int k = 0; k < n && same; ++k)
                same = m_items[end - n + k].ch.toLower() == QLatin1Char(f.name[k]);
            if (same) {
                *found = &f;
                return n;
            }
        }
        return 0;
    }

    // True when the bracket at `open` holds a single name or number and closes.
    bool simpleArgument(int open) const
    {
        int i = open + 1;
        if (i < m_items.size() && (m_items[i].ch == u'-' || m_items[i].ch == u'+') && !m_items[i].greek)
            ++i;
        const int first = i;
        while (i < m_items.size() && m_items[i].ch != u')') {
            const Item& it = m_items[i];
            if (!it.greek && !it.ch.isLetterOrNumber() && it.ch != u'.' && it.ch != u',')
                return false;
            ++i;
        }
        return i < m_items.size() && i > first;
    }

    int readAt(int i)
    {
        const Item& it = m_items[i];
        enterLevel(it.level);
        if (it.greek) {
            const QString code = ChangeLetter(it.ch);
            say(greekName(code.isEmpty() ? it.ch : code.at(0)));
            return i + 1;
        }
        const QChar c = it.ch;
        if (isLatin(c))
            return readLatinRun(i);
        if (c.isDigit())
            return readNumber(i);
        if (c.isLetter()) { // a Cyrillic word stays a word
            int j = i;
            QString word;
            while (j < m_items.size() && !m_items[j].greek && m_items[j].ch.isLetter()
                   && !isLatin(m_items[j].ch) && m_items[j].level == it.level)
                word += m_items[j++].ch;
            say(word);
            return j;
        }
        readSign(c);
        return i + 1;
    }

    int readLatinRun(int i)
    {
        int end = i;
        while (plainLatin(end) && m_items[end].level == m_items[i].level)
            ++end;
        const Function* f = nullptr;
        const int n = functionAt(i, end, &f);
        for (int k = i; k < end - n; ++k)
            say(QString(m_items[k].ch));
        if (n == 0)
            return end;
        say(QString::fromUtf8(f->spoken));
        int next = end;
        while (next < m_items.size() && m_items[next].ch == u' ' && !m_items[next].greek)
            ++next;
        if (next < m_items.size() && m_items[next].ch == u'(' && simpleArgument(next)) {
            m_silentClose.append(true);
            return next + 1;
        }
        return end;
    }

    int readNumber(int i)
    {
        QString number;
        int j = i;
        while (j < m_items.size() && !m_items[j].greek && m_items[j].level == m_items[i].level) {
            const QChar c = m_items[j].ch;
            const bool point = (c == u'.' || c == u',') && j + 1 < m_items.size() && m_items[j + 1].ch.isDigit();
            if (!c.isDigit() && !point)
                break;
            number += c == u'.' ? QChar(u',') : c;
            ++j;
        }
        say(number);
        return j;
    }

    void readSign(QChar c)
    {
        switch (c.unicode()) {
        case u' ': return;
        case u'+': say(QStringLiteral("плюс")); return;
        case u'-': say(QStringLiteral("минус")); return;
        case u'*': say(QStringLiteral("умножить на")); return;
        case u'/': say(QStringLiteral("разделить на")); return;
        case u'=': say(QStringLiteral("равно")); return;
        case u'^': say(QStringLiteral("в степени")); return;
        case u'<': say(QStringLiteral("меньше")); return;
        case u'>': say(QStringLiteral("больше")); return;
        case u'(':
            m_silentClose.append(false);
            say(QStringLiteral("скобка открывается"));
            return;
        case u')':
            if (!m_silentClose.isEmpty() && m_silentClose.takeLast())
                return;
            say(QStringLiteral("скобка закрывается"));
            return;
        case u'[': say(QStringLiteral("квадратная скобка открывается")); return;
        case u']': say(QStringLiteral("квадратная скобка закрывается")); return;
        default: say(QString(c)); return;
        }
    }
};

} // namespace

QString spokenFormula(const QString& notation)
{
    return Reader(notation).read();
}

QString plainFormulaText(const QString& notation)
{
    QString out;
    bool greek = false;
    for (const QChar c : notation) {
        if (isLevelMarker(c))
            continue;
        if (c == u'~') {
            greek = true;
            continue;
        }
        if (greek) {
            const QString code = ChangeLetter(c);
            out += symbolToUnicode(code.isEmpty() ? c : code.at(0));
        } else {
            out += c;
        }
        greek = false;
    }
    return out;
}

int plainOffset(const QString& notation, int index)
{
    return EqLength(notation.left(qBound(0, index, int(notation.size()))));
}

int notationIndex(const QString& notation, int offset)
{
    if (offset <= 0)
        return 0;
    for (int i = 0; i <= notation.size(); ++i)
        if (plainOffset(notation, i) >= offset)
            return i;
    return int(notation.size());
}
