// A GUI monkey: the whole program, started as main starts it, gets a long run of
// random but valid user input (clicks inside the visible window, keys, typed
// characters and strings) and after every event
//  - no exception has escaped into the guard (its Critical box is a failure),
//  - exactly one of the program's windows is visible, or a modal window over
//    the menu that opened it,
//  - every visible equation control keeps its editing invariants.
// The events come from the program's own event loop, one per turn; when the
// user ends the program, the loop is entered again.  Message boxes are answered at
// once (OK), as a user would; a window shown with exec() gets a few events of
// its own and is then closed.  The exercise windows' pause timers are cut to
// zero so that no event waits in real time.
//
// VEKTUM_MONKEY_SEED and VEKTUM_MONKEY_EVENTS override the seed and the number
// of events; a failure prints both with the event number and the last events.
// (The exercise windows draw their own numbers from the clock, so a replay
// follows the same input but not always the same questions.)
#include "eqedit/teqedit.h"
#include "exercises/hints.h"
#include "platform/about.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/forms.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <random>

namespace {
QString nameOf(const QObject* o)
{
    return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
}

quint32 envNumber(const char* name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// What a student types: formula letters, digits, operators, the markers,
// blanks, a few Cyrillic letters, and whole answers of the exercises.
const QString kCharacters = QStringLiteral("abcxyzFGRNYAB0123456789+-*/^().,=~!#@ фЖя");
const QStringList kAnswers{"F", "0", "Y", "N", "2", "4", "-G", "~p/2-~a", "F-R!B@*sin(~a)",
                           "G*b-R!D@*(2*b-a)", "1e308*10", "1,5", "-3.25"};
const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab,   Qt::Key_Backtab,
                         Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Home,
                         Qt::Key_End,    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_F3, Qt::Key_Space,
                         Qt::Key_F1};

// The editing invariants of one control, through its public model; "" when
// they hold.
QString brokenControl(const TEqEdit* edit)
{
    const EqEditModel& m = edit->model();
    const QString& text = m.equation();
    const int length = int(text.size());
    const int first = m.firstVisible();
    const int caret = m.caretIndex();
    const QString where = QStringLiteral(" in %1 (text \"%2\", caret %3, first shown %4, caret x %5)")
                              .arg(nameOf(edit), text)
                              .arg(caret)
                              .arg(first)
                              .arg(m.caretX());
    if (first < 1 || caret < first - 1 || caret > length)
        return QStringLiteral("caret outside the text or left of the view") + where;
    if (caret > 0 && caret < length && text.at(caret - 1) == u'~')
        return QStringLiteral("caret between '~' and its letter") + where;
    if (first >= 2 && first - 1 < length && text.at(first - 2) == u'~')
        return QStringLiteral("first shown position inside a '~' pair") + where;
    if (!text.mid(first - 1).startsWith(m.visibleText()))
        return QStringLiteral("shown text is not the start of the tail") + where;
    const EqLayout layout = m.visibleLayout();
    if (layout.width() > std::max(0, m.textLimit()))
        return QStringLiteral("shown text wider than the control") + where;
    const int shown = caret - (first - 1);
    if (shown > m.visibleText().size() || m.caretX() > std::max(0, m.textLimit()))
        return QStringLiteral("caret outside the control") + where;
    if (!layout.boundaryX.isEmpty() && m.caretX() != layout.boundaryX.at(shown))
        return QStringLiteral("caret x is not the width up to the caret") + where;
    return {};
}

// The formula engine's own faults (FormulaError and its kinds: a formula that
// cannot be parsed, an invalid operation, a malformed number) end a comparison
// in the guard's error box by design; any other text there is an exception
// that should not have escaped.
bool isEngineFault(const QString& text)
{
    return text.startsWith(QStringLiteral("Ошибка в записи формулы")) || text.startsWith(QStringLiteral("Ошибка вычисления"))
           || text.startsWith(QStringLiteral("Ошибка: "));
}

class Monkey {
public:
    Monkey(quint32 seed, int events)
        : m_gen(seed), m_budget(events)
    {
    }

    // Runs the events; "" when every check held.
    QString run()
    {
        const MessageHook previous = setMessageHook([this](const ShownMessage& box) {
            ++m_boxes;
            if (box.icon != QMessageBox::Critical)
                return;
            if (isEngineFault(box.text))
                ++m_engineFaults;
            else
                fail(QStringLiteral("error box \"%1\"").arg(box.text));
        });
        QTimer modalWatch;
        modalWatch.setInterval(0);
        QObject::connect(&modalWatch, &QTimer::timeout, [this] { driveModal(); });
        modalWatch.start();

        // The program's event loop runs as in the program, one event per turn
        // of it.  When the user ends the program ("ВЫХОД"), the loop is simply
        // entered again over the same windows: the main window is still the
        // one on screen.  (Destroying and creating the windows again within
        // one process is not what the program does, and is left out.)
        QTimer turn;
        turn.setInterval(0);
        QObject::connect(&turn, &QTimer::timeout, [this] { nextEvent(); });
        while (m_event < m_budget && m_failure.isEmpty()) {
            ++m_runs;
            turn.start();
            QApplication::exec();
            turn.stop();
        }
        modalWatch.stop();
        setMessageHook(previous);
        return m_failure;
    }

