#pragma once
// The choice of the system's order.  It is shown by the Examiner menu once the
// entrance test has been passed, or by the control task when the test ends in
// success; in the second case it closes the control task as soon as it becomes
// active.  Its buttons open the solver window of order 6 or 9.
#include <QWidget>

class QPushButton;

class TAskForm : public QWidget {
    Q_OBJECT
public:
    explicit TAskForm(QWidget* parent = nullptr);

    // Closes the control task window.
    void FormActivate();
    // "6" and "9": close the control task and this window, open the solver window.
    void Button1Click();
    void Button2Click();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void openSolver(QWidget* solver);

    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
