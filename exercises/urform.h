#pragma once
#include <QWidget>

class TUrForm : public QWidget {
    Q_OBJECT
public:
    explicit TUrForm(QWidget* parent = nullptr);
};
