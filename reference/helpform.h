#pragma once
// The help window: how formulas and answers are typed into the equation boxes
// (Greek letters, indices and exponents, the particulars of formulas, yes and
// no answers), and on a last page every key the program reacts to, by window,
// with the way to the About window.  Shown modally; "OK" hides it and keeps
// the active page.
#include <QDialog>

class TabPages;

class THelpForm : public QDialog {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* parent = nullptr);

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
