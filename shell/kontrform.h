#pragma once
// The Examiner menu.  The linear system solver is reached only after the
// entrance test (the control task run with ExamMode set) has been passed once
// in this run; until then every attempt announces the test and starts it.
#include "shell/modemenu.h"

class QPushButton;

class TKontrForm : public ModeMenu {
    Q_OBJECT
public:
    explicit TKontrForm(QWidget* parent = nullptr);

    void Button1Click();   // the solver, or the entrance test first
    void Button2Click();   // back to the main window

private:
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
