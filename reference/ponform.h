#pragma once
// The basic concepts window: five pages on force, couple, projection, moment
// and the equations of equilibrium, each with its schemes, texts and formulas.
// Shown modally; "OK" hides it and keeps the active page.
#include <QDialog>

class TabPages;

class TPonForm : public QDialog {
    Q_OBJECT
public:
    explicit TPonForm(QWidget* parent = nullptr);

    // The page control; the window's contents are built first when needed.
    TabPages* pages() const
    {
        ensurePolished();
        return m_pages;
    }

private:
    void buildContents();
    void BitBtn1Click();

    TabPages* m_pages = nullptr;
};
