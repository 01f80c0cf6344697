#pragma once
// Layout of the equation notation: a notation string and its start level become
// glyph boxes.  Painting, EqWidth, caret placement and hit-testing all use this
// one computation.
//
//  - Normal level: the control's font, top y = 0.  Superscript: the reduced
//    font (4 points smaller), top y = 0.  Subscript: the reduced font, top
//    y = Hn - Hs, where Hn and Hs are the heights of "0" in the two fonts.
//  - A '*' on the normal line that is not a Greek letter has its top at Hn / 4.
//  - Glyphs follow one another from x = 0 with no kerning: each advances by the
//    width of that single character in its own font.
//  - A Greek letter (after '~') is drawn as the Unicode letter of the Symbol face
//    code ChangeLetter gives, at the size of its level.  Markers have no width.
#include "eqedit/notation.h"
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStaticText>
#include <QVector>
#include <array>

// Text widths and heights of the two fonts of a formula: the normal one and the
// reduced one used for indices.
class EqMetrics {
public:
    virtual ~EqMetrics() = default;
    virtual int charWidth(QChar c, bool reduced) const = 0; // advance of one character
    virtual int zeroHeight(bool reduced) const = 0;         // height of the text "0"
};

// Metrics measured from a real font, on first need (a control that is never
// shown never loads its fonts).  Character widths and the two heights are
// cached: asking a QFontMetrics looks the font engine up every time, and the
// layout asks for a height per glyph.
class FontEqMetrics : public EqMetrics {
public:
    explicit FontEqMetrics(const QFont& controlFont);
    int charWidth(QChar c, bool reduced) const override;
    int zeroHeight(bool reduced) const override;
    const QFont& font(bool reduced) const { return reduced ? m_reduced : m_normal; }
    // One character laid out once in its font, for painting.
    const QStaticText& glyphText(QChar c, bool reduced) const;

private:
    QFont m_normal;
    QFont m_reduced;
    QFontMetrics m_normalMetrics;
    QFontMetrics m_reducedMetrics;
    static constexpr char16_t kFlatWidths = 0x500; // Latin, Greek, Cyrillic
    mutable std::array<std::array<int, kFlatWidths>, 2> m_flatWidths = makeUnmeasured();
    mutable QHash<char16_t, int> m_widths[2]; // the other characters
    static std::array<std::array<int, kFlatWidths>, 2> makeUnmeasured()
    {
        std::array<std::array<int, kFlatWidths>, 2> widths;
        for (auto& font : widths)
            font.fill(-1);
        return widths;
    }
    mutable int m_heights[2] = {-1, -1}; // -1 until measured
    mutable QHash<char16_t, QStaticText> m_texts[2];
};

// The reduced font of indices: 4 points smaller (never below 1 point).
QFont reducedFont(const QFont& controlFont);

struct EqGlyph {
    QChar ch;       // the character drawn (the Unicode Greek letter for Greek ones)
    int index = 0;  // 0-based position of the character in the laid-out text
    int x = 0;
    int y = 0;      // top of the glyph's text cell
    int width = 0;
    int height = 0; // height of "0" in the glyph's font
    State level = level::Normal;
    bool reduced = false;
    bool greek = false;
};

struct EqLayout {
    QVector<EqGlyph> glyphs;
    // For n = 0..length: the x after the first n characters and the level in
    // effect after them.
    QVector<int> boundaryX;
    QVector<State> boundaryLevel;
    int width() const { return boundaryX.isEmpty() ? 0 : boundaryX.last(); }
};

EqLayout layoutEquation(const QString& text, State start, const EqMetrics& metrics);

// Adds to `layout`, the layout of the first characters of `text` (as many as
// it has boundaries less one), the rest of `text`: the result is the layout
// of the whole text from the same start level.  Unchanged when it holds more
// than `text`, or nothing at all.
void extendLayout(EqLayout& layout, const QString& text, const EqMetrics& metrics);

// The width in pixels of `text` drawn from level `start`.
int EqWidth(const QString& text, const State& start, const EqMetrics& metrics);

// The length of the longest start of `text` drawn from level `start` that is
// no wider than `limit` (0 when the limit is negative).
qsizetype EqFittingLength(const QString& text, State start, const EqMetrics& metrics, int limit);

// Top and height of the caret (or of a glyph) at a level.
struct LevelBand {
    int top = 0;
    int height = 0;
};
LevelBand levelBand(State lvl, const EqMetrics& metrics);

// The character drawn for a Greek letter typed as `typed`.
QChar greekGlyph(QChar typed);
