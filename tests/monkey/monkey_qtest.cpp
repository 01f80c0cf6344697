// A GUI monkey: the whole program, started as main starts it, gets a long run of
// random but valid user input (clicks inside the visible window, keys, typed
// characters and strings) and after every event
//  - every message box shown is one the kind of input just sent may bring up
//    (the table kExpectedBoxes); any other box, an exception that escaped
//    into the guard above all, is a failure,
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
// The exercise windows and the control's evaluator, which seed the shared
// generator from the clock, get their seeds from the monkey's seed instead, so
// that a run replays exactly.
#include "eqedit/teqedit.h"
#include "exercises/hints.h"
#include "formula/random.h"
#include "platform/about.h"
#include "platform/messages.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "shell/startup.h"
#include "windowfixture.h"

#include <QAbstractButton>
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

// The answers above that are formulas the engine can always examine: judging
// one of them may find it wrong, or unable to judge, but never faults.
const QStringList kWellFormedAnswers{"F", "0", "Y", "N", "2", "4", "-G", "~p/2-~a", "F-R!B@*sin(~a)",
                                     "G*b-R!D@*(2*b-a)", "1,5", "-3.25"};

// The kinds of input the monkey sends, told apart by what they may set off.
enum class Input {
    Other,           // typing into a box, moving the caret or the focus, a click on no button
    ButtonPress,     // a click on a button or a click area, Enter or a blank while a button has the focus
    Judging,         // Enter in an equation control holding any other text
    JudgingAnswer,   // Enter in an equation control holding one of kWellFormedAnswers
};

const char* nameOf(Input input)
{
    switch (input) {
    case Input::Other: return "other input";
    case Input::ButtonPress: return "a button press";
    case Input::Judging: return "judging a typed text";
    case Input::JudgingAnswer: return "judging a well-formed answer";
    }
    return "";
}

// Every box a kind of input may bring up, by icon and the start of its text.
struct ExpectedBox {
    Input input;
    QMessageBox::Icon icon;
    const char16_t* start;
};
constexpr QMessageBox::Icon kWarning = QMessageBox::Warning;
constexpr QMessageBox::Icon kCritical = QMessageBox::Critical;
const ExpectedBox kExpectedBoxes[] = {
    // The solver's refusals, the examiner's announcement, the end of an exercise.
    {Input::ButtonPress, kWarning, u"Ошибка! Введены не все данные."},
    {Input::ButtonPress, kWarning, u"Ошибка! Матрица A является вырожденной."},
    {Input::ButtonPress, kWarning, u"Ошибка! Решение не может быть вычислено"},
    {Input::ButtonPress, kWarning, u"    Прежде чем Вы приступите к вычислению матрицы"},
    {Input::ButtonPress, kWarning, u"Поздравляю! Теперь вы без труда"},
    {Input::ButtonPress, kWarning, u"Вы успешно прошли это испытание."},
    // A verdict: the input error, five wrong answers in the entrance test, the
    // end of an exercise.
    {Input::JudgingAnswer, kWarning, u"Ошибка ввода данных."},
    {Input::JudgingAnswer, kWarning, u"Вы ответили неверно пять раз."},
    {Input::JudgingAnswer, kWarning, u"Поздравляю! Теперь вы без труда"},
    {Input::JudgingAnswer, kWarning, u"Вы успешно прошли это испытание."},
    {Input::Judging, kWarning, u"Ошибка ввода данных."},
    {Input::Judging, kWarning, u"Вы ответили неверно пять раз."},
    {Input::Judging, kWarning, u"Поздравляю! Теперь вы без труда"},
    {Input::Judging, kWarning, u"Вы успешно прошли это испытание."},
    // ... and, for a text that is not a formula, the engine's faults: a text
    // that cannot be parsed, a malformed number, an invalid operation.
    {Input::Judging, kCritical, u"Ошибка в записи формулы: "},
    {Input::Judging, kCritical, u"Ошибка: \""},
    {Input::Judging, kCritical, u"Ошибка: число \""},
    {Input::Judging, kCritical, u"Ошибка вычисления: "},
};

// A widget that acts when clicked: a button, or an exercise's skip area.
bool pressable(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || w->inherits("ClickArea");
}

bool expected(Input input, const ShownMessage& box)
{
    for (const ExpectedBox& e : kExpectedBoxes)
        if (e.input == input && e.icon == box.icon && box.text.startsWith(QString::fromUtf16(e.start)))
            return true;
    return false;
}

class Monkey {
public:
    Monkey(quint32 seed, int events)
        : m_gen(seed), m_seeds(seed ^ 0x5eed5eedu), m_budget(events)
    {
    }

    // Runs the events; "" when every check held.
    QString run()
    {
        MessageCapture capture;
        capture.onBox = [this](const ShownMessage& box) {
            ++m_boxes;
            ++m_boxesByInput[QString::fromLatin1(nameOf(m_input))];
            if (box.icon == QMessageBox::Critical)
                ++m_engineFaults;
            if (!expected(m_input, box))
                fail(QStringLiteral("box \"%1\" after %2").arg(box.text, QString::fromLatin1(nameOf(m_input))));
        };
        const SeedSource clock = setSeedSource([this] { return quint32(m_seeds()); });
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
        setSeedSource(clock);
        return m_failure;
    }

