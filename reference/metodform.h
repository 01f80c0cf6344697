#pragma once
// The method window: the three steps of solving a statics problem.  It takes
// the place of the menu of the method of solving; "OK" hides it and brings
// that menu back at this window's place.
#include <QWidget>

class TMetodForm : public QWidget {
    Q_OBJECT
public:
    explicit TMetodForm(QWidget* parent = nullptr);

private:
    void BitBtn1Click();
};
