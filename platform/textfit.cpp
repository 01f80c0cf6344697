#include "platform/textfit.h"

#include "platform/fonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QStyle>
#include <QTextLayout>
#include <QTextOption>
#include <QtEndian>
#include <algorithm>

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

TextLabel::TextLabel(const QString& text, Fit fit, QWidget* parent)
    : QLabel(text, parent)
    , m_fit(fit)
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
    return m_fit == Fit::WindowsLines && wordWrap() && lineCount(contentsRect().width()) >= 2;
}

LineGrid TextLabel::lineGrid() const
{
    return windowsLineGrid(font());
}

int TextLabel::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    const int contentsWidth = width - margins.left() - margins.right() - 2 * margin();
    const int lines = m_fit == Fit::WindowsLines && wordWrap() ? lineCount(contentsWidth) : 0;
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

void TextLabel::showEvent(QShowEvent* event)
{
    if (m_fit == Fit::DesignedBox && !m_fitted) {
        m_fitted = true;
        widenOneLine();
    }
    QLabel::showEvent(event);
}

// A one-line label is laid out for the face's designed advances; where an
// installed face runs a few pixels wider the line would break and its end
// vanish below the box.  Such a label grows sideways instead so that the
// whole line stays visible.
void TextLabel::widenOneLine()
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

QLabel* fixedLabel(QWidget* parent, int left, int top, int width, int height, const QString& text,
                   const QFont& font, Qt::Alignment alignment, bool wordWrap)
{
    auto* label = new TextLabel(text, TextLabel::Fit::DesignedBox, parent);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(wordWrap);
    label->setGeometry(left, top, width, height);
    return label;
}

QFont textFont()
{
    return pixelFont(QStringLiteral("Arial"), 17);
}

QLabel* addText(QWidget* page, const char* name, const QRect& box, const QString& text, int flags,
                const QFont& font)
{
    auto* label = new TextLabel(text, TextLabel::Fit::WindowsLines, page);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont f = font;
    f.setUnderline(flags & Underlined);
    if (flags & Italic)
        f.setItalic(true);
    label->setFont(f);
    label->setWordWrap(flags & Wrapped);
    // A text never gets cut by its box: a single line, or a wrapped text in a
    // box one line high, grows to the right; a taller wrapped box grows down.
    QRect geometry = box;
    const QFontMetrics metrics(f);
    const int oneLine = metrics.horizontalAdvance(text) + 1;
    if (!(flags & Wrapped)) {
        geometry.setWidth(std::max(geometry.width(), oneLine));
    } else if (label->heightForWidth(geometry.width()) > geometry.height()) {
        if (geometry.height() < 2 * metrics.lineSpacing())
            geometry.setWidth(std::max(geometry.width(), oneLine));
        else
            geometry.setHeight(label->heightForWidth(geometry.width()));
    }
    label->setGeometry(geometry);
    return label;
}

QLabel* addTextAt(QWidget* page, const char* name, const QPoint& at, const QString& text, const QColor& colour,
                  int flags, const QFont& font)
{
    QLabel* label = addText(page, name, QRect(at, QSize(1, 1)), text, flags, font);
    if (colour.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
    label->resize(label->sizeHint());
    return label;
}

namespace {
const char* const kTextOnLine = "textOnLine";

bool isTextOnLine(const QWidget* w)
{
    return w->property(kTextOnLine).toBool();
}

// Where the text of a control on a line ends, or -1 for a control that is not
// one line high (a wrapped paragraph holds no line that others continue).
int textEnd(const QWidget* w)
{
    auto* label = qobject_cast<const QLabel*>(w);
    if (!label)
        return w->geometry().right() + 1;
    const QFontMetrics metrics(label->font());
    if (label->wordWrap() && label->heightForWidth(label->width()) > metrics.lineSpacing())
        return -1;
    return label->x() + metrics.horizontalAdvance(label->text());
}

// Where the ink of a control on a line starts: after a label's leading blanks.
int textStart(const QWidget* w)
{
    auto* label = qobject_cast<const QLabel*>(w);
    if (!label)
        return w->x();
    const QString text = label->text();
    qsizetype blanks = 0;
    while (blanks < text.size() && text.at(blanks) == u' ')
        ++blanks;
    return label->x() + QFontMetrics(label->font()).horizontalAdvance(text.left(blanks));
}
} // namespace

void setTextOnLine(QWidget* box)
{
    box->setProperty(kTextOnLine, true);
}

void keepApart(QWidget* parent)
{
    constexpr int thinBlank = 3;
    QList<QWidget*> items;
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        auto* label = qobject_cast<QLabel*>(child);
        if ((label && !label->text().trimmed().isEmpty()) || (w && !label && isTextOnLine(w)))
            items.append(w);
    }
    std::sort(items.begin(), items.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    for (QWidget* after : items) {
        if (after->property("joinsPrevious").toBool())
            continue;
        const int lineHeight = qobject_cast<QLabel*>(after) ? QFontMetrics(after->font()).height() : after->height();
        for (const QWidget* before : items) {
            if (before == after || before->x() >= after->x())
                continue;
            const int beforeHeight =
                qobject_cast<const QLabel*>(before) ? QFontMetrics(before->font()).height() : before->height();
            const int shared = std::min(before->y() + beforeHeight, after->y() + lineHeight)
                             - std::max(before->y(), after->y());
            const int end = textEnd(before);
            // Only a control that continues the line: it shares most of the
            // line's height and starts past the middle of the text before it.
            if (2 * shared <= std::min(lineHeight, beforeHeight) || end < 0
                || 2 * textStart(after) <= before->x() + end)
                continue;
            const int shortBy = end + thinBlank - textStart(after);
            if (shortBy > 0)
                after->move(after->x() + shortBy, after->y());
        }
    }
}

void wrapWithin(QLabel* label, int right)
{
    if (label->geometry().right() < right)
        return;
    const int width = right - label->x();
    label->setWordWrap(true);
    label->resize(width, label->heightForWidth(width));
}
