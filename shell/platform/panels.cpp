#include "shell/platform/panels.h"

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

QLabel* fixedLabel(QWidget* parent, int left, int top, int width, int height, const QString& text,
                   const QFont& font, Qt::Alignment alignment, bool wordWrap)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(wordWrap);
    // A one-line label is laid out for the face's designed advances; where an
    // installed face runs a few pixels wider the line would break and its end
    // vanish below the box.  Such a label grows sideways instead (about its
    // centre when centred) so that the whole line stays visible.
    const QFontMetrics metrics(font);
    const auto wrappedHeight = [&](int w) {
        return metrics.boundingRect(QRect(0, 0, w, 4 * height), Qt::TextWordWrap, text).height();
    };
    if (wordWrap && height < 2 * metrics.lineSpacing() && wrappedHeight(width) > height) {
        // The narrowest width that keeps the text on one line.
        int fits = metrics.boundingRect(QRect(0, 0, 16 * width, height), 0, text).width() + 1;
        int breaks = width;
        while (fits - breaks > 1) {
            const int mid = (fits + breaks) / 2;
            (wrappedHeight(mid) > height ? breaks : fits) = mid;
        }
        if (alignment & Qt::AlignHCenter)
            left -= (fits - width) / 2;
        else if (alignment & Qt::AlignRight)
            left -= fits - width;
        width = fits;
    }
    label->setGeometry(left, top, width, height);
    return label;
}
