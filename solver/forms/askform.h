#pragma once
#include <QWidget>

class TAskForm : public QWidget {
    Q_OBJECT
public:
    explicit TAskForm(QWidget* parent = nullptr);
};
