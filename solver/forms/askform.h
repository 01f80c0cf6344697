#pragma once
// The choice of the system's order.  It is shown by the Examiner menu once the
// entrance test has been passed, or after the control task when the test ends
// in success; the control task is closed as soon as this window becomes
// active.  Its buttons open the solver window of order 6 or 9.
#include <QWidget>

class QPushButton;

class TAskForm : public QWidget {
    Q_OBJECT
public:
    explicit TAskForm(QWidget* parent = nullptr);

    // Asks for the control task window to close.
    void FormActivate();
    // "6" and "9": ask for the control task window to close, close this
    // window, open the solver window.
    void Button1Click();
    void Button2Click();

signals:
    // The control task window is to close: this window became active or is
    // opening a solver window.
    void taskCloseRequested();
    // Closed from the title bar: the Examiner menu is to come back.
    void leaveRequested();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void openSolver(QWidget* solver);

    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
