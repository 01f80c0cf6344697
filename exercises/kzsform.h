#pragma once
#include <QWidget>

class TKzsForm : public QWidget {
    Q_OBJECT
public:
    explicit TKzsForm(QWidget* parent = nullptr);
};
