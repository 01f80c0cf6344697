#include "drawing/canvaslabel.h"

#include "drawing/paintercanvas.h"
#include "platform/fonts.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

CanvasLabel::CanvasLabel(QWidget* parent) : QLabel(parent)
{
    m_canvas = std::make_unique<PainterCanvas>(
        SurfaceKind::Label, [this]() -> QImage& { return overlay(); }, [this] { update(); },
        [this] { return palette().color(QPalette::Button); });
    m_canvas->setDiscard([this] { clearDrawing(); });
}

CanvasLabel::~CanvasLabel() = default;

Canvas& CanvasLabel::canvas()
{
    dropOverlayIfCaptionChanged();
    adoptLabelFontSize();
    return *m_canvas;
}

// Until a caller sets a size, text drawn on the label has the label's own size
// (a font given in pixels is taken back to points at 96 dots per inch).
void CanvasLabel::adoptLabelFontSize()
{
    if (!m_canvas->fontSizeIsDefault())
        return;
    const QFont f = font();
    if (f.pointSize() > 0)
        m_canvas->adoptFontSize(f.pointSize());
    else if (f.pixelSize() > 0)
        m_canvas->adoptFontSize(std::max(1, pixelsToPoints(f.pixelSize())));
}

void CanvasLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adoptLabelFontSize();
}

void CanvasLabel::clearDrawing()
{
    m_overlay = QImage();
    update();
}

void CanvasLabel::dropOverlayIfCaptionChanged()
{
    if (!m_overlay.isNull() && text() != m_captionOfOverlay)
        m_overlay = QImage();
}

QImage& CanvasLabel::overlay()
{
    dropOverlayIfCaptionChanged();
    const qreal dpr = std::max<qreal>(1.0, devicePixelRatioF());
    const QSize wanted(qCeil(std::max(1, width()) * dpr), qCeil(std::max(1, height()) * dpr));
    if (m_overlay.isNull() || m_overlay.devicePixelRatio() != dpr) {
        m_overlay = QImage(wanted, QImage::Format_ARGB32_Premultiplied);
        m_overlay.setDevicePixelRatio(dpr);
        m_overlay.fill(Qt::transparent);
        m_captionOfOverlay = text();
    } else if (m_overlay.width() < wanted.width() || m_overlay.height() < wanted.height()) {
        QImage grown(wanted.expandedTo(m_overlay.size()), QImage::Format_ARGB32_Premultiplied);
        grown.setDevicePixelRatio(dpr);
        grown.fill(Qt::transparent);
        QPainter(&grown).drawImage(0, 0, m_overlay);
        m_overlay = grown;
    }
    return m_overlay;
}

QImage CanvasLabel::grabSurface()
{
    QImage shot(size(), QImage::Format_ARGB32_Premultiplied);
    shot.fill(palette().color(QPalette::Window));
    render(&shot);
    return shot;
}

void CanvasLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    dropOverlayIfCaptionChanged();
    if (m_overlay.isNull())
        return;
    QPainter p(this);
    p.drawImage(QPointF(0, 0), m_overlay);
}
