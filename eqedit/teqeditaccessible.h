#pragma once
// What a screen reader sees of the equation control.
//
// The Text interface carries the formula as drawn: markers removed, Greek
// letters as their Unicode letters ("R!B@+G" is "RB+G", "sin(~a)" is
// "sin(α)"), so that reading by character, by word and the caret offset agree
// with what is on screen.  The formula in Russian words ("R индекс B плюс G")
// is the description; a box without a name of its own (the formulas of the
// reference pages) takes it as its name as well, and then has no description.
// An enabled box is editable text with the EditableText interface, a disabled
// one static text.  No selection exists.
#include <QString>

class QAccessibleInterface;
class QObject;
class TEqEdit;

// The factory registered for TEqEdit (installed by the first control made).
QAccessibleInterface* TEqEditAccessibleFactory(const QString& className, QObject* object);

// What the screen reader was last told about one control; TEqEdit keeps one
// and calls notifyEqEditChange after every change of text, caret or font.
// The formula is kept as notation and worked into plain text only while
// somebody listens, so that typing pays nothing for it otherwise.
struct EqEditAccessibleState {
    QString notation;   // the formula
    int caretIndex = 0; // the caret's index in the notation
    QString spoken;     // the spoken form, empty while nobody listens
};

// Sends the text-inserted / removed / updated, caret-moved and name or
// description-changed events for what differs from `state`, and updates it.
void notifyEqEditChange(TEqEdit* edit, EqEditAccessibleState& state);
