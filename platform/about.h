#pragma once
// The program's identity and the About window.
//
// The About window names the program and its version, says in one line what
// it is, states the licence and the copyright, the Qt version it runs on and
// the program's id (the name of its desktop entry and icon).  It is made when
// it is asked for and shown modally over the window that asked.
#include <QDialog>
#include <QString>
#include <QStringList>

class QPushButton;

// The version of this build, "1.0".
QString programVersion();
// The program's id, "local.vektum.Vektum": the desktop entry is
// <id>.desktop, the icon <id>.
QString programId();

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // The lines shown, top to bottom.
    QStringList lines() const { return m_lines; }
    QPushButton* closeButton() const { return m_close; }

private:
    QStringList m_lines;
    QPushButton* m_close = nullptr;
};

// Shows the About window modally over `over` and returns when it is closed.
void showAboutWindow(QWidget* over);
