#include "reference/pagebuilder.h"

#include "drawing/picturebox.h"
#include "drawing/symbolfont.h"
#include "eqedit/eqlayout.h"
#include "eqedit/teqedit.h"
#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/tabpages.h"

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
    auto* label = new QLabel(text, page);
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
