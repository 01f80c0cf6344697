#include "platform/deferred.h"

#include <QEvent>

namespace {
// Filters the window's events until the polish request, builds, then goes.
class PolishWatcher : public QObject {
public:
    PolishWatcher(QWidget* window, std::function<void()> build)
        : QObject(window)
        , m_build(std::move(build))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != parent())
            return false;
        // Qt asks every new widget to polish itself at the first turn of the
        // event loop, shown or not; a hidden window waits until it is needed.
        if (event->type() == QEvent::PolishRequest)
            return true;
        if (event->type() == QEvent::Polish) {
            watched->removeEventFilter(this);
            // The children made here are polished with the window: Qt polishes
            // a window's children after the window itself.
            const std::function<void()> build = std::move(m_build);
            deleteLater();
            build();
        }
        return false;
    }

private:
    std::function<void()> m_build;
};
} // namespace

void buildWhenPolished(QWidget* window, std::function<void()> build)
{
    if (window->testAttribute(Qt::WA_WState_Polished)) {
        build();
        return;
    }
    window->installEventFilter(new PolishWatcher(window, std::move(build)));
}
