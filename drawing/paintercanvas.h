#pragma once
// The canvas drawn with QPainter onto an image kept by a widget (the picture
// of a PictureBox, the overlay of a CanvasLabel).
//
// Coordinates are logical pixels; the image carries the screen's device pixel
// ratio, so the drawing stays sharp on scaled desktops.  Font sizes in points
// are taken at 96 dots per inch, the resolution the schemes were laid out for.
// A text written in the "Symbol" face is drawn as its Unicode Greek letters in
// the last Latin face that was set.
#include "drawing/canvasbase.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <functional>

class QPainter;

class PainterCanvas : public CanvasBase {
public:
    // image(): the image to draw on, created at the right size by the owner;
    // changed(): called after each drawing operation (schedules a repaint);
    // buttonFace(): the colour kButtonFace stands for.
    PainterCanvas(SurfaceKind kind, std::function<QImage&()> image, std::function<void()> changed,
                  std::function<QColor()> buttonFace);

    SurfaceKind kind() const override { return m_kind; }
    void setFontFace(const QString& face) override;
    void setFontSize(int points) override;

    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) const override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Polygon(const QVector<QPoint>& points) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void discardDrawing() override
    {
        if (m_discard)
            m_discard();
    }
    void setDiscard(std::function<void()> discard) { m_discard = std::move(discard); }

    // Sets the size in points without counting as a choice of the caller (the
    // label starts with its own font size).
    void adoptFontSize(int points);

    // The Qt colour of a 0x00BBGGRR value or of kButtonFace.
    QColor colour(std::uint32_t bgr) const;
    // The font the current state stands for, and the text as it is drawn.
    QFont qfont() const;
    QString shownText(const QString& text) const;

private:
    void fillShape(QPainter& p, const std::function<void(QPainter&)>& shape);
    void outline(QPainter& p, const std::function<void(QPainter&)>& shape);

    SurfaceKind m_kind;
    std::function<QImage&()> m_image;
    std::function<void()> m_changed;
    std::function<QColor()> m_buttonFace;
    std::function<void()> m_discard;
    QString m_latinFace = QStringLiteral("MS Sans Serif");
};
