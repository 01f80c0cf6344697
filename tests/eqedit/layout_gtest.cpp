// Glyph layout: levels, vertical placement, Greek letters, widths.
#include "eqedit/eqlayout.h"
#include "support/fixed_metrics.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

using M = FixedMetrics;

const EqGlyph& glyphAt(const EqLayout& l, int index)
{
    for (const EqGlyph& g : l.glyphs)
        if (g.index == index)
            return g;
    static const EqGlyph none{};
    ADD_FAILURE() << "no glyph at " << index;
    return none;
}

TEST(Layout, LevelsPlaceGlyphsOnTheirLines)
{
    const M m;
    const EqLayout l = layoutEquation(QStringLiteral("R!A#2"), level::Normal, m);
    ASSERT_EQ(l.glyphs.size(), 3);
    const EqGlyph& base = glyphAt(l, 0);
    const EqGlyph& sub = glyphAt(l, 2);
    const EqGlyph& sup = glyphAt(l, 4);
    EXPECT_FALSE(base.reduced);
    EXPECT_TRUE(sub.reduced);
    EXPECT_TRUE(sup.reduced);
    // The subscript sits lower and is smaller; its bottom is the line's bottom.
    EXPECT_GT(sub.y, base.y);
    EXPECT_LT(sub.height, base.height);
    EXPECT_EQ(sub.y + sub.height, base.y + base.height);
    // The superscript shares the line's top.
    EXPECT_EQ(sup.y, base.y);
    EXPECT_LT(sup.height, base.height);
    // No gaps, no kerning.
    EXPECT_EQ(sub.x, base.x + base.width);
    EXPECT_EQ(sup.x, sub.x + sub.width);
    EXPECT_EQ(l.width(), M::Normal + 2 * M::Reduced);
}

TEST(Layout, StarOnTheLineIsLoweredByAQuarterOfTheLine)
{
    const M m;
    const std::tuple<const char16_t*, int, int> cases[] = {
        {u"a*b", 1, M::Hn / 4},         // on the line: lowered
        {u"a!*", 2, M::Hn - M::Hs},     // in a subscript: on the subscript's line
        {u"a#*", 2, 0},                 // in a superscript: at the top
        {u"~*", 1, 0},                  // a Greek '*' is not lowered
    };
    for (const auto& [text, index, y] : cases) {
        const EqLayout l = layoutEquation(QString::fromUtf16(text), level::Normal, m);
        EXPECT_EQ(glyphAt(l, index).y, y) << QString::fromUtf16(text).toStdString();
    }
}

TEST(Layout, GreekLettersAreDrawnAsUnicodeAtTheirLevelsSize)
{
    const M m;
    const std::pair<const char16_t*, char16_t> cases[] = {
        {u"~a", u'α'}, {u"~f", u'ϕ'}, {u"~c", u'χ'}, {u"~x", u'χ'}, {u"~S", u'Σ'},
        {u"~D", u'Δ'}, {u"~j", u'θ'}, {u"~p", u'π'}, {u"~w", u'ω'}, {u"~!b", u'β'},
    };
    for (const auto& [text, drawn] : cases) {
        const QString t = QString::fromUtf16(text);
        const EqLayout l = layoutEquation(t, level::Normal, m);
        ASSERT_EQ(l.glyphs.size(), 1) << t.toStdString();
        EXPECT_EQ(l.glyphs[0].ch, QChar(drawn)) << t.toStdString();
        EXPECT_TRUE(l.glyphs[0].greek);
        EXPECT_EQ(l.width(), l.glyphs[0].reduced ? M::GreekReduced : M::GreekNormal);
    }
    // Only the next drawable character is Greek.
    const EqLayout l = layoutEquation(QStringLiteral("~ab"), level::Normal, m);
    EXPECT_EQ(l.glyphs[1].ch, QChar(u'b'));
    EXPECT_FALSE(l.glyphs[1].greek);
}

