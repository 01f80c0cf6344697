#pragma once
// The program's windows as a test fixture: a test case whose every test
// function starts with the windows start-up makes and ends with them taken
// down, a test main that runs under the program's own application class,
// modal-dialog handling and window queries.
#include "messagecapture.h"
#include "platform/guard.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <QtTest>
#include <functional>

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

// Shows the window alone and active; false when it did not become active.
bool showAlone(QWidget* window);

// A test case over the program's windows: before each test function the
// engine's objects and every window are made as at start-up (the main window
// shown), after it they are destroyed again.
class WindowsTestCase : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
};

#define SHELL_TEST_MAIN(TestClass)                                                                          \
    int main(int argc, char** argv)                                                                        \
    {                                                                                                      \
        GuardedApplication app(argc, argv);                                                                \
        TestClass test;                                                                                    \
        QTEST_SET_MAIN_SOURCE_PATH                                                                         \
        return QTest::qExec(&test, argc, argv);                                                            \
    }
