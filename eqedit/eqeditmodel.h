#pragma once
// The editing model of the equation control, without widgets: the formula, the
// caret and the scrolled view, and the rules by which keys, typed characters and
// clicks change them.
//
// Invariants kept after every operation:
//  - FVisibleText is a prefix of the tail of FEqText that starts at FFirstVisible;
//  - 1 <= FFirstVisible and FFirstVisible - 1 <= FCaretIndex <= FEqText length;
//  - FCaretX is the width of FEqText from FFirstVisible up to the caret, laid
//    out from the level in effect at FFirstVisible;
//  - the caret never stands between a '~' and the character after it;
//  - the view never starts inside a Greek letter: after its '~', or after a
//    level marker that stands between the '~' and the letter ("~!a" is one
//    Greek letter, a subscript alpha);
//  - unless nothing but markers stands between the view's start and the
//    caret, the caret is not right of the shown text and is left of Wc.
//
// The view is bounded by the caret limit Wc = width - caret width - 2 x bevel
// (the caret stays left of it) and the text limit Wt = width - 2 x bevel (the
// shown text is no wider).  Scrolling left jumps five characters at a time.
#include "eqedit/eqlayout.h"
#include "eqedit/notation.h"
#include <QString>
#include <deque>
#include <functional>
#include <vector>

// Undo and Redo are the control's additions (Ctrl+Z; Ctrl+Shift+Z or Ctrl+Y).
enum class EqKey { Backspace, End, Home, Left, Up, Right, Down, Delete, F3, Undo, Redo };

class EqEditModel {
public:
    explicit EqEditModel(const EqMetrics* metrics);

    // The metrics of the control's font; the view is laid out again.
    void setMetrics(const EqMetrics* metrics);
    // The control's outer width, caret width and bevel width; the view is
    // laid out again.
    void setGeometry(int width, int caretWidth, int bevelWidth);

    void keyDown(EqKey key);
    // A typed character (Enter is 13, Backspace 8).
    void keyPress(QChar ch);
    // A press at x in the drawing area.
    void click(int x);
    // Replaces the formula when it differs; the caret goes to the start and
    // the edits before can no longer be undone.
    void setEquation(const QString& text);

    // Each typed character (a Greek letter with its '~', a marker of Up or
    // Down) and each deletion is one edit.  Undo restores the text, caret and
    // view from before the last edit; Redo the ones after an undone edit,
    // until a new edit is made.  Nothing to undo or redo changes nothing.
    void undo();
    void redo();
    bool canUndo() const { return !m_undo.empty(); }

    const QString& equation() const { return FEqText; }
    int caretIndex() const { return FCaretIndex; }
    int caretX() const { return FCaretX; }
    const QString& visibleText() const { return FVisibleText; }
    int firstVisible() const { return FFirstVisible; }
    bool markerAllowed() const { return FMarkerAllowed; }
    bool greekPending() const { return FGreekPending; }
    int viewWidth() const { return m_width; }
    int caretLimit() const { return m_width - m_caretWidth - 2 * m_bevelWidth; }
    int textLimit() const { return m_width - 2 * m_bevelWidth; }

    // The first of the invariants above that does not hold, with the state
    // that breaks it; empty when all hold.  For tests, fuzzing and checks
    // from outside: the model keeps them after every operation.
    QString brokenInvariant() const;

    // The level at which the visible part starts.
    State visibleStartLevel() const;
    // The visible part laid out for painting.
    EqLayout visibleLayout() const;
    // Top and height of the caret: the level after the character before the
    // caret, full height at the start of the visible part.
    LevelBand caretBand() const;

    std::function<void()> beep;              // a refused move or deletion
    std::function<void(QChar&)> keyPressed;  // raised for typed characters
    std::function<void()> changed;           // the view needs repainting

private:
    // One method per key.
    void backspace();
    void del();
    void end();
    void home();
    void cursorBackward();
    void cursorForward();
    void levelUp();
    void levelDown();
    void afterDeletion(bool scrollLeft);

    // The text, caret and view, as an edit finds or leaves them.
    struct EditState {
        QString text;
        int caretIndex = 0;
        int firstVisible = 1;
        QString visibleText;
    };
    EditState editState() const;
    void restore(const EditState& state);
    // Called before an edit changes the text.
    void rememberEdit();
    State levelAtCaret() const;

    QString tailFromFirstVisible() const;
    QString textToCaret() const;
    int widthFromFirstVisible(const QString& text) const;
    void recomputeCaretX();
    void trim();
    void leftScrollTest();
    void scrollToCaret();
    bool stepFirstVisible();
    int viewStartFrom(int index) const;
    void keepCaretInView();
    void refuse();
    void notify();
    void insertMarker(QChar marker);
    bool caretAfterGreekMarker(int index) const;
    bool insideGreekLetter(int index) const;
    // The index of the '~' of the Greek letter `index` lies in, and the index
    // after that letter; `index` itself when it lies in none.
    int greekLetterStart(int index) const;
    int greekLetterEnd(int index) const;
    void relayout();

    const EqMetrics* m_metrics;
    int m_width = 300;
    int m_caretWidth = 2;
    int m_bevelWidth = 1;

    QString FEqText;
    bool FMarkerAllowed = false;
    bool FGreekPending = false;
    int FCaretIndex = 0;
    int FCaretX = 0;
    QString FVisibleText;
    int FFirstVisible = 1;

    static constexpr std::size_t kUndoLimit = 1000;
    std::deque<EditState> m_undo;  // oldest first; the oldest goes when full
    std::vector<EditState> m_redo; // the last undone edit last
};
