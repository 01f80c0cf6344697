#include "solver/forms/solverwindow.h"

#include "platform/accessibility.h"
#include "platform/deferred.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/panels.h"
#include "platform/messages.h"
#include "platform/windows.h"
#include "solver/forms/askform.h"
#include "solver/forms/numberkey.h"
#include "solver/lu.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& at,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(pointFont(QStringLiteral("Arial"), 13));
    label->setGeometry(at);
    label->setAlignment(align);
    return label;
}

QLineEdit* makeBox(QWidget* parent, const QString& name, const QString& accessibleName,
                   const QRect& at)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setFont(pointFont(QStringLiteral("MS Sans Serif"), 10));
    box->setGeometry(at);
    // Text reaches a number box only through its key filter.
    keepToTypedKeys(box);
    return box;
}

// The ninth box of a column or row is named with L ("BL", "XL"), the others by number.
QString columnBoxName(QChar letter, int index, int order)
{
    if (order == 9 && index == 8)
        return QString(letter) + u'L';
    return QString(letter) + QString::number(index + 1);
}

} // namespace

SolverWindow::SolverWindow(const SolverLayout& layout, QWidget* parent)
    : QWidget(parent)
    , n(layout.order)
    , A(n * n, 0.0)
    , b(n, 0.0)
    , LU(n * n, 0.0)
    , exchange(n, 0)
    , scale(n, 0.0)
    , x(n, 0.0)
    , trial(n, 0.0)
{
    setupWindow(this, tr("Решение системы AX = B"), layout.clientWidth, layout.clientHeight, minimiseOnlyWindowFlags());
    centreOnDesktop(this);
    buildWhenPolished(this, [this, layout] { buildContents(layout); });
}

QString SolverWindow::outOfRangeText()
{
    return tr("Ошибка! Решение не может быть вычислено: числа выходят за пределы допустимого диапазона.");
}

void SolverWindow::buildContents(const SolverLayout& layout)
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, 0, layout.clientWidth, layout.clientHeight);

    const int textWidth = layout.clientWidth - 32;
    makeLabel(panel, QStringLiteral("Label1"), SolverWindow::tr("Уважаемый коллега !"),
              QRect(16, layout.greetingY, textWidth, 24), Qt::AlignCenter);
    QLabel* explanation = makeLabel(
        panel, QStringLiteral("Label2"),
        SolverWindow::tr("Я рад помочь Вам решить систему %1 линейных алгебраических уравнений AX = B. "
                       "Сообщите, пожалуйста, коэффициенты матрицы A и столбца B.")
            .arg(n),
        QRect(16, layout.explanationY, textWidth, layout.explanationHeight), Qt::AlignLeft | Qt::AlignTop);
    explanation->setWordWrap(true);

    const QPoint origin = layout.gridOrigin;
    const int gridWidth = (n - 1) * kPitchX + kBoxWidth;
    makeLabel(panel, QStringLiteral("Label3"), QStringLiteral("A"),
              QRect(origin.x(), origin.y() - 28, gridWidth, 24), Qt::AlignCenter);
    makeLabel(panel, QStringLiteral("Label4"), QStringLiteral("B"),
              QRect(layout.bColumnX, origin.y() - 28, kBoxWidth, 24), Qt::AlignCenter);
    makeLabel(panel, QStringLiteral("Label5"), SolverWindow::tr("Вычисленные значения неизвестных"),
              QRect(origin.x(), layout.resultY - 28, layout.clientWidth - origin.x() - 16, 24));

    // Created in reading order, which is also the focus order of Tab and Enter.
    m_inputs.reserve(n * n + n);
    for (int row = 0; row < n; ++row)
        for (int col = 0; col < n; ++col) {
            QLineEdit* box = makeBox(panel, QStringLiteral("Edit%1").arg(row * n + col + 1),
                                     SolverWindow::tr("Коэффициент A(%1,%2)").arg(row + 1).arg(col + 1),
                                     QRect(origin.x() + col * kPitchX, origin.y() + row * kPitchY,
                                           kBoxWidth, kBoxHeight));
            box->setText(row == col ? QStringLiteral("1") : QStringLiteral("0"));
            m_inputs.push_back(box);
        }
    for (int row = 0; row < n; ++row) {
        QLineEdit* box = makeBox(panel, columnBoxName(u'B', row, n),
                                 SolverWindow::tr("Свободный член B%1").arg(row + 1),
                                 QRect(layout.bColumnX, origin.y() + row * kPitchY, kBoxWidth, kBoxHeight));
        box->setText(QStringLiteral("0"));
        m_inputs.push_back(box);
    }
    for (QLineEdit* box : m_inputs)
        box->installEventFilter(this);

    for (int col = 0; col < n; ++col) {
        const int width = kBoxWidth + (n == 9 && col == 8 ? kWideResultExtra : 0);
        QLineEdit* box = makeBox(panel, columnBoxName(u'X', col, n),
                                 SolverWindow::tr("Неизвестное X%1").arg(col + 1),
                                 QRect(origin.x() + col * kPitchX, layout.resultY, width, kBoxHeight));
        box->setReadOnly(true);
        box->setEnabled(false);
        m_results.push_back(box);
    }

    Button1 = dialogButton(panel, QStringLiteral("Button1"), SolverWindow::tr("Считать"),
                         QRect(layout.button1X, layout.buttonY, 121, 41));
    Button2 = dialogButton(panel, QStringLiteral("Button2"), SolverWindow::tr("Выход"),
                         QRect(layout.button2X, layout.buttonY, 121, 41));
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); }); });
}

