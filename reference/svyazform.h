#pragma once
// The kinds-of-constraints window: four pages, each with the body and its
// constraints on the left, the body freed with the reactions on the right,
// and a paragraph or two below.  Shown modally; "OK" hides it and keeps the
// active page.
#include <QDialog>

class TabPages;

class TSvyazForm : public QDialog {
    Q_OBJECT
public:
    explicit TSvyazForm(QWidget* parent = nullptr);

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
