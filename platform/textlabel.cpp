#include "platform/textlabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QStyle>
#include <QTextLayout>
#include <QTextOption>
#include <QtEndian>

namespace {
// Lays the text out as a wrapped label breaks it: at blanks, at the given
// width, "\n" starting a new line.
void layOutLines(QTextLayout& layout, int width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
}

QString lineText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return shown;
}
} // namespace

LineGrid windowsLineGrid(const QFont& font)
{
    const QFontMetrics metrics(font);
    LineGrid grid{metrics.lineSpacing(), metrics.ascent()};
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    const qreal units = raw.unitsPerEm();
    if (!raw.isValid() || os2.size() < 78 || units <= 0)
        return grid;
    // usWinAscent and usWinDescent: unsigned 16-bit, big-endian.
    const auto* data = reinterpret_cast<const uchar*>(os2.constData());
    const qreal winAscent = qFromBigEndian<quint16>(data + 74);
    const qreal winDescent = qFromBigEndian<quint16>(data + 76);
    const qreal pixels = raw.pixelSize();
    const int ascent = qRound(winAscent * pixels / units);
    const int descent = qRound(winDescent * pixels / units);
    if (ascent <= 0 || ascent + descent <= 0)
        return grid;
    return {ascent + descent, ascent};
}

TextLabel::TextLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

int TextLabel::lineCount(int contentsWidth) const
{
    if (text().isEmpty())
        return 0;
    if (!wordWrap())
        return int(text().count(QLatin1Char('\n'))) + 1;
    QTextLayout layout(lineText(text()), font());
    layOutLines(layout, contentsWidth);
    return layout.lineCount();
}

bool TextLabel::setsOwnLines() const
{
    return wordWrap() && lineCount(contentsRect().width()) >= 2;
}

LineGrid TextLabel::lineGrid() const
{
    return windowsLineGrid(font());
}

int TextLabel::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    const int contentsWidth = width - margins.left() - margins.right() - 2 * margin();
    const int lines = wordWrap() ? lineCount(contentsWidth) : 0;
    if (lines < 2)
        return QLabel::heightForWidth(width);
    return lines * lineGrid().pitch + margins.top() + margins.bottom() + 2 * margin();
}

void TextLabel::paintEvent(QPaintEvent* event)
{
    if (!setsOwnLines()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);   // the frame, if any
    const QRect box = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    QTextLayout layout(lineText(text()), font());
    layOutLines(layout, box.width());
    const LineGrid grid = lineGrid();
    const int ascent = QFontMetrics(font()).ascent();
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    int top = box.top();
    const int height = layout.lineCount() * grid.pitch;
    if (align & Qt::AlignBottom)
        top += box.height() - height;
    else if (align & Qt::AlignVCenter)
        top += (box.height() - height) / 2;
    QPainter painter(this);
    const QString shown = layout.text();
    for (int n = 0; n < layout.lineCount(); ++n) {
        const QTextLine line = layout.lineAt(n);
        QString part = shown.mid(line.textStart(), line.textLength());
        while (!part.isEmpty() && (part.back().isSpace() || part.back() == QChar::LineSeparator))
            part.chop(1);
        // The style draws a line with its baseline the desktop's ascent below
        // the rectangle's top; the rectangle is moved so that it lies the
        // grid's ascent below the line's top.
        const QRect row(box.left(), top + n * grid.pitch + grid.ascent - ascent, box.width(), grid.pitch);
        style()->drawItemText(&painter, row, int(align & Qt::AlignHorizontal_Mask) | Qt::AlignTop, palette(),
                              isEnabled(), part, foregroundRole());
    }
}
