#pragma once
// Builders for the controls of the reference pages: static texts, disabled
// equation boxes, pictures drawn once by a scheme function, and the "OK" panel.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <functional>

class Canvas;
class PictureBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;
class TEqEdit;

namespace reference {

// The texts of the pages: "Arial" with a character height of 17 px.
QFont textFont();
// A font of `pixels` pixels given in points (at 96 dots per inch), for the
// equation boxes, whose font size is counted in points.
QFont equationFont(const QString& family, int pixels);

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

// A disabled equation box showing `equation` in the notation, on the
// button-face colour.
TEqEdit* addEquation(QWidget* page, const char* name, const QRect& box, const QString& equation,
                     const QFont& font);

// A picture of the given size drawn once by `draw`.
PictureBox* addPicture(QWidget* page, const char* name, const QRect& box, void (*draw)(Canvas&),
                       const QString& description);

// The raised panel at the bottom of a window and its "OK" button with the
// check mark (the default button).
QFrame* addPanel(QWidget* window, const QRect& box);
QPushButton* addOkButton(QWidget* parent, const QRect& box, const QFont& font);

// A new page of a page control.
QWidget* addPage(QTabWidget* pages, const char* name, const QString& title);

// The shown text of a run of Latin letters written in the "Symbol" face.
QString greek(const QString& latin);

} // namespace reference
