// Every window from the keyboard alone: where the focus lands when the window
// is shown, the Tab order through it, Enter and Space on a button, Escape in
// the modal reference windows.
#include "windowfixture.h"

#include "platform/forms.h"
#include "platform/keyboard.h"
#include "shell/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMap>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// What a focused widget is called in the tables: a button by its text, a box
// by its object name, anything else by its class.
QString focusName(const QWidget* w)
{
    if (!w)
        return QStringLiteral("(none)");
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (!w->objectName().isEmpty())
        return w->objectName();
    if (!w->accessibleName().isEmpty())
        return w->accessibleName();
    return QString::fromLatin1(w->metaObject()->className());
}

// The focus on showing, then after each Tab until it comes back round.  A
// button that is drawn the same with and without the focus is listed as
// "(focus not shown)"; a dialog's default button is left out of that check,
// as the style draws it outlined, focused or not.
QStringList tabRound(QWidget* window)
{
    QStringList names{focusName(QApplication::focusWidget())};
    QWidget* first = QApplication::focusWidget();
    QWidget* previous = first;
    QImage focusedLook = previous ? previous->grab().toImage() : QImage();
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        auto* button = qobject_cast<QPushButton*>(previous);
        if (button && !button->isDefault() && previous != now && previous->grab().toImage() == focusedLook)
            names << QStringLiteral("(focus not shown)");
        if (now == first)
            break;
        if (now && now->window() != window)
            return names << QStringLiteral("(left the window)");
        names << focusName(now);
        previous = now;
        focusedLook = now ? now->grab().toImage() : QImage();
    }
    return names;
}

QStringList range(const QString& prefix, int first, int last)
{
    QStringList out;
    for (int i = first; i <= last; ++i)
        out << prefix + QString::number(i);
    return out;
}

} // namespace

class KeyboardTest : public WindowsTestCase {
    Q_OBJECT
private slots:
    void focusEntersAndTabGoesRound_data();
    void focusEntersAndTabGoesRound();
    void enterAndSpacePressTheFocusedButton_data();
    void enterAndSpacePressTheFocusedButton();
    void escapeLeavesTheModalReferenceWindows_data();
    void escapeLeavesTheModalReferenceWindows();
    void tableKeysRunTheirWindowsActions();
};

void KeyboardTest::focusEntersAndTabGoesRound_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("main") << "MainForm" << QStringList{"КОНСУЛЬТАНТ", "РЕПЕТИТОР", "КОНТРОЛЕР", "ВЫХОД"};
    QTest::newRow("consultant") << "ConsForm"
                                << QStringList{"Информация о работе с системой ВЕКТУМ-W", "Методика решения задач",
                                               "Виды связей", "Завершение работы с подсистемой КОНСУЛЬТАНТ"};
    QTest::newRow("method menu") << "ReshForm"
                                 << QStringList{"Основные понятия и сведения", "Методика решения задач статики",
                                                "Завершение обзора"};
    QTest::newRow("tutor") << "RepForm"
                           << QStringList{"Знакомство с примерами составления уравнений равновесия",
                                          "Решение контрольной задачи по статике",
                                          "Завершение работы с подсистемой РЕПЕТИТОР"};
    QTest::newRow("examiner") << "KontrForm"
                              << QStringList{"Решение системы линейных уравнений",
                                             "Завершение работы с подсистемой КОНТРОЛЕР"};
    // The exercises open in the answer box; the skip area is no stop.
    QTest::newRow("worked example") << "UrForm" << QStringList{"Ответ", "Выход", "Подсказка"};
    QTest::newRow("control task") << "KzsForm" << QStringList{"Ответ", "Выход", "Подсказка"};
    QTest::newRow("method") << "MetodForm" << QStringList{"OK"};
    QTest::newRow("order choice") << "AskForm" << QStringList{"6", "9"};
    QTest::newRow("order 6") << "MatrixForm"
                             << range("Edit", 1, 36) + range("B", 1, 6) + QStringList{"Считать", "Выход"};
    QTest::newRow("order 9") << "Matrix2Form"
                             << range("Edit", 1, 81) + range("B", 1, 8) + QStringList{"BL", "Считать", "Выход"};
    // The tabbed windows start on the current page's tab (the one stop of the
    // tab rows; arrows move between tabs) and end on OK.
    QTest::newRow("basic concepts") << "PonForm" << QStringList{"Определение силы", "OK"};
    QTest::newRow("constraints") << "SvyazForm" << QStringList{"Вращательный шарнир и катковая опора", "OK"};
    QTest::newRow("help") << "HelpForm" << QStringList{"Набор греческих букв", "ScrollBox1", "OK"};
}

