#pragma once
// The one way every scheme is written: a sketch on a canvas with one method
// per word of a drawing list, so that a scheme reads as its list does.
//
// Two kinds of words mix freely.  State words (pen, penWidth, brush,
// brushHatched, font, ...) change the canvas and stay.  Element words draw:
// the plain forms (line, rectangle, ellipse, polygon, arc) use the pen and
// brush as they stand; the forms given a colour and a fill set the brush
// first, and a pen width given with an element holds for that element only
// (the pen goes back to one pixel after it).  Labels take the sketch's
// background (white on a picture) unless one is given.
#include "drawing/canvas.h"
#include "platform/colours.h"

#include <QPoint>
#include <QString>
#include <cstdint>
#include <initializer_list>

// The face of the schemes' Latin text (a name no font has: the platform's
// substitute serves), the face of the reference pages' first pictures, and
// the face whose Latin letters show as Greek ones.
inline const QString kSchemeFace = QStringLiteral("MsSansSerif");
inline const QString kSansSerifFace = QStringLiteral("MS Sans Serif");
inline const QString kSymbolFace = QStringLiteral("Symbol");

enum class Fill { Solid, Hatch };

class Sketch {
public:
    explicit Sketch(Canvas& canvas, std::uint32_t background = bgr::White)
        : m_c(canvas), m_background(background)
    {
    }

    // The start of a 280 x 160 scheme: black pen, the scheme face, and the
    // whole picture filled white with a solid brush.
    void clearPicture();

    // State.
    void pen(std::uint32_t colour) { m_c.setPenColour(colour); }
    void penWidth(int width) { m_c.setPenWidth(width); }
    void penSolid() { m_c.setPenStyle(PenStyle::Solid); }
    void brush(std::uint32_t colour) { m_c.setBrushColour(colour); }
    void brushSolid() { m_c.setBrushStyle(BrushStyle::Solid); }
    void brushHatched() { m_c.setBrushStyle(BrushStyle::Hatch); }
    void font(const QString& face) { m_c.setFontFace(face); }
    void fontSize(int points) { m_c.setFontSize(points); }

    // Elements with the pen and brush as they stand.
    void line(std::initializer_list<QPoint> points);
    void rectangle(int x1, int y1, int x2, int y2) { m_c.Rectangle(x1, y1, x2, y2); }
    void ellipse(int x1, int y1, int x2, int y2) { m_c.Ellipse(x1, y1, x2, y2); }
    void polygon(std::initializer_list<QPoint> points) { m_c.Polygon(QVector<QPoint>(points)); }
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
    {
        m_c.Arc(x1, y1, x2, y2, x3, y3, x4, y4);
    }
    void fillBox(int x1, int y1, int x2, int y2) { m_c.FillRect(x1, y1, x2, y2); }
    void text(int x, int y, const QString& text) { m_c.TextOut(x, y, text); }

    // Elements with their own pen width, colour or fill.
    void line(std::initializer_list<QPoint> points, int penWidth);
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, std::uint32_t colour, int penWidth);
    void rectangle(int x1, int y1, int x2, int y2, std::uint32_t colour, Fill fill);
    void ellipse(int x1, int y1, int x2, int y2, std::uint32_t colour, Fill fill);
    void polygon(std::initializer_list<QPoint> points, std::uint32_t colour, Fill fill);

    // The primitives.
    void arrow(int x1, int y1, int x2, int y2, std::uint32_t colour);
    void dotted(int x1, int y1, int x2, int y2, std::uint32_t colour = bgr::Black);
    void label(int x, int y, const QString& text, const QString& sub = {});
    void labelOn(int x, int y, const QString& text, std::uint32_t background);
    void vector(int x, int y, const QString& text);
    void vector(int x, int y, const QString& text, const QString& sub);
    void bracketedVector(int x, int y, const QString& text);
    void bracketedVector(int x, int y, const QString& text, const QString& sub);
    // A label of Greek letters: written in the Symbol face, then back to the
    // scheme face.
    void symbol(int x, int y, const QString& text);

    // The frame of the beam schemes: the y axis and the x axis from the origin,
    // and their letters.
    void axes() { line({{10, 20}, {10, 140}, {250, 140}}); }
    void axisLabels(int xLabelY = 138, int originY = 141);

private:
    template <typename Draw> void withWidth(int penWidth, Draw draw);
    void setBrush(std::uint32_t colour, Fill fill);

    Canvas& m_c;
    std::uint32_t m_background;
};
