#pragma once
// The method window: the three steps of solving a statics problem.  It takes
// the place of the menu of the method of solving; "OK" hides it and asks for
// that menu back at this window's place.
#include <QWidget>

class TMetodForm : public QWidget {
    Q_OBJECT
public:
    explicit TMetodForm(QWidget* parent = nullptr);

signals:
    // "OK" has hidden the window; the menu it came from is to take its place.
    void leaveRequested();

private:
    void BitBtn1Click();
};
