#pragma once
// x to the power y, as the C library's pow gives it, to within the last bit
// on every platform.
double powerOf(double x, double y);