    int events() const { return m_event; }
    int runs() const { return m_runs; }
    int boxes() const { return m_boxes; }
    int modals() const { return m_modals; }
    int engineFaults() const { return m_engineFaults; }

private:
    // One event to the window on screen, from the program's event loop.
    void nextEvent()
    {
        if (m_event >= m_budget || !m_failure.isEmpty()) {
            QCoreApplication::exit(0);
            return;
        }
        // From half-way on the entrance test counts as passed, so that the
        // solver windows are reached too.
        if (m_event >= m_budget / 2)
            ExamPassed = true;
        // A window made modal without a loop of its own (the solver windows)
        // takes the input; otherwise the one visible window.
        QWidget* modal = shownModal();
        const QList<QWidget*> shown = programWindows();
        if (!modal && shown.size() != 1) {
            fail(QStringLiteral("%1 windows visible").arg(shown.size()));
            return;
        }
        act(modal ? modal : shown.front());
    }

    static QList<QWidget*> programWindows()
    {
        QList<QWidget*> list;
        for (QWidget* w : createdWindows())
            if (w->isVisible())
                list.append(w);
        return list;
    }

    // The modal window on screen (QApplication::activeModalWidget() can still
    // name one that has been hidden).
    static QWidget* shownModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        return modal && modal->isVisible() ? modal : nullptr;
    }

    int pick(int n) { return int(m_gen() % quint32(n)); }

    void fail(const QString& what)
    {
        if (!m_failure.isEmpty())
            return;
        m_failure = QStringLiteral("event %1: %2\nlast events:\n  %3")
                        .arg(m_event)
                        .arg(what, m_recent.join(QStringLiteral("\n  ")));
    }

    void note(const QString& what)
    {
        m_recent.append(QStringLiteral("%1 %2").arg(m_event).arg(what));
        if (m_recent.size() > 12)
            m_recent.removeFirst();
    }

    // One random event to `window`, then the checks.
    void act(QWidget* window)
    {
        ++m_event;
        if (QApplication::activeWindow() != window)
            window->activateWindow();
        const int kind = pick(100);
        if (kind < 27)
            clickChild(window, false);
        else if (kind < 29)
            clickChild(window, true);
        else if (kind < 34)
            clickAnywhere(window);
        else if (kind < 70)
            pressKey(window, kKeys[pick(int(std::size(kKeys)))]);
        else if (kind < 88)
            typeText(window, QString(kCharacters.at(pick(int(kCharacters.size())))));
        else if (kind < 97)
            typeText(window, pick(2) ? kAnswers.at(pick(int(kAnswers.size()))) : randomText(1 + pick(30)));
        else
            typeText(window, randomText(40 + pick(160)));
        settle();
        check();
    }

    QString randomText(int length)
    {
        QString text;
        for (int i = 0; i < length; ++i)
            text += kCharacters.at(pick(int(kCharacters.size())));
        return text;
    }

