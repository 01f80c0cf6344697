#include "platform/guard.h"

#include "formula/errors.h"
#include "platform/enginemessages.h"
#include "platform/messages.h"

#include <QCoreApplication>

#include <new>

namespace {
class GuardTexts {
    Q_DECLARE_TR_FUNCTIONS(Message)
};
} // namespace

void reportCurrentException() noexcept
{
    try {
        QString text;
        try {
            throw;
        } catch (const std::bad_alloc&) {
            text = GuardTexts::tr("Недостаточно памяти для выполнения операции.");
        } catch (const FormulaError& e) {
            text = translatedMessage(e);
        } catch (const std::exception& e) {
            // Any other fault says what it is in the program's language already.
            text = QString::fromUtf8(e.what());
        } catch (...) {
            text = GuardTexts::tr("Непредвиденная ошибка.");
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
