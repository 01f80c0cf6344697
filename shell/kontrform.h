#pragma once
#include <QWidget>

class TKontrForm : public QWidget {
    Q_OBJECT
public:
    explicit TKontrForm(QWidget* parent = nullptr);
};