void SolverWindow::FormActivate()
{
    if (AskForm)
        static_cast<QWidget*>(AskForm)->hide();
}

void SolverWindow::Button1Click()
{
    ensurePolished();   // the boxes exist
    singular = 0;

    const QLocale locale;
    for (int k = 0; k < n * n + n; ++k) {
        const std::optional<double> value = readNumber(m_inputs[k]->text(), locale);
        if (!value) {
            ShowMessage(tr("Ошибка! Введены не все данные."));
            return;
        }
        if (k < n * n)
            A[k] = *value;
        else
            b[k - n * n] = *value;
    }

    DecomposeLU(A.data(), n, LU.data(), exchange.data(), scale.data(), singular);
    bool solved = false;
    if (singular) {
        ShowMessage(tr("Ошибка! Матрица A является вырожденной."));
    } else if (!allFinite(LU.data(), n * n)) {
        ShowMessage(outOfRangeText());
    } else {
        SolveLU(LU.data(), exchange.data(), n, b.data(), trial.data());
        solved = allFinite(trial.data(), n);
        if (solved)
            x = trial;
        else
            ShowMessage(outOfRangeText());
    }
    writeResults();
    // The solution is spoken at once; the errors are in their message boxes.
    if (solved)
        announceResults();
}

void SolverWindow::announceResults()
{
    QStringList parts;
    for (QLineEdit* box : m_results)
        parts.append(box->objectName() + QStringLiteral(" = ") + box->text());
    announce(this, SolverWindow::tr("Вычисленные значения неизвестных: %1").arg(parts.join(QStringLiteral("; "))));
}

void SolverWindow::Button2Click()
{
    hide();
    emit leaveRequested();
}

void SolverWindow::writeResults()
{
    const QLocale locale;
    for (int i = 0; i < n; ++i) {
        // Shown from its start: a result wider than its box keeps its sign
        // and leading digits in view.
        m_results[i]->setText(formatResult(x[i], locale));
        m_results[i]->setCursorPosition(0);
    }
}

bool SolverWindow::event(QEvent* e)
{
    activateOnShow(this, e);
    if (e->type() == QEvent::WindowActivate)
        guarded([this] { FormActivate(); });
    return QWidget::event(e);
}

void SolverWindow::hideEvent(QHideEvent* e)
{
    // Modal only for as long as the order choice has it open.
    if (!e->spontaneous())
        setWindowModality(Qt::NonModal);
    QWidget::hideEvent(e);
}

void SolverWindow::closeEvent(QCloseEvent* e)
{
    // Closed from the title bar or the keyboard rather than by "Выход": leave the
    // same way, so that the program never ends up with no window shown.
    if (e->spontaneous())
        guarded([this] { Button2Click(); });
    QWidget::closeEvent(e);
}

bool SolverWindow::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, e);
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return QWidget::eventFilter(watched, e);
    bool consumed = true;
    guarded([&] { consumed = EditKeyPress(box, static_cast<QKeyEvent*>(e)); });
    return consumed;
}

bool SolverWindow::EditKeyPress(QLineEdit* box, QKeyEvent* key)
{
    if (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut)
        || key->matches(QKeySequence::Copy))
        return true;

    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusNextAfter(box);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    default:
        break;
    }

    QChar typed;
    if (key->key() == Qt::Key_Backspace) {
        typed = u'\b';
    } else if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) {
        // Control characters are refused: these keys never edit a box.
        return true;
    } else if (key->text().isEmpty()) {
        return false;   // caret movement and the like, no character
    } else if (key->text().size() == 1) {
        typed = key->text().at(0);
    } else {
        return true;
    }

    const QChar accepted = FilterNumberKey(box->text(), typed);
    if (accepted.isNull())
        return true;
    if (accepted == typed)
        return false;
    box->insert(QString(accepted));
    return true;
}

void SolverWindow::focusNextAfter(QLineEdit* box)
{
    for (std::size_t k = 0; k < m_inputs.size(); ++k) {
        if (m_inputs[k] != box)
            continue;
        QWidget* next = k + 1 < m_inputs.size() ? static_cast<QWidget*>(m_inputs[k + 1]) : Button1;
        next->setFocus(Qt::TabFocusReason);
        return;
    }
}
