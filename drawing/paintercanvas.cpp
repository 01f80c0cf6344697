#include "drawing/paintercanvas.h"

#include "drawing/symbolfont.h"
#include "platform/colours.h"
#include "platform/fonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtMath>
#include <cmath>

namespace {
const QString kSymbolFace = QStringLiteral("Symbol");

// The pixel height of a canvas font; never less than one pixel.
int canvasPixels(int points)
{
    return points > 0 ? pointsToPixels(points) : 1;
}

// Angle of the ray from the centre through p, in degrees counter-clockwise
// from the positive x axis as seen on screen (y grows downwards).
double rayAngle(const QPointF& centre, const QPointF& p)
{
    return qRadiansToDegrees(std::atan2(centre.y() - p.y(), p.x() - centre.x()));
}

QRectF normalised(int x1, int y1, int x2, int y2)
{
    return QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)));
}
} // namespace

PainterCanvas::PainterCanvas(SurfaceKind kind, std::function<QImage&()> image, std::function<void()> changed,
                             std::function<QColor()> buttonFace)
    : m_kind(kind), m_image(std::move(image)), m_changed(std::move(changed)), m_buttonFace(std::move(buttonFace))
{
}

void PainterCanvas::setFontFace(const QString& face)
{
    CanvasBase::setFontFace(face);
    if (face.compare(kSymbolFace, Qt::CaseInsensitive) != 0)
        m_latinFace = face;
}

void PainterCanvas::setFontSize(int points)
{
    CanvasBase::setFontSize(points);
    markFontSizeSet();
}

void PainterCanvas::adoptFontSize(int points)
{
    CanvasBase::setFontSize(points);
}

QColor PainterCanvas::colour(std::uint32_t bgr) const
{
    if (bgr == kButtonFace)
        return m_buttonFace ? m_buttonFace() : buttonFaceColour();
    return fromBgr(bgr & 0xFFFFFF);
}

QFont PainterCanvas::qfont() const
{
    QFont f(m_latinFace);
    f.setPixelSize(canvasPixels(font().points));
    return f;
}

QString PainterCanvas::shownText(const QString& text) const
{
    if (font().face.compare(kSymbolFace, Qt::CaseInsensitive) == 0)
        return symbolToUnicode(text);
    return text;
}

namespace {
// A painter on the image, without antialiasing, with logical coordinates.
struct SurfacePainter {
    explicit SurfacePainter(QImage& image) : p(&image) { p.setRenderHint(QPainter::Antialiasing, false); }
    QPainter p;
};

QPen makePen(const PenState& pen, const QColor& colour)
{
    QPen qpen(colour);
    qpen.setWidthF(std::max(1, pen.width));
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    if (pen.style == PenStyle::Dotted)
        qpen.setDashPattern({3.0, 3.0});
    return qpen;
}
} // namespace

