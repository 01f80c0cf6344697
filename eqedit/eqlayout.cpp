#include "eqedit/eqlayout.h"

#include "drawing/symbolfont.h"

namespace {
QFont withoutKerning(QFont f)
{
    f.setKerning(false);
    return f;
}
} // namespace

QFont reducedFont(const QFont& controlFont)
{
    QFont f = controlFont;
    if (controlFont.pointSizeF() > 0)
        f.setPointSizeF(qMax(1.0, controlFont.pointSizeF() - 4));
    else if (controlFont.pixelSize() > 0) // a pixel-sized font: 4 points at 96 dpi
        f.setPixelSize(qMax(1, controlFont.pixelSize() - 5));
    return f;
}

FontEqMetrics::FontEqMetrics(const QFont& controlFont)
    : m_normal(withoutKerning(controlFont)),
      m_reduced(withoutKerning(reducedFont(controlFont))),
      m_normalMetrics(m_normal),
      m_reducedMetrics(m_reduced)
{
}

int FontEqMetrics::charWidth(QChar c, bool reduced) const
{
    const int font = reduced ? 1 : 0;
    if (c.unicode() < kFlatWidths) {
        int& w = m_flatWidths[font][c.unicode()];
        if (w < 0)
            w = (reduced ? m_reducedMetrics : m_normalMetrics).horizontalAdvance(c);
        return w;
    }
    auto& cache = m_widths[font];
    const auto it = cache.constFind(c.unicode());
    if (it != cache.cend())
        return *it;
    const int w = (reduced ? m_reducedMetrics : m_normalMetrics).horizontalAdvance(c);
    cache.insert(c.unicode(), w);
    return w;
}

const QStaticText& FontEqMetrics::glyphText(QChar c, bool reduced) const
{
    auto& cache = m_texts[reduced ? 1 : 0];
    auto it = cache.find(c.unicode());
    if (it == cache.end()) {
        QStaticText text{QString(c)};
        text.setTextFormat(Qt::PlainText);
        text.setPerformanceHint(QStaticText::AggressiveCaching);
        text.prepare(QTransform(), font(reduced));
        it = cache.insert(c.unicode(), text);
    }
    return *it;
}

int FontEqMetrics::zeroHeight(bool reduced) const
{
    int& height = m_heights[reduced ? 1 : 0];
    if (height < 0)
        height = (reduced ? m_reducedMetrics : m_normalMetrics).height();
    return height;
}

QChar greekGlyph(QChar typed)
{
    const QString code = ChangeLetter(typed);
    return symbolToUnicode(code.isEmpty() ? typed : code.at(0));
}

LevelBand levelBand(State lvl, const EqMetrics& metrics)
{
    const int hn = metrics.zeroHeight(false);
    if (lvl == level::Normal)
        return {0, hn};
    const int hs = metrics.zeroHeight(true);
    if (lvl == level::Sub)
        return {hn - hs, hs};
    return {0, hs};
}

namespace {
// The band of each level, indexed by State, measured once per layout.
struct Bands {
    explicit Bands(const EqMetrics& metrics)
        : of{levelBand(level::Super, metrics), levelBand(level::Normal, metrics), levelBand(level::Sub, metrics)},
          starTop(metrics.zeroHeight(false) / 4)
    {
    }
    LevelBand of[3];
    int starTop; // top of a '*' on the normal line
};

// Calls glyph(c, drawn, lvl, greek) for each drawable character c of `text`
// from `from` on (drawn: the character painted for it) and marker(lvl) for
// each marker, lvl being the level after the character; `lvl` and `greek` are
// the level and the pending '~' at `from`.  Stops when a callback returns
// false.
template <class Glyph, class Marker>
void walkEquation(const QString& text, qsizetype from, State lvl, bool greek, Glyph glyph, Marker marker)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isLevelMarker(c)) {
            lvl = levelAfter(c, lvl);
            if (!marker(lvl))
                return;
        } else if (c == u'~') {
            greek = true;
            if (!marker(lvl))
                return;
        } else {
            const QChar drawn = greek ? greekGlyph(c) : c;
            if (!glyph(c, drawn, lvl, greek))
                return;
            greek = false;
        }
    }
}

template <class Glyph, class Marker>
void walkEquation(const QString& text, State start, Glyph glyph, Marker marker)
{
    walkEquation(text, 0, start, false, glyph, marker);
}

// A '~' stands before `index` with nothing but markers after it: the next
// drawable character is a Greek letter.
bool greekPendingAt(const QString& text, qsizetype index)
{
    for (qsizetype i = index - 1; i >= 0 && isMarker(text.at(i)); --i)
        if (text.at(i) == u'~')
            return true;
    return false;
}

// Lays out `text` from `from` on, after what `out` holds.
void appendLayout(EqLayout& out, const QString& text, qsizetype from, bool greek, const EqMetrics& metrics)
{
    out.boundaryX.reserve(text.size() + 1);
    out.boundaryLevel.reserve(text.size() + 1);
    out.glyphs.reserve(text.size());
    const Bands bands(metrics);
    int x = out.boundaryX.last();
    int index = int(from);
    walkEquation(
        text, from, out.boundaryLevel.last(), greek,
        [&](QChar c, QChar drawn, State lvl, bool isGreek) {
            EqGlyph g;
            g.index = index++;
            g.level = lvl;
            g.reduced = lvl != level::Normal;
            g.greek = isGreek;
            g.ch = drawn;
            const LevelBand band = bands.of[lvl <= level::Sub ? lvl : level::Super];
            g.y = c == u'*' && !isGreek && lvl == level::Normal ? bands.starTop : band.top;
            g.height = band.height;
            g.x = x;
            g.width = metrics.charWidth(g.ch, g.reduced);
            x += g.width;
            out.glyphs.append(g);
            out.boundaryX.append(x);
            out.boundaryLevel.append(lvl);
            return true;
        },
        [&](State lvl) {
            ++index;
            out.boundaryX.append(x);
            out.boundaryLevel.append(lvl);
            return true;
        });
}
} // namespace

EqLayout layoutEquation(const QString& text, State start, const EqMetrics& metrics)
{
    EqLayout out;
    out.boundaryX.append(0);
    out.boundaryLevel.append(start);
    appendLayout(out, text, 0, false, metrics);
    return out;
}

void extendLayout(EqLayout& layout, const QString& text, const EqMetrics& metrics)
{
    const qsizetype from = layout.boundaryX.size() - 1;
    if (from < 0 || from > text.size())
        return;
    appendLayout(layout, text, from, greekPendingAt(text, from), metrics);
}

int EqWidth(const QString& text, const State& start, const EqMetrics& metrics)
{
    int x = 0;
    walkEquation(
        text, start,
        [&](QChar, QChar drawn, State lvl, bool) {
            x += metrics.charWidth(drawn, lvl != level::Normal);
            return true;
        },
        [](State) { return true; });
    return x;
}

qsizetype EqFittingLength(const QString& text, State start, const EqMetrics& metrics, int limit)
{
    if (limit < 0)
        return 0;
    int x = 0;
    qsizetype n = 0; // characters walked that fit
    walkEquation(
        text, start,
        [&](QChar, QChar drawn, State lvl, bool) {
            x += metrics.charWidth(drawn, lvl != level::Normal);
            if (x > limit)
                return false;
            ++n;
            return true;
        },
        [&](State) {
            ++n;
            return true;
        });
    return n;
}