void KeyboardTest::focusEntersAndTabGoesRound()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    QWidget* w = windowNamed(window);
    QVERIFY(w);
    QVERIFY(showAlone(w));
    QCOMPARE(tabRound(w), order);
}

void KeyboardTest::enterAndSpacePressTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("tabs");        // Tab presses from the first stop
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");   // the window the button leads to

    QTest::newRow("main, Return") << "MainForm" << 0 << int(Qt::Key_Return) << "ConsForm";
    QTest::newRow("main, keypad Enter") << "MainForm" << 1 << int(Qt::Key_Enter) << "RepForm";
    QTest::newRow("main, Space") << "MainForm" << 2 << int(Qt::Key_Space) << "KontrForm";
    QTest::newRow("tutor, Return") << "RepForm" << 2 << int(Qt::Key_Return) << "MainForm";
    QTest::newRow("method, Return") << "MetodForm" << 0 << int(Qt::Key_Return) << "ReshForm";
    QTest::newRow("worked example exit, Return") << "UrForm" << 1 << int(Qt::Key_Return) << "RepForm";
}

void KeyboardTest::enterAndSpacePressTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(QString, shown);
    QWidget* w = windowNamed(window);
    QVERIFY(showAlone(w));
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* button = QApplication::focusWidget();
    QVERIFY(qobject_cast<QAbstractButton*>(button));
    const Qt::KeyboardModifiers mods = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(button, Qt::Key(key), mods);
    QTRY_VERIFY(windowNamed(shown)->isVisible());
    QVERIFY(!w->isVisible());
}

void KeyboardTest::escapeLeavesTheModalReferenceWindows_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("basic concepts") << "PonForm";
    QTest::newRow("constraints") << "SvyazForm";
    QTest::newRow("help") << "HelpForm";
}

void KeyboardTest::escapeLeavesTheModalReferenceWindows()
{
    QFETCH(QString, window);
    auto* dialog = qobject_cast<QDialog*>(windowNamed(window));
    QVERIFY(dialog);
    hideAllWindows();
    bool wasShown = false;
    QTimer::singleShot(0, dialog, [&] {
        wasShown = dialog->isVisible();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog, Qt::Key_Escape);
    });
    QTimer::singleShot(5000, dialog, [dialog] { dialog->done(99); }); // a safety net, never the verdict
    const int result = dialog->exec();
    QVERIFY(wasShown);
    QVERIFY(result != 99);
    QVERIFY(!dialog->isVisible());
}

// Each key of the table that asks for an action runs the handler its window
// registered, pressed at the focused control or at the window itself, shown
// or not as active; held down it acts once.  With another modifier, or in a
// window that registered nothing, it does nothing.  The key installed is the
// one the table writes for the keys page.
void KeyboardTest::tableKeysRunTheirWindowsActions()
{
    hideAllWindows();
    QWidget window;
    auto* edit = new QLineEdit(&window);
    QWidget other;
    QMap<KeyAction, int> runs;
    QList<KeyAction> actions;
    for (const KeyRow& row : keyTable())
        if (row.action != KeyAction::None) {
            actions << row.action;
            registerKeyAction(&window, row.action, [&runs, action = row.action] { ++runs[action]; });
        }
    QCOMPARE(actions.size(), 5);
    window.show();
    other.show();
    edit->setFocus();
    for (KeyAction action : actions) {
        const QKeyCombination key = keyCombination(action);
        QCOMPARE(QKeySequence(key).toString(QKeySequence::PortableText), keyOf(action));
        QTest::keyClick(edit, key.key(), key.keyboardModifiers());
        QTest::keyClick(&window, key.key(), key.keyboardModifiers());
        QKeyEvent held(QEvent::KeyPress, key.key(), key.keyboardModifiers(), QString(), true);
        QApplication::sendEvent(edit, &held);
        QTest::keyClick(edit, key.key(), key.keyboardModifiers() | Qt::ShiftModifier);
        QTest::keyClick(&other, key.key(), key.keyboardModifiers());
        QCOMPARE(runs.value(action), 2);
    }
    QCOMPARE(runs.size(), actions.size());
}

SHELL_TEST_MAIN(KeyboardTest)
#include "keyboard_qtest.moc"