namespace {
// The 45-degree hatch rising to the right: one line every 8 logical pixels,
// tiled from the surface's origin, with transparent gaps.  Built as a texture
// so that its spacing follows the device pixel ratio.
QBrush hatchBrush(const QColor& colour, qreal dpr)
{
    const int size = qCeil(8 * dpr);
    QImage tile(size, size, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    tile.setDevicePixelRatio(dpr);
    {
        QPainter p(&tile);
        for (int i = 0; i < 8; ++i)
            p.fillRect(QRectF(i, 7 - i, 1, 1), colour);
    }
    return QBrush(tile);
}

QBrush makeBrush(const BrushState& brush, const QColor& colour, qreal dpr)
{
    switch (brush.style) {
    case BrushStyle::Solid: return QBrush(colour, Qt::SolidPattern);
    case BrushStyle::Hatch: return hatchBrush(colour, dpr);
    case BrushStyle::Clear: break;
    }
    return QBrush(Qt::NoBrush);
}
} // namespace

void PainterCanvas::LineTo(int x, int y)
{
    const QPoint from = position();
    setPosition(QPoint(x, y));
    if (from == QPoint(x, y))
        return;
    QImage& image = m_image();
    SurfacePainter sp(image);
    sp.p.setPen(makePen(pen(), colour(pen().colour)));
    // Pixel (i, j) covers [i, i + 1) x [j, j + 1): a line joins pixel centres,
    // and the flat cap leaves the end pixel out.
    const QPointF a(from.x() + 0.5, from.y() + 0.5);
    const QPointF b(x + 0.5, y + 0.5);
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF back = d / len * 0.5;
    sp.p.drawLine(a - back, b - back);
    if (m_changed)
        m_changed();
}

void PainterCanvas::TextOut(int x, int y, const QString& text)
{
    const QString shown = shownText(text);
    const QFont f = qfont();
    QImage& image = m_image();
    const QFontMetrics fm(f, &image);
    const int width = fm.horizontalAdvance(shown);
    {
        SurfacePainter sp(image);
        if (brush().style == BrushStyle::Solid)
            sp.p.fillRect(QRect(x, y, width, fm.height()), colour(brush().colour));
        sp.p.setFont(f);
        sp.p.setPen(colour(0x000000));
        sp.p.drawText(QPoint(x, y + fm.ascent()), shown);
    }
    setPosition(QPoint(x + width, y));
    if (m_changed)
        m_changed();
}

int PainterCanvas::TextWidth(const QString& text) const
{
    return QFontMetrics(qfont()).horizontalAdvance(shownText(text));
}

void PainterCanvas::fillShape(QPainter& p, const std::function<void(QPainter&)>& shape)
{
    if (brush().style == BrushStyle::Clear)
        return;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(makeBrush(brush(), colour(brush().colour), p.device()->devicePixelRatioF()));
    shape(p);
    p.restore();
}

void PainterCanvas::outline(QPainter& p, const std::function<void(QPainter&)>& shape)
{
    p.save();
    p.setPen(makePen(pen(), colour(pen().colour)));
    p.setBrush(Qt::NoBrush);
    shape(p);
    p.restore();
}

void PainterCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const QRectF box = normalised(x1, y1, x2, y2);
    if (box.width() < 1 || box.height() < 1)
        return;
    QImage& image = m_image();
    SurfacePainter sp(image);
    fillShape(sp.p, [&](QPainter& p) { p.drawEllipse(box); });
    const QRectF line = box.adjusted(0.5, 0.5, -0.5, -0.5);
    outline(sp.p, [&](QPainter& p) { p.drawEllipse(line); });
    if (m_changed)
        m_changed();
}

void PainterCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const QRectF box = normalised(x1, y1, x2, y2);
    if (box.width() < 1 || box.height() < 1)
        return;
    QImage& image = m_image();
    SurfacePainter sp(image);
    fillShape(sp.p, [&](QPainter& p) { p.drawRect(box); });
    const QRectF line = box.adjusted(0.5, 0.5, -0.5, -0.5);
    outline(sp.p, [&](QPainter& p) { p.drawRect(line); });
    if (m_changed)
        m_changed();
}

void PainterCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    const QRectF box = normalised(x1, y1, x2, y2);
    if (box.width() < 1 || box.height() < 1)
        return;
    const QPointF centre = box.center();
    const double start = rayAngle(centre, QPointF(x3, y3));
    double span = rayAngle(centre, QPointF(x4, y4)) - start;
    while (span <= 0)
        span += 360.0;
    QImage& image = m_image();
    SurfacePainter sp(image);
    const QRectF line = box.adjusted(0.5, 0.5, -0.5, -0.5);
    outline(sp.p, [&](QPainter& p) { p.drawArc(line, qRound(start * 16), qRound(span * 16)); });
    if (m_changed)
        m_changed();
}

void PainterCanvas::Polygon(const QVector<QPoint>& points)
{
    if (points.size() < 2)
        return;
    QPolygonF centres;
    for (const QPoint& pt : points)
        centres << QPointF(pt.x() + 0.5, pt.y() + 0.5);
    QImage& image = m_image();
    SurfacePainter sp(image);
    fillShape(sp.p, [&](QPainter& p) { p.drawPolygon(centres); });
    outline(sp.p, [&](QPainter& p) { p.drawPolygon(centres); });
    if (m_changed)
        m_changed();
}

void PainterCanvas::FillRect(int x1, int y1, int x2, int y2)
{
    const QRectF box = normalised(x1, y1, x2, y2);
    QImage& image = m_image();
    SurfacePainter sp(image);
    fillShape(sp.p, [&](QPainter& p) { p.drawRect(box); });
    if (m_changed)
        m_changed();
}
