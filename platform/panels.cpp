#include "platform/panels.h"

#include "platform/colours.h"
#include "platform/fonts.h"

#include <QFontMetrics>
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

namespace {
// A one-line label is laid out for the face's designed advances; where an
// installed face runs a few pixels wider the line would break and its end
// vanish below the box.  Such a label grows sideways instead (about its centre
// when centred) so that the whole line stays visible.  The check waits for the
// first showing, so that a window that is never shown loads no font for it.
class FixedLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void showEvent(QShowEvent* event) override
    {
        if (!fitted) {
            fitted = true;
            fitOneLine();
        }
        QLabel::showEvent(event);
    }

private:
    bool fitted = false;

    void fitOneLine()
    {
        const QFontMetrics metrics(font());
        const QString content = text();
        QRect box = geometry();
        const auto wrappedHeight = [&](int w) {
            return metrics.boundingRect(QRect(0, 0, w, 4 * box.height()), Qt::TextWordWrap, content).height();
        };
        if (!wordWrap() || box.height() >= 2 * metrics.lineSpacing() || wrappedHeight(box.width()) <= box.height())
            return;
        // The narrowest width that keeps the text on one line.
        int fits = metrics.boundingRect(QRect(0, 0, 16 * box.width(), box.height()), 0, content).width() + 1;
        int breaks = box.width();
        while (fits - breaks > 1) {
            const int mid = (fits + breaks) / 2;
            (wrappedHeight(mid) > box.height() ? breaks : fits) = mid;
        }
        const int grow = fits - box.width();
        if (alignment() & Qt::AlignHCenter)
            box.translate(-grow / 2, 0);
        else if (alignment() & Qt::AlignRight)
            box.translate(-grow, 0);
        box.setWidth(fits);
        setGeometry(box);
    }
};
} // namespace

QLabel* fixedLabel(QWidget* parent, int left, int top, int width, int height, const QString& text,
                   const QFont& font, Qt::Alignment alignment, bool wordWrap)
{
    auto* label = new FixedLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(wordWrap);
    label->setGeometry(left, top, width, height);
    return label;
}
