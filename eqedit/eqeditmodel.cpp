#include "eqedit/eqeditmodel.h"

#include <algorithm>

EqEditModel::EqEditModel(const EqMetrics* metrics) : m_metrics(metrics) {}

void EqEditModel::setMetrics(const EqMetrics* metrics)
{
    m_metrics = metrics;
    relayout();
}

void EqEditModel::setGeometry(int width, int caretWidth, int bevelWidth)
{
    m_width = width;
    m_caretWidth = std::max(0, caretWidth);
    m_bevelWidth = std::max(0, bevelWidth);
    relayout();
}

// After a change of font or size the shown part is cut again and the caret x
// measured again; the first shown position and the caret stay.
void EqEditModel::relayout()
{
    FVisibleText = tailFromFirstVisible();
    recomputeCaretX();
    trim();
    keepCaretInView();
}

// The level in effect at the first shown position.  (When nothing is shown
// the level does not matter: nothing is laid out.)
State EqEditModel::visibleStartLevel() const
{
    return GetFirstCaretState(FEqText, FEqText, FFirstVisible);
}

EqLayout EqEditModel::visibleLayout() const
{
    return layoutEquation(FVisibleText, visibleStartLevel(), *m_metrics);
}

LevelBand EqEditModel::caretBand() const
{
    const int n = FCaretIndex - (FFirstVisible - 1);
    if (n >= 1 && n <= FVisibleText.size()) {
        const EqLayout layout = visibleLayout();
        return levelBand(layout.boundaryLevel.at(n), *m_metrics);
    }
    return levelBand(level::Normal, *m_metrics);
}

QString EqEditModel::tailFromFirstVisible() const
{
    return FEqText.mid(FFirstVisible - 1);
}

QString EqEditModel::textToCaret() const
{
    const int n = FCaretIndex - (FFirstVisible - 1);
    return n > 0 ? FEqText.mid(FFirstVisible - 1, n) : QString();
}

int EqEditModel::widthFromFirstVisible(const QString& text) const
{
    return EqWidth(text, visibleStartLevel(), *m_metrics);
}

void EqEditModel::recomputeCaretX()
{
    FCaretX = widthFromFirstVisible(textToCaret());
}

// Cuts the shown text at the right so that it is no wider than Wt: the longest
// prefix whose width fits (widths only grow along the text).
void EqEditModel::trim()
{
    if (FVisibleText.isEmpty())
        return;
    FVisibleText.truncate(EqFittingLength(FVisibleText, visibleStartLevel(), *m_metrics, textLimit()));
}

// The caret has gone left of the view: show it from five characters earlier.
void EqEditModel::leftScrollTest()
{
    if (FCaretIndex < FFirstVisible - 1) {
        FFirstVisible = std::max(1, FFirstVisible - 5);
        // A step of the caret is at most two characters, but keep the caret in
        // view whatever happened.
        FFirstVisible = std::min(FFirstVisible, FCaretIndex + 1);
        FFirstVisible = greekLetterStart(FFirstVisible - 1) + 1;
        FVisibleText = tailFromFirstVisible();
        trim();
        recomputeCaretX();
        keepCaretInView();
    }
}

// The view starts after the characters up to the next one (a '~', the
// markers after it and its letter are one character), but never right of the
// caret; false when the view could not move.
bool EqEditModel::stepFirstVisible()
{
    const int next = greekLetterEnd(FFirstVisible);
    if (next > FCaretIndex)
        return false;
    FFirstVisible = next + 1;
    return true;
}

// The first index at or after `index` where a view may start without
// passing the caret: past the Greek letter `index` lies in, or back to its '~'
// when the caret stands inside the letter.
int EqEditModel::viewStartFrom(int index) const
{
    const int end = greekLetterEnd(index);
    return end <= FCaretIndex ? end : greekLetterStart(index);
}

