// The notation functions: levels, lengths, Greek letters, upper case, Filter.
#include "eqedit/notation.h"

#include <gtest/gtest.h>
#include <random>

namespace {

struct LevelCase {
    const char16_t* equation;
    const char16_t* text;
    int position;
    State expected;
};

TEST(Notation, GetFirstCaretStateFindsNearestLevelMarker)
{
    const LevelCase cases[] = {
        {u"abc", u"abc", 1, 1},     {u"abc", u"abc", 3, 1},   {u"a#b", u"a#b", 1, 1},
        {u"a#b", u"a#b", 2, 0},     {u"a#b", u"a#b", 3, 0},   {u"R!A#2", u"x", 3, 2},
        {u"R!A#2", u"x", 4, 0},     {u"R!A#2@x", u"x", 6, 1}, {u"R!A#2@x", u"x", 5, 0},
        {u"!~a", u"x", 3, 2},       {u"a#b", u"", 3, 1},      {u"", u"x", 1, 1},
        {u"a!b", u"x", 0, 1},       {u"a!b", u"x", -4, 1},    {u"a!b", u"x", 99, 2},
    };
    for (const auto& c : cases) {
        const QString eq = QString::fromUtf16(c.equation);
        EXPECT_EQ(GetFirstCaretState(eq, QString::fromUtf16(c.text), c.position), c.expected)
            << eq.toStdString() << " at " << c.position;
    }
}

TEST(Notation, EqLengthCountsDrawableCharacters)
{
    const std::pair<const char16_t*, int> cases[] = {
        {u"", 0}, {u"R!A#2@", 3}, {u"!#@~", 0}, {u"~a", 1}, {u"a b", 3}, {u"Сила!x", 5},
    };
    for (const auto& [text, n] : cases)
        EXPECT_EQ(EqLength(QString::fromUtf16(text)), n) << QString::fromUtf16(text).toStdString();
}

TEST(Notation, ChangeLetterRemapsSixLowerCaseLetters)
{
    const QString remapped = QStringLiteral("fjquxy");
    const QString codes = QStringLiteral("jqxycu");
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        const qsizetype at = remapped.indexOf(QChar(c));
        const QString expected = at >= 0 ? QString(codes.at(at)) : QString(QChar(c));
        EXPECT_EQ(ChangeLetter(QChar(c)), expected) << char(c);
    }
    EXPECT_EQ(ChangeLetter(QChar(u'ж')), QStringLiteral("ж"));
}

TEST(Notation, UpCaseStringTouchesLatinOnly)
{
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"sin(~a)", u"SIN(~A)"}, {u"", u""}, {u"абвЖ xyz", u"абвЖ XYZ"}, {u"R!a#2@", u"R!A#2@"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(UpCaseString(QString::fromUtf16(in)), QString::fromUtf16(out));
}

TEST(Notation, FilterRemovesRedundantMarkers)
{
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"a##b", u"a#b"},   {u"x@y", u"xy"},         {u"R!@A", u"RA"},   {u"", u""},
        {u"!#@", u""},       {u"R!A#2@", u"R!A#2@"},  {u"~a!~b", u"~a!~b"}, {u"a!!b@@c", u"a!b@c"},
        {u"#!x", u"!x"},     {u"x#2@#3", u"x#23"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(Filter(QString::fromUtf16(in)), QString::fromUtf16(out)) << QString::fromUtf16(in).toStdString();
}

// Every drawable character keeps its level and nothing but level markers is
// removed; no two level markers are left side by side and none repeats the
// level in effect.
TEST(Notation, FilterKeepsLevelsOfRandomTexts)
{
    std::mt19937 gen(7);
    const QString alphabet = QStringLiteral("ab~!#@");
    auto levels = [](const QString& t) {
        QString out;
        State lvl = level::Normal;
        for (QChar c : t) {
            lvl = levelAfter(c, lvl);
            if (!isLevelMarker(c))
                out += QChar(u'0' + lvl);
        }
        return out;
    };
    auto withoutLevelMarkers = [](QString t) {
        t.remove(QChar(u'!'));
        t.remove(QChar(u'#'));
        t.remove(QChar(u'@'));
        return t;
    };
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int n = int(gen() % 12);
        for (int i = 0; i < n; ++i)
            text += alphabet.at(gen() % alphabet.size());
        const QString out = Filter(text);
        ASSERT_EQ(withoutLevelMarkers(out), withoutLevelMarkers(text)) << text.toStdString();
        ASSERT_EQ(levels(out), levels(text)) << text.toStdString();
        QChar current = u'@';
        for (qsizetype i = 0; i < out.size(); ++i) {
            if (!isLevelMarker(out.at(i)))
                continue;
            ASSERT_NE(out.at(i), current) << text.toStdString() << " -> " << out.toStdString();
            ASSERT_FALSE(i > 0 && isLevelMarker(out.at(i - 1))) << out.toStdString();
            current = out.at(i);
        }
    }
}

} // namespace
