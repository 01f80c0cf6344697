#pragma once
// The Consultant menu: help on working with the system and on typing
// formulas, the method menu, the kinds of constraints, and the way back to the
// main window.
#include "shell/modemenu.h"

class QPushButton;

class TConsForm : public ModeMenu {
    Q_OBJECT
public:
    explicit TConsForm(QWidget* parent = nullptr);

    void Button1Click();   // help, shown modally over the menu
    void Button2Click();   // the method menu takes this menu's place
    void Button3Click();   // kinds of constraints, shown modally
    void Button4Click();   // back to the main window

private:
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
};
