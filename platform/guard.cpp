#include "platform/guard.h"

#include "platform/messages.h"

#include <new>

void reportCurrentException() noexcept
{
    try {
        QString text;
        try {
            throw;
        } catch (const std::bad_alloc&) {
            text = QStringLiteral("Недостаточно памяти для выполнения операции.");
        } catch (const std::exception& e) {
            text = QString::fromUtf8(e.what());
        } catch (...) {
            text = QStringLiteral("Непредвиденная ошибка.");
        }
        ShowError(text);
    } catch (...) {
        // Reporting itself failed (no memory for the box): nothing more can be done.
    }
}

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException();
        return false;
    }
}
