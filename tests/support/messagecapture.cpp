#include "messagecapture.h"

MessageCapture::MessageCapture()
{
    m_previous = setMessageHook([this](const ShownMessage& box) {
        boxes.append(box);
        if (onBox)
            onBox(box);
    });
}

MessageCapture::~MessageCapture()
{
    setMessageHook(m_previous);
}

QStringList MessageCapture::texts() const
{
    QStringList out;
    for (const ShownMessage& box : boxes)
        out << box.text;
    return out;
}

QStringList MessageCapture::titles() const
{
    QStringList out;
    for (const ShownMessage& box : boxes)
        out << box.title;
    return out;
}
