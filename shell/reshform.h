#pragma once
// The method menu of the Consultant: basic concepts of statics, the method of
// solving problems, and the way back to the Consultant menu.
#include "shell/modemenu.h"

class QPushButton;

class TReshForm : public ModeMenu {
    Q_OBJECT
public:
    explicit TReshForm(QWidget* parent = nullptr);

    void Button1Click();   // basic concepts, shown modally
    void Button2Click();   // the method text takes this menu's place
    void Button3Click();   // back to the Consultant menu

private:
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
};
