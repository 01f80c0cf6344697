#include "platform/panels.h"

#include <QFontMetrics>

QFrame* raisedPanel(QWidget* parent, int left, int top, int width, int height)
{
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(left, top, width, height);
    return panel;
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
