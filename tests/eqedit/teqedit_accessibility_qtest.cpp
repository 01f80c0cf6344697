// What a screen reader gets from the equation control: role, names, the Text
// and EditableText interfaces, and the events of typing, moving, changing
// the level and changing the formula; and the caret's blink.
#include "eqedit/teqedit.h"
#include "eqedit/teqeditaccessible.h"
#include "platform/accessibility.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QStyleHints>
#include <QtTest>

namespace {

// Accessibility events of the controls, written as short strings.
QStringList g_events;
QObject* g_watched = nullptr;

QString describe(QAccessibleEvent* e)
{
    switch (e->type()) {
    case QAccessible::TextInserted: {
        auto* t = static_cast<QAccessibleTextInsertEvent*>(e);
        return QStringLiteral("insert %1 '%2' caret %3").arg(t->changePosition()).arg(t->textInserted()).arg(t->cursorPosition());
    }
    case QAccessible::TextRemoved: {
        auto* t = static_cast<QAccessibleTextRemoveEvent*>(e);
        return QStringLiteral("remove %1 '%2' caret %3").arg(t->changePosition()).arg(t->textRemoved()).arg(t->cursorPosition());
    }
    case QAccessible::TextUpdated: {
        auto* t = static_cast<QAccessibleTextUpdateEvent*>(e);
        return QStringLiteral("update %1 '%2'>'%3'").arg(t->changePosition()).arg(t->textRemoved(), t->textInserted());
    }
    case QAccessible::TextCaretMoved:
        return QStringLiteral("caret %1").arg(static_cast<QAccessibleTextCursorEvent*>(e)->cursorPosition());
    case QAccessible::ObjectShow: // an announcement
        return QStringLiteral("say ") + e->accessibleInterface()->text(QAccessible::Name);
    case QAccessible::NameChanged: return QStringLiteral("name");
    case QAccessible::DescriptionChanged: return QStringLiteral("description");
    default: return QString();
    }
}

void record(QAccessibleEvent* e)
{
    const bool announcement = g_watched && qobject_cast<Announcer*>(e->object())
                           && static_cast<QWidget*>(e->object())->window() == g_watched;
    if (e->object() != g_watched && !announcement)
        return;
    const QString text = describe(e);
    if (!text.isEmpty())
        g_events.append(text);
}

QAccessibleInterface* face(TEqEdit& w)
{
    return QAccessible::queryAccessibleInterface(&w);
}

} // namespace

class TestTEqEditAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installAccessibility({TEqEditAccessibleFactory});
        // The offscreen platform has no screen reader: the events are observed.
        setAccessibleEventObserver(record);
    }
    void cleanupTestCase() { setAccessibleEventObserver(nullptr); }

    void rolesNamesAndText_data();
    void rolesNamesAndText();
    void eventsOfTypingAndMoving_data();
    void eventsOfTypingAndMoving();
    void changingTheQuestionIsReported();
    void nothingIsToldWhileHidden();
    void listenerArrivingAfterEdits_data();
    void listenerArrivingAfterEdits();
    void boundariesByCharacterAndWord_data();
    void boundariesByCharacterAndWord();
    void editableTextEditsTheFormula();
    void caretBlinksOnlyWhileFocused();
};

void TestTEqEditAccessibility::rolesNamesAndText_data()
{
    QTest::addColumn<QString>("ownName");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("text");

    QTest::newRow("answer box") << "Ответ" << true << "R!B@+G" << int(QAccessible::EditableText) << "Ответ"
                                << "R индекс B плюс G" << "RB+G";
    QTest::newRow("question box") << "Вопрос" << false << "Чему равна сила X!B@?" << int(QAccessible::StaticText)
                                  << "Чему равна сила X индекс B?" << "Вопрос" << "Чему равна сила X индекс B?";
    // A reference page's box has no name of its own: the formula is its name.
    // A display box is read as words, also by a review of the window.
    QTest::newRow("reference box") << "" << false << " F!x@ = - Fcos~g" << int(QAccessible::StaticText)
                                   << "F индекс x равно минус F косинус гамма" << ""
                                   << "F индекс x равно минус F косинус гамма";
}

