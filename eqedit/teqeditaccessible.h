#pragma once
// What a screen reader sees of the equation control.
//
// In an enabled box (editable text, with the EditableText interface) the Text
// interface carries the formula as drawn: markers removed, Greek letters as
// their Unicode letters ("R!B@+G" is "RB+G", "sin(~a)" is "sin(α)"), so that
// reading by character, by word and the caret offset agree with what is on
// screen.  A disabled box (static text: a question, a formula of a reference
// page) is read, not edited: its text is the formula in words ("R индекс B
// плюс G"), so that a screen reader's review of the window speaks it, and
// the words are its name as well; a name of its own ("Вопрос") is then its
// description.  The answer box keeps its own name, and its words are its
// description.  No selection exists.
#include <QString>

class QAccessibleInterface;
class QObject;
class TEqEdit;

// The factory for TEqEdit, registered at start-up through installAccessibility.
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
