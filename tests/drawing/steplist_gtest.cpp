// The replay of written drawing lists must refuse what it cannot read, or a
// mistyped list would pass unnoticed in the scheme tests that use it.
#include "drawing/recordingcanvas.h"
#include "support/steplist.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(StepList, RejectsUnreadableSteps)
{
    const char* const bad[] = {
        "circle (1,2)-(3,4)",
        "arrow (1,2)->(3,4) purple",
        "ellipse (1,2)-(3,4)-(5,6)",
        "label at (1,2)",
        "vector \"F\" sub at (1,2)",
        "rectangle (1,2)-(3,4) purple filled",
        "arrow (1,2)->(3,4) red pen 2",
        "bracketed \"F\" at (1,2)",
        "axes (1,2)",
        "font size",
    };
    for (const char* step : bad) {
        RecordingCanvas canvas;
        EXPECT_THROW(runStepList(canvas, QString::fromUtf8(step)), std::invalid_argument) << step;
    }
}

} // namespace
