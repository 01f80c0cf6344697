#pragma once
#include <QDialog>

class TSvyazForm : public QDialog {
    Q_OBJECT
public:
    explicit TSvyazForm(QWidget* parent = nullptr);
};