// Scrolls right one character at a time until the caret is left of Wc (or
// the view starts at the caret), and then shows the text from there.  A view
// that already holds the caret is left as it is; one whose shown text ends
// before the caret (typing and End show the text up to the caret only) shows
// the text from its first position again.
void EqEditModel::keepCaretInView()
{
    if (FCaretX < caretLimit() || FFirstVisible - 1 >= FCaretIndex) {
        if (FCaretIndex - (FFirstVisible - 1) > FVisibleText.size()) {
            FVisibleText = tailFromFirstVisible();
            trim();
        }
        return;
    }
    while (FCaretX >= caretLimit() && FFirstVisible - 1 < FCaretIndex && stepFirstVisible())
        recomputeCaretX();
    FVisibleText = tailFromFirstVisible();
    trim();
}

// Drops characters from the left of the view one at a time until the caret is
// left of Wc; the view then ends at the caret.
void EqEditModel::scrollToCaret()
{
    QString text = textToCaret();
    while (!text.isEmpty() && widthFromFirstVisible(text) >= caretLimit()) {
        ++FFirstVisible;
        text.remove(0, 1);
    }
    // Never inside a Greek letter: the letter goes too, or, when the caret
    // stands inside it, the view starts at its '~'.
    const int start = viewStartFrom(FFirstVisible - 1);
    FFirstVisible = start + 1;
    text = FEqText.mid(start, FCaretIndex - start);
    FVisibleText = text;
    recomputeCaretX();
    trim();
}

void EqEditModel::refuse()
{
    if (beep)
        beep();
}

void EqEditModel::notify()
{
    if (changed)
        changed();
}

bool EqEditModel::caretAfterGreekMarker(int index) const
{
    return index > 0 && index < FEqText.size() && FEqText.at(index - 1) == u'~';
}

// Inside a Greek letter: after its '~', or after a level marker that follows
// the '~' (the letter after the markers is still the Greek one).
bool EqEditModel::insideGreekLetter(int index) const
{
    if (index <= 0 || index >= FEqText.size())
        return false;
    int i = index - 1;
    while (i >= 0 && isLevelMarker(FEqText.at(i)))
        --i;
    return i >= 0 && FEqText.at(i) == u'~';
}

int EqEditModel::greekLetterStart(int index) const
{
    while (insideGreekLetter(index))
        --index;
    return index;
}

int EqEditModel::greekLetterEnd(int index) const
{
    while (insideGreekLetter(index))
        ++index;
    return index;
}

QString EqEditModel::brokenInvariant() const
{
    const QString& text = FEqText;
    const int length = int(text.size());
    const int first = FFirstVisible;
    const int caret = FCaretIndex;
    const auto broken = [&](const char* what) {
        return QStringLiteral("%1 (text \"%2\", caret %3, first shown %4, caret x %5, width %6)")
            .arg(QLatin1String(what), text)
            .arg(caret)
            .arg(first)
            .arg(FCaretX)
            .arg(m_width);
    };
    if (first < 1)
        return broken("first shown position below 1");
    if (caret < first - 1 || caret > length)
        return broken("caret outside the text or left of the view");
    if (caretAfterGreekMarker(caret))
        return broken("caret between '~' and its letter");
    if (insideGreekLetter(first - 1))
        return broken("view starts inside a Greek letter");
    if (!text.mid(first - 1).startsWith(FVisibleText))
        return broken("shown text is not the start of the tail");
    const State start = visibleStartLevel();
    const QString toCaret = text.mid(first - 1, caret - (first - 1));
    if (FCaretX != EqWidth(toCaret, start, *m_metrics))
        return broken("caret x is not the width up to the caret");
    if (EqWidth(FVisibleText, start, *m_metrics) > std::max(0, textLimit()))
        return broken("shown text wider than the control");
    // A caret inside a Greek letter whose '~' starts the view has nothing
    // drawn before it: on a control too narrow for anything it stays there.
    const bool onlyMarkersBefore = std::all_of(toCaret.begin(), toCaret.end(), isMarker);
    if (caret - (first - 1) > FVisibleText.size() && !onlyMarkersBefore)
        return broken("caret right of the shown text");
    if (FCaretX >= caretLimit() && !onlyMarkersBefore)
        return broken("caret at or right of the caret limit");
    return {};
}

