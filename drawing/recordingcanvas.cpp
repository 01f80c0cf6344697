#include "drawing/recordingcanvas.h"

QString RecordingCanvas::numbers(std::initializer_list<int> values)
{
    QStringList parts;
    for (int v : values)
        parts.append(QString::number(v));
    return parts.join(u' ');
}

QString RecordingCanvas::colourText(std::uint32_t bgr)
{
    if (bgr == kButtonFace)
        return QStringLiteral("buttonface");
    return QStringLiteral("%1").arg(bgr, 6, 16, QLatin1Char('0')).toUpper();
}

void RecordingCanvas::setPenColour(std::uint32_t bgr)
{
    CanvasBase::setPenColour(bgr);
    add(QStringLiteral("pen colour ") + colourText(bgr));
}

void RecordingCanvas::setPenWidth(int width)
{
    CanvasBase::setPenWidth(width);
    add(QStringLiteral("pen width %1").arg(width));
}

void RecordingCanvas::setPenStyle(PenStyle style)
{
    CanvasBase::setPenStyle(style);
    add(style == PenStyle::Dotted ? QStringLiteral("pen style dotted") : QStringLiteral("pen style solid"));
}

void RecordingCanvas::setBrushColour(std::uint32_t bgr)
{
    CanvasBase::setBrushColour(bgr);
    add(QStringLiteral("brush colour ") + colourText(bgr));
}

void RecordingCanvas::setBrushStyle(BrushStyle style)
{
    CanvasBase::setBrushStyle(style);
    switch (style) {
    case BrushStyle::Solid: add(QStringLiteral("brush style solid")); break;
    case BrushStyle::Clear: add(QStringLiteral("brush style clear")); break;
    case BrushStyle::Hatch: add(QStringLiteral("brush style hatch")); break;
    }
}

void RecordingCanvas::setFontFace(const QString& face)
{
    CanvasBase::setFontFace(face);
    add(QStringLiteral("font face ") + face);
}

void RecordingCanvas::setFontSize(int points)
{
    CanvasBase::setFontSize(points);
    markFontSizeSet();
    add(QStringLiteral("font size %1").arg(points));
}

void RecordingCanvas::MoveTo(int x, int y)
{
    CanvasBase::MoveTo(x, y);
    add(QStringLiteral("move ") + numbers({x, y}));
}

void RecordingCanvas::LineTo(int x, int y)
{
    setPosition(QPoint(x, y));
    add(QStringLiteral("line ") + numbers({x, y}));
}

void RecordingCanvas::TextOut(int x, int y, const QString& text)
{
    setPosition(QPoint(x + TextWidth(text), y));
    add(QStringLiteral("text %1 \"%2\"").arg(numbers({x, y}), text));
}

int RecordingCanvas::TextWidth(const QString& text) const
{
    return int(text.size()) * charWidth(font().points);
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    add(QStringLiteral("ellipse ") + numbers({x1, y1, x2, y2}));
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    add(QStringLiteral("rectangle ") + numbers({x1, y1, x2, y2}));
}

void RecordingCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    add(QStringLiteral("arc ") + numbers({x1, y1, x2, y2, x3, y3, x4, y4}));
}

void RecordingCanvas::Polygon(const QVector<QPoint>& points)
{
    QStringList parts;
    for (const QPoint& p : points)
        parts << QString::number(p.x()) << QString::number(p.y());
    add(QStringLiteral("polygon ") + parts.join(u' '));
}

void RecordingCanvas::FillRect(int x1, int y1, int x2, int y2)
{
    add(QStringLiteral("fill ") + numbers({x1, y1, x2, y2}));
}

void RecordingCanvas::discardDrawing()
{
    add(QStringLiteral("discard"));
}