TEST(Layout, WidthsAddUpOverDrawableCharacters)
{
    const M m;
    const std::tuple<const char16_t*, State, int> cases[] = {
        {u"", level::Normal, 0},
        {u"!#@~", level::Normal, 0},
        {u"ab~", level::Normal, 2 * M::Normal},                 // a trailing '~' adds nothing
        {u"aW", level::Normal, M::Normal + M::WideNormal},
        {u"aW", level::Sub, M::Reduced + M::WideReduced},       // a start level counts
        {u"aW", level::Super, M::Reduced + M::WideReduced},
        {u"x#2@+1", level::Normal, 4 * M::Normal - M::Normal + M::Reduced},
        {u"~S F!kx@ = 0", level::Normal, M::GreekNormal + 6 * M::Normal + 2 * M::Reduced},
    };
    for (const auto& [text, start, width] : cases) {
        const QString t = QString::fromUtf16(text);
        EXPECT_EQ(EqWidth(t, start, m), width) << t.toStdString();
        const EqLayout l = layoutEquation(t, start, m);
        ASSERT_EQ(l.boundaryX.size(), t.size() + 1);
        for (qsizetype i = 1; i < l.boundaryX.size(); ++i)
            EXPECT_GE(l.boundaryX[i], l.boundaryX[i - 1]);
        // Each prefix measures as the boundary after it.
        for (qsizetype n = 0; n <= t.size(); ++n)
            EXPECT_EQ(EqWidth(t.left(n), start, m), l.boundaryX[n]) << t.toStdString() << " " << n;
    }
}

TEST(Layout, BoundaryLevelsFollowTheMarkers)
{
    const M m;
    const EqLayout l = layoutEquation(QStringLiteral("a!b#c@d"), level::Super, m);
    const QVector<State> expected{0, 0, 2, 2, 0, 0, 1, 1};
    EXPECT_EQ(l.boundaryLevel, expected);
    EXPECT_EQ(levelBand(level::Sub, m).top, M::Hn - M::Hs);
    EXPECT_EQ(levelBand(level::Super, m).height, M::Hs);
    EXPECT_EQ(levelBand(level::Normal, m).height, M::Hn);
}

// Extending the layout of a text's start by the rest of the text gives the
// layout of the whole text, wherever the text is cut: inside a Greek letter,
// between level markers, at either end.
TEST(Layout, ExtendingTheLayoutOfAStartGivesTheWholeLayout)
{
    const M m;
    const std::pair<const char16_t*, State> cases[] = {
        {u"y = F!1@*cos(~a)-R!A@*sin(~b)", level::Normal},
        {u"~!a+~#@b", level::Normal}, // markers between '~' and its letter
        {u"x#2!k@*~*", level::Sub},
        {u"~~a", level::Super},
        {u"", level::Normal},
    };
    const auto describe = [](const EqLayout& l) {
        std::string out;
        for (const EqGlyph& g : l.glyphs)
            out += QString(g.ch).toStdString() + '@' + std::to_string(g.index) + ':' + std::to_string(g.x) + ',' +
                   std::to_string(g.y) + ' ' + std::to_string(g.width) + 'x' + std::to_string(g.height) +
                   (g.reduced ? "r" : "") + (g.greek ? "g" : "") + std::to_string(g.level) + ' ';
        for (qsizetype i = 0; i < l.boundaryX.size(); ++i)
            out += '|' + std::to_string(l.boundaryX[i]) + '/' + std::to_string(l.boundaryLevel[i]);
        return out;
    };
    for (const auto& [text, start] : cases) {
        const QString t = QString::fromUtf16(text);
        const std::string whole = describe(layoutEquation(t, start, m));
        for (qsizetype n = 0; n <= t.size(); ++n) {
            EqLayout l = layoutEquation(t.left(n), start, m);
            extendLayout(l, t, m);
            EXPECT_EQ(describe(l), whole) << t.toStdString() << " cut after " << n;
        }
    }
    // A layout that holds more than the text stays as it is.
    EqLayout longer = layoutEquation(QStringLiteral("abc"), level::Normal, m);
    const std::string before = describe(longer);
    extendLayout(longer, QStringLiteral("ab"), m);
    EXPECT_EQ(describe(longer), before);
}

TEST(Layout, RealFontsKeepTheGeometry)
{
    int argc = 1;
    char name[] = "layout";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(14);
    EXPECT_EQ(reducedFont(f).pointSize(), 10);
    const FontEqMetrics m(f);
    EXPECT_GT(m.zeroHeight(false), m.zeroHeight(true));
    const EqLayout l = layoutEquation(QStringLiteral("R!A#2~a"), level::Normal, m);
    ASSERT_EQ(l.glyphs.size(), 4);
    EXPECT_GT(l.glyphs[1].y, l.glyphs[0].y);
    EXPECT_EQ(l.glyphs[2].y, 0);
    EXPECT_LT(l.glyphs[1].width, m.charWidth(QChar(u'A'), false));
    EXPECT_EQ(l.glyphs[3].ch, QChar(u'α'));
    EXPECT_GT(l.glyphs[3].width, 0);
    EXPECT_EQ(l.width(), l.glyphs[3].x + l.glyphs[3].width);
}

} // namespace
