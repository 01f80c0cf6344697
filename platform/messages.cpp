#include "platform/messages.h"

#include "platform/language.h"

#include <QApplication>
#include <QWidget>

namespace {
MessageHook& hook()
{
    static MessageHook h;
    return h;
}

void show(QMessageBox::Icon icon, const QString& sourceText, const QString& sourceTitle)
{
    const QString text = translateMessage(sourceText);
    const QString title = translateMessage(sourceTitle);
    if (hook()) {
        hook()({icon, title, text});
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
} // namespace

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
