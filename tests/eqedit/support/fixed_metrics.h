#pragma once
// Fixed text metrics for the equation layout: every character has a known
// width, so that positions can be worked out by hand.  Greek letters (Unicode
// 0x370..0x3FF) and 'W' are wider than the rest, so a test can tell which
// character was measured.
#include "eqedit/eqlayout.h"

class FixedMetrics : public EqMetrics {
public:
    static constexpr int Normal = 10, Reduced = 6;
    static constexpr int GreekNormal = 13, GreekReduced = 9;
    static constexpr int WideNormal = 20, WideReduced = 14;
    static constexpr int Hn = 20, Hs = 12;

    int charWidth(QChar c, bool reduced) const override
    {
        if (c.unicode() >= 0x370 && c.unicode() < 0x400)
            return reduced ? GreekReduced : GreekNormal;
        if (c == u'W')
            return reduced ? WideReduced : WideNormal;
        return reduced ? Reduced : Normal;
    }
    int zeroHeight(bool reduced) const override { return reduced ? Hs : Hn; }
};
