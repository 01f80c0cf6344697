#pragma once
// Hints captured instead of shown, through the program's hint hook: every
// hint while the capture lives, the previous hook back when it goes.
#include "exercises/hints.h"

#include <vector>

class HintCapture {
public:
    HintCapture();
    ~HintCapture();
    HintCapture(const HintCapture&) = delete;
    HintCapture& operator=(const HintCapture&) = delete;

    std::vector<ShownHint> hints;

private:
    HintHook m_previous;
};
