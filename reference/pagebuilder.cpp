#include "reference/pagebuilder.h"

#include "drawing/picturebox.h"
#include "drawing/symbolfont.h"
#include "eqedit/eqlayout.h"
#include "eqedit/teqedit.h"
#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/tabpages.h"
#include "platform/textlabel.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace reference {

QFont textFont()
{
    return pixelFont(QStringLiteral("Arial"), 17);
}

QLabel* addText(QWidget* page, const char* name, const QRect& box, const QString& text, int flags,
                const QFont& font)
{
    auto* label = new TextLabel(text, page);
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
// Where the text of a control on a line ends, or -1 for a control that is not
// one line high (a wrapped paragraph holds no line that others continue).
int textEnd(const QWidget* w)
{
    if (auto* box = qobject_cast<const TEqEdit*>(w))
        return box->geometry().right() + 1;
    auto* label = qobject_cast<const QLabel*>(w);
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

void keepApart(QWidget* parent)
{
    constexpr int thinBlank = 3;
    QList<QWidget*> items;
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        auto* label = qobject_cast<QLabel*>(child);
        if ((label && !label->text().trimmed().isEmpty()) || qobject_cast<TEqEdit*>(child))
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

TEqEdit* addEquation(QWidget* page, const char* name, const QRect& box, const QString& equation,
                     const QString& family, int pixels)
{
    auto* edit = new TEqEdit(page);
    edit->setObjectName(QString::fromLatin1(name));
    const QFont font = pointFontForPixels(family, pixels);
    edit->setFont(font);
    edit->SetBackColor(buttonFaceColour());
    // The formula's last glyph stays inside the bevel.
    const FontEqMetrics metrics(font);
    const int needed = layoutEquation(equation, level::Normal, metrics).width() + 2 * TEqEdit::BevelWidth + 1;
    edit->setGeometry(QRect(box.topLeft(), QSize(std::max(box.width(), needed), box.height())));
    edit->SetEquation(equation);
    edit->setEnabled(false);
    return edit;
}

PictureBox* addPicture(QWidget* page, const char* name, const QRect& box, void (*draw)(Canvas&),
                       const QString& description)
{
    auto* picture = new PictureBox(box.width(), box.height(), page);
    picture->setObjectName(QString::fromLatin1(name));
    picture->move(box.topLeft());
    picture->setAccessibleName(description);
    draw(picture->canvas());
    return picture;
}

QWidget* addPage(TabPages* pages, const char* name, const QString& title)
{
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    pages->addTab(page, title);
    return page;
}

QString greek(const QString& latin)
{
    return symbolToUnicode(latin);
}

} // namespace reference
