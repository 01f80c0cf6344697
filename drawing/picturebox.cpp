#include "drawing/picturebox.h"

#include "drawing/paintercanvas.h"
#include "platform/colours.h"
#include "platform/accessibility.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(int width, int height, QWidget* parent)
    : QWidget(parent), m_width(std::max(1, width)), m_height(std::max(1, height))
{
    setFixedSize(m_width, m_height);
    setAccessibleName(tr("Схема"));
    m_canvas = std::make_unique<PainterCanvas>(
        SurfaceKind::Picture, [this]() -> QImage& { return surface(); }, [this] { update(); },
        [] { return buttonFaceColour(); });
}

PictureBox::~PictureBox() = default;

namespace {
// An image, its description (what the scheme shows) given to the ear whole.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box) : QAccessibleWidget(box, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override
    {
        return spokenAccessibleText(t, QAccessibleWidget::text(t));
    }
};
} // namespace

QAccessibleInterface* PictureBoxAccessibleFactory(const QString& className, QObject* object)
{
    auto* box = qobject_cast<PictureBox*>(object);
    if (!box || className != QLatin1String(PictureBox::staticMetaObject.className()))
        return nullptr;
    return new PictureBoxAccessible(box);
}

Canvas& PictureBox::canvas()
{
    return *m_canvas;
}

QImage& PictureBox::surface()
{
    if (m_image.isNull()) {
        const qreal dpr = std::max<qreal>(1.0, devicePixelRatioF());
        m_image = QImage(qCeil(m_width * dpr), qCeil(m_height * dpr), QImage::Format_ARGB32_Premultiplied);
        m_image.setDevicePixelRatio(dpr);
        m_image.fill(Qt::white);
    }
    return m_image;
}

QImage PictureBox::image() const
{
    if (m_image.isNull()) {
        QImage white(m_width, m_height, QImage::Format_ARGB32_Premultiplied);
        white.fill(Qt::white);
        return white;
    }
    QImage logical = m_image.devicePixelRatio() == 1.0
                         ? m_image.copy()
                         : m_image.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    logical.setDevicePixelRatio(1.0);
    return logical;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(QRect(0, 0, m_width, m_height), surface());
}
