#pragma once
// The Tutor menu: the worked example, the control task, and the way back to
// the main window.
#include "shell/modemenu.h"

class QPushButton;

class TRepForm : public ModeMenu {
    Q_OBJECT
public:
    explicit TRepForm(QWidget* parent = nullptr);

    void Button1Click();   // the worked example takes this menu's place
    void Button2Click();   // the control task takes this menu's place
    void Button3Click();   // back to the main window

private:
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
};
