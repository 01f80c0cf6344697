#include "hintcapture.h"

HintCapture::HintCapture()
{
    m_previous = setHintHook([this](const ShownHint& hint) { hints.push_back(hint); });
}

HintCapture::~HintCapture()
{
    setHintHook(m_previous);
}
