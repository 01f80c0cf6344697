#include "reference/pagebuilder.h"

#include "drawing/picturebox.h"
#include "drawing/symbolfont.h"
#include "eqedit/eqlayout.h"
#include "eqedit/teqedit.h"
#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/tabpages.h"

#include <algorithm>

namespace reference {

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
    setTextOnLine(edit);
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
