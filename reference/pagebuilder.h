#pragma once
// Builders for the controls of the reference pages: static texts, disabled
// equation boxes, pictures drawn once by a scheme function, and their pages.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <functional>

class Canvas;
class PictureBox;
class QLabel;
class QWidget;
class TabPages;
class TEqEdit;

namespace reference {

// The texts of the pages: "Arial" with a character height of 17 px.
QFont textFont();

enum TextFlag {
    Plain = 0,
    Wrapped = 1,
    Underlined = 2,
    Italic = 4,
};

// A text label at the given box.  A label whose text would be cut by its box
// grows: to the right when it is one line high, downwards otherwise.
QLabel* addText(QWidget* page, const char* name, const QRect& box, const QString& text, int flags = Plain,
                const QFont& font = textFont());

// A label whose box follows its text: top left at `at`, single line.
QLabel* addTextAt(QWidget* page, const char* name, const QPoint& at, const QString& text,
                  const QColor& colour = QColor(), int flags = Plain, const QFont& font = textFont());

// Texts side by side on a line keep a thin blank between them: a label or
// equation box that starts less than three pixels after the text or box
// before it (a one-line label or an equation box on the same line) moves
// right.  A label whose "joinsPrevious" property is set completes the word
// before it (a Greek letter after "sin") and stays where it is.
void keepApart(QWidget* parent);

// A label that would run past `right` (in its parent's coordinates) wraps
// its text inside that edge instead, growing downwards.
void wrapWithin(QLabel* label, int right);

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
