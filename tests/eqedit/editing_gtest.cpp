// The editing model: keys, typing, clicks, scrolling and the invariants, with
// fixed metrics (every character 10 px, indices 6 px, Greek 13 / 9 px).
#include "eqedit/eqeditmodel.h"
#include "support/fixed_metrics.h"
#include "support/model_script.h"

#include <gtest/gtest.h>
#include <random>

namespace {

using M = FixedMetrics;

struct EditCase {
    const char* name;
    const char16_t* start;   // Equation set before the script
    const char16_t* script;
    const char16_t* text;
    int caret;
    int beeps;
    const char16_t* raised;  // characters raised by the key-press event
};

class Editing : public ::testing::TestWithParam<EditCase> {};

TEST_P(Editing, KeysAndTypingGiveText)
{
    const EditCase& c = GetParam();
    const M metrics;
    EqEditModel m(&metrics);
    m.setEquation(QString::fromUtf16(c.start));
    ModelRecorder rec;
    rec.attach(m);
    runScript(m, QString::fromUtf16(c.script));
    EXPECT_EQ(m.equation(), QString::fromUtf16(c.text));
    EXPECT_EQ(m.caretIndex(), c.caret);
    EXPECT_EQ(rec.beeps, c.beeps);
    EXPECT_EQ(rec.raised, QString::fromUtf16(c.raised));
    EXPECT_EQ(m.brokenInvariant().toStdString(), "");
}

const EditCase editCases[] = {
    {"SubscriptAndBack", u"", u"R<Down>A<Up>*", u"R!A@*", 5, 0, u"R!A@*"},
    {"Superscript", u"", u"x<Up>2", u"x#2", 3, 0, u"x#2"},
    {"UpAtSuperscriptDoesNothing", u"", u"x<Up>2<Up>", u"x#2", 3, 0, u"x#2"},
    {"DownFromSuperscript", u"", u"x<Up>2<Up><Down>", u"x#2@", 4, 0, u"x#2@"},
    {"DownAtSubscriptDoesNothing", u"", u"x<Down><Down>", u"x!", 2, 0, u"x!"},
    {"GreekKey", u"", u"<F3>f", u"~f", 2, 0, u"f"},
    {"LeftOverGreekLetter", u"", u"<F3>f<Left>", u"~f", 0, 0, u"f"},
    {"BackspaceDeletesGreekLetter", u"", u"<F3>f<BS>", u"", 0, 0, u"f\b"},
    {"RightOverGreekLetter", u"", u"<F3>a<Home><Right>", u"~a", 2, 0, u"a"},
    {"DeleteGreekLetter", u"", u"<F3>ab<Home><Del>", u"b", 0, 0, u"ab"},
    {"DeleteLoneGreekMarker", u"a~", u"<Right><Del>", u"a", 1, 0, u""},
    {"TypedTildeActsAsGreekKey", u"", u"~a", u"~a", 2, 0, u"~a"},
    {"TypedTildeInsideText", u"", u"ab<Left>~c", u"a~cb", 3, 0, u"ab~c"},
    {"MarkerTypedDirectlyIsRefused", u"", u"!#@", u"", 0, 0, u""},
    {"EnterIsRaisedOnly", u"", u"<Enter>", u"", 0, 0, u"\r"},
    {"EscapeIsRaisedOnly", u"ab", u"<Esc>", u"ab", 0, 0, u"\x1b"},
    {"DownAllowsOneTypedMarker", u"", u"x<Down>!#", u"x!!", 3, 0, u"x!!"},
    {"DownAtSubscriptStillAllowsOne", u"", u"x<Down><Down>@!", u"x!@", 3, 0, u"x!@"},
    {"UpAllowsNone", u"", u"x<Up>#", u"x#", 2, 0, u"x#"},
    {"NonPrintableUsesThePermission", u"", u"x<Down><Enter>!", u"x!", 2, 0, u"x!\r"},
    {"GreekPendingMarksInsertedMarker", u"", u"<F3><Down>a", u"~!a", 3, 0, u"!a"},
    {"BeepsOnEmptyText", u"", u"<BS><Left><Home><End><Right><Del>", u"", 0, 6, u"\b"},
    {"BeepsAtTheEnd", u"ab", u"<End><End><Right><Del>", u"ab", 2, 3, u""},
    {"BeepsAtTheStart", u"ab", u"<Home><Left><BS>", u"ab", 0, 3, u"\b"},
    {"BackspaceInTheMiddle", u"abc", u"<Right><Right><BS>", u"ac", 1, 0, u"\b"},
    {"DeleteInTheMiddle", u"abc", u"<Right><Del>", u"ac", 1, 0, u""},
    {"InsertInTheMiddle", u"ac", u"<Right>b", u"abc", 2, 0, u"b"},
    {"RunOfTildesIsOneStep", u"~~ab", u"<Right><Left>", u"~~ab", 0, 0, u""},
    {"BackspaceOverRunOfTildes", u"~~ab", u"<Right><BS>", u"b", 0, 0, u"\b"},
    {"LevelAtCaretAfterMoves", u"x#2@y", u"<End><Left><Left><Down>", u"x#2@@y", 4, 0, u"@"},
    // Undo and redo: one typed character, marker or deletion at a time, the
    // caret where it was.
    {"UndoTyping", u"", u"ab<Undo>", u"a", 1, 0, u"ab"},
    {"UndoPastTheFirstEdit", u"", u"ab<Undo><Undo><Undo>", u"", 0, 0, u"ab"},
    {"RedoOneEdit", u"", u"ab<Undo><Undo><Redo>", u"a", 1, 0, u"ab"},
    {"RedoPastTheLastEdit", u"", u"ab<Undo><Undo><Redo><Redo><Redo>", u"ab", 2, 0, u"ab"},
    {"UndoBackspaceRestoresCaret", u"abc", u"<End><Left><BS><Undo>", u"abc", 2, 0, u"\b"},
    {"UndoDeleteRestoresCaret", u"abc", u"<Right><Del><Undo>", u"abc", 1, 0, u""},
    {"UndoBackspaceOfGreekLetter", u"", u"x<F3>a<BS><Undo>", u"x~a", 3, 0, u"xa\b"},
    {"UndoGreekLetterAtOnce", u"", u"x<F3>a<Undo>", u"x", 1, 0, u"xa"},
    {"UndoMarkerOfUp", u"", u"x<Up>2<Undo><Undo>", u"x", 1, 0, u"x#2"},
    {"NewEditDropsRedo", u"", u"ab<Undo>c<Redo>", u"ac", 2, 0, u"abc"},
    {"MovesAreNotEdits", u"", u"ab<Home><Right><Undo>", u"a", 1, 0, u"ab"},
    {"RefusalsAreNotEdits", u"", u"a<End><Right><Del><Undo>", u"", 0, 3, u"a"},
    {"SetEquationIsNotUndone", u"abc", u"<Undo>", u"abc", 0, 0, u""},
};

INSTANTIATE_TEST_SUITE_P(Cases, Editing, ::testing::ValuesIn(editCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ClickCase {
    const char* name;
    const char16_t* text;
    int x;
    int caret;
};

class Clicks : public ::testing::TestWithParam<ClickCase> {};

TEST_P(Clicks, CaretGoesToNearestBoundary)
{
    const ClickCase& c = GetParam();
    const M metrics;
    EqEditModel m(&metrics);
    m.setEquation(QString::fromUtf16(c.text));
    m.click(c.x);
    EXPECT_EQ(m.caretIndex(), c.caret);
    EXPECT_EQ(m.brokenInvariant().toStdString(), "");
}

const ClickCase clickCases[] = {
    {"LeftHalf", u"abc", 14, 1},
    {"RightHalf", u"abc", 16, 2},
    {"TieGoesRight", u"abc", 15, 2},
    {"OnABoundary", u"abc", 20, 2},
    {"RightOfText", u"abc", 250, 3},
    {"LeftOfText", u"abc", -7, 0},
    {"MarkerBoundaryGoesRight", u"R!A", 10, 2},
    {"InsideSubscript", u"R!AB", 20, 4},
    {"NotBetweenTildeAndLetter", u"x~ab", 10, 1},
    {"InsideGreekLetter", u"x~ab", 20, 3},
};

INSTANTIATE_TEST_SUITE_P(Cases, Clicks, ::testing::ValuesIn(clickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EditingModel, ClickOnEmptyTextChangesNothing)
{
    const M metrics;
    EqEditModel m(&metrics);
    ModelRecorder rec;
    rec.attach(m);
    m.click(30);
    EXPECT_EQ(m.caretIndex(), 0);
    EXPECT_EQ(rec.repaints, 0);
}

TEST(EditingModel, SetEquationResetsOnlyOnChange)
{
    const M metrics;
    EqEditModel m(&metrics);
    ModelRecorder rec;
    rec.attach(m);
    m.setEquation(QStringLiteral("abc"));
    EXPECT_EQ(rec.repaints, 1);
    runScript(m, QStringLiteral("<End>"));
    const int afterEnd = rec.repaints;
    m.setEquation(QStringLiteral("abc"));
    EXPECT_EQ(rec.repaints, afterEnd);
    EXPECT_EQ(m.caretIndex(), 3);
    m.setEquation(QStringLiteral("abd"));
    EXPECT_EQ(m.caretIndex(), 0);
    EXPECT_EQ(m.caretX(), 0);
    EXPECT_EQ(m.firstVisible(), 1);
}

// The history keeps the last 1000 edits: the oldest goes when a new one comes,
// and undoing everything stops at the text after the edit that went.
TEST(EditingModel, UndoHistoryKeepsTheLastThousandEdits)
{
    const M metrics;
    EqEditModel m(&metrics);
    runScript(m, QStringLiteral("x")); // the edit that will be dropped
    for (int i = 0; i < 500; ++i)
        runScript(m, QStringLiteral("a<BS>"));
    EXPECT_EQ(m.equation(), QStringLiteral("x"));
    int undone = 0;
    while (m.canUndo() && undone < 2000) {
        m.undo();
        ++undone;
    }
    EXPECT_EQ(undone, 1000);
    EXPECT_EQ(m.equation(), QStringLiteral("x"));
    runScript(m, QStringLiteral("<Redo>"));
    EXPECT_EQ(m.equation(), QStringLiteral("xa"));
}

TEST(EditingModel, DeletingTheLastCharacterEmptiesTheView)
{
    const M metrics;
    EqEditModel m(&metrics);
    ModelRecorder rec;
    rec.attach(m);
    runScript(m, QStringLiteral("a"));
    const int before = rec.repaints;
    runScript(m, QStringLiteral("<BS>"));
    EXPECT_EQ(m.equation(), QString());
    EXPECT_EQ(m.visibleText(), QString());
    EXPECT_EQ(m.caretX(), 0);
    EXPECT_GT(rec.repaints, before);
}

TEST(EditingModel, CaretBandFollowsTheLevelBeforeTheCaret)
{
    const M metrics;
    EqEditModel m(&metrics);
    const std::tuple<const char16_t*, int, int> cases[] = {
        {u"", 0, M::Hn},
        {u"F<Down>", M::Hn - M::Hs, M::Hs},
        {u"x<Up>", 0, M::Hs},
        {u"x<Up>2<Down>", 0, M::Hn},
        {u"x<Down>a<Home>", 0, M::Hn},
    };
    for (const auto& [script, top, height] : cases) {
        m.setEquation(QStringLiteral(" "));
        m.click(0);
        runScript(m, QStringLiteral("<Del>") + QString::fromUtf16(script));
        EXPECT_EQ(m.caretBand().top, top) << QString::fromUtf16(script).toStdString();
        EXPECT_EQ(m.caretBand().height, height) << QString::fromUtf16(script).toStdString();
    }
}

// A control 60 px wide: Wc = 56, Wt = 58, so five characters are shown.
class Scrolling : public ::testing::Test {
protected:
    M metrics;
    EqEditModel m{&metrics};
    void SetUp() override { m.setGeometry(60, 2, 1); }
};

TEST_F(Scrolling, TypingPastTheRightEdgeKeepsTheCaretInView)
{
    for (QChar c : QStringLiteral("abcdefghijkl")) {
        m.keyPress(c);
        ASSERT_LT(m.caretX(), m.caretLimit());
        ASSERT_EQ(m.brokenInvariant().toStdString(), "");
    }
    EXPECT_GT(m.firstVisible(), 1);
    EXPECT_TRUE(m.visibleText().endsWith(u'l'));
}

TEST_F(Scrolling, HomeShowsTheStartAgain)
{
    runScript(m, QStringLiteral("abcdefghijkl<Home>"));
    EXPECT_EQ(m.firstVisible(), 1);
    EXPECT_EQ(m.caretIndex(), 0);
    EXPECT_EQ(m.caretX(), 0);
    EXPECT_EQ(m.visibleText(), QStringLiteral("abcde"));
}

TEST_F(Scrolling, LeftPastTheViewJumpsFiveBack)
{
    runScript(m, QStringLiteral("abcdefghijkl"));
    int first = m.firstVisible();
    ASSERT_GT(first, 5);
    while (m.caretIndex() > first - 1)
        runScript(m, QStringLiteral("<Left>"));
    runScript(m, QStringLiteral("<Left>"));
    EXPECT_EQ(m.firstVisible(), first - 5);
    first = m.firstVisible();
    while (m.caretIndex() > 0)
        runScript(m, QStringLiteral("<Left>"));
    EXPECT_EQ(m.firstVisible(), 1);
    EXPECT_EQ(m.brokenInvariant().toStdString(), "");
}

TEST_F(Scrolling, RightPastTheEdgeJumpsFiveForward)
{
    m.setEquation(QStringLiteral("abcdefghijkl"));
    EXPECT_EQ(m.visibleText(), QStringLiteral("abcde"));
    runScript(m, QStringLiteral("<Right><Right><Right><Right><Right>"));
    EXPECT_EQ(m.firstVisible(), 1);
    runScript(m, QStringLiteral("<Right>"));
    EXPECT_EQ(m.firstVisible(), 6);
    EXPECT_EQ(m.caretIndex(), 6);
    EXPECT_EQ(m.brokenInvariant().toStdString(), "");
}

TEST_F(Scrolling, EndScrollsUntilTheCaretFits)
{
    m.setEquation(QStringLiteral("abcdefghijkl"));
    runScript(m, QStringLiteral("<End>"));
    EXPECT_EQ(m.caretIndex(), 12);
    EXPECT_LT(m.caretX(), m.caretLimit());
    EXPECT_GE(m.caretX() + M::Normal, m.caretLimit()); // one more character would not fit
    EXPECT_EQ(m.brokenInvariant().toStdString(), "");
}

TEST_F(Scrolling, UndoPutsTheViewBackAsItWas)
{
    runScript(m, QStringLiteral("abcdefghijkl<Home><End>"));
    const int first = m.firstVisible();
    const QString shown = m.visibleText();
    const int caretX = m.caretX();
    runScript(m, QStringLiteral("<BS><BS><Home><Undo><Undo>"));
    EXPECT_EQ(m.equation(), QStringLiteral("abcdefghijkl"));
    EXPECT_EQ(m.caretIndex(), 12);
    EXPECT_EQ(m.firstVisible(), first);
    EXPECT_EQ(m.visibleText(), shown);
    EXPECT_EQ(m.caretX(), caretX);
}

TEST_F(Scrolling, ResetByBlankAndClickAtTheStart)
{
    runScript(m, QStringLiteral("abcdefghijkl<Left><Left>"));
    m.setEquation(QStringLiteral(" "));
    m.click(0);
    EXPECT_EQ(m.caretIndex(), 0);
    EXPECT_EQ(m.firstVisible(), 1);
    EXPECT_EQ(m.caretX(), 0);
    EXPECT_EQ(m.equation(), QStringLiteral(" "));
}

// The shown text is cut only where it is wider than the room Wt = width - 2 x
// bevel: a text exactly as wide as the room is shown whole.  The caret must
// stay left of Wc = width - caret width - 2 x bevel: typing up to exactly Wc
// scrolls.  (Every character 10 px, subscripts 6 px, Greek letters 13 px.)
TEST(EditingModel, TrimmingAndScrollingAtTheExactWidth)
{
    const struct {
        const char* rule;
        const char16_t* text;
        int width;
        const char16_t* shown;
    } trims[] = {
        {"exactly as wide as the room", u"abcde", 52, u"abcde"},
        {"one pixel wider than the room", u"abcde", 51, u"abcd"},
        {"a longer text cut at the room", u"abcdefg", 52, u"abcde"},
        {"a subscript exactly as wide as the room", u"R!AB", 24, u"R!AB"},
        {"a Greek letter exactly as wide as the room", u"a~b", 25, u"a~b"},
        {"a Greek letter one pixel too wide", u"a~b", 24, u"a~"},
    };
    const M metrics;
    for (const auto& c : trims) {
        EqEditModel m(&metrics);
        m.setGeometry(c.width, 2, 1);
        m.setEquation(QString::fromUtf16(c.text));
        EXPECT_EQ(m.visibleText().toStdString(), QString::fromUtf16(c.shown).toStdString()) << c.rule;
    }
    const struct {
        const char* rule;
        int width;
        int firstVisible;
    } typing[] = {
        {"five characters end exactly at the caret limit: the view scrolls", 54, 2},
        {"five characters end a pixel left of the caret limit: no scroll", 55, 1},
    };
    for (const auto& c : typing) {
        EqEditModel m(&metrics);
        m.setGeometry(c.width, 2, 1);
        runScript(m, QStringLiteral("abcde"));
        EXPECT_EQ(m.firstVisible(), c.firstVisible) << c.rule;
        EXPECT_EQ(m.brokenInvariant().toStdString(), "") << c.rule;
    }
}

// Every scroll keeps a Greek letter whole (the view never starts between '~'
// and its letter, which would draw the letter Latin) and the caret left of
// the caret limit, checked after every step.
TEST(EditingModel, ScrollsKeepGreekLettersWholeAndTheCaretInside)
{
    const auto times = [](const char* step, int n) { return QString::fromUtf8(step).repeated(n); };
    const struct {
        const char* name;
        int width;
        QString script;
    } cases[] = {
        // Five '~' then thirty letters: the first one is alpha; Right across them.
        {"RightOverTildeRun", 300, times("~", 5) + times("a", 30) + "<Home>" + times("<Right>", 31)},
        {"RightOverGreekLetters", 60, times("~a", 12) + "<Home>" + times("<Right>", 12)},
        {"RightOverMarkers", 60, times("x<Down>i<Up>", 6) + "<Home>" + times("<Right>", 30)},
        {"RightOverWideLetters", 60, "WWWWWW<Home>" + times("<Right>", 6)},
        {"TypingAcrossGreekLetters", 60, times("~b", 10) + times("<Left>", 10) + times("~c", 3)},
        {"EndAcrossGreekLetters", 45, "x" + times("~a", 8) + "<Home><End>"},
        {"LeftJumpIntoGreekLetters", 60, times("a~b", 8) + times("<Left>", 16)},
        {"BackspaceJumpIntoGreekLetters", 60, times("a~b", 8) + times("<BS>", 12)},
        {"LeftJumpOverWideLetters", 60, times("W", 10) + times("<Left>", 10)},
        {"ClickAtTheEdge", 62, "abcdef<Home><@60>"},
        // A level marker between the '~' and its letter ("~!a", a subscript
        // alpha) belongs to the letter: the view starts before the '~' or
        // after the letter, never at the marker.
        {"TypingPastAGreekLetterWithAMarker", 18, "<F3><Down>aa"},
        {"EndAcrossGreekLettersWithMarkers", 40, "x" + times("<F3><Down>a<Up>", 8) + "<Home><End>"},
        {"RightAcrossGreekLettersWithMarkers", 40, times("<F3><Down>a<Up>b", 8) + "<Home>" + times("<Right>", 40)},
        {"LeftJumpIntoGreekLettersWithMarkers", 40, times("b<F3><Down>a<Up>", 8) + times("<Left>", 40)},
        {"TypingInsideAGreekLetterWithAMarker", 30, "xyz<F3><Down>a<Left>" + times("b", 6)},
        // Typing that scrolls shows the text up to the caret only; Right past
        // a narrower character keeps that view, and the caret with it.
        {"RightAfterTypingScrolledInTheMiddle", 60, "a<Home>WWW<Right>"},
        {"UndoAndRedoAcrossScrolls", 60,
         times("a~b", 6) + "<Home><Del><Del>" + times("<Right>", 8) + times("<Undo>", 3) + times("<Redo>", 3)
             + "<End>" + times("<BS>", 9) + times("<Undo>", 9) + "<Home>" + times("<Redo>", 4)},
    };
    for (const auto& c : cases) {
        const M metrics;
        EqEditModel m(&metrics);
        m.setGeometry(c.width, 2, 1);
        QString broken;
        qsizetype at = 0;
        while (at < c.script.size() && broken.isEmpty()) {
            at = runScriptStep(m, c.script, at);
            broken = m.brokenInvariant();
        }
        EXPECT_EQ(broken.toStdString(), "") << c.name << " after " << c.script.left(at).toStdString();
    }
}

// Narrowing the control scrolls the caret back into it.
TEST(EditingModel, NarrowingTheControlKeepsTheCaretInside)
{
    const M metrics;
    EqEditModel m(&metrics);
    runScript(m, QStringLiteral("abcdefghij~a"));
    for (int width : {100, 60, 31, 12, 3}) {
        m.setGeometry(width, 2, 1);
        EXPECT_EQ(m.brokenInvariant().toStdString(), "") << width;
    }
}

// Random keys, characters and clicks on narrow controls keep every invariant.
TEST(EditingModel, RandomSequencesKeepTheInvariants)
{
    const M metrics;
    const QString steps[] = {
        QStringLiteral("a"), QStringLiteral("W"), QStringLiteral("1"), QStringLiteral("*"),
        QStringLiteral("~"), QStringLiteral("!"), QStringLiteral("#"), QStringLiteral("@"),
        QStringLiteral("<BS>"), QStringLiteral("<Del>"), QStringLiteral("<Home>"), QStringLiteral("<End>"),
        QStringLiteral("<Left>"), QStringLiteral("<Right>"), QStringLiteral("<Up>"), QStringLiteral("<Down>"),
        QStringLiteral("<F3>"), QStringLiteral("<Enter>"),
    };
    const int widths[] = {300, 60, 25, 12, 3, 0};
    std::mt19937 gen(2024);
    for (int width : widths) {
        for (int round = 0; round < 500; ++round) {
            EqEditModel m(&metrics);
            m.setGeometry(width, 2, 1);
            QString log;
            for (int i = 0; i < 60; ++i) {
                QString step;
                const unsigned pick = gen() % 22;
                if (pick < std::size(steps))
                    step = steps[pick];
                else if (pick == 18)
                    step = QStringLiteral("<@%1>").arg(int(gen() % 80) - 5);
                else if (pick == 19)
                    m.setEquation(QStringLiteral(" ")), step = QStringLiteral("<@0>");
                else
                    step = QStringLiteral("a");
                log += step;
                runScript(m, step);
                ASSERT_EQ(m.brokenInvariant().toStdString(), "") << "width " << width << ": " << log.toStdString();
            }
        }
    }
}

} // namespace
