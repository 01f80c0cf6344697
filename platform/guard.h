#pragma once
// The handler guard.  No exception may reach Qt's event loop: every event
// handler that can throw runs its body through guarded(), which reports an
// escaping exception in the Critical error box and returns normally, so that
// the event loop goes on.  GuardedApplication does the same for whatever slips
// past the handlers.
#include <QApplication>
#include <exception>
#include <utility>

// Reports the exception currently being handled (call only inside a catch block).
void reportCurrentException() noexcept;

template <class F>
void guarded(F&& body) noexcept
{
    try {
        std::forward<F>(body)();
    } catch (...) {
        reportCurrentException();
    }
}

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
