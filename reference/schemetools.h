#pragma once
// Small helpers shared by the scheme functions of the reference pages.
#include "drawing/canvas.h"
#include "drawing/primitives.h"
#include "platform/colours.h"

#include <QPoint>
#include <QString>
#include <initializer_list>

namespace scheme {

// Moves to the first point and draws a line to each further one.
inline void polyline(Canvas& c, std::initializer_list<QPoint> points)
{
    bool first = true;
    for (const QPoint& p : points) {
        if (first)
            c.MoveTo(p.x(), p.y());
        else
            c.LineTo(p.x(), p.y());
        first = false;
    }
}

// A plain label (DrawLabelSub with an empty subscript).
inline void label(Canvas& c, int x, int y, const QString& text, std::uint32_t background = bgr::White)
{
    DrawLabelSub(c, x, y, text, QString(), background);
}

} // namespace scheme
