#include "eqedit/teqeditaccessible.h"

#include "eqedit/notation.h"
#include "eqedit/spokenformula.h"
#include "eqedit/teqedit.h"
#include "platform/accessibility.h"
#include "platform/spokentext.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTextBoundaryFinder>

namespace {

// A formula in words, as a screen reader is given it.
QString inWords(const QString& notation)
{
    return spokenText(spokenFormula(notation));
}

// The text of the Text interface: as drawn while the box is edited, in
// words while it only shows a formula.
QString plainText(const TEqEdit* edit)
{
    return edit->isEnabled() ? plainFormulaText(edit->Equation()) : inWords(edit->Equation());
}

int caretOffset(const TEqEdit* edit)
{
    return edit->isEnabled() ? plainOffset(edit->Equation(), edit->model().caretIndex()) : 0;
}

// The unit of `type` around `offset` of `text`: [start, end).
bool unitAround(const QString& text, QAccessible::TextBoundaryType type, int offset, int* start, int* end)
{
    const int n = int(text.size());
    if (type == QAccessible::CharBoundary) {
        if (offset < 0 || offset >= n)
            return false;
        *start = offset;
        *end = offset + 1;
        return true;
    }
    if (type != QAccessible::WordBoundary) { // sentence, line, paragraph, all: the one line
        *start = 0;
        *end = n;
        return n > 0;
    }
    if (offset < 0 || offset >= n)
        return false;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, text);
    finder.setPosition(offset);
    int s = finder.isAtBoundary() ? offset : finder.toPreviousBoundary();
    if (s < 0)
        s = 0;
    finder.setPosition(offset);
    int e = finder.toNextBoundary();
    if (e < 0)
        e = n;
    *start = s;
    *end = e;
    return true;
}

// Index in `notation` of the drawable character number `n` (from 0); with
// `withGreekMarker`, of the '~' before it when it is a Greek letter.
int drawableIndex(const QString& notation, int n, bool withGreekMarker)
{
    int seen = 0;
    for (int i = 0; i < notation.size(); ++i) {
        if (isMarker(notation.at(i)))
            continue;
        if (seen++ == n)
            return (withGreekMarker && i > 0 && notation.at(i - 1) == u'~') ? i - 1 : i;
    }
    return int(notation.size());
}

class TEqEditAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TEqEditAccessible(TEqEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    TEqEdit* edit() const { return static_cast<TEqEdit*>(widget()); }

    QAccessible::Role role() const override
    {
        return edit()->isEnabled() ? QAccessible::EditableText : QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = edit()->isEnabled();
        s.readOnly = !edit()->isEnabled();
        s.multiLine = false;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        const QString own = edit()->accessibleName();
        // A display box is named by its formula in words, so that a review of
        // the window speaks the formula; its own name says what it is.
        const bool display = !edit()->isEnabled();
        switch (t) {
        case QAccessible::Name:
            return own.isEmpty() || display ? inWords(edit()->Equation()) : own;
        case QAccessible::Description:
            if (display)
                return own;
            return own.isEmpty() ? QString() : inWords(edit()->Equation());
        case QAccessible::Value:
            return plainText(edit());
        default:
            return QAccessibleWidget::text(t);
        }
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface && edit()->isEnabled())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // ---- Text ----
    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return caretOffset(edit()); }
    void setCursorPosition(int position) override
    {
        if (edit()->isEnabled())
            edit()->setCaretIndex(notationIndex(edit()->Equation(), position));
    }
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = plainText(edit());
        const int s = qBound(0, startOffset, int(all.size()));
        const int e = endOffset < 0 ? int(all.size()) : qBound(s, endOffset, int(all.size()));
        return all.mid(s, e - s);
    }
    int characterCount() const override { return int(plainText(edit()).size()); }

    QRect characterRect(int offset) const override
    {
        const TEqEdit* e = edit();
        if (!e->isEnabled())
            return {};   // words, not the drawn characters
        const EqEditModel& m = e->model();
        const EqLayout layout = m.visibleLayout();
        for (const EqGlyph& g : layout.glyphs) {
            if (plainOffset(e->Equation(), m.firstVisible() - 1 + g.index) != offset)
                continue;
            const QPoint topLeft = e->mapToGlobal(QPoint(TEqEdit::BevelWidth + g.x, TEqEdit::BevelWidth + g.y));
            return QRect(topLeft, QSize(g.width, g.height));
        }
        return {};
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        const TEqEdit* e = edit();
        if (!e->isEnabled())
            return -1;
        const EqEditModel& m = e->model();
        const QPoint local = e->mapFromGlobal(point) - QPoint(TEqEdit::BevelWidth, TEqEdit::BevelWidth);
        for (const EqGlyph& g : m.visibleLayout().glyphs)
            if (local.x() >= g.x && local.x() < g.x + g.width)
                return plainOffset(e->Equation(), m.firstVisible() - 1 + g.index);
        return -1;
    }

    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                             int* endOffset) const override
    {
        const QString all = plainText(edit());
        *startOffset = *endOffset = -1;
        int s = 0;
        int e = 0;
        if (type == QAccessible::CharBoundary) {
            if (offset <= 0 || offset > all.size())
                return {};
            *startOffset = offset - 1;
            *endOffset = offset;
            return all.mid(offset - 1, 1);
        }
        if (!unitAround(all, type, qMin(offset, int(all.size()) - 1), &s, &e) || s == 0)
            return {};
        if (!unitAround(all, type, s - 1, &s, &e))
            return {};
        *startOffset = s;
        *endOffset = e;
        return all.mid(s, e - s);
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                         int* endOffset) const override
    {
        const QString all = plainText(edit());
        *startOffset = *endOffset = -1;
        int s = 0;
        int e = 0;
        if (type != QAccessible::CharBoundary && offset == all.size())
            offset = int(all.size()) - 1;
        if (!unitAround(all, type, offset, &s, &e))
            return {};
        *startOffset = s;
        *endOffset = e;
        return all.mid(s, e - s);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                            int* endOffset) const override
    {
        const QString all = plainText(edit());
        *startOffset = *endOffset = -1;
        int s = 0;
        int e = 0;
        if (!unitAround(all, type, offset, &s, &e) || e >= all.size())
            return {};
        if (!unitAround(all, type, e, &s, &e))
            return {};
        *startOffset = s;
        *endOffset = e;
        return all.mid(s, e - s);
    }

    // ---- EditableText (offsets of the plain text) ----
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        TEqEdit* e = edit();
        if (!e->isEnabled())
            return;
        const QString eq = e->Equation();
        const int count = EqLength(eq);
        const int first = qBound(0, startOffset, count);
        const int last = qBound(first, endOffset, count);
        // An insertion goes where the caret would stand; a deletion takes the
        // characters with their Greek markers and leaves the level markers
        // around them.
        const int from = first == last ? notationIndex(eq, first) : drawableIndex(eq, first, true);
        const int to = first == last ? from : drawableIndex(eq, last - 1, false) + 1;
        e->SetEquation(eq.left(from) + text + eq.mid(to));
        e->setCaretIndex(from + int(text.size()));
    }
};

} // namespace

