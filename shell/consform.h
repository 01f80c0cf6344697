#pragma once
#include <QWidget>

class TConsForm : public QWidget {
    Q_OBJECT
public:
    explicit TConsForm(QWidget* parent = nullptr);
};