    void clickChild(QWidget* window, bool twice)
    {
        QList<QWidget*> children;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (w->isVisibleTo(window) && w->width() > 0 && w->height() > 0)
                children.append(w);
        if (children.isEmpty()) {
            clickAnywhere(window);
            return;
        }
        QWidget* target = children.at(pick(int(children.size())));
        const QPoint at(pick(target->width()), pick(target->height()));
        note(QStringLiteral("%1 %2 at %3,%4")
                 .arg(twice ? "double click" : "click", nameOf(target))
                 .arg(at.x())
                 .arg(at.y()));
        if (twice)
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at);
        else
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
    }

    void clickAnywhere(QWidget* window)
    {
        const QPoint at(pick(std::max(1, window->width())), pick(std::max(1, window->height())));
        QWidget* target = window->childAt(at);
        if (!target)
            target = window;
        note(QStringLiteral("click %1 at %2,%3").arg(nameOf(target)).arg(at.x()).arg(at.y()));
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(window, at));
    }

    static QWidget* keyTarget(QWidget* window)
    {
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus->window() == window)
            return focus;
        return window->focusWidget() ? window->focusWidget() : window;
    }

    void pressKey(QWidget* window, Qt::Key key)
    {
        QWidget* target = keyTarget(window);
        note(QStringLiteral("key %1 to %2").arg(QKeySequence(key).toString(), nameOf(target)));
        QTest::keyClick(target, key);
    }

    void typeText(QWidget* window, const QString& text)
    {
        QPointer<QWidget> target = keyTarget(window);
        note(QStringLiteral("type \"%1\" to %2").arg(text, nameOf(target)));
        for (QChar c : text) {
            if (!target || !target->isVisible())
                break;
            const char16_t u = c.unicode();
            const Qt::Key key = u >= u'a' && u <= u'z' ? Qt::Key(u - u'a' + Qt::Key_A)
                                : u < 128            ? Qt::Key(u)
                                                     : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
        }
    }

    // Lets queued work run; pause timers of the windows fire at once.
    static void settle()
    {
        QCoreApplication::processEvents();
        for (QWidget* w : createdWindows())
            for (QTimer* t : w->findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
                if (t->isActive() && t->interval() > 0)
                    t->setInterval(0);
        QCoreApplication::processEvents();
    }

    void check()
    {
        if (!m_failure.isEmpty())
            return;
        const QList<QWidget*> shown = programWindows();
        QWidget* modal = shownModal();
        // The hint box of the exercises stands over its window like a message box.
        const bool hint = qobject_cast<HintBox*>(modal) != nullptr;
        // The About window, made when asked for, stands over the window that
        // asked; below it the same rules hold.
        if (auto* about = qobject_cast<AboutWindow*>(modal)) {
            QWidget* under = about->parentWidget();
            if (!under || !under->isVisible())
                return fail(QStringLiteral("the About window stands over no shown window"));
            modal = under->isModal() ? under : nullptr;
        }
        if (modal && !hint && !createdWindows().contains(modal))
            return fail(QStringLiteral("a modal window not of the program: %1").arg(modal->metaObject()->className()));
        // A modal dialog stands over the menu that opened it; a window made
        // modal while it takes another's place stands alone.
        const int expected = !modal || hint ? 1 : qobject_cast<QDialog*>(modal) ? 2 : 1;
        if (shown.size() != expected || (modal && !hint && !shown.contains(modal))) {
            QStringList names;
            for (QWidget* w : shown)
                names << w->metaObject()->className();
            return fail(QStringLiteral("visible windows: %1; modal: %2")
                            .arg(names.join(u' '), modal ? modal->metaObject()->className() : "none"));
        }
        for (QWidget* w : shown)
            for (const TEqEdit* edit : w->findChildren<TEqEdit*>())
                if (edit->isVisible()) {
                    const QString broken = brokenControl(edit);
                    if (!broken.isEmpty())
                        return fail(broken);
                }
    }

    // Runs inside the modal loop of a window shown with exec() (a loop nested
    // in the program's own): a few events to it, then it is closed, as the
    // user closes it.
    void driveModal()
    {
        QWidget* modal = shownModal();
        // A modal window opened from one being driven (the About window from
        // the help window) is driven in its own loop, inside.
        // Only a dialog runs a loop of its own; a window made modal without
        // one (a solver window under the help window) gets its events from
        // the program's loop.
        if (!qobject_cast<QDialog*>(modal) || modal == m_driven || QThread::currentThread()->loopLevel() < 2)
            return;
        const QPointer<QWidget> outer = m_driven;
        m_driven = modal;
        // The watch that runs this fires no more until it returns: a modal
        // window opened from this one is found by a watch of its own.
        QTimer inner;
        inner.setInterval(0);
        QObject::connect(&inner, &QTimer::timeout, [this] { driveModal(); });
        inner.start();
        ++m_modals;
        check();
        const int count = 1 + pick(30);
        for (int i = 0; i < count && m_event < m_budget && m_failure.isEmpty()
                        && shownModal() == modal;
             ++i)
            act(modal);
        if (shownModal() == modal) {
            note(QStringLiteral("close %1").arg(nameOf(modal)));
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
        m_driven = outer;
    }

    std::mt19937 m_gen;
    int m_budget;
    int m_event = 0;
    int m_boxes = 0;
    int m_modals = 0;
    int m_runs = 0;
    int m_engineFaults = 0;
    QPointer<QWidget> m_driven;   // the modal window being driven
    QString m_failure;
    QStringList m_recent;
};
} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void randomInputKeepsTheProgramSound()
    {
        const quint32 seed = envNumber("VEKTUM_MONKEY_SEED", 20261208);
        const int events = int(envNumber("VEKTUM_MONKEY_EVENTS", 20000));
        startModules();
        createWindows();
        QElapsedTimer clock;
        clock.start();
        Monkey monkey(seed, events);
        const QString failure = monkey.run();
        const qint64 ms = clock.elapsed();
        destroyWindows();
        stopModules();
        qInfo("seed %u: %d events in %d runs of the event loop, %d boxes (%d engine faults), %d modal windows, %lld ms",
              seed, monkey.events(), monkey.runs(), monkey.boxes(), monkey.engineFaults(), monkey.modals(), ms);
        if (!failure.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(failure)));
        QCOMPARE(monkey.events(), events);
    }
};

int main(int argc, char** argv)
{
    GuardedApplication app(argc, argv);
    MonkeyTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "monkey_qtest.moc"
