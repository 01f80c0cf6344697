#include "platform/tabpages.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>

#include <algorithm>

namespace {

constexpr int kTextPadding = 6;   // blank on either side of a title
constexpr int kTextLead = 4;      // blank above and below a title

QStyleOptionTab::TabPosition positionOf(bool first, bool last)
{
    if (first && last)
        return QStyleOptionTab::OnlyOneTab;
    if (first)
        return QStyleOptionTab::Beginning;
    return last ? QStyleOptionTab::End : QStyleOptionTab::Middle;
}

// A tab as a screen reader sees it: a page tab named by its title, selected
// when its page is shown, selected again by its press action.
class TabAccessible : public QAccessibleWidget {
public:
    explicit TabAccessible(QWidget* w)
        : QAccessibleWidget(w, QAccessible::PageTab)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return button()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& name) override
    {
        if (name == pressAction())
            button()->click();
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

} // namespace

QAccessibleInterface* tabPagesAccessible(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (className == QLatin1String("TabPageButton"))
        return new TabAccessible(w);
    if (object->objectName() == QLatin1String("TabStrip") && qobject_cast<TabPages*>(w->parentWidget()))
        return new QAccessibleWidget(w, QAccessible::PageTabList);
    return nullptr;
}

TabPageButton::TabPageButton(const QString& title, QWidget* parent)
    : QAbstractButton(parent)
{
    setText(title);
    setCheckable(true);
    setAutoExclusive(false);
    setFocusPolicy(Qt::NoFocus);
}

QSize TabPageButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 2 * kTextPadding, metrics.height() + 2 * kTextLead};
}

void TabPageButton::setRowPosition(bool first, bool last)
{
    m_first = first;
    m_last = last;
    update();
}

void TabPageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.position = positionOf(m_first, m_last);
    option.selectedPosition = QStyleOptionTab::NotAdjacent;
    option.rect = rect();
    if (isChecked())
        option.state |= QStyle::State_Selected;
    else
        option.state &= ~QStyle::State_Selected;
    style()->drawControl(QStyle::CE_TabBarTabShape, &option, &painter, this);

    // The title centred, lowered a little on a tab in the back, as the style
    // lowers its shape.
    QRect textBox = rect();
    if (!isChecked())
        textBox.translate(0, style()->pixelMetric(QStyle::PM_TabBarTabShiftVertical, &option, this));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textBox, Qt::AlignCenter | Qt::TextSingleLine, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textBox.adjusted(kTextPadding / 2, kTextLead / 2, -kTextPadding / 2, -kTextLead / 2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TabPageButton::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        emit stepRequested(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        emit stepRequested(1);
        break;
    case Qt::Key_Home:
        emit stepRequested(-2);
        break;
    case Qt::Key_End:
        emit stepRequested(2);
        break;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

TabPages::TabPages(QWidget* parent)
    : QWidget(parent)
    , m_strip(new QWidget(this))
    , m_stack(new PageStack(this))
{
    m_strip->setObjectName(QStringLiteral("TabStrip"));
    m_stack->setObjectName(QStringLiteral("TabStack"));
    connect(m_stack, &QStackedWidget::currentChanged, this, [this](int index) {
        for (int i = 0; i < m_tabs.size(); ++i) {
            TabPageButton* tab = m_tabs[i];
            const bool current = i == index;
            const bool hadFocus = tab->hasFocus();
            tab->setChecked(current);
            tab->setFocusPolicy(current ? Qt::TabFocus : Qt::NoFocus);
            if (hadFocus && !current && index >= 0)
                m_tabs[index]->setFocus(Qt::TabFocusReason);
        }
        if (index >= 0 && index < m_tabs.size()) {
            QAccessibleEvent selected(m_tabs[index], QAccessible::Selection);
            QAccessible::updateAccessibility(&selected);
        }
        emit currentChanged(index);
    });
}

int TabPages::addTab(QWidget* page, const QString& title)
{
    auto* tab = new TabPageButton(title, m_strip);
    tab->setObjectName(QStringLiteral("Tab%1").arg(m_tabs.size() + 1));
    m_tabs.append(tab);
    const int index = m_stack->addWidget(page);
    connect(tab, &QAbstractButton::clicked, this, [this, tab] {
        setCurrentIndex(int(m_tabs.indexOf(tab)));
        tab->setChecked(true);   // a click on the current tab leaves it current
    });
    connect(tab, &TabPageButton::stepRequested, this, [this](int delta) {
        if (delta == -2 || delta == 2)
            setCurrentIndex(delta < 0 ? 0 : count() - 1);
        else
            step(delta, false);
    });
    if (m_stack->count() == 1) {
        tab->setChecked(true);
        tab->setFocusPolicy(Qt::TabFocus);
    }
    relayout();
    tab->show();
    return index;
}

int TabPages::count() const
{
    return m_stack->count();
}

QWidget* TabPages::widget(int index) const
{
    return m_stack->widget(index);
}

QString TabPages::tabText(int index) const
{
    return index >= 0 && index < m_tabs.size() ? m_tabs[index]->text() : QString();
}

int TabPages::currentIndex() const
{
    return m_stack->currentIndex();
}

QWidget* TabPages::currentWidget() const
{
    return m_stack->currentWidget();
}

TabPageButton* TabPages::tabButton(int index) const
{
    return index >= 0 && index < m_tabs.size() ? m_tabs[index] : nullptr;
}

void TabPages::setCurrentIndex(int index)
{
    if (index >= 0 && index < count())
        m_stack->setCurrentIndex(index);
}

void TabPages::step(int delta, bool wrap)
{
    const int n = count();
    if (n == 0)
        return;
    int next = currentIndex() + delta;
    if (wrap)
        next = (next % n + n) % n;
    setCurrentIndex(std::clamp(next, 0, n - 1));
}

void TabPages::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void TabPages::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        relayout();
}

void TabPages::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (control && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        step(shift || event->key() == Qt::Key_Backtab ? -1 : 1, true);
        return;
    }
    if (control && (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp)) {
        step(event->key() == Qt::Key_PageDown ? 1 : -1, true);
        return;
    }
    QWidget::keyPressEvent(event);
}

