#pragma once
// What the shell's tests share: a test main that runs under the program's own
// application class, box capture, modal-dialog handling and window queries.
#include "platform/guard.h"
#include "platform/messages.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <QtTest>
#include <functional>

// Captures every message box while it lives; onBox, when set, runs for each
// box (and may throw, as a failing handler would).
class BoxCapture {
public:
    BoxCapture();
    ~BoxCapture();
    BoxCapture(const BoxCapture&) = delete;
    BoxCapture& operator=(const BoxCapture&) = delete;

    QList<ShownMessage> boxes;
    std::function<void(const ShownMessage&)> onBox;

private:
    MessageHook previous;
};

// Runs action, which may open a modal dialog with exec().  The dialog is
// closed as soon as its modal loop runs, after whileOpen has looked at it.
// Returns the dialog that was shown modally, or nullptr when none was.
QWidget* runClosingModal(const std::function<void()>& action,
                         const std::function<void(QWidget*)>& whileOpen = {});

// The top-level windows now visible.
QList<QWidget*> visibleWindows();

// The push button of window with exactly this caption; fails the test when
// there is none or more than one.
class QPushButton;
QPushButton* buttonOf(QWidget* window, const QString& caption);

// The program's window behind one of its global names ("MainForm", ...).
QWidget* windowNamed(const QString& name);

// Hides every window of the program.
void hideAllWindows();

#define SHELL_TEST_MAIN(TestClass)                                                                          \
    int main(int argc, char** argv)                                                                        \
    {                                                                                                      \
        GuardedApplication app(argc, argv);                                                                \
        TestClass test;                                                                                    \
        QTEST_SET_MAIN_SOURCE_PATH                                                                         \
        return QTest::qExec(&test, argc, argv);                                                            \
    }
