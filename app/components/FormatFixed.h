#pragma once

#include <QString>

// Writes x in fixed notation with d decimals after rounding it to p significant
// digits; the rounding happens once, at whichever of the two positions is
// coarser, half away from zero. Digits beyond the p-th print as 0. p is taken
// within 2..18 and d within 0..18. A value with more than p digits before the
// point is written in scientific notation ("1.23457E20"). A result that rounds
// to zero carries no minus sign. NaN and infinities give "NAN", "INF", "-INF".
QString FormatFixed(long double x, int p, int d);
