#include "drawing/canvasbase.h"

void CanvasBase::setBrushColour(std::uint32_t bgr)
{
    m_brush.colour = bgr;
    if (m_brush.style == BrushStyle::Clear)
        m_brush.style = BrushStyle::Solid;
}