    int events() const { return m_event; }
    int runs() const { return m_runs; }
    int boxes() const { return m_boxes; }
    int modals() const { return m_modals; }
    int engineFaults() const { return m_engineFaults; }
    int answersJudged() const { return m_answersJudged; }
    QString boxesByInput() const
    {
        QStringList parts;
        for (auto it = m_boxesByInput.cbegin(); it != m_boxesByInput.cend(); ++it)
            parts << QStringLiteral("%1 after %2").arg(it.value()).arg(it.key());
        return parts.join(QStringLiteral(", "));
    }

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
        else if (kind < 97 && pick(2))
            answer(window, kAnswers.at(pick(int(kAnswers.size()))));
        else if (kind < 97)
            typeText(window, randomText(1 + pick(30)));
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
        m_input = pressable(target) ? Input::ButtonPress : Input::Other;
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
        m_input = pressable(target) ? Input::ButtonPress : Input::Other;
        note(QStringLiteral("click %1 at %2,%3").arg(nameOf(target)).arg(at.x()).arg(at.y()));
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(window, at));
    }

    // Enter judges the text of an equation control; elsewhere Enter presses
    // the focused or the default button, and so does a blank a focused one.
    static Input keyInput(const QWidget* target, Qt::Key key)
    {
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (enter) {
            if (auto* edit = qobject_cast<const TEqEdit*>(target))
                return kWellFormedAnswers.contains(edit->Equation().trimmed()) ? Input::JudgingAnswer
                                                                                 : Input::Judging;
            return Input::ButtonPress;
        }
        return key == Qt::Key_Space && pressable(target) ? Input::ButtonPress : Input::Other;
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
        m_input = keyInput(target, key);
        note(QStringLiteral("key %1 to %2").arg(QKeySequence(key).toString(), nameOf(target)));
        QTest::keyClick(target, key);
    }

    // A whole answer, as a student gives one: what the equation control with
    // the focus holds is erased, the answer typed (a subscript opened with
    // Down and closed with Up) and Enter pressed.  Elsewhere the answer is
    // only typed.
    void answer(QWidget* window, const QString& text)
    {
        QPointer<TEqEdit> edit = qobject_cast<TEqEdit*>(keyTarget(window));
        if (!edit) {
            typeText(window, text);
            return;
        }
        QTest::keyClick(edit, Qt::Key_End);
        for (qsizetype n = edit->Equation().size(); n > 0 && edit && edit->isVisible(); --n)
            QTest::keyClick(edit, Qt::Key_Backspace);
        note(QStringLiteral("answer \"%1\" to %2").arg(text, nameOf(edit)));
        m_input = Input::Other;
        for (QChar c : text) {
            if (!edit || !edit->isVisible())
                return;
            if (c == u'!')
                QTest::keyClick(edit, Qt::Key_Down);
            else if (c == u'@')
                QTest::keyClick(edit, Qt::Key_Up);
            else
                typeCharacter(edit, c);
        }
        if (!edit || !edit->isVisible() || keyTarget(window) != edit)
            return;
        m_input = keyInput(edit, Qt::Key_Return);
        if (m_input == Input::JudgingAnswer)
            ++m_answersJudged;
        note(QStringLiteral("Enter to %1 holding \"%2\"").arg(nameOf(edit), edit->Equation()));
        QTest::keyClick(edit, Qt::Key_Return);
    }

    void typeText(QWidget* window, const QString& text)
    {
        QPointer<QWidget> target = keyTarget(window);
        m_input = text.contains(u' ') && pressable(target) ? Input::ButtonPress : Input::Other;
        note(QStringLiteral("type \"%1\" to %2").arg(text, nameOf(target)));
        for (QChar c : text) {
            if (!target || !target->isVisible())
                break;
            typeCharacter(target, c);
        }
    }

    static void typeCharacter(QWidget* target, QChar c)
    {
        const char16_t u = c.unicode();
        const Qt::Key key = u >= u'a' && u <= u'z' ? Qt::Key(u - u'a' + Qt::Key_A)
                            : u < 128            ? Qt::Key(u)
                                                 : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
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
                    const QString broken = edit->model().brokenInvariant();
                    if (!broken.isEmpty())
                        return fail(QStringLiteral("%1 in %2").arg(broken, nameOf(edit)));
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
    std::mt19937 m_seeds;   // the seeds the program would take from the clock
    Input m_input = Input::Other;
    int m_budget;
    int m_event = 0;
    int m_boxes = 0;
    int m_modals = 0;
    int m_runs = 0;
    int m_engineFaults = 0;
    QPointer<QWidget> m_driven;   // the modal window being driven
    int m_answersJudged = 0;
    QMap<QString, int> m_boxesByInput;
    QString m_failure;
    QStringList m_recent;
};
} // namespace

class MonkeyTest : public WindowsTestCase {
    Q_OBJECT
private slots:
    void randomInputKeepsTheProgramSound()
    {
        const quint32 seed = envNumber("VEKTUM_MONKEY_SEED", 20261208);
        const int events = int(envNumber("VEKTUM_MONKEY_EVENTS", 20000));
        QElapsedTimer clock;
        clock.start();
        Monkey monkey(seed, events);
        const QString failure = monkey.run();
        const qint64 ms = clock.elapsed();
        qInfo("seed %u: %d events in %d runs of the event loop, %d well-formed answers judged, %d boxes (%d engine "
              "faults; %s), %d modal windows, %lld ms",
              seed, monkey.events(), monkey.runs(), monkey.answersJudged(), monkey.boxes(), monkey.engineFaults(),
              qPrintable(monkey.boxesByInput()), monkey.modals(), ms);
        if (!failure.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(failure)));
        QCOMPARE(monkey.events(), events);
    }
};

SHELL_TEST_MAIN(MonkeyTest)

#include "monkey_qtest.moc"
