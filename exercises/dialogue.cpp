#include "exercises/dialogue.h"

#include "eqedit/spokenformula.h"
#include "eqedit/teqedit.h"
#include "formula/random.h"
#include "platform/accessibility.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QPointingDevice>

namespace {
// The texts written where they are used, translated with tr() in one context.
class DialogueTexts {
    Q_DECLARE_TR_FUNCTIONS(Dialogue)
};
} // namespace

QString promptText()
{
    return DialogueTexts::tr("Ваш ответ, коллега:");
}

const FeedbackTexts& examplePraises()
{
    static const FeedbackTexts texts = {QT_TRANSLATE_NOOP("Dialogue", "Совершенно правильно."), QT_TRANSLATE_NOOP("Dialogue", "Это то, что нужно !"),
                                        QT_TRANSLATE_NOOP("Dialogue", "Коллега, я полностью с Вами согласен !"),
                                        QT_TRANSLATE_NOOP("Dialogue", "Коллега, вы снова абсолютно правы !")};
    return texts;
}

const FeedbackTexts& taskPraises()
{
    static const FeedbackTexts texts = {QT_TRANSLATE_NOOP("Dialogue", "Совершенно правильно."), QT_TRANSLATE_NOOP("Dialogue", "Молодец! Так держать."),
                                        QT_TRANSLATE_NOOP("Dialogue", "Хочу Вас поздравить! Именно это и требовалось."),
                                        QT_TRANSLATE_NOOP("Dialogue", "Мне нравится ход ваших мыслей! Это то, что нужно.")};
    return texts;
}

const FeedbackTexts& reproaches()
{
    static const FeedbackTexts texts = {QT_TRANSLATE_NOOP("Dialogue", "К сожалению, вы ошибаетесь."), QT_TRANSLATE_NOOP("Dialogue", "Это никуда не годится !"),
                                        QT_TRANSLATE_NOOP("Dialogue", "Коллега, вы неправы !"), QT_TRANSLATE_NOOP("Dialogue", "Коллега, вы снова неправы !")};
    return texts;
}

QString DrawFeedbackText(const FeedbackTexts& texts)
{
    randomizeFromClock();
    return QCoreApplication::translate("Dialogue", texts[randomBelow(static_cast<std::uint32_t>(texts.size()))]);
}

void setCentredText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
    const QWidget* panel = label->parentWidget();
    if (!panel)
        return;
    label->move(panel->width() / 2 - label->width() / 2, label->y());
    // Praise and reproach are spoken as they appear; the prompt is not news.
    if (text != promptText())
        announce(label, text);
}

QString spokenQuestion(const TEqEdit* question)
{
    return DialogueTexts::tr("Вопрос: %1").arg(spokenFormula(question->Equation()));
}

void announceQuestion(TEqEdit* question)
{
    if (question)
        announce(question, spokenQuestion(question));
}

void resetAnswerControl(TEqEdit* answer)
{
    answer->SetEquation(QStringLiteral(" "));
    const QPointF origin(0, 0);
    QMouseEvent press(QEvent::MouseButtonPress, origin, answer->mapToGlobal(origin), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(answer, &press);
}

Verdict checkAnswer(TMyPacketEquation& equation, TMyPacketData& table, const QString& reference,
                    const QString& typed, const std::vector<std::string>& randomNames, PointGenerator& points)
{
    return judgeAnswer(equation, table, reference.toStdString(), typed.toStdString(), randomNames, points);
}

ClickArea::ClickArea(QWidget* parent)
    : QLabel(parent)
{
    // Invisible on screen, so silent for a screen reader too; mouse only.
    hideFromAccessibility(this);
    setFocusPolicy(Qt::NoFocus);
}

void ClickArea::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && !m_doubleClick && event->button() == Qt::LeftButton
                    && rect().contains(event->position().toPoint());
    m_pressed = false;
    m_doubleClick = false;
    if (click && OnClick)
        OnClick();
}

void ClickArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_doubleClick = event->button() == Qt::LeftButton;
    m_pressed = false;
}

namespace {
// The window that takes the activation is not one of the program's own
// windows: another application, or a dialog shown modally over the window (a
// message box, the help or the About window), after which it goes on where it
// was.
bool activationLeavesProgramWindows()
{
    const QWidget* next = QApplication::activeWindow();
    if (!next)
        return true;
    if (qobject_cast<const QDialog*>(next) && next->isModal())
        return true;
    return qobject_cast<const QDialog*>(QApplication::activeModalWidget()) != nullptr;
}
} // namespace

bool ActivationGate::deactivated()
{
    m_away = activationLeavesProgramWindows();
    return !m_away;
}

bool ActivationGate::activated()
{
    if (m_away) {
        m_away = false;
        return false;
    }
    return true;
}
