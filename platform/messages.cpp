#include "platform/messages.h"

#include <QApplication>
#include <QWidget>

namespace {
class MessageTexts {
    Q_DECLARE_TR_FUNCTIONS(Message)
};

MessageHook& hook()
{
    static MessageHook h;
    return h;
}

void show(QMessageBox::Icon icon, const QString& text, const QString& title)
{
    if (hook()) {
        hook()({icon, title, text});
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
} // namespace

QString appTitle()
{
    return MessageTexts::tr("ВЕКТУМ-W");
}

QString examinerTitle()
{
    return MessageTexts::tr("КОНТРОЛЕР");
}

MessageHook setMessageHook(MessageHook h)
{
    MessageHook old = std::move(hook());
    hook() = std::move(h);
    return old;
}

void ShowMessage(const QString& text, const QString& title)
{
    show(QMessageBox::Warning, text, title);
}

void ShowError(const QString& text, const QString& title)
{
    show(QMessageBox::Critical, text, title);
}
