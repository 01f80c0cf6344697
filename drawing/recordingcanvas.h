#pragma once
// A canvas that draws nothing and records every call with its arguments, in a
// compact text form, for tests.  Text widths come from fixed metrics: each
// character is charWidth(points) pixels wide.
//
// Record format, one entry per call:
//   "pen colour 0000FF" "pen width 2" "pen style dotted"
//   "brush colour FFFFFF" "brush style hatch" "font face Symbol" "font size 12"
//   "move 10 20" "line 30 40" "text 5 6 \"A\"" "ellipse 1 2 3 4"
//   "rectangle 1 2 3 4" "arc 1 2 3 4 5 6 7 8" "polygon 1 2 3 4 5 6" "fill 1 2 3 4"
//   "discard"
// Colours are six hex digits (upper case), kButtonFace is "buttonface".
#include "drawing/canvasbase.h"

#include <QStringList>
#include <initializer_list>

class RecordingCanvas : public CanvasBase {
public:
    explicit RecordingCanvas(SurfaceKind kind = SurfaceKind::Picture) : m_kind(kind) {}

    static int charWidth(int points) { return points > 1 ? points * 3 / 4 : 1; }
    static QString colourText(std::uint32_t bgr);
    // The numbers joined by blanks, as the entries write coordinates.
    static QString numbers(std::initializer_list<int> values);

    SurfaceKind kind() const override { return m_kind; }
    const QStringList& calls() const { return m_calls; }
    void clear() { m_calls.clear(); }

    void setPenColour(std::uint32_t bgr) override;
    void setPenWidth(int width) override;
    void setPenStyle(PenStyle style) override;
    void setBrushColour(std::uint32_t bgr) override;
    void setBrushStyle(BrushStyle style) override;
    void setFontFace(const QString& face) override;
    void setFontSize(int points) override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) const override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Polygon(const QVector<QPoint>& points) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void discardDrawing() override;

private:
    void add(const QString& entry) { m_calls.append(entry); }

    SurfaceKind m_kind;
    QStringList m_calls;
};