void EqEditModel::insertMarker(QChar marker)
{
    FMarkerAllowed = true;
    keyPress(marker);
}

void EqEditModel::keyDown(EqKey key)
{
    switch (key) {
    case EqKey::Backspace: backspace(); break;
    case EqKey::End: end(); break;
    case EqKey::Home: home(); break;
    case EqKey::Left: cursorBackward(); break;
    case EqKey::Up: levelUp(); break;
    case EqKey::Right: cursorForward(); break;
    case EqKey::Down: levelDown(); break;
    case EqKey::Delete: del(); break;
    case EqKey::F3: FGreekPending = true; break;
    case EqKey::Undo: undo(); break;
    case EqKey::Redo: redo(); break;
    }
    notify();
}

EqEditModel::EditState EqEditModel::editState() const
{
    return {FEqText, FCaretIndex, FFirstVisible, FVisibleText};
}

// The state as it was; a view that no longer fits (the control was narrowed
// since) is cut again and scrolled to the caret.
void EqEditModel::restore(const EditState& state)
{
    FEqText = state.text;
    FCaretIndex = state.caretIndex;
    FFirstVisible = state.firstVisible;
    FVisibleText = state.visibleText;
    recomputeCaretX();
    trim();
    keepCaretInView();
}

void EqEditModel::rememberEdit()
{
    if (m_undo.size() == kUndoLimit)
        m_undo.pop_front();
    m_undo.push_back(editState());
    m_redo.clear();
}

void EqEditModel::undo()
{
    if (m_undo.empty())
        return;
    m_redo.push_back(editState());
    const EditState before = std::move(m_undo.back());
    m_undo.pop_back();
    restore(before);
}

void EqEditModel::redo()
{
    if (m_redo.empty())
        return;
    m_undo.push_back(editState());
    const EditState after = std::move(m_redo.back());
    m_redo.pop_back();
    restore(after);
}

// Rule R1: the view after a deletion, scrolled left first (Backspace) when
// the caret has left it.
void EqEditModel::afterDeletion(bool scrollLeft)
{
    if (FEqText.isEmpty()) {
        FVisibleText.clear();
        FFirstVisible = 1;
        FCaretX = 0;
        return;
    }
    if (scrollLeft)
        leftScrollTest();
    FVisibleText = tailFromFirstVisible();
    recomputeCaretX();
    trim();
}

// The character before the caret goes, and a '~' left in front of the caret
// with it.
void EqEditModel::backspace()
{
    if (FCaretIndex == 0)
        return refuse();
    rememberEdit();
    FEqText.remove(--FCaretIndex, 1);
    while (FCaretIndex > 0 && FEqText.at(FCaretIndex - 1) == u'~')
        FEqText.remove(--FCaretIndex, 1);
    afterDeletion(true);
}

// The character after the caret goes; a '~' goes with its letter.
void EqEditModel::del()
{
    const int length = int(FEqText.size());
    if (FCaretIndex == length)
        return refuse();
    rememberEdit();
    if (FEqText.at(FCaretIndex) == u'~' && FCaretIndex + 1 < length)
        FEqText.remove(FCaretIndex, 2);
    else
        FEqText.remove(FCaretIndex, 1);
    afterDeletion(false);
}

// Rule R3: the caret to the end, the view scrolled until it fits.
void EqEditModel::end()
{
    if (FCaretIndex == FEqText.size())
        return refuse();
    FCaretIndex = int(FEqText.size());
    scrollToCaret();
}

void EqEditModel::home()
{
    if (FCaretIndex == 0)
        return refuse();
    FCaretX = 0;
    FCaretIndex = 0;
    FFirstVisible = 1;
    FVisibleText = FEqText;
    trim();
}

// One character left (a Greek letter is one), rule L.
void EqEditModel::cursorBackward()
{
    if (FCaretIndex == 0)
        return refuse();
    --FCaretIndex;
    while (FCaretIndex > 0 && FEqText.at(FCaretIndex - 1) == u'~')
        --FCaretIndex;
    leftScrollTest();
    recomputeCaretX();
}

