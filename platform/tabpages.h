#pragma once
// A page control whose tabs wrap onto further rows instead of scrolling: a
// strip of tab buttons over a stack of pages.  Every title is shown whole; a
// row that cannot hold the next tab starts a new one, and the rows of a
// wrapped strip are stretched to its full width.
//
// Keyboard: the current tab is the strip's one stop in the focus chain; Left
// and Right (Up and Down) move to the previous and next tab, Home and End to
// the first and last; Ctrl+Tab and Ctrl+PgDown, Ctrl+Shift+Tab and Ctrl+PgUp
// change the page from anywhere inside the control.  A screen reader sees a
// page tab list holding page tabs named by their titles, the current one
// selected.
#include <QAbstractButton>
#include <QList>
#include <QStackedWidget>
#include <QString>
#include <QWidget>

class QAccessibleInterface;

// The stack of pages under the strip: only the shown page is in the
// accessibility tree (platform/accessibility.h).
class PageStack : public QStackedWidget {
    Q_OBJECT
public:
    using QStackedWidget::QStackedWidget;
};

// How a screen reader sees the strip and its tabs; null for anything else.
// Registered by installAccessibility.
QAccessibleInterface* tabPagesAccessible(const QString& className, QObject* object);

class TabPageButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TabPageButton(const QString& title, QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Where the tab stands in its row, for the style's drawing.
    void setRowPosition(bool first, bool last);

signals:
    // An arrow, Home or End key asks for another tab: -1 previous, +1 next,
    // -2 first, +2 last.
    void stepRequested(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_first = true;
    bool m_last = true;
};

class TabPages : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentChanged)
    Q_PROPERTY(int count READ count)
public:
    explicit TabPages(QWidget* parent = nullptr);

    // Adds a page under a tab with the given title; returns its index.
    int addTab(QWidget* page, const QString& title);

    int count() const;
    QWidget* widget(int index) const;
    QString tabText(int index) const;
    int currentIndex() const;
    QWidget* currentWidget() const;

    // The strip of tabs, the tab of a page and the number of rows they take.
    QWidget* tabStrip() const { return m_strip; }
    TabPageButton* tabButton(int index) const;
    int rowCount() const { return m_rows; }

public slots:
    void setCurrentIndex(int index);

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void relayout();
    void step(int delta, bool wrap);
    QRect paneRect() const;

    QWidget* m_strip;
    PageStack* m_stack;
    QList<TabPageButton*> m_tabs;
    int m_rows = 0;
};
