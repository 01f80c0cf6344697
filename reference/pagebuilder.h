#pragma once
// Builders for the controls of the reference pages: disabled equation boxes,
// pictures drawn once by a scheme function, and their pages.  Their static
// texts are made and fitted by platform/textfit.h.
#include "platform/textfit.h"

#include <QRect>
#include <QString>

class Canvas;
class PictureBox;
class QWidget;
class TabPages;
class TEqEdit;

namespace reference {

// A disabled equation box showing `equation` in the notation, on the
// button-face colour; the font's height is given in pixels.  A box too narrow
// for its formula grows to the right, so that nothing of it is cut.
TEqEdit* addEquation(QWidget* page, const char* name, const QRect& box, const QString& equation,
                     const QString& family, int pixels);

// A picture of the given size drawn once by `draw`.
PictureBox* addPicture(QWidget* page, const char* name, const QRect& box, void (*draw)(Canvas&),
                       const QString& description);

// A new page of a page control.
QWidget* addPage(TabPages* pages, const char* name, const QString& title);

// The shown text of a run of Latin letters written in the "Symbol" face.
QString greek(const QString& latin);

} // namespace reference
