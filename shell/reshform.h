#pragma once
#include <QWidget>

class TReshForm : public QWidget {
    Q_OBJECT
public:
    explicit TReshForm(QWidget* parent = nullptr);
};
