#pragma once
// The frame shared by the main window and the four mode menus.
//
// The title panel carries "Обучающая система " with the bold program name and
// the version line under them.  A mode menu is a fixed 688 x 446 window without
// title-bar buttons: a greeting panel at the top left, the title panel at the
// top right and a body panel with the mode's description, the prompt and one
// button per section, 33 pixels high.  A menu is left only through its own
// buttons; a close request from the desktop is refused.
#include <QFrame>
#include <QString>
#include <QWidget>

class QPushButton;

// Builds the title panel at (left, top), 297 x 65, inside parent.
QFrame* addTitlePanel(QWidget* parent, int left, int top, const QString& version);

class ModeMenu : public QWidget {
    Q_OBJECT
public:
    struct Texts {
        QString caption;
        QString greeting;
        QString description;
        int textPixels;   // height of every text of the menu, buttons included
        int firstButtonTop;
    };

    // Version texts as the two kinds of window show them; the fourth letter is a Latin c.
    static QString mainVersionText();
    static QString menuVersionText();

protected:
    ModeMenu(const Texts& texts, QWidget* parent);

    // Adds a section button to the body panel (coordinates relative to it).
    QPushButton* addButton(const char* name, const QString& text, int left, int top, int width);

    void closeEvent(QCloseEvent* event) override;

private:
    QFrame* Panel3 = nullptr;
    int m_textPixels;
};
