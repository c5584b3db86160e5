// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapestroke.h"
#include "sizes.h"

#include <algorithm>
#include <cstdlib>

namespace {
// a / b rounded to the nearest whole number, halves away from zero; b > 0.
long long roundedQuotient(long long a, long long b)
{
    return a >= 0 ? (2 * a + b) / (2 * b) : -((-2 * a + b) / (2 * b));
}
}

void drawLandscapeLine(int *landscape, int fromIndex, int fromValue, int toIndex, int toValue)
{
    fromIndex = std::clamp(fromIndex, 0, LastGenome);
    toIndex = std::clamp(toIndex, 0, LastGenome);
    if (fromIndex == toIndex) {
        landscape[toIndex] = toValue;
        return;
    }
    const long long span = std::abs(toIndex - fromIndex);
    const long long rise = static_cast<long long>(toValue) - fromValue;
    const int direction = toIndex > fromIndex ? 1 : -1;
    for (long long step = 0; step <= span; ++step)
        landscape[fromIndex + direction * step] = static_cast<int>(fromValue + roundedQuotient(rise * step, span));
}