void TestTEqEditAccessibility::rolesNamesAndText()
{
    QFETCH(QString, ownName);
    QFETCH(bool, enabled);
    QFETCH(QString, formula);
    TEqEdit w;
    w.setAccessibleName(ownName);
    w.setEnabled(enabled);
    w.SetEquation(formula);
    QAccessibleInterface* a = face(w);
    QVERIFY(a);
    QTEST(int(a->role()), "role");
    QTEST(a->text(QAccessible::Name), "name");
    QTEST(a->text(QAccessible::Description), "description");
    QAccessibleTextInterface* t = a->textInterface();
    QVERIFY(t);
    QFETCH(QString, text);
    QCOMPARE(t->text(0, t->characterCount()), text);
    QCOMPARE(a->text(QAccessible::Value), text);
    QCOMPARE(t->cursorPosition(), 0);
    QCOMPARE(t->selectionCount(), 0);
    QCOMPARE(a->editableTextInterface() != nullptr, enabled);
    QCOMPARE(a->state().editable, enabled);
    QCOMPARE(a->state().readOnly, !enabled);
}

void TestTEqEditAccessibility::eventsOfTypingAndMoving_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QList<int>>("keys");   // a key code with modifiers, or a character as a negative code
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("caret");

    const auto ch = [](char c) { return -int(c); };
    QTest::newRow("R Down B Up + G")
        << "" << QList<int>{ch('R'), Qt::Key_Down, ch('B'), Qt::Key_Up, ch('+'), ch('G')}
        << QStringList{"insert 0 'R' caret 1", "say индекс", "insert 1 'B' caret 2", "say основная строка",
                       "insert 2 '+' caret 3", "insert 3 'G' caret 4"}
        << 4;
    QTest::newRow("Greek letter") << "" << QList<int>{Qt::Key_F3, ch('a')}
                                  << QStringList{"say греческая буква", "insert 0 'α' caret 1"} << 1;
    QTest::newRow("moving") << "ab" << QList<int>{Qt::Key_End, Qt::Key_Left, Qt::Key_Home}
                            << QStringList{"caret 2", "caret 1", "caret 0"} << 0;
    QTest::newRow("moving over a marker") << "R!B" << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}
                                          << QStringList{"caret 1", "caret 2"} << 2;
    const int undo = int(Qt::ControlModifier) | Qt::Key_Z;
    const int redo = int(Qt::ControlModifier) | Qt::Key_Y;
    // A level marker is not in the text: the level it makes is said, by the
    // level keys and by undo and redo alike.
    QTest::newRow("undo and redo of Down")
        << "" << QList<int>{ch('R'), Qt::Key_Down, undo, redo}
        << QStringList{"insert 0 'R' caret 1", "say индекс", "say основная строка", "say индекс"} << 1;
    QTest::newRow("undo and redo of Up")
        << "" << QList<int>{ch('x'), Qt::Key_Up, undo, redo}
        << QStringList{"insert 0 'x' caret 1", "say степень", "say основная строка", "say степень"} << 1;
    QTest::newRow("undo back into a subscript")
        << "" << QList<int>{ch('R'), Qt::Key_Down, ch('B'), Qt::Key_Up, undo, redo}
        << QStringList{"insert 0 'R' caret 1", "say индекс", "insert 1 'B' caret 2", "say основная строка",
                       "say индекс", "say основная строка"}
        << 2;
    QTest::newRow("undo of a letter keeps the level") << "" << QList<int>{ch('a'), ch('b'), undo}
                                                      << QStringList{"insert 0 'a' caret 1", "insert 1 'b' caret 2",
                                                                     "remove 1 'b' caret 1"}
                                                      << 1;
    QTest::newRow("deleting") << "x+y" << QList<int>{Qt::Key_End, Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete}
                              << QStringList{"caret 3", "remove 2 'y' caret 2", "caret 0", "remove 0 'x' caret 0"}
                              << 0;
}

void TestTEqEditAccessibility::eventsOfTypingAndMoving()
{
    QFETCH(QString, start);
    QFETCH(QList<int>, keys);
    TEqEdit w;
    w.setBeepHandler([] {});
    w.SetEquation(start);
    w.show();
    QVERIFY(face(w));
    g_watched = &w;
    g_events.clear();
    for (int k : keys) {
        if (k < 0)
            QTest::keyClick(&w, char(-k));
        else
            QTest::keyClick(&w, Qt::Key(k & ~int(Qt::KeyboardModifierMask)),
                            Qt::KeyboardModifiers(k & int(Qt::KeyboardModifierMask)));
    }
    g_watched = nullptr;
    QTEST(g_events, "events");
    QTEST(face(w)->textInterface()->cursorPosition(), "caret");
    // Insertion and cursor events carry offsets of the plain text.
    QCOMPARE(face(w)->textInterface()->characterCount(), EqLength(w.Equation()));
}

