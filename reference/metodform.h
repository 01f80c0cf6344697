#pragma once
#include <QWidget>

class TMetodForm : public QWidget {
    Q_OBJECT
public:
    explicit TMetodForm(QWidget* parent = nullptr);
};
