#include "eqedit/spokenformula.h"

#include <QCoreApplication>

#include "drawing/symbolfont.h"
#include "eqedit/notation.h"

#include <QStringList>

namespace {
// The texts written where they are used, translated with tr() in one context.
class SpokenFormulaTexts {
    Q_DECLARE_TR_FUNCTIONS(SpokenFormula)
};

// Russian names of the Greek letters, by the Symbol face code that draws them.
QString greekName(QChar symbolCode)
{
    static const char* const names[26] = {
        QT_TRANSLATE_NOOP("SpokenFormula", "альфа"), QT_TRANSLATE_NOOP("SpokenFormula", "бета"), QT_TRANSLATE_NOOP("SpokenFormula", "хи"), QT_TRANSLATE_NOOP("SpokenFormula", "дельта"), QT_TRANSLATE_NOOP("SpokenFormula", "эпсилон"), QT_TRANSLATE_NOOP("SpokenFormula", "фи"), QT_TRANSLATE_NOOP("SpokenFormula", "гамма"), QT_TRANSLATE_NOOP("SpokenFormula", "эта"), QT_TRANSLATE_NOOP("SpokenFormula", "йота"),
        QT_TRANSLATE_NOOP("SpokenFormula", "фи"), QT_TRANSLATE_NOOP("SpokenFormula", "каппа"), QT_TRANSLATE_NOOP("SpokenFormula", "лямбда"), QT_TRANSLATE_NOOP("SpokenFormula", "мю"), QT_TRANSLATE_NOOP("SpokenFormula", "ню"), QT_TRANSLATE_NOOP("SpokenFormula", "омикрон"), QT_TRANSLATE_NOOP("SpokenFormula", "пи"), QT_TRANSLATE_NOOP("SpokenFormula", "тета"), QT_TRANSLATE_NOOP("SpokenFormula", "ро"),
        QT_TRANSLATE_NOOP("SpokenFormula", "сигма"), QT_TRANSLATE_NOOP("SpokenFormula", "тау"), QT_TRANSLATE_NOOP("SpokenFormula", "ипсилон"), QT_TRANSLATE_NOOP("SpokenFormula", "пи"), QT_TRANSLATE_NOOP("SpokenFormula", "омега"), QT_TRANSLATE_NOOP("SpokenFormula", "кси"), QT_TRANSLATE_NOOP("SpokenFormula", "пси"), QT_TRANSLATE_NOOP("SpokenFormula", "дзета"),
    };
    const char16_t u = symbolCode.unicode();
    if (u >= u'a' && u <= u'z')
        return QCoreApplication::translate("SpokenFormula", names[u - u'a']);
    if (u == u'S')
        return SpokenFormulaTexts::tr("сумма");
    if (u >= u'A' && u <= u'Z')
        return SpokenFormulaTexts::tr("большая %1").arg(QCoreApplication::translate("SpokenFormula", names[u - u'A']));
    return QString(symbolCode);
}

struct Function {
    const char* name;    // letters, then the digits that end some names
    const char* spoken;
};

// Every name of the formula engine and of the control's evaluator, longest
// first among those that end alike, so that "arcsin" is not read as "arc" and
// "sin", nor "cotan" as "co" and "tan".
const Function kFunctions[] = {
    {"arcctan", QT_TRANSLATE_NOOP("SpokenFormula", "арккотангенс")}, {"arcsin", QT_TRANSLATE_NOOP("SpokenFormula", "арксинус")}, {"arccos", QT_TRANSLATE_NOOP("SpokenFormula", "арккосинус")},
    {"arctan", QT_TRANSLATE_NOOP("SpokenFormula", "арктангенс")}, {"arcctg", QT_TRANSLATE_NOOP("SpokenFormula", "арккотангенс")}, {"arctg", QT_TRANSLATE_NOOP("SpokenFormula", "арктангенс")},
    {"cotan", QT_TRANSLATE_NOOP("SpokenFormula", "котангенс")},
    {"cosec", QT_TRANSLATE_NOOP("SpokenFormula", "косеканс")}, {"log10", QT_TRANSLATE_NOOP("SpokenFormula", "десятичный логарифм")}, {"atan2", QT_TRANSLATE_NOOP("SpokenFormula", "арккотангенс")},
    {"asin", QT_TRANSLATE_NOOP("SpokenFormula", "арксинус")}, {"acos", QT_TRANSLATE_NOOP("SpokenFormula", "арккосинус")}, {"atan", QT_TRANSLATE_NOOP("SpokenFormula", "арктангенс")},
    {"ctan", QT_TRANSLATE_NOOP("SpokenFormula", "котангенс")}, {"sqrt", QT_TRANSLATE_NOOP("SpokenFormula", "квадратный корень")}, {"sin", QT_TRANSLATE_NOOP("SpokenFormula", "синус")},
    {"cos", QT_TRANSLATE_NOOP("SpokenFormula", "косинус")}, {"ctg", QT_TRANSLATE_NOOP("SpokenFormula", "котангенс")}, {"tan", QT_TRANSLATE_NOOP("SpokenFormula", "тангенс")}, {"exp", QT_TRANSLATE_NOOP("SpokenFormula", "экспонента")},
    {"sqr", QT_TRANSLATE_NOOP("SpokenFormula", "квадрат")}, {"abs", QT_TRANSLATE_NOOP("SpokenFormula", "модуль")}, {"sec", QT_TRANSLATE_NOOP("SpokenFormula", "секанс")}, {"cth", QT_TRANSLATE_NOOP("SpokenFormula", "гиперболический котангенс")},
    {"log", QT_TRANSLATE_NOOP("SpokenFormula", "десятичный логарифм")},
    {"tg", QT_TRANSLATE_NOOP("SpokenFormula", "тангенс")}, {"ln", QT_TRANSLATE_NOOP("SpokenFormula", "натуральный логарифм")}, {"lg", QT_TRANSLATE_NOOP("SpokenFormula", "десятичный логарифм")},
    {"sh", QT_TRANSLATE_NOOP("SpokenFormula", "гиперболический синус")}, {"ch", QT_TRANSLATE_NOOP("SpokenFormula", "гиперболический косинус")},
    {"th", QT_TRANSLATE_NOOP("SpokenFormula", "гиперболический тангенс")},
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

// A Latin run that reads as an English word in prose: all small letters ("of",
// "angle") or a capital and at least two small ones ("What").  Runs such as
// "AB", "Ox" or "Fh" stay names read letter by letter.
bool looksLikeWord(const QString& run)
{
    if (run.size() < 2)
        return false;
    for (qsizetype k = 1; k < run.size(); ++k)
        if (!run[k].isLower())
            return false;
    return run[0].isLower() || run.size() >= 3;
}

// The first word of an English sentence: a capital and small letters ("Is",
// "In"), which elsewhere would be a name such as "Ox".
bool looksLikeFirstWord(const QString& run)
{
    if (run.size() < 2 || !run[0].isUpper())
        return false;
    for (qsizetype k = 1; k < run.size(); ++k)
        if (!run[k].isLower())
            return false;
    return true;
}

class Reader {
public:
    explicit Reader(const QString& notation) : m_items(drawables(notation)) { m_prose = isProse(); }

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
    bool m_prose = false;        // English text around the formulas: its words are read as words

    // A Latin run of four letters or more that is no function name marks the
    // notation as English prose (a question, a remark).
    bool isProse() const
    {
        for (int i = 0; i < m_items.size();) {
            if (!plainLatin(i)) {
                ++i;
                continue;
            }
            int end = i;
            while (plainLatin(end) && m_items[end].level == m_items[i].level)
                ++end;
            const Function* f = nullptr;
            if (end - i >= 4 && functionAt(i, end, &f) == 0)
                return true;
            i = end;
        }
        return false;
    }

    void say(const QString& word) { m_words.append(word); }

    // Nothing but blanks before item `i` since the start or the end of a
    // sentence.
    bool startsSentence(int i) const
    {
        for (int k = i - 1; k >= 0; --k) {
            const QChar c = m_items[k].ch;
            if (c == u' ' && !m_items[k].greek)
                continue;
            return c == u'.' || c == u'?' || c == u'!';
        }
        return true;
    }

    void enterLevel(State lvl)
    {
        if (lvl == m_level)
            return;
        if (lvl == level::Sub)
            say(SpokenFormulaTexts::tr("индекс"));
        else if (lvl == level::Super)
            say(SpokenFormulaTexts::tr("в степени"));
        m_level = lvl;
    }

    bool plainLatin(int i) const
    {
        return i < m_items.size() && !m_items[i].greek && isLatin(m_items[i].ch);
    }

    // The function whose name ends the Latin run [start, end) (the digits
    // that end "log10" and "atan2" follow the run) and is followed by "(" or a
    // Greek letter, blanks between allowed: the letters of its name within the
    // run; *after is the index after the name.
    int functionAt(int start, int end, const Function** found, int* after = nullptr) const
    {
        for (const Function& f : kFunctions) {
            const int n = int(qstrlen(f.name));
            int letters = 0;
            while (letters < n && !QChar::fromLatin1(f.name[letters]).isDigit())
                ++letters;
            if (letters > end - start)
                continue;
            bool same = true;
            for (int k = 0; k < letters && same; ++k)
                same = m_items[end - letters + k].ch.toLower() == QLatin1Char(f.name[k]);
            int next = end;
            for (int k = letters; k < n && same; ++k, ++next)
                same = next < m_items.size() && !m_items[next].greek && m_items[next].ch == QLatin1Char(f.name[k])
                    && m_items[next].level == m_items[start].level;
            if (!same)
                continue;
            const int nameEnd = next;
            while (next < m_items.size() && m_items[next].ch == u' ' && !m_items[next].greek)
                ++next;
            if (next >= m_items.size() || !(m_items[next].greek || m_items[next].ch == u'('))
                continue;
            *found = &f;
            if (after)
                *after = nameEnd;
            return letters;
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

    // An equation's number after a word ("в уравнении (1)"): a bracket that
    // holds digits only, after blanks that follow a word of the text.  The
    // index after its ")", or 0.
    int equationNumberEnd(int open) const
    {
        int k = open - 1;
        while (k >= 0 && m_items[k].ch == u' ' && !m_items[k].greek)
            --k;
        if (k == open - 1 || k < 0 || m_items[k].greek || !m_items[k].ch.isLetter()
            || (isLatin(m_items[k].ch) && !m_prose))
            return 0;
        int j = open + 1;
        while (j < m_items.size() && !m_items[j].greek && m_items[j].ch.isDigit())
            ++j;
        return j > open + 1 && j < m_items.size() && m_items[j].ch == u')' ? j + 1 : 0;
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
        if (const int end = equationNumberEnd(i)) {
            QString number;
            for (int k = i; k < end; ++k)
                number += m_items[k].ch;
            say(number);   // as it stands: spokenText() words it
            return end;
        }
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
        int after = end;
        const int n = functionAt(i, end, &f, &after);
        QString run;
        for (int k = i; k < end - n; ++k)
            run += m_items[k].ch;
        if (m_prose && (looksLikeWord(run) || (startsSentence(i) && looksLikeFirstWord(run))))
            say(run);
        else
            for (const QChar c : run)
                say(QString(c));
        if (n == 0)
            return end;
        say(QCoreApplication::translate("SpokenFormula", f->spoken));
        int next = after;
        while (next < m_items.size() && m_items[next].ch == u' ' && !m_items[next].greek)
            ++next;
        if (next < m_items.size() && m_items[next].ch == u'(' && simpleArgument(next)) {
            m_silentClose.append(true);
            return next + 1;
        }
        return after;
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
        case u'+': say(SpokenFormulaTexts::tr("плюс")); return;
        case u'-': say(SpokenFormulaTexts::tr("минус")); return;
        case u'*': say(SpokenFormulaTexts::tr("умножить на")); return;
        case u'/': say(SpokenFormulaTexts::tr("разделить на")); return;
        case u'=': say(SpokenFormulaTexts::tr("равно")); return;
        case u'^': say(SpokenFormulaTexts::tr("в степени")); return;
        case u'<': say(SpokenFormulaTexts::tr("меньше")); return;
        case u'>': say(SpokenFormulaTexts::tr("больше")); return;
        case u'(':
            m_silentClose.append(false);
            say(SpokenFormulaTexts::tr("скобка открывается"));
            return;
        case u')':
            if (!m_silentClose.isEmpty() && m_silentClose.takeLast())
                return;
            say(SpokenFormulaTexts::tr("скобка закрывается"));
            return;
        case u'[': say(SpokenFormulaTexts::tr("квадратная скобка открывается")); return;
        case u']': say(SpokenFormulaTexts::tr("квадратная скобка закрывается")); return;
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