void TestTEqEditAccessibility::changingTheQuestionIsReported()
{
    TEqEdit named;
    named.setAccessibleName(QStringLiteral("Вопрос"));
    named.setEnabled(false);
    named.show();
    TEqEdit unnamed;
    unnamed.setEnabled(false);
    unnamed.show();
    struct Row {
        TEqEdit* box;
        QString from, to;
        QStringList events;
    };
    const Row rows[] = {
        {&named, "", "Чему равна сила X!B@?", {"insert 0 'Чему равна сила X индекс B?' caret 0", "name"}},
        {&named, "Чему равна сила X!B@?", "Чему равна сила Y!B@?", {"update 16 'X'>'Y'", "name"}},
        {&named, "Чему равна сила Y!B@?", "", {"remove 0 'Чему равна сила Y индекс B?' caret 0", "name"}},
        {&unnamed, "a", "a+b", {"insert 1 ' плюс b' caret 0", "name"}},
        // The same text in other markers: nothing new to read.
        {&unnamed, "a+b", "a+b@", {}},
    };
    for (const Row& r : rows) {
        r.box->SetEquation(r.from);
        QVERIFY(face(*r.box));
        g_watched = r.box;
        g_events.clear();
        r.box->SetEquation(r.to);
        g_watched = nullptr;
        QCOMPARE(g_events, r.events);
    }
}

// A screen reader meets a box first when it is on screen: while hidden, its
// changes are not told (its view of the box would stay that of a hidden one).
void TestTEqEditAccessibility::nothingIsToldWhileHidden()
{
    TEqEdit box;
    box.setEnabled(false);
    QVERIFY(face(box));
    g_watched = &box;
    g_events.clear();
    box.SetEquation(QStringLiteral("a+b"));
    QCOMPARE(g_events, QStringList{});
    box.show();
    box.SetEquation(QStringLiteral("a+c"));
    QCOMPARE(g_events, (QStringList{"update 7 'b'>'c'", "name"}));
    box.hide();
    box.SetEquation(QStringLiteral("a"));
    g_watched = nullptr;
    QCOMPARE(g_events, (QStringList{"update 7 'b'>'c'", "name"}));
    QCOMPARE(face(box)->textInterface()->text(0, -1), QStringLiteral("a"));
}

// Edits made while nobody listened are not announced; the first event after a
// listener arrives describes the change from the text and caret the box had
// then, never from what was last announced.
void TestTEqEditAccessibility::listenerArrivingAfterEdits_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QList<int>>("unheard");  // a key code, or a character as a negative code
    QTest::addColumn<QList<int>>("heard");
    QTest::addColumn<QStringList>("events");

    const auto ch = [](char c) { return -int(c); };
    QTest::newRow("typed after unheard typing")
        << "x" << QList<int>{Qt::Key_End, ch('y')} << QList<int>{ch('+')} << QStringList{"insert 2 '+' caret 3"};
    QTest::newRow("deleted after an unheard index")
        << "" << QList<int>{ch('R'), Qt::Key_Down, ch('B')} << QList<int>{Qt::Key_Backspace}
        << QStringList{"remove 1 'B' caret 1"};
    QTest::newRow("moved after an unheard move")
        << "abc" << QList<int>{Qt::Key_End} << QList<int>{Qt::Key_Home} << QStringList{"caret 0"};
    QTest::newRow("unheard deletion, heard Greek letter")
        << "ab" << QList<int>{Qt::Key_End, Qt::Key_Backspace} << QList<int>{Qt::Key_F3, ch('b')}
        << QStringList{"say греческая буква", "insert 1 'β' caret 2"};
}

void TestTEqEditAccessibility::listenerArrivingAfterEdits()
{
    QFETCH(QString, start);
    QFETCH(QList<int>, unheard);
    QFETCH(QList<int>, heard);
    const auto press = [](TEqEdit& w, const QList<int>& keys) {
        for (int k : keys) {
            if (k < 0)
                QTest::keyClick(&w, char(-k));
            else
                QTest::keyClick(&w, Qt::Key(k));
        }
    };
    TEqEdit w;
    w.setBeepHandler([] {});
    w.SetEquation(start);
    w.show();   // a hidden box tells nothing at all
    QVERIFY(face(w));
    g_watched = &w;
    g_events.clear();
    setAccessibleEventObserver(nullptr);
    press(w, unheard);
    setAccessibleEventObserver(record);
    QVERIFY(g_events.isEmpty());
    press(w, heard);
    g_watched = nullptr;
    QTEST(g_events, "events");
}

