#include "drawing/primitives.h"

#include <cmath>

namespace {
// The start shared by every label primitive but DrawLabelSub.
void beginLabel(Canvas& c, std::uint32_t background)
{
    c.setPenStyle(PenStyle::Solid);
    c.setPenWidth(0);
    c.setPenColour(0x000000);
    c.setBrushColour(background);
}
} // namespace

void DrawArrow(Canvas& c, int x1, int y1, int x2, int y2, std::uint32_t colour)
{
    c.setPenColour(colour);
    c.setPenWidth(2);
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);

    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double len = std::sqrt(dx * dx + dy * dy);
    if (len == 0.0) {
        // A zero-length arrow has no direction: only the shaft (a point) is
        // drawn, and the state is left as a full arrow leaves it.
        c.setBrushColour(colour);
        c.setBrushStyle(BrushStyle::Solid);
        c.setPenWidth(1);
        c.setBrushStyle(BrushStyle::Clear);
        return;
    }
    const double theta = std::atan2(dy / len, dx / len);
    const double phi = std::atan2(3.0, 5.0);
    const double head = std::sqrt(34.0);
    const QPoint tip(x2, y2);
    const QPoint left(int(std::trunc(x2 - head * std::cos(theta - phi))),
                      int(std::trunc(y2 - head * std::sin(theta - phi))));
    const QPoint right(int(std::trunc(x2 - head * std::cos(theta + phi))),
                       int(std::trunc(y2 - head * std::sin(theta + phi))));

    c.setBrushColour(colour);
    c.setBrushStyle(BrushStyle::Solid);
    c.setPenWidth(1);
    c.Polygon({tip, left, right});
    c.setBrushStyle(BrushStyle::Clear);
}

void DrawDottedLine(Canvas& c, int x1, int y1, int x2, int y2, std::uint32_t colour)
{
    c.setPenWidth(0);
    c.setPenColour(colour);
    c.setPenStyle(PenStyle::Dotted);
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
    c.setPenStyle(PenStyle::Solid);
}

void DrawVectorLabel(Canvas& c, int x, int y, const QString& text, std::uint32_t background)
{
    beginLabel(c, background);
    c.TextOut(x, y + 1, text);
    const QPoint p = c.position();
    c.MoveTo(p.x() - 1, y);
    c.LineTo(c.kind() == SurfaceKind::Picture ? x - 1 : x, y);
}

void DrawBracketedVectorLabel(Canvas& c, int x, int y, const QString& text, std::uint32_t background)
{
    beginLabel(c, background);
    c.TextOut(x, y + 1, QStringLiteral("(") + text);
    const QPoint p = c.position();
    c.TextOut(p.x(), y + 1, QStringLiteral(")"));
    c.MoveTo(p.x() - 1, y);
    c.LineTo(x + 2, y);
}

void DrawVectorLabelSub(Canvas& c, int x, int y, const QString& main, const QString& sub,
                        std::uint32_t background)
{
    beginLabel(c, background);
    c.TextOut(x, y + 1, main);
    const QPoint p = c.position();
    c.MoveTo(p.x() - 1, y);
    c.LineTo(x, y);
    c.MoveTo(p.x(), y);
    c.TextOut(p.x(), y + 6, sub);
}

void DrawBracketedVectorLabelSub(Canvas& c, int x, int y, const QString& main, const QString& sub,
                                 std::uint32_t background)
{
    beginLabel(c, background);
    c.TextOut(x, y + 1, QStringLiteral("(") + main);
    const QPoint p = c.position();
    c.MoveTo(p.x() - 2, y);
    c.LineTo(x + 2, y);
    c.TextOut(p.x(), y + 6, sub);
    const QPoint q = c.position();
    c.TextOut(q.x(), y, QStringLiteral(")"));
}

void DrawLabelSub(Canvas& c, int x, int y, const QString& main, const QString& sub,
                  std::uint32_t background)
{
    c.setBrushColour(background);
    c.TextOut(x, y, main);
    const QPoint p = c.position();
    c.TextOut(p.x(), y + 6, sub);
}
