#pragma once
#include <QWidget>

class TRepForm : public QWidget {
    Q_OBJECT
public:
    explicit TRepForm(QWidget* parent = nullptr);
};
