#include "reference/pagebuilder.h"

#include "drawing/picturebox.h"
#include "drawing/symbolfont.h"
#include "eqedit/teqedit.h"
#include "platform/colours.h"
#include "platform/fonts.h"

#include <QFontMetrics>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

namespace reference {

QFont textFont()
{
    return pixelFont(QStringLiteral("Arial"), 17);
}

QFont equationFont(const QString& family, int pixels)
{
    return pointFont(family, int(std::lround(pixels * 72.0 / 96.0)));
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

TEqEdit* addEquation(QWidget* page, const char* name, const QRect& box, const QString& equation,
                     const QFont& font)
{
    auto* edit = new TEqEdit(page);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(font);
    edit->SetBackColor(buttonFaceColour());
    edit->setGeometry(box);
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

QFrame* addPanel(QWidget* window, const QRect& box)
{
    auto* panel = new QFrame(window);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(box);
    return panel;
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

QPushButton* addOkButton(QWidget* parent, const QRect& box, const QFont& font)
{
    auto* button = new QPushButton(QStringLiteral("OK"), parent);
    button->setObjectName(QStringLiteral("BitBtn1"));
    button->setIcon(checkMark());
    button->setFont(font);
    button->setGeometry(box);
    button->setDefault(true);
    return button;
}

QWidget* addPage(QTabWidget* pages, const char* name, const QString& title)
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
