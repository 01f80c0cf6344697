#pragma once
// Colours.  Scheme colours are written 0x00BBGGRR (0x0000FF is red).
#include <QColor>
#include <cstdint>

QColor fromBgr(std::uint32_t bgr);

// System colours of the desktop palette.
QColor buttonFaceColour();
QColor buttonHighlightColour();
QColor windowTextColour();

namespace bgr {
constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t Red = 0x0000FF;
constexpr std::uint32_t Yellow = 0x00FFFF;
constexpr std::uint32_t Magenta = 0xFF00FF;
constexpr std::uint32_t White = 0xFFFFFF;
constexpr std::uint32_t Grey = 0x808080;
} // namespace bgr
