#pragma once
// The main window: the title page of the program with its three modes
// (Consultant, Tutor, Examiner) and exit.  Closing it, by "ВЫХОД" or by the
// close box, ends the event loop even while other windows exist.
#include <QWidget>

class QPushButton;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);

    void Button1Click();   // "КОНСУЛЬТАНТ"
    void Button2Click();   // "РЕПЕТИТОР"
    void Button3Click();   // "КОНТРОЛЕР"
    void Button4Click();   // "ВЫХОД"

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
};