// One character right (a Greek letter is one), rule R2: the view jumps five
// characters when the caret reaches the caret limit.
void EqEditModel::cursorForward()
{
    const int length = int(FEqText.size());
    if (FCaretIndex == length)
        return refuse();
    ++FCaretIndex;
    while (FEqText.at(FCaretIndex - 1) == u'~' && FCaretIndex < length)
        ++FCaretIndex;
    const QString kept = FVisibleText;
    recomputeCaretX();
    if (FCaretX < caretLimit()) {
        FVisibleText = kept;
        keepCaretInView();
        return;
    }
    FFirstVisible = std::min({FFirstVisible + 5, length, FCaretIndex + 1});
    FFirstVisible = std::max(1, FFirstVisible);
    // Five characters may end inside a Greek letter, and five narrow ones
    // (or markers) may not make room for the caret.
    FFirstVisible = viewStartFrom(FFirstVisible - 1) + 1;
    FVisibleText = tailFromFirstVisible();
    trim();
    recomputeCaretX();
    keepCaretInView();
}

State EqEditModel::levelAtCaret() const
{
    return GetFirstCaretState(FEqText, FEqText, FCaretIndex);
}

// Subscript to normal, normal to superscript (rule M).
void EqEditModel::levelUp()
{
    const State at = levelAtCaret();
    if (at == level::Normal)
        insertMarker(u'#');
    else if (at == level::Sub)
        insertMarker(u'@');
}

// Superscript to normal, normal to subscript (rule M).  The permission to type
// one marker directly is left set, whatever was inserted.
void EqEditModel::levelDown()
{
    const State at = levelAtCaret();
    if (at == level::Super)
        insertMarker(u'@');
    else if (at == level::Normal)
        insertMarker(u'!');
    FMarkerAllowed = true;
}

void EqEditModel::keyPress(QChar ch)
{
    if (FMarkerAllowed)
        FMarkerAllowed = false;
    else if (isLevelMarker(ch))
        return;

    if (ch.isPrint()) {
        if (ch == u'~' && FCaretIndex < FEqText.size()) {
            // A '~' typed in the middle would leave the caret between it and the
            // next character: it marks the next typed character instead.
            FGreekPending = true;
        } else {
            rememberEdit();
            if (FGreekPending) {
                FGreekPending = false;
                FEqText.insert(FCaretIndex++, u'~');
            }
            FEqText.insert(FCaretIndex++, ch);
            FVisibleText = tailFromFirstVisible();
            recomputeCaretX();
            // A letter typed after a '~' at the start of the view makes the
            // view start inside the pair: the scroll takes the letter too.
            if (FCaretX >= caretLimit() || insideGreekLetter(FFirstVisible - 1))
                scrollToCaret();
            trim();
            notify();
        }
    }

    if (keyPressed) {
        QChar key = ch;
        keyPressed(key);
    }
}

void EqEditModel::click(int x)
{
    if (FVisibleText.isEmpty())
        return;
    const EqLayout layout = visibleLayout();
    const auto& w = layout.boundaryX;
    const int last = int(FVisibleText.size());
    int n = 0;
    for (int i = last; i >= 0; --i)
        if (w.at(i) <= x) {
            n = i;
            break;
        }
    int chosen = n;
    if (n < last)
        chosen = std::abs(w.at(n) - x) < std::abs(w.at(n + 1) - x) ? n : n + 1;
    int index = FFirstVisible - 1 + chosen;
    // Never between '~' and its letter: the boundary before the '~' has the
    // same x; at the very start of the view, the boundary after the letter.
    while (caretAfterGreekMarker(index) && index > FFirstVisible - 1)
        --index;
    while (caretAfterGreekMarker(index))
        ++index;
    FCaretIndex = index;
    recomputeCaretX();
    keepCaretInView();
    notify();
}

void EqEditModel::setEquation(const QString& text)
{
    if (text == FEqText)
        return;
    FEqText = text;
    FVisibleText = text;
    FFirstVisible = 1;
    m_undo.clear();
    m_redo.clear();
    FCaretIndex = 0;
    FCaretX = 0;
    trim();
    notify();
}