void TestTEqEditAccessibility::boundariesByCharacterAndWord_data()
{
    QTest::addColumn<int>("boundary");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QStringList>("beforeAtAfter");

    // The formula "F!x@ = F cos~a" reads "Fx = F cosα".
    QTest::newRow("char at 0") << int(QAccessible::CharBoundary) << 0 << QStringList{"", "F", "x"};
    QTest::newRow("char at 1") << int(QAccessible::CharBoundary) << 1 << QStringList{"F", "x", " "};
    QTest::newRow("char at end") << int(QAccessible::CharBoundary) << 11 << QStringList{"α", "", ""};
    QTest::newRow("word at 0") << int(QAccessible::WordBoundary) << 0 << QStringList{"", "Fx", " "};
    QTest::newRow("word in cos") << int(QAccessible::WordBoundary) << 8 << QStringList{" ", "cosα", ""};
    QTest::newRow("line") << int(QAccessible::LineBoundary) << 3 << QStringList{"", "Fx = F cosα", ""};
}

void TestTEqEditAccessibility::boundariesByCharacterAndWord()
{
    QFETCH(int, boundary);
    QFETCH(int, offset);
    QFETCH(QStringList, beforeAtAfter);
    TEqEdit w;
    w.SetEquation(QStringLiteral("F!x@ = F cos~a"));
    QAccessibleTextInterface* t = face(w)->textInterface();
    const auto type = QAccessible::TextBoundaryType(boundary);
    int s = 0;
    int e = 0;
    QCOMPARE(t->textBeforeOffset(offset, type, &s, &e), beforeAtAfter.at(0));
    const QString at = t->textAtOffset(offset, type, &s, &e);
    QCOMPARE(at, beforeAtAfter.at(1));
    if (!at.isEmpty())
        QCOMPARE(t->text(s, e), at);
    QCOMPARE(t->textAfterOffset(offset, type, &s, &e), beforeAtAfter.at(2));
}

void TestTEqEditAccessibility::editableTextEditsTheFormula()
{
    TEqEdit w;
    w.SetEquation(QStringLiteral("R!B@+G"));
    QAccessibleEditableTextInterface* edit = face(w)->editableTextInterface();
    QAccessibleTextInterface* text = face(w)->textInterface();
    QVERIFY(edit && text);
    struct Row {
        void (*act)(QAccessibleEditableTextInterface*, QAccessibleTextInterface*);
        const char* equation;
        int caret;
    };
    const Row rows[] = {
        {[](QAccessibleEditableTextInterface* e, QAccessibleTextInterface*) { e->insertText(4, "*2"); }, "R!B@+G*2", 6},
        {[](QAccessibleEditableTextInterface* e, QAccessibleTextInterface*) { e->deleteText(2, 4); }, "R!B@*2", 2},
        {[](QAccessibleEditableTextInterface* e, QAccessibleTextInterface*) { e->replaceText(0, 1, "T"); }, "T!B@*2", 1},
        {[](QAccessibleEditableTextInterface*, QAccessibleTextInterface* t) { t->setCursorPosition(2); }, "T!B@*2", 2},
        {[](QAccessibleEditableTextInterface* e, QAccessibleTextInterface*) { e->insertText(4, "~a"); }, "T!B@*2~a", 5},
        {[](QAccessibleEditableTextInterface* e, QAccessibleTextInterface*) { e->deleteText(3, 5); }, "T!B@*", 3},
    };
    for (const Row& r : rows) {
        r.act(edit, text);
        QCOMPARE(w.Equation(), QString::fromLatin1(r.equation));
        QCOMPARE(text->cursorPosition(), r.caret);
    }
    // A display box cannot be edited through it.
    w.setEnabled(false);
    QVERIFY(!face(w)->editableTextInterface());
}

void TestTEqEditAccessibility::caretBlinksOnlyWhileFocused()
{
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    TEqEdit w;
    QCOMPARE(w.caretBlinkInterval(), 0);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.setFocus();
    QTRY_VERIFY(w.hasCaret());
    QVERIFY(w.caretShown());
    if (flash <= 0) {
        QCOMPARE(w.caretBlinkInterval(), 0); // a desktop without blinking: always shown
        return;
    }
    QCOMPARE(w.caretBlinkInterval(), flash / 2);
    QTRY_VERIFY_WITH_TIMEOUT(!w.caretShown(), flash * 2);
    // A key shows it at once, and the blink starts over.
    QTest::keyClick(&w, 'a');
    QVERIFY(w.caretShown());
    QTRY_VERIFY_WITH_TIMEOUT(!w.caretShown(), flash * 2);
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(2, 5));
    QVERIFY(w.caretShown());
    w.clearFocus();
    QVERIFY(!w.caretShown());
    QCOMPARE(w.caretBlinkInterval(), 0);
}

QTEST_MAIN(TestTEqEditAccessibility)
#include "teqedit_accessibility_qtest.moc"
