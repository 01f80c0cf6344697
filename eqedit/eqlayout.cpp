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
    auto& cache = m_widths[reduced ? 1 : 0];
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

EqLayout layoutEquation(const QString& text, State start, const EqMetrics& metrics)
{
    EqLayout out;
    out.boundaryX.reserve(text.size() + 1);
    out.boundaryLevel.reserve(text.size() + 1);
    out.glyphs.reserve(text.size());
    State lvl = start;
    bool greek = false;
    int x = 0;
    out.boundaryX.append(0);
    out.boundaryLevel.append(lvl);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isLevelMarker(c)) {
            lvl = levelAfter(c, lvl);
        } else if (c == u'~') {
            greek = true;
        } else {
            EqGlyph g;
            g.index = int(i);
            g.level = lvl;
            g.reduced = lvl != level::Normal;
            g.greek = greek;
            g.ch = greek ? greekGlyph(c) : c;
            const LevelBand band = levelBand(lvl, metrics);
            g.y = band.top;
            g.height = band.height;
            if (c == u'*' && !greek && lvl == level::Normal)
                g.y = metrics.zeroHeight(false) / 4;
            g.x = x;
            g.width = metrics.charWidth(g.ch, g.reduced);
            x += g.width;
            greek = false;
            out.glyphs.append(g);
        }
        out.boundaryX.append(x);
        out.boundaryLevel.append(lvl);
    }
    return out;
}

int EqWidth(const QString& text, const State& start, const EqMetrics& metrics)
{
    return layoutEquation(text, start, metrics).width();
}
