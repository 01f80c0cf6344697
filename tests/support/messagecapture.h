#pragma once
// Message boxes captured instead of shown, through the program's own message
// hook: every box while the capture lives, the previous hook back when it goes.
#include "platform/messages.h"

#include <QList>
#include <QStringList>
#include <functional>

class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    QList<ShownMessage> boxes;
    // Runs for each box after it is recorded (and may throw, as a failing
    // handler would).
    std::function<void(const ShownMessage&)> onBox;

    QStringList texts() const;
    QStringList titles() const;

private:
    MessageHook m_previous;
};
