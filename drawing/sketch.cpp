#include "drawing/sketch.h"

#include "drawing/primitives.h"

void Sketch::clearPicture()
{
    pen(bgr::Black);
    font(kSchemeFace);
    brushSolid();
    brush(bgr::White);
    fillBox(0, 0, 280, 160);
}

void Sketch::line(std::initializer_list<QPoint> points)
{
    const QPoint* p = points.begin();
    if (p == points.end())
        return;
    m_c.MoveTo(p->x(), p->y());
    for (++p; p != points.end(); ++p)
        m_c.LineTo(p->x(), p->y());
}

template <typename Draw> void Sketch::withWidth(int penWidth, Draw draw)
{
    if (penWidth > 0)
        m_c.setPenWidth(penWidth);
    draw();
    if (penWidth > 1)
        m_c.setPenWidth(1);
}

void Sketch::setBrush(std::uint32_t colour, Fill fill)
{
    m_c.setBrushColour(colour);
    m_c.setBrushStyle(fill == Fill::Solid ? BrushStyle::Solid : BrushStyle::Hatch);
}

void Sketch::line(std::initializer_list<QPoint> points, int penWidth)
{
    withWidth(penWidth, [&] { line(points); });
}

void Sketch::arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, std::uint32_t colour, int penWidth)
{
    m_c.setPenColour(colour);
    withWidth(penWidth, [&] { m_c.Arc(x1, y1, x2, y2, x3, y3, x4, y4); });
}

void Sketch::rectangle(int x1, int y1, int x2, int y2, std::uint32_t colour, Fill fill)
{
    setBrush(colour, fill);
    m_c.Rectangle(x1, y1, x2, y2);
}

void Sketch::ellipse(int x1, int y1, int x2, int y2, std::uint32_t colour, Fill fill)
{
    setBrush(colour, fill);
    m_c.Ellipse(x1, y1, x2, y2);
}

void Sketch::polygon(std::initializer_list<QPoint> points, std::uint32_t colour, Fill fill)
{
    setBrush(colour, fill);
    m_c.Polygon(QVector<QPoint>(points));
}

void Sketch::arrow(int x1, int y1, int x2, int y2, std::uint32_t colour)
{
    DrawArrow(m_c, x1, y1, x2, y2, colour);
}

void Sketch::dotted(int x1, int y1, int x2, int y2, std::uint32_t colour)
{
    DrawDottedLine(m_c, x1, y1, x2, y2, colour);
}

void Sketch::label(int x, int y, const QString& text, const QString& sub)
{
    DrawLabelSub(m_c, x, y, text, sub, m_background);
}

void Sketch::labelOn(int x, int y, const QString& text, std::uint32_t background)
{
    DrawLabelSub(m_c, x, y, text, {}, background);
}

void Sketch::vector(int x, int y, const QString& text)
{
    DrawVectorLabel(m_c, x, y, text, m_background);
}

void Sketch::vector(int x, int y, const QString& text, const QString& sub)
{
    DrawVectorLabelSub(m_c, x, y, text, sub, m_background);
}

void Sketch::bracketedVector(int x, int y, const QString& text)
{
    DrawBracketedVectorLabel(m_c, x, y, text, m_background);
}

void Sketch::bracketedVector(int x, int y, const QString& text, const QString& sub)
{
    DrawBracketedVectorLabelSub(m_c, x, y, text, sub, m_background);
}

void Sketch::symbol(int x, int y, const QString& text)
{
    font(kSymbolFace);
    label(x, y, text);
    font(kSchemeFace);
}

void Sketch::axisLabels(int xLabelY, int originY)
{
    label(15, 15, QStringLiteral("y"));
    label(245, xLabelY, QStringLiteral("x"));
    label(9, originY, QStringLiteral("O"));
}
