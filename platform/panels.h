#pragma once
// Raised panels, buttons and fixed-size labels (platform/textfit.h), the
// building blocks of the text windows.  Geometry is given as the designer
// gives it: left, top, width and height relative to the parent's outer
// top-left corner.
#include "platform/textfit.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QRect>
#include <QString>

class QPushButton;

// A panel with a one-pixel raised bevel (light top and left, dark bottom and right).
QFrame* raisedPanel(QWidget* parent, int left, int top, int width, int height);
QFrame* raisedPanel(QWidget* parent, const QRect& box);

// A push button with its designer name, text, font and place.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                        const QRect& box);

// A button of the order choice and the solver windows: 13-point Arial, and
// Enter on it when focused presses it.
QPushButton* dialogButton(QWidget* parent, const QString& name, const QString& text, const QRect& box);

// The "OK" button with the green check mark, the window's default button.
QPushButton* okButton(QWidget* parent, const QRect& box, const QFont& font);
