#pragma once
// A text label whose surface code can also draw on (kind() == Label).
//
// What is drawn is kept in a transparent overlay painted over the caption, so
// it survives repaints.  A fill in the button-face colour covers the caption
// as it would on the label's own surface.  Changing the caption drops the
// overlay: a drawing belongs to the caption it was made on.
#include "drawing/canvas.h"

#include <QImage>
#include <QLabel>
#include <memory>

class PainterCanvas;

class CanvasLabel : public QLabel {
    Q_OBJECT
public:
    explicit CanvasLabel(QWidget* parent = nullptr);
    ~CanvasLabel() override;

    Canvas& canvas();
    // Removes everything drawn on the label.
    void clearDrawing();
    // The label as shown (caption and drawing) at logical size, for tests.
    QImage grabSurface();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QImage& overlay();
    void dropOverlayIfCaptionChanged();
    void adoptLabelFontSize();

    QImage m_overlay;
    QString m_captionOfOverlay;
    std::unique_ptr<PainterCanvas> m_canvas;
};
