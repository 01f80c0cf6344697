#include "tracecanvas.h"

#include "drawing/recordingcanvas.h"

namespace {
QString numbers(std::initializer_list<int> values)
{
    return RecordingCanvas::numbers(values);
}
} // namespace

QString TraceCanvas::penText() const
{
    const PenState p = pen();
    // Widths 0 and 1 both draw one pixel.
    return QStringLiteral("pen %1 %2 %3")
        .arg(RecordingCanvas::colourText(p.colour))
        .arg(std::max(1, p.width))
        .arg(p.style == PenStyle::Dotted ? QStringLiteral("dotted") : QStringLiteral("solid"));
}

QString TraceCanvas::brushText() const
{
    const BrushState b = brush();
    switch (b.style) {
    case BrushStyle::Solid: return QStringLiteral("brush %1 solid").arg(RecordingCanvas::colourText(b.colour));
    case BrushStyle::Hatch: return QStringLiteral("brush %1 hatch").arg(RecordingCanvas::colourText(b.colour));
    case BrushStyle::Clear: break;
    }
    return QStringLiteral("brush clear");
}

void TraceCanvas::shape(const QString& name, std::initializer_list<int> coordinates, bool filled)
{
    QString entry = name + u' ' + numbers(coordinates) + u' ' + penText();
    if (filled)
        entry += u' ' + brushText();
    m_trace.append(entry);
}

void TraceCanvas::LineTo(int x, int y)
{
    const QPoint from = position();
    setPosition(QPoint(x, y));
    shape(QStringLiteral("line"), {from.x(), from.y(), x, y}, false);
}

void TraceCanvas::TextOut(int x, int y, const QString& text)
{
    const BrushState b = brush();
    const QString cell = b.style == BrushStyle::Solid ? QStringLiteral("fill ") + RecordingCanvas::colourText(b.colour)
                                                      : QStringLiteral("clear");
    m_trace.append(QStringLiteral("text %1 \"%2\" %3 %4 %5")
                       .arg(numbers({x, y}), text, font().face)
                       .arg(font().points)
                       .arg(cell));
    setPosition(QPoint(x + TextWidth(text), y));
}

int TraceCanvas::TextWidth(const QString& text) const
{
    return int(text.size()) * RecordingCanvas::charWidth(font().points);
}

void TraceCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    shape(QStringLiteral("ellipse"), {x1, y1, x2, y2}, true);
}

void TraceCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    shape(QStringLiteral("rectangle"), {x1, y1, x2, y2}, true);
}

void TraceCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    shape(QStringLiteral("arc"), {x1, y1, x2, y2, x3, y3, x4, y4}, false);
}

void TraceCanvas::Polygon(const QVector<QPoint>& points)
{
    QStringList parts;
    for (const QPoint& p : points)
        parts << QString::number(p.x()) << QString::number(p.y());
    m_trace.append(QStringLiteral("polygon ") + parts.join(u' ') + u' ' + penText() + u' ' + brushText());
}

void TraceCanvas::FillRect(int x1, int y1, int x2, int y2)
{
    m_trace.append(QStringLiteral("fill ") + numbers({x1, y1, x2, y2}) + u' ' + brushText());
}
