#include "platform/colours.h"

#include <QGuiApplication>
#include <QPalette>

QColor fromBgr(std::uint32_t v)
{
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

QColor buttonFaceColour()
{
    return QGuiApplication::palette().color(QPalette::Button);
}

QColor buttonHighlightColour()
{
    return QGuiApplication::palette().color(QPalette::Light);
}

QColor windowTextColour()
{
    return QGuiApplication::palette().color(QPalette::WindowText);
}