QAccessibleInterface* TEqEditAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TEqEdit") && object && object->isWidgetType())
        return new TEqEditAccessible(static_cast<TEqEdit*>(object));
    return nullptr;
}

void notifyEqEditChange(TEqEdit* edit, EqEditAccessibleState& state)
{
    if (!accessibleEventsWanted()) {
        // Nobody listens: the text and the words are worked out when somebody
        // does.
        state = {edit->Equation(), edit->model().caretIndex(), QString()};
        return;
    }
    const QString text = plainText(edit);
    const int caret = caretOffset(edit);
    const QString spoken = inWords(edit->Equation());
    // The text the listener was last given, in the same form as now: the
    // plain formula in the answer box, the words in a display box.
    const bool enabled = edit->isEnabled();
    int cursorSent = enabled ? plainOffset(state.notation, state.caretIndex) : 0;
    const QString old = enabled ? plainFormulaText(state.notation) : inWords(state.notation);
    if (text != old) {
        int prefix = 0;
        while (prefix < old.size() && prefix < text.size() && old[prefix] == text[prefix])
            ++prefix;
        int suffix = 0;
        while (suffix < old.size() - prefix && suffix < text.size() - prefix
               && old[old.size() - 1 - suffix] == text[text.size() - 1 - suffix])
            ++suffix;
        const QString removed = old.mid(prefix, old.size() - prefix - suffix);
        const QString inserted = text.mid(prefix, text.size() - prefix - suffix);
        if (removed.isEmpty()) {
            QAccessibleTextInsertEvent ev(edit, prefix, inserted);
            ev.setCursorPosition(caret);
            sendAccessibleEvent(&ev);
        } else if (inserted.isEmpty()) {
            QAccessibleTextRemoveEvent ev(edit, prefix, removed);
            ev.setCursorPosition(caret);
            sendAccessibleEvent(&ev);
        } else {
            QAccessibleTextUpdateEvent ev(edit, prefix, removed, inserted);
            ev.setCursorPosition(caret);
            sendAccessibleEvent(&ev);
        }
        cursorSent = caret;
    }
    if (caret != cursorSent) {
        QAccessibleTextCursorEvent ev(edit, caret);
        sendAccessibleEvent(&ev);
    }
    // In the answer box the inserted characters are news enough; the spoken
    // form is reported for the display boxes.
    if (spoken != state.spoken && !edit->isEnabled()) {
        QAccessibleEvent ev(edit, QAccessible::NameChanged);
        sendAccessibleEvent(&ev);
    }
    state = {edit->Equation(), edit->model().caretIndex(), spoken};
}
