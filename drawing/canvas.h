#pragma once
// The drawing surface of the schemes.
//
// Keeps the semantics the schemes are written for: a current position; LineTo
// excludes its end pixel and moves the position; a pen (colour, width 0 or 1 =
// one pixel, solid or dotted) and a brush (colour; solid, clear, or the 45°
// hatch rising to the right whose gaps stay transparent); TextOut fills the
// text cell with the brush colour when the brush is solid and moves the current
// position to (x + text width, y); Arc runs counter-clockwise from the ray
// through (x3, y3) to the ray through (x4, y4).  Colours are 0x00BBGGRR.
//
// Texts are drawn as given; a caller that wants a Greek letter selects the
// "Symbol" face and writes the Latin letter, which the painter draws as the
// Unicode Greek letter (symbolToUnicode).
#include <QPoint>
#include <QString>
#include <QVector>
#include <cstdint>

enum class PenStyle { Solid, Dotted };
// What a canvas draws on: a persistent picture or a text label's surface.  A
// few primitives differ by one pixel between the two.
enum class SurfaceKind { Picture, Label };

// The system button-face colour; the painter resolves it from the palette.
constexpr std::uint32_t kButtonFace = 0x8000000F;
enum class BrushStyle { Solid, Clear, Hatch };

struct PenState {
    std::uint32_t colour = 0x000000;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    bool operator==(const PenState&) const = default;
};

struct BrushState {
    std::uint32_t colour = 0xFFFFFF;
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const BrushState&) const = default;
};

struct FontState {
    QString face = QStringLiteral("MS Sans Serif");
    int points = 8;
    bool operator==(const FontState&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual SurfaceKind kind() const = 0;

    // State.
    virtual PenState pen() const = 0;
    virtual BrushState brush() const = 0;
    virtual FontState font() const = 0;
    virtual QPoint position() const = 0;

    virtual void setPenColour(std::uint32_t bgr) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void setPenStyle(PenStyle style) = 0;
    // Setting the brush colour also makes a clear brush solid.
    virtual void setBrushColour(std::uint32_t bgr) = 0;
    virtual void setBrushStyle(BrushStyle style) = 0;
    virtual void setFontFace(const QString& face) = 0;
    virtual void setFontSize(int points) = 0;

    // Operations.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual int TextWidth(const QString& text) const = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void Polygon(const QVector<QPoint>& points) = 0;
    virtual void FillRect(int x1, int y1, int x2, int y2) = 0;

    // Forgets what was drawn on a surface that keeps its drawing apart from
    // its content (a label, whose caption stays); a picture ignores it.
    virtual void discardDrawing() {}
};
