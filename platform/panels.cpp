#include "platform/panels.h"

#include "platform/colours.h"
#include "platform/fonts.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

QFrame* raisedPanel(QWidget* parent, int left, int top, int width, int height)
{
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(left, top, width, height);
    return panel;
}

QFrame* raisedPanel(QWidget* parent, const QRect& box)
{
    return raisedPanel(parent, box.left(), box.top(), box.width(), box.height());
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                        const QRect& box)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(font);
    button->setGeometry(box);
    return button;
}

QPushButton* dialogButton(QWidget* parent, const QString& name, const QString& text, const QRect& box)
{
    QPushButton* button = makeButton(parent, name, text, pointFont(QStringLiteral("Arial"), 13), box);
    button->setAutoDefault(true);
    return button;
}

namespace {
// The green check mark of the "OK" buttons, drawn here rather than read from
// the style's image files: reading an image loads the image-format plugins,
// which would cost every start-up more than all the windows' frames together.
QIcon checkMark()
{
    QPixmap glyph(16, 16);
    glyph.fill(Qt::transparent);
    {
        QPainter painter(&glyph);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(fromBgr(0x008000), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF tick[] = {{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}};
        painter.drawPolyline(tick, 3);
    }
    return QIcon(glyph);
}
} // namespace

QPushButton* okButton(QWidget* parent, const QRect& box, const QFont& font)
{
    QPushButton* button = makeButton(parent, QStringLiteral("BitBtn1"), QStringLiteral("OK"), font, box);
    button->setIcon(checkMark());
    button->setDefault(true);
    return button;
}
