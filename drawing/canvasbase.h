#pragma once
// The state every canvas keeps (pen, brush, font, current position) and the
// rules for changing it; the painter and the recording canvases derive from it.
#include "drawing/canvas.h"

class CanvasBase : public Canvas {
public:
    PenState pen() const override { return m_pen; }
    BrushState brush() const override { return m_brush; }
    FontState font() const override { return m_font; }
    QPoint position() const override { return m_position; }

    void setPenColour(std::uint32_t bgr) override { m_pen.colour = bgr; }
    void setPenWidth(int width) override { m_pen.width = width; }
    void setPenStyle(PenStyle style) override { m_pen.style = style; }
    void setBrushColour(std::uint32_t bgr) override;
    void setBrushStyle(BrushStyle style) override { m_brush.style = style; }
    void setFontFace(const QString& face) override { m_font.face = face; }
    void setFontSize(int points) override { m_font.points = points; }
    void MoveTo(int x, int y) override { m_position = QPoint(x, y); }

    // The font size was never set through setFontSize.
    bool fontSizeIsDefault() const { return !m_fontSizeSet; }

protected:
    void setPosition(const QPoint& p) { m_position = p; }
    void markFontSizeSet() { m_fontSizeSet = true; }

private:
    PenState m_pen;
    BrushState m_brush;
    FontState m_font;
    QPoint m_position;
    bool m_fontSizeSet = false;
};