QRect TabPages::paneRect() const
{
    return QRect(0, m_strip->height(), width(), height() - m_strip->height());
}

void TabPages::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = paneRect();
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

void TabPages::relayout()
{
    const int available = std::max(1, width());
    // Tabs fill rows from the left; a tab that does not fit starts a new row.
    QList<QList<TabPageButton*>> rows;
    int used = 0;
    int rowHeight = 0;
    for (TabPageButton* tab : m_tabs) {
        const QSize hint = tab->sizeHint();
        rowHeight = std::max(rowHeight, hint.height());
        if (rows.isEmpty() || (used + hint.width() > available && !rows.last().isEmpty())) {
            rows.append(QList<TabPageButton*>());
            used = 0;
        }
        rows.last().append(tab);
        used += hint.width();
    }
    m_rows = int(rows.size());
    const bool stretch = rows.size() > 1;
    for (int r = 0; r < rows.size(); ++r) {
        const QList<TabPageButton*>& row = rows[r];
        int natural = 0;
        for (TabPageButton* tab : row)
            natural += tab->sizeHint().width();
        // The extra width of a wrapped strip is shared out so that each row
        // ends at the right edge.
        const int extra = stretch ? std::max(0, available - natural) : 0;
        int x = 0;
        int given = 0;
        for (int i = 0; i < row.size(); ++i) {
            TabPageButton* tab = row[i];
            const int share = i + 1 == row.size() ? extra - given : extra * tab->sizeHint().width() / std::max(1, natural);
            given += share;
            const int w = tab->sizeHint().width() + share;
            tab->setGeometry(x, r * rowHeight, w, rowHeight);
            tab->setRowPosition(i == 0, i + 1 == row.size());
            x += w;
        }
    }
    m_strip->setGeometry(0, 0, width(), m_rows * rowHeight);
    const int frameWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    m_stack->setGeometry(paneRect().adjusted(frameWidth, frameWidth, -frameWidth, -frameWidth));
    update();
}
